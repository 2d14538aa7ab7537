#include "ItemsPersos.h"

#include <QCollator>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>

#include "Chemins.h"
#include "Etat.h"
#include "Texte.h"

QString DossierItemsPersos(const QString& racine)
{
    return racine + QStringLiteral("[Tous les exercices personnels]/");
}

QString DossierItemsAValider(const QString& racine)
{
    return racine + QStringLiteral("[Tous les items à valider]/");
}

QString FichierItemsPersos(const QString& racine, const QString& groupe, const QString& eleve)
{
    return DossierItemsPersos(racine) + groupe + QLatin1Char('/') + eleve + QStringLiteral(".txt");
}

QString FichierItemsAValider(const QString& racine, const QString& groupe, const QString& eleve)
{
    return DossierItemsAValider(racine) + groupe + QLatin1Char('/') + eleve + QStringLiteral("_AValider.txt");
}

QStringList trierLignesItemsPersos(const QStringList& lignes)
{
    QCollator collation(QLocale(QLocale::French, QLocale::France));
    collation.setCaseSensitivity(Qt::CaseInsensitive);
    QStringList triees = lignes;
    // Lines equal for the collation are ordered by their exact text, so that repetitions of a
    // line stand next to each other whatever lies between them.
    std::sort(triees.begin(), triees.end(), [&collation](const QString& a, const QString& b) {
        const int c = collation.compare(a, b);
        return c != 0 ? c < 0 : a < b;
    });
    const QString marque = QStringLiteral("*** A detruire ***");
    QStringList r;
    QString derniere; // the empty line counts as already kept
    for (const QString& l : std::as_const(triees)) {
        if (l == derniere)
            continue;
        derniere = l;
        if (l != marque)
            r.append(l);
    }
    return r;
}

void TrierItemsPersos(const QString& racine)
{
    const QString personnels = DossierItemsPersos(racine);
    if (!existeDossier(personnels))
        return;
    for (const QString& groupe : listerEntrees(personnels, QStringLiteral("*."), GenreEntree::Dossiers)) {
        const QString dossier = joindreChemin(personnels, groupe);
        for (const QString& f : listerEntrees(dossier, QStringLiteral("*.txt"), GenreEntree::Fichiers)) {
            const QString chemin = joindreChemin(dossier, f);
            if (!QFileInfo(resoudreChemin(chemin)).isFile())
                continue; // only regular files are opened
            ecrireLignes(chemin, trierLignesItemsPersos(lireLignes(chemin)));
        }
    }
}

void TrierItemsPersos()
{
    TrierItemsPersos(etat.RepertoireExercices);
}
