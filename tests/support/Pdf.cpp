#include "Pdf.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

bool outilsPoppler()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()
           && !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

QString sortieProgramme(const QString& programme, const QStringList& arguments)
{
    QProcess p;
    p.start(programme, arguments);
    if (!p.waitForFinished(30000))
        return QString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString infoPdf(const QString& fichier, const QString& champ)
{
    const auto m = QRegularExpression(QStringLiteral("^") + champ + QStringLiteral(":[ ]*(.*)$"),
                                      QRegularExpression::MultilineOption)
                       .match(sortieProgramme(QStringLiteral("pdfinfo"), {fichier}));
    return m.hasMatch() ? m.captured(1).trimmed() : QStringLiteral("<absent>");
}

QPair<double, double> boiteDuMot(const QString& fichier, const QString& mot)
{
    const QString html =
        sortieProgramme(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), fichier, QStringLiteral("-")});
    const auto m = QRegularExpression(QStringLiteral("xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" "
                                                     "yMax=\"([0-9.]+)\">")
                                      + mot + QStringLiteral("<"))
                       .match(html);
    if (!m.hasMatch())
        return {-1, -1};
    return {m.captured(1).toDouble(), m.captured(3).toDouble() - m.captured(2).toDouble()};
}
