// A session on the sample classroom, from the start of the program to quitting from the
// welcome screen, through the real forms.

#include "Bilans.h"
#include "test_accueil_outils.h"

using namespace outilsAccueil;

TEST(AccueilSeance, DuDemarrageAuDepartParLAccueil)
{
    Seance s;
    accueil(s, [&](TForm2& f) {
        EXPECT_EQ(textes(f.cChoixGroupe), QStringList({"Choisis ton groupe", "CE2", "CM1"}));
        EXPECT_EQ(textes(f.cChoixUtilisateur), QStringList({"Visiteur", "Sacha"}));
        EXPECT_EQ(textes(f.eRepertoires),
                  QStringList({"[+] Conjugaison", "[+] Grammaire", "[+] Orthographe", "[+] Vocabulaire",
                               "[+] [Tous les exercices personnels]"}));

        // A new pupil registers in CM1, then opens her results and chooses her password.
        choisir(f.cChoixGroupe, "CM1");
        EXPECT_EQ(textes(f.cChoixUtilisateur), QStringList({"Visiteur", "Inès", "Léa", "Tom"}));
        cliquer(f.bNouvelEleve);
        EXPECT_EQ(f.cChoixUtilisateur->currentText(), QStringLiteral("Zoé"));
        EXPECT_EQ(textes(f.eRepertoires).size(), 5);
        cliquer(f.bBilan);

        // She looks around the bank, comes back to its root and leaves.
        choisirLigne(f.eRepertoires, "[+] Conjugaison");
        choisirLigne(f.eRepertoires, "[+] Présent");
        EXPECT_EQ(textes(f.eRepertoires), QStringList({"Verbes du premier groupe", "Être au présent"}));
        choisirLigne(f.eRepertoires, "Être au présent");
        EXPECT_TRUE(f.bValider->isEnabled());
        cliquer(f.bRemonter);
        cliquer(f.bRemonter);
        EXPECT_FALSE(f.bRemonter->isEnabled());
        cliquer(f.bQuitter);
    });
    s.p.fenetre<TfNouvelEleve>([](TfNouvelEleve& f) {
        taper(f.eUtilisateur, "Zoé");
        touche(f.eUtilisateur, Qt::Key_Return);
    });
    motDePasse(s, "Mimosa", "Choix du mot de passe");
    s.p.fenetre<TfBilans>([](TfBilans& f) {
        EXPECT_EQ(etat.ModeEnseignant, 0);
        EXPECT_EQ(etat.EleveAuthentifie, QStringLiteral("Zoé"));
        f.Close();
    });
    s.p.boite(ReponseBoite::Ok, "Veux-tu vraiment quitter le logiciel ?");
    s.demarrer();

    EXPECT_EQ(s.p.journalDe("fenetre"), QStringList({"fenetre TForm2", "fenetre TfNouvelEleve",
                                                     "fenetre TfMotDePasse", "fenetre TfBilans"}));
    EXPECT_EQ(s.p.journal.mid(s.p.journal.size() - 5),
              QStringList({"boite Simple | Ombrivelle - Version 1.1 | Veux-tu vraiment quitter le logiciel ?",
                           "repeindre TForm1", "son quitter.wav", "pause 3000", "fin du programme"}));
    EXPECT_EQ(s.lireOctets("_Bilans/CM1/Zoé_Pwd.txt"), QByteArray("Mimosa\r\n"));
    for (const char* f : {"Reussites", "Detail", "Exos"})
        EXPECT_TRUE(s.existe(QStringLiteral("_Bilans/CM1/Zoé_OBV_%1.txt").arg(f))) << f;
    EXPECT_TRUE(etat.ExerciceCourant.isEmpty());
    EXPECT_TRUE(etat.TableReussites.fichierSource.isEmpty());
}
