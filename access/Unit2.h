#pragma once
// The welcome screen: who works, and on which exercise. It is shown modally before every
// exercise and leaves its choices in the shared state (pupil, group, exercise).

#include <QList>

#include "Arborescences.h"
#include "ChoixGroupeEleve.h"
#include "Fiche.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

class TForm2 : public Fiche, public ChoixGroupeEleve {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

    QLabel* FondEcran;
    QLabel* lQuiEsTu;
    QLabel* lChoisisExercice;
    QComboBox* cChoixGroupe;
    QComboBox* cChoixUtilisateur;
    QListWidget* eRepertoires;
    QPushButton* bValider;
    QPushButton* bRemonter;
    QPushButton* bQuitter;
    QPushButton* bBilan;
    QPushButton* bNouvelEleve;
    QPushButton* bSuperviseur;
    QPushButton* bExoPerso;

    // Handlers
    void FormCreate();
    void FormShow() override;
    void FormActivate() override;
    void cChoixGroupeChange();
    void cChoixUtilisateurChange();
    void bValiderClick();
    void bBilanClick();
    void bNouvelEleveClick();
    void bSuperviseurClick();
    void bQuitterClick();
    // The pupil's proposals: creates the pending file and opens it in the desktop's editor. No
    // control of the screen runs it.
    void bExoPersoClick();
    void eRepertoiresClick();
    void eRepertoiresDblClick();
    // Enter starts the selected exercise; true when the key was used.
    bool eRepertoiresKeyPress(int touche);
    void bRemonterClick();
    // The teacher's printouts: the form that the selected exercise entry calls for. No control
    // of the screen runs it.
    void bImprimeItemsPersosClick();

    // Routines
    void ListerGroupes();
    void ListerEleves();
    bool ChoisirMotDePasse();
    void ListerDossiers();
    void OuvrirDossier();
    void PurgerExercicesPersos();

    // The texts of the two lists, which the results window starts from.
    QString texteGroupe() const override;
    QString texteEleve() const override;

    // What the rows of eRepertoires stand for.
    const QList<EntreeBanque>& entrees() const { return entrees_; }

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void creerControles();
    void AppliquerGroupe();
    // The pupil password check of the sign-in and of the results door (an empty answer is
    // silent at the door); true when the pupil passes.
    bool ControlerMotDePasse(bool porteBilan);
    // Creates the pupil's missing files in the group folder, in order.
    void CreerFichiersEleve(const QString& eleve, bool avecMotDePasse);
    // The personal-items file named by the two lists, and the one the list offers (or empty).
    QString fichierPersonnel() const;
    QString fichierPersonnelPropose() const;
    const EntreeBanque* entreeSelectionnee() const;

    QList<EntreeBanque> entrees_;
};

extern TForm2* Form2;
