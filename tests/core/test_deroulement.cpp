// Whole runs of an exercise through Deroulement alone: no window, the files byte for byte.

#include <gtest/gtest.h>

#include "Deroulement.h"
#include "Etat.h"
#include "Exercice.h"
#include "FichierReussites.h"
#include "LimiteEcriture.h"
#include "Seance.h"
#include "Texte.h"

namespace {

const QString tirets(68, QLatin1Char('-'));

// Léa of CM1, her three results files present (the successes file with the given lines).
void lea(Seance& s, const QStringList& reussites = {})
{
    s.ecrireLignes("CM1/Léa_OBV_Reussites.txt", reussites);
    s.ecrireLignes("CM1/Léa_OBV_Detail.txt", {});
    s.ecrireLignes("CM1/Léa_OBV_Exos.txt", {});
    etat.RepertoireGroupe = s.chemin("CM1/");
    etat.EleveCourant = QStringLiteral("Léa");
    etat.ExerciceCourant = s.chemin("Banque/Pluriels.txt");
    ChargerReussites();
}

QStringList fichier(const Seance& s, const char* suffixe)
{
    return decouperLignes(depuisWindows1252(s.lireOctets(QStringLiteral("CM1/Léa_OBV_") + QLatin1String(suffixe))));
}

// The run of an exercise up to its first item, as the exercise window starts it.
QString commencer(Deroulement& d, const QStringList& exercice)
{
    d.NouvelExercice();
    d.Charger(lireExercice(exercice));
    d.OuvrirScore();
    const QString item = d.ChoisirItemSuivant();
    if (!item.isEmpty())
        d.EcrireDebut();
    return item;
}

// One submission; true when it was right.
bool soumettre(Deroulement& d, const QString& saisie)
{
    d.CompterEssai();
    if (d.VerifierReponse(saisie).juste) {
        d.ReponseJuste();
        d.ItemReussi(saisie);
        return true;
    }
    d.ReponseFausse(saisie);
    return false;
}

const QStringList pluriels = {"Écris le pluriel.", "ORDRE", "##", "un cheval, des ...|chevaux",
                              "un journal, des ...|journaux"};

} // namespace

// The example of the log's format: one item right at once, one missed twice then right, asked
// again and right at once.
TEST(Deroulement, UnEchecPuisUneReussite)
{
    Seance s(false);
    lea(s);
    Deroulement d;

    struct Etape {
        const char* item;     // the prompt on screen
        int secondes;         // spent on it before the last answer
        QStringList reponses; // the answers typed, the last one right
        QList<int> bonus;     // the points at stake before each answer
        int score;            // after the item
        char etat;            // of the item's entry after it
    };
    const Etape etapes[] = {
        {"un cheval, des ...", 4, {"chevaux"}, {5}, 5, 'O'},
        {"un journal, des ...", 62, {"journals", "", "journaux"}, {5, 3, 2}, 7, 'R'},
        {"un journal, des ...", 3, {"journaux"}, {1}, 8, 'O'},
    };
    ASSERT_EQ(commencer(d, pluriels), QStringLiteral("un cheval, des ..."));
    for (const Etape& e : etapes) {
        EXPECT_EQ(d.ItemCourant, QString::fromUtf8(e.item));
        for (int i = 0; i < e.secondes; ++i)
            d.Tic();
        for (qsizetype i = 0; i < e.reponses.size(); ++i) {
            EXPECT_EQ(d.Bonus, e.bonus.at(i)) << e.item << i;
            EXPECT_EQ(soumettre(d, e.reponses.at(i)), i + 1 == e.reponses.size()) << e.item << i;
        }
        EXPECT_EQ(d.Score, e.score) << e.item;
        const int entree = QString::fromUtf8(e.item).startsWith("un cheval") ? 0 : 1;
        EXPECT_EQ(d.TableItems.at(entree).EtatItem, e.etat) << e.item;
        if (&e != &etapes[2]) {
            EXPECT_FALSE(d.ChoisirItemSuivant().isEmpty());
        }
    }
    EXPECT_EQ(d.ChoisirItemSuivant(), QString());
    EXPECT_EQ(d.NbReussisPremierEssai, 2);
    const FinExercice fin = d.Terminer();
    EXPECT_EQ(fin.texte, QStringLiteral("Bravo Léa !\rExercice terminé en 1 min 9 s,\ravec un score de 8 points sur 10."));
    EXPECT_EQ(fin.noteLettre, QStringLiteral("D"));

    EXPECT_EQ(s.lireOctets("CM1/Léa_OBV_Detail.txt"),
              octetsLignes({"07/12/2026 à 14:05:32 - 2 items - Exercice [Pluriels]",
                            "Item réussi un cheval, des ... en 4 s.", "", "journaux", "  journals", "  ...",
                            "Item réussi un journal, des ... en 1 min 2 s.",
                            "Item réussi un journal, des ... en 3 s.", "", "Temps exercice : 1 min 9 s.",
                            "Score : 8/10.", tirets}));
    EXPECT_EQ(s.lireOctets("CM1/Léa_OBV_Exos.txt"),
              octetsLignes({"07/12/2026 | Terminé    |    8 /  10 | Pluriels"}));
    // Only the item right at its first appearance counts; the one asked again never does.
    ASSERT_EQ(EnregistrerReussites(), Enregistrement::Fait);
    EXPECT_EQ(fichier(s, "Reussites.txt"), QStringList({"un cheval, des ...|1"}));
}

TEST(Deroulement, PointsEnJeu)
{
    struct Cas {
        char etatEntree;    // of the item when it is chosen
        int echecs;         // misses before the right answer
        QList<int> echelle; // the points at stake after each miss
        int points;         // added by the right answer
        char etatApres;
    };
    const Cas cas[] = {
        {'N', 0, {}, 5, 'O'},
        {'N', 1, {3}, 3, 'R'},
        {'N', 5, {3, 2, 1, 0, 0}, 0, 'R'},
        {'R', 0, {}, 1, 'O'},
        {'R', 2, {0, 0}, 0, 'R'},
    };
    for (const Cas& c : cas) {
        Seance s(false);
        Deroulement d;
        d.Charger(lireExercice({"##", "chat|chats"}));
        d.TableItems[0].EtatItem = c.etatEntree;
        d.OuvrirScore();
        ASSERT_EQ(d.ChoisirItemSuivant(), QStringLiteral("chat"));
        for (int i = 0; i < c.echecs; ++i) {
            EXPECT_FALSE(soumettre(d, QStringLiteral("chien")));
            EXPECT_EQ(d.Bonus, c.echelle.at(i)) << c.etatEntree << c.echecs << i;
        }
        EXPECT_TRUE(soumettre(d, QStringLiteral("chats")));
        EXPECT_EQ(d.Score, c.points) << c.etatEntree << c.echecs;
        EXPECT_EQ(d.TableItems[0].EtatItem, c.etatApres) << c.etatEntree << c.echecs;
        EXPECT_EQ(d.NbReussisPremierEssai, c.echecs == 0 ? 1 : 0);
    }
}

TEST(Deroulement, ItemsRetiresEtSansReponse)
{
    struct Cas {
        bool eleve;
        int necessaires;
        int nbItems; // kept of the three items
    };
    const Cas cas[] = {
        {true, 2, 1},   // "un chat" reached 2, "un loup" 3: only "un rat" is left
        {true, 3, 2},   // "un chat" is offered again
        {true, 999, 3}, // items are never retired
        {false, 2, 3},  // the guest gets every item
    };
    for (const Cas& c : cas) {
        Seance s(false);
        lea(s, {"un chat|2-0-2", "un loup|3", "un rat|1-0"});
        if (!c.eleve)
            etat.EleveCourant.clear();
        etat.NbReponsesNecessaires = c.necessaires;
        Deroulement d;
        const QStringList sansReponse =
            d.Charger(lireExercice({"Les animaux.", "##", "Un Chat |des chats", "un loup|des loups",
                                    "un rat|des rats", "une souris", "   "}));
        EXPECT_EQ(sansReponse, QStringList({"une souris", "   "}));
        EXPECT_EQ(d.NbItemsDisponibles, 3);
        EXPECT_EQ(d.NbItems, c.nbItems) << c.eleve << c.necessaires;
        EXPECT_EQ(d.TableItems.size(), c.nbItems);
        EXPECT_EQ(d.EnteteExercice, QStringLiteral("Les animaux."));
    }
    // Nothing to work: no item, no start line.
    Seance s(false);
    lea(s, {"un chat|5"});
    etat.NbReponsesNecessaires = 1;
    Deroulement d;
    EXPECT_EQ(commencer(d, {"##", "un chat|des chats"}), QString());
    EXPECT_EQ(d.NoteMaxi(), 0);
    EXPECT_TRUE(s.lireOctets("CM1/Léa_OBV_Detail.txt").isEmpty());
}

TEST(Deroulement, Interruption)
{
    struct Cas {
        bool eleve;
        bool detail; // the log exists
    };
    for (const Cas c : {Cas{true, true}, Cas{true, false}, Cas{false, true}}) {
        Seance s(false);
        lea(s);
        if (!c.detail)
            QFile::remove(s.chemin("CM1/Léa_OBV_Detail.txt"));
        Deroulement d;
        commencer(d, pluriels);
        if (!c.eleve)
            etat.EleveCourant.clear();
        d.TempsExercice = 130;
        d.Score = 12;
        d.NbItems = 5;
        for (int i = 0; i < 75; ++i)
            d.Tic();
        d.Interrompre();
        EXPECT_FALSE(d.horlogeEnMarche());
        EXPECT_EQ(d.TempsExercice, 205);
        d.Tic();
        EXPECT_EQ(d.TempsItem, 75);
        const QStringList debut = {"07/12/2026 à 14:05:32 - 2 items - Exercice [Pluriels]"};
        if (c.detail) {
            EXPECT_EQ(s.lireOctets("CM1/Léa_OBV_Detail.txt"),
                      octetsLignes(c.eleve ? debut + QStringList({"", "Exercice interrompu après 3 min 25 s.", tirets})
                                           : debut));
        } else {
            EXPECT_FALSE(s.existe("CM1/Léa_OBV_Detail.txt"));
        }
        EXPECT_EQ(s.lireOctets("CM1/Léa_OBV_Exos.txt"),
                  c.eleve ? octetsLignes({"07/12/2026 | Interrompu |   12 /  25 | Pluriels"}) : QByteArray());
    }
}

// The log cannot grow, the list can: the log's failure is told once and the log is not tried
// again in the exercise; the list still gets its line; the next exercise tries the log again.
TEST(Deroulement, JournalImpossibleAEcrire)
{
    Seance s(false);
    lea(s);
    const QByteArray journal = octetsLignes({QString(300, QLatin1Char('x'))});
    s.ecrireOctets("CM1/Léa_OBV_Detail.txt", journal);
    const QString erreur = QStringLiteral("Erreur d'entrée/sortie sur le fichier ") + s.chemin("CM1/Léa_OBV_Detail.txt")
                           + QStringLiteral(".");
    Deroulement d;
    {
        LimiteEcriture limite(200);
        s.p.boite(ReponseBoite::Ok, erreur);
        commencer(d, pluriels);
        EXPECT_TRUE(soumettre(d, QStringLiteral("chevaux")));
        d.ChoisirItemSuivant();
        EXPECT_FALSE(soumettre(d, QStringLiteral("journals")));
        d.Interrompre();
        EXPECT_EQ(s.p.journalDe("boite").size(), 1);
        s.p.boite(ReponseBoite::Ok, erreur);
        commencer(d, pluriels);
        EXPECT_EQ(s.p.journalDe("boite").size(), 2);
    }
    EXPECT_EQ(s.lireOctets("CM1/Léa_OBV_Detail.txt"), journal);
    EXPECT_EQ(s.lireOctets("CM1/Léa_OBV_Exos.txt"), octetsLignes({"07/12/2026 | Interrompu |    5 /  10 | Pluriels"}));
}

TEST(Deroulement, Horloge)
{
    Seance s(false);
    Deroulement d;
    d.Charger(lireExercice({"##", "chat|chats", "loup|loups"}));
    d.TempsExercice = 10;
    d.Tic();
    EXPECT_EQ(d.TempsItem, 0); // no item on screen: the clock does not run
    d.ChoisirItemSuivant();
    EXPECT_TRUE(d.horlogeEnMarche());
    for (int i = 0; i < 7; ++i)
        d.Tic();
    EXPECT_FALSE(soumettre(d, QStringLiteral("x")));
    d.Tic(); // a miss leaves it running
    EXPECT_EQ(d.TempsItem, 8);
    EXPECT_TRUE(soumettre(d, QStringLiteral("chats")));
    EXPECT_FALSE(d.horlogeEnMarche());
    d.Tic();
    EXPECT_EQ(d.TempsItem, 8);
    EXPECT_EQ(d.TempsExercice, 18);
    // The next item starts from zero; a run that cannot go on stops the clock.
    d.ChoisirItemSuivant();
    EXPECT_EQ(d.TempsItem, 0);
    EXPECT_TRUE(d.horlogeEnMarche());
    d.Vider();
    EXPECT_FALSE(d.horlogeEnMarche());
    EXPECT_EQ(d.NbItems, 0);
    d.RemettreLeTempsAZero();
    EXPECT_EQ(d.TempsExercice, 0);
}

TEST(Deroulement, LettresEtTexteDeFin)
{
    struct Cas {
        int score;
        int nbItems;
        const char* lettre;
        const char* fin; // the last line of the end text
    };
    const Cas cas[] = {
        {5, 1, "A", "avec un score de 5 points sur 5."},   {47, 10, "C", "avec un score de 47 points sur 50."},
        {19, 4, "B", "avec un score de 19 points sur 20."}, {20, 5, "D", "avec un score de 20 points sur 25."},
        {1, 5, "J", "avec un score de 1 point sur 25."},    {0, 1, "J", "avec un score de 0 point sur 5."},
        {3, 2, "I", "avec un score de 3 points sur 10."},   {37, 10, "E", "avec un score de 37 points sur 50."},
        {0, 0, "J", "avec un score de 0 point sur 0."},
    };
    Seance s(false);
    for (const Cas& c : cas) {
        Deroulement d;
        d.Score = c.score;
        d.NbItems = c.nbItems;
        d.TempsExercice = 75;
        const FinExercice fin = d.Terminer();
        EXPECT_EQ(fin.noteLettre, QString::fromLatin1(c.lettre)) << c.score << "/" << c.nbItems;
        // The guest: two blanks after "Bravo".
        EXPECT_EQ(fin.texte, QStringLiteral("Bravo  !\rExercice terminé en 1 min 15 s,\r") + QString::fromUtf8(c.fin));
    }
}

TEST(Deroulement, TirageDuNombreDItems)
{
    struct Cas {
        int ordre;
        QList<int> tirages;
        int nombre;
        QStringList attendu; // the entries after the draw
    };
    const Cas cas[] = {
        {0, {}, 2, {"a|a", "b|b", "", ""}},
        {1, {2, 0}, 2, {"c|c", "a|a", "", ""}},
        {1, {3}, 4, {"a|a", "b|b", "c|c", "d|d"}}, // all the items: no draw
    };
    for (const Cas& c : cas) {
        Seance s(false);
        s.p.tirages = c.tirages;
        Deroulement d;
        d.Charger(lireExercice({"##", "a|a", "b|b", "c|c", "d|d"}));
        d.OrdreAleatoire = c.ordre;
        d.TirerItems(c.nombre);
        QStringList lignes;
        for (const EntreeItem& e : d.TableItems) {
            lignes.append(e.Ligne);
            EXPECT_EQ(e.EtatItem, 'N');
        }
        EXPECT_EQ(lignes, c.attendu);
        EXPECT_EQ(d.NbItems, c.nombre);
        EXPECT_EQ(s.p.tiragesDemandes.size(), c.ordre == 1 && c.nombre < 4 ? c.nombre : 0);
    }
}
