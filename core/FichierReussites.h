#pragma once
// The pupil's successes file, "<pupil><infix>Reussites.txt" in the group folder: one line
// key + "|" + counts an item, in the order in which the items first succeeded. Saving goes
// through the backup "<pupil><infix>Reussites.old" when the program keeps one.

#include <QString>

class TableDesReussites;

// The current pupil's file.
QString FichierReussites();

// Fills etat.TableReussites and etat.NbItemsDejaReussis from the current pupil's file; the guest
// leaves the table empty, and so does a missing file where the program allows one. A read error
// raises the run-time input/output error.
void ChargerReussites();

enum class Enregistrement {
    Fait,     // written (or nothing to write)
    Recupere, // the new file lost lines: the backup was put back; the user must be told
};
// Writes etat.TableReussites back into the file it was loaded from.
[[nodiscard]] Enregistrement EnregistrerReussites();
// What the user is told when the backup was put back, and its title.
QString messageRecuperationReussites();
QString titreRecuperationReussites();

// A first-attempt success and a first-attempt miss of an item, in etat.TableReussites; nothing
// for the guest or an empty item text.
void CompterReussite(const QString& item);
void MarquerEchec(const QString& item);
// The key of an item in the table: its text trimmed and A-Z lower-cased.
QString cleReussite(const QString& item);
