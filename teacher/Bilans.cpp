#include "Bilans.h"

TfBilans* fBilans = nullptr;

TfBilans::TfBilans(QWidget* parent) : Fiche(parent)
{
    setObjectName(QStringLiteral("fBilans"));
    fBilans = this;
}
