#pragma once
// The accent help: how to type accented letters on the keyboard.

#include "Fiche.h"

class TCPEcr : public Fiche {
    Q_OBJECT
public:
    explicit TCPEcr(QWidget* parent = nullptr);
};

extern TCPEcr* CPEcr;
