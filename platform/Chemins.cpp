#include "Chemins.h"

#include <QDir>
#include <QHash>
#include <QStringDecoder>
#include <algorithm>
#include <cstdlib>
#include <optional>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Fichiers.h"
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
    QByteArray octets;
    GenreFichier genre = GenreFichier::Absent;
};

// Of two entries that mean one name, the one taken: the composed UTF-8 spelling, else the one
// whose bytes come first. Listing and lookup take the same, so that a listed name leads back
// to its entry.
bool prefere(const EntreeDossier& a, const EntreeDossier& b)
{
    const bool aPropre = a.octets == a.nom.toUtf8(), bPropre = b.octets == b.nom.toUtf8();
    if (aPropre != bPropre)
        return aPropre;
    return a.octets < b.octets;
}

// Every entry of a folder given by its bytes, one for each name (see prefere), with its kind
// (links followed) when asked. Nothing is read but the folder: names are never changed on disk.
QList<EntreeDossier> lireDossier(const QByteArray& dossier, bool avecGenres)
{
    QList<EntreeDossier> r;
    const int fd = ::open(dossier.isEmpty() ? "." : dossier.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return r;
    DIR* d = fdopendir(fd);
    if (!d) {
        ::close(fd);
        return r;
    }
    QHash<QString, qsizetype> rangs;
    while (const dirent* e = readdir(d)) {
        const QByteArray octets(e->d_name);
        if (octets == "." || octets == "..")
            continue;
        EntreeDossier entree{nomDepuisOctets(octets), octets};
        const auto vu = rangs.constFind(entree.nom);
        if (vu == rangs.cend()) {
            rangs.insert(entree.nom, r.size());
            r.append(std::move(entree));
        } else if (prefere(entree, r[*vu])) {
            r[*vu] = std::move(entree);
        }
    }
    if (avecGenres)
        for (EntreeDossier& e : r)
            e.genre = genreFichierDans(fd, e.octets);
    closedir(d);
    return r;
}

bool existeSurDisque(const QByteArray& chemin)
{
    struct stat s;
    return ::lstat(chemin.constData(), &s) == 0;
}

QByteArray joindreOctets(const QByteArray& dossier, const QByteArray& nom)
{
    if (dossier.isEmpty())
        return nom;
    return dossier.endsWith('/') ? dossier + nom : dossier + '/' + nom;
}

struct Resolution {
    QByteArray octets;
    QString nom;
};

// The entry of a folder that a part names: the one whose name reads the same, else the first
// (in listing order) of the same name up to case.
std::optional<EntreeDossier> chercherDans(const QByteArray& dossier, const QString& partie)
{
    std::optional<EntreeDossier> memeCasse;
    for (EntreeDossier& e : lireDossier(dossier, false)) {
        if (e.nom == partie)
            return std::move(e);
        if (memeNom(e.nom, partie) && (!memeCasse || avantDansListe(e.nom, memeCasse->nom)))
            memeCasse = std::move(e);
    }
    return memeCasse;
}

Resolution resoudre(const QString& chemin)
{
    const QString compose = cheminAbsolu(chemin).normalized(QString::NormalizationForm_C);
    if (compose.isEmpty())
        return {};
    Resolution r{compose.toUtf8(), compose};
    // The common case: the path as spelt is there.
    if (existeSurDisque(r.octets))
        return r;
    const bool absolu = compose.startsWith(QLatin1Char('/'));
    r.octets = absolu ? QByteArrayLiteral("/") : QByteArray();
    r.nom = absolu ? QStringLiteral("/") : QString();
    bool trouve = true;
    for (const QString& partie : compose.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        QByteArray octets = partie.toUtf8();
        QString nom = partie;
        if (trouve && partie != QLatin1String(".") && partie != QLatin1String("..")
            && !existeSurDisque(joindreOctets(r.octets, octets))) {
            if (std::optional<EntreeDossier> e = chercherDans(r.octets, partie)) {
                octets = e->octets;
                nom = e->nom;
            } else {
                trouve = false; // nothing below it either
            }
        }
        r.octets = joindreOctets(r.octets, octets);
        r.nom = joindreChemin(r.nom, nom);
    }
    if (compose.endsWith(QLatin1Char('/')) && !r.nom.endsWith(QLatin1Char('/'))) {
        r.octets += '/';
        r.nom += QLatin1Char('/');
    }
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

QString resoudreChemin(const QString& chemin)
{
    return resoudre(chemin).nom;
}

QByteArray cheminSysteme(const QString& chemin)
{
    return resoudre(chemin).octets;
}

QString nomDepuisOctets(QByteArrayView octets)
{
    const QString nom = utf8BienForme(octets)
                            ? QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless
                                                                       | QStringDecoder::Flag::ConvertInitialBom)
                                  .decode(octets)
                            : depuisWindows1252(octets);
    return nom.normalized(QString::NormalizationForm_C);
}

QString cheminDepuisOctets(QByteArrayView octets)
{
    QString r;
    qsizetype debut = 0;
    while (debut <= octets.size()) {
        qsizetype fin = QByteArrayView(octets).indexOf('/', debut);
        if (fin < 0)
            fin = octets.size();
        if (debut > 0)
            r += QLatin1Char('/');
        r += nomDepuisOctets(octets.sliced(debut, fin - debut));
        debut = fin + 1;
    }
    return r;
}

QString cheminCanonique(const QString& chemin)
{
    if (chemin.isEmpty())
        return QString();
    char* reel = ::realpath(cheminSysteme(chemin).constData(), nullptr);
    if (!reel)
        return QString();
    const QString r = cheminDepuisOctets(reel);
    std::free(reel);
    return r;
}

// FIFOs, devices and sockets count as absent: opening one could block the program.
bool existe(const QString& chemin)
{
    if (chemin.isEmpty())
        return false;
    const GenreFichier g = genreFichier(chemin);
    return g == GenreFichier::Regulier || g == GenreFichier::Dossier;
}

bool existeFichier(const QString& chemin)
{
    return !chemin.isEmpty() && genreFichier(chemin) == GenreFichier::Regulier;
}

bool existeDossier(const QString& chemin)
{
    return !chemin.isEmpty() && genreFichier(chemin) == GenreFichier::Dossier;
}

QStringList listerEntrees(const QString& dossier, const QString& motif, GenreEntree genre,
                          bool sauterCaches)
{
    QStringList r;
    for (const EntreeDossier& e : lireDossier(cheminSysteme(dossier.isEmpty() ? QStringLiteral(".") : dossier), true)) {
        if ((sauterCaches && e.nom.startsWith(QLatin1Char('.'))) || !correspondMotif(e.nom, motif))
            continue;
        // Only regular files and folders, links followed: a FIFO is never offered.
        const bool pris = genre == GenreEntree::Tout ? e.genre == GenreFichier::Regulier || e.genre == GenreFichier::Dossier
                          : genre == GenreEntree::Fichiers ? e.genre == GenreFichier::Regulier
                                                           : e.genre == GenreFichier::Dossier;
        if (pris)
            r.append(e.nom);
    }
    std::sort(r.begin(), r.end(), avantDansListe);
    return r;
}
