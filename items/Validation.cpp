#include "Validation.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextEdit>

#include "ErreurES.h"
#include "Etat.h"
#include "ItemsPersos.h"
#include "LignesBoite.h"
#include "ListeValidation.h"

TfValidation* fValidation = nullptr;

namespace {

const QString tousLesGroupes = QStringLiteral("Tous les groupes");

} // namespace

TfValidation::TfValidation(QWidget* parent) : Fiche(parent)
{
    setObjectName(QStringLiteral("fValidation"));
    fValidation = this;
    setWindowTitle(QStringLiteral("Validation des items personnels"));
    // Escape and the close box leave as bQuitter does: the listing is kept pending first.
    definirCadre(true, Echappement::Annuler);
    definirTailleClient(640, 500);
    definirPlacement(Placement::Ecran);
    definirFond(bleuCiel());

    cChoixGroupe = new QComboBox(this);
    cChoixGroupe->setObjectName(QStringLiteral("cChoixGroupe"));
    cChoixGroupe->setGeometry(8, 8, 260, 26);
    cChoixGroupe->setEditable(false);

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setGeometry(8, 42, 624, 410);
    RichEdit1->setAcceptRichText(false);
    RichEdit1->setLineWrapMode(QTextEdit::NoWrap);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The headers are runs of "=": they line up in a fixed-pitch face.
    QFont police(QStringLiteral("Courier New"));
    police.setStyleHint(QFont::TypeWriter);
    police.setPixelSize(13);
    RichEdit1->setFont(police);
    RichEdit1->document()->setDefaultFont(police);

    bValider = new QPushButton(QStringLiteral("Valider tous les items"), this);
    bValider->setObjectName(QStringLiteral("bValider"));
    bValider->setGeometry(8, 462, 170, 30);
    bQuitter = new QPushButton(QStringLiteral("Quitter"), this);
    bQuitter->setObjectName(QStringLiteral("bQuitter"));
    bQuitter->setGeometry(552, 462, 80, 30);

    relier(bValider, &TfValidation::bValiderClick);
    relier(bQuitter, &TfValidation::bQuitterClick);
    connect(cChoixGroupe, &QComboBox::activated, this, [this] { garde([this] { cChoixGroupeChange(); }); });
}

void TfValidation::FormActivate()
{
    TrierItemsPersos();
    ListerGroupesAValider();
    cChoixGroupeChange();
    RichEdit1->setFocus();
}

void TfValidation::ListerGroupesAValider()
{
    QSignalBlocker bloque(cChoixGroupe);
    cChoixGroupe->clear();
    cChoixGroupe->addItem(tousLesGroupes);
    cChoixGroupe->addItems(groupesAValider(etat.RepertoireExercices));
    cChoixGroupe->setCurrentIndex(0);
    indexListe_ = 0;
}

void TfValidation::cChoixGroupeChange()
{
    // What the teacher changed in the group shown is kept pending before another is listed; a
    // save that fails leaves that group and its listing on show.
    try {
        EnregistrerListeValidation(false);
    } catch (const ErreurES&) {
        QSignalBlocker bloque(cChoixGroupe);
        cChoixGroupe->setCurrentIndex(indexListe_);
        throw;
    }
    RichEdit1->clear();
    indexListe_ = cChoixGroupe->currentIndex();
    if (indexListe_ <= 0) {
        for (const QString& groupe : groupesAValider(etat.RepertoireExercices))
            AfficherItemsAValider(groupe);
    } else {
        AfficherItemsAValider(cChoixGroupe->currentText());
    }
    ActiverBoutonValider();
}

void TfValidation::AfficherItemsAValider(const QString& groupe)
{
    QStringList lignes;
    try {
        ajouterSectionGroupe(etat.RepertoireExercices, groupe, lignes);
    } catch (const ErreurES&) {
        ajouterALaListe(lignes);
        throw;
    }
    ajouterALaListe(lignes);
}

void TfValidation::ajouterALaListe(const QStringList& lignes)
{
    if (lignes.isEmpty())
        return;
    const QStringList avant = lignesListe();
    RichEdit1->setPlainText((avant + lignes).join(QLatin1Char('\n')));
}

QStringList TfValidation::lignesListe() const
{
    return lignesBoite(RichEdit1);
}

void TfValidation::EnregistrerListeValidation(bool accepter)
{
    appliquerOperations(analyserListeValidation(lignesListe(), etat.RepertoireExercices, accepter));
    RichEdit1->clear();
    TrierItemsPersos();
}

void TfValidation::ActiverBoutonValider()
{
    bool item = false;
    for (const QString& l : lignesListe())
        item = item || !l.startsWith(QStringLiteral("=="));
    bValider->setEnabled(item);
}

void TfValidation::bValiderClick()
{
    EnregistrerListeValidation(true);
    ActiverBoutonValider();
}

void TfValidation::bQuitterClick()
{
    // Closing keeps the listing pending; if that fails the window stays, the listing in it.
    EnregistrerListeValidation(false);
    Close();
}

void TfValidation::annulation()
{
    bQuitterClick();
}
