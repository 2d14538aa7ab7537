// The dictation program's results printed for real, through QPrinter into a PDF file read back
// with poppler's tools: one formatted document, laid out and paged.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileInfo>
#include <QTabWidget>
#include <QTemporaryDir>

#include "Pdf.h"
#include "Bilans.h"
#include "BilansCastiflore.h"
#include "Etat.h"
#include "PlateformeQt.h"
#include "ProfilCastiflore.h"
#include "VisionneuseTexte.h"

TEST(BilansCastiflorePdf, UnDocumentPagineSansTitre)
{
    if (!outilsPoppler())
        GTEST_SKIP() << "pdftotext et pdfinfo (paquet poppler-utils) sont absents : l'impression ne peut être relue";
    QTemporaryDir dossier;
    PlateformeQt p;
    installerPlateforme(&p);
    reinitialiserEtat();
    definirProfil(profilCastiflore());
    castiflore::installerBilansCastiflore();
    {
        TfBilans f;
        etat.ModeEnseignant = 1;
        f.cChoixEleve->addItem(QStringLiteral("Léa"));
        QStringList lignes;
        for (int i = 1; i <= 150; ++i)
            lignes.append(QStringLiteral("Item réussi la vache en %1 s.").arg(i));
        f.BilanDetail->definirTexte(lignes.join(QStringLiteral("\r\n")));
        f.PageControl1->setCurrentWidget(f.TabSheet2);
        const QString pdf = dossier.path() + QStringLiteral("/detail.pdf");
        p.imprimerDansPdf(pdf, 2); // copies are not this program's: one job whatever the count
        f.bImprimeClick();
        EXPECT_EQ(p.travauxImprimes(), 1);
        ASSERT_TRUE(QFileInfo::exists(pdf));
        EXPECT_FALSE(QFileInfo::exists(dossier.path() + QStringLiteral("/detail-2.pdf")));
        EXPECT_EQ(infoPdf(pdf, "Title"), QString());
        const int pages = infoPdf(pdf, "Pages").toInt();
        EXPECT_GE(pages, 2);
        const QString premiere = sortieProgramme("pdftotext", {"-layout", "-f", "1", "-l", "1", pdf, "-"});
        const QStringList debut = premiere.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_GE(debut.size(), 2) << premiere.toStdString();
        EXPECT_EQ(debut[0].trimmed(), QStringLiteral("Bilan détaillé de : Léa"));
        EXPECT_EQ(debut[1].trimmed(), QStringLiteral("Item réussi la vache en 1 s."));
        const QString derniere =
            sortieProgramme("pdftotext", {"-layout", "-f", QString::number(pages), "-l", QString::number(pages), pdf, "-"});
        EXPECT_TRUE(derniere.contains(QStringLiteral("Item réussi la vache en 150 s."))) << derniere.toStdString();
        EXPECT_FALSE(derniere.contains(QStringLiteral("Bilan détaillé de")));
        // No TAB before the lines, and text of a readable size (the box's 11 pixels are 8 points).
        const auto [gauche, hauteur] = boiteDuMot(pdf, QStringLiteral("Bilan"));
        EXPECT_GE(gauche, 0);
        EXPECT_LT(gauche, 30);
        EXPECT_GT(hauteur, 6);
        EXPECT_LT(hauteur, 12);
    }
    definirReglesBilans(nullptr);
    definirProfil(profilOmbrivelle());
    installerPlateforme(nullptr);
}
