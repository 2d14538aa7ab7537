#pragma once
// Helpers of the personal-item forms' tests: the results window's small classroom with pupils'
// proposals, and the message boxes without their title.

#include <QDir>

#include "../teacher/test_bilans_outils.h"

namespace outilsItems {

inline const QString perso = QStringLiteral("_Exercices_OBV/[Tous les exercices personnels]/");
inline const QString aValider = QStringLiteral("_Exercices_OBV/[Tous les items à valider]/");

// The results window's classroom (CM1: Léa, Tom; CE2: Noé; Sacha in no group) with personal
// folders for CM1 and CE2 and pending files in both; CM2 has pending files but no personal folder.
inline void propositions(Seance& s)
{
    outilsBilans::petiteClasse(s);
    QDir().mkpath(s.chemin(perso + "CE2"));
    s.ecrireLignes(perso + "CM1/Léa.txt", {"zèbre|zebra"});
    s.ecrireLignes(aValider + "CM1/Léa_AValider.txt", {"un chat|cat", "", "zèbre|zebra"});
    s.ecrireLignes(aValider + "CM1/Tom_AValider.txt", {"le foot|football"});
    s.ecrireLignes(aValider + "CE2/Noé_AValider.txt", {"la lune|moon"});
    s.ecrireLignes(aValider + "CM2/Inès_AValider.txt", {"jamais listé|x"});
}

// "Type | text" of each message box shown.
inline QStringList boites(const Seance& s)
{
    QStringList r;
    for (const QString& l : s.p.journalDe(QStringLiteral("boite"))) {
        const QStringList parties = l.mid(6).split(QStringLiteral(" | "));
        r.append(parties.value(0) + QStringLiteral(" | ") + parties.mid(2).join(QStringLiteral(" | ")));
    }
    return r;
}

inline QString erreurES(const QString& fichier)
{
    return QStringLiteral("Erreur d'entrée/sortie sur le fichier ") + fichier + QStringLiteral(".");
}

} // namespace outilsItems
