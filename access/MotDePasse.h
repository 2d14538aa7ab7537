#pragma once
// Asks a password, the pupil's or the teacher's. The caller sets the caption, shows the dialog
// and reads eMotDePasse afterwards: empty means cancelled.

#include "Saisie.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TfMotDePasse : public FicheSaisie {
    Q_OBJECT
public:
    explicit TfMotDePasse(QWidget* parent = nullptr);

    QLabel* lMotDePasse;
    QLineEdit* eMotDePasse;
    QPushButton* bOk;
    QPushButton* bAnnuler;

    void bOkClick() override;
    // Enter validates, Escape cancels; true when the key was used.
    bool eMotDePasseKeyPress(int touche) { return toucheChamp(touche); }
};

extern TfMotDePasse* fMotDePasse;
