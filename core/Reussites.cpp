#include "Reussites.h"

void TableDesReussites::vider()
{
    lignes_.clear();
    index_.clear();
    fichierSource.clear();
}

void TableDesReussites::ajouter(const QString& cle, const QString& comptes)
{
    int& premiere = index_[cle]; // one lookup; 0 means the key is new
    if (premiere == 0)
        premiere = static_cast<int>(lignes_.size()) + 1;
    lignes_.append({cle, comptes});
}

int TableDesReussites::chercher(const QString& cle) const
{
    return index_.value(cle, 0) - 1;
}

namespace {

bool entierNaturel(const QString& s, int& valeur)
{
    if (s.isEmpty() || s.size() > 9)
        return false;
    int v = 0;
    for (QChar c : s) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        v = v * 10 + (c.unicode() - '0');
    }
    valeur = v;
    return true;
}

} // namespace

int serieEnCours(const QString& comptes)
{
    const qsizetype tiret = comptes.lastIndexOf(QLatin1Char('-'));
    int v = 0;
    if (!entierNaturel(comptes.mid(tiret + 1), v))
        return 0;
    return v;
}

int premierCompte(const QString& comptes)
{
    int v = 0;
    for (QChar c : comptes) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        if (v < 100000000)
            v = v * 10 + (c.unicode() - '0');
    }
    return v;
}

QString comptesApresReussite(const QString& comptes)
{
    const qsizetype tiret = comptes.lastIndexOf(QLatin1Char('-'));
    return comptes.left(tiret + 1) + QString::number(serieEnCours(comptes) + 1);
}

QString comptesApresEchec(const QString& comptes)
{
    if (comptes.endsWith(QLatin1String("-0")))
        return comptes;
    return comptes + QStringLiteral("-0");
}
