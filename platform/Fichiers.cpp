#include "Fichiers.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>

namespace {

PanneEcriture panne_ = nullptr;

bool panne(EtapeEcriture etape)
{
    return panne_ && panne_(etape);
}

QByteArray nomSysteme(const QString& chemin)
{
    return QFile::encodeName(chemin);
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

QString dossierDe(const QString& chemin)
{
    const qsizetype barre = chemin.lastIndexOf(QLatin1Char('/'));
    if (barre < 0)
        return QStringLiteral(".");
    if (barre == 0)
        return QStringLiteral("/");
    return chemin.left(barre);
}

void synchroniserDossier(const QString& dossier)
{
    const int fd = ::open(nomSysteme(dossier).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    // Best effort: the rename is done, and some file systems cannot sync a folder.
    ::fsync(fd);
    fermer(fd);
}

// The file the write lands on: a link is followed to its target, which must exist.
bool cibleEcriture(const QString& chemin, QString& cible, struct stat& etat, bool& existe)
{
    cible = chemin;
    struct stat l;
    if (::lstat(nomSysteme(chemin).constData(), &l) != 0) {
        existe = false;
        return errno == ENOENT;
    }
    if (S_ISLNK(l.st_mode)) {
        char* reel = ::realpath(nomSysteme(chemin).constData(), nullptr);
        if (!reel)
            return false; // dangling: nothing is created through it
        cible = QFile::decodeName(reel);
        std::free(reel);
        if (::stat(nomSysteme(cible).constData(), &l) != 0)
            return false;
    }
    if (!S_ISREG(l.st_mode))
        return false;
    etat = l;
    existe = true;
    return true;
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
    return genreFichierDans(AT_FDCWD, nomSysteme(chemin));
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
    if (genreFichier(chemin) != GenreFichier::Regulier)
        return false;
    // O_NONBLOCK: should a FIFO take the file's place after the check, open does not wait.
    const int fd = ::open(nomSysteme(chemin).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat s;
    if (::fstat(fd, &s) != 0 || !S_ISREG(s.st_mode)) {
        fermer(fd);
        return false;
    }
    QByteArray r;
    qsizetype lus = 0;
    r.resize(qMax<qsizetype>(static_cast<qsizetype>(s.st_size) + 1, 4096));
    for (;;) {
        if (lus == r.size())
            r.resize(r.size() * 2);
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
    QString cible;
    struct stat ancien {};
    bool existe = false;
    if (chemin.isEmpty() || !cibleEcriture(chemin, cible, ancien, existe))
        return false;
    const QString dossier = dossierDe(cible);

    QString temporaire;
    int fd = -1;
    if (!panne(EtapeEcriture::Creation)) {
        for (int essai = 0; essai < 100 && fd < 0; ++essai) {
            // Short, hidden and ending in ".tmp": never taken for a data file, never too long.
            temporaire = dossier + QStringLiteral("/.~")
                         + QString::number(QRandomGenerator::global()->generate64(), 36)
                         + QStringLiteral(".tmp");
            fd = ::open(nomSysteme(temporaire).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd < 0 && errno != EEXIST)
                break;
        }
    }
    if (fd < 0)
        return false;
    const QByteArray nomTemporaire = nomSysteme(temporaire);
    auto echouer = [&](bool ouvert) {
        if (ouvert)
            fermer(fd);
        ::unlink(nomTemporaire.constData());
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
    if (panne(EtapeEcriture::Renommage)
        || ::rename(nomTemporaire.constData(), nomSysteme(cible).constData()) != 0)
        return echouer(false);
    synchroniserDossier(dossier);
    return true;
}

ResultatAjout ajouterAuFichier(const QString& chemin, const QByteArray& octets)
{
    ignorerDepassementTaille();
    switch (genreFichier(chemin)) {
    case GenreFichier::Absent: return ResultatAjout::Absent;
    case GenreFichier::Regulier: break;
    default: return ResultatAjout::Echec;
    }
    const int fd = ::open(nomSysteme(chemin).constData(), O_WRONLY | O_APPEND | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return ResultatAjout::Echec;
    struct stat s;
    if (::fstat(fd, &s) != 0 || !S_ISREG(s.st_mode)) {
        fermer(fd);
        return ResultatAjout::Echec;
    }
    // One write for the whole text where possible: a kill between lines leaves whole lines.
    if (!ecrireContenu(fd, octets)) {
        // Half a line is worse than none: back to the former length.
        if (::ftruncate(fd, s.st_size) != 0) { /* nothing more can be done */ }
        fermer(fd);
        return ResultatAjout::Echec;
    }
    if (panne(EtapeEcriture::Fermeture)) {
        fermer(fd);
        return ResultatAjout::Echec;
    }
    return fermer(fd) == 0 ? ResultatAjout::Fait : ResultatAjout::Echec;
}

bool creerFichiersVides(const QStringList& chemins, QString& echec)
{
    QStringList crees;
    for (const QString& chemin : chemins) {
        if (genreFichier(chemin) == GenreFichier::Regulier)
            continue;
        if (genreFichier(chemin) != GenreFichier::Absent || !ecrireFichierEntier(chemin, QByteArray())) {
            for (const QString& c : crees)
                ::unlink(nomSysteme(c).constData());
            echec = chemin;
            return false;
        }
        crees.append(chemin);
    }
    return true;
}

bool nomFichierAdmis(const QString& dossier, const QString& nom)
{
    long maximum = ::pathconf(nomSysteme(dossier.isEmpty() ? QStringLiteral(".") : dossier).constData(),
                              _PC_NAME_MAX);
    if (maximum <= 0)
        maximum = NAME_MAX;
    return !nom.isEmpty() && nomSysteme(nom).size() <= maximum;
}
