// Real printing through QPrinter into PDF files, read back with poppler's tools.

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextDocument>

#include "Pdf.h"
#include "Impression.h"
#include "PlateformeQt.h"

namespace {

// The left edge of the first word of the PDF that is this word.
double gaucheDuMot(const QString& fichier, const QString& mot)
{
    return boiteDuMot(fichier, mot).first;
}

class ImpressionPdf : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!outilsPoppler())
            GTEST_SKIP() << "pdftotext et pdfinfo (paquet poppler-utils) sont absents : "
                            "les impressions réelles ne peuvent pas être relues";
        installerPlateforme(&p);
    }
    void TearDown() override { installerPlateforme(nullptr); }
    QString chemin(const QString& nom) const { return dossier.path() + QLatin1Char('/') + nom; }

    QTemporaryDir dossier;
    PlateformeQt p;
};

} // namespace

TEST_F(ImpressionPdf, TexteBrutAvecRetraitEtCopiesEnTravauxSepares)
{
    p.imprimerDansPdf(chemin(QStringLiteral("bilan.pdf")), 2);
    const std::optional<int> copies = p.dialogueImpression();
    ASSERT_EQ(copies, std::optional<int>(2));
    EXPECT_TRUE(p.dialogueImprimante());
    const QStringList lignes = {"", "", "", "Sans retrait", "\tBilan exercices de : Léa", "\t",
                                "\tDictée 3 réussie"};
    for (int i = 0; i < *copies; ++i) {
        auto d = p.documentImprime();
        EXPECT_GT(d->largeur(), 4000); // A4 at 600 units an inch, less the margins
        EXPECT_GT(d->hauteur(), 6500);
        const ResultatImpression r = imprimerTexteBrut(*d, lignes, QStringLiteral("Bilan de Léa"));
        ASSERT_TRUE(r.reussi) << r.erreur.toStdString();
    }
    EXPECT_EQ(p.travauxImprimes(), 2);
    for (const QString& f : {chemin("bilan.pdf"), chemin("bilan-2.pdf")}) {
        SCOPED_TRACE(f.toStdString());
        ASSERT_TRUE(QFileInfo::exists(f));
        EXPECT_EQ(infoPdf(f, "Pages"), "1");
        EXPECT_EQ(infoPdf(f, "Title"), "Bilan de Léa");
        const QString texte = sortieProgramme("pdftotext", {f, "-"});
        EXPECT_TRUE(texte.contains("Bilan exercices de : Léa")) << texte.toStdString();
        EXPECT_TRUE(texte.contains("Dictée 3 réussie")) << texte.toStdString();
        // The TAB indents its line.
        const double sans = gaucheDuMot(f, "Sans"), avec = gaucheDuMot(f, "Bilan");
        ASSERT_GE(sans, 0);
        EXPECT_GT(avec, sans + 10) << sans << " " << avec;
    }
}

TEST_F(ImpressionPdf, TexteRicheSurDeuxPagesSansTitre)
{
    p.imprimerDansPdf(chemin(QStringLiteral("detail.pdf")));
    QTextDocument texte;
    texte.setDefaultFont(QFont(QStringLiteral("Courier New"), 10));
    QStringList lignes = {"Bilan détaillé de : Léa", ""};
    for (int i = 1; i <= 120; ++i)
        lignes.append(QStringLiteral("07/12/2026 14:05:%1 Ligne %2 du bilan").arg(i % 60, 2, 10, QLatin1Char('0')).arg(i));
    texte.setPlainText(lignes.join(QLatin1Char('\n')));
    const ResultatImpression r = p.imprimerTexteRiche(texte);
    ASSERT_TRUE(r.reussi) << r.erreur.toStdString();
    const QString f = chemin("detail.pdf");
    EXPECT_EQ(infoPdf(f, "Pages"), "2");
    EXPECT_EQ(infoPdf(f, "Title"), "");
    const QString page2 = sortieProgramme("pdftotext", {"-f", "2", "-l", "2", f, "-"});
    EXPECT_TRUE(page2.contains("Ligne 120 du bilan")) << page2.toStdString();
    EXPECT_FALSE(page2.contains("Bilan détaillé de : Léa"));
    EXPECT_TRUE(sortieProgramme("pdftotext", {"-f", "1", "-l", "1", f, "-"}).contains("Bilan détaillé de : Léa"));
}

TEST_F(ImpressionPdf, DocumentVideSansFeuilleEtImprimanteInaccessible)
{
    // Nothing drawn: no sheet, no file, and still a normal job.
    p.imprimerDansPdf(chemin(QStringLiteral("vide.pdf")));
    auto d = p.documentImprime();
    ASSERT_TRUE(d->commencer(QStringLiteral("Réussites")));
    EXPECT_TRUE(d->nouvellePage());
    EXPECT_TRUE(d->terminer());
    EXPECT_FALSE(QFileInfo::exists(chemin("vide.pdf")));

    // A printer that cannot take the job: a clear failure, nothing left half done.
    p.imprimerDansPdf(chemin(QStringLiteral("absent/bilan.pdf")));
    auto e = p.documentImprime();
    const ResultatImpression r = imprimerTexteBrut(*e, {"ligne"});
    EXPECT_FALSE(r.reussi);
    EXPECT_EQ(r.erreur, "L'imprimante a refusé le document.");
    EXPECT_FALSE(e->enCours());
    QTextDocument t;
    t.setPlainText(QStringLiteral("texte"));
    EXPECT_FALSE(p.imprimerTexteRiche(t).reussi);
}
