#pragma once
// Base of every window of the programs: a fixed dialog frame, handlers named as the forms
// name them, and the rules for Escape, Enter and the window manager's close.

#include <QColor>
#include <QDialog>
#include <QHash>
#include <QRect>
#include <functional>

#include "Plateforme.h"

class QAbstractButton;
class QKeyEvent;

class Fiche : public QDialog {
    Q_OBJECT
public:
    // What Escape and a window-manager close do.
    enum class Echappement {
        Ignore,   // no close box and no cancel button: both are refused
        Fermer,   // a close box: the form closes (FormClose runs)
        Annuler,  // an entry dialog: the cancel handler runs
    };
    enum class Placement { Ecran, FenetrePrincipale, Conception };

    explicit Fiche(QWidget* parent = nullptr);

    // Handlers of the form's life; showing runs FormShow then FormActivate once per showing.
    virtual void FormShow() {}
    virtual void FormActivate() {}
    virtual void FormClose() {}

    // Closes the form as the user's commands do: FormClose, then the end of its modal run.
    void Close();
    bool fermetureEnAttente() const { return fermetureEnAttente_; }
    void oublierFermeture() { fermetureEnAttente_ = false; }

    // Runs a handler; the run-time input/output error stops it and is told in a message box.
    static void garde(const std::function<void()>& gestionnaire);

    // Every label, button and check box gets the room its text needs with the fonts it really
    // has (its design size is the least), and the window holds its controls and its caption.
    // Run at each showing, once FormActivate has set the texts; what it grew at the previous
    // showing goes back to its design first.
    void ajusterAuContenu();
    // The window width that a caption needs in the window manager's title bar.
    static int largeurLegende(const QString& legende);

    // Most windows of the programs are sky blue.
    void definirFond(const QColor& couleur);
    static QColor bleuCiel() { return QColor(0x87, 0xCE, 0xEB); }

    // The main window, over which forms are centred.
    static QWidget* fenetrePrincipale;

protected:
    void definirCadre(bool caseFermeture, Echappement echappement);
    void definirTailleClient(int largeur, int hauteur);
    void definirPlacement(Placement p, QPoint position = {});
    // The form's own font size, in pixels, as the design gives it.
    void definirTaillePolice(int pixels);
    // The button that Enter presses when the focus is on no control that takes Enter itself.
    void definirBoutonDefaut(QAbstractButton* b) { boutonDefaut_ = b; }

    // The handler run by Escape and by the window manager's close in an entry dialog.
    virtual void annulation() {}

    // Connects a button's click to a handler of the form, through the error guard.
    template <class T>
    void relier(QAbstractButton* bouton, void (T::*gestionnaire)());

    void reject() override;
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void connecterClic(QAbstractButton* bouton, std::function<void()> f);

    // What the last adjustment changed: the geometry it found and the one it set.
    struct Ajustement {
        QRect avant;
        QRect apres;
    };
    QHash<QWidget*, Ajustement> ajustements_;
    QSize tailleAvant_, tailleApres_;

    Echappement echappement_ = Echappement::Ignore;
    Placement placement_ = Placement::FenetrePrincipale;
    QPoint positionConception_;
    QAbstractButton* boutonDefaut_ = nullptr;
    bool fermetureEnAttente_ = false;
};

template <class T>
void Fiche::relier(QAbstractButton* bouton, void (T::*gestionnaire)())
{
    T* self = static_cast<T*>(this);
    connecterClic(bouton, [self, gestionnaire] { (self->*gestionnaire)(); });
}

// The application title, shown in the message boxes (set at the first activation).
QString& titreApplication();

// Message boxes of the programs, titled with the application title.
ReponseBoite afficherBoite(const QString& texte, TypeBoite type = TypeBoite::Simple,
                           BoutonsBoite boutons = BoutonsBoite::Ok);

// Opens a document, folder or web address with the desktop's handler, or starts a program; a
// failure is told in an error box naming what could not be opened, never passed over.
void ouvrirOuPrevenir(const QString& cible);
void lancerOuPrevenir(const QString& programme);
