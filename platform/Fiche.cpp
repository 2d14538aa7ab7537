#include "Fiche.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QStyle>
#include <algorithm>

#include "ErreurES.h"

QWidget* Fiche::fenetrePrincipale = nullptr;

namespace {

// The room that a control's text needs with its real font; an empty size for a control that
// shows no text (pictures, picture buttons, fields).
QSize besoinDuTexte(QWidget* w, const QRect& base)
{
    if (auto* l = qobject_cast<QLabel*>(w)) {
        if (l->text().isEmpty() || !l->pixmap().isNull())
            return QSize();
        if (l->wordWrap())
            return QSize(base.width(), l->heightForWidth(base.width()));
        return l->sizeHint();
    }
    if (auto* b = qobject_cast<QPushButton*>(w)) {
        if (b->text().isEmpty())
            return QSize();
        // Not sizeHint: the style gives every push button a least width of its own.
        const QFontMetrics fm(b->font());
        int largeur = fm.horizontalAdvance(QString(b->text()).remove(QLatin1Char('&')));
        int hauteur = fm.height();
        if (!b->icon().isNull()) {
            largeur += b->iconSize().width() + 4;
            hauteur = qMax(hauteur, b->iconSize().height());
        }
        const QStyle* st = b->style();
        const int marge = st->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b)
                          + 2 * st->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
        return QSize(largeur + marge + 4, hauteur + marge);
    }
    if (auto* b = qobject_cast<QAbstractButton*>(w)) // check boxes, radio buttons
        return b->text().isEmpty() ? QSize() : b->sizeHint();
    return QSize();
}

// The frame that the window manager has put around a window; none until it has framed it.
QMargins margesCadre(const QWidget* w)
{
    const QRect dedans = w->geometry();
    const QRect cadre = w->frameGeometry();
    return QMargins(dedans.left() - cadre.left(), dedans.top() - cadre.top(), cadre.right() - dedans.right(),
                    cadre.bottom() - dedans.bottom());
}

QMargins& dernierCadre()
{
    static QMargins cadre;
    return cadre;
}

bool memeLigne(const QRect& a, const QRect& b)
{
    return a.top() <= b.bottom() && b.top() <= a.bottom();
}

bool memeColonne(const QRect& a, const QRect& b)
{
    return a.left() <= b.right() && b.left() <= a.right();
}

} // namespace

QString& titreApplication()
{
    static QString titre;
    return titre;
}

ReponseBoite afficherBoite(const QString& texte, TypeBoite type, BoutonsBoite boutons)
{
    return plateforme().boite(titreApplication(), texte, type, boutons);
}

void ouvrirOuPrevenir(const QString& cible)
{
    if (!plateforme().ouvrir(cible))
        afficherBoite(QStringLiteral("Impossible d'ouvrir « ") + cible
                          + QStringLiteral(" ».\rAucun logiciel de cet ordinateur n'a pu l'ouvrir."),
                      TypeBoite::Erreur);
}

void lancerOuPrevenir(const QString& programme)
{
    if (!plateforme().lancerProgramme(programme, {}))
        afficherBoite(QStringLiteral("Impossible de lancer le programme « ") + programme + QStringLiteral(" »."),
                      TypeBoite::Erreur);
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

int Fiche::largeurLegende(const QString& legende)
{
    // The title bar's font is the window manager's, a bold face near the application's size;
    // its icon and buttons take about a hundred pixels.
    QFont f = QApplication::font();
    f.setBold(true);
    return QFontMetrics(f).horizontalAdvance(legende) + 110;
}

void Fiche::ajusterAuContenu()
{
    // What the last adjustment set goes back to what it found; what the form set since stays.
    QList<QWidget*> controles;
    QHash<QWidget*, QRect> base;
    for (QObject* o : children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w->isWindow())
            continue;
        controles.append(w);
        const auto a = ajustements_.constFind(w);
        base[w] = a != ajustements_.cend() && w->geometry() == a->apres ? a->avant : w->geometry();
    }
    const QSize tailleBase = tailleApres_.isValid() && size() == tailleApres_ ? tailleAvant_ : size();
    const QRect fond(QPoint(0, 0), tailleBase);
    ajustements_.clear();
    tailleApres_ = QSize();

    QHash<QWidget*, QRect> r = base;
    int largeur = tailleBase.width(), hauteur = tailleBase.height();
    QList<QWidget*> disposes; // shown controls placed by the design (a layout places its own)
    if (!layout())
        for (QWidget* w : controles)
            if (!w->isHidden() && base[w] != fond)
                disposes.append(w);

    // Each text gets its room: rightwards, or on both sides for a centred label.
    for (QWidget* w : disposes) {
        const QSize besoin = besoinDuTexte(w, base[w]);
        if (besoin.isEmpty())
            continue;
        QRect g = base[w];
        if (besoin.width() > g.width()) {
            auto* l = qobject_cast<QLabel*>(w);
            const int ecart = besoin.width() - g.width();
            if (l && (l->alignment() & Qt::AlignHCenter))
                g.moveLeft(qMin(g.left(), qMax(0, g.left() - ecart / 2)));
            g.setWidth(besoin.width());
        }
        if (besoin.height() > g.height())
            g.setHeight(besoin.height());
        r[w] = g;
    }

    // The controls beyond a grown one move with it, so the layout keeps its spacing.
    QSet<QWidget*> decales;
    auto decaler = [&](bool horizontal) {
        QList<QWidget*> ordre = disposes;
        std::stable_sort(ordre.begin(), ordre.end(), [&](QWidget* a, QWidget* b) {
            return horizontal ? base[a].left() < base[b].left() : base[a].top() < base[b].top();
        });
        for (int i = 0; i < ordre.size(); ++i) {
            const QRect& bw = base[ordre[i]];
            int decalage = 0;
            for (int j = 0; j < i; ++j) {
                const QRect& bv = base[ordre[j]];
                const QRect& rv = r[ordre[j]];
                if (horizontal && bv.right() < bw.left() && memeLigne(bv, bw))
                    decalage = qMax(decalage, rv.right() - bv.right());
                if (!horizontal && bv.bottom() < bw.top() && memeColonne(bv, bw))
                    decalage = qMax(decalage, rv.bottom() - bv.bottom());
            }
            if (decalage > 0) {
                r[ordre[i]].translate(horizontal ? decalage : 0, horizontal ? 0 : decalage);
                if (horizontal)
                    decales.insert(ordre[i]);
            }
        }
    };
    decaler(true);
    decaler(false);

    // The window holds its controls with the margins of its design. Where they grow past the
    // design's right or bottom edge, that margin is at least the one on the left or at the top:
    // a text grown to the edge of its control must not touch the window's edge.
    if (!disposes.isEmpty()) {
        int droiteBase = 0, basBase = 0, droite = 0, bas = 0;
        int gauche = tailleBase.width(), haut = tailleBase.height();
        for (QWidget* w : disposes) {
            droiteBase = qMax(droiteBase, base[w].right() + 1);
            basBase = qMax(basBase, base[w].bottom() + 1);
            droite = qMax(droite, r[w].right() + 1);
            bas = qMax(bas, r[w].bottom() + 1);
            gauche = qMin(gauche, base[w].left());
            haut = qMin(haut, base[w].top());
        }
        int margeDroite = tailleBase.width() >= droiteBase ? tailleBase.width() - droiteBase : qMax(0, gauche);
        int margeBas = tailleBase.height() >= basBase ? tailleBase.height() - basBase : qMax(0, haut);
        if (droite > droiteBase)
            margeDroite = qMax(margeDroite, gauche);
        if (bas > basBase)
            margeBas = qMax(margeBas, haut);
        largeur = qMax(largeur, droite + margeDroite);
        hauteur = qMax(hauteur, bas + margeBas);
    }
    if (layout())
        largeur = qMax(largeur, layout()->totalMinimumSize().width());

    // At least as wide as the caption; the controls then stand in the middle of the extra width,
    // and those centred by the design stay centred.
    const int largeurContenu = largeur;
    if (isWindow() && !windowTitle().isEmpty())
        largeur = qMax(largeur, largeurLegende(windowTitle()));
    if (!layout() && largeur != tailleBase.width()) {
        const int milieu = (largeur - largeurContenu) / 2;
        for (QWidget* w : controles) {
            if (base[w] == fond)
                continue;
            const QRect& b = base[w];
            const bool centre = qAbs(b.left() + b.right() + 1 - tailleBase.width()) <= 2;
            if (centre && !decales.contains(w))
                r[w].moveLeft((largeur - r[w].width()) / 2);
            else
                r[w].translate(milieu, 0);
        }
    }
    // A picture behind the whole window covers it whole.
    for (QWidget* w : controles)
        if (base[w] == fond)
            r[w] = QRect(0, 0, largeur, hauteur);

    for (QWidget* w : controles) {
        if (w->geometry() != r[w])
            w->setGeometry(r[w]);
        if (r[w] != base[w])
            ajustements_.insert(w, {base[w], r[w]});
    }
    const QSize taille(largeur, hauteur);
    if (taille != tailleBase) {
        if (minimumSize() == maximumSize())
            setFixedSize(taille);
        else
            resize(taille.expandedTo(size()));
        tailleAvant_ = tailleBase;
        tailleApres_ = size();
    } else if (size() != tailleBase) {
        if (minimumSize() == maximumSize())
            setFixedSize(tailleBase);
        else
            resize(tailleBase);
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
    // The window is placed by the frame it will have. Until the window manager has framed it
    // once, its frame is taken to be the last one seen: the window manager frames all alike.
    QMargins cadre = margesCadre(this);
    if (cadre.isNull() && fenetrePrincipale && fenetrePrincipale != this)
        cadre = margesCadre(fenetrePrincipale);
    if (cadre.isNull())
        cadre = dernierCadre();
    else
        dernierCadre() = cadre;
    const QSize tailleCadre = size().grownBy(cadre);
    QPoint coin; // the frame's top left corner
    if (placement_ == Placement::Conception) {
        coin = positionConception_;
    } else {
        QRect reference;
        if (placement_ == Placement::FenetrePrincipale && fenetrePrincipale && fenetrePrincipale != this
            && fenetrePrincipale->isVisible())
            reference = fenetrePrincipale->frameGeometry();
        else if (QScreen* ecran = QGuiApplication::primaryScreen())
            reference = ecran->availableGeometry();
        coin = reference.center() - QPoint(tailleCadre.width() / 2, tailleCadre.height() / 2);
    }
    // Placed by its inside, which means the same whether or not the frame is known yet.
    setGeometry(QRect(coin + QPoint(cadre.left(), cadre.top()), size()));
    QDialog::showEvent(e);
}
