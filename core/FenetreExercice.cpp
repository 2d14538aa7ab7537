#include "FenetreExercice.h"

#include "Bruitage.h"
#include "Deroulement.h"
#include "Etat.h"
#include "Exercice.h"
#include "Fiche.h"
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
    deroulement().fenetre = f;
}

void FenetreExercice::LancerExerciceSuivant()
{
    LancerExercice();
    if (plateforme().finDemandee())
        return;
    deroulement().RepartirDeZero();
    afficherNomExercice(NomExercice(etat.ExerciceCourant));
}

void FenetreExercice::QuitterLeLogiciel(int pauseMillisecondes)
{
    Fiche& f = fiche();
    if (bruitageDisponible(QStringLiteral("quitter.wav"))) {
        plateforme().repeindre(&f);
        JouerBruitage(QStringLiteral("quitter.wav"));
        plateforme().dormir(pauseMillisecondes);
    }
    f.Close();
}
