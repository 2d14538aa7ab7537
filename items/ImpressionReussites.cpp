#include "ImpressionReussites.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "Chemins.h"
#include "Texte.h"

TfImpressionReussites* fImpressionReussites = nullptr;

TfImpressionReussites::TfImpressionReussites(QWidget* parent) : Fiche(parent)
{
    setObjectName(QStringLiteral("fImpressionReussites"));
    fImpressionReussites = this;
    setWindowTitle(QStringLiteral("Impression des réussites"));
    definirCadre(true, Echappement::Fermer);
    definirTailleClient(330, 206);
    definirPlacement(Placement::FenetrePrincipale);

    RadioButton1 = boutonRadio(this, QStringLiteral("RadioButton1"), QStringLiteral("Pour tous les utilisateurs"),
                               QRect(16, 12, 300, 22));
    RadioButton2 = boutonRadio(this, QStringLiteral("RadioButton2"), QStringLiteral("Pour les utilisateurs du groupe"),
                               QRect(16, 38, 300, 22));
    RadioButton3 = boutonRadio(this, QStringLiteral("RadioButton3"), QStringLiteral("Pour l'utilisateur courant"),
                               QRect(16, 64, 300, 22));
    RadioButton1->setChecked(true);
    ckChgtPage = caseACocher(this, QStringLiteral("ckChgtPage"),
                             QStringLiteral("Changement de page pour chaque utilisateur"), QRect(16, 100, 300, 22));
    ckMulticol = caseACocher(this, QStringLiteral("ckMulticol"), QStringLiteral("Impression mutlicolonnes"),
                             QRect(16, 126, 300, 22));
    ckMulticol->setChecked(true);
    SpeedButton1 = boutonCommande(this, QStringLiteral("SpeedButton1"), QStringLiteral("Imprimer"),
                                  QRect(16, 164, 92, 30));
    SpeedButton3 = boutonCommande(this, QStringLiteral("SpeedButton3"), QStringLiteral("Exporter"),
                                  QRect(118, 164, 92, 30));
    SpeedButton2 = boutonCommande(this, QStringLiteral("SpeedButton2"), QStringLiteral("Quitter"),
                                  QRect(220, 164, 92, 30));

    relier(RadioButton1, &TfImpressionReussites::RadioButton1Click);
    relier(RadioButton2, &TfImpressionReussites::RadioButton2Click);
    relier(RadioButton3, &TfImpressionReussites::RadioButton3Click);
    relier(SpeedButton1, &TfImpressionReussites::SpeedButton1Click);
    relier(SpeedButton3, &TfImpressionReussites::SpeedButton3Click);
    relier(SpeedButton2, &TfImpressionReussites::SpeedButton2Click);
}

void TfImpressionReussites::FormActivate()
{
    // The checked button stays the one of the previous showing.
    RadioButton3->setText(QStringLiteral("Pour l'utilisateur courant"));
    RadioButton2->setText(QStringLiteral("Pour les utilisateurs du groupe"));
    ckChgtPage->setEnabled(true);
    appliquerSelection(RadioButton2, RadioButton3, QStringLiteral("Pour les utilisateurs du groupe "),
                       QStringLiteral("Pour l'utilisateur "));
}

void TfImpressionReussites::choixSelection()
{
    ckChgtPage->setEnabled(!RadioButton3->isChecked());
}

void TfImpressionReussites::RadioButton1Click()
{
    choixSelection();
}

void TfImpressionReussites::RadioButton2Click()
{
    choixSelection();
}

void TfImpressionReussites::RadioButton3Click()
{
    choixSelection();
}

SelectionEleves TfImpressionReussites::selection() const
{
    if (RadioButton1->isChecked())
        return SelectionEleves::Tous;
    return RadioButton2->isChecked() ? SelectionEleves::Groupe : SelectionEleves::Eleve;
}

void TfImpressionReussites::SpeedButton1Click()
{
    ImprimerReussites(false);
}

void TfImpressionReussites::SpeedButton3Click()
{
    ImprimerReussites(true);
}

void TfImpressionReussites::SpeedButton2Click()
{
    Close();
}

void TfImpressionReussites::ImprimerReussites(bool exporter)
{
    signalerEchecImprimante([&] {
        TravailImpression travail;
        // A cancelled dialog leaves the form open.
        if (!(exporter ? travail.commencerExport() : travail.commencerImpression()))
            return;
        for (const EleveAImprimer& e : elevesAImprimer(selection()))
            ImprimerReussitesEleve(travail, e.fichierReussites, e.eleve, e.groupe);
        travail.terminer();
        Close();
    });
}

void TfImpressionReussites::ImprimerReussitesEleve(TravailImpression& travail, const QString& fichierReussites,
                                                   const QString& eleve, const QString& groupe)
{
    const bool present = existeFichier(fichierReussites);
    const QStringList lignes = present ? lireLignes(fichierReussites) : QStringList();
    const QString entete = QStringLiteral("[Groupe : ") + groupe + QStringLiteral("]        [Utilisateur : ") + eleve
                           + QStringLiteral("]              Date : ") + dateImpression();
    // Split at the first "|": a line without one has an empty key and is the record whole.
    auto rangee = [](const QString& ligne) {
        const qsizetype barre = ligne.indexOf(QLatin1Char('|'));
        return barre < 0 ? QStringLiteral(" | ") + ligne
                         : ligne.left(barre) + QStringLiteral(" | ") + ligne.mid(barre + 1);
    };

    if (travail.exporte()) {
        travail.ajouterLigne(entete);
        travail.ajouterLigne(QString());
        for (const QString& l : lignes)
            travail.ajouterLigne(rangee(l));
        travail.ajouterLigne(QString());
        return;
    }

    MiseEnPage& page = travail.page();
    int colonnes = 1;
    if (ckMulticol->isChecked() && present)
        colonnes = page.nombreColonnes(LargeurMaxItems(lignes, travail.document()));
    page.commencerBloc(colonnes);
    page.verifierPlace(10);
    if (present)
        page.garderEnsemble(static_cast<int>(lignes.size()) / colonnes + 10);
    page.changementDePage(ckChgtPage->isChecked());
    page.ligneBlanche();
    page.ligneBlanche();
    page.ecrireLigne(entete);
    page.ligneBlanche();
    for (const QString& l : lignes) {
        page.placerItem(rangee(l));
        page.verifierPlace(6);
    }
    page.finBloc();
}
