#include "ReglesDictee.h"

#include "FichierDetail.h"
#include "NomsItems.h"
#include "Texte.h"

namespace castiflore {

QString saisieAvecLigature(const QString& saisie, const QString& nom, bool ordreAleatoire)
{
    const QString attendu = RetirerPrefixeOrdre(nom.chopped(qMin<qsizetype>(4, nom.size())), ordreAleatoire);
    if (!attendu.contains(QStringLiteral("œ")))
        return saisie;
    QString r = saisie;
    return r.replace(QStringLiteral("oe"), QStringLiteral("œ"), Qt::CaseSensitive);
}

bool saisieJuste(const QString& saisie, const QString& nom, bool ordreAleatoire, bool respectMajuscules)
{
    const auto forme = [respectMajuscules](const QString& t) {
        return respectMajuscules ? rogner(t) : minusculesAZ(rogner(t));
    };
    const QString tape = forme(saisie);
    for (const QString& reponse : reponsesAcceptees(nom, ordreAleatoire))
        if (forme(reponse) == tape)
            return true;
    return false;
}

int ReglesDeroulementCastiflore::bonusDeLEntree(const Deroulement& d, int entree) const
{
    return d.TableItems.at(entree).EtatItem == 'N' ? 5 : 1;
}

QString ReglesDeroulementCastiflore::libelleDebut() const
{
    return QStringLiteral(" - Exercice sur [");
}

void ReglesDeroulementCastiflore::journaliserEchec(const Deroulement& d, const QString& montree) const
{
    if (d.NbEssais == 1)
        AjouterTexte(FichierDetail(), nomJournal(d.ItemCourant) + QStringLiteral(" : ") + montree);
    else
        AjouterTexte(FichierDetail(), QStringLiteral(" - ") + montree);
}

void ReglesDeroulementCastiflore::journaliserReussite(const Deroulement& d, const QString& tape) const
{
    const QString duree = FormaterDuree(d.TempsItem, false);
    if (d.NbEssais == 1)
        AjouterLigne(FichierDetail(), tape + QStringLiteral(" : [") + duree + QStringLiteral(" - 1 essai")
                                          + (d.Bonus == 5 ? QStringLiteral("]") : QStringLiteral(" (déjà tenté)]")));
    else
        AjouterLigne(FichierDetail(), QStringLiteral(" [") + duree + QStringLiteral(" - ") + QString::number(d.NbEssais)
                                          + QStringLiteral(" essais]"));
}

QString ReglesDeroulementCastiflore::cleReussite(const Deroulement&, const QString& tape) const
{
    return tape;
}

QStringList ReglesDeroulementCastiflore::clesEchec(const Deroulement& d) const
{
    return reponsesAcceptees(d.ItemCourant, d.OrdreAleatoire == 1);
}

QString ReglesDeroulementCastiflore::nomExercice(const QString& exercice) const
{
    return castiflore::NomExercice(exercice);
}

} // namespace castiflore
