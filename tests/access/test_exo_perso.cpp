// The pupils' proposals: the welcome screen's hidden command that creates and opens the pending
// file.

#include "ItemsPersos.h"
#include "test_accueil_outils.h"

using namespace outilsAccueil;

namespace {

const QString aValider = QStringLiteral("_Exercices_OBV/[Tous les items à valider]/");

void exoPerso(TForm2& f, const QString& groupe, const QString& eleve)
{
    choisir(f.cChoixGroupe, groupe);
    choisir(f.cChoixUtilisateur, eleve);
    f.bExoPersoClick();
}

} // namespace

TEST(ExoPerso, CreeEtOuvreLeFichierDesPropositions)
{
    Seance s(false);
    petiteClasse(s);
    s.creerFiches();
    lireReglages();
    accueil(s, [&](TForm2& f) {
        EXPECT_FALSE(f.bExoPerso->isVisible());
        exoPerso(f, "CM1", "Tom");
        EXPECT_EQ(etat.GroupeCourant, QStringLiteral("CM1"));
        EXPECT_EQ(etat.EleveAuthentifie, QStringLiteral("Tom"));
        // Already signed in: not asked again; what the pupil typed is kept.
        s.ecrireLignes(aValider + "CM1/Tom_AValider.txt", {"un chat|cat"});
        f.bExoPersoClick();
    });
    motDePasse(s, " FOOT", "Saisie du mot de passe");
    montrerAccueil();

    const QString fichier = s.chemin(aValider + "CM1/Tom_AValider.txt");
    EXPECT_EQ(s.p.journalDe("ouvrir"), QStringList({"ouvrir " + fichier, "ouvrir " + fichier}));
    EXPECT_EQ(s.lireOctets(aValider + "CM1/Tom_AValider.txt"), QByteArray("un chat|cat\r\n"));
    EXPECT_TRUE(QDir(s.chemin("_Exercices_OBV/[Tous les exercices personnels]/CM1")).exists());
    EXPECT_EQ(s.p.journalDe("fenetre TfMotDePasse").size(), 1);
    EXPECT_TRUE(etat.ExerciceCourant.isEmpty());
}

TEST(ExoPerso, SArreteSansRienCreer)
{
    const struct {
        const char* nom;
        QString groupe, eleve, reponse; // empty answer: no password dialog
        bool incorrect;
    } cas[] = {
        {"le visiteur", "CM1", "Visiteur", "", false},
        {"sans groupe", "Choisis ton groupe", "Sacha", "", false},
        {"mot de passe faux", "CM1", "Léa", "chien", true},
        {"mot de passe annulé", "CM1", "Léa", "-", false},
        {"premier mot de passe refusé", "CM1", "Inès", "-", false},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        Seance s(false);
        petiteClasse(s);
        s.creerFiches();
        lireReglages();
        accueil(s, [&](TForm2& f) { exoPerso(f, c.groupe, c.eleve); });
        if (!c.reponse.isEmpty())
            motDePasse(s, c.reponse == "-" ? QString() : c.reponse,
                       c.eleve == "Inès" ? "Choix du mot de passe" : "Saisie du mot de passe");
        if (c.incorrect)
            s.p.boite(ReponseBoite::Ok, "Mot de passe incorrect.");
        montrerAccueil();
        EXPECT_TRUE(s.p.journalDe("ouvrir").isEmpty());
        EXPECT_FALSE(s.existe("_Exercices_OBV/[Tous les items à valider]"));
        EXPECT_TRUE(etat.EleveAuthentifie.isEmpty());
    }
}

TEST(ExoPerso, GroupeDisparuOuEleveSansFichier)
{
    Seance s(false);
    petiteClasse(s);
    s.creerFiches();
    lireReglages();
    // The remembered group has gone: the group list shows nothing, the root's pupils are listed.
    etat.GroupeCourant = "CM2";
    accueil(s, [&](TForm2& f) {
        EXPECT_EQ(f.cChoixGroupe->currentText(), QString());
        choisir(f.cChoixUtilisateur, "Sacha");
        f.bExoPersoClick();
        // A pupil whose roster file went while the screen was open.
        choisir(f.cChoixGroupe, "CM1");
        choisir(f.cChoixUtilisateur, "Tom");
        QFile::remove(s.chemin("_Bilans/CM1/Tom_Pwd.txt"));
        f.bExoPersoClick();
    });
    montrerAccueil();
    EXPECT_TRUE(s.p.journalDe("ouvrir").isEmpty());
    EXPECT_TRUE(s.p.journalDe("fenetre TfMotDePasse").isEmpty());
    EXPECT_FALSE(s.existe("_Exercices_OBV/[Tous les items à valider]"));
}
