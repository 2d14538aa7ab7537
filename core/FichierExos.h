#pragma once
// The pupil's list of exercises, "<pupil><infix>Exos.txt" in the group folder: one line an
// exercise finished or interrupted, appended only to a file that exists.
//   "07/12/2026 | Terminé    |   45 /  50 | Les pluriels"

#include <QDate>
#include <QString>
#include <QStringList>

// The current pupil's file.
QString FichierExos();

// The day as the results files write it, "dd/MM/yyyy".
QString DateFichier(const QDate& jour);

QString LigneExos(const QString& date, bool termine, int note, int noteMaxi, const QString& nomExercice);
// Appends the line when the list exists.
void AjouterAuxExos(const QString& chemin, const QString& ligne);

// One line read back; a line not of this form keeps its whole text in nomExercice.
struct LigneExo {
    QString date;
    bool termine = false;
    bool lue = false; // the line had the list's columns
    QString note;
    QString noteMaxi;
    QString nomExercice;
};
LigneExo analyserLigneExos(const QString& ligne);
// The list's lines; a missing file has none; a read error raises the run-time input/output error.
QStringList LireExos(const QString& chemin);
