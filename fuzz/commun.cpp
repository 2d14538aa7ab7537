#include "Cible.h"

#include <QApplication>
#include <QDir>

#include "Plateforme.h"
#include "PlateformeScriptee.h"

void preparerQt()
{
    static bool fait = false;
    if (fait)
        return;
    fait = true;
    // Qt's warnings on odd file names (NUL bytes) would fill the fuzzer's output.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    if (!QCoreApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char nom[] = "fuzz";
        static char* argv[] = {nom, nullptr};
        new QApplication(argc, argv);
    }
}
