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
    // The controls of one program only are null in the other: the spaces rule is Ombrivelle's,
    // the sound recording and its program the dictation program's.
    QCheckBox* ckRespectEspaces = nullptr;
    QCheckBox* ckEnregSon = nullptr;
    QCheckBox* ckRespectMaj;
    QLineEdit* eRepertoireExercice;
    QLineEdit* eRepertoireBilans;
    QLineEdit* eLogSon = nullptr;
    QPushButton* bChoixRepExo;
    QPushButton* bChoixRepBillans;
    QPushButton* bChoixRepLogSon = nullptr;
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
    QLabel* lRespectEspaces = nullptr;
    QLabel* lEnregSon = nullptr;
    QLabel* lRespectMaj;
    QLabel* lRepertoireExercice;
    QLabel* lRepertoireBilans;
    QLabel* lLogSon = nullptr;
    QLabel* lPolice;

    // Handlers
    void FormActivate() override;
    void bSauveClick();
    void bAnnuleClick();
    void bChoixRepExoClick();
    void bChoixRepBillansClick();
    void bChoixPoliceClick();
    void bChoixRepLogSonClick();

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
