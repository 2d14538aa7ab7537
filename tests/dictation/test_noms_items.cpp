#include <gtest/gtest.h>

#include "CodesNomFichier.h"
#include "NomsItems.h"
#include "Profil.h"
#include "ProfilCastiflore.h"
#include "Seance.h"

using namespace castiflore;

namespace {

const char* const cinqBlancs = "     ";

struct CasNom {
    const char* nom;
    const char* cle;           // success key
    QStringList hasard;        // accepted answers, random order
    QStringList dossier;       // accepted answers, folder order
    const char* modeleHasard;
    const char* modeleDossier;
    const char* journal;
};

} // namespace

TEST(NomsItems, TextesDerivesDuNom)
{
    const QList<CasNom> cas = {
        {"chat.wav", "chat", {"chat"}, {"chat"}, "chat", "chat", "chat"},
        {"##02#chat.wav", "##02#chat", {"##02#chat"}, {"chat"}, "##02#chat", "chat", "##02#chat"},
        {"aujourd#apo#hui.wav", "aujourd'hui", {"aujourd'hui"}, {"aujourd'hui"}, "aujourd'hui",
         "aujourd'hui", "aujourd#apo#hui"},
        {"sœur.wav", "sœur", {"sœur"}, {"sœur"}, "sœur", "sœur", "sœur"},
        // Only the model writes "oe" as "œ"; the check does it on the typed text.
        {"soeur.wav", "soeur", {"soeur"}, {"soeur"}, "sœur", "sœur", "soeur"},
        {"chien£chienne.wav", "chien£chienne", {"chien", "chienne"}, {"chien", "chienne"},
         "chien     chienne", "chien     chienne", "chien     chienne"},
        // A decoded "£" belongs to the answer: the blanks come before the decoding.
        {"prix #liv#.wav", "prix £", {"prix £"}, {"prix £"}, "prix £", "prix £", "prix #liv#"},
        // The log knows three spellings of each extension only.
        {"chat.WaV", "chat", {"chat"}, {"chat"}, "chat", "chat", "chat.WaV"},
        {"Le Chat.MP3", "le chat", {"Le Chat"}, {"Le Chat"}, "Le Chat", "Le Chat", "Le Chat"},
        {"Chat.Mp3", "chat", {"Chat"}, {"Chat"}, "Chat", "Chat", "Chat"},
        {"chat.mP3", "chat", {"chat"}, {"chat"}, "chat", "chat", "chat.mP3"},
        // The key is trimmed before the extension goes: the blank before it stays.
        {"  Lune .wav", "lune ", {"  Lune "}, {"  Lune "}, "  Lune ", "  Lune ", "  Lune "},
        // Codes are lower-case; the key is lower-cased first and so decodes them.
        {"#AST#.wav", "*", {"#AST#"}, {"#AST#"}, "#AST#", "#AST#", "#AST#"},
        {"a#ast##int#.mp3", "a*?", {"a*?"}, {"a*?"}, "a*?", "a*?", "a#ast##int#"},
        // The model decodes before removing the prefix; the answers remove it first.
        {"##ast#x.wav", "#*x", {"#*x"}, {"x"}, "#*x", "#*x", "##ast#x"},
        {"##03.wav", "##03", {"##03"}, {"##03"}, "##03", "##03", "##03"},
        {"coeur£cœur.mp3", "coeur£cœur", {"coeur", "cœur"}, {"coeur", "cœur"}, "cœur     cœur",
         "cœur     cœur", "coeur     cœur"},
        // A blank alternative accepts nothing, unless it is the only one.
        {"£chat.wav", "£chat", {"chat"}, {"chat"}, "     chat", "     chat", "     chat"},
        {"chien£ £chienne£.mp3", "chien£ £chienne£", {"chien", "chienne"}, {"chien", "chienne"},
         "chien           chienne     ", "chien           chienne     ", "chien           chienne     "},
        {"£.wav", "£", {""}, {""}, cinqBlancs, cinqBlancs, cinqBlancs},
        {"chat.wav.mp3", "chat", {"chat.wav"}, {"chat.wav"}, "chat", "chat", "chat"},
        {".wav", "", {""}, {""}, "", "", ""},
    };
    for (const CasNom& c : cas) {
        const QString nom = QString::fromUtf8(c.nom);
        SCOPED_TRACE(c.nom);
        EXPECT_EQ(cleReussiteItem(nom), QString::fromUtf8(c.cle));
        EXPECT_EQ(reponsesAcceptees(nom, true), c.hasard);
        EXPECT_EQ(reponsesAcceptees(nom, false), c.dossier);
        EXPECT_EQ(texteModele(nom, true), QString::fromUtf8(c.modeleHasard));
        EXPECT_EQ(texteModele(nom, false), QString::fromUtf8(c.modeleDossier));
        EXPECT_EQ(nomJournal(nom), QString::fromUtf8(c.journal));
    }
}

TEST(NomsItems, PrefixeOrdre)
{
    struct Cas {
        const char* texte;
        bool hasard;
        const char* attendu;
    };
    for (const Cas& c : {Cas{"##03#chat", false, "chat"}, Cas{"##03#chat", true, "##03#chat"},
                         Cas{"##chat", false, "##chat"}, Cas{"#03#chat", false, "#03#chat"},
                         Cas{"##03#le#chat", false, "le#chat"}, Cas{"##", false, "##"},
                         Cas{"###x", false, "x"}, Cas{"##03#", false, ""}, Cas{"", false, ""},
                         Cas{" ##03#chat", false, " ##03#chat"}}) {
        SCOPED_TRACE(c.texte);
        EXPECT_EQ(RetirerPrefixeOrdre(QString::fromUtf8(c.texte), c.hasard), QString::fromUtf8(c.attendu));
    }
}

TEST(NomsItems, DecodageAvecApostrophe)
{
    struct Cas {
        const char* code;
        const char* texte;
    };
    for (const Cas& c : {Cas{"aujourd#apo#hui", "aujourd'hui"}, Cas{"#APO#", "#APO#"},
                         Cas{"#ast##int#", "*?"}, Cas{"#liv##eur#", "£€"}, Cas{"a#b#apo", "a#b#apo"},
                         Cas{"#sla##ant##2po##gui##inf##sup##pip##exc##aro#", "/\\:\"<>|!@"},
                         Cas{"l#apo##apo#", "l''"}}) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(castiflore::DecoderNomFichier(QString::fromUtf8(c.code)), QString::fromUtf8(c.texte));
    }
    // The shared decoder follows the running program's table.
    definirProfil(profilCastiflore());
    EXPECT_EQ(::DecoderNomFichier(QStringLiteral("l#apo#eau")), QStringLiteral("l'eau"));
    definirProfil(profilOmbrivelle());
    EXPECT_EQ(::DecoderNomFichier(QStringLiteral("l#apo#eau")), QStringLiteral("l#apo#eau"));
}

TEST(NomsItems, ExtensionsEtCompagnons)
{
    for (const char* nom : {"chat.wav", "Chien.MP3", "chat.WaV", ".wav", "a.b.mp3", "##01#x.Wav"})
        EXPECT_TRUE(estItemSonore(QString::fromUtf8(nom))) << nom;
    for (const char* nom : {"chat.txt", "notes.doc", "wav", "chat.wav.bak", "chat.mp3 ", "chat.",
                            "chat.wavx", "chatwav", "chat.wäv"})
        EXPECT_FALSE(estItemSonore(QString::fromUtf8(nom))) << nom;

    EXPECT_EQ(nomTexteItem(QStringLiteral("chat.wav")), QStringLiteral("CHAT.TXT"));
    EXPECT_EQ(nomImageItem(QStringLiteral("Le chat.Wav")), QStringLiteral("LE CHAT.JPG"));
    EXPECT_EQ(nomTexteItem(QStringLiteral("sœur.mp3")), QStringLiteral("SœUR.TXT"));
    EXPECT_EQ(nomImageItem(QStringLiteral("a.wav.mp3")), QStringLiteral("A.JPG.JPG"));
}

TEST(NomsItems, NomExercice)
{
    EXPECT_EQ(NomExercice(QStringLiteral("/Exos/Dictées/Les animaux")), QStringLiteral("Les animaux"));
    EXPECT_EQ(NomExercice(QStringLiteral("Les animaux")), QStringLiteral("Les animaux"));
    // A folder's name keeps its dots.
    EXPECT_EQ(NomExercice(QStringLiteral("/Exos/Sons.en.wav")), QStringLiteral("Sons.en.wav"));
    EXPECT_EQ(NomExercice(QStringLiteral("/Exos/Dictées/")), QStringLiteral("Dictées"));
    EXPECT_EQ(NomExercice(QString()), QString());
}
