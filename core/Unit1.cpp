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
#include "ChoixNbItems.h"
#include "Comparaison.h"
#include "ErreurES.h"
#include "Exercice.h"
#include "MessagePerso.h"
#include "MsgOuiNonPerso.h"
#include "Quitter.h"
#include "Unit2.h"
#include "Unit4.h"
#include "copieecran.h"
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
    // The pictures of the windows live in the static libraries: bring them in.
    Q_INIT_RESOURCE(core_images);
    Q_INIT_RESOURCE(access_images);
    setObjectName(QStringLiteral("Form1"));
    Form1 = this;
    definirFenetreExercice(this);
    definirCadre(false, Echappement::Ignore);
    definirPlacement(Placement::Ecran);
    definirTailleClient(631, 431);
    definirFond(bleuCiel());
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

    // Tab order: the answer first, then the instructions, then the prompt, then the stop button.
    setTabOrder(eSaisie_, eModele);
    setTabOrder(eModele, eMotATraduire);
    setTabOrder(eMotATraduire, bStop);
    eSaisie_->setFocus();

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

void TForm1::LancerExercice()
{
    eModele->clear();
    eSaisie_->clear();
    eMotATraduire->clear();
    lDossierCourant_->clear();
    if (!plateforme().changerDossier(etat.RepertoireExercices))
        throw ErreurES(etat.RepertoireExercices);
    EnregistrerReussites();

    etat.ExerciceCourant.clear();
    plateforme().montrerModal(*Form2);
    etat.TempsExercice = 0;
    etat.TempsItem = 0;
    if (etat.ExerciceCourant.isEmpty() || plateforme().finDemandee())
        return;

    try {
        ChargerExercice();
    } catch (const ErreurES& e) {
        // Nothing of the previous exercise may stay answerable.
        Timer1_->arreter();
        etat.TableItems.clear();
        etat.NbItems = 0;
        etat.ItemCourant.clear();
        etat.Consigne.clear();
        etat.Reponses.clear();
        bJaiEcrit->setEnabled(false);
        eSaisie_->setEnabled(false);
        lNote_->setText(QStringLiteral("0"));
        lNoteMaxi_->setText(QStringLiteral("0"));
        afficherBoite(e.message(), TypeBoite::Erreur);
        return;
    }
    if (etat.NbItems > profil().minimumChoixItems)
        plateforme().montrerModal(*fChoixNbItems);
    lNote_->setText(QStringLiteral("0"));
    lNoteMaxi_->setText(QString::number(etat.NbItems * 5));

    etat.ItemCourant = ChoisirItemSuivant();
    if (etat.ItemCourant.isEmpty()) {
        bJaiEcrit->setEnabled(false);
        eSaisie_->setEnabled(false);
        return;
    }
    bJaiEcrit->setEnabled(true);
    eSaisie_->setEnabled(true);
    eSaisie_->setFocus(); // the pupil types at once
    mettreTexte(eMotATraduire, etat.Consigne, true);
    if (!etat.EleveCourant.isEmpty())
        AjouterLigne(FichierDetail(), LigneDebutExercice(plateforme().maintenant(), etat.NbItems,
                                                         NomExercice(etat.ExerciceCourant)));
    etat.NbReussisPremierEssai = 0;
    lNbItemsRepondus->setText(QStringLiteral("0"));
    lNbItemsTotal->setText(QString::number(etat.NbItems));
}

void TForm1::ChargerExercice()
{
    ChargerReussites();
    etat.OrdreAleatoire = 1;
    etat.UnMotSuffit = 0;
    etat.MotsPermutes = 0;
    etat.NbItems = 0;
    etat.NbItemsDisponibles = 0;
    etat.TableItems.clear();

    const ContenuExercice contenu = lireExercice(lireLignesExercice(etat.ExerciceCourant));
    etat.EnteteExercice = contenu.entete;
    eModele->setPlainText(etat.EnteteExercice);
    lDossierCourant_->setText(NomExercice(etat.ExerciceCourant));
    bJEcoute->setEnabled(!AideExercice(etat.ExerciceCourant).isEmpty());

    etat.OrdreAleatoire = contenu.ordreAleatoire;
    etat.MotsPermutes = contenu.motsPermutes;
    etat.UnMotSuffit = contenu.unMotSuffit;
    for (const QString& ligne : contenu.candidats) {
        if (ligne.contains(QLatin1Char('|'))) {
            ++etat.NbItemsDisponibles;
            if (ItemATravailler(ligne)) {
                etat.TableItems.append({ligne, 'N'});
                ++etat.NbItems;
            }
        } else {
            afficherBoite(QStringLiteral("Item sans réponse possible (") + ligne + QStringLiteral(") - Item ignoré"),
                          TypeBoite::Information);
        }
    }
}

QString TForm1::ChoisirItemSuivant()
{
    QList<int> candidats;
    for (int i = 0; i < etat.NbItems && i < etat.TableItems.size(); ++i)
        if (etat.TableItems[i].EtatItem != 'O')
            candidats.append(i);
    if (candidats.isEmpty()) {
        afficherBoite(QStringLiteral("Il n'y a plus d'items à retravailler dans cet exercice !"),
                      TypeBoite::Information);
        return QString();
    }
    const int choisi = etat.OrdreAleatoire == 1
                           ? candidats[plateforme().hasard(static_cast<int>(candidats.size()))]
                           : candidats.first();
    const QString ligne = etat.TableItems[choisi].Ligne;
    QString bonus = QStringLiteral("5");
    for (const EntreeItem& e : etat.TableItems)
        if (e.Ligne == ligne) {
            if (e.EtatItem == 'R')
                bonus = QStringLiteral("1");
            break;
        }
    lBonus_->setText(bonus);
    etat.NbEssais = 0;
    appliquerPolice(eSaisie_, true);
    Timer1_->demarrer();
    etat.TempsItem = 0;
    eModele->setPlainText(etat.EnteteExercice);

    const qsizetype barre = ligne.indexOf(QLatin1Char('|'));
    etat.Consigne = ligne.left(barre);
    etat.Reponses = ligne.mid(barre + 1);
    return etat.Consigne;
}

void TForm1::AfficherReponse(int millisecondes)
{
    const qsizetype barre = etat.Reponses.indexOf(QLatin1Char('|'));
    eModele->setPlainText(barre >= 0 ? etat.Reponses.left(barre) : etat.Reponses);
    plateforme().repeindre(this);
    if (millisecondes == 0)
        return;
    plateforme().dormir(millisecondes);
    eModele->clear();
    eModele->setPlainText(etat.EnteteExercice);
}

bool TForm1::VerifierReponse()
{
    ReglesComparaison regles;
    regles.respectEspaces = etat.RespectEspaces == 1;
    regles.respectMajuscules = etat.RespectMajuscules == 1;
    regles.motsPermutes = etat.MotsPermutes == 1;
    regles.unMotSuffit = etat.UnMotSuffit == 1;
    const Verification v = ::VerifierReponse(etat.Reponses, eSaisie_->toPlainText(), regles);
    if (v.texteSaisie != eSaisie_->toPlainText())
        eSaisie_->setPlainText(v.texteSaisie);
    longueurBleue_ = v.longueurBleue;
    SurlignerDebutCorrect();
    return v.juste;
}

void TForm1::SurlignerDebutCorrect()
{
    appliquerPolice(eSaisie_, true);
    QTextCursor c(eSaisie_->document());
    c.setPosition(0);
    c.setPosition(qMin(longueurBleue_, static_cast<int>(eSaisie_->toPlainText().size())), QTextCursor::KeepAnchor);
    QTextCharFormat bleu;
    bleu.setForeground(QColor(0, 0, 255));
    c.mergeCharFormat(bleu);
    QTextCursor fin(eSaisie_->document());
    fin.movePosition(QTextCursor::End);
    eSaisie_->setTextCursor(fin);
    QTextCharFormat noir = eSaisie_->currentCharFormat();
    noir.setForeground(QColor(Qt::black));
    eSaisie_->setCurrentCharFormat(noir);
}

void TForm1::bJaiEcritClick()
{
    ++etat.NbEssais;
    if (VerifierReponse()) {
        Timer1_->arreter();
        etat.TempsExercice += etat.TempsItem;
        JouerBruitage(QStringLiteral("juste.wav"));
        ItemReussi();
        return;
    }
    const QString saisie = eSaisie_->toPlainText();
    const QString montree = saisie.isEmpty() ? QStringLiteral("...") : saisie;
    if (!etat.EleveCourant.isEmpty()) {
        const QString detail = FichierDetail();
        if (etat.NbEssais == 1) {
            MarquerEchec(etat.ItemCourant);
            AjouterLigne(detail, QString());
            AjouterLigne(detail, etat.Reponses);
        }
        AjouterLigne(detail, QStringLiteral("  ") + montree);
    }
    JouerBruitage(QStringLiteral("faux.wav"));

    const QString bonus = lBonus_->text();
    if (bonus == QLatin1String("1") || bonus == QLatin1String("0"))
        lBonus_->setText(QStringLiteral("0"));
    else
        lBonus_->setText(QString::number(etat.NbEssais == 1 ? 3 : etat.NbEssais == 2 ? 2 : etat.NbEssais == 3 ? 1 : 0));

    auto message = [](const QString& texte) {
        fMessagePerso->Texte = texte;
        fMessagePerso->TypeMessage = QStringLiteral("PasBon");
        plateforme().montrerModal(*fMessagePerso);
    };
    switch (etat.NbEssais) {
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
        eModele->clear();
        eModele->setPlainText(etat.EnteteExercice);
        plateforme().repeindre(this);
        break;
    default:
        message(QStringLiteral("Observe bien la réponse et recopie-la."));
        AfficherReponse(0);
        break;
    }
}

QString LettreNote(int note, int noteMaxi)
{
    const int p = noteMaxi > 0 ? 100 * note / noteMaxi : 0;
    if (p >= 100)
        return QStringLiteral("A");
    if (p >= 95)
        return QStringLiteral("B");
    if (p >= 90)
        return QStringLiteral("C");
    const char lettres[] = "JJJIHGFED"; // tens 0..8
    return QString(QLatin1Char(lettres[p < 0 ? 0 : p / 10]));
}

void TForm1::ItemReussi()
{
    fMessagePerso->Texte = QStringLiteral("C'est bien, item réussi, continue.");
    fMessagePerso->TypeMessage = QStringLiteral("Bon");
    plateforme().montrerModal(*fMessagePerso);
    if (plateforme().finDemandee())
        return;

    const bool eleve = !etat.EleveCourant.isEmpty();
    if (eleve)
        AjouterLigne(FichierDetail(), QStringLiteral("Item réussi ") + etat.ItemCourant + QStringLiteral(" en ")
                                          + FormaterDuree(etat.TempsItem, false) + QStringLiteral("."));
    if (etat.NbEssais == 1 && rogner(lBonus_->text()) == QLatin1String("5") && eleve)
        CompterReussite(etat.ItemCourant);

    const QString ligne = etat.Consigne + QLatin1Char('|') + etat.Reponses;
    for (int i = 0; i < etat.NbItems && i < etat.TableItems.size(); ++i) {
        EntreeItem& e = etat.TableItems[i];
        if (e.EtatItem == 'O' || e.Ligne != ligne)
            continue;
        etat.Score += lBonus_->text().toInt();
        if (etat.NbEssais == 1) {
            e.EtatItem = 'O';
            ++etat.NbReussisPremierEssai;
            lNbItemsRepondus->setText(QString::number(etat.NbReussisPremierEssai));
        } else {
            e.EtatItem = 'R';
        }
        break;
    }
    lNote_->setText(QString::number(etat.Score));
    lNoteMaxi_->setText(QString::number(etat.NbItems * 5));

    etat.ItemCourant = ChoisirItemSuivant();
    if (!etat.ItemCourant.isEmpty()) {
        eSaisie_->clear();
        bJaiEcrit->setEnabled(true);
        eSaisie_->setEnabled(true);
        eSaisie_->setFocus();
        mettreTexte(eMotATraduire, etat.Consigne, true);
        appliquerPolice(eSaisie_, true);
        return;
    }

    JouerBruitage(QStringLiteral("fin.wav"));
    if (eleve) {
        const QString detail = FichierDetail();
        AjouterLigne(detail, QString());
        AjouterLigne(detail, QStringLiteral("Temps exercice : ") + FormaterDuree(etat.TempsExercice, false)
                                 + QStringLiteral("."));
        AjouterLigne(detail, QStringLiteral("Score : ") + lNote_->text() + QStringLiteral("/")
                                 + lNoteMaxi_->text() + QStringLiteral("."));
        AjouterLigne(detail, LigneTirets());
        AjouterLigne(FichierExos(), LigneExos(DateFichier(plateforme().maintenant().date()), true,
                                              lNote_->text(), lNoteMaxi_->text(),
                                              NomExercice(etat.ExerciceCourant)));
    }
    const int note = lNote_->text().toInt();
    fMsgOuiNonPerso->Texte = QStringLiteral("Bravo ") + etat.EleveCourant + QStringLiteral(" !\r")
                             + QStringLiteral("Exercice terminé en ") + FormaterDuree(etat.TempsExercice, false)
                             + QStringLiteral(",\r") + QStringLiteral("avec un score de ") + lNote_->text()
                             + QStringLiteral(" point") + (note >= 2 ? QStringLiteral("s") : QString())
                             + QStringLiteral(" sur ") + lNoteMaxi_->text() + QStringLiteral(".");
    fMsgOuiNonPerso->NoteLettre = LettreNote(note, lNoteMaxi_->text().toInt());
    plateforme().montrerModal(*fMsgOuiNonPerso);
    if (plateforme().finDemandee())
        return;

    if (fMsgOuiNonPerso->Reponse) {
        eSaisie_->clear();
        eModele->clear();
        plateforme().changerDossier(etat.RepertoireExercices);
        LancerExercice();
        etat.Score = 0;
        lBonus_->setText(QStringLiteral("5"));
        if (etat.NbItems > 0)
            lNote_->setText(QStringLiteral("0"));
        lDossierCourant_->setText(NomExercice(etat.ExerciceCourant));
        return;
    }
    bJaiEcrit->setEnabled(false);
    eSaisie_->setEnabled(false);
    if (etat.ImpressionPermise == 1 && eleve
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
