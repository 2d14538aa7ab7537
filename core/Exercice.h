#pragma once
// The exercise file: instructions before the first line beginning "##", one item a line after it
// ("prompt|answer|other answer"), and the directives ORDRE, PERMUTE and MOT on lines of their own.

#include <QString>
#include <QStringList>

struct ContenuExercice {
    QString entete;          // the instruction lines joined with CR LF
    QStringList candidats;   // item candidates in file order, with or without "|"
    int ordreAleatoire = 1;
    int motsPermutes = 0;
    int unMotSuffit = 0;
};

ContenuExercice lireExercice(const QStringList& lignes);
// The lines of an exercise file. A file holding NUL bytes is no text (a picture, a program
// named ".txt"): the input/output error, rather than one box a line.
QStringList lireLignesExercice(const QString& chemin);

// Whether the item is still to be worked by the signed-in pupil, after the successes table.
bool ItemATravailler(const QString& ligneItem);

// The display name of an exercise: the last part of its path without ".txt", ".TXT", ".Txt".
QString NomExercice(const QString& chemin);

// The help file of an exercise, "" when there is none; estImage tells a picture from rich text.
QString AideExercice(const QString& cheminExercice, bool* estImage = nullptr);
