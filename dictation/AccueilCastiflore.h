#pragma once
// The dictation program's welcome screen: its exercises are folders of sound files, its pupils'
// results files carry "_CSF_" and are renamed from the names of older versions at sign-in, and
// its pupil list and registration are simpler than Ombrivelle's.

#include <QString>

#include "ReglesAccueil.h"

namespace castiflore {

// The bank as folders only: theme folders (holding a sub-folder) listed "[+] " + name first,
// then exercise folders by their bare names. An exercise folder can be started when it holds
// a ".wav" or ".mp3" entry; what is handed to the run is the folder's path.
class NavigateurCastiflore : public NavigateurExercices {
public:
    QList<EntreeBanque> lister(const QString& dossier, const QString& personnel) const override;
    bool entrable(const QString& dossier, const EntreeBanque& e) const override;
    bool commencable(const QString& dossier, const EntreeBanque& e) const override;
    QString exercice(const QString& dossier, const EntreeBanque& e, const QString& personnel) const override;
};

// Whether a folder holds a sub-folder named without a dot, hidden ones aside.
bool contientSousDossier(const QString& dossier);
// Whether a folder holds an item: an entry of any kind whose extension is ".wav" or ".mp3".
bool contientSon(const QString& dossier);

// The pupil's files under the names of older versions get their current ones, each only when
// the older file exists and the new name is free (a rename never replaces). The older
// successes file, pupil + ".txt", is left alone when that name is another pupil's file.
void RenommerAnciensFichiers(const QString& repertoireGroupe, const QString& eleve);

class ReglesAccueilCastiflore : public ReglesAccueil {
public:
    const NavigateurExercices& navigateur() const override;
    BullesAccueil bulles() const override;
    // Only an identical name is taken: capitals count.
    bool prenomPris(const QString& tape, const QString& entree) const override;
    bool eleveAbsentDevientVisiteur() const override { return false; }
    bool listeSelonEleve() const override { return false; }
    bool inscriptionAuChoixDeNouveau() const override { return true; }
    bool changementEleveApresInscription() const override { return false; }
    QString legendeMotDePasseEnseignant() const override;
    void renommerAnciensFichiers(const QString& repertoireGroupe, const QString& eleve) const override;
    bool exerciceDevientDossierCourant() const override { return true; }
};

// Installs the dictation program's welcome-screen rules; the main routine calls it at start.
void installerAccueilCastiflore();

} // namespace castiflore
