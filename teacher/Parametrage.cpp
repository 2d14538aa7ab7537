#include "Parametrage.h"

TfParametrage* fParametrage = nullptr;

TfParametrage::TfParametrage(QWidget* parent) : Fiche(parent)
{
    setObjectName(QStringLiteral("fParametrage"));
    fParametrage = this;
    setWindowTitle(QStringLiteral("Paramétrage"));
    definirCadre(true, Echappement::Fermer);
    definirTailleClient(420, 300);
    definirFond(bleuCiel());
}
