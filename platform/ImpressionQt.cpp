#include "ImpressionQt.h"

#include <QAbstractTextDocumentLayout>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTextDocument>
#include <QWidget>

namespace {

const QString pasDImprimante = QStringLiteral("Aucune imprimante n'est installée.");
const QString refus = QStringLiteral("L'imprimante a refusé le document.");

bool imprimanteDisponible(const QPrinter& p)
{
    if (p.outputFormat() == QPrinter::PdfFormat)
        return !p.outputFileName().isEmpty();
    return p.isValid();
}

// The printer's default font: the desktop's family, at a size for paper.
QFont policeImprimante()
{
    QFont f = QGuiApplication::font();
    f.setPointSize(10);
    return f;
}

class DocumentQt : public DocumentImprime {
public:
    explicit DocumentQt(QPrinter& p) : imprimante_(p), police_(policeImprimante()), mesure_(police_, &p) {}
    ~DocumentQt() override { abandonner(); }

    bool versFichier() const override { return !imprimante_.outputFileName().isEmpty(); }
    int largeur() const override { return imprimante_.width(); }
    int hauteur() const override { return imprimante_.height(); }
    int hauteurTexte(const QString&) const override { return mesure_.height(); }
    int largeurTexte(const QString& texte) const override { return mesure_.horizontalAdvance(texte); }

protected:
    bool debuter(const QString& titre) override
    {
        if (!imprimanteDisponible(imprimante_)) {
            definirErreur(pasDImprimante);
            return false;
        }
        imprimante_.setDocName(titre);
        return true;
    }
    bool dessiner(int x, int y, const QString& texte) override
    {
        // The job reaches the printer with its first text: a document left empty prints no sheet.
        if (!peintre_.isActive()) {
            if (!peintre_.begin(&imprimante_)) {
                definirErreur(refus);
                return false;
            }
            peintre_.setFont(police_);
            peintre_.setPen(Qt::black);
            peintre_.setBackgroundMode(Qt::TransparentMode);
        }
        peintre_.drawText(x, y + mesure_.ascent(), texte);
        return imprimante_.printerState() != QPrinter::Error;
    }
    bool sauterPage() override { return imprimante_.newPage(); }
    bool finir() override
    {
        if (!peintre_.isActive())
            return true;
        const bool fait = peintre_.end();
        return fait && imprimante_.printerState() != QPrinter::Error;
    }
    void annuler() override
    {
        if (peintre_.isActive()) {
            imprimante_.abort();
            peintre_.end();
        }
    }

private:
    QPrinter& imprimante_;
    QFont police_;
    QFontMetrics mesure_;
    QPainter peintre_;
};

} // namespace

std::unique_ptr<QPrinter> creerImprimante()
{
    auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
    p->setResolution(600);
    p->setCopyCount(1);
    return p;
}

void imprimerVersFichier(QPrinter& imprimante, const QString& fichierPdf)
{
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(fichierPdf);
    imprimante.setResolution(600);
    // The margins of an ordinary printer, which cannot print at the very edge of the sheet.
    imprimante.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
}

namespace {

// Every job prints all its pages once: ranges, collation and order are not offered. Qt sets its
// widgets up again as it shows the dialog, so this runs once it is shown too.
void reduireDialogue(QPrintDialog& d, bool avecCopies)
{
    auto reduire = [&d, avecCopies] {
        for (const char* nom : {"gbPrintRange", "collate", "reverse"})
            if (QWidget* w = d.findChild<QWidget*>(QLatin1String(nom)))
                w->hide();
        // Texts that Qt's French translation leaves in English.
        if (auto* g = d.findChild<QGroupBox*>(QStringLiteral("duplex")))
            g->setTitle(QStringLiteral("Impression recto verso"));
        for (auto [nom, texte] : {std::pair{"noDuplex", "Recto seul"}, std::pair{"duplexLong", "Reliure bord long"},
                                  std::pair{"duplexShort", "Reliure bord court"}})
            if (auto* b = d.findChild<QAbstractButton*>(QLatin1String(nom)))
                b->setText(QString::fromUtf8(texte));
        if (!avecCopies) {
            auto* onglets = d.findChild<QTabWidget*>(QStringLiteral("tabs"));
            QWidget* copies = d.findChild<QWidget*>(QStringLiteral("copiesTab"));
            if (onglets && copies && onglets->indexOf(copies) >= 0)
                onglets->removeTab(onglets->indexOf(copies));
            // Choosing the printer prints nothing yet.
            if (auto* boutons = d.findChild<QDialogButtonBox*>())
                if (QPushButton* ok = boutons->button(QDialogButtonBox::Ok))
                    ok->setText(QStringLiteral("OK"));
        }
    };
    reduire();
    QTimer::singleShot(0, &d, reduire);
}

} // namespace

std::optional<int> dialogueImpressionQt(QWidget* parent, QPrinter& imprimante)
{
    QPrintDialog d(&imprimante, parent);
    d.setWindowTitle(QStringLiteral("Imprimer"));
    d.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    reduireDialogue(d, true);
    if (d.exec() != QDialog::Accepted)
        return std::nullopt;
    const int copies = imprimante.copyCount();
    imprimante.setCopyCount(1);
    return copies;
}

bool dialogueImprimanteQt(QWidget* parent, QPrinter& imprimante)
{
    QPrintDialog d(&imprimante, parent);
    d.setWindowTitle(QStringLiteral("Configuration de l'impression"));
    d.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    reduireDialogue(d, false);
    const bool accepte = d.exec() == QDialog::Accepted;
    imprimante.setCopyCount(1);
    return accepte;
}

std::unique_ptr<DocumentImprime> documentQt(QPrinter& imprimante)
{
    return std::make_unique<DocumentQt>(imprimante);
}

ResultatImpression imprimerTexteRicheQt(QPrinter& imprimante, const QTextDocument& texte)
{
    if (!imprimanteDisponible(imprimante))
        return ResultatImpression::echec(pasDImprimante);
    if (texte.isEmpty())
        return {};
    imprimante.setDocName(QString());
    QPainter peintre;
    if (!peintre.begin(&imprimante))
        return ResultatImpression::echec(refus);
    // The document laid out again on the printer, a page the printable area.
    std::unique_ptr<QTextDocument> copie(texte.clone());
    copie->documentLayout()->setPaintDevice(&imprimante);
    const QSizeF page(imprimante.width(), imprimante.height());
    copie->setPageSize(page);
    const int pages = copie->pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !imprimante.newPage()) {
            imprimante.abort();
            peintre.end();
            return ResultatImpression::echec(refus);
        }
        const QRectF cadre(0, i * page.height(), page.width(), page.height());
        peintre.save();
        peintre.translate(0, -cadre.top());
        copie->drawContents(&peintre, cadre);
        peintre.restore();
    }
    if (!peintre.end() || imprimante.printerState() == QPrinter::Error)
        return ResultatImpression::echec(refus);
    return {};
}
