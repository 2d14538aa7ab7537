#include "NouvelEleve.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Arborescences.h"
#include "ReglesAccueil.h"
#include "Saisie.h"
#include "Unit2.h"

TfNouvelEleve* fNouvelEleve = nullptr;

TfNouvelEleve::TfNouvelEleve(QWidget* parent) : Fiche(parent)
{
    setObjectName(QStringLiteral("fNouvelEleve"));
    fNouvelEleve = this;
    setWindowTitle(QStringLiteral("Nouvel élève"));
    definirCadre(false, Echappement::Annuler);
    definirPlacement(Placement::FenetrePrincipale);
    definirTailleClient(310, 108);

    const ControlesSaisie c = creerControlesSaisie(*this, QStringLiteral("Nouveau"));
    lNouveau = c.etiquette;
    eUtilisateur = c.champ;
    bOk = c.ok;
    bAnnuler = c.annuler;
    eUtilisateur->installEventFilter(this);

    relier(bOk, &TfNouvelEleve::bOkClick);
    relier(bAnnuler, &TfNouvelEleve::bAnnulerClick);
}

void TfNouvelEleve::FormActivate()
{
    eUtilisateur->clear();
    eUtilisateur->setFocus();
}

void TfNouvelEleve::bOkClick()
{
    const QString prenom = eUtilisateur->text();
    if (prenom.isEmpty()) {
        afficherBoite(QStringLiteral("Saisis ton prénom."));
        eUtilisateur->setFocus();
        return;
    }
    // The name becomes file names in the group folder: nothing that leaves or breaks it.
    if (!prenomAutorise(prenom)) {
        afficherBoite(QStringLiteral("Ce prénom contient un caractère interdit."));
        eUtilisateur->setFocus();
        return;
    }
    const QComboBox* eleves = Form2 ? Form2->cChoixUtilisateur : nullptr;
    for (int i = 0; eleves && i < eleves->count(); ++i) {
        if (reglesAccueil().prenomPris(prenom, eleves->itemText(i))) {
            afficherBoite(QStringLiteral("Prénom déjà existant dans la liste. Choisir un autre prénom"));
            eUtilisateur->setFocus();
            return;
        }
    }
    Close();
}

void TfNouvelEleve::bAnnulerClick()
{
    eUtilisateur->clear();
    Close();
}

bool TfNouvelEleve::eUtilisateurKeyPress(int touche)
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

bool TfNouvelEleve::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == eUtilisateur && evenement->type() == QEvent::KeyPress) {
        const int t = static_cast<QKeyEvent*>(evenement)->key();
        bool utilisee = false;
        garde([&] { utilisee = eUtilisateurKeyPress(t); });
        if (utilisee)
            return true;
    }
    return Fiche::eventFilter(objet, evenement);
}
