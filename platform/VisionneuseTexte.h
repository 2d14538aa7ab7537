#pragma once
// A read-only text box for texts of any length. The text is kept as one string with the start of
// each line, and only the lines on screen are laid out: a pupil's log of several years shows at
// once. Lines wrap at the box's width and each has a colour of its own. The user selects with
// the mouse or with Shift and the keys, selects all with Ctrl+A and copies with Ctrl+C; the
// scroll bar moves by lines.

#include <QAbstractScrollArea>
#include <QColor>
#include <QString>
#include <QStringView>
#include <vector>

class QTextLayout;

class VisionneuseTexte : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit VisionneuseTexte(QWidget* parent = nullptr);
    ~VisionneuseTexte() override;

    // The lines of a text (ended by CR LF or LF; an end of line at the end opens no line)
    // replace the content, all of them black; the caret goes to the start, nothing selected.
    void definirTexte(QString texte);
    void vider() { definirTexte(QString()); }

    int nombreLignes() const { return static_cast<int>(debuts_.size()); }
    QStringView ligne(int i) const;
    // The lines joined by "\n".
    const QString& texte() const { return texte_; }

    void colorerLigne(int i, const QColor& couleur);
    QColor couleurLigne(int i) const;

    // The selection, as positions in texte(): its start and its length.
    void selectionner(qsizetype debut, qsizetype longueur);
    qsizetype debutSelection() const { return qMin(ancre_, curseur_); }
    qsizetype longueurSelection() const { return qAbs(curseur_ - ancre_); }
    QString texteSelectionne() const;
    void toutSelectionner();

    int premiereLigneVisible() const;

Q_SIGNALS:
    // A mouse button pressed over the text.
    void appui(Qt::MouseButton bouton);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    qsizetype debutLigne(int i) const { return debuts_[static_cast<size_t>(i)]; }
    qsizetype finLigne(int i) const;
    // The line that holds a position (the line end belongs to the line before it).
    int ligneDe(qsizetype position) const;
    // Lays line i out at the box's width; its height.
    int mettreEnPage(int i, QTextLayout& mise) const;
    int hauteurLigne(int i) const;
    qsizetype positionEn(const QPoint& point) const;
    void deplacerCurseur(qsizetype position, bool etendre);
    // The position one row of the screen above or below the caret.
    qsizetype rangeeVoisine(int sens) const;
    void rendreVisible(qsizetype position);
    void ajusterBarre();

    QString texte_;
    std::vector<qsizetype> debuts_;
    std::vector<QRgb> couleurs_;
    qsizetype ancre_ = 0;
    qsizetype curseur_ = 0;
};
