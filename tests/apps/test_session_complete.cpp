// One whole session of Ombrivelle on the sample classroom, from the start to the end of the
// program, through the real windows: every box answered by its own buttons.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QToolButton>

#include "Bilans.h"
#include "ChoixNbItems.h"
#include "Fichiers.h"
#include "Etat.h"
#include "MessagePerso.h"
#include "MotDePasse.h"
#include "MsgOuiNonPerso.h"
#include "Quitter.h"
#include "Seance.h"
#include "Texte.h"
#include "Unit1.h"
#include "Unit2.h"

namespace {

void ok(Seance& s, const QString& texte, const QString& type)
{
    s.p.fenetre<TfMessagePerso>([texte, type](TfMessagePerso& f) {
        EXPECT_EQ(f.lTexte->text(), texte);
        EXPECT_EQ(f.TypeMessage, type);
        cliquer(f.bOk);
    });
}

void repondre(const QString& texte, Seance& s, int secondes)
{
    s.p.tic(secondes);
    Form1->eSaisie->clear();
    taper(Form1->eSaisie, texte);
    touche(Form1->eSaisie, Qt::Key_Return);
}

} // namespace

TEST(SessionComplete, DuDemarrageALaFinDuProgramme)
{
    Seance s;
    const QByteArray detailAvant = s.lireOctets("_Bilans/CM1/Tom_OBV_Detail.txt");
    const QByteArray exosAvant = s.lireOctets("_Bilans/CM1/Tom_OBV_Exos.txt");

    s.p.fenetre<TForm2>([](TForm2& f) {
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Choix dossier"));
        choisir(f.cChoixGroupe, QStringLiteral("CM1"));
        choisir(f.cChoixUtilisateur, QStringLiteral("Tom"));
        choisirLigne(f.eRepertoires, QStringLiteral("[+] Grammaire"));
        choisirLigne(f.eRepertoires, QStringLiteral("Accords-1"));
        ASSERT_TRUE(f.bValider->isEnabled());
        cliquer(f.bValider);
    });
    s.p.fenetre<TfMotDePasse>([](TfMotDePasse& f) {
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Saisie du mot de passe"));
        taper(f.eMotDePasse, QStringLiteral("FOOT "));
        cliquer(f.bOk);
    });
    s.p.fenetre<TfChoixNbItems>([](TfChoixNbItems& f) {
        EXPECT_EQ(f.rChoix4->text(), QStringLiteral("2 items (10 points)"));
        EXPECT_TRUE(f.rChoix4->isChecked());
        cliquer(f.bOk);
    });
    s.p.tirages = {0, 0, 1, 0}; // the write probe, then the items: first, second, first again
    s.demarrer();
    EXPECT_EQ(Form1->windowTitle(), QStringLiteral("Ombrivelle - Version 1.1 - Elève : Tom"));
    EXPECT_EQ(Form1->lDossierCourant->text(), QStringLiteral("Accords-1"));
    EXPECT_TRUE(Form1->bJEcoute->isEnabled()); // "Accords.rtf" serves the whole series
    EXPECT_EQ(Form1->eMotATraduire->toPlainText(), QStringLiteral("des fleurs (joli)"));

    ok(s, QStringLiteral("As-tu bien saisi la réponse ? Essaie encore."), QStringLiteral("PasBon"));
    repondre(QStringLiteral("jolie"), s, 6);
    ok(s, QStringLiteral("C'est bien, item réussi, continue."), QStringLiteral("Bon"));
    repondre(QStringLiteral("jolies"), s, 4);
    EXPECT_EQ(Form1->eMotATraduire->toPlainText(), QStringLiteral("une robe (blanc)"));
    ok(s, QStringLiteral("C'est bien, item réussi, continue."), QStringLiteral("Bon"));
    repondre(QStringLiteral("blanche"), s, 7);
    // The first item comes back, worth 1 point.
    EXPECT_EQ(Form1->eMotATraduire->toPlainText(), QStringLiteral("des fleurs (joli)"));
    EXPECT_EQ(Form1->lBonus->text(), QStringLiteral("1"));

    ok(s, QStringLiteral("C'est bien, item réussi, continue."), QStringLiteral("Bon"));
    s.p.boite(ReponseBoite::Ok, QStringLiteral("Il n'y a plus d'items à retravailler dans cet exercice !"));
    s.p.fenetre<TfMsgOuiNonPerso>([](TfMsgOuiNonPerso& f) {
        EXPECT_EQ(f.Texte, QStringLiteral("Bravo Tom !\rExercice terminé en 20 s,\ravec un score de 9 points sur 10."));
        EXPECT_EQ(f.NoteLettre, QStringLiteral("C"));
        EXPECT_FALSE(f.imageA->isVisible());
        EXPECT_TRUE(f.imageC->isVisible());
        cliquer(f.bNon);
    });
    s.p.boite(ReponseBoite::Oui, QStringLiteral("Veux-tu voir ton bilan ?"));
    s.p.fenetre<TfBilans>([](TfBilans& f) {
        EXPECT_EQ(etat.ModeEnseignant, 0);
        f.Close();
    });
    repondre(QStringLiteral("jolies"), s, 3);

    EXPECT_TRUE(s.p.finDemandee());
    EXPECT_EQ(s.p.journalDe("fenetre"),
              QStringList({"fenetre TForm2", "fenetre TfMotDePasse", "fenetre TfChoixNbItems",
                           "fenetre TfMessagePerso", "fenetre TfMessagePerso", "fenetre TfMessagePerso",
                           "fenetre TfMessagePerso", "fenetre TfMsgOuiNonPerso", "fenetre TfBilans"}));
    EXPECT_EQ(s.p.journal.mid(s.p.journal.size() - 4),
              QStringList({"repeindre TForm1", "son quitter.wav", "pause 4000", "fin du programme"}));

    // The pupil's three files: appended to, and the successes saved with their backup.
    EXPECT_EQ(s.lireOctets("_Bilans/CM1/Tom_OBV_Detail.txt"),
              detailAvant
                  + octetsLignes({"07/12/2026 à 14:05:32 - 2 items - Exercice [Accords-1]", "", "jolies",
                                  "  jolie", "Item réussi des fleurs (joli) en 10 s.",
                                  "Item réussi une robe (blanc) en 7 s.", "Item réussi des fleurs (joli) en 3 s.",
                                  "", "Temps exercice : 20 s.", "Score : 9/10.", QString(68, QLatin1Char('-'))}));
    EXPECT_EQ(s.lireOctets("_Bilans/CM1/Tom_OBV_Exos.txt"),
              exosAvant + octetsLignes({"07/12/2026 | Terminé    |    9 /  10 | Accords-1"}));
    const QStringList reussites = decouperLignes(depuisWindows1252(s.lireOctets("_Bilans/CM1/Tom_OBV_Reussites.txt")));
    EXPECT_EQ(reussites.first(), QStringLiteral("des fleurs (joli)|1-0"));
    EXPECT_EQ(reussites.last(), QStringLiteral("une robe (blanc)|1"));
    EXPECT_TRUE(s.existe("_Bilans/CM1/Tom_OBV_Reussites.old"));
}

// Léa works, then leaves for another exercise; Tom is chosen and fails his password; the
// program is left from the welcome screen. Léa's successes go to Léa's file only.
TEST(SessionComplete, LesReussitesNeVontQuALeurPropreEleve)
{
    Seance s;
    const QByteArray tomAvant = s.lireOctets("_Bilans/CM1/Tom_OBV_Reussites.txt");
    s.p.fenetre<TForm2>([](TForm2& f) {
        choisir(f.cChoixGroupe, QStringLiteral("CM1"));
        choisir(f.cChoixUtilisateur, QStringLiteral("Léa"));
        choisirLigne(f.eRepertoires, QStringLiteral("[+] Orthographe"));
        choisirLigne(f.eRepertoires, QStringLiteral("Les mots avec œ"));
        cliquer(f.bValider);
    });
    s.p.fenetre<TfMotDePasse>([](TfMotDePasse& f) {
        taper(f.eMotDePasse, QStringLiteral("chat"));
        touche(f.eMotDePasse, Qt::Key_Return);
    });
    s.p.fenetre<TfChoixNbItems>([](TfChoixNbItems& f) { cliquer(f.bOk); });
    s.p.tirages = {0, 0, 0};
    s.demarrer();
    ASSERT_EQ(Form1->eMotATraduire->toPlainText(), QStringLiteral("La fille de mes parents est ma ..."));

    s.p.fenetre<TfMessagePerso>([](TfMessagePerso& f) { cliquer(f.bOk); });
    taper(Form1->eSaisie, QStringLiteral("soeur"));
    cliquer(Form1->bJaiEcrit);

    s.p.fenetre<TfQuitter>([](TfQuitter& f) { cliquer(f.bNouvelExo); });
    s.p.fenetre<TForm2>([](TForm2& f) {
        choisir(f.cChoixUtilisateur, QStringLiteral("Tom"));
        choisirLigne(f.eRepertoires, QStringLiteral("[+] Orthographe")); // back at the bank's root
        choisirLigne(f.eRepertoires, QStringLiteral("Le pluriel des noms"));
        cliquer(f.bValider);
        cliquer(f.bQuitter);
    });
    s.p.fenetre<TfMotDePasse>([](TfMotDePasse& f) {
        taper(f.eMotDePasse, QStringLiteral("chat"));
        cliquer(f.bOk);
    });
    s.p.boite(ReponseBoite::Ok, QStringLiteral("Mot de passe incorrect."));
    s.p.boite(ReponseBoite::Ok, QStringLiteral("Veux-tu vraiment quitter le logiciel ?"));
    cliquer(Form1->bStop);

    EXPECT_TRUE(s.p.finDemandee());
    EXPECT_EQ(s.p.journal.mid(s.p.journal.size() - 4),
              QStringList({"repeindre TForm1", "son quitter.wav", "pause 3000", "fin du programme"}));
    EXPECT_EQ(s.lireOctets("_Bilans/CM1/Tom_OBV_Reussites.txt"), tomAvant);
    EXPECT_FALSE(s.existe("_Bilans/CM1/Tom_OBV_Reussites.old"));
    const QStringList lea = decouperLignes(depuisWindows1252(s.lireOctets("_Bilans/CM1/Léa_OBV_Reussites.txt")));
    EXPECT_EQ(lea.size(), 14);
    EXPECT_TRUE(lea.contains(QStringLiteral("la fille de mes parents est ma ...|2")));
    // The interruption was written once, in Léa's files.
    const QString exos = depuisWindows1252(s.lireOctets("_Bilans/CM1/Léa_OBV_Exos.txt"));
    EXPECT_EQ(exos.count(QStringLiteral("Interrompu")), 2); // one of the sample history, one now
    EXPECT_TRUE(exos.endsWith(QStringLiteral("07/12/2026 | Interrompu |    5 /  30 | Les mots avec œ\r\n")));
}

// A classroom unpacked from archives: the bank from a Mac (decomposed names) and a Windows
// machine (Windows-1252), the results folder from Windows. The pupil signs in, works an exercise
// with its help page, and her results go into her own files, under their Windows names; no
// entry of either folder is renamed, and no second file of a pupil's is made (the backup of her
// successes is a new file: it takes its UTF-8 name).
TEST(SessionComplete, ClasseVenueDAutresSystemes)
{
    Seance s(false);
    s.parametres({"REPERTOIRE TEXTES=", "REPERTOIRE BILANS=", "BRUITAGE=Non"});
    s.ecrireNomWindows("_Exercices_OBV/Conjugaison/Le pre\xcc\x81sent.txt",
                       "Conjugue.\r\n##\r\nje (\xeatre)|suis\r\n");
    s.ecrireNomWindows("_Exercices_OBV/Conjugaison/Le pr\xe9sent.rtf", "{\\rtf1 Le verbe \\'eatre.}");
    s.ecrireNomWindows("_Bilans/CM1/L\xe9" "a_Pwd.txt", "chat\r\n");
    for (const char* f : {"Reussites", "Detail", "Exos"})
        s.ecrireNomWindows(QByteArray("_Bilans/CM1/L\xe9" "a_OBV_") + f + ".txt", "");
    const QList<QByteArray> banque = s.nomsSurDisque("_Exercices_OBV/Conjugaison");

    s.p.fenetre<TForm2>([](TForm2& f) {
        choisir(f.cChoixGroupe, QStringLiteral("CM1"));
        choisir(f.cChoixUtilisateur, QStringLiteral("L\u00e9a"));
        choisirLigne(f.eRepertoires, QStringLiteral("[+] Conjugaison"));
        choisirLigne(f.eRepertoires, QStringLiteral("Le pr\u00e9sent"));
        ASSERT_TRUE(f.bValider->isEnabled());
        cliquer(f.bValider);
    });
    s.p.fenetre<TfMotDePasse>([](TfMotDePasse& f) {
        taper(f.eMotDePasse, QStringLiteral("chat"));
        cliquer(f.bOk);
    });
    s.demarrer();
    EXPECT_EQ(Form1->windowTitle(), QStringLiteral("Ombrivelle - Version 1.1 - Elève : L\u00e9a"));
    EXPECT_EQ(Form1->lDossierCourant->text(), QStringLiteral("Le pr\u00e9sent"));
    ASSERT_TRUE(Form1->bJEcoute->isEnabled());
    s.p.fenetre(QStringLiteral("TformAide"), [](Fiche& f) {
        EXPECT_EQ(f.findChild<QTextEdit*>(QStringLiteral("eAide"))->toPlainText(), QStringLiteral("Le verbe \u00eatre."));
        f.Close();
    });
    cliquer(Form1->bJEcoute);
    ok(s, QStringLiteral("C'est bien, item réussi, continue."), QStringLiteral("Bon"));
    s.p.boite(ReponseBoite::Ok, QStringLiteral("Il n'y a plus d'items à retravailler dans cet exercice !"));
    s.p.fenetre<TfMsgOuiNonPerso>([](TfMsgOuiNonPerso& f) { cliquer(f.bNon); });
    s.p.boite(ReponseBoite::Non, QStringLiteral("Veux-tu voir ton bilan ?"));
    repondre(QStringLiteral("suis"), s, 5);

    EXPECT_TRUE(s.p.finDemandee());
    EXPECT_EQ(s.nomsSurDisque("_Exercices_OBV/Conjugaison"), banque);
    EXPECT_EQ(s.nomsSurDisque("_Bilans/CM1"),
              QList<QByteArray>({"L\xc3\xa9" "a_OBV_Reussites.old", "L\xe9" "a_OBV_Detail.txt", "L\xe9" "a_OBV_Exos.txt",
                                 "L\xe9" "a_OBV_Reussites.txt", "L\xe9" "a_Pwd.txt"}));
    QByteArray octets;
    ASSERT_TRUE(lireFichierRegulier(s.chemin("_Bilans/CM1/L\u00e9a_OBV_Exos.txt"), octets));
    EXPECT_EQ(octets, octetsLignes({"07/12/2026 | Terminé    |    5 /   5 | Le pr\u00e9sent"}));
    ASSERT_TRUE(lireFichierRegulier(s.chemin("_Bilans/CM1/L\u00e9a_OBV_Reussites.txt"), octets));
    EXPECT_EQ(octets, octetsLignes({"je (\u00eatre)|1"}));
}
