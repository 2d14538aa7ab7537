// Castiflore: listen to a dictation, type what was heard.

#include <QApplication>

#include "Fiche.h"
#include "FichesCastiflore.h"
#include "PlateformeQt.h"
#include "ProfilCastiflore.h"
#include "Unit1Castiflore.h"

int main(int argc, char** argv)
{
    preparerBureau();
    QApplication app(argc, argv);
    parlerFrancais(app);

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
