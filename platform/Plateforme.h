#pragma once
// The few services of the desktop that the programs use, behind one interface: a real
// implementation on Qt for the classroom, and a scripted one that tests drive.

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

#include "Dialogues.h"
#include "Impression.h"
#include "Police.h"

class QTextDocument;
class QWidget;
class Fiche;

enum class TypeBoite { Simple, Information, Avertissement, Erreur, Confirmation };
enum class BoutonsBoite { Ok, OkAnnuler, OuiNon };
enum class ReponseBoite { Ok, Annuler, Oui, Non };

// A one-second timer of a window. Its ticks are delivered by whichever modal loop runs.
class Minuterie {
public:
    virtual ~Minuterie() = default;
    virtual void demarrer() = 0;
    virtual void arreter() = 0;
    virtual bool actif() const = 0;
};

class Plateforme {
public:
    virtual ~Plateforme() = default;

    // Windows. Showing runs FormShow then FormActivate once, then waits until the form closes.
    virtual void montrerPrincipale(Fiche& f) = 0;
    virtual void montrerModal(Fiche& f) = 0;
    // Ends the modal run of a form (or hides it). Closing the main window ends the program:
    // every open modal form is closed and nothing opens afterwards.
    virtual void fermer(Fiche& f) = 0;
    virtual bool finDemandee() const = 0;

    virtual ReponseBoite boite(const QString& titre, const QString& texte, TypeBoite type,
                               BoutonsBoite boutons) = 0;

    // Draws the window at once, so that it can be seen during a pause.
    virtual void repeindre(QWidget* w) = 0;
    // Pauses the interface thread: sounds go on, no input and no timer tick is delivered.
    virtual void dormir(int millisecondes) = 0;

    // Plays a sound file asynchronously; a sound that cannot be played is skipped silently.
    virtual void jouerSon(const QString& chemin) = 0;
    // Plays an item of an exercise on the same player, from its start, asynchronously: the
    // sound playing is closed first. False when the file cannot be opened as a sound; nothing
    // plays then.
    virtual bool jouerItem(const QString& chemin) = 0;
    // Opens a document, folder or web address with the desktop's handler; false on failure
    // (no opener, or nothing that can open the target). May wait a moment for the answer.
    virtual bool ouvrir(const QString& cible) = 0;
    virtual bool lancerProgramme(const QString& programme, const QStringList& arguments) = 0;
    virtual void viderPressePapiers() = 0;

    virtual QDateTime maintenant() = 0;
    // A uniform index in 0 .. n - 1 (n >= 1), from one generator seeded once.
    virtual int hasard(int n) = 0;

    // Folder of the executable, ending with "/".
    virtual QString dossierProgramme() = 0;
    // Current folder, without a final "/": every relative name is resolved against it.
    virtual QString dossierCourant() = 0;
    virtual bool changerDossier(const QString& chemin) = 0;

    virtual std::unique_ptr<Minuterie> creerMinuterie(int millisecondes,
                                                      std::function<void()> tic) = 0;

    // Printing, on the printer chosen in the dialogs (the system's default one until then).
    // The print dialog answers the number of copies; each copy is a job of its own.
    virtual std::optional<int> dialogueImpression() = 0;
    virtual bool dialogueImprimante() = 0;
    virtual std::unique_ptr<DocumentImprime> documentImprime() = 0;
    // One job with no title: the text in its own fonts, laid out across the printable width and
    // broken into pages.
    virtual ResultatImpression imprimerTexteRiche(const QTextDocument& texte) = 0;

    // Common dialogs; nothing when cancelled.
    virtual std::optional<Police> dialoguePolice(const Police& depart) = 0;
    // The chosen folder without a final "/"; a typed folder that does not exist is created once
    // the user confirms it.
    virtual std::optional<QString> dialogueDossier(const QString& depart) = 0;
    virtual std::optional<QString> dialogueFichier(const DemandeFichier& demande) = 0;
};

Plateforme& plateforme();
void installerPlateforme(Plateforme* p);
// Whether a platform is installed (path helpers then resolve relative names against its folder).
bool plateformeInstallee();
