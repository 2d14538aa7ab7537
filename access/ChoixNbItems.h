#pragma once
// How many items the run will hold. The dialog only asks: on "Ok" the run draws the chosen
// number of items.

#include <QList>

#include "Fiche.h"

class QLabel;
class QPushButton;
class QRadioButton;

class TfChoixNbItems : public Fiche {
    Q_OBJECT
public:
    explicit TfChoixNbItems(QWidget* parent = nullptr);

    // Top to bottom, the counted options, then "all the items".
    QRadioButton* rChoix1;
    QRadioButton* rChoix2;
    QRadioButton* rChoix3;
    QRadioButton* rChoix5;
    QRadioButton* rChoix6;
    QRadioButton* rChoix7;
    QRadioButton* rChoix8;
    QLabel* Label1;
    QRadioButton* rChoix4;
    QLabel* lInfo;
    QPushButton* bOk;

    void FormActivate() override;
    void bOkClick();

    // The counted options in the order rChoix1, 2, 3, 5, 6, 7, 8, with their counts.
    QList<QRadioButton*> optionsComptees() const;
};

extern TfChoixNbItems* fChoixNbItems;

// "1 item (5 points)", "3 items (15 points)": a count of items and its worth.
QString legendeChoix(int nombre);
