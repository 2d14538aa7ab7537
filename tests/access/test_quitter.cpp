#include <gtest/gtest.h>

#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include "Deroulement.h"
#include "Etat.h"
#include "FenetreExercice.h"
#include "Plateforme.h"
#include "Quitter.h"
#include "Seance.h"
#include "Unit1.h"
#include "Unit2.h"

namespace {

const QString tirets(68, QLatin1Char('-'));

// A pupil of group CM1 halfway through "Pluriels": 12 points of 25, 130 s of the exercise
// counted, 75 s on the item in hand, the clock running.
class Interruption : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        s.creerFiches();
        s.ecrireLignes(QStringLiteral("Bilans/CM1/Léa_OBV_Detail.txt"), {QStringLiteral("début")});
        s.ecrireLignes(QStringLiteral("Bilans/CM1/Léa_OBV_Exos.txt"), {});
        etat.RepertoireGroupe = s.chemin(QStringLiteral("Bilans/CM1/"));
        etat.EleveCourant = QStringLiteral("Léa");
        etat.ExerciceCourant = s.chemin(QStringLiteral("Exercices/Grammaire/Pluriels.txt"));
        etat.RepertoireExercices = s.chemin(QStringLiteral("Exercices/"));
        etat.RepertoireBilans = s.chemin(QStringLiteral("Bilans/"));
        s.ecrireLignes(QStringLiteral("Exercices/Grammaire/Pluriels.txt"), {QStringLiteral("##"),
                                                                           QStringLiteral("un chat|des chats")});
        deroulement().NbItems = 5;
        etat.Bruitage = 1;
        deroulement().TempsExercice = 130;
        deroulement().TempsItem = 75;
        deroulement().Score = 12;
        deroulement().Bonus = 2;
        deroulement().DemarrerHorloge();
    }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }

    // Opens the dialog as the stop button does; the action plays the pupil's part.
    void arreter(std::function<void(TfQuitter&)> action)
    {
        s.p.fenetre<TfQuitter>(std::move(action));
        s.p.montrerModal(*fQuitter);
    }
    QByteArray detail() const { return s.lireOctets(QStringLiteral("Bilans/CM1/Léa_OBV_Detail.txt")); }
    QByteArray exos() const { return s.lireOctets(QStringLiteral("Bilans/CM1/Léa_OBV_Exos.txt")); }
    QByteArray detailAttendu() const
    {
        return octetsLignes({QStringLiteral("début"), QString(),
                             QStringLiteral("Exercice interrompu après 3 min 25 s."), tirets});
    }
    QByteArray exosAttendu() const
    {
        return octetsLignes({QStringLiteral("07/12/2026 | Interrompu |   12 /  25 | Pluriels")});
    }

    Seance s{false};
};

} // namespace

TEST_F(Interruption, ReprendreLaisseTournerLHorlogeEtNEcritRien)
{
    arreter([&](TfQuitter& f) {
        s.p.tic(20);
        cliquer(f.bAnnuler);
    });
    EXPECT_EQ(deroulement().TempsItem, 95);
    EXPECT_EQ(deroulement().TempsExercice, 130);
    EXPECT_TRUE(Form1->Timer1->actif());
    EXPECT_EQ(detail(), octetsLignes({QStringLiteral("début")}));
    EXPECT_TRUE(exos().isEmpty());
    EXPECT_FALSE(s.p.finDemandee());
}

TEST_F(Interruption, NiEchappementNiEntreeNeFermentLaFenetre)
{
    arreter([&](TfQuitter& f) {
        touche(&f, Qt::Key_Escape);
        touche(&f, Qt::Key_Return);
        EXPECT_FALSE(f.fermetureEnAttente());
        EXPECT_EQ(f.focusPolicy() | f.bAnnuler->focusPolicy() | f.bNouvelExo->focusPolicy()
                      | f.bQuitter->focusPolicy(),
                  Qt::NoFocus);
        cliquer(f.bAnnuler);
    });
    EXPECT_TRUE(exos().isEmpty());
}

TEST_F(Interruption, UnAutreExerciceEcritLInterruptionUneFois)
{
    // The pupil leaves, then quits from the welcome screen: no exercise is chosen.
    s.p.fenetre<TfQuitter>([](TfQuitter& f) { cliquer(f.bNouvelExo); });
    s.p.fenetre<TForm2>([](TForm2& f) { f.Close(); });
    s.p.montrerModal(*fQuitter);
    EXPECT_EQ(s.p.journalDe(QStringLiteral("fenetre")),
              QStringList({QStringLiteral("fenetre TfQuitter"), QStringLiteral("fenetre TForm2")}));
    EXPECT_FALSE(Form1->Timer1->actif());
    EXPECT_EQ(detail(), detailAttendu());
    EXPECT_EQ(exos(), exosAttendu());
}

TEST_F(Interruption, UnAutreExerciceRepartDeZero)
{
    s.ecrireLignes(QStringLiteral("Exercices/Accords.txt"), {QStringLiteral("Accorde."), QStringLiteral("##"),
                                                              QStringLiteral("des chat|chats")});
    deroulement().Score = 12;
    s.p.fenetre<TfQuitter>([](TfQuitter& f) { cliquer(f.bNouvelExo); });
    s.p.fenetre<TForm2>([&](TForm2& f) {
        etat.ExerciceCourant = s.chemin(QStringLiteral("Exercices/Accords.txt"));
        f.Close();
    });
    s.p.montrerModal(*fQuitter);
    EXPECT_EQ(s.p.journalDe(QStringLiteral("fenetre")),
              QStringList({QStringLiteral("fenetre TfQuitter"), QStringLiteral("fenetre TForm2")}));
    EXPECT_EQ(deroulement().Score, 0);
    EXPECT_EQ(Form1->lBonus->text(), QStringLiteral("5"));
    EXPECT_EQ(Form1->lNote->text(), QStringLiteral("0"));
    EXPECT_EQ(Form1->lDossierCourant->text(), QStringLiteral("Accords"));
    // The interruption closes the old exercise before the new one starts.
    EXPECT_TRUE(detail().startsWith(detailAttendu()));
    EXPECT_EQ(exos(), exosAttendu());
    EXPECT_TRUE(Form1->Timer1->actif());
}

TEST(Quitter, QuitterLeLogiciel)
{
    struct Cas {
        int bruitage;
        bool son;
        bool eleve;
        QStringList attendu; // the journal after the dialog's window line
    };
    const QStringList avecSon = {QStringLiteral("repeindre TForm1"), QStringLiteral("son quitter.wav"),
                                 QStringLiteral("pause 3000"), QStringLiteral("fin du programme")};
    const QStringList sansSon = {QStringLiteral("fin du programme")};
    const Cas cas[] = {
        {1, true, true, avecSon},
        {0, true, true, sansSon},
        {1, false, true, sansSon},
        {1, true, false, avecSon}, // the guest hears it too
    };
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    for (const Cas& c : cas) {
        Seance s(false);
        s.creerFiches();
        s.ecrireLignes(QStringLiteral("Bilans/Léa_OBV_Detail.txt"), {});
        s.ecrireLignes(QStringLiteral("Bilans/Léa_OBV_Exos.txt"), {});
        if (c.son)
            s.ecrireOctets(QStringLiteral("quitter.wav"), "RIFF");
        etat.RepertoireGroupe = s.chemin(QStringLiteral("Bilans/"));
        etat.EleveCourant = c.eleve ? QStringLiteral("Léa") : QString();
        etat.ExerciceCourant = s.chemin(QStringLiteral("Pluriels.txt"));
        etat.Bruitage = c.bruitage;
        deroulement().TempsItem = 42;
        deroulement().Score = 5;
        deroulement().NbItems = 2;
        deroulement().DemarrerHorloge();
        // The main window on screen, its first activation long done.
        etat.PremiereActivation = 0;
        s.p.montrerPrincipale(fenetreExercice().fiche());
        s.p.journal.clear();
        s.p.fenetre<TfQuitter>([](TfQuitter& f) { cliquer(f.bQuitter); });
        s.p.montrerModal(*fQuitter);
        EXPECT_EQ(s.p.journal, QStringList({QStringLiteral("fenetre TfQuitter")}) + c.attendu)
            << c.bruitage << c.son << c.eleve;
        EXPECT_TRUE(s.p.finDemandee());
        EXPECT_FALSE(Form1->Timer1->actif());
        EXPECT_EQ(deroulement().TempsExercice, 42);
        const QByteArray detail = s.lireOctets(QStringLiteral("Bilans/Léa_OBV_Detail.txt"));
        const QByteArray exos = s.lireOctets(QStringLiteral("Bilans/Léa_OBV_Exos.txt"));
        if (c.eleve) {
            EXPECT_EQ(detail, octetsLignes({QString(), QStringLiteral("Exercice interrompu après 42 s."), tirets}));
            EXPECT_EQ(exos, octetsLignes({QStringLiteral("07/12/2026 | Interrompu |    5 /  10 | Pluriels")}));
        } else {
            EXPECT_TRUE(detail.isEmpty());
            EXPECT_TRUE(exos.isEmpty());
        }
    }
    QLocale::setDefault(QLocale::system());
}

TEST_F(Interruption, InviteRienNEstEcritMaisLHorlogeSArrete)
{
    // The guest leaves no trace, even beside another pupil's files.
    etat.EleveCourant.clear();
    fQuitter->EnregistrerInterruption();
    EXPECT_EQ(deroulement().TempsExercice, 205);
    EXPECT_FALSE(Form1->Timer1->actif());
    EXPECT_EQ(detail(), octetsLignes({QStringLiteral("début")}));
    EXPECT_TRUE(exos().isEmpty());
}

TEST_F(Interruption, JournalManquantSeuleLaListeEstEcrite)
{
    ASSERT_TRUE(QFile::remove(s.chemin(QStringLiteral("Bilans/CM1/Léa_OBV_Detail.txt"))));
    fQuitter->EnregistrerInterruption();
    EXPECT_FALSE(s.existe(QStringLiteral("Bilans/CM1/Léa_OBV_Detail.txt")));
    EXPECT_EQ(exos(), exosAttendu());
}
