#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <grp.h>
#include <iostream>
#include <sys/stat.h>
#include <unistd.h>

#include "EcriturePerdue.h"
#include "Enfant.h"

#include "ErreurES.h"
#include "Etat.h"
#include "FichierDetail.h"
#include "FichierExos.h"
#include "FichierReussites.h"
#include "Reussites.h"
#include "Seance.h"
#include "Texte.h"

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

    // Lines changed and added by hand meanwhile (or by another machine) stay, this run's changes
    // made on them, its new rows after theirs; the table is then the file's.
    s.ecrireLignes("CM1/Léa_OBV_Reussites.txt", {"le chat|2-0", "|chat", "loup|0-3", "rat|3-0", "|", "ours|1"});
    CompterReussite(QStringLiteral("rat"));
    CompterReussite(QStringLiteral("lynx"));
    MarquerEchec(QStringLiteral("ours"));
    EXPECT_EQ(EnregistrerReussites(), Enregistrement::Fait);
    const QStringList fusion = {"le chat|2-0", "|chat", "loup|0-3", "rat|3-1", "|", "ours|1-0", "lynx|1"};
    EXPECT_EQ(s.lireOctets("CM1/Léa_OBV_Reussites.txt"), octetsLignes(fusion));
    EXPECT_EQ(etat.TableReussites.lignesFichier(), fusion);

    // A write that the file system lost (read back with fewer lines): the recovery message, the
    // file as it was, and this run's change made again by the next save.
    CompterReussite(QStringLiteral("lynx"));
    {
        EcriturePerdue perte(s.chemin("CM1"), 2); // the backup, then the file
        EXPECT_EQ(EnregistrerReussites(), Enregistrement::Recupere);
    }
    EXPECT_EQ(messageRecuperationReussites(), QStringLiteral("Attention, le programme ne peut enregistrer tes résultats et va "
                                                             "récupérer la sauvegarde"));
    EXPECT_EQ(titreRecuperationReussites(), QStringLiteral("Erreur"));
    EXPECT_EQ(s.lireOctets("CM1/Léa_OBV_Reussites.txt"), octetsLignes(fusion));
    EXPECT_EQ(EnregistrerReussites(), Enregistrement::Fait);
    EXPECT_EQ(lireLignes(s.chemin("CM1/Léa_OBV_Reussites.txt")).last(), QStringLiteral("lynx|2"));
}

TEST(Reussites, DeuxMachinesPourUnEleve)
{
    // B signs in; A signs in, succeeds on item0 and saves; B misses "loup", succeeds on item1
    // and saves: both are kept, in the order of the saves.
    Seance s(false);
    eleve(s, "CM1", "Léa");
    s.ecrireLignes("CM1/Léa_OBV_Reussites.txt", {"loup|2"});
    ChargerReussites();
    TableDesReussites b = std::move(etat.TableReussites);
    ChargerReussites();
    CompterReussite(QStringLiteral("item0"));
    CompterReussite(QStringLiteral("loup"));
    EXPECT_EQ(EnregistrerReussites(), Enregistrement::Fait);
    etat.TableReussites = std::move(b);
    MarquerEchec(QStringLiteral("loup"));
    CompterReussite(QStringLiteral("item1"));
    EXPECT_EQ(EnregistrerReussites(), Enregistrement::Fait);
    EXPECT_EQ(s.lireOctets("CM1/Léa_OBV_Reussites.txt"), octetsLignes({"loup|3-0", "item0|1", "item1|1"}));
    // B now sees A's success too.
    EXPECT_GE(etat.TableReussites.chercher(QStringLiteral("item0")), 0);
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

TEST(Reussites, DeuxProcessusPourUnEleve)
{
    // Two instances signed in as one pupil, exercise after exercise, back to back: every success
    // of both is in the file at the end, each instance's new rows in its own order. With
    // DEUX_MACHINES_SECONDES=20 each loops for that long instead of a fixed count (a measure made
    // by hand; the assertion is the same).
    Seance s(false);
    eleve(s, "CM1", "Léa");
    s.ecrireLignes("CM1/Léa_OBV_Reussites.txt", {"déjà là|1"});
    const int secondes = qEnvironmentVariableIntValue("DEUX_MACHINES_SECONDES");
    auto machine = [&s, secondes](int m) {
        return std::function<int()>([&s, secondes, m] {
            const QDeadlineTimer fin(secondes * 1000);
            int n = 0, recuperees = 0;
            try {
                for (; secondes > 0 ? !fin.hasExpired() : n < 60; ++n) {
                    ChargerReussites(); // the sign-in of each exercise
                    CompterReussite(QStringLiteral("commun"));
                    CompterReussite(QStringLiteral("machine %1 exercice %2").arg(m).arg(n));
                    recuperees += EnregistrerReussites() == Enregistrement::Recupere;
                }
            } catch (const ErreurES&) {
                return 1;
            }
            s.ecrireLignes(QStringLiteral("machine%1").arg(m), {QString::number(n), QString::number(recuperees)});
            return 0;
        });
    };
    ASSERT_EQ(ensembleDansDesEnfants({machine(0), machine(1)}), std::vector<int>({0, 0}));

    ChargerReussites();
    const TableDesReussites& t = etat.TableReussites;
    ASSERT_GT(t.taille(), 0);
    EXPECT_EQ(t.ligne(0).cle, QStringLiteral("déjà là"));
    int faites = 0, perdues = 0, recuperees = 0;
    for (int m = 0; m < 2; ++m) {
        const QStringList compte = lireLignes(s.chemin(QStringLiteral("machine%1").arg(m)));
        const int n = compte.value(0).toInt();
        faites += 2 * n;
        recuperees += compte.value(1).toInt();
        int avant = -1;
        for (int i = 0; i < n; ++i) {
            const int rang = t.chercher(QStringLiteral("machine %1 exercice %2").arg(m).arg(i));
            if (rang < 0) {
                ++perdues;
                continue;
            }
            EXPECT_EQ(t.ligne(rang).comptes, QStringLiteral("1"));
            EXPECT_GT(rang, avant) << "machine " << m << ", exercice " << i;
            avant = rang;
        }
    }
    const int commun = t.chercher(QStringLiteral("commun"));
    perdues += faites / 2 - (commun < 0 ? 0 : serieEnCours(t.comptes(commun)));
    std::cout << "réussites : " << faites << ", perdues : " << perdues << ", sauvegardes récupérées : "
              << recuperees << std::endl;
    EXPECT_EQ(perdues, 0);
    EXPECT_EQ(recuperees, 0);
}

TEST(Reussites, FichierQuiNEstPlusUnFichierOrdinaire)
{
    // After the sign-in the successes file became a FIFO, a folder, a dangling link: the save is
    // the input/output error and leaves it as it is; the success waits for the file to be back.
    Minuteur delai(120);
    Seance s(false);
    eleve(s, "CM1", "Léa");
    const QString f = s.chemin("CM1/Léa_OBV_Reussites.txt");
    for (int cas = 0; cas < 3; ++cas) {
        SCOPED_TRACE(cas);
        s.ecrireLignes("CM1/Léa_OBV_Reussites.txt", {"chat|1"});
        ChargerReussites();
        CompterReussite(QStringLiteral("chat"));
        QFile::remove(f);
        if (cas == 0)
            ASSERT_EQ(mkfifo(QFile::encodeName(f).constData(), 0666), 0);
        else if (cas == 1)
            ASSERT_TRUE(QDir().mkdir(f));
        else
            ASSERT_TRUE(QFile::link(s.chemin("CM1/ailleurs.txt"), f));
        EXPECT_THROW((void)EnregistrerReussites(), ErreurES);
        EXPECT_FALSE(QFileInfo(f).isFile());
        EXPECT_FALSE(s.existe("CM1/ailleurs.txt"));
        if (cas == 1)
            QDir().rmdir(f);
        else
            QFile::remove(f);
        s.ecrireLignes("CM1/Léa_OBV_Reussites.txt", {"chat|1"});
        EXPECT_EQ(EnregistrerReussites(), Enregistrement::Fait);
        EXPECT_EQ(s.lireOctets("CM1/Léa_OBV_Reussites.txt"), octetsLignes({"chat|2"}));
    }
}

namespace {

// Runs the save as another user would (a machine of the share logged in as someone else): as
// root, in a child that gives up root; otherwise here, where the file's mode alone shuts us out.
int enregistrerCommeUnAutre()
{
    auto enregistrer = [] {
        try {
            return EnregistrerReussites() == Enregistrement::Fait ? 0 : 1;
        } catch (const ErreurES&) {
            return 2;
        }
    };
    if (geteuid() != 0)
        return enregistrer();
    return dansUnEnfant([&] {
        if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)
            return 3;
        return enregistrer();
    });
}

} // namespace

TEST(Reussites, NomDuVerrouPrisParAutreChose)
{
    // Whatever stands at the lock's name and is no lock that a live instance holds never blocks
    // the save, is never written through nor followed: it is set aside where the folder allows,
    // else the save goes on without a lock.
    Minuteur delai(120);
    struct DelaiNormal {
        ~DelaiNormal() { fixerDelaiVerrou(10000); }
    } delaiNormal;
    fixerDelaiVerrou(200);
    Seance s(false);
    eleve(s, "CM1", "Léa");
    s.ecrireLignes("CM1/autre.txt", {"à garder"});
    const QString dossier = s.chemin("CM1");
    const QByteArray verrou = QFile::encodeName(s.chemin("CM1/.~Léa_OBV_Reussites.txt.lck"));
    const bool root = geteuid() == 0;
    enum Auteur { Nous, UnAutre };
    struct Cas {
        const char* nom;
        std::function<void()> poser;
        bool reste;
        Auteur auteur = Nous;
        mode_t modeDossier = 0755;
    };
    const Cas cas[] = {
        {"dossier vide", [&] { ASSERT_EQ(mkdir(verrou.constData(), 0755), 0); }, false},
        {"dossier plein",
         [&] {
             ASSERT_EQ(mkdir(verrou.constData(), 0755), 0);
             s.ecrireLignes("CM1/.~Léa_OBV_Reussites.txt.lck/notes.txt", {"x"});
         },
         true},
        {"lien pendant", [&] { ASSERT_EQ(symlink("absent.txt", verrou.constData()), 0); }, false},
        {"lien vers un fichier", [&] { ASSERT_EQ(symlink("autre.txt", verrou.constData()), 0); }, false},
        {"tube nommé", [&] { ASSERT_EQ(mkfifo(verrou.constData(), 0666), 0); }, false},
        {"reste d'un verrou", [&] { s.ecrireLignes("CM1/.~Léa_OBV_Reussites.txt.lck", {}); }, false},
        {"fichier fermé d'un autre",
         [&] {
             s.ecrireLignes("CM1/.~Léa_OBV_Reussites.txt.lck", {"x"});
             ASSERT_EQ(chmod(verrou.constData(), root ? 0600 : 0), 0);
         },
         false, UnAutre, 0777},
        // The sticky bit: nobody may remove another's file there.
        {"fichier fermé d'un autre, dossier collant",
         [&] {
             s.ecrireLignes("CM1/.~Léa_OBV_Reussites.txt.lck", {"x"});
             ASSERT_EQ(chmod(verrou.constData(), 0600), 0);
         },
         true, UnAutre, 01777},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        if (c.auteur == UnAutre && c.reste && !root)
            continue; // our own file is ours to remove
        s.ecrireLignes("CM1/Léa_OBV_Reussites.txt", {"chat|1"});
        ChargerReussites();
        CompterReussite(QStringLiteral("chat"));
        c.poser();
        if (c.auteur == UnAutre) {
            ASSERT_EQ(chmod(QFile::encodeName(s.programme).constData(), 0755), 0);
            ASSERT_EQ(chmod(QFile::encodeName(dossier).constData(), c.modeDossier), 0);
            // Replaced by rename, also where only its owner may do that.
            ASSERT_EQ(chown(QFile::encodeName(s.chemin("CM1/Léa_OBV_Reussites.txt")).constData(), root ? 65534 : geteuid(),
                            root ? 65534 : getegid()),
                      0);
            const int r = enregistrerCommeUnAutre();
            ASSERT_EQ(chmod(QFile::encodeName(dossier).constData(), 0755), 0);
            if (r == 3)
                GTEST_SKIP() << "impossible de changer d'utilisateur ici";
            EXPECT_EQ(r, 0);
            etat.TableReussites.vider(); // saved over there: nothing left to save here
        } else {
            EXPECT_EQ(EnregistrerReussites(), Enregistrement::Fait);
        }
        EXPECT_EQ(s.lireOctets("CM1/Léa_OBV_Reussites.txt"), octetsLignes({"chat|2"}));
        struct stat l;
        EXPECT_EQ(lstat(verrou.constData(), &l) == 0, c.reste);
        // Nothing was followed, nothing was left aside.
        EXPECT_EQ(s.lireOctets("CM1/autre.txt"), octetsLignes({"à garder"}));
        EXPECT_FALSE(s.existe("CM1/absent.txt"));
        EXPECT_EQ(QDir(dossier).entryList({".~*"}, QDir::AllEntries | QDir::Hidden | QDir::System),
                  c.reste ? QStringList({".~Léa_OBV_Reussites.txt.lck"}) : QStringList());
        QDir(QFile::decodeName(verrou)).removeRecursively();
        ::unlink(verrou.constData());
    }
}
