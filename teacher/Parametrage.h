#pragma once
// The teacher's editor of the settings file: the ordinary settings, the two data folders and
// the answer font. It shows what the file holds at each showing and writes only on the
// teacher's command; the font is applied and written as soon as it is chosen.

#include <QHash>

#include "Fiche.h"
#include "ReecritureParametres.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TfParametrage : public Fiche {
    Q_OBJECT
public:
    explicit TfParametrage(QWidget* parent = nullptr);

    QLineEdit* eMotDePasseEnseignant;
    QLineEdit* eNbReponsesNecessaires;
    QLineEdit* eTpsLEcture;
    QCheckBox* ckMotPasseUtilisateur;
    QCheckBox* ckSons;
    QCheckBox* ckNewUser;
    QCheckBox* ckImpress;
    QCheckBox* ckAccesRepertItems;
    QCheckBox* ckRespectEspaces;
    QCheckBox* ckRespectMaj;
    QLineEdit* eRepertoireExercice;
    QLineEdit* eRepertoireBilans;
    QPushButton* bChoixRepExo;
    QPushButton* bChoixRepBillans;
    QPushButton* bChoixPolice;
    QPushButton* bSauve;
    QPushButton* bAnnule;

    QLabel* lMotDePasseEnseignant;
    QLabel* lNbReponsesNecessaires;
    QLabel* lTpsLecture;
    QLabel* lMotPasseUtilisateur;
    QLabel* lSons;
    QLabel* lNewUser;
    QLabel* lImpress;
    QLabel* lAccesRepertItems;
    QLabel* lRespectEspaces;
    QLabel* lRespectMaj;
    QLabel* lRepertoireExercice;
    QLabel* lRepertoireBilans;
    QLabel* lPolice;

    // Handlers
    void FormActivate() override;
    void bSauveClick();
    void bAnnuleClick();
    void bChoixRepExoClick();
    void bChoixRepBillansClick();
    void bChoixPoliceClick();

    // Routines
    void AfficherParametres();
    void EnregistrerParametres();

private:
    void creerControles();
    // What the controls hold, and the controls set to values, by the names the blocks use.
    ValeursParametrage valeursControles() const;
    void afficherValeurs(const ValeursParametrage& valeurs);

    QHash<QString, QLineEdit*> textes_;
    QHash<QString, QCheckBox*> cases_;
};

extern TfParametrage* fParametrage;
