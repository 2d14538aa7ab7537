#include "MotDePasse.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Saisie.h"

TfMotDePasse* fMotDePasse = nullptr;

TfMotDePasse::TfMotDePasse(QWidget* parent) : Fiche(parent)
{
    setObjectName(QStringLiteral("fMotDePasse"));
    fMotDePasse = this;
    setWindowTitle(QStringLiteral("Mot de passe"));
    definirCadre(false, Echappement::Annuler);
    definirPlacement(Placement::FenetrePrincipale);
    definirTailleClient(310, 108);

    const ControlesSaisie c = creerControlesSaisie(*this, QStringLiteral("Mot de passe"));
    lMotDePasse = c.etiquette;
    eMotDePasse = c.champ;
    bOk = c.ok;
    bAnnuler = c.annuler;
    eMotDePasse->setEchoMode(QLineEdit::Password);
    eMotDePasse->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    eMotDePasse->installEventFilter(this);

    relier(bOk, &TfMotDePasse::bOkClick);
    relier(bAnnuler, &TfMotDePasse::bAnnulerClick);
}

void TfMotDePasse::FormActivate()
{
    eMotDePasse->clear();
    eMotDePasse->setFocus();
}

void TfMotDePasse::bOkClick()
{
    if (eMotDePasse->text().isEmpty()) {
        afficherBoite(QStringLiteral("Saisis ton mot de passe."));
        eMotDePasse->setFocus();
        return;
    }
    Close();
}

void TfMotDePasse::bAnnulerClick()
{
    eMotDePasse->clear();
    Close();
}

bool TfMotDePasse::eMotDePasseKeyPress(int touche)
{
    if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
        bOkClick();
        return true;
    }
    if (touche == Qt::Key_Escape) {
        bAnnulerClick();
        return true;
    }
    return false;
}

bool TfMotDePasse::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == eMotDePasse && evenement->type() == QEvent::KeyPress) {
        const int t = static_cast<QKeyEvent*>(evenement)->key();
        bool utilisee = false;
        garde([&] { utilisee = eMotDePasseKeyPress(t); });
        if (utilisee)
            return true;
    }
    return Fiche::eventFilter(objet, evenement);
}
