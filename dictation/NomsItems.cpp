#include "NomsItems.h"

#include "CodesNomFichier.h"
#include "ProfilCastiflore.h"
#include "Texte.h"

namespace castiflore {

namespace {

const QString livre = QStringLiteral("£");
const QString cinqBlancs = QStringLiteral("     ");

QChar majusculeAZ(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ? QChar(c.unicode() - 32) : c;
}

// Every occurrence of the motif removed, left to right in one pass, the letters A-Z matched
// without regard to case and nothing else.
QString retirerSansCasseAZ(const QString& texte, const QString& motif)
{
    QString r;
    r.reserve(texte.size());
    const qsizetype m = motif.size();
    qsizetype i = 0;
    while (i < texte.size()) {
        bool trouve = i + m <= texte.size();
        for (qsizetype k = 0; trouve && k < m; ++k)
            trouve = majusculeAZ(texte[i + k]) == majusculeAZ(motif[k]);
        if (trouve) {
            i += m;
        } else {
            r += texte[i];
            ++i;
        }
    }
    return r;
}

QString retirer(QString texte, const QString& motif)
{
    return texte.remove(motif, Qt::CaseSensitive);
}

QString remplacer(QString texte, const QString& avant, const QString& apres)
{
    return texte.replace(avant, apres, Qt::CaseSensitive);
}

QString nomCompagnon(const QString& nom, const QString& extension)
{
    QString r = majusculesAZ(nom);
    r.replace(QStringLiteral(".WAV"), extension, Qt::CaseSensitive);
    r.replace(QStringLiteral(".MP3"), extension, Qt::CaseSensitive);
    return r;
}

} // namespace

QString DecoderNomFichier(const QString& texte)
{
    return ::DecoderNomFichier(texte, profilCastiflore().codesNomFichier);
}

bool estItemSonore(const QString& nomEntree)
{
    const qsizetype point = nomEntree.lastIndexOf(QLatin1Char('.'));
    if (point < 0)
        return false;
    const QString extension = majusculesAZ(nomEntree.mid(point));
    return extension == QLatin1String(".WAV") || extension == QLatin1String(".MP3");
}

QString cleReussiteItem(const QString& nom)
{
    QString r = rogner(minusculesAZ(nom));
    r = retirer(r, QStringLiteral(".wav"));
    r = retirer(r, QStringLiteral(".mp3"));
    return castiflore::DecoderNomFichier(r);
}

QStringList reponsesAcceptees(const QString& nom, bool ordreAleatoire)
{
    const QString attendu = RetirerPrefixeOrdre(nom.chopped(qMin<qsizetype>(4, nom.size())), ordreAleatoire);
    const QStringList parties = attendu.split(livre, Qt::KeepEmptyParts, Qt::CaseSensitive);
    QStringList r;
    for (const QString& partie : parties) {
        // A stray "£" must not make an empty submission right: a blank part is no answer,
        // unless the name holds no other.
        if (!rogner(partie).isEmpty() || parties.size() == 1)
            r.append(castiflore::DecoderNomFichier(partie));
    }
    if (r.isEmpty())
        r.append(QString());
    return r;
}

QString texteModele(const QString& nom, bool ordreAleatoire)
{
    QString r = retirerSansCasseAZ(nom, QStringLiteral(".WAV"));
    r = retirerSansCasseAZ(r, QStringLiteral(".MP3"));
    r = remplacer(r, livre, cinqBlancs);
    r = castiflore::DecoderNomFichier(r);
    r = RetirerPrefixeOrdre(r, ordreAleatoire);
    return remplacer(r, QStringLiteral("oe"), QStringLiteral("œ"));
}

QString nomJournal(const QString& nom)
{
    QString r = nom;
    for (const char* extension : {".WAV", ".wav", ".Wav"})
        r = retirer(r, QString::fromLatin1(extension));
    r = remplacer(r, livre, cinqBlancs);
    for (const char* extension : {".MP3", ".mp3", ".Mp3"})
        r = retirer(r, QString::fromLatin1(extension));
    return r;
}

QString RetirerPrefixeOrdre(const QString& texte, bool ordreAleatoire)
{
    if (ordreAleatoire || !texte.startsWith(QLatin1String("##")))
        return texte;
    const qsizetype diese = texte.indexOf(QLatin1Char('#'), 2);
    if (diese < 0)
        return texte;
    return texte.mid(diese + 1);
}

QString nomTexteItem(const QString& nom)
{
    return nomCompagnon(nom, QStringLiteral(".TXT"));
}

QString nomImageItem(const QString& nom)
{
    return nomCompagnon(nom, QStringLiteral(".JPG"));
}

QString NomExercice(const QString& cheminDossier)
{
    QString chemin = cheminDossier;
    // A final "/" names the same folder.
    while (chemin.size() > 1 && chemin.endsWith(QLatin1Char('/')))
        chemin.chop(1);
    return chemin.mid(chemin.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace castiflore
