#pragma once
// A small reader of rich text (RTF) for the exercises' help pages: paragraphs, line breaks,
// tabs, bold, italic, underline, strike-out, font size, colours and alignment. Fonts, pictures,
// tables' layout and every other destination are left out. Safe on any input.

#include <QByteArray>

class QTextDocument;

// Fills the document from rich text; false (document left empty) when the bytes are not rich text,
// so that the caller can show them as plain text.
bool lireRtf(const QByteArray& octets, QTextDocument& document);
