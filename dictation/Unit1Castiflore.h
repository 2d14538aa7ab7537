#pragma once
// Castiflore's main window: the pupil listens to an item as often as wanted, types what was
// heard and submits it. The rules of the run are Deroulement's, with the dictation's own
// (ReglesDictee); the window plays, shows and asks.

#include <QStringList>
#include <memory>

#include "Etat.h"
#include "FenetreExercice.h"
#include "Fiche.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;
class QToolButton;

namespace castiflore {

class TForm1 : public Fiche, public FenetreExercice {
    Q_OBJECT
public:
    // Creating the window fixes the settings file from the command line, moves the older
    // folders beside the executable and shows the default picture (FormCreate).
    explicit TForm1(const QStringList& arguments);
    ~TForm1() override;

    QLabel* FondEcran;
    QLabel* Image1;
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
    QPushButton* bStop;
    QToolButton* bJEcoute;
    QToolButton* bJaiEcrit;
    QToolButton* bClavier;
    QLabel* iExplication;     // the item's picture, else the default one
    QPlainTextEdit* mMessage; // the lines of the item's text
    QTextEdit* eModele;       // the expected answer, when it is shown
    QTextEdit* eSaisie;       // what the pupil types
    std::unique_ptr<Minuterie> Timer1;
    PoliceReponse FontDialog1; // the answer font

    // 1 until the item's first listening.
    int NouvelItem = 0;

    // Handlers
    void FormCreate(const QStringList& arguments);
    void FormActivate() override;
    void FormClose() override;
    void Timer1Timer();
    void Image1Click();
    void bJEcouteClick();
    void bJaiEcritClick();
    void bStopClick();
    void SpeedButton2Click(); // bClavier: the accent help
    // Enter and Escape, on the window itself and in the answer box; true when the key was used.
    bool FormKeyPress(int touche);
    bool eSaisieKeyPress(int touche);

    // Routines
    void ChargerParametres() override;
    QString NomFichierTest();
    void LancerExercice() override;
    // The next item's file name, "" when none is left: the item's display made ready for its
    // first listening.
    QString ChoisirItemSuivant();
    void EnregistrerReussites();

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
    // The answer font on a box, over its whole text and for what is typed next.
    void appliquerPolice(QTextEdit* boite);
    void viderBoite(QTextEdit* boite);
    // A picture of the program folder or of the exercise folder into iExplication; false
    // (nothing changed) when it is not a regular file that reads as a picture.
    bool montrerImage(const QString& chemin);
    // The default picture of the program folder, or no picture.
    void imageParDefaut(const QString& nom);
    void ItemReussi(const QString& saisie);
    void TerminerExercice();
    void ReponseFausse(const QString& saisie);
    bool activationEnCours_ = false;
};

extern TForm1* Form1;

} // namespace castiflore
