#include "ListeValidation.h"

#include <QFileInfo>
#include <QHash>

#include "Chemins.h"
#include "ErreurES.h"
#include "Fichiers.h"
#include "ItemsPersos.h"
#include "Texte.h"

namespace {

const QString trenteEgal(30, QLatin1Char('='));
const QString deuxEgal = QStringLiteral("==");
const QString debutEleve = QStringLiteral("== ");
const QString suffixeAValider = QStringLiteral("_AValider.txt");
const QString enteteGroupe = trenteEgal + QStringLiteral(" Groupe ");
const QString enteteSelection = QStringLiteral("== Items à ajouter pour toute la sélec");

// Every occurrence of the pattern removed, letters A-Z without regard to case, left to right;
// what the removals bring together is not searched again.
QString retirerTout(const QString& texte, const QString& motif)
{
    const QString plie = majusculesAZ(texte);
    const QString cherche = majusculesAZ(motif);
    QString r;
    qsizetype debut = 0;
    for (qsizetype i = plie.indexOf(cherche); i >= 0; i = plie.indexOf(cherche, debut)) {
        r += QStringView(texte).mid(debut, i - debut);
        debut = i + cherche.size();
    }
    r += QStringView(texte).mid(debut);
    return r;
}

} // namespace

QString debutEnteteGroupe()
{
    return enteteGroupe;
}

QString debutSelection()
{
    return enteteSelection;
}

QString enteteGroupeValidation(const QString& groupe)
{
    return enteteGroupe + groupe + trenteEgal + QLatin1Char(' ');
}

QString enteteEleveValidation(const QString& eleve)
{
    return debutEleve + eleve + trenteEgal;
}

bool nomValidationRefuse(const QString& nom)
{
    return nom.isEmpty() || nom == QLatin1String(".") || nom.contains(QLatin1Char('/'))
           || nom.contains(QLatin1Char('\\')) || nom.contains(QLatin1String(".."));
}

QStringList groupesAValider(const QString& racine)
{
    QStringList r;
    const QString personnels = DossierItemsPersos(racine);
    if (!existeDossier(personnels))
        return r;
    for (const QString& groupe : listerEntrees(personnels, QStringLiteral("*."), GenreEntree::Dossiers)) {
        const QString enAttente = DossierItemsAValider(racine) + groupe;
        if (existeDossier(enAttente)
            && !listerEntrees(enAttente, QStringLiteral("*AValider.txt"), GenreEntree::Fichiers).isEmpty())
            r.append(groupe);
    }
    return r;
}

void ajouterSectionGroupe(const QString& racine, const QString& groupe, QStringList& liste)
{
    liste.append(enteteGroupeValidation(groupe));
    const QString dossier = DossierItemsAValider(racine) + groupe;
    if (!existeDossier(dossier))
        return;
    for (const QString& f : listerEntrees(dossier, QLatin1Char('*') + suffixeAValider, GenreEntree::Fichiers)) {
        liste.append(enteteEleveValidation(retirerTout(f, suffixeAValider)));
        liste.append(lireLignes(joindreChemin(dossier, f)));
    }
}

QList<SectionValidation> lireListeValidation(const QStringList& liste)
{
    QList<SectionValidation> sections;
    QString groupe;
    bool selection = false;
    QStringList itemsSelection;
    qsizetype ouverte = -1; // the section the item lines go to
    QHash<QString, qsizetype> parFichier; // group and pupil folded as file names are, "/" between

    // A section ends with the selection items: they reach every pupil of the listing.
    auto fermer = [&] {
        if (ouverte >= 0)
            sections[ouverte].lignes.append(itemsSelection);
        ouverte = -1;
    };

    for (const QString& ligne : liste) {
        const bool egal = ligne.startsWith(deuxEgal);
        if (ligne.startsWith(enteteSelection))
            selection = true;
        if (selection && !egal && !ligne.isEmpty())
            itemsSelection.append(ligne);

        if (ligne.startsWith(enteteGroupe)) {
            // A group header also ends the pupil above it: the lines under it, before any pupil
            // header, belong to no pupil.
            selection = false;
            fermer();
            groupe = rogner(retirerTout(retirerTout(ligne, enteteGroupe), trenteEgal));
            if (nomValidationRefuse(groupe))
                groupe.clear();
        } else if (!groupe.isEmpty() && egal) {
            fermer();
            const QString eleve = retirerTout(retirerTout(ligne, trenteEgal), debutEleve);
            if (nomValidationRefuse(eleve))
                continue;
            const QString cle = plierNom(groupe) + QLatin1Char('/') + plierNom(eleve);
            ouverte = parFichier.value(cle, -1);
            if (ouverte < 0) {
                sections.append({groupe, eleve, {}});
                ouverte = sections.size() - 1;
                parFichier.insert(cle, ouverte);
            }
        } else if (ouverte >= 0 && !egal && !ligne.isEmpty()) {
            sections[ouverte].lignes.append(ligne);
        }
    }
    fermer();
    return sections;
}

QList<OperationFichier> analyserListeValidation(const QStringList& liste, const QString& racine, bool accepter)
{
    QList<OperationFichier> r;
    for (const SectionValidation& s : lireListeValidation(liste)) {
        const QString enAttente = FichierItemsAValider(racine, s.groupe, s.eleve);
        if (accepter) {
            // The pending file goes only once its items are safe in the personal file.
            r.append({OperationFichier::Genre::Ajouter, FichierItemsPersos(racine, s.groupe, s.eleve), s.lignes});
            r.append({OperationFichier::Genre::Supprimer, enAttente, {}});
        } else {
            r.append({OperationFichier::Genre::Reecrire, enAttente, s.lignes});
        }
    }
    return r;
}

void appliquerOperations(const QList<OperationFichier>& operations)
{
    for (const OperationFichier& o : operations)
        if (o.genre != OperationFichier::Genre::Supprimer && !existeDossier(QFileInfo(o.chemin).path()))
            throw ErreurES(o.chemin);
    for (const OperationFichier& o : operations) {
        switch (o.genre) {
        case OperationFichier::Genre::Ajouter:
            ajouterItems(o.chemin, o.lignes);
            break;
        case OperationFichier::Genre::Reecrire:
            ecrireLignes(o.chemin, o.lignes);
            break;
        case OperationFichier::Genre::Supprimer:
            if (existeFichier(o.chemin) && !supprimerFichier(o.chemin))
                throw ErreurES(o.chemin);
            break;
        }
    }
}
