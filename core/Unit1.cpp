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

#include "Bruitage.h"
#include "Chemins.h"
#include "Parametres.h"
#include "Plateforme.h"
#include "Profil.h"
#include "Resultats.h"
#include "Texte.h"

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
    setObjectName(QStringLiteral("Form1"));
    Form1 = this;
    definirFenetreExercice(this);
    definirCadre(false, Echappement::Ignore);
    definirPlacement(Placement::Ecran);
    definirTailleClient(631, 431);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0x87, 0xCE, 0xEB)); // sky blue
    setPalette(p);
    setAutoFillBackground(true);
    creerControles();
    Timer1_ = plateforme().creerMinuterie(1000, [this] { Timer1Timer(); });
    FormCreate(arguments);
}

TForm1::~TForm1()
{
    if (Form1 == this)
        Form1 = nullptr;
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

    lDossierCourant_ = etiquette(this, QRect(170, 8, 405, 28), 20);

    lEnJeu = zoneBulle(this, QRect(10, 110, 155, 55), QStringLiteral("Nombre de points en jeu"));
    lScore = zoneBulle(this, QRect(10, 175, 77, 55), QStringLiteral("Mon score"));
    lScoreMaxi = zoneBulle(this, QRect(88, 175, 77, 55), QStringLiteral("Score maximum"));
    lItemsReussis = zoneBulle(this, QRect(10, 240, 77, 55),
                              QStringLiteral("Nombre d'items réussis au premier essai"));
    lReponses = zoneBulle(this, QRect(88, 240, 77, 55), QStringLiteral("Nombre d'items de la partie"));
    lTempsEffectif = zoneBulle(this, QRect(10, 305, 155, 55), QStringLiteral("Temps effectif"));

    lBonus_ = etiquette(this, QRect(15, 130, 145, 30), 24, true);
    lNote_ = etiquette(this, QRect(15, 195, 65, 30), 22, true);
    lNote_->setToolTip(QStringLiteral("Mon score"));
    lNoteMaxi_ = etiquette(this, QRect(92, 195, 68, 30), 22, true);
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
    eSaisie_ = boiteTexte(this, QRect(180, 267, 396, 64), false);
    eSaisie_->setFont(QFont(QStringLiteral("Times New Roman")));
    eSaisie_->setEnabled(true);

    bJEcoute = boutonPlat(this, QRect(584, 267, 38, 30), QStringLiteral(":/images/aide.png"),
                          QStringLiteral("Besoin d'aide ?"));
    bJEcoute->setEnabled(false);
    bClavier = boutonPlat(this, QRect(584, 301, 38, 30), QStringLiteral(":/images/clavier.png"),
                          QStringLiteral("Comment saisir un accent ?"));
    bJaiEcrit = boutonPlat(this, QRect(437, 374, 185, 47), QStringLiteral(":/images/jai_ecrit.png"),
                           QString());
    bJaiEcrit->setIconSize(QSize(185, 47));
    bJaiEcrit->setEnabled(false);

    // Tab order: the answer, then the instructions, then the prompt.
    setTabOrder(eSaisie_, eModele);
    setTabOrder(eModele, eMotATraduire);

    for (QTextEdit* e : {eSaisie_, eModele, eMotATraduire})
        e->installEventFilter(this);

    relier(bJaiEcrit, &TForm1::bJaiEcritClick);
    relier(bStop, &TForm1::bStopClick);
    relier(bJEcoute, &TForm1::bJEcouteClick);
    relier(bClavier, &TForm1::bClavierClick);
}

void TForm1::FormCreate(const QStringList& arguments)
{
    const QString parDefaut = plateforme().dossierProgramme() + profil().fichierIni;
    if (arguments.isEmpty()) {
        etat.FichierIni = parDefaut;
    } else {
        const QString argument = arguments.first();
        if (existeFichier(argument)) {
            etat.FichierIni = QFileInfo(resoudreChemin(argument)).absoluteFilePath();
        } else {
            afficherBoite(QStringLiteral("Le fichier INI passé en paramètre (") + argument
                              + QStringLiteral(") est introuvable"),
                          TypeBoite::Avertissement);
            etat.FichierIni = parDefaut;
        }
    }
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

    // Write probe in the program folder; never touches a file it did not create.
    for (int essai = 0; essai < 10; ++essai) {
        const QString sonde = NomFichierTest();
        if (existe(sonde))
            continue;
        if (!CreerFichierVide(sonde))
            etat.EcriturePossible = 0;
        else if (existeFichier(sonde))
            QFile::remove(resoudreChemin(sonde));
        break;
    }

    titreApplication() = profil().titre;
    setWindowTitle(titreApplication());
    LancerExercice();
    lDossierCourant_->setText(NomExercice(etat.ExerciceCourant));
    lBonus_->setText(QStringLiteral("5"));
    etat.PremiereActivation = 0;
    activationEnCours_ = false;
}

void TForm1::FormClose()
{
    EnregistrerReussites();
}

void TForm1::ChargerParametres()
{
    if (!LireParametres(FontDialog1)) {
        Close();
        return;
    }
    appliquerPolice(eSaisie_, false);
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
    f.setForeground(noir ? QColor(Qt::black) : couleurWindows(FontDialog1.couleur));
    QTextCursor c(boite->document());
    c.select(QTextCursor::Document);
    c.setCharFormat(f);
    boite->setCurrentCharFormat(f);
}

void TForm1::Timer1Timer()
{
    ++etat.TempsItem;
    lTemps->setText(FormaterDuree(etat.TempsExercice + etat.TempsItem, true));
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
    // The interruption dialog comes with the dialogs of a run.
}

void TForm1::bClavierClick()
{
}

void TForm1::bJEcouteClick()
{
}

void TForm1::LancerExercice()
{
}

void TForm1::ChargerExercice()
{
}

QString TForm1::ChoisirItemSuivant()
{
    return QString();
}

void TForm1::AfficherReponse(int)
{
}

void TForm1::ItemReussi()
{
}

bool TForm1::VerifierReponse()
{
    return false;
}

void TForm1::SurlignerDebutCorrect()
{
}

void TForm1::bJaiEcritClick()
{
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
        && (objet == eSaisie_ || objet == eModele || objet == eMotATraduire)) {
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

QString NomExercice(const QString& chemin)
{
    QString nom = chemin.mid(chemin.lastIndexOf(QLatin1Char('/')) + 1);
    nom.remove(QStringLiteral(".txt"), Qt::CaseSensitive);
    nom.remove(QStringLiteral(".TXT"), Qt::CaseSensitive);
    nom.remove(QStringLiteral(".Txt"), Qt::CaseSensitive);
    return nom;
}
