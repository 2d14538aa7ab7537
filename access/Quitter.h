#pragma once
// The stop button's dialog: resume, another exercise, or quit.

#include "Fiche.h"

class QPushButton;

class TfQuitter : public Fiche {
    Q_OBJECT
public:
    explicit TfQuitter(QWidget* parent = nullptr);

    QPushButton* bAnnuler;
    QPushButton* bNouvelExo;
    QPushButton* bQuitter;

    void bAnnulerClick();
    void bNouvelExoClick();
    void bQuitterClick();
    // Stops the exercise clock and writes the interruption to the pupil's log and list.
    void EnregistrerInterruption();
};

extern TfQuitter* fQuitter;
