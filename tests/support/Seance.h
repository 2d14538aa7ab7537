#pragma once
// A scripted session of one of the programs in a program folder of its own: the scripted
// platform, the shared state back to a fresh start, and (on demand) every form of the program.

#include <QByteArray>
#include <QColor>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "PlateformeScriptee.h"

class FichesCastiflore;
class FichesOmbrivelle;
class QAbstractButton;
class QComboBox;
class QListWidget;
class QTextEdit;
class QWidget;

enum class Programme { Ombrivelle, Castiflore };

class Seance {
public:
    // With the sample classroom copied into the program folder, or an empty folder.
    explicit Seance(bool classeExemple = true, Programme programme = Programme::Ombrivelle);
    ~Seance();

    PlateformeScriptee p;
    QString programme; // the program folder, ending with "/"

    void creerFiches(const QStringList& arguments = {});
    // Creates the forms and shows the main window: the first activation runs the script.
    void demarrer(const QStringList& arguments = {});

    QString chemin(const QString& relatif) const { return programme + relatif; }
    // Writes a text file as the programs do: Windows-1252, each line ended by CR LF.
    void ecrireLignes(const QString& relatif, const QStringList& lignes) const;
    void ecrireOctets(const QString& relatif, const QByteArray& octets) const;
    QByteArray lireOctets(const QString& relatif) const;
    bool existe(const QString& relatif) const;
    // A file named as an archive made on Windows names it: the path's bytes in Windows-1252, which
    // are not UTF-8; its folders are made with those bytes too.
    void ecrireNomWindows(const QByteArray& relatif, const QByteArray& octets) const;
    // The names of a folder's entries as the file system holds them, sorted; the folder named
    // by its bytes.
    QList<QByteArray> nomsSurDisque(const QByteArray& relatif) const;
    // The settings file of the program: the given lines, in place of the sample one.
    void parametres(const QStringList& lignes) const;

private:
    QTemporaryDir dossier_;
    Programme programme_;
    std::unique_ptr<FichesOmbrivelle> fiches_;
    std::unique_ptr<FichesCastiflore> fichesCastiflore_;
};

// Windows-1252 bytes of lines, each ended by CR LF.
QByteArray octetsLignes(const QStringList& lignes);

// The user's gestures on controls.
void cliquer(QAbstractButton* b);
void choisir(QComboBox* c, const QString& texte);
void choisirLigne(QListWidget* l, const QString& texte);
void taper(QWidget* w, const QString& texte);
void touche(QWidget* w, int cle, Qt::KeyboardModifiers modificateurs = Qt::NoModifier);

// How a box shows what was typed in it: the width of its first line as laid out, and the font
// and colour of its last character.
struct Frappe {
    qreal largeur = 0;
    QString famille;
    int pixels = 0;
    bool gras = false;
    bool italique = false;
    QColor couleur;
    bool operator==(const Frappe&) const = default;
};
Frappe frappe(QTextEdit* boite);
// "xyzxyz" typed in the box, then typed again after each way a pupil empties it (Ctrl+A then
// Backspace; Backspace on every character), expected to look the same each time: how it looked.
Frappe taperViderRetaper(QTextEdit* boite);

// The programs' search path (PATH) for as long as it lives.
class CheminsDeRecherche {
public:
    explicit CheminsDeRecherche(const QString& valeur) : avant_(qgetenv("PATH")) { qputenv("PATH", valeur.toLocal8Bit()); }
    ~CheminsDeRecherche() { qputenv("PATH", avant_); }

private:
    QByteArray avant_;
};

// Readable texts in the tests' failure messages.
#include <ostream>
void PrintTo(const QString& texte, std::ostream* os);
void PrintTo(const QStringList& liste, std::ostream* os);
class QColor;
void PrintTo(const QColor& couleur, std::ostream* os);
void PrintTo(const Frappe& f, std::ostream* os);
