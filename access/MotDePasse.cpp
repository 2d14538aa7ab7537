#include "MotDePasse.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Saisie.h"

TfMotDePasse* fMotDePasse = nullptr;

TfMotDePasse::TfMotDePasse(QWidget* parent) : FicheSaisie(parent, QStringLiteral("Mot de passe"))
{
    setObjectName(QStringLiteral("fMotDePasse"));
    fMotDePasse = this;
    setWindowTitle(QStringLiteral("Mot de passe"));
    lMotDePasse = controles.etiquette;
    eMotDePasse = controles.champ;
    bOk = controles.ok;
    bAnnuler = controles.annuler;
    eMotDePasse->setEchoMode(QLineEdit::Password);
    eMotDePasse->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));

    relier(bOk, &TfMotDePasse::bOkClick);
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
