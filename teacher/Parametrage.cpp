#include "Parametrage.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Chemins.h"
#include "Etat.h"
#include "FenetreExercice.h"
#include "Plateforme.h"
#include "Profil.h"
#include "Texte.h"

TfParametrage* fParametrage = nullptr;

namespace {

QLineEdit* edit(QWidget* parent, const QRect& r)
{
    auto* e = new QLineEdit(parent);
    e->setGeometry(r);
    return e;
}

QLabel* etiquette(QWidget* parent, const QString& texte, const QRect& r, QWidget* pour = nullptr)
{
    auto* l = new QLabel(texte, parent);
    l->setGeometry(r);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    if (pour)
        l->setBuddy(pour);
    return l;
}

QPushButton* boutonImage(QWidget* parent, const QRect& r, const QString& image, const QString& bulle)
{
    auto* b = new QPushButton(parent);
    b->setGeometry(r);
    b->setIcon(QIcon(image));
    b->setIconSize(r.size() - QSize(12, 12));
    b->setToolTip(bulle);
    return b;
}

} // namespace

TfParametrage::TfParametrage(QWidget* parent) : Fiche(parent)
{
    Q_INIT_RESOURCE(parametrage_images);
    setObjectName(QStringLiteral("fParametrage"));
    fParametrage = this;
    setWindowTitle(QStringLiteral("Paramétrage"));
    const bool fermable = profil().parametrageFermable;
    definirCadre(fermable, fermable ? Echappement::Fermer : Echappement::Ignore);
    definirPlacement(Placement::Ecran);
    definirFond(bleuCiel());
    creerControles();
}

void TfParametrage::creerControles()
{
    // The program's blocks tell which of the controls of one program only it has.
    auto aLeControle = [](const QString& nom) {
        for (const BlocParametrage& b : profil().blocsParametrage)
            if (b.controle == nom)
                return true;
        return false;
    };

    eMotDePasseEnseignant = edit(this, QRect(16, 16, 150, 24));
    lMotDePasseEnseignant = etiquette(this, QStringLiteral("Mot de passe enseignant"), QRect(176, 16, 200, 24),
                                      eMotDePasseEnseignant);
    eNbReponsesNecessaires = edit(this, QRect(16, 52, 40, 24));
    lNbReponsesNecessaires = etiquette(this, QStringLiteral("réponses sont nécessaires pour éliminer un item."),
                                       QRect(66, 52, 360, 24), eNbReponsesNecessaires);
    eTpsLEcture = edit(this, QRect(16, 84, 40, 24));
    lTpsLecture = etiquette(this, QStringLiteral("secondes disponibles pour lecture suite au second essai"),
                            QRect(66, 84, 400, 24), eTpsLEcture);

    // The boxes say nothing themselves: the label beside each one does.
    int y = 124;
    auto caseACocher = [this, &y](QLabel*& l, const QString& texte) {
        auto* c = new QCheckBox(this);
        c->setGeometry(18, y, 20, 22);
        l = etiquette(this, texte, QRect(44, y, 500, 22), c);
        y += 28;
        return c;
    };
    ckMotPasseUtilisateur = caseACocher(lMotPasseUtilisateur, QStringLiteral("Un mot de passe est demandé aux élèves."));
    ckSons = caseACocher(lSons, QStringLiteral("Des bruitages sont émis selon les réponses de l'élève."));
    ckNewUser = caseACocher(lNewUser, QStringLiteral("Il est possible d'inscrire un élève depuis l'écran d'accueil."));
    ckImpress = caseACocher(lImpress, QStringLiteral("Les élèves peuvent imprimer leur bilan en fin d'exercice."));
    ckAccesRepertItems = caseACocher(lAccesRepertItems,
                                     QStringLiteral("Les élèves peuvent accéder au dossier des exercices."));
    if (aLeControle(QStringLiteral("ckRespectEspaces")))
        ckRespectEspaces = caseACocher(
            lRespectEspaces, QStringLiteral("Dans les exercices, il faut respecter les espaces (règles typographiques)."));
    if (aLeControle(QStringLiteral("ckEnregSon")))
        ckEnregSon = caseACocher(lEnregSon, QStringLiteral("Les élèves peuvent enregistrer de nouveaux sons."));
    ckRespectMaj = caseACocher(lRespectMaj, QStringLiteral("Dans les exercices, il faut respecter les majuscules."));

    // Each path: its label, then its edit and its picker button on the line below.
    y = 328;
    auto chemin = [this, &y](QLabel*& l, QPushButton*& bouton, const QString& texte, const QString& image) {
        QLineEdit* e = edit(this, QRect(16, y + 22, 500, 24));
        l = etiquette(this, texte, QRect(16, y, 300, 20), e);
        bouton = boutonImage(this, QRect(524, y + 20, 40, 28), image, QString());
        y += 56;
        return e;
    };
    const QString dossier = QStringLiteral(":/parametrage/images/dossier.png");
    eRepertoireExercice = chemin(lRepertoireExercice, bChoixRepExo, QStringLiteral("Chemin du dossier des exercices "),
                                 dossier);
    eRepertoireBilans = chemin(lRepertoireBilans, bChoixRepBillans, QStringLiteral("Chemin du dossier des bilans "),
                               dossier);
    if (aLeControle(QStringLiteral("eLogSon")))
        eLogSon = chemin(lLogSon, bChoixRepLogSon, QStringLiteral("Chemin du logiciel \"son\""), dossier);

    y += 8;
    lPolice = etiquette(this, QStringLiteral("Paramétrage police"), QRect(16, y + 4, 140, 36));
    bChoixPolice = boutonImage(this, QRect(160, y, 44, 44), QStringLiteral(":/parametrage/images/police.png"),
                               QStringLiteral("Paramétrer la police"));
    bSauve = boutonImage(this, QRect(462, y, 48, 44), QStringLiteral(":/parametrage/images/sauve.png"),
                         QStringLiteral("Valider les modifications et quitter"));
    bAnnule = boutonImage(this, QRect(516, y, 48, 44), QStringLiteral(":/parametrage/images/annule.png"),
                          QStringLiteral("Quitter sans valider les modifications"));
    definirTailleClient(580, y + 52);

    QList<QWidget*> ordre = {eMotDePasseEnseignant, eNbReponsesNecessaires, eTpsLEcture, ckMotPasseUtilisateur,
                             ckSons, ckNewUser, ckImpress, ckAccesRepertItems, ckRespectEspaces, ckEnregSon,
                             ckRespectMaj, eRepertoireExercice, eRepertoireBilans, eLogSon, bChoixRepExo,
                             bChoixRepBillans, bChoixRepLogSon, bChoixPolice, bSauve, bAnnule};
    ordre.removeAll(nullptr);
    for (qsizetype i = 1; i < ordre.size(); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);

    textes_ = {{QStringLiteral("eMotDePasseEnseignant"), eMotDePasseEnseignant},
               {QStringLiteral("eNbReponsesNecessaires"), eNbReponsesNecessaires},
               {QStringLiteral("eTpsLEcture"), eTpsLEcture},
               {QStringLiteral("eRepertoireExercice"), eRepertoireExercice},
               {QStringLiteral("eRepertoireBilans"), eRepertoireBilans}};
    cases_ = {{QStringLiteral("ckMotPasseUtilisateur"), ckMotPasseUtilisateur},
              {QStringLiteral("ckSons"), ckSons},
              {QStringLiteral("ckNewUser"), ckNewUser},
              {QStringLiteral("ckImpress"), ckImpress},
              {QStringLiteral("ckAccesRepertItems"), ckAccesRepertItems},
              {QStringLiteral("ckRespectMaj"), ckRespectMaj}};
    if (ckRespectEspaces)
        cases_.insert(QStringLiteral("ckRespectEspaces"), ckRespectEspaces);
    if (ckEnregSon)
        cases_.insert(QStringLiteral("ckEnregSon"), ckEnregSon);
    if (eLogSon)
        textes_.insert(QStringLiteral("eLogSon"), eLogSon);

    relier(bSauve, &TfParametrage::bSauveClick);
    relier(bAnnule, &TfParametrage::bAnnuleClick);
    relier(bChoixRepExo, &TfParametrage::bChoixRepExoClick);
    relier(bChoixRepBillans, &TfParametrage::bChoixRepBillansClick);
    relier(bChoixPolice, &TfParametrage::bChoixPoliceClick);
    if (bChoixRepLogSon)
        relier(bChoixRepLogSon, &TfParametrage::bChoixRepLogSonClick);
}

ValeursParametrage TfParametrage::valeursControles() const
{
    ValeursParametrage v;
    for (auto i = textes_.cbegin(); i != textes_.cend(); ++i)
        v.textes.insert(i.key(), i.value()->text());
    for (auto i = cases_.cbegin(); i != cases_.cend(); ++i)
        v.cases.insert(i.key(), i.value()->isChecked());
    return v;
}

void TfParametrage::afficherValeurs(const ValeursParametrage& valeurs)
{
    for (auto i = textes_.cbegin(); i != textes_.cend(); ++i)
        if (valeurs.textes.contains(i.key()))
            i.value()->setText(valeurs.textes.value(i.key()));
    for (auto i = cases_.cbegin(); i != cases_.cend(); ++i)
        if (valeurs.cases.contains(i.key()))
            i.value()->setChecked(valeurs.cases.value(i.key()));
}

// ---- Handlers ----------------------------------------------------------------------------------

void TfParametrage::FormActivate()
{
    AfficherParametres();
    eMotDePasseEnseignant->setFocus();
}

void TfParametrage::AfficherParametres()
{
    ValeursParametrage v = valeursControles();
    if (LireValeursParametrage(etat.FichierIni, profil().blocsParametrage, v))
        afficherValeurs(v);
}

void TfParametrage::EnregistrerParametres()
{
    ::EnregistrerParametres(etat.FichierIni, profil().blocsParametrage, valeursControles());
}

void TfParametrage::bSauveClick()
{
    // A write that failed leaves the dialog open, the teacher's changes still in it.
    EnregistrerParametres();
    Close();
}

void TfParametrage::bAnnuleClick()
{
    Close();
}

void TfParametrage::bChoixRepExoClick()
{
    // The folder browsed last is where the teacher is likely to look, not the one in the edit.
    if (const auto dossier = plateforme().dialogueDossier(plateforme().dossierCourant()))
        eRepertoireExercice->setText(*dossier);
}

void TfParametrage::bChoixRepBillansClick()
{
    if (const auto dossier = plateforme().dialogueDossier(plateforme().dossierCourant()))
        eRepertoireBilans->setText(*dossier);
}

void TfParametrage::bChoixRepLogSonClick()
{
    DemandeFichier demande;
    demande.mode = DemandeFichier::Mode::Ouvrir;
    demande.filtre = QStringLiteral("Programmes|*.exe;*.bat|Tous les fichiers|*.*");
    // The folder of the program already chosen, where the teacher will look for another one.
    const QString dossierActuel = QFileInfo(resoudreChemin(eLogSon->text())).path();
    demande.dossierInitial = !rogner(eLogSon->text()).isEmpty() && existeDossier(dossierActuel)
                                 ? dossierActuel
                                 : plateforme().dossierCourant();
    if (const auto fichier = plateforme().dialogueFichier(demande))
        eLogSon->setText(*fichier);
}

void TfParametrage::bChoixPoliceClick()
{
    const auto choisie = plateforme().dialoguePolice(fenetreExercice().policeProposee());
    if (!choisie)
        return;
    // Applied and written at once: leaving the dialog without saving keeps it.
    fenetreExercice().changerPoliceReponse(*choisie);
    EnregistrerPolice(etat.FichierIni, *choisie);
}
