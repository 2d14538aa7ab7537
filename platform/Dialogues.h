#pragma once
// The common dialogs of the desktop: font, folder and file choice.

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "Police.h"

class QWidget;

// One entry of a file dialog's filter list: what the user reads, and the name patterns.
struct FiltreFichiers {
    QString description;
    QStringList motifs;
    bool operator==(const FiltreFichiers&) const = default;
};

// A filter list in the Windows form: description and patterns alternate, separated by "|",
// the patterns of one entry by ";" ("Programmes|*.exe;*.bat|Tous les fichiers|*.*").
QList<FiltreFichiers> lireFiltresWindows(const QString& filtre);
// Whether a file name matches one of the entry's patterns, without regard to case.
bool correspondFiltre(const QString& nom, const FiltreFichiers& filtre);

struct DemandeFichier {
    enum class Mode { Ouvrir, Enregistrer };
    Mode mode = Mode::Ouvrir;
    QString titre;
    QString dossierInitial;
    QString filtre;             // Windows form
    QString extensionDefaut;    // added to a name typed without one (".txt" or "txt")
    bool confirmerRemplacement = false; // asked before an existing file is chosen to be written
};

// The dialogs on Qt. Each returns nothing when cancelled.
std::optional<Police> choisirPolice(QWidget* parent, const Police& depart);
// The chosen folder, without a final "/"; a folder typed that does not exist is created after
// the user confirms it.
std::optional<QString> choisirDossier(QWidget* parent, const QString& depart);
// The full path of the chosen file.
std::optional<QString> choisirFichier(QWidget* parent, const DemandeFichier& demande);
