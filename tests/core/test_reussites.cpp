#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "ErreurES.h"
#include "Etat.h"
#include "FichierDetail.h"
#include "FichierExos.h"
#include "FichierReussites.h"
#include "Seance.h"

namespace {

void eleve(Seance& s, const QString& groupe, const QString& nom)
{
    etat.RepertoireGroupe = s.chemin(groupe + "/");
    etat.EleveCourant = nom;
}

} // namespace

TEST(Reussites, SeriesDeReussitesEtEchecs)
{
    Seance s(false);
    eleve(s, "CM1", "Léa");
    s.ecrireLignes("CM1/Léa_OBV_Reussites.txt", {});
    ChargerReussites();

    CompterReussite(QStringLiteral("Le Chat "));
    EXPECT_EQ(etat.TableReussites.ligne(0).cle, QStringLiteral("le chat"));
    EXPECT_EQ(etat.TableReussites.ligne(0).comptes, QStringLiteral("1"));
    CompterReussite(QStringLiteral("le chat"));
    MarquerEchec(QStringLiteral("LE CHAT"));
    EXPECT_EQ(etat.TableReussites.ligne(0).comptes, QStringLiteral("2-0"));
    MarquerEchec(QStringLiteral("le chat"));
    EXPECT_EQ(etat.TableReussites.ligne(0).comptes, QStringLiteral("2-0"));
    CompterReussite(QStringLiteral("le chat"));
    EXPECT_EQ(etat.TableReussites.ligne(0).comptes, QStringLiteral("2-1"));
    // A miss on an item that never succeeded leaves no row; an accented capital keeps its case.
    MarquerEchec(QStringLiteral("un loup"));
    CompterReussite(QStringLiteral("À midi"));
    ASSERT_EQ(etat.TableReussites.taille(), 2);
    EXPECT_EQ(etat.TableReussites.ligne(1).cle, QStringLiteral("À midi"));

    EXPECT_EQ(EnregistrerReussites(), Enregistrement::Fait);
    EXPECT_EQ(s.lireOctets("CM1/Léa_OBV_Reussites.txt"), QByteArray("le chat|2-1\r\n\xC0 midi|1\r\n"));

    // The guest changes nothing.
    etat.EleveCourant.clear();
    CompterReussite(QStringLiteral("le chat"));
    EXPECT_EQ(etat.TableReussites.ligne(0).comptes, QStringLiteral("2-1"));
}

TEST(Reussites, ComptesEcritsALaMain)
{
    EXPECT_EQ(comptesApresReussite("1-0-5"), QStringLiteral("1-0-6"));
    EXPECT_EQ(comptesApresReussite("3"), QStringLiteral("4"));
    EXPECT_EQ(comptesApresReussite("2-x"), QStringLiteral("2-1"));
    EXPECT_EQ(comptesApresReussite("chat"), QStringLiteral("1"));
    EXPECT_EQ(comptesApresEchec("3-1"), QStringLiteral("3-1-0"));
    EXPECT_EQ(comptesApresEchec("2-0"), QStringLiteral("2-0"));
    EXPECT_EQ(serieEnCours("2-0-2"), 2);
    EXPECT_EQ(serieEnCours(""), 0);
    // Counts are read by value, whatever their leading zeros; past a billion, a billion less one.
    EXPECT_EQ(serieEnCours("0000000003"), 3);
    EXPECT_EQ(serieEnCours("1-00000000000000000002"), 2);
    EXPECT_EQ(comptesApresReussite("0000000003"), QStringLiteral("4"));
    EXPECT_EQ(premierCompte("000000000000007-0"), 7);
    EXPECT_EQ(serieEnCours("99999999999"), 999999999);
    EXPECT_EQ(comptesApresReussite("99999999999"), QStringLiteral("1000000000"));
    EXPECT_EQ(premierCompte("2-0"), 2);
    EXPECT_EQ(premierCompte("0-3"), 0);
}

TEST(Reussites, ChargementEtSauvegarde)
{
    Seance s(false);
    eleve(s, "CM1", "Léa");
    s.ecrireLignes("CM1/Léa_OBV_Reussites.txt", {" Le Chat |2-0", "chat", "loup|0-3", "rat|3", ""});
    ChargerReussites();
    ASSERT_EQ(etat.TableReussites.taille(), 5);
    EXPECT_EQ(etat.TableReussites.ligne(0).cle, QStringLiteral("le chat"));
    EXPECT_EQ(etat.TableReussites.ligne(1).cle, QString());
    EXPECT_EQ(etat.TableReussites.ligne(1).comptes, QStringLiteral("chat"));
    EXPECT_EQ(etat.NbItemsDejaReussis, 2);

    EXPECT_EQ(EnregistrerReussites(), Enregistrement::Fait);
    EXPECT_EQ(s.lireOctets("CM1/Léa_OBV_Reussites.txt"), QByteArray("le chat|2-0\r\n|chat\r\nloup|0-3\r\nrat|3\r\n|\r\n"));
    // The backup holds the file as it was before the save.
    EXPECT_EQ(s.lireOctets("CM1/Léa_OBV_Reussites.old"), octetsLignes({" Le Chat |2-0", "chat", "loup|0-3", "rat|3", ""}));
    EXPECT_TRUE(s.p.journalDe("boite").isEmpty());

    // Lines added by hand meanwhile: the save is shorter, the recovery message, the file as edited.
    s.ecrireLignes("CM1/Léa_OBV_Reussites.txt", {"le chat|2-0", "|chat", "loup|0-3", "rat|3", "|", "ours|1"});
    EXPECT_EQ(EnregistrerReussites(), Enregistrement::Recupere);
    EXPECT_EQ(messageRecuperationReussites(), QStringLiteral("Attention, le programme ne peut enregistrer tes résultats et va "
                                                             "récupérer la sauvegarde"));
    EXPECT_EQ(titreRecuperationReussites(), QStringLiteral("Erreur"));
    EXPECT_EQ(s.lireOctets("CM1/Léa_OBV_Reussites.txt"),
              octetsLignes({"le chat|2-0", "|chat", "loup|0-3", "rat|3", "|", "ours|1"}));
    EXPECT_EQ(etat.TableReussites.taille(), 5);
}

TEST(Reussites, EnregistreesSeulementDansLeurFichier)
{
    Seance s(false);
    s.ecrireLignes("CM1/Léa_OBV_Reussites.txt", {"chat|1"});
    s.ecrireLignes("CM1/Tom_OBV_Reussites.txt", {"loup|2"});
    eleve(s, "CM1", "Léa");
    ChargerReussites();
    CompterReussite(QStringLiteral("chat"));
    // Another pupil is chosen (before any password): the table still belongs to Léa.
    eleve(s, "CM1", "Tom");
    (void)EnregistrerReussites();
    EXPECT_EQ(s.lireOctets("CM1/Tom_OBV_Reussites.txt"), octetsLignes({"loup|2"}));
    EXPECT_EQ(s.lireOctets("CM1/Léa_OBV_Reussites.txt"), octetsLignes({"chat|2"}));

    // The guest's sign-in leaves nothing to save.
    etat.EleveCourant.clear();
    ChargerReussites();
    (void)EnregistrerReussites();
    EXPECT_EQ(s.lireOctets("CM1/Léa_OBV_Reussites.txt"), octetsLignes({"chat|2"}));

    // A pupil deleted meanwhile is not brought back by a save.
    eleve(s, "CM1", "Tom");
    ChargerReussites();
    QFile::remove(s.chemin("CM1/Tom_OBV_Reussites.txt"));
    (void)EnregistrerReussites();
    EXPECT_FALSE(s.existe("CM1/Tom_OBV_Reussites.txt"));

    // A file that cannot be read (here one whose every read fails): the error, nothing to save.
    eleve(s, "CM1", "Ines");
    QFile::link(QStringLiteral("/proc/self/mem"), s.chemin("CM1/Ines_OBV_Reussites.txt"));
    EXPECT_THROW(ChargerReussites(), ErreurES);
    EXPECT_TRUE(etat.TableReussites.fichierSource.isEmpty());
}
