// The results window's commands: printing the active tab, deleting a pupil, and what it opens
// with the desktop.

#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "ErreurES.h"
#include "FichierReussites.h"
#include "Fichiers.h"
#include "Parametrage.h"
#include "ReglesBilans.h"
#include "test_bilans_outils.h"

using namespace outilsBilans;

namespace {

// What a job drew, one "page y text" a line (empty lines draw nothing).
QStringList dessins(const TravailImprime& t)
{
    QStringList r;
    for (const TexteImprime& x : t.textes)
        r.append(QStringLiteral("%1 %2 %3 %4").arg(x.page).arg(x.x).arg(x.y).arg(x.texte));
    return r;
}

void clicDroit(VisionneuseTexte* boite, Qt::MouseButton bouton = Qt::RightButton)
{
    QTest::mousePress(boite->viewport(), bouton, Qt::NoModifier, QPoint(20, 5));
    QTest::mouseRelease(boite->viewport(), bouton, Qt::NoModifier, QPoint(20, 5));
}

const QString retrait = QStringLiteral("160"); // one tab stop of the recording printer

} // namespace

TEST(BilansImpression, SelectionEtTexteEntierEnTravauxSepares)
{
    Seance s(false);
    petiteClasse(s);
    ChoixFixe choix;
    choix.groupe = "CM1";
    choix.eleve = "Léa";
    demarrerSansAccueil(s, choix);
    bilans(s, 1, [&](TfBilans& f) {
        // Two lines selected in the log: the header, an empty line and those two lines.
        f.PageControl1->setCurrentWidget(f.TabSheet2);
        const QString detail = f.BilanDetail->texte();
        const qsizetype debut = detail.indexOf("journaux");
        f.BilanDetail->selectionner(debut, QStringLiteral("journaux\n  journals").size());
        cliquer(f.bImprime);
        ASSERT_EQ(s.p.imprimante.travaux.size(), 1);
        const TravailImprime& t = s.p.imprimante.travaux[0];
        EXPECT_EQ(t.etat, TravailImprime::Etat::Termine);
        EXPECT_EQ(t.titre, QStringLiteral("Bilan détaillé de : Léa"));
        EXPECT_EQ(dessins(t), QStringList({"1 " + retrait + " 300 Bilan détaillé de : Léa",
                                           "1 " + retrait + " 500 journaux",
                                           "1 " + retrait + " 600   journals"}));
        EXPECT_EQ(f.Tampon->toPlainText(), QStringLiteral("Bilan détaillé de : Léa\n\njournaux\n  journals"));

        // No selection, two copies: the whole list of exercises, twice.
        f.PageControl1->setCurrentWidget(f.TabSheet1);
        cliquer(f.bImprime);
        ASSERT_EQ(s.p.imprimante.travaux.size(), 3);
        for (int i : {1, 2})
            EXPECT_EQ(dessins(s.p.imprimante.travaux[i]),
                      QStringList({"1 " + retrait + " 300 Bilan exercices de : Léa",
                                   "1 " + retrait + " 500 07/12/2026 | Terminé    |    8 /  10 | Pluriels",
                                   "1 " + retrait + " 600 08/12/2026 | Interrompu |    2 /  10 | Pluriels"}));

        // Cancelled, or no copy: nothing.
        cliquer(f.bImprime);
        cliquer(f.bImprime);
        EXPECT_EQ(s.p.imprimante.travaux.size(), 3);

        // The successes tab; the password tab prints nothing, even called.
        f.PageControl1->setCurrentWidget(f.TabSheet3);
        cliquer(f.bImprime);
        EXPECT_EQ(dessins(s.p.imprimante.travaux.value(3)).value(1), "1 " + retrait + " 500 un cheval, des ...|3");
        f.PageControl1->setCurrentWidget(f.TabSheet4);
        f.bImprimeClick();
        EXPECT_EQ(s.p.imprimante.travaux.size(), 4);

        // Three copies into a file, which each job would replace: one job, a copy a page.
        s.p.imprimante.versFichier = true;
        f.PageControl1->setCurrentWidget(f.TabSheet1);
        cliquer(f.bImprime);
        ASSERT_EQ(s.p.imprimante.travaux.size(), 5);
        EXPECT_EQ(s.p.imprimante.travaux[4].pages, 3);
        QStringList copies;
        for (const QString page : {"1 ", "2 ", "3 "})
            for (const QString& l : dessins(s.p.imprimante.travaux[1]))
                copies.append(page + l.mid(2));
        EXPECT_EQ(dessins(s.p.imprimante.travaux[4]), copies);
    });
    s.p.repondreImpression(1);
    s.p.repondreImpression(2);
    s.p.repondreImpression(std::nullopt);
    s.p.repondreImpression(0);
    s.p.repondreImpression(1);
    s.p.repondreImpression(3);
    montrerBilans();
    EXPECT_EQ(s.p.journalDe("impression début").size(), 5);
}

TEST(BilansImpression, FaceEleveEtPanneDeLImprimante)
{
    Seance s(false);
    petiteClasse(s);
    ChoixFixe choix;
    choix.groupe = "CM1";
    choix.eleve = "Léa";
    demarrerSansAccueil(s, choix);
    eleveConnecte("CM1", "Léa");
    // A long text goes over several pages.
    QStringList longues;
    for (int i = 1; i <= 40; ++i)
        longues.append(QStringLiteral("ligne %1").arg(i));
    s.ecrireLignes("_Bilans/CM1/Léa_OBV_Exos.txt", longues);
    bilans(s, 0, [&](TfBilans& f) {
        f.PageControl1->setCurrentWidget(f.TabSheet1);
        // The printer fails on the second page of the first copy: that job is abandoned, the
        // user is told, and the second copy is not printed.
        s.p.imprimante.echouerA(OperationImpression::NouvellePage);
        cliquer(f.bImprime);
        ASSERT_EQ(s.p.imprimante.travaux.size(), 1);
        EXPECT_EQ(s.p.imprimante.travaux[0].etat, TravailImprime::Etat::Abandonne);

        cliquer(f.bImprime);
        ASSERT_EQ(s.p.imprimante.travaux.size(), 2);
        const TravailImprime& t = s.p.imprimante.travaux[1];
        EXPECT_EQ(t.pages, 2);
        EXPECT_EQ(t.textes.first().texte, QStringLiteral("Bilan exercices de : Léa"));
        EXPECT_EQ(t.textes.last(), (TexteImprime{2, 160, 1100, "ligne 40"}));
    });
    s.p.repondreImpression(2);
    s.p.boite(ReponseBoite::Ok, "L'imprimante n'a pas pu passer à la page suivante.");
    s.p.repondreImpression(1);
    montrerBilans();
    EXPECT_EQ(s.p.journalDe("boite").first(),
              QStringLiteral("boite Erreur | Ombrivelle | L'imprimante n'a pas pu passer à la page suivante."));
}

TEST(BilansSuppression, OuiNonEtFichiersRestants)
{
    Seance s(false);
    petiteClasse(s);
    s.ecrireLignes("_Bilans/CM1/Léa_OBV_Reussites.old", {"sauvegarde"});
    s.ecrireLignes("_Exercices_OBV/[Tous les exercices personnels]/CM1/Léa.txt", {"item|réponse"});
    s.ecrireLignes("_Bilans/CM1/Tom_OBV_Detail.txt", {});
    ChoixFixe choix;
    choix.groupe = "CM1";
    choix.eleve = "Léa";
    demarrerSansAccueil(s, choix);
    // Léa's successes are in memory, from her file; the program would write them back.
    eleveConnecte("CM1", "Léa");
    ChargerReussites();
    ASSERT_FALSE(etat.TableReussites.estVide());
    const QString question = QStringLiteral("Voulez-vous vraiment supprimer l'élève Léa de ce groupe ?");
    bilans(s, 1, [&](TfBilans& f) {
        cliquer(f.bSupprimer); // No
        EXPECT_TRUE(s.existe("_Bilans/CM1/Léa_Pwd.txt"));
        EXPECT_EQ(textes(f.cChoixEleve), QStringList({"Léa", "Tom"}));

        // The password file was removed by hand: the three others go all the same.
        QFile::remove(s.chemin("_Bilans/CM1/Léa_Pwd.txt"));
        cliquer(f.bSupprimer); // Yes
        for (const char* suffixe : {"_OBV_Reussites.txt", "_OBV_Detail.txt", "_OBV_Exos.txt"})
            EXPECT_FALSE(s.existe(QStringLiteral("_Bilans/CM1/Léa") + suffixe)) << suffixe;
        EXPECT_TRUE(s.existe("_Bilans/CM1/Léa_OBV_Reussites.old"));
        EXPECT_TRUE(s.existe("_Exercices_OBV/[Tous les exercices personnels]/CM1/Léa.txt"));
        // The list is rebuilt, its first pupil shown.
        EXPECT_EQ(textes(f.cChoixEleve), QStringList({"Tom"}));
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Bilans \"Ombrivelle\" de Tom"));
        EXPECT_EQ(f.MotDePasse->texte(), QStringLiteral("foot"));
        EXPECT_TRUE(etat.TableReussites.estVide());
        EXPECT_TRUE(etat.TableReussites.fichierSource.isEmpty());

        // The last pupil of the group: an empty list and four empty tabs.
        cliquer(f.bSupprimer);
        EXPECT_EQ(textes(f.cChoixEleve), QStringList());
        EXPECT_EQ(onglets(f), QStringList({"", "", "", ""}));
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Bilans \"Ombrivelle\" de "));
        EXPECT_EQ(QDir(s.chemin("_Bilans/CM1")).entryList(QDir::Files), QStringList({"Léa_OBV_Reussites.old"}));

        // Nobody selected: no question, nothing deleted (no "_Pwd.txt" either).
        s.ecrireLignes("_Bilans/CM1/_Pwd.txt", {});
        cliquer(f.bSupprimer);
        EXPECT_TRUE(s.existe("_Bilans/CM1/_Pwd.txt"));
    });
    s.p.boite(ReponseBoite::Non, question);
    s.p.boite(ReponseBoite::Oui, question);
    s.p.boite(ReponseBoite::Oui, QStringLiteral("Voulez-vous vraiment supprimer l'élève Tom de ce groupe ?"));
    montrerBilans();
    EXPECT_EQ(s.p.journalDe("boite").first(),
              "boite Confirmation | Ombrivelle | " + question);
    // Nothing writes the deleted pupil's successes back.
    EXPECT_EQ(EnregistrerReussites(), Enregistrement::Fait);
    EXPECT_FALSE(s.existe("_Bilans/CM1/Léa_OBV_Reussites.txt"));
}

namespace {

int suppressions = 0;
// The second and third deletions fail, as in a folder that cannot be written.
bool suppressionsRefusees(EtapeEcriture e)
{
    return e == EtapeEcriture::Suppression && (++suppressions == 2 || suppressions == 3);
}

} // namespace

TEST(BilansSuppression, FichiersLaissesDitsEtTemporairesPerimesEnleves)
{
    Seance s(false);
    petiteClasse(s);
    // What killed saves left in the group folder: an old temporary file, and one being written.
    s.ecrireLignes("_Bilans/CM1/.~9zt4.tmp", {"x"});
    s.ecrireLignes("_Bilans/CM1/.~ab12.tmp", {"x"});
    const timespec vieux[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(s.chemin("_Bilans/CM1/.~9zt4.tmp")).constData(), vieux, 0), 0);
    ChoixFixe choix;
    choix.groupe = "CM1";
    choix.eleve = "Léa";
    demarrerSansAccueil(s, choix);
    bilans(s, 1, [&](TfBilans& f) {
        suppressions = 0;
        injecterPanneEcriture(suppressionsRefusees);
        cliquer(f.bSupprimer);
        injecterPanneEcriture(nullptr);
        // She is still a pupil of the group, and still the one shown, with what is left.
        EXPECT_EQ(textes(f.cChoixEleve), QStringList({"Léa", "Tom"}));
        EXPECT_EQ(f.cChoixEleve->currentText(), QStringLiteral("Léa"));
        EXPECT_EQ(f.BilanExo->texte(), QString());
        EXPECT_FALSE(f.BilanDetail->texte().isEmpty());
    });
    s.p.boite(ReponseBoite::Oui);
    s.p.boite(ReponseBoite::Ok, QStringLiteral("L'élève Léa n'a pas pu être supprimé entièrement. Ces fichiers restent "
                                               "dans le dossier ")
                                    + s.chemin("_Bilans/CM1") + QStringLiteral(" :\nLéa_Pwd.txt\nLéa_OBV_Detail.txt"));
    montrerBilans();
    EXPECT_TRUE(s.p.journalDe("boite").last().startsWith(QStringLiteral("boite Avertissement | Ombrivelle | ")));
    QStringList restes = QDir(s.chemin("_Bilans/CM1")).entryList(QDir::Files | QDir::Hidden);
    restes.sort();
    EXPECT_EQ(restes, QStringList({".~ab12.tmp", "Léa_OBV_Detail.txt", "Léa_Pwd.txt", "Tom_OBV_Exos.txt", "Tom_Pwd.txt"}));
}

TEST(BilansSuppression, LesReussitesDUnAutreEleveRestent)
{
    Seance s(false);
    petiteClasse(s);
    ChoixFixe choix;
    choix.groupe = "CM1";
    choix.eleve = "Tom";
    demarrerSansAccueil(s, choix);
    eleveConnecte("CM1", "Léa");
    ChargerReussites();
    bilans(s, 1, [&](TfBilans& f) { cliquer(f.bSupprimer); });
    s.p.boite(ReponseBoite::Oui);
    montrerBilans();
    EXPECT_FALSE(s.existe("_Bilans/CM1/Tom_Pwd.txt"));
    EXPECT_EQ(etat.TableReussites.taille(), 2);
    EXPECT_EQ(etat.TableReussites.fichierSource, s.chemin("_Bilans/CM1/Léa_OBV_Reussites.txt"));
}

TEST(BilansSuppression, NomDuVerrouEtReussitesEnAttentePartentAvecLEleve)
{
    // Léa's last save failed and Tom signed in since; a dangling link stands at the name of her
    // successes' lock. Her deletion takes both away: a Léa registered again starts from nothing.
    Seance s(false);
    petiteClasse(s);
    ChoixFixe choix;
    choix.groupe = "CM1";
    choix.eleve = "Léa";
    demarrerSansAccueil(s, choix);
    eleveConnecte("CM1", "Léa");
    ChargerReussites();
    CompterReussite(QStringLiteral("un journal, des ..."));
    injecterPanneEcriture([](EtapeEcriture e) { return e == EtapeEcriture::Creation; });
    EXPECT_THROW((void)EnregistrerReussites(), ErreurES);
    injecterPanneEcriture(nullptr);
    eleveConnecte("CM1", "Tom");
    ChargerReussites();
    const QByteArray verrou = QFile::encodeName(s.chemin("_Bilans/CM1/.~Léa_OBV_Reussites.txt.lck"));
    ASSERT_EQ(symlink("ailleurs.txt", verrou.constData()), 0);

    bilans(s, 1, [&](TfBilans& f) { cliquer(f.bSupprimer); });
    s.p.boite(ReponseBoite::Oui);
    montrerBilans();
    EXPECT_FALSE(s.existe("_Bilans/CM1/Léa_Pwd.txt"));
    struct stat l;
    EXPECT_NE(lstat(verrou.constData(), &l), 0);

    s.ecrireLignes("_Bilans/CM1/Léa_Pwd.txt", {"neuf"});
    s.ecrireLignes("_Bilans/CM1/Léa_OBV_Reussites.txt", {});
    eleveConnecte("CM1", "Léa");
    ChargerReussites();
    EXPECT_EQ(EnregistrerReussites(), Enregistrement::Fait);
    EXPECT_EQ(s.lireOctets("_Bilans/CM1/Léa_OBV_Reussites.txt"), QByteArray());
}

TEST(BilansOuvertures, FichiersDossiersEtPages)
{
    Seance s(false);
    petiteClasse(s);
    ChoixFixe choix;
    choix.groupe = "CM1";
    choix.eleve = "Léa";
    demarrerSansAccueil(s, choix);
    const QString cm1 = s.chemin("_Bilans/CM1/");
    bilans(s, 1, [&](TfBilans& f) {
        for (QWidget* page : {f.TabSheet1, f.TabSheet2, f.TabSheet3, f.TabSheet4}) {
            f.PageControl1->setCurrentWidget(page);
            cliquer(f.bModifier);
        }
        clicDroit(f.BilanExo);
        clicDroit(f.BilanDetail);
        clicDroit(f.ItemReussis);
        clicDroit(f.MotDePasse);
        clicDroit(f.BilanExo, Qt::LeftButton);
        clicDroit(f.MotDePasse, Qt::MiddleButton);
        // Tom has no log: nothing opens.
        choisir(f.cChoixEleve, "Tom");
        f.PageControl1->setCurrentWidget(f.TabSheet2);
        cliquer(f.bModifier);
        clicDroit(f.BilanDetail);

        cliquer(f.bAide);
        cliquer(f.bApropos);
        s.ecrireLignes("_Aide/ombrivelle/index.htm", {"<html></html>"});
        s.ecrireOctets("TLV-Maj.exe", "MZ");
        cliquer(f.bAide);
        cliquer(f.bApropos);
        cliquer(f.bGererGroupes);
        cliquer(f.bTextes);
        cliquer(f.bBanque);
        cliquer(f.bConfigurer);
    });
    s.p.fenetre<TfParametrage>([](TfParametrage& f) {
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Paramétrage"));
        f.Close();
    });
    montrerBilans();
    QStringList attendu;
    for (const char* f : {"Léa_OBV_Exos.txt", "Léa_OBV_Detail.txt", "Léa_OBV_Reussites.txt", "Léa_Pwd.txt",
                          "Léa_OBV_Exos.txt", "Léa_OBV_Detail.txt", "Léa_OBV_Reussites.txt", "Léa_Pwd.txt"})
        attendu.append("ouvrir " + cm1 + QString::fromUtf8(f));
    attendu += {"ouvrir " + s.chemin("_Aide/ombrivelle/index.htm"), "lancer " + s.chemin("TLV-Maj.exe"),
                "ouvrir " + s.chemin("_Bilans/"), "ouvrir " + s.chemin("_Exercices_OBV/"),
                "ouvrir https://www.talvorenne.fr/ombrivelle/banque-exercices/"};
    QStringList fait = s.p.journalDe("ouvrir");
    fait += s.p.journalDe("lancer");
    std::sort(attendu.begin(), attendu.end());
    std::sort(fait.begin(), fait.end());
    EXPECT_EQ(fait, attendu);
    EXPECT_EQ(s.p.journalDe("fenetre TfParametrage").size(), 1);

    // An open that fails is told, naming what could not be opened; the window goes on.
    s.p.journal.clear();
    s.p.ouvertureReussie = false;
    bilans(s, 1, [&](TfBilans& f) {
        f.PageControl1->setCurrentWidget(f.TabSheet1);
        cliquer(f.bModifier);
        clicDroit(f.MotDePasse);
        cliquer(f.bBanque);
        cliquer(f.bApropos);
    });
    for (const QString& cible : {cm1 + "Léa_OBV_Exos.txt", cm1 + "Léa_Pwd.txt",
                                 QStringLiteral("https://www.talvorenne.fr/ombrivelle/banque-exercices/")})
        s.p.boite(ReponseBoite::Ok,
                  "Impossible d'ouvrir « " + cible + " ».\rAucun logiciel de cet ordinateur n'a pu l'ouvrir.");
    s.p.boite(ReponseBoite::Ok, "Impossible de lancer le programme « " + s.chemin("TLV-Maj.exe") + " ».");
    montrerBilans();
    const QStringList boites = s.p.journalDe("boite");
    ASSERT_EQ(boites.size(), 4);
    for (const QString& b : boites)
        EXPECT_TRUE(b.startsWith("boite Erreur | " + titreApplication() + " | Impossible ")) << b.toStdString();
}

TEST(BilansOuvertures, FaceEleve)
{
    Seance s(false);
    petiteClasse(s);
    ChoixFixe choix;
    demarrerSansAccueil(s, choix);
    eleveConnecte("CM1", "Léa");
    bilans(s, 0, [&](TfBilans& f) {
        // Only the pupil's own password file opens from the pupil face.
        clicDroit(f.BilanExo);
        clicDroit(f.BilanDetail);
        clicDroit(f.ItemReussis);
        clicDroit(f.MotDePasse);
        cliquer(f.bApropos); // no updater: nothing
    });
    montrerBilans();
    EXPECT_EQ(s.p.journalDe("ouvrir"), QStringList({"ouvrir " + s.chemin("_Bilans/CM1/Léa_Pwd.txt")}));
    EXPECT_TRUE(s.p.journalDe("lancer").isEmpty());
}
