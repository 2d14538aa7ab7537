// The dialogs of a dictation run: the number of items, the interruption with the program's own
// results files, and the captions of the boxes.

#include <QLabel>
#include <QRadioButton>

#include "test_castiflore_outils.h"

using namespace outilsCastiflore;

namespace {

// A run of n sound files "son1.wav" ..., all to do, in folder order.
void preparerSons(int n)
{
    Deroulement& d = deroulement();
    d.TableItems.clear();
    for (int i = 1; i <= n; ++i)
        d.TableItems.append({QStringLiteral("son%1.wav").arg(i), 'N'});
    d.NbItems = n;
    d.NbItemsDisponibles = n;
    d.OrdreAleatoire = 0;
}

QStringList lignes()
{
    QStringList r;
    for (const EntreeItem& e : deroulement().TableItems)
        r.append(e.Ligne);
    return r;
}

} // namespace

TEST(DialoguesCastiflore, OptionsDuNombreDItems)
{
    struct Cas {
        int items;
        QList<bool> actives; // rChoix1, 2, 3, 5, 6, 7, 8
        QString tous;
    };
    const Cas cas[] = {
        {4, {true, false, false, false, false, false, false}, "4 items (20 points)"},
        {5, {true, false, false, false, false, false, false}, "5 items (25 points)"},
        {40, {true, true, true, true, false, false, false}, "40 items (200 points)"},
        {100, {true, true, true, true, true, true, true}, "100 items (500 points)"},
    };
    const QStringList legendes = {"4 items (20 points)",  "10 items (50 points)",  "20 items (100 points)",
                                  "40 items (200 points)", "60 items (300 points)", "80 items (400 points)",
                                  "100 items (500 points)"};
    SeanceCastiflore c(false);
    c.creerFiches();
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.items);
        preparerSons(k.items);
        c.s.p.fenetre<TfChoixNbItems>([&](TfChoixNbItems& f) {
            const QList<QRadioButton*> options = f.optionsComptees();
            for (int i = 0; i < options.size(); ++i) {
                EXPECT_EQ(options[i]->text(), legendes[i]);
                EXPECT_EQ(options[i]->isEnabled(), k.actives[i]) << i;
            }
            EXPECT_EQ(f.rChoix4->text(), k.tous);
            EXPECT_TRUE(f.rChoix4->isChecked());
            // Grown to its longest caption, the dialog keeps on the right its design's left margin.
            for (const QRadioButton* o : options + QList<QRadioButton*>{f.rChoix4})
                EXPECT_GE(f.width() - 1 - o->geometry().right(), 8) << o->text().toStdString();
            // The largest count offered is all the items, or fewer.
            options.last()->isEnabled() ? f.rChoix8->click() : f.rChoix1->click();
            cliquer(f.bOk);
        });
        c.s.p.montrerModal(*fChoixNbItems);
        EXPECT_EQ(deroulement().NbItems, k.items == 100 ? 100 : 4);
    }
}

TEST(DialoguesCastiflore, QuatreSonsSurCinqPuisLesSeulsDemandes)
{
    SeanceCastiflore c(false);
    c.creerFiches();
    preparerSons(5);
    c.s.p.fenetre<TfChoixNbItems>([](TfChoixNbItems& f) {
        f.rChoix1->click();
        cliquer(f.bOk);
    });
    c.s.p.montrerModal(*fChoixNbItems);
    Deroulement& d = deroulement();
    EXPECT_EQ(d.NbItems, 4);
    EXPECT_EQ(lignes(), QStringList({"son1.wav", "son2.wav", "son3.wav", "son4.wav", ""}));
    // Each item answered at once: four items are asked, the emptied entry never.
    QStringList demandes;
    for (QString item = d.ChoisirItemSuivant(); !item.isEmpty(); item = d.ChoisirItemSuivant()) {
        demandes.append(item);
        d.TableItems[static_cast<int>(demandes.size()) - 1].EtatItem = 'O';
    }
    EXPECT_EQ(demandes, QStringList({"son1.wav", "son2.wav", "son3.wav", "son4.wav"}));
}

TEST(DialoguesCastiflore, UnAutreExerciceEnregistreLesReussitesPuisLInterruption)
{
    // The dictation program's stop button saves nothing: its dialog saves the successes before
    // it records the interruption. Ombrivelle's dialog leaves the successes to its stop button.
    struct Cas {
        const Profil* profil;
        QString infixe;
        bool enregistre;
    };
    for (const Cas& k : {Cas{&profilCastiflore(), "_CSF_", true}, Cas{&profilOmbrivelle(), "_OBV_", false}}) {
        SCOPED_TRACE(k.infixe.toStdString());
        SeanceCastiflore c;
        Seance& s = c.s;
        definirProfil(*k.profil);
        const QString groupe = "_Bilans/CM1/Léa" + k.infixe;
        s.ecrireLignes(groupe + "Reussites.txt", {"le chat|1"});
        s.ecrireLignes(groupe + "Detail.txt", {"chat : [5 s - 1 essai]"});
        s.ecrireLignes(groupe + "Exos.txt", {});
        c.creerFiches();
        c.principale->ChargerParametres();
        etat.GroupeCourant = "CM1";
        etat.RepertoireGroupe = s.chemin("_Bilans/CM1/");
        etat.EleveCourant = "Léa";
        ChargerReussites();
        CompterReussite("le chien");
        etat.ExerciceCourant = s.chemin("_Exercices_CSF/Animaux/La ferme");
        Deroulement& d = deroulement();
        d.NbItems = 4;
        d.Score = 5;
        d.TempsExercice = 40;
        d.TempsItem = 12;
        d.DemarrerHorloge();

        s.p.fenetre<TfQuitter>([](TfQuitter& f) { cliquer(f.bNouvelExo); });
        accueil(s, [&](TForm2& f) {
            // Already saved when the welcome screen opens (the stand-in run saves nothing).
            EXPECT_EQ(s.lireOctets(groupe + "Reussites.txt"),
                      k.enregistre ? octetsLignes({"le chat|1", "le chien|1"}) : octetsLignes({"le chat|1"}));
            f.Close();
        });
        s.p.montrerModal(*fQuitter);
        EXPECT_FALSE(d.horlogeEnMarche());
        EXPECT_EQ(s.lireOctets(groupe + "Detail.txt"),
                  octetsLignes({"chat : [5 s - 1 essai]", "", "Exercice interrompu après 52 s.", QString(68, '-')}));
        EXPECT_EQ(s.lireOctets(groupe + "Exos.txt"), octetsLignes({"07/12/2026 | Interrompu |    5 /  20 | La ferme"}));
    }
}

TEST(DialoguesCastiflore, LegendesCastifloreQuelQueSoitLeTitre)
{
    SeanceCastiflore c(false);
    c.creerFiches();
    titreApplication() = profilCastiflore().titre;

    fMessagePerso->Texte = "Bravo !";
    fMessagePerso->TypeMessage = "Bon";
    c.s.p.fenetre<TfMessagePerso>([](TfMessagePerso& f) {
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Castiflore"));
        cliquer(f.bOk);
    });
    c.s.p.montrerModal(*fMessagePerso);
    fMsgOuiNonPerso->NoteLettre = "A";
    c.s.p.fenetre<TfMsgOuiNonPerso>([](TfMsgOuiNonPerso& f) {
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Castiflore"));
        cliquer(f.bNon);
    });
    c.s.p.montrerModal(*fMsgOuiNonPerso);
    EXPECT_FALSE(fMsgOuiNonPerso->Reponse);
}
