#pragma once
// The feedback box after every answer check: one line of text above a right-answer or a
// wrong-answer picture.

#include "Fiche.h"

class QLabel;
class QPushButton;

class TfMessagePerso : public Fiche {
    Q_OBJECT
public:
    explicit TfMessagePerso(QWidget* parent = nullptr);

    QString Titre;
    QString Texte;
    QString TypeMessage; // "Bon" shows the right-answer picture, anything else the other one

    QLabel* lTexte;
    QLabel* iBon;
    QLabel* iPasBon;
    QPushButton* bOk;

    void FormActivate() override;
    void bOkClick();
};

extern TfMessagePerso* fMessagePerso;

// Caption of the feedback box and of the end question: Titre when set, else the program's.
QString legendeMessage(const QString& titre);
