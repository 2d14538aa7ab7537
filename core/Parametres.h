#pragma once
// The settings file: one setting a line, key and value split at the first "=", the key trimmed
// and A-Z upper-cased, the value trimmed. The reader knows no sections.

#include <QString>
#include <QStringList>

#include "Etat.h"

// Reads FichierIni into the shared settings and the answer font. False when the file is
// missing: "Fichier INI non trouvé." has then been shown and the program must end.
bool LireParametres(PoliceReponse& police);
// The lines of a settings file applied in order, as the reader does after its defaults.
void appliquerParametres(const QStringList& lignes, PoliceReponse& police);

// Font style words of the settings file.
QString NomStylePolice(int style);
int StylePoliceDepuisNom(const QString& nom);

// The number test of the two number keys: the value is taken when, compared as text, it
// lies strictly between "0" and "9" and is a whole number.
bool nombreParametre(const QString& valeur, int& nombre);

// A Windows colour value (red in the lowest byte; negative values are system colours).
class QColor;
QColor couleurWindows(qint64 valeur);
