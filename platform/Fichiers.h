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

// The largest file ever read, far above any real classroom file (exercise, results, settings):
// a larger one is refused at once instead of freezing the program while it fills the memory.
constexpr qint64 tailleMaximaleLecture = 64 * 1024 * 1024;

// The whole of a regular file; false when it is missing, not a regular file, unreadable or
// larger than tailleMaximaleLecture. The type is checked before opening and the file opened
// without waiting: never blocks.
bool lireFichierRegulier(const QString& chemin, QByteArray& octets);

// Replaces the file whole (or creates it): a temporary file of a unique name in the same folder,
// every write checked, flushed to disk, closed, renamed over the target, the folder synced. On
// any failure the temporary file is removed, the target is untouched and false is returned.
// Never writes in place: a folder where no file can be created fails that way. Once done, the
// stale temporary files of that folder are removed (supprimerTemporairesPerimes).
bool ecrireFichierEntier(const QString& chemin, const QByteArray& octets);

// Removes the temporary files of the checked write (".~" + letters and digits + ".tmp") that a
// killed save left in the folder: those unchanged for ten minutes before the folder's last
// change, so that one another instance is writing now is never touched. The folder's time is
// the file server's, as the temporary files' are: a wrong clock on this machine changes nothing.
void supprimerTemporairesPerimes(const QString& dossier);

enum class ResultatAjout { Fait, Absent, Echec };
// Appends to an existing regular file; Absent (nothing done) when there is none. A line torn by
// a kill or a failed append never glues onto the next record: when the file does not end with a
// line end, one is written first, unless this process left that line open itself (a text
// appended without a line end, continued now). A failed append cuts nothing back, since another
// instance may have appended since: what of it reached the file is ended by a line end written
// over its own last bytes.
ResultatAjout ajouterAuFichier(const QString& chemin, const QByteArray& octets);

// Deletes the entry (a link as a link, not what it points to); true when no entry of that name
// is left, also when there was none.
bool supprimerFichier(const QString& chemin);

// An exclusive lock that every instance rewriting the file takes, on this machine or another one
// through a network share: a hidden lock file beside the file, locked with flock, so that the
// kernel (or the file server) lets it go when its holder dies: a crash never leaves it held. The
// lock file is removed when the lock is let go. While another instance holds it, it is waited
// for, up to a delay; it is not taken then. Whatever else stands at its name (a folder, a link,
// another user's file that cannot be opened) is set aside where the folder allows; where it does
// not, or where no lock file can be made (a read-only folder), and on a file system without
// locks, the work goes on without one.
class VerrouFichier {
public:
    explicit VerrouFichier(const QString& chemin);
    ~VerrouFichier();
    VerrouFichier(const VerrouFichier&) = delete;
    VerrouFichier& operator=(const VerrouFichier&) = delete;
    // The work may go on: the lock is held, or there is none to be had here. False only when
    // another instance held it for the whole delay.
    bool pris() const { return pris_; }

private:
    QByteArray nom_;
    int fd_ = -1;
    bool pris_ = false;
};
// Tests only: how long a lock that another instance holds is waited for (10 s by default).
void fixerDelaiVerrou(int millisecondes);

// Creates each missing file empty, in order. On a failure the files created by this call are
// removed again, echec names the file that could not be created and false is returned.
bool creerFichiersVides(const QStringList& chemins, QString& echec);

// Makes the folder and its missing parents; true when it exists as a folder afterwards.
bool creerDossiers(const QString& chemin);

// Whether a file of this name could exist in the folder: its name, in the file system's
// encoding, within the longest name the folder's file system allows.
bool nomFichierAdmis(const QString& dossier, const QString& nom);

// Tests only: a failure injected at a chosen step of the writes above. While set, the hook is
// asked at each step and a true answer makes that step fail as a real I/O error would. At
// Ecriture it is asked once half the bytes are written: the failure is part-way. Suppression is
// the deletion of a file.
enum class EtapeEcriture { Creation, Ecriture, Synchronisation, Fermeture, Renommage, Suppression };
using PanneEcriture = bool (*)(EtapeEcriture);
void injecterPanneEcriture(PanneEcriture panne);
