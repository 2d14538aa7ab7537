#include "Migrations.h"


#include "Chemins.h"
#include "OperationsFichiers.h"

namespace castiflore {

namespace {

const QString banque = QStringLiteral("_Exercices_CSF");

} // namespace

bool MigrerAncienneAide(const QString& programme)
{
    const QString ancienne = joindreChemin(programme, QStringLiteral("aide_castiflore"));
    if (!existeDossier(ancienne))
        return false;
    return DeplacerFichier(ancienne, joindreChemin(programme, QStringLiteral("_Aide_CSF")));
}

bool SupprimerAncienneAide(const QString& programme)
{
    const QString ancienne = joindreChemin(programme, QStringLiteral("aide"));
    if (!existeDossier(ancienne))
        return false;
    return SupprimerDossier(ancienne);
}

QString nomSauvegardeBanque(const QString& programme)
{
    const QString base = joindreChemin(programme, banque + QStringLiteral("_ancien"));
    QString nom = base;
    for (int n = 2; existeEntree(nom); ++n)
        nom = base + QString::number(n);
    return nom;
}

bool FusionnerExercicesMedias(const QString& programme, const Deplacement& deplacer)
{
    const Deplacement deplacement = deplacer ? deplacer : Deplacement(DeplacerFichier);
    const QString medias = resoudreChemin(joindreChemin(programme, QStringLiteral("_medias")));
    if (!existeDossier(medias))
        return false;
    const QString ancienne = resoudreChemin(joindreChemin(programme, banque));
    if (existeEntree(ancienne)) {
        // One folder under two names: nothing to merge, and renaming would lose the bank.
        const QString reelle = cheminCanonique(ancienne);
        if (!reelle.isEmpty() && reelle == cheminCanonique(medias))
            return false;
        for (const QString& nom : listerEntrees(ancienne, QStringLiteral("*.*"))) {
            // The new bank's version wins; the old one goes to the backup with the folder.
            if (existeEntree(joindreChemin(medias, nom)))
                continue;
            if (!deplacement(joindreChemin(ancienne, nom), joindreChemin(medias, nom)))
                return false;
        }
        // An old bank left empty is removed; one that still holds entries is kept aside.
        if (!supprimerDossierVide(ancienne) && !deplacement(ancienne, nomSauvegardeBanque(programme)))
            return false;
    }
    return deplacement(medias, joindreChemin(programme, banque));
}

void MigrerDossierProgramme(const QString& programme)
{
    MigrerAncienneAide(programme);
    SupprimerAncienneAide(programme);
    FusionnerExercicesMedias(programme);
}

} // namespace castiflore
