#pragma once
// Asks a new pupil's first name; the caller reads eUtilisateur afterwards: empty means cancelled.

#include "Fiche.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TfNouvelEleve : public Fiche {
    Q_OBJECT
public:
    explicit TfNouvelEleve(QWidget* parent = nullptr);

    QLabel* lNouveau;
    QLineEdit* eUtilisateur;
    QPushButton* bOk;
    QPushButton* bAnnuler;

    void FormActivate() override;
    void bOkClick();
    void bAnnulerClick();
    // Enter validates, Escape cancels; true when the key was used.
    bool eUtilisateurKeyPress(int touche);

protected:
    void annulation() override { bAnnulerClick(); }
    bool eventFilter(QObject* objet, QEvent* evenement) override;
};

extern TfNouvelEleve* fNouvelEleve;
