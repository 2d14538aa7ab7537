#include "Resultats.h"

#include <QFile>

#include "Chemins.h"
#include "Etat.h"
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
    const QStringList lignes = lireLignes(chemin); // a read error leaves the table empty, unowned
    int dejaReussis = 0;
    for (const QString& ligne : lignes) {
        const qsizetype barre = ligne.indexOf(QLatin1Char('|'));
        QString cle, comptes;
        if (barre < 0) {
            comptes = ligne;
        } else {
            cle = rogner(minusculesAZ(ligne.left(barre)));
            comptes = ligne.mid(barre + 1);
        }
        table.ajouter(cle, comptes);
        if (premierCompte(comptes) > 0)
            ++dejaReussis;
    }
    etat.NbItemsDejaReussis = dejaReussis;
    table.fichierSource = chemin;
}

namespace {

int lignesNonVides(const QString& chemin)
{
    QFile f(resoudreChemin(chemin));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    int n = 0;
    for (const QString& l : decouperLignes(decoderFichier(f.readAll())))
        if (!l.isEmpty())
            ++n;
    return n;
}

} // namespace

void EnregistrerReussites()
{
    const TableDesReussites& table = etat.TableReussites;
    const QString chemin = table.fichierSource;
    // Saved only into the file it came from, and only while that pupil still exists.
    if (chemin.isEmpty() || !existeFichier(chemin))
        return;
    const QString reel = resoudreChemin(chemin);
    QStringList lignes;
    lignes.reserve(table.taille());
    for (const LigneReussite& l : table.lignes())
        lignes.append(l.cle + QLatin1Char('|') + l.comptes);

    if (!profil().sauvegardeReussites) {
        ecrireLignesSansErreur(reel, lignes);
        return;
    }
    QString sauvegarde = reel;
    sauvegarde.chop(4); // ".txt"
    sauvegarde = resoudreChemin(sauvegarde + QStringLiteral(".old"));
    if (QFile::exists(sauvegarde))
        QFile::remove(sauvegarde);
    const bool copie = QFile::copy(reel, sauvegarde);
    const bool ecrit = ecrireLignesSansErreur(reel, lignes);
    if (!ecrit || lignesNonVides(reel) < lignesNonVides(sauvegarde)) {
        plateforme().boite(QStringLiteral("Erreur"),
                           QStringLiteral("Attention, le programme ne peut enregistrer tes résultats "
                                          "et va récupérer la sauvegarde"),
                           TypeBoite::Simple, BoutonsBoite::Ok);
        if (copie) {
            QFile::remove(reel);
            QFile::copy(sauvegarde, reel);
        }
    }
}

void CompterReussite(const QString& item)
{
    if (etat.EleveCourant.isEmpty() || item.isEmpty())
        return;
    const QString cle = minusculesAZ(rogner(item));
    TableDesReussites& table = etat.TableReussites;
    const int i = table.chercher(cle);
    if (i >= 0)
        table.changerComptes(i, comptesApresReussite(table.ligne(i).comptes));
    else
        table.ajouter(cle, QStringLiteral("1"));
}

void MarquerEchec(const QString& item)
{
    if (etat.EleveCourant.isEmpty() || item.isEmpty())
        return;
    const QString cle = minusculesAZ(rogner(item));
    TableDesReussites& table = etat.TableReussites;
    const int i = table.chercher(cle);
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
