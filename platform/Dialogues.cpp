#include "Dialogues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontDatabase>
#include <QFontDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include "Chemins.h"

QList<FiltreFichiers> lireFiltresWindows(const QString& filtre)
{
    QList<FiltreFichiers> r;
    const QStringList parties = filtre.split(QLatin1Char('|'));
    // A description left without its patterns is ignored, as Windows does.
    for (qsizetype i = 0; i + 1 < parties.size(); i += 2) {
        FiltreFichiers f;
        for (const QString& m : parties[i + 1].split(QLatin1Char(';'))) {
            const QString motif = m.trimmed();
            if (!motif.isEmpty())
                f.motifs.append(motif);
        }
        if (f.motifs.isEmpty())
            continue;
        f.description = parties[i].trimmed().isEmpty() ? f.motifs.join(QLatin1Char(';')) : parties[i];
        r.append(f);
    }
    return r;
}

bool correspondFiltre(const QString& nom, const FiltreFichiers& filtre)
{
    for (const QString& m : filtre.motifs)
        if (correspondMotif(nom, m))
            return true;
    return false;
}

namespace {

// "OK" (the default) and "Annuler" at the foot of one of our dialogs.
void ajouterOkAnnuler(QDialog* dialogue, QBoxLayout* disposition)
{
    auto* boutons = new QDialogButtonBox(dialogue);
    QPushButton* ok = boutons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    boutons->addButton(QStringLiteral("Annuler"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    QObject::connect(boutons, &QDialogButtonBox::accepted, dialogue, &QDialog::accept);
    QObject::connect(boutons, &QDialogButtonBox::rejected, dialogue, &QDialog::reject);
    disposition->addWidget(boutons);
}

bool demanderOuiNon(QWidget* parent, const QString& titre, const QString& texte)
{
    QMessageBox b(QMessageBox::Question, titre, texte, QMessageBox::NoButton, parent);
    QPushButton* oui = b.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
    QPushButton* non = b.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
    b.setDefaultButton(oui);
    b.setEscapeButton(non);
    b.exec();
    return b.clickedButton() == oui;
}

void avertir(QWidget* parent, const QString& titre, const QString& texte)
{
    QMessageBox b(QMessageBox::Warning, titre, texte, QMessageBox::NoButton, parent);
    b.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    b.exec();
}

QString sansBarreFinale(QString chemin)
{
    while (chemin.size() > 1 && chemin.endsWith(QLatin1Char('/')))
        chemin.chop(1);
    return chemin;
}

// Blanks and control characters at both ends of a typed path are not part of it.
QString rognerSaisie(const QString& s)
{
    qsizetype debut = 0, fin = s.size();
    while (debut < fin && s[debut].unicode() <= 32)
        ++debut;
    while (fin > debut && s[fin - 1].unicode() <= 32)
        --fin;
    return s.mid(debut, fin - debut);
}

// ---- Font

// The colours of the font dialog, as the Windows one lists them.
struct CouleurNommee {
    const char* nom;
    QRgb rgb;
};
const CouleurNommee couleursPolice[] = {
    {"Noir", 0x000000}, {"Bordeaux", 0x800000}, {"Vert", 0x008000}, {"Olive", 0x808000},
    {"Bleu marine", 0x000080}, {"Violet", 0x800080}, {"Sarcelle", 0x008080}, {"Gris", 0x808080},
    {"Argent", 0xC0C0C0}, {"Rouge", 0xFF0000}, {"Citron vert", 0x00FF00}, {"Jaune", 0xFFFF00},
    {"Bleu", 0x0000FF}, {"Fuchsia", 0xFF00FF}, {"Turquoise", 0x00FFFF}, {"Blanc", 0xFFFFFF},
};

QIcon pastille(const QColor& c)
{
    QPixmap p(16, 12);
    p.fill(c);
    QPainter peintre(&p);
    peintre.setPen(Qt::darkGray);
    peintre.drawRect(0, 0, p.width() - 1, p.height() - 1);
    return QIcon(p);
}

// Qt's font dialog as a part of ours: whatever would close it closes ours.
class PoliceIntegree : public QFontDialog {
public:
    PoliceIntegree(QDialog* cadre) : QFontDialog(cadre), cadre_(cadre)
    {
        setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
        setWindowFlags(Qt::Widget);
    }
    void done(int resultat) override { cadre_->done(resultat); }

private:
    QDialog* cadre_;
};

// The face of the family that has the font's weight and slant. Qt's dialog looks the style up
// by its translated name, which the faces' own names never match: naming the face avoids that.
QFont avecNomDeStyle(QFont f)
{
    const QString famille = f.families().value(0);
    const int poidsVoulu = f.bold() ? QFont::Bold : QFont::Normal;
    QString meilleur;
    int ecart = 0;
    for (const QString& s : QFontDatabase::styles(famille)) {
        if (QFontDatabase::italic(famille, s) != f.italic())
            continue;
        const int e = qAbs(QFontDatabase::weight(famille, s) - poidsVoulu);
        if (QFontDatabase::bold(famille, s) != f.bold())
            continue;
        if (meilleur.isEmpty() || e < ecart || (e == ecart && s.size() < meilleur.size())) {
            meilleur = s;
            ecart = e;
        }
    }
    if (!meilleur.isEmpty())
        f.setStyleName(meilleur);
    return f;
}

class DialoguePolice : public QDialog {
public:
    DialoguePolice(QWidget* parent, const Police& depart) : QDialog(parent), depart_(depart)
    {
        setWindowTitle(QStringLiteral("Police"));
        auto* disposition = new QVBoxLayout(this);
        police_ = new PoliceIntegree(this);
        police_->setSizeGripEnabled(false);
        police_->setCurrentFont(avecNomDeStyle(versQFont(depart)));
        disposition->addWidget(police_);
        police_->setVisible(true);

        auto* ligne = new QHBoxLayout;
        auto* etiquette = new QLabel(QStringLiteral("&Couleur :"), this);
        couleur_ = new QComboBox(this);
        etiquette->setBuddy(couleur_);
        const QColor actuelle = couleurDepuisWindows(depart.couleur);
        indexDepart_ = -1;
        for (const CouleurNommee& c : couleursPolice) {
            couleur_->addItem(pastille(QColor(c.rgb)), QString::fromUtf8(c.nom), QColor(c.rgb));
            if (QColor(c.rgb) == actuelle)
                indexDepart_ = couleur_->count() - 1;
        }
        if (indexDepart_ < 0) {
            couleur_->addItem(pastille(actuelle), QStringLiteral("Personnalisée"), actuelle);
            indexDepart_ = couleur_->count() - 1;
        }
        couleur_->setCurrentIndex(indexDepart_);
        ligne->addWidget(etiquette);
        ligne->addWidget(couleur_);
        ligne->addStretch();
        // With the other effects, under the check boxes, where the dialog has them.
        QCheckBox* effet = police_->findChild<QCheckBox*>();
        auto* effets = effet && effet->parentWidget() ? qobject_cast<QBoxLayout*>(effet->parentWidget()->layout()) : nullptr;
        if (effets)
            effets->addLayout(ligne);
        else
            disposition->addLayout(ligne);

        ajouterOkAnnuler(this, disposition);

        connect(couleur_, &QComboBox::currentIndexChanged, this, [this] { colorerApercu(); });
        colorerApercu();
    }

    Police choisie() const
    {
        // An untouched colour keeps its value, a system colour included.
        const qint64 couleur = couleur_->currentIndex() == indexDepart_
                                   ? depart_.couleur
                                   : valeurCouleurWindows(couleur_->currentData().value<QColor>());
        return policeDepuisQFont(police_->currentFont(), couleur);
    }

private:
    // The sample text of Qt's dialog shows the chosen colour too.
    void colorerApercu()
    {
        for (QGroupBox* g : police_->findChildren<QGroupBox*>())
            for (QLineEdit* e : g->findChildren<QLineEdit*>()) {
                QPalette p = e->palette();
                p.setColor(QPalette::Text, couleur_->currentData().value<QColor>());
                e->setPalette(p);
            }
    }

    Police depart_;
    PoliceIntegree* police_;
    QComboBox* couleur_;
    int indexDepart_ = 0;
};

// ---- Folder

class DialogueDossier : public QDialog {
public:
    DialogueDossier(QWidget* parent, const QString& depart) : QDialog(parent), depart_(depart)
    {
        setWindowTitle(QStringLiteral("Sélectionner un dossier"));
        auto* disposition = new QVBoxLayout(this);
        auto* etiquette = new QLabel(QStringLiteral("&Dossier :"), this);
        chemin_ = new QLineEdit(sansBarreFinale(depart), this);
        etiquette->setBuddy(chemin_);
        disposition->addWidget(etiquette);
        disposition->addWidget(chemin_);

        modele_ = new QFileSystemModel(this);
        modele_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
        modele_->setRootPath(QStringLiteral("/"));
        arbre_ = new QTreeView(this);
        arbre_->setModel(modele_);
        for (int c = 1; c < modele_->columnCount(); ++c)
            arbre_->hideColumn(c);
        arbre_->setHeaderHidden(true);
        arbre_->setMinimumSize(360, 300);
        disposition->addWidget(arbre_);
        montrerDepart();
        // The folders come in, and are sorted, as the model reads them: the starting one is
        // shown again each time, until the user moves in the tree.
        for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
            connect(modele_, signal, this, [this] { suivreDepart(); });
        connect(modele_, &QAbstractItemModel::layoutChanged, this, [this] { suivreDepart(); });
        connect(arbre_->verticalScrollBar(), &QAbstractSlider::actionTriggered, this, [this] { suivre_ = false; });
        connect(arbre_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& i) {
            if (i.isValid() && i != modele_->index(resoudreChemin(depart_)))
                suivre_ = false;
        });
        connect(arbre_, &QTreeView::clicked, this, [this](const QModelIndex& j) {
            chemin_->setText(sansBarreFinale(modele_->filePath(j)));
        });
        connect(arbre_, &QTreeView::activated, this, [this](const QModelIndex& j) {
            chemin_->setText(sansBarreFinale(modele_->filePath(j)));
        });

        ajouterOkAnnuler(this, disposition);
        chemin_->setFocus();
        chemin_->selectAll();
    }

    void accept() override
    {
        const QString saisi = rognerSaisie(chemin_->text());
        if (saisi.isEmpty()) {
            avertir(this, windowTitle(), QStringLiteral("Indiquez un dossier."));
            return;
        }
        QString c = QDir::cleanPath(QDir::isAbsolutePath(saisi) ? saisi : joindreChemin(depart_, saisi));
        c = resoudreChemin(c);
        if (!existeDossier(c)) {
            if (QFileInfo::exists(c)) {
                avertir(this, windowTitle(), QStringLiteral("« %1 » n'est pas un dossier.").arg(c));
                return;
            }
            if (!demanderOuiNon(this, windowTitle(),
                                QStringLiteral("Le dossier « %1 » n'existe pas.\nVoulez-vous le créer ?").arg(c)))
                return;
            if (!QDir().mkpath(c)) {
                avertir(this, windowTitle(),
                        QStringLiteral("Le dossier « %1 » n'a pas pu être créé.").arg(c));
                return;
            }
        }
        choisi_ = sansBarreFinale(c);
        QDialog::accept();
    }

    QString choisi() const { return choisi_; }

protected:
    // A tree not yet on screen does not scroll.
    void showEvent(QShowEvent* e) override
    {
        QDialog::showEvent(e);
        suivreDepart();
    }

private:
    void suivreDepart()
    {
        if (!suivre_ || attente_)
            return;
        attente_ = true;
        QTimer::singleShot(0, this, [this] {
            attente_ = false;
            if (suivre_)
                montrerDepart();
        });
    }

    void montrerDepart()
    {
        const QModelIndex i = modele_->index(resoudreChemin(depart_));
        if (!i.isValid())
            return;
        for (QModelIndex p = i.parent(); p.isValid(); p = p.parent())
            arbre_->expand(p);
        arbre_->expand(i);
        arbre_->setCurrentIndex(i);
        arbre_->scrollTo(i, QAbstractItemView::PositionAtCenter);
    }

    QString depart_;
    QLineEdit* chemin_;
    QFileSystemModel* modele_;
    QTreeView* arbre_;
    QString choisi_;
    bool suivre_ = true;   // the starting folder is kept in view
    bool attente_ = false; // a showing of it is already on its way
};

// ---- File

// Shows the files of the current filter, matched without regard to case.
class FiltreModele : public QSortFilterProxyModel {
public:
    FiltreModele(QObject* parent, QList<FiltreFichiers> filtres)
        : QSortFilterProxyModel(parent), filtres_(std::move(filtres)) {}
    void choisirFiltre(int i)
    {
        courant_ = i;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int ligne, const QModelIndex& parent) const override
    {
        auto* m = static_cast<QFileSystemModel*>(sourceModel());
        const QModelIndex i = m->index(ligne, 0, parent);
        if (m->isDir(i) || courant_ < 0 || courant_ >= filtres_.size())
            return true;
        return correspondFiltre(m->fileName(i), filtres_[courant_]);
    }

private:
    QList<FiltreFichiers> filtres_;
    int courant_ = 0;
};

class DialogueFichier : public QFileDialog {
public:
    DialogueFichier(QWidget* parent, const DemandeFichier& d) : QFileDialog(parent), demande_(d)
    {
        setOption(QFileDialog::DontUseNativeDialog);
        setOption(QFileDialog::DontConfirmOverwrite);
        setOption(QFileDialog::HideNameFilterDetails);
        // Names only: the detail columns would show the system's own date and size wording.
        setViewMode(QFileDialog::List);
        setWindowTitle(d.titre.isEmpty() ? (d.mode == DemandeFichier::Mode::Ouvrir
                                                ? QStringLiteral("Ouvrir")
                                                : QStringLiteral("Enregistrer sous"))
                                         : d.titre);
        if (d.mode == DemandeFichier::Mode::Ouvrir) {
            setAcceptMode(QFileDialog::AcceptOpen);
            setFileMode(QFileDialog::ExistingFile);
        } else {
            setAcceptMode(QFileDialog::AcceptSave);
            setFileMode(QFileDialog::AnyFile);
        }
        QString extension = d.extensionDefaut;
        while (extension.startsWith(QLatin1Char('.')))
            extension.remove(0, 1);
        setDefaultSuffix(extension);
        if (!d.dossierInitial.isEmpty())
            setDirectory(resoudreChemin(d.dossierInitial));

        const QList<FiltreFichiers> filtres = lireFiltresWindows(d.filtre);
        if (!filtres.isEmpty()) {
            // Qt lets every name through ("(*)", hidden); our model then applies the patterns.
            QStringList noms;
            for (const FiltreFichiers& f : filtres)
                noms.append(f.description + QStringLiteral(" (*)"));
            auto* modele = new FiltreModele(this, filtres);
            setProxyModel(modele);
            setNameFilters(noms);
            connect(this, &QFileDialog::filterSelected, this, [this, modele](const QString& f) {
                modele->choisirFiltre(static_cast<int>(nameFilters().indexOf(f)));
            });
        }
    }

    void accept() override
    {
        const QStringList fichiers = selectedFiles();
        if (fichiers.isEmpty())
            return QFileDialog::accept();
        const QString c = resoudreChemin(fichiers.first());
        if (existeDossier(c) || (demande_.mode == DemandeFichier::Mode::Ouvrir && !existeFichier(c)))
            return QFileDialog::accept(); // Qt opens the folder, or says the file is missing
        if (demande_.mode == DemandeFichier::Mode::Enregistrer && demande_.confirmerRemplacement
            && existeFichier(c)
            && !demanderOuiNon(this, windowTitle(),
                               QStringLiteral("%1 existe déjà.\nVoulez-vous le remplacer ?")
                                   .arg(QFileInfo(c).fileName())))
            return;
        choisi_ = c;
        if (c != fichiers.first()) {
            // The name as it exists, so that Qt finds it too (selectFile leaves a focused field).
            if (auto* saisie = findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                saisie->setText(c);
            else
                selectFile(c);
        }
        QFileDialog::accept();
    }

    QString choisi() const { return choisi_; }

private:
    DemandeFichier demande_;
    QString choisi_;
};

} // namespace

std::optional<Police> choisirPolice(QWidget* parent, const Police& depart)
{
    DialoguePolice d(parent, depart);
    if (d.exec() != QDialog::Accepted)
        return std::nullopt;
    return d.choisie();
}

std::optional<QString> choisirDossier(QWidget* parent, const QString& depart)
{
    DialogueDossier d(parent, depart);
    if (d.exec() != QDialog::Accepted)
        return std::nullopt;
    return d.choisi();
}

std::optional<QString> choisirFichier(QWidget* parent, const DemandeFichier& demande)
{
    DialogueFichier d(parent, demande);
    if (d.exec() != QDialog::Accepted || d.choisi().isEmpty())
        return std::nullopt;
    return d.choisi();
}
