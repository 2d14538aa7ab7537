#include "MsgOuiNonPerso.h"

#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "MessagePerso.h"

TfMsgOuiNonPerso* fMsgOuiNonPerso = nullptr;

namespace {

QFont comic(int pixels)
{
    QFont f(QStringLiteral("Comic Sans MS"));
    // Comic Sans MS is rarely installed on Linux; Comic Neue has its look.
    if (QFontInfo(f).family() != f.family())
        f.setFamily(QStringLiteral("Comic Neue"));
    f.setPixelSize(pixels);
    return f;
}

} // namespace

TfMsgOuiNonPerso::TfMsgOuiNonPerso(QWidget* parent) : Fiche(parent)
{
    setObjectName(QStringLiteral("fMsgOuiNonPerso"));
    fMsgOuiNonPerso = this;
    definirCadre(false, Echappement::Ignore);
    definirTailleClient(271, 255);
    definirPlacement(Placement::FenetrePrincipale);
    definirFond(bleuCiel());
    definirTaillePolice(11);

    lTexte = new QLabel(this);
    lTexte->setFont(comic(16));
    lTexte->setTextFormat(Qt::PlainText);
    lTexte->move(8, 8);

    const QString lettres = QStringLiteral("ABCDEFGHIJ");
    QLabel** controles[] = {&imageA, &imageB, &imageC, &imageD, &imageE,
                            &imageF, &imageG, &imageH, &ImageI, &imageJ};
    for (int i = 0; i < 10; ++i) {
        auto* l = new QLabel(this);
        l->setGeometry(85, 94, 101, 87);
        l->setPixmap(QPixmap(QStringLiteral(":/images/note") + lettres.at(i) + QStringLiteral(".png")));
        // Natural size from the top left corner; C and D sit in the middle of the frame. The
        // pictures are drawn to the frame's size, so none is cut.
        l->setAlignment(i == 2 || i == 3 ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
        l->hide();
        *controles[i] = l;
    }

    Label1 = new QLabel(QStringLiteral("Veux-tu en sélectionner un autre ?"), this);
    Label1->setFont(comic(16));
    Label1->move(8, 184);
    Label1->adjustSize();

    bOui = new QPushButton(QStringLiteral("Oui"), this);
    bOui->setGeometry(65, 215, 40, 27);
    bNon = new QPushButton(QStringLiteral("Non, je quitte le logiciel"), this);
    bNon->setGeometry(113, 215, 117, 27);
    setTabOrder(bOui, bNon);
    relier(bOui, &TfMsgOuiNonPerso::bOuiClick);
    relier(bNon, &TfMsgOuiNonPerso::bNonClick);
}

QList<QLabel*> TfMsgOuiNonPerso::images() const
{
    return {imageA, imageB, imageC, imageD, imageE, imageF, imageG, imageH, ImageI, imageJ};
}

void TfMsgOuiNonPerso::FormActivate()
{
    Reponse = false;
    setWindowTitle(legendeMessage(Titre));
    // A lone carriage return separates the lines of the message.
    QString texte = Texte;
    texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texte.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    lTexte->setText(texte);
    lTexte->adjustSize();
    const QString lettres = QStringLiteral("ABCDEFGHIJ");
    const QList<QLabel*> liste = images();
    for (int i = 0; i < liste.size(); ++i) {
        liste.at(i)->setGeometry(imageE->geometry());
        liste.at(i)->hide();
    }
    for (int i = 0; i < liste.size(); ++i)
        if (NoteLettre == QString(lettres.at(i)))
            liste.at(i)->show();
    bOui->setFocus();
}

void TfMsgOuiNonPerso::keyPressEvent(QKeyEvent* e)
{
    // Enter presses the button that has the focus, as Space does.
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        if (focusWidget() == bNon)
            bNon->click();
        else if (focusWidget() == bOui)
            bOui->click();
        return;
    }
    Fiche::keyPressEvent(e);
}

void TfMsgOuiNonPerso::bOuiClick()
{
    Reponse = true;
    Close();
}

void TfMsgOuiNonPerso::bNonClick()
{
    Reponse = false;
    Close();
}
