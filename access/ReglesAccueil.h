#pragma once
// What the welcome screen and its registration dialog do differently from one program to the
// other. Ombrivelle's rules are the default; the other program installs its own at start.

#include <QString>

#include "Arborescences.h"

class ReglesAccueil {
public:
    virtual ~ReglesAccueil() = default;

    // The exercise bank browser.
    virtual const NavigateurExercices& navigateur() const;

    // Registration: true when the typed name is taken by an entry of the pupil list
    // (Ombrivelle: equal up to the letters A-Z).
    virtual bool prenomPris(const QString& tape, const QString& entree) const;

    // Pupil list: a remembered pupil missing from the roster is dropped to "Visiteur", and
    // the pupil change runs after each filling (Ombrivelle). Otherwise the list is left
    // without a selection and nothing else runs.
    virtual bool eleveAbsentDevientVisiteur() const { return true; }
};

const ReglesAccueil& reglesAccueil();
// Installs the rules of the running program (nullptr: Ombrivelle's).
void definirReglesAccueil(const ReglesAccueil* r);
