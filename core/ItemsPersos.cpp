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
    // Written whole, never appended: a disk that refuses part-way would leave a torn item, which
    // the pupil would then be asked. The lock that every writer of the file takes keeps what
    // another machine writes meanwhile.
    const VerrouFichier verrou(reel);
    if (!verrou.pris())
        throw ErreurES(chemin);
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
    // A file saved by hand often ends without a line end: one goes first, so that its last item
    // does not run into the first one added.
    const QByteArray finDeLigne = !octets.isEmpty() && !octets.endsWith('\n') ? QByteArray("\r\n") : QByteArray();
    QString ajout;
    for (const QString& l : lignes)
        ajout += l + QStringLiteral("\r\n");

    // A file that a Linux editor saved in UTF-8 takes UTF-8: Windows-1252 bytes added to it
    // would make the whole file read back as Windows-1252, its accents garbled.
    QByteArrayView sansMarque(octets);
    if (sansMarque.startsWith("\xEF\xBB\xBF"))
        sansMarque = sansMarque.sliced(3);
    const bool utf8 = avant != depuisWindows1252(sansMarque);
    const QByteArray octetsAjout = utf8 ? ajout.toUtf8() : versWindows1252(ajout);
    const QString attendu = avant + QLatin1String(finDeLigne) + (utf8 ? ajout : depuisWindows1252(octetsAjout));
    // The file's own bytes kept as they are where the lines read back as added.
    const QByteArray apres = octets + finDeLigne + octetsAjout;
    if (decoderFichier(apres) == attendu) {
        if (!ecrireFichierEntier(reel, apres))
            throw ErreurES(chemin);
        return;
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
            const QString reel = resoudreChemin(chemin);
            if (!existeFichier(reel))
                continue; // only regular files are opened
            // Items another machine adds meanwhile are not lost under the sorted file.
            const VerrouFichier verrou(reel);
            if (!verrou.pris())
                throw ErreurES(chemin);
            ecrireLignes(chemin, trierLignesItemsPersos(lireLignes(chemin)));
        }
    }
}

void TrierItemsPersos()
{
    TrierItemsPersos(etat.RepertoireExercices);
}
