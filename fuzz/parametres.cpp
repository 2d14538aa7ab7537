// Settings files: any text is applied line by line without a fault, and every value read
// stays within what the program can use.
#include "Cible.h"

#include <QDir>

#include "Etat.h"
#include "Parametres.h"
#include "Plateforme.h"
#include "PlateformeScriptee.h"
#include "Texte.h"

CIBLE_FUZZ(parametres)
{
    preparerQt();
    static PlateformeScriptee* p = [] {
        auto* q = new PlateformeScriptee;
        q->programme = QDir::tempPath() + QLatin1Char('/');
        installerPlateforme(q);
        return q;
    }();
    static const QString depart = QDir::currentPath();
    QDir::setCurrent(depart); // the folder keys change it
    p->journal.clear();
    etat.NbReponsesNecessaires = 0;
    etat.TempsLecture = 3;
    PoliceReponse police;
    appliquerParametres(decouperLignes(decoderFichier(octets)), police);
    EXIGER(etat.NbReponsesNecessaires >= 0);
    EXIGER(etat.TempsLecture >= 0);
    EXIGER(police.taillePoints > 0 && police.taillePoints < 1000);
    EXIGER(police.style >= 0 && police.style < 16);
    EXIGER(StylePoliceDepuisNom(NomStylePolice(police.style)) == police.style);
    QDir::setCurrent(depart);
}
