// The dictation program's welcome screen on the sample classroom: its folders of sounds, the
// sign-in that renames older results files and enters the exercise folder, registration and
// the pupil list.

#include <QFile>
#include <QLabel>
#include <QRadioButton>

#include "test_castiflore_outils.h"

using namespace outilsCastiflore;

namespace {

const QString titre = QStringLiteral("Castiflore - Version 3.6");
const QStringList racine = {"[+] Animaux", "[+] Orthographe", "Le son œ", "Mots invariables",
                            "Une histoire dans l'ordre"};

} // namespace

TEST(AccueilCastiflore, DossiersParcourusPuisCommencesEnVisiteur)
{
    SeanceCastiflore c;
    Seance& s = c.s;
    // Hidden folders are never listed, nor do they make a theme; a dotted name is no folder of
    // the bank.
    QDir().mkpath(s.chemin("_Exercices_CSF/.corbeille/Vieux"));
    QDir().mkpath(s.chemin("_Exercices_CSF/Le son œ/.vignettes"));
    QDir().mkpath(s.chemin("_Exercices_CSF/Sons.anciens/Vieux"));

    accueil(s, [&](TForm2& f) {
        EXPECT_TRUE(f.bValider->toolTip().isEmpty());
        EXPECT_TRUE(f.bQuitter->toolTip().isEmpty());
        EXPECT_EQ(f.bNouvelEleve->toolTip(), QStringLiteral("Nouvel élève"));
        EXPECT_EQ(textes(f.eRepertoires), racine);
        EXPECT_FALSE(f.bRemonter->isEnabled());
        EXPECT_FALSE(f.bValider->isEnabled());

        // A theme opens on a single click; an exercise folder does not open, even twice.
        choisirLigne(f.eRepertoires, "[+] Animaux");
        EXPECT_EQ(textes(f.eRepertoires), QStringList({"La ferme", "La forêt"}));
        EXPECT_EQ(dossierRelatif(s), QStringLiteral("_Exercices_CSF/Animaux"));
        EXPECT_TRUE(f.bRemonter->isEnabled());
        EXPECT_FALSE(f.bValider->isEnabled());
        choisirLigne(f.eRepertoires, "La ferme");
        EXPECT_TRUE(f.bValider->isEnabled());
        f.eRepertoiresDblClick();
        EXPECT_EQ(dossierRelatif(s), QStringLiteral("_Exercices_CSF/Animaux"));
        cliquer(f.bRemonter);
        EXPECT_EQ(textes(f.eRepertoires), racine);
        EXPECT_FALSE(f.bRemonter->isEnabled());

        // A folder without any sound is listed but can never be started.
        choisirLigne(f.eRepertoires, "[+] Orthographe");
        EXPECT_EQ(textes(f.eRepertoires), QStringList({"Deux orthographes", "En préparation"}));
        choisirLigne(f.eRepertoires, "En préparation");
        EXPECT_FALSE(f.bValider->isEnabled());
        touche(f.eRepertoires, Qt::Key_Return);
        f.bValiderClick();
        EXPECT_FALSE(f.fermetureEnAttente());
        EXPECT_TRUE(etat.ExerciceCourant.isEmpty());
        choisirLigne(f.eRepertoires, "Deux orthographes");
        EXPECT_TRUE(f.bValider->isEnabled());
        cliquer(f.bRemonter);

        // Choosing a pupil leaves the list and its choice as they are.
        choisirLigne(f.eRepertoires, "Mots invariables");
        choisir(f.cChoixGroupe, "CM1");
        choisir(f.cChoixUtilisateur, "Léa");
        EXPECT_TRUE(f.bValider->isEnabled());
        EXPECT_EQ(f.eRepertoires->currentItem()->text(), QStringLiteral("Mots invariables"));
        choisir(f.cChoixUtilisateur, "Visiteur");
        cliquer(f.bValider);
        EXPECT_TRUE(f.fermetureEnAttente());
    });
    // Six items: the number of items is asked, with only four items or all of them to choose.
    s.p.fenetre<TfChoixNbItems>([](TfChoixNbItems& f) {
        EXPECT_TRUE(f.lInfo->text().isEmpty());
        EXPECT_EQ(f.rChoix4->text(), QStringLiteral("6 items (30 points)"));
        EXPECT_TRUE(f.rChoix1->isEnabled());
        EXPECT_FALSE(f.rChoix2->isEnabled());
        f.rChoix1->click();
        cliquer(f.bOk);
    });
    c.demarrer();

    const QString exercice = s.chemin("_Exercices_CSF/Mots invariables");
    EXPECT_EQ(etat.ExerciceCourant, exercice);
    EXPECT_EQ(s.p.dossierCourant(), exercice);
    EXPECT_EQ(c.principale->windowTitle(), titre + " - Elève : Visiteur");
    EXPECT_TRUE(c.principale->saisieVidee);
    EXPECT_EQ(c.principale->nomExercice, QStringLiteral("Mots invariables"));
    EXPECT_TRUE(etat.EleveCourant.isEmpty());
    EXPECT_TRUE(etat.TableReussites.fichierSource.isEmpty());
    EXPECT_EQ(fichiers(s, "_Bilans/CM1").filter("_CSF_").size(), 3); // Léa's, as they were

    // Only the four entries drawn are items: the emptied ones are never offered.
    Deroulement& d = deroulement();
    EXPECT_EQ(d.NbItems, 4);
    ASSERT_EQ(d.TableItems.size(), 6);
    EXPECT_TRUE(d.TableItems[4].Ligne.isEmpty() && d.TableItems[5].Ligne.isEmpty());
    s.p.tiragesDemandes.clear();
    EXPECT_FALSE(d.ChoisirItemSuivant().isEmpty());
    EXPECT_EQ(s.p.tiragesDemandes.last(), 4);
}

// Dictations unpacked from archives made on Windows (Windows-1252 names) and on a Mac
// (decomposed names): each is listed as it reads, entered and started, the bank left as it was.
TEST(AccueilCastiflore, DicteesVenuesDeWindowsEtDeMac)
{
    SeanceCastiflore c;
    Seance& s = c.s;
    const QByteArray son("RIFF\x24\x00\x00\x00WAVEfmt ", 16);
    s.ecrireNomWindows("_Exercices_CSF/Th\xe8mes/Les f\xeates/f\xeate.wav", son);
    s.ecrireNomWindows("_Exercices_CSF/Th\xe8mes/Les f\xeates/no\xebl.wav", son);
    s.ecrireNomWindows("_Exercices_CSF/Th\xe8mes/Cafe\xcc\x81s/cafe\xcc\x81.wav", son);
    const QList<QByteArray> avant = s.nomsSurDisque("_Exercices_CSF/Th\xe8mes");

    accueil(s, [&](TForm2& f) {
        choisirLigne(f.eRepertoires, "[+] Th\u00e8mes");
        EXPECT_EQ(textes(f.eRepertoires), QStringList({"Caf\u00e9s", "Les f\u00eates"}));
        choisirLigne(f.eRepertoires, "Caf\u00e9s");
        EXPECT_TRUE(f.bValider->isEnabled());
        choisirLigne(f.eRepertoires, "Les f\u00eates");
        ASSERT_TRUE(f.bValider->isEnabled());
        cliquer(f.bValider);
        EXPECT_TRUE(f.fermetureEnAttente());
    });
    c.demarrer();

    const QString exercice = s.chemin("_Exercices_CSF/Th\u00e8mes/Les f\u00eates");
    EXPECT_EQ(etat.ExerciceCourant, exercice);
    EXPECT_EQ(s.p.dossierCourant(), exercice);
    EXPECT_EQ(c.principale->nomExercice, QStringLiteral("Les f\u00eates"));
    EXPECT_EQ(deroulement().NbItems, 2);
    EXPECT_EQ(s.nomsSurDisque("_Exercices_CSF/Th\xe8mes"), avant);
    EXPECT_EQ(s.nomsSurDisque("_Exercices_CSF/Th\xe8mes/Les f\xeates"),
              QList<QByteArray>({"f\xeate.wav", "no\xebl.wav"}));
}

TEST(AccueilCastiflore, ConnexionRenommeLesAnciensFichiersSansRienRemplacer)
{
    SeanceCastiflore c;
    Seance& s = c.s;
    // Tom's files of older versions: his successes (in the sample), his log, and a list whose
    // new name is already taken.
    s.ecrireLignes(c.bilans("CM1/Tom_Detail.txt"), {"ancien détail"});
    s.ecrireLignes(c.bilans("CM1/tom_exos.txt"), {"ancienne liste"});
    s.ecrireLignes(c.bilans("CM1/Tom_CSF_Exos.txt"), {"liste"});
    const QByteArray reussites = s.lireOctets(c.bilans("CM1/Tom.txt"));
    ASSERT_FALSE(reussites.isEmpty());

    accueil(s, [&](TForm2& f) {
        choisir(f.cChoixGroupe, "CM1");
        choisir(f.cChoixUtilisateur, "Tom");
        choisirLigne(f.eRepertoires, "[+] Animaux");
        choisirLigne(f.eRepertoires, "La ferme");
        // A wrong password renames nothing.
        cliquer(f.bValider);
        EXPECT_TRUE(s.existe(c.bilans("CM1/Tom.txt")));
        EXPECT_FALSE(s.existe(c.bilans("CM1/Tom_CSF_Reussites.txt")));
        cliquer(f.bValider);
    });
    motDePasse(s, "hand", "Saisie du mot de passe");
    s.p.boite(ReponseBoite::Ok, "Mot de passe incorrect.");
    motDePasse(s, " FOOT ", "Saisie du mot de passe");
    c.demarrer();

    EXPECT_FALSE(s.existe(c.bilans("CM1/Tom.txt")));
    EXPECT_EQ(s.lireOctets(c.bilans("CM1/Tom_CSF_Reussites.txt")), reussites);
    EXPECT_FALSE(s.existe(c.bilans("CM1/Tom_Detail.txt")));
    EXPECT_EQ(s.lireOctets(c.bilans("CM1/Tom_CSF_Detail.txt")), octetsLignes({"ancien détail"}));
    EXPECT_EQ(s.lireOctets(c.bilans("CM1/tom_exos.txt")), octetsLignes({"ancienne liste"}));
    EXPECT_EQ(s.lireOctets(c.bilans("CM1/Tom_CSF_Exos.txt")), octetsLignes({"liste"}));
    // The successes came from the renamed file: "la vache" (3 in a row) is retired.
    EXPECT_EQ(etat.TableReussites.fichierSource, s.chemin(c.bilans("CM1/Tom_CSF_Reussites.txt")));
    EXPECT_EQ(deroulement().NbItemsDisponibles, 4);
    EXPECT_EQ(deroulement().NbItems, 3);
    EXPECT_EQ(s.p.dossierCourant(), s.chemin("_Exercices_CSF/Animaux/La ferme"));
    EXPECT_EQ(s.p.journalDe("fenetre"),
              QStringList({"fenetre TForm2", "fenetre TfMotDePasse", "fenetre TfMotDePasse"}));
}

TEST(AccueilCastiflore, UnAncienFichierDUnAutreEleveNEstJamaisPris)
{
    SeanceCastiflore c;
    Seance& s = c.s;
    s.ecrireLignes("castiflore.ini", {"REPERTOIRE=", "BILAN=", "ACTIF=Non"});
    // Lea's password and logs; the pupils "Lea_Pwd" and "Lea_CSF_Detail" have names whose
    // older successes file would be one of them.
    s.ecrireLignes(c.bilans("CM2/Lea_Pwd.txt"), {"secret"});
    s.ecrireLignes(c.bilans("CM2/Lea_CSF_Detail.txt"), {"journal de Lea"});
    s.ecrireLignes(c.bilans("CM2/Lea_Pwd_Pwd.txt"), {});
    s.ecrireLignes(c.bilans("CM2/Lea_Pwd_Detail.txt"), {"ancien"});
    s.ecrireLignes(c.bilans("CM2/Lea_CSF_Detail_Pwd.txt"), {});
    // Nor "Lea_CSF" her exercise list, nor "Lea_OBV" her Ombrivelle log.
    s.ecrireLignes(c.bilans("CM2/Lea_CSF_Exos.txt"), {"liste de Lea"});
    s.ecrireLignes(c.bilans("CM2/Lea_OBV_Detail.txt"), {"journal OBV de Lea"});
    s.ecrireLignes(c.bilans("CM2/Lea_CSF_Pwd.txt"), {});
    s.ecrireLignes(c.bilans("CM2/Lea_OBV_Pwd.txt"), {});
    s.ecrireLignes(c.bilans("CM2/Noé_Pwd.txt"), {});
    s.ecrireLignes(c.bilans("CM2/Noé.txt"), {"le loup|1"});

    accueil(s, [&](TForm2& f) {
        choisir(f.cChoixGroupe, "CM2");
        choisirLigne(f.eRepertoires, "Mots invariables");
        choisir(f.cChoixUtilisateur, "Lea_Pwd");
        cliquer(f.bBilan);
        choisir(f.cChoixUtilisateur, "Lea_CSF_Detail");
        cliquer(f.bBilan);
        choisir(f.cChoixUtilisateur, "Lea_CSF");
        cliquer(f.bBilan);
        choisir(f.cChoixUtilisateur, "Lea_OBV");
        cliquer(f.bBilan);
        // The results door renames too.
        choisir(f.cChoixUtilisateur, "Noé");
        cliquer(f.bBilan);
        f.Close();
    });
    for (int i = 0; i < 5; ++i)
        s.p.fenetre<TfBilans>([](TfBilans& f) { f.Close(); });
    c.demarrer();

    EXPECT_EQ(s.lireOctets(c.bilans("CM2/Lea_CSF_Exos.txt")), octetsLignes({"liste de Lea"}));
    EXPECT_EQ(s.lireOctets(c.bilans("CM2/Lea_OBV_Detail.txt")), octetsLignes({"journal OBV de Lea"}));
    EXPECT_EQ(s.lireOctets(c.bilans("CM2/Lea_Pwd.txt")), octetsLignes({"secret"}));
    EXPECT_EQ(s.lireOctets(c.bilans("CM2/Lea_CSF_Detail.txt")), octetsLignes({"journal de Lea"}));
    EXPECT_EQ(s.lireOctets(c.bilans("CM2/Lea_Pwd_CSF_Reussites.txt")), QByteArray());
    EXPECT_EQ(s.lireOctets(c.bilans("CM2/Lea_Pwd_CSF_Detail.txt")), octetsLignes({"ancien"}));
    EXPECT_EQ(s.lireOctets(c.bilans("CM2/Lea_CSF_Detail_CSF_Reussites.txt")), QByteArray());
    EXPECT_EQ(s.lireOctets(c.bilans("CM2/Noé_CSF_Reussites.txt")), octetsLignes({"le loup|1"}));
    EXPECT_FALSE(s.existe(c.bilans("CM2/Noé.txt")));
}

TEST(AccueilCastiflore, InscriptionAuxNomsExacts)
{
    SeanceCastiflore c;
    Seance& s = c.s;
    for (const char* f : {"Paul_Pwd.txt", "Paul_CSF_Reussites.txt", "Paul_CSF_Detail.txt", "Paul_CSF_Exos.txt"})
        s.ecrireLignes(c.bilans(QStringLiteral("CE2/") + f), {});
    QDir().mkpath(s.chemin(c.bilans("CE2/Zoé_CSF_Exos.txt")));
    const QStringList avant = fichiers(s, "_Bilans/CE2");

    accueil(s, [&](TForm2& f) {
        choisir(f.cChoixGroupe, "CE2");
        EXPECT_TRUE(f.bNouvelEleve->isEnabled());
        EXPECT_FALSE(f.bBilan->isEnabled());
        // "paul" differs from Paul by a capital: accepted, no file is made, Paul is selected,
        // and the results button keeps its state.
        cliquer(f.bNouvelEleve);
        EXPECT_EQ(fichiers(s, "_Bilans/CE2"), avant);
        EXPECT_EQ(f.cChoixUtilisateur->currentText(), QStringLiteral("Paul"));
        EXPECT_FALSE(f.bBilan->isEnabled());
        // An unsafe name, an identical one, then one whose files cannot all be made.
        cliquer(f.bNouvelEleve);
        EXPECT_EQ(fichiers(s, "_Bilans/CE2"), avant);
        EXPECT_EQ(f.cChoixUtilisateur->currentText(), QStringLiteral("Visiteur"));
        QDir(s.chemin(c.bilans("CE2/Zoé_CSF_Exos.txt"))).removeRecursively();
        cliquer(f.bNouvelEleve);
        f.Close();
    });
    nouvelEleve(s, "paul");
    s.p.fenetre<TfNouvelEleve>([&](TfNouvelEleve& f) {
        for (const char* prenom : {"Zo/é", "Paul", "Zoé"}) {
            f.eUtilisateur->clear();
            taper(f.eUtilisateur, QString::fromUtf8(prenom));
            touche(f.eUtilisateur, Qt::Key_Return);
        }
    });
    s.p.boite(ReponseBoite::Ok, "Ce prénom contient un caractère interdit.");
    s.p.boite(ReponseBoite::Ok, "Prénom déjà existant dans la liste. Choisir un autre prénom");
    s.p.boite(ReponseBoite::Ok,
              "Impossible d'inscrire cet élève : « Zoé_CSF_Exos.txt » existe déjà et n'est pas un fichier.");
    nouvelEleve(s, "Zoé");
    c.demarrer();

    for (const char* f : {"Zoé_Pwd.txt", "Zoé_CSF_Reussites.txt", "Zoé_CSF_Detail.txt", "Zoé_CSF_Exos.txt"})
        EXPECT_EQ(s.lireOctets(c.bilans(QStringLiteral("CE2/") + f)), QByteArray()) << f;
    EXPECT_EQ(fichiers(s, "_Bilans/CE2").size(), avant.size() + 3);
}

TEST(AccueilCastiflore, ChoisirNouveauOuvreLInscription)
{
    SeanceCastiflore c;
    Seance& s = c.s;
    s.ecrireLignes(c.bilans("CM1/Nouveau_Pwd.txt"), {});
    accueil(s, [&](TForm2& f) {
        choisir(f.cChoixGroupe, "CM1");
        choisir(f.cChoixUtilisateur, "Nouveau");
        EXPECT_FALSE(f.bBilan->isEnabled());
        f.Close();
    });
    nouvelEleve(s, "");
    c.demarrer();
    EXPECT_EQ(s.p.journalDe("fenetre"), QStringList({"fenetre TForm2", "fenetre TfNouvelEleve"}));

    // A pupil named "Nouveau" who comes back finds the registration opened as the screen
    // shows.
    etat.GroupeCourant = "CM1";
    etat.EleveCourant = "Nouveau";
    nouvelEleve(s, "");
    accueil(s, [](TForm2& f) { f.Close(); });
    plateforme().montrerModal(*Form2);
    EXPECT_EQ(s.p.journalDe("fenetre").size(), 4);
}

TEST(AccueilCastiflore, EleveDisparuGroupeChangeEtPorteEnseignant)
{
    SeanceCastiflore c;
    Seance& s = c.s;
    etat.GroupeCourant = "CM1";
    etat.EleveCourant = "Inès";
    QFile::remove(s.chemin(c.bilans("CM1/Inès_Pwd.txt")));
    accueil(s, [&](TForm2& f) {
        // The pupil's roster file has gone: no pupil is shown, and the pupil is kept.
        EXPECT_EQ(f.cChoixUtilisateur->currentIndex(), -1);
        EXPECT_TRUE(f.cChoixUtilisateur->currentText().isEmpty());
        EXPECT_EQ(etat.EleveCourant, QStringLiteral("Inès"));
        EXPECT_TRUE(f.bBilan->isEnabled());
        cliquer(f.bBilan); // nothing
        choisirLigne(f.eRepertoires, "Le son œ");
        cliquer(f.bValider);
    });
    s.p.fenetre<TfChoixNbItems>([](TfChoixNbItems& f) {
        EXPECT_EQ(f.rChoix4->text(), QStringLiteral("5 items (25 points)"));
        cliquer(f.bOk);
    });
    c.demarrer();
    // Started as the guest: no file of Inès is made again.
    EXPECT_EQ(c.principale->windowTitle(), titre + " - Elève : ");
    EXPECT_TRUE(etat.EleveCourant.isEmpty());
    EXPECT_FALSE(s.existe(c.bilans("CM1/Inès_CSF_Reussites.txt")));
    EXPECT_EQ(etat.ExerciceCourant, s.chemin("_Exercices_CSF/Le son œ"));
    EXPECT_EQ(deroulement().NbItems, 5);

    accueil(s, [&](TForm2& f) {
        // A change of group leaves the results button as it was.
        choisir(f.cChoixUtilisateur, "Léa");
        EXPECT_TRUE(f.bBilan->isEnabled());
        choisir(f.cChoixGroupe, "CE2");
        EXPECT_EQ(f.cChoixUtilisateur->currentText(), QStringLiteral("Visiteur"));
        EXPECT_TRUE(f.bBilan->isEnabled());
        cliquer(f.bBilan); // nothing: the guest has no results
        // The teacher's password is asked under the pupils' caption.
        cliquer(f.bSuperviseur);
        f.Close();
    });
    motDePasse(s, "", "Saisie du mot de passe");
    plateforme().montrerModal(*Form2);
    EXPECT_EQ(s.p.journalDe("fenetre"), QStringList({"fenetre TForm2", "fenetre TfChoixNbItems", "fenetre TForm2",
                                                     "fenetre TfMotDePasse"}));
}

TEST(AccueilCastiflore, DossierDExerciceInaccessible)
{
    // A folder that cannot be entered (taken away, or closed to the pupil's account).
    struct PlateformeRefus : PlateformeScriptee {
        QString refuse;
        bool changerDossier(const QString& chemin) override
        {
            return chemin != refuse && PlateformeScriptee::changerDossier(chemin);
        }
    };
    SeanceCastiflore c;
    Seance& s = c.s;
    PlateformeRefus p;
    p.programme = s.programme;
    p.echec = s.p.echec;
    installerPlateforme(&p);
    p.refuse = s.chemin("_Exercices_CSF/Mots invariables");

    p.fenetre<TForm2>([&](TForm2& f) {
        choisirLigne(f.eRepertoires, "Mots invariables");
        cliquer(f.bValider);
        EXPECT_FALSE(f.fermetureEnAttente());
        EXPECT_TRUE(etat.ExerciceCourant.isEmpty());
        EXPECT_EQ(QDir(s.programme).relativeFilePath(p.dossierCourant()), QStringLiteral("_Exercices_CSF"));
        cliquer(f.bQuitter);
    });
    p.boite(ReponseBoite::Ok, "Erreur d'entrée/sortie sur le fichier " + p.refuse + ".");
    p.boite(ReponseBoite::Ok, "Veux-tu vraiment quitter le logiciel ?");
    c.creerFiches();
    p.montrerPrincipale(*c.principale);
    EXPECT_TRUE(p.finDemandee());
    EXPECT_EQ(p.journalDe("boite").first(),
              QStringLiteral("boite Erreur | ") + titre + " | Erreur d'entrée/sortie sur le fichier " + p.refuse + ".");
    EXPECT_EQ(p.etapesRestantes(), 0);
    installerPlateforme(&s.p);
}

// The default results folder gone: told when the settings are read, then no group and no pupil
// in the welcome screen nor in the teacher module, nobody can register, and the guest works.
TEST(AccueilCastiflore, SansDossierDesBilans)
{
    SeanceCastiflore c;
    Seance& s = c.s;
    QDir(s.chemin("_Bilans")).removeRecursively();
    const QString message = QStringLiteral("Le répertoire où se trouve le dossier [_bilans] est introuvable.\r"
                                           "Il est nécessaire de redéfinir son chemin d'accès dans le fichier INI.");
    s.p.boite(ReponseBoite::Ok, message);
    auto vide = [](TForm2& f) {
        EXPECT_EQ(textes(f.cChoixGroupe), QStringList({"Choisis ton groupe"}));
        EXPECT_EQ(textes(f.cChoixUtilisateur), QStringList({"Visiteur"}));
        EXPECT_FALSE(f.bNouvelEleve->isEnabled());
    };
    accueil(s, [&](TForm2& f) {
        vide(f);
        EXPECT_EQ(textes(f.eRepertoires), racine);
        cliquer(f.bSuperviseur);
        vide(f);
        choisirLigne(f.eRepertoires, "Le son œ");
        cliquer(f.bValider);
    });
    motDePasse(s, "prof", "Saisie du mot de passe");
    s.p.fenetre<TfBilans>([](TfBilans& f) {
        EXPECT_EQ(f.cChoixGroupe->count(), 0);
        EXPECT_EQ(f.cChoixEleve->count(), 0);
        f.Close();
    });
    s.p.boite(ReponseBoite::Ok, message);
    s.p.fenetre<TfChoixNbItems>([](TfChoixNbItems& f) { f.Close(); });
    c.demarrer();
    EXPECT_TRUE(etat.EleveCourant.isEmpty());
    EXPECT_TRUE(etat.ExerciceCourant.endsWith(QStringLiteral("_Exercices_CSF/Le son œ")));
    EXPECT_FALSE(s.existe("_Bilans"));
}
