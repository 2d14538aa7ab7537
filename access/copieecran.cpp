#include "copieecran.h"

#include <QLabel>

#include "Profil.h"

TCPEcr* CPEcr = nullptr;

TCPEcr::TCPEcr(QWidget* parent) : Fiche(parent)
{
    setObjectName(QStringLiteral("CPEcr"));
    CPEcr = this;
    setWindowTitle(QStringLiteral("Aide"));
    definirCadre(true, Echappement::Fermer);
    // The chart's height differs by a pixel from one program to the other.
    const int hauteur = profil().hauteurAideAccents;
    definirTailleClient(380, hauteur);
    definirPlacement(Placement::Ecran);

    Image1 = new QLabel(this);
    Image1->setGeometry(0, 0, 380, hauteur);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(QPixmap(QStringLiteral(":/images/clavier_accents.png")));
}
