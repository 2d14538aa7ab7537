#include <gtest/gtest.h>

#include <QColor>
#include <QDir>

#include "Etat.h"
#include "Fiche.h"
#include "Parametres.h"
#include "Seance.h"

namespace {

// Reads the given settings lines as the program does, with FichierIni beside the executable.
bool lire(Seance& s, const QStringList& lignes, PoliceReponse& police)
{
    s.parametres(lignes);
    etat.FichierIni = s.chemin("ombrivelle.ini");
    const LectureParametres lecture = LireParametres(etat.FichierIni, etat, police);
    appliquerParametres(lecture);
    police = lecture.police;
    for (const QString& message : lecture.messages)
        afficherBoite(message, TypeBoite::Simple, BoutonsBoite::Ok);
    return lecture.fichierTrouve;
}

} // namespace

TEST(Parametres, FichierVideDonneLesValeursParDefaut)
{
    Seance s(false);
    PoliceReponse police;
    etat.Bruitage = 0;
    etat.TempsLecture = 7;
    etat.RepertoireExercices = "/ailleurs/";
    ASSERT_TRUE(lire(s, {}, police));
    EXPECT_EQ(etat.RepertoireExercices, s.programme);
    EXPECT_EQ(etat.Bruitage, 1);
    EXPECT_EQ(etat.TempsLecture, 3);
    EXPECT_EQ(etat.RepertoireBilans, QString());
    EXPECT_EQ(etat.MotDePasseActif, 1);
    EXPECT_EQ(etat.NbReponsesNecessaires, 0);
    EXPECT_EQ(police.nom, QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(police.taillePoints, 8);
    EXPECT_EQ(police.couleur, -16777208);
    EXPECT_TRUE(s.p.journalDe("boite").isEmpty());
}

TEST(Parametres, DrapeauxEtRegles)
{
    Seance s(false);
    PoliceReponse police;
    ASSERT_TRUE(lire(s,
                     {"bruitage=non", "  Impression = NoN ", "AJOUT NOUVEL ELEVE=Oui",
                      "ENREGISTREMENT TEXTE=oui", "RESPECT ESPACES=peut-être", "Respect Majuscules=",
                      "MOT DE PASSE= Secret ", "[Police utilisée]", "sans egal", "INCONNUE=1", "=x"},
                     police));
    EXPECT_EQ(etat.Bruitage, 0);
    EXPECT_EQ(etat.ImpressionPermise, 0);
    EXPECT_EQ(etat.AjoutNouvelEleve, 1);
    EXPECT_EQ(etat.EnregistrementTexte, 1);
    EXPECT_EQ(etat.RespectEspaces, 1); // on unless "NON"
    EXPECT_EQ(etat.RespectMajuscules, 1);
    EXPECT_EQ(etat.MotDePasseEnseignant, QStringLiteral("Secret"));

    ASSERT_TRUE(lire(s, {"ENREGISTREMENT TEXTE=Peut-être", "ACTIF=Non"}, police));
    EXPECT_EQ(etat.EnregistrementTexte, 0);
    EXPECT_EQ(etat.MotDePasseActif, 0);
    // Bruitage goes back to its default at every reading; the others keep their value.
    EXPECT_EQ(etat.Bruitage, 1);
    EXPECT_EQ(etat.ImpressionPermise, 0);
    EXPECT_EQ(etat.RespectMajuscules, 1);
    // "ACTIF" only ever switches passwords off.
    ASSERT_TRUE(lire(s, {"ACTIF=Oui"}, police));
    EXPECT_EQ(etat.MotDePasseActif, 0);
    // The later of two lines wins.
    ASSERT_TRUE(lire(s, {"IMPRESSION=Non", "IMPRESSION=Oui", "TEMPS LECTURE=5", "TEMPS LECTURE=2"}, police));
    EXPECT_EQ(etat.ImpressionPermise, 1);
    EXPECT_EQ(etat.TempsLecture, 2);
}

TEST(Parametres, TestDesNombres)
{
    struct Cas {
        const char* valeur;
        bool pris;
        int nombre;
    };
    const Cas cas[] = {{"1", true, 1}, {"8", true, 8}, {"10", true, 10}, {"15", true, 15},
                       {"80", true, 80}, {"00", true, 0}, {"05", true, 5}, {"9", false, 0},
                       {"90", false, 0}, {"0", false, 0}, {"-1", false, 0}, {"A", false, 0},
                       {"", false, 0}, {"5x", false, 0}, {"1.5", false, 0}, {"1 2", false, 0},
                       {"12345678901234567890", false, 0}};
    for (const Cas& c : cas) {
        int n = -7;
        EXPECT_EQ(nombreParametre(QString::fromLatin1(c.valeur), n), c.pris) << c.valeur;
        if (c.pris) {
            EXPECT_EQ(n, c.nombre) << c.valeur;
        }
    }

    Seance s(false);
    PoliceReponse police;
    ASSERT_TRUE(lire(s, {"TEMPS LECTURE=9", "REPONSES NECESSAIRES=00"}, police));
    EXPECT_EQ(etat.TempsLecture, 3);
    EXPECT_EQ(etat.NbReponsesNecessaires, 0);
    ASSERT_TRUE(lire(s, {"TEMPS LECTURE=10", "REPONSES NECESSAIRES=2"}, police));
    EXPECT_EQ(etat.TempsLecture, 10);
    EXPECT_EQ(etat.NbReponsesNecessaires, 2);
    // A value that is not taken keeps the previous one; a missing key too.
    ASSERT_TRUE(lire(s, {"REPONSES NECESSAIRES=5x"}, police));
    EXPECT_EQ(etat.NbReponsesNecessaires, 2);
}

TEST(Parametres, Police)
{
    Seance s(false);
    PoliceReponse police;
    ASSERT_TRUE(lire(s, {"POLICE=DejaVu Serif", "TAILLE POLICE=14", "STYLE POLICE=bolditalicstrike",
                         "COULEUR POLICE=255"},
                     police));
    EXPECT_EQ(police.nom, QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(police.taillePoints, 14);
    EXPECT_EQ(police.style, 1 | 2 | 8);
    EXPECT_EQ(police.couleur, 255);
    EXPECT_EQ(couleurDepuisWindows(255), QColor(255, 0, 0));
    EXPECT_EQ(couleurDepuisWindows(0x00FF8000), QColor(0, 0x80, 0xFF));
    EXPECT_EQ(couleurDepuisWindows(-16777208), QColor(Qt::black));

    // Empty values, words outside the table, and values that are not whole numbers.
    ASSERT_TRUE(lire(s, {"POLICE=", "TAILLE POLICE=0", "STYLE POLICE=Normal", "COULEUR POLICE=rouge"}, police));
    EXPECT_EQ(police.nom, QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(police.taillePoints, 14);
    EXPECT_EQ(police.style, 0);
    EXPECT_EQ(police.couleur, 255);
    ASSERT_TRUE(lire(s, {"TAILLE POLICE=12pt", "COULEUR POLICE=-2147483633", "STYLE POLICE="}, police));
    EXPECT_EQ(police.taillePoints, 14);
    EXPECT_EQ(police.couleur, -2147483633); // a system colour, written back as read
    EXPECT_EQ(police.style, 0);
}

TEST(Parametres, MotsDesStyles)
{
    const char* mots[] = {"", "Bold", "Italic", "BoldItalic", "UnderLine", "BoldUnderLine",
                          "ItalicUnderLine", "BoldItalicUnderLine", "StrikeOut", "BoldStrike",
                          "ItalicStrike", "BoldItalicStrike", "UnderLineStrike", "BoldStrikeUnderLine",
                          "ItalicUnderLineStrike", "BoldItalicUnderLineStrike"};
    for (int style = 0; style < 16; ++style) {
        EXPECT_EQ(NomStylePolice(style), QString::fromLatin1(mots[style]));
        EXPECT_EQ(StylePoliceDepuisNom(NomStylePolice(style)), style);
        EXPECT_EQ(StylePoliceDepuisNom(QString::fromLatin1(mots[style]).toUpper()), style);
    }
    EXPECT_EQ(StylePoliceDepuisNom("Strike"), 0);
    EXPECT_EQ(StylePoliceDepuisNom("StrikeUnderLine"), 0);
}

TEST(Parametres, DossiersEtLeursMessages)
{
    Seance s(false);
    PoliceReponse police;
    QDir(s.programme).mkpath("_Exercices_OBV/Grammaire");
    QDir(s.programme).mkpath("_Bilans");
    QDir(s.programme).mkpath("Banque/Bilans relatifs");
    s.p.changerDossier("/");

    // Empty values: the folders beside the executable; the bank becomes the current folder.
    ASSERT_TRUE(lire(s, {"REPERTOIRE TEXTES=", "REPERTOIRE BILANS="}, police));
    EXPECT_EQ(etat.RepertoireExercices, s.chemin("_Exercices_OBV/"));
    EXPECT_EQ(s.p.dossierCourant() + "/", s.chemin("_Exercices_OBV/"));
    EXPECT_EQ(etat.RepertoireBilans, s.chemin("_Bilans/"));
    EXPECT_TRUE(s.p.journalDe("boite").isEmpty());

    // Missing folders: the message, the previous values kept; every occurrence is tested.
    const QString messageTextes = QStringLiteral(
        "Le répertoire où se trouve le dossier [_Exercices_OBV] est introuvable.\r"
        "Il est nécessaire de redéfinir son chemin d'accès dans le fichier INI.");
    const QString messageBilans = QStringLiteral(
        "Le répertoire où se trouve le dossier [_Bilans] est introuvable.\r"
        "Il est nécessaire de redéfinir son chemin d'accès dans le fichier INI.");
    s.p.boite(ReponseBoite::Ok, messageTextes);
    s.p.boite(ReponseBoite::Ok, messageBilans);
    s.p.boite(ReponseBoite::Ok, messageBilans);
    ASSERT_TRUE(lire(s, {"REPERTOIRE TEXTES=/nulle/part", "REPERTOIRE BILANS=/nulle/part",
                         "REPERTOIRE BILANS=aussi absent"},
                     police));
    EXPECT_EQ(etat.RepertoireExercices, s.programme); // back to the program folder at every reading
    EXPECT_EQ(etat.RepertoireBilans, s.chemin("_Bilans/"));
    EXPECT_EQ(s.p.journalDe("boite").first(),
              QStringLiteral("boite Simple | Ombrivelle | ") + messageTextes);

    // A relative results folder is tested against the bank just made current, and kept absolute.
    ASSERT_TRUE(lire(s, {"REPERTOIRE TEXTES=" + s.chemin("banque"), "REPERTOIRE BILANS=bilans RELATIFS"}, police));
    EXPECT_EQ(etat.RepertoireExercices, s.chemin("Banque/"));
    EXPECT_EQ(etat.RepertoireBilans, s.chemin("Banque/Bilans relatifs/"));
    s.p.changerDossier("/");
    EXPECT_EQ(etat.RepertoireBilans, s.chemin("Banque/Bilans relatifs/"));
}
