#pragma once
// Characters that a file name cannot hold are written in names as five-character codes.

#include <QList>
#include <QPair>
#include <QString>

// The codes shared by both programs, in the order in which they are applied.
QList<QPair<QString, QString>> codesNomFichierCommuns();

// Every code of the table replaced by its character, row after row, case-sensitively.
QString DecoderNomFichier(const QString& texte, const QList<QPair<QString, QString>>& table);
// With the running program's table.
QString DecoderNomFichier(const QString& texte);
