#include "Unit1Castiflore.h"

#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>

#include "Bruitage.h"
#include "Chemins.h"
#include "Deroulement.h"
#include "DossierDictee.h"
#include "ErreurES.h"
#include "Fichiers.h"
#include "Migrations.h"
#include "NomsItems.h"
#include "Plateforme.h"
#include "Quitter.h"
#include "ReglesDictee.h"
#include "Texte.h"
#include "TexteBrut.h"
#include "copieecran.h"

// The design of the window. Its pictures live in the static libraries: they are brought in
// before any is loaded, outside any namespace, where the resources' own functions are.
static DessinFenetreExercice dessinCastiflore()
{
    Q_INIT_RESOURCE(dictation_images);
    Q_INIT_RESOURCE(access_images);
    return {QSize(640, 470), QStringLiteral(":/castiflore/fond_castiflore.jpg"),
            QStringLiteral(":/castiflore/logo_castiflore.png"), QRect(176, 8, 408, 30), QPoint(593, 4),
            QStringLiteral(":/castiflore/stop.png")};
}

namespace castiflore {

TForm1* Form1 = nullptr;

TForm1::TForm1(const QStringList& arguments) : FenetreExerciceCommune(dessinCastiflore())
{
    Form1 = this;
    deroulement().definirRegles(std::make_shared<ReglesDeroulementCastiflore>());
    creerControles();
    FormCreate(arguments);
}

TForm1::~TForm1()
{
    if (Form1 == this)
        Form1 = nullptr;
}

void TForm1::creerControles()
{
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
    definirAutreBoitePolice(eModele);

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

    commandesAuClavier(eSaisie);

    relier(bJEcoute, &TForm1::bJEcouteClick);
    relier(bJaiEcrit, &TForm1::bJaiEcritClick);
    relier(bStop, &TForm1::bStopClick);
    relier(bClavier, &TForm1::SpeedButton2Click);
}

void TForm1::FormCreate(const QStringList& arguments)
{
    defautsCreation(arguments);
    etat.CheminLogSon.clear();
    etat.EnregistrementSon = 0;
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

void TForm1::avantPremierExercice()
{
    viderBoite(eModele);
    viderBoite(eSaisie);
}

void TForm1::viderBoite(QTextEdit* boite)
{
    boite->clear();
    appliquerPolice(boite);
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
    if (!ouvrirAccueil())
        return;

    const TableDesReussites& reussites = etat.TableReussites;
    const int necessaires = etat.NbReponsesNecessaires;
    const bool eleve = !etat.EleveCourant.isEmpty();
    const ItemsDuDossier dossier = ParcourirDossierExercice(etat.ExerciceCourant, [&](const QString& nom) {
        return ItemATravailler(nom, reussites, necessaires, eleve);
    });
    Deroulement& d = deroulement();
    d.ChargerItems(dossier.items, dossier.NbItemsDisponibles, dossier.OrdreAleatoire);
    choisirNombreItems();
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
    messagePerso(QStringLiteral("C'est bien, continue."), QStringLiteral("Bon"));
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

    auto message = [](const QString& texte) { messagePerso(texte, QStringLiteral("PasBon")); };
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
    const bool autre = demanderAutreExercice();
    if (plateforme().finDemandee())
        return;
    if (autre) {
        if (!plateforme().changerDossier(etat.RepertoireExercices))
            throw ErreurES(etat.RepertoireExercices);
        LancerExerciceSuivant();
        return;
    }
    fermerSaisie();
    bJEcoute->setEnabled(false);
    proposerBilanEtQuitter();
}

// ---- What the run shows ---------------------------------------------------------------------

void TForm1::afficherItem(const QString&)
{
    // No prompt: the item is heard, at the pupil's first listening.
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

void TForm1::viderSaisie()
{
    viderBoite(eSaisie);
}

Police TForm1::policeProposee()
{
    // The answer box's attributes at its selection.
    return policeDe(eSaisie);
}

// ---- Keyboard -----------------------------------------------------------------------------------

bool TForm1::FormKeyPress(int touche)
{
    if ((touche == Qt::Key_Return || touche == Qt::Key_Enter) && !bJaiEcrit->isEnabled()) {
        if (bJEcoute->isEnabled())
            bJEcoute->click();
        return true;
    }
    return toucheCommande(touche);
}

} // namespace castiflore
