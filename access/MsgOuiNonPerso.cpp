#include "MsgOuiNonPerso.h"

TfMsgOuiNonPerso* fMsgOuiNonPerso = nullptr;

TfMsgOuiNonPerso::TfMsgOuiNonPerso(QWidget* parent) : Fiche(parent)
{
    setObjectName(QStringLiteral("fMsgOuiNonPerso"));
    fMsgOuiNonPerso = this;
}
