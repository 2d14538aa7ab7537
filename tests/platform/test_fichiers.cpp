#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "Chemins.h"
#include "Enfant.h"
#include "Fichiers.h"

namespace {

class Dossier {
public:
    QString chemin(const QString& nom) const { return d_.path() + QLatin1Char('/') + nom; }
    void ecrire(const QString& nom, const QByteArray& octets) const
    {
        QFile f(chemin(nom));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(octets);
    }
    QByteArray lire(const QString& nom) const
    {
        QFile f(chemin(nom));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
    }
    // Everything in the folder, hidden temporary files included.
    QStringList entrees() const
    {
        QStringList r = QDir(d_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        r.sort();
        return r;
    }
    void fifo(const QString& nom) const { ASSERT_EQ(mkfifo(QFile::encodeName(chemin(nom)).constData(), 0666), 0); }
    void socket(const QString& nom) const
    {
        const QByteArray n = QFile::encodeName(chemin(nom));
        sockaddr_un a{};
        a.sun_family = AF_UNIX;
        ASSERT_LT(n.size(), qsizetype(sizeof a.sun_path));
        memcpy(a.sun_path, n.constData(), n.size());
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
        close(fd);
    }

private:
    QTemporaryDir d_;
};

EtapeEcriture etapeEnPanne;
bool panneA(EtapeEcriture e)
{
    return e == etapeEnPanne;
}

struct SansPanne {
    ~SansPanne() { injecterPanneEcriture(nullptr); }
};

QByteArray grand(char c, int n)
{
    return QByteArray(n, c) + "\r\n";
}

} // namespace

TEST(Fichiers, EcritureEntiere)
{
    Dossier d;
    EXPECT_TRUE(ecrireFichierEntier(d.chemin("a.txt"), "un\r\n"));
    EXPECT_EQ(d.lire("a.txt"), QByteArray("un\r\n"));
    EXPECT_TRUE(ecrireFichierEntier(d.chemin("a.txt"), "deux\r\n"));
    EXPECT_EQ(d.lire("a.txt"), QByteArray("deux\r\n"));
    EXPECT_TRUE(ecrireFichierEntier(d.chemin("a.txt"), QByteArray()));
    EXPECT_EQ(d.lire("a.txt"), QByteArray());
    EXPECT_EQ(d.entrees(), QStringList({"a.txt"})); // no temporary file left

    // The file keeps its permissions.
    chmod(QFile::encodeName(d.chemin("a.txt")).constData(), 0640);
    EXPECT_TRUE(ecrireFichierEntier(d.chemin("a.txt"), "trois"));
    struct stat s;
    ASSERT_EQ(stat(QFile::encodeName(d.chemin("a.txt")).constData(), &s), 0);
    EXPECT_EQ(s.st_mode & 0777, 0640u);

    // A missing folder: nothing anywhere.
    EXPECT_FALSE(ecrireFichierEntier(d.chemin("absent/a.txt"), "x"));
}

TEST(Fichiers, PanneAChaqueEtapeLaisseLAncienContenu)
{
    SansPanne fin;
    const QByteArray ancien = grand('a', 5000), nouveau = grand('b', 9000);
    for (EtapeEcriture e : {EtapeEcriture::Creation, EtapeEcriture::Ecriture, EtapeEcriture::Synchronisation,
                            EtapeEcriture::Fermeture, EtapeEcriture::Renommage}) {
        SCOPED_TRACE(static_cast<int>(e));
        Dossier d;
        d.ecrire("r.txt", ancien);
        etapeEnPanne = e;
        injecterPanneEcriture(panneA);
        EXPECT_FALSE(ecrireFichierEntier(d.chemin("r.txt"), nouveau));
        EXPECT_FALSE(ecrireFichierEntier(d.chemin("neuf.txt"), nouveau));
        injecterPanneEcriture(nullptr);
        EXPECT_EQ(d.lire("r.txt"), ancien);
        EXPECT_EQ(d.entrees(), QStringList({"r.txt"}));

        // An append that fails part-way cuts nothing back (another instance may have appended
        // since): what it wrote is a line of its own, ended over its last bytes.
        injecterPanneEcriture(panneA);
        const ResultatAjout r = ajouterAuFichier(d.chemin("r.txt"), nouveau);
        injecterPanneEcriture(nullptr);
        if (e == EtapeEcriture::Ecriture || e == EtapeEcriture::Fermeture) {
            EXPECT_EQ(r, ResultatAjout::Echec);
            if (e == EtapeEcriture::Ecriture) {
                EXPECT_EQ(d.lire("r.txt"), ancien + nouveau.left(nouveau.size() / 2 - 2) + "\r\n");
            }
        } else {
            EXPECT_EQ(r, ResultatAjout::Fait);
        }
    }
}

// A folder whose files can be written but where none can be created: immutable for root,
// read-only for anyone else. False when the file system cannot do it.
bool interdireCreation(const QString& dossier, bool interdire)
{
    if (geteuid() != 0)
        return chmod(QFile::encodeName(dossier).constData(), interdire ? 0555 : 0755) == 0;
    const int fd = open(QFile::encodeName(dossier).constData(), O_RDONLY | O_DIRECTORY);
    int attributs = 0;
    bool fait = fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &attributs) == 0;
    if (fait) {
        attributs = interdire ? attributs | FS_IMMUTABLE_FL : attributs & ~FS_IMMUTABLE_FL;
        fait = ioctl(fd, FS_IOC_SETFLAGS, &attributs) == 0;
    }
    if (fd >= 0)
        close(fd);
    return fait;
}

TEST(Fichiers, DossierOuRienNePeutEtreCree)
{
    // The file is never written in place: the save fails and the old file stays.
    Dossier d;
    d.ecrire("r.txt", "ancien");
    if (!interdireCreation(d.chemin(""), true))
        GTEST_SKIP() << "file system without immutable folders";
    const bool ecrit = ecrireFichierEntier(d.chemin("r.txt"), "nouveau");
    QString echec;
    const bool crees = creerFichiersVides({d.chemin("n.txt")}, echec);
    interdireCreation(d.chemin(""), false);
    EXPECT_FALSE(ecrit);
    EXPECT_FALSE(crees);
    EXPECT_EQ(d.lire("r.txt"), QByteArray("ancien"));
    EXPECT_EQ(d.entrees(), QStringList({"r.txt"}));
}

TEST(Fichiers, LiensSymboliques)
{
    Dossier d;
    d.ecrire("vrai.txt", "ancien");
    QFile::link(d.chemin("vrai.txt"), d.chemin("lien.txt"));
    EXPECT_TRUE(ecrireFichierEntier(d.chemin("lien.txt"), "nouveau"));
    EXPECT_EQ(d.lire("vrai.txt"), QByteArray("nouveau"));
    EXPECT_TRUE(QFileInfo(d.chemin("lien.txt")).isSymLink()); // the link stays a link
    EXPECT_EQ(ajouterAuFichier(d.chemin("lien.txt"), "+"), ResultatAjout::Fait);
    EXPECT_EQ(d.lire("vrai.txt"), QByteArray("nouveau\r\n+"));

    // Nothing is created through a dangling link.
    QFile::link(d.chemin("ailleurs.txt"), d.chemin("pendant.txt"));
    EXPECT_FALSE(ecrireFichierEntier(d.chemin("pendant.txt"), "x"));
    EXPECT_EQ(ajouterAuFichier(d.chemin("pendant.txt"), "x"), ResultatAjout::Absent);
    QString echec;
    EXPECT_FALSE(creerFichiersVides({d.chemin("n1.txt"), d.chemin("pendant.txt")}, echec));
    EXPECT_EQ(echec, d.chemin("pendant.txt"));
    EXPECT_FALSE(QFile::exists(d.chemin("ailleurs.txt")));
    EXPECT_FALSE(QFile::exists(d.chemin("n1.txt"))); // undone
    EXPECT_EQ(genreFichier(d.chemin("pendant.txt")), GenreFichier::Absent);
}

TEST(Fichiers, SeulsLesFichiersOrdinairesSontOuverts)
{
    Minuteur delai(10);
    Dossier d;
    d.fifo("x.txt");
    d.socket("s.txt");
    QFile::link(d.chemin("x.txt"), d.chemin("lienfifo.txt"));
    QFile::link(QStringLiteral("/dev/null"), d.chemin("null.txt"));
    d.ecrire("vrai.txt", "ok");
    QDir().mkdir(d.chemin("dossier"));
    for (const char* nom : {"x.txt", "s.txt", "lienfifo.txt", "null.txt"}) {
        SCOPED_TRACE(nom);
        EXPECT_EQ(genreFichier(d.chemin(nom)), GenreFichier::Autre);
        QByteArray octets;
        EXPECT_FALSE(lireFichierRegulier(d.chemin(nom), octets));
        EXPECT_FALSE(ecrireFichierEntier(d.chemin(nom), "x"));
        EXPECT_EQ(ajouterAuFichier(d.chemin(nom), "x"), ResultatAjout::Echec);
        EXPECT_FALSE(existe(d.chemin(nom)));
        EXPECT_FALSE(existeFichier(d.chemin(nom)));
        EXPECT_FALSE(existeDossier(d.chemin(nom)));
    }
    EXPECT_EQ(genreFichier(d.chemin("x.txt")), GenreFichier::Autre); // still a FIFO
    EXPECT_EQ(listerEntrees(d.chemin(""), QStringLiteral("*.txt")), QStringList({"vrai.txt"}));
    EXPECT_EQ(listerEntrees(d.chemin(""), QStringLiteral("*"), GenreEntree::Tout), QStringList({"dossier", "vrai.txt"}));
    EXPECT_EQ(listerEntrees(d.chemin(""), QStringLiteral("*"), GenreEntree::Dossiers), QStringList({"dossier"}));
    EXPECT_EQ(listerEntrees(d.chemin(""), QStringLiteral("*.TXT"), GenreEntree::Fichiers), QStringList({"vrai.txt"}));
    QByteArray octets;
    EXPECT_TRUE(lireFichierRegulier(d.chemin("VRAI.txt").replace("VRAI", "vrai"), octets));
    EXPECT_EQ(octets, QByteArray("ok"));
}

TEST(Fichiers, NomsTropLongs)
{
    Dossier d;
    EXPECT_TRUE(nomFichierAdmis(d.chemin(""), QString(255, QLatin1Char('a'))));
    EXPECT_FALSE(nomFichierAdmis(d.chemin(""), QString(256, QLatin1Char('a'))));
    // Counted in the file system's bytes: "é" takes two.
    EXPECT_FALSE(nomFichierAdmis(d.chemin(""), QString(128, QChar(0xE9))));
    EXPECT_FALSE(nomFichierAdmis(d.chemin(""), QString()));
}
