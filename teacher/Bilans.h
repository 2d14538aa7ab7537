#pragma once
// The results window: one pupil's four results files, each whole in a tab of its own. Its face
// follows ModeEnseignant at each showing: the pupil's own results ("MON BILAN"), or the teacher
// module ("MODULE ENSEIGNANT"), where the teacher chooses a group and a pupil, and deletes
// pupils, edits their files and reaches the data folders, the settings and the help.

#include "ChoixGroupeEleve.h"
#include "Fiche.h"

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QTabWidget;
class QTextEdit;
class VisionneuseTexte;

class TfBilans : public Fiche, public ChoixGroupeEleve {
    Q_OBJECT
public:
    explicit TfBilans(QWidget* parent = nullptr);
    ~TfBilans() override;

    QLabel* lTitre;
    QLabel* lMessage;
    QFrame* Tcadre;
    QComboBox* cChoixGroupe;
    QComboBox* cChoixEleve;
    QTabWidget* PageControl1;
    QWidget* TabSheet1;
    QWidget* TabSheet2;
    QWidget* TabSheet3;
    QWidget* TabSheet4;
    VisionneuseTexte* BilanExo;
    VisionneuseTexte* BilanDetail;
    VisionneuseTexte* ItemReussis;
    VisionneuseTexte* MotDePasse;
    QPushButton* bSupprimer;
    QPushButton* bGererGroupes;
    QPushButton* bConfigurer;
    QPushButton* bImprime;
    QPushButton* bModifier;
    QPushButton* bRafraichir;
    QPushButton* bTextes;
    QPushButton* bMagneto;
    QPushButton* bBanque;
    QPushButton* bAide;
    QPushButton* bApropos;
    QPushButton* bQuitterBilan;
    QTextEdit* Tampon; // hidden: the text to print

    // Handlers
    void FormActivate() override;
    void cChoixGroupeChange();
    void cChoixEleveChange();
    void bRafraichirClick();
    void PageControl1Change();
    void bQuitterBilanClick();
    void bImprimeClick();
    void bSupprimerClick();
    void bConfigurerClick();
    void bModifierClick();
    void BilanExoMouseDown(Qt::MouseButton bouton);
    void BilanDetailMouseDown(Qt::MouseButton bouton);
    void ItemReussisMouseDown(Qt::MouseButton bouton);
    void MotDePasseMouseDown(Qt::MouseButton bouton);
    void bAideClick();
    void bAproposClick();
    void bGererGroupesClick();
    void bTextesClick();
    void bMagnetoClick();
    void bBanqueClick();
    // Bound to no control: the validation of the pupils' proposed items, the bulk entry of
    // personal items.
    void bValideClick();
    void bAjoutItemsClick();
    // The choice of what to print; no control of the window runs it.
    void bImprimeItemsPersosClick();

    // Routines
    void ListerElevesBilan();
    void ListerGroupesBilan();
    void ColorerItemsReussis();
    // Loads the four tabs for a pupil of RepertoireGroupe (none: all empty).
    void ChargerOnglets(const QString& eleve);
    void ImprimerTampon();

    // The entry of a list equal to a name up to case, or none.
    void selectionner(QComboBox* liste, const QString& nom);
    // The file that a tab page shows for a pupil.
    QString fichierOnglet(const QWidget* page, const QString& eleve) const;

    // The texts of the two lists, for the forms that print from this window.
    QString texteGroupe() const override;
    QString texteEleve() const override;

private:
    void creerControles();
    // Opens a file with the desktop when it exists.
    void ouvrirSiPresent(const QString& fichier);
    // The right button on a results box: its file, in the teacher face only.
    void clicDroitResultats(Qt::MouseButton bouton, const QWidget* page);
};

extern TfBilans* fBilans;
