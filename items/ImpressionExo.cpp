#include "ImpressionExo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "Chemins.h"
#include "Etat.h"
#include "Exercice.h"
#include "Fichiers.h"
#include "Texte.h"

TfImpressionExo* fImpressionExo = nullptr;

namespace {

const QString dossierPersonnels = QStringLiteral("[Tous les exercices personnels]");

// Every occurrence removed, without regard to case.
QString sans(QString texte, const QString& partie)
{
    if (!partie.isEmpty())
        texte.remove(partie, Qt::CaseInsensitive);
    return texte;
}

} // namespace

TfImpressionExo::TfImpressionExo(QWidget* parent) : Fiche(parent)
{
    setObjectName(QStringLiteral("fImpressionExo"));
    fImpressionExo = this;
    setWindowTitle(QStringLiteral("Impression d'un exercice"));
    definirCadre(true, Echappement::Fermer);
    definirTailleClient(420, 286);
    definirPlacement(Placement::FenetrePrincipale);

    Label1 = new QLabel(QStringLiteral("Exercice"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(16, 10, 200, 18);
    cChoixExercice = new QComboBox(this);
    cChoixExercice->setObjectName(QStringLiteral("cChoixExercice"));
    cChoixExercice->setGeometry(16, 30, 388, 26);
    cChoixExercice->setEditable(false);
    cChoixExercice->setMaxVisibleItems(20);
    Label1->setBuddy(cChoixExercice);

    RadioButton4 = boutonRadio(this, QStringLiteral("RadioButton4"), QStringLiteral("Impression simple de l'exercice"),
                               QRect(16, 68, 388, 22));
    RadioButton1 = boutonRadio(this, QStringLiteral("RadioButton1"), QStringLiteral("Avec toutes les réussites"),
                               QRect(16, 94, 388, 22));
    RadioButton2 = boutonRadio(this, QStringLiteral("RadioButton2"), QStringLiteral("Avec les réussites du groupe"),
                               QRect(16, 120, 388, 22));
    RadioButton3 = boutonRadio(this, QStringLiteral("RadioButton3"),
                               QStringLiteral("Avec les réussites de l'utilisateur courant"), QRect(16, 146, 388, 22));
    RadioButton4->setChecked(true);
    ckChgtPage = caseACocher(this, QStringLiteral("ckChgtPage"),
                             QStringLiteral("Changement de page pour chaque utilisateur"), QRect(16, 182, 388, 22));
    ckMulticol = caseACocher(this, QStringLiteral("ckMulticol"), QStringLiteral("Impression mutlicolonnes"),
                             QRect(16, 208, 388, 22));
    ckMulticol->setChecked(true);
    SpeedButton1 = boutonCommande(this, QStringLiteral("SpeedButton1"), QStringLiteral("Imprimer"),
                                  QRect(16, 244, 92, 30));
    bExport = boutonCommande(this, QStringLiteral("bExport"), QStringLiteral("Exporter"), QRect(118, 244, 92, 30));
    SpeedButton2 = boutonCommande(this, QStringLiteral("SpeedButton2"), QStringLiteral("Quitter"),
                                  QRect(312, 244, 92, 30));

    relier(RadioButton1, &TfImpressionExo::RadioButton1Click);
    relier(RadioButton2, &TfImpressionExo::RadioButton2Click);
    relier(RadioButton3, &TfImpressionExo::RadioButton3Click);
    relier(RadioButton4, &TfImpressionExo::RadioButton4Click);
    relier(SpeedButton1, &TfImpressionExo::SpeedButton1Click);
    relier(bExport, &TfImpressionExo::bExportClick);
    relier(SpeedButton2, &TfImpressionExo::SpeedButton2Click);
}

void TfImpressionExo::FormActivate()
{
    {
        QSignalBlocker bloque(cChoixExercice);
        cChoixExercice->clear();
        // The entries begin with "/": the root is taken without its own.
        QString racine = etat.RepertoireExercices;
        while (racine.endsWith(QLatin1Char('/')))
            racine.chop(1);
        ListerExercices(racine);
        cChoixExercice->setCurrentIndex(cChoixExercice->count() > 0 ? 0 : -1);
    }
    RadioButton3->setText(QStringLiteral("Avec les réussites de l'utilisateur courant"));
    RadioButton2->setText(QStringLiteral("Avec les réussites du groupe courant"));
    RadioButton4->setChecked(true);
    ckChgtPage->setEnabled(false);
    appliquerSelection(RadioButton2, RadioButton3, QStringLiteral("Avec les réussites du groupe "),
                       QStringLiteral("Avec les réussites de "));
}

void TfImpressionExo::ListerExercices(const QString& dossier)
{
    QString racine = etat.RepertoireExercices;
    while (racine.endsWith(QLatin1Char('/')))
        racine.chop(1);
    for (const QString& nom : listerEntrees(dossier, QStringLiteral("*.*"))) {
        if (nom == dossierPersonnels)
            continue;
        const QString chemin = dossier + QLatin1Char('/') + nom;
        if (existeDossier(chemin)) {
            ListerExercices(chemin);
            continue;
        }
        const QString capitales = majusculesAZ(chemin);
        // The pupils' pending proposals are no exercises.
        if (!capitales.endsWith(QLatin1String(".TXT")) || capitales.endsWith(QLatin1String("_AVALIDER.TXT")))
            continue;
        cChoixExercice->addItem(sans(sans(dossier, racine) + QLatin1Char('/') + nom, QStringLiteral(".txt")));
    }
}

QString TfImpressionExo::fichierExercice() const
{
    return etat.RepertoireExercices + cChoixExercice->currentText() + QStringLiteral(".txt");
}

void TfImpressionExo::choixSelection()
{
    ckChgtPage->setEnabled(RadioButton1->isChecked() || RadioButton2->isChecked());
}

void TfImpressionExo::RadioButton1Click()
{
    choixSelection();
}

void TfImpressionExo::RadioButton2Click()
{
    choixSelection();
}

void TfImpressionExo::RadioButton3Click()
{
    choixSelection();
}

void TfImpressionExo::RadioButton4Click()
{
    choixSelection();
}

void TfImpressionExo::SpeedButton1Click()
{
    ImprimerExercice(false);
}

void TfImpressionExo::bExportClick()
{
    ImprimerExercice(true);
}

void TfImpressionExo::SpeedButton2Click()
{
    Close();
}

void TfImpressionExo::ImprimerExercice(bool exporter)
{
    // Nothing to print is said before any dialog.
    if (cChoixExercice->currentIndex() < 0 || cChoixExercice->currentText().isEmpty()) {
        afficherBoite(QStringLiteral("Aucun exercice n'est choisi."), TypeBoite::Avertissement);
        Close();
        return;
    }
    const QString exercice = fichierExercice();
    if (!existeFichier(exercice)) {
        afficherBoite(QStringLiteral("Le fichier de l'exercice ") + cChoixExercice->currentText()
                          + QStringLiteral(" est introuvable."),
                      TypeBoite::Avertissement);
        Close();
        return;
    }
    signalerEchecImprimante([&] {
        TravailImpression travail;
        const bool commence = exporter ? travail.commencerExport() : travail.commencerImpression();
        if (commence) {
            lignesExercice_ = lireLignesExercice(exercice);
            if (RadioButton4->isChecked()) {
                ImprimerExerciceEleve(travail, QString(), QString(), QString());
            } else {
                SelectionEleves selection = RadioButton1->isChecked()   ? SelectionEleves::Tous
                                            : RadioButton2->isChecked() ? SelectionEleves::Groupe
                                                                        : SelectionEleves::Eleve;
                for (const EleveAImprimer& e : elevesAImprimer(selection))
                    ImprimerExerciceEleve(travail, e.fichierReussites, e.eleve, e.groupe);
            }
            travail.terminer();
        }
        Close();
    });
    lignesExercice_.clear();
}

void TfImpressionExo::ImprimerExerciceEleve(TravailImpression& travail, const QString& fichierReussites,
                                            const QString& eleve, const QString& groupe)
{
    const bool avecReussites = !eleve.isEmpty();
    const QString entree = cChoixExercice->currentText();
    const QString entete =
        avecReussites ? QStringLiteral("[Exercice : ") + entree + QStringLiteral("]        [Groupe : ") + groupe
                            + QStringLiteral("]        [Utilisateur : ") + eleve
                            + QStringLiteral("]              Date : ") + dateImpression()
                      : QStringLiteral("[Exercice : ") + entree + QStringLiteral("]              Date : ")
                            + dateImpression();
    const QString resume = avecReussites ? ResumeEliminations(groupe, eleve, fichierExercice()) : QString();
    const EnregistrementsEleve enregistrements(avecReussites ? fichierReussites : QString());
    QStringList rangees;
    for (const QString& l : std::as_const(lignesExercice_))
        if (ligneComptee(l))
            rangees.append(avecReussites ? l + QStringLiteral(" | ") + enregistrements.enregistrement(l) : l);

    if (travail.exporte()) {
        travail.ajouterLigne(entete);
        travail.ajouterLigne(QString());
        if (avecReussites) {
            travail.ajouterLigne(resume);
            travail.ajouterLigne(QString());
        }
        for (const QString& r : std::as_const(rangees))
            travail.ajouterLigne(r);
        travail.ajouterLigne(QString());
        return;
    }

    MiseEnPage& page = travail.page();
    const int colonnes =
        ckMulticol->isChecked() ? page.nombreColonnes(LargeurMaxItems(lignesExercice_, travail.document())) : 1;
    page.commencerBloc(colonnes);
    page.verifierPlace(10);
    page.garderEnsemble(static_cast<int>(lignesExercice_.size()) / colonnes + 10);
    page.changementDePage(ckChgtPage->isChecked());
    page.ligneBlanche();
    page.ligneBlanche();
    page.ecrireLigne(entete);
    page.ligneBlanche();
    if (avecReussites) {
        page.ecrireLigne(resume);
        page.ligneBlanche();
    }
    for (const QString& r : std::as_const(rangees)) {
        page.placerItem(r);
        page.verifierPlace(6);
    }
    page.verifierPlace(20);
    page.finBloc();
}
