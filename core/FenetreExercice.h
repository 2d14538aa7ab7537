#pragma once
// The exercise window as the run and the shared screens see it. Each program has its own main
// window; the welcome screen, the dialogs of a run and the run itself reach it only through
// these intents, and never read a value back from it.

#include <QString>
#include <QStringList>
#include <functional>

#include "Police.h"

class Fiche;

class FenetreExercice {
public:
    virtual ~FenetreExercice() = default;
    virtual Fiche& fiche() = 0;

    // Starts an exercise through the welcome screen; returns with the first item on screen, or
    // with no exercise when the pupil quit there.
    virtual void LancerExercice() = 0;
    // After an interruption or the end of an exercise: the next exercise, its score from zero.
    void LancerExerciceSuivant();
    // Reads the settings again; the program ends when the settings file is missing.
    virtual void ChargerParametres() = 0;
    // Ends the program: with sounds on and "quitter.wav" present the window is drawn, the sound
    // started and the interface paused so that it is heard; then the window closes.
    void QuitterLeLogiciel(int pauseMillisecondes);

    // What the run shows.
    virtual void afficherItem(const QString& consigne) = 0; // the prompt; the answer box empty and open
    virtual void fermerSaisie() = 0;                        // no item: nothing can be answered
    virtual void afficherScore(int note, int noteMaxi) = 0;
    virtual void afficherBonus(int points) = 0;             // the points at stake
    virtual void afficherCompteurs(int reussisPremierEssai, int nbItems) = 0;
    virtual void afficherTemps(int secondes) = 0;           // the exercise's running time
    virtual void afficherNomExercice(const QString& nom) = 0;
    virtual void afficherReponse(const QString& reponse) = 0; // in place of the instructions
    virtual void afficherConsignes(const QString& entete) = 0;
    virtual void demarrerHorloge() = 0;
    virtual void arreterHorloge() = 0;

    // What the welcome screen asks of it when a pupil starts an exercise.
    virtual void afficherEleve(const QString& eleve) = 0; // the caption names the pupil
    virtual void viderSaisie() = 0;

    // The answer font, as the settings dialog chooses it: the font that presets the chooser
    // (the character attributes at the selection of the program's own box), and a chosen font
    // that becomes the answer font at once.
    virtual Police policeProposee() = 0;
    virtual void changerPoliceReponse(const Police& police) = 0;
};

// The settings file named by the command line: the first argument when it names a file (made
// absolute, so that a change of the current folder keeps it), else the program's own beside the
// executable, after a warning when the argument names none.
QString fichierIniDepuisArguments(const QStringList& arguments);
// The write probe of the first activation: an empty file of the given name is created in the
// program folder and deleted again; EcriturePossible becomes 0 when it could not be created.
// A name that exists already is never touched: another one is drawn.
void sonderEcriture(const std::function<QString()>& nomFichierTest);

// The main window of the running program.
FenetreExercice& fenetreExercice();
void definirFenetreExercice(FenetreExercice* f);
