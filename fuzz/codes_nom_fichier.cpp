// File-name codes: any text decodes, never grows, and a text without "#" is left alone.
#include "Cible.h"

#include "CodesNomFichier.h"
#include "Texte.h"

CIBLE_FUZZ(codes_nom_fichier)
{
    const QString texte = decoderFichier(octets);
    const QString decode = DecoderNomFichier(texte);
    EXIGER(decode.size() <= texte.size());
    if (!texte.contains(QLatin1Char('#')))
        EXIGER(decode == texte);
    QList<QPair<QString, QString>> table = codesNomFichierCommuns();
    table.append({QStringLiteral("#pts#"), QStringLiteral(".")});
    EXIGER(DecoderNomFichier(texte, table).size() <= texte.size());
}
