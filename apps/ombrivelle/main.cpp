// Ombrivelle: read a prompt, type the answer.

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "Fiche.h"
#include "Fiches.h"
#include "PlateformeQt.h"
#include "Profil.h"
#include "Unit1.h"

int main(int argc, char** argv)
{
    // Qt 6.4's other media backend crashes on machines without a sound device.
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "gstreamer");
    QApplication app(argc, argv);
    QTranslator traduction;
    if (traduction.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&traduction);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));

    PlateformeQt plateformeQt;
    installerPlateforme(&plateformeQt);
    definirProfil(profilOmbrivelle());
    titreApplication() = profilOmbrivelle().nomProgramme;
    app.setApplicationName(profilOmbrivelle().nomProgramme);

    FichesOmbrivelle fiches(app.arguments().mid(1));
    plateformeQt.montrerPrincipale(*Form1);
    return app.exec();
}
