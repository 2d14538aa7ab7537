#pragma once
// The pupil's first-attempt successes, one row an item: the key (the prompt trimmed, A-Z lower-
// cased) and its counts, whole numbers joined by "-", the last one the current run.

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

struct LigneReussite {
    QString cle;
    QString comptes;
};

class TableDesReussites {
public:
    void vider();
    bool estVide() const { return lignes_.isEmpty(); }
    int taille() const { return static_cast<int>(lignes_.size()); }
    const QList<LigneReussite>& lignes() const { return lignes_; }
    const LigneReussite& ligne(int i) const { return lignes_[i]; }

    void ajouter(const QString& cle, const QString& comptes);
    void reserver(qsizetype n)
    {
        lignes_.reserve(n);
        index_.reserve(n);
    }
    void changerComptes(int i, const QString& comptes) { lignes_[i].comptes = comptes; }
    // First row whose key is this one, -1 when none.
    int chercher(const QString& cle) const;

    // The results file the table was loaded from: the only one it is ever saved into. Empty
    // for the guest and after a failed load: nothing to save then.
    QString fichierSource;

private:
    QList<LigneReussite> lignes_;
    QHash<QString, int> index_; // key -> first row + 1
};

// Adds the rows of a successes file's text to the table (key before the first "|", trimmed and
// A-Z lower-cased; a line without "|" gives an empty key and the whole line as counts).
// Returns the number of rows whose counts begin with a number above 0.
int lireReussites(const QString& texte, TableDesReussites& table);
// The lines of the file that holds the table: key + "|" + counts, in table order.
QStringList lignesReussites(const TableDesReussites& table);

// Counts are read by value, whatever their leading zeros.
// The current run of counts: the number after the last "-" (the whole text without "-");
// a text that is not a whole number reads as 0.
int serieEnCours(const QString& comptes);
// The number formed by the leading digits of counts (0 when there are none).
int premierCompte(const QString& comptes);
// Counts after one more first-attempt success: "2-0" -> "2-1", "3" -> "4".
QString comptesApresReussite(const QString& comptes);
// Counts after a first-attempt miss: "-0" appended unless they already end with it.
QString comptesApresEchec(const QString& comptes);
