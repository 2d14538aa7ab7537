#include "FenetreExerciceCommune.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>

#include "Bilans.h"
#include "Bruitage.h"
#include "ChoixNbItems.h"
#include "Deroulement.h"
#include "ErreurES.h"
#include "FichierReussites.h"
#include "MessagePerso.h"
#include "MsgOuiNonPerso.h"
#include "Parametres.h"
#include "Plateforme.h"
#include "Profil.h"
#include "Texte.h"
#include "Unit2.h"

namespace {

const char* const adresseSite = "https://www.talvorenne.fr/";

QLabel* etiquette(QWidget* parent, const QRect& r, int pixels, bool gras = false)
{
    auto* l = new QLabel(parent);
    l->setGeometry(r);
    l->setAlignment(Qt::AlignCenter);
    QFont f = l->font();
    f.setPixelSize(pixels);
    f.setBold(gras);
    l->setFont(f);
    return l;
}

// A transparent area over the background picture that only carries a hint.
QLabel* zoneBulle(QWidget* parent, const QRect& r, const QString& bulle)
{
    auto* l = new QLabel(parent);
    l->setGeometry(r);
    l->setToolTip(bulle);
    l->setAttribute(Qt::WA_TranslucentBackground);
    return l;
}

} // namespace

FenetreExerciceCommune::FenetreExerciceCommune(const DessinFenetreExercice& dessin)
{
    setObjectName(QStringLiteral("Form1"));
    definirFenetreExercice(this);
    definirCadre(false, Echappement::Ignore);
    definirPlacement(Placement::Ecran);
    definirTailleClient(dessin.taille.width(), dessin.taille.height());
    definirFond(bleuCiel());

    FondEcran = new QLabel(this);
    FondEcran->setGeometry(QRect(QPoint(0, 0), dessin.taille));
    FondEcran->setPixmap(QPixmap(dessin.fond));

    Image1 = new QLabel(this);
    Image1->setGeometry(0, 0, 161, 97);
    Image1->setPixmap(QPixmap(dessin.logo));
    Image1->setToolTip(QStringLiteral("Rendez-vous sur le site de Talvorenne"));
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->installEventFilter(this);

    lDossierCourant = etiquette(this, dessin.dossierCourant, 20);

    lEnJeu = zoneBulle(this, QRect(10, 110, 155, 55), QStringLiteral("Nombre de points en jeu"));
    lScore = zoneBulle(this, QRect(10, 175, 77, 55), QStringLiteral("Mon score"));
    lScoreMaxi = zoneBulle(this, QRect(88, 175, 77, 55), QStringLiteral("Score maximum"));
    lItemsReussis = zoneBulle(this, QRect(10, 240, 77, 55),
                              QStringLiteral("Nombre d'items réussis au premier essai"));
    lReponses = zoneBulle(this, QRect(88, 240, 77, 55), QStringLiteral("Nombre d'items de la partie"));
    lTempsEffectif = zoneBulle(this, QRect(10, 305, 155, 55), QStringLiteral("Temps effectif"));

    lBonus = etiquette(this, QRect(15, 130, 145, 30), 24, true);
    lNote = etiquette(this, QRect(15, 195, 65, 30), 22, true);
    lNote->setToolTip(QStringLiteral("Mon score"));
    lNoteMaxi = etiquette(this, QRect(92, 195, 68, 30), 22, true);
    lNbItemsRepondus = etiquette(this, QRect(15, 260, 65, 30), 22, true);
    lNbItemsRepondus->setToolTip(QStringLiteral("Nombre d'items réussis au 1er essai"));
    lNbItemsTotal = etiquette(this, QRect(92, 260, 68, 30), 22, true);
    lTemps = etiquette(this, QRect(12, 325, 151, 30), 16, true);

    bStop = new QPushButton(this);
    bStop->setGeometry(QRect(dessin.stop, QSize(39, 41)));
    bStop->setIcon(QIcon(dessin.imageStop));
    bStop->setIconSize(QSize(31, 33));
    bStop->setToolTip(QStringLiteral("Quitter l'exercice"));

    Timer1 = plateforme().creerMinuterie(1000, [this] { Timer1Timer(); });
}

FenetreExerciceCommune::~FenetreExerciceCommune()
{
    if (deroulement().fenetre == this)
        definirFenetreExercice(nullptr);
}

QTextEdit* FenetreExerciceCommune::boiteTexte(QWidget* parent, const QRect& r)
{
    auto* e = new QTextEdit(parent);
    e->setGeometry(r);
    e->setAcceptRichText(false);
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(20);
    e->setFont(f);
    return e;
}

QToolButton* FenetreExerciceCommune::boutonPlat(QWidget* parent, const QRect& r, const QString& image,
                                                const QString& bulle)
{
    auto* b = new QToolButton(parent);
    b->setGeometry(r);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setIcon(QIcon(image));
    b->setIconSize(r.size() - QSize(4, 4));
    b->setToolTip(bulle);
    return b;
}

QString FenetreExerciceCommune::NomFichierTest()
{
    return plateforme().dossierProgramme() + QStringLiteral("Bilan_")
           + QString::number(plateforme().hasard(10000000)) + QStringLiteral(".txt");
}

void FenetreExerciceCommune::defautsCreation(const QStringList& arguments)
{
    etat.FichierIni = fichierIniDepuisArguments(arguments);
    etat.MotDePasseEnseignant.clear();
    etat.RepertoireBilans.clear();
    etat.PremiereActivation = 1;
    etat.MotDePasseActif = 1;
    etat.ImpressionPermise = 1;
    etat.AjoutNouvelEleve = 1;
}

void FenetreExerciceCommune::FormActivate()
{
    // Modal windows close during the sequence and give the focus back: it must not run again.
    if (etat.PremiereActivation == 0 || activationEnCours_)
        return;
    activationEnCours_ = true;
    etat.EcriturePossible = 1;
    ChargerParametres();
    if (plateforme().finDemandee()) {
        activationEnCours_ = false;
        return;
    }
    if (etat.NbReponsesNecessaires < 1)
        etat.NbReponsesNecessaires = 999;
    sonderEcriture([this] { return NomFichierTest(); });
    titreApplication() = profil().titre;
    setWindowTitle(titreApplication());
    avantPremierExercice();
    LancerExerciceSuivant();
    etat.PremiereActivation = 0;
    activationEnCours_ = false;
}

void FenetreExerciceCommune::FormClose()
{
    EnregistrerReussites();
}

void FenetreExerciceCommune::EnregistrerReussites()
{
    deroulement().EnregistrerReussites();
}

bool FenetreExerciceCommune::lireParametres()
{
    const LectureParametres lecture = LireParametres(etat.FichierIni, etat, FontDialog1);
    appliquerParametres(lecture);
    FontDialog1 = lecture.police;
    for (const QString& message : lecture.messages)
        afficherBoite(message, TypeBoite::Simple, BoutonsBoite::Ok);
    if (!lecture.fichierTrouve) {
        Close();
        return false;
    }
    return true;
}

void FenetreExerciceCommune::ChargerParametres()
{
    if (!lireParametres())
        return;
    appliquerPoliceReponse();
}

void FenetreExerciceCommune::changerPoliceReponse(const Police& police)
{
    FontDialog1 = police;
    appliquerPoliceReponse();
}

void FenetreExerciceCommune::appliquerPoliceReponse()
{
    appliquerPolice(eSaisie);
    if (autreBoitePolice_)
        appliquerPolice(autreBoitePolice_);
}

void FenetreExerciceCommune::fermerSaisie()
{
    bJaiEcrit->setEnabled(false);
    eSaisie->setEnabled(false);
}

bool FenetreExerciceCommune::ouvrirAccueil()
{
    if (!plateforme().changerDossier(etat.RepertoireExercices))
        throw ErreurES(etat.RepertoireExercices);
    EnregistrerReussites();

    etat.ExerciceCourant.clear();
    plateforme().montrerModal(*Form2);
    deroulement().NouvelExercice();
    return !etat.ExerciceCourant.isEmpty() && !plateforme().finDemandee();
}

void FenetreExerciceCommune::choisirNombreItems()
{
    Deroulement& d = deroulement();
    if (d.NbItems > profil().minimumChoixItems)
        plateforme().montrerModal(*fChoixNbItems);
    d.OuvrirScore();
}

void FenetreExerciceCommune::messagePerso(const QString& texte, const QString& type)
{
    fMessagePerso->Texte = texte;
    fMessagePerso->TypeMessage = type;
    plateforme().montrerModal(*fMessagePerso);
}

bool FenetreExerciceCommune::demanderAutreExercice()
{
    JouerBruitage(QStringLiteral("fin.wav"));
    const FinExercice fin = deroulement().Terminer();
    fMsgOuiNonPerso->Texte = fin.texte;
    fMsgOuiNonPerso->NoteLettre = fin.noteLettre;
    plateforme().montrerModal(*fMsgOuiNonPerso);
    return fMsgOuiNonPerso->Reponse;
}

void FenetreExerciceCommune::proposerBilanEtQuitter()
{
    if (etat.ImpressionPermise == 1 && !etat.EleveCourant.isEmpty()
        && afficherBoite(QStringLiteral("Veux-tu voir ton bilan ?"), TypeBoite::Confirmation,
                         BoutonsBoite::OuiNon) == ReponseBoite::Oui) {
        EnregistrerReussites();
        etat.ModeEnseignant = 0;
        plateforme().montrerModal(*fBilans);
    }
    QuitterLeLogiciel(4000);
}

void FenetreExerciceCommune::appliquerPolice(QTextEdit* boite, bool noir)
{
    QFont police(FontDialog1.nom);
    police.setPixelSize(qRound(FontDialog1.taillePoints * 96.0 / 72.0));
    police.setBold(FontDialog1.style & PoliceGras);
    police.setItalic(FontDialog1.style & PoliceItalique);
    police.setUnderline(FontDialog1.style & PoliceSouligne);
    police.setStrikeOut(FontDialog1.style & PoliceBarre);
    const QColor couleur = noir ? QColor(Qt::black) : couleurDepuisWindows(FontDialog1.couleur);
    // An emptied box drops its character formats and types in its own font and text colour:
    // they are the answer font too.
    boite->setFont(police);
    QPalette palette = boite->palette();
    palette.setColor(QPalette::Text, couleur);
    boite->setPalette(palette);

    QTextCharFormat f;
    f.setFontFamilies({FontDialog1.nom});
    f.setProperty(QTextFormat::FontPixelSize, police.pixelSize());
    f.setFontWeight(police.weight());
    f.setFontItalic(police.italic());
    f.setFontUnderline(police.underline());
    f.setFontStrikeOut(police.strikeOut());
    f.setForeground(couleur);
    QTextCursor c(boite->document());
    c.select(QTextCursor::Document);
    c.setCharFormat(f);
    boite->setCurrentCharFormat(f);
}

Police FenetreExerciceCommune::policeDe(const QTextEdit* boite) const
{
    const QTextCharFormat f = boite->textCursor().charFormat();
    const QFont font = f.font().resolve(boite->document()->defaultFont());
    Police p;
    p.nom = font.family();
    if (font.pointSizeF() > 0)
        p.taillePoints = qRound(font.pointSizeF());
    else if (font.pixelSize() > 0)
        p.taillePoints = qRound(font.pixelSize() * 72.0 / 96.0);
    p.style = (font.weight() >= QFont::DemiBold ? PoliceGras : 0) | (font.italic() ? PoliceItalique : 0)
              | (font.underline() ? PoliceSouligne : 0) | (font.strikeOut() ? PoliceBarre : 0);
    // A box that sets no colour writes in the window-text colour.
    if (f.hasProperty(QTextFormat::ForegroundBrush))
        p.couleur = valeurCouleurWindows(f.foreground().color());
    return p;
}

void FenetreExerciceCommune::Timer1Timer()
{
    deroulement().Tic();
}

void FenetreExerciceCommune::Image1Click()
{
    ouvrirOuPrevenir(QString::fromLatin1(adresseSite));
}

void FenetreExerciceCommune::afficherScore(int note, int noteMaxi)
{
    lNote->setText(QString::number(note));
    lNoteMaxi->setText(QString::number(noteMaxi));
}

void FenetreExerciceCommune::afficherBonus(int points)
{
    lBonus->setText(QString::number(points));
}

void FenetreExerciceCommune::afficherCompteurs(int reussisPremierEssai, int nbItems)
{
    lNbItemsRepondus->setText(QString::number(reussisPremierEssai));
    lNbItemsTotal->setText(QString::number(nbItems));
}

void FenetreExerciceCommune::afficherTemps(int secondes)
{
    lTemps->setText(FormaterDuree(secondes, true));
}

void FenetreExerciceCommune::afficherNomExercice(const QString& nom)
{
    lDossierCourant->setText(nom);
}

void FenetreExerciceCommune::demarrerHorloge()
{
    Timer1->demarrer();
}

void FenetreExerciceCommune::arreterHorloge()
{
    Timer1->arreter();
}

void FenetreExerciceCommune::afficherEleve(const QString& eleve)
{
    setWindowTitle(titreApplication() + QStringLiteral(" - Elève : ") + eleve);
}

void FenetreExerciceCommune::commandesAuClavier(QTextEdit* boite)
{
    boite->installEventFilter(this);
    boitesCommandes_.append(boite);
}

bool FenetreExerciceCommune::toucheCommande(int touche)
{
    if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
        if (bJaiEcrit->isEnabled())
            bJaiEcrit->click();
        return true;
    }
    if (touche == Qt::Key_Escape) {
        if (bStop->isEnabled())
            bStop->click();
        return true;
    }
    return false;
}

bool FenetreExerciceCommune::FormKeyPress(int touche)
{
    return toucheCommande(touche);
}

bool FenetreExerciceCommune::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == Image1 && evenement->type() == QEvent::MouseButtonRelease) {
        garde([this] { Image1Click(); });
        return true;
    }
    if (evenement->type() == QEvent::KeyPress && boitesCommandes_.contains(objet)) {
        const int t = static_cast<QKeyEvent*>(evenement)->key();
        // Enter never types a line break, whatever the modifiers: it would land in the log.
        if (t == Qt::Key_Return || t == Qt::Key_Enter || t == Qt::Key_Escape) {
            garde([this, t] { toucheCommande(t); });
            return true;
        }
    }
    return Fiche::eventFilter(objet, evenement);
}

void FenetreExerciceCommune::keyPressEvent(QKeyEvent* e)
{
    bool utilisee = false;
    garde([&] { utilisee = FormKeyPress(e->key()); });
    if (!utilisee)
        Fiche::keyPressEvent(e);
}
