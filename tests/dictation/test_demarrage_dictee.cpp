// Castiflore's start: its settings file and defaults, the older folders beside the executable
// moved before anything is read, the default picture, and the first activation.

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>

#include "Deroulement.h"
#include "ErreurES.h"
#include "Etat.h"
#include "FichierReussites.h"
#include "Seance.h"
#include "Unit1Castiflore.h"
#include "Unit2.h"

using castiflore::Form1;

namespace {

// The welcome screen left without choosing: the first exercise lists nothing.
void accueilSansChoix(Seance& s)
{
    s.p.fenetre<TForm2>([](TForm2& f) { f.Close(); });
}

QImage image(const QLabel* l)
{
    return l->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

TEST(DemarrageDictee, FichierIniEtValeursParDefaut)
{
    {
        Seance s(false, Programme::Castiflore);
        // What an earlier reading might have left: creation sets it back.
        etat.CheminLogSon = QStringLiteral("/usr/bin/enregistreur");
        etat.EnregistrementSon = 1;
        etat.AjoutNouvelEleve = 0;
        etat.ImpressionPermise = 0;
        etat.MotDePasseActif = 0;
        etat.MotDePasseEnseignant = QStringLiteral("prof");
        etat.RepertoireBilans = QStringLiteral("/ailleurs/");
        s.p.changerDossier("/");
        s.creerFiches();
        EXPECT_EQ(etat.FichierIni, s.chemin("castiflore.ini"));
        EXPECT_EQ(etat.CheminLogSon, QString());
        EXPECT_EQ(etat.EnregistrementSon, 0);
        EXPECT_EQ(etat.AjoutNouvelEleve, 1);
        EXPECT_EQ(etat.ImpressionPermise, 1);
        EXPECT_EQ(etat.MotDePasseActif, 1);
        EXPECT_EQ(etat.MotDePasseEnseignant, QString());
        EXPECT_EQ(etat.RepertoireBilans, QString());
        EXPECT_EQ(etat.PremiereActivation, 1);
        EXPECT_EQ(Form1->mMessage->toPlainText(), QString());
    }
    {
        Seance s(false, Programme::Castiflore);
        s.p.boite(ReponseBoite::Ok);
        s.creerFiches({"absent.ini"});
        EXPECT_EQ(s.p.journal.first(), QStringLiteral("boite Avertissement | Castiflore | Le fichier INI "
                                                      "passé en paramètre (absent.ini) est introuvable"));
        EXPECT_EQ(etat.FichierIni, s.chemin("castiflore.ini"));
    }
}

TEST(DemarrageDictee, DossiersAnciensDeplacesALaCreation)
{
    Seance s(false, Programme::Castiflore);
    // The settings name another bank: the moves look only beside the executable.
    s.parametres({"REPERTOIRE=" + s.chemin("ailleurs")});
    s.ecrireLignes("aide_castiflore/index.htm", {"vieille aide"});
    s.ecrireLignes("aide/index.htm", {"très vieille aide"});
    s.ecrireOctets("_medias/Animaux/chat.wav", "nouveau");
    s.ecrireOctets("_Exercices_CSF/Animaux/chat.wav", "ancien");
    s.ecrireOctets("_Exercices_CSF/Couleurs/rouge.wav", "ancien");
    s.creerFiches();
    EXPECT_EQ(s.lireOctets("_Aide_CSF/index.htm"), "vieille aide\r\n");
    EXPECT_FALSE(s.existe("aide_castiflore"));
    EXPECT_FALSE(s.existe("aide"));
    EXPECT_FALSE(s.existe("_medias"));
    EXPECT_EQ(s.lireOctets("_Exercices_CSF/Animaux/chat.wav"), "nouveau");
    EXPECT_EQ(s.lireOctets("_Exercices_CSF/Couleurs/rouge.wav"), "ancien");
    // The old version of what the new bank replaced is kept aside, never deleted.
    EXPECT_EQ(s.lireOctets("_Exercices_CSF_ancien/Animaux/chat.wav"), "ancien");
    EXPECT_FALSE(s.existe("ailleurs"));
}

TEST(DemarrageDictee, ImageParDefautALaCreation)
{
    {
        Seance s(false, Programme::Castiflore);
        QImage jpg(160, 160, QImage::Format_RGB32);
        jpg.fill(Qt::white);
        ASSERT_TRUE(jpg.save(s.chemin("tlv_pardefaut.jpg"), "JPG"));
        s.creerFiches();
        EXPECT_FALSE(Form1->iExplication->isHidden());
        EXPECT_EQ(image(Form1->iExplication).size(), QSize(160, 160));
    }
    for (const char* contenu : {"", "pas une image"}) {
        SCOPED_TRACE(contenu);
        Seance s(false, Programme::Castiflore);
        if (*contenu)
            s.ecrireOctets("tlv_pardefaut.jpg", contenu);
        s.creerFiches();
        EXPECT_TRUE(Form1->iExplication->isHidden());
    }
    {
        // A larger picture is made smaller to fit the frame, its proportions kept.
        Seance s(false, Programme::Castiflore);
        QImage large(640, 320, QImage::Format_RGB32);
        large.fill(Qt::green);
        ASSERT_TRUE(large.save(s.chemin("tlv_pardefaut.jpg"), "JPG"));
        s.creerFiches();
        EXPECT_EQ(image(Form1->iExplication).size(), QSize(160, 80));
    }
}

TEST(DemarrageDictee, PremiereActivation)
{
    Seance s(false, Programme::Castiflore);
    s.parametres({"REPERTOIRE=", "BILAN=", "REPONSES NECESSAIRES=9", "POLICE=DejaVu Sans", "TAILLE POLICE=15",
                  "STYLE POLICE=Bold", "COULEUR POLICE=255"});
    QDir().mkpath(s.chemin("_Exercices_CSF"));
    QDir().mkpath(s.chemin("_Bilans"));
    s.ecrireOctets("Bilan_0.txt", "à garder");
    s.p.tirages = {0, 42};
    accueilSansChoix(s);
    s.demarrer();
    EXPECT_EQ(Form1->windowTitle(), QStringLiteral("Castiflore - Version 3.6"));
    EXPECT_EQ(titreApplication(), QStringLiteral("Castiflore - Version 3.6"));
    EXPECT_EQ(etat.NbReponsesNecessaires, 999);
    EXPECT_EQ(etat.EcriturePossible, 1);
    EXPECT_EQ(etat.PremiereActivation, 0);
    EXPECT_EQ(etat.RepertoireExercices, s.chemin("_Exercices_CSF/"));
    EXPECT_EQ(QDir(s.programme).entryList({"Bilan_*"}), QStringList({"Bilan_0.txt"}));
    EXPECT_EQ(Form1->lBonus->text(), QStringLiteral("5"));
    EXPECT_EQ(Form1->lDossierCourant->text(), QString());
    // Nothing chosen: nothing listed, no control opened.
    EXPECT_FALSE(Form1->bJEcoute->isEnabled());
    EXPECT_FALSE(Form1->bJaiEcrit->isEnabled());
    EXPECT_EQ(s.p.journalDe("fenetre"), QStringList({"fenetre TForm2"}));
    // The answer font goes to the answer and model boxes.
    for (QTextEdit* boite : {Form1->eSaisie, Form1->eModele}) {
        const QTextCharFormat f = boite->currentCharFormat();
        EXPECT_EQ(f.fontFamilies().toStringList(), QStringList({"DejaVu Sans"}));
        EXPECT_EQ(f.property(QTextFormat::FontPixelSize).toInt(), 20);
        EXPECT_EQ(f.fontWeight(), QFont::Bold);
        EXPECT_EQ(f.foreground().color(), QColor(Qt::red));
    }
    Form1->FormActivate();
    EXPECT_EQ(s.p.journalDe("fenetre").size(), 1);
}

TEST(DemarrageDictee, SansFichierIni)
{
    Seance s(false, Programme::Castiflore);
    s.p.boite(ReponseBoite::Ok, QStringLiteral("Fichier INI non trouvé."));
    s.demarrer();
    EXPECT_TRUE(s.p.finDemandee());
    EXPECT_TRUE(s.p.journalDe("fenetre").isEmpty());
}

TEST(DemarrageDictee, ReussitesLuesSansTestDExistence)
{
    Seance s(false, Programme::Castiflore);
    etat.EleveCourant = QStringLiteral("Léa");
    etat.RepertoireGroupe = s.programme;
    etat.TableReussites.ajouter(QStringLiteral("chat"), QStringLiteral("1"));
    // The welcome screen makes it first: a missing file is the input/output error, and nothing
    // is then saved anywhere.
    EXPECT_THROW(ChargerReussites(), ErreurES);
    EXPECT_TRUE(etat.TableReussites.estVide());
    EXPECT_EQ(EnregistrerReussites(), Enregistrement::Fait);
    EXPECT_FALSE(s.existe("Léa_CSF_Reussites.txt"));

    s.ecrireLignes("Léa_CSF_Reussites.txt", {"chat|2-1", "lune|0-3"});
    ChargerReussites();
    EXPECT_EQ(etat.TableReussites.taille(), 2);
    EXPECT_EQ(etat.NbItemsDejaReussis, 1);
}
