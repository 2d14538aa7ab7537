// Castiflore: listen to a dictation, type what was heard.

#include <QApplication>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QTranslator>

#include "Fiche.h"
#include "FichesCastiflore.h"
#include "PlateformeQt.h"
#include "ProfilCastiflore.h"
#include "Unit1Castiflore.h"

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

int main(int argc, char** argv)
{
    // Qt 6.4's other media backend crashes on machines without a sound device.
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
    // An item that cannot be played is told in a box; the media layer itself says nothing
    // (QT_LOGGING_RULES and GST_DEBUG still turn its messages on).
    if (qEnvironmentVariableIsEmpty("GST_DEBUG"))
        qputenv("GST_DEBUG", "0");
    QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia*=false"));
    gestionnaireQt = qInstallMessageHandler(filtrerMessages);
    QApplication app(argc, argv);
    QTranslator traduction;
    if (traduction.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&traduction);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));

    PlateformeQt plateformeQt;
    installerPlateforme(&plateformeQt);
    definirProfil(profilCastiflore());
    titreApplication() = profilCastiflore().nomProgramme;
    app.setApplicationName(profilCastiflore().nomProgramme);

    // The main window installs the run's rules of the dictation.
    FichesCastiflore fiches(app.arguments().mid(1));
    plateformeQt.montrerPrincipale(*castiflore::Form1);
    return app.exec();
}
