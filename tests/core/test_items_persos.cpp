#include <gtest/gtest.h>

#include <QDir>

#include "ErreurES.h"
#include "Etat.h"
#include "ItemsPersos.h"
#include "LimiteEcriture.h"
#include "Seance.h"

TEST(ItemsPersos, Chemins)
{
    EXPECT_EQ(FichierItemsPersos("/banque/", "CM1", "Léa"),
              QStringLiteral("/banque/[Tous les exercices personnels]/CM1/Léa.txt"));
    EXPECT_EQ(FichierItemsAValider("/banque/", "CM1", "Léa"),
              QStringLiteral("/banque/[Tous les items à valider]/CM1/Léa_AValider.txt"));
}

TEST(ItemsPersos, LignesTriees)
{
    const struct {
        const char* nom;
        QStringList lignes, attendu;
    } cas[] = {
        {"sans regard à la casse, à la française",
         {"f|z", "b|1", "é|x", "A|1", "e|y"},
         {"A|1", "b|1", "é|x", "e|y", "f|z"}},
        {"les casses différentes gardées",
         {"chat|cat", "Chat|cat"},
         {"Chat|cat", "chat|cat"}},
        {"les répétitions retirées, même séparées par une autre casse",
         {"chat|cat", "Chat|cat", "chat|cat", "Chat|cat", "chat|cat"},
         {"Chat|cat", "chat|cat"}},
        {"lignes vides et marques retirées",
         {"", "*** A detruire ***", "b|1", "", "*** A detruire ***", "a|1"},
         {"a|1", "b|1"}},
        {"rien que des lignes vides", {"", "", ""}, {}},
        {"les blancs ne sont pas une ligne vide", {" ", "a|1", " "}, {" ", "a|1"}},
    };
    for (const auto& c : cas)
        EXPECT_EQ(trierLignesItemsPersos(c.lignes), c.attendu) << c.nom;
}

TEST(ItemsPersos, TriDeLaBanque)
{
    Seance s(false);
    const QString perso = "_Exercices_OBV/[Tous les exercices personnels]/";
    s.ecrireLignes(perso + "CM1/Léa.txt", {"un chat|cat", "", "Un chien|dog", "un chat|cat"});
    s.ecrireOctets(perso + "CM1/Tom.TXT", "a|1\nb|2\n");                       // sorted, but LF only
    s.ecrireOctets(perso + "CE2/Inès.txt", QStringLiteral("été|summer\nÉcole|school\n").toUtf8());
    s.ecrireLignes(perso + "CE2/Vide.txt", {"", ""});
    s.ecrireOctets(perso + "CE2/notes.doc", "z\r\na\r\n");
    s.ecrireOctets(perso + "CM1.ancien/Zoé.txt", "z\r\na\r\n");                 // a dot: never visited
    s.ecrireOctets(perso + "Lisez-moi.txt", "z\r\na\r\n");                     // not in a group folder
    TrierItemsPersos(s.chemin("_Exercices_OBV/"));

    EXPECT_EQ(s.lireOctets(perso + "CM1/Léa.txt"), octetsLignes({"un chat|cat", "Un chien|dog"}));
    EXPECT_EQ(s.lireOctets(perso + "CM1/Tom.TXT"), QByteArray("a|1\r\nb|2\r\n"));
    EXPECT_EQ(s.lireOctets(perso + "CE2/Inès.txt"), QByteArray("\xC9" "cole|school\r\n\xE9t\xE9|summer\r\n"));
    EXPECT_TRUE(s.existe(perso + "CE2/Vide.txt"));
    EXPECT_EQ(s.lireOctets(perso + "CE2/Vide.txt"), QByteArray());
    EXPECT_EQ(s.lireOctets(perso + "CE2/notes.doc"), QByteArray("z\r\na\r\n"));
    EXPECT_EQ(s.lireOctets(perso + "CM1.ancien/Zoé.txt"), QByteArray("z\r\na\r\n"));
    EXPECT_EQ(s.lireOctets(perso + "Lisez-moi.txt"), QByteArray("z\r\na\r\n"));

    // Without the folder there is nothing to do; the settings' bank is the default one.
    etat.RepertoireExercices = s.chemin("ailleurs/");
    TrierItemsPersos();
    EXPECT_FALSE(s.existe("ailleurs"));

    // A file that cannot be written stops the routine with the input/output error, intact.
    etat.RepertoireExercices = s.chemin("_Exercices_OBV/");
    s.ecrireLignes(perso + "CM1/Léa.txt", {"un long item à trier|un", "a|1"});
    const QByteArray avant = s.lireOctets(perso + "CM1/Léa.txt");
    {
        LimiteEcriture limite;
        EXPECT_THROW(TrierItemsPersos(), ErreurES);
    }
    EXPECT_EQ(s.lireOctets(perso + "CM1/Léa.txt"), avant);
}
