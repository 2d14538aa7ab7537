#include "MessagePerso.h"

#include <QLabel>
#include <QPushButton>

#include "Profil.h"

TfMessagePerso* fMessagePerso = nullptr;

QString legendeMessage(const QString& titre)
{
    if (!titre.isEmpty())
        return titre;
    // The dictation program keeps its own name whatever the application title says.
    return profil().legendeTitreApplication ? titreApplication() : profil().nomProgramme;
}

TfMessagePerso::TfMessagePerso(QWidget* parent) : Fiche(parent)
{
    setObjectName(QStringLiteral("fMessagePerso"));
    fMessagePerso = this;
    definirCadre(false, Echappement::Ignore);
    definirTailleClient(169, 93);
    definirPlacement(Placement::FenetrePrincipale);
    definirFond(bleuCiel());
    definirTaillePolice(11);

    lTexte = new QLabel(this);
    lTexte->setTextFormat(Qt::PlainText);
    lTexte->move(8, 8);

    iBon = new QLabel(this);
    iBon->setGeometry(68, 26, 33, 32);
    iBon->setPixmap(QPixmap(QStringLiteral(":/images/bon.png")));
    iPasBon = new QLabel(this);
    iPasBon->setGeometry(68, 26, 32, 32);
    iPasBon->setAlignment(Qt::AlignCenter);
    iPasBon->setPixmap(QPixmap(QStringLiteral(":/images/pasbon.png")));

    bOk = new QPushButton(QStringLiteral("Ok"), this);
    bOk->setGeometry(64, 63, 40, 27);
    definirBoutonDefaut(bOk);
    relier(bOk, &TfMessagePerso::bOkClick);
}

void TfMessagePerso::FormActivate()
{
    setWindowTitle(legendeMessage(Titre));
    lTexte->setText(Texte);
    lTexte->adjustSize();
    // The box grows with its text, never below its narrowest design.
    const int largeur = qMax(153, lTexte->width() + 20);
    definirTailleClient(largeur, 93);
    for (QWidget* w : {static_cast<QWidget*>(iBon), static_cast<QWidget*>(iPasBon), static_cast<QWidget*>(bOk)})
        w->move(largeur / 2 - w->width() / 2, w->y());
    const bool bon = TypeMessage == QStringLiteral("Bon");
    iBon->setVisible(bon);
    iPasBon->setVisible(!bon);
    bOk->setFocus();
}

void TfMessagePerso::bOkClick()
{
    Close();
}
