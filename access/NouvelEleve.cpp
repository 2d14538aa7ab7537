#include "NouvelEleve.h"

TfNouvelEleve* fNouvelEleve = nullptr;

TfNouvelEleve::TfNouvelEleve(QWidget* parent) : Fiche(parent)
{
    setObjectName(QStringLiteral("fNouvelEleve"));
    fNouvelEleve = this;
}
