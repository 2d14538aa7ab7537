// Text decoding: load, save and load again gives the same text, and a Windows-1252 file that
// was not changed writes back byte for byte.
#include "Cible.h"

#include "Texte.h"

CIBLE_FUZZ(decodage)
{
    const QString lu = decoderFichier(octets);
    const QByteArray ecrit = encoderFichier(lu);
    const QString relu = decoderFichier(ecrit);
    // What Windows-1252 cannot hold is written "?": that is the text that must come back.
    EXIGER(relu == depuisWindows1252(versWindows1252(lu)));
    EXIGER(encoderFichier(relu) == ecrit);

    QByteArray sansMarque = octets;
    while (sansMarque.startsWith("\xEF\xBB\xBF"))
        sansMarque.remove(0, 3);
    if (lu == depuisWindows1252(sansMarque))
        EXIGER(ecrit == sansMarque);

    // Line by line, as the files are written: the same lines come back.
    const QStringList lignes = decouperLignes(lu);
    QString texte;
    for (const QString& l : lignes)
        texte += l + QStringLiteral("\r\n");
    if (representableEnWindows1252(texte))
        EXIGER(decouperLignes(decoderFichier(encoderFichier(texte))) == lignes);
}
