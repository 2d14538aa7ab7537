// Printing an exercise: the list of the bank, the exercise alone, with the pupils' records,
// the export, and the messages when there is nothing to print.

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

#include "ImpressionExo.h"
#include "test_impression_outils.h"

using namespace outilsImpression;

namespace {

const QString date = QStringLiteral("Date : 08/12/2026");
const QString entree = QStringLiteral("/Orthographe/Pluriels");

// Every non-empty line but "ORDRE" is an item, the instruction and "##" included: 6 of 8.
void exercice(Seance& s)
{
    s.ecrireLignes("_Exercices_OBV/Orthographe/Pluriels.txt",
                   {"Consigne : mets au pluriel.", "##", "ORDRE", "un cheval|chevaux", "", "un journal|journaux",
                    "  Le Chat|chats", "un os|os"});
    // Léa's records: mastered (3 needed), missed last time, and a hand-edited count.
    s.ecrireLignes("_Bilans/CM1/Léa_OBV_Reussites.txt", {"un cheval|2-3", "un journal|3-0", "le chat|x"});
}

QString entetePupil(const QString& eleve)
{
    return "[Exercice : " + entree + "]        [Groupe : CM1]        [Utilisateur : " + eleve + "]              " + date;
}

QStringList elements(const QComboBox* c)
{
    QStringList r;
    for (int i = 0; i < c->count(); ++i)
        r.append(c->itemText(i));
    return r;
}

} // namespace

TEST(ImpressionExo, ListeDesExercicesEnProfondeur)
{
    Seance s(false);
    s.ecrireLignes("_Exercices_OBV/Orthographe/Pluriels.txt", {"a|b"});
    s.ecrireLignes("_Exercices_OBV/Orthographe/Quelque chose_AValider.txt", {"a|b"});
    s.ecrireLignes("_Exercices_OBV/Orthographe/Autre_avalider.TXT", {"a|b"});
    s.ecrireLignes("_Exercices_OBV/Grammaire/ACCORDS.TXT", {"a|b"});
    s.ecrireLignes("_Exercices_OBV/Grammaire/Accords.rtf", {"aide"});
    s.ecrireLignes("_Exercices_OBV/Conjugaison/Présent/Verbes.txt", {"a|b"});
    s.ecrireLignes("_Exercices_OBV/Intro.txt", {"a|b"});
    s.ecrireLignes("_Exercices_OBV/[Tous les exercices personnels]/CM1/Léa.txt", {"a"});
    demarrer(s);
    ChoixBilansFixe choix;
    choix.groupe = "CM1";
    choix.eleve = "Léa";
    montrer<TfImpressionExo>(s, fImpressionExo, [&](TfImpressionExo& f) {
        EXPECT_EQ(elements(f.cChoixExercice),
                  QStringList({"/Conjugaison/Présent/Verbes", "/Grammaire/ACCORDS", "/Intro", "/Orthographe/Pluriels"}));
        EXPECT_EQ(f.cChoixExercice->currentText(), "/Conjugaison/Présent/Verbes");
        EXPECT_EQ(f.fichierExercice(), s.chemin("_Exercices_OBV//Conjugaison/Présent/Verbes.txt"));
        EXPECT_TRUE(f.RadioButton4->isChecked());
        EXPECT_FALSE(f.ckChgtPage->isEnabled());
        cliquer(f.RadioButton1);
        EXPECT_TRUE(f.ckChgtPage->isEnabled());
        cliquer(f.RadioButton3);
        EXPECT_FALSE(f.ckChgtPage->isEnabled());
    });
    // Every activation lists the disk again and comes back to the exercise alone.
    QFile::remove(s.chemin("_Exercices_OBV/Intro.txt"));
    montrer<TfImpressionExo>(s, fImpressionExo, [&](TfImpressionExo& f) {
        EXPECT_EQ(elements(f.cChoixExercice).size(), 3);
        EXPECT_TRUE(f.RadioButton4->isChecked());
    });
}

TEST(ImpressionExo, ExerciceSeulSansFeuilleBlanche)
{
    Seance s(false);
    exercice(s);
    demarrer(s);
    ChoixBilansFixe choix;
    montrer<TfImpressionExo>(s, fImpressionExo, [&] {
        s.p.repondreImprimante(true);
    }, [&](TfImpressionExo& f) {
        ASSERT_EQ(f.cChoixExercice->currentText(), entree);
        cliquer(f.SpeedButton1);
        EXPECT_TRUE(f.fermetureEnAttente());
    });
    ASSERT_EQ(s.p.imprimante.travaux.size(), 1);
    const TravailImprime& t = s.p.imprimante.travaux[0];
    // Two columns: the widest item and room for a record, 49 characters, 980 units. The room
    // check for 20 rows at the end breaks the page, and nothing comes after it: one sheet.
    EXPECT_EQ(dessins(t), QStringList({
                              "1 200 400 [Exercice : " + entree + "]              " + date,
                              "1 200 500 Consigne : mets au pluriel.",
                              "1 1200 500 ##",
                              "1 200 600 un cheval|chevaux",
                              "1 1200 600 un journal|journaux",
                              "1 200 700   Le Chat|chats",
                              "1 1200 700 un os|os",
                          }));
    EXPECT_EQ(t.pages, 1);
    EXPECT_EQ(t.etat, TravailImprime::Etat::Termine);
}

TEST(ImpressionExo, AvecLesReussitesDuGroupe)
{
    Seance s(false);
    petiteClasse(s);
    exercice(s);
    demarrer(s);
    ChoixBilansFixe choix;
    choix.groupe = "CM1";
    choix.eleve = "Léa";
    montrer<TfImpressionExo>(s, fImpressionExo, [&] {
        s.p.repondreImprimante(true);
    }, [&](TfImpressionExo& f) {
        EXPECT_EQ(f.RadioButton2->text(), "Avec les réussites du groupe CM1");
        EXPECT_EQ(f.RadioButton3->text(), "Avec les réussites de Léa");
        cliquer(f.RadioButton2);
        cliquer(f.SpeedButton1);
    });
    ASSERT_EQ(s.p.imprimante.travaux.size(), 1);
    const TravailImprime& t = s.p.imprimante.travaux[0];
    // The whole records are shown; the summary counts the last count only ("x" reads as 0).
    EXPECT_EQ(dessins(t), QStringList({
                              "1 200 400 " + entetePupil("Léa"),
                              "1 200 500 1 item éliminé sur 6",
                              "1 200 600 Consigne : mets au pluriel. | 0",
                              "1 1200 600 ## | 0",
                              "1 200 700 un cheval|chevaux | 2-3",
                              "1 1200 700 un journal|journaux | 3-0",
                              "1 200 800   Le Chat|chats | x",
                              "1 1200 800 un os|os | 0",
                              "2 200 400 " + entetePupil("Tom"),
                              "2 200 500 0 item éliminé sur 6",
                              "2 200 600 Consigne : mets au pluriel. | 0",
                              "2 1200 600 ## | 0",
                              "2 200 700 un cheval|chevaux | 0",
                              "2 1200 700 un journal|journaux | 0",
                              "2 200 800   Le Chat|chats | 0",
                              "2 1200 800 un os|os | 0",
                          }));
    EXPECT_EQ(t.pages, 2);
}

TEST(ImpressionExo, ExportsOctetPourOctet)
{
    Seance s(false);
    petiteClasse(s);
    exercice(s);
    demarrer(s);
    ChoixBilansFixe choix;
    choix.groupe = "CM1";
    choix.eleve = "léa";
    const QString fichier = s.chemin("exo.txt");
    montrer<TfImpressionExo>(s, fImpressionExo, [&] {
        s.p.repondreFichier(fichier);
        s.p.boite(ReponseBoite::Non, QStringLiteral("Export terminé, le visualiser ?"));
    }, [&](TfImpressionExo& f) {
        cliquer(f.bExport);
        EXPECT_TRUE(f.fermetureEnAttente());
    });
    const QStringList items = {"Consigne : mets au pluriel.", "##", "un cheval|chevaux", "un journal|journaux",
                               "  Le Chat|chats", "un os|os"};
    EXPECT_EQ(s.lireOctets("exo.txt"), octetsLignes(QStringList{"[Exercice : " + entree + "]              " + date, ""}
                                                    + items + QStringList{""}));

    // The pupil of the results window, found whatever the case of a to z.
    montrer<TfImpressionExo>(s, fImpressionExo, [&] {
        s.p.repondreFichier(fichier);
        s.p.boite(ReponseBoite::Non);
    }, [&](TfImpressionExo& f) {
        cliquer(f.RadioButton3);
        cliquer(f.bExport);
    });
    EXPECT_EQ(s.lireOctets("exo.txt"),
              octetsLignes({entetePupil("Léa"), "", "1 item éliminé sur 6", "", "Consigne : mets au pluriel. | 0",
                            "## | 0", "un cheval|chevaux | 2-3", "un journal|journaux | 3-0", "  Le Chat|chats | x",
                            "un os|os | 0", ""}));
}

TEST(ImpressionExo, RienAImprimerOuDialogueAnnule)
{
    Seance s(false);
    demarrer(s);
    ChoixBilansFixe choix;
    // An empty bank: said before any dialog, then the form closes.
    montrer<TfImpressionExo>(s, fImpressionExo, [&] {
        s.p.boite(ReponseBoite::Ok, QStringLiteral("Aucun exercice n'est choisi."));
    }, [&](TfImpressionExo& f) {
        cliquer(f.SpeedButton1);
        EXPECT_TRUE(f.fermetureEnAttente());
    });
    // The file gone since the list was made.
    exercice(s);
    montrer<TfImpressionExo>(s, fImpressionExo, [&] {
        s.p.boite(ReponseBoite::Ok, QStringLiteral("Le fichier de l'exercice /Orthographe/Pluriels est introuvable."));
    }, [&](TfImpressionExo& f) {
        QFile::remove(s.chemin("_Exercices_OBV/Orthographe/Pluriels.txt"));
        cliquer(f.bExport);
        EXPECT_TRUE(f.fermetureEnAttente());
    });
    // Cancelled dialogs close the form too, and show nothing.
    exercice(s);
    montrer<TfImpressionExo>(s, fImpressionExo, [&] {
        s.p.repondreImprimante(false);
    }, [&](TfImpressionExo& f) {
        cliquer(f.RadioButton1);
        cliquer(f.SpeedButton1);
        EXPECT_TRUE(f.fermetureEnAttente());
    });
    montrer<TfImpressionExo>(s, fImpressionExo, [&] {
        s.p.repondreFichier(std::nullopt);
    }, [&](TfImpressionExo& f) {
        cliquer(f.bExport);
        EXPECT_TRUE(f.fermetureEnAttente());
    });
    EXPECT_TRUE(s.p.imprimante.travaux.isEmpty());
    EXPECT_EQ(s.p.journalDe("boite").size(), 2);
}
