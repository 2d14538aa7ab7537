#include "TexteBrut.h"

#include <QTextDocument>
#include <QTextEdit>

QString texteBrut(const QTextEdit* boite)
{
    QString texte = boite->document()->toRawText();
    for (QChar& c : texte) {
        switch (c.unicode()) {
        case 0xfdd0: // beginning and end of a frame
        case 0xfdd1:
        case QChar::ParagraphSeparator:
        case QChar::LineSeparator:
            c = QLatin1Char('\n');
            break;
        default:
            break;
        }
    }
    return texte;
}
