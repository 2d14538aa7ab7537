#include "NouvelEleve.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Arborescences.h"
#include "ReglesAccueil.h"
#include "Saisie.h"
#include "Unit2.h"

TfNouvelEleve* fNouvelEleve = nullptr;

TfNouvelEleve::TfNouvelEleve(QWidget* parent) : FicheSaisie(parent, QStringLiteral("Nouveau"))
{
    setObjectName(QStringLiteral("fNouvelEleve"));
    fNouvelEleve = this;
    setWindowTitle(QStringLiteral("Nouvel élève"));
    lNouveau = controles.etiquette;
    eUtilisateur = controles.champ;
    bOk = controles.ok;
    bAnnuler = controles.annuler;

    relier(bOk, &TfNouvelEleve::bOkClick);
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
