#pragma once
// Real prints go into PDF files; poppler's tools read them back.

#include <QPair>
#include <QString>
#include <QStringList>

// Whether pdftotext and pdfinfo (package poppler-utils) are there.
bool outilsPoppler();
// What a program writes on its standard output ("" when it does not end within 30 s).
QString sortieProgramme(const QString& programme, const QStringList& arguments);
// A field of pdfinfo ("Pages", "Title" ...), "<absent>" when it has none.
QString infoPdf(const QString& fichier, const QString& champ);
// The box of the first word of the PDF that is this word: left edge and height, in points
// ({-1, -1} when there is none).
QPair<double, double> boiteDuMot(const QString& fichier, const QString& mot);
