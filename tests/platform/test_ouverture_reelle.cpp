// The classroom's opener: what the desktop's xdg-open answers is what the programs are told,
// not merely that it started. A stand-in xdg-open on the search path plays the desktop.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "PlateformeQt.h"
#include "Seance.h"

TEST(OuvertureReelle, CeQueRepondLOuvreur)
{
    Seance s(false);
    const QString trace = s.chemin("trace");
    const auto ouvreur = [&](const QByteArray& fin) {
        s.ecrireOctets("bin/xdg-open",
                       "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + QFile::encodeName(trace) + "'\n" + fin);
        QFile::setPermissions(s.chemin("bin/xdg-open"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    };
    s.ecrireOctets("Léa.txt", "");
    CheminsDeRecherche chemins(s.chemin("bin"));
    PlateformeQt p;

    // Its answer awaited as long as a loaded machine may need.
    p.attenteOuvreur = 120000;
    ouvreur("exit 3\n"); // nothing can open it
    EXPECT_FALSE(p.ouvrir(s.chemin("Léa.txt")));
    ouvreur("exit 0\n");
    EXPECT_TRUE(p.ouvrir(QStringLiteral("https://www.talvorenne.fr/ombrivelle/")));
    EXPECT_EQ(s.lireOctets("trace"), QFile::encodeName(s.chemin("Léa.txt") + "\nhttps://www.talvorenne.fr/ombrivelle/\n"));
    // Still running once the wait is over: it has started what opens the folder, which goes on
    // by itself.
    p.attenteOuvreur = 200;
    ouvreur("exec /bin/sleep 30\n");
    EXPECT_TRUE(p.ouvrir(s.chemin("bin")));

    // A name from a Windows archive is no UTF-8: it goes as a file address of its own bytes,
    // which the opener turns back into the file (as xdg-open does, with printf).
    s.ecrireNomWindows("Pr\xe9nom \xe9t\xe9.txt", "");
    ouvreur("f=$(/usr/bin/printf \"$(echo \"${1#file://}\" | /bin/sed -e 's@%\\([0-9A-F]\\{2\\}\\)@\\\\x\\1@g')\")\n"
            "test -f \"$f\"\n");
    p.attenteOuvreur = 120000;
    QFile::remove(trace);
    EXPECT_TRUE(p.ouvrir(s.chemin("PR\u00c9NOM \u00e9t\u00e9.txt")));
    EXPECT_EQ(s.lireOctets("trace"),
              "file://" + QFile::encodeName(s.programme).toPercentEncoding("/") + "Pr%E9nom%20%E9t%E9.txt\n");

    // No opener at all.
    QFile::remove(s.chemin("bin/xdg-open"));
    EXPECT_FALSE(p.ouvrir(s.chemin("Léa.txt")));
}
