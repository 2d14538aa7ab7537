#include "Chemins.h"

#include <QDir>

#include "Fichiers.h"
#include <QFileInfo>
#include <algorithm>

#include "Plateforme.h"

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
            QDir d(base.isEmpty() ? QStringLiteral(".") : base);
            QStringList noms = d.entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                           | QDir::NoDotAndDotDot);
            std::sort(noms.begin(), noms.end(), avantDansListe);
            auto trouve = std::find_if(noms.begin(), noms.end(),
                                       [&](const QString& n) { return memeNom(n, partie); });
            if (trouve != noms.end())
                suivant = joindreChemin(base, *trouve);
            else
                introuvable = true;
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
    QDir d(reel);
    QStringList r;
    const QStringList noms = d.entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& nom : noms) {
        if ((sauterCaches && nom.startsWith(QLatin1Char('.'))) || !correspondMotif(nom, motif))
            continue;
        // Only regular files and folders, links followed: a FIFO is never offered.
        const GenreFichier g = genreFichier(joindreChemin(reel, nom));
        const bool pris = genre == GenreEntree::Tout       ? g == GenreFichier::Regulier || g == GenreFichier::Dossier
                          : genre == GenreEntree::Fichiers ? g == GenreFichier::Regulier
                                                           : g == GenreFichier::Dossier;
        if (pris)
            r.append(nom);
    }
    std::sort(r.begin(), r.end(), avantDansListe);
    return r;
}
