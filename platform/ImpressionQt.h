#pragma once
// Printing on QPrinter: a real printer through CUPS, or a PDF file.

#include <memory>
#include <optional>

#include "Impression.h"

class QPrinter;
class QWidget;

// The printer of a program: the system's default one, 600 units an inch, A4 unless the printer
// says otherwise.
std::unique_ptr<QPrinter> creerImprimante();
// A PDF file in place of the printer.
void imprimerVersFichier(QPrinter& imprimante, const QString& fichierPdf);

// Qt's print dialog. Accepted: the number of copies, the printer's own count set back to 1 (the
// programs print each copy as a job of its own).
std::optional<int> dialogueImpressionQt(QWidget* parent, QPrinter& imprimante);
// The choice of the printer, without copies.
bool dialogueImprimanteQt(QWidget* parent, QPrinter& imprimante);

std::unique_ptr<DocumentImprime> documentQt(QPrinter& imprimante);
ResultatImpression imprimerTexteRicheQt(QPrinter& imprimante, const QTextDocument& texte);
