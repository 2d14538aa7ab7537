#include "Parametrage.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Etat.h"
#include "FenetreExercice.h"
#include "Plateforme.h"
#include "Profil.h"

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
    definirTailleClient(580, 500);
    definirFond(bleuCiel());
    creerControles();
}

void TfParametrage::creerControles()
{
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
    ckRespectEspaces = caseACocher(
        lRespectEspaces, QStringLiteral("Dans les exercices, il faut respecter les espaces (règles typographiques)."));
    ckRespectMaj = caseACocher(lRespectMaj, QStringLiteral("Dans les exercices, il faut respecter les majuscules."));

    eRepertoireExercice = edit(this, QRect(16, 350, 500, 24));
    lRepertoireExercice = etiquette(this, QStringLiteral("Chemin du dossier des exercices "), QRect(16, 328, 300, 20),
                                    eRepertoireExercice);
    bChoixRepExo = boutonImage(this, QRect(524, 348, 40, 28), QStringLiteral(":/parametrage/images/dossier.png"),
                               QString());
    eRepertoireBilans = edit(this, QRect(16, 406, 500, 24));
    lRepertoireBilans = etiquette(this, QStringLiteral("Chemin du dossier des bilans "), QRect(16, 384, 300, 20),
                                  eRepertoireBilans);
    bChoixRepBillans = boutonImage(this, QRect(524, 404, 40, 28), QStringLiteral(":/parametrage/images/dossier.png"),
                                   QString());

    lPolice = etiquette(this, QStringLiteral("Paramétrage police"), QRect(16, 452, 140, 36));
    bChoixPolice = boutonImage(this, QRect(160, 448, 44, 44), QStringLiteral(":/parametrage/images/police.png"),
                               QStringLiteral("Paramétrer la police"));
    bSauve = boutonImage(this, QRect(462, 448, 48, 44), QStringLiteral(":/parametrage/images/sauve.png"),
                         QStringLiteral("Valider les modifications et quitter"));
    bAnnule = boutonImage(this, QRect(516, 448, 48, 44), QStringLiteral(":/parametrage/images/annule.png"),
                          QStringLiteral("Quitter sans valider les modifications"));

    QWidget* ordre[] = {eMotDePasseEnseignant, eNbReponsesNecessaires, eTpsLEcture, ckMotPasseUtilisateur,
                        ckSons, ckNewUser, ckImpress, ckAccesRepertItems, ckRespectEspaces, ckRespectMaj,
                        eRepertoireExercice, eRepertoireBilans, bChoixRepExo, bChoixRepBillans, bChoixPolice,
                        bSauve, bAnnule};
    for (size_t i = 1; i < std::size(ordre); ++i)
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
              {QStringLiteral("ckRespectEspaces"), ckRespectEspaces},
              {QStringLiteral("ckRespectMaj"), ckRespectMaj}};

    relier(bSauve, &TfParametrage::bSauveClick);
    relier(bAnnule, &TfParametrage::bAnnuleClick);
    relier(bChoixRepExo, &TfParametrage::bChoixRepExoClick);
    relier(bChoixRepBillans, &TfParametrage::bChoixRepBillansClick);
    relier(bChoixPolice, &TfParametrage::bChoixPoliceClick);
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

void TfParametrage::bChoixPoliceClick()
{
    const auto choisie = plateforme().dialoguePolice(fenetreExercice().policeProposee());
    if (!choisie)
        return;
    // Applied and written at once: leaving the dialog without saving keeps it.
    fenetreExercice().changerPoliceReponse(*choisie);
    EnregistrerPolice(etat.FichierIni, *choisie);
}
