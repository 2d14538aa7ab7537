#include "AjoutItems.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextEdit>
#include <QVBoxLayout>

#include "ArborescenceBilans.h"
#include "Chemins.h"
#include "Fichiers.h"
#include "ErreurES.h"
#include "Etat.h"
#include "ItemsPersos.h"
#include "LignesBoite.h"

TfAjoutItems* fAjoutItems = nullptr;

namespace {

const QString tousLesGroupes = QStringLiteral("Tous les groupes");

} // namespace

TfAjoutItems::TfAjoutItems(QWidget* parent) : Fiche(parent)
{
    setObjectName(QStringLiteral("fAjoutItems"));
    fAjoutItems = this;
    setWindowTitle(QStringLiteral("Ajout d'items personnels en masse"));
    definirCadre(true, Echappement::Fermer);
    definirPlacement(Placement::Ecran);
    definirFond(bleuCiel());

    cChoixGroupe = new QComboBox(this);
    cChoixGroupe->setObjectName(QStringLiteral("cChoixGroupe"));
    cChoixGroupe->setEditable(false);
    cChoixGroupe->setMinimumWidth(260);

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setAcceptRichText(false);
    RichEdit1->setLineWrapMode(QTextEdit::NoWrap);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    bValider = new QPushButton(QStringLiteral("Valider tous les items"), this);
    bValider->setObjectName(QStringLiteral("bValider"));
    bQuitter = new QPushButton(QStringLiteral("Quitter"), this);
    bQuitter->setObjectName(QStringLiteral("bQuitter"));

    // The window can be resized: the text box takes what it gains.
    auto* haut = new QHBoxLayout;
    haut->addWidget(cChoixGroupe);
    haut->addStretch();
    auto* bas = new QHBoxLayout;
    bas->addWidget(bValider);
    bas->addStretch();
    bas->addWidget(bQuitter);
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(8, 8, 8, 8);
    disposition->addLayout(haut);
    disposition->addWidget(RichEdit1, 1);
    disposition->addLayout(bas);
    setMinimumSize(360, 240);
    resize(560, 420);

    relier(bValider, &TfAjoutItems::bValiderClick);
    relier(bQuitter, &TfAjoutItems::bQuitterClick);
}

void TfAjoutItems::FormActivate()
{
    ListerGroupesAjout();
    RichEdit1->setFocus();
}

void TfAjoutItems::ListerGroupesAjout()
{
    QSignalBlocker bloque(cChoixGroupe);
    cChoixGroupe->clear();
    cChoixGroupe->addItem(tousLesGroupes);
    cChoixGroupe->addItems(listerGroupes(etat.RepertoireBilans));
    cChoixGroupe->setCurrentIndex(0);
}

QStringList TfAjoutItems::itemsTapes() const
{
    QStringList r;
    for (const QString& l : lignesBoite(RichEdit1))
        if (!l.isEmpty())
            r.append(l);
    return r;
}

void TfAjoutItems::bValiderClick()
{
    if (lignesBoite(RichEdit1).isEmpty()) {
        afficherBoite(QStringLiteral("Il n'y a pas d'items à valider !"), TypeBoite::Information);
        return;
    }
    const bool tous = cChoixGroupe->currentIndex() <= 0;
    const QString groupe = cChoixGroupe->currentText();
    const QString question = tous ? QStringLiteral("Valider pour tous les groupes ?")
                                  : QStringLiteral("Valider pour le groupe ") + groupe + QStringLiteral(" ?");
    if (afficherBoite(question, TypeBoite::Confirmation, BoutonsBoite::OuiNon) != ReponseBoite::Oui)
        return;
    if (tous) {
        for (const QString& g : listerGroupes(etat.RepertoireBilans))
            AjouterItemsGroupe(g);
    } else {
        AjouterItemsGroupe(groupe);
    }
    TrierItemsPersos();
    // Cleared only once every pupil has the items: a failure leaves them to try again.
    RichEdit1->clear();
}

void TfAjoutItems::AjouterItemsGroupe(const QString& groupe)
{
    for (const QString& eleve : listerEleves(repertoireDuGroupe(etat.RepertoireBilans, groupe)))
        AjouterItemsEleve(groupe, eleve);
}

void TfAjoutItems::AjouterItemsEleve(const QString& groupe, const QString& eleve)
{
    // A lone "_Pwd.txt" names nobody: no hidden ".txt" is made for it.
    if (eleve.isEmpty())
        return;
    const QString dossier = DossierItemsPersos(etat.RepertoireExercices) + groupe;
    if (!creerDossiers(dossier))
        throw ErreurES(dossier);
    ajouterItems(FichierItemsPersos(etat.RepertoireExercices, groupe, eleve), itemsTapes());
}

void TfAjoutItems::bQuitterClick()
{
    Close();
}
