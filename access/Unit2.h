#pragma once
// The welcome screen: who works, and on which exercise.

#include "Fiche.h"

class TForm2 : public Fiche {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
};

extern TForm2* Form2;
