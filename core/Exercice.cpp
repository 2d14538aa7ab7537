#include "Exercice.h"

#include "Chemins.h"
#include "CodesNomFichier.h"
#include "ErreurES.h"
#include "Etat.h"
#include "FichierReussites.h"
#include "Texte.h"

ContenuExercice lireExercice(const QStringList& lignes)
{
    ContenuExercice c;
    qsizetype ligneDieses = -1;
    for (qsizetype i = 0; i < lignes.size(); ++i)
        if (lignes[i].startsWith(QLatin1String("##"))) {
            ligneDieses = i;
            break;
        }
    const qsizetype finEntete = ligneDieses < 0 ? lignes.size() : ligneDieses;
    c.entete = QStringList(lignes.mid(0, finEntete)).join(QStringLiteral("\r\n"));

    for (qsizetype i = 0; i < lignes.size(); ++i) {
        const QString& ligne = lignes[i];
        const QString r = rogner(ligne);
        if (r == QLatin1String("ORDRE"))
            c.ordreAleatoire = 0;
        else if (r == QLatin1String("PERMUTE"))
            c.motsPermutes = 1;
        else if (r == QLatin1String("MOT"))
            c.unMotSuffit = 1;
        else if (!ligne.isEmpty() && (ligneDieses < 0 || i > ligneDieses))
            c.candidats.append(ligne);
    }
    return c;
}

QStringList lireLignesExercice(const QString& chemin)
{
    const QByteArray octets = lireOctets(chemin);
    if (octets.contains('\0'))
        throw ErreurES(chemin);
    return decouperLignes(decoderFichier(octets));
}

bool ItemATravailler(const QString& ligneItem)
{
    const qsizetype barre = ligneItem.indexOf(QLatin1Char('|'));
    const QString cle = DecoderNomFichier(cleReussite(barre < 0 ? ligneItem : ligneItem.left(barre)));
    if (etat.EleveCourant.isEmpty() || etat.NbReponsesNecessaires >= 999)
        return true;
    const int i = etat.TableReussites.chercher(cle);
    // Only an item with a record can be retired, whatever the required count.
    if (i < 0)
        return true;
    return serieEnCours(etat.TableReussites.comptes(i)) < etat.NbReponsesNecessaires;
}

QString NomExercice(const QString& chemin)
{
    QString nom = chemin.mid(chemin.lastIndexOf(QLatin1Char('/')) + 1);
    nom.remove(QStringLiteral(".txt"), Qt::CaseSensitive);
    nom.remove(QStringLiteral(".TXT"), Qt::CaseSensitive);
    nom.remove(QStringLiteral(".Txt"), Qt::CaseSensitive);
    return nom;
}

QString AideExercice(const QString& cheminExercice, bool* estImage)
{
    auto remplacer = [&](const QString& extension) {
        QString c = cheminExercice;
        return c.replace(QStringLiteral(".txt"), extension, Qt::CaseInsensitive);
    };
    QList<QPair<QString, bool>> candidats = {{remplacer(QStringLiteral(".rtf")), false},
                                             {remplacer(QStringLiteral(".jpg")), true}};
    const qsizetype tiret = cheminExercice.lastIndexOf(QLatin1Char('-'));
    if (tiret >= 0) {
        const QString souche = cheminExercice.left(tiret);
        candidats.append({souche + QStringLiteral(".rtf"), false});
        candidats.append({souche + QStringLiteral(".jpg"), true});
    }
    const QString exercice = resoudreChemin(cheminExercice);
    for (const auto& [chemin, image] : candidats) {
        // The exercise itself is never its own help: it holds the answers.
        if (!existeFichier(chemin) || resoudreChemin(chemin) == exercice)
            continue;
        if (estImage)
            *estImage = image;
        return chemin;
    }
    return QString();
}
