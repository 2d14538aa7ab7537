#pragma once
// The common frame of the two entry dialogs: a label, a one-line field, "Valider" and "Annuler".

#include <QString>

class Fiche;
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
