#include "Unit4.h"

TformAide* formAide = nullptr;

TformAide::TformAide(QWidget* parent) : Fiche(parent)
{
    setObjectName(QStringLiteral("formAide"));
    formAide = this;
}
