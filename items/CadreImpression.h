#pragma once
// What the three print forms share: the pupils they walk, a pupil's records of items, the
// width and summary measures, and the job itself, on the printer or into a text file.

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

#include "MiseEnPage.h"
#include "Reussites.h"

class DocumentImprime;
class QRadioButton;
class QRect;
class QWidget;

// ---- Pupils and their records -----------------------------------------------------------------

// A pupil's successes file in a group folder of the results root.
QString FichierReussitesEleve(const QString& groupe, const QString& eleve);

// Which pupils a form prints: all, those of the results window's group, or its pupil.
enum class SelectionEleves { Tous, Groupe, Eleve };

// Whether a group folder's name, or a pupil's name, passes the selection; names are compared
// with only the letters a to z raised, against the results window's lists.
bool groupeSelectionne(SelectionEleves selection, const QString& groupe);
bool eleveSelectionne(SelectionEleves selection, const QString& eleve);

struct EleveAImprimer {
    QString groupe; // the group folder's name
    QString eleve;
    QString fichierReussites;
};
// The passing pupils of the passing groups, each in the file system's order. Pupils without a
// group are never printed.
QList<EleveAImprimer> elevesAImprimer(SelectionEleves selection);

// A pupil's records of items: the first line of the successes file whose key matches an
// item's prompt, both trimmed and A-Z lowered.
class EnregistrementsEleve {
public:
    // No file: no record. Unreadable: the input/output error, unless silently empty is asked.
    explicit EnregistrementsEleve(const QString& fichierReussites, bool sansErreur = false);
    // The record of an item line (its prompt is the text before the first "|"); "0" when none.
    QString enregistrement(const QString& ligneItem) const;

private:
    TableDesReussites table_;
};

// The last count of a record, as a whole number (a count that is not one reads as 0).
int dernierCompte(const QString& enregistrement);
// Mastered: the last count has reached the number of right answers needed.
bool itemElimine(const QString& enregistrement);

// The lines of an item file that are items: neither empty nor exactly "ORDRE".
bool ligneComptee(const QString& ligne);

// The widest counted line of a file, in printer units, measured as the line followed by room
// for a record; 0 when no line counts. A missing file raises the input/output error.
int LargeurMaxItems(const QString& fichier, const DocumentImprime& document);
int LargeurMaxItems(const QStringList& lignes, const DocumentImprime& document);

// "<n> item(s) éliminé(s) sur <total>" for a pupil and an item file; reads without errors.
QString ResumeEliminations(const QString& groupe, const QString& eleve, const QString& fichierItems);
QString ResumeEliminations(int elimines, int total);

// Today in the short date format of the headers.
QString dateImpression();

// ---- The form side ----------------------------------------------------------------------------

// The selection buttons at each activation: the group button is offered with the results
// window's group, the pupil button with its pupil. A disabled button keeps its check.
void appliquerSelection(QRadioButton* groupe, QRadioButton* eleve, const QString& prefixeGroupe,
                        const QString& prefixeEleve);

// The export file dialog: text files, from the program's folder, asking before a file is
// replaced.
struct DemandeFichier;
DemandeFichier demandeExport();

// One job, printed or exported. A print job aborts when it is left unfinished (an input/output
// error in the middle); an export writes nothing until it is finished, all at once.
class TravailImpression {
public:
    TravailImpression();
    ~TravailImpression();
    TravailImpression(const TravailImpression&) = delete;
    TravailImpression& operator=(const TravailImpression&) = delete;

    // The printer setup dialog, then the document; false when cancelled. A printer that
    // refuses the job raises EchecImprimante.
    bool commencerImpression();
    // The file dialog; false when cancelled.
    bool commencerExport();

    bool exporte() const { return exporte_; }
    MiseEnPage& page() { return *page_; }
    const DocumentImprime& document() const { return *document_; }
    void ajouterLigne(const QString& ligne) { lignes_.append(ligne); }
    const QString& fichier() const { return fichier_; }

    // Print: the document ends. Export: the file is written whole (Windows-1252, CR LF), then
    // the user may view it.
    void terminer();

private:
    std::unique_ptr<DocumentImprime> document_;
    std::unique_ptr<MiseEnPage> page_;
    bool exporte_ = false;
    QString fichier_;
    QStringList lignes_;
};

// Runs a command; a printer failure stops it with its message.
void signalerEchecImprimante(const std::function<void()>& commande);

// The controls of the print forms, at their design place.
class QCheckBox;
class QPushButton;
QRadioButton* boutonRadio(QWidget* parent, const QString& nom, const QString& texte, const QRect& r);
QCheckBox* caseACocher(QWidget* parent, const QString& nom, const QString& texte, const QRect& r);
QPushButton* boutonCommande(QWidget* parent, const QString& nom, const QString& texte, const QRect& r);
