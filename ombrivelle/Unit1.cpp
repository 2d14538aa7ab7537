#include "Unit1.h"

#include <QEvent>
#include <QFile>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>

#include "Bilans.h"
#include "Bruitage.h"
#include "Chemins.h"
#include "ChoixNbItems.h"
#include "Deroulement.h"
#include "ErreurES.h"
#include "Exercice.h"
#include "FichierReussites.h"
#include "MessagePerso.h"
#include "MsgOuiNonPerso.h"
#include "Parametres.h"
#include "Plateforme.h"
#include "Profil.h"
#include "Quitter.h"
#include "Texte.h"
#include "TexteBrut.h"
#include "Unit2.h"
#include "Unit4.h"
#include "copieecran.h"

TForm1* Form1 = nullptr;

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

QTextEdit* boiteTexte(QWidget* parent, const QRect& r, bool lectureSeule)
{
    auto* e = new QTextEdit(parent);
    e->setGeometry(r);
    e->setReadOnly(lectureSeule);
    e->setAcceptRichText(false);
    e->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(20);
    e->setFont(f);
    return e;
}

QToolButton* boutonPlat(QWidget* parent, const QRect& r, const QString& image, const QString& bulle)
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

} // namespace

TForm1::TForm1(const QStringList& arguments)
{
    // The pictures of the windows live in the static libraries: bring them in.
    Q_INIT_RESOURCE(ombrivelle_images);
    Q_INIT_RESOURCE(access_images);
    setObjectName(QStringLiteral("Form1"));
    Form1 = this;
    definirFenetreExercice(this);
    definirCadre(false, Echappement::Ignore);
    definirPlacement(Placement::Ecran);
    definirTailleClient(631, 431);
    definirFond(bleuCiel());
    creerControles();
    Timer1 = plateforme().creerMinuterie(1000, [this] { Timer1Timer(); });
    FormCreate(arguments);
}

TForm1::~TForm1()
{
    if (Form1 == this) {
        Form1 = nullptr;
        definirFenetreExercice(nullptr);
    }
}

void TForm1::creerControles()
{
    FondEcran = new QLabel(this);
    FondEcran->setGeometry(0, 0, 631, 431);
    FondEcran->setPixmap(QPixmap(QStringLiteral(":/images/fond_principal.jpg")));

    Image1 = new QLabel(this);
    Image1->setGeometry(0, 0, 161, 97);
    Image1->setPixmap(QPixmap(QStringLiteral(":/images/logo.png")));
    Image1->setToolTip(QStringLiteral("Rendez-vous sur le site de Talvorenne"));
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->installEventFilter(this);

    lDossierCourant = etiquette(this, QRect(170, 8, 405, 28), 20);

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
    bStop->setGeometry(584, 4, 39, 41);
    bStop->setIcon(QIcon(QStringLiteral(":/images/stop.png")));
    bStop->setIconSize(QSize(31, 33));
    bStop->setToolTip(QStringLiteral("Quitter l'exercice"));

    eModele = boiteTexte(this, QRect(180, 45, 442, 150), true);
    eMotATraduire = boiteTexte(this, QRect(180, 205, 442, 52), true);
    eSaisie = boiteTexte(this, QRect(180, 267, 396, 64), false);
    eSaisie->setFont(QFont(QStringLiteral("Times New Roman")));
    eSaisie->setEnabled(true);

    bJEcoute = boutonPlat(this, QRect(584, 267, 38, 30), QStringLiteral(":/images/aide.png"),
                          QStringLiteral("Besoin d'aide ?"));
    bJEcoute->setEnabled(false);
    bClavier = boutonPlat(this, QRect(584, 301, 38, 30), QStringLiteral(":/images/clavier.png"),
                          QStringLiteral("Comment saisir un accent ?"));
    bJaiEcrit = boutonPlat(this, QRect(437, 374, 185, 47), QStringLiteral(":/images/jai_ecrit.png"),
                           QString());
    bJaiEcrit->setIconSize(QSize(185, 47));
    bJaiEcrit->setEnabled(false);

    // Tab order: the answer first, then the instructions, then the prompt, then the stop button.
    setTabOrder(eSaisie, eModele);
    setTabOrder(eModele, eMotATraduire);
    setTabOrder(eMotATraduire, bStop);
    eSaisie->setFocus();

    for (QTextEdit* e : {eSaisie, eModele, eMotATraduire})
        e->installEventFilter(this);

    relier(bJaiEcrit, &TForm1::bJaiEcritClick);
    relier(bStop, &TForm1::bStopClick);
    relier(bJEcoute, &TForm1::bJEcouteClick);
    relier(bClavier, &TForm1::bClavierClick);
}

void TForm1::FormCreate(const QStringList& arguments)
{
    etat.FichierIni = fichierIniDepuisArguments(arguments);
    etat.MotDePasseEnseignant.clear();
    etat.RepertoireBilans.clear();
    etat.PremiereActivation = 1;
    etat.MotDePasseActif = 1;
    etat.ImpressionPermise = 1;
    etat.EnregistrementTexte = 0;
    etat.AjoutNouvelEleve = 1;
}

QString TForm1::NomFichierTest()
{
    return plateforme().dossierProgramme() + QStringLiteral("Bilan_")
           + QString::number(plateforme().hasard(10000000)) + QStringLiteral(".txt");
}

void TForm1::FormActivate()
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
    LancerExerciceSuivant();
    etat.PremiereActivation = 0;
    activationEnCours_ = false;
}

void TForm1::FormClose()
{
    EnregistrerReussites();
}

void TForm1::EnregistrerReussites()
{
    if (::EnregistrerReussites() == Enregistrement::Recupere)
        plateforme().boite(titreRecuperationReussites(), messageRecuperationReussites(), TypeBoite::Simple,
                           BoutonsBoite::Ok);
}

void TForm1::ChargerParametres()
{
    const LectureParametres lecture = LireParametres(etat.FichierIni, etat, FontDialog1);
    appliquerParametres(lecture);
    FontDialog1 = lecture.police;
    for (const QString& message : lecture.messages)
        afficherBoite(message, TypeBoite::Simple, BoutonsBoite::Ok);
    if (!lecture.fichierTrouve) {
        Close();
        return;
    }
    appliquerPolice(eSaisie, false);
    appliquerPolice(eMotATraduire, false);
}

void TForm1::appliquerPolice(QTextEdit* boite, bool noir)
{
    QTextCharFormat f;
    f.setFontFamilies({FontDialog1.nom});
    f.setProperty(QTextFormat::FontPixelSize, qRound(FontDialog1.taillePoints * 96.0 / 72.0));
    f.setFontWeight(FontDialog1.style & 1 ? QFont::Bold : QFont::Normal);
    f.setFontItalic(FontDialog1.style & 2);
    f.setFontUnderline(FontDialog1.style & 4);
    f.setFontStrikeOut(FontDialog1.style & 8);
    f.setForeground(noir ? QColor(Qt::black) : couleurDepuisWindows(FontDialog1.couleur));
    QTextCursor c(boite->document());
    c.select(QTextCursor::Document);
    c.setCharFormat(f);
    boite->setCurrentCharFormat(f);
}

void TForm1::Timer1Timer()
{
    deroulement().Tic();
}

void TForm1::eModeleExit()
{
    plateforme().viderPressePapiers();
}

void TForm1::Image1Click()
{
    plateforme().ouvrir(QString::fromLatin1(adresseSite));
}

void TForm1::bStopClick()
{
    EnregistrerReussites();
    plateforme().montrerModal(*fQuitter);
}

void TForm1::bClavierClick()
{
    plateforme().montrerModal(*CPEcr);
}

void TForm1::bJEcouteClick()
{
    plateforme().montrerModal(*formAide);
}

void TForm1::mettreTexte(QTextEdit* boite, const QString& texte, bool policeReponse)
{
    boite->setPlainText(texte);
    if (policeReponse)
        appliquerPolice(boite, false);
}

// ---- What the run shows ---------------------------------------------------------------------

void TForm1::afficherItem(const QString& consigne)
{
    eSaisie->clear();
    appliquerPolice(eSaisie, true);
    bJaiEcrit->setEnabled(true);
    eSaisie->setEnabled(true);
    eSaisie->setFocus(); // the pupil types at once
    mettreTexte(eMotATraduire, consigne, true);
}

void TForm1::fermerSaisie()
{
    bJaiEcrit->setEnabled(false);
    eSaisie->setEnabled(false);
}

void TForm1::afficherScore(int note, int noteMaxi)
{
    lNote->setText(QString::number(note));
    lNoteMaxi->setText(QString::number(noteMaxi));
}

void TForm1::afficherBonus(int points)
{
    lBonus->setText(QString::number(points));
}

void TForm1::afficherCompteurs(int reussisPremierEssai, int nbItems)
{
    lNbItemsRepondus->setText(QString::number(reussisPremierEssai));
    lNbItemsTotal->setText(QString::number(nbItems));
}

void TForm1::afficherTemps(int secondes)
{
    lTemps->setText(FormaterDuree(secondes, true));
}

void TForm1::afficherNomExercice(const QString& nom)
{
    lDossierCourant->setText(nom);
}

void TForm1::afficherReponse(const QString& reponse)
{
    eModele->setPlainText(reponse);
}

void TForm1::afficherConsignes(const QString& entete)
{
    eModele->clear();
    eModele->setPlainText(entete);
}

void TForm1::demarrerHorloge()
{
    Timer1->demarrer();
}

void TForm1::arreterHorloge()
{
    Timer1->arreter();
}

void TForm1::afficherEleve(const QString& eleve)
{
    setWindowTitle(titreApplication() + QStringLiteral(" - Elève : ") + eleve);
}

void TForm1::viderSaisie()
{
    eSaisie->clear();
}

Police TForm1::policeProposee()
{
    // The instructions box's attributes at its selection, its own font where they say nothing.
    const QTextCharFormat f = eModele->textCursor().charFormat();
    const QFont font = f.font().resolve(eModele->document()->defaultFont());
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

void TForm1::changerPoliceReponse(const Police& police)
{
    FontDialog1 = police;
    appliquerPolice(eSaisie, false);
    appliquerPolice(eMotATraduire, false);
}

// ---- The run ----------------------------------------------------------------------------------

void TForm1::LancerExercice()
{
    Deroulement& d = deroulement();
    eModele->clear();
    eSaisie->clear();
    eMotATraduire->clear();
    lDossierCourant->clear();
    if (!plateforme().changerDossier(etat.RepertoireExercices))
        throw ErreurES(etat.RepertoireExercices);
    EnregistrerReussites();

    etat.ExerciceCourant.clear();
    plateforme().montrerModal(*Form2);
    d.RemettreLeTempsAZero();
    if (etat.ExerciceCourant.isEmpty() || plateforme().finDemandee())
        return;

    try {
        ChargerExercice();
    } catch (const ErreurES& e) {
        // Nothing of the previous exercise may stay answerable.
        d.Vider();
        fermerSaisie();
        afficherBoite(e.message(), TypeBoite::Erreur);
        return;
    }
    if (d.NbItems > profil().minimumChoixItems)
        plateforme().montrerModal(*fChoixNbItems);
    d.OuvrirScore();

    if (d.ChoisirItemSuivant().isEmpty()) {
        afficherBoite(QStringLiteral("Il n'y a plus d'items à retravailler dans cet exercice !"),
                      TypeBoite::Information);
        fermerSaisie();
        return;
    }
    afficherItem(d.Consigne);
    d.EcrireDebut();
}

void TForm1::ChargerExercice()
{
    ChargerReussites();
    const ContenuExercice contenu = lireExercice(lireLignesExercice(etat.ExerciceCourant));
    Deroulement& d = deroulement();
    const QStringList sansReponse = d.Charger(contenu);
    eModele->setPlainText(d.EnteteExercice);
    lDossierCourant->setText(NomExercice(etat.ExerciceCourant));
    bJEcoute->setEnabled(!AideExercice(etat.ExerciceCourant).isEmpty());
    for (const QString& ligne : sansReponse)
        afficherBoite(QStringLiteral("Item sans réponse possible (") + ligne + QStringLiteral(") - Item ignoré"),
                      TypeBoite::Information);
}

void TForm1::AfficherReponse(int millisecondes)
{
    afficherReponse(deroulement().PremiereReponse());
    plateforme().repeindre(this);
    if (millisecondes == 0)
        return;
    plateforme().dormir(millisecondes);
    afficherConsignes(deroulement().EnteteExercice);
}

bool TForm1::VerifierReponse()
{
    const QString saisie = texteBrut(eSaisie);
    const Verification v = deroulement().VerifierReponse(saisie);
    if (v.texteSaisie != saisie)
        eSaisie->setPlainText(v.texteSaisie);
    longueurBleue_ = v.longueurBleue;
    SurlignerDebutCorrect();
    return v.juste;
}

void TForm1::SurlignerDebutCorrect()
{
    appliquerPolice(eSaisie, true);
    QTextCursor c(eSaisie->document());
    c.setPosition(0);
    c.setPosition(qMin(longueurBleue_, static_cast<int>(texteBrut(eSaisie).size())), QTextCursor::KeepAnchor);
    QTextCharFormat bleu;
    bleu.setForeground(QColor(0, 0, 255));
    c.mergeCharFormat(bleu);
    QTextCursor fin(eSaisie->document());
    fin.movePosition(QTextCursor::End);
    eSaisie->setTextCursor(fin);
    QTextCharFormat noir = eSaisie->currentCharFormat();
    noir.setForeground(QColor(Qt::black));
    eSaisie->setCurrentCharFormat(noir);
}

void TForm1::bJaiEcritClick()
{
    Deroulement& d = deroulement();
    d.CompterEssai();
    if (VerifierReponse()) {
        d.ReponseJuste();
        JouerBruitage(QStringLiteral("juste.wav"));
        ItemReussi();
        return;
    }
    d.ReponseFausse(texteBrut(eSaisie));
    JouerBruitage(QStringLiteral("faux.wav"));

    auto message = [](const QString& texte) {
        fMessagePerso->Texte = texte;
        fMessagePerso->TypeMessage = QStringLiteral("PasBon");
        plateforme().montrerModal(*fMessagePerso);
    };
    switch (d.NbEssais) {
    case 1:
        message(QStringLiteral("As-tu bien saisi la réponse ? Essaie encore."));
        break;
    case 2:
        message(QStringLiteral("Non, la réponse va s'afficher, puis disparaître."));
        AfficherReponse(etat.TempsLecture > 0 ? etat.TempsLecture * 1000 : 3000);
        break;
    case 3:
        message(QStringLiteral("Oups ! Tu n'as toujours pas saisi précisément la réponse."));
        AfficherReponse(0);
        message(QStringLiteral("Observe la réponse, puis clique sur <OK>."));
        afficherConsignes(d.EnteteExercice);
        plateforme().repeindre(this);
        break;
    default:
        message(QStringLiteral("Observe bien la réponse et recopie-la."));
        AfficherReponse(0);
        break;
    }
}

void TForm1::ItemReussi()
{
    fMessagePerso->Texte = QStringLiteral("C'est bien, item réussi, continue.");
    fMessagePerso->TypeMessage = QStringLiteral("Bon");
    plateforme().montrerModal(*fMessagePerso);
    if (plateforme().finDemandee())
        return;

    Deroulement& d = deroulement();
    d.ItemReussi(texteBrut(eSaisie));
    if (!d.ChoisirItemSuivant().isEmpty()) {
        afficherItem(d.Consigne);
        return;
    }
    afficherBoite(QStringLiteral("Il n'y a plus d'items à retravailler dans cet exercice !"), TypeBoite::Information);

    JouerBruitage(QStringLiteral("fin.wav"));
    const FinExercice fin = d.Terminer();
    fMsgOuiNonPerso->Texte = fin.texte;
    fMsgOuiNonPerso->NoteLettre = fin.noteLettre;
    plateforme().montrerModal(*fMsgOuiNonPerso);
    if (plateforme().finDemandee())
        return;

    if (fMsgOuiNonPerso->Reponse) {
        eSaisie->clear();
        eModele->clear();
        plateforme().changerDossier(etat.RepertoireExercices);
        LancerExerciceSuivant();
        return;
    }
    fermerSaisie();
    if (etat.ImpressionPermise == 1 && !etat.EleveCourant.isEmpty()
        && afficherBoite(QStringLiteral("Veux-tu voir ton bilan ?"), TypeBoite::Confirmation,
                         BoutonsBoite::OuiNon) == ReponseBoite::Oui) {
        EnregistrerReussites();
        etat.ModeEnseignant = 0;
        plateforme().montrerModal(*fBilans);
    }
    QuitterLeLogiciel(4000);
}

bool TForm1::toucheCommande(int touche)
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

bool TForm1::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == Image1 && evenement->type() == QEvent::MouseButtonRelease) {
        garde([this] { Image1Click(); });
        return true;
    }
    if (evenement->type() == QEvent::FocusOut && (objet == eModele || objet == eMotATraduire)) {
        garde([this] { eModeleExit(); });
        return false;
    }
    if (evenement->type() == QEvent::KeyPress
        && (objet == eSaisie || objet == eModele || objet == eMotATraduire)) {
        auto* k = static_cast<QKeyEvent*>(evenement);
        const int t = k->key();
        if (t == Qt::Key_Return || t == Qt::Key_Enter || t == Qt::Key_Escape) {
            // Enter never types a line break, whatever the modifiers.
            garde([this, t] { toucheCommande(t); });
            return true;
        }
    }
    return Fiche::eventFilter(objet, evenement);
}

void TForm1::keyPressEvent(QKeyEvent* e)
{
    bool utilisee = false;
    garde([&] { utilisee = toucheCommande(e->key()); });
    if (!utilisee)
        Fiche::keyPressEvent(e);
}
