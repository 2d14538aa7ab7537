#pragma once
// Ombrivelle's main window: the exercise window on which every exercise runs. The rules of the
// run are Deroulement's; the window shows them and asks the pupil.

#include <QStringList>

#include "FenetreExerciceCommune.h"

class QLabel;
class QPushButton;
class QTextEdit;
class QToolButton;

class TForm1 : public FenetreExerciceCommune {
    Q_OBJECT
public:
    // Creating the window fixes the settings file from the command line (FormCreate).
    explicit TForm1(const QStringList& arguments);
    ~TForm1() override;

    QTextEdit* eMotATraduire;

    // Handlers
    void FormCreate(const QStringList& arguments);
    void bStopClick();
    void bClavierClick();
    void bJEcouteClick();
    void eModeleExit();
    void bJaiEcritClick();

    // Routines of the exercise window
    void LancerExercice() override;
    void ChargerExercice();
    void AfficherReponse(int millisecondes);
    void ItemReussi();
    bool VerifierReponse();
    void SurlignerDebutCorrect();

    // Puts a text in a box; the prompt box keeps the answer font.
    void mettreTexte(QTextEdit* boite, const QString& texte, bool policeReponse);

    // FenetreExercice
    void afficherItem(const QString& consigne) override;
    void afficherReponse(const QString& reponse) override;
    void afficherConsignes(const QString& entete) override;
    void viderSaisie() override;
    Police policeProposee() override;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void creerControles();
    int longueurBleue_ = 0;
};

extern TForm1* Form1;
