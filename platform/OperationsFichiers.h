#pragma once
// Moving and deleting whole entries of the file system, with the guarantees that the classroom's
// data need: a move never replaces what is already there, and a deletion never goes through a
// symbolic link to what lies behind it.

#include <QByteArray>
#include <QString>

// Whether an entry of this name exists, found without regard to case, the entry itself being
// looked at: a symbolic link counts, even when what it points to is gone.
bool existeEntree(const QString& chemin);

// Moves a file or a folder (with everything in it) to a new name. Fails, leaving both as they
// are, when an entry of the destination's name exists, in any case. Across file systems a
// regular file is copied then removed; a folder is not moved there.
bool DeplacerFichier(const QString& source, const QString& destination);

// Renames an entry, by its names in the file system's bytes, each relative to an open folder
// (or AT_FDCWD). Never replaces an entry of the destination's exact name: false then, with errno
// EEXIST. On failure errno tells why (EXDEV: another file system).
bool renommerSansRemplacer(int dossierSource, const QByteArray& source, int dossierDestination,
                           const QByteArray& destination);

// Removes an empty folder; false when it is not one.
bool supprimerDossierVide(const QString& chemin);

// Deletes the entry and, for a folder, everything in it. A symbolic link is removed as a link:
// what it points to stays. Nothing on another file system mounted inside is touched. Goes on
// after a failure and deletes what it can; true when everything is gone.
bool SupprimerDossier(const QString& chemin);
