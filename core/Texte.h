#pragma once
// Text and text files as the classroom's data hold them: single-byte Windows-1252, CR LF line
// ends. Trimming and casing follow the programs' own rules, not Unicode's: trimming removes
// characters of code 32 or less, and casing changes only the letters A-Z and a-z.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "Windows1252.h"

// A leading byte-order mark (one) is dropped. A file that is then valid UTF-8, holds non-ASCII
// bytes and whose text has no C1 control (U+0080 to U+009F) was saved by a Linux editor: it is
// read as UTF-8; every other file as Windows-1252, byte for byte.
QString decoderFichier(const QByteArray& octets);
// The bytes of a file holding the text: Windows-1252, unless those bytes would read back as
// another text; then the first of: a byte-order mark in front, UTF-8, both, that reads back
// the same. A Windows-1252 file read and written unchanged keeps its bytes (less a leading mark).
QByteArray encoderFichier(const QString& texte);
// Lines ended by CR LF or LF alone; an end of line at the end of the text opens no line.
QStringList decouperLignes(const QString& texte);

// Whole-file reading and writing; a failure raises the run-time input/output error. Only
// regular files are read; a file is replaced whole through the checked write or not at all.
QByteArray lireOctets(const QString& chemin);
QStringList lireLignes(const QString& chemin);
QString lireTexte(const QString& chemin);
void ecrireLignes(const QString& chemin, const QStringList& lignes);
// The same, reporting a failure by its result only.
bool ecrireLignesSansErreur(const QString& chemin, const QStringList& lignes);

QString rogner(const QString& texte);
QString rognerGauche(const QString& texte);
QString rognerDroite(const QString& texte);
QString minusculesAZ(const QString& texte);
QString majusculesAZ(const QString& texte);

// Creates the file empty, or empties it; false when that failed (nothing is reported).
bool CreerFichierVide(const QString& chemin);
// Appends the line and CR LF to the file when it exists; nothing otherwise. A write that
// fails raises the input/output error and leaves the file as it was.
void AjouterLigne(const QString& chemin, const QString& ligne);
// Appends the text with no line end when the file exists; nothing otherwise.
void AjouterTexte(const QString& chemin, const QString& texte);

// Lines that hold something, read as the loader reads them (byte-order mark dropped); 0 for
// a file that cannot be read.
int compterLignesNonVides(const QString& chemin);

// The text with the fill repeated in front of it up to the width; never cut.
QString CompleterAGauche(const QString& texte, int largeur, const QString& remplissage);
// Long form " 0 h  5 min  3 s" (running time), compact form "5 min 3 s" (files, messages).
QString FormaterDuree(int secondes, bool formeLongue);
