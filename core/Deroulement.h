#pragma once
// The run of one exercise, knowing no window: the items and their states, the choice of the
// next item, attempts and the points at stake, score and maximum, item and exercise time,
// successes and retirement, the grade, and the lines it leaves in the pupil's results files
// (nothing for the guest). It opens no box but one: a results file that cannot be written is
// told here, once an exercise (see ecrire); else the exercise window shows what it decides,
// through the intents of FenetreExercice, and asks the user what there is to ask.

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "Comparaison.h"

struct ContenuExercice;
class Deroulement;
class FenetreExercice;

// An item of the run: its whole line as read from the exercise and its state, 'N' not yet
// answered, 'R' answered right after a miss (asked again), 'O' answered right at once (done).
struct EntreeItem {
    QString Ligne;
    char EtatItem = 'N';
};

// What the two programs' runs do differently, behind one seam each. These defaults are
// Ombrivelle's; the dictation program overrides them.
class ReglesDeroulement {
public:
    virtual ~ReglesDeroulement() = default;
    // Points at stake of the chosen entry: Ombrivelle takes the state of the first entry that
    // holds the same line (1 for "R", else 5).
    virtual int bonusDeLEntree(const Deroulement& d, int entree) const;
    // Whether an item's clock starts when the item is put on screen; when not, the window
    // starts it (at the first listening).
    virtual bool horlogeALAffichage() const { return true; }
    // The words between the item count and the exercise's name in the log's start line.
    virtual QString libelleDebut() const;
    // What a wrong answer leaves in the log: the first-failure block at the first attempt, then
    // one line an attempt. The answer shown is "..." for an empty one.
    virtual void journaliserEchec(const Deroulement& d, const QString& montree) const;
    // What a right answer leaves in the log; tape is the text typed.
    virtual void journaliserReussite(const Deroulement& d, const QString& tape) const;
    // The key under which a first-attempt success is counted, and the keys whose run of
    // successes a first-attempt miss ends: Ombrivelle uses the prompt for both.
    virtual QString cleReussite(const Deroulement& d, const QString& tape) const;
    virtual QStringList clesEchec(const Deroulement& d) const;
    // The exercise's display name, from ExerciceCourant: Ombrivelle's file name less ".txt".
    virtual QString nomExercice(const QString& exercice) const;
    // Whether an item's line holds its prompt, a "|" and its answers (Ombrivelle); when not,
    // the whole line is the item (the dictation's file names).
    virtual bool lignesAvecReponses() const { return true; }
};

// The end of an exercise as the end question shows it.
struct FinExercice {
    QString texte;      // "Bravo Léa !" CR "Exercice terminé en 42 s," CR "avec un score de ..."
    QString noteLettre; // "A" .. "J"
};

class Deroulement {
public:
    Deroulement();

    // The run's state, named as the programs name it.
    QString EnteteExercice;
    QList<EntreeItem> TableItems;
    int NbItems = 0;
    int NbItemsDisponibles = 0;
    int OrdreAleatoire = 1;
    int MotsPermutes = 0;
    int UnMotSuffit = 0;
    QString ItemCourant;
    QString Consigne;
    QString Reponses;
    int NbEssais = 0;
    int Bonus = 5; // points at stake for the current item
    int NbReussisPremierEssai = 0;
    int Score = 0;
    int TempsItem = 0;
    int TempsExercice = 0;

    // Where the run is shown; none when a test drives the rules alone.
    FenetreExercice* fenetre = nullptr;
    void definirRegles(std::shared_ptr<const ReglesDeroulement> regles);
    const ReglesDeroulement& regles() const { return *regles_; }

    // ---- Start --------------------------------------------------------------------------
    // Before the welcome screen: the exercise time from zero.
    void RemettreLeTempsAZero();
    // The welcome screen was left: a new exercise, its time from zero, and its writes try
    // again the results files that failed in the previous one.
    void NouvelExercice();
    // Loads the exercise's items, keeping those still to work for the pupil (the successes
    // table must be loaded). Gives the candidate lines without "|", to be reported and skipped.
    QStringList Charger(const ContenuExercice& contenu);
    // Items already listed and kept by the program itself, each a whole line, in their order.
    void ChargerItems(const QStringList& lignes, int nbItemsDisponibles, int ordreAleatoire);
    // Nothing left to answer (an exercise that could not be loaded).
    void Vider();
    // The number-of-items dialog's draw: keeps `nombre` items at the head of the table, drawn
    // at random or in file order, empties the others, and lowers NbItems.
    void TirerItems(int nombre);
    // Score 0 of NbItems x 5.
    void OuvrirScore();
    // The log's start line and the counters, once the first item is on screen.
    void EcrireDebut();
    // After the next exercise was started from an interruption or an end.
    void RepartirDeZero();

    // ---- Items ----------------------------------------------------------------------------
    // The next item's prompt, "" when none is left; sets the points at stake, the attempts, the
    // clock and the instructions back.
    QString ChoisirItemSuivant();
    // The first accepted answer, as the window shows it after misses.
    QString PremiereReponse() const;

    // ---- An answer -------------------------------------------------------------------------
    // One more attempt on the item.
    void CompterEssai() { ++NbEssais; }
    // The check of the typed text against the accepted answers, under the settings and modes.
    Verification VerifierReponse(const QString& saisie) const;
    // A right answer: the clock stops, the item's time joins the exercise's.
    void ReponseJuste();
    // A wrong answer: its records for a pupil, and the points at stake lowered.
    void ReponseFausse(const QString& saisie);
    // After a right answer: its records, the points added, the item's state.
    void ItemReussi(const QString& saisie = QString());

    // ---- End --------------------------------------------------------------------------------
    // No item left: the end records, and what the end question shows.
    FinExercice Terminer();
    // The pupil leaves through the interruption dialog: the clock stops and the interruption is
    // recorded.
    void Interrompre();
    int NoteMaxi() const { return NbItems * 5; }
    // The display name of the exercise in hand, by the program's rule.
    QString NomExerciceCourant() const;
    QString LettreNote() const;

    // ---- The pupil's successes --------------------------------------------------------------
    // Saves the successes table into the file it was loaded from, as writes of the run are made
    // (see ecrire); a save that had to put the backup back is told.
    void EnregistrerReussites();

    // ---- Clock -------------------------------------------------------------------------------
    void DemarrerHorloge();
    void ArreterHorloge();
    bool horlogeEnMarche() const { return horloge_; }
    // One second of the item in hand.
    void Tic();

private:
    // A write to a results file of the pupil. A file that cannot be written must not trap the
    // pupil: the first failure of an exercise is told (the input/output error, naming the
    // file) and the run goes on; a file that failed is not tried again in the exercise.
    void ecrire(const QString& fichier, const std::function<void()>& ecriture);
    // The end block or the interruption block, and the line of the list of exercises.
    void EcrireFin(bool terminee);
    QSet<QString> fichiersEnEchec_;
    bool echecDit_ = false;

    std::shared_ptr<const ReglesDeroulement> regles_;
    bool horloge_ = false;
    // The whole line of the item on screen: its entry is the first one not done that holds it.
    QString ligneChoisie_;
};

// The run of the running program.
Deroulement& deroulement();

// The grade letter, "A" for 100 % down to "J" below 30 %.
QString LettreNote(int note, int noteMaxi);
