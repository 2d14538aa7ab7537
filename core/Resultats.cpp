#include "Resultats.h"

#include "Chemins.h"
#include "Etat.h"
#include "Fichiers.h"
#include "Plateforme.h"
#include "Profil.h"
#include "Texte.h"

QString FichierResultat(const QString& suffixe)
{
    return etat.RepertoireGroupe + etat.EleveCourant + profil().infixe + suffixe;
}

QString FichierReussites()
{
    return FichierResultat(QStringLiteral("Reussites.txt"));
}

QString FichierDetail()
{
    return FichierResultat(QStringLiteral("Detail.txt"));
}

QString FichierExos()
{
    return FichierResultat(QStringLiteral("Exos.txt"));
}

void ChargerReussites()
{
    TableDesReussites& table = etat.TableReussites;
    table.vider();
    if (etat.EleveCourant.isEmpty())
        return;
    const QString chemin = FichierReussites();
    if (!existeFichier(chemin)) {
        table.fichierSource = chemin;
        return;
    }
    const QString texte = lireTexte(chemin); // a read error leaves the table empty, unowned
    etat.NbItemsDejaReussis = lireReussites(texte, table);
    table.fichierSource = chemin;
}

void EnregistrerReussites()
{
    const TableDesReussites& table = etat.TableReussites;
    const QString chemin = table.fichierSource;
    // Saved only into the file it came from, and only while that pupil still exists.
    if (chemin.isEmpty() || !existeFichier(chemin))
        return;
    const QString reel = resoudreChemin(chemin);
    const QStringList lignes = lignesReussites(table);

    if (!profil().sauvegardeReussites) {
        ecrireLignesSansErreur(reel, lignes);
        return;
    }
    QString sauvegarde = reel;
    sauvegarde.chop(4); // ".txt"
    sauvegarde = resoudreChemin(sauvegarde + QStringLiteral(".old"));
    // The file is replaced only once its backup is known good; the recovery writes the backup
    // back through the same checked write, so the file is never deleted first.
    QByteArray ancien, copie;
    const bool sauvegardee = lireFichierRegulier(reel, ancien) && ecrireFichierEntier(sauvegarde, ancien)
                             && lireFichierRegulier(sauvegarde, copie) && copie == ancien;
    const bool ecrit = sauvegardee && ecrireLignesSansErreur(reel, lignes);
    if (!ecrit || compterLignesNonVides(reel) < compterLignesNonVides(sauvegarde)) {
        plateforme().boite(QStringLiteral("Erreur"),
                           QStringLiteral("Attention, le programme ne peut enregistrer tes résultats "
                                          "et va récupérer la sauvegarde"),
                           TypeBoite::Simple, BoutonsBoite::Ok);
        if (ecrit)
            ecrireFichierEntier(reel, ancien);
    }
}

namespace {

// The row of an item in the successes table: its text trimmed and A-Z lower-cased is the key.
QString cleReussite(const QString& item)
{
    return minusculesAZ(rogner(item));
}

} // namespace

void CompterReussite(const QString& item)
{
    if (etat.EleveCourant.isEmpty() || item.isEmpty())
        return;
    TableDesReussites& table = etat.TableReussites;
    const int i = table.chercher(cleReussite(item));
    if (i >= 0)
        table.changerComptes(i, comptesApresReussite(table.ligne(i).comptes));
    else
        table.ajouter(cleReussite(item), QStringLiteral("1"));
}

void MarquerEchec(const QString& item)
{
    if (etat.EleveCourant.isEmpty() || item.isEmpty())
        return;
    TableDesReussites& table = etat.TableReussites;
    const int i = table.chercher(cleReussite(item));
    if (i >= 0)
        table.changerComptes(i, comptesApresEchec(table.ligne(i).comptes));
}

QString DateFichier(const QDate& jour)
{
    return jour.toString(QStringLiteral("dd/MM/yyyy"));
}

QString LigneDebutExercice(const QDateTime& moment, int nbItems, const QString& nomExercice)
{
    return DateFichier(moment.date()) + QStringLiteral(" à ")
           + moment.time().toString(QStringLiteral("HH:mm:ss")) + QStringLiteral(" - ")
           + QString::number(nbItems) + QStringLiteral(" item") + (nbItems >= 2 ? QStringLiteral("s") : QString())
           + QStringLiteral(" - Exercice [") + nomExercice + QStringLiteral("]");
}

QString LigneExos(const QString& date, bool termine, const QString& note, const QString& noteMaxi,
                  const QString& nomExercice)
{
    return CompleterAGauche(date, 10, QStringLiteral(" "))
           + (termine ? QStringLiteral(" | Terminé    | ") : QStringLiteral(" | Interrompu | "))
           + CompleterAGauche(note, 4, QStringLiteral(" ")) + QStringLiteral(" /")
           + CompleterAGauche(noteMaxi, 4, QStringLiteral(" ")) + QStringLiteral(" | ") + nomExercice;
}

QString LigneTirets()
{
    return QString(68, QLatin1Char('-'));
}
