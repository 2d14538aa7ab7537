#include "copieecran.h"

#include <QLabel>

TCPEcr* CPEcr = nullptr;

TCPEcr::TCPEcr(QWidget* parent) : Fiche(parent)
{
    setObjectName(QStringLiteral("CPEcr"));
    CPEcr = this;
    setWindowTitle(QStringLiteral("Aide"));
    definirCadre(true, Echappement::Fermer);
    definirTailleClient(380, 348);
    definirPlacement(Placement::Ecran);

    Image1 = new QLabel(this);
    Image1->setGeometry(0, 0, 380, 348);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(QPixmap(QStringLiteral(":/images/clavier_accents.png")));
}
