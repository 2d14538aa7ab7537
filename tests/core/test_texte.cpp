#include <gtest/gtest.h>

#include <QFile>
#include <QStringDecoder>

#include "CodesNomFichier.h"
#include "ErreurES.h"
#include "Seance.h"
#include "Texte.h"

TEST(Texte, Windows1252AllerRetour)
{
    const QString texte = QStringLiteral("é œ € ’ «»");
    const QByteArray octets = versWindows1252(texte);
    EXPECT_EQ(octets, QByteArray("\xE9 \x9C \x80 \x92 \xAB\xBB"));
    EXPECT_EQ(depuisWindows1252(octets), texte);
    // Characters Windows-1252 cannot hold come out as "?", one per character.
    EXPECT_EQ(versWindows1252(QStringLiteral("a\u4E2Db\U0001F600c")), QByteArray("a?b?c"));
    EXPECT_FALSE(representableEnWindows1252(QStringLiteral("ś")));
    EXPECT_TRUE(representableEnWindows1252(QStringLiteral("Œuvre à l’école")));
}

TEST(Texte, FichiersEcritsEtLus)
{
    Seance s(false);
    ecrireLignes(s.chemin("a.txt"), {QStringLiteral("élève"), QString(), QStringLiteral("cœur")});
    EXPECT_EQ(s.lireOctets("a.txt"), QByteArray("\xE9l\xE8ve\r\n\r\nc\x9Cur\r\n"));
    EXPECT_EQ(lireLignes(s.chemin("a.txt")),
              QStringList({QStringLiteral("élève"), QString(), QStringLiteral("cœur")}));

    // LF-only files, a last line without end, and a UTF-8 file from a Linux editor.
    s.ecrireOctets("lf.txt", "un\ndeux\r\ntrois");
    EXPECT_EQ(lireLignes(s.chemin("lf.txt")), QStringList({"un", "deux", "trois"}));
    s.ecrireOctets("utf8.txt", "\xEF\xBB\xBFl\xC3\xA9gume\r\n\xC5\x93uf\r\n");
    EXPECT_EQ(lireLignes(s.chemin("utf8.txt")), QStringList({QStringLiteral("légume"), QStringLiteral("œuf")}));
    // Bytes that are not valid UTF-8 are Windows-1252.
    s.ecrireOctets("ansi.txt", "\xE9t\xE9\r\n");
    EXPECT_EQ(lireLignes(s.chemin("ansi.txt")), QStringList({QStringLiteral("été")}));
    s.ecrireOctets("vide.txt", "");
    EXPECT_TRUE(lireLignes(s.chemin("vide.txt")).isEmpty());

    // Names are found whatever their case.
    EXPECT_EQ(lireLignes(s.chemin("A.TXT")).size(), 3);
    EXPECT_THROW(lireLignes(s.chemin("absent.txt")), ErreurES);
}

// A file is UTF-8 exactly when Qt's decoder takes it without error; every other one is
// Windows-1252, whatever fault its bytes have and wherever it stands.
TEST(Texte, Utf8CommeLeDecodeurDeQt)
{
    const QList<QByteArray> cas = {
        "\xC3\xA9t\xC3\xA9",         // été
        "\xF0\x9F\x98\x80 fin",      // four bytes
        "\xEF\xBF\xBF",               // a non-character
        "\xF4\x8F\xBF\xBF",          // U+10FFFF
        "\xE9t\xE9",                   // Windows-1252
        "ab\xC3",                       // cut at the end
        "\xC3\xA9\xE2\x82",          // cut in three bytes
        "\xC0\xAF",                    // overlong
        "\xE0\x80\xAF",               // overlong
        "\xF0\x80\x80\xAF",          // overlong
        "\xED\xA0\x80",               // a surrogate
        "\xF4\x90\x80\x80",          // beyond U+10FFFF
        "\xF8\x88\x80\x80\x80",     // five bytes
        "\xC3\xA9\x80",               // a lone continuation
        "\xE2\x28\xA1",               // a bad continuation
        QByteArray("\xC3\xA9") + QByteArray(1, '\0') + "x", // a NUL inside
    };
    for (const QByteArray& octets : cas) {
        SCOPED_TRACE(octets.toHex().toStdString());
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString qt = utf8.decode(octets);
        EXPECT_EQ(decoderFichier(octets), utf8.hasError() ? depuisWindows1252(octets) : qt);
    }
}

TEST(Texte, AjoutsEtFichiersVides)
{
    Seance s(false);
    AjouterLigne(s.chemin("journal.txt"), QStringLiteral("rien"));
    EXPECT_FALSE(s.existe("journal.txt")); // never created by an append

    EXPECT_TRUE(CreerFichierVide(s.chemin("journal.txt")));
    AjouterLigne(s.chemin("JOURNAL.txt"), QStringLiteral("été"));
    AjouterLigne(s.chemin("journal.txt"), QString());
    EXPECT_EQ(s.lireOctets("journal.txt"), QByteArray("\xE9t\xE9\r\n\r\n"));
    EXPECT_FALSE(s.existe("JOURNAL.txt"));

    // Emptying an existing file, under the case variant that exists.
    EXPECT_TRUE(CreerFichierVide(s.chemin("Journal.TXT")));
    EXPECT_EQ(s.lireOctets("journal.txt"), QByteArray());
    EXPECT_FALSE(CreerFichierVide(s.chemin("absent/x.txt")));

    // A log saved in UTF-8 by a Linux editor keeps its encoding, so its accents stay readable;
    // one in Windows-1252, or with C1 bytes that only Windows-1252 explains, keeps that one.
    const struct {
        QByteArray avant, apres;
    } cas[] = {
        {"\xC3\xA9t\xC3\xA9\r\n", "\xC3\xA9t\xC3\xA9\r\nr\xC3\xA9ussi\r\n"},
        {"\xEF\xBB\xBF\xC3\xA9t\xC3\xA9\r\n", "\xEF\xBB\xBF\xC3\xA9t\xC3\xA9\r\nr\xC3\xA9ussi\r\n"},
        {"\xE9t\xE9\r\n", "\xE9t\xE9\r\nr\xE9ussi\r\n"},
        {"d\xC2\x94\r\n", "d\xC2\x94\r\nr\xE9ussi\r\n"},
        {"ascii\r\n", "ascii\r\nr\xE9ussi\r\n"},
    };
    for (const auto& c : cas) {
        s.ecrireOctets("journal.txt", c.avant);
        const QString avant = lireTexte(s.chemin("journal.txt"));
        AjouterLigne(s.chemin("journal.txt"), QStringLiteral("réussi"));
        EXPECT_EQ(s.lireOctets("journal.txt"), c.apres);
        EXPECT_EQ(lireTexte(s.chemin("journal.txt")), avant + QStringLiteral("réussi\r\n"));
    }
}

TEST(Texte, RognageCasseEtMiseEnForme)
{
    EXPECT_EQ(rogner(QStringLiteral("\t \x01 Le Chat \r\n")), QStringLiteral("Le Chat"));
    EXPECT_EQ(rogner(QStringLiteral("\u00A0x\u00A0")), QStringLiteral("\u00A0x\u00A0"));
    EXPECT_EQ(minusculesAZ(QStringLiteral("ÉLÈVE Zoé")), QStringLiteral("ÉlÈve zoé"));
    EXPECT_EQ(majusculesAZ(QStringLiteral("élève")), QStringLiteral("éLèVE"));

    EXPECT_EQ(CompleterAGauche("12345", 4, " "), QStringLiteral("12345"));
    EXPECT_EQ(CompleterAGauche("7", 4, " "), QStringLiteral("   7"));
    EXPECT_EQ(FormaterDuree(3725, true), QStringLiteral(" 1 h  2 min  5 s"));
    EXPECT_EQ(FormaterDuree(3725, false), QStringLiteral("1 h 2 min 5 s"));
    EXPECT_EQ(FormaterDuree(0, false), QStringLiteral("0 s"));
    EXPECT_EQ(FormaterDuree(3600, false), QStringLiteral("1 h 0 s"));
    EXPECT_EQ(FormaterDuree(303, false), QStringLiteral("5 min 3 s"));
    EXPECT_EQ(FormaterDuree(303, true), QStringLiteral(" 0 h  5 min  3 s"));
}

TEST(CodesNomFichier, TableEtRemplacementsSansChevauchement)
{
    EXPECT_EQ(DecoderNomFichier(QStringLiteral("#ast##int#")), QStringLiteral("*?"));
    EXPECT_EQ(DecoderNomFichier(QStringLiteral("#AST#")), QStringLiteral("#AST#"));
    EXPECT_EQ(DecoderNomFichier(QStringLiteral("a#b #ast")), QStringLiteral("a#b #ast"));
    EXPECT_EQ(DecoderNomFichier(QStringLiteral("#eur#5 #liv#3 #sla##ant##2po##gui##inf##sup##pip##exc##aro#")),
              QStringLiteral("€5 £3 /\\:\"<>|!@"));
    // A character produced by one row is not read again by that row, and rows apply in order:
    // "#pip" + "#pip#" gives "#pip|", which no later row touches.
    EXPECT_EQ(DecoderNomFichier(QStringLiteral("#pip#pip#")), QStringLiteral("|pip#"));
    // Rows apply in table order: "#int#" (row 3) is read before "#2po#" (row 6) is tried.
    EXPECT_EQ(DecoderNomFichier(QStringLiteral("#2po#int#")), QStringLiteral("#2po?"));
    // The table is a parameter: another program can bring its own rows.
    EXPECT_EQ(DecoderNomFichier(QStringLiteral("a#x#b"), {{QStringLiteral("#x#"), QStringLiteral("£")}}),
              QStringLiteral("a£b"));
}
