#include <gtest/gtest.h>

#include <QDir>

#include "Etat.h"
#include "Parametres.h"
#include "ProfilCastiflore.h"
#include "Seance.h"

namespace {

// The shared settings reader with the dictation program's profile.
bool lire(Seance& s, const QStringList& lignes)
{
    s.ecrireLignes("castiflore.ini", lignes);
    etat.FichierIni = s.chemin("castiflore.ini");
    definirProfil(profilCastiflore());
    PoliceReponse police;
    return LireParametres(police);
}

} // namespace

TEST(ProfilCastiflore, Valeurs)
{
    const Profil& p = profilCastiflore();
    EXPECT_EQ(p.nomProgramme, QStringLiteral("Castiflore"));
    EXPECT_EQ(p.titre, QStringLiteral("Castiflore - Version 3.6"));
    EXPECT_EQ(p.fichierIni, QStringLiteral("castiflore.ini"));
    EXPECT_EQ(p.infixe, QStringLiteral("_CSF_"));
    EXPECT_FALSE(p.sauvegardeReussites);
    EXPECT_FALSE(p.legendeTitreApplication);
    EXPECT_EQ(p.minimumChoixItems, 4);
    EXPECT_EQ(p.choixItems, QList<int>({4, 10, 20, 40, 60, 80, 100}));
    ASSERT_EQ(p.codesNomFichier.size(), 14);
    EXPECT_EQ(p.codesNomFichier.first().first, QStringLiteral("#ast#"));
    EXPECT_EQ(p.codesNomFichier.last(), qMakePair(QStringLiteral("#apo#"), QStringLiteral("'")));
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
