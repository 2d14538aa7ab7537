#include "Bruitage.h"

#include "Chemins.h"
#include "Etat.h"
#include "Fiche.h"
#include "FenetreExercice.h"
#include "Plateforme.h"

namespace {
FenetreExercice* principale = nullptr;
}

FenetreExercice& fenetreExercice()
{
    return *principale;
}

void definirFenetreExercice(FenetreExercice* f)
{
    principale = f;
}

bool bruitageDisponible(const QString& nom)
{
    return etat.Bruitage == 1 && existeFichier(plateforme().dossierProgramme() + nom);
}

void JouerBruitage(const QString& nom)
{
    if (bruitageDisponible(nom))
        plateforme().jouerSon(resoudreChemin(plateforme().dossierProgramme() + nom));
}

void QuitterLeLogiciel(int pauseMillisecondes)
{
    Fiche& f = fenetreExercice().fiche();
    if (bruitageDisponible(QStringLiteral("quitter.wav"))) {
        plateforme().repeindre(&f);
        JouerBruitage(QStringLiteral("quitter.wav"));
        plateforme().dormir(pauseMillisecondes);
    }
    f.Close();
}
