// The read-only text box for long files: its lines, selection, keys, mouse, colours and scrolling.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QKeyEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include "Seance.h"
#include "VisionneuseTexte.h"

namespace {

QStringList lignes(const VisionneuseTexte& v)
{
    QStringList r;
    for (int i = 0; i < v.nombreLignes(); ++i)
        r.append(v.ligne(i).toString());
    return r;
}

bool envoyerTouche(QWidget* w, int cle, Qt::KeyboardModifiers m = Qt::NoModifier)
{
    QKeyEvent e(QEvent::KeyPress, cle, m);
    e.setAccepted(true);
    QApplication::sendEvent(w, &e);
    return e.isAccepted();
}

// A box on screen with a font whose lines are known.
struct Boite {
    VisionneuseTexte v;
    Boite(int largeur = 300, int hauteur = 120)
    {
        QFont f(QStringLiteral("DejaVu Sans Mono"));
        f.setPixelSize(11);
        v.setFont(f);
        v.resize(largeur, hauteur);
        v.show();
    }
};

} // namespace

TEST(Visionneuse, LignesDuTexte)
{
    struct Cas {
        QString texte;
        QStringList lignes;
        QString joint;
    };
    const QList<Cas> cas = {
        {"", {}, ""},
        {"a", {"a"}, "a"},
        {"a\r\nb\r\n", {"a", "b"}, "a\nb"},
        {"a\n\nb", {"a", "", "b"}, "a\n\nb"},
        {"\r\n", {""}, ""},
        {"a\r\n\r\n", {"a", ""}, "a\n"},
        {"a\rb\n", {"a\rb"}, "a\rb"}, // a lone CR is no line end
        {"\r\n\r\nfin", {"", "", "fin"}, "\n\nfin"},
    };
    VisionneuseTexte v;
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.texte.toStdString());
        v.definirTexte(c.texte);
        EXPECT_EQ(lignes(v), c.lignes);
        EXPECT_EQ(v.texte(), c.joint);
        EXPECT_EQ(v.longueurSelection(), 0);
        for (int i = 0; i < v.nombreLignes(); ++i)
            EXPECT_EQ(v.couleurLigne(i), QColor(Qt::black));
    }
}

TEST(Visionneuse, SelectionClavierEtCopie)
{
    Boite b;
    VisionneuseTexte& v = b.v;
    v.definirTexte("première ligne\r\ndeuxième\r\ntroisième\r\n");
    v.selectionner(2, 400);
    EXPECT_EQ(v.texteSelectionne(), v.texte().mid(2));
    v.selectionner(0, 0);

    // Shift+Down from the start takes the first line and its end.
    EXPECT_TRUE(envoyerTouche(&v, Qt::Key_Down, Qt::ShiftModifier));
    EXPECT_EQ(v.texteSelectionne(), QStringLiteral("première ligne\n"));
    EXPECT_TRUE(envoyerTouche(&v, Qt::Key_End, Qt::ShiftModifier));
    EXPECT_EQ(v.texteSelectionne(), QStringLiteral("première ligne\ndeuxième"));
    EXPECT_TRUE(envoyerTouche(&v, Qt::Key_C, Qt::ControlModifier));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("première ligne\ndeuxième"));
    // Moving without Shift drops the selection.
    EXPECT_TRUE(envoyerTouche(&v, Qt::Key_Right));
    EXPECT_EQ(v.longueurSelection(), 0);
    EXPECT_TRUE(envoyerTouche(&v, Qt::Key_A, Qt::ControlModifier));
    EXPECT_EQ(v.texteSelectionne(), v.texte());
    EXPECT_TRUE(envoyerTouche(&v, Qt::Key_Right));
    EXPECT_EQ(v.longueurSelection(), 0);
    EXPECT_TRUE(envoyerTouche(&v, Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier));
    EXPECT_EQ(v.longueurSelection(), v.texte().size());

    // The window's own keys go on to the window.
    EXPECT_FALSE(envoyerTouche(&v, Qt::Key_Escape));
    EXPECT_FALSE(envoyerTouche(&v, Qt::Key_Return));
    EXPECT_FALSE(envoyerTouche(&v, Qt::Key_X));
}

TEST(Visionneuse, Souris)
{
    Boite b;
    VisionneuseTexte& v = b.v;
    v.definirTexte("un deux trois\r\nquatre cinq\r\n");
    QSignalSpy appuis(&v, &VisionneuseTexte::appui);
    const int h = v.fontMetrics().height();

    // Drag from the start of the first line to the second line.
    QTest::mousePress(v.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(2, h / 2 + 1));
    QTest::mouseMove(v.viewport(), QPoint(200, h + h / 2 + 1));
    QMouseEvent glisse(QEvent::MouseMove, QPointF(200, h + h / 2 + 1), QPointF(), Qt::NoButton, Qt::LeftButton,
                       Qt::NoModifier);
    QApplication::sendEvent(v.viewport(), &glisse);
    QTest::mouseRelease(v.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(200, h + h / 2 + 1));
    EXPECT_EQ(v.texteSelectionne(), QStringLiteral("un deux trois\nquatre cinq"));

    // The right button is told and leaves the selection alone.
    QTest::mousePress(v.viewport(), Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(v.texteSelectionne(), QStringLiteral("un deux trois\nquatre cinq"));
    ASSERT_EQ(appuis.size(), 2);
    EXPECT_EQ(appuis[0][0].value<Qt::MouseButton>(), Qt::LeftButton);
    EXPECT_EQ(appuis[1][0].value<Qt::MouseButton>(), Qt::RightButton);

    // A double click takes the word.
    QTest::mouseDClick(v.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(v.fontMetrics().horizontalAdvance("un de") + 3, h / 2));
    EXPECT_EQ(v.texteSelectionne(), QStringLiteral("deux"));
}

TEST(Visionneuse, ChaqueLigneEnSaCouleur)
{
    Boite b;
    VisionneuseTexte& v = b.v;
    v.definirTexte("chat|2\r\nchat|3\r\nchat|2\r\n");
    v.colorerLigne(1, Qt::red);
    v.colorerLigne(7, Qt::red); // no such line
    const QImage image = v.viewport()->grab().toImage();
    const int h = v.fontMetrics().height();
    int haut = image.height(), bas = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 150 && c.green() < 110 && c.blue() < 110) {
                haut = qMin(haut, y);
                bas = qMax(bas, y);
            }
        }
    ASSERT_GE(bas, 0) << "no red drawn";
    // The second line's band, and nothing of the two others.
    EXPECT_GE(haut, 1 + h - 1);
    EXPECT_LE(bas, 1 + 2 * h);
}

TEST(Visionneuse, DefilementParLignes)
{
    Boite b(300, 100);
    VisionneuseTexte& v = b.v;
    QStringList l;
    for (int i = 0; i < 1000; ++i)
        l.append(QStringLiteral("ligne %1").arg(i));
    v.definirTexte(l.join("\r\n"));
    QScrollBar* barre = v.verticalScrollBar();
    const int parEcran = (v.viewport()->height() - 1) / v.fontMetrics().height();
    EXPECT_EQ(barre->maximum(), 1000 - parEcran);
    EXPECT_TRUE(envoyerTouche(&v, Qt::Key_End, Qt::ControlModifier));
    EXPECT_EQ(v.premiereLigneVisible(), 1000 - parEcran);
    EXPECT_TRUE(envoyerTouche(&v, Qt::Key_PageUp));
    EXPECT_LT(v.premiereLigneVisible(), 1000 - parEcran);
    EXPECT_TRUE(envoyerTouche(&v, Qt::Key_Home, Qt::ControlModifier));
    EXPECT_EQ(v.premiereLigneVisible(), 0);
    // A new text starts at its top.
    barre->setValue(500);
    v.definirTexte("seule");
    EXPECT_EQ(v.premiereLigneVisible(), 0);
    EXPECT_EQ(barre->maximum(), 0);
}

TEST(Visionneuse, LongueLigneRepliee)
{
    Boite b(200, 200);
    VisionneuseTexte& v = b.v;
    const QString longue = QString(120, QLatin1Char('x'));
    v.definirTexte(longue + "\r\nfin");
    // Down from the start stays in the long line, on its next row.
    EXPECT_TRUE(envoyerTouche(&v, Qt::Key_Down, Qt::ShiftModifier));
    EXPECT_GT(v.longueurSelection(), 0);
    EXPECT_LT(v.longueurSelection(), 120);
    EXPECT_EQ(v.texteSelectionne(), QString(v.longueurSelection(), QLatin1Char('x')));
}
