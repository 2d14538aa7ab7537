// Settings files: any text is applied line by line without a fault, and every value read
// stays within what the program can use.
#include "Cible.h"

#include <QDir>
#include <QTemporaryDir>

#include "Etat.h"
#include "Parametres.h"
#include "Plateforme.h"
#include "PlateformeScriptee.h"
#include "Texte.h"

CIBLE_FUZZ(parametres)
{
    // Folder values are names in an empty folder: a path out of it ("/proc", "../..") would
    // have the run list the machine's folders, slower and slower.
    if (octets.contains('/') || octets.contains('\\') || octets.contains(".."))
        return;
    preparerQt();
    // Empty folders: the folder keys resolve their names by listing them.
    static QTemporaryDir dossier;
    static PlateformeScriptee* p = [] {
        auto* q = new PlateformeScriptee;
        q->programme = dossier.path() + QStringLiteral("/programme/");
        QDir().mkpath(q->programme);
        installerPlateforme(q);
        return q;
    }();
    // The folder keys change the platform's current folder: each input starts from the empty one.
    p->changerDossier(dossier.path());
    p->journal.clear();
    LectureParametres lecture;
    lecture.valeurs.NbReponsesNecessaires = 0;
    lecture.valeurs.TempsLecture = 3;
    appliquerLignesParametres(decouperLignes(decoderFichier(octets)), lecture);
    const PoliceReponse& police = lecture.police;
    EXIGER(lecture.valeurs.NbReponsesNecessaires >= 0);
    EXIGER(lecture.valeurs.TempsLecture >= 0);
    EXIGER(police.taillePoints > 0 && police.taillePoints < 1000);
    EXIGER(police.style >= 0 && police.style < 16);
    EXIGER(StylePoliceDepuisNom(NomStylePolice(police.style)) == police.style);
}
