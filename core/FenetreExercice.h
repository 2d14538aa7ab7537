#pragma once
// The exercise window as the shared screens see it: each program has its own main window, and
// the welcome screen and the dialogs of a run reach it only through this.

#include <QString>

class Fiche;
class QLabel;
class QTextEdit;
class Minuterie;

class FenetreExercice {
public:
    virtual ~FenetreExercice() = default;
    virtual Fiche& fiche() = 0;
    virtual void LancerExercice() = 0;
    // The program's settings reader; the program ends when the settings file is missing.
    virtual void ChargerParametres() = 0;
    virtual Minuterie& Timer1() = 0;
    virtual QLabel* lNote() = 0;
    virtual QLabel* lNoteMaxi() = 0;
    virtual QLabel* lBonus() = 0;
    virtual QLabel* lDossierCourant() = 0;
    virtual QTextEdit* eSaisie() = 0;
};

// The main window of the running program.
FenetreExercice& fenetreExercice();
void definirFenetreExercice(FenetreExercice* f);
