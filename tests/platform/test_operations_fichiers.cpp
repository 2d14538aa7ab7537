#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <QTemporaryDir>

#include "OperationsFichiers.h"
#include "Seance.h"

namespace {

void lien(Seance& s, const QString& cible, const QString& nom)
{
    ASSERT_TRUE(QFile::link(cible, s.chemin(nom))) << nom.toStdString();
}

} // namespace

TEST(OperationsFichiers, DeplacerSansJamaisRemplacer)
{
    Seance s(false);
    s.ecrireOctets("a.txt", "a");
    s.ecrireOctets("b.txt", "b");
    s.ecrireOctets("Dossier/x.txt", "x");
    QDir(s.programme).mkpath("Vide");

    EXPECT_TRUE(DeplacerFichier(s.chemin("A.TXT"), s.chemin("c.txt")));
    EXPECT_FALSE(s.existe("a.txt"));
    EXPECT_EQ(s.lireOctets("c.txt"), "a");
    // A folder moves with what it holds.
    EXPECT_TRUE(DeplacerFichier(s.chemin("dossier"), s.chemin("Autre")));
    EXPECT_EQ(s.lireOctets("Autre/x.txt"), "x");

    // Taken names, in any case, and even by a link to nothing: both stay as they were.
    EXPECT_FALSE(DeplacerFichier(s.chemin("b.txt"), s.chemin("c.txt")));
    EXPECT_FALSE(DeplacerFichier(s.chemin("b.txt"), s.chemin("C.TXT")));
    EXPECT_FALSE(DeplacerFichier(s.chemin("Autre"), s.chemin("vide")));
    lien(s, "nulle-part", "mort");
    EXPECT_FALSE(DeplacerFichier(s.chemin("b.txt"), s.chemin("MORT")));
    EXPECT_EQ(s.lireOctets("b.txt"), "b");
    EXPECT_EQ(s.lireOctets("c.txt"), "a");
    EXPECT_TRUE(QDir(s.chemin("Vide")).isEmpty());

    EXPECT_FALSE(DeplacerFichier(s.chemin("absent"), s.chemin("ailleurs")));
    EXPECT_FALSE(DeplacerFichier(s.chemin("b.txt"), s.chemin("absent/b.txt")));
    // A link moves as a link.
    EXPECT_TRUE(DeplacerFichier(s.chemin("mort"), s.chemin("toujours mort")));
    EXPECT_EQ(QFile::symLinkTarget(s.chemin("toujours mort")), s.chemin("nulle-part"));
}

TEST(OperationsFichiers, SupprimerSansSuivreLesLiens)
{
    Seance s(false);
    s.ecrireOctets("Garder/important.txt", "i");
    s.ecrireOctets("garde.txt", "g");
    s.ecrireOctets("Aide/index.htm", "h");
    s.ecrireOctets("Aide/images/logo.gif", "l");
    s.ecrireOctets("Aide/.cache/x", "x");
    QFile::setPermissions(s.chemin("Aide/index.htm"), QFileDevice::ReadOwner);
    lien(s, s.chemin("Garder"), "Aide/dossier lié");
    lien(s, "../garde.txt", "Aide/images/fichier lié");
    lien(s, "absent", "Aide/mort");

    EXPECT_TRUE(SupprimerDossier(s.chemin("aide")));
    EXPECT_FALSE(s.existe("Aide"));
    EXPECT_EQ(s.lireOctets("Garder/important.txt"), "i");
    EXPECT_EQ(s.lireOctets("garde.txt"), "g");

    // Given a link itself, only the link goes.
    lien(s, s.chemin("Garder"), "raccourci");
    EXPECT_TRUE(SupprimerDossier(s.chemin("raccourci")));
    EXPECT_FALSE(QFileInfo(s.chemin("raccourci")).isSymLink());
    EXPECT_EQ(s.lireOctets("Garder/important.txt"), "i");

    EXPECT_FALSE(SupprimerDossier(s.chemin("absent")));
}

TEST(OperationsFichiers, ExisteEntree)
{
    Seance s(false);
    s.ecrireOctets("Fichier.txt", "");
    lien(s, "absent", "Mort");
    EXPECT_TRUE(existeEntree(s.chemin("fichier.TXT")));
    EXPECT_TRUE(existeEntree(s.chemin("mort")));
    EXPECT_FALSE(existeEntree(s.chemin("autre")));
    EXPECT_FALSE(existeEntree(QString()));
}

TEST(OperationsFichiers, DeplacerVersUnAutreSystemeDeFichiers)
{
    Seance s(false);
    QTemporaryDir ailleurs(QStringLiteral("/dev/shm/deplacement-XXXXXX"));
    if (!ailleurs.isValid() || QStorageInfo(ailleurs.path()).device() == QStorageInfo(s.programme).device())
        GTEST_SKIP() << "pas d'autre système de fichiers à portée";
    const QString cible = ailleurs.path() + "/";
    s.ecrireOctets("son.wav", QByteArray(200000, 'x'));
    s.ecrireOctets("Dossier/x.txt", "x");
    QFile::setPermissions(s.chemin("son.wav"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);

    // A file is copied, then its source removed; its permissions go with it.
    EXPECT_TRUE(DeplacerFichier(s.chemin("son.wav"), cible + "son.wav"));
    EXPECT_FALSE(s.existe("son.wav"));
    EXPECT_EQ(QFileInfo(cible + "son.wav").size(), 200000);
    EXPECT_EQ(QFile::permissions(cible + "son.wav") & 0x7077, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    // Never over an existing name there either; a folder stays where it is.
    s.ecrireOctets("son.wav", "nouveau");
    EXPECT_FALSE(DeplacerFichier(s.chemin("son.wav"), cible + "SON.WAV"));
    EXPECT_EQ(QFileInfo(cible + "son.wav").size(), 200000);
    EXPECT_FALSE(DeplacerFichier(s.chemin("Dossier"), cible + "Dossier"));
    EXPECT_EQ(s.lireOctets("Dossier/x.txt"), "x");
}
