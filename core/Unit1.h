#pragma once
// Ombrivelle's main window: the exercise window on which every exercise runs.

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
    QLabel* lDossierCourant_;
    QLabel* lNbItemsRepondus;
    QLabel* lNbItemsTotal;
    QLabel* lNote_;
    QLabel* lNoteMaxi_;
    QLabel* lBonus_;
    QLabel* lTemps;
    QLabel* lEnJeu;
    QLabel* lScore;
    QLabel* lReponses;
    QLabel* lTempsEffectif;
    QLabel* lScoreMaxi;
    QLabel* lItemsReussis;
    QLabel* Image1;
    QTextEdit* eModele;
    QTextEdit* eSaisie_;
    QTextEdit* eMotATraduire;
    std::unique_ptr<Minuterie> Timer1_;
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

    // Routines of the exercise core
    void ChargerParametres() override;
    QString NomFichierTest();
    void LancerExercice() override;
    void ChargerExercice();
    QString ChoisirItemSuivant();
    void AfficherReponse(int millisecondes);
    void ItemReussi();
    bool VerifierReponse();
    void SurlignerDebutCorrect();

    // The answer font on a box; the forced colour (black) where typing must start black.
    void appliquerPolice(QTextEdit* boite, bool noir);
    // Puts a text in a box; the prompt box keeps the answer font.
    void mettreTexte(QTextEdit* boite, const QString& texte, bool policeReponse);

    // FenetreExercice
    Fiche& fiche() override { return *this; }
    Minuterie& Timer1() override { return *Timer1_; }
    QLabel* lNote() override { return lNote_; }
    QLabel* lNoteMaxi() override { return lNoteMaxi_; }
    QLabel* lBonus() override { return lBonus_; }
    QLabel* lDossierCourant() override { return lDossierCourant_; }
    QTextEdit* eSaisie() override { return eSaisie_; }

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

// The grade letter, "A" for 100 % down to "J" below 30 %.
QString LettreNote(int note, int noteMaxi);

// The display name of an exercise: the last part of its path without ".txt", ".TXT", ".Txt".
QString NomExercice(const QString& chemin);
