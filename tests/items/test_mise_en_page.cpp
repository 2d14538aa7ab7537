// The page layout on the recording printer (2400 wide, rows of 100, 20 a character), and the
// measures and records that the print forms share.

#include <QFile>

#include "CadreImpression.h"
#include "ErreurES.h"
#include "Impression.h"
#include "MiseEnPage.h"
#include "test_impression_outils.h"

using namespace outilsImpression;

TEST(MiseEnPage, NombreDeColonnesArrondiAuPair)
{
    struct Cas {
        int largeurPage;
        int largeurMax;
        int colonnes;
    };
    const Cas cas[] = {
        {2400, 400, 5},  // exact
        {2400, 800, 2},  // 2.5: the even neighbour
        {1800, 400, 4},  // 3.5: the even neighbour
        {2400, 4000, 1}, // 0.5 gives 0, raised to 1
        {2400, 3000, 1}, // below 1
        {2400, 0, 10},   // nothing measured: width 1, capped at 10
        {2400, 199, 10},
        {2400, 1333, 2}, // 1.5004
        {300, 100, 1},   // a page narrower than its margins
    };
    for (const Cas& c : cas)
        EXPECT_EQ(MiseEnPage::nombreColonnes(c.largeurPage, c.largeurMax), c.colonnes)
            << c.largeurPage << " / " << c.largeurMax;
}

namespace {

struct Page : ::testing::Test {
    ImprimanteEnregistreuse imprimante;
    std::unique_ptr<DocumentImprime> document;
    std::unique_ptr<MiseEnPage> page;
    void SetUp() override
    {
        imprimante.hauteur = 1000; // 10 rows
        document = imprimante.document();
        ASSERT_TRUE(document->commencer(QString()));
        page = std::make_unique<MiseEnPage>(*document);
    }
    QStringList fin()
    {
        EXPECT_TRUE(document->terminer());
        return dessins(imprimante.travaux[0]);
    }
};

} // namespace

TEST_F(Page, ColonnesEtSautAuMilieuDUneRangee)
{
    // Three columns of Round(2000 / 3) = 667; a break after the first item of a row leaves the
    // next ones in their columns on row 0 of the new page.
    page->commencerBloc(3);
    page->NumLigne = 3;
    page->placerItem("a");
    page->placerItem("b");
    page->placerItem("c");
    page->placerItem("d");
    page->NumLigne = 8;
    page->verifierPlace(3); // 11 rows > 10
    EXPECT_EQ(page->NumLigne, 0);
    page->placerItem("e");
    page->placerItem("f");
    page->placerItem("g");
    EXPECT_EQ(fin(), QStringList({"1 200 500 a", "1 867 500 b", "1 1534 500 c", "1 200 600 d", "2 867 200 e",
                                  "2 1534 200 f", "2 200 300 g"}));
}

TEST_F(Page, VerificationsStrictes)
{
    // Room: a break only past the bottom.
    page->NumLigne = 4;
    page->verifierPlace(6);
    EXPECT_EQ(page->NumLigne, 4);
    page->verifierPlace(7);
    EXPECT_EQ(page->NumLigne, 0);
    // Keep-together: a block that fits on a page but not on the rest of this one moves.
    page->NumLigne = 3;
    page->garderEnsemble(7);
    EXPECT_EQ(page->NumLigne, 3);
    page->garderEnsemble(8);
    EXPECT_EQ(page->NumLigne, 0);
    // A block of a whole page or more is never moved.
    page->NumLigne = 5;
    page->garderEnsemble(10);
    page->garderEnsemble(25);
    EXPECT_EQ(page->NumLigne, 5);
    // A page per pupil, unless the page is untouched.
    page->changementDePage(false);
    EXPECT_EQ(page->NumLigne, 5);
    page->changementDePage(true);
    EXPECT_EQ(page->NumLigne, 0);
    page->changementDePage(true);
    page->finBloc();
    EXPECT_EQ(page->NumLigne, 0);
    // Breaks with nothing drawn after them eject no sheet.
    page->ecrireLigne("x");
    page->sautDePage();
    page->sautDePage();
    EXPECT_EQ(fin(), QStringList({"1 200 200 x"}));
    EXPECT_EQ(imprimante.travaux[0].pages, 1);
}

TEST_F(Page, UnePanneInterromptLeTravail)
{
    imprimante.echouerA(OperationImpression::NouvellePage);
    page->ecrireLigne("x");
    page->sautDePage(); // the printer is asked only when something follows
    try {
        page->ecrireLigne("y");
        FAIL() << "pas d'échec";
    } catch (const EchecImprimante& e) {
        EXPECT_EQ(e.message(), "L'imprimante n'a pas pu passer à la page suivante.");
    }
    EXPECT_EQ(imprimante.travaux[0].etat, TravailImprime::Etat::Abandonne);
}

TEST(CadreImpression, EnregistrementsEtResume)
{
    Seance s(false);
    demarrer(s);
    s.ecrireLignes("_Bilans/CM1/Léa_OBV_Reussites.txt",
                   {"chat|1-2", "le chien|3", "chat|9", "oiseau|2-x", "|sans clé", "cheval|12-3", "loup|"});
    const EnregistrementsEleve e(FichierReussitesEleve("CM1", "Léa"));
    struct Cas {
        const char* item;
        const char* enregistrement;
    };
    const Cas cas[] = {
        {"chat", "1-2"},             // the first matching line
        {"  Le CHIEN |chiens", "3"}, // prompt trimmed and lowered; the answers play no part
        {"Le Chien|toutou", "3"},
        {"chats", "0"},
        {"Chât", "0"}, // only A to Z lowered
        {"", "sans clé"},
        {"oiseau", "2-x"},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(e.enregistrement(QString::fromUtf8(c.item)), QString::fromUtf8(c.enregistrement)) << c.item;

    // The last count, a count that is not a whole number read as 0.
    EXPECT_EQ(dernierCompte("12-3"), 3);
    EXPECT_EQ(dernierCompte("7"), 7);
    EXPECT_EQ(dernierCompte("2-x"), 0);
    EXPECT_EQ(dernierCompte(""), 0);
    EXPECT_EQ(dernierCompte("0"), 0);

    // Summary: 3 needed; empty and "ORDRE" lines are not items.
    s.ecrireLignes("items.txt", {"chat", "", "ORDRE", "le chien|x", "oiseau", "cheval", "renard"});
    EXPECT_EQ(ResumeEliminations("CM1", "Léa", s.chemin("items.txt")), "2 items éliminés sur 5");
    EXPECT_EQ(ResumeEliminations("CM1", "", s.chemin("items.txt")), "0 item éliminé sur 5");
    EXPECT_EQ(ResumeEliminations("CM1", "Tom", s.chemin("items.txt")), "0 item éliminé sur 5");
    EXPECT_EQ(ResumeEliminations("CM1", "Léa", s.chemin("absent.txt")), "0 item éliminé sur 0");
    EXPECT_EQ(ResumeEliminations(1, 1), "1 item éliminé sur 1");
    etat.NbReponsesNecessaires = 12;
    EXPECT_EQ(ResumeEliminations("CM1", "Léa", s.chemin("items.txt")), "0 item éliminé sur 5");
    // Unreadable files count as empty, without an error.
    QFile::remove(s.chemin("_Bilans/CM1/Léa_OBV_Reussites.txt"));
    ASSERT_TRUE(QFile::link("/proc/self/mem", s.chemin("_Bilans/CM1/Léa_OBV_Reussites.txt")));
    EXPECT_EQ(ResumeEliminations("CM1", "Léa", s.chemin("items.txt")), "0 item éliminé sur 5");
    ASSERT_TRUE(QFile::link("/proc/self/mem", s.chemin("illisible.txt")));
    EXPECT_EQ(ResumeEliminations("CM1", "Léa", s.chemin("illisible.txt")), "0 item éliminé sur 0");
    EXPECT_THROW(EnregistrementsEleve(FichierReussitesEleve("CM1", "Léa")), ErreurES);
}

TEST(CadreImpression, LargeurMaxItems)
{
    Seance s(false);
    demarrer(s);
    ImprimanteEnregistreuse imprimante;
    auto d = imprimante.document();
    s.ecrireLignes("a.txt", {"ORDRE", "", "un cheval|chevaux", "le chat"});
    EXPECT_EQ(LargeurMaxItems(s.chemin("a.txt"), *d), (17 + 22) * 20);
    s.ecrireLignes("b.txt", {"ORDRE", "", ""});
    EXPECT_EQ(LargeurMaxItems(s.chemin("b.txt"), *d), 0);
    EXPECT_THROW(LargeurMaxItems(s.chemin("absent.txt"), *d), ErreurES);
}
