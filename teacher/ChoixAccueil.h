#pragma once
// The group and the pupil that a window's two lists show, read as their texts. The welcome
// screen registers its own: the results window starts from it, and prints for its pupil.

#include "ChoixGroupeEleve.h"

// The welcome screen's choice; empty texts while no welcome screen exists.
const ChoixGroupeEleve& choixAccueil();
void definirChoixAccueil(const ChoixGroupeEleve* choix);
