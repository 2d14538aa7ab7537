#include "Fiche.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

#include "ErreurES.h"

QWidget* Fiche::fenetrePrincipale = nullptr;

QString& titreApplication()
{
    static QString titre;
    return titre;
}

ReponseBoite afficherBoite(const QString& texte, TypeBoite type, BoutonsBoite boutons)
{
    return plateforme().boite(titreApplication(), texte, type, boutons);
}

QString ErreurES::message() const
{
    return QStringLiteral("Erreur d'entrée/sortie sur le fichier ") + fichier_ + QStringLiteral(".");
}

Fiche::Fiche(QWidget* parent) : QDialog(parent)
{
    definirCadre(false, Echappement::Ignore);
}

void Fiche::garde(const std::function<void()>& gestionnaire)
{
    try {
        gestionnaire();
    } catch (const ErreurES& e) {
        afficherBoite(e.message(), TypeBoite::Erreur);
    }
}

void Fiche::Close()
{
    garde([this] { FormClose(); });
    fermetureEnAttente_ = true;
    plateforme().fermer(*this);
}

void Fiche::definirCadre(bool caseFermeture, Echappement echappement)
{
    echappement_ = echappement;
    Qt::WindowFlags f = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (caseFermeture)
        f |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    setWindowFlags(f);
}

void Fiche::definirTailleClient(int largeur, int hauteur)
{
    setFixedSize(largeur, hauteur);
}

void Fiche::definirFond(const QColor& couleur)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, couleur);
    setPalette(p);
    setAutoFillBackground(true);
}

void Fiche::definirTaillePolice(int pixels)
{
    QFont f = font();
    f.setPixelSize(pixels);
    setFont(f);
}

void Fiche::definirPlacement(Placement p, QPoint position)
{
    placement_ = p;
    positionConception_ = position;
}

void Fiche::connecterClic(QAbstractButton* bouton, std::function<void()> f)
{
    connect(bouton, &QAbstractButton::clicked, this, [f] { garde(f); });
}

void Fiche::reject()
{
    switch (echappement_) {
    case Echappement::Ignore:
        break;
    case Echappement::Fermer:
        Close();
        break;
    case Echappement::Annuler:
        garde([this] { annulation(); });
        break;
    }
}

void Fiche::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Escape:
        reject();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Only an explicit default button answers Enter; a disabled one ignores it.
        if (boutonDefaut_ && boutonDefaut_->isEnabled() && !boutonDefaut_->isHidden())
            boutonDefaut_->click();
        return;
    default:
        QWidget::keyPressEvent(e);
    }
}

void Fiche::showEvent(QShowEvent* e)
{
    // Push buttons never press themselves on Enter: the forms say which key does what.
    for (QPushButton* b : findChildren<QPushButton*>()) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    QRect cadre = frameGeometry();
    QPoint coin;
    if (placement_ == Placement::Conception) {
        coin = positionConception_;
    } else {
        QRect reference;
        if (placement_ == Placement::FenetrePrincipale && fenetrePrincipale && fenetrePrincipale != this
            && fenetrePrincipale->isVisible())
            reference = fenetrePrincipale->frameGeometry();
        else if (QScreen* ecran = QGuiApplication::primaryScreen())
            reference = ecran->availableGeometry();
        coin = reference.center() - QPoint(cadre.width() / 2, cadre.height() / 2);
    }
    move(coin);
    QDialog::showEvent(e);
}
