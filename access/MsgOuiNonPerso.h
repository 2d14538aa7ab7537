#pragma once
// The end-of-exercise question, with the grade picture.

#include "Fiche.h"

class TfMsgOuiNonPerso : public Fiche {
    Q_OBJECT
public:
    explicit TfMsgOuiNonPerso(QWidget* parent = nullptr);

    QString Titre;
    QString Texte;
    QString NoteLettre;
    bool Reponse = false;
};

extern TfMsgOuiNonPerso* fMsgOuiNonPerso;
