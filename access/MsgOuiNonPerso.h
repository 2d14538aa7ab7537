#pragma once
// The end-of-exercise question, with the grade picture.

#include <QList>

#include "Fiche.h"

class QLabel;
class QPushButton;

class TfMsgOuiNonPerso : public Fiche {
    Q_OBJECT
public:
    explicit TfMsgOuiNonPerso(QWidget* parent = nullptr);

    QString Titre;
    QString Texte;       // lines separated by a lone carriage return
    QString NoteLettre;  // "A" .. "J"
    bool Reponse = false;

    QLabel* lTexte;
    QLabel* imageA;
    QLabel* imageB;
    QLabel* imageC;
    QLabel* imageD;
    QLabel* imageE;
    QLabel* imageF;
    QLabel* imageG;
    QLabel* imageH;
    QLabel* ImageI;
    QLabel* imageJ;
    QLabel* Label1;
    QPushButton* bOui;
    QPushButton* bNon;

    void FormActivate() override;
    void bOuiClick();
    void bNonClick();

    // The grade pictures in the order of their letters, "A" first.
    QList<QLabel*> images() const;

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

extern TfMsgOuiNonPerso* fMsgOuiNonPerso;
