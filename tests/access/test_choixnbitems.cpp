#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "ChoixNbItems.h"
#include "Deroulement.h"
#include "Etat.h"
#include "Seance.h"

namespace {

// A run of n items "motK|réponseK", all still to do, in file order.
void preparerItems(int n, int disponibles = -1)
{
    deroulement().TableItems.clear();
    for (int i = 1; i <= n; ++i)
        deroulement().TableItems.append({QStringLiteral("mot%1|réponse%1").arg(i), 'N'});
    deroulement().NbItems = n;
    deroulement().NbItemsDisponibles = disponibles < 0 ? n : disponibles;
}

// Shows the dialog; the action plays the pupil's part and must close it.
void montrer(Seance& s, std::function<void(TfChoixNbItems&)> action)
{
    s.p.fenetre<TfChoixNbItems>(std::move(action));
    s.p.montrerModal(*fChoixNbItems);
}

QStringList lignes()
{
    QStringList r;
    for (const EntreeItem& e : deroulement().TableItems)
        r.append(e.Ligne);
    return r;
}

QString etats()
{
    QString r;
    for (const EntreeItem& e : deroulement().TableItems)
        r += QLatin1Char(e.EtatItem);
    return r;
}

QString item(int i)
{
    return QStringLiteral("mot%1|réponse%1").arg(i);
}

} // namespace

TEST(ChoixNbItems, LigneDesItemsElimines)
{
    struct Cas {
        const char* eleve;
        int nbItems;
        int disponibles;
        QString attendu;
    };
    const Cas cas[] = {
        {"", 8, 10, QString()},
        {"Léa", 10, 10, QStringLiteral("Tu as éliminé 0 item sur 10.")},
        {"Léa", 9, 10, QStringLiteral("Tu as éliminé 1 item sur 10.")},
        {"Léa", 8, 10, QStringLiteral("Tu as éliminé 2 items sur 10.")},
    };
    Seance s(false);
    s.creerFiches();
    for (const Cas& c : cas) {
        etat.EleveCourant = QString::fromUtf8(c.eleve);
        preparerItems(c.nbItems, c.disponibles);
        montrer(s, [&](TfChoixNbItems& f) {
            EXPECT_EQ(f.lInfo->text(), c.attendu) << c.eleve << " " << c.nbItems;
            cliquer(f.bOk);
        });
        EXPECT_EQ(deroulement().NbItems, c.nbItems);
    }
}

TEST(ChoixNbItems, OptionsSelonLeNombreDItems)
{
    struct Cas {
        int nbItems;
        // enabled: rChoix1, 2, 3, 5, 6, 7, 8
        QList<bool> actives;
        QString legendeTous;
    };
    const Cas cas[] = {
        {2, {true, false, false, false, false, false, false}, QStringLiteral("2 items (10 points)")},
        {3, {true, true, false, false, false, false, false}, QStringLiteral("3 items (15 points)")},
        {9, {true, true, true, true, false, false, false}, QStringLiteral("9 items (45 points)")},
        {20, {true, true, true, true, true, true, true}, QStringLiteral("20 items (100 points)")},
    };
    Seance s(false);
    s.creerFiches();
    for (const Cas& c : cas) {
        preparerItems(c.nbItems);
        montrer(s, [&](TfChoixNbItems& f) {
            const auto options = f.optionsComptees();
            for (int i = 0; i < options.size(); ++i)
                EXPECT_EQ(options.at(i)->isEnabled(), c.actives.at(i)) << c.nbItems << " option " << i;
            EXPECT_TRUE(f.rChoix4->isEnabled());
            EXPECT_EQ(f.rChoix4->text(), c.legendeTous);
            EXPECT_TRUE(f.rChoix4->isChecked());
            // The dialog offers no way out but "Ok".
            touche(&f, Qt::Key_Escape);
            EXPECT_FALSE(f.fermetureEnAttente());
            f.rChoix1->setChecked(true);
            touche(&f, Qt::Key_Return);
        });
        EXPECT_EQ(deroulement().NbItems, 1);
        EXPECT_EQ(deroulement().TableItems.first().Ligne, item(1));
    }
}

TEST(ChoixNbItems, LegendesDesOptions)
{
    Seance s(false);
    s.creerFiches();
    const QStringList attendues = {
        QStringLiteral("1 item (5 points)"),     QStringLiteral("3 items (15 points)"),
        QStringLiteral("5 items (25 points)"),   QStringLiteral("7 items (35 points)"),
        QStringLiteral("10 items (50 points)"),  QStringLiteral("15 items (75 points)"),
        QStringLiteral("20 items (100 points)"),
    };
    const auto options = fChoixNbItems->optionsComptees();
    for (int i = 0; i < options.size(); ++i)
        EXPECT_EQ(options.at(i)->text(), attendues.at(i));
}

TEST(ChoixNbItems, LeChoixPrecedentNEstPasRetenu)
{
    Seance s(false);
    s.creerFiches();
    preparerItems(12);
    montrer(s, [&](TfChoixNbItems& f) {
        cliquer(f.rChoix6);
        EXPECT_FALSE(f.rChoix4->isChecked());
        cliquer(f.bOk);
    });
    EXPECT_EQ(deroulement().NbItems, 10);
    preparerItems(12);
    montrer(s, [&](TfChoixNbItems& f) {
        EXPECT_TRUE(f.rChoix4->isChecked());
        EXPECT_FALSE(f.rChoix6->isChecked());
        cliquer(f.bOk);
    });
    EXPECT_EQ(deroulement().NbItems, 12);
}

TEST(ChoixNbItems, OrdreDuFichier)
{
    Seance s(false);
    s.creerFiches();
    deroulement().OrdreAleatoire = 0;
    preparerItems(10);
    montrer(s, [&](TfChoixNbItems& f) {
        cliquer(f.rChoix3);
        cliquer(f.bOk);
    });
    EXPECT_EQ(deroulement().NbItems, 5);
    EXPECT_EQ(lignes(), QStringList({item(1), item(2), item(3), item(4), item(5), "", "", "", "", ""}));
    EXPECT_EQ(etats(), QStringLiteral("NNNNNNNNNN"));
    EXPECT_TRUE(s.p.tiragesDemandes.isEmpty());
}

TEST(ChoixNbItems, TirageAuHasardDansLOrdreDesTirages)
{
    Seance s(false);
    s.creerFiches();
    deroulement().OrdreAleatoire = 1;
    preparerItems(10);
    // Each draw picks among the items not drawn yet, in file order.
    s.p.tirages = {3, 0, 7, 2, 5};
    montrer(s, [&](TfChoixNbItems& f) {
        cliquer(f.rChoix3);
        cliquer(f.bOk);
    });
    EXPECT_EQ(s.p.tiragesDemandes, QList<int>({10, 9, 8, 7, 6}));
    EXPECT_EQ(deroulement().NbItems, 5);
    EXPECT_EQ(lignes(), QStringList({item(4), item(1), item(10), item(5), item(9), "", "", "", "", ""}));
    EXPECT_EQ(etats(), QStringLiteral("NNNNNNNNNN"));
}

TEST(ChoixNbItems, UneLigneRepeteeNestTireeQueSelonSesEntrees)
{
    Seance s(false);
    s.creerFiches();
    deroulement().OrdreAleatoire = 1;
    deroulement().TableItems = {{"a|a", 'N'}, {"d|d", 'N'}, {"d|d", 'N'}, {"b|b", 'N'}, {"c|c", 'N'}};
    deroulement().NbItems = deroulement().NbItemsDisponibles = 5;
    s.p.tirages = {1, 1, 1};
    montrer(s, [&](TfChoixNbItems& f) {
        cliquer(f.rChoix2);
        cliquer(f.bOk);
    });
    EXPECT_EQ(lignes(), QStringList({"d|d", "d|d", "b|b", "", ""}));
    EXPECT_EQ(deroulement().NbItems, 3);
}

TEST(ChoixNbItems, TousLesItemsOuLeMemeNombreLaissentLaTable)
{
    Seance s(false);
    s.creerFiches();
    deroulement().OrdreAleatoire = 1;
    for (bool tous : {true, false}) {
        preparerItems(3);
        deroulement().TableItems[1].Ligne = QStringLiteral("autre|chose");
        const QStringList avant = lignes();
        montrer(s, [&](TfChoixNbItems& f) {
            if (!tous)
                cliquer(f.rChoix2); // 3 items of 3
            cliquer(f.bOk);
        });
        EXPECT_EQ(deroulement().NbItems, 3);
        EXPECT_EQ(lignes(), avant);
    }
    EXPECT_TRUE(s.p.tiragesDemandes.isEmpty());
}
