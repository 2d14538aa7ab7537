#pragma once
// The stop button's dialog: resume, another exercise, or quit.

#include "Fiche.h"

class TfQuitter : public Fiche {
    Q_OBJECT
public:
    explicit TfQuitter(QWidget* parent = nullptr);
};

extern TfQuitter* fQuitter;
