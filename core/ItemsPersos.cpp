#include "ItemsPersos.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

#include "Chemins.h"
#include "ErreurES.h"
#include "Etat.h"
#include "Fichiers.h"
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

void ajouterItems(const QString& chemin, const QStringList& lignes)
{
    const QString reel = resoudreChemin(chemin);
    switch (genreFichier(reel)) {
    case GenreFichier::Absent:
        ecrireLignes(chemin, lignes);
        return;
    case GenreFichier::Regulier:
        break;
    default:
        throw ErreurES(chemin);
    }
    if (lignes.isEmpty())
        return;
    const QByteArray octets = lireOctets(chemin);
    const QString avant = decoderFichier(octets);
    // A file saved by hand often ends without a line end: the append puts one first, so that its
    // last item does not run into the first one added.
    const QByteArray finDeLigne = !octets.isEmpty() && !octets.endsWith('\n') ? QByteArray("\r\n") : QByteArray();
    QString ajout;
    for (const QString& l : lignes)
        ajout += l + QStringLiteral("\r\n");

    // A file that a Linux editor saved in UTF-8 takes UTF-8: Windows-1252 bytes appended to it
    // would make the whole file read back as Windows-1252, its accents garbled.
    QByteArrayView sansMarque(octets);
    if (sansMarque.startsWith("\xEF\xBB\xBF"))
        sansMarque = sansMarque.sliced(3);
    const bool utf8 = avant != depuisWindows1252(sansMarque);
    const QByteArray octetsAjout = utf8 ? ajout.toUtf8() : versWindows1252(ajout);
    const QString attendu = avant + QLatin1String(finDeLigne) + (utf8 ? ajout : depuisWindows1252(octetsAjout));
    if (decoderFichier(octets + finDeLigne + octetsAjout) == attendu) {
        switch (ajouterAuFichier(reel, octetsAjout)) {
        case ResultatAjout::Fait:
            return;
        case ResultatAjout::Echec:
            throw ErreurES(chemin);
        case ResultatAjout::Absent:
            break; // gone meanwhile: written whole below
        }
    }
    // Lines that would change how the whole file reads: the file is written again, whole.
    ecrireLignes(chemin, decouperLignes(avant) + lignes);
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
            if (!existeFichier(chemin))
                continue; // only regular files are opened
            ecrireLignes(chemin, trierLignesItemsPersos(lireLignes(chemin)));
        }
    }
}

void TrierItemsPersos()
{
    TrierItemsPersos(etat.RepertoireExercices);
}
