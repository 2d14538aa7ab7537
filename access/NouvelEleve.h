#pragma once
// Asks a new pupil's first name; the caller reads eUtilisateur afterwards: empty means cancelled.

#include "Saisie.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TfNouvelEleve : public FicheSaisie {
    Q_OBJECT
public:
    explicit TfNouvelEleve(QWidget* parent = nullptr);

    QLabel* lNouveau;
    QLineEdit* eUtilisateur;
    QPushButton* bOk;
    QPushButton* bAnnuler;

    void bOkClick() override;
    // Enter validates, Escape cancels; true when the key was used.
    bool eUtilisateurKeyPress(int touche) { return toucheChamp(touche); }
};

extern TfNouvelEleve* fNouvelEleve;
