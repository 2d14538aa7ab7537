// Printing the personal items: the lists of the groups, the records and the mastered items,
// the blocks kept together on a page, and the exports one after another.

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "ImpressionPersos.h"
#include "test_impression_outils.h"

using namespace outilsImpression;

namespace {

const QString date = QStringLiteral("Date : 08/12/2026");
const QString persos = QStringLiteral("_Exercices_OBV/[Tous les exercices personnels]/");

QString entete(const QString& groupe, const QString& eleve)
{
    return "[Groupe : " + groupe + "]              [Utilisateur : " + eleve + "]              " + date;
}

void listes(Seance& s)
{
    petiteClasse(s);
    s.ecrireLignes(persos + "CE2/Noé.txt", {"un os"});
    s.ecrireLignes(persos + "CM1/Léa.txt", {"le chat", "", "un cheval", "un journal"});
    s.ecrireLignes(persos + "CM1/Léa_AValider.txt", {"proposé"});
    s.ecrireLignes(persos + "CM1/TOM.TXT", {"un os"});
    s.ecrireLignes(persos + "CM1.old/Zoé.txt", {"ancien"});
    s.ecrireLignes("_Bilans/CM1/Léa_OBV_Reussites.txt", {"un cheval|2-3", "un journal|3-0", "  Le CHAT|x"});
}

} // namespace

TEST(ImpressionPersos, TousLesElevesBlocsGardesEnsemble)
{
    Seance s(false);
    listes(s);
    demarrer(s);
    ChoixBilansFixe choix;
    montrer<TfImpression>(s, fImpression, [&] {
        s.p.repondreImprimante(true);
    }, [&](TfImpression& f) {
        EXPECT_TRUE(f.RadioButton1->isChecked());
        EXPECT_TRUE(f.ckItemsElimines->isChecked());
        f.ckChgtPage->setChecked(true);
        cliquer(f.SpeedButton1);
        EXPECT_TRUE(f.fermetureEnAttente());
    });
    ASSERT_EQ(s.p.imprimante.travaux.size(), 1);
    const TravailImprime& t = s.p.imprimante.travaux[0];
    // Noé: 4 columns; Léa: 3, her block of 13 rows does not fit under Noé's and goes to a new
    // page; so does TOM's (his list named in capitals, his name as the file has it). The empty
    // line of Léa's list is an item; the proposal file is not a list.
    EXPECT_EQ(dessins(t), QStringList({
                              "1 200 400 " + entete("CE2", "Noé"),
                              "1 200 500 0 item éliminé sur 1",
                              "1 200 600 un os 0",
                              "2 200 400 " + entete("CM1", "Léa"),
                              "2 200 500 1 item éliminé sur 3",
                              "2 200 600 le chat x",
                              "2 867 600  0",
                              "2 1534 600 un cheval 2-3 (Eliminé)",
                              "2 200 700 un journal 3-0",
                              "3 200 400 " + entete("CM1", "TOM"),
                              "3 200 500 0 item éliminé sur 1",
                              "3 200 600 un os 0",
                          }));
    EXPECT_EQ(t.pages, 3);
}

TEST(ImpressionPersos, ExportsSuccessifsSansLesItemsElimines)
{
    Seance s(false);
    listes(s);
    demarrer(s);
    ChoixBilansFixe choix;
    choix.groupe = "CM1";
    choix.eleve = "Tom";
    const QString fichier = s.chemin("persos.txt");
    montrer<TfImpression>(s, fImpression, [&] {
        s.p.repondreFichier(fichier);
        s.p.boite(ReponseBoite::Non, QStringLiteral("Export terminé, le visualiser ?"));
        s.p.repondreFichier(fichier);
        s.p.boite(ReponseBoite::Non);
    }, [&](TfImpression& f) {
        EXPECT_EQ(f.RadioButton2->text(), "Tous les items personnels du groupe CM1");
        EXPECT_EQ(f.RadioButton3->text(), "Tous les items personnels de Tom");
        cliquer(f.RadioButton2);
        f.ckItemsElimines->setChecked(false);
        cliquer(f.bExporter);
        // The form stays open for another export.
        EXPECT_FALSE(f.fermetureEnAttente());
        // The mastered item is left out of the rows, but still counted in the summary.
        EXPECT_EQ(s.lireOctets("persos.txt"),
                  octetsLignes({"", "", entete("CM1", "Léa"), "", "1 item éliminé sur 3", "", "le chat x", " 0",
                                "un journal 3-0", "", "", entete("CM1", "TOM"), "", "0 item éliminé sur 1", "",
                                "un os 0"}));
        cliquer(f.RadioButton3);
        EXPECT_FALSE(f.ckChgtPage->isEnabled());
        cliquer(f.bExporter);
        EXPECT_EQ(s.lireOctets("persos.txt"),
                  octetsLignes({"", "", entete("CM1", "TOM"), "", "0 item éliminé sur 1", "", "un os 0"}));
    });
}

TEST(ImpressionPersos, ActivationEtDossierAbsent)
{
    Seance s(false);
    petiteClasse(s);
    demarrer(s);
    ChoixBilansFixe choix;
    choix.groupe = "CM1";
    choix.eleve = "Léa";
    montrer<TfImpression>(s, fImpression, [&](TfImpression& f) {
        cliquer(f.RadioButton3);
        EXPECT_FALSE(f.ckChgtPage->isEnabled());
    });
    // The group gone from the results window: its button is disabled but keeps its caption;
    // the activation selects all lists again.
    choix.groupe = "Choisis ton groupe";
    choix.eleve = "Visiteur";
    montrer<TfImpression>(s, fImpression, [&] {
        s.p.repondreImprimante(true);
    }, [&](TfImpression& f) {
        EXPECT_TRUE(f.RadioButton1->isChecked());
        EXPECT_TRUE(f.ckChgtPage->isEnabled());
        EXPECT_FALSE(f.RadioButton2->isEnabled());
        EXPECT_EQ(f.RadioButton2->text(), "Tous les items personnels du groupe CM1");
        EXPECT_FALSE(f.RadioButton3->isEnabled());
        // No personal-items folder: an empty job, ended normally; printing closes the form.
        cliquer(f.SpeedButton1);
        EXPECT_TRUE(f.fermetureEnAttente());
    });
    ASSERT_EQ(s.p.imprimante.travaux.size(), 1);
    EXPECT_EQ(s.p.imprimante.travaux[0].etat, TravailImprime::Etat::Termine);
    EXPECT_TRUE(s.p.imprimante.travaux[0].textes.isEmpty());
    // A cancelled printer dialog closes it too, with no job.
    montrer<TfImpression>(s, fImpression, [&] {
        s.p.repondreImprimante(false);
    }, [&](TfImpression& f) {
        cliquer(f.SpeedButton1);
        EXPECT_TRUE(f.fermetureEnAttente());
    });
    EXPECT_EQ(s.p.imprimante.travaux.size(), 1);
}
