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

// Above any count a pupil can reach; one more success still fits an int.
constexpr int plafondCompte = 999999999;

// Read by value, whatever the leading zeros ("0000000003" is 3); past the ceiling, the ceiling.
bool entierNaturel(QStringView s, int& valeur)
{
    if (s.isEmpty())
        return false;
    qint64 v = 0;
    for (QChar c : s) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        v = qMin<qint64>(v * 10 + (c.unicode() - '0'), plafondCompte);
    }
    valeur = static_cast<int>(v);
    return true;
}

} // namespace

int serieEnCours(const QString& comptes)
{
    const qsizetype tiret = comptes.lastIndexOf(QLatin1Char('-'));
    int v = 0;
    if (!entierNaturel(QStringView(comptes).mid(tiret + 1), v))
        return 0;
    return v;
}

int premierCompte(const QString& comptes)
{
    qint64 v = 0;
    for (QChar c : comptes) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        v = qMin<qint64>(v * 10 + (c.unicode() - '0'), plafondCompte);
    }
    return static_cast<int>(v);
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

int lireReussites(const QString& texte, TableDesReussites& table)
{
    int dejaReussis = 0;
    table.reserver(texte.count(QLatin1Char('\n')) + 1);
    // Read in place, line by line, without a list of lines: the table may hold many rows.
    const QChar* d = texte.constData();
    const qsizetype n = texte.size();
    qsizetype debutLigne = 0;
    while (debutLigne < n) {
        qsizetype finLigne = texte.indexOf(QLatin1Char('\n'), debutLigne);
        qsizetype suite = finLigne + 1;
        if (finLigne < 0)
            finLigne = suite = n;
        else if (finLigne > debutLigne && d[finLigne - 1] == QLatin1Char('\r'))
            --finLigne;
        const QStringView ligne(d + debutLigne, finLigne - debutLigne);
        debutLigne = suite;
        const qsizetype barre = ligne.indexOf(QLatin1Char('|'));
        if (barre < 0) {
            // The whole line is the counts, and counts like any other.
            const QString comptes = ligne.toString();
            if (premierCompte(comptes) > 0)
                ++dejaReussis;
            table.ajouter(QString(), comptes);
            continue;
        }
        qsizetype debut = 0, fin = barre;
        while (debut < fin && ligne[debut].unicode() <= 32)
            ++debut;
        while (fin > debut && ligne[fin - 1].unicode() <= 32)
            --fin;
        QString cle = ligne.mid(debut, fin - debut).toString();
        for (QChar& c : cle)
            if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
                c = QChar(c.unicode() + 32);
        const QString comptes = ligne.mid(barre + 1).toString();
        if (premierCompte(comptes) > 0)
            ++dejaReussis;
        table.ajouter(cle, comptes);
    }
    return dejaReussis;
}

QStringList lignesReussites(const TableDesReussites& table)
{
    QStringList lignes;
    lignes.reserve(table.taille());
    for (const LigneReussite& l : table.lignes())
        lignes.append(l.cle + QLatin1Char('|') + l.comptes);
    return lignes;
}
