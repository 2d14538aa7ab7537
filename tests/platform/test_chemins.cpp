#include <gtest/gtest.h>

#include <QDir>

#include "Chemins.h"
#include "Seance.h"

TEST(Chemins, NomsTrouvesSansEgardALaCasse)
{
    Seance s(false);
    s.ecrireOctets("Groupe A/Léa_Pwd.txt", "x");
    EXPECT_EQ(resoudreChemin(s.chemin("groupe a/LÉA_PWD.TXT")), s.chemin("Groupe A/Léa_Pwd.txt"));
    EXPECT_TRUE(existeFichier(s.chemin("GROUPE A/léa_pwd.txt")));
    EXPECT_TRUE(existeDossier(s.chemin("groupe A")));
    EXPECT_FALSE(existeDossier(s.chemin("groupe A/léa_pwd.txt")));
    // A new name keeps the folder that exists and its own spelling.
    EXPECT_EQ(resoudreChemin(s.chemin("GROUPE A/Nouveau.txt")), s.chemin("Groupe A/Nouveau.txt"));
    EXPECT_EQ(resoudreChemin(s.chemin("absent/x/")), s.chemin("absent/x/"));
    // Relative names are resolved against the current folder.
    EXPECT_TRUE(existeFichier(QStringLiteral("GROUPE A/LÉA_pwd.txt")));
}

TEST(Chemins, ListesParMotifTrieesAZ)
{
    Seance s(false);
    for (const char* n : {"b.txt", "A.TXT", "c.Txt", "Zoé_Pwd.txt", "alain_pwd.TXT", "notes.rtf",
                          "sans extension", ".cache", "x.txt.bak"})
        s.ecrireOctets(QString::fromUtf8(n), "");
    QDir(s.programme).mkpath("CM1");
    QDir(s.programme).mkpath("ce2");
    QDir(s.programme).mkpath("v1.2");

    EXPECT_EQ(listerEntrees(s.programme, "*.txt", GenreEntree::Fichiers),
              QStringList({"A.TXT", "alain_pwd.TXT", "b.txt", "c.Txt", "Zoé_Pwd.txt"}));
    EXPECT_EQ(listerEntrees(s.programme, "*_Pwd.txt"), QStringList({"alain_pwd.TXT", "Zoé_Pwd.txt"}));
    // "*." takes names without any dot, files and folders alike.
    EXPECT_EQ(listerEntrees(s.programme, "*."), QStringList({"ce2", "CM1", "sans extension"}));
    EXPECT_EQ(listerEntrees(s.programme, "*.", GenreEntree::Dossiers), QStringList({"ce2", "CM1"}));
    EXPECT_EQ(listerEntrees(s.programme, "*.*").size(), 12);
    EXPECT_EQ(listerEntrees(s.programme, "*.*", GenreEntree::Tout, true).size(), 11);
    EXPECT_TRUE(listerEntrees(s.chemin("absent"), "*.*").isEmpty());
}
