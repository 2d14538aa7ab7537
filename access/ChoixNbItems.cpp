#include "ChoixNbItems.h"

TfChoixNbItems* fChoixNbItems = nullptr;

TfChoixNbItems::TfChoixNbItems(QWidget* parent) : Fiche(parent)
{
    setObjectName(QStringLiteral("fChoixNbItems"));
    fChoixNbItems = this;
}
