#include "Fichiers.h"

#include <QDeadlineTimer>
#include <QHash>
#include <QList>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Chemins.h"
#include "OperationsFichiers.h"

namespace {

PanneEcriture panne_ = nullptr;
int delaiVerrou_ = 10000;

// The lines this process left open (a text appended without a line end): each file and where
// that text ended. One file or two at a time.
struct LigneOuverte {
    dev_t dev = 0;
    ino_t ino = 0;
    off_t fin = -1;
};
QList<LigneOuverte> lignesOuvertes_;

bool panne(EtapeEcriture etape)
{
    return panne_ && panne_(etape);
}

// A write past the file-size limit must fail as an error, not kill the program mid-save.
void ignorerDepassementTaille()
{
    static std::once_flag fait;
    std::call_once(fait, [] { std::signal(SIGXFSZ, SIG_IGN); });
}

bool ecrireTout(int fd, const char* d, qsizetype n)
{
    while (n > 0) {
        const ssize_t k = ::write(fd, d, static_cast<size_t>(n));
        if (k < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (k == 0)
            return false;
        d += k;
        n -= k;
    }
    return true;
}

bool ecrireContenu(int fd, const QByteArray& octets)
{
    // Split in two only when a test asks for a failure in the middle.
    const qsizetype moitie = panne_ ? octets.size() / 2 : octets.size();
    return ecrireTout(fd, octets.constData(), moitie) && !panne(EtapeEcriture::Ecriture)
           && ecrireTout(fd, octets.constData() + moitie, octets.size() - moitie);
}

int fermer(int fd)
{
    // After close, EINTR leaves the descriptor closed on Linux: never retried.
    return ::close(fd);
}

QByteArray dossierDe(const QByteArray& chemin)
{
    const qsizetype barre = chemin.lastIndexOf('/');
    if (barre < 0)
        return QByteArrayLiteral(".");
    if (barre == 0)
        return QByteArrayLiteral("/");
    return chemin.left(barre);
}

void synchroniserDossier(const QByteArray& dossier)
{
    const int fd = ::open(dossier.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    // Best effort: the rename is done, and some file systems cannot sync a folder.
    ::fsync(fd);
    fermer(fd);
}

// The file the write lands on: a link is followed to its target, which must exist.
bool cibleEcriture(const QByteArray& chemin, QByteArray& cible, struct stat& etat, bool& existe)
{
    cible = chemin;
    struct stat l;
    if (::lstat(chemin.constData(), &l) != 0) {
        existe = false;
        return errno == ENOENT;
    }
    if (S_ISLNK(l.st_mode)) {
        char* reel = ::realpath(chemin.constData(), nullptr);
        if (!reel)
            return false; // dangling: nothing is created through it
        cible = QByteArray(reel);
        std::free(reel);
        if (::stat(cible.constData(), &l) != 0)
            return false;
    }
    if (!S_ISREG(l.st_mode))
        return false;
    etat = l;
    existe = true;
    return true;
}

// ".~" + letters and digits + ".tmp": the temporary files of ecrireFichierEntier.
bool nomTemporaire(const char* nom)
{
    const size_t n = std::strlen(nom);
    if (n < 7 || nom[0] != '.' || nom[1] != '~' || std::strcmp(nom + n - 4, ".tmp") != 0)
        return false;
    for (size_t i = 2; i < n - 4; ++i)
        if (!((nom[i] >= '0' && nom[i] <= '9') || (nom[i] >= 'a' && nom[i] <= 'z')))
            return false;
    return true;
}

void supprimerTemporairesPerimesDans(const QByteArray& dossier)
{
    // A save takes seconds at the very most; ten minutes leave room for a slow key or share.
    constexpr time_t perime = 600;
    DIR* d = ::opendir(dossier.constData());
    if (!d)
        return;
    const int fdDossier = ::dirfd(d);
    struct stat etatDossier;
    if (::fstat(fdDossier, &etatDossier) == 0) {
        while (const dirent* e = ::readdir(d)) {
            struct stat t;
            if (nomTemporaire(e->d_name) && ::fstatat(fdDossier, e->d_name, &t, AT_SYMLINK_NOFOLLOW) == 0
                && S_ISREG(t.st_mode) && t.st_mtime + perime < etatDossier.st_mtime)
                ::unlinkat(fdDossier, e->d_name, 0); // best effort: the next save tries again
        }
    }
    ::closedir(d);
}

} // namespace

void injecterPanneEcriture(PanneEcriture p)
{
    panne_ = p;
}

GenreFichier genreFichier(const QString& chemin)
{
    if (chemin.isEmpty())
        return GenreFichier::Absent;
    return genreFichierDans(AT_FDCWD, cheminSysteme(chemin));
}

GenreFichier genreFichierDans(int dossier, const QByteArray& nom)
{
    struct stat s;
    if (::fstatat(dossier, nom.constData(), &s, 0) != 0)
        return GenreFichier::Absent;
    if (S_ISREG(s.st_mode))
        return GenreFichier::Regulier;
    if (S_ISDIR(s.st_mode))
        return GenreFichier::Dossier;
    return GenreFichier::Autre;
}

bool lireFichierRegulier(const QString& chemin, QByteArray& octets)
{
    octets.clear();
    const QByteArray nom = chemin.isEmpty() ? QByteArray() : cheminSysteme(chemin);
    if (nom.isEmpty() || genreFichierDans(AT_FDCWD, nom) != GenreFichier::Regulier)
        return false;
    // O_NONBLOCK: should a FIFO take the file's place after the check, open does not wait.
    const int fd = ::open(nom.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat s;
    if (::fstat(fd, &s) != 0 || !S_ISREG(s.st_mode) || s.st_size > tailleMaximaleLecture) {
        fermer(fd);
        return false;
    }
    QByteArray r;
    qsizetype lus = 0;
    r.resize(qMax<qsizetype>(static_cast<qsizetype>(s.st_size) + 1, 4096));
    for (;;) {
        if (lus == r.size()) {
            // Grown past the limit while it was read.
            if (lus > tailleMaximaleLecture) {
                fermer(fd);
                return false;
            }
            r.resize(qMin<qsizetype>(r.size() * 2, tailleMaximaleLecture + 1));
        }
        const ssize_t k = ::read(fd, r.data() + lus, static_cast<size_t>(r.size() - lus));
        if (k < 0) {
            if (errno == EINTR)
                continue;
            fermer(fd);
            return false;
        }
        if (k == 0)
            break;
        lus += k;
    }
    fermer(fd);
    r.truncate(lus);
    octets = std::move(r);
    return true;
}

bool ecrireFichierEntier(const QString& chemin, const QByteArray& octets)
{
    ignorerDepassementTaille();
    QByteArray cible;
    struct stat ancien {};
    bool existe = false;
    if (chemin.isEmpty() || !cibleEcriture(cheminSysteme(chemin), cible, ancien, existe))
        return false;
    const QByteArray dossier = dossierDe(cible);

    QByteArray temporaire;
    int fd = -1;
    if (!panne(EtapeEcriture::Creation)) {
        for (int essai = 0; essai < 100 && fd < 0; ++essai) {
            // Short, hidden and ending in ".tmp": never taken for a data file, never too long.
            temporaire = dossier + "/.~" + QByteArray::number(QRandomGenerator::global()->generate64(), 36) + ".tmp";
            fd = ::open(temporaire.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd < 0 && errno != EEXIST)
                break;
        }
    }
    if (fd < 0)
        return false;
    auto echouer = [&](bool ouvert) {
        if (ouvert)
            fermer(fd);
        ::unlink(temporaire.constData());
        return false;
    };
    if (existe)
        ::fchmod(fd, ancien.st_mode & 07777); // keeps the file's permissions; best effort
    if (!ecrireContenu(fd, octets))
        return echouer(true);
    if (panne(EtapeEcriture::Synchronisation) || ::fsync(fd) != 0)
        return echouer(true);
    if (panne(EtapeEcriture::Fermeture)) // the descriptor must still be closed
        return echouer(true);
    if (fermer(fd) != 0)
        return echouer(false);
    if (panne(EtapeEcriture::Renommage) || ::rename(temporaire.constData(), cible.constData()) != 0)
        return echouer(false);
    synchroniserDossier(dossier);
    supprimerTemporairesPerimesDans(dossier);
    return true;
}

void supprimerTemporairesPerimes(const QString& dossier)
{
    supprimerTemporairesPerimesDans(cheminSysteme(dossier));
}

namespace {

// One write for the whole text where possible: a kill between lines leaves whole lines. A short
// write is a failure: the rest, written after it, could land after another instance's line.
// The number of bytes written is given.
qsizetype ecrireAjout(int fd, const QByteArray& octets)
{
    // Split in two only when a test asks for a failure in the middle.
    const qsizetype moitie = panne_ ? octets.size() / 2 : octets.size();
    qsizetype ecrits = 0;
    auto ecrireJusqua = [&](qsizetype jusque) {
        while (ecrits < jusque) {
            const ssize_t k = ::write(fd, octets.constData() + ecrits, static_cast<size_t>(jusque - ecrits));
            if (k < 0 && errno == EINTR)
                continue;
            if (k > 0)
                ecrits += k;
            if (k <= 0 || ecrits < jusque)
                return false;
        }
        return true;
    };
    if (ecrireJusqua(moitie) && !panne(EtapeEcriture::Ecriture))
        ecrireJusqua(octets.size());
    return ecrits;
}

// The bytes of a failed append that reached the file end with a line end, written over their
// own last bytes, where they are: whatever another instance appended after them stays whole.
void terminerLigneDechiree(int fd, qsizetype ecrits)
{
    // An append leaves the offset just past what it wrote.
    const off_t fin = ::lseek(fd, 0, SEEK_CUR);
    const int drapeaux = ::fcntl(fd, F_GETFL);
    if (fin < ecrits || drapeaux < 0 || ::fcntl(fd, F_SETFL, drapeaux & ~O_APPEND) != 0)
        return;
    const qsizetype n = qMin<qsizetype>(ecrits, 2);
    if (::pwrite(fd, &"\r\n"[2 - n], static_cast<size_t>(n), fin - n) != n) {
        /* best effort: a torn line left unended is ended by the next append */
    }
}

} // namespace

ResultatAjout ajouterAuFichier(const QString& chemin, const QByteArray& octets)
{
    ignorerDepassementTaille();
    switch (genreFichier(chemin)) {
    case GenreFichier::Absent: return ResultatAjout::Absent;
    case GenreFichier::Regulier: break;
    default: return ResultatAjout::Echec;
    }
    const QByteArray nom = cheminSysteme(chemin);
    // Read access only to see how the file ends; a file that can only be written is appended to.
    int fd = ::open(nom.constData(), O_RDWR | O_APPEND | O_NONBLOCK | O_CLOEXEC);
    const bool lisible = fd >= 0;
    if (!lisible)
        fd = ::open(nom.constData(), O_WRONLY | O_APPEND | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return ResultatAjout::Echec;
    struct stat s;
    if (::fstat(fd, &s) != 0 || !S_ISREG(s.st_mode)) {
        fermer(fd);
        return ResultatAjout::Echec;
    }
    if (octets.isEmpty())
        return fermer(fd) == 0 ? ResultatAjout::Fait : ResultatAjout::Echec;
    QByteArray texte = octets;
    bool continuee = false;
    for (qsizetype i = 0; i < lignesOuvertes_.size(); ++i) {
        const LigneOuverte& l = lignesOuvertes_[i];
        if (l.dev == s.st_dev && l.ino == s.st_ino) {
            continuee = l.fin == s.st_size;
            lignesOuvertes_.removeAt(i);
            break;
        }
    }
    char dernier = '\n';
    if (lisible && s.st_size > 0 && !continuee && ::pread(fd, &dernier, 1, s.st_size - 1) == 1 && dernier != '\n')
        texte.prepend("\r\n");
    const qsizetype ecrits = ecrireAjout(fd, texte);
    if (ecrits < texte.size()) {
        if (ecrits > 0)
            terminerLigneDechiree(fd, ecrits);
        fermer(fd);
        return ResultatAjout::Echec;
    }
    if (!texte.endsWith('\n'))
        lignesOuvertes_.append({s.st_dev, s.st_ino, ::lseek(fd, 0, SEEK_CUR)});
    if (panne(EtapeEcriture::Fermeture)) {
        fermer(fd);
        return ResultatAjout::Echec;
    }
    return fermer(fd) == 0 ? ResultatAjout::Fait : ResultatAjout::Echec;
}

bool supprimerFichier(const QString& chemin)
{
    const QByteArray nom = cheminSysteme(chemin);
    struct stat l;
    if (chemin.isEmpty() || ::lstat(nom.constData(), &l) != 0)
        return chemin.isEmpty() || errno == ENOENT;
    if (panne(EtapeEcriture::Suppression))
        return false;
    return ::unlink(nom.constData()) == 0 || errno == ENOENT;
}

namespace {

void dormirMillisecondes(int ms)
{
    timespec t{ms / 1000, (ms % 1000) * 1000000L};
    while (::nanosleep(&t, &t) != 0 && errno == EINTR) {
    }
}

long longueurMaximaleNom(const QByteArray& dossier)
{
    const long maximum = ::pathconf(dossier.constData(), _PC_NAME_MAX);
    return maximum > 0 ? maximum : NAME_MAX;
}

// A hidden name beside the file, made of the file's own bytes, so that every instance finds the
// same; a name too long for the folder is replaced by its hash.
QByteArray cheminVerrou(const QString& chemin)
{
    const QByteArray c = cheminSysteme(chemin);
    const QByteArray dossier = dossierDe(c);
    const QByteArray fichier = c.mid(c.lastIndexOf('/') + 1);
    QByteArray nom = ".~" + fichier + ".lck";
    if (nom.size() > longueurMaximaleNom(dossier))
        nom = ".~" + QByteArray::number(qHash(fichier), 36) + ".lck";
    return dossier + '/' + nom;
}

bool memeFichier(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

void fixerDelaiVerrou(int millisecondes)
{
    delaiVerrou_ = millisecondes;
}

namespace {

enum class Essai { Pris, Occupe, SansVerrous };

// Sets aside what stands at the lock's name and is no lock that an instance can share with us
// (seen as vu): an empty folder removed, anything else first moved to a name of its own, then
// removed as it stands (a link as a link) if it is still what was seen. Another instance may
// have set the same thing aside a moment before and made its lock there: that one is put back.
// False when the folder does not allow it.
bool ecarter(const QByteArray& nom, const struct stat& vu)
{
    if (S_ISDIR(vu.st_mode))
        return ::rmdir(nom.constData()) == 0 || errno == ENOENT || errno == ENOTDIR; // a full one stays
    // ".tmp" like the checked write's: if a kill leaves it there, the folder's sweep takes it.
    const QByteArray aparte = nom.left(nom.lastIndexOf('/') + 1) + ".~"
                              + QByteArray::number(QRandomGenerator::global()->generate64(), 36) + ".tmp";
    if (!renommerSansRemplacer(AT_FDCWD, nom, AT_FDCWD, aparte))
        return errno == ENOENT || errno == EEXIST;
    struct stat a;
    // Its kind, mode and owner too: a freed inode number is soon given again.
    if (::lstat(aparte.constData(), &a) == 0 && memeFichier(a, vu) && a.st_mode == vu.st_mode && a.st_uid == vu.st_uid)
        ::unlink(aparte.constData());
    else
        renommerSansRemplacer(AT_FDCWD, aparte, AT_FDCWD, nom); // best effort
    return true;
}

// One try, without waiting: the lock file opened (made when missing, open to every user, since
// machines of a share may work as different users), locked, and still the one of that name.
// Occupe: held by another, or the name changed under us; try again.
Essai essayerVerrou(const QByteArray& nom, int& pris)
{
    int fd = ::open(nom.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0) {
        ::fchmod(fd, 0666); // the umask aside; best effort
    } else if (errno != EEXIST) {
        // A read-only, full or missing folder: the save itself finds out whether it can be made.
        return Essai::SansVerrous;
    } else {
        struct stat vu;
        if (::lstat(nom.constData(), &vu) != 0)
            return errno == ENOENT ? Essai::Occupe : Essai::SansVerrous; // ENOENT: let go meanwhile
        // A folder, a link, a FIFO...: never opened, never followed.
        if (!S_ISREG(vu.st_mode))
            return ecarter(nom, vu) ? Essai::Occupe : Essai::SansVerrous;
        // O_NONBLOCK: should a FIFO take the file's place now, open does not wait.
        const int drapeaux = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
        fd = ::open(nom.constData(), O_RDWR | drapeaux);
        if (fd < 0 && (errno == EACCES || errno == EPERM || errno == EROFS || errno == ETXTBSY))
            fd = ::open(nom.constData(), O_RDONLY | drapeaux);
        if (fd < 0) {
            if (errno == EACCES || errno == EPERM)
                // Another user's file, that no instance can lock with us: nobody is excluded by it.
                return ecarter(nom, vu) ? Essai::Occupe : Essai::SansVerrous;
            return errno == ENOENT || errno == ELOOP ? Essai::Occupe : Essai::SansVerrous; // replaced meanwhile
        }
    }
    int r;
    do {
        r = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (r != 0 && errno == EINTR);
    if (r != 0) {
        const int e = errno;
        fermer(fd);
        if (e == ENOLCK || e == EOPNOTSUPP || e == ENOSYS || e == EINVAL) {
            ::unlink(nom.constData()); // no instance can hold a lock there
            return Essai::SansVerrous;
        }
        return Essai::Occupe; // held; or a lock file gone under a share's feet (ESTALE)
    }
    // The holder waited for removes the lock file as it lets go: the lock must be on the file
    // that bears the name now, or it excludes nobody.
    struct stat a, b;
    if (::fstat(fd, &a) != 0 || ::lstat(nom.constData(), &b) != 0 || !memeFichier(a, b) || !S_ISREG(a.st_mode)) {
        fermer(fd);
        return Essai::Occupe;
    }
    pris = fd;
    return Essai::Pris;
}

} // namespace

VerrouFichier::VerrouFichier(const QString& chemin) : nom_(cheminVerrou(chemin))
{
    const QDeadlineTimer fin(delaiVerrou_);
    // A save holds the lock for milliseconds: tried again soon, so that the waiter comes next.
    for (int attente = 1;; attente = qMin(attente * 2, 4)) {
        switch (essayerVerrou(nom_, fd_)) {
        case Essai::Pris:
        case Essai::SansVerrous: // worked on as before there were locks
            pris_ = true;
            return;
        case Essai::Occupe:
            break;
        }
        if (fin.hasExpired())
            return;
        dormirMillisecondes(attente);
    }
}

VerrouFichier::~VerrouFichier()
{
    if (fd_ < 0)
        return;
    // Removed while still held: whoever waits on it sees that it is gone and makes a new one. Not
    // when another has set it aside meanwhile: the name may be that one's lock now.
    struct stat a, b;
    if (::fstat(fd_, &a) == 0 && ::lstat(nom_.constData(), &b) == 0 && memeFichier(a, b))
        ::unlink(nom_.constData());
    fermer(fd_);
}

bool creerFichiersVides(const QStringList& chemins, QString& echec)
{
    QStringList crees;
    for (const QString& chemin : chemins) {
        if (genreFichier(chemin) == GenreFichier::Regulier)
            continue;
        if (genreFichier(chemin) != GenreFichier::Absent || !ecrireFichierEntier(chemin, QByteArray())) {
            for (const QString& c : crees)
                ::unlink(cheminSysteme(c).constData());
            echec = chemin;
            return false;
        }
        crees.append(chemin);
    }
    return true;
}

bool creerDossiers(const QString& chemin)
{
    if (chemin.isEmpty())
        return false;
    const QByteArray c = cheminSysteme(chemin);
    for (qsizetype i = c.indexOf('/', 1);; i = c.indexOf('/', i + 1)) {
        const QByteArray partie = i < 0 ? c : c.left(i);
        if (!partie.isEmpty() && genreFichierDans(AT_FDCWD, partie) == GenreFichier::Absent
            && ::mkdir(partie.constData(), 0777) != 0 && errno != EEXIST)
            return false;
        if (i < 0)
            break;
    }
    return genreFichierDans(AT_FDCWD, c) == GenreFichier::Dossier;
}

bool nomFichierAdmis(const QString& dossier, const QString& nom)
{
    return !nom.isEmpty()
           && nom.normalized(QString::NormalizationForm_C).toUtf8().size()
                  <= longueurMaximaleNom(cheminSysteme(dossier.isEmpty() ? QStringLiteral(".") : dossier));
}
