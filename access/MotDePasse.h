#pragma once
// Asks a password, the pupil's or the teacher's. The caller sets the caption, shows the dialog
// and reads eMotDePasse afterwards: empty means cancelled.

#include "Fiche.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TfMotDePasse : public Fiche {
    Q_OBJECT
public:
    explicit TfMotDePasse(QWidget* parent = nullptr);

    QLabel* lMotDePasse;
    QLineEdit* eMotDePasse;
    QPushButton* bOk;
    QPushButton* bAnnuler;

    void FormActivate() override;
    void bOkClick();
    void bAnnulerClick();
    // Enter validates, Escape cancels; true when the key was used.
    bool eMotDePasseKeyPress(int touche);

protected:
    void annulation() override { bAnnulerClick(); }
    bool eventFilter(QObject* objet, QEvent* evenement) override;
};

extern TfMotDePasse* fMotDePasse;
