#include "ImpressionPersos.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "Chemins.h"
#include "ChoixGroupeEleve.h"
#include "Etat.h"
#include "ItemsPersos.h"
#include "Texte.h"

TfImpression* fImpression = nullptr;

TfImpression::TfImpression(QWidget* parent) : Fiche(parent)
{
    setObjectName(QStringLiteral("fImpression"));
    fImpression = this;
    setWindowTitle(QStringLiteral("Impression des items personnels"));
    definirCadre(true, Echappement::Fermer);
    definirTailleClient(350, 232);
    definirPlacement(Placement::FenetrePrincipale);

    RadioButton1 = boutonRadio(this, QStringLiteral("RadioButton1"), QStringLiteral("Tous les items personnels"),
                               QRect(16, 12, 320, 22));
    RadioButton2 = boutonRadio(this, QStringLiteral("RadioButton2"),
                               QStringLiteral("Tous les items personnels du groupe"), QRect(16, 38, 320, 22));
    RadioButton3 = boutonRadio(this, QStringLiteral("RadioButton3"),
                               QStringLiteral("Tous les items personnels du user courant"), QRect(16, 64, 320, 22));
    RadioButton1->setChecked(true);
    ckItemsElimines = caseACocher(this, QStringLiteral("ckItemsElimines"), QStringLiteral("Inclure les items éliminés"),
                                  QRect(16, 100, 320, 22));
    ckItemsElimines->setChecked(true);
    ckChgtPage = caseACocher(this, QStringLiteral("ckChgtPage"),
                             QStringLiteral("Changement de page pour chaque utilisateur"), QRect(16, 126, 320, 22));
    ckMulticol = caseACocher(this, QStringLiteral("ckMulticol"), QStringLiteral("Impression mutlicolonnes"),
                             QRect(16, 152, 320, 22));
    ckMulticol->setChecked(true);
    SpeedButton1 = boutonCommande(this, QStringLiteral("SpeedButton1"), QStringLiteral("Imprimer"),
                                  QRect(16, 190, 92, 30));
    bExporter = boutonCommande(this, QStringLiteral("bExporter"), QStringLiteral("Exporter"), QRect(118, 190, 92, 30));
    SpeedButton2 = boutonCommande(this, QStringLiteral("SpeedButton2"), QStringLiteral("Quitter"),
                                  QRect(242, 190, 92, 30));

    relier(RadioButton1, &TfImpression::RadioButton1Click);
    relier(RadioButton2, &TfImpression::RadioButton2Click);
    relier(RadioButton3, &TfImpression::RadioButton3Click);
    relier(SpeedButton1, &TfImpression::SpeedButton1Click);
    relier(bExporter, &TfImpression::bExporterClick);
    relier(SpeedButton2, &TfImpression::SpeedButton2Click);
}

void TfImpression::FormActivate()
{
    // The captions are not reset: a button that becomes disabled keeps the one it had.
    RadioButton1->setEnabled(true);
    RadioButton1->setChecked(true);
    // All lists selected again: the page change per pupil is offered again.
    RadioButton1Click();
    appliquerSelection(RadioButton2, RadioButton3, QStringLiteral("Tous les items personnels du groupe "),
                       QStringLiteral("Tous les items personnels de "));
}

void TfImpression::choixSelection()
{
    ckChgtPage->setEnabled(!RadioButton3->isChecked());
}

void TfImpression::RadioButton1Click()
{
    choixSelection();
}

void TfImpression::RadioButton2Click()
{
    choixSelection();
}

void TfImpression::RadioButton3Click()
{
    choixSelection();
}

void TfImpression::SpeedButton1Click()
{
    ImprimerItemsPersos(false);
    Close();
}

void TfImpression::bExporterClick()
{
    // The form stays open: several exports can follow one another.
    ImprimerItemsPersos(true);
}

void TfImpression::SpeedButton2Click()
{
    Close();
}

void TfImpression::ImprimerItemsPersos(bool exporter)
{
    signalerEchecImprimante([&] {
        TravailImpression travail;
        if (!(exporter ? travail.commencerExport() : travail.commencerImpression()))
            return;
        const SelectionEleves selection = RadioButton1->isChecked()   ? SelectionEleves::Tous
                                          : RadioButton2->isChecked() ? SelectionEleves::Groupe
                                                                      : SelectionEleves::Eleve;
        const QString dossier = DossierItemsPersos(etat.RepertoireExercices);
        for (const QString& groupe : listerEntrees(dossier, QStringLiteral("*."))) {
            if (!groupeSelectionne(selection, groupe))
                continue;
            const QString dossierGroupe = dossier + groupe + QLatin1Char('/');
            for (const QString& fichier : listerEntrees(dossierGroupe, QStringLiteral("*.txt"), GenreEntree::Fichiers)) {
                const QString capitales = majusculesAZ(fichier);
                const QString nom = QString(capitales).remove(QStringLiteral(".TXT"));
                if (selection == SelectionEleves::Eleve && nom != majusculesAZ(choixBilans().texteEleve()))
                    continue;
                // The pupils' pending proposals are not their lists.
                if (!capitales.endsWith(QLatin1String("_AVALIDER.TXT")))
                    ImprimerItemsPersosEleve(travail, groupe, dossierGroupe + fichier);
            }
        }
        travail.terminer();
    });
}

void TfImpression::ImprimerItemsPersosEleve(TravailImpression& travail, const QString& groupe,
                                            const QString& fichierListe)
{
    if (!existeFichier(fichierListe))
        return;
    const QString nomFichier = fichierListe.mid(fichierListe.lastIndexOf(QLatin1Char('/')) + 1);
    const QString eleve = nomFichier.left(nomFichier.size() - 4);
    const QStringList lignes = lireLignes(fichierListe);
    const EnregistrementsEleve enregistrements(FichierReussitesEleve(groupe, eleve));
    struct Rangee {
        QString texte;
        bool montree;
    };
    QList<Rangee> rangees;
    int montrees = 0;
    for (const QString& l : lignes) {
        const QString enregistrement = enregistrements.enregistrement(l);
        const bool elimine = itemElimine(enregistrement);
        const bool montree = !elimine || ckItemsElimines->isChecked();
        rangees.append({l + QLatin1Char(' ') + enregistrement + (elimine ? QStringLiteral(" (Eliminé)") : QString()),
                        montree});
        montrees += montree;
    }
    const QString entete = QStringLiteral("[Groupe : ") + groupe + QStringLiteral("]              [Utilisateur : ")
                           + eleve + QStringLiteral("]              Date : ") + dateImpression();
    const QString resume = ResumeEliminations(groupe, eleve, fichierListe);

    if (travail.exporte()) {
        travail.ajouterLigne(QString());
        travail.ajouterLigne(QString());
        travail.ajouterLigne(entete);
        travail.ajouterLigne(QString());
        travail.ajouterLigne(resume);
        travail.ajouterLigne(QString());
        for (const Rangee& r : std::as_const(rangees))
            if (r.montree)
                travail.ajouterLigne(r.texte);
        return;
    }

    MiseEnPage& page = travail.page();
    const int colonnes =
        ckMulticol->isChecked() ? page.nombreColonnes(LargeurMaxItems(lignes, travail.document())) : 1;
    page.commencerBloc(colonnes);
    page.garderEnsemble(montrees / colonnes + 12);
    page.changementDePage(ckChgtPage->isChecked());
    page.verifierPlace(10, QString(47, QLatin1Char('-')));
    page.ligneBlanche();
    page.ligneBlanche();
    page.ecrireLigne(entete);
    page.ligneBlanche();
    page.ecrireLigne(resume);
    page.ligneBlanche();
    for (const Rangee& r : std::as_const(rangees)) {
        if (r.montree)
            page.placerItem(r.texte);
        page.verifierPlace(6);
    }
    page.finBloc();
}
