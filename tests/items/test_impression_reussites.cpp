// Printing and exporting the successes: the blocks of the walk, their columns and page breaks,
// and the export byte for byte.

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "ImpressionReussites.h"
#include "test_impression_outils.h"

using namespace outilsImpression;

namespace {

const QString date = QStringLiteral("Date : 08/12/2026");

QString entete(const QString& groupe, const QString& eleve)
{
    return QStringLiteral("[Groupe : ") + groupe + QStringLiteral("]        [Utilisateur : ") + eleve
           + QStringLiteral("]              ") + date;
}

} // namespace

TEST(ImpressionReussites, TousLesElevesEnColonnesAvecSautDePage)
{
    Seance s(false);
    petiteClasse(s);
    demarrer(s);
    ChoixBilansFixe choix;
    montrer<TfImpressionReussites>(s, fImpressionReussites, [&] {
        s.p.repondreImprimante(true);
    }, [&](TfImpressionReussites& f) {
        EXPECT_TRUE(f.RadioButton1->isChecked());
        EXPECT_TRUE(f.ckMulticol->isChecked());
        EXPECT_FALSE(f.ckChgtPage->isChecked());
        cliquer(f.SpeedButton1);
        EXPECT_TRUE(f.fermetureEnAttente());
    });
    ASSERT_EQ(s.p.imprimante.travaux.size(), 1);
    const TravailImprime& t = s.p.imprimante.travaux[0];
    EXPECT_EQ(t.etat, TravailImprime::Etat::Termine);
    // Noé: 3 columns (a line and its record's room are 29 characters, 580 units); Léa: 2.
    // Léa's block moves to a new page as 10 more rows do not fit; Tom has no successes file.
    // The group with a dot and the pupil without a group are not printed.
    EXPECT_EQ(dessins(t), QStringList({
                              "1 200 400 " + entete("CE2", "Noé"),
                              "1 200 500 mot 1 | 1",
                              "1 867 500 mot 2 | 2",
                              "1 1534 500 mot 3 | 3",
                              "1 200 600 mot 4 | 4",
                              "1 867 600 mot 5 | 5",
                              "1 1534 600 mot 6 | 6",
                              "1 200 700 mot 7 | 7",
                              "2 200 400 " + entete("CM1", "Léa"),
                              "2 200 500 un cheval, des ... | 3",
                              "2 1200 500 un journal, des ... | 1-0",
                              "2 200 600 le chat | 2",
                              "2 200 900 " + entete("CM1", "Tom"),
                          }));
    EXPECT_EQ(t.pages, 2);
}

TEST(ImpressionReussites, UnePageParEleveSurUneColonne)
{
    Seance s(false);
    petiteClasse(s);
    demarrer(s);
    s.p.imprimante.hauteur = 3300; // Tom's block would fit under Léa's
    ChoixBilansFixe choix;
    choix.groupe = "cm1"; // only a to z raised when compared
    choix.eleve = "Léa";
    montrer<TfImpressionReussites>(s, fImpressionReussites, [&] {
        s.p.repondreImprimante(true);
    }, [&](TfImpressionReussites& f) {
        EXPECT_EQ(f.RadioButton2->text(), "Pour les utilisateurs du groupe cm1");
        EXPECT_EQ(f.RadioButton3->text(), "Pour l'utilisateur Léa");
        cliquer(f.RadioButton2);
        f.ckChgtPage->setChecked(true);
        f.ckMulticol->setChecked(false);
        cliquer(f.SpeedButton1);
    });
    ASSERT_EQ(s.p.imprimante.travaux.size(), 1);
    EXPECT_EQ(dessins(s.p.imprimante.travaux[0]), QStringList({
                                                      "1 200 400 " + entete("CM1", "Léa"),
                                                      "1 200 500 un cheval, des ... | 3",
                                                      "1 200 600 un journal, des ... | 1-0",
                                                      "1 200 700 le chat | 2",
                                                      "2 200 400 " + entete("CM1", "Tom"),
                                                  }));
}

TEST(ImpressionReussites, ExportOctetPourOctet)
{
    Seance s(false);
    petiteClasse(s);
    // Lines as a hand may leave them: empty, without "|", with several.
    s.ecrireLignes("_Bilans/CM1/Tom_OBV_Reussites.txt", {"", "chat", "a|b|c"});
    demarrer(s);
    ChoixBilansFixe choix;
    choix.groupe = "CM1";
    choix.eleve = "Tom";
    const QString fichier = s.chemin("export.txt");
    montrer<TfImpressionReussites>(s, fImpressionReussites, [&] {
        s.p.repondreFichier(fichier);
        s.p.boite(ReponseBoite::Oui, QStringLiteral("Export terminé, le visualiser ?"));
    }, [&](TfImpressionReussites& f) {
        cliquer(f.RadioButton3);
        EXPECT_FALSE(f.ckChgtPage->isEnabled());
        cliquer(f.SpeedButton3);
        EXPECT_TRUE(f.fermetureEnAttente());
    });
    EXPECT_EQ(s.lireOctets("export.txt"), octetsLignes({entete("CM1", "Tom"), "", " | ", " | chat", "a | b|c", ""}));
    EXPECT_TRUE(s.p.imprimante.travaux.isEmpty());
    EXPECT_EQ(s.p.journalDe("dialogue fichier"),
              QStringList({"dialogue fichier | enregistrer |  | " + s.programme
                           + " | Fichiers texte (*.txt)|*.TXT | .txt | confirmer le remplacement | " + fichier}));
    EXPECT_EQ(s.p.journalDe("boite"), QStringList({"boite Simple |  | Export terminé, le visualiser ?"}));
    EXPECT_TRUE(s.p.journal.contains("ouvrir " + fichier)) << s.p.journal.join('\n').toStdString();

    // Everyone, into the same file (the dialog asked before replacing it): no blank line before
    // a header, one after each block.
    montrer<TfImpressionReussites>(s, fImpressionReussites, [&] {
        s.p.repondreFichier(fichier);
        s.p.boite(ReponseBoite::Non);
    }, [&](TfImpressionReussites& f) {
        cliquer(f.RadioButton1);
        cliquer(f.SpeedButton3);
    });
    EXPECT_EQ(s.lireOctets("export.txt"),
              octetsLignes({entete("CE2", "Noé"), "", "mot 1 | 1", "mot 2 | 2", "mot 3 | 3", "mot 4 | 4", "mot 5 | 5",
                            "mot 6 | 6", "mot 7 | 7", "", entete("CM1", "Léa"), "", "un cheval, des ... | 3",
                            "un journal, des ... | 1-0", "le chat | 2", "", entete("CM1", "Tom"), "", " | ", " | chat",
                            "a | b|c", ""}));
}

TEST(ImpressionReussites, DialoguesAnnulesEtSelectionVide)
{
    Seance s(false);
    petiteClasse(s);
    demarrer(s);
    ChoixBilansFixe choix; // no group, no pupil
    montrer<TfImpressionReussites>(s, fImpressionReussites, [&] {
        s.p.repondreImprimante(false);
        s.p.repondreFichier(std::nullopt);
        s.p.repondreImprimante(true);
    }, [&](TfImpressionReussites& f) {
        EXPECT_FALSE(f.RadioButton2->isEnabled());
        EXPECT_FALSE(f.RadioButton3->isEnabled());
        EXPECT_EQ(f.RadioButton2->text(), "Pour les utilisateurs du groupe");
        // A cancelled dialog leaves the form open and shows nothing.
        cliquer(f.SpeedButton1);
        cliquer(f.SpeedButton3);
        EXPECT_FALSE(f.fermetureEnAttente());
        EXPECT_TRUE(s.p.imprimante.travaux.isEmpty());
        // The pupil button checked while disabled: no group passes, and the job is a normal one.
        f.RadioButton3->setChecked(true);
        cliquer(f.SpeedButton1);
        EXPECT_TRUE(f.fermetureEnAttente());
    });
    ASSERT_EQ(s.p.imprimante.travaux.size(), 1);
    EXPECT_EQ(s.p.imprimante.travaux[0].etat, TravailImprime::Etat::Termine);
    EXPECT_TRUE(s.p.imprimante.travaux[0].textes.isEmpty());
    EXPECT_TRUE(s.p.journalDe("boite").isEmpty());
}

TEST(ImpressionReussites, PanneDeLImprimanteEtFichierIllisible)
{
    Seance s(false);
    petiteClasse(s);
    demarrer(s);
    ChoixBilansFixe choix;
    s.ecrireLignes("export.txt", {"ancien"});
    montrer<TfImpressionReussites>(s, fImpressionReussites, [&] {
        // The printer fails at the third text: the job is aborted and the user told.
        s.p.imprimante.echouerA(OperationImpression::Texte, 3);
        s.p.repondreImprimante(true);
        s.p.boite(ReponseBoite::Ok, QStringLiteral("L'imprimante n'a pas pu imprimer le texte."));
        // A successes file that cannot be read: the job is aborted, the error told.
        s.p.repondreImprimante(true);
        s.p.boite(ReponseBoite::Ok, QStringLiteral("Erreur d'entrée/sortie sur le fichier ")
                                        + s.chemin("_Bilans/CM1/Léa_OBV_Reussites.txt") + ".");
        // The same in an export: the file chosen is left as it was.
        s.p.repondreFichier(s.chemin("export.txt"));
        s.p.boite(ReponseBoite::Ok);
    }, [&](TfImpressionReussites& f) {
        cliquer(f.SpeedButton1);
        EXPECT_FALSE(f.fermetureEnAttente());
        QFile::remove(s.chemin("_Bilans/CM1/Léa_OBV_Reussites.txt"));
        ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), s.chemin("_Bilans/CM1/Léa_OBV_Reussites.txt")));
        cliquer(f.SpeedButton1);
        cliquer(f.SpeedButton3);
    });
    ASSERT_EQ(s.p.imprimante.travaux.size(), 2);
    EXPECT_EQ(s.p.imprimante.travaux[0].etat, TravailImprime::Etat::Abandonne);
    EXPECT_EQ(s.p.imprimante.travaux[1].etat, TravailImprime::Etat::Abandonne);
    EXPECT_EQ(s.lireOctets("export.txt"), octetsLignes({"ancien"}));
}
