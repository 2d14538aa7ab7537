#include "Police.h"

#include <QColor>
#include <QFont>
#include <QFontInfo>

QColor couleurDepuisWindows(qint64 valeur)
{
    if (valeur < 0) {
        // System colours: the few that make sense for text on a white box.
        switch (valeur & 0xFF) {
        case 5: return QColor(Qt::white);      // window
        case 13: return QColor(0, 120, 215);   // highlight
        case 17: return QColor(Qt::gray);      // grey text
        default: return QColor(Qt::black);     // window text and the others
        }
    }
    return QColor(static_cast<int>(valeur & 0xFF), static_cast<int>((valeur >> 8) & 0xFF),
                  static_cast<int>((valeur >> 16) & 0xFF));
}

qint64 valeurCouleurWindows(const QColor& couleur)
{
    const QColor c = couleur.toRgb();
    return qint64(c.red()) | (qint64(c.green()) << 8) | (qint64(c.blue()) << 16);
}

QFont versQFont(const Police& police)
{
    QFont f(police.nom);
    if (police.taillePoints > 0)
        f.setPointSize(police.taillePoints);
    f.setBold(police.style & PoliceGras);
    f.setItalic(police.style & PoliceItalique);
    f.setUnderline(police.style & PoliceSouligne);
    f.setStrikeOut(police.style & PoliceBarre);
    return f;
}

Police policeDepuisQFont(const QFont& font, qint64 couleur)
{
    Police p;
    // Fontconfig names a family twice installed "Nimbus Roman [urw]": the settings file keeps
    // the family alone, which finds the same face.
    p.nom = font.family();
    const qsizetype fonderie = p.nom.lastIndexOf(QStringLiteral(" ["));
    if (fonderie > 0 && p.nom.endsWith(QLatin1Char(']')))
        p.nom.truncate(fonderie);
    if (font.pointSizeF() > 0)
        p.taillePoints = qRound(font.pointSizeF());
    else
        p.taillePoints = qRound(QFontInfo(font).pointSizeF());
    p.style = 0;
    // A semi-bold face still reads as bold to the user who chose it.
    if (font.weight() >= QFont::DemiBold)
        p.style |= PoliceGras;
    if (font.italic() || font.style() == QFont::StyleOblique)
        p.style |= PoliceItalique;
    if (font.underline())
        p.style |= PoliceSouligne;
    if (font.strikeOut())
        p.style |= PoliceBarre;
    p.couleur = couleur;
    return p;
}
