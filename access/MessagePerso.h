#pragma once
// The feedback box after every answer check.

#include "Fiche.h"

class TfMessagePerso : public Fiche {
    Q_OBJECT
public:
    explicit TfMessagePerso(QWidget* parent = nullptr);

    QString Titre;
    QString Texte;
    QString TypeMessage;
};

extern TfMessagePerso* fMessagePerso;
