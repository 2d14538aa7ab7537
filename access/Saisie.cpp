#include "Saisie.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Fiche.h"

namespace {

QFont police(const QWidget* w, int pixels)
{
    QFont f = w->font();
    f.setPixelSize(pixels);
    return f;
}

QPushButton* bouton(Fiche& f, const QRect& r, const QString& texte, const QString& image)
{
    auto* b = new QPushButton(texte, &f);
    b->setGeometry(r);
    b->setIcon(QIcon(image));
    b->setIconSize(QSize(20, 20));
    b->setFont(police(b, 14));
    return b;
}

} // namespace

ControlesSaisie creerControlesSaisie(Fiche& f, const QString& etiquette)
{
    f.definirFond(Fiche::bleuCiel());

    ControlesSaisie c;
    c.etiquette = new QLabel(etiquette, &f);
    c.etiquette->setGeometry(16, 20, 100, 26);
    c.etiquette->setFont(police(c.etiquette, 14));

    c.champ = new QLineEdit(&f);
    c.champ->setGeometry(120, 20, 170, 26);
    c.champ->setFont(police(c.champ, 14));

    c.ok = bouton(f, QRect(50, 64, 110, 30), QStringLiteral("Valider"), QStringLiteral(":/images/ok.png"));
    c.annuler = bouton(f, QRect(170, 64, 110, 30), QStringLiteral("Annuler"),
                       QStringLiteral(":/images/annuler.png"));
    return c;
}

FicheSaisie::FicheSaisie(QWidget* parent, const QString& etiquette) : Fiche(parent)
{
    definirCadre(false, Echappement::Annuler);
    definirPlacement(Placement::FenetrePrincipale);
    definirTailleClient(310, 108);
    controles = creerControlesSaisie(*this, etiquette);
    controles.champ->installEventFilter(this);
    relier(controles.annuler, &FicheSaisie::bAnnulerClick);
}

void FicheSaisie::FormActivate()
{
    controles.champ->clear();
    controles.champ->setFocus();
}

void FicheSaisie::bAnnulerClick()
{
    controles.champ->clear();
    Close();
}

bool FicheSaisie::toucheChamp(int touche)
{
    if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
        bOkClick();
        return true;
    }
    if (touche == Qt::Key_Escape) {
        bAnnulerClick();
        return true;
    }
    return false;
}

bool FicheSaisie::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == controles.champ && evenement->type() == QEvent::KeyPress) {
        const int t = static_cast<QKeyEvent*>(evenement)->key();
        bool utilisee = false;
        garde([&] { utilisee = toucheChamp(t); });
        if (utilisee)
            return true;
    }
    return Fiche::eventFilter(objet, evenement);
}
