#pragma once
// A font as the settings file and the font dialog know it: a family name, a size in points, a
// style set and a Windows colour value.

#include <QString>

class QColor;
class QFont;

// Style bits.
enum : int { PoliceGras = 1, PoliceItalique = 2, PoliceSouligne = 4, PoliceBarre = 8 };

struct Police {
    QString nom = QStringLiteral("MS Sans Serif");
    int taillePoints = 8;
    int style = 0;
    // Red in the low byte, then green, then blue; a negative value is a system colour (the
    // default one is the window text's).
    qint64 couleur = -16777208;

    bool operator==(const Police&) const = default;
};

// The colour that a Windows colour value stands for; system colours take their usual look.
QColor couleurDepuisWindows(qint64 valeur);
qint64 valeurCouleurWindows(const QColor& couleur);

// The Qt font of the family, size and style (the colour is not part of a QFont).
QFont versQFont(const Police& police);
// The family, size and style of a Qt font, with the given colour value.
Police policeDepuisQFont(const QFont& font, qint64 couleur);
