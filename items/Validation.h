#pragma once
// The teacher's window for the items that pupils propose: their pending files, of one group or
// of every group, shown as one listing to correct, then accepted into the pupils' personal
// files or kept pending. While it is shown the listing is the only copy of the teacher's edits:
// a group change and closing keep it pending, and a save that fails leaves it in the box.

#include "Fiche.h"

class QComboBox;
class QPushButton;
class QTextEdit;

class TfValidation : public Fiche {
    Q_OBJECT
public:
    explicit TfValidation(QWidget* parent = nullptr);

    QComboBox* cChoixGroupe;
    QTextEdit* RichEdit1;
    QPushButton* bValider;
    QPushButton* bQuitter;

    // Handlers
    void FormActivate() override;
    void cChoixGroupeChange();
    void bValiderClick();
    void bQuitterClick();

    // Routines
    void ListerGroupesAValider();
    void AfficherItemsAValider(const QString& groupe);
    // Saves the listing (accepted, or kept pending), clears it and sorts the personal files.
    void EnregistrerListeValidation(bool accepter);
    void ActiverBoutonValider();

    QStringList lignesListe() const;

protected:
    void annulation() override;

private:
    void ajouterALaListe(const QStringList& lignes);
    int indexListe_ = 0; // the entry of cChoixGroupe that the listing shows
};

extern TfValidation* fValidation;
