#include "Chemins.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <functional>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include "Fichiers.h"
#include "OperationsFichiers.h"
#include "Plateforme.h"
#include "Windows1252.h"

namespace {

QChar plie(QChar c)
{
    return c.toCaseFolded();
}

// Wildcard match, "*" any run and "?" one character, without regard to case.
bool glob(const QString& nom, const QString& motif)
{
    qsizetype n = 0, m = 0, etoile = -1, reprise = 0;
    while (n < nom.size()) {
        if (m < motif.size() && (motif[m] == QLatin1Char('?') || plie(motif[m]) == plie(nom[n]))) {
            ++n;
            ++m;
        } else if (m < motif.size() && motif[m] == QLatin1Char('*')) {
            etoile = m++;
            reprise = n;
        } else if (etoile >= 0) {
            m = etoile + 1;
            n = ++reprise;
        } else {
            return false;
        }
    }
    while (m < motif.size() && motif[m] == QLatin1Char('*'))
        ++m;
    return m == motif.size();
}

// Code points rather than UTF-16 units, so that characters beyond the basic plane order by
// their value.
QList<uint> pointsMajuscules(const QString& s)
{
    QList<uint> points = s.toUcs4();
    for (uint& c : points)
        c = QChar::toUpper(c);
    return points;
}

bool avantParPoints(const QList<uint>& a, const QList<uint>& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end());
}

struct EntreeDossier {
    QString nom;
    GenreFichier genre;
};

// The entries of a folder that the filter takes, with their kinds (links followed). A name that
// is not UTF-8 comes from a Windows archive unpacked here: Qt cannot name it (it is left out of
// Qt's listings and cannot be opened), so it is read as Windows-1252 and, once taken, the entry
// is renamed to that spelling in UTF-8, for every program of the desktop. An entry already
// holding that spelling is never replaced: the listing then names it once. Where the rename is
// refused (a read-only folder), the entry is still listed, and opening it fails with a message.
QList<EntreeDossier> lireDossier(const QString& dossier,
                                 const std::function<bool(const QString&, GenreFichier)>& prendre)
{
    QList<EntreeDossier> r;
    const int fd = ::open(QFile::encodeName(dossier).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return r;
    DIR* d = fdopendir(fd);
    if (!d) {
        ::close(fd);
        return r;
    }
    QSet<QString> vus;
    while (const dirent* e = readdir(d)) {
        const QByteArray octets(e->d_name);
        if (octets == "." || octets == "..")
            continue;
        QString nom = QFile::decodeName(octets);
        const bool windows = QFile::encodeName(nom) != octets;
        if (windows)
            nom = depuisWindows1252(octets);
        GenreFichier genre = genreFichierDans(fd, octets);
        if (!prendre(nom, genre))
            continue;
        if (windows) {
            const QByteArray neuf = QFile::encodeName(nom);
            // Renamed now, or already by another program, or a twin holds that name.
            if (renommerSansRemplacer(fd, octets, fd, neuf) || genreFichierDans(fd, neuf) != GenreFichier::Absent)
                genre = genreFichierDans(fd, neuf);
        }
        if (!vus.contains(nom)) {
            vus.insert(nom);
            r.append({nom, genre});
        }
    }
    closedir(d);
    return r;
}

} // namespace

QString plierNom(const QString& nom)
{
    const QList<uint> points = pointsMajuscules(nom);
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(points.constData()), points.size());
}

bool memeNom(const QString& a, const QString& b)
{
    return plierNom(a) == plierNom(b);
}

bool avantDansListe(const QString& a, const QString& b)
{
    const QList<uint> pa = pointsMajuscules(a), pb = pointsMajuscules(b);
    if (pa != pb)
        return avantParPoints(pa, pb);
    return avantParPoints(a.toUcs4(), b.toUcs4());
}

bool correspondMotif(const QString& nom, const QString& motif)
{
    if (motif == QLatin1String("*") || motif == QLatin1String("*.*"))
        return true;
    if (motif.endsWith(QLatin1Char('.')))
        return !nom.contains(QLatin1Char('.')) && glob(nom, motif.chopped(1));
    return glob(nom, motif);
}

QString joindreChemin(const QString& dossier, const QString& nom)
{
    if (dossier.isEmpty())
        return nom;
    if (dossier.endsWith(QLatin1Char('/')))
        return dossier + nom;
    return dossier + QLatin1Char('/') + nom;
}

QString cheminAbsolu(const QString& chemin)
{
    if (chemin.isEmpty() || QDir::isAbsolutePath(chemin) || !plateformeInstallee())
        return chemin;
    return joindreChemin(plateforme().dossierCourant(), chemin);
}

QString resoudreChemin(const QString& nom)
{
    const QString chemin = cheminAbsolu(nom);
    if (chemin.isEmpty() || QFileInfo::exists(chemin))
        return chemin;
    const bool absolu = chemin.startsWith(QLatin1Char('/'));
    const bool barreFinale = chemin.endsWith(QLatin1Char('/')) && chemin.size() > 1;
    const QStringList parties = chemin.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString base = absolu ? QStringLiteral("/") : QString();
    bool introuvable = false;
    for (const QString& partie : parties) {
        QString suivant = joindreChemin(base, partie);
        if (!introuvable && partie != QLatin1String(".") && partie != QLatin1String("..")
            && !QFileInfo::exists(suivant)) {
            QList<EntreeDossier> memes = lireDossier(base.isEmpty() ? QStringLiteral(".") : base,
                                                     [&](const QString& n, GenreFichier) { return memeNom(n, partie); });
            if (!memes.isEmpty()) {
                std::sort(memes.begin(), memes.end(),
                          [](const EntreeDossier& a, const EntreeDossier& b) { return avantDansListe(a.nom, b.nom); });
                suivant = joindreChemin(base, memes.first().nom);
            } else {
                introuvable = true;
            }
        }
        base = suivant;
    }
    if (barreFinale && !base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    return base;
}

// FIFOs, devices and sockets count as absent: opening one could block the program.
bool existe(const QString& chemin)
{
    if (chemin.isEmpty())
        return false;
    const GenreFichier g = genreFichier(resoudreChemin(chemin));
    return g == GenreFichier::Regulier || g == GenreFichier::Dossier;
}

bool existeFichier(const QString& chemin)
{
    return !chemin.isEmpty() && genreFichier(resoudreChemin(chemin)) == GenreFichier::Regulier;
}

bool existeDossier(const QString& chemin)
{
    return !chemin.isEmpty() && genreFichier(resoudreChemin(chemin)) == GenreFichier::Dossier;
}

QStringList listerEntrees(const QString& dossier, const QString& motif, GenreEntree genre,
                          bool sauterCaches)
{
    const QString reel = resoudreChemin(dossier.isEmpty() ? QStringLiteral(".") : dossier);
    QStringList r;
    const auto prendre = [&](const QString& nom, GenreFichier g) {
        if ((sauterCaches && nom.startsWith(QLatin1Char('.'))) || !correspondMotif(nom, motif))
            return false;
        // Only regular files and folders, links followed: a FIFO is never offered.
        return genre == GenreEntree::Tout       ? g == GenreFichier::Regulier || g == GenreFichier::Dossier
               : genre == GenreEntree::Fichiers ? g == GenreFichier::Regulier
                                                : g == GenreFichier::Dossier;
    };
    for (const EntreeDossier& e : lireDossier(reel, prendre))
        r.append(e.nom);
    std::sort(r.begin(), r.end(), avantDansListe);
    return r;
}
