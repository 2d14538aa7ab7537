#include "FenetreExercice.h"

#include <QFileInfo>

#include "Bruitage.h"
#include "Deroulement.h"
#include "Etat.h"
#include "Exercice.h"
#include "Fiche.h"
#include "Chemins.h"
#include "Fichiers.h"
#include "Plateforme.h"
#include "Profil.h"
#include "Texte.h"

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
    afficherNomExercice(deroulement().NomExerciceCourant());
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

QString fichierIniDepuisArguments(const QStringList& arguments)
{
    const QString parDefaut = plateforme().dossierProgramme() + profil().fichierIni;
    if (arguments.isEmpty())
        return parDefaut;
    const QString argument = arguments.first();
    if (existeFichier(argument))
        return QFileInfo(resoudreChemin(argument)).absoluteFilePath();
    afficherBoite(QStringLiteral("Le fichier INI passé en paramètre (") + argument + QStringLiteral(") est introuvable"),
                  TypeBoite::Avertissement);
    return parDefaut;
}

void sonderEcriture(const std::function<QString()>& nomFichierTest)
{
    for (int essai = 0; essai < 10; ++essai) {
        const QString sonde = nomFichierTest();
        if (existe(sonde))
            continue;
        if (!CreerFichierVide(sonde))
            etat.EcriturePossible = 0;
        else if (existeFichier(sonde))
            supprimerFichier(sonde);
        break;
    }
}
