#include "FichierReussites.h"


#include "Chemins.h"
#include "Etat.h"
#include "Fichiers.h"
#include "Profil.h"
#include "Reussites.h"
#include "Texte.h"

QString FichierReussites()
{
    return nomFichierResultat(etat.RepertoireGroupe, etat.EleveCourant, QStringLiteral("Reussites.txt"));
}

void ChargerReussites()
{
    TableDesReussites& table = etat.TableReussites;
    table.vider();
    if (etat.EleveCourant.isEmpty())
        return;
    const QString chemin = FichierReussites();
    if (profil().reussitesAbsentesPermises && !existeFichier(chemin)) {
        table.fichierSource = chemin;
        return;
    }
    etat.NbItemsDejaReussis = table.charger(lireTexte(chemin)); // a read error leaves it unowned
    table.fichierSource = chemin;
}

namespace {

// Counted on the bytes as the loader reads them: a leading byte-order mark is no text, and
// whatever the encoding a line is empty when nothing stands before its end.
int lignesNonVides(QByteArrayView octets)
{
    if (octets.startsWith("\xEF\xBB\xBF"))
        octets = octets.sliced(3);
    int n = 0;
    qsizetype debut = 0;
    while (debut < octets.size()) {
        qsizetype fin = octets.indexOf('\n', debut);
        if (fin < 0)
            fin = octets.size();
        qsizetype longueur = fin - debut;
        if (longueur > 0 && octets[fin - 1] == '\r' && fin < octets.size())
            --longueur;
        if (longueur > 0)
            ++n;
        debut = fin + 1;
    }
    return n;
}

} // namespace

QString messageRecuperationReussites()
{
    return QStringLiteral("Attention, le programme ne peut enregistrer tes résultats et va récupérer la sauvegarde");
}

QString titreRecuperationReussites()
{
    return QStringLiteral("Erreur");
}

Enregistrement EnregistrerReussites()
{
    const TableDesReussites& table = etat.TableReussites;
    const QString chemin = table.fichierSource;
    // Saved only into the file it came from, and only while that pupil still exists.
    if (chemin.isEmpty() || !existeFichier(chemin))
        return Enregistrement::Fait;
    const QString reel = resoudreChemin(chemin);
    const QStringList lignes = table.lignesFichier();

    if (!profil().sauvegardeReussites) {
        ecrireLignesSansErreur(reel, lignes);
        return Enregistrement::Fait;
    }
    QString sauvegarde = reel;
    sauvegarde.chop(4); // ".txt"
    sauvegarde = resoudreChemin(sauvegarde + QStringLiteral(".old"));
    // The file is replaced only once its backup is known good (written by the checked write and
    // read back); the recovery puts the old bytes back the same way, never deleting first.
    QByteArray ancien, copie;
    const bool sauvegardee = lireFichierRegulier(reel, ancien) && ecrireFichierEntier(sauvegarde, ancien)
                             && lireFichierRegulier(sauvegarde, copie) && copie == ancien;
    const bool ecrit = sauvegardee && ecrireLignesSansErreur(reel, lignes);
    // Every line written holds a "|": a written file has as many non-empty lines as rows.
    if (ecrit && lignes.size() >= lignesNonVides(ancien))
        return Enregistrement::Fait;
    if (ecrit)
        ecrireFichierEntier(reel, ancien);
    return Enregistrement::Recupere;
}

QString cleReussite(const QString& item)
{
    return minusculesAZ(rogner(item));
}

void CompterReussite(const QString& item)
{
    if (etat.EleveCourant.isEmpty() || item.isEmpty())
        return;
    TableDesReussites& table = etat.TableReussites;
    const QString cle = cleReussite(item);
    const int i = table.chercher(cle);
    if (i >= 0)
        table.changerComptes(i, comptesApresReussite(table.comptes(i)));
    else
        table.ajouter(cle, QStringLiteral("1"));
}

void MarquerEchec(const QString& item)
{
    if (etat.EleveCourant.isEmpty() || item.isEmpty())
        return;
    TableDesReussites& table = etat.TableReussites;
    const int i = table.chercher(cleReussite(item));
    if (i >= 0)
        table.changerComptes(i, comptesApresEchec(table.comptes(i)));
}
