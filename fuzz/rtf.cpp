// Help pages in rich text: any bytes are read without a fault.
#include "Cible.h"

#include <QTextDocument>

#include "Rtf.h"

CIBLE_FUZZ(rtf)
{
    preparerQt();
    QTextDocument document;
    if (!lireRtf(octets, document))
        EXIGER(document.isEmpty());
}
