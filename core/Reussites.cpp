#include "Reussites.h"

#include <QHash>

namespace {

bool rognable(QChar c)
{
    return c.unicode() <= 32;
}

size_t hachage(QStringView s)
{
    return qHash(s, 0);
}

} // namespace

void TableDesReussites::vider()
{
    texte_ = QString();
    lignes_ = QList<Ligne>();
    changements_ = QList<Changement>();
    index_ = std::vector<int>();
    indexees_ = 0;
    fichierSource.clear();
}

TableDesReussites::Portion TableDesReussites::ajouterTexte(const QString& s)
{
    const Portion p{texte_.size(), s.size()};
    texte_ += s;
    return p;
}

void TableDesReussites::ajouter(const QString& cle, const QString& comptes)
{
    Ligne l;
    l.cle = ajouterTexte(cle);
    l.comptes = ajouterTexte(comptes);
    lignes_.append(l);
    if (!index_.empty())
        indexer(taille() - 1);
}

void TableDesReussites::changerComptes(int i, const QString& comptes)
{
    lignes_[i].comptes = ajouterTexte(comptes);
}

void TableDesReussites::appliquer(const Changement& c)
{
    const int i = chercher(c.cle);
    if (c.reussite) {
        if (i >= 0)
            changerComptes(i, comptesApresReussite(comptes(i)));
        else
            ajouter(c.cle, QStringLiteral("1"));
    } else if (i >= 0) {
        changerComptes(i, comptesApresEchec(comptes(i)));
    }
}

void TableDesReussites::compterReussite(const QString& cle)
{
    changements_.append({cle, true});
    appliquer(changements_.last());
}

void TableDesReussites::marquerEchec(const QString& cle)
{
    // Kept even without a row: another instance may have added it by the save.
    changements_.append({cle, false});
    appliquer(changements_.last());
}

void TableDesReussites::reporterChangements(TableDesReussites& autre) const
{
    for (const Changement& c : changements_)
        autre.appliquer(c);
}

void TableDesReussites::reprendreChangements(const TableDesReussites& autre)
{
    for (const Changement& c : autre.changements_) {
        changements_.append(c);
        appliquer(c);
    }
}

void TableDesReussites::indexer(int ligne) const
{
    if (2 * (indexees_ + 1) > static_cast<int>(index_.size())) {
        // Grown and filled again from the rows already in, in row order, so that the first of
        // two equal keys keeps its slot.
        size_t taille = 16;
        while (taille < 2 * static_cast<size_t>(lignes_.size()) + 2)
            taille *= 2;
        index_.assign(taille, 0);
        const int deja = indexees_;
        indexees_ = 0;
        for (int i = 0; i < deja; ++i)
            indexer(i);
    }
    const size_t masque = index_.size() - 1;
    const QStringView c = cle(ligne);
    for (size_t h = hachage(c) & masque;; h = (h + 1) & masque) {
        const int occupant = index_[h];
        if (occupant == 0) {
            index_[h] = ligne + 1;
            break;
        }
        if (cle(occupant - 1) == c)
            break; // an earlier row has the key
    }
    ++indexees_;
}

int TableDesReussites::chercher(QStringView cleCherchee) const
{
    if (lignes_.isEmpty())
        return -1;
    while (indexees_ < taille())
        indexer(indexees_);
    const size_t masque = index_.size() - 1;
    for (size_t h = hachage(cleCherchee) & masque;; h = (h + 1) & masque) {
        const int occupant = index_[h];
        if (occupant == 0)
            return -1;
        if (cle(occupant - 1) == cleCherchee)
            return occupant - 1;
    }
}

int TableDesReussites::charger(QString texte)
{
    vider();
    texte_ = std::move(texte);
    QChar* d = texte_.data();
    const qsizetype n = texte_.size();
    qsizetype lignes = 0;
    for (qsizetype i = 0; i < n; ++i)
        lignes += d[i] == QLatin1Char('\n');
    lignes_.reserve(lignes + 1);

    qsizetype debutLigne = 0;
    while (debutLigne < n) {
        qsizetype finLigne = debutLigne;
        while (finLigne < n && d[finLigne] != QLatin1Char('\n'))
            ++finLigne;
        const qsizetype suite = finLigne + 1;
        if (finLigne < n && finLigne > debutLigne && d[finLigne - 1] == QLatin1Char('\r'))
            --finLigne;
        qsizetype barre = debutLigne;
        while (barre < finLigne && d[barre] != QLatin1Char('|'))
            ++barre;
        Ligne l;
        if (barre == finLigne) {
            l.comptes = {debutLigne, finLigne - debutLigne};
        } else {
            qsizetype debut = debutLigne, fin = barre;
            while (debut < fin && rognable(d[debut]))
                ++debut;
            while (fin > debut && rognable(d[fin - 1]))
                --fin;
            for (qsizetype i = debut; i < fin; ++i)
                if (d[i] >= QLatin1Char('A') && d[i] <= QLatin1Char('Z'))
                    d[i] = QChar(d[i].unicode() + 32);
            l.cle = {debut, fin - debut};
            l.comptes = {barre + 1, finLigne - barre - 1};
        }
        lignes_.append(l);
        debutLigne = suite;
    }
    return dejaReussis();
}

int TableDesReussites::dejaReussis() const
{
    int n = 0;
    for (const Ligne& l : lignes_)
        n += premierCompte(vue(l.comptes)) > 0;
    return n;
}

QStringList TableDesReussites::lignesFichier() const
{
    QStringList r;
    r.reserve(lignes_.size());
    for (int i = 0; i < taille(); ++i) {
        const QStringView c = cle(i), n = comptes(i);
        QString l;
        l.reserve(c.size() + 1 + n.size());
        l.append(c).append(QLatin1Char('|')).append(n);
        r.append(std::move(l));
    }
    return r;
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

int serieEnCours(QStringView comptes)
{
    const qsizetype tiret = comptes.lastIndexOf(QLatin1Char('-'));
    int v = 0;
    if (!entierNaturel(comptes.mid(tiret + 1), v))
        return 0;
    return v;
}

int premierCompte(QStringView comptes)
{
    qint64 v = 0;
    for (QChar c : comptes) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        v = qMin<qint64>(v * 10 + (c.unicode() - '0'), plafondCompte);
    }
    return static_cast<int>(v);
}

QString comptesApresReussite(QStringView comptes)
{
    const qsizetype tiret = comptes.lastIndexOf(QLatin1Char('-'));
    return comptes.left(tiret + 1).toString() + QString::number(serieEnCours(comptes) + 1);
}

QString comptesApresEchec(QStringView comptes)
{
    if (comptes.endsWith(QLatin1String("-0")))
        return comptes.toString();
    return comptes.toString() + QStringLiteral("-0");
}
