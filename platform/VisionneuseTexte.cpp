#include "VisionneuseTexte.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace {

constexpr int margeGauche = 3;
constexpr int margeHaut = 1;

} // namespace

VisionneuseTexte::VisionneuseTexte(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    verticalScrollBar()->setSingleStep(1);
}

VisionneuseTexte::~VisionneuseTexte() = default;

void VisionneuseTexte::definirTexte(QString texte)
{
    // One pass in place: CR LF becomes LF and each line's start is noted.
    texte_ = std::move(texte);
    debuts_.clear();
    const qsizetype n = texte_.size();
    if (n > 0) {
        QChar* d = texte_.data();
        qsizetype e = 0;
        debuts_.push_back(0);
        for (qsizetype i = 0; i < n; ++i) {
            const QChar c = d[i];
            if (c == QLatin1Char('\r') && i + 1 < n && d[i + 1] == QLatin1Char('\n'))
                continue;
            d[e++] = c;
            if (c == QLatin1Char('\n'))
                debuts_.push_back(e);
        }
        texte_.truncate(e);
        if (debuts_.back() == e) {
            debuts_.pop_back();
            texte_.chop(1);
        }
    }
    couleurs_.assign(debuts_.size(), QColor(Qt::black).rgb());
    ancre_ = curseur_ = 0;
    verticalScrollBar()->setValue(0);
    ajusterBarre();
    viewport()->update();
}

QStringView VisionneuseTexte::ligne(int i) const
{
    return QStringView(texte_).mid(debutLigne(i), finLigne(i) - debutLigne(i));
}

qsizetype VisionneuseTexte::finLigne(int i) const
{
    const auto suivante = static_cast<size_t>(i) + 1;
    return suivante < debuts_.size() ? debuts_[suivante] - 1 : texte_.size();
}

void VisionneuseTexte::colorerLigne(int i, const QColor& couleur)
{
    if (i < 0 || i >= nombreLignes())
        return;
    couleurs_[static_cast<size_t>(i)] = couleur.rgb();
    viewport()->update();
}

QColor VisionneuseTexte::couleurLigne(int i) const
{
    return QColor(couleurs_.at(static_cast<size_t>(i)));
}

void VisionneuseTexte::selectionner(qsizetype debut, qsizetype longueur)
{
    ancre_ = std::clamp<qsizetype>(debut, 0, texte_.size());
    curseur_ = std::clamp<qsizetype>(debut + longueur, 0, texte_.size());
    viewport()->update();
}

QString VisionneuseTexte::texteSelectionne() const
{
    return texte_.mid(debutSelection(), longueurSelection());
}

void VisionneuseTexte::toutSelectionner()
{
    ancre_ = 0;
    curseur_ = texte_.size();
    viewport()->update();
}

int VisionneuseTexte::premiereLigneVisible() const
{
    return verticalScrollBar()->value();
}

int VisionneuseTexte::ligneDe(qsizetype position) const
{
    const auto it = std::upper_bound(debuts_.begin(), debuts_.end(), position);
    return std::max(0, static_cast<int>(it - debuts_.begin()) - 1);
}

int VisionneuseTexte::mettreEnPage(int i, QTextLayout& mise) const
{
    mise.setText(ligne(i).toString());
    mise.setFont(font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTabStopDistance(fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 8);
    mise.setTextOption(option);
    const qreal largeur = qMax(10, viewport()->width() - 2 * margeGauche);
    qreal y = 0;
    mise.beginLayout();
    for (QTextLine l = mise.createLine(); l.isValid(); l = mise.createLine()) {
        l.setLineWidth(largeur);
        l.setPosition(QPointF(0, y));
        y += l.height();
    }
    mise.endLayout();
    return qMax(static_cast<int>(std::ceil(y)), fontMetrics().height());
}

int VisionneuseTexte::hauteurLigne(int i) const
{
    QTextLayout mise;
    return mettreEnPage(i, mise);
}

void VisionneuseTexte::ajusterBarre()
{
    // The last line may come up to the top, and no further than the whole last screen.
    const int n = nombreLignes();
    const int hauteur = viewport()->height() - margeHaut;
    int premiere = 0;
    int cumul = 0;
    for (int k = n - 1; k >= 0; --k) {
        cumul += hauteurLigne(k);
        if (cumul > hauteur) {
            premiere = std::min(k + 1, n - 1);
            break;
        }
    }
    QScrollBar* barre = verticalScrollBar();
    barre->setRange(0, premiere);
    barre->setPageStep(qMax(1, hauteur / qMax(1, fontMetrics().height())));
}

void VisionneuseTexte::resizeEvent(QResizeEvent* e)
{
    QAbstractScrollArea::resizeEvent(e);
    ajusterBarre();
}

void VisionneuseTexte::scrollContentsBy(int, int)
{
    viewport()->update();
}

void VisionneuseTexte::paintEvent(QPaintEvent*)
{
    QPainter peintre(viewport());
    const int n = nombreLignes();
    const qsizetype selDebut = debutSelection();
    const qsizetype selFin = selDebut + longueurSelection();
    QTextCharFormat surligne;
    surligne.setBackground(palette().highlight());
    surligne.setForeground(palette().highlightedText());
    const int ligneCurseur = ligneDe(curseur_);
    int y = margeHaut;
    for (int i = premiereLigneVisible(); i < n && y < viewport()->height(); ++i) {
        QTextLayout mise;
        const int h = mettreEnPage(i, mise);
        const qsizetype debut = debutLigne(i);
        const qsizetype fin = finLigne(i);
        QList<QTextLayout::FormatRange> selection;
        if (selDebut < fin && selFin > debut) {
            const qsizetype a = qMax(selDebut, debut);
            const qsizetype b = qMin(selFin, fin);
            selection.append({static_cast<int>(a - debut), static_cast<int>(b - a), surligne});
        }
        peintre.setPen(QColor(couleurs_[static_cast<size_t>(i)]));
        mise.draw(&peintre, QPointF(margeGauche, y), selection);
        if (hasFocus() && i == ligneCurseur) {
            peintre.setPen(palette().text().color());
            mise.drawCursor(&peintre, QPointF(margeGauche, y), static_cast<int>(curseur_ - debut));
        }
        y += h;
    }
}

qsizetype VisionneuseTexte::positionEn(const QPoint& point) const
{
    const int n = nombreLignes();
    if (n == 0)
        return 0;
    int y = margeHaut;
    const int yPoint = qMax(point.y(), margeHaut);
    for (int i = premiereLigneVisible(); i < n; ++i) {
        QTextLayout mise;
        const int h = mettreEnPage(i, mise);
        if (yPoint < y + h || i == n - 1) {
            const qreal dedans = yPoint - y;
            QTextLine rangee = mise.lineAt(mise.lineCount() - 1);
            for (int r = 0; r < mise.lineCount(); ++r)
                if (dedans < mise.lineAt(r).y() + mise.lineAt(r).height()) {
                    rangee = mise.lineAt(r);
                    break;
                }
            if (yPoint >= y + h) // below the last line: its end
                return finLigne(i);
            return debutLigne(i) + rangee.xToCursor(point.x() - margeGauche);
        }
        y += h;
    }
    return texte_.size();
}

qsizetype VisionneuseTexte::rangeeVoisine(int sens) const
{
    const int n = nombreLignes();
    if (n == 0)
        return 0;
    const int i = ligneDe(curseur_);
    QTextLayout mise;
    mettreEnPage(i, mise);
    const int dedans = static_cast<int>(curseur_ - debutLigne(i));
    const QTextLine rangee = mise.lineForTextPosition(dedans);
    const qreal x = rangee.isValid() ? rangee.cursorToX(dedans) : 0;
    const int r = (rangee.isValid() ? rangee.lineNumber() : 0) + sens;
    if (r >= 0 && r < mise.lineCount())
        return debutLigne(i) + mise.lineAt(r).xToCursor(x);
    const int voisine = i + sens;
    if (voisine < 0)
        return 0;
    if (voisine >= n)
        return texte_.size();
    QTextLayout autre;
    mettreEnPage(voisine, autre);
    const QTextLine cible = autre.lineAt(sens < 0 ? autre.lineCount() - 1 : 0);
    return debutLigne(voisine) + (cible.isValid() ? cible.xToCursor(x) : 0);
}

void VisionneuseTexte::rendreVisible(qsizetype position)
{
    if (nombreLignes() == 0)
        return;
    const int i = ligneDe(position);
    QScrollBar* barre = verticalScrollBar();
    if (i < barre->value()) {
        barre->setValue(i);
        return;
    }
    const int hauteur = viewport()->height() - margeHaut;
    int cumul = 0;
    for (int k = barre->value(); k <= i; ++k) {
        cumul += hauteurLigne(k);
        if (cumul > hauteur)
            break;
    }
    if (cumul <= hauteur)
        return;
    // Line i at the bottom of the box.
    int premiere = i;
    cumul = hauteurLigne(i);
    while (premiere > 0) {
        const int h = hauteurLigne(premiere - 1);
        if (cumul + h > hauteur)
            break;
        cumul += h;
        --premiere;
    }
    barre->setValue(premiere);
}

void VisionneuseTexte::deplacerCurseur(qsizetype position, bool etendre)
{
    curseur_ = std::clamp<qsizetype>(position, 0, texte_.size());
    if (!etendre)
        ancre_ = curseur_;
    rendreVisible(curseur_);
    viewport()->update();
}

void VisionneuseTexte::mousePressEvent(QMouseEvent* e)
{
    Q_EMIT appui(e->button());
    if (e->button() != Qt::LeftButton)
        return;
    deplacerCurseur(positionEn(e->position().toPoint()), e->modifiers() & Qt::ShiftModifier);
}

void VisionneuseTexte::mouseMoveEvent(QMouseEvent* e)
{
    if (!(e->buttons() & Qt::LeftButton))
        return;
    const QPoint p = e->position().toPoint();
    QScrollBar* barre = verticalScrollBar();
    if (p.y() < 0)
        barre->setValue(barre->value() - 1);
    else if (p.y() > viewport()->height())
        barre->setValue(barre->value() + 1);
    curseur_ = positionEn(p);
    viewport()->update();
}

void VisionneuseTexte::mouseReleaseEvent(QMouseEvent* e)
{
    e->accept();
}

void VisionneuseTexte::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    const qsizetype p = positionEn(e->position().toPoint());
    auto mot = [this](qsizetype i) { return i >= 0 && i < texte_.size() && texte_[i].isLetterOrNumber(); };
    qsizetype debut = p, fin = p;
    while (mot(debut - 1))
        --debut;
    while (mot(fin))
        ++fin;
    ancre_ = debut;
    curseur_ = fin;
    viewport()->update();
}

void VisionneuseTexte::keyPressEvent(QKeyEvent* e)
{
    if (e == QKeySequence::Copy) {
        if (longueurSelection() > 0)
            QGuiApplication::clipboard()->setText(texteSelectionne());
        return;
    }
    if (e == QKeySequence::SelectAll) {
        toutSelectionner();
        return;
    }
    const bool etendre = e->modifiers() & Qt::ShiftModifier;
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    const int i = ligneDe(curseur_);
    qsizetype position = curseur_;
    switch (e->key()) {
    case Qt::Key_Left: position = curseur_ - 1; break;
    case Qt::Key_Right: position = curseur_ + 1; break;
    case Qt::Key_Up: position = rangeeVoisine(-1); break;
    case Qt::Key_Down: position = rangeeVoisine(1); break;
    case Qt::Key_Home: position = ctrl || nombreLignes() == 0 ? 0 : debutLigne(i); break;
    case Qt::Key_End: position = ctrl || nombreLignes() == 0 ? texte_.size() : finLigne(i); break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        if (nombreLignes() == 0)
            break;
        const int pas = verticalScrollBar()->pageStep() * (e->key() == Qt::Key_PageUp ? -1 : 1);
        const int cible = std::clamp(i + pas, 0, nombreLignes() - 1);
        const qsizetype colonne = curseur_ - debutLigne(i);
        position = debutLigne(cible) + qMin(colonne, finLigne(cible) - debutLigne(cible));
        verticalScrollBar()->setValue(verticalScrollBar()->value() + pas);
        break;
    }
    default:
        // Escape, Enter and the rest belong to the window.
        e->ignore();
        return;
    }
    deplacerCurseur(position, etendre);
}

void VisionneuseTexte::contextMenuEvent(QContextMenuEvent* e)
{
    // The right button has its own use in the windows that hold the box.
    e->accept();
}

void VisionneuseTexte::focusInEvent(QFocusEvent* e)
{
    QAbstractScrollArea::focusInEvent(e);
    viewport()->update();
}

void VisionneuseTexte::focusOutEvent(QFocusEvent* e)
{
    QAbstractScrollArea::focusOutEvent(e);
    viewport()->update();
}
