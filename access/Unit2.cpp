#include "Unit2.h"

#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>

#include "Bilans.h"
#include "Chemins.h"
#include "ErreurES.h"
#include "Etat.h"
#include "FenetreExercice.h"
#include "FichierMotDePasse.h"
#include "FichierReussites.h"
#include "ImpressionExo.h"
#include "ImpressionPersos.h"
#include "ImpressionReussites.h"
#include "ItemsPersos.h"
#include "Fichiers.h"
#include "MotDePasse.h"
#include "NouvelEleve.h"
#include "Plateforme.h"
#include "Profil.h"
#include "ReglesAccueil.h"
#include "Texte.h"

TForm2* Form2 = nullptr;

namespace {

const QString sansGroupe = QStringLiteral("Choisis ton groupe");
const QString visiteur = QStringLiteral("Visiteur");
const QString nouveau = QStringLiteral("Nouveau");

// The entry equal to a name up to case, as the file system matches names (the pupil's files
// are found by the same rule); -1 when none.
int trouver(const QComboBox* c, const QString& nom)
{
    for (int i = 0; i < c->count(); ++i)
        if (memeNom(c->itemText(i), nom))
            return i;
    return -1;
}

QFont police(const QWidget* w, int pixels, bool gras = false)
{
    QFont f = w->font();
    f.setPixelSize(pixels);
    f.setBold(gras);
    return f;
}

QPushButton* boutonImage(QWidget* parent, const QRect& r, const QString& image, const QString& bulle)
{
    auto* b = new QPushButton(parent);
    b->setGeometry(r);
    b->setIcon(QIcon(image));
    b->setIconSize(QSize(40, 40));
    b->setToolTip(bulle);
    return b;
}

// The bank list tells when the user's keys move or make the selection. A row that Qt makes
// current by itself (the first one, when the list gets the focus back) or that the program
// sets tells nothing: it must never open a folder.
class ListeBanque : public QListWidget {
public:
    using QListWidget::QListWidget;
    std::function<void()> choixAuClavier;

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        const auto choix = [this] {
            const QListWidgetItem* i = currentItem();
            return std::make_pair(currentRow(), i && i->isSelected());
        };
        const auto avant = choix();
        QListWidget::keyPressEvent(e);
        if (choix() != avant && choixAuClavier)
            choixAuClavier();
    }
};

} // namespace

TForm2::TForm2(QWidget* parent) : Fiche(parent)
{
    setObjectName(QStringLiteral("Form2"));
    Form2 = this;
    setWindowTitle(QStringLiteral("Choix dossier"));
    // No close box: the screen is left only through its buttons.
    definirCadre(false, Echappement::Ignore);
    definirPlacement(Placement::FenetrePrincipale);
    definirTailleClient(560, 400);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setAutoFillBackground(true);
    creerControles();
    FormCreate();
    definirChoixAccueil(this);
}

TForm2::~TForm2()
{
    if (&choixAccueil() == this)
        definirChoixAccueil(nullptr);
}

QString TForm2::texteGroupe() const
{
    return cChoixGroupe->currentText();
}

QString TForm2::texteEleve() const
{
    return cChoixUtilisateur->currentText();
}

void TForm2::creerControles()
{
    FondEcran = new QLabel(this);
    FondEcran->setGeometry(0, 0, 560, 400);
    FondEcran->setPixmap(QPixmap(QStringLiteral(":/images/fond_accueil.jpg")));

    const QColor encre(0x1F, 0x4E, 0x79);
    QPalette pe = palette();
    pe.setColor(QPalette::WindowText, encre);

    lQuiEsTu = new QLabel(QStringLiteral("1 - Qui es-tu ?"), this);
    lQuiEsTu->setGeometry(20, 72, 220, 26);
    lQuiEsTu->setFont(police(lQuiEsTu, 18, true));
    lQuiEsTu->setPalette(pe);

    cChoixGroupe = new QComboBox(this);
    cChoixGroupe->setGeometry(20, 106, 220, 28);
    cChoixGroupe->setFont(police(cChoixGroupe, 15));
    cChoixGroupe->setMaxVisibleItems(12);

    cChoixUtilisateur = new QComboBox(this);
    cChoixUtilisateur->setGeometry(20, 144, 220, 28);
    cChoixUtilisateur->setFont(police(cChoixUtilisateur, 15));
    cChoixUtilisateur->setMaxVisibleItems(16);

    bNouvelEleve = boutonImage(this, QRect(20, 190, 52, 52), QStringLiteral(":/images/nouvel_eleve.png"),
                               QStringLiteral("Inscrire un nouvel élève"));
    bBilan = boutonImage(this, QRect(82, 190, 52, 52), QStringLiteral(":/images/bilan.png"),
                         QStringLiteral("Voir mon bilan"));
    bExoPerso = boutonImage(this, QRect(144, 190, 52, 52), QStringLiteral(":/images/exo_perso.png"),
                            QStringLiteral("Créer ou modifier mes exercices personnels"));
    bExoPerso->setVisible(false);
    bSuperviseur = boutonImage(this, QRect(20, 330, 52, 52), QStringLiteral(":/images/superviseur.png"),
                               QStringLiteral("Accéder au module enseignant"));

    bQuitter = new QPushButton(QStringLiteral("Quitter"), this);
    bQuitter->setGeometry(150, 344, 90, 32);
    bQuitter->setFont(police(bQuitter, 15));
    bQuitter->setToolTip(QStringLiteral("Quitter le logiciel"));

    lChoisisExercice = new QLabel(QStringLiteral("2 - Choisis un exercice."), this);
    lChoisisExercice->setGeometry(262, 72, 278, 26);
    lChoisisExercice->setFont(police(lChoisisExercice, 18, true));
    lChoisisExercice->setPalette(pe);

    auto* liste = new ListeBanque(this);
    liste->choixAuClavier = [this] { garde([this] { eRepertoiresClick(); }); };
    eRepertoires = liste;
    eRepertoires->setGeometry(262, 106, 278, 214);
    eRepertoires->setFont(police(eRepertoires, 14));
    eRepertoires->setFocusPolicy(Qt::ClickFocus); // not a tab stop
    eRepertoires->setSelectionMode(QAbstractItemView::SingleSelection);
    eRepertoires->installEventFilter(this);
    eRepertoires->viewport()->installEventFilter(this);

    bRemonter = boutonImage(this, QRect(262, 330, 52, 52), QStringLiteral(":/images/remonter.png"),
                            QStringLiteral("Revenir au dossier parent"));
    bValider = boutonImage(this, QRect(488, 330, 52, 52), QStringLiteral(":/images/valider.png"),
                           QStringLiteral("Commencer l'exercice"));

    bNouvelEleve->setEnabled(false);

    relier(bValider, &TForm2::bValiderClick);
    relier(bRemonter, &TForm2::bRemonterClick);
    relier(bQuitter, &TForm2::bQuitterClick);
    relier(bBilan, &TForm2::bBilanClick);
    relier(bNouvelEleve, &TForm2::bNouvelEleveClick);
    relier(bSuperviseur, &TForm2::bSuperviseurClick);
    // Only the user's choices run the handlers; filling the lists runs none.
    connect(cChoixGroupe, &QComboBox::activated, this, [this] { garde([this] { cChoixGroupeChange(); }); });
    connect(cChoixUtilisateur, &QComboBox::activated, this,
            [this] { garde([this] { cChoixUtilisateurChange(); }); });
}

void TForm2::FormCreate()
{
    bBilan->setEnabled(false);
}

// ---- Showing ---------------------------------------------------------------------------------

void TForm2::FormShow()
{
    const BullesAccueil bulles = reglesAccueil().bulles();
    bValider->setToolTip(bulles.valider);
    bQuitter->setToolTip(bulles.quitter);
    bNouvelEleve->setToolTip(bulles.nouvelEleve);
    ListerGroupes();
    cChoixGroupeChange();
    ListerEleves();
    ListerDossiers();
}

void TForm2::FormActivate()
{
    // Emptied personal files go before the list is made, so that they are not offered; a
    // purge that fails stops alone.
    garde([this] { PurgerExercicesPersos(); });
    cChoixUtilisateurChange();
    // The pupil of the previous exercise is not asked again, in the folder where it signed in.
    etat.EleveAuthentifie = etat.EleveCourant;
    etat.RepertoireAuthentifie = repertoireDuGroupe(etat.RepertoireBilans, etat.GroupeCourant);
}

void TForm2::ListerGroupes()
{
    QSignalBlocker bloque(cChoixGroupe);
    cChoixGroupe->clear();
    cChoixGroupe->addItem(sansGroupe);
    cChoixGroupe->addItems(listerGroupes(etat.RepertoireBilans));
    cChoixGroupe->setCurrentIndex(etat.GroupeCourant.isEmpty() ? 0 : trouver(cChoixGroupe, etat.GroupeCourant));
}

void TForm2::cChoixGroupeChange()
{
    const QString groupe = cChoixGroupe->currentText();
    etat.RepertoireGroupe = repertoireDuGroupe(etat.RepertoireBilans, groupe != sansGroupe ? groupe : QString());
    // Registration only into a group shown in the list, and only while the settings allow it.
    bNouvelEleve->setEnabled(cChoixGroupe->currentIndex() > 0 && etat.AjoutNouvelEleve == 1);
    ListerEleves();
}

void TForm2::ListerEleves()
{
    {
        QSignalBlocker bloque(cChoixUtilisateur);
        cChoixUtilisateur->clear();
        cChoixUtilisateur->addItem(visiteur);
        cChoixUtilisateur->addItems(listerEleves(etat.RepertoireGroupe));
        int i = 0;
        if (!etat.EleveCourant.isEmpty()) {
            i = trouver(cChoixUtilisateur, etat.EleveCourant);
            if (i < 0 && reglesAccueil().eleveAbsentDevientVisiteur()) {
                etat.EleveCourant.clear(); // the pupil's roster file has gone
                i = 0;
            }
        }
        cChoixUtilisateur->setCurrentIndex(i);
    }
    if (reglesAccueil().eleveAbsentDevientVisiteur())
        cChoixUtilisateurChange();
}

void TForm2::cChoixUtilisateurChange()
{
    const QString eleve = cChoixUtilisateur->currentText();
    const bool inscrit = eleve != visiteur && eleve != nouveau;
    bBilan->setEnabled(inscrit);
    bExoPerso->setEnabled(inscrit);
    const ReglesAccueil& regles = reglesAccueil();
    if (regles.listeSelonEleve())
        ListerDossiers(); // the personal exercise depends on the pupil
    if (regles.inscriptionAuChoixDeNouveau() && eleve == nouveau && bNouvelEleve->isEnabled())
        bNouvelEleveClick();
}

// ---- Exercise bank browser ---------------------------------------------------------------------

QString TForm2::fichierPersonnel() const
{
    return fichierExercicesPersonnels(etat.RepertoireExercices, cChoixGroupe->currentText(),
                                      cChoixUtilisateur->currentText());
}

QString TForm2::fichierPersonnelPropose() const
{
    const QString eleve = cChoixUtilisateur->currentText();
    if (eleve.isEmpty() || eleve == visiteur || eleve == nouveau)
        return QString();
    return fichierPersonnel();
}

const EntreeBanque* TForm2::entreeSelectionnee() const
{
    // A row only made current (by Qt, on focus-in) is not a choice.
    const QListWidgetItem* item = eRepertoires->currentItem();
    if (!item || !item->isSelected())
        return nullptr;
    const int i = eRepertoires->currentRow();
    return i >= 0 && i < entrees_.size() ? &entrees_[i] : nullptr;
}

void TForm2::ListerDossiers()
{
    const QString dossier = plateforme().dossierCourant();
    QList<EntreeBanque> entrees = reglesAccueil().navigateur().lister(dossier, fichierPersonnelPropose());
    {
        QSignalBlocker bloque(eRepertoires);
        eRepertoires->clear();
        entrees_ = std::move(entrees);
        for (const EntreeBanque& e : entrees_)
            eRepertoires->addItem(e.texte);
        eRepertoires->setCurrentRow(-1);
    }
    // Climbing never leaves the bank.
    bRemonter->setEnabled(dansLaBanque(dossier, etat.RepertoireExercices));
    bValider->setEnabled(false);
}

void TForm2::eRepertoiresClick()
{
    const EntreeBanque* e = entreeSelectionnee();
    if (!e) {
        bValider->setEnabled(false);
        return;
    }
    const NavigateurExercices& n = reglesAccueil().navigateur();
    const QString dossier = plateforme().dossierCourant();
    // A folder that can no longer be entered is started when it can be, else does nothing.
    if (n.entrable(dossier, *e)) {
        bValider->setEnabled(false);
        OuvrirDossier();
        return;
    }
    bValider->setEnabled(n.commencable(dossier, *e));
}

void TForm2::eRepertoiresDblClick()
{
    OuvrirDossier();
}

void TForm2::OuvrirDossier()
{
    const EntreeBanque* e = entreeSelectionnee();
    if (!e)
        return;
    const QString dossier = plateforme().dossierCourant();
    if (!reglesAccueil().navigateur().entrable(dossier, *e))
        return;
    const QString nom = e->nom;
    if (!plateforme().changerDossier(joindreChemin(dossier, nom)))
        throw ErreurES(nom); // the list keeps its content
    ListerDossiers();
}

bool TForm2::eRepertoiresKeyPress(int touche)
{
    if (touche != Qt::Key_Return && touche != Qt::Key_Enter)
        return false;
    if (bValider->isEnabled())
        bValider->click();
    return true;
}

void TForm2::bRemonterClick()
{
    const QString dossier = plateforme().dossierCourant();
    if (!dansLaBanque(dossier, etat.RepertoireExercices))
        return;
    if (!plateforme().changerDossier(QDir::cleanPath(dossier + QStringLiteral("/.."))))
        throw ErreurES(QStringLiteral(".."));
    ListerDossiers();
}

void TForm2::PurgerExercicesPersos()
{
    reglesAccueil().navigateur().purger(etat.RepertoireExercices);
}

bool TForm2::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == eRepertoires && evenement->type() == QEvent::KeyPress) {
        const int t = static_cast<QKeyEvent*>(evenement)->key();
        bool utilisee = false;
        garde([&] { utilisee = eRepertoiresKeyPress(t); });
        if (utilisee)
            return true;
    }
    if (objet == eRepertoires->viewport()) {
        // The list may be refilled by the click itself (a folder opens): the press is handled
        // here, so that the view never applies it to the new entries.
        if (evenement->type() == QEvent::MouseButtonPress) {
            auto* m = static_cast<QMouseEvent*>(evenement);
            if (m->button() == Qt::LeftButton) {
                QListWidgetItem* item = eRepertoires->itemAt(m->position().toPoint());
                if (item) {
                    eRepertoires->setCurrentRow(eRepertoires->row(item));
                    garde([this] { eRepertoiresClick(); });
                }
            }
            return true;
        }
        if (evenement->type() == QEvent::MouseButtonDblClick) {
            garde([this] { eRepertoiresDblClick(); });
            return true;
        }
    }
    return Fiche::eventFilter(objet, evenement);
}

// ---- Sign-in and the doors -----------------------------------------------------------------------

void TForm2::AppliquerGroupe()
{
    const QString groupe = cChoixGroupe->currentText();
    if (groupe != sansGroupe) {
        etat.GroupeCourant = groupe;
        etat.RepertoireGroupe = repertoireDuGroupe(etat.RepertoireBilans, groupe);
    } else {
        etat.GroupeCourant.clear();
        etat.RepertoireGroupe = etat.RepertoireBilans;
    }
}

bool TForm2::ControlerMotDePasse(bool porteBilan)
{
    if (etat.MotDePasseActif != 1 || etat.EleveCourant.isEmpty())
        return true;
    if (etat.EleveCourant == etat.EleveAuthentifie && etat.RepertoireGroupe == etat.RepertoireAuthentifie)
        return true;
    const QString stocke = lireMotDePasse(FichierMotDePasse(etat.RepertoireGroupe, etat.EleveCourant));
    if (stocke.isEmpty())
        return ChoisirMotDePasse();

    fMotDePasse->setWindowTitle(QStringLiteral("Saisie du mot de passe"));
    plateforme().montrerModal(*fMotDePasse);
    const QString tape = fMotDePasse->eMotDePasse->text();
    if (porteBilan && tape.isEmpty())
        return false;
    const QString saisi = normaliser(tape);
    if (saisi == normaliser(stocke)
        || (!etat.MotDePasseEnseignant.isEmpty() && saisi == normaliser(etat.MotDePasseEnseignant)))
        return true;
    afficherBoite(QStringLiteral("Mot de passe incorrect."));
    return false;
}

bool TForm2::ChoisirMotDePasse()
{
    fMotDePasse->setWindowTitle(QStringLiteral("Choix du mot de passe"));
    plateforme().montrerModal(*fMotDePasse);
    const QString tape = fMotDePasse->eMotDePasse->text();
    if (tape.isEmpty())
        return false;
    // Stored in Windows-1252: a character it cannot hold could never be typed back.
    if (!motDePasseEnregistrable(tape)) {
        afficherBoite(QStringLiteral("Ce mot de passe contient un caractère interdit."));
        return false;
    }
    const QString fichier = FichierMotDePasse(etat.RepertoireGroupe, etat.EleveCourant);
    if (!EcrireMotDePasse(fichier, tape))
        throw ErreurES(fichier);
    return true;
}

namespace {

QStringList fichiersEleve(const QString& eleve, bool avecMotDePasse)
{
    QStringList fichiers;
    if (avecMotDePasse)
        fichiers.append(FichierMotDePasse(etat.RepertoireGroupe, eleve));
    for (const char* suffixe : {"Reussites.txt", "Detail.txt", "Exos.txt"})
        fichiers.append(nomFichierResultat(etat.RepertoireGroupe, eleve, QString::fromLatin1(suffixe)));
    return fichiers;
}

// A new pupil's files, all or none; false, with the reason told, when they cannot all be made.
bool inscrireEleve(const QString& nom)
{
    const QString refus = QStringLiteral("Impossible d'inscrire cet élève : ");
    const QStringList fichiers = fichiersEleve(nom, true);
    for (const QString& f : fichiers)
        if (!nomFichierAdmis(etat.RepertoireGroupe, f.mid(etat.RepertoireGroupe.size()))) {
            afficherBoite(refus + QStringLiteral("son nom est trop long. Choisis un nom plus court."));
            return false;
        }
    // Each name as the file system already has it up to case: an existing pupil is never doubled.
    QStringList reels;
    for (const QString& f : fichiers)
        reels.append(resoudreChemin(f));
    QString echec;
    if (creerFichiersVides(reels, echec))
        return true;
    const QString nomEchec = QStringLiteral("« ") + echec.mid(etat.RepertoireGroupe.size()) + QStringLiteral(" »");
    if (!existeDossier(etat.RepertoireGroupe.isEmpty() ? QStringLiteral(".") : etat.RepertoireGroupe))
        afficherBoite(refus + QStringLiteral("le dossier de son groupe est introuvable."));
    else if (genreFichier(resoudreChemin(echec)) != GenreFichier::Absent)
        afficherBoite(refus + nomEchec + QStringLiteral(" existe déjà et n'est pas un fichier."));
    else
        afficherBoite(refus + QStringLiteral("le fichier ") + nomEchec
                      + QStringLiteral(" n'a pas pu être créé (dossier protégé en écriture ou plein)."));
    return false;
}

} // namespace

void TForm2::CreerFichiersEleve(const QString& eleve, bool avecMotDePasse)
{
    const QStringList fichiers = fichiersEleve(eleve, avecMotDePasse);
    for (const QString& f : fichiers)
        if (!existeFichier(f) && !CreerFichierVide(f))
            throw ErreurES(f);
}

void TForm2::bValiderClick()
{
    const EntreeBanque* choisie = entreeSelectionnee();
    const QString dossier = plateforme().dossierCourant();
    if (!choisie || !reglesAccueil().navigateur().commencable(dossier, *choisie))
        return;
    const EntreeBanque entree = *choisie;

    const QString eleve = cChoixUtilisateur->currentText();
    etat.EleveCourant = eleve == visiteur ? QString() : eleve;
    fenetreExercice().afficherEleve(eleve);
    AppliquerGroupe();
    if (!ControlerMotDePasse(false))
        return;
    const ReglesAccueil& regles = reglesAccueil();
    // Nothing is created and no successes are loaded before the password passed.
    if (!etat.EleveCourant.isEmpty()) {
        regles.renommerAnciensFichiers(etat.RepertoireGroupe, etat.EleveCourant);
        CreerFichiersEleve(etat.EleveCourant, false);
        ChargerReussites();
    }
    fenetreExercice().viderSaisie();
    const QString exercice = regles.navigateur().exercice(dossier, entree, fichierPersonnel());
    // A folder that cannot be entered is told, and the screen stays open with no exercise set.
    if (regles.exerciceDevientDossierCourant() && !plateforme().changerDossier(exercice))
        throw ErreurES(exercice);
    etat.ExerciceCourant = exercice;
    Close();
}

void TForm2::bBilanClick()
{
    AppliquerGroupe();
    etat.ModeEnseignant = 0;
    const QString eleve = cChoixUtilisateur->currentText();
    etat.EleveCourant = eleve == visiteur ? QString() : eleve;
    if (etat.EleveCourant.isEmpty())
        return;
    if (!existeFichier(FichierMotDePasse(etat.RepertoireGroupe, etat.EleveCourant)) && etat.MotDePasseActif == 1)
        return;
    if (!ControlerMotDePasse(true))
        return;
    etat.EleveAuthentifie = etat.EleveCourant;
    etat.RepertoireAuthentifie = etat.RepertoireGroupe;
    reglesAccueil().renommerAnciensFichiers(etat.RepertoireGroupe, etat.EleveCourant);
    CreerFichiersEleve(etat.EleveCourant, false);
    plateforme().montrerModal(*fBilans);
}

void TForm2::bNouvelEleveClick()
{
    if (etat.EcriturePossible != 1) {
        afficherBoite(QStringLiteral("Accès refusé"));
        return;
    }
    cChoixGroupeChange();
    if (!fNouvelEleve->isVisible())
        plateforme().montrerModal(*fNouvelEleve);
    const QString nom = fNouvelEleve->eUtilisateur->text();
    if (nom.isEmpty() || !inscrireEleve(nom))
        return;
    ListerEleves();
    const int i = trouver(cChoixUtilisateur, nom);
    if (i >= 0) {
        QSignalBlocker bloque(cChoixUtilisateur);
        cChoixUtilisateur->setCurrentIndex(i);
    }
    if (reglesAccueil().changementEleveApresInscription())
        cChoixUtilisateurChange();
}

void TForm2::bImprimeItemsPersosClick()
{
    if (!etat.MotDePasseEnseignant.isEmpty()) {
        fMotDePasse->setWindowTitle(QStringLiteral("Saisie du mot de passe enseignant"));
        plateforme().montrerModal(*fMotDePasse);
        const QString tape = fMotDePasse->eMotDePasse->text();
        if (tape.isEmpty() || normaliser(tape) != normaliser(etat.MotDePasseEnseignant))
            return;
    }
    // The selected entry is not passed on: the exercise form offers its own list.
    const QListWidgetItem* item = eRepertoires->currentItem();
    if (!item || !item->isSelected())
        plateforme().montrerModal(*fImpressionReussites);
    else if (item->text().left(24) == QLatin1String("Mes exercices personnels"))
        plateforme().montrerModal(*fImpression);
    else
        plateforme().montrerModal(*fImpressionExo);
}

void TForm2::bSuperviseurClick()
{
    AppliquerGroupe();
    if (!etat.MotDePasseEnseignant.isEmpty()) {
        fMotDePasse->setWindowTitle(reglesAccueil().legendeMotDePasseEnseignant());
        plateforme().montrerModal(*fMotDePasse);
        const QString tape = fMotDePasse->eMotDePasse->text();
        if (tape.isEmpty() || normaliser(tape) != normaliser(etat.MotDePasseEnseignant))
            return;
    }
    const QString groupe = cChoixGroupe->currentText();
    const QString eleve = cChoixUtilisateur->currentText();
    etat.ModeEnseignant = 1;
    plateforme().montrerModal(*fBilans);
    // The program ended from the teacher module (its settings file has gone).
    if (plateforme().finDemandee())
        return;

    // The teacher may have changed the settings, the groups and the pupils.
    fenetreExercice().ChargerParametres();
    if (plateforme().finDemandee())
        return;
    ListerEleves();
    ListerGroupes();
    if (!groupe.isEmpty()) {
        QSignalBlocker bloque(cChoixGroupe);
        cChoixGroupe->setCurrentIndex(trouver(cChoixGroupe, groupe));
    }
    cChoixGroupeChange();
    if (!eleve.isEmpty()) {
        int i = trouver(cChoixUtilisateur, eleve);
        if (i < 0 && reglesAccueil().eleveAbsentDevientVisiteur())
            i = 0; // a pupil deleted meanwhile
        QSignalBlocker bloque(cChoixUtilisateur);
        cChoixUtilisateur->setCurrentIndex(i);
    }
    cChoixUtilisateurChange();
}

void TForm2::bExoPersoClick()
{
    const QString eleve = cChoixUtilisateur->currentText();
    etat.EleveCourant = eleve == visiteur ? QString() : eleve;
    if (etat.EleveCourant.isEmpty())
        return;
    // A pupil needs a group here; an empty text is a remembered group that has gone.
    const QString groupe = cChoixGroupe->currentText();
    if (groupe == sansGroupe || groupe.isEmpty())
        return;
    if (!existeFichier(FichierMotDePasse(etat.RepertoireGroupe, etat.EleveCourant)))
        return;
    if (!ControlerMotDePasse(true))
        return;
    etat.GroupeCourant = groupe;
    etat.EleveAuthentifie = etat.EleveCourant;
    etat.RepertoireAuthentifie = etat.RepertoireGroupe;

    for (const QString& dossier : {DossierItemsPersos(etat.RepertoireExercices) + groupe,
                                   DossierItemsAValider(etat.RepertoireExercices) + groupe})
        if (!creerDossiers(dossier))
            throw ErreurES(dossier);
    const QString fichier = FichierItemsAValider(etat.RepertoireExercices, groupe, etat.EleveCourant);
    if (!existeFichier(fichier) && !CreerFichierVide(fichier))
        throw ErreurES(fichier);
    ouvrirOuPrevenir(resoudreChemin(fichier));
    ListerDossiers();
}

void TForm2::bQuitterClick()
{
    if (afficherBoite(QStringLiteral("Veux-tu vraiment quitter le logiciel ?"), TypeBoite::Simple,
                      BoutonsBoite::OkAnnuler)
        != ReponseBoite::Ok)
        return;
    Close();
    fenetreExercice().QuitterLeLogiciel(3000);
}
