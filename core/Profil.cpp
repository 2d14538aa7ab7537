#include "Profil.h"

#include "CodesNomFichier.h"

namespace {
const Profil* courant = nullptr;
}

const Profil& profilOmbrivelle()
{
    static const Profil p = [] {
        Profil r;
        r.nomProgramme = QStringLiteral("Ombrivelle");
        r.titre = QStringLiteral("Ombrivelle - Version 1.1");
        r.fichierIni = QStringLiteral("ombrivelle.ini");
        r.infixe = QStringLiteral("_OBV_");
        r.cleExercices = QStringLiteral("REPERTOIRE TEXTES");
        r.dossierExercices = QStringLiteral("_Exercices_OBV");
        r.messageExercices = QStringLiteral(
            "Le répertoire où se trouve le dossier [_Exercices_OBV] est introuvable.\r"
            "Il est nécessaire de redéfinir son chemin d'accès dans le fichier INI.");
        r.cleBilans = QStringLiteral("REPERTOIRE BILANS");
        r.messageBilans = QStringLiteral(
            "Le répertoire où se trouve le dossier [_Bilans] est introuvable.\r"
            "Il est nécessaire de redéfinir son chemin d'accès dans le fichier INI.");
        r.minimumChoixItems = 1;
        r.choixItems = {1, 3, 5, 7, 10, 15, 20};
        r.codesNomFichier = codesNomFichierCommuns();
        r.blocsParametrage = blocsParametrageOmbrivelle();
        r.ongletsBilan = {QStringLiteral("Résultats"), QStringLiteral("Détail"), QStringLiteral("Items réussis"),
                          QStringLiteral("Mot de passe")};
        r.boutonsBilan = {QStringLiteral("bSupprimer"), QStringLiteral("bGererGroupes"), QStringLiteral("bConfigurer"),
                          QStringLiteral("bImprime"),   QStringLiteral("bModifier"),     QStringLiteral("bRafraichir"),
                          QStringLiteral("bTextes"),    QStringLiteral("bBanque"),       QStringLiteral("bAide"),
                          QStringLiteral("bApropos"),   QStringLiteral("bQuitterBilan")};
        r.aideBilan = QStringLiteral("_Aide/ombrivelle/index.htm");
        r.bulleConfigurer = QStringLiteral("Modifier le fichier de configuration Ombrivelle.ini");
        r.adresseBanque = QStringLiteral("https://www.talvorenne.fr/ombrivelle/banque-exercices/");
        return r;
    }();
    return p;
}

QString nomFichierResultat(const QString& repertoireGroupe, const QString& eleve, const QString& suffixe)
{
    return repertoireGroupe + eleve + profil().infixe + suffixe;
}

const Profil& profil()
{
    return courant ? *courant : profilOmbrivelle();
}

void definirProfil(const Profil& p)
{
    courant = &p;
}
