// The texts that the dictation program derives from a sound file's name. The first byte
// chooses how the rest is read (Windows-1252 or UTF-8, as names on disk are); every derivation
// must end without fault and keep the few properties that callers rely on.
#include "Cible.h"

#include "DossierDictee.h"
#include "NomsItems.h"
#include "Reussites.h"
#include "Texte.h"

namespace {

bool contientAZ(const QString& t, QChar debut, QChar fin)
{
    for (QChar c : t)
        if (c >= debut && c <= fin)
            return true;
    return false;
}

} // namespace

CIBLE_FUZZ(noms_items)
{
    if (octets.isEmpty() || octets.size() > 4096)
        return;
    const QByteArray reste = octets.mid(1);
    const QString nom = (static_cast<unsigned char>(octets[0]) & 1) ? QString::fromUtf8(reste) : depuisWindows1252(reste);
    const QString livre = QStringLiteral("£");
    const bool sansLivreCodee = !nom.contains(QLatin1String("#liv#"));

    // Decoding only ever shortens, and leaves a text without "#" alone.
    const QString decode = castiflore::DecoderNomFichier(nom);
    EXIGER(decode.size() <= nom.size());
    if (!nom.contains(QLatin1Char('#')))
        EXIGER(decode == nom);

    EXIGER(castiflore::estItemSonore(nom)
           == (majusculesAZ(nom).endsWith(QLatin1String(".WAV")) || majusculesAZ(nom).endsWith(QLatin1String(".MP3"))));

    // The key is A-Z lower-cased and blind to the case of those letters.
    const QString cle = castiflore::cleReussiteItem(nom);
    EXIGER(!contientAZ(cle, QLatin1Char('A'), QLatin1Char('Z')));
    EXIGER(cle.size() <= nom.size());
    EXIGER(cle == castiflore::cleReussiteItem(majusculesAZ(nom)));

    for (const bool hasard : {true, false}) {
        const QString sansPrefixe = castiflore::RetirerPrefixeOrdre(nom, hasard);
        EXIGER(nom.endsWith(sansPrefixe));
        if (hasard)
            EXIGER(sansPrefixe == nom);

        // At most one alternative more than the "£" that separate them, and at least one; none
        // blank beside another; a "£" in one is a decoded code.
        const QStringList reponses = castiflore::reponsesAcceptees(nom, hasard);
        const QString attendu = castiflore::RetirerPrefixeOrdre(nom.chopped(qMin<qsizetype>(4, nom.size())), hasard);
        EXIGER(!reponses.isEmpty() && reponses.size() <= attendu.count(livre) + 1);
        for (const QString& r : reponses) {
            EXIGER(reponses.size() == 1 || !rogner(r).isEmpty());
            if (sansLivreCodee)
                EXIGER(!r.contains(livre));
        }

        // The model removes the extensions before decoding: a code may appear only then.
        const QString modele = castiflore::texteModele(nom, hasard);
        EXIGER(!modele.contains(QLatin1String("oe")));
        QString sansExtensions = nom;
        sansExtensions.remove(QLatin1String(".wav"), Qt::CaseInsensitive).remove(QLatin1String(".mp3"), Qt::CaseInsensitive);
        if (!sansExtensions.contains(QLatin1String("#liv#")))
            EXIGER(!modele.contains(livre));
    }

    EXIGER(!castiflore::nomJournal(nom).contains(livre));

    for (const QString& compagnon : {castiflore::nomTexteItem(nom), castiflore::nomImageItem(nom)}) {
        EXIGER(!contientAZ(compagnon, QLatin1Char('a'), QLatin1Char('z')));
        EXIGER(!compagnon.contains(QLatin1String(".WAV")) && !compagnon.contains(QLatin1String(".MP3")));
    }

    EXIGER(!castiflore::NomExercice(nom).contains(QLatin1Char('/')));

    // An item whose key holds a run of 3 is retired at 3, kept at 4 and for the guest.
    TableDesReussites table;
    table.ajouter(cle, QStringLiteral("1-3"));
    EXIGER(!castiflore::ItemATravailler(nom, table, 3, true));
    EXIGER(castiflore::ItemATravailler(nom, table, 4, true));
    EXIGER(castiflore::ItemATravailler(nom, table, 3, false));
    table.changerComptes(0, QString::fromUtf8(reste.left(12)));
    castiflore::ItemATravailler(nom, table, 3, true);
}
