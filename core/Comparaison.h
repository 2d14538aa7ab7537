#pragma once
// Whether a typed answer is one of the accepted answers, and how long its correct beginning is.
// Folding turns only A-Z into a-z: accented capitals are never folded; comparisons after the
// normalisations are exact.

#include <QString>
#include <QStringList>

struct ReglesComparaison {
    bool respectEspaces = false;
    bool respectMajuscules = false;
    bool motsPermutes = false;
    bool unMotSuffit = false;
};

// The blanks next to punctuation removed, one blank a sign, by twenty replacements in turn.
QString NormaliserEspaces(const QString& texte);
// Words separated by characters of code 32 or less; a word beginning with a double quote runs
// to the next one, two double quotes in it standing for one.
QStringList DecouperMots(const QString& texte);
bool ReponseCorrecte(const QString& alternative, const QString& tape, const ReglesComparaison& regles);
int LongueurDebutCorrect(const QString& attendu, const QString& tape, bool respectMajuscules);

struct Verification {
    bool juste = false;
    QString texteSaisie;  // the answer box after the check (ligature and apostrophes)
    int longueurBleue = 0; // characters of the correct beginning, from the first one
};

// The whole check of a submission: reponses is the item's text after its first "|".
Verification VerifierReponse(const QString& reponses, const QString& saisie, const ReglesComparaison& regles);
