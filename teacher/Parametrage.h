#pragma once
// The settings dialog of the teacher module. Until its form is built it only opens and closes.

#include "Fiche.h"

class TfParametrage : public Fiche {
    Q_OBJECT
public:
    explicit TfParametrage(QWidget* parent = nullptr);
};

extern TfParametrage* fParametrage;
