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
// raises the run-time input/output error. Changes that a failed save left in the table are not
// lost: set apart while another file is loaded, they are made again on the table when their own
// file is loaded again in the run, for its next save.
void ChargerReussites();
// The pupil of that successes file was deleted: nothing of theirs in memory is saved any more,
// neither the table in hand nor changes set apart.
void OublierReussites(const QString& fichier);

enum class Enregistrement {
    Fait,     // written (or nothing to write)
    Recupere, // the file read back had lost lines: the old one was put back; the user must be told
};
// Writes this run's changes of etat.TableReussites into the file it was loaded from, as that
// file is now: under a lock shared with every other instance (another machine signed in as the
// same pupil), the file is read again, the changes are made on it (new rows at the end) and it is
// rewritten; the table is then the file's. Where no lock can be had (a read-only folder, junk at
// its name that cannot be set aside, a share without locks) the save goes on without one. Nothing
// is written for the guest, nor when the file is gone (the pupil was deleted). Raises the
// input/output error, the file untouched, when the file is no longer a regular file or cannot be
// read, when another instance held the lock for its whole delay, or when the write fails; the
// changes then stay in the table, also across the sign-in of another pupil (see
// ChargerReussites), and the next save of the same file in the run writes them.
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
