#pragma once
// File names as the classroom's data expect them: every name is found without regard to case,
// and listings come sorted as the classroom's Windows machines list them.

#include <QString>
#include <QStringList>

// A relative name joined to the platform's current folder; absolute names stay as they are.
QString cheminAbsolu(const QString& chemin);

// The path (made absolute) with each part replaced by the existing entry of the same name up to case; parts
// that exist in no case are kept as given (a file created there takes that name).
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
// are skipped when asked. Only regular files and folders are listed.
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
