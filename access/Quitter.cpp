#include "Quitter.h"

TfQuitter* fQuitter = nullptr;

TfQuitter::TfQuitter(QWidget* parent) : Fiche(parent)
{
    setObjectName(QStringLiteral("fQuitter"));
    fQuitter = this;
}
