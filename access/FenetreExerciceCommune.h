#pragma once
// What the two programs' main windows share: the window with its background and logo, the
// exercise's name, the score panel and its hints, the stop button, the clock, the answer font,
// the first activation and closing, the keys Enter and Escape, the start and the end of an
// exercise, and the intents that show the score, the time and the pupil. Each program's window
// places its own boxes and buttons and works an answer its own way.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <memory>

#include "Etat.h"
#include "FenetreExercice.h"
#include "Fiche.h"

class QKeyEvent;
class QLabel;
class QPushButton;
class QTextEdit;
class QToolButton;

// The design of a main window: its size, its pictures, and where its name and stop button stand.
struct DessinFenetreExercice {
    QSize taille;
    QString fond;           // picture covering the whole window
    QString logo;           // the maker's picture, top left
    QRect dossierCourant;   // the exercise's name
    QPoint stop;            // the stop button's top left corner
    QString imageStop;
};

class FenetreExerciceCommune : public Fiche, public FenetreExercice {
    Q_OBJECT
public:
    QLabel* FondEcran;
    QLabel* Image1;
    QLabel* lDossierCourant;
    QLabel* lNbItemsRepondus;
    QLabel* lNbItemsTotal;
    QLabel* lNote;
    QLabel* lNoteMaxi;
    QLabel* lBonus;
    QLabel* lTemps;
    QLabel* lEnJeu;
    QLabel* lScore;
    QLabel* lReponses;
    QLabel* lTempsEffectif;
    QLabel* lScoreMaxi;
    QLabel* lItemsReussis;
    QPushButton* bStop;
    // Each program's window creates and places these.
    QToolButton* bJEcoute = nullptr;
    QToolButton* bJaiEcrit = nullptr;
    QToolButton* bClavier = nullptr;
    QTextEdit* eModele = nullptr;
    QTextEdit* eSaisie = nullptr;
    std::unique_ptr<Minuterie> Timer1;
    PoliceReponse FontDialog1; // the answer font

    ~FenetreExerciceCommune() override;

    // Handlers
    void FormActivate() override;
    void FormClose() override;
    void Timer1Timer();
    void Image1Click();
    // The keys that reach the window itself; true when the key was used.
    virtual bool FormKeyPress(int touche);

    QString NomFichierTest();
    // Saves the pupil's successes; a failure is told as the run's writes are (Deroulement).
    void EnregistrerReussites();

    // FenetreExercice
    Fiche& fiche() override { return *this; }
    void ChargerParametres() override;
    void fermerSaisie() override;
    void changerPoliceReponse(const Police& police) override;
    void afficherScore(int note, int noteMaxi) override;
    void afficherBonus(int points) override;
    void afficherCompteurs(int reussisPremierEssai, int nbItems) override;
    void afficherTemps(int secondes) override;
    void afficherNomExercice(const QString& nom) override;
    void demarrerHorloge() override;
    void arreterHorloge() override;
    void afficherEleve(const QString& eleve) override;

protected:
    explicit FenetreExerciceCommune(const DessinFenetreExercice& dessin);

    // A text box of the window, in the design's font.
    static QTextEdit* boiteTexte(QWidget* parent, const QRect& r);
    // The creation's settings file, from the command line, and the defaults of the settings
    // values that both programs set.
    void defautsCreation(const QStringList& arguments);
    // The box that shows texts in the answer font beside the answer box (the prompt, or the
    // expected answer).
    void definirAutreBoitePolice(QTextEdit* boite) { autreBoitePolice_ = boite; }
    // Enter and Escape typed in the box are the window's commands, never a line break.
    void commandesAuClavier(QTextEdit* boite);
    // Enter submits the answer and Escape stops, each through its button when it is enabled;
    // true when the key was one of them.
    bool toucheCommande(int touche);

    // The start of an exercise: the bank's root made current, the successes saved, the welcome
    // screen, the exercise's time from zero; true when an exercise was chosen and the program
    // goes on.
    bool ouvrirAccueil();
    // The number of items asked when there are more than the smallest choice; the score opened.
    void choisirNombreItems();
    // The feedback box with its text and picture ("Bon" or "PasBon").
    static void messagePerso(const QString& texte, const QString& type);
    // The end of an exercise: its sound, its summary and the question; true when the pupil asks
    // for another one. The program may be closing when it returns.
    bool demanderAutreExercice();
    // The pupil's results offered (when printing is allowed and a pupil works), then the end.
    void proposerBilanEtQuitter();

    // Reads the settings into the shared state and the answer font, and tells their messages;
    // false when the settings file is missing: the window is then closing.
    bool lireParametres();
    // The answer font on a box, over its whole text and for what is typed next, also once the
    // pupil has erased everything; the forced colour (black) where typing must start black.
    void appliquerPolice(QTextEdit* boite, bool noir = false);
    // A box's attributes at its selection, its own font where they say nothing: what presets
    // the font chooser.
    Police policeDe(const QTextEdit* boite) const;
    // What the first activation does just before the first exercise.
    virtual void avantPremierExercice() {}

    static QToolButton* boutonPlat(QWidget* parent, const QRect& r, const QString& image, const QString& bulle);

    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void appliquerPoliceReponse();

    bool activationEnCours_ = false;
    QTextEdit* autreBoitePolice_ = nullptr;
    QList<QObject*> boitesCommandes_;
};
