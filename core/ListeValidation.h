#pragma once
// The validation listing: the pupils' pending items of one group or of every group, shown as
// one text that the teacher edits, then read back into the files. A group header starts a
// group, a pupil header a pupil's section; every other line is an item of that pupil. A
// selection block typed above the first group header holds items for every pupil listed.
//
//   == Items à ajouter pour toute la sélection
//   un item pour tous|réponse
//   ============================== Groupe CM1==============================
//   == Léa==============================
//   un item de Léa|réponse

#include <QList>
#include <QString>
#include <QStringList>

// "============================== Groupe " + group + "============================== ".
QString enteteGroupeValidation(const QString& groupe);
// "== " + pupil + "==============================".
QString enteteEleveValidation(const QString& eleve);
// What a line must begin with to be a group header, a selection header (38 characters each).
QString debutEnteteGroupe();
QString debutSelection();

// A name read from a header that cannot name a file of its own folder: empty, ".", or holding
// "/", "\" or "..". Its section is dropped.
bool nomValidationRefuse(const QString& nom);

// The groups offered: folders of the personal-items folder (no dot in their name), in the file
// system's order, whose pending folder holds a "*AValider.txt" file.
QStringList groupesAValider(const QString& racine);
// Appends one group's part of the listing: its header, then for each pending file (file
// system's order) its pupil header and its lines as they are. A file that cannot be read
// raises the input/output error; the lines appended before it stay.
void ajouterSectionGroupe(const QString& racine, const QString& groupe, QStringList& liste);

// One pupil's section as read back: the item lines under its header, then the selection items.
// Sections naming the same pupil of the same group (up to case, as their files do) are one.
struct SectionValidation {
    QString groupe;
    QString eleve;
    QStringList lignes;
    bool operator==(const SectionValidation&) const = default;
};
QList<SectionValidation> lireListeValidation(const QStringList& liste);

struct OperationFichier {
    enum class Genre {
        Ajouter,   // appended to the file, created when missing
        Reecrire,  // the file replaced whole by the lines
        Supprimer, // the file deleted when present
    };
    Genre genre;
    QString chemin;
    QStringList lignes;
    bool operator==(const OperationFichier&) const = default;
};

// What saving the listing does, in order. Accepting: each pupil's items appended to the
// personal file, then the pending file deleted. Keeping them pending: each pending file
// rewritten with what the listing holds for that pupil.
QList<OperationFichier> analyserListeValidation(const QStringList& liste, const QString& racine, bool accepter);

// Carries the operations out through the checked writes. Every target folder is checked first,
// so that a header naming a group without a folder stops the save before anything is written;
// a failure raises the input/output error at that step.
void appliquerOperations(const QList<OperationFichier>& operations);
