// Ombrivelle: read a prompt, type the answer.

#include <QApplication>

#include "Fiche.h"
#include "Fiches.h"
#include "PlateformeQt.h"
#include "Profil.h"
#include "Unit1.h"

int main(int argc, char** argv)
{
    preparerBureau();
    QApplication app(argc, argv);
    parlerFrancais(app);

    PlateformeQt plateformeQt;
    installerPlateforme(&plateformeQt);
    definirProfil(profilOmbrivelle());
    titreApplication() = profilOmbrivelle().nomProgramme;
    app.setApplicationName(profilOmbrivelle().nomProgramme);

    FichesOmbrivelle fiches(app.arguments().mid(1));
    plateformeQt.montrerPrincipale(*Form1);
    return app.exec();
}
