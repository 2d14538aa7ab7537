#include "ChoixTypeImpression.h"

#include <QPushButton>
#include <QRadioButton>

#include "CadreImpression.h"
#include "ImpressionExo.h"
#include "ImpressionPersos.h"
#include "ImpressionReussites.h"
#include "Plateforme.h"

TfChoixTypeImpression* fChoixTypeImpression = nullptr;

TfChoixTypeImpression::TfChoixTypeImpression(QWidget* parent) : Fiche(parent)
{
    setObjectName(QStringLiteral("fChoixTypeImpression"));
    fChoixTypeImpression = this;
    setWindowTitle(QStringLiteral("Choix du type d'impression"));
    definirCadre(true, Echappement::Fermer);
    definirTailleClient(290, 136);
    definirPlacement(Placement::Ecran);

    // The buttons keep their state between showings.
    ckReussites = boutonRadio(this, QStringLiteral("ckReussites"), QStringLiteral("Impression des réussites"),
                              QRect(16, 12, 260, 22));
    ckItemsPersos = boutonRadio(this, QStringLiteral("ckItemsPersos"),
                                QStringLiteral("Impression des items personnels"), QRect(16, 38, 260, 22));
    ckExercice = boutonRadio(this, QStringLiteral("ckExercice"), QStringLiteral("Impression d'un exercice"),
                             QRect(16, 64, 260, 22));
    ckReussites->setChecked(true);
    bValider = boutonCommande(this, QStringLiteral("bValider"), QStringLiteral("Valider"), QRect(16, 96, 92, 30));
    bQuitter = boutonCommande(this, QStringLiteral("bQuitter"), QStringLiteral("Quitter"), QRect(182, 96, 92, 30));
    definirBoutonDefaut(bValider);

    relier(bValider, &TfChoixTypeImpression::bValiderClick);
    relier(bQuitter, &TfChoixTypeImpression::bQuitterClick);
}

void TfChoixTypeImpression::bValiderClick()
{
    if (ckReussites->isChecked())
        plateforme().montrerModal(*fImpressionReussites);
    if (ckItemsPersos->isChecked())
        plateforme().montrerModal(*fImpression);
    if (ckExercice->isChecked())
        plateforme().montrerModal(*fImpressionExo);
    Close();
}

void TfChoixTypeImpression::bQuitterClick()
{
    Close();
}
