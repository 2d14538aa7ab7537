// The validation listing as the teacher may leave it: any text parses; no name read from a
// header reaches outside its group's folder; no empty line and no header is ever written; each
// pupil has one section; and a listing written back from the sections reads as the same
// sections, names that a header cannot carry aside.
#include "Cible.h"

#include <QDir>
#include <QSet>

#include "Chemins.h"
#include "ItemsPersos.h"
#include "ListeValidation.h"
#include "Texte.h"

CIBLE_FUZZ(liste_validation)
{
    const QStringList liste = decouperLignes(decoderFichier(octets));
    const QList<SectionValidation> sections = lireListeValidation(liste);

    const QSet<QString> lues(liste.cbegin(), liste.cend());
    QSet<QString> fichiers;
    bool nomsSansEgal = true;
    for (qsizetype i = 0; i < sections.size(); ++i) {
        const SectionValidation& s = sections[i];
        EXIGER(!nomValidationRefuse(s.groupe) && !nomValidationRefuse(s.eleve));
        EXIGER(rogner(s.groupe) == s.groupe);
        for (const QString& l : s.lignes) {
            EXIGER(!l.isEmpty() && !l.startsWith(QStringLiteral("==")));
            EXIGER(lues.contains(l));
        }
        const QString fichier = plierNom(FichierItemsPersos(QString(), s.groupe, s.eleve));
        EXIGER(!fichiers.contains(fichier));
        fichiers.insert(fichier);
        nomsSansEgal = nomsSansEgal && !s.groupe.contains(QLatin1Char('=')) && !s.eleve.contains(QLatin1Char('='))
                       && !enteteEleveValidation(s.eleve).startsWith(debutSelection());
    }

    const QString racine = QStringLiteral("/banque/");
    const QList<OperationFichier> accepter = analyserListeValidation(liste, racine, true);
    const QList<OperationFichier> garder = analyserListeValidation(liste, racine, false);
    EXIGER(accepter.size() == 2 * sections.size() && garder.size() == sections.size());
    auto dansSonDossier = [](const QString& chemin, const QString& dossier) {
        return chemin.startsWith(dossier) && chemin.mid(dossier.size()).count(QLatin1Char('/')) == 1
               && QDir::cleanPath(chemin) == chemin;
    };
    for (qsizetype i = 0; i < sections.size(); ++i) {
        const SectionValidation& s = sections[i];
        const OperationFichier& ajout = accepter[2 * i];
        const OperationFichier& suppression = accepter[2 * i + 1];
        EXIGER(ajout.genre == OperationFichier::Genre::Ajouter && ajout.lignes == s.lignes);
        EXIGER(ajout.chemin == FichierItemsPersos(racine, s.groupe, s.eleve));
        EXIGER(dansSonDossier(ajout.chemin, DossierItemsPersos(racine)));
        EXIGER(suppression.genre == OperationFichier::Genre::Supprimer && suppression.lignes.isEmpty());
        EXIGER(suppression.chemin == FichierItemsAValider(racine, s.groupe, s.eleve));
        EXIGER(dansSonDossier(suppression.chemin, DossierItemsAValider(racine)));
        EXIGER(garder[i] == (OperationFichier{OperationFichier::Genre::Reecrire, suppression.chemin, s.lignes}));
    }

    // Names holding "=" may lose part of themselves to the header's own runs of "="; a pupil
    // named after the selection header (typed under a group) opens a selection again.
    if (nomsSansEgal) {
        QStringList reecrite;
        for (const SectionValidation& s : sections)
            reecrite << enteteGroupeValidation(s.groupe) << enteteEleveValidation(s.eleve) << s.lignes;
        EXIGER(lireListeValidation(reecrite) == sections);
    }
}
