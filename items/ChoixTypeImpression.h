#pragma once
// The choice of what to print: the successes, the personal items or an exercise.

#include "Fiche.h"

class QPushButton;
class QRadioButton;

class TfChoixTypeImpression : public Fiche {
    Q_OBJECT
public:
    explicit TfChoixTypeImpression(QWidget* parent = nullptr);

    QRadioButton* ckReussites;
    QRadioButton* ckItemsPersos;
    QRadioButton* ckExercice;
    QPushButton* bValider;
    QPushButton* bQuitter;

    void bValiderClick();
    void bQuitterClick();
};

extern TfChoixTypeImpression* fChoixTypeImpression;
