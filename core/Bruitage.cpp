#include "Bruitage.h"

#include "Chemins.h"
#include "Etat.h"
#include "Plateforme.h"

bool bruitageDisponible(const QString& nom)
{
    return etat.Bruitage == 1 && existeFichier(plateforme().dossierProgramme() + nom);
}

void JouerBruitage(const QString& nom)
{
    if (bruitageDisponible(nom))
        plateforme().jouerSon(resoudreChemin(plateforme().dossierProgramme() + nom));
}
