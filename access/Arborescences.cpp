#include "Arborescences.h"

#include <QDir>

#include "Chemins.h"
#include "Fichiers.h"
#include "ItemsPersos.h"
#include "Texte.h"

namespace {

const QString dossierAValider = QStringLiteral("[Tous les items à valider]");

bool extensionTxt(const QString& nom)
{
    return majusculesAZ(nom).endsWith(QLatin1String(".TXT"));
}

QString cheminReel(const QString& chemin)
{
    const QString canonique = cheminCanonique(chemin);
    return canonique.isEmpty() ? QDir::cleanPath(resoudreChemin(chemin)) : canonique;
}

} // namespace

bool prenomAutorise(const QString& prenom)
{
    bool autreQuePointsEtBlancs = false;
    for (QChar c : prenom) {
        if (c.unicode() < 32 || c.unicode() == 127)
            return false;
        if (QStringLiteral("\\/:*?\"<>|").contains(c))
            return false;
        if (c != QLatin1Char('.') && c != QLatin1Char(' '))
            autreQuePointsEtBlancs = true;
    }
    return autreQuePointsEtBlancs;
}

QString dossierExercicesPersonnels(const QString& racine)
{
    return DossierItemsPersos(racine);
}

QString fichierExercicesPersonnels(const QString& racine, const QString& groupe, const QString& eleve)
{
    return FichierItemsPersos(racine, groupe, eleve);
}

bool estProposition(const QString& nom)
{
    return majusculesAZ(nom).endsWith(QLatin1String("_AVALIDER.TXT"));
}

bool dossierAvecExercices(const QString& dossier)
{
    const QStringList entrees = listerEntrees(dossier, QStringLiteral("*.*"));
    for (const QString& e : entrees) {
        if (extensionTxt(e) && !estProposition(e))
            return true;
        if (existeDossier(joindreChemin(dossier, e)))
            return true;
    }
    return false;
}

bool dossierEntrable(const QString& dossier)
{
    const QStringList entrees = listerEntrees(dossier, QStringLiteral("*.*"));
    for (const QString& e : entrees)
        if (extensionTxt(e) || existeDossier(joindreChemin(dossier, e)))
            return true;
    return false;
}

void PurgerExercicesPersos(const QString& racine)
{
    const QString personnels = dossierExercicesPersonnels(racine);
    if (!existeDossier(personnels))
        return;
    for (const QString& groupe : listerEntrees(personnels, QStringLiteral("*."))) {
        const QString dossierGroupe = joindreChemin(personnels, groupe);
        for (const QString& f : listerEntrees(dossierGroupe, QStringLiteral("*.txt"), GenreEntree::Fichiers)) {
            const QString chemin = joindreChemin(dossierGroupe, f);
            bool item = false;
            for (const QString& l : lireLignes(chemin))
                if (!l.isEmpty()) {
                    item = true;
                    break;
                }
            if (!item)
                supprimerFichier(chemin);
        }
    }
}

bool dansLaBanque(const QString& dossier, const QString& racine)
{
    if (dossier.isEmpty() || racine.isEmpty())
        return false;
    const QString d = cheminReel(dossier);
    QString r = cheminReel(racine);
    if (!r.endsWith(QLatin1Char('/')))
        r += QLatin1Char('/');
    return d.size() > r.size() && d.startsWith(r);
}

// ---- Ombrivelle's browser -------------------------------------------------------------------

QList<EntreeBanque> NavigateurOmbrivelle::lister(const QString& dossier, const QString& personnel) const
{
    QList<EntreeBanque> r;
    for (const QString& nom : listerEntrees(dossier, QStringLiteral("*."))) {
        const QString chemin = joindreChemin(dossier, nom);
        if (nom == dossierAValider || !existeDossier(chemin) || !dossierAvecExercices(chemin))
            continue;
        r.append({EntreeBanque::Genre::Dossier, nom, QStringLiteral("[+] ") + nom});
    }
    if (!personnel.isEmpty() && existeFichier(personnel))
        r.append({EntreeBanque::Genre::Personnel, QString(), QStringLiteral("Mes exercices personnels")});
    for (const QString& nom : listerEntrees(dossier, QStringLiteral("*.txt"), GenreEntree::Fichiers)) {
        if (estProposition(nom))
            continue;
        r.append({EntreeBanque::Genre::Exercice, nom, nom.chopped(4)});
    }
    return r;
}

bool NavigateurOmbrivelle::entrable(const QString& dossier, const EntreeBanque& e) const
{
    return e.genre == EntreeBanque::Genre::Dossier && dossierEntrable(joindreChemin(dossier, e.nom));
}

bool NavigateurOmbrivelle::commencable(const QString&, const EntreeBanque& e) const
{
    return e.genre != EntreeBanque::Genre::Dossier;
}

QString NavigateurOmbrivelle::exercice(const QString& dossier, const EntreeBanque& e,
                                       const QString& personnel) const
{
    if (e.genre == EntreeBanque::Genre::Personnel)
        return personnel;
    return joindreChemin(dossier, e.texte + QStringLiteral(".txt"));
}

void NavigateurOmbrivelle::purger(const QString& racine) const
{
    PurgerExercicesPersos(racine);
}
