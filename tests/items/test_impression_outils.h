#pragma once
// Helpers of the print-form tests: a small classroom, the results window's choice, and what a
// recorded job drew.

#include <QDateTime>
#include <functional>
#include <gtest/gtest.h>

#include "ChoixGroupeEleve.h"
#include "Etat.h"
#include "Impression.h"
#include "Seance.h"

namespace outilsImpression {

// What the results window's two lists show.
struct ChoixBilansFixe : ChoixGroupeEleve {
    QString groupe = QStringLiteral("Choisis ton groupe");
    QString eleve = QStringLiteral("Visiteur");
    ChoixBilansFixe() { definirChoixBilans(this); }
    ~ChoixBilansFixe() override
    {
        if (&choixBilans() == this)
            definirChoixBilans(nullptr);
    }
    QString texteGroupe() const override { return groupe; }
    QString texteEleve() const override { return eleve; }
};

// Two groups and a group folder named with a dot; a pupil without a group. Noé has seven
// successes, Léa three, Tom none.
inline void petiteClasse(Seance& s)
{
    s.ecrireLignes("_Bilans/CE2/Noé_Pwd.txt", {"lune"});
    s.ecrireLignes("_Bilans/CE2/Noé_OBV_Reussites.txt",
                   {"mot 1|1", "mot 2|2", "mot 3|3", "mot 4|4", "mot 5|5", "mot 6|6", "mot 7|7"});
    s.ecrireLignes("_Bilans/CM1/Léa_Pwd.txt", {"chat"});
    s.ecrireLignes("_Bilans/CM1/Léa_OBV_Reussites.txt", {"un cheval, des ...|3", "un journal, des ...|1-0", "le chat|2"});
    s.ecrireLignes("_Bilans/CM1/Tom_Pwd.txt", {"foot"});
    s.ecrireLignes("_Bilans/CM1.old/Zoé_Pwd.txt", {"x"});
    s.ecrireLignes("_Bilans/CM1.old/Zoé_OBV_Reussites.txt", {"ancien|1"});
    s.ecrireLignes("_Bilans/Sacha_Pwd.txt", {"soleil"});
    s.ecrireLignes("_Bilans/Sacha_OBV_Reussites.txt", {"sans groupe|1"});
}

// The forms created, the folders and the clock set as the settings would; a page of 15 rows.
inline void demarrer(Seance& s)
{
    s.creerFiches();
    etat.RepertoireExercices = s.chemin("_Exercices_OBV/");
    etat.RepertoireBilans = s.chemin("_Bilans/");
    etat.NbReponsesNecessaires = 3;
    s.p.horloge = QDateTime(QDate(2026, 12, 8), QTime(10, 30, 0));
    s.p.imprimante.hauteur = 1500;
}

// The form shown, the action playing the user; it is closed afterwards if the action left it open.
// The script's steps inside the form (dialogs, boxes) come from the given script.
template <class T>
void montrer(Seance& s, T* fiche, const std::function<void()>& script, std::function<void(T&)> action)
{
    s.p.fenetre<T>([action](T& f) {
        action(f);
        if (!f.fermetureEnAttente())
            f.Close();
    });
    script();
    plateforme().montrerModal(*fiche);
}
template <class T>
void montrer(Seance& s, T* fiche, std::function<void(T&)> action)
{
    montrer<T>(s, fiche, [] {}, std::move(action));
}

// What a job drew, one "page x y text" a line.
inline QStringList dessins(const TravailImprime& t)
{
    QStringList r;
    for (const TexteImprime& x : t.textes)
        r.append(QStringLiteral("%1 %2 %3 %4").arg(x.page).arg(x.x).arg(x.y).arg(x.texte));
    return r;
}

} // namespace outilsImpression
