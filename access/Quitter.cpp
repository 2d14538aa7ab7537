#include "Quitter.h"

#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "Deroulement.h"
#include "FenetreExercice.h"
#include "FenetreExerciceCommune.h"
#include "Plateforme.h"
#include "Profil.h"

TfQuitter* fQuitter = nullptr;

namespace {

// A picture on the left and the caption beside it, on two lines when it is too long for one.
class BoutonImage : public QPushButton {
public:
    BoutonImage(const QString& texte, const QString& image, QWidget* parent)
        : QPushButton(texte, parent), image_(image)
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter peintre(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        option.icon = QIcon();
        peintre.drawControl(QStyle::CE_PushButton, option);
        const QRect cadre = rect().adjusted(5, 4, -3, -4);
        const QSize taille = image_.size().boundedTo(QSize(64, cadre.height()));
        const QRect zoneImage(cadre.left(), cadre.top() + (cadre.height() - taille.height()) / 2, taille.width(),
                              taille.height());
        if (!image_.isNull())
            peintre.drawPixmap(zoneImage, image_);
        const QRect zoneTexte = cadre.adjusted(taille.width() + 2, 0, 0, 0);
        peintre.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        peintre.drawText(zoneTexte, Qt::AlignCenter | Qt::TextWordWrap, text());
    }

private:
    QPixmap image_;
};

QPushButton* boutonImage(QWidget* parent, int y, const QString& texte, const QString& image)
{
    auto* b = new BoutonImage(texte, image, parent);
    b->setGeometry(7, y, 171, profil().hauteurBoutonsQuitter);
    b->setFocusPolicy(Qt::NoFocus);
    QFont f = b->font();
    f.setPixelSize(11);
    f.setBold(true);
    b->setFont(f);
    return b;
}

} // namespace

TfQuitter::TfQuitter(QWidget* parent) : Fiche(parent)
{
    setObjectName(QStringLiteral("fQuitter"));
    fQuitter = this;
    setWindowTitle(QStringLiteral("Quitter"));
    definirCadre(false, Echappement::Ignore);
    definirTailleClient(profil().tailleQuitter.width(), profil().tailleQuitter.height());
    definirPlacement(Placement::FenetrePrincipale);
    definirFond(bleuCiel());
    definirTaillePolice(11);

    bAnnuler = boutonImage(this, 3, QStringLiteral("Reprendre l'exercice"), QStringLiteral(":/images/oups.png"));
    bNouvelExo = boutonImage(this, 52, QStringLiteral("Choisir un autre exercice"),
                             QStringLiteral(":/images/choix_exercice.png"));
    bQuitter = boutonImage(this, 101, QStringLiteral("Quitter le logiciel"),
                           QStringLiteral(":/images/panneau_stop.png"));
    relier(bAnnuler, &TfQuitter::bAnnulerClick);
    relier(bNouvelExo, &TfQuitter::bNouvelExoClick);
    relier(bQuitter, &TfQuitter::bQuitterClick);
}

void TfQuitter::bAnnulerClick()
{
    // The clock was never stopped: the seconds spent here count for the item in hand.
    Close();
}

void TfQuitter::EnregistrerInterruption()
{
    deroulement().Interrompre();
}

void TfQuitter::bNouvelExoClick()
{
    // Where the stop button saved nothing, the successes are saved before the interruption.
    if (profil().reussitesEnregistreesParQuitter)
        FenetreExerciceCommune::EnregistrerReussites();
    EnregistrerInterruption();
    Close();
    fenetreExercice().LancerExerciceSuivant();
}

void TfQuitter::bQuitterClick()
{
    EnregistrerInterruption();
    Close();
    // A sound that cannot be played is skipped: the program closes all the same.
    fenetreExercice().QuitterLeLogiciel(3000);
}
