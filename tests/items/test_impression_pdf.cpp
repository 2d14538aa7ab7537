// The successes of two pupils really printed, a page each, through QPrinter into a PDF file read
// back with poppler's tools.

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "Pdf.h"
#include "Etat.h"
#include "ImpressionReussites.h"
#include "PlateformeQt.h"
#include "Profil.h"
#include "test_impression_outils.h"

using namespace outilsImpression;

namespace {

void ecrire(const QString& chemin, const QStringList& lignes)
{
    QDir().mkpath(QFileInfo(chemin).path());
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(octetsLignes(lignes));
}

} // namespace

TEST(ImpressionPdf, DeuxElevesUnePageChacun)
{
    if (!outilsPoppler())
        GTEST_SKIP() << "pdftotext et pdfinfo (paquet poppler-utils) sont absents : l'impression ne peut être relue";
    QTemporaryDir dossier;
    const QString racine = dossier.path() + QStringLiteral("/_Bilans/");
    ecrire(racine + "CM1/Léa_Pwd.txt", {"chat"});
    ecrire(racine + "CM1/Léa_OBV_Reussites.txt", {"un cheval, des ...|3", "un journal, des ...|1-0"});
    ecrire(racine + "CM1/Tom_Pwd.txt", {"foot"});
    ecrire(racine + "CM1/Tom_OBV_Reussites.txt", {"le chat|2"});
    ecrire(racine + "CE2/Noé_Pwd.txt", {"lune"});

    PlateformeQt p;
    installerPlateforme(&p);
    reinitialiserEtat();
    definirProfil(profilOmbrivelle());
    etat.RepertoireBilans = racine;
    {
        ChoixBilansFixe choix;
        choix.groupe = "CM1";
        TfImpressionReussites f;
        f.RadioButton2->setChecked(true);
        f.ckChgtPage->setChecked(true);
        const QString pdf = dossier.path() + QStringLiteral("/reussites.pdf");
        p.imprimerDansPdf(pdf);
        f.ImprimerReussites(false);
        EXPECT_EQ(p.travauxImprimes(), 1);
        ASSERT_TRUE(QFileInfo::exists(pdf));
        const auto pages = QRegularExpression(QStringLiteral("^Pages:\\s*(\\d+)"), QRegularExpression::MultilineOption)
                               .match(sortieProgramme(QStringLiteral("pdfinfo"), {pdf}));
        EXPECT_EQ(pages.captured(1), QStringLiteral("2"));
        const QString page1 = sortieProgramme("pdftotext", {"-layout", "-f", "1", "-l", "1", pdf, "-"});
        const QString page2 = sortieProgramme("pdftotext", {"-layout", "-f", "2", "-l", "2", pdf, "-"});
        EXPECT_TRUE(page1.contains("[Groupe : CM1]") && page1.contains("[Utilisateur : Léa]")) << page1.toStdString();
        EXPECT_TRUE(page1.contains("un cheval, des ... | 3")) << page1.toStdString();
        EXPECT_TRUE(page1.contains("un journal, des ... | 1-0")) << page1.toStdString();
        EXPECT_FALSE(page1.contains("Tom"));
        EXPECT_TRUE(page2.contains("[Groupe : CM1]") && page2.contains("[Utilisateur : Tom]")) << page2.toStdString();
        EXPECT_TRUE(page2.contains("le chat | 2")) << page2.toStdString();
        EXPECT_FALSE(page2.contains("Noé"));
    }
    installerPlateforme(nullptr);
}
