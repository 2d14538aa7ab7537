#include "ChoixNbItems.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "Deroulement.h"
#include "Etat.h"
#include "Plateforme.h"
#include "Profil.h"

TfChoixNbItems* fChoixNbItems = nullptr;

namespace {

QFont policePixels(const QFont& base, int pixels)
{
    QFont f = base;
    f.setPixelSize(pixels);
    return f;
}

} // namespace

QString legendeChoix(int nombre)
{
    return QString::number(nombre) + (nombre == 1 ? QStringLiteral(" item (") : QStringLiteral(" items ("))
           + QString::number(5 * nombre) + QStringLiteral(" points)");
}

TfChoixNbItems::TfChoixNbItems(QWidget* parent) : Fiche(parent)
{
    setObjectName(QStringLiteral("fChoixNbItems"));
    fChoixNbItems = this;
    setWindowTitle(QStringLiteral("Choix nombre d'items"));
    definirCadre(false, Echappement::Ignore);
    definirTailleClient(254, profil().hauteurChoixItems);
    definirPlacement(Placement::Conception, QPoint(268, 107));
    definirFond(bleuCiel());
    setFont(policePixels(font(), 11));

    const QFont grande = policePixels(font(), 19);
    // The counts are the program's own; the dictation program offers larger ones.
    const QList<int>& comptes = profil().choixItems;
    auto option = [&](int rang, int y) {
        auto* r = new QRadioButton(this);
        r->setFont(grande);
        r->setGeometry(16, y, 232, 26);
        if (rang < comptes.size())
            r->setText(legendeChoix(comptes.at(rang)));
        return r;
    };
    // All the radio buttons share this form: checking one unchecks the others.
    rChoix1 = option(0, 8);
    rChoix2 = option(1, 38);
    rChoix3 = option(2, 68);
    rChoix5 = option(3, 98);
    rChoix6 = option(4, 128);
    rChoix7 = option(5, 158);
    rChoix8 = option(6, 188);

    Label1 = new QLabel(QStringLiteral("TOUS LES ITEMS"), this);
    Label1->setFont(grande);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setGeometry(8, 222, 238, 24);

    rChoix4 = new QRadioButton(QStringLiteral("Tous les items"), this);
    rChoix4->setFont(grande);
    rChoix4->setGeometry(16, 250, 232, 26);

    lInfo = new QLabel(QStringLiteral("TOUS LES ITEMS"), this);
    lInfo->setFont(policePixels(font(), 13));
    lInfo->setAlignment(Qt::AlignCenter);
    lInfo->setWordWrap(true);
    QPalette rouge = lInfo->palette();
    rouge.setColor(QPalette::WindowText, Qt::red);
    lInfo->setPalette(rouge);
    lInfo->setGeometry(profil().infoChoixItems);

    bOk = new QPushButton(QStringLiteral("Ok"), this);
    bOk->setGeometry(89, profil().hautOkChoixItems, 75, 25);
    definirBoutonDefaut(bOk);
    relier(bOk, &TfChoixNbItems::bOkClick);
}

QList<QRadioButton*> TfChoixNbItems::optionsComptees() const
{
    return {rChoix1, rChoix2, rChoix3, rChoix5, rChoix6, rChoix7, rChoix8};
}

void TfChoixNbItems::FormActivate()
{
    const Deroulement& d = deroulement();
    const int n = d.NbItems;
    const int k = d.NbItemsDisponibles - n; // items set aside as mastered
    if (etat.EleveCourant.isEmpty())
        lInfo->clear();
    else
        lInfo->setText(QStringLiteral("Tu as éliminé ") + QString::number(k) + QStringLiteral(" item")
                       + (k > 1 ? QStringLiteral("s") : QString()) + QStringLiteral(" sur ")
                       + QString::number(d.NbItemsDisponibles) + QStringLiteral("."));
    rChoix4->setText(QString::number(n) + QStringLiteral(" items (") + QString::number(5 * n)
                     + QStringLiteral(" points)"));
    const QList<QRadioButton*> options = optionsComptees();
    const QList<int>& comptes = profil().choixItems;
    // The first option keeps its design state (enabled).
    for (int i = 1; i < options.size(); ++i)
        options.at(i)->setEnabled(i < comptes.size() && n >= comptes.at(i));
    rChoix4->setChecked(true);
    rChoix4->setFocus();
}

void TfChoixNbItems::bOkClick()
{
    Deroulement& d = deroulement();
    const QList<QRadioButton*> options = optionsComptees();
    const QList<int>& comptes = profil().choixItems;
    int nombre = d.NbItems;
    for (int i = 0; i < options.size() && i < comptes.size(); ++i)
        if (options.at(i)->isChecked())
            nombre = comptes.at(i);
    d.TirerItems(nombre);
    Close();
}
