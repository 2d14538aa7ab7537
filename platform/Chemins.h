#pragma once
// File names as the classroom's data expect them: every name is found without regard to case,
// and listings come sorted as the classroom's Windows machines list them.
//
// A name on disk is bytes. Banks and results folders come from archives made on Windows
// (Windows-1252 names) and on Macs (decomposed names, "e" + U+0301): the programs show, compare
// and log a name as its bytes mean it, composed, and always open the entry by its own bytes. A
// bank is never renamed: it may be a read-only share, read by several machines at once.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

// The name an entry's bytes mean: UTF-8 when they are valid UTF-8 (a byte-order mark
// included), else Windows-1252; composed (NFC).
QString nomDepuisOctets(QByteArrayView octets);
// A whole path read so, part by part (the current folder, the program's own path).
QString cheminDepuisOctets(QByteArrayView octets);

// The bytes of the entry a path names, each part being the entry whose name means that part
// (its own UTF-8 spelling when there is one, else one that reads the same, else one of the same
// name up to case). Parts that exist in no spelling are spelt in UTF-8, composed: a file created
// there takes that name. Every access to the file system goes through it.
QByteArray cheminSysteme(const QString& chemin);

// The path with its links and "." and ".." resolved, as the names read; empty when it does not
// lead to an existing entry.
QString cheminCanonique(const QString& chemin);

// A relative name joined to the platform's current folder; absolute names stay as they are.
QString cheminAbsolu(const QString& chemin);

// The path (made absolute) with each part replaced by the name of the entry cheminSysteme
// finds for it; parts that exist in no spelling are kept as given, composed.
QString resoudreChemin(const QString& chemin);

// Only regular files and folders exist here, links followed: FIFOs, devices, sockets and
// dangling links count as absent.
bool existe(const QString& chemin);
bool existeFichier(const QString& chemin);
bool existeDossier(const QString& chemin);

enum class GenreEntree { Tout, Fichiers, Dossiers };

// Names of the entries of a folder that match a pattern: "*" and "?" as wildcards, without
// regard to case; a pattern ending in "." takes only names without any dot ("*." ), and "*.*"
// takes every name. "." and ".." are never listed. Hidden entries (names beginning with a dot)
// are skipped when asked. Only regular files and folders are listed. Where several entries mean
// one name (a Windows-1252, a decomposed and a composed spelling of it), the one listed is the
// one cheminSysteme opens: the composed UTF-8 spelling when there is one, else the one whose
// bytes come first.
QStringList listerEntrees(const QString& dossier, const QString& motif,
                          GenreEntree genre = GenreEntree::Tout, bool sauterCaches = false);

bool correspondMotif(const QString& nom, const QString& motif);

// Order of the listings, as the Windows file system gives it: each character folded to upper
// case (Unicode, accented letters included), then compared by code point; names equal so
// folded are then compared as they stand.
bool avantDansListe(const QString& a, const QString& b);

// The fold by which names are matched without regard to case: files and folders, and the names
// of pupils and groups looked up in a list. Each character is taken to upper case (Unicode).
QString plierNom(const QString& nom);
bool memeNom(const QString& a, const QString& b);

// Joins a folder and a name with exactly one "/" between them.
QString joindreChemin(const QString& dossier, const QString& nom);
