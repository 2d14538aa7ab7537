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
    // The folder keys change the current folder: from an empty one, and back after, since
    // the fuzzer reads its inputs by relative names.
    static const QString origine = QDir::currentPath();
    QDir::setCurrent(dossier.path());
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
    QDir::setCurrent(origine);
}
