#pragma once
// The two trees the welcome screen reads: the results folder (groups, rosters, passwords) and
// the exercise bank, with the browser rules of each program.

#include <QList>
#include <QString>
#include <QStringList>

#include "ArborescenceBilans.h"
#include "FichierMotDePasse.h"

// ---- The results folder -------------------------------------------------------------------

// A first name that can become file names in the group folder: no \ / : * ? " < > |, no
// control character, not only dots and blanks.
bool prenomAutorise(const QString& prenom);

// ---- The exercise bank ---------------------------------------------------------------------

struct EntreeBanque {
    enum class Genre { Dossier, Personnel, Exercice };
    Genre genre = Genre::Exercice;
    QString nom;   // the folder or file name as the file system has it
    QString texte; // what the list shows
};

// The exercise bank as one program browses it. The folder browsed is always the process's
// current folder; these rules only say what is in it and what an entry leads to.
class NavigateurExercices {
public:
    virtual ~NavigateurExercices() = default;
    // The entries of a folder of the bank; "personnel" is the pupil's personal-items file when
    // it is to be offered, else empty.
    virtual QList<EntreeBanque> lister(const QString& dossier, const QString& personnel) const = 0;
    // Whether selecting the entry enters its folder.
    virtual bool entrable(const QString& dossier, const EntreeBanque& e) const = 0;
    // Whether the entry can be started.
    virtual bool commencable(const QString& dossier, const EntreeBanque& e) const = 0;
    // What the exercise run loads for a started entry (ExerciceCourant).
    virtual QString exercice(const QString& dossier, const EntreeBanque& e,
                             const QString& personnel) const = 0;
    // Housekeeping of the bank at each showing of the welcome screen.
    virtual void purger(const QString& racine) const { (void)racine; }
};

// Ombrivelle's bank: theme folders, exercise files "*.txt" and the pupil's personal items.
class NavigateurOmbrivelle : public NavigateurExercices {
public:
    QList<EntreeBanque> lister(const QString& dossier, const QString& personnel) const override;
    bool entrable(const QString& dossier, const EntreeBanque& e) const override;
    bool commencable(const QString& dossier, const EntreeBanque& e) const override;
    QString exercice(const QString& dossier, const EntreeBanque& e,
                     const QString& personnel) const override;
    void purger(const QString& racine) const override;
};

// The folder of the pupils' personal-items files, under the bank's root.
QString dossierExercicesPersonnels(const QString& racine);
// A pupil's personal-items file, from the texts shown in the group and pupil lists.
QString fichierExercicesPersonnels(const QString& racine, const QString& groupe, const QString& eleve);
// A proposal of a pupil ("..._AValider.txt"), never an exercise.
bool estProposition(const QString& nom);
// A folder of the bank is shown when it holds an exercise file or a sub-folder.
bool dossierAvecExercices(const QString& dossier);
// Whether the folder of a "[+] " entry can still be entered: it holds a sub-folder or a
// ".txt" file (a proposal counts here).
bool dossierEntrable(const QString& dossier);
// Deletes the personal-items files that hold no item (no non-empty line).
void PurgerExercicesPersos(const QString& racine);

// Whether a folder lies strictly inside the bank's root (climbing from it stays in the bank).
bool dansLaBanque(const QString& dossier, const QString& racine);
