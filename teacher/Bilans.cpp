#include "Bilans.h"

#include <QPushButton>

TfBilans* fBilans = nullptr;

TfBilans::TfBilans(QWidget* parent) : Fiche(parent)
{
    setObjectName(QStringLiteral("fBilans"));
    fBilans = this;
    setWindowTitle(QStringLiteral("Bilan"));
    definirCadre(true, Echappement::Fermer);
    definirTailleClient(637, 436);
    definirFond(bleuCiel());
    bQuitterBilan = new QPushButton(QStringLiteral("Quitter"), this);
    bQuitterBilan->setGeometry(552, 400, 75, 27);
    bQuitterBilan->setToolTip(QStringLiteral("Quitter"));
    relier(bQuitterBilan, &TfBilans::bQuitterBilanClick);
}

void TfBilans::bQuitterBilanClick()
{
    Close();
}
