#include "Unit1Castiflore.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>

#include "Bilans.h"
#include "Bruitage.h"
#include "Chemins.h"
#include "ChoixNbItems.h"
#include "Deroulement.h"
#include "DossierDictee.h"
#include "ErreurES.h"
#include "Fichiers.h"
#include "FichierReussites.h"
#include "Migrations.h"
#include "MessagePerso.h"
#include "MsgOuiNonPerso.h"
#include "NomsItems.h"
#include "Parametres.h"
#include "Plateforme.h"
#include "Profil.h"
#include "Quitter.h"
#include "ReglesDictee.h"
#include "Texte.h"
#include "TexteBrut.h"
#include "Unit2.h"
#include "copieecran.h"

// The pictures of the windows live in the static libraries: bring them in (outside any
// namespace, where the resources' own functions are).
static void chargerImages()
{
    Q_INIT_RESOURCE(dictation_images);
    Q_INIT_RESOURCE(access_images);
}

namespace castiflore {

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

QTextEdit* boiteTexte(QWidget* parent, const QRect& r)
{
    auto* e = new QTextEdit(parent);
    e->setGeometry(r);
    e->setAcceptRichText(false);
    e->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
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
    chargerImages();
    setObjectName(QStringLiteral("Form1"));
    Form1 = this;
    definirFenetreExercice(this);
    deroulement().definirRegles(std::make_shared<ReglesDeroulementCastiflore>());
    definirCadre(false, Echappement::Ignore);
    definirPlacement(Placement::Ecran);
    definirTailleClient(640, 470);
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
    FondEcran->setGeometry(0, 0, 640, 470);
    FondEcran->setPixmap(QPixmap(QStringLiteral(":/castiflore/fond_castiflore.jpg")));

    Image1 = new QLabel(this);
    Image1->setGeometry(0, 0, 161, 97);
    Image1->setPixmap(QPixmap(QStringLiteral(":/castiflore/logo_castiflore.png")));
    Image1->setToolTip(QStringLiteral("Rendez-vous sur le site de Talvorenne"));
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->installEventFilter(this);

    lDossierCourant = etiquette(this, QRect(176, 8, 408, 30), 20);

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
    bStop->setGeometry(593, 4, 39, 41);
    bStop->setIcon(QIcon(QStringLiteral(":/castiflore/stop.png")));
    bStop->setIconSize(QSize(31, 33));
    bStop->setToolTip(QStringLiteral("Quitter l'exercice"));
    // Enter and Escape are the window's keys, never a button's.
    bStop->setFocusPolicy(Qt::NoFocus);
    bStop->setAutoDefault(false);

    iExplication = new QLabel(this);
    iExplication->setGeometry(179, 51, 160, 160);
    iExplication->setAlignment(Qt::AlignCenter);

    mMessage = new QPlainTextEdit(this);
    mMessage->setGeometry(352, 50, 278, 164);
    mMessage->setReadOnly(true);
    mMessage->setFocusPolicy(Qt::NoFocus);
    QFont texte(QStringLiteral("DejaVu Sans"));
    texte.setPixelSize(16);
    mMessage->setFont(texte);

    bJEcoute = boutonPlat(this, QRect(177, 224, 164, 51), QStringLiteral(":/castiflore/jecoute.png"),
                          QStringLiteral("Écouter la dictée"));
    bJEcoute->setIconSize(QSize(160, 47));

    eModele = boiteTexte(this, QRect(352, 224, 278, 51));
    eModele->setReadOnly(true);
    eModele->setEnabled(false);

    eSaisie = boiteTexte(this, QRect(179, 288, 410, 72));
    eSaisie->setFont(QFont(QStringLiteral("Times New Roman")));

    bClavier = boutonPlat(this, QRect(596, 288, 36, 30), QStringLiteral(":/castiflore/clavier.png"),
                          QStringLiteral("Comment saisir un accent ?"));
    bJaiEcrit = boutonPlat(this, QRect(445, 413, 185, 47), QStringLiteral(":/castiflore/jai_ecrit.png"), QString());
    bJaiEcrit->setIconSize(QSize(185, 47));

    // Before the first exercise nothing can be heard or answered.
    bJEcoute->setEnabled(false);
    bJaiEcrit->setEnabled(false);
    eSaisie->setEnabled(false);

    eSaisie->installEventFilter(this);

    relier(bJEcoute, &TForm1::bJEcouteClick);
    relier(bJaiEcrit, &TForm1::bJaiEcritClick);
    relier(bStop, &TForm1::bStopClick);
    relier(bClavier, &TForm1::SpeedButton2Click);
}

void TForm1::FormCreate(const QStringList& arguments)
{
    etat.FichierIni = fichierIniDepuisArguments(arguments);
    etat.CheminLogSon.clear();
    etat.MotDePasseEnseignant.clear();
    etat.RepertoireBilans.clear();
    etat.PremiereActivation = 1;
    etat.MotDePasseActif = 1;
    etat.ImpressionPermise = 1;
    etat.EnregistrementSon = 0;
    etat.AjoutNouvelEleve = 1;
    mMessage->clear();
    // Before the settings are read: the older folders beside the executable, whatever the
    // settings name.
    MigrerDossierProgramme(plateforme().dossierProgramme());
    imageParDefaut(QStringLiteral("tlv_pardefaut.jpg"));
}

bool TForm1::montrerImage(const QString& chemin)
{
    // Only a regular file is opened: a pipe named like a picture must not block the window.
    QByteArray octets;
    QPixmap image;
    if (!lireFichierRegulier(resoudreChemin(chemin), octets) || !image.loadFromData(octets))
        return false;
    // Centred, and made smaller to fit when it is larger than the frame, never larger.
    const QSize cadre = iExplication->size();
    if (image.width() > cadre.width() || image.height() > cadre.height())
        image = image.scaled(cadre, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    iExplication->setPixmap(image);
    iExplication->show();
    return true;
}

void TForm1::imageParDefaut(const QString& nom)
{
    const QString chemin = plateforme().dossierProgramme() + nom;
    if (!existeFichier(chemin) || !montrerImage(chemin)) {
        iExplication->clear();
        iExplication->hide();
    }
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
    viderBoite(eModele);
    viderBoite(eSaisie);
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
    // Castiflore keeps no backup of the successes: the save has nothing to recover.
    (void)::EnregistrerReussites();
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
    appliquerPolice(eSaisie);
    appliquerPolice(eModele);
}

void TForm1::appliquerPolice(QTextEdit* boite)
{
    QTextCharFormat f;
    f.setFontFamilies({FontDialog1.nom});
    f.setProperty(QTextFormat::FontPixelSize, qRound(FontDialog1.taillePoints * 96.0 / 72.0));
    f.setFontWeight(FontDialog1.style & 1 ? QFont::Bold : QFont::Normal);
    f.setFontItalic(FontDialog1.style & 2);
    f.setFontUnderline(FontDialog1.style & 4);
    f.setFontStrikeOut(FontDialog1.style & 8);
    f.setForeground(couleurDepuisWindows(FontDialog1.couleur));
    QTextCursor c(boite->document());
    c.select(QTextCursor::Document);
    c.setCharFormat(f);
    boite->setCurrentCharFormat(f);
}

void TForm1::viderBoite(QTextEdit* boite)
{
    boite->clear();
    appliquerPolice(boite);
}

void TForm1::Timer1Timer()
{
    deroulement().Tic();
}

void TForm1::Image1Click()
{
    plateforme().ouvrir(QString::fromLatin1(adresseSite));
}

void TForm1::SpeedButton2Click()
{
    plateforme().montrerModal(*CPEcr);
}

void TForm1::bStopClick()
{
    // The successes are saved by the dialog's "another exercise" and by the closing.
    plateforme().montrerModal(*fQuitter);
}

// ---- The run ----------------------------------------------------------------------------------

void TForm1::LancerExercice()
{
    Deroulement& d = deroulement();
    if (!plateforme().changerDossier(etat.RepertoireExercices))
        throw ErreurES(etat.RepertoireExercices);
    EnregistrerReussites();

    etat.ExerciceCourant.clear();
    plateforme().montrerModal(*Form2);
    d.RemettreLeTempsAZero();
    if (etat.ExerciceCourant.isEmpty() || plateforme().finDemandee())
        return;

    const TableDesReussites& reussites = etat.TableReussites;
    const int necessaires = etat.NbReponsesNecessaires;
    const bool eleve = !etat.EleveCourant.isEmpty();
    const ItemsDuDossier dossier = ParcourirDossierExercice(etat.ExerciceCourant, [&](const QString& nom) {
        return ItemATravailler(nom, reussites, necessaires, eleve);
    });
    d.ChargerItems(dossier.items, dossier.NbItemsDisponibles, dossier.OrdreAleatoire);
    if (d.NbItems > profil().minimumChoixItems)
        plateforme().montrerModal(*fChoixNbItems);
    d.OuvrirScore();
    mMessage->clear();

    if (ChoisirItemSuivant().isEmpty()) {
        fermerSaisie();
        bJEcoute->setEnabled(false);
    } else {
        // The pupil listens before typing.
        fermerSaisie();
        bJEcoute->setEnabled(true);
        d.EcrireDebut();
    }
    viderBoite(eModele);
}

QString TForm1::ChoisirItemSuivant()
{
    imageParDefaut(QStringLiteral("tlv_pardefaut.bmp"));
    mMessage->clear();
    NouvelItem = 1;
    Deroulement& d = deroulement();
    const QString item = d.ChoisirItemSuivant();
    // At the normal end of an exercise every item is done: nothing to tell.
    if (item.isEmpty() && d.NbItems == 0)
        afficherBoite(QStringLiteral("Il n'y a plus d'items à retravailler dans ce dossier !"), TypeBoite::Information);
    return item;
}

void TForm1::bJEcouteClick()
{
    Deroulement& d = deroulement();
    const QString item = d.ItemCourant;
    if (item.isEmpty())
        return;
    // Relative to the current folder, which is the exercise's. An item that cannot be opened
    // is told, and nothing else happens.
    if (!plateforme().jouerItem(resoudreChemin(item)))
        throw ErreurES(item);
    bJaiEcrit->setEnabled(true);
    eSaisie->setEnabled(true);
    eSaisie->setFocus();
    if (NouvelItem != 1)
        return;
    // The item's time counts from its first listening.
    d.DemarrerHorloge();
    d.TempsItem = 0;
    for (const QString& ligne : lignesTexteItem(QString(), item))
        mMessage->appendPlainText(ligne);
    const QString image = cheminImageItem(QString(), item);
    if (!image.isEmpty())
        montrerImage(image);
    NouvelItem = 0;
}

void TForm1::bJaiEcritClick()
{
    Deroulement& d = deroulement();
    d.CompterEssai();
    const bool ordreAleatoire = d.OrdreAleatoire == 1;
    const QString tape = texteBrut(eSaisie);
    const QString saisie = saisieAvecLigature(tape, d.ItemCourant, ordreAleatoire);
    if (saisie != tape) {
        eSaisie->setPlainText(saisie);
        appliquerPolice(eSaisie);
        eSaisie->moveCursor(QTextCursor::End);
    }
    if (saisieJuste(saisie, d.ItemCourant, ordreAleatoire, etat.RespectMajuscules == 1))
        ItemReussi(saisie);
    else
        ReponseFausse(saisie);
}

void TForm1::ItemReussi(const QString& saisie)
{
    Deroulement& d = deroulement();
    // The clock stops before the box: the pupil's reading of it is not the item's time.
    d.ReponseJuste();
    JouerBruitage(QStringLiteral("juste.wav"));
    fMessagePerso->Texte = QStringLiteral("C'est bien, continue.");
    fMessagePerso->TypeMessage = QStringLiteral("Bon");
    plateforme().montrerModal(*fMessagePerso);
    if (plateforme().finDemandee())
        return;

    d.ItemReussi(saisie);
    viderBoite(eSaisie);
    viderBoite(eModele);
    const QString suivant = ChoisirItemSuivant();
    // The next item is heard before it is typed.
    fermerSaisie();
    if (suivant.isEmpty()) {
        TerminerExercice();
        return;
    }
    viderBoite(eSaisie);
}

void TForm1::ReponseFausse(const QString& saisie)
{
    Deroulement& d = deroulement();
    d.ReponseFausse(saisie);
    JouerBruitage(QStringLiteral("faux.wav"));

    auto message = [](const QString& texte) {
        fMessagePerso->Texte = texte;
        fMessagePerso->TypeMessage = QStringLiteral("PasBon");
        plateforme().montrerModal(*fMessagePerso);
    };
    const QString modele = texteModele(d.ItemCourant, d.OrdreAleatoire == 1);
    switch (d.NbEssais) {
    case 1:
        message(QStringLiteral("Ce n'est pas la bonne réponse. Essaie encore."));
        break;
    case 2:
        message(QStringLiteral("Non, la bonne réponse va s'afficher puis disparaître."));
        afficherReponse(modele);
        plateforme().repeindre(this);
        plateforme().dormir(etat.TempsLecture > 0 ? etat.TempsLecture * 1000 : 3000);
        viderBoite(eModele);
        break;
    case 3:
        message(QStringLiteral("Observe la réponse, puis clique sur <OK>."));
        afficherReponse(modele);
        plateforme().repeindre(this);
        message(QStringLiteral("J'essaie encore."));
        viderBoite(eModele);
        break;
    default:
        message(QStringLiteral("Observe bien la réponse."));
        afficherReponse(modele);
        break;
    }
    // The next typing replaces the answer.
    eSaisie->selectAll();
}

void TForm1::TerminerExercice()
{
    Deroulement& d = deroulement();
    JouerBruitage(QStringLiteral("fin.wav"));
    const ::FinExercice fin = d.Terminer();
    fMsgOuiNonPerso->Texte = fin.texte;
    fMsgOuiNonPerso->NoteLettre = fin.noteLettre;
    plateforme().montrerModal(*fMsgOuiNonPerso);
    if (plateforme().finDemandee())
        return;

    if (fMsgOuiNonPerso->Reponse) {
        if (!plateforme().changerDossier(etat.RepertoireExercices))
            throw ErreurES(etat.RepertoireExercices);
        LancerExerciceSuivant();
        return;
    }
    fermerSaisie();
    bJEcoute->setEnabled(false);
    if (etat.ImpressionPermise == 1 && !etat.EleveCourant.isEmpty()
        && afficherBoite(QStringLiteral("Veux-tu voir ton bilan ?"), TypeBoite::Confirmation,
                         BoutonsBoite::OuiNon) == ReponseBoite::Oui) {
        EnregistrerReussites();
        etat.ModeEnseignant = 0;
        plateforme().montrerModal(*fBilans);
    }
    QuitterLeLogiciel(4000);
}

// ---- What the run shows ---------------------------------------------------------------------

void TForm1::afficherItem(const QString&)
{
    // No prompt: the item is heard, at the pupil's first listening.
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
    appliquerPolice(eModele);
}

void TForm1::afficherConsignes(const QString&)
{
    // A dictation has no instructions: the model box stays as the answer check leaves it.
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
    viderBoite(eSaisie);
}

Police TForm1::policeProposee()
{
    // The answer box's attributes at its selection, its own font where they say nothing.
    const QTextCharFormat f = eSaisie->textCursor().charFormat();
    const QFont font = f.font().resolve(eSaisie->document()->defaultFont());
    Police p;
    p.nom = font.family();
    if (font.pointSizeF() > 0)
        p.taillePoints = qRound(font.pointSizeF());
    else if (font.pixelSize() > 0)
        p.taillePoints = qRound(font.pixelSize() * 72.0 / 96.0);
    p.style = (font.weight() >= QFont::DemiBold ? PoliceGras : 0) | (font.italic() ? PoliceItalique : 0)
              | (font.underline() ? PoliceSouligne : 0) | (font.strikeOut() ? PoliceBarre : 0);
    if (f.hasProperty(QTextFormat::ForegroundBrush))
        p.couleur = valeurCouleurWindows(f.foreground().color());
    return p;
}

void TForm1::changerPoliceReponse(const Police& police)
{
    FontDialog1 = police;
    appliquerPolice(eSaisie);
    appliquerPolice(eModele);
}

// ---- Keyboard -----------------------------------------------------------------------------------

bool TForm1::FormKeyPress(int touche)
{
    if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
        if (bJaiEcrit->isEnabled())
            bJaiEcrit->click();
        else if (bJEcoute->isEnabled())
            bJEcoute->click();
        return true;
    }
    if (touche == Qt::Key_Escape) {
        if (bStop->isEnabled())
            bStop->click();
        return true;
    }
    return false;
}

bool TForm1::eSaisieKeyPress(int touche)
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
    if (objet == eSaisie && evenement->type() == QEvent::KeyPress) {
        const int t = static_cast<QKeyEvent*>(evenement)->key();
        // Enter never types a line break, whatever the modifiers: it would land in the log.
        if (t == Qt::Key_Return || t == Qt::Key_Enter || t == Qt::Key_Escape) {
            garde([this, t] { eSaisieKeyPress(t); });
            return true;
        }
    }
    return Fiche::eventFilter(objet, evenement);
}

void TForm1::keyPressEvent(QKeyEvent* e)
{
    bool utilisee = false;
    garde([&] { utilisee = FormKeyPress(e->key()); });
    if (!utilisee)
        Fiche::keyPressEvent(e);
}

} // namespace castiflore
