#include <gtest/gtest.h>

#include "Etat.h"
#include "Exercice.h"
#include "Reussites.h"
#include "Deroulement.h"

TEST(FichierExercice, Grammaire)
{
    // Instructions before "##", items after; directives anywhere, shown in the header too.
    ContenuExercice c = lireExercice({"Accorde le nom.", "ORDRE", "##", "un chat|des chats", " PERMUTE ",
                                      "MOT", "", "  ", "ordre", "ORDRE.", "## encore", "chat|chat|chats",
                                      "chat|chat|chats", "vide|"});
    EXPECT_EQ(c.entete, QStringLiteral("Accorde le nom.\r\nORDRE"));
    EXPECT_EQ(c.ordreAleatoire, 0);
    EXPECT_EQ(c.motsPermutes, 1);
    EXPECT_EQ(c.unMotSuffit, 1);
    EXPECT_EQ(c.candidats, QStringList({"un chat|des chats", "  ", "ordre", "ORDRE.", "## encore",
                                        "chat|chat|chats", "chat|chat|chats", "vide|"}));

    // A file beginning with "##": no instructions, every other line a candidate.
    c = lireExercice({"## Pluriels", "a|b"});
    EXPECT_EQ(c.entete, QString());
    EXPECT_EQ(c.candidats, QStringList({"a|b"}));
    EXPECT_EQ(c.ordreAleatoire, 1);

    // No "##" at all: header and items at once, the directives set all the same.
    c = lireExercice({"Consigne", "chat|chats", "PERMUTE"});
    EXPECT_EQ(c.entete, QStringLiteral("Consigne\r\nchat|chats\r\nPERMUTE"));
    EXPECT_EQ(c.candidats, QStringList({"Consigne", "chat|chats"}));
    EXPECT_EQ(c.motsPermutes, 1);
    EXPECT_EQ(c.ordreAleatoire, 1);
}

TEST(FichierExercice, NomExercice)
{
    EXPECT_EQ(NomExercice(QStringLiteral("/banque/Conjugaison/Le présent.txt")), QStringLiteral("Le présent"));
    EXPECT_EQ(NomExercice(QStringLiteral("/banque/Le présent.TxT")), QStringLiteral("Le présent.TxT"));
    EXPECT_EQ(NomExercice(QStringLiteral("a.TXT")), QStringLiteral("a"));
    EXPECT_EQ(NomExercice(QStringLiteral("/b/x.txt.Txt")), QStringLiteral("x"));
    EXPECT_EQ(NomExercice(QString()), QString());
}

TEST(FichierExercice, ItemsATravailler)
{
    reinitialiserEtat();
    etat.EleveCourant = QStringLiteral("Léa");
    etat.NbReponsesNecessaires = 3;
    TableDesReussites& t = etat.TableReussites;
    t.ajouter("un chat", "1-2");
    t.ajouter("un chien", "2-3");
    t.ajouter("un loup", "3");
    t.ajouter("un rat", "x-y"); // hand-edited: reads as 0
    t.ajouter("a*b?", "5");
    t.ajouter("#ast#", "5");
    EXPECT_TRUE(ItemATravailler("  Un CHAT |des chats"));
    EXPECT_FALSE(ItemATravailler("un chien|des chiens"));
    EXPECT_FALSE(ItemATravailler("un loup|des loups"));
    EXPECT_TRUE(ItemATravailler("un rat|des rats"));
    EXPECT_TRUE(ItemATravailler("un lion|des lions"));
    // Prompts are looked up decoded: a coded prompt never meets its stored (coded) key.
    EXPECT_FALSE(ItemATravailler("a#ast#b#int#|x"));
    EXPECT_TRUE(ItemATravailler("#AST#|x"));

    etat.NbReponsesNecessaires = 999;
    EXPECT_TRUE(ItemATravailler("un loup|des loups"));
    // With 0 required, an item with a record is retired, one without stays.
    etat.NbReponsesNecessaires = 0;
    EXPECT_FALSE(ItemATravailler("un chat|des chats"));
    EXPECT_TRUE(ItemATravailler("un lion|des lions"));
    // The guest gets every item.
    etat.NbReponsesNecessaires = 3;
    etat.EleveCourant.clear();
    EXPECT_TRUE(ItemATravailler("un loup|des loups"));
}

TEST(FichierExercice, LettreDeNote)
{
    const struct {
        int note, maxi;
        const char* lettre;
    } cas[] = {{29, 100, "J"}, {30, 100, "I"}, {39, 100, "I"}, {40, 100, "H"}, {50, 100, "G"},
               {60, 100, "F"}, {70, 100, "E"}, {80, 100, "D"}, {89, 100, "D"}, {90, 100, "C"},
               {94, 100, "C"}, {95, 100, "B"}, {99, 100, "B"}, {100, 100, "A"}, {0, 5, "J"},
               {4, 5, "D"}, {1, 3, "I"}, {2, 3, "F"}, {29, 30, "B"}, {1, 30, "J"}};
    for (const auto& c : cas)
        EXPECT_EQ(LettreNote(c.note, c.maxi), QString::fromLatin1(c.lettre)) << c.note << "/" << c.maxi;
}
