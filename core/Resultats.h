#pragma once
// The pupil's results files, in the group folder: the successes table, the running log of
// every exercise and the one-line-an-exercise list.

#include <QDate>
#include <QDateTime>
#include <QString>

// RepertoireGroupe + EleveCourant + the program's infix + the suffix ("Reussites.txt" ...).
QString FichierResultat(const QString& suffixe);
QString FichierReussites();
QString FichierDetail();
QString FichierExos();

void ChargerReussites();
void EnregistrerReussites();
void CompterReussite(const QString& item);
void MarquerEchec(const QString& item);

// Lines of the log and of the exercise list.
QString LigneDebutExercice(const QDateTime& moment, int nbItems, const QString& nomExercice);
QString LigneExos(const QString& date, bool termine, const QString& note, const QString& noteMaxi,
                  const QString& nomExercice);
QString LigneTirets();
QString DateFichier(const QDate& jour);
