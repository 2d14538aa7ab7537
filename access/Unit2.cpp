#include "Unit2.h"

TForm2* Form2 = nullptr;

TForm2::TForm2(QWidget* parent) : Fiche(parent)
{
    setObjectName(QStringLiteral("Form2"));
    Form2 = this;
}
