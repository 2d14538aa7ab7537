#include "CodesNomFichier.h"

#include "Profil.h"

QList<QPair<QString, QString>> codesNomFichierCommuns()
{
    return {
        {QStringLiteral("#ast#"), QStringLiteral("*")},
        {QStringLiteral("#eur#"), QStringLiteral("€")},
        {QStringLiteral("#int#"), QStringLiteral("?")},
        {QStringLiteral("#sla#"), QStringLiteral("/")},
        {QStringLiteral("#ant#"), QStringLiteral("\\")},
        {QStringLiteral("#2po#"), QStringLiteral(":")},
        {QStringLiteral("#gui#"), QStringLiteral("\"")},
        {QStringLiteral("#inf#"), QStringLiteral("<")},
        {QStringLiteral("#sup#"), QStringLiteral(">")},
        {QStringLiteral("#pip#"), QStringLiteral("|")},
        {QStringLiteral("#liv#"), QStringLiteral("£")},
        {QStringLiteral("#exc#"), QStringLiteral("!")},
        {QStringLiteral("#aro#"), QStringLiteral("@")},
    };
}

QString DecoderNomFichier(const QString& texte, const QList<QPair<QString, QString>>& table)
{
    if (!texte.contains(QLatin1Char('#')))
        return texte; // no code can stand in it
    QString r = texte;
    for (const auto& [code, caractere] : table)
        r.replace(code, caractere, Qt::CaseSensitive);
    return r;
}

QString DecoderNomFichier(const QString& texte)
{
    return DecoderNomFichier(texte, profil().codesNomFichier);
}
