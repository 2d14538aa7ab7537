#pragma once
// The accent help: how to type accented letters on the keyboard.

#include "Fiche.h"

class QLabel;

class TCPEcr : public Fiche {
    Q_OBJECT
public:
    explicit TCPEcr(QWidget* parent = nullptr);

    QLabel* Image1;
};

extern TCPEcr* CPEcr;
