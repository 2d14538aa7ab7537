#include <gtest/gtest.h>

#include <QTextDocument>

#include "Impression.h"
#include "Seance.h"

namespace {

using Etat = TravailImprime::Etat;

QString lettres(int n, QChar c = QLatin1Char('a'))
{
    return QString(n, c);
}

} // namespace

TEST(Impression, TexteBrutUneLigneSousLAutreEtPagesPleines)
{
    struct Cas {
        const char* nom;
        int hauteur;
        QStringList lignes;
        QList<TexteImprime> attendus;
        int pages;
    };
    QStringList trenteQuatre;
    for (int i = 1; i <= 34; ++i)
        trenteQuatre.append(QString::number(i));
    const QString longue = lettres(100) + QStringLiteral(" ") + lettres(30, QLatin1Char('b'));
    const QList<Cas> cas = {
        {"retrait d'une tabulation en tête, lignes vides sautées sans rien dessiner", 3300,
         {"", "\tBilan de : Léa", "\t", "Fin"},
         {{1, 160, 100, "Bilan de : Léa"}, {1, 0, 300, "Fin"}}, 1},
        {"deux tabulations, une tabulation intérieure élargie au multiple de huit", 3300,
         {"\t\tab\tc"}, {{1, 320, 0, "ab      c"}}, 1},
        {"la 34e ligne ne tient plus : elle ouvre la page 2 en haut", 3300, trenteQuatre,
         {{1, 0, 3200, "33"}, {2, 0, 0, "34"}}, 2},
        {"hauteur réglée : trois lignes par page", 350, {"a", "b", "c", "d"},
         {{1, 0, 200, "c"}, {2, 0, 0, "d"}}, 2},
        {"des lignes vides en fin de page n'éjectent aucune feuille blanche", 350,
         {"a", "b", "c", "", "", ""}, {{1, 0, 200, "c"}}, 1},
        {"une ligne plus large que la page continue, coupée au dernier blanc", 3300,
         {"\t" + longue}, {{1, 160, 0, lettres(100)}, {1, 160, 100, lettres(30, QLatin1Char('b'))}}, 1},
        {"un mot plus large que la page est coupé où il déborde", 3300, {lettres(130)},
         {{1, 0, 0, lettres(120)}, {1, 0, 100, lettres(10)}}, 1},
        {"des retraits plus larges que la page s'arrêtent à son milieu", 3300,
         {QString(16, QLatin1Char('\t')) + "ab"}, {{1, 1200, 0, "ab"}}, 1},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        ImprimanteEnregistreuse imp;
        imp.hauteur = c.hauteur;
        auto doc = imp.document();
        const ResultatImpression r = imprimerTexteBrut(*doc, c.lignes, QStringLiteral("Bilan"));
        ASSERT_TRUE(r.reussi) << r.erreur.toStdString();
        ASSERT_EQ(imp.travaux.size(), 1);
        const TravailImprime& t = imp.travaux.first();
        EXPECT_EQ(t.titre, "Bilan");
        EXPECT_EQ(t.etat, Etat::Termine);
        EXPECT_EQ(t.pages, c.pages);
        // The expected texts are the last ones drawn, in order.
        ASSERT_GE(t.textes.size(), c.attendus.size());
        const QList<TexteImprime> fin = t.textes.mid(t.textes.size() - c.attendus.size());
        for (qsizetype i = 0; i < c.attendus.size(); ++i) {
            EXPECT_EQ(fin[i].page, c.attendus[i].page) << i;
            EXPECT_EQ(fin[i].x, c.attendus[i].x) << i;
            EXPECT_EQ(fin[i].y, c.attendus[i].y) << i;
            EXPECT_EQ(fin[i].texte, c.attendus[i].texte) << i;
        }
    }
}

TEST(Impression, SautsDePageSansFeuilleBlanche)
{
    ImprimanteEnregistreuse imp;
    auto d = imp.document();
    ASSERT_TRUE(d->commencer(QStringLiteral("Réussites")));
    EXPECT_EQ(d->largeur(), 2400);
    EXPECT_EQ(d->hauteur(), 3300);
    EXPECT_EQ(d->hauteurTexte(QStringLiteral("***************")), 100);
    EXPECT_EQ(d->largeurTexte(QStringLiteral("abc")), 60);
    // A break on a page still untouched keeps that page.
    EXPECT_TRUE(d->nouvellePage());
    EXPECT_TRUE(d->ecrire(200, 200, QStringLiteral("un")));
    // Two breaks in a row make one new page, which begins with the next text only.
    EXPECT_TRUE(d->nouvellePage());
    EXPECT_TRUE(d->nouvellePage());
    EXPECT_TRUE(d->ecrire(200, 200, QString())); // an empty text draws nothing
    EXPECT_TRUE(d->ecrire(200, 200, QStringLiteral("deux")));
    EXPECT_TRUE(d->nouvellePage()); // left pending at the end: no blank sheet
    EXPECT_TRUE(d->terminer());
    ASSERT_EQ(imp.travaux.size(), 1);
    EXPECT_EQ(imp.travaux[0].pages, 2);
    EXPECT_EQ(imp.travaux[0].textes,
              (QList<TexteImprime>{{1, 200, 200, "un"}, {2, 200, 200, "deux"}}));
    // A job without any text is still a normal job.
    auto vide = imp.document();
    ASSERT_TRUE(vide->commencer(QString()));
    EXPECT_TRUE(vide->nouvellePage());
    EXPECT_TRUE(vide->terminer());
    EXPECT_EQ(imp.travaux[1].etat, Etat::Termine);
    EXPECT_EQ(imp.travaux[1].pages, 0);
    // A second start leaves the job in progress alone.
    ASSERT_TRUE(vide->commencer(QString()));
    EXPECT_FALSE(vide->commencer(QString()));
    EXPECT_TRUE(vide->enCours());
    EXPECT_TRUE(vide->terminer());
    // Operations outside a job are refused.
    EXPECT_FALSE(vide->ecrire(0, 0, QStringLiteral("x")));
    EXPECT_FALSE(vide->erreur().isEmpty());
}

TEST(Impression, UnEchecEnCoursDeTravailLAbandonne)
{
    struct Cas {
        const char* nom;
        OperationImpression operation;
        int rang;
        int travaux;      // jobs recorded
        int textes;       // texts drawn before the failure
    };
    const QList<Cas> cas = {
        {"au début : aucun travail", OperationImpression::Debut, 1, 0, 0},
        {"au deuxième texte", OperationImpression::Texte, 2, 1, 1},
        {"au passage à la page suivante", OperationImpression::NouvellePage, 1, 1, 3},
        {"à la fin du document", OperationImpression::Fin, 1, 1, 5},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        ImprimanteEnregistreuse imp;
        imp.hauteur = 300; // three lines a page
        QStringList journal;
        imp.journaliser = [&journal](const QString& l) { journal.append(l); };
        imp.echouerA(c.operation, c.rang);
        auto d = imp.document();
        const ResultatImpression r =
            imprimerTexteBrut(*d, {"1", "2", "3", "4", "5"}, QStringLiteral("Bilan"));
        EXPECT_FALSE(r.reussi);
        EXPECT_FALSE(r.erreur.isEmpty());
        EXPECT_FALSE(d->enCours());
        ASSERT_EQ(imp.travaux.size(), c.travaux);
        if (c.travaux) {
            EXPECT_EQ(imp.travaux[0].etat, Etat::Abandonne);
            EXPECT_EQ(imp.travaux[0].textes.size(), c.textes);
            EXPECT_EQ(journal.last(), "impression abandonnée");
        }
        EXPECT_TRUE(journal.contains("impression échec | " + nomOperation(c.operation))) << journal.join("; ").toStdString();
        // The next job goes through.
        EXPECT_TRUE(imprimerTexteBrut(*imp.document(), {"ok"}).reussi);
    }
}

TEST(Impression, DialoguesScriptesEtTravauxAuJournal)
{
    Seance s(false);
    PlateformeScriptee& p = s.p;
    p.repondreImpression(3);
    p.repondreImpression(std::nullopt);
    p.repondreImprimante(true);
    p.repondreImprimante(false);
    Police arial;
    arial.nom = QStringLiteral("Arial");
    arial.taillePoints = 14;
    arial.style = PoliceGras | PoliceSouligne;
    arial.couleur = 255;
    p.repondrePolice(arial);
    p.repondreDossier(QStringLiteral("/classe/bilans"));
    p.repondreFichier(std::nullopt);

    EXPECT_EQ(p.dialogueImpression(), std::optional<int>(3));
    EXPECT_EQ(p.dialogueImpression(), std::nullopt);
    EXPECT_TRUE(p.dialogueImprimante());
    EXPECT_FALSE(p.dialogueImprimante());
    EXPECT_EQ(p.dialoguePolice(Police()), std::optional<Police>(arial));
    EXPECT_EQ(p.dialogueDossier(QStringLiteral("/classe")), std::optional<QString>("/classe/bilans"));
    DemandeFichier f;
    f.mode = DemandeFichier::Mode::Enregistrer;
    f.titre = QStringLiteral("Exporter");
    f.dossierInitial = QStringLiteral("/classe");
    f.filtre = QStringLiteral("Fichiers texte (*.txt)|*.TXT");
    f.extensionDefaut = QStringLiteral(".txt");
    f.confirmerRemplacement = true;
    EXPECT_EQ(p.dialogueFichier(f), std::nullopt);
    auto d = p.documentImprime();
    ASSERT_TRUE(imprimerTexteBrut(*d, {"ligne"}, QStringLiteral("Bilan")).reussi);
    QTextDocument riche;
    riche.setDefaultFont(QFont(QStringLiteral("Courier New")));
    riche.setPlainText(QStringLiteral("Bilan détaillé de : Léa\n\nligne"));
    ASSERT_TRUE(p.imprimerTexteRiche(riche).reussi);
    EXPECT_EQ(p.imprimante.travaux.last().texte, "Bilan détaillé de : Léa\n\nligne");
    EXPECT_EQ(p.imprimante.travaux.last().police, "Courier New");

    EXPECT_EQ(p.journal, QStringList({
        "dialogue impression | 3 copie(s)",
        "dialogue impression | annulé",
        "dialogue imprimante | accepté",
        "dialogue imprimante | annulé",
        "dialogue police | MS Sans Serif, 8 pt, style 0, couleur -16777208 | Arial, 14 pt, style 5, couleur 255",
        "dialogue dossier | /classe | /classe/bilans",
        "dialogue fichier | enregistrer | Exporter | /classe | Fichiers texte (*.txt)|*.TXT | .txt | confirmer le remplacement | annulé",
        "impression début | Bilan",
        "impression fin | 1 page(s)",
        "impression texte riche | Courier New | 3 paragraphe(s)",
    }));

    // A dialog that the script does not expect fails, and is cancelled.
    QStringList echecs;
    p.echec = [&echecs](const QString& m) { echecs.append(m); };
    p.boite(ReponseBoite::Oui);
    EXPECT_EQ(p.dialogueDossier(QStringLiteral("/classe")), std::nullopt);
    EXPECT_EQ(echecs, QStringList({"dialogue dossier non prévu par le script"}));
    // ... and a box does not take a dialog's answer.
    echecs.clear();
    p.boite(QString(), QStringLiteral("Question ?"), TypeBoite::Confirmation, BoutonsBoite::OuiNon);
    p.repondreImprimante(true);
    EXPECT_EQ(p.boite(QString(), QStringLiteral("Autre ?"), TypeBoite::Confirmation, BoutonsBoite::OuiNon),
              ReponseBoite::Non);
    EXPECT_EQ(echecs.size(), 1);
    EXPECT_TRUE(p.dialogueImprimante());
}
