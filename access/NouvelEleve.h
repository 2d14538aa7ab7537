#pragma once
// Asks a new pupil's first name.

#include "Fiche.h"

class TfNouvelEleve : public Fiche {
    Q_OBJECT
public:
    explicit TfNouvelEleve(QWidget* parent = nullptr);
};

extern TfNouvelEleve* fNouvelEleve;
