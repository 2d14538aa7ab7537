#pragma once
// The page layout of the print forms on the printer document: rows at a fixed height under a
// top margin, items in up to ten columns, page breaks by room checks, blocks kept together and a
// page per pupil. Every measure is the printer's own (its units, its default font).

#include <QString>
#include <stdexcept>

class DocumentImprime;

// A printer operation that failed: the job is already aborted; the message says why.
class EchecImprimante : public std::runtime_error {
public:
    explicit EchecImprimante(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

// The checks before a block measure the line height on this text.
QString mesureVerification();

class MiseEnPage {
public:
    static constexpr int marge = 200;
    static constexpr int colonnesMax = 10;

    explicit MiseEnPage(DocumentImprime& document) : document_(document) {}

    // The row of the current page at which the next row is drawn.
    int NumLigne = 0;

    // Columns of a block whose widest line is this wide: the usable width divided by it,
    // rounded half to even, between 1 and 10. A width of 0 counts as 1.
    static int nombreColonnes(int largeurPage, int largeurMax);
    int nombreColonnes(int largeurMax) const;

    // A block starts: its column count, its column counter back to 0.
    void commencerBloc(int colonnes);
    int colonnes() const { return colonnes_; }
    int compteurColonnes() const { return compteur_; }

    // A new page; the rows count from 0 again.
    void sautDePage();
    // Breaks when n more rows would pass the bottom of the page.
    void verifierPlace(int n, const QString& mesure = mesureVerification());
    // Breaks before a block of k rows that fits on a page but not on what is left of this one.
    void garderEnsemble(int k, const QString& mesure = mesureVerification());
    // Breaks unless the page is untouched.
    void changementDePage(bool parEleve);
    void ligneBlanche() { ++NumLigne; }
    // Draws in column 1 of the current row.
    void ecrireLigne(const QString& texte);
    // The next item: in the next column of the row, or in column 1 of the next row.
    void placerItem(const QString& texte);
    // One blank row after the block, unless the page is untouched.
    void finBloc();

    int largeurTexte(const QString& texte) const;

private:
    void ecrire(int colonne, const QString& texte);

    DocumentImprime& document_;
    int colonnes_ = 1;
    int compteur_ = 0;
};
