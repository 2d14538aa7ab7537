// The validation of the pupils' proposed items: the listing of one group or of all, accepted
// into the personal files or kept pending on a group change and on closing; a save that fails
// leaves the listing and the window as they were.

#include <QComboBox>
#include <QPushButton>
#include <QTextEdit>

#include "ItemsPersos.h"
#include "LimiteEcriture.h"
#include "ListeValidation.h"
#include "Validation.h"
#include "outils_items.h"

using namespace outilsBilans;
using namespace outilsItems;

namespace {

QString g(const QString& groupe)
{
    return enteteGroupeValidation(groupe);
}

QString e(const QString& eleve)
{
    return enteteEleveValidation(eleve);
}

void ecrireListe(TfValidation& f, const QStringList& lignes)
{
    f.RichEdit1->setPlainText(lignes.join(QLatin1Char('\n')));
}

// The window shown as the results window's command shows it.
void validation(Seance& s, std::function<void(TfValidation&)> action)
{
    s.p.fenetre<TfValidation>(std::move(action));
}

} // namespace

TEST(Validation, OuverteParLesBilansAccepteToutLeListage)
{
    Seance s(false);
    propositions(s);
    ChoixFixe choix;
    demarrerSansAccueil(s, choix);
    bilans(s, 1, [](TfBilans& f) { f.bValideClick(); });
    validation(s, [&](TfValidation& f) {
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Validation des items personnels"));
        EXPECT_EQ(textes(f.cChoixGroupe), QStringList({"Tous les groupes", "CE2", "CM1"}));
        EXPECT_EQ(f.cChoixGroupe->currentIndex(), 0);
        EXPECT_EQ(f.lignesListe(), QStringList({g("CE2"), e("Noé"), "la lune|moon", g("CM1"), e("Léa"), "un chat|cat", "",
                                                "zèbre|zebra", e("Tom"), "le foot|football"}));
        EXPECT_TRUE(f.bValider->isEnabled());

        // The teacher adds items for everyone above the first group, and corrects Tom's.
        ecrireListe(f, {"== Items à ajouter pour toute la sélection", "pour tous|x", "", g("CE2"), e("Noé"), "la lune|moon",
                        g("CM1"), e("Léa"), "un chat|cat", "", "zèbre|zebra", e("Tom"), "le football|football"});
        cliquer(f.bValider);
        EXPECT_TRUE(f.lignesListe().isEmpty());
        EXPECT_FALSE(f.bValider->isEnabled());
        cliquer(f.bQuitter);
    });
    montrerBilans();

    EXPECT_EQ(s.p.journalDe("fenetre"), QStringList({"fenetre TfBilans", "fenetre TfValidation"}));
    // Sorted, each item once, the accepted one already there too.
    EXPECT_EQ(s.lireOctets(perso + "CM1/Léa.txt"), octetsLignes({"pour tous|x", "un chat|cat", "zèbre|zebra"}));
    EXPECT_EQ(s.lireOctets(perso + "CM1/Tom.txt"), octetsLignes({"le football|football", "pour tous|x"}));
    EXPECT_EQ(s.lireOctets(perso + "CE2/Noé.txt"), octetsLignes({"la lune|moon", "pour tous|x"}));
    for (const QString& f : QStringList{"CM1/Léa_AValider.txt", "CM1/Tom_AValider.txt", "CE2/Noé_AValider.txt"})
        EXPECT_FALSE(s.existe(aValider + f)) << f.toStdString();
    EXPECT_EQ(s.lireOctets(aValider + "CM2/Inès_AValider.txt"), octetsLignes({"jamais listé|x"}));
    EXPECT_TRUE(boites(s).isEmpty());
}

TEST(Validation, ChangerDeGroupeEtFermerGardentEnAttente)
{
    Seance s(false);
    propositions(s);
    ChoixFixe choix;
    demarrerSansAccueil(s, choix);
    validation(s, [&](TfValidation& f) {
        // Noé's section removed, Léa's edited, Tom's emptied; then another group is chosen.
        ecrireListe(f, {g("CE2"), g("CM1"), e("Léa"), "un chat|cat", "", "un oiseau|bird", e("Tom")});
        choisir(f.cChoixGroupe, "CM1");
        EXPECT_EQ(f.lignesListe(), QStringList({g("CM1"), e("Léa"), "un chat|cat", "un oiseau|bird", e("Tom")}));
        EXPECT_TRUE(f.bValider->isEnabled());

        // Leaving by Escape keeps the listing pending too.
        f.RichEdit1->append(QStringLiteral("pour Tom|x"));
        touche(&f, Qt::Key_Escape);
        EXPECT_TRUE(f.fermetureEnAttente());
    });
    fBilans->bValideClick();

    EXPECT_EQ(s.lireOctets(aValider + "CE2/Noé_AValider.txt"), octetsLignes({"la lune|moon"}));
    EXPECT_EQ(s.lireOctets(aValider + "CM1/Léa_AValider.txt"), octetsLignes({"un chat|cat", "un oiseau|bird"}));
    EXPECT_EQ(s.lireOctets(aValider + "CM1/Tom_AValider.txt"), octetsLignes({"pour Tom|x"}));
    EXPECT_EQ(s.lireOctets(perso + "CM1/Léa.txt"), octetsLignes({"zèbre|zebra"}));
    EXPECT_FALSE(s.existe(perso + "CM1/Tom.txt"));
    EXPECT_FALSE(s.existe(perso + "CE2/Noé.txt"));
}

TEST(Validation, BoutonValiderSelonLeListage)
{
    const struct {
        const char* nom;
        bool fichier;         // Léa's pending file of CM1
        QByteArray enAttente; // what it holds
        bool actif;
    } cas[] = {
        {"une ligne d'item", true, "un chat|cat\r\n", true},
        {"une ligne vide compte", true, "\r\n", true},
        {"des en-têtes seulement", true, "", false},
        {"rien à lister", false, "", false},
    };
    for (const auto& c : cas) {
        Seance s(false);
        petiteClasse(s);
        QDir().mkpath(s.chemin(perso + "CM1"));
        if (c.fichier)
            s.ecrireOctets(aValider + "CM1/Léa_AValider.txt", c.enAttente);
        ChoixFixe choix;
        demarrerSansAccueil(s, choix);
        validation(s, [&](TfValidation& f) {
            EXPECT_EQ(f.bValider->isEnabled(), c.actif) << c.nom;
            cliquer(f.bQuitter);
        });
        fBilans->bValideClick();
    }
}

TEST(Validation, UnEnregistrementManqueLaisseLeListageEtLaFenetre)
{
    Seance s(false);
    propositions(s);
    ChoixFixe choix;
    demarrerSansAccueil(s, choix);
    const QString racine = etat.RepertoireExercices;
    const QStringList modifie = {g("CM9"), e("Léa"), "un chat|cat"};
    validation(s, [&](TfValidation& f) {
        // A group header retyped into a group that has no folder: nothing is written.
        ecrireListe(f, modifie);
        cliquer(f.bValider);
        EXPECT_EQ(f.lignesListe(), modifie);
        cliquer(f.bQuitter);
        EXPECT_FALSE(f.fermetureEnAttente());
        choisir(f.cChoixGroupe, "CM1");
        EXPECT_EQ(f.cChoixGroupe->currentIndex(), 0);
        EXPECT_EQ(f.lignesListe(), modifie);

        // Mended, it leaves.
        ecrireListe(f, {g("CM1"), e("Léa"), "un chat|cat"});
        cliquer(f.bQuitter);
    });
    s.p.boite(ReponseBoite::Ok, erreurES(FichierItemsPersos(racine, "CM9", "Léa")));
    s.p.boite(ReponseBoite::Ok, erreurES(FichierItemsAValider(racine, "CM9", "Léa")));
    s.p.boite(ReponseBoite::Ok, erreurES(FichierItemsAValider(racine, "CM9", "Léa")));
    fBilans->bValideClick();

    EXPECT_EQ(boites(s).size(), 3);
    EXPECT_TRUE(boites(s).first().startsWith("Erreur | "));
    EXPECT_FALSE(s.existe("_Exercices_OBV/[Tous les exercices personnels]/CM9"));
    EXPECT_EQ(s.lireOctets(aValider + "CM1/Léa_AValider.txt"), octetsLignes({"un chat|cat"}));
    EXPECT_EQ(s.lireOctets(aValider + "CM1/Tom_AValider.txt"), octetsLignes({"le foot|football"}));
}

TEST(Validation, UnDisqueQuiRefuseEnCoursNeLaissePasDItemDechire)
{
    // The disk refuses part-way through Léa's items: her personal file keeps only whole items
    // (here those it had), the failure is told, and the next acceptance adds each item once.
    Seance s(false);
    propositions(s);
    QStringList items;
    for (int i = 1; i <= 30; ++i)
        items.append(QStringLiteral("attente %1|r%1").arg(i, 2, 10, QLatin1Char('0')));
    s.ecrireLignes(aValider + "CM1/Léa_AValider.txt", items);
    ChoixFixe choix;
    demarrerSansAccueil(s, choix);
    validation(s, [&](TfValidation& f) {
        choisir(f.cChoixGroupe, "CM1");
        {
            LimiteEcriture limite(100);
            cliquer(f.bValider);
        }
        EXPECT_EQ(s.lireOctets(perso + "CM1/Léa.txt"), octetsLignes({"zèbre|zebra"}));
        EXPECT_EQ(s.lireOctets(aValider + "CM1/Léa_AValider.txt"), octetsLignes(items));
        cliquer(f.bValider);
        cliquer(f.bQuitter);
    });
    s.p.boite(ReponseBoite::Ok, erreurES(FichierItemsPersos(etat.RepertoireExercices, "CM1", "Léa")));
    fBilans->bValideClick();

    EXPECT_EQ(s.lireOctets(perso + "CM1/Léa.txt"), octetsLignes(items + QStringList({"zèbre|zebra"})));
    EXPECT_FALSE(s.existe(aValider + "CM1/Léa_AValider.txt"));
    EXPECT_EQ(boites(s).size(), 1);
}
