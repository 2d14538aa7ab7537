// The settings dialog driven as the teacher drives it, the settings file checked byte for byte.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

#include "Etat.h"
#include "LimiteEcriture.h"
#include "Parametrage.h"
#include "Parametres.h"
#include "Profil.h"
#include "Seance.h"
#include "Unit1.h"

namespace {

QByteArray latin1(const QString& texte)
{
    return texte.toLatin1();
}

// The dialog shown as the results window shows it, the action playing the teacher; the common
// dialogs that it opens are scripted by "dialogues".
void parametrage(Seance& s, std::function<void(TfParametrage&)> action,
                 const std::function<void()>& dialogues = {})
{
    s.p.fenetre<TfParametrage>(std::move(action));
    if (dialogues)
        dialogues();
    plateforme().montrerModal(*fParametrage);
}

void saisir(QLineEdit* e, const QString& texte)
{
    e->selectAll();
    e->del();
    taper(e, texte);
}

QStringList entrees(const QString& dossier)
{
    return QDir(dossier).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

const QStringList iniClasse = {
    "; réglages de la classe",
    "MOT DE PASSE= prof ",
    "ACTIF=Oui",
    "BRUITAGE=1",
    "impression=oui",
    "REPONSES NECESSAIRES=3",
    "REPONSES NECESSAIRES=4",
    "REPERTOIRE TEXTES=",
    "[Police utilisée]",
    "POLICE=DejaVu Sans",
    "TAILLE POLICE=14",
};

} // namespace

TEST(Parametrage, RemplitPuisEnregistre)
{
    Seance s(false);
    s.parametres(iniClasse);
    s.creerFiches();
    parametrage(s, [](TfParametrage& f) {
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Paramétrage"));
        EXPECT_EQ(f.eMotDePasseEnseignant->text(), QStringLiteral("prof"));
        EXPECT_EQ(f.eNbReponsesNecessaires->text(), QStringLiteral("4"));
        EXPECT_EQ(f.eTpsLEcture->text(), QString());
        EXPECT_EQ(f.eRepertoireExercice->text(), QString());
        EXPECT_TRUE(f.ckMotPasseUtilisateur->isChecked());
        EXPECT_FALSE(f.ckSons->isChecked()); // "1" is not "OUI"
        EXPECT_TRUE(f.ckImpress->isChecked());
        EXPECT_FALSE(f.ckNewUser->isChecked());

        saisir(f.eTpsLEcture, "5 ");
        saisir(f.eRepertoireBilans, "Bilans de l'école");
        f.ckRespectMaj->click();
        f.ckSons->click();
        cliquer(f.bSauve);
    });
    EXPECT_EQ(s.lireOctets("ombrivelle.ini"),
              latin1(QStringLiteral(
                  "[Mot de passe enseignant]\r\nMot de passe = prof\r\n\r\n"
                  "[Mot de passe élève]\r\nActif = Oui\r\n\r\n"
                  "[Nombre de réponses justes nécessaires pour qu'un item soit supprimé de la liste]\r\n"
                  "Reponses necessaires = 4\r\n\r\n"
                  "[Temps de lecture en secondes suite à un second échec]\r\nTemps lecture = 5 \r\n\r\n"
                  "[Activer les bruitages oui/non]\r\nBruitage = Oui\r\n\r\n"
                  "[Proposer aux élèves de s'inscrire]\r\nAjout nouvel eleve = Non\r\n\r\n"
                  "[Proposer aux élèves l'impression de leur bilan en fin de session oui/non]\r\nImpression = Oui\r\n\r\n"
                  "[Répertoire où se trouve le dossier [_Exercices_OBV], contenant les exercices]\r\n"
                  "Repertoire Textes = \r\n\r\n"
                  "[Répertoire où se trouve le dossier [_Bilans], contenant l'enregistrement des bilans]\r\n"
                  "Repertoire Bilans = Bilans de l'école\r\n\r\n"
                  "[Proposer aux élèves l'enregistrement de fichiers textes]]\r\nEnregistrement texte = Non\r\n\r\n"
                  "[Respect des espaces]\r\nRespect espaces = Non\r\n\r\n"
                  "[Respect des majuscules]\r\nRespect majuscules = Oui\r\n\r\n"
                  "[Police utilisée]\r\nPOLICE=DejaVu Sans\r\nTAILLE POLICE=14\r\n")));
    // Saving changes the file only: the running program reads it at its next reading.
    EXPECT_EQ(etat.RespectMajuscules, 0);
    EXPECT_EQ(s.p.journalDe("fenetre"), QStringList({"fenetre TfParametrage"}));
    EXPECT_TRUE(s.p.journalDe("boite").isEmpty());
}

TEST(Parametrage, LeLecteurRelitCeQueLeDialogueAEcrit)
{
    Seance s(false);
    QDir(s.programme).mkpath("Banque");
    QDir(s.programme).mkpath("Banque/Résultats");
    s.parametres({});
    s.creerFiches();
    Police choisie;
    choisie.nom = "DejaVu Serif";
    choisie.taillePoints = 13;
    choisie.style = 15;
    choisie.couleur = 0x00336699;
    parametrage(s, [&](TfParametrage& f) {
        saisir(f.eMotDePasseEnseignant, "Maître");
        saisir(f.eNbReponsesNecessaires, "2");
        saisir(f.eTpsLEcture, "10");
        saisir(f.eRepertoireExercice, s.chemin("Banque"));
        saisir(f.eRepertoireBilans, "Résultats");
        for (QCheckBox* c : {f.ckSons, f.ckImpress, f.ckRespectEspaces})
            c->click();
        cliquer(f.bChoixPolice);
        cliquer(f.bSauve);
    }, [&] { s.p.repondrePolice(choisie); });

    etat.MotDePasseActif = 1;
    etat.AjoutNouvelEleve = 1;
    const LectureParametres lu = LireParametres(etat.FichierIni, etat, Police());
    EXPECT_TRUE(lu.messages.isEmpty()) << lu.messages.join(" / ").toStdString();
    const ValeursParametres& v = lu.valeurs;
    EXPECT_EQ(v.MotDePasseEnseignant, QStringLiteral("Maître"));
    EXPECT_EQ(v.MotDePasseActif, 0);
    EXPECT_EQ(v.Bruitage, 1);
    EXPECT_EQ(v.ImpressionPermise, 1);
    EXPECT_EQ(v.AjoutNouvelEleve, 0);
    EXPECT_EQ(v.EnregistrementTexte, 0);
    EXPECT_EQ(v.RespectEspaces, 1);
    EXPECT_EQ(v.RespectMajuscules, 0);
    EXPECT_EQ(v.NbReponsesNecessaires, 2);
    EXPECT_EQ(v.TempsLecture, 10);
    EXPECT_EQ(v.RepertoireExercices, s.chemin("Banque/"));
    EXPECT_EQ(v.RepertoireBilans, s.chemin("Banque/Résultats/"));
    EXPECT_EQ(lu.police, choisie);
}

TEST(Parametrage, AnnulerEchapEtCaseDeFermetureNEcriventRien)
{
    Seance s(false);
    s.parametres(iniClasse);
    const QByteArray avant = s.lireOctets("ombrivelle.ini");
    s.creerFiches();
    std::function<void(TfParametrage&)> sorties[] = {
        [](TfParametrage& f) { cliquer(f.bAnnule); },
        [](TfParametrage& f) { touche(f.eMotDePasseEnseignant, Qt::Key_Escape); },
        [](TfParametrage& f) { f.close(); },
    };
    for (const auto& sortie : sorties) {
        parametrage(s, [&](TfParametrage& f) {
            // Each showing starts from the file.
            EXPECT_EQ(f.eNbReponsesNecessaires->text(), QStringLiteral("4"));
            EXPECT_TRUE(f.ckMotPasseUtilisateur->isChecked());
            saisir(f.eNbReponsesNecessaires, "8");
            f.ckMotPasseUtilisateur->click();
            saisir(f.eTpsLEcture, "6");
            sortie(f);
            EXPECT_TRUE(f.fermetureEnAttente());
        });
        EXPECT_EQ(s.lireOctets("ombrivelle.ini"), avant);
    }
    // A key that the file lacks keeps what the previous showing left.
    parametrage(s, [](TfParametrage& f) {
        EXPECT_EQ(f.eTpsLEcture->text(), QStringLiteral("6"));
        cliquer(f.bAnnule);
    });
    EXPECT_EQ(s.p.journalDe("fenetre").size(), 4);
}

TEST(Parametrage, SansCaseDeFermetureQuandLeProgrammeLeVeut)
{
    Seance s(false);
    Profil sansFermeture = profilOmbrivelle();
    sansFermeture.parametrageFermable = false;
    definirProfil(sansFermeture);
    TfParametrage f;
    EXPECT_FALSE(f.windowFlags() & Qt::WindowCloseButtonHint);
    touche(f.eMotDePasseEnseignant, Qt::Key_Escape);
    EXPECT_FALSE(f.fermetureEnAttente());
    definirProfil(profilOmbrivelle());
}

TEST(Parametrage, ChoixDeLaPolice)
{
    Seance s(false);
    s.parametres(iniClasse);
    s.creerFiches();
    Police choisie;
    choisie.nom = "DejaVu Sans Mono";
    choisie.taillePoints = 12;
    choisie.style = 2 | 4;
    choisie.couleur = 255;
    const QByteArray avant = s.lireOctets("ombrivelle.ini");
    parametrage(s, [&](TfParametrage& f) {
        cliquer(f.bChoixPolice);
        EXPECT_EQ(s.lireOctets("ombrivelle.ini"), avant); // cancelled: nothing
        cliquer(f.bChoixPolice);
        cliquer(f.bAnnule);
    }, [&] {
        s.p.repondrePolice(std::nullopt);
        s.p.repondrePolice(choisie);
    });
    // Preset from the instructions box; the choice kept although the dialog was left unsaved.
    EXPECT_EQ(s.p.journalDe("dialogue"),
              QStringList({"dialogue police | Times New Roman, 15 pt, style 0, couleur -16777208 | annulé",
                           "dialogue police | Times New Roman, 15 pt, style 0, couleur -16777208 | "
                           "DejaVu Sans Mono, 12 pt, style 6, couleur 255"}));
    EXPECT_EQ(s.lireOctets("ombrivelle.ini"),
              latin1(QStringLiteral("; réglages de la classe\r\nMOT DE PASSE= prof \r\nACTIF=Oui\r\nBRUITAGE=1\r\n"
                                    "impression=oui\r\nREPONSES NECESSAIRES=3\r\nREPONSES NECESSAIRES=4\r\n"
                                    "REPERTOIRE TEXTES=\r\n[Police utilisée]\r\nPolice = DejaVu Sans Mono\r\n"
                                    "Taille police = 12\r\nStyle police = ItalicUnderLine\r\nCouleur police = 255\r\n")));
    // The running program answers in it at once.
    EXPECT_EQ(Form1->FontDialog1, choisie);
    const QTextCharFormat f = Form1->eSaisie->currentCharFormat();
    EXPECT_EQ(f.fontFamilies().toStringList(), QStringList({"DejaVu Sans Mono"}));
    EXPECT_TRUE(f.fontItalic());
    EXPECT_TRUE(f.fontUnderline());
    EXPECT_EQ(f.foreground().color(), QColor(255, 0, 0));
}

// The sample classroom's file is written as the dialog writes it: saved untouched, it stays
// byte for byte as it was.
TEST(Parametrage, FichierDeLaClasseExempleInchange)
{
    Seance s(true);
    const QByteArray avant = s.lireOctets("ombrivelle.ini");
    ASSERT_TRUE(avant.startsWith("[Mot de passe enseignant]\r\n"));
    s.creerFiches();
    parametrage(s, [](TfParametrage& f) { cliquer(f.bSauve); });
    EXPECT_EQ(s.lireOctets("ombrivelle.ini"), avant);
}

TEST(Parametrage, SansFichierDeParametres)
{
    Seance s(false);
    s.creerFiches();
    Police choisie;
    choisie.nom = "DejaVu Serif";
    parametrage(s, [](TfParametrage& f) {
        EXPECT_EQ(f.eMotDePasseEnseignant->text(), QString());
        saisir(f.eMotDePasseEnseignant, "prof");
        cliquer(f.bChoixPolice);
        cliquer(f.bSauve);
        EXPECT_TRUE(f.fermetureEnAttente());
    }, [&] { s.p.repondrePolice(choisie); });
    EXPECT_EQ(Form1->FontDialog1, choisie);
    EXPECT_EQ(entrees(s.programme), QStringList());
    EXPECT_TRUE(s.p.journalDe("boite").isEmpty());
    // The controls keep their contents for the next showing.
    parametrage(s, [](TfParametrage& f) {
        EXPECT_EQ(f.eMotDePasseEnseignant->text(), QStringLiteral("prof"));
        cliquer(f.bAnnule);
    });
}

TEST(Parametrage, ChoixDesDossiers)
{
    Seance s(false);
    s.parametres(iniClasse);
    QDir(s.programme).mkpath("Banque/Grammaire");
    s.creerFiches();
    s.p.changerDossier(s.chemin("Banque/Grammaire"));
    const QByteArray avant = s.lireOctets("ombrivelle.ini");
    parametrage(s, [&](TfParametrage& f) {
        saisir(f.eRepertoireBilans, "ailleurs");
        cliquer(f.bChoixRepExo);
        cliquer(f.bChoixRepBillans);
        EXPECT_EQ(f.eRepertoireBilans->text(), QStringLiteral("ailleurs"));
        cliquer(f.bChoixRepBillans);
        EXPECT_EQ(f.eRepertoireExercice->text(), s.chemin("Banque"));
        EXPECT_EQ(f.eRepertoireBilans->text(), s.chemin("Nouveaux bilans"));
        EXPECT_EQ(s.lireOctets("ombrivelle.ini"), avant);
        cliquer(f.bSauve);
    }, [&] {
        s.p.repondreDossier(s.chemin("Banque"));
        s.p.repondreDossier(std::nullopt);
        s.p.repondreDossier(s.chemin("Nouveaux bilans"));
    });
    // Each picker starts in the current folder, whatever the edit holds.
    const QString depart = QStringLiteral("dialogue dossier | ") + s.chemin("Banque/Grammaire") + " | ";
    EXPECT_EQ(s.p.journalDe("dialogue"),
              QStringList({depart + s.chemin("Banque"), depart + "annulé", depart + s.chemin("Nouveaux bilans")}));
    const QByteArray apres = s.lireOctets("ombrivelle.ini");
    EXPECT_TRUE(apres.contains(latin1("Repertoire Textes = " + s.chemin("Banque") + "\r\n")));
    EXPECT_TRUE(apres.contains(latin1("Repertoire Bilans = " + s.chemin("Nouveaux bilans") + "\r\n")));
}

TEST(Parametrage, FichierAilleursEtEcritureEchouee)
{
    Seance s(false);
    s.ecrireLignes("classe/réglages.ini", iniClasse);
    const QByteArray avant = s.lireOctets("classe/réglages.ini");
    s.creerFiches({s.chemin("classe/réglages.ini")});
    const QString ini = s.chemin("classe/réglages.ini");
    ASSERT_EQ(etat.FichierIni, ini);
    const QString erreur = QStringLiteral("Erreur d'entrée/sortie sur le fichier ") + ini + ".";
    parametrage(s, [&](TfParametrage& f) {
        saisir(f.eMotDePasseEnseignant, "nouveau");
        {
            LimiteEcriture limite;
            cliquer(f.bSauve);
            EXPECT_FALSE(f.fermetureEnAttente()); // the teacher's changes are still there
            cliquer(f.bChoixPolice);
        }
        EXPECT_EQ(s.lireOctets("classe/réglages.ini"), avant);
        EXPECT_EQ(f.eMotDePasseEnseignant->text(), QStringLiteral("nouveau"));
        cliquer(f.bSauve);
    }, [&] {
        s.p.boite(ReponseBoite::Ok, erreur);
        s.p.repondrePolice(Police());
        s.p.boite(ReponseBoite::Ok, erreur);
    });
    EXPECT_EQ(s.p.journalDe("boite"), QStringList({"boite Erreur | Ombrivelle | " + erreur,
                                                   "boite Erreur | Ombrivelle | " + erreur}));
    EXPECT_TRUE(s.lireOctets("classe/réglages.ini").startsWith("[Mot de passe enseignant]\r\nMot de passe = nouveau\r\n"));
    // Nothing is left beside the program or beside the file.
    EXPECT_EQ(entrees(s.programme), QStringList({"classe"}));
    EXPECT_EQ(entrees(s.chemin("classe")), QStringList({"réglages.ini"}));
}
