#pragma once
// Helpers of the results-window tests: a small classroom, the welcome screen's choice, and the
// window shown as the doors show it.

#include <QComboBox>
#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>

#include "Bilans.h"
#include "ChoixGroupeEleve.h"
#include "Etat.h"
#include "Seance.h"
#include "Unit1.h"
#include "VisionneuseTexte.h"

namespace outilsBilans {

// What the welcome screen's two lists show.
struct ChoixFixe : ChoixGroupeEleve {
    QString groupe = QStringLiteral("Choisis ton groupe");
    QString eleve = QStringLiteral("Visiteur");
    ~ChoixFixe() override
    {
        if (&choixAccueil() == this)
            definirChoixAccueil(nullptr);
    }
    QString texteGroupe() const override { return groupe; }
    QString texteEleve() const override { return eleve; }
};

// Two groups, a pupil without a group; Léa of CM1 has a history in her three files.
inline void petiteClasse(Seance& s, const QStringList& reglages = {})
{
    s.parametres(QStringList{"REPERTOIRE TEXTES=", "REPERTOIRE BILANS=", "MOT DE PASSE=prof",
                             "REPONSES NECESSAIRES=3"}
                 + reglages);
    s.ecrireLignes("_Exercices_OBV/Pluriels.txt", {"Consigne", "un cheval, des ...|chevaux"});
    s.ecrireLignes("_Bilans/CM1/Léa_Pwd.txt", {"chat"});
    s.ecrireLignes("_Bilans/CM1/Léa_OBV_Exos.txt",
                   {"07/12/2026 | Terminé    |    8 /  10 | Pluriels", "08/12/2026 | Interrompu |    2 /  10 | Pluriels"});
    s.ecrireLignes("_Bilans/CM1/Léa_OBV_Detail.txt",
                   {"07/12/2026 à 14:05:32 - 2 items - Exercice [Pluriels]", "Item réussi un cheval, des ... en 4 s.", "",
                    "journaux", "  journals", "Item réussi un journal, des ... en 1 min 2 s."});
    s.ecrireLignes("_Bilans/CM1/Léa_OBV_Reussites.txt", {"un cheval, des ...|3", "un journal, des ...|1-0"});
    s.ecrireLignes("_Bilans/CM1/Tom_Pwd.txt", {"foot"});
    s.ecrireLignes("_Bilans/CM1/Tom_OBV_Exos.txt", {"09/12/2026 | Terminé    |   10 /  10 | Accords"});
    s.ecrireLignes("_Bilans/CE2/Noé_Pwd.txt", {"lune"});
    s.ecrireLignes("_Bilans/Sacha_Pwd.txt", {"soleil"});
    s.ecrireLignes("_Bilans/Sacha_OBV_Exos.txt", {"01/12/2026 | Terminé    |    5 /  10 | Pluriels"});
}

// The forms created and the settings read as at start; the welcome screen's choice is the one given.
inline void demarrerSansAccueil(Seance& s, const ChoixFixe& choix)
{
    s.creerFiches();
    Form1->ChargerParametres();
    definirChoixAccueil(&choix);
}

// What the results door sets before it shows the pupil face.
inline void eleveConnecte(const QString& groupe, const QString& eleve)
{
    etat.GroupeCourant = groupe;
    etat.RepertoireGroupe = groupe.isEmpty() ? etat.RepertoireBilans : etat.RepertoireBilans + groupe + "/";
    etat.EleveCourant = eleve;
}

// The window shown in a face, the action playing the user; steps scripted after this call come
// inside it.
inline void bilans(Seance& s, int modeEnseignant, std::function<void(TfBilans&)> action)
{
    etat.ModeEnseignant = modeEnseignant;
    s.p.fenetre<TfBilans>([action](TfBilans& f) {
        action(f);
        if (!f.fermetureEnAttente() && !plateforme().finDemandee())
            f.Close();
    });
}

inline void montrerBilans()
{
    plateforme().montrerModal(*fBilans);
}

inline QStringList textes(const QComboBox* c)
{
    QStringList r;
    for (int i = 0; i < c->count(); ++i)
        r.append(c->itemText(i));
    return r;
}

inline QString lignes(const QStringList& l)
{
    return l.join(QLatin1Char('\n'));
}

// The four tabs' texts, in the order of the pages.
inline QStringList onglets(const TfBilans& f)
{
    return {f.BilanExo->texte(), f.BilanDetail->texte(), f.ItemReussis->texte(), f.MotDePasse->texte()};
}

} // namespace outilsBilans
