#pragma once
// The dictation program's results window and settings dialog in a scripted session: its profile
// and rules installed, a stand-in for its main window (settings reader, answer font), and a
// small classroom of "_CSF_" files.

#include <QComboBox>
#include <QPushButton>
#include <memory>

#include "../teacher/test_bilans_outils.h"
#include "BilansCastiflore.h"
#include "Fiche.h"
#include "FenetreExercice.h"
#include "Parametrage.h"
#include "Parametres.h"
#include "ProfilCastiflore.h"

namespace outilsBilansCastiflore {

using outilsBilans::ChoixFixe;

// What the results window and the settings dialog ask of the main window.
class FenetreFactice : public FenetreExercice {
public:
    Fiche principale;
    Police police;            // the answer box's font, which presets the font chooser
    QList<Police> changements; // the answer fonts chosen, in order

    Fiche& fiche() override { return principale; }
    void LancerExercice() override {}
    void ChargerParametres() override
    {
        const LectureParametres lecture = LireParametres(etat.FichierIni, etat, police);
        appliquerParametres(lecture);
        for (const QString& m : lecture.messages)
            afficherBoite(m);
    }
    void afficherItem(const QString&) override {}
    void fermerSaisie() override {}
    void afficherScore(int, int) override {}
    void afficherBonus(int) override {}
    void afficherCompteurs(int, int) override {}
    void afficherTemps(int) override {}
    void afficherNomExercice(const QString&) override {}
    void afficherReponse(const QString&) override {}
    void afficherConsignes(const QString&) override {}
    void demarrerHorloge() override {}
    void arreterHorloge() override {}
    void afficherEleve(const QString&) override {}
    void viderSaisie() override {}
    Police policeProposee() override { return police; }
    void changerPoliceReponse(const Police& p) override { changements.append(p); }
};

// A session of the dictation program with its two teacher forms. The settings file is
// "castiflore.ini" beside the program; the given settings lines follow the folder keys.
class SeanceCastiflore {
public:
    explicit SeanceCastiflore(const QStringList& reglages = {})
    {
        definirProfil(profilCastiflore());
        titreApplication() = profilCastiflore().titre;
        castiflore::installerBilansCastiflore();
        fenetre.police.nom = QStringLiteral("Comic Neue");
        fenetre.police.taillePoints = 16;
        fenetre.police.couleur = 128;
        definirFenetreExercice(&fenetre);
        definirChoixAccueil(&choix);
        etat.FichierIni = s.chemin(QStringLiteral("castiflore.ini"));
        parametres(reglages);
        classe();
        fenetre.ChargerParametres();
        bilans = std::make_unique<TfBilans>();
        parametrage = std::make_unique<TfParametrage>();
    }
    ~SeanceCastiflore()
    {
        parametrage.reset();
        bilans.reset();
        definirChoixAccueil(nullptr);
        definirFenetreExercice(nullptr);
        definirReglesBilans(nullptr);
        definirProfil(profilOmbrivelle());
    }

    void parametres(const QStringList& reglages) const
    {
        s.ecrireLignes(QStringLiteral("castiflore.ini"),
                       QStringList{"REPERTOIRE=", "BILAN=", "MOT DE PASSE=prof", "REPONSES NECESSAIRES=3"} + reglages);
    }

    // Léa of CM1 has a history in her three files and older files of the other program; Tom
    // has his password only; Noé is in CE2.
    void classe() const
    {
        s.ecrireLignes("_Exercices_CSF/Animaux/le chat.wav", {});
        s.ecrireLignes("_Bilans/CM1/Léa_Pwd.txt", {"chat"});
        s.ecrireLignes("_Bilans/CM1/Léa_CSF_Exos.txt", {"07/12/2026 | Terminé    |   16 /  20 | Animaux",
                                                        "08/12/2026 | Interrompu |    5 /  20 | Animaux"});
        s.ecrireLignes("_Bilans/CM1/Léa_CSF_Detail.txt",
                       {"07/12/2026 à 14:05:32 - 4 items - Exercice [Animaux]", "Item réussi le chat en 4 s.", "",
                        "la vache", "  la vace", "Item réussi la vache en 12 s."});
        s.ecrireLignes("_Bilans/CM1/Léa_CSF_Reussites.txt", {"le chat|3", "la vache|1-0"});
        s.ecrireLignes("_Bilans/CM1/Léa_OBV_Exos.txt", {"ancien programme"});
        s.ecrireLignes("_Bilans/CM1/Tom_Pwd.txt", {"foot"});
        s.ecrireLignes("_Bilans/CE2/Noé_Pwd.txt", {"lune"});
        s.ecrireLignes("_Bilans/CE2/Noé_CSF_Exos.txt", {"09/12/2026 | Terminé    |   20 /  20 | Mots invariables"});
    }

    // The results window shown in a face, the action playing the user; the boxes and dialogs
    // that it opens are scripted by "dialogues".
    void montrerBilans(int modeEnseignant, const std::function<void(TfBilans&)>& action,
                       const std::function<void()>& dialogues = {})
    {
        outilsBilans::bilans(s, modeEnseignant, action);
        if (dialogues)
            dialogues();
        plateforme().montrerModal(*bilans);
    }

    // The settings dialog shown as the results window shows it.
    void montrerParametrage(const std::function<void(TfParametrage&)>& action,
                            const std::function<void()>& dialogues = {})
    {
        s.p.fenetre<TfParametrage>(action);
        if (dialogues)
            dialogues();
        plateforme().montrerModal(*parametrage);
    }

    Seance s{false};
    FenetreFactice fenetre;
    ChoixFixe choix;
    std::unique_ptr<TfBilans> bilans;
    std::unique_ptr<TfParametrage> parametrage;
};

} // namespace outilsBilansCastiflore
