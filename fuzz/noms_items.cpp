// Fuzz target: the texts that the dictation program derives from a sound file's name.
// The first byte chooses how the rest is read (Windows-1252 or UTF-8, as names on disk are);
// every derivation must end without fault and keep the few properties that callers rely on.
//
// Built by hand with:
//   clang++ -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined \
//     $(pkg-config --cflags Qt6Core) -Iplatform -Icore -Idictation fuzz/noms_items.cpp \
//     dictation/NomsItems.cpp dictation/DossierDictee.cpp dictation/ProfilCastiflore.cpp \
//     core/CodesNomFichier.cpp core/Profil.cpp core/Texte.cpp core/Reussites.cpp \
//     platform/Chemins.cpp $(pkg-config --libs Qt6Core) -o noms_items
//   ./noms_items -runs=10000000 fuzz/corpus/noms_items

#include <cstdint>
#include <cstdlib>

#include "DossierDictee.h"
#include "NomsItems.h"
#include "Reussites.h"
#include "Texte.h"

namespace {

void exiger(bool condition)
{
    if (!condition)
        abort();
}

bool contientAZ(const QString& t, QChar debut, QChar fin)
{
    for (QChar c : t)
        if (c >= debut && c <= fin)
            return true;
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    if (taille == 0 || taille > 4096)
        return 0;
    const QByteArray octets(reinterpret_cast<const char*>(donnees) + 1, static_cast<qsizetype>(taille - 1));
    const QString nom = (donnees[0] & 1) ? QString::fromUtf8(octets) : depuisWindows1252(octets);
    const QString livre = QStringLiteral("£");
    const bool sansLivreCodee = !nom.contains(QLatin1String("#liv#"));

    // Decoding only ever shortens, and leaves a text without "#" alone.
    const QString decode = castiflore::DecoderNomFichier(nom);
    exiger(decode.size() <= nom.size());
    if (!nom.contains(QLatin1Char('#')))
        exiger(decode == nom);

    exiger(castiflore::estItemSonore(nom)
           == (majusculesAZ(nom).endsWith(QLatin1String(".WAV")) || majusculesAZ(nom).endsWith(QLatin1String(".MP3"))));

    // The key is A-Z lower-cased and blind to the case of those letters.
    const QString cle = castiflore::cleReussiteItem(nom);
    exiger(!contientAZ(cle, QLatin1Char('A'), QLatin1Char('Z')));
    exiger(cle.size() <= nom.size());
    exiger(cle == castiflore::cleReussiteItem(majusculesAZ(nom)));

    for (const bool hasard : {true, false}) {
        const QString sansPrefixe = castiflore::RetirerPrefixeOrdre(nom, hasard);
        exiger(nom.endsWith(sansPrefixe));
        if (hasard)
            exiger(sansPrefixe == nom);

        // At most one alternative more than the "£" that separate them, and at least one; none
        // blank beside another; a "£" in one is a decoded code.
        const QStringList reponses = castiflore::reponsesAcceptees(nom, hasard);
        const QString attendu = castiflore::RetirerPrefixeOrdre(nom.chopped(qMin<qsizetype>(4, nom.size())), hasard);
        exiger(!reponses.isEmpty() && reponses.size() <= attendu.count(livre) + 1);
        for (const QString& r : reponses) {
            exiger(reponses.size() == 1 || !rogner(r).isEmpty());
            if (sansLivreCodee)
                exiger(!r.contains(livre));
        }

        // The model removes the extensions before decoding: a code may appear only then.
        const QString modele = castiflore::texteModele(nom, hasard);
        exiger(!modele.contains(QLatin1String("oe")));
        QString sansExtensions = nom;
        sansExtensions.remove(QLatin1String(".wav"), Qt::CaseInsensitive).remove(QLatin1String(".mp3"), Qt::CaseInsensitive);
        if (!sansExtensions.contains(QLatin1String("#liv#")))
            exiger(!modele.contains(livre));
    }

    exiger(!castiflore::nomJournal(nom).contains(livre));

    for (const QString& compagnon : {castiflore::nomTexteItem(nom), castiflore::nomImageItem(nom)}) {
        exiger(!contientAZ(compagnon, QLatin1Char('a'), QLatin1Char('z')));
        exiger(!compagnon.contains(QLatin1String(".WAV")) && !compagnon.contains(QLatin1String(".MP3")));
    }

    exiger(!castiflore::NomExercice(nom).contains(QLatin1Char('/')));

    // An item whose key holds a run of 3 is retired at 3, kept at 4 and for the guest.
    TableDesReussites table;
    table.ajouter(cle, QStringLiteral("1-3"));
    exiger(!castiflore::ItemATravailler(nom, table, 3, true));
    exiger(castiflore::ItemATravailler(nom, table, 4, true));
    exiger(castiflore::ItemATravailler(nom, table, 3, false));
    table.changerComptes(0, QString::fromUtf8(octets.left(12)));
    castiflore::ItemATravailler(nom, table, 3, true);
    return 0;
}
