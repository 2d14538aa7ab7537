#pragma once
// Castiflore's main window: the pupil listens to an item as often as wanted, types what was
// heard and submits it. The rules of the run are Deroulement's, with the dictation's own
// (ReglesDictee); the window plays, shows and asks.

#include <QStringList>
#include <memory>

#include "FenetreExerciceCommune.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;
class QToolButton;

namespace castiflore {

class TForm1 : public FenetreExerciceCommune {
    Q_OBJECT
public:
    // Creating the window fixes the settings file from the command line, moves the older
    // folders beside the executable and shows the default picture (FormCreate).
    explicit TForm1(const QStringList& arguments);
    ~TForm1() override;

    // bJEcoute plays the item, eModele shows the expected answer, eSaisie is what the pupil types.
    QLabel* iExplication;     // the item's picture, else the default one
    QPlainTextEdit* mMessage; // the lines of the item's text

    // 1 until the item's first listening.
    int NouvelItem = 0;

    // Handlers
    void FormCreate(const QStringList& arguments);
    void bJEcouteClick();
    void bJaiEcritClick();
    void bStopClick();
    void SpeedButton2Click(); // bClavier: the accent help
    // Enter and Escape on the window itself; Enter listens while nothing can be answered.
    bool FormKeyPress(int touche) override;

    // Routines
    void LancerExercice() override;
    // The next item's file name, "" when none is left: the item's display made ready for its
    // first listening.
    QString ChoisirItemSuivant();

    // FenetreExercice
    void afficherItem(const QString& consigne) override;
    void afficherReponse(const QString& reponse) override;
    void afficherConsignes(const QString& entete) override;
    void viderSaisie() override;
    Police policeProposee() override;

protected:
    void avantPremierExercice() override;

private:
    void creerControles();
    void viderBoite(QTextEdit* boite);
    // A picture of the program folder or of the exercise folder into iExplication; false
    // (nothing changed) when it is not a regular file that reads as a picture.
    bool montrerImage(const QString& chemin);
    // The default picture of the program folder, or no picture.
    void imageParDefaut(const QString& nom);
    void ItemReussi(const QString& saisie);
    void TerminerExercice();
    void ReponseFausse(const QString& saisie);
};

extern TForm1* Form1;

} // namespace castiflore
