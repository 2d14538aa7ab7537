#pragma once
// The results window, the pupil's own or the teacher module. Until its contents are built it
// only opens and closes.

#include "Fiche.h"

class QPushButton;

class TfBilans : public Fiche {
    Q_OBJECT
public:
    explicit TfBilans(QWidget* parent = nullptr);

    QPushButton* bQuitterBilan;
    void bQuitterBilanClick();
};

extern TfBilans* fBilans;
