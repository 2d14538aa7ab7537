// Windows grow to show their whole text with the fonts they really get.

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "Fiche.h"
#include "Seance.h"

namespace {

// A small design: a label with a button beside it, a word-wrapped note below, a title centred
// above, and a picture behind everything.
class FicheEssai : public Fiche {
public:
    FicheEssai()
    {
        definirTailleClient(200, 100);
        fond = new QLabel(this);
        fond->setGeometry(0, 0, 200, 100);
        QPixmap p(200, 100);
        p.fill(Qt::white);
        fond->setPixmap(p);
        titre = new QLabel(QStringLiteral("Titre"), this);
        titre->setAlignment(Qt::AlignCenter);
        titre->setGeometry(60, 2, 80, 16);
        nom = new QLabel(this);
        nom->setGeometry(10, 20, 50, 20);
        ok = new QPushButton(QStringLiteral("Ok"), this);
        ok->setGeometry(70, 20, 40, 25);
        note = new QLabel(this);
        note->setWordWrap(true);
        note->setGeometry(10, 50, 120, 20);
        bas = new QPushButton(QStringLiteral("Fin"), this);
        bas->setGeometry(10, 72, 40, 25);
        setWindowTitle(QStringLiteral("x"));
    }
    QLabel* fond;
    QLabel* titre;
    QLabel* nom;
    QPushButton* ok;
    QLabel* note;
    QPushButton* bas;
};

} // namespace

TEST(Fiche, GrandirPourLeTexteEtRevenirALaConception)
{
    Seance s(false);
    FicheEssai f;
    const QString longNom = QStringLiteral("Un prénom vraiment très long pour cette étiquette");
    f.nom->setText(longNom);
    f.ajusterAuContenu();
    const int besoin = f.nom->fontMetrics().horizontalAdvance(longNom);
    EXPECT_GE(f.nom->width(), besoin);
    EXPECT_EQ(f.nom->pos(), QPoint(10, 20));
    // The button beside it moves with it and keeps its spacing; the window keeps the margin
    // of its design (60 pixels right of the title, its rightmost control).
    const int pousse = f.nom->width() - 50;
    EXPECT_EQ(f.ok->geometry(), QRect(70 + pousse, 20, 40, 25));
    EXPECT_EQ(f.width(), f.ok->geometry().right() + 1 + 60);
    EXPECT_EQ(f.height(), 100);
    // What is not beside it stays; the centred title stays centred; the picture covers all.
    EXPECT_EQ(f.note->geometry(), QRect(10, 50, 120, 20));
    EXPECT_EQ(f.bas->geometry(), QRect(10, 72, 40, 25));
    EXPECT_NEAR(f.titre->geometry().center().x(), f.width() / 2, 1);
    EXPECT_EQ(f.fond->geometry(), f.rect());

    // A short text at the next showing: everything is back to the design.
    f.nom->setText(QStringLiteral("Léa"));
    f.ajusterAuContenu();
    EXPECT_EQ(f.nom->geometry(), QRect(10, 20, 50, 20));
    EXPECT_EQ(f.ok->geometry(), QRect(70, 20, 40, 25));
    EXPECT_EQ(f.titre->geometry(), QRect(60, 2, 80, 16));
    EXPECT_EQ(f.fond->geometry(), QRect(0, 0, 200, 100));
    EXPECT_EQ(f.size(), QSize(200, 100));
}

TEST(Fiche, UnTexteReplieGranditVersLeBas)
{
    Seance s(false);
    FicheEssai f;
    f.note->setText(QStringLiteral("Une remarque bien plus longue que la ligne que la conception lui "
                                   "donne, sur plusieurs lignes."));
    f.ajusterAuContenu();
    EXPECT_EQ(f.note->width(), 120);
    EXPECT_EQ(f.note->height(), f.note->heightForWidth(120));
    ASSERT_GT(f.note->height(), 20);
    const int pousse = f.note->height() - 20;
    EXPECT_EQ(f.bas->geometry(), QRect(10, 72 + pousse, 40, 25));
    EXPECT_EQ(f.height(), 100 + pousse);
    EXPECT_EQ(f.width(), 200);
}

TEST(Fiche, AssezLargePourSaLegende)
{
    Seance s(false);
    FicheEssai f;
    f.setWindowTitle(QStringLiteral("Saisie du mot de passe enseignant"));
    s.p.fenetre(QStringLiteral("Fiche"), [](Fiche& g) { g.Close(); });
    s.p.montrerModal(f); // the showing adjusts the window, once FormActivate has run
    const int w = Fiche::largeurLegende(f.windowTitle());
    ASSERT_GT(w, 200);
    EXPECT_EQ(f.width(), w);
    // The design stands in the middle of the extra width.
    EXPECT_EQ(f.nom->x(), 10 + (w - 200) / 2);
    EXPECT_EQ(f.ok->x(), 70 + (w - 200) / 2);
    EXPECT_NEAR(f.titre->geometry().center().x(), w / 2, 1);
}
