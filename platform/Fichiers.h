#pragma once
// Files as the classroom keeps them: on full USB keys and network folders, edited by hand, the
// program killed at the bell. Only regular files are ever opened (a FIFO or a device named like
// a data file must never block the program); a whole file is replaced only through one checked
// write, so that a failure or a kill leaves the old content or the new one, never a mix.
// Symbolic links are followed, but nothing is created through a dangling one.

#include <QByteArray>
#include <QString>
#include <QStringList>

enum class GenreFichier { Absent, Regulier, Dossier, Autre };

// The kind of the entry, links followed; a dangling link is Absent, a FIFO, a device or a
// socket is Autre.
GenreFichier genreFichier(const QString& chemin);
// The same for a name in the file system's bytes, relative to an open folder (or AT_FDCWD).
GenreFichier genreFichierDans(int dossier, const QByteArray& nom);

// The whole of a regular file; false when it is missing, not a regular file or unreadable.
// The type is checked before opening and the file opened without waiting: never blocks.
bool lireFichierRegulier(const QString& chemin, QByteArray& octets);

// Replaces the file whole (or creates it): a temporary file of a unique name in the same folder,
// every write checked, flushed to disk, closed, renamed over the target, the folder synced. On
// any failure the temporary file is removed, the target is untouched and false is returned.
// Never writes in place: a folder where no file can be created fails that way.
bool ecrireFichierEntier(const QString& chemin, const QByteArray& octets);

enum class ResultatAjout { Fait, Absent, Echec };
// Appends to an existing regular file; Absent (nothing done) when there is none. A failed
// write is undone by cutting the file back to its former length.
ResultatAjout ajouterAuFichier(const QString& chemin, const QByteArray& octets);

// Creates each missing file empty, in order. On a failure the files created by this call are
// removed again, echec names the file that could not be created and false is returned.
bool creerFichiersVides(const QStringList& chemins, QString& echec);

// Whether a file of this name could exist in the folder: its name, in the file system's
// encoding, within the longest name the folder's file system allows.
bool nomFichierAdmis(const QString& dossier, const QString& nom);

// Tests only: a failure injected at a chosen step of the writes above. While set, the hook is
// asked at each step and a true answer makes that step fail as a real I/O error would. At
// Ecriture it is asked once half the bytes are written: the failure is part-way.
enum class EtapeEcriture { Creation, Ecriture, Synchronisation, Fermeture, Renommage };
using PanneEcriture = bool (*)(EtapeEcriture);
void injecterPanneEcriture(PanneEcriture panne);
