#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

#include "Chemins.h"
#include "Enfant.h"
#include "Fichiers.h"
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

// Names from archives made on Windows (Windows-1252 bytes) and on Macs (decomposed UTF-8): each
// is listed as its bytes read, composed, found without regard to case and opened, read or
// rewritten by its own bytes. Where several entries mean one name, one is listed and it is the
// one opened. Nothing on disk is renamed.
TEST(Chemins, NomsVenusDAutresSystemes)
{
    Seance s(false);
    s.ecrireNomWindows("Sons/caf\xe9.wav", "RIFF");
    s.ecrireNomWindows("Sons/\x80 5.wav", "");
    s.ecrireNomWindows("Sons/r\xe9sum\xe9.doc", "");
    s.ecrireNomWindows("Sons/No\xebl.wav", "windows");
    s.ecrireOctets("Sons/Noël.wav", "linux");
    s.ecrireNomWindows("Sons/e\xcc\x81te\xcc\x81.wav", "mac");
    s.ecrireNomWindows("Sons/l\xe9" "a.wav", "windows");
    s.ecrireNomWindows("Sons/le\xcc\x81" "a.wav", "mac");
    s.ecrireNomWindows("Sons/\xef\xbb\xbf" "bom.wav", "");
    s.ecrireNomWindows("Sons/m\xc3\xa9l\xe9.wav", "");
    s.ecrireOctets("Sons/chat.wav", "");
    const QList<QByteArray> avant = s.nomsSurDisque("Sons");

    EXPECT_EQ(listerEntrees(s.chemin("Sons"), "*.wav", GenreEntree::Fichiers),
              QStringList({"caf\u00e9.wav", "chat.wav", "l\u00e9a.wav", "m\u00c3\u00a9l\u00e9.wav",
                           "No\u00ebl.wav", "\u00e9t\u00e9.wav", "\u20ac 5.wav", QChar(0xfeff) + QStringLiteral("bom.wav")}));
    QByteArray octets;
    const auto lu = [&](const QString& nom) {
        return lireFichierRegulier(s.chemin("Sons/" + nom), octets) ? octets : QByteArray("(absent)");
    };
    EXPECT_EQ(lu("caf\u00e9.wav"), "RIFF");
    EXPECT_EQ(lu("No\u00ebl.wav"), "linux"); // the UTF-8 spelling, of the two
    EXPECT_EQ(lu("\u00e9t\u00e9.wav"), "mac");
    EXPECT_EQ(lu(QString::fromUtf8("e\xcc\x81te\xcc\x81.wav")), "mac"); // asked decomposed too
    EXPECT_EQ(lu("l\u00e9a.wav"), "mac"); // of two other spellings, the one whose bytes come first
    EXPECT_EQ(lu("CAF\u00c9.WAV"), "RIFF");
    EXPECT_TRUE(existeFichier(s.chemin(QStringLiteral("SONS/") + QChar(0xfeff) + "BOM.WAV")));
    EXPECT_EQ(resoudreChemin(s.chemin("sons/CAF\u00c9.wav")), s.chemin("Sons/caf\u00e9.wav"));

    // Rewritten, appended to and removed by its own bytes: no second entry of that name appears.
    EXPECT_TRUE(ecrireFichierEntier(s.chemin("Sons/caf\u00e9.wav"), "neuf"));
    EXPECT_EQ(ajouterAuFichier(s.chemin("Sons/\u00e9t\u00e9.wav"), "+"), ResultatAjout::Fait);
    EXPECT_EQ(lu("caf\u00e9.wav"), "neuf");
    EXPECT_EQ(lu("\u00e9t\u00e9.wav"), "mac\r\n+");
    EXPECT_EQ(s.nomsSurDisque("Sons"), avant);
    EXPECT_TRUE(supprimerFichier(s.chemin("Sons/\u20ac 5.wav")));
    EXPECT_FALSE(s.nomsSurDisque("Sons").contains(QByteArray("\x80 5.wav")));

    // Folders so named are entered; a file made in one takes its UTF-8 name there.
    s.ecrireNomWindows("D\xe9j\xe0 vu/l'\xe9t\xe9.txt", "x");
    EXPECT_TRUE(existeFichier(s.chemin("DÉJÀ VU/L'ÉTÉ.TXT")));
    EXPECT_EQ(listerEntrees(s.chemin("Déjà vu"), "*.txt"), QStringList({"l'\u00e9t\u00e9.txt"}));
    EXPECT_TRUE(ecrireFichierEntier(s.chemin("Déjà vu/Léa.txt"), "y"));
    EXPECT_EQ(s.nomsSurDisque("D\xe9j\xe0 vu"), QList<QByteArray>({"L\xc3\xa9" "a.txt", "l'\xe9t\xe9.txt"}));
}

// Two programs list a new folder of Windows names at once, again and again: each sees every
// entry every time, and the folder is as it was.
TEST(Chemins, DeuxProgrammesListentUnDossierAuMemeMoment)
{
    Seance s(false);
    for (int i = 0; i < 400; ++i)
        s.ecrireNomWindows("Dict\xe9" "es/caf\xe9 " + QByteArray::number(i) + ".wav", "");
    const QList<QByteArray> avant = s.nomsSurDisque("Dict\xe9" "es");
    const QString dossier = s.chemin("Dictées");
    const auto lister = [dossier] {
        const QStringList noms = listerEntrees(dossier, QStringLiteral("*.wav"), GenreEntree::Fichiers);
        return noms.size() == 400 && noms.first() == QStringLiteral("caf\u00e9 0.wav") ? 0 : 1;
    };
    for (int tour = 0; tour < 20; ++tour)
        ASSERT_EQ(ensembleDansDesEnfants({lister, lister}), std::vector<int>({0, 0})) << "tour " << tour;
    EXPECT_EQ(s.nomsSurDisque("Dict\xe9" "es"), avant);
}
