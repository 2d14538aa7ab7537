#include "Unit1.h"

#include <QEvent>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>

#include "Bruitage.h"
#include "Chemins.h"
#include "Deroulement.h"
#include "ErreurES.h"
#include "Exercice.h"
#include "FichierReussites.h"
#include "Plateforme.h"
#include "Quitter.h"
#include "Texte.h"
#include "TexteBrut.h"
#include "Unit4.h"
#include "copieecran.h"

TForm1* Form1 = nullptr;

// The design of the window. Its pictures live in the static libraries: they are brought in
// before any is loaded, outside any namespace, where the resources' own functions are.
static DessinFenetreExercice dessin()
{
    Q_INIT_RESOURCE(ombrivelle_images);
    Q_INIT_RESOURCE(access_images);
    return {QSize(631, 431), QStringLiteral(":/images/fond_principal.jpg"), QStringLiteral(":/images/logo.png"),
            QRect(170, 8, 405, 28), QPoint(584, 4), QStringLiteral(":/images/stop.png")};
}

TForm1::TForm1(const QStringList& arguments) : FenetreExerciceCommune(dessin())
{
    Form1 = this;
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
    eModele = boiteTexte(this, QRect(180, 45, 442, 150));
    eModele->setReadOnly(true);
    eMotATraduire = boiteTexte(this, QRect(180, 205, 442, 52));
    eMotATraduire->setReadOnly(true);
    eSaisie = boiteTexte(this, QRect(180, 267, 396, 64));
    eSaisie->setFont(QFont(QStringLiteral("Times New Roman")));
    eSaisie->setEnabled(true);
    for (QTextEdit* e : {eModele, eMotATraduire, eSaisie})
        e->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    definirAutreBoitePolice(eMotATraduire);

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
        commandesAuClavier(e);

    relier(bJaiEcrit, &TForm1::bJaiEcritClick);
    relier(bStop, &TForm1::bStopClick);
    relier(bJEcoute, &TForm1::bJEcouteClick);
    relier(bClavier, &TForm1::bClavierClick);
}

void TForm1::FormCreate(const QStringList& arguments)
{
    defautsCreation(arguments);
    etat.EnregistrementTexte = 0;
}

void TForm1::eModeleExit()
{
    plateforme().viderPressePapiers();
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

void TForm1::afficherReponse(const QString& reponse)
{
    eModele->setPlainText(reponse);
}

void TForm1::afficherConsignes(const QString& entete)
{
    eModele->clear();
    eModele->setPlainText(entete);
}

void TForm1::viderSaisie()
{
    eSaisie->clear();
}

Police TForm1::policeProposee()
{
    // The instructions box's attributes at its selection.
    return policeDe(eModele);
}

// ---- The run ----------------------------------------------------------------------------------

void TForm1::LancerExercice()
{
    Deroulement& d = deroulement();
    eModele->clear();
    eSaisie->clear();
    eMotATraduire->clear();
    lDossierCourant->clear();
    if (!ouvrirAccueil())
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
    choisirNombreItems();

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

    auto message = [](const QString& texte) { messagePerso(texte, QStringLiteral("PasBon")); };
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
    messagePerso(QStringLiteral("C'est bien, item réussi, continue."), QStringLiteral("Bon"));
    if (plateforme().finDemandee())
        return;

    Deroulement& d = deroulement();
    d.ItemReussi(texteBrut(eSaisie));
    if (!d.ChoisirItemSuivant().isEmpty()) {
        afficherItem(d.Consigne);
        return;
    }
    afficherBoite(QStringLiteral("Il n'y a plus d'items à retravailler dans cet exercice !"), TypeBoite::Information);

    const bool autre = demanderAutreExercice();
    if (plateforme().finDemandee())
        return;
    if (autre) {
        eSaisie->clear();
        eModele->clear();
        plateforme().changerDossier(etat.RepertoireExercices);
        LancerExerciceSuivant();
        return;
    }
    fermerSaisie();
    proposerBilanEtQuitter();
}

bool TForm1::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() == QEvent::FocusOut && (objet == eModele || objet == eMotATraduire)) {
        garde([this] { eModeleExit(); });
        return false;
    }
    return FenetreExerciceCommune::eventFilter(objet, evenement);
}
