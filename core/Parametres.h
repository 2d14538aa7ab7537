#pragma once
// The settings file: one setting a line, key and value split at the first "=", the key trimmed
// and A-Z upper-cased, the value trimmed. The reader knows no sections.

#include <QString>
#include <QStringList>

#include "Etat.h"

// One reading of the settings file.
struct LectureParametres {
    ValeursParametres valeurs;
    PoliceReponse police;
    QStringList messages;      // to be shown to the user, in this order
    bool fichierTrouve = false; // when false, the program must end (after the messages)
};

// Reads the settings file over the previous values: a key that is absent keeps its value,
// except the exercises folder, the sound effects and the reading time, which go back to their
// defaults at each reading. The exercises key makes its folder the current one: that is the
// reading's own effect, and a relative results folder is tested against it.
LectureParametres LireParametres(const QString& fichierIni, const ValeursParametres& avant,
                                 const PoliceReponse& policeAvant);
// The lines of a settings file applied in order over a reading, as the reader does after its
// defaults.
void appliquerLignesParametres(const QStringList& lignes, LectureParametres& lecture);
// Puts the values read into the shared state.
void appliquerParametres(const LectureParametres& lecture);

// Font style words of the settings file.
QString NomStylePolice(int style);
int StylePoliceDepuisNom(const QString& nom);

// The number test of the two number keys: the value is taken when, compared as text, it
// lies strictly between "0" and "9" and is a whole number.
bool nombreParametre(const QString& valeur, int& nombre);

// A line's key (the text before its first "=", trimmed, A-Z upper-cased) and value (the text
// after it, trimmed); false for a line without "=", which sets nothing.
bool cleEtValeur(const QString& ligne, QString& cle, QString& valeur);
