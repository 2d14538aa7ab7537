#pragma once
// Asks a password, the pupil's or the teacher's.

#include "Fiche.h"

class TfMotDePasse : public Fiche {
    Q_OBJECT
public:
    explicit TfMotDePasse(QWidget* parent = nullptr);
};

extern TfMotDePasse* fMotDePasse;
