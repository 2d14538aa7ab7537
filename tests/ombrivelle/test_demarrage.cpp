#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextEdit>
#include <QToolButton>

#include "Deroulement.h"
#include "Etat.h"
#include "Seance.h"
#include "Unit1.h"
#include "Unit2.h"

namespace {

// The welcome screen left without choosing: the first exercise loads nothing.
void accueilSansChoix(Seance& s)
{
    s.p.fenetre<TForm2>([](TForm2& f) { f.Close(); });
}

} // namespace

TEST(Demarrage, FichierIniDepuisLaLigneDeCommande)
{
    {
        Seance s(false);
        s.p.changerDossier("/");
        s.creerFiches();
        EXPECT_EQ(etat.FichierIni, s.chemin("ombrivelle.ini"));
    }
    {
        Seance s(false);
        s.ecrireLignes("classe/Réglages.ini", {});
        s.p.changerDossier(s.chemin("classe"));
        s.creerFiches({"réglages.INI"});
        EXPECT_EQ(etat.FichierIni, s.chemin("classe/Réglages.ini"));
        s.p.changerDossier("/");
        EXPECT_EQ(etat.FichierIni, s.chemin("classe/Réglages.ini"));
        EXPECT_TRUE(s.p.journalDe("boite").isEmpty());
    }
    {
        Seance s(false);
        s.p.boite(ReponseBoite::Ok);
        s.creerFiches({"absent.ini", "autre"});
        EXPECT_EQ(s.p.journal.first(), QStringLiteral("boite Avertissement | Ombrivelle | Le fichier INI "
                                                      "passé en paramètre (absent.ini) est introuvable"));
        EXPECT_EQ(etat.FichierIni, s.chemin("ombrivelle.ini"));
    }
}

TEST(Demarrage, PremiereActivation)
{
    Seance s(false);
    s.parametres({"REPONSES NECESSAIRES=9"});
    s.ecrireOctets("Bilan_0.txt", "à garder");
    s.p.tirages = {0, 42};
    accueilSansChoix(s);
    s.demarrer();
    EXPECT_EQ(Form1->windowTitle(), QStringLiteral("Ombrivelle - Version 1.1"));
    EXPECT_EQ(titreApplication(), QStringLiteral("Ombrivelle - Version 1.1"));
    EXPECT_EQ(etat.NbReponsesNecessaires, 999);
    EXPECT_EQ(etat.EcriturePossible, 1);
    EXPECT_EQ(etat.PremiereActivation, 0);
    // The probe drew another name rather than touch an existing file, and left nothing.
    EXPECT_EQ(s.lireOctets("Bilan_0.txt"), QByteArray("à garder"));
    EXPECT_EQ(QDir(s.programme).entryList({"Bilan_*"}), QStringList({"Bilan_0.txt"}));
    EXPECT_EQ(s.p.tiragesDemandes.mid(0, 2), QList<int>({10000000, 10000000}));
    EXPECT_EQ(s.p.journalDe("fenetre"), QStringList({"fenetre TForm2"}));
    EXPECT_EQ(Form1->lBonus->text(), QStringLiteral("5"));

    // Later activations do nothing: the welcome screen is shown once.
    Form1->FormActivate();
    EXPECT_EQ(s.p.journalDe("fenetre").size(), 1);
}

TEST(Demarrage, DossierDuProgrammeNonInscriptible)
{
    Seance s(false);
    s.ecrireLignes("config/ombrivelle.ini", {});
    s.p.programme = QStringLiteral("/proc/"); // a folder where nothing can be created, even by root
    accueilSansChoix(s);
    s.demarrer({s.chemin("config/ombrivelle.ini")});
    EXPECT_EQ(etat.EcriturePossible, 0);
    EXPECT_TRUE(s.p.journalDe("boite").isEmpty()); // nothing said at start
}

TEST(Demarrage, ToucheEntreeEtEchap)
{
    Seance s(false);
    s.creerFiches();
    // Only the routing of the keys is looked at here: the buttons' handlers are unplugged.
    QObject::disconnect(Form1->bJaiEcrit, nullptr, Form1, nullptr);
    QObject::disconnect(Form1->bStop, nullptr, Form1, nullptr);
    QSignalSpy ecrit(Form1->bJaiEcrit, &QToolButton::clicked);
    QSignalSpy stop(Form1->bStop, &QPushButton::clicked);
    QTextEdit* saisie = Form1->eSaisie;

    // Disabled buttons ignore the keys; Enter never types a line break.
    Form1->bJaiEcrit->setEnabled(false);
    Form1->bStop->setEnabled(false);
    taper(saisie, "chat");
    for (int cle : {int(Qt::Key_Return), int(Qt::Key_Enter)})
        for (auto mod : {Qt::NoModifier, Qt::ShiftModifier, Qt::KeypadModifier})
            touche(saisie, cle, mod);
    touche(saisie, Qt::Key_Escape);
    touche(Form1->eModele, Qt::Key_Return);
    EXPECT_EQ(saisie->toPlainText(), QStringLiteral("chat"));
    EXPECT_EQ(ecrit.count(), 0);
    EXPECT_EQ(stop.count(), 0);

    Form1->bJaiEcrit->setEnabled(true);
    Form1->bStop->setEnabled(true);
    touche(saisie, Qt::Key_Return, Qt::ShiftModifier);
    touche(saisie, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(ecrit.count(), 2);
    touche(Form1->eModele, Qt::Key_Return);
    touche(Form1->eMotATraduire, Qt::Key_Enter);
    touche(Form1, Qt::Key_Return);
    EXPECT_EQ(ecrit.count(), 5);
    touche(saisie, Qt::Key_Escape);
    touche(Form1->eModele, Qt::Key_Escape);
    EXPECT_EQ(stop.count(), 2);
    EXPECT_EQ(saisie->toPlainText(), QStringLiteral("chat"));
    EXPECT_FALSE(s.p.finDemandee());
}

TEST(Demarrage, MinuterieEtPressePapiers)
{
    Seance s(false);
    s.creerFiches();
    deroulement().TempsExercice = 3720;
    deroulement().DemarrerHorloge();
    s.p.tic(5);
    EXPECT_EQ(deroulement().TempsItem, 5);
    EXPECT_EQ(Form1->lTemps->text(), QStringLiteral(" 1 h  2 min  5 s"));
    deroulement().ArreterHorloge();
    s.p.tic(3);
    EXPECT_EQ(deroulement().TempsItem, 5);

    Form1->eModeleExit();
    Form1->Image1Click();
    EXPECT_EQ(s.p.journal, QStringList({"presse-papiers vidé", "ouvrir https://www.talvorenne.fr/"}));
}

TEST(Parametres, FichierAbsentFinitLeProgramme)
{
    Seance s(false);
    s.p.boite(ReponseBoite::Ok, QStringLiteral("Fichier INI non trouvé."));
    s.demarrer();
    EXPECT_TRUE(s.p.finDemandee());
    // Nothing after the end: no probe, no welcome screen.
    EXPECT_EQ(s.p.journal.last(), QStringLiteral("fin du programme"));
    EXPECT_TRUE(s.p.journalDe("fenetre").isEmpty());
    EXPECT_TRUE(QDir(s.programme).entryList({"Bilan_*"}).isEmpty());
}
