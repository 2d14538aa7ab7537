#pragma once
// Ombrivelle's main window: the exercise window on which every exercise runs. The rules of the
// run are Deroulement's; the window shows them and asks the pupil.

#include <QStringList>
#include <memory>

#include "Etat.h"
#include "FenetreExercice.h"
#include "Fiche.h"

class QLabel;
class QPushButton;
class QTextEdit;
class QToolButton;

class TForm1 : public Fiche, public FenetreExercice {
    Q_OBJECT
public:
    // Creating the window fixes the settings file from the command line (FormCreate).
    explicit TForm1(const QStringList& arguments);
    ~TForm1() override;

    QLabel* FondEcran;
    QToolButton* bJaiEcrit;
    QPushButton* bStop;
    QToolButton* bJEcoute;
    QToolButton* bClavier;
    QLabel* lDossierCourant;
    QLabel* lNbItemsRepondus;
    QLabel* lNbItemsTotal;
    QLabel* lNote;
    QLabel* lNoteMaxi;
    QLabel* lBonus;
    QLabel* lTemps;
    QLabel* lEnJeu;
    QLabel* lScore;
    QLabel* lReponses;
    QLabel* lTempsEffectif;
    QLabel* lScoreMaxi;
    QLabel* lItemsReussis;
    QLabel* Image1;
    QTextEdit* eModele;
    QTextEdit* eSaisie;
    QTextEdit* eMotATraduire;
    std::unique_ptr<Minuterie> Timer1;
    PoliceReponse FontDialog1; // the answer font

    // Handlers
    void FormCreate(const QStringList& arguments);
    void FormActivate() override;
    void FormClose() override;
    void bStopClick();
    void bClavierClick();
    void bJEcouteClick();
    void Image1Click();
    void Timer1Timer();
    void eModeleExit();
    void bJaiEcritClick();

    // Routines of the exercise window
    void ChargerParametres() override;
    QString NomFichierTest();
    void LancerExercice() override;
    void ChargerExercice();
    void AfficherReponse(int millisecondes);
    void ItemReussi();
    bool VerifierReponse();
    void SurlignerDebutCorrect();
    // Saves the pupil's successes; a save that had to put the backup back is told.
    void EnregistrerReussites();

    // The answer font on a box; the forced colour (black) where typing must start black.
    void appliquerPolice(QTextEdit* boite, bool noir);
    // Puts a text in a box; the prompt box keeps the answer font.
    void mettreTexte(QTextEdit* boite, const QString& texte, bool policeReponse);

    // FenetreExercice
    Fiche& fiche() override { return *this; }
    void afficherItem(const QString& consigne) override;
    void fermerSaisie() override;
    void afficherScore(int note, int noteMaxi) override;
    void afficherBonus(int points) override;
    void afficherCompteurs(int reussisPremierEssai, int nbItems) override;
    void afficherTemps(int secondes) override;
    void afficherNomExercice(const QString& nom) override;
    void afficherReponse(const QString& reponse) override;
    void afficherConsignes(const QString& entete) override;
    void demarrerHorloge() override;
    void arreterHorloge() override;
    void afficherEleve(const QString& eleve) override;
    void viderSaisie() override;
    Police policeProposee() override;
    void changerPoliceReponse(const Police& police) override;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void creerControles();
    // Enter and Escape as the window's keyboard rules want them; true when the key was used.
    bool toucheCommande(int touche);
    bool activationEnCours_ = false;
    int longueurBleue_ = 0;
};

extern TForm1* Form1;
