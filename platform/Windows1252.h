#pragma once
// The single-byte code page of the classroom's Windows machines: their text files, and the file
// names of archives made there.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

QString depuisWindows1252(QByteArrayView octets);
// Characters that Windows-1252 cannot hold are written "?".
QByteArray versWindows1252(const QString& texte);
bool representableEnWindows1252(const QString& texte);

// Whether the bytes are well-formed UTF-8 (no overlong form, no surrogate, nothing beyond
// U+10FFFF): what tells a UTF-8 text or name from a Windows-1252 one.
bool utf8BienForme(QByteArrayView octets);
