#pragma once
// The group and the pupil that a window's two lists show, read as their texts. The results
// window registers its own: the print forms take their selection from it.

#include <QString>

class ChoixGroupeEleve {
public:
    virtual ~ChoixGroupeEleve() = default;
    virtual QString texteGroupe() const = 0;
    virtual QString texteEleve() const = 0;
};

// The results window's choice; empty texts while no results window exists.
const ChoixGroupeEleve& choixBilans();
void definirChoixBilans(const ChoixGroupeEleve* choix);
