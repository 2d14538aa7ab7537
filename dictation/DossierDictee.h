#pragma once
// A dictation exercise is a folder: each sound file in it is an item, with an optional text and
// picture of the same name beside it.

#include <QString>
#include <QStringList>
#include <functional>

class TableDesReussites;

namespace castiflore {

// What the listing of a folder gives the run.
struct ItemsDuDossier {
    QStringList items;            // the retained items' file names, in listing order
    int NbItemsDisponibles = 0;   // sound files found, retired or not
    int OrdreAleatoire = 1;       // 0 when the first retained item's name begins with "##"
};

// Lists the folder in the file system's order; every entry is looked at, hidden ones and
// folders named like sound files included. aTravailler tells whether an item is retained.
ItemsDuDossier ParcourirDossierExercice(const QString& dossier,
                                        const std::function<bool(const QString&)>& aTravailler);

// Whether the item is still to be worked: always for the guest or when no count is required
// (999 or more); else while the current run of first-try successes stored under the item's
// success key is below the required count. A run that is not a whole number reads as 0.
bool ItemATravailler(const QString& nom, const TableDesReussites& table, int nbReponsesNecessaires,
                     bool eleveConnecte);

// The path of the item's companion text or picture in the folder ("" for the current folder),
// found without regard to case; "" when there is no such regular file.
QString cheminTexteItem(const QString& dossier, const QString& nom);
QString cheminImageItem(const QString& dossier, const QString& nom);
// The lines of the item's text, none when it has none or it cannot be read.
QStringList lignesTexteItem(const QString& dossier, const QString& nom);

} // namespace castiflore
