#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "MessagePerso.h"
#include "MsgOuiNonPerso.h"
#include "Profil.h"
#include "Seance.h"
#include "copieecran.h"

namespace {

void montrerMessage(Seance& s, const QString& texte, const QString& type, std::function<void(TfMessagePerso&)> action)
{
    fMessagePerso->Texte = texte;
    fMessagePerso->TypeMessage = type;
    s.p.fenetre<TfMessagePerso>(std::move(action));
    s.p.montrerModal(*fMessagePerso);
}

} // namespace

TEST(MessagePerso, LaLargeurSuitLeTexteEtCentreImagesEtBouton)
{
    Seance s(false);
    s.creerFiches();
    // A caption short enough to leave the box its own width rule.
    fMessagePerso->Titre = QStringLiteral("x");
    const QString court = QStringLiteral("Bien.");
    const QString long_ = QStringLiteral("Oups ! Tu n'as toujours pas saisi précisément la réponse, "
                                         "regarde-la bien avant de recommencer.");
    // The long text first: the box must shrink back for the short one.
    montrerMessage(s, long_, QStringLiteral("PasBon"), [&](TfMessagePerso& f) {
        const int texte = f.lTexte->width();
        EXPECT_GE(texte, f.lTexte->fontMetrics().horizontalAdvance(long_));
        EXPECT_EQ(f.lTexte->pos(), QPoint(8, 8));
        const int w = texte + 20;
        ASSERT_GT(w, 153);
        EXPECT_EQ(f.width(), w);
        EXPECT_EQ(f.height(), 93);
        EXPECT_EQ(f.iBon->x(), w / 2 - 16);
        EXPECT_EQ(f.iPasBon->x(), w / 2 - 16);
        EXPECT_EQ(f.bOk->x(), w / 2 - 20);
        EXPECT_EQ(f.bOk->y(), 63);
        cliquer(f.bOk);
    });
    montrerMessage(s, court, QStringLiteral("Bon"), [&](TfMessagePerso& f) {
        EXPECT_LT(f.lTexte->width(), 133);
        EXPECT_EQ(f.width(), 153);
        EXPECT_EQ(f.height(), 93);
        EXPECT_EQ(f.iBon->x(), 60);
        EXPECT_EQ(f.iPasBon->x(), 60);
        EXPECT_EQ(f.bOk->x(), 56);
        cliquer(f.bOk);
    });

    // The application title needs more room than a short message: the box takes it, and the
    // pictures, the button and the text stay centred together.
    fMessagePerso->Titre.clear();
    titreApplication() = QStringLiteral("Ombrivelle - Version 1.1");
    montrerMessage(s, court, QStringLiteral("Bon"), [&](TfMessagePerso& f) {
        const int w = Fiche::largeurLegende(f.windowTitle());
        ASSERT_GT(w, 153);
        EXPECT_EQ(f.width(), w);
        EXPECT_EQ(f.height(), 93);
        EXPECT_NEAR(f.iBon->geometry().center().x(), w / 2, 1);
        EXPECT_NEAR(f.bOk->geometry().center().x(), w / 2, 1);
        EXPECT_EQ(f.lTexte->x(), 8 + (w - 153) / 2);
        cliquer(f.bOk);
    });
}

TEST(MessagePerso, ImageSelonLeTypeEtTouches)
{
    struct Cas {
        const char* type;
        bool bon;
    };
    const Cas cas[] = {{"Bon", true}, {"PasBon", false}, {"bon", false}, {"BON", false}, {"", false}};
    Seance s(false);
    s.creerFiches();
    for (const Cas& c : cas) {
        montrerMessage(s, QStringLiteral("Un message."), QString::fromLatin1(c.type), [&](TfMessagePerso& f) {
            EXPECT_EQ(!f.iBon->isHidden(), c.bon) << c.type;
            EXPECT_EQ(!f.iPasBon->isHidden(), !c.bon) << c.type;
            // No cancel: Escape does nothing; Enter presses "Ok".
            touche(&f, Qt::Key_Escape);
            EXPECT_FALSE(f.fermetureEnAttente());
            touche(&f, Qt::Key_Return);
            EXPECT_TRUE(f.fermetureEnAttente());
        });
    }
}

TEST(MessagePerso, Legende)
{
    Seance s(false);
    s.creerFiches();
    titreApplication() = QStringLiteral("Ombrivelle - Version 1.1");
    montrerMessage(s, QStringLiteral("x"), QStringLiteral("Bon"), [](TfMessagePerso& f) {
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Ombrivelle - Version 1.1"));
        cliquer(f.bOk);
    });
    fMessagePerso->Titre = QStringLiteral("Attention");
    montrerMessage(s, QStringLiteral("x"), QStringLiteral("Bon"), [](TfMessagePerso& f) {
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Attention"));
        cliquer(f.bOk);
    });
    fMessagePerso->Titre.clear();
    // A program that keeps its own name as the caption, whatever the application title.
    Profil autre = profilOmbrivelle();
    autre.nomProgramme = QStringLiteral("Castiflore");
    autre.legendeTitreApplication = false;
    definirProfil(autre);
    montrerMessage(s, QStringLiteral("x"), QStringLiteral("Bon"), [](TfMessagePerso& f) {
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Castiflore"));
        cliquer(f.bOk);
    });
    s.p.fenetre<TfMsgOuiNonPerso>([](TfMsgOuiNonPerso& f) {
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Castiflore"));
        cliquer(f.bOui);
    });
    s.p.montrerModal(*fMsgOuiNonPerso);
    definirProfil(profilOmbrivelle());
}

TEST(MsgOuiNonPerso, ImageDeLaNote)
{
    struct Cas {
        const char* lettre;
        int image; // index in A .. J, -1 for none
    };
    const Cas cas[] = {{"E", 4}, {"C", 2}, {"A", 0}, {"I", 8}, {"J", 9}, {"", -1}, {"c", -1}, {"K", -1}, {"AB", -1}};
    Seance s(false);
    s.creerFiches();
    for (const Cas& c : cas) {
        fMsgOuiNonPerso->NoteLettre = QString::fromLatin1(c.lettre);
        s.p.fenetre<TfMsgOuiNonPerso>([&](TfMsgOuiNonPerso& f) {
            const auto images = f.images();
            for (int i = 0; i < images.size(); ++i) {
                EXPECT_EQ(!images.at(i)->isHidden(), i == c.image) << c.lettre << " image " << i;
                // Every picture sits in the frame of "E", in the middle of the window as the
                // design has it, and is drawn to the frame's size: nothing of it is cut.
                EXPECT_EQ(images.at(i)->geometry(), f.imageE->geometry()) << i;
                EXPECT_EQ(images.at(i)->size(), QSize(101, 87)) << i;
                EXPECT_EQ(images.at(i)->y(), 94) << i;
                EXPECT_NEAR(images.at(i)->geometry().center().x(), f.width() / 2, 1) << i;
                EXPECT_EQ(images.at(i)->pixmap().size(), QSize(101, 87)) << i;
            }
            cliquer(f.bNon);
        });
        s.p.montrerModal(*fMsgOuiNonPerso);
    }
    EXPECT_EQ(fMsgOuiNonPerso->imageC->alignment(), Qt::AlignCenter);
    EXPECT_EQ(fMsgOuiNonPerso->imageD->alignment(), Qt::AlignCenter);
    EXPECT_EQ(fMsgOuiNonPerso->imageE->alignment(), Qt::AlignLeft | Qt::AlignTop);
}

TEST(MsgOuiNonPerso, ReponseRepartDeFauxAChaqueFois)
{
    Seance s(false);
    s.creerFiches();
    fMsgOuiNonPerso->Texte = QStringLiteral("Bravo Léa !\rExercice terminé en 42 s,\ravec un score de 5 points sur 5.");
    fMsgOuiNonPerso->NoteLettre = QStringLiteral("A");
    s.p.fenetre<TfMsgOuiNonPerso>([](TfMsgOuiNonPerso& f) {
        EXPECT_EQ(f.lTexte->text(),
                  QStringLiteral("Bravo Léa !\nExercice terminé en 42 s,\navec un score de 5 points sur 5."));
        // Only its two buttons end the question.
        touche(&f, Qt::Key_Escape);
        EXPECT_FALSE(f.fermetureEnAttente());
        cliquer(f.bOui);
    });
    s.p.montrerModal(*fMsgOuiNonPerso);
    EXPECT_TRUE(fMsgOuiNonPerso->Reponse);
    // The second showing does not remember the first answer.
    s.p.fenetre<TfMsgOuiNonPerso>([](TfMsgOuiNonPerso& f) {
        EXPECT_FALSE(f.Reponse);
        f.Close();
    });
    s.p.montrerModal(*fMsgOuiNonPerso);
    EXPECT_FALSE(fMsgOuiNonPerso->Reponse);
    // Enter answers with the button that has the focus, "Oui" at first.
    s.p.fenetre<TfMsgOuiNonPerso>([](TfMsgOuiNonPerso& f) { touche(&f, Qt::Key_Return); });
    s.p.montrerModal(*fMsgOuiNonPerso);
    EXPECT_TRUE(fMsgOuiNonPerso->Reponse);
    s.p.fenetre<TfMsgOuiNonPerso>([](TfMsgOuiNonPerso& f) {
        f.bNon->setFocus();
        touche(&f, Qt::Key_Return);
    });
    s.p.montrerModal(*fMsgOuiNonPerso);
    EXPECT_FALSE(fMsgOuiNonPerso->Reponse);
}

TEST(CPEcr, SaCaseDeFermetureLaFerme)
{
    Seance s(false);
    s.creerFiches();
    s.p.fenetre<TCPEcr>([](TCPEcr& f) {
        EXPECT_EQ(f.windowTitle(), QStringLiteral("Aide"));
        EXPECT_EQ(f.size(), QSize(380, 348));
        EXPECT_EQ(f.Image1->pixmap().size(), QSize(380, 349));
        f.close();
    });
    s.p.montrerModal(*CPEcr);
}

// At the end of a 30-point exercise the question shows its whole text, whole buttons and the
// whole picture with the fonts it really gets, and never less than its design size.
TEST(MsgOuiNonPerso, ToutSeVoitAvecLesPolicesReelles)
{
    Seance s(false);
    s.creerFiches();
    titreApplication() = QStringLiteral("Ombrivelle - Version 1.1");
    const QStringList lignes = {"Bravo Chloé !", "Exercice terminé en 1 min 12 s,",
                                "avec un score de 29 points sur 30."};
    auto entier = [](const QWidget* w, const QWidget* fenetre) {
        return fenetre->rect().contains(w->geometry());
    };
    for (const QString& texte : {lignes.join('\r'), QStringLiteral("Bravo !")}) {
        fMsgOuiNonPerso->Texte = texte;
        fMsgOuiNonPerso->NoteLettre = QStringLiteral("B");
        s.p.fenetre<TfMsgOuiNonPerso>([&](TfMsgOuiNonPerso& f) {
            EXPECT_GE(f.width(), 271);
            EXPECT_GE(f.height(), 255);
            EXPECT_GE(f.width(), Fiche::largeurLegende(f.windowTitle()));
            const QFontMetrics fm(f.lTexte->font());
            for (const QString& ligne : f.lTexte->text().split('\n'))
                EXPECT_GE(f.lTexte->width(), fm.horizontalAdvance(ligne)) << ligne.toStdString();
            EXPECT_GE(f.Label1->width(), f.Label1->fontMetrics().horizontalAdvance(f.Label1->text()));
            for (QPushButton* b : {f.bOui, f.bNon})
                EXPECT_GT(b->width(), b->fontMetrics().horizontalAdvance(b->text()) + 8) << b->text().toStdString();
            for (const QWidget* w : std::initializer_list<const QWidget*>{f.lTexte, f.Label1, f.bOui, f.bNon, f.imageB})
                EXPECT_TRUE(entier(w, &f)) << w->objectName().toStdString();
            // Nothing covers anything else.
            EXPECT_LE(f.lTexte->geometry().bottom(), f.imageB->y());
            EXPECT_LE(f.imageB->geometry().bottom(), f.Label1->y());
            EXPECT_LE(f.Label1->geometry().bottom(), f.bOui->y());
            EXPECT_LE(f.bOui->geometry().right(), f.bNon->x());
            cliquer(f.bOui);
        });
        s.p.montrerModal(*fMsgOuiNonPerso);
    }
}
