#include "Etat.h"

EtatProgramme etat;

void reinitialiserEtat()
{
    etat = EtatProgramme{};
}
