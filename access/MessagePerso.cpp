#include "MessagePerso.h"

TfMessagePerso* fMessagePerso = nullptr;

TfMessagePerso::TfMessagePerso(QWidget* parent) : Fiche(parent)
{
    setObjectName(QStringLiteral("fMessagePerso"));
    fMessagePerso = this;
}
