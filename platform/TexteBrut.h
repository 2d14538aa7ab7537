#pragma once
// What a text box really holds. QTextEdit::toPlainText turns no-break spaces into blanks: an
// answer read so would pass for what the pupil did not type.

#include <QString>

class QTextEdit;

// The box's text with its paragraphs ended by "\n", every other character as it stands.
QString texteBrut(const QTextEdit* boite);
