#include "PlateformeQt.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QProcess>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QTranslator>
#include <QUrl>
#include <QWindow>

#include <climits>
#include <cstring>
#include <unistd.h>

#include "Chemins.h"
#include "Plateforme.h"
#include "Windows1252.h"
#include "Fiche.h"
#include "ImpressionQt.h"
#include "Son.h"

namespace {

QtMessageHandler gestionnaireQt = nullptr;

// The sound service of the media layer warns without a category when no sound server runs:
// it follows the media layer's categories.
void filtrerMessages(QtMsgType type, const QMessageLogContext& contexte, const QString& message)
{
    static const QLoggingCategory multimedia("qt.multimedia");
    if (message.startsWith(QLatin1String("PulseAudioService:")) && !multimedia.isWarningEnabled())
        return;
    if (gestionnaireQt)
        gestionnaireQt(type, contexte, message);
}

} // namespace

void preparerBureau()
{
    // Qt 6.4's other media backend crashes on machines without a sound device.
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
    if (qEnvironmentVariableIsEmpty("GST_DEBUG"))
        qputenv("GST_DEBUG", "0");
    QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia*=false"));
    gestionnaireQt = qInstallMessageHandler(filtrerMessages);
}

void parlerFrancais(QApplication& application)
{
    static QTranslator traduction;
    if (traduction.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(&traduction);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
}

namespace {

class MinuterieQt : public Minuterie {
public:
    MinuterieQt(int ms, std::function<void()> tic)
    {
        timer_.setInterval(ms);
        QObject::connect(&timer_, &QTimer::timeout, [tic] { Fiche::garde(tic); });
    }
    void demarrer() override { timer_.start(); }
    void arreter() override { timer_.stop(); }
    bool actif() const override { return timer_.isActive(); }

private:
    QTimer timer_;
};

// A message box shows a lone carriage return as a line break.
QString lignesAffichees(QString texte)
{
    texte.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texte.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return texte;
}

} // namespace

PlateformeQt::PlateformeQt()
    : generateur_(static_cast<std::mt19937::result_type>(QDateTime::currentMSecsSinceEpoch()))
{
}

PlateformeQt::~PlateformeQt() = default;

void PlateformeQt::montrerPrincipale(Fiche& f)
{
    principale_ = &f;
    Fiche::fenetrePrincipale = &f;
    preparerSons();
    f.ajusterAuContenu();
    f.show();
    // The first activation opens modal windows: it runs once the message loop has started.
    QTimer::singleShot(0, &f, [this, &f] {
        if (fin_)
            return;
        Fiche::garde([&f] { f.FormShow(); });
        Fiche::garde([&f] { f.FormActivate(); });
    });
}

QWidget* PlateformeQt::proprietaire(const QWidget* sauf) const
{
    for (int i = modales_.size() - 1; i >= 0; --i)
        if (modales_[i] != sauf && modales_[i]->isVisible())
            return modales_[i];
    if (principale_ && principale_ != sauf && principale_->isVisible())
        return principale_;
    return nullptr;
}

void PlateformeQt::montrerModal(Fiche& f)
{
    if (fin_)
        return;
    f.oublierFermeture();
    f.setWindowModality(Qt::ApplicationModal);
    Fiche::garde([&f] { f.FormShow(); });
    if (fin_ || f.fermetureEnAttente())
        return;
    Fiche::garde([&f] { f.FormActivate(); });
    if (fin_ || f.fermetureEnAttente())
        return;
    f.ajusterAuContenu();
    // The window that opened it keeps it on top, and the window manager raises them together.
    QWidget* dessous = proprietaire(&f);
    f.winId();
    if (f.windowHandle())
        f.windowHandle()->setTransientParent(dessous ? dessous->windowHandle() : nullptr);
    modales_.append(&f);
    f.exec();
    modales_.removeAll(&f);
    rendreLaMain(dessous);
}

void PlateformeQt::rendreLaMain(QWidget* w)
{
    if (!fin_ && w && w->isVisible()) {
        w->raise();
        w->activateWindow();
    }
}

void PlateformeQt::fermer(Fiche& f)
{
    if (&f == principale_) {
        fin_ = true;
        for (int i = modales_.size() - 1; i >= 0; --i)
            modales_[i]->done(0);
        f.hide();
        QCoreApplication::exit(0);
        return;
    }
    if (modales_.contains(&f))
        f.done(0);
    else
        f.hide();
}

ReponseBoite PlateformeQt::boite(const QString& titre, const QString& texte, TypeBoite type,
                                 BoutonsBoite boutons)
{
    if (fin_)
        return boutons == BoutonsBoite::OuiNon ? ReponseBoite::Non
               : boutons == BoutonsBoite::OkAnnuler ? ReponseBoite::Annuler
                                                     : ReponseBoite::Ok;
    // The box belongs to the window that raised it: the topmost of ours that is open.
    QWidget* dessous = proprietaire(nullptr);
    QMessageBox b(dessous);
    b.setWindowTitle(titre);
    b.setText(lignesAffichees(texte));
    switch (type) {
    case TypeBoite::Simple: b.setIcon(QMessageBox::NoIcon); break;
    case TypeBoite::Information: b.setIcon(QMessageBox::Information); break;
    case TypeBoite::Avertissement: b.setIcon(QMessageBox::Warning); break;
    case TypeBoite::Erreur: b.setIcon(QMessageBox::Critical); break;
    case TypeBoite::Confirmation: b.setIcon(QMessageBox::Question); break;
    }
    QPushButton* ok = nullptr;
    QPushButton* annuler = nullptr;
    QPushButton* oui = nullptr;
    QPushButton* non = nullptr;
    switch (boutons) {
    case BoutonsBoite::Ok:
        ok = b.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        b.setEscapeButton(ok);
        break;
    case BoutonsBoite::OkAnnuler:
        ok = b.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        annuler = b.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
        b.setEscapeButton(annuler);
        break;
    case BoutonsBoite::OuiNon:
        oui = b.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
        non = b.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
        b.setEscapeButton(non);
        break;
    }
    b.setDefaultButton(ok ? ok : oui);
    // At least as wide as its caption needs in the window manager's title bar (the box makes
    // its layout anew when its icon is set: this comes last).
    if (auto* grille = qobject_cast<QGridLayout*>(b.layout()))
        grille->addItem(new QSpacerItem(Fiche::largeurLegende(titre), 0, QSizePolicy::Minimum,
                                        QSizePolicy::Minimum),
                        grille->rowCount(), 0, 1, grille->columnCount());
    b.exec();
    rendreLaMain(dessous);
    QAbstractButton* c = b.clickedButton();
    if (c == ok && ok)
        return ReponseBoite::Ok;
    if (c == oui && oui)
        return ReponseBoite::Oui;
    if (boutons == BoutonsBoite::OuiNon)
        return ReponseBoite::Non;
    if (boutons == BoutonsBoite::OkAnnuler)
        return ReponseBoite::Annuler;
    (void)non;
    (void)annuler;
    return ReponseBoite::Ok;
}

void PlateformeQt::repeindre(QWidget* w)
{
    if (!w || !w->isVisible())
        return;
    // A box closed just before is still on screen until the window system has unmapped it, the
    // window manager has removed its frame and the parts it uncovered have been exposed and
    // painted: let that happen, without the user's input (handled after the pause), then paint
    // the whole window and wait until the display has it.
    QElapsedTimer attente;
    attente.start();
    do {
        QGuiApplication::sync();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(10);
    } while (attente.elapsed() < 120);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    w->repaint();
    QGuiApplication::sync();
}

void PlateformeQt::dormir(int millisecondes)
{
    // A blocking pause: the sound thread and the sound server keep the sound going meanwhile.
    if (millisecondes > 0)
        QThread::msleep(static_cast<unsigned long>(millisecondes));
}

LecteurSons& PlateformeQt::sons()
{
    if (!sons_)
        sons_ = std::make_unique<LecteurSons>();
    return *sons_;
}

void PlateformeQt::preparerSons()
{
    sons().preparer();
}

bool PlateformeQt::sonsPrets()
{
    return sons().pret();
}

void PlateformeQt::jouerSon(const QString& chemin)
{
    sons().jouerBruitage(chemin);
}

bool PlateformeQt::jouerItem(const QString& chemin)
{
    return sons().jouerItem(chemin);
}

namespace {

// What names the target for the opener. A local file is named by its own bytes: its path when
// they are UTF-8, else a file address with each byte escaped, which the opener turns back into
// those bytes.
QString argumentOuvreur(const QUrl& url)
{
    if (!url.isLocalFile())
        return url.toString();
    const QByteArray octets = cheminSysteme(url.toLocalFile());
    if (utf8BienForme(octets))
        return QString::fromUtf8(octets);
    return QString::fromLatin1("file://" + octets.toPercentEncoding("/"));
}

} // namespace

bool PlateformeQt::ouvrir(const QString& cible)
{
    const QUrl url = QUrl::fromUserInput(cible, dossierCourant(), QUrl::AssumeLocalFile);
    const QString argument = argumentOuvreur(url);
    const QString ouvreur = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (ouvreur.isEmpty())
        return QDesktopServices::openUrl(!url.isLocalFile()                   ? url
                                         : argument.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(argument)
                                                                               : QUrl::fromEncoded(argument.toLatin1()));
    // QDesktopServices answers true once xdg-open has started, whatever becomes of it; its exit
    // status says whether anything could open the target. A failure comes back within moments;
    // an opener still running then has started the program that opens the target (in the
    // foreground on a desktop without its own launcher), which goes on by itself.
    auto* ouverture = new QProcess(qApp);
    ouverture->setProcessChannelMode(QProcess::ForwardedChannels);
    ouverture->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(ouverture, &QProcess::finished, ouverture, &QObject::deleteLater);
    ouverture->start(ouvreur, {argument});
    if (!ouverture->waitForStarted()) {
        delete ouverture;
        return false;
    }
    if (!ouverture->waitForFinished(attenteOuvreur))
        return true;
    return ouverture->exitStatus() == QProcess::NormalExit && ouverture->exitCode() == 0;
}

bool PlateformeQt::lancerProgramme(const QString& programme, const QStringList& arguments)
{
    return QProcess::startDetached(programme, arguments);
}

void PlateformeQt::viderPressePapiers()
{
    QGuiApplication::clipboard()->clear();
}

QDateTime PlateformeQt::maintenant()
{
    return QDateTime::currentDateTime();
}

int PlateformeQt::hasard(int n)
{
    if (n <= 1)
        return 0;
    std::uniform_int_distribution<int> d(0, n - 1);
    return d(generateur_);
}

QString PlateformeQt::dossierProgramme()
{
    // Read from the executable's own bytes: a folder named on Windows or on a Mac is found.
    QString d;
    char lien[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", lien, sizeof lien);
    if (n > 0 && n < static_cast<ssize_t>(sizeof lien)) {
        d = cheminDepuisOctets(QByteArrayView(lien, n));
        d.truncate(d.lastIndexOf(QLatin1Char('/')) + 1);
    }
    if (d.isEmpty())
        d = QCoreApplication::applicationDirPath();
    return d.endsWith(QLatin1Char('/')) ? d : d + QLatin1Char('/');
}

QString PlateformeQt::dossierCourant()
{
    QByteArray d(PATH_MAX, Qt::Uninitialized);
    if (!::getcwd(d.data(), static_cast<size_t>(d.size())))
        return QDir::currentPath();
    d.truncate(static_cast<qsizetype>(std::strlen(d.constData())));
    return cheminDepuisOctets(d);
}

bool PlateformeQt::changerDossier(const QString& chemin)
{
    return !chemin.isEmpty() && ::chdir(cheminSysteme(chemin).constData()) == 0;
}

std::unique_ptr<Minuterie> PlateformeQt::creerMinuterie(int millisecondes, std::function<void()> tic)
{
    return std::make_unique<MinuterieQt>(millisecondes, std::move(tic));
}

QPrinter& PlateformeQt::imprimante()
{
    if (!imprimante_)
        imprimante_ = creerImprimante();
    return *imprimante_;
}

void PlateformeQt::imprimerDansPdf(const QString& fichier, int copies)
{
    pdf_ = fichier;
    copiesPdf_ = copies;
    travaux_ = 0;
    imprimerVersFichier(imprimante(), fichier);
}

void PlateformeQt::preparerTravail()
{
    ++travaux_;
    if (pdf_.isEmpty())
        return;
    QString f = pdf_;
    if (travaux_ > 1) {
        const QFileInfo i(pdf_);
        f = i.path() + QLatin1Char('/') + i.completeBaseName() + QLatin1Char('-')
            + QString::number(travaux_) + QLatin1Char('.') + i.suffix();
    }
    imprimante().setOutputFileName(f);
}

std::optional<int> PlateformeQt::dialogueImpression()
{
    if (!pdf_.isEmpty())
        return copiesPdf_;
    if (fin_)
        return std::nullopt;
    return dialogueImpressionQt(proprietaire(nullptr), imprimante());
}

bool PlateformeQt::dialogueImprimante()
{
    if (!pdf_.isEmpty())
        return true;
    if (fin_)
        return false;
    return dialogueImprimanteQt(proprietaire(nullptr), imprimante());
}

std::unique_ptr<DocumentImprime> PlateformeQt::documentImprime()
{
    preparerTravail();
    return documentQt(imprimante());
}

ResultatImpression PlateformeQt::imprimerTexteRiche(const QTextDocument& texte)
{
    preparerTravail();
    return imprimerTexteRicheQt(imprimante(), texte);
}

std::optional<Police> PlateformeQt::dialoguePolice(const Police& depart)
{
    if (fin_)
        return std::nullopt;
    return choisirPolice(proprietaire(nullptr), depart);
}

std::optional<QString> PlateformeQt::dialogueDossier(const QString& depart)
{
    if (fin_)
        return std::nullopt;
    return choisirDossier(proprietaire(nullptr), depart);
}

std::optional<QString> PlateformeQt::dialogueFichier(const DemandeFichier& demande)
{
    if (fin_)
        return std::nullopt;
    return choisirFichier(proprietaire(nullptr), demande);
}
