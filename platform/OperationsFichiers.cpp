#include "OperationsFichiers.h"

#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Chemins.h"

namespace {

// Copies a regular file to a name that must not exist yet; the copy is removed when it fails.
bool copierFichierNeuf(const QByteArray& source, const QByteArray& destination, mode_t mode)
{
    const int entree = open(source.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (entree < 0)
        return false;
    const int sortie = open(destination.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode & 07777);
    if (sortie < 0) {
        close(entree);
        return false;
    }
    bool ok = true;
    char tampon[65536];
    for (;;) {
        const ssize_t lus = read(entree, tampon, sizeof tampon);
        if (lus == 0)
            break;
        if (lus < 0) {
            if (errno == EINTR)
                continue;
            ok = false;
            break;
        }
        for (ssize_t ecrits = 0; ecrits < lus;) {
            const ssize_t n = write(sortie, tampon + ecrits, static_cast<size_t>(lus - ecrits));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                ok = false;
                break;
            }
            ecrits += n;
        }
        if (!ok)
            break;
    }
    if (fsync(sortie) != 0)
        ok = false;
    if (close(sortie) != 0)
        ok = false;
    close(entree);
    if (!ok)
        unlink(destination.constData());
    return ok;
}

// A move to another file system: a regular file is copied, then its source removed; a folder
// or a link is not moved.
bool deplacerAilleurs(const QByteArray& source, const QByteArray& destination, const struct stat& st)
{
    if (!S_ISREG(st.st_mode) || !copierFichierNeuf(source, destination, st.st_mode))
        return false;
    if (unlink(source.constData()) == 0)
        return true;
    unlink(destination.constData()); // the source stays: one copy, not two
    return false;
}

// Empties the folder open as dossier; entries that are folders of the same file system are
// entered, every other entry (symbolic links included) is removed as it stands.
bool viderDossier(int dossier, dev_t peripherique)
{
    const int copie = dup(dossier);
    if (copie < 0)
        return false;
    DIR* d = fdopendir(copie);
    if (!d) {
        close(copie);
        return false;
    }
    // The names first: removing entries while reading the folder may skip some.
    QList<QByteArray> noms;
    while (const dirent* e = readdir(d)) {
        const QByteArray nom(e->d_name);
        if (nom != "." && nom != "..")
            noms.append(nom);
    }
    closedir(d);

    bool ok = true;
    for (const QByteArray& nom : noms) {
        struct stat st;
        if (fstatat(dossier, nom.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            ok = ok && errno == ENOENT;
            continue;
        }
        if (S_ISDIR(st.st_mode)) {
            if (st.st_dev != peripherique) {
                ok = false; // a mount point: what is mounted there is not ours to delete
                continue;
            }
            const int sous = openat(dossier, nom.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (sous < 0) {
                ok = false;
                continue;
            }
            ok = viderDossier(sous, peripherique) && ok;
            close(sous);
            if (unlinkat(dossier, nom.constData(), AT_REMOVEDIR) != 0)
                ok = false;
        } else if (unlinkat(dossier, nom.constData(), 0) != 0) {
            ok = false;
        }
    }
    return ok;
}

} // namespace

bool renommerSansRemplacer(int dossierSource, const QByteArray& source, int dossierDestination,
                           const QByteArray& destination)
{
    const char* s = source.constData();
    const char* d = destination.constData();
#ifdef RENAME_NOREPLACE
    if (renameat2(dossierSource, s, dossierDestination, d, RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
#endif
    struct stat st;
    if (fstatat(dossierSource, s, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    // A file system without the no-replace rename: a new hard link never replaces a name.
    if (!S_ISDIR(st.st_mode)) {
        if (linkat(dossierSource, s, dossierDestination, d, 0) == 0) {
            if (unlinkat(dossierSource, s, 0) == 0)
                return true;
            const int erreur = errno;
            unlinkat(dossierDestination, d, 0);
            errno = erreur;
            return false;
        }
        if (errno == EEXIST || errno == EXDEV)
            return false;
    }
    // Folders, and file systems without hard links: the destination is looked at just before.
    if (fstatat(dossierDestination, d, &st, AT_SYMLINK_NOFOLLOW) == 0) {
        errno = EEXIST;
        return false;
    }
    return renameat(dossierSource, s, dossierDestination, d) == 0;
}

bool existeEntree(const QString& chemin)
{
    if (chemin.isEmpty())
        return false;
    struct stat st;
    return lstat(cheminSysteme(chemin).constData(), &st) == 0;
}

bool DeplacerFichier(const QString& source, const QString& destination)
{
    if (source.isEmpty() || destination.isEmpty())
        return false;
    const QByteArray s = cheminSysteme(source);
    struct stat st;
    if (lstat(s.constData(), &st) != 0)
        return false;
    // Taken in any case: on the classroom's data two names that differ by case are one name.
    if (existeEntree(destination))
        return false;
    const QByteArray d = cheminSysteme(destination);

    if (renommerSansRemplacer(AT_FDCWD, s, AT_FDCWD, d))
        return true;
    return errno == EXDEV && deplacerAilleurs(s, d, st);
}

bool supprimerDossierVide(const QString& chemin)
{
    return !chemin.isEmpty() && rmdir(cheminSysteme(chemin).constData()) == 0;
}

bool SupprimerDossier(const QString& chemin)
{
    if (chemin.isEmpty())
        return false;
    const QByteArray c = cheminSysteme(chemin);
    struct stat st;
    if (lstat(c.constData(), &st) != 0)
        return false;
    if (!S_ISDIR(st.st_mode))
        return unlink(c.constData()) == 0; // a link to a folder goes, the folder stays
    const int dossier = open(c.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (dossier < 0)
        return false;
    const bool vide = viderDossier(dossier, st.st_dev);
    close(dossier);
    return rmdir(c.constData()) == 0 && vide;
}
