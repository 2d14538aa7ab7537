// Whole exercise runs through the main window, with the welcome screen and the boxes scripted.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>

#include "Bilans.h"
#include "Chemins.h"
#include "ChoixNbItems.h"
#include "Deroulement.h"
#include "EcriturePerdue.h"
#include "Etat.h"
#include "MessagePerso.h"
#include "MsgOuiNonPerso.h"
#include "FichierDetail.h"
#include "FichierExos.h"
#include "FichierReussites.h"
#include "Fichiers.h"
#include "LimiteEcriture.h"
#include "Profil.h"
#include "Quitter.h"
#include "Seance.h"
#include "Texte.h"
#include "Unit1.h"
#include "Unit2.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// A classroom of our own: the bank with one exercise, the results folder with Léa in CM1.
void classe(Seance& s, const QStringList& exercice, const QStringList& reglages = {})
{
    s.parametres(QStringList({"REPERTOIRE TEXTES=", "REPERTOIRE BILANS=", "BRUITAGE=Oui"}) + reglages);
    s.ecrireLignes("_Exercices_OBV/Pluriels.txt", exercice);
    s.ecrireLignes("_Bilans/CM1/Léa_Pwd.txt", {"chat"});
    for (const char* son : {"juste.wav", "faux.wav", "fin.wav", "quitter.wav"})
        s.ecrireOctets(QString::fromLatin1(son), "RIFF");
}

// The welcome screen as a pupil leaves it after signing in and choosing an exercise.
void accueil(Seance& s, const QString& eleve, const QString& exercice = QStringLiteral("Pluriels.txt"))
{
    s.p.fenetre<TForm2>([eleve, exercice](TForm2& f) {
        etat.EleveCourant = eleve;
        etat.GroupeCourant = eleve.isEmpty() ? QString() : QStringLiteral("CM1");
        etat.RepertoireGroupe = etat.RepertoireBilans + (eleve.isEmpty() ? QString() : QStringLiteral("CM1/"));
        if (!eleve.isEmpty()) {
            for (const char* suffixe : {"Reussites.txt", "Detail.txt", "Exos.txt"})
                if (!existeFichier(nomFichierResultat(etat.RepertoireGroupe, etat.EleveCourant, QString::fromLatin1(suffixe))))
                    CreerFichierVide(nomFichierResultat(etat.RepertoireGroupe, etat.EleveCourant, QString::fromLatin1(suffixe)));
            ChargerReussites();
        }
        etat.ExerciceCourant = etat.RepertoireExercices + exercice;
        f.Close();
    });
}

void fermer(Seance& s, const QString& classe)
{
    s.p.fenetre(classe, [](Fiche& f) { f.Close(); });
}

void message(Seance& s)
{
    fermer(s, QStringLiteral("TfMessagePerso"));
}

void finale(Seance& s, bool autre)
{
    s.p.fenetre<TfMsgOuiNonPerso>([autre](TfMsgOuiNonPerso& f) {
        f.Reponse = autre;
        f.Close();
    });
}

void repondre(Seance&, const QString& texte)
{
    Form1->eSaisie->clear();
    taper(Form1->eSaisie, texte);
    cliquer(Form1->bJaiEcrit);
}

QStringList lignes(const Seance& s, const QString& relatif)
{
    return decouperLignes(depuisWindows1252(s.lireOctets(relatif)));
}

const QStringList pluriels = {"Écris le pluriel.", "ORDRE", "##", "un cheval, des ...|chevaux",
                              "un journal, des ...|journaux"};

} // namespace

TEST(Seance, ExerciceCompletDUneEleve)
{
    Seance s(false);
    classe(s, pluriels);
    accueil(s, QStringLiteral("Léa"));
    fermer(s, QStringLiteral("TfChoixNbItems"));
    s.demarrer();
    ASSERT_TRUE(Form1->bJaiEcrit->isEnabled());
    EXPECT_EQ(Form1->eMotATraduire->toPlainText(), QStringLiteral("un cheval, des ..."));
    EXPECT_EQ(Form1->eModele->toPlainText(), QStringLiteral("Écris le pluriel.\nORDRE"));
    EXPECT_EQ(Form1->lNoteMaxi->text(), QStringLiteral("10"));
    EXPECT_EQ(Form1->lNbItemsTotal->text(), QStringLiteral("2"));
    EXPECT_EQ(Form1->lDossierCourant->text(), QStringLiteral("Pluriels"));

    message(s);
    s.p.tic(4);
    repondre(s, QStringLiteral("chevaux"));
    EXPECT_EQ(Form1->eMotATraduire->toPlainText(), QStringLiteral("un journal, des ..."));
    EXPECT_EQ(Form1->eSaisie->toPlainText(), QString());

    message(s);
    repondre(s, QStringLiteral("journals"));
    EXPECT_EQ(Form1->lBonus->text(), QStringLiteral("3"));
    message(s);
    repondre(s, QStringLiteral("journaus"));
    EXPECT_EQ(Form1->lBonus->text(), QStringLiteral("2"));
    // The answer was shown for the reading time, then the instructions came back.
    EXPECT_EQ(s.p.journal.mid(s.p.journal.size() - 2), QStringList({"repeindre TForm1", "pause 3000"}));
    EXPECT_EQ(Form1->eModele->toPlainText(), QStringLiteral("Écris le pluriel.\nORDRE"));

    s.p.tic(62);
    message(s);
    repondre(s, QStringLiteral("journaux"));
    // Right after a miss: 2 points, and the item comes back worth 1.
    EXPECT_EQ(deroulement().Score, 7);
    EXPECT_EQ(deroulement().TableItems[1].EtatItem, 'R');
    EXPECT_EQ(Form1->lBonus->text(), QStringLiteral("1"));

    s.p.tic(3);
    message(s);
    s.p.boite(ReponseBoite::Ok, QStringLiteral("Il n'y a plus d'items à retravailler dans cet exercice !"));
    finale(s, false);
    s.p.boite(ReponseBoite::Non, QStringLiteral("Veux-tu voir ton bilan ?"));
    repondre(s, QStringLiteral("journaux"));

    EXPECT_EQ(fMsgOuiNonPerso->Texte, QStringLiteral("Bravo Léa !\rExercice terminé en 1 min 9 s,\r"
                                                     "avec un score de 8 points sur 10."));
    EXPECT_EQ(fMsgOuiNonPerso->NoteLettre, QStringLiteral("D"));
    EXPECT_EQ(deroulement().TableItems[1].EtatItem, 'O');
    EXPECT_EQ(Form1->lNbItemsRepondus->text(), QStringLiteral("2"));
    EXPECT_TRUE(s.p.finDemandee());
    EXPECT_EQ(s.p.journal.mid(s.p.journal.size() - 5),
              QStringList({"boite Confirmation | Ombrivelle - Version 1.1 | Veux-tu voir ton bilan ?",
                           "repeindre TForm1", "son quitter.wav", "pause 4000", "fin du programme"}));
    EXPECT_EQ(s.p.journalDe("son"), QStringList({"son juste.wav", "son faux.wav", "son faux.wav", "son juste.wav",
                                                  "son juste.wav", "son fin.wav", "son quitter.wav"}));

    EXPECT_EQ(lignes(s, "_Bilans/CM1/Léa_OBV_Detail.txt"),
              QStringList({"07/12/2026 à 14:05:32 - 2 items - Exercice [Pluriels]",
                           "Item réussi un cheval, des ... en 4 s.", "", "journaux", "  journals", "  journaus",
                           "Item réussi un journal, des ... en 1 min 2 s.",
                           "Item réussi un journal, des ... en 3 s.", "", "Temps exercice : 1 min 9 s.",
                           "Score : 8/10.", QString(68, QLatin1Char('-'))}));
    EXPECT_EQ(s.lireOctets("_Bilans/CM1/Léa_OBV_Detail.txt").left(30),
              QByteArray("07/12/2026 \xE0 14:05:32 - 2 item"));
    EXPECT_EQ(s.lireOctets("_Bilans/CM1/Léa_OBV_Exos.txt"),
              QByteArray("07/12/2026 | Termin\xE9    |    8 /  10 | Pluriels\r\n"));
    // Only the item right at once was counted; the miss left no row for the other.
    EXPECT_EQ(s.lireOctets("_Bilans/CM1/Léa_OBV_Reussites.txt"), QByteArray("un cheval, des ...|1\r\n"));
}

TEST(Seance, ExerciceDuVisiteur)
{
    Seance s(false);
    classe(s, {"##", "chat|chats|chattes"}, {"TEMPS LECTURE=0", "BRUITAGE=Non"});
    accueil(s, QString());
    s.demarrer();
    // One item: no number-of-items dialog.
    EXPECT_EQ(s.p.journalDe("fenetre"), QStringList({"fenetre TForm2"}));

    const QStringList textes = {"As-tu bien saisi la réponse ? Essaie encore.",
                                "Non, la réponse va s'afficher, puis disparaître.",
                                "Oups ! Tu n'as toujours pas saisi précisément la réponse.",
                                "Observe la réponse, puis clique sur <OK>.", "Observe bien la réponse et recopie-la.",
                                "Observe bien la réponse et recopie-la."};
    QStringList vus;
    for (int i = 0; i < 6; ++i)
        s.p.fenetre<TfMessagePerso>([&vus](TfMessagePerso& f) {
            vus.append(f.Texte + " / " + f.TypeMessage);
            f.Close();
        });
    const QStringList bonus = {"3", "2", "1", "0", "0"};
    for (int i = 0; i < 5; ++i) {
        repondre(s, i == 0 ? QString() : QStringLiteral("chien"));
        EXPECT_EQ(Form1->lBonus->text(), bonus[i]);
        if (i == 1) {
            // A reading time of 0 or less shows the answer for 3 seconds, the first answer only.
            EXPECT_TRUE(s.p.journal.contains("pause 3000"));
            EXPECT_EQ(Form1->eModele->toPlainText(), QString());
        }
        if (i == 2) {
            EXPECT_EQ(Form1->eModele->toPlainText(), QString());
        }
        if (i >= 3) {
            EXPECT_EQ(Form1->eModele->toPlainText(), QStringLiteral("chats"));
        }
    }
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(vus.value(i), textes[i] + " / PasBon");

    for (int i = 0; i < 2; ++i)
        s.p.fenetre<TfMessagePerso>([](TfMessagePerso& f) {
            EXPECT_EQ(f.Texte, QStringLiteral("C'est bien, item réussi, continue."));
            EXPECT_EQ(f.TypeMessage, QStringLiteral("Bon"));
            f.Close();
        });
    repondre(s, QStringLiteral("  CHATTES "));
    // Right after misses: nothing scored, and the item comes back worth 1 point.
    EXPECT_EQ(deroulement().TableItems[0].EtatItem, 'R');
    EXPECT_EQ(Form1->lBonus->text(), QStringLiteral("1"));
    EXPECT_EQ(Form1->lNote->text(), QStringLiteral("0"));
    s.p.boite(ReponseBoite::Ok, QStringLiteral("Il n'y a plus d'items à retravailler dans cet exercice !"));
    finale(s, false);
    repondre(s, QStringLiteral("chats"));
    // The guest: "Bravo  !", no results offer, no file, and no pause with sounds off.
    EXPECT_EQ(fMsgOuiNonPerso->Texte, QStringLiteral("Bravo  !\rExercice terminé en 0 s,\r"
                                                     "avec un score de 1 point sur 5."));
    EXPECT_EQ(fMsgOuiNonPerso->NoteLettre, QStringLiteral("J"));
    EXPECT_EQ(s.p.journal.last(), QStringLiteral("fin du programme"));
    EXPECT_FALSE(s.p.journal.contains("pause 4000"));
    EXPECT_TRUE(s.p.journalDe("son").isEmpty());
    EXPECT_EQ(QDir(s.chemin("_Bilans")).entryList(QDir::Files), QStringList());
}

TEST(Seance, RetraitDesItemsAcquisDUnExerciceALAutre)
{
    Seance s(false);
    classe(s, {"##", "chat|chats", "loup|loups", "rat|rats"}, {"REPONSES NECESSAIRES=2", "BRUITAGE=Non"});
    s.ecrireLignes("_Bilans/CM1/Léa_OBV_Reussites.txt", {"chat|1", "loup|1-0", "rat|2"});
    accueil(s, QStringLiteral("Léa"));
    fermer(s, QStringLiteral("TfChoixNbItems"));
    s.p.tirages = {0, 0, 0, 0};
    s.demarrer();
    // "rat" is retired; the two others are offered.
    ASSERT_EQ(deroulement().NbItems, 2);
    EXPECT_EQ(deroulement().NbItemsDisponibles, 3);
    EXPECT_EQ(deroulement().TableItems[0].Ligne, QStringLiteral("chat|chats"));

    message(s);
    repondre(s, QStringLiteral("chats")); // chat: 2 in a row, retired from now on
    message(s);
    repondre(s, QStringLiteral("loup")); // a miss closes loup's run
    message(s);
    repondre(s, QStringLiteral("loups"));
    // Asked again for 1 point and right at once: an item asked again is never counted.
    message(s);
    s.p.boite(ReponseBoite::Ok);
    finale(s, true);
    accueil(s, QStringLiteral("Léa"));
    repondre(s, QStringLiteral("loups"));

    // The next exercise went through the welcome screen, saving the successes before it.
    EXPECT_EQ(s.lireOctets("_Bilans/CM1/Léa_OBV_Reussites.txt"), octetsLignes({"chat|2", "loup|1-0", "rat|2"}));
    EXPECT_EQ(deroulement().NbItems, 1);
    EXPECT_EQ(deroulement().TableItems[0].Ligne, QStringLiteral("loup|loups"));
    EXPECT_EQ(Form1->lNote->text(), QStringLiteral("0"));
    EXPECT_EQ(Form1->lBonus->text(), QStringLiteral("5"));
    EXPECT_EQ(deroulement().Score, 0);
    EXPECT_FALSE(s.p.finDemandee());
}

TEST(Seance, SansItemATravailler)
{
    Seance s(false);
    classe(s, {"Consigne sans barre", "##", "chat|chats"}, {"REPONSES NECESSAIRES=1"});
    s.ecrireLignes("_Bilans/CM1/Léa_OBV_Reussites.txt", {"chat|3"});
    accueil(s, QStringLiteral("Léa"));
    s.p.boite(ReponseBoite::Ok, QStringLiteral("Il n'y a plus d'items à retravailler dans cet exercice !"));
    s.demarrer();
    EXPECT_FALSE(Form1->bJaiEcrit->isEnabled());
    EXPECT_FALSE(Form1->eSaisie->isEnabled());
    EXPECT_EQ(Form1->lNoteMaxi->text(), QStringLiteral("0"));
    EXPECT_EQ(s.lireOctets("_Bilans/CM1/Léa_OBV_Detail.txt"), QByteArray()); // no start line
}

TEST(Seance, LignesSansReponseEtFichierIlisible)
{
    Seance s(false);
    classe(s, {"Consigne|oui", "Deuxième consigne", "un|deux"});
    accueil(s, QString());
    s.p.boite(ReponseBoite::Ok, QStringLiteral("Item sans réponse possible (Deuxième consigne) - Item ignoré"));
    fermer(s, QStringLiteral("TfChoixNbItems"));
    s.p.tirages = {0, 1}; // the write probe's name, then the first item
    s.demarrer();
    EXPECT_EQ(deroulement().NbItems, 2);
    EXPECT_EQ(Form1->eMotATraduire->toPlainText(), QStringLiteral("un"));

    // Another exercise that cannot be read: a message, and nothing of the first one answerable.
    s.p.fenetre<TForm2>([&s](TForm2& f) {
        QFile::link(QStringLiteral("/proc/self/mem"), s.chemin("_Exercices_OBV/Illisible.txt"));
        etat.ExerciceCourant = etat.RepertoireExercices + QStringLiteral("Illisible.txt");
        f.Close();
    });
    s.p.boite(ReponseBoite::Ok);
    Form1->LancerExercice();
    EXPECT_TRUE(s.p.journalDe("boite").last().startsWith("boite Erreur | Ombrivelle - Version 1.1 | Erreur "
                                                          "d'entrée/sortie sur le fichier "));
    EXPECT_FALSE(Form1->bJaiEcrit->isEnabled());
    EXPECT_FALSE(Form1->eSaisie->isEnabled());
    EXPECT_EQ(deroulement().NbItems, 0);
    EXPECT_EQ(deroulement().Reponses, QString());
}

TEST(Seance, SurlignageDuDebutCorrect)
{
    Seance s(false);
    classe(s, {"##", "Le chat ...|Le chat noir|Le chien"}, {"BRUITAGE=Non"});
    accueil(s, QString());
    s.demarrer();
    message(s);
    repondre(s, QStringLiteral("Le chat blanc"));
    QTextCursor c(Form1->eSaisie->document());
    auto couleurEn = [&](int position) {
        c.setPosition(position + 1);
        return c.charFormat().foreground().color();
    };
    // "Le chat " is right: the beginning up to the blank after "chat" is blue, the rest black.
    EXPECT_EQ(couleurEn(0), QColor(0, 0, 255));
    EXPECT_EQ(couleurEn(7), QColor(0, 0, 255));
    EXPECT_EQ(couleurEn(8), QColor(Qt::black));
    EXPECT_EQ(Form1->eSaisie->textCursor().position(), 13);
    EXPECT_EQ(Form1->eSaisie->currentCharFormat().foreground().color(), QColor(Qt::black));
}

TEST(Seance, LaSaisieGardeLaPoliceDeReponse)
{
    Seance s(false);
    classe(s, pluriels, {"POLICE=DejaVu Sans", "TAILLE POLICE=14", "STYLE POLICE=Italic", "COULEUR POLICE=255"});
    accueil(s, QString());
    fermer(s, QStringLiteral("TfChoixNbItems"));
    s.demarrer();
    // The typing starts black in the answer font, and stays so whatever the pupil erases.
    Frappe vue = taperViderRetaper(Form1->eSaisie);
    EXPECT_EQ(vue.famille, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(vue.pixels, 19);
    EXPECT_TRUE(vue.italique);
    EXPECT_EQ(vue.couleur, QColor(Qt::black));

    // A font chosen in the settings dialog holds too, in its colour.
    Police choisie;
    choisie.nom = QStringLiteral("DejaVu Serif");
    choisie.taillePoints = 12;
    choisie.style = PoliceGras;
    choisie.couleur = 16711680;
    Form1->changerPoliceReponse(choisie);
    Form1->eSaisie->clear();
    vue = taperViderRetaper(Form1->eSaisie);
    EXPECT_EQ(vue.famille, QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(vue.pixels, 16);
    EXPECT_TRUE(vue.gras);
    EXPECT_EQ(vue.couleur, QColor(0, 0, 255));
}

TEST(Seance, ReponseVideDUnEleveEtUnSeulItem)
{
    Seance s(false);
    classe(s, {"##", "chat|chats"}, {"BRUITAGE=Non"});
    accueil(s, QStringLiteral("Léa"));
    s.demarrer();
    message(s);
    repondre(s, QString());
    message(s);
    repondre(s, QStringLiteral("chats"));
    message(s);
    s.p.boite(ReponseBoite::Ok);
    finale(s, false);
    s.p.boite(ReponseBoite::Non, QStringLiteral("Veux-tu voir ton bilan ?"));
    repondre(s, QStringLiteral("chats"));
    EXPECT_EQ(lignes(s, "_Bilans/CM1/Léa_OBV_Detail.txt"),
              QStringList({"07/12/2026 à 14:05:32 - 1 item - Exercice [Pluriels]", "", "chats", "  ...",
                           "Item réussi chat en 0 s.", "Item réussi chat en 0 s.", "", "Temps exercice : 0 s.",
                           "Score : 4/5.", QString(68, QLatin1Char('-'))}));
    EXPECT_EQ(fMsgOuiNonPerso->NoteLettre, QStringLiteral("D"));
}

// A no-break space typed in the answer is a character of its own, never a blank.
TEST(Seance, EspaceInsecableLuTelQuel)
{
    struct Cas {
        QStringList exercice;
        QString tape;
        int bleus; // characters of the correct beginning
    };
    const QChar insecable(0x00A0);
    const Cas cas[] = {
        {{"##", "Salue.|Bonjour !"}, QStringLiteral("Bonjour") + insecable + QStringLiteral("!"), 7},
        {{"##", "Le chat|chat"}, QStringLiteral("chat") + insecable, 4},
    };
    for (const Cas& c : cas) {
        Seance s(false);
        classe(s, c.exercice, {"BRUITAGE=Non"});
        accueil(s, QStringLiteral("Léa"));
        s.demarrer();
        s.p.fenetre<TfMessagePerso>([](TfMessagePerso& f) {
            EXPECT_EQ(f.TypeMessage, QStringLiteral("PasBon"));
            f.Close();
        });
        repondre(s, c.tape);
        EXPECT_EQ(Form1->eSaisie->document()->toRawText(), c.tape);
        QTextCursor curseur(Form1->eSaisie->document());
        for (int i = 0; i < c.tape.size(); ++i) {
            curseur.setPosition(i + 1);
            EXPECT_EQ(curseur.charFormat().foreground().color() == QColor(0, 0, 255), i < c.bleus) << i;
        }
        EXPECT_EQ(lignes(s, "_Bilans/CM1/Léa_OBV_Detail.txt").last(), QStringLiteral("  ") + c.tape);
    }
}

// A save whose file reads back short puts the old file back, and the main window tells the
// pupil; a save that fails is told as the input/output error; the stop button's dialog opens
// after either.
TEST(Seance, SauvegardeRecupereeOuEnEchecDite)
{
    Seance s(false);
    classe(s, {"##", "chat|chats"}, {"BRUITAGE=Non"});
    s.ecrireLignes("_Bilans/CM1/Léa_OBV_Reussites.txt", {"loup|1"});
    accueil(s, QStringLiteral("Léa"));
    s.demarrer();
    s.p.boite(ReponseBoite::Ok, QStringLiteral("Attention, le programme ne peut enregistrer tes résultats et va "
                                               "récupérer la sauvegarde"));
    s.p.fenetre(QStringLiteral("TfQuitter"), [](Fiche& f) { f.Close(); });
    {
        EcriturePerdue perte(s.chemin("_Bilans/CM1"), 2); // the backup, then the file
        cliquer(Form1->bStop);
    }
    EXPECT_EQ(s.p.journalDe("boite").last().section(" | ", 1, 1), QStringLiteral("Erreur"));
    EXPECT_EQ(lignes(s, "_Bilans/CM1/Léa_OBV_Reussites.txt"), QStringList({"loup|1"}));

    QFile::remove(s.chemin("_Bilans/CM1/Léa_OBV_Reussites.txt"));
    QDir().mkpath(s.chemin("_Bilans/CM1/Léa_OBV_Reussites.txt"));
    s.p.boite(ReponseBoite::Ok, QStringLiteral("Erreur d'entrée/sortie sur le fichier ") + FichierReussites() + ".");
    s.p.fenetre(QStringLiteral("TfQuitter"), [](Fiche& f) { f.Close(); });
    cliquer(Form1->bStop);
}

// Léa's log and list cannot grow (a file-size limit, which holds for root too; her successes,
// a few bytes, still fit). Each exercise tells it once, goes on to its end, and every way out
// works at the first click.
TEST(Seance, ResultatsImpossiblesAEcrireDitsUneFoisParExercice)
{
    Seance s(false);
    classe(s, {"##", "chat|chats"}, {"BRUITAGE=Non"});
    for (const char* f : {"Reussites.txt", "Detail.txt", "Exos.txt"})
        s.ecrireLignes(QStringLiteral("_Bilans/CM1/Léa_OBV_") + QLatin1String(f), {});
    LimiteEcriture limite;
    const QString erreur = QStringLiteral("Erreur d'entrée/sortie sur le fichier ")
                           + s.chemin("_Bilans/CM1/Léa_OBV_Detail.txt") + QStringLiteral(".");

    // The first exercise, to its end, then another one.
    accueil(s, QStringLiteral("Léa"));
    s.p.boite(ReponseBoite::Ok, erreur);
    s.demarrer();
    EXPECT_EQ(s.p.etapesRestantes(), 0);
    message(s);
    s.p.boite(ReponseBoite::Ok, QStringLiteral("Il n'y a plus d'items à retravailler dans cet exercice !"));
    finale(s, true);
    accueil(s, QStringLiteral("Léa"));
    s.p.boite(ReponseBoite::Ok, erreur);
    repondre(s, QStringLiteral("chats"));
    EXPECT_EQ(Form1->lNote->text(), QStringLiteral("0"));
    EXPECT_TRUE(Form1->bJaiEcrit->isEnabled());

    // The second one left for a third through the stop button, the third one quit.
    s.p.fenetre<TfQuitter>([](TfQuitter& f) { cliquer(f.bNouvelExo); });
    accueil(s, QStringLiteral("Léa"));
    s.p.boite(ReponseBoite::Ok, erreur);
    cliquer(Form1->bStop);
    EXPECT_EQ(s.p.etapesRestantes(), 0);
    s.p.fenetre<TfQuitter>([](TfQuitter& f) { cliquer(f.bQuitter); });
    cliquer(Form1->bStop);

    EXPECT_TRUE(s.p.finDemandee());
    EXPECT_EQ(s.p.journalDe("boite Erreur").size(), 3);
    EXPECT_EQ(s.lireOctets("_Bilans/CM1/Léa_OBV_Reussites.txt"), octetsLignes({"chat|1"}));
}

// Léa's save fails (another machine holds the lock past its delay): she is told, and what could
// not be written waits for her next save in the run. Tom, who signs in meanwhile, does not get it.
TEST(Seance, ReussitesNonEnregistreesGardeesPourLaSauvegardeSuivante)
{
    struct DelaiNormal {
        ~DelaiNormal() { fixerDelaiVerrou(10000); }
    } delaiNormal;
    fixerDelaiVerrou(100);
    Seance s(false);
    classe(s, {"##", "chat|chats"}, {"BRUITAGE=Non"});
    const QByteArray verrou = QFile::encodeName(s.chemin("_Bilans/CM1/.~Léa_OBV_Reussites.txt.lck"));
    const int autreMachine = open(verrou.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    ASSERT_GE(autreMachine, 0);
    ASSERT_EQ(flock(autreMachine, LOCK_EX), 0);
    auto finDExercice = [&s](bool autre) {
        message(s);
        s.p.boite(ReponseBoite::Ok, QStringLiteral("Il n'y a plus d'items à retravailler dans cet exercice !"));
        finale(s, autre);
    };

    accueil(s, QStringLiteral("Léa"));
    s.demarrer();
    finDExercice(true);
    s.p.boite(ReponseBoite::Ok, QStringLiteral("Erreur d'entrée/sortie sur le fichier ")
                                    + s.chemin("_Bilans/CM1/Léa_OBV_Reussites.txt") + QStringLiteral("."));
    accueil(s, QStringLiteral("Tom"));
    repondre(s, QStringLiteral("chats"));
    EXPECT_EQ(s.lireOctets("_Bilans/CM1/Léa_OBV_Reussites.txt"), QByteArray());
    close(autreMachine);
    unlink(verrou.constData());

    finDExercice(true);
    accueil(s, QStringLiteral("Léa"));
    repondre(s, QStringLiteral("chats"));
    EXPECT_EQ(s.lireOctets("_Bilans/CM1/Tom_OBV_Reussites.txt"), octetsLignes({"chat|1"}));

    finDExercice(false);
    s.p.boite(ReponseBoite::Non, QStringLiteral("Veux-tu voir ton bilan ?"));
    repondre(s, QStringLiteral("chats"));
    EXPECT_TRUE(s.p.finDemandee());
    EXPECT_EQ(s.lireOctets("_Bilans/CM1/Léa_OBV_Reussites.txt"), octetsLignes({"chat|2"}));
    EXPECT_EQ(s.p.journalDe("boite Erreur").size(), 1);
}
