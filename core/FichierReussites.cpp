#include "FichierReussites.h"

#include <QDir>
#include <QHash>

#include "Chemins.h"
#include "ErreurES.h"
#include "Etat.h"
#include "Fichiers.h"
#include "OperationsFichiers.h"
#include "Profil.h"
#include "Reussites.h"
#include "Texte.h"

QString FichierReussites()
{
    return nomFichierResultat(etat.RepertoireGroupe, etat.EleveCourant, QStringLiteral("Reussites.txt"));
}

namespace {

// The changes that a failed save could not write, by file, while another file's table is in
// hand: written by the next save of their own file in the run, never by another pupil's.
QHash<QString, TableDesReussites>& enAttente()
{
    static QHash<QString, TableDesReussites> tables;
    return tables;
}

// Names found without regard to case, as the files are.
QString cleAttente(const QString& fichier)
{
    return plierNom(QDir::cleanPath(cheminAbsolu(fichier)));
}

void reprendreEnAttente(TableDesReussites& table)
{
    const auto t = enAttente().constFind(cleAttente(table.fichierSource));
    if (t == enAttente().constEnd())
        return;
    table.reprendreChangements(*t);
    enAttente().erase(t);
    etat.NbItemsDejaReussis = table.dejaReussis();
}

} // namespace

void ChargerReussites()
{
    TableDesReussites& table = etat.TableReussites;
    if (table.aDesChangements() && !table.fichierSource.isEmpty()) {
        TableDesReussites changements; // the changes alone, not the whole file
        changements.reprendreChangements(table);
        enAttente()[cleAttente(table.fichierSource)] = std::move(changements);
    }
    table.vider();
    if (etat.EleveCourant.isEmpty())
        return;
    const QString chemin = FichierReussites();
    if (profil().reussitesAbsentesPermises && !existeFichier(chemin)) {
        table.fichierSource = chemin;
        reprendreEnAttente(table);
        return;
    }
    etat.NbItemsDejaReussis = table.charger(lireTexte(chemin)); // a read error leaves it unowned
    table.fichierSource = chemin;
    reprendreEnAttente(table);
}

void OublierReussites(const QString& fichier)
{
    const QString cle = cleAttente(fichier);
    enAttente().remove(cle);
    TableDesReussites& table = etat.TableReussites;
    if (!table.fichierSource.isEmpty() && cleAttente(table.fichierSource) == cle)
        table.vider();
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
    TableDesReussites& table = etat.TableReussites;
    const QString chemin = table.fichierSource;
    // Saved only into the file it came from, and only while that pupil still exists.
    if (chemin.isEmpty() || !existeEntree(chemin))
        return Enregistrement::Fait;
    const QString reel = resoudreChemin(chemin);
    // The same pupil may work on another machine: every save of the file takes this lock, reads
    // the file again and makes this run's changes on what it finds.
    const VerrouFichier verrou(reel);
    if (!existeEntree(reel))
        return Enregistrement::Fait; // deleted meanwhile
    QByteArray ancien;
    // A name that no longer holds a regular file (a FIFO, a folder, a dangling link) cannot take
    // the save: that is told, never skipped.
    if (!verrou.pris() || !lireFichierRegulier(reel, ancien))
        throw ErreurES(chemin);
    TableDesReussites fusion;
    fusion.charger(decoderFichier(ancien));
    table.reporterChangements(fusion);
    const QStringList lignes = fusion.lignesFichier();

    if (profil().sauvegardeReussites) {
        QString sauvegarde = reel;
        sauvegarde.chop(4); // ".txt"
        // A help, not a condition: the checked write alone never leaves the file half written.
        ecrireFichierEntier(resoudreChemin(sauvegarde + QStringLiteral(".old")), ancien);
    }
    // A failed write leaves the file as it was and this run's changes for the next save.
    if (!ecrireLignesSansErreur(reel, lignes))
        throw ErreurES(chemin);
    if (profil().sauvegardeReussites) {
        // Read back: a write that the file system lost shows as fewer lines than before it.
        QByteArray relu;
        if (!lireFichierRegulier(reel, relu) || lignesNonVides(relu) < lignesNonVides(ancien)) {
            ecrireFichierEntier(reel, ancien);
            return Enregistrement::Recupere;
        }
    }
    // The table is the file's from now on, with no change left to make.
    fusion.fichierSource = chemin;
    table = std::move(fusion);
    return Enregistrement::Fait;
}

QString cleReussite(const QString& item)
{
    return minusculesAZ(rogner(item));
}

void CompterReussite(const QString& item)
{
    if (etat.EleveCourant.isEmpty() || item.isEmpty())
        return;
    etat.TableReussites.compterReussite(cleReussite(item));
}

void MarquerEchec(const QString& item)
{
    if (etat.EleveCourant.isEmpty() || item.isEmpty())
        return;
    etat.TableReussites.marquerEchec(cleReussite(item));
}
