// Bulk entry of personal items: the typed items added to every pupil of the results folder's
// group, or of every group, once the teacher confirms; the boxes' texts as they stand.

#include <QComboBox>
#include <QPushButton>
#include <QTextEdit>

#include "AjoutItems.h"
#include "CadreImpression.h"
#include "ErreurES.h"
#include "ItemsPersos.h"
#include "LimiteEcriture.h"
#include "outils_items.h"

using namespace outilsBilans;
using namespace outilsItems;

namespace {

void ajout(Seance& s, std::function<void(TfAjoutItems&)> action)
{
    s.p.fenetre<TfAjoutItems>(std::move(action));
}

} // namespace

TEST(AjoutItems, PourUnGroupe)
{
    Seance s(false);
    propositions(s);
    ChoixFixe choix;
    demarrerSansAccueil(s, choix);
    bilans(s, 1, [](TfBilans& f) { f.bAjoutItemsClick(); });
    ajout(s, [&](TfAjoutItems& f) {
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Ajout d'items personnels en masse"));
        // The groups of the results folder, whatever the personal folders hold.
        EXPECT_EQ(textes(f.cChoixGroupe), QStringList({"Tous les groupes", "CE2", "CM1"}));
        EXPECT_EQ(f.cChoixGroupe->currentIndex(), 0);
        f.RichEdit1->setPlainText(QStringLiteral("un chat|cat\n\nzèbre|zebra\n"));
        choisir(f.cChoixGroupe, "CM1");
        cliquer(f.bValider);
        EXPECT_TRUE(f.RichEdit1->toPlainText().isEmpty());
        cliquer(f.bQuitter);
    });
    s.p.boite(ReponseBoite::Oui, "Valider pour le groupe CM1 ?");
    montrerBilans();

    EXPECT_EQ(boites(s), QStringList({"Confirmation | Valider pour le groupe CM1 ?"}));
    EXPECT_EQ(s.lireOctets(perso + "CM1/Léa.txt"), octetsLignes({"un chat|cat", "zèbre|zebra"}));
    EXPECT_EQ(s.lireOctets(perso + "CM1/Tom.txt"), octetsLignes({"un chat|cat", "zèbre|zebra"}));
    EXPECT_FALSE(s.existe(perso + "CE2/Noé.txt"));
    // The pending files are none of its business.
    EXPECT_EQ(s.lireOctets(aValider + "CM1/Léa_AValider.txt"), octetsLignes({"un chat|cat", "", "zèbre|zebra"}));
}

TEST(AjoutItems, PourTousLesGroupes)
{
    Seance s(false);
    petiteClasse(s);
    ChoixFixe choix;
    demarrerSansAccueil(s, choix);
    ajout(s, [&](TfAjoutItems& f) {
        // Nothing typed; then No; then Yes.
        cliquer(f.bValider);
        f.RichEdit1->setPlainText(QStringLiteral("la lune|moon"));
        cliquer(f.bValider);
        EXPECT_EQ(f.RichEdit1->toPlainText(), QStringLiteral("la lune|moon"));
        EXPECT_FALSE(s.existe("_Exercices_OBV/[Tous les exercices personnels]"));
        cliquer(f.bValider);
        EXPECT_TRUE(f.RichEdit1->toPlainText().isEmpty());
        cliquer(f.bQuitter);
    });
    s.p.boite(ReponseBoite::Ok, "Il n'y a pas d'items à valider !");
    s.p.boite(ReponseBoite::Non, "Valider pour tous les groupes ?");
    s.p.boite(ReponseBoite::Oui, "Valider pour tous les groupes ?");
    fBilans->bAjoutItemsClick();

    EXPECT_EQ(boites(s), QStringList({"Information | Il n'y a pas d'items à valider !",
                                      "Confirmation | Valider pour tous les groupes ?",
                                      "Confirmation | Valider pour tous les groupes ?"}));
    for (const QString& f : QStringList{"CM1/Léa.txt", "CM1/Tom.txt", "CE2/Noé.txt"})
        EXPECT_EQ(s.lireOctets(perso + f), octetsLignes({"la lune|moon"})) << f.toStdString();
    // A pupil in no group is in none of the groups.
    EXPECT_EQ(QDir(s.chemin(perso)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList({"CE2", "CM1"}));
}

TEST(AjoutItems, LignesVidesSeulement)
{
    // They pass the first test: every pupil gets an empty personal file, and nothing else.
    Seance s(false);
    petiteClasse(s);
    ChoixFixe choix;
    demarrerSansAccueil(s, choix);
    ajout(s, [&](TfAjoutItems& f) {
        f.RichEdit1->setPlainText(QStringLiteral("\n"));
        cliquer(f.bValider);
        cliquer(f.bQuitter);
    });
    s.p.boite(ReponseBoite::Oui, "Valider pour tous les groupes ?");
    fBilans->bAjoutItemsClick();
    for (const QString& f : QStringList{"CM1/Léa.txt", "CM1/Tom.txt", "CE2/Noé.txt"})
        EXPECT_EQ(s.lireOctets(perso + f), QByteArray()) << f.toStdString();
}

TEST(AjoutItems, UnEchecGardeLeTexte)
{
    Seance s(false);
    petiteClasse(s);
    ChoixFixe choix;
    demarrerSansAccueil(s, choix);
    const QString texte = QStringLiteral("un item bien trop long pour la limite|x");
    ajout(s, [&](TfAjoutItems& f) {
        f.RichEdit1->setPlainText(texte);
        choisir(f.cChoixGroupe, "CM1");
        {
            LimiteEcriture limite;
            cliquer(f.bValider);
        }
        EXPECT_EQ(f.RichEdit1->toPlainText(), texte);
        cliquer(f.bQuitter);
    });
    s.p.boite(ReponseBoite::Oui, "Valider pour le groupe CM1 ?");
    s.p.boite(ReponseBoite::Ok);
    fBilans->bAjoutItemsClick();

    EXPECT_EQ(boites(s).last(),
              "Erreur | " + erreurES(FichierItemsPersos(etat.RepertoireExercices, "CM1", "Léa")));
    EXPECT_FALSE(s.existe(perso + "CM1/Léa.txt"));
    EXPECT_FALSE(s.existe(perso + "CM1/Tom.txt"));
}

TEST(AjoutItems, UnDisqueQuiRefuseEnCoursNAjouteRienDeMoitie)
{
    // Léa's file takes part of the items, then the disk refuses: it keeps only whole items (those
    // it had); typed again, each item is there once.
    Seance s(false);
    propositions(s);
    QStringList items;
    for (int i = 1; i <= 30; ++i)
        items.append(QStringLiteral("en masse %1|r%1").arg(i, 2, 10, QLatin1Char('0')));
    ChoixFixe choix;
    demarrerSansAccueil(s, choix);
    ajout(s, [&](TfAjoutItems& f) {
        f.RichEdit1->setPlainText(items.join(QLatin1Char('\n')));
        choisir(f.cChoixGroupe, "CM1");
        {
            LimiteEcriture limite(100);
            cliquer(f.bValider);
        }
        EXPECT_EQ(s.lireOctets(perso + "CM1/Léa.txt"), octetsLignes({"zèbre|zebra"}));
        cliquer(f.bValider);
        cliquer(f.bQuitter);
    });
    s.p.boite(ReponseBoite::Oui, "Valider pour le groupe CM1 ?");
    s.p.boite(ReponseBoite::Ok, erreurES(FichierItemsPersos(etat.RepertoireExercices, "CM1", "Léa")));
    s.p.boite(ReponseBoite::Oui, "Valider pour le groupe CM1 ?");
    fBilans->bAjoutItemsClick();

    EXPECT_EQ(s.lireOctets(perso + "CM1/Léa.txt"), octetsLignes(items + QStringList({"zèbre|zebra"})));
    EXPECT_EQ(s.lireOctets(perso + "CM1/Tom.txt"), octetsLignes(items));
}

// Without a results folder there is no group and no pupil: nothing is added anywhere, and the
// print forms find nobody (never the bank's folders, nor pupils registered there by mistake).
TEST(AjoutItems, SansDossierDesBilans)
{
    Seance s(false);
    propositions(s);
    s.ecrireLignes("_Exercices_OBV/Conjugaison/Marc_Pwd.txt", {"marc"});
    s.parametres({"REPERTOIRE TEXTES=", "REPERTOIRE BILANS=Absent"});
    s.p.boite(ReponseBoite::Ok);
    ChoixFixe choix;
    demarrerSansAccueil(s, choix);
    EXPECT_TRUE(elevesAImprimer(SelectionEleves::Tous).isEmpty());
    ajout(s, [&](TfAjoutItems& f) {
        EXPECT_EQ(textes(f.cChoixGroupe), QStringList({"Tous les groupes"}));
        f.RichEdit1->setPlainText(QStringLiteral("la lune|moon"));
        cliquer(f.bValider);
        cliquer(f.bQuitter);
    });
    s.p.boite(ReponseBoite::Oui, "Valider pour tous les groupes ?");
    fBilans->bAjoutItemsClick();
    EXPECT_EQ(QDir(s.chemin(perso)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList({"CE2", "CM1"}));
    EXPECT_EQ(s.lireOctets(perso + "CM1/Léa.txt"), octetsLignes({"zèbre|zebra"}));
}
