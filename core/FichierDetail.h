#pragma once
// The pupil's log, "<pupil><infix>Detail.txt" in the group folder: lines only ever appended
// (and only to a file that exists), attempt by attempt, one block an exercise.

#include <QDateTime>
#include <QString>
#include <QStringList>

// The current pupil's file.
QString FichierDetail();

// Start line: "07/12/2026 à 14:05:32 - 2 items - Exercice [Pluriels]". The label before the
// name is the program's (" - Exercice [").
QString LigneDebutExercice(const QDateTime& moment, int nbItems, const QString& nomExercice,
                           const QString& libelle = QStringLiteral(" - Exercice ["));
// First miss on an item: an empty line, the accepted answers as stored, the answer shown.
QStringList BlocPremierEchec(const QString& reponses, const QString& montree);
// A later miss: the answer shown, after two blanks.
QString LigneNouvelEchec(const QString& montree);
// "Item réussi <prompt> en <duration>."
QString LigneItemReussi(const QString& item, int secondes);
// End of an exercise: an empty line, the time, the score, the dashes.
QStringList BlocFinExercice(int secondesExercice, int note, int noteMaxi);
// Interruption: an empty line, "Exercice interrompu après <duration>.", the dashes.
QStringList BlocInterruption(int secondesExercice);
// The line of 68 "-" that closes an exercise.
QString LigneTirets();

// Appends the lines to the log when it exists, in one write: a write refused outright leaves
// none of them; one that fails part-way leaves what it wrote as a line of its own.
void AjouterAuDetail(const QString& chemin, const QStringList& lignes);
// The log's lines; a missing file has none; a read error raises the run-time input/output error.
QStringList LireDetail(const QString& chemin);
