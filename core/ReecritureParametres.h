#pragma once
// The settings file as the settings dialog reads and rewrites it. The dialog shows a fixed list
// of settings and writes them back as blocks (a header line, a value line and an empty line),
// followed by the font block of the old file; the font chooser rewrites only the font block.
// Each program gives its own table of blocks; the rules here are the same for both.

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include "Police.h"

// One block of the file: the header line as written, the start of the value line up to the
// value ("Mot de passe = "), and the dialog's control that holds the value.
struct BlocParametrage {
    enum class Genre { Texte, Case }; // an edit, or a check box ("Oui" / "Non")
    QString entete;
    QString prefixe;
    QString controle;
    Genre genre = Genre::Texte;

    // The key of the value line as the reader compares it ("MOT DE PASSE").
    QString cle() const;
};

// The blocks of each program, in the order of the file.
const QList<BlocParametrage>& blocsParametrageOmbrivelle();
const QList<BlocParametrage>& blocsParametrageCastiflore();

// What the dialog's controls hold, by control name: the text of each edit, the state of each
// check box.
struct ValeursParametrage {
    QHash<QString, QString> textes;
    QHash<QString, bool> cases;
    bool operator==(const ValeursParametrage&) const = default;
};

// The controls' values after reading the file's lines. Every line is tested against every
// block's key and the last line of a key wins; a key absent from the file leaves its control
// as it was. A box is checked only when the value, A-Z upper-cased, is "OUI".
ValeursParametrage valeursDepuisLignes(const QStringList& lignes, const QList<BlocParametrage>& blocs,
                                        ValeursParametrage valeurs);

// The new file: every block in order, its value line carrying the control's text as it stands
// (or "Oui" / "Non"), each block followed by an empty line; then the lines of the old file's
// font block, in their order. Every other old line is dropped.
QStringList lignesParametrage(const QStringList& anciennes, const QList<BlocParametrage>& blocs,
                              const ValeursParametrage& valeurs);

// The new file after a font choice: the old lines without the font block, then the new font
// block as the last five lines.
QStringList lignesAvecPolice(const QStringList& anciennes, const Police& police);

// A line of the font block: one whose key is a font key, or the block's header exactly.
bool lignePolice(const QString& ligne);

// The same on the settings file itself. A missing file is neither read nor created (the result
// is then false). The file is replaced whole: a failure raises the run-time input/output error
// and leaves the old file as it was.
bool LireValeursParametrage(const QString& fichierIni, const QList<BlocParametrage>& blocs,
                            ValeursParametrage& valeurs);
bool EnregistrerParametres(const QString& fichierIni, const QList<BlocParametrage>& blocs,
                           const ValeursParametrage& valeurs);
bool EnregistrerPolice(const QString& fichierIni, const Police& police);
