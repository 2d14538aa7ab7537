#pragma once
// The pupil's first-attempt successes, one row an item: the key (the prompt trimmed, A-Z lower-
// cased) and its counts, whole numbers joined by "-", the last one the current run.
//
// A pupil's table can hold a hundred thousand rows and is loaded at every exercise: the rows are
// kept as spans of one text (the file as read, keys lowered in place), and the lookup index is a
// flat open-addressing table built at the first lookup. Nothing is allocated a row.

#include <QList>
#include <QString>
#include <QStringView>
#include <vector>

struct LigneReussite {
    QString cle;
    QString comptes;
};

class TableDesReussites {
public:
    void vider();
    bool estVide() const { return lignes_.isEmpty(); }
    int taille() const { return static_cast<int>(lignes_.size()); }
    LigneReussite ligne(int i) const { return {cle(i).toString(), comptes(i).toString()}; }
    QStringView cle(int i) const { return vue(lignes_[i].cle); }
    QStringView comptes(int i) const { return vue(lignes_[i].comptes); }

    // Rows as they are read: not changes of this run.
    void ajouter(const QString& cle, const QString& comptes);
    void changerComptes(int i, const QString& comptes);
    // First row whose key is this one, -1 when none.
    int chercher(QStringView cle) const;

    // A first-attempt success of the item of this key (its current run raised by 1, or a new
    // row "1" at the end) and a first-attempt miss (its current run ended, when it has a row).
    // Both are remembered as this run's changes: another instance may save the same file
    // meanwhile, and a save makes them again on the file as it finds it.
    void compterReussite(const QString& cle);
    void marquerEchec(const QString& cle);
    // This run's changes since the load (or the last save), made again on the other table in
    // the order in which they were made here.
    void reporterChangements(TableDesReussites& autre) const;
    // Whether changes wait for a save.
    bool aDesChangements() const { return !changements_.isEmpty(); }
    // The other table's changes made on this one, and kept as this one's, for its next save.
    void reprendreChangements(const TableDesReussites& autre);

    // The rows of a successes file's text, in file order: the key is the text before the first
    // "|", trimmed and A-Z lower-cased; a line without "|" gives an empty key and the whole
    // line as counts. Gives dejaReussis().
    int charger(QString texte);
    // The number of rows whose counts begin with a number above 0.
    int dejaReussis() const;
    // The file's text: one line key + "|" + counts a row, each ended by CR LF.
    QStringList lignesFichier() const;

    // The results file the table was loaded from: the only one it is ever saved into. Empty
    // for the guest and after a failed load: nothing to save then.
    QString fichierSource;

private:
    struct Portion {
        qsizetype debut = 0;
        qsizetype longueur = 0;
    };
    struct Ligne {
        Portion cle;
        Portion comptes;
    };
    QStringView vue(Portion p) const { return QStringView(texte_).mid(p.debut, p.longueur); }
    Portion ajouterTexte(const QString& s);
    void indexer(int ligne) const;

    struct Changement {
        QString cle;
        bool reussite = false; // else a miss
    };
    void appliquer(const Changement& c);

    QString texte_;     // every key and counts, those changed since the load appended
    QList<Ligne> lignes_;
    QList<Changement> changements_;
    // Row + 1 in each used slot, 0 in a free one; a power of two long, at most half full.
    mutable std::vector<int> index_;
    mutable int indexees_ = 0; // rows already in the index
};

// The current run of counts: the number after the last "-" (the whole text without "-");
// a text that is not a whole number reads as 0.
int serieEnCours(QStringView comptes);
// The number formed by the leading digits of counts (0 when there are none).
int premierCompte(QStringView comptes);
// Counts after one more first-attempt success: "2-0" -> "2-1", "3" -> "4".
QString comptesApresReussite(QStringView comptes);
// Counts after a first-attempt miss: "-0" appended unless they already end with it.
QString comptesApresEchec(QStringView comptes);
inline int serieEnCours(const QString& comptes) { return serieEnCours(QStringView(comptes)); }
inline int premierCompte(const QString& comptes) { return premierCompte(QStringView(comptes)); }
inline QString comptesApresReussite(const QString& comptes) { return comptesApresReussite(QStringView(comptes)); }
inline QString comptesApresEchec(const QString& comptes) { return comptesApresEchec(QStringView(comptes)); }
