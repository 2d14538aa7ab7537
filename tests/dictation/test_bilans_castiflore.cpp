// The dictation program's results window: its two faces, its files, its refresh, its printing
// and its sound recorder.

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTabWidget>
#include <QTextEdit>

#include "test_bilans_castiflore_outils.h"

using namespace outilsBilans;
using namespace outilsBilansCastiflore;

namespace {

QStringList visibles(const TfBilans& f)
{
    QStringList r;
    for (QWidget* w : QList<QWidget*>{f.cChoixGroupe, f.cChoixEleve, f.Tcadre, f.bSupprimer, f.bGererGroupes,
                                      f.bConfigurer, f.bMagneto, f.bImprime, f.bModifier, f.bRafraichir, f.bTextes,
                                      f.bBanque, f.bAide, f.bApropos, f.bQuitterBilan})
        if (w->isVisibleTo(&f))
            r.append(w->objectName());
    return r;
}

// The bottom row's buttons from left to right.
QStringList rangee(const TfBilans& f)
{
    QList<QPushButton*> boutons;
    for (QPushButton* b : f.findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly))
        if (b->isVisibleTo(&f))
            boutons.append(b);
    std::sort(boutons.begin(), boutons.end(), [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
    QStringList r;
    for (QPushButton* b : boutons)
        r.append(b->objectName());
    return r;
}

const QStringList ongletsLea = {
    "07/12/2026 | Terminé    |   16 /  20 | Animaux\n08/12/2026 | Interrompu |    5 /  20 | Animaux",
    "07/12/2026 à 14:05:32 - 4 items - Exercice [Animaux]\nItem réussi le chat en 4 s.\n\nla vache\n  la vace\n"
    "Item réussi la vache en 12 s.",
    "le chat|3\nla vache|1-0", "chat"};

// A program file in a folder of its own, executable or not.
QString programme(Seance& s, const QString& relatif, bool executable = true)
{
    s.ecrireLignes(relatif, {"#!/bin/sh"});
    QFile::Permissions droits = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        droits |= QFile::ExeOwner;
    QFile::setPermissions(s.chemin(relatif), droits);
    return s.chemin(relatif);
}

} // namespace

TEST(BilansCastiflore, FaceEleve)
{
    struct Cas {
        const char* reglages;
        QStringList visibles;
    };
    const QList<Cas> cas = {
        {"ENREGISTREMENT SON=Non", {"bImprime", "bRafraichir", "bApropos", "bQuitterBilan"}},
        {"ENREGISTREMENT SON=oui", {"bMagneto", "bImprime", "bRafraichir", "bApropos", "bQuitterBilan"}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.reglages);
        // The other program's keys allow nothing here.
        SeanceCastiflore sc({c.reglages, "ENREGISTREMENT TEXTE=Oui", "IMPRESSION=Oui"});
        sc.choix.groupe = "CM1";
        sc.choix.eleve = "Léa";
        eleveConnecte("CM1", "Léa");
        sc.montrerBilans(0, [&](TfBilans& f) {
            EXPECT_EQ(f.windowTitle(), QStringLiteral("Bilans \"Castiflore\" de Léa"));
            EXPECT_EQ(f.lTitre->text(), QStringLiteral("MON BILAN"));
            EXPECT_EQ(visibles(f), c.visibles);
            EXPECT_EQ(onglets(f), ongletsLea);
            EXPECT_EQ(f.ItemReussis->couleurLigne(0), QColor(Qt::red));
            EXPECT_EQ(f.ItemReussis->couleurLigne(1), QColor(Qt::black));
            // The hint to edit is the teacher's; the password's is everyone's.
            EXPECT_EQ(f.BilanExo->toolTip(), QString());
            EXPECT_EQ(f.ItemReussis->toolTip(), QString());
            EXPECT_EQ(f.MotDePasse->toolTip(), QStringLiteral("Clic droit pour modifier le mot de passe"));
        });
    }
}

TEST(BilansCastiflore, FaceEnseignant)
{
    SeanceCastiflore sc({"IMPRESSION=Non", "ENREGISTREMENT SON=Non"});
    sc.choix.groupe = "CM1";
    sc.choix.eleve = "Visiteur";
    eleveConnecte("CE2", "Noé");
    sc.montrerBilans(1, [&](TfBilans& f) {
        EXPECT_EQ(f.lTitre->text(), QStringLiteral("MODULE ENSEIGNANT"));
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Bilans \"Castiflore\" de Léa"));
        const QStringList rang = {"bSupprimer", "bGererGroupes", "bConfigurer", "bMagneto", "bImprime", "bModifier",
                                  "bRafraichir", "bBanque", "bAide", "bApropos", "bQuitterBilan"};
        EXPECT_EQ(rangee(f), rang);
        EXPECT_EQ(visibles(f), QStringList({"cChoixGroupe", "cChoixEleve", "Tcadre"}) + rang);
        // The whole row within the window.
        for (const QString& nom : rang) {
            const auto* b = f.findChild<QPushButton*>(nom);
            EXPECT_LE(b->geometry().right(), f.width()) << nom.toStdString();
        }
        QStringList captions;
        for (int i = 0; i < f.PageControl1->count(); ++i)
            captions.append(f.PageControl1->tabText(i));
        EXPECT_EQ(captions, QStringList({"Résultats des exercices", "Bilan détaillé", "Items réussis", "Mot de passe"}));
        EXPECT_EQ(onglets(f), ongletsLea);
        EXPECT_EQ(f.BilanExo->toolTip(), QStringLiteral("Clic droit pour modifier"));
        EXPECT_EQ(f.BilanDetail->toolTip(), QStringLiteral("Clic droit pour modifier"));
        EXPECT_EQ(f.ItemReussis->toolTip(), QStringLiteral("Clic droit pour modifier"));
        EXPECT_EQ(f.bMagneto->toolTip(), QStringLiteral("Enregistrer un son"));
        EXPECT_EQ(f.bModifier->text(), QStringLiteral("Modifier"));
        EXPECT_EQ(f.bConfigurer->toolTip(), QStringLiteral("Modifier le fichier de configuration castiflore.ini"));
        EXPECT_EQ(f.bBanque->toolTip(),
                  QStringLiteral("Banque d'exercices - https://www.talvorenne.fr/castiflore/banque-exercices/"));

        choisir(f.cChoixGroupe, "CE2");
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Bilans \"Castiflore\" de Noé"));
        EXPECT_EQ(onglets(f), QStringList({"09/12/2026 | Terminé    |   20 /  20 | Mots invariables", "", "", "lune"}));

        // The commands reach the program's own files, help page and bank.
        choisir(f.cChoixGroupe, "CM1");
        f.PageControl1->setCurrentWidget(f.TabSheet3);
        cliquer(f.bModifier);
        cliquer(f.bAide);
        cliquer(f.bBanque);
    });
    EXPECT_EQ(sc.s.p.journalDe("ouvrir"),
              QStringList({"ouvrir " + sc.s.chemin("_Bilans/CM1/Léa_CSF_Reussites.txt"),
                           "ouvrir https://www.talvorenne.fr/castiflore/banque-exercices/"}));
    // The help page of this program, once it is there.
    sc.s.ecrireLignes("_Aide/castiflore/index.htm", {"<html></html>"});
    sc.montrerBilans(1, [](TfBilans& f) { cliquer(f.bAide); });
    EXPECT_EQ(sc.s.p.journalDe("ouvrir").last(), "ouvrir " + sc.s.chemin("_Aide/castiflore/index.htm"));
}

TEST(BilansCastiflore, RafraichirRechargeLesOngletsDeLEleve)
{
    SeanceCastiflore sc;
    sc.choix.groupe = "CM1";
    sc.choix.eleve = "Léa";
    // The lists hold what the teacher last looked at.
    sc.montrerBilans(1, [](TfBilans& f) { choisir(f.cChoixEleve, "Tom"); });
    eleveConnecte("CM1", "Léa");
    sc.montrerBilans(0, [&](TfBilans& f) {
        sc.s.ecrireLignes("_Bilans/CM1/Léa_CSF_Exos.txt", {"dictée du jour"});
        sc.s.ecrireLignes("_Bilans/CM1/Léa_CSF_Reussites.txt", {"le chat|1", "la vache|3"});
        sc.parametres({"REPONSES NECESSAIRES=1", "ENREGISTREMENT SON=Oui"});
        cliquer(f.bRafraichir);
        EXPECT_EQ(f.BilanExo->texte(), QStringLiteral("dictée du jour"));
        EXPECT_EQ(f.ItemReussis->couleurLigne(0), QColor(Qt::red)); // 1 needed now
        EXPECT_EQ(f.ItemReussis->couleurLigne(1), QColor(Qt::black));
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Bilans \"Castiflore\" de Léa"));
        EXPECT_EQ(etat.EnregistrementSon, 1);
        EXPECT_EQ(etat.RepertoireGroupe, etat.RepertoireBilans + "CM1/");
        // The buttons follow the settings at the next opening only.
        EXPECT_FALSE(f.bMagneto->isVisibleTo(&f));
    });

    // Teacher face: it ends on the selected pupil, reloaded.
    sc.choix.eleve = "Léa";
    sc.montrerBilans(1, [&](TfBilans& f) {
        choisir(f.cChoixGroupe, "CE2");
        sc.s.ecrireLignes("_Bilans/CE2/Noé_CSF_Exos.txt", {"relu"});
        cliquer(f.bRafraichir);
        EXPECT_EQ(f.cChoixEleve->currentText(), QStringLiteral("Noé"));
        EXPECT_EQ(onglets(f), QStringList({"relu", "", "", "lune"}));
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Bilans \"Castiflore\" de Noé"));
    });
}

TEST(BilansCastiflore, ImpressionEnUnDocument)
{
    SeanceCastiflore sc;
    sc.choix.groupe = "CM1";
    sc.choix.eleve = "Léa";
    eleveConnecte("CM1", "Léa");
    sc.montrerBilans(0, [&](TfBilans& f) {
        // A selection of two lines of the log: the header, an empty line, those lines; no TAB,
        // no leading empty line.
        f.PageControl1->setCurrentWidget(f.TabSheet2);
        const qsizetype debut = f.BilanDetail->texte().indexOf("la vache");
        f.BilanDetail->selectionner(debut, QStringLiteral("la vache\n  la vace").size());
        cliquer(f.bImprime);
        ASSERT_EQ(sc.s.p.imprimante.travaux.size(), 1);
        const TravailImprime& t = sc.s.p.imprimante.travaux[0];
        EXPECT_TRUE(t.texteRiche);
        EXPECT_EQ(t.texte, QStringLiteral("Bilan détaillé de : Léa\n\nla vache\n  la vace"));
        EXPECT_EQ(t.police, QStringLiteral("Courier New"));

        // Cancelled: nothing. The whole successes list when nothing is selected.
        cliquer(f.bImprime);
        f.PageControl1->setCurrentWidget(f.TabSheet3);
        cliquer(f.bImprime);
        ASSERT_EQ(sc.s.p.imprimante.travaux.size(), 2);
        EXPECT_EQ(sc.s.p.imprimante.travaux[1].texte, QStringLiteral("Items réussis de : Léa\n\nle chat|3\nla vache|1-0"));

        // The password tab leaves printing on; its click does nothing at all.
        f.PageControl1->setCurrentWidget(f.TabSheet4);
        EXPECT_TRUE(f.bImprime->isEnabled());
        const int avant = sc.s.p.journal.size();
        cliquer(f.bImprime);
        EXPECT_EQ(sc.s.p.journal.size(), avant);

        // A printer that fails: the user is told.
        f.PageControl1->setCurrentWidget(f.TabSheet1);
        sc.s.p.imprimante.echouerA(OperationImpression::TexteRiche);
        cliquer(f.bImprime);
    }, [&] {
        sc.s.p.repondreImprimante(true);
        sc.s.p.repondreImprimante(false);
        sc.s.p.repondreImprimante(true);
        sc.s.p.repondreImprimante(true);
        sc.s.p.boite(ReponseBoite::Ok, "L'imprimante est hors service.");
    });
    // Closed on the password tab, reopened: printing is still on.
    sc.montrerBilans(0, [](TfBilans& f) {
        EXPECT_EQ(f.PageControl1->currentWidget(), f.TabSheet1);
        f.PageControl1->setCurrentWidget(f.TabSheet4);
    });
    sc.montrerBilans(1, [](TfBilans& f) { EXPECT_TRUE(f.bImprime->isEnabled()); });
    EXPECT_TRUE(sc.s.p.journalDe("dialogue impression").isEmpty());
    EXPECT_EQ(sc.s.p.journalDe("dialogue imprimante").size(), 4);
}

TEST(BilansCastiflore, SuppressionDesFichiersDuProgramme)
{
    SeanceCastiflore sc;
    EXPECT_EQ(reglesBilans().fichiersASupprimer("/g/", "Léa"),
              QStringList({"/g/Léa_CSF_Reussites.txt", "/g/Léa_Pwd.txt", "/g/Léa_CSF_Detail.txt", "/g/Léa_CSF_Exos.txt"}));
    sc.choix.groupe = "CM1";
    sc.choix.eleve = "Léa";
    sc.montrerBilans(1, [&](TfBilans& f) {
        cliquer(f.bSupprimer);
        EXPECT_EQ(textes(f.cChoixEleve), QStringList({"Tom"}));
        EXPECT_EQ(onglets(f), QStringList({"", "", "", "foot"}));
    }, [&] { sc.s.p.boite(ReponseBoite::Oui, "Voulez-vous vraiment supprimer l'élève Léa de ce groupe ?"); });
    // The other program's files of that pupil stay.
    EXPECT_EQ(QDir(sc.s.chemin("_Bilans/CM1")).entryList(QDir::Files, QDir::Name),
              QStringList({"Léa_OBV_Exos.txt", "Tom_Pwd.txt"}));
}

TEST(BilansCastiflore, EnregistreurDeSons)
{
    struct Cas {
        const char* nom;
        QString cheminLogSon;     // relative to the program folder when not empty
        QStringList surLeChemin;  // recorders found on the PATH
        QString attendu;          // journal line; "" nothing
    };
    const QList<Cas> cas = {
        {"programme choisi", "outils/Mon Enregistreur", {"audacity"}, "lancer {P}outils/Mon Enregistreur"},
        {"nom écrit dans une autre casse", "OUTILS/mon enregistreur", {}, "lancer {P}outils/Mon Enregistreur"},
        {"fichier qui n'est pas un programme", "outils/enregistreur.bat", {}, "ouvrir {P}outils/enregistreur.bat"},
        {"programme absent", "outils/absent", {"kwave", "audacity"}, "lancer {P}bin/audacity"},
        {"aucun programme choisi", "", {"gnome-sound-recorder", "audacity"}, "lancer {P}bin/gnome-sound-recorder"},
        {"un dossier", "outils", {"kwave"}, "lancer {P}bin/kwave"},
        {"aucun enregistreur", "", {}, ""},
    };
    const QString aucun = QStringLiteral(
        "Impossible de lancer un logiciel d'enregistrement de sons : aucun n'est installé (gnome-sound-recorder, "
        "audacity, kwave).\rLe module enseignant permet d'en indiquer un dans « Configurer ».");
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        SeanceCastiflore sc({"ENREGISTREMENT SON=Oui"});
        programme(sc.s, "outils/Mon Enregistreur");
        programme(sc.s, "outils/enregistreur.bat", false);
        QDir().mkpath(sc.s.chemin("bin"));
        for (const QString& nom : c.surLeChemin)
            programme(sc.s, "bin/" + nom);
        // Not executable: not a recorder.
        programme(sc.s, "bin/gnome-sound-recorder.txt", false);
        CheminsDeRecherche chemins(sc.s.chemin("bin") + ":" + sc.s.chemin("vide"));
        etat.CheminLogSon = c.cheminLogSon.isEmpty() ? QString() : sc.s.chemin(c.cheminLogSon);
        eleveConnecte("CM1", "Léa");
        // Nothing to start is told, as a start that fails is.
        for (const bool reussi : {true, false}) {
            sc.s.p.journal.clear();
            sc.s.p.ouvertureReussie = reussi;
            const QString programme = QString(c.attendu).section(' ', 1).replace("{P}", sc.s.programme);
            const QString echec = c.attendu.isEmpty() ? aucun
                                  : c.attendu.startsWith("lancer")
                                      ? "Impossible de lancer le programme « " + programme + " »."
                                      : "Impossible d'ouvrir « " + programme
                                            + " ».\rAucun logiciel de cet ordinateur n'a pu l'ouvrir.";
            sc.montrerBilans(0, [](TfBilans& f) { cliquer(f.bMagneto); }, [&] {
                if (!reussi || c.attendu.isEmpty())
                    sc.s.p.boite(ReponseBoite::Ok, echec);
            });
            QStringList attendu;
            if (!c.attendu.isEmpty())
                attendu.append(QString(c.attendu).replace("{P}", sc.s.programme));
            QStringList lancements = sc.s.p.journalDe("lancer") + sc.s.p.journalDe("ouvrir");
            EXPECT_EQ(lancements, attendu);
            EXPECT_EQ(sc.s.p.journalDe("boite").size(), !reussi || c.attendu.isEmpty() ? 1 : 0);
        }
    }
    // A relative name is found from the current folder, as the settings reader leaves it.
    SeanceCastiflore sc;
    programme(sc.s, "_Exercices_CSF/rec");
    CheminsDeRecherche chemins(sc.s.chemin("vide"));
    etat.CheminLogSon = QStringLiteral("rec");
    sc.montrerBilans(1, [](TfBilans& f) { cliquer(f.bMagneto); });
    EXPECT_EQ(sc.s.p.journalDe("lancer"), QStringList({"lancer " + sc.s.chemin("_Exercices_CSF/rec")}));
}
