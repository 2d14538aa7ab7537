// The welcome screen: groups, pupils, sign-in and passwords, the doors, and the exercise bank.

#include <QApplication>
#include <QFile>
#include <QFocusEvent>
#include <QTextEdit>

#include "Bilans.h"
#include "FichierDetail.h"
#include "FichierExos.h"
#include "FichierReussites.h"
#include "test_accueil_outils.h"

using namespace outilsAccueil;

namespace {

const QString incorrect = QStringLiteral("Mot de passe incorrect.");

// Signs in from the welcome screen with the first exercise of the bank's root.
void commencer(TForm2& f, const QString& groupe, const QString& eleve)
{
    choisir(f.cChoixGroupe, groupe);
    choisir(f.cChoixUtilisateur, eleve);
    choisirLigne(f.eRepertoires, "Pluriels");
    cliquer(f.bValider);
}

// What the exercise run does between two showings.
void exerciceSuivant(Seance& s)
{
    s.p.changerDossier(s.chemin("_Exercices_OBV"));
    etat.ExerciceCourant.clear();
}

} // namespace

TEST(Accueil, GroupesEtElevesRestaures)
{
    Seance s(false);
    petiteClasse(s);
    s.ecrireLignes("_Bilans/Notes", {});
    s.ecrireLignes("_Bilans/CM1/Nouveau_Pwd.txt", {});
    QDir().mkpath(s.chemin("_Bilans/Archives.2024"));
    s.creerFiches();
    lireReglages();
    EXPECT_EQ(Form2->windowTitle(), QStringLiteral("Choix dossier"));
    EXPECT_FALSE(Form2->bBilan->isEnabled());
    EXPECT_FALSE(Form2->bExoPerso->isVisibleTo(Form2));

    accueil(s, [&](TForm2& f) {
        EXPECT_EQ(textes(f.cChoixGroupe), QStringList({"Choisis ton groupe", "CE2", "CM1", "Notes"}));
        EXPECT_EQ(f.cChoixGroupe->currentIndex(), 0);
        EXPECT_EQ(textes(f.cChoixUtilisateur), QStringList({"Visiteur", "Sacha"}));
        EXPECT_EQ(f.cChoixUtilisateur->currentIndex(), 0);
        EXPECT_FALSE(f.bBilan->isEnabled());
        EXPECT_FALSE(f.bNouvelEleve->isEnabled());
        EXPECT_EQ(etat.RepertoireGroupe, etat.RepertoireBilans);

        choisir(f.cChoixGroupe, "CM1");
        EXPECT_EQ(textes(f.cChoixUtilisateur), QStringList({"Visiteur", "Inès", "Léa", "Nouveau", "Tom"}));
        EXPECT_EQ(etat.RepertoireGroupe, etat.RepertoireBilans + "CM1/");
        EXPECT_TRUE(etat.GroupeCourant.isEmpty());
        EXPECT_TRUE(f.bNouvelEleve->isEnabled());
        choisir(f.cChoixUtilisateur, "Léa");
        EXPECT_TRUE(f.bBilan->isEnabled());
        EXPECT_TRUE(f.bExoPerso->isEnabled());
        choisir(f.cChoixUtilisateur, "Nouveau");
        EXPECT_FALSE(f.bBilan->isEnabled());
        choisir(f.cChoixGroupe, "Choisis ton groupe");
        EXPECT_FALSE(f.bNouvelEleve->isEnabled());
        EXPECT_EQ(etat.RepertoireGroupe, etat.RepertoireBilans);
    });
    montrerAccueil();

    // The previous exercise's choices come back, found without regard to A-Z case.
    etat.GroupeCourant = "cm1";
    etat.EleveCourant = "léa";
    accueil(s, [&](TForm2& f) {
        EXPECT_EQ(f.cChoixGroupe->currentText(), QStringLiteral("CM1"));
        EXPECT_EQ(f.cChoixUtilisateur->currentText(), QStringLiteral("Léa"));
        EXPECT_TRUE(f.bBilan->isEnabled());
        EXPECT_EQ(etat.EleveAuthentifie, QStringLiteral("léa"));
    });
    montrerAccueil();

    // A pupil whose roster file has gone is dropped to the guest.
    etat.EleveCourant = "Tom";
    QFile::remove(s.chemin("_Bilans/CM1/Tom_Pwd.txt"));
    accueil(s, [&](TForm2& f) {
        EXPECT_EQ(f.cChoixUtilisateur->currentText(), QStringLiteral("Visiteur"));
        EXPECT_TRUE(etat.EleveCourant.isEmpty());
        EXPECT_TRUE(etat.EleveAuthentifie.isEmpty());
        EXPECT_FALSE(f.bBilan->isEnabled());
    });
    montrerAccueil();

    // A group whose folder has gone: no selection, the pupils of the root, no registration.
    etat.GroupeCourant = "CE1";
    etat.EleveCourant = "Sacha";
    accueil(s, [&](TForm2& f) {
        EXPECT_EQ(f.cChoixGroupe->currentIndex(), -1);
        EXPECT_EQ(textes(f.cChoixUtilisateur), QStringList({"Visiteur", "Sacha"}));
        EXPECT_EQ(f.cChoixUtilisateur->currentText(), QStringLiteral("Sacha"));
        EXPECT_EQ(etat.RepertoireGroupe, etat.RepertoireBilans);
        EXPECT_FALSE(f.bNouvelEleve->isEnabled());
    });
    montrerAccueil();
}

TEST(Accueil, PremierMotDePasseEtConnexion)
{
    Seance s(false);
    petiteClasse(s);
    s.creerFiches();
    lireReglages();

    // Cancelled, then refused for a character that cannot be stored: nothing written; then
    // chosen: stored as typed, the results files created, the successes loaded.
    Form1->eSaisie->setPlainText("reste");
    accueil(s, [&](TForm2& f) {
        commencer(f, "CM1", "Inès");
        EXPECT_FALSE(f.fermetureEnAttente());
        cliquer(f.bValider);
        EXPECT_FALSE(f.fermetureEnAttente());
        EXPECT_EQ(s.lireOctets("_Bilans/CM1/Inès_Pwd.txt"), QByteArray());
        EXPECT_FALSE(s.existe("_Bilans/CM1/Inès_OBV_Reussites.txt"));
        EXPECT_TRUE(etat.TableReussites.fichierSource.isEmpty());
        EXPECT_EQ(Form1->eSaisie->toPlainText(), QStringLiteral("reste"));
        cliquer(f.bValider);
    });
    motDePasse(s, "", "Choix du mot de passe");
    motDePasse(s, "chat ā", "Choix du mot de passe");
    s.p.boite(ReponseBoite::Ok, "Ce mot de passe contient un caractère interdit.");
    motDePasse(s, " Été 2 ", "Choix du mot de passe");
    montrerAccueil();
    EXPECT_EQ(s.lireOctets("_Bilans/CM1/Inès_Pwd.txt"), QByteArray(" \xC9t\xE9 2 \r\n"));
    for (const char* f : {"Reussites", "Detail", "Exos"})
        EXPECT_EQ(s.lireOctets(QStringLiteral("_Bilans/CM1/Inès_OBV_%1.txt").arg(f)), QByteArray()) << f;
    EXPECT_EQ(etat.EleveCourant, QStringLiteral("Inès"));
    EXPECT_EQ(etat.GroupeCourant, QStringLiteral("CM1"));
    EXPECT_EQ(etat.RepertoireGroupe, s.chemin("_Bilans/CM1/"));
    EXPECT_EQ(etat.ExerciceCourant, s.chemin("_Exercices_OBV/Pluriels.txt"));
    EXPECT_EQ(etat.TableReussites.fichierSource, FichierReussites());
    EXPECT_EQ(Form1->windowTitle(), titreApplication() + QStringLiteral(" - Elève : Inès"));
    EXPECT_TRUE(Form1->eSaisie->toPlainText().isEmpty());
    EXPECT_TRUE(etat.EleveAuthentifie.isEmpty()); // set by the next showing

    // The guest: no password, no file, no successes loaded; the caption names the guest.
    exerciceSuivant(s);
    accueil(s, [&](TForm2& f) {
        choisir(f.cChoixUtilisateur, "Visiteur");
        choisirLigne(f.eRepertoires, "Pluriels");
        cliquer(f.bValider);
    });
    montrerAccueil();
    EXPECT_TRUE(etat.EleveCourant.isEmpty());
    EXPECT_EQ(etat.ExerciceCourant, s.chemin("_Exercices_OBV/Pluriels.txt"));
    EXPECT_EQ(etat.TableReussites.fichierSource, s.chemin("_Bilans/CM1/Inès_OBV_Reussites.txt"));
    EXPECT_EQ(Form1->windowTitle(), titreApplication() + QStringLiteral(" - Elève : Visiteur"));
    EXPECT_EQ(s.p.journalDe("fenetre TfMotDePasse").size(), 3);
}

TEST(Accueil, MotDePasseSaisiALaConnexion)
{
    const struct {
        QString stocke, tape, enseignant;
        bool passe;
    } cas[] = {
        {"Chat", "Chat", "", true},
        {"Chat", "  cHAT ", "", true},
        {"Chat", "Chien", "", false},
        {"Chat", "", "", false}, // cancelled: compared like any answer
        {"Chat", "prof", "Prof", true},
        {"Chat", " PROF", "Prof", true},
        {"Chat", "prof", "", false},
        {"Été", "été", "", false},
        {"Été", " ÉTé ", "", true},
        {"Été", "ÉTÉ", "", false},
        {"   ", "", "", true},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE((c.stocke + " / " + c.tape + " / " + c.enseignant).toStdString());
        Seance s(false);
        petiteClasse(s, {"MOT DE PASSE=" + c.enseignant});
        s.ecrireLignes("_Bilans/CM1/Léa_Pwd.txt", {"ancien", c.stocke});
        s.creerFiches();
        lireReglages();
        accueil(s, [&](TForm2& f) {
            commencer(f, "CM1", "Léa");
            EXPECT_EQ(f.fermetureEnAttente(), c.passe);
        });
        motDePasse(s, c.tape, "Saisie du mot de passe");
        if (!c.passe)
            s.p.boite(ReponseBoite::Ok, incorrect);
        montrerAccueil();
        EXPECT_EQ(s.existe("_Bilans/CM1/Léa_OBV_Reussites.txt"), c.passe);
        EXPECT_EQ(s.existe("_Bilans/CM1/Léa_OBV_Exos.txt"), c.passe);
        EXPECT_EQ(etat.ExerciceCourant.isEmpty(), !c.passe);
        EXPECT_EQ(etat.TableReussites.fichierSource.isEmpty(), !c.passe);
    }
}

TEST(Accueil, PasRedemandeAuMemeEleve)
{
    Seance s(false);
    petiteClasse(s);
    s.creerFiches();
    lireReglages();
    const struct {
        QString groupe, eleve, reponse; // empty answer: not asked
    } exercices[] = {
        {"CM1", "Tom", "foot"},
        {"CM1", "Tom", ""},       // the pupil of the previous exercise
        {"CM1", "Léa", "chat"},   // another pupil
        {"CM1", "Tom", "foot"},   // asked again after another pupil
        {"CE2", "Tom", "tennis"}, // a namesake in another group
        {"CE2", "Tom", ""},
        {"CM1", "Tom", "foot"},
    };
    for (const auto& e : exercices) {
        SCOPED_TRACE((e.groupe + "/" + e.eleve).toStdString());
        exerciceSuivant(s);
        const qsizetype avant = s.p.journalDe("fenetre TfMotDePasse").size();
        accueil(s, [&](TForm2& f) {
            commencer(f, e.groupe, e.eleve);
            EXPECT_TRUE(f.fermetureEnAttente());
        });
        if (!e.reponse.isEmpty())
            motDePasse(s, e.reponse, "Saisie du mot de passe");
        montrerAccueil();
        EXPECT_EQ(s.p.journalDe("fenetre TfMotDePasse").size() - avant, e.reponse.isEmpty() ? 0 : 1);
        EXPECT_EQ(etat.RepertoireGroupe, s.chemin("_Bilans/" + e.groupe + "/"));
    }

    // With pupil passwords off nobody is asked.
    s.parametres({"REPERTOIRE TEXTES=", "REPERTOIRE BILANS=", "ACTIF=Non"});
    lireReglages();
    exerciceSuivant(s);
    accueil(s, [&](TForm2& f) { commencer(f, "CM1", "Léa"); });
    montrerAccueil();
    EXPECT_EQ(etat.EleveCourant, QStringLiteral("Léa"));
    EXPECT_EQ(etat.ExerciceCourant, s.chemin("_Exercices_OBV/Pluriels.txt"));
}

TEST(Accueil, PorteDuBilan)
{
    Seance s(false);
    petiteClasse(s);
    s.creerFiches();
    lireReglages();
    int bilans = 0;
    auto bilan = [&] {
        s.p.fenetre<TfBilans>([&](TfBilans& f) {
            ++bilans;
            EXPECT_EQ(etat.ModeEnseignant, 0);
            f.Close();
        });
    };
    accueil(s, [&](TForm2& f) {
        etat.ModeEnseignant = 1;
        choisir(f.cChoixGroupe, "CM1");
        choisir(f.cChoixUtilisateur, "Léa");
        cliquer(f.bBilan); // cancelled: silent
        cliquer(f.bBilan); // wrong
        EXPECT_EQ(bilans, 0);
        EXPECT_FALSE(s.existe("_Bilans/CM1/Léa_OBV_Detail.txt"));
        cliquer(f.bBilan); // the teacher's password opens it too
        EXPECT_EQ(bilans, 1);
        EXPECT_EQ(etat.EleveAuthentifie, QStringLiteral("Léa"));
        EXPECT_EQ(etat.RepertoireAuthentifie, s.chemin("_Bilans/CM1/"));
        EXPECT_TRUE(s.existe("_Bilans/CM1/Léa_OBV_Reussites.txt"));
        EXPECT_TRUE(s.existe("_Bilans/CM1/Léa_OBV_Detail.txt"));
        EXPECT_TRUE(s.existe("_Bilans/CM1/Léa_OBV_Exos.txt"));
        EXPECT_TRUE(etat.TableReussites.fichierSource.isEmpty()); // never loaded here
        cliquer(f.bBilan); // admitted: not asked again
        EXPECT_EQ(bilans, 2);

        // A pupil without a roster file gets nothing while passwords are on.
        choisir(f.cChoixUtilisateur, "Tom");
        QFile::remove(s.chemin("_Bilans/CM1/Tom_Pwd.txt"));
        cliquer(f.bBilan);
        EXPECT_EQ(etat.EleveCourant, QStringLiteral("Tom"));
        EXPECT_FALSE(s.existe("_Bilans/CM1/Tom_OBV_Exos.txt"));

        // A pupil without a password chooses one first.
        choisir(f.cChoixUtilisateur, "Inès");
        cliquer(f.bBilan);
        EXPECT_EQ(bilans, 3);
        // The guest has no results.
        choisir(f.cChoixUtilisateur, "Visiteur");
        f.bBilanClick();
        EXPECT_EQ(bilans, 3);
        // Signing in as the pupil admitted by the door asks nothing.
        choisir(f.cChoixUtilisateur, "Inès");
        choisirLigne(f.eRepertoires, "Pluriels");
        cliquer(f.bValider);
    });
    motDePasse(s, "", "Saisie du mot de passe");
    motDePasse(s, "Chien", "Saisie du mot de passe");
    s.p.boite(ReponseBoite::Ok, incorrect);
    motDePasse(s, "PROF", "Saisie du mot de passe");
    bilan();
    bilan();
    motDePasse(s, "lune", "Choix du mot de passe");
    bilan();
    montrerAccueil();
    EXPECT_EQ(s.lireOctets("_Bilans/CM1/Inès_Pwd.txt"), QByteArray("lune\r\n"));
    EXPECT_EQ(etat.EleveCourant, QStringLiteral("Inès"));
    EXPECT_FALSE(etat.ExerciceCourant.isEmpty());
}

TEST(Accueil, Inscription)
{
    Seance s(false);
    petiteClasse(s);
    s.creerFiches();
    lireReglages();
    etat.EcriturePossible = 1;
    QDir().mkpath(s.chemin("_Bilans/CM1/Max_OBV_Detail.txt"));
    auto inscrire = [&](const QString& nom, const QString& refus = QString()) {
        s.p.fenetre<TfNouvelEleve>([nom, refus](TfNouvelEleve& f) {
            taper(f.eUtilisateur, nom);
            touche(f.eUtilisateur, Qt::Key_Return);
            if (!refus.isEmpty())
                touche(f.eUtilisateur, Qt::Key_Escape);
        });
        if (!refus.isEmpty())
            s.p.boite(ReponseBoite::Ok, refus);
    };
    accueil(s, [&](TForm2& f) {
        choisir(f.cChoixGroupe, "CM1");
        cliquer(f.bNouvelEleve);
        EXPECT_EQ(textes(f.cChoixUtilisateur), QStringList({"Visiteur", "Inès", "Léa", "Tom", "Zoé"}));
        EXPECT_EQ(f.cChoixUtilisateur->currentText(), QStringLiteral("Zoé"));
        EXPECT_TRUE(f.bBilan->isEnabled());
        EXPECT_TRUE(etat.EleveCourant.isEmpty()); // registered, not signed in
        EXPECT_TRUE(etat.GroupeCourant.isEmpty());

        cliquer(f.bNouvelEleve); // VISITEUR
        cliquer(f.bNouvelEleve); // tom
        cliquer(f.bNouvelEleve); // ../x
        // A file that cannot be created: all or none, the files made before it removed.
        cliquer(f.bNouvelEleve);
        for (const char* suffixe : {"_Pwd", "_OBV_Reussites", "_OBV_Exos"})
            EXPECT_FALSE(s.existe(QStringLiteral("_Bilans/CM1/Max%1.txt").arg(suffixe))) << suffixe;
        EXPECT_FALSE(textes(f.cChoixUtilisateur).contains(QStringLiteral("Max")));
        // A name too long for the file system is refused before anything is created.
        cliquer(f.bNouvelEleve);
        EXPECT_EQ(QDir(s.chemin("_Bilans/CM1")).entryList(QDir::Files).filter(QStringLiteral("AAAA")), QStringList());

        etat.EcriturePossible = 0;
        cliquer(f.bNouvelEleve);
    });
    inscrire("Zoé");
    inscrire("VISITEUR", "Prénom déjà existant dans la liste. Choisir un autre prénom");
    inscrire("tom", "Prénom déjà existant dans la liste. Choisir un autre prénom");
    inscrire("../x", "Ce prénom contient un caractère interdit.");
    inscrire("Max");
    s.p.boite(ReponseBoite::Ok, "Impossible d'inscrire cet élève : « Max_OBV_Detail.txt » existe déjà et n'est pas un fichier.");
    // 240 letters: the password file would fit, the successes file (18 more) would not.
    inscrire(QString(240, QLatin1Char('A')));
    s.p.boite(ReponseBoite::Ok, "Impossible d'inscrire cet élève : son nom est trop long. Choisis un nom plus court.");
    s.p.boite(ReponseBoite::Ok, "Accès refusé");
    montrerAccueil();
    for (const char* f : {"_Pwd", "_OBV_Reussites", "_OBV_Detail", "_OBV_Exos"})
        EXPECT_EQ(s.lireOctets(QStringLiteral("_Bilans/CM1/Zoé%1.txt").arg(f)), QByteArray()) << f;
    EXPECT_FALSE(s.existe("_Bilans/x_Pwd.txt"));
    EXPECT_FALSE(s.existe("_Bilans/CM1/VISITEUR_Pwd.txt"));
    EXPECT_EQ(s.lireOctets("_Bilans/CM1/Tom_Pwd.txt"), QByteArray("foot\r\n"));

    // The new pupil chooses a password at the first sign-in.
    exerciceSuivant(s);
    accueil(s, [&](TForm2& f) { commencer(f, "CM1", "Zoé"); });
    motDePasse(s, "Lilas", "Choix du mot de passe");
    montrerAccueil();
    EXPECT_EQ(s.lireOctets("_Bilans/CM1/Zoé_Pwd.txt"), QByteArray("Lilas\r\n"));

    // Registration is off: the button stays disabled with a group chosen.
    s.parametres({"REPERTOIRE TEXTES=", "REPERTOIRE BILANS=", "AJOUT NOUVEL ELEVE=Non"});
    lireReglages();
    accueil(s, [&](TForm2& f) {
        EXPECT_FALSE(f.bNouvelEleve->isEnabled());
        choisir(f.cChoixGroupe, "CE2");
        EXPECT_FALSE(f.bNouvelEleve->isEnabled());
    });
    montrerAccueil();
}

TEST(Accueil, PorteEnseignant)
{
    Seance s(false);
    petiteClasse(s);
    s.creerFiches();
    lireReglages();
    etat.EcriturePossible = 1;
    accueil(s, [&](TForm2& f) {
        choisir(f.cChoixGroupe, "CM1");
        choisir(f.cChoixUtilisateur, "Tom");
        choisirLigne(f.eRepertoires, "[+] Grammaire");
        EXPECT_EQ(dossierRelatif(s), QStringLiteral("_Exercices_OBV/Grammaire"));
        EXPECT_TRUE(f.bNouvelEleve->isEnabled());
        cliquer(f.bSuperviseur); // cancelled
        cliquer(f.bSuperviseur); // wrong
        EXPECT_TRUE(s.p.journalDe("fenetre TfBilans").isEmpty());
        cliquer(f.bSuperviseur);
        EXPECT_EQ(etat.ModeEnseignant, 1);
        EXPECT_EQ(textes(f.cChoixGroupe), QStringList({"Choisis ton groupe", "CE2", "CM1", "CM2"}));
        EXPECT_EQ(f.cChoixGroupe->currentText(), QStringLiteral("CM1"));
        EXPECT_EQ(textes(f.cChoixUtilisateur), QStringList({"Visiteur", "Inès", "Léa"}));
        EXPECT_EQ(f.cChoixUtilisateur->currentText(), QStringLiteral("Visiteur"));
        EXPECT_FALSE(f.bBilan->isEnabled());
        EXPECT_FALSE(f.bNouvelEleve->isEnabled()); // switched off by the teacher
        EXPECT_EQ(dossierRelatif(s), QStringLiteral("_Exercices_OBV"));
        EXPECT_EQ(textes(f.eRepertoires), QStringList({"[+] Grammaire", "Pluriels"}));
    });
    motDePasse(s, "", "Saisie du mot de passe enseignant");
    motDePasse(s, "Chat", "Saisie du mot de passe enseignant");
    motDePasse(s, " pROF ", "Saisie du mot de passe enseignant");
    s.p.fenetre<TfBilans>([&](TfBilans& f) {
        EXPECT_EQ(etat.ModeEnseignant, 1);
        QFile::remove(s.chemin("_Bilans/CM1/Tom_Pwd.txt"));
        QDir().mkpath(s.chemin("_Bilans/CM2"));
        s.parametres({"REPERTOIRE TEXTES=", "REPERTOIRE BILANS=", "MOT DE PASSE=", "AJOUT NOUVEL ELEVE=Non"});
        f.Close();
    });
    montrerAccueil();

    // Without a teacher password the door opens at once; the selections stay.
    accueil(s, [&](TForm2& f) {
        choisir(f.cChoixGroupe, "CE2");
        choisir(f.cChoixUtilisateur, "Tom");
        cliquer(f.bSuperviseur);
        EXPECT_EQ(f.cChoixGroupe->currentText(), QStringLiteral("CE2"));
        EXPECT_EQ(f.cChoixUtilisateur->currentText(), QStringLiteral("Tom"));
        EXPECT_TRUE(f.bBilan->isEnabled());
    });
    s.p.fenetre<TfBilans>([](TfBilans& f) { f.Close(); });
    montrerAccueil();
}

TEST(Accueil, PorteEnseignantSansFichierIni)
{
    Seance s(false);
    petiteClasse(s);
    accueil(s, [&](TForm2& f) {
        cliquer(f.bSuperviseur);
        EXPECT_TRUE(plateforme().finDemandee());
    });
    motDePasse(s, "prof", "Saisie du mot de passe enseignant");
    s.p.fenetre<TfBilans>([&](TfBilans& f) {
        QFile::remove(s.chemin("ombrivelle.ini"));
        f.Close();
    });
    s.p.boite(ReponseBoite::Ok, "Fichier INI non trouvé.");
    s.demarrer();
    EXPECT_TRUE(etat.ExerciceCourant.isEmpty());
    EXPECT_EQ(s.p.journal.last(), QStringLiteral("fin du programme"));
}

TEST(Accueil, NavigateurDeLaBanqueExemple)
{
    Seance s;
    s.creerFiches();
    lireReglages();
    // As the classroom's Windows machines list them: "[" after the letters.
    const QStringList racine = {"[+] Conjugaison", "[+] Grammaire", "[+] Orthographe", "[+] Vocabulaire",
                                "[+] [Tous les exercices personnels]"};
    accueil(s, [&](TForm2& f) {
        EXPECT_EQ(textes(f.eRepertoires), racine);
        EXPECT_FALSE(f.bRemonter->isEnabled());
        EXPECT_FALSE(f.bValider->isEnabled());

        // A click opens a theme folder; an exercise enables the start.
        choisirLigne(f.eRepertoires, "[+] Orthographe");
        EXPECT_EQ(dossierRelatif(s), QStringLiteral("_Exercices_OBV/Orthographe"));
        EXPECT_EQ(textes(f.eRepertoires), QStringList({"Homophones a et à", "Le pluriel des noms",
                                                       "Les mots avec apostrophe", "Les mots avec œ"}));
        EXPECT_TRUE(f.bRemonter->isEnabled());
        EXPECT_FALSE(f.bValider->isEnabled());
        EXPECT_EQ(f.eRepertoires->currentRow(), -1);
        choisirLigne(f.eRepertoires, "Le pluriel des noms");
        EXPECT_TRUE(f.bValider->isEnabled());
        f.eRepertoiresDblClick(); // on an exercise: nothing
        EXPECT_EQ(dossierRelatif(s), QStringLiteral("_Exercices_OBV/Orthographe"));

        // Climbing stops at the bank's root.
        cliquer(f.bRemonter);
        EXPECT_EQ(textes(f.eRepertoires), racine);
        EXPECT_FALSE(f.bRemonter->isEnabled());
        EXPECT_FALSE(f.bValider->isEnabled());
        f.bRemonterClick();
        EXPECT_EQ(dossierRelatif(s), QStringLiteral("_Exercices_OBV"));

        // Enter does nothing while no exercise is selected.
        touche(f.eRepertoires, Qt::Key_Return);
        EXPECT_FALSE(f.fermetureEnAttente());

        // The arrow keys open folders as they reach them; Enter starts the exercise.
        touche(f.eRepertoires, Qt::Key_Down);
        EXPECT_EQ(dossierRelatif(s), QStringLiteral("_Exercices_OBV/Conjugaison"));
        EXPECT_EQ(textes(f.eRepertoires), QStringList({"[+] Passé composé", "[+] Présent"}));
        touche(f.eRepertoires, Qt::Key_Down);
        EXPECT_EQ(textes(f.eRepertoires), QStringList({"Une journée de Léo"}));
        touche(f.eRepertoires, Qt::Key_Down);
        EXPECT_TRUE(f.bValider->isEnabled());
        touche(f.eRepertoires, Qt::Key_Return);
        EXPECT_TRUE(f.fermetureEnAttente());
    });
    montrerAccueil();
    EXPECT_EQ(etat.ExerciceCourant, s.chemin("_Exercices_OBV/Conjugaison/Passé composé/Une journée de Léo.txt"));
    EXPECT_TRUE(etat.EleveCourant.isEmpty());
}

TEST(Accueil, ExercicesPersonnels)
{
    Seance s;
    s.creerFiches();
    lireReglages();
    const QString perso = QStringLiteral("_Exercices_OBV/[Tous les exercices personnels]/");
    s.ecrireLignes("_Exercices_OBV/Mes exercices personnels du CM1.txt", {"Consigne", "a|b"});
    s.ecrireLignes(perso + "CM1/Tom.txt", {"", ""});
    s.ecrireLignes(perso + "Choisis ton groupe/Sacha.txt", {"un|1"});
    etat.GroupeCourant = "CM1";
    etat.EleveCourant = "Tom";
    accueil(s, [&](TForm2& f) {
        // Tom's emptied file was deleted before the list was made.
        EXPECT_FALSE(s.existe(perso + "CM1/Tom.txt"));
        EXPECT_FALSE(textes(f.eRepertoires).contains("Mes exercices personnels"));
        choisir(f.cChoixUtilisateur, "Léa");
        EXPECT_EQ(textes(f.eRepertoires).mid(5),
                  QStringList({"Mes exercices personnels", "Mes exercices personnels du CM1"}));
        choisir(f.cChoixUtilisateur, "Visiteur");
        EXPECT_EQ(textes(f.eRepertoires).size(), 6);
        // Pupils without a group look under a folder named after the empty choice.
        choisir(f.cChoixGroupe, "Choisis ton groupe");
        choisir(f.cChoixUtilisateur, "Sacha");
        EXPECT_EQ(textes(f.eRepertoires).at(5), QStringLiteral("Mes exercices personnels"));
        // An exercise whose name begins like the personal entry starts as an exercise.
        choisirLigne(f.eRepertoires, "Mes exercices personnels du CM1");
        cliquer(f.bValider);
    });
    motDePasse(s, "soleil", "Saisie du mot de passe");
    montrerAccueil();
    EXPECT_EQ(etat.ExerciceCourant, s.chemin("_Exercices_OBV/Mes exercices personnels du CM1.txt"));

    exerciceSuivant(s);
    accueil(s, [&](TForm2& f) {
        EXPECT_EQ(f.cChoixUtilisateur->currentText(), QStringLiteral("Sacha"));
        choisirLigne(f.eRepertoires, "Mes exercices personnels");
        cliquer(f.bValider);
    });
    montrerAccueil();
    EXPECT_EQ(etat.ExerciceCourant, s.chemin(perso + "Choisis ton groupe/Sacha.txt"));
}

TEST(Accueil, DossierDisparu)
{
    Seance s(false);
    petiteClasse(s);
    s.ecrireLignes("_Exercices_OBV/Vide/Aide.rtf", {});
    s.creerFiches();
    lireReglages();
    accueil(s, [&](TForm2& f) {
        EXPECT_EQ(textes(f.eRepertoires), QStringList({"[+] Grammaire", "Pluriels"}));
        // Removed, or left without an exercise, after the list was made: not entered.
        QDir(s.chemin("_Exercices_OBV/Grammaire")).removeRecursively();
        choisirLigne(f.eRepertoires, "[+] Grammaire");
        EXPECT_EQ(dossierRelatif(s), QStringLiteral("_Exercices_OBV"));
        EXPECT_FALSE(f.bValider->isEnabled());
        f.eRepertoiresDblClick();
        EXPECT_EQ(dossierRelatif(s), QStringLiteral("_Exercices_OBV"));
        EXPECT_EQ(textes(f.eRepertoires), QStringList({"[+] Grammaire", "Pluriels"}));
    });
    montrerAccueil();
}

TEST(Accueil, Quitter)
{
    const struct {
        QStringList reglages;
        bool sonPresent;
        QStringList attendu;
    } cas[] = {
        {{"BRUITAGE=Oui"}, true, {"repeindre TForm1", "son quitter.wav", "pause 3000", "fin du programme"}},
        {{"BRUITAGE=Non"}, true, {"fin du programme"}},
        {{"BRUITAGE=Oui"}, false, {"fin du programme"}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.reglages.join(' ').toStdString() + (c.sonPresent ? " son" : " sans son"));
        Seance s(false);
        petiteClasse(s, c.reglages);
        if (c.sonPresent)
            s.ecrireOctets("quitter.wav", "RIFF");
        accueil(s, [&](TForm2& f) {
            cliquer(f.bQuitter); // not confirmed
            EXPECT_FALSE(f.fermetureEnAttente());
            choisirLigne(f.eRepertoires, "Pluriels");
            cliquer(f.bQuitter);
        });
        s.p.boite(ReponseBoite::Annuler, "Veux-tu vraiment quitter le logiciel ?");
        s.p.boite(ReponseBoite::Ok, "Veux-tu vraiment quitter le logiciel ?");
        s.demarrer();
        const qsizetype i = s.p.journal.lastIndexOf(
            "boite Simple | Ombrivelle - Version 1.1 | Veux-tu vraiment quitter le logiciel ?");
        ASSERT_GE(i, 0);
        EXPECT_EQ(s.p.journal.mid(i + 1), c.attendu);
        EXPECT_TRUE(etat.ExerciceCourant.isEmpty());
    }
}

// When the welcome screen comes back, the list gets the focus again and Qt makes its first row
// current: that is no choice of the pupil, and no folder may open (it used to open the first
// folder, then the next, down to another class's personal items).
TEST(Accueil, LeFocusNOuvreAucunDossier)
{
    Seance s;
    s.creerFiches();
    lireReglages();
    accueil(s, [&](TForm2& f) {
        const QStringList racine = textes(f.eRepertoires);
        ASSERT_EQ(racine.first(), QStringLiteral("[+] Conjugaison"));
        for (Qt::FocusReason raison : {Qt::ActiveWindowFocusReason, Qt::TabFocusReason, Qt::OtherFocusReason}) {
            f.eRepertoires->clearFocus();
            QFocusEvent sortie(QEvent::FocusOut, raison);
            QApplication::sendEvent(f.eRepertoires, &sortie);
            QFocusEvent entree(QEvent::FocusIn, raison);
            QApplication::sendEvent(f.eRepertoires, &entree);
            EXPECT_EQ(dossierRelatif(s), QStringLiteral("_Exercices_OBV")) << raison;
            EXPECT_EQ(textes(f.eRepertoires), racine) << raison;
            EXPECT_FALSE(f.bValider->isEnabled()) << raison;
        }
        // Qt did make a row current: Enter on it starts nothing and opens nothing.
        EXPECT_EQ(f.eRepertoires->currentRow(), 0);
        touche(f.eRepertoires, Qt::Key_Return);
        EXPECT_FALSE(f.fermetureEnAttente());
        EXPECT_EQ(dossierRelatif(s), QStringLiteral("_Exercices_OBV"));

        // A row the program makes current runs nothing either; the pupil's click does.
        f.eRepertoires->setCurrentRow(2);
        EXPECT_EQ(dossierRelatif(s), QStringLiteral("_Exercices_OBV"));
        choisirLigne(f.eRepertoires, "[+] Orthographe");
        EXPECT_EQ(dossierRelatif(s), QStringLiteral("_Exercices_OBV/Orthographe"));
    });
    montrerAccueil();
    EXPECT_TRUE(etat.ExerciceCourant.isEmpty());
}

// A pupil registered again with accented capitals ("LÉA" for "Léa") is found in the list as the
// file system finds her files: she is selected, not the guest.
TEST(Accueil, InscriptionDUnNomExistantAuxCapitalesAccentuees)
{
    Seance s;
    s.creerFiches();
    lireReglages();
    etat.EcriturePossible = 1;
    const QStringList avant = QDir(s.chemin("_Bilans/CM1")).entryList(QDir::Files);
    accueil(s, [&](TForm2& f) {
        choisir(f.cChoixGroupe, "CM1");
        cliquer(f.bNouvelEleve);
        EXPECT_EQ(textes(f.cChoixUtilisateur), QStringList({"Visiteur", "Inès", "Léa", "Tom"}));
        EXPECT_EQ(f.cChoixUtilisateur->currentText(), QStringLiteral("Léa"));
        EXPECT_TRUE(f.bBilan->isEnabled());
        choisirLigne(f.eRepertoires, "[+] Orthographe");
        choisirLigne(f.eRepertoires, "Les mots avec œ");
        cliquer(f.bValider);
    });
    s.p.fenetre<TfNouvelEleve>([](TfNouvelEleve& f) {
        taper(f.eUtilisateur, QStringLiteral("LÉA"));
        touche(f.eUtilisateur, Qt::Key_Return);
    });
    motDePasse(s, "chat", "Saisie du mot de passe");
    montrerAccueil();
    // She works as herself, and nothing was created.
    EXPECT_EQ(etat.EleveCourant, QStringLiteral("Léa"));
    EXPECT_EQ(QDir(s.chemin("_Bilans/CM1")).entryList(QDir::Files), avant);

    // The pupil of the previous exercise is found again whatever the case of her name.
    exerciceSuivant(s);
    etat.EleveCourant = QStringLiteral("LÉA");
    accueil(s, [&](TForm2& f) { EXPECT_EQ(f.cChoixUtilisateur->currentText(), QStringLiteral("Léa")); });
    montrerAccueil();
    EXPECT_EQ(etat.EleveCourant, QStringLiteral("LÉA"));
}

// A results folder that does not exist: told when the settings are read, then no group and no
// pupil anywhere (never the bank's folders in their place), nobody can register, the guest
// works, and nothing is ever written outside the results folder.
TEST(Accueil, SansDossierDesBilans)
{
    Seance s(false);
    petiteClasse(s);
    s.parametres({"REPERTOIRE TEXTES=", "REPERTOIRE BILANS=Absent", "MOT DE PASSE=Prof"});
    const QString message = QStringLiteral("Le répertoire où se trouve le dossier [_Bilans] est introuvable.\r"
                                           "Il est nécessaire de redéfinir son chemin d'accès dans le fichier INI.");
    s.p.boite(ReponseBoite::Ok, message);
    s.creerFiches();
    lireReglages();
    etat.EcriturePossible = 1;
    EXPECT_EQ(etat.RepertoireBilans, QString());
    auto vide = [](TForm2& f) {
        EXPECT_EQ(textes(f.cChoixGroupe), QStringList({"Choisis ton groupe"}));
        EXPECT_EQ(textes(f.cChoixUtilisateur), QStringList({"Visiteur"}));
        EXPECT_FALSE(f.bNouvelEleve->isEnabled());
        EXPECT_FALSE(f.bBilan->isEnabled());
    };
    accueil(s, [&](TForm2& f) {
        vide(f);
        EXPECT_EQ(textes(f.eRepertoires), QStringList({"[+] Grammaire", "Pluriels"}));
        cliquer(f.bSuperviseur);
        vide(f);
        commencer(f, "Choisis ton groupe", "Visiteur");
    });
    motDePasse(s, "prof", "Saisie du mot de passe enseignant");
    s.p.fenetre<TfBilans>([](TfBilans& f) {
        EXPECT_EQ(f.cChoixGroupe->count(), 0);
        EXPECT_EQ(f.cChoixEleve->count(), 0);
        EXPECT_EQ(etat.RepertoireGroupe, QString());
        f.Close();
    });
    s.p.boite(ReponseBoite::Ok, message);
    montrerAccueil();
    EXPECT_EQ(etat.ExerciceCourant, s.chemin("_Exercices_OBV/Pluriels.txt"));
    EXPECT_EQ(etat.EleveCourant, QString());
    EXPECT_EQ(QDir(s.chemin("_Exercices_OBV")).entryList(QDir::Files), QStringList({"Pluriels.txt"}));
}
