#pragma once
// The program-wide state that every window reads and writes: the settings values and who works
// on what (the run of the current exercise is Deroulement's). Folder paths end with "/"; an
// empty string means none; a flag holds 0 or 1.

#include <QList>
#include <QString>

#include "Police.h"
#include "Reussites.h"

// The answer font, as the settings give it and the font dialog chooses it.
using PoliceReponse = Police;

// The values that the settings file gives.
struct ValeursParametres {
    QString RepertoireExercices;
    QString RepertoireBilans;
    QString MotDePasseEnseignant;
    int MotDePasseActif = 1;
    int Bruitage = 1;
    int ImpressionPermise = 1;
    int AjoutNouvelEleve = 1;
    int EnregistrementTexte = 0;
    int EnregistrementSon = 0;
    QString CheminLogSon;
    int RespectEspaces = 0;
    int RespectMajuscules = 0;
    int NbReponsesNecessaires = 0;
    int TempsLecture = 3;
};

struct EtatProgramme : ValeursParametres {
    QString FichierIni;

    // Start
    int PremiereActivation = 1;
    int EcriturePossible = 0;

    // Who works on what
    QString GroupeCourant;
    QString EleveCourant;
    QString EleveAuthentifie;
    // The group folder of the pupil who last passed the password (with EleveAuthentifie).
    QString RepertoireAuthentifie;
    QString RepertoireGroupe;
    QString ExerciceCourant;
    int ModeEnseignant = 0;

    TableDesReussites TableReussites; // the pupil's successes
    int NbItemsDejaReussis = 0;
};

extern EtatProgramme etat;

// Back to the state of a program that has just started (the run of an exercise too).
void reinitialiserEtat();
