#pragma once
// File names as the classroom's data expect them: every name is found without regard to case,
// and listings come sorted by name, the letters A-Z folded.

#include <QString>
#include <QStringList>

// The path with each part replaced by the existing entry of the same name up to case; parts
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

// Order of the listings: names compared with A-Z folded to a-z, then as they stand.
bool avantDansListe(const QString& a, const QString& b);

// Joins a folder and a name with exactly one "/" between them.
QString joindreChemin(const QString& dossier, const QString& nom);
