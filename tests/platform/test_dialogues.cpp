#include <gtest/gtest.h>

#include <QApplication>
#include <QAbstractItemView>
#include <QColor>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QFont>
#include <QFontDialog>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QElapsedTimer>
#include <QTimer>
#include <QTranslator>
#include <QTreeView>

#include "Dialogues.h"
#include "Police.h"
#include "Seance.h"

void PrintTo(const Police& p, std::ostream* os)
{
    *os << p.nom.toStdString() << ", " << p.taillePoints << " pt, style " << p.style << ", couleur " << p.couleur;
}

TEST(Dialogues, PoliceAllerRetourParQFont)
{
    for (int style = 0; style < 16; ++style) {
        Police p;
        p.nom = QStringLiteral("Comic Sans MS");
        p.taillePoints = 8 + style;
        p.style = style;
        p.couleur = 0x336699;
        EXPECT_EQ(policeDepuisQFont(versQFont(p), p.couleur), p) << "style " << style;
    }
    // A family named with its foundry is written without it.
    EXPECT_EQ(policeDepuisQFont(QFont(QStringLiteral("Nimbus Roman [urw]")), 0).nom, QStringLiteral("Nimbus Roman"));
    EXPECT_EQ(policeDepuisQFont(QFont(QStringLiteral("[Crochets]")), 0).nom, QStringLiteral("[Crochets]"));
    const QFont f = versQFont({QStringLiteral("Arial"), 12, PoliceGras | PoliceBarre, 0});
    EXPECT_TRUE(f.bold());
    EXPECT_FALSE(f.italic());
    EXPECT_FALSE(f.underline());
    EXPECT_TRUE(f.strikeOut());
    EXPECT_EQ(f.pointSize(), 12);

    struct Cas {
        qint64 valeur;
        QColor couleur;
    };
    for (const Cas& c : {Cas{255, QColor(255, 0, 0)}, Cas{0xFF00, QColor(0, 255, 0)},
                         Cas{0xFF0000, QColor(0, 0, 255)}, Cas{0x123456, QColor(0x56, 0x34, 0x12)},
                         Cas{0, QColor(Qt::black)}, Cas{0xFFFFFF, QColor(Qt::white)}}) {
        EXPECT_EQ(couleurDepuisWindows(c.valeur), c.couleur) << c.valeur;
        EXPECT_EQ(valeurCouleurWindows(c.couleur), c.valeur);
    }
    // System colours: the window text's (the default) and the window's.
    EXPECT_EQ(couleurDepuisWindows(Police().couleur), QColor(Qt::black));
    EXPECT_EQ(couleurDepuisWindows(-16777211), QColor(Qt::white));
}

TEST(Dialogues, FiltresALaWindows)
{
    using L = QList<FiltreFichiers>;
    struct Cas {
        const char* filtre;
        L attendu;
    };
    const QList<Cas> cas = {
        {"Fichiers texte (*.txt)|*.TXT", L{{"Fichiers texte (*.txt)", {"*.TXT"}}}},
        {"Programmes|*.exe;*.bat|Tous les fichiers|*.*",
         L{{"Programmes", {"*.exe", "*.bat"}}, {"Tous les fichiers", {"*.*"}}}},
        {"Textes|*.txt; *.rtf ;|Sans motif", L{{"Textes", {"*.txt", "*.rtf"}}}},
        {"|*.rtf|Vide|", L{{"*.rtf", {"*.rtf"}}}},
        {"", L{}},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(lireFiltresWindows(QString::fromUtf8(c.filtre)), c.attendu) << c.filtre;

    const L programmes = lireFiltresWindows("Programmes|*.exe;*.bat|Tous les fichiers|*.*");
    EXPECT_TRUE(correspondFiltre("Enreg.EXE", programmes[0]));
    EXPECT_TRUE(correspondFiltre("lance.Bat", programmes[0]));
    EXPECT_FALSE(correspondFiltre("enreg.exe.txt", programmes[0]));
    EXPECT_TRUE(correspondFiltre("sans extension", programmes[1]));
    EXPECT_TRUE(correspondFiltre("notes.txt", lireFiltresWindows("Fichiers texte (*.txt)|*.TXT")[0]));
}

namespace {

// Plays the user's part in the modal windows as they open: each gesture runs on the next modal
// window that comes up. Windows still open after a minute (a busy machine is slow, not stuck)
// are closed, as a failure.
class Gestes {
public:
    explicit Gestes(QList<std::function<void(QWidget*)>> gestes) : gestes_(std::move(gestes))
    {
        minuterie_.setInterval(10);
        QObject::connect(&minuterie_, &QTimer::timeout, [this] { suivant(); });
        minuterie_.start();
        depuis_.start();
    }
    ~Gestes() { EXPECT_TRUE(gestes_.isEmpty()) << gestes_.size() << " geste(s) jamais joué(s)"; }

private:
    void suivant()
    {
        QWidget* m = QApplication::activeModalWidget();
        if (depuis_.hasExpired(60000)) {
            // Close whatever is left open, so that the dialog under test returns.
            if (!echoue_)
                ADD_FAILURE() << "fenêtre attendue jamais venue";
            echoue_ = true;
            gestes_.clear();
            if (m && ++tours_ % 10 == 1)
                QMetaObject::invokeMethod(m, "reject", Qt::QueuedConnection);
            return;
        }
        if (!m || gestes_.isEmpty())
            return;
        for (const QPointer<QWidget>& vu : vus_)
            if (vu == m)
                return;
        vus_.append(m);
        const auto geste = gestes_.takeFirst();
        geste(m);
    }

    QList<std::function<void(QWidget*)>> gestes_;
    QTimer minuterie_;
    // The windows already played; a window closed since then no longer counts.
    QList<QPointer<QWidget>> vus_;
    QElapsedTimer depuis_;
    bool echoue_ = false;
    int tours_ = 0;
};

QString texteBoite(QWidget* w)
{
    auto* b = qobject_cast<QMessageBox*>(w);
    return b ? b->text() : QStringLiteral("<pas une boîte>");
}

// Clicks a button of a box or dialog by its text, later, once the current gesture is over.
void cliquerSur(QWidget* w, const QString& texte)
{
    for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
        if (b->text() == texte) {
            QTimer::singleShot(0, b, [b] { b->click(); });
            return;
        }
    ADD_FAILURE() << "pas de bouton " << texte.toStdString();
}

// Types into the path field and asks for OK, as Enter does.
void saisirEtValider(QWidget* dialogue, const QString& texte, const char* champ = nullptr)
{
    QLineEdit* e = champ ? dialogue->findChild<QLineEdit*>(QLatin1String(champ)) : dialogue->findChild<QLineEdit*>();
    ASSERT_TRUE(e);
    e->setText(texte);
    QTimer::singleShot(0, dialogue, [dialogue] { QMetaObject::invokeMethod(dialogue, "accept"); });
}

} // namespace

TEST(Dialogues, DossierTapeCreeApresConfirmation)
{
    QTemporaryDir t;
    const QString racine = QDir(t.path()).canonicalPath();
    QDir(racine).mkpath("Classe");
    QFile(racine + "/notes.txt").open(QIODevice::WriteOnly);
    QWidget* dialogue = nullptr;
    std::optional<QString> r;
    {
        Gestes g({
            [&](QWidget* d) { dialogue = d; saisirEtValider(d, " Classe/CM2/Groupe 1 "); },
            [&](QWidget* b) {
                EXPECT_EQ(texteBoite(b), "Le dossier « " + racine + "/Classe/CM2/Groupe 1 » n'existe pas.\nVoulez-vous le créer ?");
                cliquerSur(b, "Non");
                // Refused: the dialog stays, nothing is created; asked again, accepted.
                QTimer::singleShot(50, dialogue, [&] {
                    EXPECT_FALSE(QFileInfo::exists(racine + "/Classe/CM2"));
                    EXPECT_TRUE(dialogue->isVisible());
                    QMetaObject::invokeMethod(dialogue, "accept");
                });
            },
            [&](QWidget* b) { cliquerSur(b, "Oui"); },
        });
        r = choisirDossier(nullptr, racine);
    }
    EXPECT_EQ(r, std::optional<QString>(racine + "/Classe/CM2/Groupe 1"));
    EXPECT_TRUE(QFileInfo(racine + "/Classe/CM2/Groupe 1").isDir());

    // An existing folder typed in another case, with a final "/": found, given without it.
    {
        Gestes g({[&](QWidget* d) { saisirEtValider(d, racine + "/CLASSE/"); }});
        r = choisirDossier(nullptr, "/");
    }
    EXPECT_EQ(r, std::optional<QString>(racine + "/Classe"));

    // A file is no folder; then the dialog is cancelled.
    {
        Gestes g({
            [&](QWidget* d) { dialogue = d; saisirEtValider(d, "notes.txt"); },
            [&](QWidget* b) {
                EXPECT_EQ(texteBoite(b), "« " + racine + "/notes.txt » n'est pas un dossier.");
                cliquerSur(b, "OK");
                QTimer::singleShot(50, dialogue, [&] { cliquerSur(dialogue, "Annuler"); });
            },
        });
        r = choisirDossier(nullptr, racine);
    }
    EXPECT_EQ(r, std::nullopt);
}

TEST(Dialogues, DossierDeDepartEnVue)
{
    QTemporaryDir t;
    const QString racine = QDir(t.path()).canonicalPath();
    for (int i = 0; i < 80; ++i)
        QDir(racine).mkpath(QStringLiteral("dossier %1").arg(i, 2, 10, QLatin1Char('0')));
    const QString depart = racine + "/zz/classe/banque";
    for (const char* theme : {"Conjugaison", "Grammaire", "Orthographe"})
        QDir(depart).mkpath(QString::fromLatin1(theme));
    bool enVue = false;
    std::optional<QString> r;
    {
        Gestes g({[&](QWidget* d) {
            auto* arbre = d->findChild<QTreeView*>();
            ASSERT_TRUE(arbre);
            auto* modele = qobject_cast<QFileSystemModel*>(arbre->model());
            ASSERT_TRUE(modele);
            // The tree fills in as the folders are read: once they are, the starting one is in view.
            enVue = QTest::qWaitFor([&] {
                return modele->filePath(arbre->currentIndex()) == depart
                       && arbre->viewport()->rect().contains(arbre->visualRect(arbre->currentIndex()));
            }, 60000);
            cliquerSur(d, "Annuler");
        }});
        r = choisirDossier(nullptr, depart);
    }
    EXPECT_EQ(r, std::nullopt);
    EXPECT_TRUE(enVue);
}

TEST(Dialogues, FichierRemplacementConfirmeEtNomSansEgardALaCasse)
{
    QTemporaryDir t;
    const QString racine = QDir(t.path()).canonicalPath();
    QFile(racine + "/EXPORT.TXT").open(QIODevice::WriteOnly);
    QFile(racine + "/enreg.EXE").open(QIODevice::WriteOnly);

    DemandeFichier exporter;
    exporter.mode = DemandeFichier::Mode::Enregistrer;
    exporter.titre = QStringLiteral("Exporter");
    exporter.dossierInitial = racine;
    exporter.filtre = QStringLiteral("Fichiers texte (*.txt)|*.TXT");
    exporter.extensionDefaut = QStringLiteral(".txt");
    exporter.confirmerRemplacement = true;
    QWidget* dialogue = nullptr;
    std::optional<QString> r;
    {
        Gestes g({
            [&](QWidget* d) {
                dialogue = d;
                EXPECT_EQ(d->windowTitle(), "Exporter");
                saisirEtValider(d, "export", "fileNameEdit");
            },
            [&](QWidget* b) {
                EXPECT_EQ(texteBoite(b), "EXPORT.TXT existe déjà.\nVoulez-vous le remplacer ?");
                cliquerSur(b, "Non");
                QTimer::singleShot(50, dialogue, [&] {
                    EXPECT_TRUE(dialogue->isVisible());
                    saisirEtValider(dialogue, "Autre", "fileNameEdit");
                });
            },
        });
        r = choisirFichier(nullptr, exporter);
    }
    EXPECT_EQ(r, std::optional<QString>(racine + "/Autre.txt"));
    {
        Gestes g({
            [&](QWidget* d) { saisirEtValider(d, "Export.txt", "fileNameEdit"); },
            [&](QWidget* b) { cliquerSur(b, "Oui"); },
        });
        r = choisirFichier(nullptr, exporter);
    }
    EXPECT_EQ(r, std::optional<QString>(racine + "/EXPORT.TXT"));

    DemandeFichier programme;
    programme.dossierInitial = racine;
    programme.filtre = QStringLiteral("Programmes|*.exe;*.bat|Tous les fichiers|*.*");
    {
        Gestes g({[&](QWidget* d) { saisirEtValider(d, "ENREG.exe", "fileNameEdit"); }});
        r = choisirFichier(nullptr, programme);
    }
    EXPECT_EQ(r, std::optional<QString>(racine + "/enreg.EXE"));
}

namespace {

QComboBox* comboCouleur(QWidget* d)
{
    for (QComboBox* c : d->findChildren<QComboBox*>())
        if (c->findText(QStringLiteral("Bleu")) >= 0)
            return c;
    return nullptr;
}

} // namespace

TEST(Dialogues, PoliceChoisieAvecSaCouleur)
{
    Police depart;
    depart.nom = QStringLiteral("DejaVu Sans");
    depart.taillePoints = 12;
    depart.style = PoliceGras | PoliceSouligne;
    // As the programs run: Qt in French, whose translated style names match no face's own.
    QTranslator francais;
    if (francais.load(QLocale(QLocale::French), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&francais);
    struct Retrait {
        QTranslator& t;
        ~Retrait() { QApplication::removeTranslator(&t); }
    } retrait{francais};
    // Accepted as it stands: the same font, the system colour kept as it was.
    std::optional<Police> r;
    {
        Gestes g({[&](QWidget* d) {
            ASSERT_TRUE(comboCouleur(d));
            EXPECT_EQ(comboCouleur(d)->currentText(), "Noir");
            QTimer::singleShot(0, d, [d] { cliquerSur(d, "OK"); });
        }});
        r = choisirPolice(nullptr, depart);
    }
    EXPECT_EQ(r, std::optional<Police>(depart));
    // Another colour: its Windows value, red in the low byte.
    {
        Gestes g({[&](QWidget* d) {
            comboCouleur(d)->setCurrentIndex(comboCouleur(d)->findText("Bleu"));
            cliquerSur(d, "OK");
        }});
        r = choisirPolice(nullptr, depart);
    }
    ASSERT_TRUE(r);
    EXPECT_EQ(r->couleur, 0xFF0000);
    EXPECT_EQ(r->style, PoliceGras | PoliceSouligne);
    // Escape in Qt's part of the dialog cancels the whole dialog.
    {
        Gestes g({[&](QWidget* d) {
            QTimer::singleShot(0, d, [d] {
                QWidget* liste = d->findChild<QFontDialog*>()->findChild<QAbstractItemView*>();
                QTest::keyClick(liste, Qt::Key_Escape);
            });
        }});
        r = choisirPolice(nullptr, depart);
    }
    EXPECT_EQ(r, std::nullopt);
}
