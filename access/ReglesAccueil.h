#pragma once
// What the welcome screen and its registration dialog do differently from one program to the
// other. Ombrivelle's rules are the default; the other program installs its own at start.

#include <QString>

#include "Arborescences.h"

// Hints of the welcome screen's buttons that differ between the programs; none when empty.
struct BullesAccueil {
    QString valider;
    QString quitter;
    QString nouvelEleve;
};

class ReglesAccueil {
public:
    virtual ~ReglesAccueil() = default;

    // The exercise bank browser.
    virtual const NavigateurExercices& navigateur() const;

    virtual BullesAccueil bulles() const;

    // Registration: true when the typed name is taken by an entry of the pupil list
    // (Ombrivelle: equal up to the letters A-Z).
    virtual bool prenomPris(const QString& tape, const QString& entree) const;

    // Pupil list: a remembered pupil missing from the roster is dropped to "Visiteur", and
    // the pupil change runs after each filling (Ombrivelle). Otherwise the list is left
    // without a selection and nothing else runs.
    virtual bool eleveAbsentDevientVisiteur() const { return true; }
    // The pupil change relists the bank (its personal entry depends on the pupil).
    virtual bool listeSelonEleve() const { return true; }
    // Choosing the pupil "Nouveau" opens the registration, when it is available.
    virtual bool inscriptionAuChoixDeNouveau() const { return false; }
    // After a registration the pupil change runs on the new pupil.
    virtual bool changementEleveApresInscription() const { return true; }
    // Caption of the teacher password's dialog.
    virtual QString legendeMotDePasseEnseignant() const;

    // Before the pupil's missing results files are created at the sign-in and at the results
    // door: the files of older versions get their current names.
    virtual void renommerAnciensFichiers(const QString& repertoireGroupe, const QString& eleve) const
    {
        (void)repertoireGroupe;
        (void)eleve;
    }
    // The started exercise is a folder that becomes the current one: its items are opened by
    // their names relative to it.
    virtual bool exerciceDevientDossierCourant() const { return false; }
};

const ReglesAccueil& reglesAccueil();
// Installs the rules of the running program (nullptr: Ombrivelle's).
void definirReglesAccueil(const ReglesAccueil* r);
