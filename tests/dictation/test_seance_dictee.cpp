// Whole dictations through Castiflore's main window, the welcome screen and the boxes scripted,
// with a fixed clock: what the pupil sees, hears and leaves in the results files.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QToolButton>

#include "Chemins.h"
#include "ChoixNbItems.h"
#include "Deroulement.h"
#include "Etat.h"
#include "Bilans.h"
#include "FichierReussites.h"
#include "LimiteEcriture.h"
#include "Fichiers.h"
#include "MessagePerso.h"
#include "MsgOuiNonPerso.h"
#include "Profil.h"
#include "Quitter.h"
#include "Seance.h"
#include "Texte.h"
#include "TexteBrut.h"
#include "Unit1Castiflore.h"
#include "Unit2.h"

using castiflore::Form1;

namespace {

const QString tirets(68, QLatin1Char('-'));

// A sound file as the media player takes it.
const QByteArray son("RIFF\x24\x00\x00\x00WAVEfmt ", 16);

// A classroom of our own: the settings, one dictation folder, Léa in CM1, the sound effects.
void classe(Seance& s, const QString& dossier, const QStringList& items, const QStringList& reglages = {})
{
    s.parametres(QStringList({"REPERTOIRE=", "BILAN=", "BRUITAGE=Oui"}) + reglages);
    QDir().mkpath(s.chemin("_Exercices_CSF/" + dossier));
    for (const QString& item : items)
        s.ecrireOctets("_Exercices_CSF/" + dossier + "/" + item, son);
    s.ecrireLignes("_Bilans/CM1/Léa_Pwd.txt", {"chat"});
    for (const char* effet : {"juste.wav", "faux.wav", "fin.wav", "quitter.wav"})
        s.ecrireOctets(QString::fromLatin1(effet), son);
}

// The welcome screen as a pupil leaves it: signed in, her "_CSF_" files there, her successes
// loaded, the dictation folder chosen and made the current folder.
void accueil(Seance& s, const QString& eleve, const QString& dossier)
{
    s.p.fenetre<TForm2>([&s, eleve, dossier](TForm2& f) {
        etat.EleveCourant = eleve;
        etat.GroupeCourant = eleve.isEmpty() ? QString() : QStringLiteral("CM1");
        etat.RepertoireGroupe = etat.RepertoireBilans + (eleve.isEmpty() ? QString() : QStringLiteral("CM1/"));
        if (!eleve.isEmpty()) {
            for (const char* suffixe : {"Reussites.txt", "Detail.txt", "Exos.txt"}) {
                const QString f = nomFichierResultat(etat.RepertoireGroupe, eleve, QString::fromLatin1(suffixe));
                if (!existeFichier(f))
                    CreerFichierVide(f);
            }
            ChargerReussites();
        }
        etat.ExerciceCourant = etat.RepertoireExercices + dossier;
        ASSERT_TRUE(s.p.changerDossier(etat.ExerciceCourant));
        f.Close();
    });
}

void message(Seance& s, const QString& texte, const QString& type)
{
    s.p.fenetre<TfMessagePerso>([texte, type](TfMessagePerso& f) {
        EXPECT_EQ(f.Texte, texte);
        EXPECT_EQ(f.TypeMessage, type);
        f.Close();
    });
}

void bravo(Seance& s)
{
    message(s, QStringLiteral("C'est bien, continue."), QStringLiteral("Bon"));
}

void finale(Seance& s, bool autre)
{
    s.p.fenetre<TfMsgOuiNonPerso>([autre](TfMsgOuiNonPerso& f) {
        f.Reponse = autre;
        f.Close();
    });
}

void ecouter()
{
    cliquer(Form1->bJEcoute);
}

void repondre(const QString& texte)
{
    Form1->eSaisie->clear();
    taper(Form1->eSaisie, texte);
    cliquer(Form1->bJaiEcrit);
}

QStringList lignes(const Seance& s, const QString& relatif)
{
    return decouperLignes(depuisWindows1252(s.lireOctets(relatif)));
}

bool ouvert(QWidget* w)
{
    return w->isEnabled();
}

} // namespace

TEST(SeanceDictee, UneDicteeDeLeaDuDebutALaFin)
{
    Seance s(false, Programme::Castiflore);
    classe(s, QStringLiteral("La ferme"), {"chat.wav", "le chien.mp3"});
    accueil(s, QStringLiteral("Léa"), QStringLiteral("La ferme"));
    s.demarrer();

    // The pupil listens before typing; the clock waits for the first listening.
    EXPECT_EQ(Form1->windowTitle(), QStringLiteral("Castiflore - Version 3.6"));
    EXPECT_TRUE(ouvert(Form1->bJEcoute));
    EXPECT_FALSE(ouvert(Form1->bJaiEcrit));
    EXPECT_FALSE(ouvert(Form1->eSaisie));
    EXPECT_EQ(Form1->lDossierCourant->text(), QStringLiteral("La ferme"));
    EXPECT_EQ(Form1->lBonus->text(), QStringLiteral("5"));
    EXPECT_EQ(Form1->lNote->text(), QStringLiteral("0"));
    EXPECT_EQ(Form1->lNoteMaxi->text(), QStringLiteral("10"));
    EXPECT_EQ(Form1->lNbItemsTotal->text(), QStringLiteral("2"));
    EXPECT_EQ(Form1->lNbItemsRepondus->text(), QStringLiteral("0"));
    EXPECT_EQ(s.p.journalDe("fenetre"), QStringList({"fenetre TForm2"}));
    s.p.tic(7);
    EXPECT_EQ(deroulement().TempsItem, 0);

    ecouter();
    EXPECT_TRUE(ouvert(Form1->bJaiEcrit));
    EXPECT_TRUE(ouvert(Form1->eSaisie));
    s.p.tic(4);
    // Listening again plays the item from its start and leaves its clock running.
    ecouter();
    s.p.tic(1);
    EXPECT_EQ(deroulement().TempsItem, 5);
    EXPECT_EQ(Form1->lTemps->text(), FormaterDuree(5, true));

    bravo(s);
    repondre(QStringLiteral(" Chat"));
    EXPECT_EQ(Form1->lNote->text(), QStringLiteral("5"));
    EXPECT_EQ(Form1->lNbItemsRepondus->text(), QStringLiteral("1"));
    EXPECT_FALSE(ouvert(Form1->bJaiEcrit));
    EXPECT_FALSE(ouvert(Form1->eSaisie));
    EXPECT_TRUE(ouvert(Form1->bJEcoute));
    EXPECT_EQ(deroulement().ItemCourant, QStringLiteral("le chien.mp3"));
    EXPECT_EQ(Form1->eSaisie->toPlainText(), QString());

    ecouter();
    s.p.tic(3);
    message(s, QStringLiteral("Ce n'est pas la bonne réponse. Essaie encore."), QStringLiteral("PasBon"));
    repondre(QStringLiteral("le chient"));
    EXPECT_EQ(Form1->lBonus->text(), QStringLiteral("3"));
    EXPECT_TRUE(ouvert(Form1->bJaiEcrit));
    // The model is shown for the reading time after the second miss, then taken away.
    message(s, QStringLiteral("Non, la bonne réponse va s'afficher puis disparaître."), QStringLiteral("PasBon"));
    repondre(QString());
    EXPECT_EQ(s.p.journal.mid(s.p.journal.size() - 2),
              QStringList({"repeindre castiflore::TForm1", "pause 3000"}));
    EXPECT_EQ(Form1->eModele->toPlainText(), QString());
    EXPECT_EQ(Form1->lBonus->text(), QStringLiteral("2"));
    s.p.tic(9);
    bravo(s);
    repondre(QStringLiteral("le chien"));
    // Right after misses: 2 points, and the item comes back worth 1.
    EXPECT_EQ(Form1->lNote->text(), QStringLiteral("7"));
    EXPECT_EQ(deroulement().TableItems[1].EtatItem, 'R');
    EXPECT_EQ(Form1->lBonus->text(), QStringLiteral("1"));
    EXPECT_EQ(Form1->lNbItemsRepondus->text(), QStringLiteral("1"));

    ecouter();
    s.p.tic(2);
    bravo(s);
    finale(s, false);
    s.p.boite(ReponseBoite::Non, QStringLiteral("Veux-tu voir ton bilan ?"));
    repondre(QStringLiteral("le chien"));

    EXPECT_EQ(fMsgOuiNonPerso->Texte,
              QStringLiteral("Bravo Léa !\rExercice terminé en 19 s,\ravec un score de 8 points sur 10."));
    EXPECT_EQ(fMsgOuiNonPerso->NoteLettre, QStringLiteral("D"));
    EXPECT_TRUE(s.p.finDemandee());
    EXPECT_EQ(s.p.journalDe("son"),
              QStringList({"son chat.wav", "son chat.wav", "son juste.wav", "son le chien.mp3", "son faux.wav",
                           "son faux.wav", "son juste.wav", "son le chien.mp3", "son juste.wav", "son fin.wav",
                           "son quitter.wav"}));
    EXPECT_EQ(s.p.journal.mid(s.p.journal.size() - 4),
              QStringList({"repeindre castiflore::TForm1", "son quitter.wav", "pause 4000", "fin du programme"}));
    // No message at the normal end of a dictation.
    EXPECT_EQ(s.p.journalDe("boite").size(), 1);

    EXPECT_EQ(s.lireOctets("_Bilans/CM1/Léa_CSF_Detail.txt"),
              octetsLignes({"07/12/2026 à 14:05:32 - 2 items - Exercice sur [La ferme]", " Chat : [5 s - 1 essai]",
                            "le chien : le chient - ... [12 s - 3 essais]",
                            "le chien : [2 s - 1 essai (déjà tenté)]", "", "Temps exercice : 19 s.",
                            "Score : 8/10.", tirets}));
    EXPECT_EQ(s.lireOctets("_Bilans/CM1/Léa_CSF_Exos.txt"),
              octetsLignes({"07/12/2026 | Terminé    |    8 /  10 | La ferme"}));
    EXPECT_EQ(s.lireOctets("_Bilans/CM1/Léa_CSF_Reussites.txt"), octetsLignes({"chat|1"}));
    EXPECT_FALSE(s.existe("_Bilans/CM1/Léa_CSF_Reussites.old"));
}

TEST(SeanceDictee, LaSaisieGardeLaPoliceDeReponse)
{
    Seance s(false, Programme::Castiflore);
    classe(s, QStringLiteral("La ferme"), {"chat.wav", "le chien.mp3"},
           {"POLICE=DejaVu Sans", "TAILLE POLICE=14", "STYLE POLICE=Bold", "COULEUR POLICE=255"});
    accueil(s, QString(), QStringLiteral("La ferme"));
    s.demarrer();
    ecouter();
    // The pupil types in the answer font and its colour, whatever she erases.
    const Frappe vue = taperViderRetaper(Form1->eSaisie);
    EXPECT_EQ(vue.famille, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(vue.pixels, 19);
    EXPECT_TRUE(vue.gras);
    EXPECT_EQ(vue.couleur, QColor(Qt::red));
}

TEST(SeanceDictee, LeVisiteurNeLaisseRien)
{
    Seance s(false, Programme::Castiflore);
    classe(s, QStringLiteral("Mots"), {"chat.wav"}, {"IMPRESSION=Oui"});
    accueil(s, QString(), QStringLiteral("Mots"));
    s.demarrer();
    ecouter();
    s.p.tic(3);
    message(s, QStringLiteral("Ce n'est pas la bonne réponse. Essaie encore."), QStringLiteral("PasBon"));
    repondre(QStringLiteral("chien"));
    bravo(s);
    repondre(QStringLiteral("chat"));
    // Right after a miss: it comes back, worth 1.
    ecouter();
    s.p.tic(2);
    bravo(s);
    finale(s, false);
    repondre(QStringLiteral("chat"));
    EXPECT_EQ(fMsgOuiNonPerso->Texte,
              QStringLiteral("Bravo  !\rExercice terminé en 5 s,\ravec un score de 4 points sur 5."));
    EXPECT_EQ(fMsgOuiNonPerso->NoteLettre, QStringLiteral("D"));
    // No results window is offered, and not a file was made.
    EXPECT_TRUE(s.p.journalDe("boite").isEmpty());
    EXPECT_TRUE(s.p.finDemandee());
    EXPECT_EQ(QDir(s.chemin("_Bilans/CM1")).entryList(QDir::Files), QStringList({"Léa_Pwd.txt"}));
}

TEST(SeanceDictee, UnEchecFermeLaSerieDeLaReponseComptee)
{
    // Successes are counted under what was typed: a miss reaches that row, whatever the file's
    // name says (codes, alternatives, an order prefix), and the log still names the file.
    Seance s(false, Programme::Castiflore);
    classe(s, QStringLiteral("Mots"), {"aujourd#apo#hui.wav", "clé£clef.wav"});
    s.ecrireLignes("_Bilans/CM1/Léa_CSF_Reussites.txt", {"aujourd'hui|2", "clef|1-1", "clé|3"});
    // The write probe, the first item, then the second one rather than the first come back.
    s.p.tirages = {0, 0, 1};
    accueil(s, QStringLiteral("Léa"), QStringLiteral("Mots"));
    s.demarrer();
    ecouter();
    message(s, QStringLiteral("Ce n'est pas la bonne réponse. Essaie encore."), QStringLiteral("PasBon"));
    repondre(QStringLiteral("aujourdhui"));
    bravo(s);
    repondre(QStringLiteral("Aujourd'hui"));
    ecouter();
    message(s, QStringLiteral("Ce n'est pas la bonne réponse. Essaie encore."), QStringLiteral("PasBon"));
    repondre(QStringLiteral("clès"));
    s.p.fenetre<TfQuitter>([](TfQuitter& f) { cliquer(f.bQuitter); });
    touche(Form1->eSaisie, Qt::Key_Escape);

    EXPECT_EQ(s.lireOctets("_Bilans/CM1/Léa_CSF_Reussites.txt"),
              octetsLignes({"aujourd'hui|2-0", "clef|1-1-0", "clé|3-0"}));
    EXPECT_EQ(lignes(s, "_Bilans/CM1/Léa_CSF_Detail.txt"),
              QStringList({"07/12/2026 à 14:05:32 - 2 items - Exercice sur [Mots]",
                           "aujourd#apo#hui : aujourdhui [0 s - 2 essais]", "clé     clef : clès",
                           "Exercice interrompu après 0 s.", tirets}));
}

TEST(SeanceDictee, UnItemIlliblePrevientEtNeChangeRien)
{
    Seance s(false, Programme::Castiflore);
    classe(s, QStringLiteral("Mots"), {"chat.wav"});
    s.ecrireOctets("_Exercices_CSF/Mots/chat.wav", "pas un son");
    s.ecrireLignes("_Exercices_CSF/Mots/chat.txt", {"Le chat dort."});
    accueil(s, QStringLiteral("Léa"), QStringLiteral("Mots"));
    s.demarrer();
    s.p.boite(ReponseBoite::Ok, QStringLiteral("Erreur d'entrée/sortie sur le fichier chat.wav."));
    ecouter();
    EXPECT_EQ(s.p.journalDe("boite"),
              QStringList({"boite Erreur | Castiflore - Version 3.6 | Erreur d'entrée/sortie sur le fichier chat.wav."}));
    EXPECT_EQ(s.p.journalDe("son"), QStringList({"son chat.wav illisible"}));
    EXPECT_FALSE(ouvert(Form1->bJaiEcrit));
    EXPECT_FALSE(ouvert(Form1->eSaisie));
    EXPECT_EQ(Form1->mMessage->toPlainText(), QString());
    s.p.tic(3);
    EXPECT_EQ(deroulement().TempsItem, 0);

    // Once the file is mended, the first listening is still the first.
    s.ecrireOctets("_Exercices_CSF/Mots/chat.wav", son);
    ecouter();
    EXPECT_TRUE(ouvert(Form1->bJaiEcrit));
    EXPECT_EQ(Form1->mMessage->toPlainText(), QStringLiteral("Le chat dort."));
    s.p.tic(3);
    EXPECT_EQ(deroulement().TempsItem, 3);
}

// A dictation unpacked from an archive made on Windows: its folder's and items' names are
// Windows-1252 bytes. Every item is asked and played, its text shown, its name logged.
TEST(SeanceDictee, DicteeVenueDeWindows)
{
    Seance s(false, Programme::Castiflore);
    classe(s, QStringLiteral("Mots"), {});
    s.ecrireNomWindows("_Exercices_CSF/Les f\xeates/chat.wav", son);
    s.ecrireNomWindows("_Exercices_CSF/Les f\xeates/caf\xe9.wav", son);
    s.ecrireNomWindows("_Exercices_CSF/Les f\xeates/CAF\xc9.TXT", "Un caf\xe9 noir.\r\n");
    QImage tasse(40, 40, QImage::Format_RGB32);
    tasse.fill(Qt::darkRed);
    QByteArray jpeg;
    QBuffer tampon(&jpeg);
    tampon.open(QIODevice::WriteOnly);
    ASSERT_TRUE(tasse.save(&tampon, "JPG"));
    s.ecrireNomWindows("_Exercices_CSF/Les f\xeates/Caf\xe9.jpg", jpeg);
    accueil(s, QStringLiteral("L\u00e9a"), QStringLiteral("Les f\u00eates"));
    s.demarrer();
    EXPECT_EQ(Form1->lNbItemsTotal->text(), QStringLiteral("2"));
    ecouter();
    EXPECT_EQ(Form1->mMessage->toPlainText(), QStringLiteral("Un caf\u00e9 noir."));
    EXPECT_EQ(Form1->iExplication->pixmap().size(), QSize(40, 40));
    bravo(s);
    repondre(QStringLiteral("caf\u00e9"));
    ecouter();
    bravo(s);
    finale(s, false);
    s.p.boite(ReponseBoite::Non, QStringLiteral("Veux-tu voir ton bilan ?"));
    repondre(QStringLiteral("chat"));

    EXPECT_EQ(s.p.journalDe("son").mid(0, 4),
              QStringList({"son caf\u00e9.wav", "son juste.wav", "son chat.wav", "son juste.wav"}));
    EXPECT_EQ(lignes(s, "_Bilans/CM1/L\u00e9a_CSF_Detail.txt").mid(1, 2),
              QStringList({"caf\u00e9 : [0 s - 1 essai]", "chat : [0 s - 1 essai]"}));
    EXPECT_EQ(s.lireOctets("_Bilans/CM1/L\u00e9a_CSF_Reussites.txt"), octetsLignes({"caf\u00e9|1", "chat|1"}));
    EXPECT_EQ(s.nomsSurDisque("_Exercices_CSF/Les f\xeates"),
              QList<QByteArray>({"CAF\xc9.TXT", "Caf\xe9.jpg", "caf\xe9.wav", "chat.wav"}));
}

// A dictation made on a Mac: its names are decomposed ("e" then the accent). The pupil types the
// composed letters of the keyboard; they are the answer, and the files say them so too.
TEST(SeanceDictee, DicteeFaiteSurUnMac)
{
    Seance s(false, Programme::Castiflore);
    classe(s, QStringLiteral("Mots"), {}, {"REPONSES NECESSAIRES=1"});
    s.ecrireNomWindows("_Exercices_CSF/Ce\xcc\x81re\xcc\x81" "ales/cafe\xcc\x81.wav", son);
    s.ecrireNomWindows("_Exercices_CSF/Ce\xcc\x81re\xcc\x81" "ales/Cafe\xcc\x81.txt", "Un caf\xe9 noir.\r\n");
    s.ecrireNomWindows("_Exercices_CSF/Ce\xcc\x81re\xcc\x81" "ales/ble\xcc\x81.wav", son);
    accueil(s, QStringLiteral("L\u00e9a"), QStringLiteral("C\u00e9r\u00e9ales"));
    s.p.tirages = {0, 0};
    s.demarrer();
    EXPECT_EQ(Form1->lDossierCourant->text(), QStringLiteral("C\u00e9r\u00e9ales"));
    ecouter();
    bravo(s);
    repondre(QStringLiteral("bl\u00e9"));
    ecouter();
    EXPECT_EQ(Form1->mMessage->toPlainText(), QStringLiteral("Un caf\u00e9 noir."));
    bravo(s);
    finale(s, true);
    // Both mastered at once: neither is offered again, their keys being the composed names.
    accueil(s, QStringLiteral("L\u00e9a"), QStringLiteral("C\u00e9r\u00e9ales"));
    s.p.boite(ReponseBoite::Ok, QStringLiteral("Il n'y a plus d'items \u00e0 retravailler dans ce dossier !"));
    repondre(QStringLiteral("caf\u00e9"));

    EXPECT_EQ(s.p.journalDe("son").mid(0, 4),
              QStringList({"son bl\u00e9.wav", "son juste.wav", "son caf\u00e9.wav", "son juste.wav"}));
    EXPECT_EQ(lignes(s, "_Bilans/CM1/L\u00e9a_CSF_Detail.txt").mid(0, 3),
              QStringList({"07/12/2026 \u00e0 14:05:32 - 2 items - Exercice sur [C\u00e9r\u00e9ales]",
                           "bl\u00e9 : [0 s - 1 essai]", "caf\u00e9 : [0 s - 1 essai]"}));
    EXPECT_EQ(s.lireOctets("_Bilans/CM1/L\u00e9a_CSF_Reussites.txt"), octetsLignes({"bl\u00e9|1", "caf\u00e9|1"}));
}

TEST(SeanceDictee, DossierSansItemATravailler)
{
    for (const bool retires : {false, true}) {
        SCOPED_TRACE(retires ? "items retirés" : "aucun son");
        Seance s(false, Programme::Castiflore);
        classe(s, QStringLiteral("Mots"), retires ? QStringList({"chat.wav"}) : QStringList({"notes.doc"}),
               {"REPONSES NECESSAIRES=2"});
        s.ecrireLignes("_Bilans/CM1/Léa_CSF_Reussites.txt", {"chat|1-2"});
        accueil(s, QStringLiteral("Léa"), QStringLiteral("Mots"));
        s.p.boite(ReponseBoite::Ok, QStringLiteral("Il n'y a plus d'items à retravailler dans ce dossier !"));
        s.demarrer();
        EXPECT_EQ(s.p.journalDe("boite").first(),
                  QStringLiteral("boite Information | Castiflore - Version 3.6 | "
                                 "Il n'y a plus d'items à retravailler dans ce dossier !"));
        // Only the stop button is left.
        EXPECT_FALSE(ouvert(Form1->bJEcoute));
        EXPECT_FALSE(ouvert(Form1->bJaiEcrit));
        EXPECT_FALSE(ouvert(Form1->eSaisie));
        EXPECT_TRUE(ouvert(Form1->bStop));
        EXPECT_EQ(Form1->lNoteMaxi->text(), QStringLiteral("0"));
        EXPECT_TRUE(s.lireOctets("_Bilans/CM1/Léa_CSF_Detail.txt").isEmpty());
    }
}

TEST(SeanceDictee, ChoixDuNombreDItemsAuDelaDeQuatre)
{
    for (const int n : {4, 5}) {
        SCOPED_TRACE(n);
        Seance s(false, Programme::Castiflore);
        QStringList items;
        for (int i = 0; i < n; ++i)
            items.append(QStringLiteral("mot%1.wav").arg(i));
        classe(s, QStringLiteral("Mots"), items);
        accueil(s, QStringLiteral("Léa"), QStringLiteral("Mots"));
        if (n == 5)
            s.p.fenetre<TfChoixNbItems>([](TfChoixNbItems& f) {
                EXPECT_TRUE(f.rChoix1->isEnabled());
                EXPECT_FALSE(f.rChoix2->isEnabled());
                cliquer(f.rChoix1);
                cliquer(f.bOk);
            });
        s.demarrer();
        EXPECT_EQ(deroulement().NbItems, 4);
        EXPECT_EQ(Form1->lNoteMaxi->text(), QStringLiteral("20"));
        EXPECT_EQ(lignes(s, "_Bilans/CM1/Léa_CSF_Detail.txt"),
                  QStringList({"07/12/2026 à 14:05:32 - 4 items - Exercice sur [Mots]"}));
    }
}

TEST(SeanceDictee, TexteEtImageDeLItem)
{
    Seance s(false, Programme::Castiflore);
    classe(s, QStringLiteral("Ferme"), {"la vache.wav", "le coq.wav"});
    s.ecrireLignes("_Exercices_CSF/Ferme/LA VACHE.TXT", {"La vache vit dans le pré.", "Elle donne du lait."});
    QImage vache(160, 160, QImage::Format_RGB32);
    vache.fill(Qt::red);
    ASSERT_TRUE(vache.save(s.chemin("_Exercices_CSF/Ferme/La Vache.jpg"), "JPG"));
    QImage parDefaut(80, 60, QImage::Format_RGB32);
    parDefaut.fill(Qt::blue);
    ASSERT_TRUE(parDefaut.save(s.chemin("tlv_pardefaut.bmp"), "BMP"));
    accueil(s, QStringLiteral("Léa"), QStringLiteral("Ferme"));
    s.demarrer();

    auto image = [] { return Form1->iExplication->pixmap().toImage().convertToFormat(QImage::Format_RGB32); };
    // Before the first listening: the default picture of the program folder (no ".jpg" one at
    // the creation: hidden until then).
    EXPECT_FALSE(Form1->iExplication->isHidden());
    EXPECT_EQ(image(), parDefaut);
    EXPECT_EQ(Form1->mMessage->toPlainText(), QString());
    ecouter();
    EXPECT_EQ(Form1->mMessage->toPlainText(), QStringLiteral("La vache vit dans le pré.\nElle donne du lait."));
    EXPECT_EQ(image().size(), QSize(160, 160));
    EXPECT_GE(image().pixelColor(80, 80).red(), 240);
    EXPECT_LE(image().pixelColor(80, 80).blue(), 20);
    // A listening again adds nothing.
    ecouter();
    EXPECT_EQ(Form1->mMessage->toPlainText().count(QLatin1Char('\n')), 1);

    bravo(s);
    repondre(QStringLiteral("la vache"));
    EXPECT_EQ(Form1->mMessage->toPlainText(), QString());
    EXPECT_EQ(image(), parDefaut);

    // Without the default picture, an item without its own hides the frame.
    QFile::remove(s.chemin("tlv_pardefaut.bmp"));
    ecouter();
    bravo(s);
    finale(s, false);
    s.p.boite(ReponseBoite::Non);
    repondre(QStringLiteral("le coq"));
    EXPECT_TRUE(Form1->iExplication->isHidden());
}

TEST(SeanceDictee, Clavier)
{
    Seance s(false, Programme::Castiflore);
    classe(s, QStringLiteral("Mots"), {"chat.wav", "lune.wav"});
    s.p.tirages = {0, 0, 1};
    accueil(s, QStringLiteral("Léa"), QStringLiteral("Mots"));
    s.demarrer();
    // Enter on the window listens while nothing can be submitted.
    touche(Form1, Qt::Key_Return);
    EXPECT_EQ(s.p.journalDe("son"), QStringList({"son chat.wav"}));
    ASSERT_TRUE(ouvert(Form1->eSaisie));

    // In the answer box Enter submits and never types a line break.
    taper(Form1->eSaisie, QStringLiteral("chien"));
    message(s, QStringLiteral("Ce n'est pas la bonne réponse. Essaie encore."), QStringLiteral("PasBon"));
    touche(Form1->eSaisie, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(Form1->eSaisie->toPlainText(), QStringLiteral("chien"));
    EXPECT_EQ(deroulement().NbEssais, 1);
    // The typing replaces the answer, which was selected.
    taper(Form1->eSaisie, QStringLiteral("chat"));
    EXPECT_EQ(Form1->eSaisie->toPlainText(), QStringLiteral("chat"));
    bravo(s);
    touche(Form1->eSaisie, Qt::Key_Enter);
    EXPECT_EQ(deroulement().ItemCourant, QStringLiteral("lune.wav"));

    // Escape opens the interruption dialog, from the window or from the answer box.
    s.p.fenetre<TfQuitter>([](TfQuitter& f) { cliquer(f.bAnnuler); });
    touche(Form1, Qt::Key_Escape);
    touche(Form1, Qt::Key_Enter);
    EXPECT_EQ(s.p.journalDe("son").last(), QStringLiteral("son lune.wav"));
    s.p.fenetre<TfQuitter>([](TfQuitter& f) { cliquer(f.bAnnuler); });
    touche(Form1->eSaisie, Qt::Key_Escape);
    EXPECT_EQ(s.p.journalDe("fenetre TfQuitter").size(), 2);
    EXPECT_EQ(s.p.etapesRestantes(), 0);
}

TEST(SeanceDictee, ArretEntreDeuxItemsNeCompteRienDeuxFois)
{
    Seance s(false, Programme::Castiflore);
    classe(s, QStringLiteral("Mots"), {"chat.wav", "lune.wav"});
    accueil(s, QStringLiteral("Léa"), QStringLiteral("Mots"));
    s.demarrer();
    ecouter();
    s.p.tic(5);
    bravo(s);
    repondre(QStringLiteral("chat"));
    // The next item is not heard yet: its time is nothing.
    s.p.tic(4);
    s.p.fenetre<TfQuitter>([](TfQuitter& f) { cliquer(f.bQuitter); });
    cliquer(Form1->bStop);
    EXPECT_TRUE(s.p.finDemandee());
    EXPECT_EQ(lignes(s, "_Bilans/CM1/Léa_CSF_Detail.txt"),
              QStringList({"07/12/2026 à 14:05:32 - 2 items - Exercice sur [Mots]", "chat : [5 s - 1 essai]", "",
                           "Exercice interrompu après 5 s.", tirets}));
    EXPECT_EQ(lignes(s, "_Bilans/CM1/Léa_CSF_Exos.txt"),
              QStringList({"07/12/2026 | Interrompu |    5 /  10 | Mots"}));
    // Saved at the closing.
    EXPECT_EQ(lignes(s, "_Bilans/CM1/Léa_CSF_Reussites.txt"), QStringList({"chat|1"}));
}

TEST(SeanceDictee, SauvegardeEnEchecDite)
{
    // The successes cannot be written at the closing: the pupil is told, and the program ends.
    Seance s(false, Programme::Castiflore);
    classe(s, QStringLiteral("Mots"), {"chat.wav", "lune.wav"});
    accueil(s, QStringLiteral("Léa"), QStringLiteral("Mots"));
    bravo(s);
    s.p.fenetre<TfQuitter>([](TfQuitter& f) { cliquer(f.bQuitter); });
    s.p.boite(ReponseBoite::Ok, QStringLiteral("Erreur d'entrée/sortie sur le fichier ")
                                    + s.chemin("_Bilans/CM1/Léa_CSF_Reussites.txt") + QStringLiteral("."));
    s.demarrer();
    ecouter();
    repondre(QStringLiteral("chat"));
    injecterPanneEcriture([](EtapeEcriture e) { return e == EtapeEcriture::Creation; });
    cliquer(Form1->bStop);
    injecterPanneEcriture(nullptr);
    EXPECT_TRUE(s.p.finDemandee());
    EXPECT_EQ(s.lireOctets("_Bilans/CM1/Léa_CSF_Reussites.txt"), QByteArray());
}

TEST(SeanceDictee, UneAutreDicteeApresLaFin)
{
    Seance s(false, Programme::Castiflore);
    classe(s, QStringLiteral("Un"), {"chat.wav"});
    QDir().mkpath(s.chemin("_Exercices_CSF/Deux"));
    s.ecrireOctets("_Exercices_CSF/Deux/##01#le chat.wav", son);
    s.ecrireOctets("_Exercices_CSF/Deux/##02#la lune.wav", son);
    accueil(s, QStringLiteral("Léa"), QStringLiteral("Un"));
    s.demarrer();
    ecouter();
    s.p.tic(2);
    bravo(s);
    finale(s, true);
    accueil(s, QStringLiteral("Léa"), QStringLiteral("Deux"));
    repondre(QStringLiteral("chat"));

    // A fresh run, in folder order: the prefix is not part of the answer.
    EXPECT_EQ(Form1->lDossierCourant->text(), QStringLiteral("Deux"));
    EXPECT_EQ(Form1->lNote->text(), QStringLiteral("0"));
    EXPECT_EQ(Form1->lNoteMaxi->text(), QStringLiteral("10"));
    EXPECT_EQ(deroulement().Score, 0);
    EXPECT_EQ(deroulement().OrdreAleatoire, 0);
    EXPECT_EQ(deroulement().ItemCourant, QStringLiteral("##01#le chat.wav"));
    ecouter();
    message(s, QStringLiteral("Ce n'est pas la bonne réponse. Essaie encore."), QStringLiteral("PasBon"));
    repondre(QStringLiteral("##01#le chat"));
    message(s, QStringLiteral("Non, la bonne réponse va s'afficher puis disparaître."), QStringLiteral("PasBon"));
    message(s, QStringLiteral("Observe la réponse, puis clique sur <OK>."), QStringLiteral("PasBon"));
    // The model stays while the second box is open.
    s.p.fenetre<TfMessagePerso>([](TfMessagePerso& f) {
        EXPECT_EQ(f.Texte, QStringLiteral("J'essaie encore."));
        EXPECT_EQ(Form1->eModele->toPlainText(), QStringLiteral("le chat"));
        f.Close();
    });
    message(s, QStringLiteral("Observe bien la réponse."), QStringLiteral("PasBon"));
    repondre(QStringLiteral("le chien"));
    repondre(QStringLiteral("le chien"));
    EXPECT_EQ(Form1->eModele->toPlainText(), QString());
    repondre(QStringLiteral("le chien"));
    EXPECT_EQ(Form1->eModele->toPlainText(), QStringLiteral("le chat"));
    EXPECT_EQ(Form1->lBonus->text(), QStringLiteral("0"));
    // In folder order an item answered after misses comes back at once.
    bravo(s);
    repondre(QStringLiteral("le chat"));
    EXPECT_EQ(deroulement().ItemCourant, QStringLiteral("##01#le chat.wav"));
    EXPECT_EQ(Form1->lBonus->text(), QStringLiteral("1"));
    EXPECT_EQ(Form1->eModele->toPlainText(), QString());

    EXPECT_EQ(lignes(s, "_Bilans/CM1/Léa_CSF_Detail.txt"),
              QStringList({"07/12/2026 à 14:05:32 - 1 item - Exercice sur [Un]", "chat : [2 s - 1 essai]", "",
                           "Temps exercice : 2 s.", "Score : 5/5.", tirets,
                           "07/12/2026 à 14:05:32 - 2 items - Exercice sur [Deux]",
                           "##01#le chat : ##01#le chat - le chien - le chien - le chien [0 s - 5 essais]"}));
}

TEST(SeanceDictee, LigatureEtMajuscules)
{
    struct Cas {
        const char* item;
        const char* tape;
        const char* reglage;
        bool juste;
        const char* champ; // the answer box after the check
    };
    const Cas cas[] = {
        {"sœur.wav", "soeur", "RESPECT MAJUSCULES=Non", true, "sœur"},
        {"soeur.wav", "sœur", "RESPECT MAJUSCULES=Non", false, "sœur"},
        {"le chat.wav", "Le chat ", "RESPECT MAJUSCULES=Non", true, "Le chat "},
        {"le chat.wav", "Le chat", "RESPECT MAJUSCULES=Oui", false, "Le chat"},
        {"école.wav", "École", "RESPECT MAJUSCULES=Non", false, "École"},
        {"le chat.wav", "le  chat", "RESPECT MAJUSCULES=Non", false, "le  chat"},
        // The box is read as typed: a no-break space is no blank.
        {"le chat.wav", "le\u00A0chat", "RESPECT MAJUSCULES=Non", false, "le\u00A0chat"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.item + std::string(" / ") + c.tape);
        Seance s(false, Programme::Castiflore);
        classe(s, QStringLiteral("Mots"), {QString::fromUtf8(c.item)}, {QString::fromUtf8(c.reglage)});
        accueil(s, QString(), QStringLiteral("Mots"));
        s.demarrer();
        ecouter();
        if (c.juste) {
            bravo(s);
            finale(s, false);
        } else {
            message(s, QStringLiteral("Ce n'est pas la bonne réponse. Essaie encore."), QStringLiteral("PasBon"));
        }
        Form1->eSaisie->clear();
        taper(Form1->eSaisie, QString::fromUtf8(c.tape));
        cliquer(Form1->bJaiEcrit);
        if (!c.juste) {
            EXPECT_EQ(texteBrut(Form1->eSaisie), QString::fromUtf8(c.champ));
        }
        EXPECT_EQ(s.p.finDemandee(), c.juste);
    }
}

// Léa's log and list cannot grow (a file-size limit, which holds for root too; her successes
// still fit). Each dictation tells it once, goes on to its end, and every way out works at once.
TEST(SeanceDictee, ResultatsImpossiblesAEcrireDitsUneFoisParDictee)
{
    Seance s(false, Programme::Castiflore);
    classe(s, QStringLiteral("Mots"), {"chat.wav"}, {"BRUITAGE=Non"});
    for (const char* f : {"Reussites.txt", "Detail.txt", "Exos.txt"})
        s.ecrireLignes(QStringLiteral("_Bilans/CM1/Léa_CSF_") + QLatin1String(f), {});
    LimiteEcriture limite;
    const QString erreur = QStringLiteral("Erreur d'entrée/sortie sur le fichier ")
                           + s.chemin("_Bilans/CM1/Léa_CSF_Detail.txt") + QStringLiteral(".");

    // The first dictation, to its end, then another one, missed once, then left for a third.
    accueil(s, QStringLiteral("Léa"), QStringLiteral("Mots"));
    s.p.boite(ReponseBoite::Ok, erreur);
    s.demarrer();
    EXPECT_EQ(s.p.etapesRestantes(), 0);
    ecouter();
    bravo(s);
    finale(s, true);
    accueil(s, QStringLiteral("Léa"), QStringLiteral("Mots"));
    s.p.boite(ReponseBoite::Ok, erreur);
    repondre(QStringLiteral("chat"));
    ecouter();
    message(s, QStringLiteral("Ce n'est pas la bonne réponse. Essaie encore."), QStringLiteral("PasBon"));
    repondre(QStringLiteral("chien"));
    EXPECT_EQ(Form1->lBonus->text(), QStringLiteral("3"));
    s.p.fenetre<TfQuitter>([](TfQuitter& f) { cliquer(f.bNouvelExo); });
    accueil(s, QStringLiteral("Léa"), QStringLiteral("Mots"));
    s.p.boite(ReponseBoite::Ok, erreur);
    cliquer(Form1->bStop);
    EXPECT_EQ(s.p.etapesRestantes(), 0);

    // The third one to its end, the pupil's results shown, and the program ends.
    ecouter();
    bravo(s);
    finale(s, false);
    s.p.boite(ReponseBoite::Oui, QStringLiteral("Veux-tu voir ton bilan ?"));
    s.p.fenetre<TfBilans>([](TfBilans& f) { f.Close(); });
    repondre(QStringLiteral("chat"));
    EXPECT_TRUE(s.p.finDemandee());
    EXPECT_EQ(s.p.journalDe("boite Erreur").size(), 3);
    EXPECT_EQ(s.lireOctets("_Bilans/CM1/Léa_CSF_Reussites.txt"), octetsLignes({"chat|1-1"}));
}
