#include <gtest/gtest.h>

#include "Comparaison.h"

namespace {

struct Cas {
    const char* reponses;
    const char* tape;
    bool espaces;
    bool majuscules;
    bool permute;
    bool mot;
    bool juste;
    const char* boiteApres; // nullptr: unchanged
    int bleu;
};

QString u(const char* s)
{
    return QString::fromUtf8(s);
}

} // namespace

TEST(Comparaison, VerdictsBoiteEtDebutBleu)
{
    const Cas cas[] = {
        // Capitals and blanks around the whole text.
        {"Le chat|le chien", " LE CHIEN ", false, false, false, false, true, nullptr, 0},
        {"Le chat|le chien", " LE CHIEN ", false, true, false, false, false, nullptr, 0},
        {"Le chat|le chien", "le chien", false, true, false, false, true, nullptr, 8},
        // Accented capitals are never folded.
        {"élève", "Élève", false, false, false, false, false, nullptr, 0},
        {"élève", "ÉLÈVE", false, false, false, false, false, nullptr, 0},
        // Blanks next to punctuation, when blanks are not respected.
        {"Bonjour, Paul!", "Bonjour , Paul !", false, false, false, false, true, nullptr, 6},
        {"Bonjour, Paul!", "Bonjour , Paul !", true, false, false, false, false, nullptr, 6},
        {"a,b", "a ,b", false, false, false, false, true, nullptr, 0},
        // Double blanks are not merged: one blank a sign goes.
        {"a,b", "a  ,b", false, false, false, false, false, nullptr, 0},
        {"le chat", "le  chat", false, false, false, false, false, nullptr, 2},
        // The ligature, both ways, rewritten in the box.
        {"cœur", "coeur", false, false, false, false, true, "cœur", 4},
        {"coeur", "cœur", false, false, false, false, true, "coeur", 5},
        {"cœur|coeur", "cœur", false, false, false, false, true, "coeur", 5},
        {"Cœur", "COEUR", false, false, false, false, false, nullptr, 1},
        // Typographic apostrophes become plain ones, in the box too.
        {"l’arbre", "l'arbre", false, false, false, false, true, nullptr, 1},
        {"l’arbre", "l’arbre", false, false, false, false, true, "l'arbre", 1},
        {"l‘arbre", "l'arbre", false, false, false, false, true, nullptr, 1},
        // A blank next to a typographic apostrophe survives, next to a plain one it goes.
        {"l’ arbre", "l' arbre", false, false, false, false, false, nullptr, 1},
        {"l’ arbre", "l’ arbre", false, false, false, false, true, "l' arbre", 1},
        {"l' arbre", "l'arbre", false, false, false, false, true, nullptr, 2},
        // Words in any order.
        {"le petit chat", "chat le petit", false, false, true, false, true, nullptr, 0},
        {"le petit chat", "le petit", false, false, true, false, false, nullptr, 7},
        {"le chat chat", "le le chat", false, false, true, false, true, nullptr, 3},
        {"le petit chat", "chat le petit", false, false, false, false, false, nullptr, 0},
        {"Le Petit chat", "chat le petit", false, true, true, false, false, nullptr, 0},
        // Quoted words hold their blanks, as long as the blanks beside the quotes are kept.
        {"\"pomme de terre\" cuite", "cuite \"pomme de terre\"", true, false, true, false, true, nullptr, 0},
        {"\"pomme de terre\" cuite", "cuite \"pomme de terre\"", false, false, true, false, false, nullptr, 0},
        // One word is enough, but only one.
        {"les chats", "chats", false, false, false, true, true, nullptr, 0},
        {"les chats", " CHATS ", false, false, false, true, true, nullptr, 0},
        {"les chats noirs", "les chats", false, false, false, true, false, nullptr, 8},
        {"les chats", "les chats noirs", false, false, false, true, false, nullptr, 8},
        {"les chats", "chats", false, false, false, false, false, nullptr, 0},
        // Empty alternatives accept an answer that is empty once trimmed.
        {"chat|", "", false, false, false, false, true, nullptr, 0},
        {"chat|", "   ", false, false, false, false, true, nullptr, 0},
        {"|chat", "", false, false, false, false, true, nullptr, 0},
        {"chat||chien", " ", false, false, false, false, true, nullptr, 0},
        {"chat", "", false, false, false, false, false, nullptr, 0},
        // The highlight keeps the best alternative, measured on the raw texts.
        {"chien|chat", "chat", false, false, false, false, true, nullptr, 4},
        {"chien|chat", "chiot", false, false, false, false, false, nullptr, 3},
        {"  chat  ", "chat", false, false, false, false, true, nullptr, 4},
    };
    for (const Cas& c : cas) {
        ReglesComparaison r;
        r.respectEspaces = c.espaces;
        r.respectMajuscules = c.majuscules;
        r.motsPermutes = c.permute;
        r.unMotSuffit = c.mot;
        const Verification v = VerifierReponse(u(c.reponses), u(c.tape), r);
        const std::string quoi = std::string(c.reponses) + " / [" + c.tape + "]";
        EXPECT_EQ(v.juste, c.juste) << quoi;
        EXPECT_EQ(v.texteSaisie, c.boiteApres ? u(c.boiteApres) : u(c.tape)) << quoi;
        EXPECT_EQ(v.longueurBleue, c.bleu) << quoi;
    }
}

TEST(Comparaison, LongueurDebutCorrect)
{
    EXPECT_EQ(LongueurDebutCorrect("chat", "cha", false), 2);
    EXPECT_EQ(LongueurDebutCorrect("chats noirs", "chat noir", false), 3);
    EXPECT_EQ(LongueurDebutCorrect("chats noirs", "chats noirx", false), 10);
    EXPECT_EQ(LongueurDebutCorrect("chat", "chat", false), 4);
    EXPECT_EQ(LongueurDebutCorrect("chat", "chats", false), 4);
    EXPECT_EQ(LongueurDebutCorrect("Chat", "chat", false), 4);
    EXPECT_EQ(LongueurDebutCorrect("Chat", "chat", true), 0);
    EXPECT_EQ(LongueurDebutCorrect("", "chat", false), 0);
    EXPECT_EQ(LongueurDebutCorrect("chat", "", false), 0);
    EXPECT_EQ(LongueurDebutCorrect("c", "c", false), 1);
}

TEST(Comparaison, NormaliserEspaces)
{
    EXPECT_EQ(NormaliserEspaces("a , b . c ! d ? e"), QStringLiteral("a,b.c!d?e"));
    EXPECT_EQ(NormaliserEspaces("a  ,"), QStringLiteral("a ,"));
    EXPECT_EQ(NormaliserEspaces("( a ) ' \" b \""), QStringLiteral("(a)'\"b\""));
    EXPECT_EQ(NormaliserEspaces("Et puis ... voilà"), QStringLiteral("Et puis...voilà"));
    EXPECT_EQ(NormaliserEspaces("x|y , z"), QStringLiteral("x|y,z"));
    EXPECT_EQ(NormaliserEspaces(u("l’ arbre")), u("l’ arbre"));
}

TEST(Comparaison, DecoupageDesMots)
{
    EXPECT_EQ(DecouperMots("  le\tpetit  chat "), QStringList({"le", "petit", "chat"}));
    EXPECT_EQ(DecouperMots("\"pomme de terre\" cuite"), QStringList({"pomme de terre", "cuite"}));
    EXPECT_EQ(DecouperMots("\"ab\"cd"), QStringList({"ab", "cd"}));
    EXPECT_EQ(DecouperMots("\"il dit \"\"oui\"\"\" fin"), QStringList({"il dit \"oui\"", "fin"}));
    EXPECT_EQ(DecouperMots("x \"\" y"), QStringList({"x", "", "y"}));
    EXPECT_EQ(DecouperMots("a \"bcd"), QStringList({"a", "bc"}));
    EXPECT_EQ(DecouperMots("a\"b c"), QStringList({"a\"b", "c"}));
    EXPECT_TRUE(DecouperMots(" \t ").isEmpty());
    EXPECT_EQ(DecouperMots("\""), QStringList({""}));
}
