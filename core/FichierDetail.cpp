#include "FichierDetail.h"

#include "Chemins.h"
#include "Etat.h"
#include "FichierExos.h"
#include "Profil.h"
#include "Texte.h"

QString FichierDetail()
{
    return nomFichierResultat(etat.RepertoireGroupe, etat.EleveCourant, QStringLiteral("Detail.txt"));
}

QString LigneDebutExercice(const QDateTime& moment, int nbItems, const QString& nomExercice,
                           const QString& libelle)
{
    return DateFichier(moment.date()) + QStringLiteral(" à ")
           + moment.time().toString(QStringLiteral("HH:mm:ss")) + QStringLiteral(" - ")
           + QString::number(nbItems) + QStringLiteral(" item") + (nbItems >= 2 ? QStringLiteral("s") : QString())
           + libelle + nomExercice + QStringLiteral("]");
}

QStringList BlocPremierEchec(const QString& reponses, const QString& montree)
{
    return {QString(), reponses, LigneNouvelEchec(montree)};
}

QString LigneNouvelEchec(const QString& montree)
{
    return QStringLiteral("  ") + montree;
}

QString LigneItemReussi(const QString& item, int secondes)
{
    return QStringLiteral("Item réussi ") + item + QStringLiteral(" en ") + FormaterDuree(secondes, false)
           + QStringLiteral(".");
}

QStringList BlocFinExercice(int secondesExercice, int note, int noteMaxi)
{
    return {QString(),
            QStringLiteral("Temps exercice : ") + FormaterDuree(secondesExercice, false) + QStringLiteral("."),
            QStringLiteral("Score : ") + QString::number(note) + QStringLiteral("/") + QString::number(noteMaxi)
                + QStringLiteral("."),
            LigneTirets()};
}

QStringList BlocInterruption(int secondesExercice)
{
    return {QString(),
            QStringLiteral("Exercice interrompu après ") + FormaterDuree(secondesExercice, false)
                + QStringLiteral("."),
            LigneTirets()};
}

QString LigneTirets()
{
    return QString(68, QLatin1Char('-'));
}

void AjouterAuDetail(const QString& chemin, const QStringList& lignes)
{
    // One append for the block, so that a refused write leaves none of it.
    if (!lignes.isEmpty())
        AjouterTexte(chemin, lignes.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

QStringList LireDetail(const QString& chemin)
{
    return existeFichier(chemin) ? lireLignes(chemin) : QStringList();
}
