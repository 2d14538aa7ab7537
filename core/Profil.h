#pragma once
// What tells the two programs apart in the framework they share: names, file infix, settings
// keys and the counts of their dialogs.

#include <QList>
#include <QPair>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include "ReecritureParametres.h"

struct Profil {
    QString nomProgramme;          // "Ombrivelle"
    QString titre;                 // application title, set at the first activation
    QString fichierIni;            // settings file beside the executable
    QString infixe;                // "_OBV_" in the names of the pupil's results files
    QString cleExercices;          // settings key of the exercise bank
    QString dossierExercices;      // default bank folder beside the executable
    QString messageExercices;      // message of a missing bank folder
    QString cleBilans;             // settings key of the results folder
    QString messageBilans;         // message of a missing results folder
    bool lireRespectEspaces = true;
    bool lireEnregistrementTexte = true;
    bool lireEnregistrementSon = false;
    bool lireCheminLogSon = false;
    bool sauvegardeReussites = true;      // ".old" backup and recovery of the successes file
    // A missing successes file loads as an empty table; when false, loading it is the run-time
    // input/output error (the welcome screen creates it before).
    bool reussitesAbsentesPermises = true;
    int minimumChoixItems = 1;            // the number-of-items dialog opens above this count
    // The feedback box and the end question take the application title as caption; when false,
    // they keep the program's name (the dictation program's design caption).
    bool legendeTitreApplication = true;
    QList<int> choixItems;                // counts of rChoix1, 2, 3, 5, 6, 7, 8
    // Where the dialogs of a run differ in their design: the number-of-items dialog's client
    // height (254 wide) with its lInfo and bOk, the interruption dialog's client area and the
    // height of its three buttons, the accent help's client height (380 wide).
    int hauteurChoixItems = 368;
    QRect infoChoixItems{8, 284, 238, 40};
    int hautOkChoixItems = 332;
    QSize tailleQuitter{185, 148};
    int hauteurBoutonsQuitter = 44;
    int hauteurAideAccents = 348;
    // Who saves the successes when the pupil leaves an exercise for another one: the stop button
    // before it opens the interruption dialog (false), or the dialog's "Choisir un autre
    // exercice" before it records the interruption (true; the stop button then saves nothing).
    bool reussitesEnregistreesParQuitter = false;
    // The settings dialog: the blocks it shows and writes, and whether Escape and the window's
    // close box leave it as its cancel button does (when false, it has neither).
    QList<BlocParametrage> blocsParametrage;
    bool parametrageFermable = true;
    QList<QPair<QString, QString>> codesNomFichier; // file-name codes and their characters

    // The results window
    QStringList ongletsBilan;      // captions of its four tabs
    QString bulleBoitesBilan;      // hint of the three results boxes in the teacher face; none when empty
    QString bulleMotDePasseBilan;  // hint of the password box, in both faces; none when empty
    QStringList boutonsBilan;      // the buttons of its bottom row, left to right, by name
    QString aideBilan;             // the help page, under the program folder
    QString bulleConfigurer;       // hint of the settings button
    QString texteModifier;         // caption of bModifier; a picture when empty
    QString adresseBanque;         // the maker's exercise-bank page for this program
};

const Profil& profilOmbrivelle();

// A pupil's results file: the group folder + the pupil + the program's infix + the suffix
// ("Reussites.txt", "Detail.txt", "Exos.txt").
QString nomFichierResultat(const QString& repertoireGroupe, const QString& eleve, const QString& suffixe);

// The profile of the running program.
const Profil& profil();
void definirProfil(const Profil& p);
