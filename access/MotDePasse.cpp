#include "MotDePasse.h"

TfMotDePasse* fMotDePasse = nullptr;

TfMotDePasse::TfMotDePasse(QWidget* parent) : Fiche(parent)
{
    setObjectName(QStringLiteral("fMotDePasse"));
    fMotDePasse = this;
}
