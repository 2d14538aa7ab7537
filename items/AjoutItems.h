#pragma once
// The teacher types items once and adds them to the personal files of every pupil of a group,
// or of every group; the pupils are those of the results folder.

#include "Fiche.h"

class QComboBox;
class QPushButton;
class QTextEdit;

class TfAjoutItems : public Fiche {
    Q_OBJECT
public:
    explicit TfAjoutItems(QWidget* parent = nullptr);

    QComboBox* cChoixGroupe;
    QTextEdit* RichEdit1;
    QPushButton* bValider;
    QPushButton* bQuitter;

    // Handlers
    void FormActivate() override;
    void bValiderClick();
    void bQuitterClick();

    // Routines
    void ListerGroupesAjout();
    void AjouterItemsGroupe(const QString& groupe);
    void AjouterItemsEleve(const QString& groupe, const QString& eleve);

private:
    // The typed lines that hold something, in order.
    QStringList itemsTapes() const;
};

extern TfAjoutItems* fAjoutItems;
