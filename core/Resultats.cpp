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
    // Read in place, line by line, without a list of lines: the table may hold many rows.
    const QString texte = lireTexte(chemin); // a read error leaves the table empty, unowned
    int dejaReussis = 0;
    table.reserver(texte.count(QLatin1Char('\n')) + 1);
    const QChar* d = texte.constData();
    const qsizetype n = texte.size();
    qsizetype debutLigne = 0;
    while (debutLigne < n) {
        qsizetype finLigne = texte.indexOf(QLatin1Char('\n'), debutLigne);
        qsizetype suite = finLigne + 1;
        if (finLigne < 0)
            finLigne = suite = n;
        else if (finLigne > debutLigne && d[finLigne - 1] == QLatin1Char('\r'))
            --finLigne;
        const QStringView ligne(d + debutLigne, finLigne - debutLigne);
        debutLigne = suite;
        const qsizetype barre = ligne.indexOf(QLatin1Char('|'));
        if (barre < 0) {
            table.ajouter(QString(), ligne.toString());
            continue;
        }
        qsizetype debut = 0, fin = barre;
        while (debut < fin && ligne[debut].unicode() <= 32)
            ++debut;
        while (fin > debut && ligne[fin - 1].unicode() <= 32)
            --fin;
        QString cle = ligne.mid(debut, fin - debut).toString();
        for (QChar& c : cle)
            if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
                c = QChar(c.unicode() + 32);
        const QString comptes = ligne.mid(barre + 1).toString();
        if (premierCompte(comptes) > 0)
            ++dejaReussis;
        table.ajouter(cle, comptes);
    }
    etat.NbItemsDejaReussis = dejaReussis;
    table.fichierSource = chemin;
}

namespace {

// Counted on the bytes: whatever the encoding, a line is empty when nothing stands before its end.
int lignesNonVides(const QString& chemin)
{
    QFile f(resoudreChemin(chemin));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray octets = f.readAll();
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
