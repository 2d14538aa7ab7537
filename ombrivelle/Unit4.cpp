#include "Unit4.h"

#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>

#include "Chemins.h"
#include "ErreurES.h"
#include "Etat.h"
#include "Exercice.h"
#include "Rtf.h"
#include "Texte.h"

TformAide* formAide = nullptr;

TformAide::TformAide(QWidget* parent) : Fiche(parent)
{
    setObjectName(QStringLiteral("formAide"));
    formAide = this;
    setWindowTitle(QStringLiteral("Aide"));
    definirCadre(true, Echappement::Fermer);
    definirTailleClient(611, 335);
    definirPlacement(Placement::FenetrePrincipale);
    definirFond(bleuCiel());

    // Both share the page area; the help file decides which one is seen.
    ImageAide = new QLabel(this);
    ImageAide->setObjectName(QStringLiteral("ImageAide"));
    ImageAide->setGeometry(1, 1, 609, 297);
    ImageAide->setAlignment(Qt::AlignCenter);
    ImageAide->hide();

    eAide = new QTextEdit(this);
    eAide->setObjectName(QStringLiteral("eAide"));
    eAide->setGeometry(1, 1, 609, 297);
    eAide->setReadOnly(true);
    eAide->setUndoRedoEnabled(false);
    eAide->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    eAide->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont police(QStringLiteral("Times New Roman"));
    police.setPixelSize(20);
    eAide->setFont(police);
    // Text without sizes of its own (plain text, rich text without \fs) takes this font.
    eAide->document()->setDefaultFont(police);

    bQuitter = new QPushButton(QStringLiteral("Quitter"), this);
    bQuitter->setObjectName(QStringLiteral("bQuitter"));
    bQuitter->setGeometry(268, 304, 75, 25);
    relier(bQuitter, &TformAide::bQuitterClick);
}

void TformAide::FormActivate()
{
    // Reloaded at every showing: the help always belongs to the exercise now running.
    bool estImage = false;
    const QString chemin = AideExercice(etat.ExerciceCourant, &estImage);
    if (chemin.isEmpty())
        return;
    if (estImage) {
        eAide->hide();
        ImageAide->show();
        chargerImage(chemin);
    } else {
        ImageAide->hide();
        eAide->show();
        chargerTexte(chemin);
    }
}

void TformAide::chargerTexte(const QString& chemin)
{
    // A failed reading must not leave the page of another exercise on show.
    eAide->clear();
    const QByteArray octets = lireOctets(chemin);
    if (!lireRtf(octets, *eAide->document()))
        eAide->setPlainText(decoderFichier(octets));
    eAide->moveCursor(QTextCursor::Start);
    eAide->verticalScrollBar()->setValue(0);
}

void TformAide::chargerImage(const QString& chemin)
{
    ImageAide->clear();
    // Read through the regular-file reader: a picture is never opened by its name.
    QImage image = QImage::fromData(lireOctets(chemin));
    // Unreadable and undecodable pictures alike stop the loading with the input/output error.
    if (image.isNull())
        throw ErreurES(chemin);
    // Scaled down to the area, proportions kept; a small picture keeps its own size.
    if (image.width() > ImageAide->width() || image.height() > ImageAide->height())
        image = image.scaled(ImageAide->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    ImageAide->setPixmap(QPixmap::fromImage(image));
}

void TformAide::bQuitterClick()
{
    Close();
}

void TformAide::FormClose()
{
    // Nothing copied from the help page goes into an answer.
    plateforme().viderPressePapiers();
}
