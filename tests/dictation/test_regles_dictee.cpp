// The dictation's check of a typed answer against an item's file name.

#include <gtest/gtest.h>

#include "ReglesDictee.h"
#include "Seance.h"

using namespace castiflore;

TEST(ReglesDictee, ReponseJusteSelonLeNom)
{
    struct Cas {
        const char* nom;
        const char* tape;
        bool ordreAleatoire;
        bool respectMajuscules;
        bool juste;
    };
    const Cas cas[] = {
        {"chat.WaV", "chat", true, true, true},
        {"chien£chienne.wav", "chienne", true, true, true},
        {"chien£chienne.wav", "chien£chienne", true, true, false},
        {"chien£.wav", "", true, false, false},
        {"prix #liv#.wav", "prix £", true, true, true},
        {"aujourd#apo#hui.wav", "aujourd'hui", true, true, true},
        {"aujourd#apo#hui.wav", "aujourd#apo#hui", true, true, false},
        {"##02#chat.wav", "chat", false, true, true},
        {"##02#chat.wav", "##02#chat", false, true, false},
        {"##02#chat.wav", "##02#chat", true, true, true},
        {"le chat.mp3", "\tLe chat\n", true, false, true},
        {"le chat.mp3", "Le chat", true, true, false},
        {"le chat.mp3", "le  chat", true, false, false},
        {"école.wav", "École", true, false, false},
        {"sœur.wav", "soeur", true, false, false}, // the window writes the ligature first
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(std::string(c.nom) + " / " + c.tape);
        EXPECT_EQ(saisieJuste(QString::fromUtf8(c.tape), QString::fromUtf8(c.nom), c.ordreAleatoire,
                              c.respectMajuscules),
                  c.juste);
    }
}

TEST(ReglesDictee, LigatureQuandLaReponseEnADeja)
{
    EXPECT_EQ(saisieAvecLigature("ma soeur, mon coeur", "ma sœur.wav", true), QStringLiteral("ma sœur, mon cœur"));
    EXPECT_EQ(saisieAvecLigature("Oeuf oE", "œuf.mp3", true), QStringLiteral("Oeuf oE"));
    EXPECT_EQ(saisieAvecLigature("sœur soeur", "soeur.wav", true), QStringLiteral("sœur soeur"));
    // Only the expected text counts: the extension and, in folder order, the prefix are not in it.
    EXPECT_EQ(saisieAvecLigature("soeur", "##œ#soeur.wav", false), QStringLiteral("soeur"));
    EXPECT_EQ(saisieAvecLigature("soeur", "##œ#soeur.wav", true), QStringLiteral("sœur"));
}
