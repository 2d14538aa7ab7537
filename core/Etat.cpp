#include "Etat.h"

#include "Deroulement.h"

EtatProgramme etat;

void reinitialiserEtat()
{
    etat = EtatProgramme{};
    // The run starts afresh, still shown on the window that shows it.
    FenetreExercice* fenetre = deroulement().fenetre;
    deroulement() = Deroulement();
    deroulement().fenetre = fenetre;
}
