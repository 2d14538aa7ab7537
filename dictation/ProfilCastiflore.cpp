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
        r.hauteurChoixItems = 378;
        r.infoChoixItems = QRect(8, 293, 238, 43);
        r.hautOkChoixItems = 338;
        r.tailleQuitter = QSize(184, 151);
        r.hauteurBoutonsQuitter = 41;
        r.hauteurAideAccents = 349;
        r.reussitesEnregistreesParQuitter = true;
        // Item names are sound-file names, where an apostrophe is written as a code too.
        r.codesNomFichier = codesNomFichierCommuns();
        r.codesNomFichier.append({QStringLiteral("#apo#"), QStringLiteral("'")});
        // The settings dialog is left only through its two buttons.
        r.blocsParametrage = blocsParametrageCastiflore();
        r.parametrageFermable = false;
        // The results window
        r.ongletsBilan = {QStringLiteral("Résultats des exercices"), QStringLiteral("Bilan détaillé"),
                          QStringLiteral("Items réussis"), QStringLiteral("Mot de passe")};
        r.bulleBoitesBilan = QStringLiteral("Clic droit pour modifier");
        r.bulleMotDePasseBilan = QStringLiteral("Clic droit pour modifier le mot de passe");
        r.boutonsBilan = {QStringLiteral("bSupprimer"), QStringLiteral("bGererGroupes"), QStringLiteral("bConfigurer"),
                          QStringLiteral("bMagneto"),   QStringLiteral("bImprime"),      QStringLiteral("bModifier"),
                          QStringLiteral("bRafraichir"), QStringLiteral("bBanque"),      QStringLiteral("bAide"),
                          QStringLiteral("bApropos"),   QStringLiteral("bQuitterBilan")};
        r.texteModifier = QStringLiteral("Modifier");
        r.aideBilan = QStringLiteral("_Aide/castiflore/index.htm");
        r.bulleConfigurer = QStringLiteral("Modifier le fichier de configuration castiflore.ini");
        r.adresseBanque = QStringLiteral("https://www.talvorenne.fr/castiflore/banque-exercices/");
        return r;
    }();
    return p;
}
