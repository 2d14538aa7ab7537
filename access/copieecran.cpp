#include "copieecran.h"

TCPEcr* CPEcr = nullptr;

TCPEcr::TCPEcr(QWidget* parent) : Fiche(parent)
{
    setObjectName(QStringLiteral("CPEcr"));
    CPEcr = this;
}
