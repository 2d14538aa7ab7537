// The dictation program's settings dialog driven as the teacher drives it, the settings file
// checked byte for byte.

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

#include "test_bilans_castiflore_outils.h"

using namespace outilsBilansCastiflore;

namespace {

QByteArray latin1(const QString& texte)
{
    return texte.toLatin1();
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

// A classroom's file, with keys of the other program and a font block.
const QStringList iniClasse = {
    "; réglages de la classe",
    "MOT DE PASSE=prof",
    "ACTIF=Non",
    "REPONSES NECESSAIRES=3",
    "TEMPS LECTURE=4",
    "BRUITAGE=OUI",
    "AJOUT NOUVEL ELEVE=Non",
    "impression=oui",
    "REPERTOIRE=",
    "BILAN=",
    "ENREGISTREMENT TEXTE=Oui",
    "CHEMINLOGSON= /usr/bin/ancien ",
    "RESPECT MAJUSCULES=Non",
    "ENREGISTREMENT SON=1",
    "RESPECT ESPACES=Oui",
    "REPERTOIRE TEXTES=/ailleurs",
    "[Police utilisée]",
    "POLICE=Andika",
    "TAILLE POLICE=18",
};

const QString filtre = QStringLiteral("Programmes|*.exe;*.bat|Tous les fichiers|*.*");

} // namespace

TEST(ParametrageCastiflore, TreizeBlocsOctetPourOctet)
{
    SeanceCastiflore sc;
    sc.s.ecrireLignes("castiflore.ini", iniClasse);
    const QString enregistreur = sc.s.chemin("outils/Mon enregistreur ");
    sc.montrerParametrage([&](TfParametrage& f) {
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Paramétrage"));
        EXPECT_EQ(f.eLogSon->text(), QStringLiteral("/usr/bin/ancien"));
        EXPECT_FALSE(f.ckEnregSon->isChecked()); // "1" is not "OUI"
        EXPECT_TRUE(f.ckAccesRepertItems->isChecked());
        EXPECT_TRUE(f.ckImpress->isChecked());
        EXPECT_FALSE(f.ckRespectMaj->isChecked());
        EXPECT_EQ(f.eRepertoireExercice->text(), QString()); // "REPERTOIRE", not the other program's key
        EXPECT_EQ(f.eTpsLEcture->text(), QStringLiteral("4"));

        f.ckEnregSon->click();
        f.ckSons->click();
        cliquer(f.bChoixRepLogSon);
        EXPECT_EQ(sc.s.lireOctets("castiflore.ini"), octetsLignes(iniClasse)); // nothing before bSauve
        cliquer(f.bSauve);
    }, [&] { sc.s.p.repondreFichier(enregistreur); });
    EXPECT_EQ(sc.s.lireOctets("castiflore.ini"),
              latin1(QStringLiteral(
                  "[Mot de passe enseignant]\r\nMot de passe = prof\r\n\r\n"
                  "[Mot de passe élève]\r\nActif = Non\r\n\r\n"
                  "[Nombre de réponses justes nécessaires pour qu'un item soit supprimé de la liste]\r\n"
                  "Reponses necessaires = 3\r\n\r\n"
                  "[Temps de lecture en secondes suite à un second échec]\r\nTemps lecture = 4\r\n\r\n"
                  "[Activer les bruitages oui/non]\r\nBruitage = Non\r\n\r\n"
                  "[Proposer aux élèves de s'inscrire]\r\nAjout nouvel eleve = Non\r\n\r\n"
                  "[Proposer aux élèves l'impression de leur bilan en fin de session oui/non]\r\nImpression = Oui\r\n\r\n"
                  "[Répertoire où se trouve le dossier [_Exercices_CSF], contenant les exercices]\r\nRepertoire = \r\n\r\n"
                  "[Répertoire où se trouve le dossier [_bilans], contenant l'enregistrement des bilans]\r\nBilan = \r\n\r\n"
                  "[Permettre aux élèves d'accéder au répertoire contenant les exercices]\r\n"
                  "Enregistrement texte = Oui\r\n\r\n"
                  "[Chemin du logiciel utilisé pour l'enregistrement de fichiers sons]\r\n"
                  "CheminLogSon = ") + enregistreur + QStringLiteral("\r\n\r\n"
                  "[Respect des majuscules]\r\nRespect majuscules = Non\r\n\r\n"
                  "[Proposer aux élèves l'enregistrement de fichiers sons]\r\nEnregistrement Son = Oui\r\n\r\n"
                  "[Police utilisée]\r\nPOLICE=Andika\r\nTAILLE POLICE=18\r\n")));
    // Replaced whole: nothing left beside the program or the file.
    EXPECT_EQ(entrees(sc.s.programme), QStringList({"_Bilans", "_Exercices_CSF", "castiflore.ini"}));
    // The running program reads it at its next reading, which trims the path as every value.
    EXPECT_EQ(etat.EnregistrementSon, 0);
    sc.fenetre.ChargerParametres();
    EXPECT_EQ(etat.EnregistrementSon, 1);
    EXPECT_EQ(etat.CheminLogSon, sc.s.chemin("outils/Mon enregistreur"));

    // Emptied, the recorder's path is written with nothing after its "=".
    sc.montrerParametrage([](TfParametrage& f) {
        EXPECT_TRUE(f.ckEnregSon->isChecked());
        saisir(f.eLogSon, "");
        cliquer(f.bSauve);
    });
    EXPECT_TRUE(sc.s.lireOctets("castiflore.ini").contains("\r\nCheminLogSon = \r\n\r\n"));
}

// The sample classroom's file is written as the dialog writes it: saved untouched, it stays
// byte for byte as it was.
TEST(ParametrageCastiflore, FichierDeLaClasseExempleInchange)
{
    QFile exemple(QStringLiteral(DONNEES_DIR "/castiflore.ini"));
    ASSERT_TRUE(exemple.open(QIODevice::ReadOnly));
    const QByteArray avant = exemple.readAll();
    SeanceCastiflore sc;
    sc.s.ecrireOctets("castiflore.ini", avant);
    sc.montrerParametrage([](TfParametrage& f) {
        EXPECT_EQ(f.eMotDePasseEnseignant->text(), QStringLiteral("prof"));
        cliquer(f.bSauve);
    });
    EXPECT_EQ(sc.s.lireOctets("castiflore.ini"), avant);
}

TEST(ParametrageCastiflore, ControlesEtOrdreDeTabulation)
{
    SeanceCastiflore sc;
    TfParametrage& f = *sc.parametrage;
    EXPECT_EQ(f.ckRespectEspaces, nullptr);
    EXPECT_EQ(f.lRespectEspaces, nullptr);
    EXPECT_EQ(f.lEnregSon->text(), QStringLiteral("Les élèves peuvent enregistrer de nouveaux sons."));
    EXPECT_EQ(f.lLogSon->text(), QStringLiteral("Chemin du logiciel \"son\""));
    EXPECT_EQ(f.lAccesRepertItems->text(), QStringLiteral("Les élèves peuvent accéder au dossier des exercices."));
    // The check box stands where the spaces rule stands in the other program.
    EXPECT_EQ(f.ckEnregSon->y(), f.ckAccesRepertItems->y() + 28);
    EXPECT_EQ(f.ckRespectMaj->y(), f.ckEnregSon->y() + 28);
    EXPECT_LT(f.eRepertoireBilans->geometry().bottom(), f.eLogSon->y());
    EXPECT_LT(f.bChoixRepLogSon->geometry().bottom(), f.bSauve->y());

    QStringList ordre;
    QWidget* w = f.eMotDePasseEnseignant;
    for (int i = 0; i < 13; ++i) {
        ordre.append(w == f.eMotDePasseEnseignant    ? "eMotDePasseEnseignant"
                     : w == f.eNbReponsesNecessaires ? "eNbReponsesNecessaires"
                     : w == f.eTpsLEcture            ? "eTpsLEcture"
                     : w == f.ckMotPasseUtilisateur  ? "ckMotPasseUtilisateur"
                     : w == f.ckSons                 ? "ckSons"
                     : w == f.ckNewUser              ? "ckNewUser"
                     : w == f.ckImpress              ? "ckImpress"
                     : w == f.ckAccesRepertItems     ? "ckAccesRepertItems"
                     : w == f.ckEnregSon             ? "ckEnregSon"
                     : w == f.ckRespectMaj           ? "ckRespectMaj"
                     : w == f.eRepertoireExercice    ? "eRepertoireExercice"
                     : w == f.eRepertoireBilans      ? "eRepertoireBilans"
                     : w == f.eLogSon                ? "eLogSon"
                                                     : "?");
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
    }
    EXPECT_EQ(ordre, QStringList({"eMotDePasseEnseignant", "eNbReponsesNecessaires", "eTpsLEcture",
                                  "ckMotPasseUtilisateur", "ckSons", "ckNewUser", "ckImpress", "ckAccesRepertItems",
                                  "ckEnregSon", "ckRespectMaj", "eRepertoireExercice", "eRepertoireBilans",
                                  "eLogSon"}));
}

TEST(ParametrageCastiflore, EchapEtFermetureNeFontRien)
{
    SeanceCastiflore sc;
    sc.s.ecrireLignes("castiflore.ini", iniClasse);
    sc.montrerParametrage([&](TfParametrage& f) {
        EXPECT_FALSE(f.windowFlags() & Qt::WindowCloseButtonHint);
        saisir(f.eMotDePasseEnseignant, "nouveau");
        touche(f.eMotDePasseEnseignant, Qt::Key_Escape);
        EXPECT_FALSE(f.close());
        EXPECT_TRUE(f.isVisible());
        EXPECT_FALSE(f.fermetureEnAttente());
        EXPECT_EQ(f.eMotDePasseEnseignant->text(), QStringLiteral("nouveau"));
        cliquer(f.bAnnule);
        EXPECT_TRUE(f.fermetureEnAttente());
    });
    EXPECT_EQ(sc.s.lireOctets("castiflore.ini"), octetsLignes(iniClasse));
}

TEST(ParametrageCastiflore, ChoixDuLogicielDeSon)
{
    SeanceCastiflore sc;
    sc.s.ecrireLignes("castiflore.ini", iniClasse);
    sc.s.ecrireLignes("outils/rec", {});
    sc.montrerParametrage([&](TfParametrage& f) {
        // What the teacher typed stays through the pickers: the file is read once a showing.
        saisir(f.eMotDePasseEnseignant, "tapé");
        f.ckImpress->click();
        cliquer(f.bChoixRepLogSon); // cancelled
        EXPECT_EQ(f.eLogSon->text(), QStringLiteral("/usr/bin/ancien"));
        saisir(f.eLogSon, sc.s.chemin("outils/rec"));
        cliquer(f.bChoixRepLogSon);
        EXPECT_EQ(f.eLogSon->text(), QStringLiteral("/opt/son/enregistreur.bat"));
        saisir(f.eLogSon, "");
        cliquer(f.bChoixRepLogSon); // cancelled
        cliquer(f.bChoixRepExo);
        EXPECT_EQ(f.eMotDePasseEnseignant->text(), QStringLiteral("tapé"));
        EXPECT_FALSE(f.ckImpress->isChecked());
        EXPECT_EQ(f.eRepertoireExercice->text(), sc.s.chemin("_Exercices_CSF"));
        cliquer(f.bAnnule);
    }, [&] {
        sc.s.p.repondreFichier(std::nullopt);
        sc.s.p.repondreFichier(QStringLiteral("/opt/son/enregistreur.bat"));
        sc.s.p.repondreFichier(std::nullopt);
        sc.s.p.repondreDossier(sc.s.chemin("_Exercices_CSF"));
    });
    // A file-open dialog on programs; it starts where the chosen program lies, else in the
    // current folder.
    const QString debut = QStringLiteral("dialogue fichier | ouvrir |  | ");
    const QString fin = QStringLiteral(" | ") + filtre + QStringLiteral(" |  | ");
    EXPECT_EQ(sc.s.p.journalDe("dialogue fichier"),
              QStringList({debut + "/usr/bin" + fin + "annulé",
                           debut + sc.s.chemin("outils") + fin + "/opt/son/enregistreur.bat",
                           debut + sc.s.chemin("_Exercices_CSF") + fin + "annulé"}));
    EXPECT_EQ(sc.s.lireOctets("castiflore.ini"), octetsLignes(iniClasse));
}

TEST(ParametrageCastiflore, PoliceDepuisLaZoneDeReponse)
{
    SeanceCastiflore sc;
    sc.s.ecrireLignes("castiflore.ini", {"MOT DE PASSE=prof", "[Police utilisée]", "POLICE=Andika"});
    Police choisie;
    choisie.nom = "DejaVu Sans";
    choisie.taillePoints = 20;
    choisie.style = 1;
    choisie.couleur = 255;
    sc.montrerParametrage([](TfParametrage& f) {
        cliquer(f.bChoixPolice);
        cliquer(f.bAnnule);
    }, [&] { sc.s.p.repondrePolice(choisie); });
    EXPECT_EQ(sc.s.p.journalDe("dialogue police"),
              QStringList({"dialogue police | Comic Neue, 16 pt, style 0, couleur 128 | "
                           "DejaVu Sans, 20 pt, style 1, couleur 255"}));
    EXPECT_EQ(sc.fenetre.changements, QList<Police>({choisie}));
    EXPECT_EQ(sc.s.lireOctets("castiflore.ini"),
              latin1(QStringLiteral("MOT DE PASSE=prof\r\n[Police utilisée]\r\nPolice = DejaVu Sans\r\n"
                                    "Taille police = 20\r\nStyle police = Bold\r\nCouleur police = 255\r\n")));
}
