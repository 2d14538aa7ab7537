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
