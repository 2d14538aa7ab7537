#pragma once
// Printing: a printer document drawn in the printer's own units, the plain-text job, and a
// printer that records its jobs for the tests.

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QTextDocument;

// The outcome of a print job: success, or the French message of its failure.
struct ResultatImpression {
    bool reussi = true;
    QString erreur;
    explicit operator bool() const { return reussi; }
    static ResultatImpression echec(const QString& message) { return {false, message}; }
};

// One document on the chosen printer. Coordinates are device units of the printer, with the
// origin at the top left of the printable area. Every operation reports failure; a failure in the
// middle of a job aborts it, and erreur() tells why. A page break takes effect only when
// something is drawn after it, so no blank sheet is ever ejected.
class DocumentImprime {
public:
    virtual ~DocumentImprime();

    bool commencer(const QString& titre);
    // Printable width and height.
    virtual int largeur() const = 0;
    virtual int hauteur() const = 0;
    // Whether the printer's output is a file: each job then replaces the one before.
    virtual bool versFichier() const { return false; }
    // Measures in the printer's default font.
    virtual int hauteurTexte(const QString& texte) const = 0;
    virtual int largeurTexte(const QString& texte) const = 0;
    // Draws with y the top of the text, on a transparent background.
    bool ecrire(int x, int y, const QString& texte);
    bool nouvellePage();
    bool terminer();
    void abandonner();

    bool enCours() const { return enCours_; }
    const QString& erreur() const { return erreur_; }

protected:
    virtual bool debuter(const QString& titre) = 0;
    virtual bool dessiner(int x, int y, const QString& texte) = 0;
    virtual bool sauterPage() = 0;
    virtual bool finir() = 0;
    virtual void annuler() = 0;
    // The message of the failure that the implementation just met.
    void definirErreur(const QString& message) { erreur_ = message; }

private:
    bool echouer(const QString& message);

    bool enCours_ = false;
    bool pageEntamee_ = false;
    bool sautEnAttente_ = false;
    QString erreur_;
};

// The printer used as a plain text device: one job, its default font, the lines one under the
// other from the top of the page, a new page when a line no longer fits. A TAB at the start of
// a line indents it by one tab stop; a line wider than the page goes on, indented alike, on the
// next lines. With several copies, the job holds them one after the other, each from a new page.
ResultatImpression imprimerTexteBrut(DocumentImprime& document, const QStringList& lignes,
                                     const QString& titre = QString(), int exemplaires = 1);

// The steps of a job at which a recording printer can be made to fail.
enum class OperationImpression { Debut, Texte, NouvellePage, Fin, TexteRiche };

struct TexteImprime {
    int page = 1;
    int x = 0;
    int y = 0;
    QString texte;
    bool operator==(const TexteImprime&) const = default;
};
// Moved as bytes when the list of a long job grows.
Q_DECLARE_TYPEINFO(TexteImprime, Q_RELOCATABLE_TYPE);

struct TravailImprime {
    enum class Etat { EnCours, Termine, Abandonne };
    QString titre;
    QList<TexteImprime> textes; // in the order drawn
    int pages = 0;              // pages that received something
    Etat etat = Etat::EnCours;
    // A rich-text job: its text (one line a paragraph) and its font family.
    bool texteRiche = false;
    QString texte;
    QString police;
};

// A printer with fixed metrics: a page of 2400 by `hauteur` units, text 100 high and 20 wide a
// character. It keeps every job.
class ImprimanteEnregistreuse {
public:
    int largeur = 2400;
    int hauteur = 3300;
    bool versFichier = false; // its output is a file (see DocumentImprime::versFichier)
    QList<TravailImprime> travaux;
    // Told of each job's start, end, abort and failure, one line each.
    std::function<void(const QString&)> journaliser;

    // The rang-th operation of that kind from now on fails (and aborts its job).
    void echouerA(OperationImpression operation, int rang = 1);

    std::unique_ptr<DocumentImprime> document();
    ResultatImpression imprimerTexteRiche(const QTextDocument& texte);

    // False when the operation is the one set to fail.
    bool reussit(OperationImpression operation);

    void noter(const QString& ligne) const
    {
        if (journaliser)
            journaliser(ligne);
    }

private:
    bool echecPrevu_ = false;
    OperationImpression operationEchec_ = OperationImpression::Debut;
    int rangEchec_ = 0;
};

QString nomEtatTravail(TravailImprime::Etat etat);
QString nomOperation(OperationImpression operation);
