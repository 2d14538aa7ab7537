#pragma once
// The program-wide state that every window reads and writes: the settings values, who works
// on what, and the run of the current exercise. Folder paths end with "/"; an empty string
// means none; a flag holds 0 or 1.

#include <QList>
#include <QString>

#include "Reussites.h"

// An item of the run: its whole line as read from the exercise and its state, 'N' not yet
// answered, 'R' answered right after a miss (asked again), 'O' answered right at once (done).
struct EntreeItem {
    QString Ligne;
    char EtatItem = 'N';
};

// The answer font, as the settings give it.
struct PoliceReponse {
    QString nom = QStringLiteral("MS Sans Serif");
    int taillePoints = 8;
    int style = 0;              // bold 1, italic 2, underline 4, strike-out 8
    qint64 couleur = -16777208; // a Windows colour value; this one is the window-text colour
};

struct EtatProgramme {
    // Settings
    QString FichierIni;
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

    // The exercise and its run
    QString EnteteExercice;
    QList<EntreeItem> TableItems;
    int NbItems = 0;
    int NbItemsDisponibles = 0;
    int NbItemsDejaReussis = 0;
    int OrdreAleatoire = 1;
    int MotsPermutes = 0;
    int UnMotSuffit = 0;
    QString ItemCourant;
    QString Consigne;
    QString Reponses;
    int NbEssais = 0;
    int NbReussisPremierEssai = 0;
    int Score = 0;
    int TempsItem = 0;
    int TempsExercice = 0;

    TableDesReussites TableReussites; // the pupil's successes
};

extern EtatProgramme etat;

// Back to the state of a program that has just started.
void reinitialiserEtat();
