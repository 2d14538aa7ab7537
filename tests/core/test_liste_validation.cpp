// The validation listing: built from the pending files, read back into each pupil's section,
// and turned into the file operations that accept or keep the items.

#include <gtest/gtest.h>

#include <QDir>

#include "ErreurES.h"
#include "ItemsPersos.h"
#include "LimiteEcriture.h"
#include "ListeValidation.h"
#include "Seance.h"

namespace {

const QString perso = QStringLiteral("_Exercices_OBV/[Tous les exercices personnels]/");
const QString aValider = QStringLiteral("_Exercices_OBV/[Tous les items à valider]/");

QString g(const QString& groupe)
{
    return enteteGroupeValidation(groupe);
}

QString e(const QString& eleve)
{
    return enteteEleveValidation(eleve);
}

const QString selection = QStringLiteral("== Items à ajouter pour toute la sélection");

} // namespace

// Found by the tests' messages beside the type.
void PrintTo(const SectionValidation& s, std::ostream* os)
{
    *os << s.groupe.toStdString() << "/" << s.eleve.toStdString() << " {"
        << s.lignes.join(QStringLiteral(" ; ")).toStdString() << "}";
}

TEST(ListeValidation, Lecture)
{
    const struct {
        const char* nom;
        QStringList liste;
        QList<SectionValidation> attendu;
    } cas[] = {
        {"chaque élève ses lignes, puis la sélection; les lignes vides jamais",
         {selection, "pour tous|x", "", "et encore|y", g("CM1"), e("Léa"), "un chat|cat", "", "un chien|dog", e("Tom"),
          g("CE2"), e("Noé"), "", "la lune|moon"},
         {{"CM1", "Léa", {"un chat|cat", "un chien|dog", "pour tous|x", "et encore|y"}},
          {"CM1", "Tom", {"pour tous|x", "et encore|y"}},
          {"CE2", "Noé", {"la lune|moon", "pour tous|x", "et encore|y"}}}},
        {"hors d'une section: rien",
         {"avant tout|x", "== Léa", g("CM1"), "sans élève|x", e("Léa"), "à Léa|x"},
         {{"CM1", "Léa", {"à Léa|x"}}}},
        {"un en-tête de groupe termine l'élève au-dessus",
         {g("CM1"), e("Léa"), "à Léa|x", g("CE2"), "à personne|x", e("Noé"), "à Noé|x"},
         {{"CM1", "Léa", {"à Léa|x"}}, {"CE2", "Noé", {"à Noé|x"}}}},
        {"noms de groupe refusés: toute leur section tombe",
         {g(""), e("Léa"), "perdu|1", g("../CM1"), e("Léa"), "perdu|2", g("a/b"), e("Léa"), "perdu|3", g("a\\b"), e("Léa"),
          "perdu|4", g("."), e("Léa"), "perdu|5", g("CM1"), e("Léa"), "gardé|x"},
         {{"CM1", "Léa", {"gardé|x"}}}},
        {"noms d'élève refusés",
         {g("CM1"), e(""), "perdu|1", e(".."), "perdu|2", e("../Tom"), "perdu|3", e("x\\y"), "perdu|4", e("."), "perdu|5",
          e("Tom"), "gardé|x"},
         {{"CM1", "Tom", {"gardé|x"}}}},
        {"le même élève deux fois, casse comprise: une section",
         {g("CM1"), e("Léa"), "un|1", e("Tom"), g("cm1"), e("LÉA"), "deux|2"},
         {{"CM1", "Léa", {"un|1", "deux|2"}}, {"CM1", "Tom", {}}}},
        {"une sélection sous un groupe est un en-tête d'élève",
         {g("CM1"), e("Léa"), "un|1", selection, "pour qui|x", e("Tom")},
         {{"CM1", "Léa", {"un|1"}},
          {"CM1", "Items à ajouter pour toute la sélection", {"pour qui|x", "pour qui|x"}},
          {"CM1", "Tom", {"pour qui|x"}}}},
        {"en-têtes retouchés à la main",
         {"============================== groupe CM1============================== ", e("Léa"), "perdu|x",
          "============================== Groupe  CM1 ============================================================",
          "== Léa ==============================", "espace gardé|x", "==Tom", "collé|x"},
         {{"CM1", "Léa ", {"espace gardé|x"}}, {"CM1", "==Tom", {"collé|x"}}}},
        {"rien à lire", {}, {}},
    };
    for (const auto& c : cas)
        EXPECT_EQ(lireListeValidation(c.liste), c.attendu) << c.nom;
}

TEST(ListeValidation, Operations)
{
    const QStringList liste = {selection, "pour tous|x", g("CM1"), e("Léa"), "un chat|cat", e("Tom")};
    using G = OperationFichier::Genre;
    const QString p = "/b/[Tous les exercices personnels]/CM1/";
    const QString v = "/b/[Tous les items à valider]/CM1/";
    EXPECT_EQ(analyserListeValidation(liste, "/b/", true),
              (QList<OperationFichier>{{G::Ajouter, p + "Léa.txt", {"un chat|cat", "pour tous|x"}},
                                       {G::Supprimer, v + "Léa_AValider.txt", {}},
                                       {G::Ajouter, p + "Tom.txt", {"pour tous|x"}},
                                       {G::Supprimer, v + "Tom_AValider.txt", {}}}));
    EXPECT_EQ(analyserListeValidation(liste, "/b/", false),
              (QList<OperationFichier>{{G::Reecrire, v + "Léa_AValider.txt", {"un chat|cat", "pour tous|x"}},
                                       {G::Reecrire, v + "Tom_AValider.txt", {"pour tous|x"}}}));
}

TEST(ListeValidation, ConstruiteDepuisLesFichiersEnAttente)
{
    Seance s(false);
    for (const QString& groupe : QStringList{"CM1", "CE2", "CP", "CE1.ancien", "Vide"})
        QDir().mkpath(s.chemin(perso + groupe));
    s.ecrireLignes(aValider + "CM1/Tom_AValider.txt", {"un chien|dog", "", "  blancs gardés  "});
    s.ecrireLignes(aValider + "CM1/léa_avalider.TXT", {"un chat|cat"});
    s.ecrireLignes(aValider + "CM1/notes.txt", {"pas un élève"});
    s.ecrireLignes(aValider + "CE2/Noé_AValider.txt", {});
    s.ecrireLignes(aValider + "CP/SansTiretAValider.txt", {"offert, mais personne"});
    s.ecrireLignes(aValider + "CE1.ancien/Zoé_AValider.txt", {"jamais"});
    s.ecrireLignes(aValider + "CM2/Inès_AValider.txt", {"sans dossier personnel"});
    QDir().mkpath(s.chemin(aValider + "Vide"));

    const QString racine = s.chemin("_Exercices_OBV/");
    EXPECT_EQ(groupesAValider(racine), QStringList({"CE2", "CM1", "CP"}));
    QStringList liste;
    for (const QString& groupe : groupesAValider(racine))
        ajouterSectionGroupe(racine, groupe, liste);
    EXPECT_EQ(liste, QStringList({g("CE2"), e("Noé"), g("CM1"), e("léa"), "un chat|cat", e("Tom"), "un chien|dog", "",
                                  "  blancs gardés  ", g("CP")}));
    EXPECT_TRUE(groupesAValider(s.chemin("ailleurs/")).isEmpty());
}

TEST(ListeValidation, AppliquerAccepteOuGarde)
{
    Seance s(false);
    QDir().mkpath(s.chemin(perso + "CM1"));
    s.ecrireLignes(perso + "CM1/Léa.txt", {"zèbre|zebra"});
    s.ecrireLignes(aValider + "CM1/Léa_AValider.txt", {"un chat|cat"});
    s.ecrireLignes(aValider + "CM1/Tom_AValider.txt", {"un chien|dog"});
    const QString racine = s.chemin("_Exercices_OBV/");
    const QStringList liste = {selection, "pour tous|x", g("CM1"), e("Léa"), "un chat|cat", "", e("Tom"), "corrigé|dog"};

    // Kept: each pending file holds what the listing shows for its pupil, less the empty lines.
    appliquerOperations(analyserListeValidation(liste, racine, false));
    EXPECT_EQ(s.lireOctets(aValider + "CM1/Léa_AValider.txt"), octetsLignes({"un chat|cat", "pour tous|x"}));
    EXPECT_EQ(s.lireOctets(aValider + "CM1/Tom_AValider.txt"), octetsLignes({"corrigé|dog", "pour tous|x"}));
    EXPECT_FALSE(s.existe(perso + "CM1/Tom.txt"));

    // Accepted: appended to the personal files, created where missing; the pending files go.
    appliquerOperations(analyserListeValidation(liste, racine, true));
    EXPECT_EQ(s.lireOctets(perso + "CM1/Léa.txt"), octetsLignes({"zèbre|zebra", "un chat|cat", "pour tous|x"}));
    EXPECT_EQ(s.lireOctets(perso + "CM1/Tom.txt"), octetsLignes({"corrigé|dog", "pour tous|x"}));
    EXPECT_FALSE(s.existe(aValider + "CM1/Léa_AValider.txt"));
    EXPECT_FALSE(s.existe(aValider + "CM1/Tom_AValider.txt"));
}

TEST(ListeValidation, UnEchecNeLaisseRienDeMoitie)
{
    Seance s(false);
    QDir().mkpath(s.chemin(perso + "CM1"));
    s.ecrireLignes(aValider + "CM1/Léa_AValider.txt", {"un chat|cat"});
    s.ecrireLignes(aValider + "CM1/Tom_AValider.txt", {"un chien|dog"});
    const QString racine = s.chemin("_Exercices_OBV/");

    // A header retyped into a group without a folder stops everything before the first write.
    const QStringList liste = {g("CM1"), e("Léa"), "un chat|cat", g("CM2"), e("Tom"), "un chien|dog"};
    for (bool accepter : {true, false}) {
        try {
            appliquerOperations(analyserListeValidation(liste, racine, accepter));
            ADD_FAILURE() << "pas d'erreur";
        } catch (const ErreurES& erreur) {
            EXPECT_EQ(erreur.fichier(), accepter ? FichierItemsPersos(racine, "CM2", "Tom")
                                                 : FichierItemsAValider(racine, "CM2", "Tom"));
        }
        EXPECT_FALSE(s.existe(perso + "CM1/Léa.txt"));
        EXPECT_EQ(s.lireOctets(aValider + "CM1/Léa_AValider.txt"), octetsLignes({"un chat|cat"}));
    }

    // A write that fails keeps the pending file: it goes only once its items are safe.
    {
        LimiteEcriture limite;
        EXPECT_THROW(appliquerOperations(analyserListeValidation({g("CM1"), e("Léa"), "un item bien trop long|pour la limite"},
                                                                  racine, true)),
                     ErreurES);
    }
    EXPECT_EQ(s.lireOctets(aValider + "CM1/Léa_AValider.txt"), octetsLignes({"un chat|cat"}));
    EXPECT_FALSE(s.existe(perso + "CM1/Léa.txt"));
}

TEST(ItemsPersos, AjoutDansLEncodageDuFichier)
{
    const struct {
        const char* nom;
        QByteArray avant; // empty: no file
        QStringList lignes;
        QByteArray apres;
    } cas[] = {
        {"absent: créé avec les lignes", {}, {"été|summer"}, "\xE9t\xE9|summer\r\n"},
        {"Windows-1252", "a|1\r\n", {"été|summer"}, "a|1\r\n\xE9t\xE9|summer\r\n"},
        {"sans fin de ligne", "a|1", {"b|2"}, "a|1\r\nb|2\r\n"},
        {"UTF-8 reste UTF-8", "\xC3\xA9t\xC3\xA9|summer\n", {"mûr|ripe"}, "\xC3\xA9t\xC3\xA9|summer\nm\xC3\xBBr|ripe\r\n"},
        {"hors de Windows-1252", "a|1\r\n", {"\xE2\x86\x92|arrow"}, "a|1\r\n?|arrow\r\n"},
        {"des octets qui se liraient en UTF-8: réécrit entier", "a|1\n", {QStringLiteral("Ã©|x")},
         "a|1\r\n\xC3\x83\xC2\xA9|x\r\n"},
        {"rien à ajouter", "a|1", {}, "a|1"},
    };
    for (const auto& c : cas) {
        Seance s(false);
        const QString f = "items.txt";
        if (!c.avant.isEmpty())
            s.ecrireOctets(f, c.avant);
        ajouterItems(s.chemin(f), c.lignes);
        EXPECT_EQ(s.lireOctets(f), c.apres) << c.nom;
    }
}

TEST(ItemsPersos, AjoutImpossible)
{
    Seance s(false);
    QDir().mkpath(s.chemin("dossier.txt"));
    EXPECT_THROW(ajouterItems(s.chemin("dossier.txt"), {"a|1"}), ErreurES);
    EXPECT_THROW(ajouterItems(s.chemin("sans/dossier.txt"), {"a|1"}), ErreurES);
    s.ecrireOctets("plein.txt", "a|1\r\n");
    {
        LimiteEcriture limite(8);
        EXPECT_THROW(ajouterItems(s.chemin("plein.txt"), {"un long item|qui ne tient pas"}), ErreurES);
    }
    // Nothing of it is left: a part would read as an item with a wrong answer.
    EXPECT_EQ(s.lireOctets("plein.txt"), QByteArray("a|1\r\n"));
    ajouterItems(s.chemin("plein.txt"), {"b|2"});
    EXPECT_EQ(s.lireOctets("plein.txt"), QByteArray("a|1\r\nb|2\r\n"));
}
