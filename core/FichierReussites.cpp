#include "FichierReussites.h"

#include <QFile>

#include "Chemins.h"
#include "Etat.h"
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
    if (!existeFichier(chemin)) {
        table.fichierSource = chemin;
        return;
    }
    etat.NbItemsDejaReussis = table.charger(lireTexte(chemin)); // a read error leaves it unowned
    table.fichierSource = chemin;
}

namespace {

// Counted on the bytes: whatever the encoding, a line is empty when nothing stands before its end.
int lignesNonVides(const QByteArray& octets)
{
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

int lignesNonVides(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? lignesNonVides(f.readAll()) : 0;
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
    // The backup is the file as it stands: read once, copied and counted from the same bytes.
    QFile ancien(reel);
    const bool lu = ancien.open(QIODevice::ReadOnly);
    const QByteArray octets = lu ? ancien.readAll() : QByteArray();
    ancien.close();
    if (QFile::exists(sauvegarde))
        QFile::remove(sauvegarde);
    QFile copie(sauvegarde);
    const bool copiee = lu && ancien.error() == QFileDevice::NoError && copie.open(QIODevice::WriteOnly)
                        && copie.write(octets) == octets.size() && copie.flush();
    copie.close();
    const int avant = copiee ? lignesNonVides(octets) : lignesNonVides(sauvegarde);
    // Every line written holds a "|": a written file has as many non-empty lines as rows.
    const bool ecrit = ecrireLignesSansErreur(reel, lignes);
    const int apres = ecrit ? static_cast<int>(lignes.size()) : lignesNonVides(reel);
    if (ecrit && apres >= avant)
        return Enregistrement::Fait;
    if (copiee) {
        QFile::remove(reel);
        QFile::copy(sauvegarde, reel);
    }
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
