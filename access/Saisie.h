#pragma once
// The common frame of the two entry dialogs: a label, a one-line field, "Valider" and "Annuler".

#include <QString>

#include "Fiche.h"

class QLabel;
class QLineEdit;
class QPushButton;

struct ControlesSaisie {
    QLabel* etiquette;
    QLineEdit* champ;
    QPushButton* ok;
    QPushButton* annuler;
};

ControlesSaisie creerControlesSaisie(Fiche& f, const QString& etiquette);

// An entry dialog: the field is emptied at each showing; "Valider" or Enter accepts, "Annuler",
// Escape or a window close empties the field and closes; the caller reads the field afterwards.
class FicheSaisie : public Fiche {
    Q_OBJECT
public:
    virtual void bOkClick() = 0;
    void bAnnulerClick();

protected:
    FicheSaisie(QWidget* parent, const QString& etiquette);
    void FormActivate() override;
    // Enter validates, Escape cancels; true when the key was used.
    bool toucheChamp(int touche);
    void annulation() override { bAnnulerClick(); }
    bool eventFilter(QObject* objet, QEvent* evenement) override;

    ControlesSaisie controles;
};
