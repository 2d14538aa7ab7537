#pragma once
// The lines of an editable text box as the teacher sees them: one a paragraph, empty ones
// included; an empty box has none.

#include <QStringList>
#include <QTextEdit>

#include "TexteBrut.h"

inline QStringList lignesBoite(const QTextEdit* boite)
{
    const QString texte = texteBrut(boite);
    return texte.isEmpty() ? QStringList() : texte.split(QLatin1Char('\n'));
}
