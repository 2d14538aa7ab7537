#pragma once
// How many items the run will hold.

#include "Fiche.h"

class TfChoixNbItems : public Fiche {
    Q_OBJECT
public:
    explicit TfChoixNbItems(QWidget* parent = nullptr);
};

extern TfChoixNbItems* fChoixNbItems;
