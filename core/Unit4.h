#pragma once
// The help page of the current exercise.

#include "Fiche.h"

class TformAide : public Fiche {
    Q_OBJECT
public:
    explicit TformAide(QWidget* parent = nullptr);
};

extern TformAide* formAide;
