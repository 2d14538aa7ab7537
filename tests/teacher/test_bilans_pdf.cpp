// A tab of the results window really printed, through QPrinter into PDF files, read back with
// poppler's tools.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileInfo>
#include <QTabWidget>
#include <QTemporaryDir>

#include "Pdf.h"
#include "Bilans.h"
#include "Etat.h"
#include "PlateformeQt.h"
#include "Profil.h"
#include "VisionneuseTexte.h"

namespace {

// The left edge of the first word of the PDF that is this word.
double gaucheDuMot(const QString& fichier, const QString& mot)
{
    return boiteDuMot(fichier, mot).first;
}

} // namespace

TEST(BilansPdf, LOngletDetailImprimeEnDeuxCopies)
{
    if (!outilsPoppler())
        GTEST_SKIP() << "pdftotext (paquet poppler-utils) est absent : l'impression ne peut être relue";
    QTemporaryDir dossier;
    PlateformeQt p;
    installerPlateforme(&p);
    reinitialiserEtat();
    definirProfil(profilOmbrivelle());
    {
        TfBilans f;
        etat.ModeEnseignant = 1;
        f.cChoixEleve->addItem(QStringLiteral("Léa"));
        f.BilanDetail->definirTexte(QStringLiteral(
            "07/12/2026 à 14:05:32 - 2 items - Exercice [Pluriels]\r\nItem réussi un cheval, des ... en 4 s.\r\n"));
        f.PageControl1->setCurrentWidget(f.TabSheet2);
        const QString pdf = dossier.path() + QStringLiteral("/detail.pdf");
        p.imprimerDansPdf(pdf, 2);
        f.bImprimeClick();
        // Into a file: one job holding both copies, each from a new page.
        EXPECT_EQ(p.travauxImprimes(), 1);
        EXPECT_FALSE(QFileInfo::exists(dossier.path() + QStringLiteral("/detail-2.pdf")));
        EXPECT_EQ(infoPdf(pdf, QStringLiteral("Pages")), QStringLiteral("2"));
        for (const QString& page : {QStringLiteral("1"), QStringLiteral("2")}) {
            SCOPED_TRACE(page.toStdString());
            const QString texte = sortieProgramme(QStringLiteral("pdftotext"),
                                                  {QStringLiteral("-layout"), QStringLiteral("-f"), page,
                                                   QStringLiteral("-l"), page, pdf, QStringLiteral("-")});
            const QStringList lignes = texte.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            ASSERT_GE(lignes.size(), 3) << texte.toStdString();
            EXPECT_EQ(lignes[0].trimmed(), QStringLiteral("Bilan détaillé de : Léa"));
            EXPECT_EQ(lignes[1].trimmed(), QStringLiteral("07/12/2026 à 14:05:32 - 2 items - Exercice [Pluriels]"));
            EXPECT_EQ(lignes[2].trimmed(), QStringLiteral("Item réussi un cheval, des ... en 4 s."));
        }
        // Indented by the TAB: well inside the printable area's 5 mm margin (14 points).
        EXPECT_GT(gaucheDuMot(pdf, QStringLiteral("Bilan")), 30);
    }
    installerPlateforme(nullptr);
}
