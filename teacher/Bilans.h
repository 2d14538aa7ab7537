#pragma once
// The results window, the pupil's own or the teacher module.

#include "Fiche.h"

class TfBilans : public Fiche {
    Q_OBJECT
public:
    explicit TfBilans(QWidget* parent = nullptr);
};

extern TfBilans* fBilans;
