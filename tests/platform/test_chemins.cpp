#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

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

// The order of the classroom's Windows machines: each character taken to upper case, then code
// points; so "[", "_" and accented capitals come after the letters, digits before them.
TEST(Chemins, OrdreDesListesCommeWindows)
{
    struct Cas {
        const char* avant;
        const char* apres;
    };
    const Cas cas[] = {
        {"Conjugaison", "[Tous les exercices personnels]"},
        {"[+] Vocabulaire", "[+] [Tous les exercices personnels]"},
        {"zèbre", "_x"},
        {"2 - Révisions", "Accords"},
        {"accords-1", "Accords-2"},
        {"Verbes du premier groupe", "Être au présent"},
        {"Zoé", "élodie"},
        {"ABC", "abc"},    // equal once folded: as they stand
        {"Léa", "léa"},
        {"noel", "Noé"},   // É after every plain letter
        {"a", "ab"},
    };
    for (const Cas& c : cas) {
        const QString a = QString::fromUtf8(c.avant), b = QString::fromUtf8(c.apres);
        EXPECT_TRUE(avantDansListe(a, b)) << c.avant << " / " << c.apres;
        EXPECT_FALSE(avantDansListe(b, a)) << c.apres << " / " << c.avant;
    }
    EXPECT_FALSE(avantDansListe("Tom", "Tom"));

    Seance s(false);
    for (const char* n : {"[Tous les exercices personnels]", "Conjugaison", "_x", "2 - Révisions",
                          "Être au présent", "Verbes du premier groupe", "grammaire"})
        QDir(s.programme).mkpath(QString::fromUtf8(n));
    EXPECT_EQ(listerEntrees(s.programme, "*.", GenreEntree::Dossiers),
              QStringList({"2 - Révisions", "Conjugaison", "grammaire", "Verbes du premier groupe",
                           "[Tous les exercices personnels]", "_x", "Être au présent"}));
}

// Names match up to case as the file system matches them, accented capitals included.
TEST(Chemins, MemeNomSansEgardALaCasseUnicode)
{
    struct Cas {
        const char* a;
        const char* b;
        bool meme;
    };
    const Cas cas[] = {
        {"Léa", "LÉA", true},  {"noé", "NOÉ", true},  {"Chloé", "chloe", false},
        {"Œdipe", "œdipe", true}, {"Tom", "Tom ", false}, {"Inès", "INÈS", true},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(memeNom(QString::fromUtf8(c.a), QString::fromUtf8(c.b)), c.meme) << c.a << " / " << c.b;
}

// Names from an archive made on Windows are Windows-1252 bytes, not UTF-8: Qt's own listings
// leave them out. They are listed, found and opened under their Windows spelling, the entry being
// renamed to it in UTF-8 once taken; nothing already there is replaced.
TEST(Chemins, NomsVenusDeWindows)
{
    Seance s(false);
    s.ecrireNomWindows("Sons/caf\xe9.wav", "RIFF");
    s.ecrireNomWindows("Sons/\x80 5.wav", "");
    s.ecrireNomWindows("Sons/r\xe9sum\xe9.doc", "");
    s.ecrireNomWindows("Sons/No\xebl.wav", "windows");
    s.ecrireOctets("Sons/Noël.wav", "linux");
    s.ecrireOctets("Sons/chat.wav", "");

    EXPECT_EQ(listerEntrees(s.chemin("Sons"), "*.wav", GenreEntree::Fichiers),
              QStringList({"caf\u00e9.wav", "chat.wav", "No\u00ebl.wav", "\u20ac 5.wav"}));
    // Renamed in UTF-8, content kept; the twin of an existing name and what was not taken stay.
    EXPECT_EQ(s.nomsSurDisque("Sons"),
              QList<QByteArray>({"No\xc3\xabl.wav", "No\xebl.wav", "caf\xc3\xa9.wav", "chat.wav",
                                 "r\xe9sum\xe9.doc", "\xe2\x82\xac 5.wav"}));
    EXPECT_EQ(s.lireOctets("Sons/café.wav"), QByteArray("RIFF"));
    EXPECT_EQ(s.lireOctets("Sons/Noël.wav"), QByteArray("linux"));

    // The case-blind resolver finds such a name too, folders included.
    s.ecrireNomWindows("D\xe9j\xe0 vu/l'\xe9t\xe9.txt", "x");
    EXPECT_TRUE(existeFichier(s.chemin("DÉJÀ VU/L'ÉTÉ.TXT")));
    EXPECT_EQ(resoudreChemin(s.chemin("déjà vu/l'été.txt")), s.chemin("Déjà vu/l'été.txt"));
    EXPECT_EQ(s.lireOctets("Déjà vu/l'été.txt"), QByteArray("x"));

    // A folder where nothing can be renamed still lists the name (opening it then fails aloud).
    if (geteuid() != 0) {
        s.ecrireNomWindows("Lecture seule/\xe9t\xe9.wav", "");
        ASSERT_EQ(::chmod(QFile::encodeName(s.chemin("Lecture seule")).constData(), 0555), 0);
        EXPECT_EQ(listerEntrees(s.chemin("Lecture seule"), "*.*"), QStringList({"\u00e9t\u00e9.wav"}));
        ::chmod(QFile::encodeName(s.chemin("Lecture seule")).constData(), 0755);
    }
}
