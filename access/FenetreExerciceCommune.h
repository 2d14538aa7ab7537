#pragma once
// What the two programs' main windows share: the window with its background and logo, the
// exercise's name, the score panel and its hints, the stop button, the clock, the answer font,
// the first activation and closing, and the intents that show the score, the time and the pupil.
// Each program's window adds its own boxes and buttons and the way an answer is worked.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <memory>

#include "Etat.h"
#include "FenetreExercice.h"
#include "Fiche.h"

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
    std::unique_ptr<Minuterie> Timer1;
    PoliceReponse FontDialog1; // the answer font

    // Handlers
    void FormActivate() override;
    void FormClose() override;
    void Timer1Timer();
    void Image1Click();

    QString NomFichierTest();
    // Saves the pupil's successes. A save that had to put the old file back is told, and so is
    // a failed one (the input/output error box), and the caller goes on either way.
    static void EnregistrerReussites();

    // FenetreExercice
    Fiche& fiche() override { return *this; }
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

    // Reads the settings into the shared state and the answer font, and tells their messages;
    // false when the settings file is missing: the window is then closing.
    bool lireParametres();
    // The answer font on a box, over its whole text and for what is typed next; the forced
    // colour (black) where typing must start black.
    void appliquerPolice(QTextEdit* boite, bool noir = false);
    // A box's attributes at its selection, its own font where they say nothing: what presets
    // the font chooser.
    Police policeDe(const QTextEdit* boite) const;
    // What the first activation does just before the first exercise.
    virtual void avantPremierExercice() {}

    static QToolButton* boutonPlat(QWidget* parent, const QRect& r, const QString& image, const QString& bulle);

    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    bool activationEnCours_ = false;
};
