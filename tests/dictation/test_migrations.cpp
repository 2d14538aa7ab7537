#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include "Migrations.h"
#include "OperationsFichiers.h"
#include "Seance.h"

using namespace castiflore;

namespace {

// Each file as "path=content", sorted; links as "path->target".
QStringList arbre(const Seance& s)
{
    QStringList r;
    QDirIterator it(s.programme, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString c = it.next();
        const QString relatif = c.mid(s.programme.size());
        if (it.fileInfo().isSymLink())
            r.append(relatif + "->" + it.fileInfo().symLinkTarget().mid(s.programme.size()));
        else if (it.fileInfo().isFile())
            r.append(relatif + "=" + QString::fromUtf8(s.lireOctets(relatif)));
        else if (QDir(c).isEmpty())
            r.append(relatif + "/");
    }
    r.sort();
    return r;
}

// Files named "path=content".
void planter(Seance& s, const QStringList& fichiers)
{
    for (const QString& f : fichiers)
        s.ecrireOctets(f.section('=', 0, 0), f.section('=', 1).toUtf8());
}

// Makes a folder refuse changes to its entries, for root too where the file system allows.
class Verrou {
public:
    explicit Verrou(const QString& dossier) : dossier_(dossier)
    {
        if (geteuid() == 0)
            immuable(true);
        else
            QFile::setPermissions(dossier, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QFile essai(dossier + "/essai");
        actif_ = !essai.open(QIODevice::WriteOnly);
        if (!actif_)
            essai.remove();
    }
    ~Verrou() { ouvrir(); }
    bool actif() const { return actif_; }
    void ouvrir()
    {
        if (geteuid() == 0)
            immuable(false);
        else
            QFile::setPermissions(dossier_, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

private:
    void immuable(bool oui)
    {
        const int fd = open(QFile::encodeName(dossier_).constData(), O_RDONLY | O_DIRECTORY);
        if (fd < 0)
            return;
        int drapeaux = 0;
        if (ioctl(fd, FS_IOC_GETFLAGS, &drapeaux) == 0) {
            drapeaux = oui ? (drapeaux | FS_IMMUTABLE_FL) : (drapeaux & ~FS_IMMUTABLE_FL);
            ioctl(fd, FS_IOC_SETFLAGS, &drapeaux);
        }
        close(fd);
    }
    QString dossier_;
    bool actif_ = false;
};

} // namespace

TEST(Migrations, AncienneAideDeplacee)
{
    Seance s(false);
    planter(s, {"aide_castiflore/index.htm=ancienne", "aide_castiflore/img/a.gif=g"});
    EXPECT_TRUE(MigrerAncienneAide(s.programme));
    EXPECT_EQ(arbre(s), QStringList({"_Aide_CSF/img/a.gif=g", "_Aide_CSF/index.htm=ancienne"}));
    // Nothing left to do at the next start.
    EXPECT_FALSE(MigrerAncienneAide(s.programme));

    // Names in another case are the same names.
    Seance t(false);
    planter(t, {"AIDE_Castiflore/index.htm=a"});
    EXPECT_TRUE(MigrerAncienneAide(t.programme));
    EXPECT_EQ(arbre(t), QStringList({"_Aide_CSF/index.htm=a"}));
}

TEST(Migrations, AideDejaEnPlaceRienNeBouge)
{
    Seance s(false);
    planter(s, {"aide_castiflore/index.htm=ancienne", "_AIDE_csf/index.htm=nouvelle"});
    const QStringList avant = arbre(s);
    EXPECT_FALSE(MigrerAncienneAide(s.programme));
    EXPECT_EQ(arbre(s), avant);
}

TEST(Migrations, VieilleAideSupprimeeSansSuivreLesLiens)
{
    Seance s(false);
    planter(s, {"Aide/index.htm=h", "Aide/images/logo.gif=l", "Aide/.x=cache", "Cible/garder.txt=g",
                "fichier.txt=f", "_Aide/castiflore/index.htm=actuelle"});
    ASSERT_TRUE(QFile::link(s.chemin("Cible"), s.chemin("Aide/lien dossier")));
    ASSERT_TRUE(QFile::link(s.chemin("fichier.txt"), s.chemin("Aide/images/lien fichier")));
    EXPECT_TRUE(SupprimerAncienneAide(s.programme));
    EXPECT_EQ(arbre(s), QStringList({"Cible/garder.txt=g", "_Aide/castiflore/index.htm=actuelle", "fichier.txt=f"}));
    EXPECT_FALSE(SupprimerAncienneAide(s.programme));

    // The old help being itself a link: the link goes, not the folder it names.
    ASSERT_TRUE(QFile::link(s.chemin("Cible"), s.chemin("aide")));
    EXPECT_TRUE(SupprimerAncienneAide(s.programme));
    EXPECT_EQ(arbre(s), QStringList({"Cible/garder.txt=g", "_Aide/castiflore/index.htm=actuelle", "fichier.txt=f"}));
}

TEST(Migrations, NouvelleBanqueFusionnee)
{
    Seance s(false);
    planter(s, {"_medias/Animaux/chat.wav=nouveau chat", "_medias/Animaux/chien.wav=nouveau chien",
                "_medias/lisez-moi.txt=nouveau", "_Exercices_CSF/Animaux/chat.wav=vieux chat",
                "_Exercices_CSF/Animaux/vache.wav=vache", "_Exercices_CSF/Couleurs/rouge.wav=rouge",
                "_Exercices_CSF/.reglages=caché", "_Exercices_CSF/LISEZ-MOI.TXT=ancien"});
    EXPECT_TRUE(FusionnerExercicesMedias(s.programme));
    // The new version of each top-level entry wins; no merging inside folders; nothing lost.
    EXPECT_EQ(arbre(s), QStringList({"_Exercices_CSF/.reglages=caché", "_Exercices_CSF/Animaux/chat.wav=nouveau chat",
                                     "_Exercices_CSF/Animaux/chien.wav=nouveau chien",
                                     "_Exercices_CSF/Couleurs/rouge.wav=rouge",
                                     "_Exercices_CSF/lisez-moi.txt=nouveau",
                                     "_Exercices_CSF_ancien/Animaux/chat.wav=vieux chat",
                                     "_Exercices_CSF_ancien/Animaux/vache.wav=vache",
                                     "_Exercices_CSF_ancien/LISEZ-MOI.TXT=ancien"}));
    EXPECT_FALSE(FusionnerExercicesMedias(s.programme));
}

TEST(Migrations, SauvegardeNumeroteeEtBanqueVideRetiree)
{
    Seance s(false);
    planter(s, {"_medias/Animaux/chat.wav=n", "_Exercices_CSF/Animaux/chat.wav=v",
                "_Exercices_CSF_ancien/x=1", "_exercices_csf_ANCIEN2/x=2"});
    EXPECT_EQ(nomSauvegardeBanque(s.programme), s.chemin("_Exercices_CSF_ancien3"));
    EXPECT_TRUE(FusionnerExercicesMedias(s.programme));
    EXPECT_EQ(s.lireOctets("_Exercices_CSF_ancien3/Animaux/chat.wav"), "v");

    // An old bank that the new one fully replaces leaves no backup.
    Seance t(false);
    planter(t, {"_medias/Animaux/chat.wav=n", "_Exercices_CSF/Couleurs/rouge.wav=r"});
    EXPECT_TRUE(FusionnerExercicesMedias(t.programme));
    EXPECT_EQ(arbre(t), QStringList({"_Exercices_CSF/Animaux/chat.wav=n", "_Exercices_CSF/Couleurs/rouge.wav=r"}));
}

TEST(Migrations, BanqueSansAncienneOuSansMedias)
{
    Seance s(false);
    planter(s, {"_medias/Animaux/chat.wav=n"});
    EXPECT_TRUE(FusionnerExercicesMedias(s.programme));
    EXPECT_EQ(arbre(s), QStringList({"_Exercices_CSF/Animaux/chat.wav=n"}));

    Seance t(false);
    planter(t, {"_Exercices_CSF/Animaux/chat.wav=v", "medias/x=m"});
    const QStringList avant = arbre(t);
    EXPECT_FALSE(FusionnerExercicesMedias(t.programme));
    EXPECT_EQ(arbre(t), avant);
}

TEST(Migrations, NomsDansUneAutreCasse)
{
    Seance s(false);
    planter(s, {"_MEDIAS/animaux/chat.wav=n", "_exercices_csf/Animaux/chat.wav=v",
                "_exercices_csf/Couleurs/rouge.wav=r"});
    EXPECT_TRUE(FusionnerExercicesMedias(s.programme));
    EXPECT_EQ(arbre(s), QStringList({"_Exercices_CSF/Couleurs/rouge.wav=r", "_Exercices_CSF/animaux/chat.wav=n",
                                     "_Exercices_CSF_ancien/Animaux/chat.wav=v"}));
}

TEST(Migrations, DeplacementEchoueToutResteEtReprendAuDemarrageSuivant)
{
    Seance s(false);
    planter(s, {"_medias/Animaux/chat.wav=n", "_Exercices_CSF/Animaux/chat.wav=v",
                "_Exercices_CSF/Couleurs/rouge.wav=r", "_Exercices_CSF/Formes/rond.wav=o"});
    const QStringList fichiersAvant = arbre(s);
    // The second move fails: the first has been made, both folders stay, nothing is lost.
    int appels = 0;
    auto echecAuDeuxieme = [&](const QString& a, const QString& b) { return ++appels != 2 && DeplacerFichier(a, b); };
    EXPECT_FALSE(FusionnerExercicesMedias(s.programme, echecAuDeuxieme));
    EXPECT_EQ(arbre(s), QStringList({"_Exercices_CSF/Animaux/chat.wav=v", "_Exercices_CSF/Formes/rond.wav=o",
                                     "_medias/Animaux/chat.wav=n", "_medias/Couleurs/rouge.wav=r"}));
    // The final steps failing leave the merged bank where it is too.
    auto echecDuDossier = [&](const QString& a, const QString& b) {
        return !a.endsWith("_medias") && DeplacerFichier(a, b);
    };
    EXPECT_FALSE(FusionnerExercicesMedias(s.programme, echecDuDossier));
    EXPECT_TRUE(existeEntree(s.chemin("_medias")));
    // The next start finishes.
    EXPECT_TRUE(FusionnerExercicesMedias(s.programme));
    EXPECT_EQ(arbre(s), QStringList({"_Exercices_CSF/Animaux/chat.wav=n", "_Exercices_CSF/Couleurs/rouge.wav=r",
                                     "_Exercices_CSF/Formes/rond.wav=o",
                                     "_Exercices_CSF_ancien/Animaux/chat.wav=v"}));
    EXPECT_EQ(fichiersAvant.size(), arbre(s).size());
}

TEST(Migrations, DossierEnLectureSeule)
{
    Seance s(false);
    planter(s, {"_medias/Animaux/chat.wav=n", "_Exercices_CSF/Couleurs/rouge.wav=r"});
    const QStringList avant = arbre(s);
    {
        Verrou verrou(s.chemin("_Exercices_CSF"));
        if (!verrou.actif())
            GTEST_SKIP() << "le système de fichiers ne peut verrouiller un dossier ici";
        EXPECT_FALSE(FusionnerExercicesMedias(s.programme));
        verrou.ouvrir();
        EXPECT_EQ(arbre(s), avant);
    }
    EXPECT_TRUE(FusionnerExercicesMedias(s.programme));
    EXPECT_EQ(arbre(s), QStringList({"_Exercices_CSF/Animaux/chat.wav=n", "_Exercices_CSF/Couleurs/rouge.wav=r"}));
}

TEST(Migrations, LesTroisEtapesAuDemarrage)
{
    Seance s(false);
    planter(s, {"aide_castiflore/index.htm=a", "aide/vieux.htm=v", "_medias/Animaux/chat.wav=n",
                "_Exercices_CSF/Couleurs/rouge.wav=r", "_Bilans/CM1/Léa_Pwd.txt=chat", "castiflore.ini=x"});
    MigrerDossierProgramme(s.programme);
    const QStringList apres = {"_Aide_CSF/index.htm=a", "_Bilans/CM1/Léa_Pwd.txt=chat",
                               "_Exercices_CSF/Animaux/chat.wav=n", "_Exercices_CSF/Couleurs/rouge.wav=r",
                               "castiflore.ini=x"};
    EXPECT_EQ(arbre(s), apres);
    MigrerDossierProgramme(s.programme);
    EXPECT_EQ(arbre(s), apres);
}
