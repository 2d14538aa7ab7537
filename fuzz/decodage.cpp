// Text decoding: load, save and load again gives the same text, and a Windows-1252 file that
// was not changed writes back byte for byte. File names: a name read from its bytes, spelt
// anew in UTF-8, reads the same (a file the programs create under it is found again by it).
#include "Cible.h"

#include "Chemins.h"
#include "Texte.h"

CIBLE_FUZZ(decodage)
{
    const QString lu = decoderFichier(octets);
    const QByteArray ecrit = encoderFichier(lu);
    const QString relu = decoderFichier(ecrit);
    // What Windows-1252 cannot hold is written "?": that is the text that must come back.
    EXIGER(relu == depuisWindows1252(versWindows1252(lu)));
    EXIGER(encoderFichier(relu) == ecrit);

    // Read as Windows-1252: the same bytes, less a leading mark (kept when the text itself
    // begins with the mark's three characters).
    const QByteArray sansMarque = octets.startsWith("\xEF\xBB\xBF") ? octets.mid(3) : octets;
    if (lu == depuisWindows1252(sansMarque))
        EXIGER(ecrit == sansMarque || (ecrit == octets && sansMarque.startsWith("\xEF\xBB\xBF")));

    // Line by line, as the files are written: the same lines come back.
    const QStringList lignes = decouperLignes(lu);
    QString texte;
    for (const QString& l : lignes)
        texte += l + QStringLiteral("\r\n");
    if (representableEnWindows1252(texte))
        EXIGER(decouperLignes(decoderFichier(encoderFichier(texte))) == lignes);

    const QString nom = nomDepuisOctets(octets);
    EXIGER(nomDepuisOctets(nom.toUtf8()) == nom);
}
