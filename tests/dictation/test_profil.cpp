#include <gtest/gtest.h>

#include <QDir>

#include "ChoixNbItems.h"
#include "Etat.h"
#include "MessagePerso.h"
#include "Parametres.h"
#include "ProfilCastiflore.h"
#include "FichierDetail.h"
#include "FichierExos.h"
#include "FichierReussites.h"
#include "Fiche.h"
#include "Seance.h"

namespace {

// The shared settings reader with the dictation program's profile.
bool lire(Seance& s, const QStringList& lignes)
{
    s.ecrireLignes("castiflore.ini", lignes);
    etat.FichierIni = s.chemin("castiflore.ini");
    definirProfil(profilCastiflore());
    // As the main window does: the messages told, the values applied.
    const LectureParametres lecture = LireParametres(etat.FichierIni, etat, PoliceReponse());
    for (const QString& m : lecture.messages)
        afficherBoite(m);
    appliquerParametres(lecture);
    return lecture.fichierTrouve;
}

} // namespace

TEST(ProfilCastiflore, FichiersDeLElevePropresEtSansSauvegarde)
{
    Seance s(false);
    definirProfil(profilCastiflore());
    etat.EleveCourant = QStringLiteral("Léa");
    etat.RepertoireGroupe = s.programme;
    EXPECT_EQ(FichierReussites(), s.chemin("Léa_CSF_Reussites.txt"));
    EXPECT_EQ(FichierDetail(), s.chemin("Léa_CSF_Detail.txt"));
    EXPECT_EQ(FichierExos(), s.chemin("Léa_CSF_Exos.txt"));

    // Saved straight over the file: no ".old" copy, no message.
    s.ecrireLignes("Léa_CSF_Reussites.txt", {"chat|2", "chien|1", "lune|3"});
    ChargerReussites();
    MarquerEchec(QStringLiteral("Chat"));
    EXPECT_EQ(EnregistrerReussites(), Enregistrement::Fait);
    EXPECT_EQ(s.lireOctets("Léa_CSF_Reussites.txt"), "chat|2-0\r\nchien|1\r\nlune|3\r\n");
    EXPECT_FALSE(s.existe("Léa_CSF_Reussites.old"));
    EXPECT_TRUE(s.p.journalDe("boite").isEmpty());
}

TEST(ProfilCastiflore, LegendesDesDialogues)
{
    Seance s(false);
    definirProfil(profilCastiflore());
    titreApplication() = profilCastiflore().titre;
    // The feedback box keeps the program's name whatever the application title.
    EXPECT_EQ(legendeMessage(QString()), QStringLiteral("Castiflore"));
    EXPECT_EQ(profilCastiflore().choixItems, QList<int>({4, 10, 20, 40, 60, 80, 100}));
    EXPECT_EQ(legendeChoix(profilCastiflore().choixItems.first()), QStringLiteral("4 items (20 points)"));
    EXPECT_EQ(profilCastiflore().minimumChoixItems, 4);
}

TEST(ProfilCastiflore, ClesDuFichierDeReglages)
{
    Seance s(false);
    QDir(s.programme).mkpath("_Exercices_CSF/Animaux");
    QDir(s.programme).mkpath("_Bilans");
    QDir(s.programme).mkpath("_Exercices_OBV");
    etat.RespectEspaces = 0;
    etat.EnregistrementTexte = 0;

    ASSERT_TRUE(lire(s, {"REPERTOIRE=", "BILAN=", "ENREGISTREMENT SON=oUi", "CHEMINLOGSON= /usr/bin/enregistreur -x ",
                         "RESPECT ESPACES=Oui", "ENREGISTREMENT TEXTE=Oui", "REPERTOIRE TEXTES=/nulle/part",
                         "REPERTOIRE BILANS=/nulle/part"}));
    EXPECT_EQ(etat.RepertoireExercices, s.chemin("_Exercices_CSF/"));
    EXPECT_EQ(etat.RepertoireBilans, s.chemin("_Bilans/"));
    EXPECT_EQ(etat.EnregistrementSon, 1);
    EXPECT_EQ(etat.CheminLogSon, QStringLiteral("/usr/bin/enregistreur -x"));
    // Keys of the other program are not read: no message for their missing folders either.
    EXPECT_EQ(etat.RespectEspaces, 0);
    EXPECT_EQ(etat.EnregistrementTexte, 0);
    EXPECT_TRUE(s.p.journalDe("boite").isEmpty());

    for (const char* valeur : {"Non", "oui!", "", "1"}) {
        ASSERT_TRUE(lire(s, {QStringLiteral("ENREGISTREMENT SON=") + valeur}));
        EXPECT_EQ(etat.EnregistrementSon, 0) << valeur;
    }
    // Only the other program's bank key: the program folder is the bank's root.
    ASSERT_TRUE(lire(s, {"REPERTOIRE TEXTES=" + s.chemin("_Exercices_OBV")}));
    EXPECT_EQ(etat.RepertoireExercices, s.programme);
}

TEST(ProfilCastiflore, MessagesDesDossiersIntrouvables)
{
    Seance s(false);
    s.p.boite(ReponseBoite::Ok, QStringLiteral("Le répertoire où se trouve le dossier [_Exercices_CSF] est introuvable.\r"
                                               "Il est nécessaire de redéfinir son chemin d'accès dans le fichier INI."));
    s.p.boite(ReponseBoite::Ok, QStringLiteral("Le répertoire où se trouve le dossier [_bilans] est introuvable.\r"
                                               "Il est nécessaire de redéfinir son chemin d'accès dans le fichier INI."));
    ASSERT_TRUE(lire(s, {"REPERTOIRE=", "BILAN="}));
    EXPECT_EQ(s.p.journalDe("boite").size(), 2);
}
