#pragma once
// The group and the pupil that a window's two lists show, read as their texts. The welcome
// screen registers its own: the results window starts from it, and prints for its pupil. The
// results window registers its own: the print forms take their selection from it.

#include <QString>

class ChoixGroupeEleve {
public:
    virtual ~ChoixGroupeEleve() = default;
    virtual QString texteGroupe() const = 0;
    virtual QString texteEleve() const = 0;
};

// Each window's choice; empty texts while that window does not exist.
const ChoixGroupeEleve& choixAccueil();
void definirChoixAccueil(const ChoixGroupeEleve* choix);
const ChoixGroupeEleve& choixBilans();
void definirChoixBilans(const ChoixGroupeEleve* choix);
