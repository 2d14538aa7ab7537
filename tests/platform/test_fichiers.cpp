#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
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
    Minuteur delai(120);
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

namespace {

// Another instance's append, made while this one's append is part-way.
QString journalPartage;
bool autreInstanceAjoute(EtapeEcriture e)
{
    if (e != EtapeEcriture::Ecriture)
        return false;
    QFile f(journalPartage);
    if (f.open(QIODevice::Append))
        f.write("autre machine\r\n");
    return true;
}

} // namespace

TEST(Fichiers, LignesDechireesJamaisCollees)
{
    SansPanne fin;
    Dossier d;
    const QString j = d.chemin("j.txt");
    // A log left torn by a kill: the next record is a line of its own.
    d.ecrire("j.txt", "entete\r\nItem r\xE9");
    EXPECT_EQ(ajouterAuFichier(j, "Item r\xE9ussi\r\n"), ResultatAjout::Fait);
    EXPECT_EQ(d.lire("j.txt"), QByteArray("entete\r\nItem r\xE9\r\nItem r\xE9ussi\r\n"));

    // A line this instance left open is continued, whatever it appended elsewhere meanwhile...
    d.ecrire("exos.txt", "");
    for (const char* morceau : {"chat : chien", " - chta", " [12 s - 3 essais]\r\n"}) {
        EXPECT_EQ(ajouterAuFichier(j, morceau), ResultatAjout::Fait);
        EXPECT_EQ(ajouterAuFichier(d.chemin("exos.txt"), "ligne\r\n"), ResultatAjout::Fait);
    }
    const QByteArray avant = d.lire("j.txt");
    EXPECT_TRUE(avant.endsWith("\r\nchat : chien - chta [12 s - 3 essais]\r\n"));
    // ...unless another instance wrote after it (here a line of its own, torn by a kill).
    EXPECT_EQ(ajouterAuFichier(j, "lune : soleil"), ResultatAjout::Fait);
    {
        QFile f(j);
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write("\r\nautre ma");
    }
    EXPECT_EQ(ajouterAuFichier(j, " [3 s - 2 essais]\r\n"), ResultatAjout::Fait);
    EXPECT_EQ(d.lire("j.txt"), avant + "lune : soleil\r\nautre ma\r\n [3 s - 2 essais]\r\n");

    // An append that fails part-way while another instance appends: the other line stays whole,
    // this one's bytes end as a line of their own before it.
    const QByteArray debut = d.lire("j.txt");
    journalPartage = j;
    injecterPanneEcriture(autreInstanceAjoute);
    const QByteArray ligne = "Item r\xE9ussi un cheval en 4 s.\r\n";
    EXPECT_EQ(ajouterAuFichier(j, ligne), ResultatAjout::Echec);
    injecterPanneEcriture(nullptr);
    EXPECT_EQ(d.lire("j.txt"), debut + ligne.left(ligne.size() / 2 - 2) + "\r\nautre machine\r\n");
}

TEST(Fichiers, LectureBornee)
{
    // Larger than any classroom file: refused at once, never read into memory.
    Dossier d;
    QFile f(d.chemin("enorme.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(f.resize(tailleMaximaleLecture + 1)); // sparse: no disk taken
    f.close();
    QByteArray octets;
    EXPECT_FALSE(lireFichierRegulier(d.chemin("enorme.txt"), octets));
    EXPECT_TRUE(octets.isEmpty());
    ASSERT_TRUE(f.resize(tailleMaximaleLecture));
    EXPECT_TRUE(lireFichierRegulier(d.chemin("enorme.txt"), octets));
    EXPECT_EQ(octets.size(), tailleMaximaleLecture);
}

TEST(Fichiers, VerrouEntreInstances)
{
    struct DelaiNormal {
        ~DelaiNormal() { fixerDelaiVerrou(10000); }
    } delaiNormal;
    fixerDelaiVerrou(300);
    Dossier d;
    d.ecrire("Léa_OBV_Reussites.txt", "chat|1\r\n");
    const QString f = d.chemin("Léa_OBV_Reussites.txt");
    // Another instance holds the lock until told: waited for, then not taken.
    int pret[2], liberer[2];
    ASSERT_EQ(pipe(pret), 0);
    ASSERT_EQ(pipe(liberer), 0);
    std::fflush(nullptr);
    const pid_t autre = fork();
    if (autre == 0) {
        const VerrouFichier v(f);
        char c = v.pris() ? '1' : '0';
        (void)!write(pret[1], &c, 1);
        close(liberer[1]);
        while (read(liberer[0], &c, 1) > 0) {
        }
        _exit(0);
    }
    close(pret[1]);
    close(liberer[0]);
    char c = 0;
    ASSERT_EQ(read(pret[0], &c, 1), 1);
    EXPECT_EQ(c, '1');
    EXPECT_FALSE(VerrouFichier(f).pris());
    close(liberer[1]);
    int statut = 0;
    waitpid(autre, &statut, 0);
    EXPECT_TRUE(VerrouFichier(f).pris());

    // Its holder killed: the lock is free at once, never left held by a crash.
    ASSERT_EQ(pipe(pret), 0);
    const pid_t tue = fork();
    if (tue == 0) {
        const VerrouFichier v(f);
        char p = '1';
        (void)!write(pret[1], &p, 1);
        for (;;)
            pause();
    }
    close(pret[1]);
    ASSERT_EQ(read(pret[0], &c, 1), 1);
    close(pret[0]);
    kill(tue, SIGKILL);
    waitpid(tue, &statut, 0);
    EXPECT_TRUE(VerrouFichier(f).pris());
    // The lock file goes with the lock, the one the killed instance left too.
    EXPECT_EQ(d.entrees(), QStringList({"Léa_OBV_Reussites.txt"}));

    // A folder where no lock file can be made: the work goes on without one (its own writes
    // tell whether anything can be written there).
    EXPECT_TRUE(VerrouFichier(d.chemin("absent/Léa_OBV_Reussites.txt")).pris());
}

TEST(Fichiers, TemporairesPerimesSupprimes)
{
    // What killed saves left is removed by the next save in the folder; a temporary file being
    // written now, and names that are not ours, stay.
    Dossier d;
    for (const char* nom : {".~3k9x.tmp", ".~a1b2.tmp", ".~K9.tmp", "notes.tmp", ".~3k9x.lck"})
        d.ecrire(nom, "x");
    QDir().mkdir(d.chemin(".~dossier.tmp"));
    const timespec vieux[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
    for (const char* nom : {".~3k9x.tmp", ".~K9.tmp", "notes.tmp", ".~3k9x.lck", ".~dossier.tmp"})
        ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(d.chemin(nom)).constData(), vieux, 0), 0);
    EXPECT_TRUE(ecrireFichierEntier(d.chemin("r.txt"), "x"));
    EXPECT_EQ(d.entrees(), QStringList({".~3k9x.lck", ".~K9.tmp", ".~a1b2.tmp", ".~dossier.tmp", "notes.tmp", "r.txt"}));
}

TEST(Fichiers, Suppression)
{
    SansPanne fin;
    Dossier d;
    d.ecrire("a.txt", "x");
    d.ecrire("b.txt", "x");
    QFile::link(d.chemin("b.txt"), d.chemin("lien.txt"));
    EXPECT_TRUE(supprimerFichier(d.chemin("lien.txt"))); // the link, not its file
    EXPECT_EQ(d.lire("b.txt"), QByteArray("x"));
    EXPECT_TRUE(supprimerFichier(d.chemin("absent.txt"))); // already gone: nothing left
    QDir().mkdir(d.chemin("dossier.txt"));
    EXPECT_FALSE(supprimerFichier(d.chemin("dossier.txt")));
    etapeEnPanne = EtapeEcriture::Suppression;
    injecterPanneEcriture(panneA);
    EXPECT_FALSE(supprimerFichier(d.chemin("a.txt")));
    injecterPanneEcriture(nullptr);
    EXPECT_TRUE(supprimerFichier(d.chemin("a.txt")));
    EXPECT_EQ(d.entrees(), QStringList({"b.txt", "dossier.txt"}));
}
