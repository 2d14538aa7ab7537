#pragma once
// Personal items: the items chosen for one pupil ("[Tous les exercices personnels]") and the
// items a pupil proposes ("[Tous les items à valider]"), under the bank's root, in one folder
// per group, one file per pupil.

#include <QString>
#include <QStringList>

// The two folders under the bank's root, ending with "/".
QString DossierItemsPersos(const QString& racine);
QString DossierItemsAValider(const QString& racine);
// A pupil's files: "<group>/<pupil>.txt" and "<group>/<pupil>_AValider.txt".
QString FichierItemsPersos(const QString& racine, const QString& groupe, const QString& eleve);
QString FichierItemsAValider(const QString& racine, const QString& groupe, const QString& eleve);

// The lines of a personal file as they are kept: sorted without regard to case (French
// collation), with no empty line, no repeated line and no "*** A detruire ***" line. Lines that
// differ only in case are both kept; equal lines come together, so that they are all removed
// but one.
QStringList trierLignesItemsPersos(const QStringList& lignes);

// Appends lines to a personal or pending file, creating it with them when it is missing (its
// folder must exist). The lines are written in the file's own encoding, after a line end when
// its last line has none, so that the file reads back as it was plus the lines. The file is
// written whole, under the lock of its writers: a failure, or an entry of that name that is not
// a regular file, raises the input/output error and leaves the file as it was, no line added.
void ajouterItems(const QString& chemin, const QStringList& lignes);

// Sorts every personal file of every group under the bank's root (groups whose name holds a
// dot are not visited). Each file is rewritten under its lock, also when already sorted; a file
// that cannot be read or written raises the run-time input/output error and ends the routine
// there.
void TrierItemsPersos(const QString& racine);
// The same under the bank of the settings.
void TrierItemsPersos();
