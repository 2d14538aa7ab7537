#pragma once
// The pupil's password file, "<pupil>_Pwd.txt" in the group folder. Its existence is what makes
// a pupil; its LAST line is the password as typed (none when the file is missing or empty).

#include <QString>

// The suffix of the password files, which the roster of a group lists.
QString suffixeMotDePasse();
QString FichierMotDePasse(const QString& repertoireGroupe, const QString& eleve);
// The stored password: the last line of the file; empty when the file is missing or empty.
// A file that cannot be read raises the run-time input/output error.
QString lireMotDePasse(const QString& fichier);
// The first password: the file rewritten to hold that one line; false when it could not be.
bool EcrireMotDePasse(const QString& fichier, const QString& motDePasse);
// Passwords and names compare trimmed, with A-Z lowered.
QString normaliser(const QString& texte);
// A password that can be stored and typed back: one line of Windows-1252 text.
bool motDePasseEnregistrable(const QString& motDePasse);
