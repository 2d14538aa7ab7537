// The results window's two faces: titles, captions, lists and their preselection, the tabs
// loaded whole, the red marking, the refresh and the tab change.

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include "MotDePasse.h"
#include "ReglesBilans.h"
#include "Texte.h"
#include "Unit2.h"
#include "test_bilans_outils.h"

using namespace outilsBilans;

namespace {

const QString conseil = QStringLiteral("Pour protéger l'accès \"Enseignant\", cliquer sur le bouton <Configurer>");

QStringList visibles(const TfBilans& f)
{
    QStringList r;
    for (QWidget* w : QList<QWidget*>{f.cChoixGroupe, f.cChoixEleve, f.Tcadre, f.bSupprimer, f.bGererGroupes,
                                      f.bConfigurer, f.bImprime, f.bModifier, f.bRafraichir, f.bTextes, f.bBanque,
                                      f.bAide, f.bApropos, f.bQuitterBilan})
        if (w->isVisibleTo(&f))
            r.append(w->objectName());
    return r;
}

// A file that exists and cannot be read, whoever runs the tests.
void illisible(Seance& s, const QString& relatif)
{
    QFile::remove(s.chemin(relatif));
    ASSERT_TRUE(QFile::link(QStringLiteral("/proc/self/mem"), s.chemin(relatif)));
}

} // namespace

TEST(Bilans, FaceEleve)
{
    Seance s(false);
    petiteClasse(s, {"IMPRESSION=Non", "ENREGISTREMENT TEXTE=Non"});
    ChoixFixe choix;
    choix.groupe = "CM1";
    choix.eleve = "Léa";
    demarrerSansAccueil(s, choix);
    eleveConnecte("CM1", "Léa");
    bilans(s, 0, [&](TfBilans& f) {
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Bilans \"Ombrivelle\" de Léa"));
        EXPECT_EQ(f.lTitre->text(), QStringLiteral("MON BILAN"));
        EXPECT_TRUE(f.lMessage->text().isEmpty());
        EXPECT_EQ(visibles(f), QStringList({"bRafraichir", "bApropos", "bQuitterBilan"}));
        EXPECT_EQ(onglets(f), QStringList({"07/12/2026 | Terminé    |    8 /  10 | Pluriels\n"
                                           "08/12/2026 | Interrompu |    2 /  10 | Pluriels",
                                           "07/12/2026 à 14:05:32 - 2 items - Exercice [Pluriels]\n"
                                           "Item réussi un cheval, des ... en 4 s.\n\njournaux\n  journals\n"
                                           "Item réussi un journal, des ... en 1 min 2 s.",
                                           "un cheval, des ...|3\nun journal, des ...|1-0", "chat"}));
        EXPECT_EQ(f.ItemReussis->couleurLigne(0), QColor(Qt::red));
        EXPECT_EQ(f.ItemReussis->couleurLigne(1), QColor(Qt::black));
        // The pupil face never touches the group folder.
        EXPECT_EQ(etat.RepertoireGroupe, etat.RepertoireBilans + "CM1/");
        EXPECT_EQ(f.PageControl1->tabText(0), QStringLiteral("Résultats"));
        EXPECT_EQ(f.PageControl1->tabText(3), QStringLiteral("Mot de passe"));
    });
    montrerBilans();

    // Printing and exercises allowed to pupils.
    s.parametres({"REPERTOIRE TEXTES=", "REPERTOIRE BILANS=", "IMPRESSION=Oui", "ENREGISTREMENT TEXTE=Oui"});
    Form1->ChargerParametres();
    eleveConnecte("", "Sacha");
    bilans(s, 0, [&](TfBilans& f) {
        EXPECT_EQ(visibles(f), QStringList({"bImprime", "bRafraichir", "bTextes", "bApropos", "bQuitterBilan"}));
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Bilans \"Ombrivelle\" de Sacha"));
        EXPECT_EQ(onglets(f), QStringList({"01/12/2026 | Terminé    |    5 /  10 | Pluriels", "", "", "soleil"}));
    });
    montrerBilans();
}

TEST(Bilans, FaceEnseignant)
{
    Seance s(false);
    petiteClasse(s);
    ChoixFixe choix;
    choix.groupe = "CM1";
    choix.eleve = "léa"; // found without regard to case
    demarrerSansAccueil(s, choix);
    eleveConnecte("CE2", "Noé");
    bilans(s, 1, [&](TfBilans& f) {
        EXPECT_EQ(f.lTitre->text(), QStringLiteral("MODULE ENSEIGNANT"));
        EXPECT_TRUE(f.lMessage->text().isEmpty());
        EXPECT_EQ(visibles(f), QStringList({"cChoixGroupe", "cChoixEleve", "Tcadre", "bSupprimer", "bGererGroupes",
                                            "bConfigurer", "bImprime", "bModifier", "bRafraichir", "bTextes",
                                            "bBanque", "bAide", "bApropos", "bQuitterBilan"}));
        EXPECT_EQ(textes(f.cChoixGroupe), QStringList({"CE2", "CM1"}));
        EXPECT_EQ(f.cChoixGroupe->currentText(), QStringLiteral("CM1"));
        EXPECT_EQ(textes(f.cChoixEleve), QStringList({"Léa", "Tom"}));
        EXPECT_EQ(f.cChoixEleve->currentText(), QStringLiteral("Léa"));
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Bilans \"Ombrivelle\" de Léa"));
        EXPECT_EQ(etat.RepertoireGroupe, etat.RepertoireBilans + "CM1/");
        EXPECT_EQ(f.MotDePasse->texte(), QStringLiteral("chat"));
        EXPECT_EQ(f.bConfigurer->toolTip(), QStringLiteral("Modifier le fichier de configuration Ombrivelle.ini"));
        EXPECT_EQ(f.bBanque->toolTip(),
                  QStringLiteral("Banque d'exercices - https://www.talvorenne.fr/ombrivelle/banque-exercices/"));
        EXPECT_EQ(f.texteGroupe(), QStringLiteral("CM1"));
        EXPECT_EQ(f.texteEleve(), QStringLiteral("Léa"));

        // The teacher picks another group, then another pupil.
        choisir(f.cChoixGroupe, "CE2");
        EXPECT_EQ(etat.RepertoireGroupe, etat.RepertoireBilans + "CE2/");
        EXPECT_EQ(textes(f.cChoixEleve), QStringList({"Noé"}));
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Bilans \"Ombrivelle\" de Noé"));
        EXPECT_EQ(onglets(f), QStringList({"", "", "", "lune"}));
        choisir(f.cChoixGroupe, "CM1");
        choisir(f.cChoixEleve, "Tom");
        EXPECT_EQ(onglets(f), QStringList({"09/12/2026 | Terminé    |   10 /  10 | Accords", "", "", "foot"}));
    });
    montrerBilans();
    // The last group viewed stays until the welcome screen sets it again.
    EXPECT_EQ(etat.RepertoireGroupe, etat.RepertoireBilans + "CM1/");
    EXPECT_EQ(etat.ModeEnseignant, 1);
}

TEST(Bilans, PreselectionDepuisLAccueil)
{
    struct Cas {
        const char* nom;
        QString groupeAccueil, eleveAccueil;
        QString groupe;     // selected in the window ("" none)
        QStringList eleves; // listed
        QString eleve;      // selected ("" none)
    };
    const QList<Cas> cas = {
        {"sans groupe ni élève", "Choisis ton groupe", "Visiteur", "CE2", {"Noé"}, "Noé"},
        {"nouveau", "CM1", "Nouveau", "CM1", {"Léa", "Tom"}, "Léa"},
        {"aucun élève", "CM1", "", "CM1", {"Léa", "Tom"}, "Léa"},
        {"groupe disparu", "CM2", "Tom", "", {"Sacha"}, ""},
        {"élève absent du groupe", "CM1", "Noé", "CM1", {"Léa", "Tom"}, ""},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        Seance s(false);
        petiteClasse(s);
        ChoixFixe choix;
        choix.groupe = c.groupeAccueil;
        choix.eleve = c.eleveAccueil;
        demarrerSansAccueil(s, choix);
        eleveConnecte("", "");
        bilans(s, 1, [&](TfBilans& f) {
            EXPECT_EQ(f.cChoixGroupe->currentText(), c.groupe);
            EXPECT_EQ(textes(f.cChoixEleve), c.eleves);
            EXPECT_EQ(f.cChoixEleve->currentText(), c.eleve);
            EXPECT_EQ(f.windowTitle(), "Bilans \"Ombrivelle\" de " + c.eleve);
            if (c.eleve.isEmpty()) {
                EXPECT_EQ(onglets(f), QStringList({"", "", "", ""}));
            }
        });
        montrerBilans();
    }
}

TEST(Bilans, GroupesEtElevesDuDossier)
{
    Seance s(false);
    petiteClasse(s, {"MOT DE PASSE="});
    s.ecrireLignes("_Bilans/Notes.txt", {});
    s.ecrireLignes("_Bilans/Archive", {});
    s.ecrireLignes("_Bilans/CM1/Jean_PWD.TXT", {"x"});
    QDir().mkpath(s.chemin("_Bilans/CM1/Dossier_Pwd.txt"));
    ChoixFixe choix;
    choix.groupe = "cm1";
    demarrerSansAccueil(s, choix);
    bilans(s, 1, [&](TfBilans& f) {
        EXPECT_EQ(f.lMessage->text(), conseil);
        EXPECT_EQ(textes(f.cChoixGroupe), QStringList({"Archive", "CE2", "CM1"}));
        EXPECT_EQ(f.cChoixGroupe->currentText(), QStringLiteral("CM1"));
        EXPECT_EQ(textes(f.cChoixEleve), QStringList({"Jean", "Léa", "Tom"}));
        EXPECT_EQ(f.MotDePasse->texte(), QStringLiteral("x"));
    });
    montrerBilans();
}

TEST(Bilans, OngletsChargesEnTexteBrut)
{
    Seance s(false);
    petiteClasse(s);
    // Text that a rich-text box would take for markup, UTF-8 from a Linux editor, LF ends.
    s.ecrireLignes("_Bilans/CM1/Tom_OBV_Detail.txt", {"<b>gras</b> &amp; {\\rtf1 x}", "\t<html>"});
    s.ecrireOctets("_Bilans/CM1/Tom_OBV_Reussites.txt", QByteArray("\xc3\xa9t\xc3\xa9|3\nx|2\n"));
    s.ecrireOctets("_Bilans/CM1/Tom_Pwd.txt", QByteArray("\r\n"));
    // A folder of a file's name is no file.
    QFile::remove(s.chemin("_Bilans/CM1/Tom_OBV_Exos.txt"));
    QDir().mkpath(s.chemin("_Bilans/CM1/Tom_OBV_Exos.txt"));
    ChoixFixe choix;
    choix.groupe = "CM1";
    choix.eleve = "Tom";
    demarrerSansAccueil(s, choix);
    bilans(s, 1, [&](TfBilans& f) {
        EXPECT_EQ(f.BilanDetail->texte(), QStringLiteral("<b>gras</b> &amp; {\\rtf1 x}\n\t<html>"));
        EXPECT_EQ(f.ItemReussis->texte(), QStringLiteral("été|3\nx|2"));
        EXPECT_EQ(f.ItemReussis->couleurLigne(0), QColor(Qt::red));
        EXPECT_EQ(f.MotDePasse->nombreLignes(), 1);
        EXPECT_EQ(f.MotDePasse->texte(), QString());
        EXPECT_EQ(f.BilanExo->nombreLignes(), 0);

        // A file that cannot be read: the message, and the tabs loaded before it keep their text.
        illisible(s, "_Bilans/CM1/Léa_OBV_Reussites.txt");
        choisir(f.cChoixEleve, "Léa");
        EXPECT_EQ(f.BilanDetail->nombreLignes(), 6);
        EXPECT_EQ(f.ItemReussis->texte(), QStringLiteral("été|3\nx|2"));
        EXPECT_EQ(f.MotDePasse->texte(), QString());
    });
    s.p.boite(ReponseBoite::Ok, "Erreur d'entrée/sortie sur le fichier " + s.chemin("_Bilans/CM1/Léa_OBV_Reussites.txt") + ".");
    montrerBilans();
}

TEST(Bilans, MarquageEnRouge)
{
    struct Cas {
        int n;
        QStringList rouges;
        QStringList noires;
    };
    const QList<Cas> cas = {
        {3, {"chat|1-3", "chien|3", "peut-être|2-3"}, {"loup|2", "lapin|13", "ours|3-1", "mot", "x|3 ", "y|03"}},
        {10, {"cheval|10", "bateau|4-10"}, {"jeu|0", "hibou|1", "chou|110"}},
        {999, {"genou|999"}, {"caillou|99", "bijou|9"}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.n);
        const QString n = QString::number(c.n);
        for (const QString& l : c.rouges)
            EXPECT_TRUE(itemAcquis(l, n)) << l.toStdString();
        for (const QString& l : c.noires)
            EXPECT_FALSE(itemAcquis(l, n)) << l.toStdString();
    }

    // In the window each line takes its colour at its own place, even when its text stands
    // earlier inside another line.
    Seance s(false);
    petiteClasse(s, {"REPONSES NECESSAIRES=10"});
    s.ecrireLignes("_Bilans/CM1/Tom_OBV_Reussites.txt", {"un chat|2", "chat|2", "chat|10", "at|10", "chat|10"});
    ChoixFixe choix;
    choix.groupe = "CM1";
    choix.eleve = "Tom";
    demarrerSansAccueil(s, choix);
    bilans(s, 1, [&](TfBilans& f) {
        QList<QColor> couleurs;
        for (int i = 0; i < f.ItemReussis->nombreLignes(); ++i)
            couleurs.append(f.ItemReussis->couleurLigne(i));
        EXPECT_EQ(couleurs, QList<QColor>({Qt::black, Qt::black, Qt::red, Qt::red, Qt::red}));
        EXPECT_EQ(f.ItemReussis->longueurSelection(), 0);
        EXPECT_EQ(f.ItemReussis->debutSelection(), 0);
        // Another pupil: the lines are marked anew.
        choisir(f.cChoixEleve, "Léa");
        EXPECT_EQ(f.ItemReussis->couleurLigne(0), QColor(Qt::black));
    });
    montrerBilans();
}

TEST(Bilans, Rafraichir)
{
    Seance s(false);
    petiteClasse(s);
    ChoixFixe choix;
    choix.groupe = "CM1";
    choix.eleve = "Tom";
    demarrerSansAccueil(s, choix);
    bilans(s, 1, [&](TfBilans& f) {
        choisir(f.cChoixEleve, "Léa");
        // Changed by hand meanwhile; a new group appears; the settings change.
        s.ecrireLignes("_Bilans/CM1/Léa_OBV_Exos.txt", {"ligne ajoutée"});
        s.ecrireLignes("_Bilans/CM1/Zoé_Pwd.txt", {});
        QDir().mkpath(s.chemin("_Bilans/CM2"));
        s.parametres({"REPERTOIRE TEXTES=", "REPERTOIRE BILANS=", "MOT DE PASSE=", "REPONSES NECESSAIRES=1"});
        cliquer(f.bRafraichir);
        EXPECT_EQ(textes(f.cChoixGroupe), QStringList({"CE2", "CM1", "CM2"}));
        EXPECT_EQ(f.cChoixGroupe->currentText(), QStringLiteral("CM1"));
        EXPECT_EQ(textes(f.cChoixEleve), QStringList({"Léa", "Tom", "Zoé"}));
        EXPECT_EQ(f.cChoixEleve->currentText(), QStringLiteral("Léa"));
        EXPECT_EQ(f.BilanExo->texte(), QStringLiteral("ligne ajoutée"));
        EXPECT_EQ(f.ItemReussis->couleurLigne(0), QColor(Qt::black)); // 1 needed now
        // The advice line changes only at the next opening.
        EXPECT_TRUE(f.lMessage->text().isEmpty());

        // The pupil shown has gone: no pupil, empty tabs.
        QFile::remove(s.chemin("_Bilans/CM1/Léa_Pwd.txt"));
        cliquer(f.bRafraichir);
        EXPECT_EQ(f.cChoixEleve->currentIndex(), -1);
        EXPECT_EQ(onglets(f), QStringList({"", "", "", ""}));
    });
    montrerBilans();

    // Pupil face: the settings are read again; the tabs keep what they show.
    eleveConnecte("CM1", "Tom");
    bilans(s, 0, [&](TfBilans& f) {
        s.ecrireLignes("_Bilans/CM1/Tom_OBV_Exos.txt", {"changé"});
        s.parametres({"REPERTOIRE TEXTES=", "REPERTOIRE BILANS=", "MOT DE PASSE=prof", "REPONSES NECESSAIRES=1"});
        cliquer(f.bRafraichir);
        EXPECT_EQ(etat.MotDePasseEnseignant, QStringLiteral("prof"));
        EXPECT_EQ(f.BilanExo->texte(), QStringLiteral("09/12/2026 | Terminé    |   10 /  10 | Accords"));
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Bilans \"Ombrivelle\" de Tom"));
        EXPECT_EQ(etat.RepertoireGroupe, etat.RepertoireBilans + "CM1/");
    });
    montrerBilans();
}

TEST(Bilans, RafraichirSansFichierIniFinitLeProgramme)
{
    Seance s(false);
    petiteClasse(s);
    s.p.fenetre<TForm2>([&](TForm2& f) {
        choisir(f.cChoixGroupe, "CM1");
        cliquer(f.bSuperviseur);
        EXPECT_TRUE(plateforme().finDemandee());
    });
    s.p.fenetre<TfMotDePasse>([](TfMotDePasse& f) {
        taper(f.eMotDePasse, "prof");
        touche(f.eMotDePasse, Qt::Key_Return);
    });
    s.p.fenetre<TfBilans>([&](TfBilans& f) {
        QFile::remove(s.chemin("ombrivelle.ini"));
        cliquer(f.bRafraichir);
        EXPECT_TRUE(plateforme().finDemandee());
        // Nothing more is done in the window: its lists stay as they were.
        EXPECT_EQ(textes(f.cChoixEleve), QStringList({"Léa", "Tom"}));
    });
    s.p.boite(ReponseBoite::Ok, "Fichier INI non trouvé.");
    s.demarrer();
    EXPECT_EQ(s.p.journal.last(), QStringLiteral("fin du programme"));
    EXPECT_EQ(s.p.journalDe("fenetre").size(), 3);
}

TEST(Bilans, OngletMotDePasseSansImpression)
{
    Seance s(false);
    petiteClasse(s);
    ChoixFixe choix;
    choix.groupe = "CM1";
    choix.eleve = "Léa";
    demarrerSansAccueil(s, choix);
    bilans(s, 1, [&](TfBilans& f) {
        EXPECT_TRUE(f.bImprime->isEnabled());
        f.PageControl1->setCurrentWidget(f.TabSheet4);
        EXPECT_FALSE(f.bImprime->isEnabled());
        f.PageControl1->setCurrentWidget(f.TabSheet2);
        EXPECT_TRUE(f.bImprime->isEnabled());
        f.PageControl1->setCurrentWidget(f.TabSheet4);
    });
    montrerBilans();
    // Reopened, even in the other face: the same page, printing still off.
    eleveConnecte("CM1", "Léa");
    bilans(s, 0, [&](TfBilans& f) {
        EXPECT_EQ(f.PageControl1->currentWidget(), f.TabSheet4);
        EXPECT_FALSE(f.bImprime->isEnabled());
        EXPECT_TRUE(f.bImprime->isVisibleTo(&f));
    });
    montrerBilans();
}

TEST(Bilans, FichierIlliblePourLEleveSansCommandesEnseignant)
{
    Seance s(false);
    petiteClasse(s);
    ChoixFixe choix;
    choix.groupe = "CM1";
    choix.eleve = "Léa";
    demarrerSansAccueil(s, choix);
    bilans(s, 1, [](TfBilans&) {});
    montrerBilans();
    // The teacher's commands were shown; the pupil's log cannot be read.
    illisible(s, "_Bilans/CM1/Léa_OBV_Detail.txt");
    eleveConnecte("CM1", "Léa");
    // Told as the window opens, which then shows the pupil face.
    s.p.boite(ReponseBoite::Ok, "Erreur d'entrée/sortie sur le fichier " + s.chemin("_Bilans/CM1/Léa_OBV_Detail.txt") + ".");
    bilans(s, 0, [&](TfBilans& f) {
        EXPECT_EQ(visibles(f), QStringList({"bImprime", "bRafraichir", "bApropos", "bQuitterBilan"}));
        EXPECT_EQ(f.lTitre->text(), QStringLiteral("MON BILAN"));
    });
    montrerBilans();
}
