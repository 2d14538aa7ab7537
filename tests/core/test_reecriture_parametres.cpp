#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "ErreurES.h"
#include "Etat.h"
#include "LimiteEcriture.h"
#include "Parametres.h"
#include "ReecritureParametres.h"
#include "Seance.h"

namespace {

// The expected bytes, converted apart from the program's own writer: every character of these
// files lies in Latin-1, where Windows-1252 is the same.
QByteArray latin1(const QString& texte)
{
    return texte.toLatin1();
}

// A classroom's file as a teacher may have edited it by hand.
const QStringList fichierEdite = {
    "; Réglages de la classe de CM1",
    "[Dossiers]",
    "REPERTOIRE TEXTES=/ecole/banque",
    "Mot de passe=prof",
    "  bruitage = oui ",
    "BRUITAGE=1",
    "actif=OUI",
    "[Police utilisée]",
    "POLICE=DejaVu Sans",
    "  taille police = 14",
    "[police utilisée]",
    " [Police utilisée]",
    "Style Police=Bold",
    "",
    "INCONNUE=3",
    "RESPECT ESPACES=Oui",
    "Couleur police=255",
    "Politique = ouverte",
};

ValeursParametrage valeursExemple()
{
    ValeursParametrage v;
    v.textes = {{"eMotDePasseEnseignant", "prof"},
                {"eNbReponsesNecessaires", "3"},
                {"eTpsLEcture", ""},
                {"eRepertoireExercice", " /école/banque "},
                {"eRepertoireBilans", ""}};
    v.cases = {{"ckMotPasseUtilisateur", true}, {"ckSons", false}, {"ckNewUser", true},
               {"ckImpress", false}, {"ckAccesRepertItems", true}, {"ckRespectEspaces", false},
               {"ckRespectMaj", true}};
    return v;
}

const QString attenduOmbrivelle = QStringLiteral(
    "[Mot de passe enseignant]\r\nMot de passe = prof\r\n\r\n"
    "[Mot de passe élève]\r\nActif = Oui\r\n\r\n"
    "[Nombre de réponses justes nécessaires pour qu'un item soit supprimé de la liste]\r\n"
    "Reponses necessaires = 3\r\n\r\n"
    "[Temps de lecture en secondes suite à un second échec]\r\nTemps lecture = \r\n\r\n"
    "[Activer les bruitages oui/non]\r\nBruitage = Non\r\n\r\n"
    "[Proposer aux élèves de s'inscrire]\r\nAjout nouvel eleve = Oui\r\n\r\n"
    "[Proposer aux élèves l'impression de leur bilan en fin de session oui/non]\r\nImpression = Non\r\n\r\n"
    "[Répertoire où se trouve le dossier [_Exercices_OBV], contenant les exercices]\r\n"
    "Repertoire Textes =  /école/banque \r\n\r\n"
    "[Répertoire où se trouve le dossier [_Bilans], contenant l'enregistrement des bilans]\r\n"
    "Repertoire Bilans = \r\n\r\n"
    "[Proposer aux élèves l'enregistrement de fichiers textes]]\r\nEnregistrement texte = Oui\r\n\r\n"
    "[Respect des espaces]\r\nRespect espaces = Non\r\n\r\n"
    "[Respect des majuscules]\r\nRespect majuscules = Oui\r\n\r\n");

const QString blocPoliceConserve = QStringLiteral(
    "[Police utilisée]\r\nPOLICE=DejaVu Sans\r\n  taille police = 14\r\nStyle Police=Bold\r\nCouleur police=255\r\n");

} // namespace

TEST(ReecritureParametres, ValeursLuesPourLeDialogue)
{
    const QList<BlocParametrage>& blocs = blocsParametrageOmbrivelle();
    ValeursParametrage avant;
    avant.textes = {{"eTpsLEcture", "7"}, {"eRepertoireBilans", "gardé"}};
    avant.cases = {{"ckImpress", true}, {"ckRespectMaj", true}};

    const ValeursParametrage v = valeursDepuisLignes(
        {"  mot DE passe =  a=b ", "BRUITAGE=1", "bruitage= oui", "IMPRESSION=Oui", "Impression=Non",
         "ACTIF=Non", "ENREGISTREMENT TEXTE=oUI", "RESPECT ESPACES=", "Repertoire Textes=",
         "REPONSES NECESSAIRES=9", "POLICE=Arial", "MOT DE PASSE", "[Mot de passe enseignant]"},
        blocs, avant);
    EXPECT_EQ(v.textes.value("eMotDePasseEnseignant"), QStringLiteral("a=b")); // only the first "=" splits
    EXPECT_EQ(v.textes.value("eNbReponsesNecessaires"), QStringLiteral("9"));  // shown as written
    EXPECT_EQ(v.textes.value("eRepertoireExercice"), QString());
    EXPECT_TRUE(v.textes.contains("eRepertoireExercice"));
    // Keys absent from the file leave their control as it was.
    EXPECT_EQ(v.textes.value("eTpsLEcture"), QStringLiteral("7"));
    EXPECT_EQ(v.textes.value("eRepertoireBilans"), QStringLiteral("gardé"));
    EXPECT_TRUE(v.cases.value("ckRespectMaj"));
    // Only "OUI", in any case, checks a box; the last line of a key wins.
    EXPECT_TRUE(v.cases.value("ckSons"));
    EXPECT_FALSE(v.cases.value("ckImpress"));
    EXPECT_FALSE(v.cases.value("ckMotPasseUtilisateur"));
    EXPECT_TRUE(v.cases.value("ckAccesRepertItems"));
    EXPECT_FALSE(v.cases.value("ckRespectEspaces"));
    EXPECT_TRUE(v.cases.contains("ckRespectEspaces"));
    EXPECT_FALSE(v.cases.value("ckNewUser"));
    EXPECT_FALSE(v.cases.contains("ckNewUser"));
    // A lone "1" shows the box unchecked, although the running program reads it as on.
    EXPECT_FALSE(valeursDepuisLignes({"BRUITAGE=1"}, blocs, {}).cases.value("ckSons"));
}

TEST(ReecritureParametres, FichierReecritOctetPourOctet)
{
    Seance s(false);
    s.ecrireLignes("ombrivelle.ini", fichierEdite);
    ASSERT_TRUE(EnregistrerParametres(s.chemin("ombrivelle.ini"), blocsParametrageOmbrivelle(), valeursExemple()));
    const QByteArray octets = s.lireOctets("ombrivelle.ini");
    EXPECT_EQ(octets, latin1(attenduOmbrivelle + blocPoliceConserve));
    EXPECT_TRUE(octets.contains("[Mot de passe \xE9l\xE8ve]\r\nActif = Oui\r\n\r\n"));

    // Without a font block, none is written; a second save gives the same file.
    s.ecrireLignes("ombrivelle.ini", {"POLICES=2", "[Police]", "MOT DE PASSE=x"});
    ASSERT_TRUE(EnregistrerParametres(s.chemin("ombrivelle.ini"), blocsParametrageOmbrivelle(), valeursExemple()));
    EXPECT_EQ(s.lireOctets("ombrivelle.ini"), latin1(attenduOmbrivelle));
    ASSERT_TRUE(EnregistrerParametres(s.chemin("ombrivelle.ini"), blocsParametrageOmbrivelle(), valeursExemple()));
    EXPECT_EQ(s.lireOctets("ombrivelle.ini"), latin1(attenduOmbrivelle));

    // A file typed in a Linux editor (UTF-8) keeps its font block, written back in Windows-1252.
    s.ecrireOctets("ombrivelle.ini", QStringLiteral("[Police utilisée]\nPOLICE=Éole\n").toUtf8());
    ASSERT_TRUE(EnregistrerParametres(s.chemin("ombrivelle.ini"), blocsParametrageOmbrivelle(), valeursExemple()));
    EXPECT_EQ(s.lireOctets("ombrivelle.ini"),
              latin1(attenduOmbrivelle + QStringLiteral("[Police utilisée]\r\nPOLICE=Éole\r\n")));

    // A missing file is not created.
    EXPECT_FALSE(EnregistrerParametres(s.chemin("absent.ini"), blocsParametrageOmbrivelle(), valeursExemple()));
    EXPECT_FALSE(EnregistrerPolice(s.chemin("absent.ini"), Police()));
    EXPECT_FALSE(s.existe("absent.ini"));
}

TEST(ReecritureParametres, BlocsDuProgrammeDeDictee)
{
    ValeursParametrage v = valeursExemple();
    v.textes["eLogSon"] = "";
    v.cases["ckEnregSon"] = true;
    const QStringList lignes =
        lignesParametrage({"RESPECT ESPACES=Oui", "CHEMINLOGSON=/usr/bin/rec", "[Police utilisée]"},
                          blocsParametrageCastiflore(), v);
    EXPECT_EQ(blocsParametrageCastiflore().size(), 13);
    EXPECT_EQ(latin1(lignes.join("\r\n") + "\r\n"),
              latin1(QStringLiteral(
                  "[Mot de passe enseignant]\r\nMot de passe = prof\r\n\r\n"
                  "[Mot de passe élève]\r\nActif = Oui\r\n\r\n"
                  "[Nombre de réponses justes nécessaires pour qu'un item soit supprimé de la liste]\r\n"
                  "Reponses necessaires = 3\r\n\r\n"
                  "[Temps de lecture en secondes suite à un second échec]\r\nTemps lecture = \r\n\r\n"
                  "[Activer les bruitages oui/non]\r\nBruitage = Non\r\n\r\n"
                  "[Proposer aux élèves de s'inscrire]\r\nAjout nouvel eleve = Oui\r\n\r\n"
                  "[Proposer aux élèves l'impression de leur bilan en fin de session oui/non]\r\nImpression = Non\r\n\r\n"
                  "[Répertoire où se trouve le dossier [_Exercices_CSF], contenant les exercices]\r\n"
                  "Repertoire =  /école/banque \r\n\r\n"
                  "[Répertoire où se trouve le dossier [_bilans], contenant l'enregistrement des bilans]\r\n"
                  "Bilan = \r\n\r\n"
                  "[Permettre aux élèves d'accéder au répertoire contenant les exercices]\r\n"
                  "Enregistrement texte = Oui\r\n\r\n"
                  "[Chemin du logiciel utilisé pour l'enregistrement de fichiers sons]\r\nCheminLogSon = \r\n\r\n"
                  "[Respect des majuscules]\r\nRespect majuscules = Oui\r\n\r\n"
                  "[Proposer aux élèves l'enregistrement de fichiers sons]\r\nEnregistrement Son = Oui\r\n\r\n"
                  "[Police utilisée]\r\n")));
    // Its keys read back into its own controls.
    const ValeursParametrage lu = valeursDepuisLignes(
        {"REPERTOIRE=/a", "BILAN=/b", "CHEMINLOGSON=/c d", "ENREGISTREMENT SON=oui", "REPERTOIRE TEXTES=/x"},
        blocsParametrageCastiflore(), {});
    EXPECT_EQ(lu.textes.value("eRepertoireExercice"), QStringLiteral("/a"));
    EXPECT_EQ(lu.textes.value("eRepertoireBilans"), QStringLiteral("/b"));
    EXPECT_EQ(lu.textes.value("eLogSon"), QStringLiteral("/c d"));
    EXPECT_TRUE(lu.cases.value("ckEnregSon"));
}

TEST(ReecritureParametres, BlocDePoliceReecrit)
{
    Seance s(false);
    s.ecrireLignes("ombrivelle.ini", fichierEdite);
    Police p;
    p.nom = "Liberation Serif";
    p.taillePoints = 16;
    p.style = 15;
    p.couleur = -16777208;
    ASSERT_TRUE(EnregistrerPolice(s.chemin("ombrivelle.ini"), p));
    EXPECT_EQ(s.lireOctets("ombrivelle.ini"),
              latin1(QStringLiteral("; Réglages de la classe de CM1\r\n[Dossiers]\r\nREPERTOIRE TEXTES=/ecole/banque\r\n"
                                    "Mot de passe=prof\r\n  bruitage = oui \r\nBRUITAGE=1\r\nactif=OUI\r\n"
                                    "[police utilisée]\r\n [Police utilisée]\r\n\r\nINCONNUE=3\r\n"
                                    "RESPECT ESPACES=Oui\r\nPolitique = ouverte\r\n"
                                    "[Police utilisée]\r\nPolice = Liberation Serif\r\nTaille police = 16\r\n"
                                    "Style police = BoldItalicUnderLineStrike\r\nCouleur police = -16777208\r\n")));

    // A later save keeps the font block that is then in the file.
    ASSERT_TRUE(EnregistrerParametres(s.chemin("ombrivelle.ini"), blocsParametrageOmbrivelle(), valeursExemple()));
    EXPECT_EQ(s.lireOctets("ombrivelle.ini"),
              latin1(attenduOmbrivelle
                     + QStringLiteral("[Police utilisée]\r\nPolice = Liberation Serif\r\nTaille police = 16\r\n"
                                      "Style police = BoldItalicUnderLineStrike\r\nCouleur police = -16777208\r\n")));

    // Read back by the program's reader, style 15 included.
    etat.FichierIni = s.chemin("ombrivelle.ini");
    const LectureParametres lu = LireParametres(etat.FichierIni, etat, Police());
    EXPECT_EQ(lu.police, p);
}

TEST(ReecritureParametres, EcritureEchoueeLaisseLAncienFichier)
{
    Seance s(false);
    s.ecrireLignes("classe/ombrivelle.ini", fichierEdite);
    const QByteArray avant = s.lireOctets("classe/ombrivelle.ini");
    const QString ini = s.chemin("classe/ombrivelle.ini");
    {
        LimiteEcriture limite;
        EXPECT_THROW(EnregistrerParametres(ini, blocsParametrageOmbrivelle(), valeursExemple()), ErreurES);
        EXPECT_THROW(EnregistrerPolice(ini, Police()), ErreurES);
    }
    EXPECT_EQ(s.lireOctets("classe/ombrivelle.ini"), avant);
    EXPECT_EQ(QDir(s.chemin("classe")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({"ombrivelle.ini"}));
    EXPECT_EQ(QDir(s.programme).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({"classe"}));

    // A read-only folder and file refuse the write too (not to root, who writes anyway).
    QFile::setPermissions(ini, QFile::ReadOwner);
    QFile::setPermissions(s.chemin("classe"), QFile::ReadOwner | QFile::ExeOwner);
    QFile sonde(ini);
    const bool refuse = !sonde.open(QIODevice::Append);
    sonde.close();
    if (refuse) {
        try {
            EnregistrerParametres(ini, blocsParametrageOmbrivelle(), valeursExemple());
            ADD_FAILURE() << "no error on a read-only folder";
        } catch (const ErreurES& e) {
            EXPECT_EQ(e.message(), QStringLiteral("Erreur d'entrée/sortie sur le fichier ") + ini + ".");
        }
        EXPECT_EQ(s.lireOctets("classe/ombrivelle.ini"), avant);
    }
    QFile::setPermissions(s.chemin("classe"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(ini, QFile::ReadOwner | QFile::WriteOwner);
}
