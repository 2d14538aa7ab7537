#include "ArborescenceBilans.h"

#include "Chemins.h"
#include "FichierMotDePasse.h"
#include "Texte.h"

namespace {

// Every occurrence of a suffix removed, A-Z folded.
QString sansSuffixe(const QString& nom, const QString& suffixe)
{
    QString r = nom;
    const QString cible = majusculesAZ(suffixe);
    for (qsizetype i = majusculesAZ(r).indexOf(cible); i >= 0; i = majusculesAZ(r).indexOf(cible))
        r.remove(i, suffixe.size());
    return r;
}

} // namespace

QStringList listerGroupes(const QString& repertoireBilans)
{
    // An empty path would list the current folder: the exercise bank's folders as groups.
    if (repertoireBilans.isEmpty())
        return {};
    return listerEntrees(repertoireBilans, QStringLiteral("*."));
}

QStringList listerEleves(const QString& repertoireGroupe)
{
    if (repertoireGroupe.isEmpty())
        return {};
    QStringList r;
    const QStringList fichiers =
        listerEntrees(repertoireGroupe, QStringLiteral("*") + suffixeMotDePasse(), GenreEntree::Fichiers);
    for (const QString& f : fichiers)
        r.append(sansSuffixe(f, suffixeMotDePasse()));
    return r;
}

QString repertoireDuGroupe(const QString& repertoireBilans, const QString& groupe)
{
    if (repertoireBilans.isEmpty() || groupe.isEmpty())
        return repertoireBilans;
    return repertoireBilans + groupe + QLatin1Char('/');
}
