#include "ProfilCastiflore.h"

#include "CodesNomFichier.h"

const Profil& profilCastiflore()
{
    static const Profil p = [] {
        Profil r;
        r.nomProgramme = QStringLiteral("Castiflore");
        r.titre = QStringLiteral("Castiflore - Version 3.6");
        r.fichierIni = QStringLiteral("castiflore.ini");
        r.infixe = QStringLiteral("_CSF_");
        r.cleExercices = QStringLiteral("REPERTOIRE");
        r.dossierExercices = QStringLiteral("_Exercices_CSF");
        r.messageExercices = QStringLiteral(
            "Le répertoire où se trouve le dossier [_Exercices_CSF] est introuvable.\r"
            "Il est nécessaire de redéfinir son chemin d'accès dans le fichier INI.");
        r.cleBilans = QStringLiteral("BILAN");
        // The small "b" is the program's own spelling of this message.
        r.messageBilans = QStringLiteral(
            "Le répertoire où se trouve le dossier [_bilans] est introuvable.\r"
            "Il est nécessaire de redéfinir son chemin d'accès dans le fichier INI.");
        r.lireRespectEspaces = false;
        r.lireEnregistrementTexte = false;
        r.lireEnregistrementSon = true;
        r.lireCheminLogSon = true;
        r.sauvegardeReussites = false;
        r.reussitesAbsentesPermises = false;
        r.minimumChoixItems = 4;
        r.legendeTitreApplication = false;
        r.choixItems = {4, 10, 20, 40, 60, 80, 100};
        // Item names are sound-file names, where an apostrophe is written as a code too.
        r.codesNomFichier = codesNomFichierCommuns();
        r.codesNomFichier.append({QStringLiteral("#apo#"), QStringLiteral("'")});
        return r;
    }();
    return p;
}
