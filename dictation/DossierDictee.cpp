#include "DossierDictee.h"


#include "Chemins.h"
#include "ErreurES.h"
#include "NomsItems.h"
#include "Reussites.h"
#include "Texte.h"

namespace castiflore {

namespace {

QString fichierExistant(const QString& dossier, const QString& nom)
{
    const QString chemin = resoudreChemin(joindreChemin(dossier, nom));
    // Only a regular file is opened: a folder or a pipe of that name is no companion.
    return existeFichier(chemin) ? chemin : QString();
}

} // namespace

ItemsDuDossier ParcourirDossierExercice(const QString& dossier,
                                        const std::function<bool(const QString&)>& aTravailler)
{
    ItemsDuDossier r;
    for (const QString& nom : listerEntrees(dossier, QStringLiteral("*.*"), GenreEntree::Tout, false)) {
        if (!estItemSonore(nom))
            continue;
        ++r.NbItemsDisponibles;
        if (!aTravailler(nom))
            continue;
        // The first retained item decides the order; one retired before it does not.
        if (r.items.isEmpty() && nom.startsWith(QLatin1String("##")))
            r.OrdreAleatoire = 0;
        r.items.append(nom);
    }
    return r;
}

bool ItemATravailler(const QString& nom, const TableDesReussites& table, int nbReponsesNecessaires,
                     bool eleveConnecte)
{
    if (!eleveConnecte || nbReponsesNecessaires >= 999)
        return true;
    // The table's keys are stored trimmed and A-Z lower-cased, as the success key is made.
    const int i = table.chercher(cleReussiteItem(nom));
    const int serie = i < 0 ? 0 : serieEnCours(table.ligne(i).comptes);
    return serie < nbReponsesNecessaires;
}

QString cheminTexteItem(const QString& dossier, const QString& nom)
{
    return fichierExistant(dossier, nomTexteItem(nom));
}

QString cheminImageItem(const QString& dossier, const QString& nom)
{
    return fichierExistant(dossier, nomImageItem(nom));
}

QStringList lignesTexteItem(const QString& dossier, const QString& nom)
{
    const QString chemin = cheminTexteItem(dossier, nom);
    if (chemin.isEmpty())
        return {};
    try {
        return lireLignes(chemin);
    } catch (const ErreurES&) {
        return {};
    }
}

} // namespace castiflore
