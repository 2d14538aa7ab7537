#include "ServeurSonPrive.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <string>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using namespace std::chrono_literals;

const char* const puits = "enregistre";

// Starts a program with this environment; its output goes to sortie (else to the journal, as
// its errors do). It dies with this process.
int lancer(const QString& programme, const QStringList& arguments, const QStringList& environnement,
           int sortie, const QString& journal)
{
    std::vector<std::string> args{programme.toStdString()};
    for (const QString& a : arguments)
        args.push_back(a.toStdString());
    std::vector<std::string> env;
    for (const QString& e : environnement)
        env.push_back(e.toStdString());
    std::vector<char*> argv, envp;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    for (auto& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    const std::string fichierJournal = journal.toStdString();

    const pid_t pid = fork();
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        const int j = open(fichierJournal.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        if (j >= 0)
            dup2(j, 2);
        dup2(sortie >= 0 ? sortie : (j >= 0 ? j : 2), 1);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    return pid;
}

// This process's environment, with these variables set or (empty value) removed.
QStringList environnementAvec(const QList<std::pair<const char*, QString>>& changes)
{
    QStringList env;
    for (char** e = environ; *e; ++e) {
        const QString v = QString::fromLocal8Bit(*e);
        bool change = false;
        for (const auto& [nom, valeur] : changes)
            change = change || v.startsWith(QLatin1String(nom) + QLatin1Char('='));
        if (!change)
            env << v;
    }
    for (const auto& [nom, valeur] : changes)
        if (!valeur.isEmpty())
            env << QLatin1String(nom) + QLatin1Char('=') + valeur;
    return env;
}

// False once the child has ended; it is then reaped, and forgotten (its number may be reused).
bool vivant(int& pid)
{
    int statut = 0;
    if (pid > 0 && waitpid(pid, &statut, WNOHANG) == 0)
        return true;
    pid = -1;
    return false;
}

void arreter(int& pid)
{
    if (!vivant(pid))
        return;
    kill(pid, SIGTERM);
    for (int i = 0; i < 500 && vivant(pid); ++i)
        std::this_thread::sleep_for(10ms);
    if (vivant(pid)) {
        kill(pid, SIGKILL);
        int statut = 0;
        waitpid(pid, &statut, 0);
    }
    pid = -1;
}

} // namespace

ServeurSonPrive* ServeurSonPrive::instance(QString& raison)
{
    static std::unique_ptr<ServeurSonPrive> serveur;
    static bool essaye = false;
    static QString echec;
    if (!essaye) {
        essaye = true;
        serveur.reset(new ServeurSonPrive);
        if (!serveur->demarrer(echec))
            serveur.reset();
    }
    raison = echec;
    return serveur.get();
}

bool ServeurSonPrive::demarrer(QString& raison)
{
    const QString pulseaudio = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    const QString parec = QStandardPaths::findExecutable(QStringLiteral("parec"));
    if (pulseaudio.isEmpty() || parec.isEmpty()) {
        raison = QStringLiteral("pulseaudio ou parec n'est pas installé");
        return false;
    }
    if (!dossier_.isValid()) {
        raison = QStringLiteral("pas de dossier temporaire");
        return false;
    }
    const QString d = dossier_.path();
    for (const char* sous : {"run", "etat", "config"})
        QDir(d).mkpath(QLatin1String(sous));
    QFile client(d + QStringLiteral("/client.conf"));
    if (!client.open(QIODevice::WriteOnly) || client.write("autospawn = no\n") < 0) {
        raison = QStringLiteral("client.conf ne peut être écrit");
        return false;
    }
    client.close();
    const QString socket = d + QStringLiteral("/native");

    // Everything of the daemon's in the private folder; no desktop's session bus, no display.
    const QStringList envDemon = environnementAvec({
        {"HOME", d},
        {"XDG_RUNTIME_DIR", d + QStringLiteral("/run")},
        {"XDG_CONFIG_HOME", d + QStringLiteral("/config")},
        {"PULSE_RUNTIME_PATH", d + QStringLiteral("/run")},
        {"PULSE_STATE_PATH", d + QStringLiteral("/etat")},
        {"DBUS_SESSION_BUS_ADDRESS", QStringLiteral("unix:path=") + d + QStringLiteral("/pas-de-bus")},
        {"DISPLAY", QString()},
        {"WAYLAND_DISPLAY", QString()},
        {"PULSE_SERVER", QString()},
    });
    demon_ = lancer(pulseaudio,
                    {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                     QStringLiteral("--use-pid-file=no"), QStringLiteral("--system=no"),
                     QStringLiteral("--exit-idle-time=-1"),
                     QStringLiteral("--load=module-null-sink sink_name=%1 rate=%2 norewinds=1")
                         .arg(QLatin1String(puits)).arg(frequence),
                     QStringLiteral("--load=module-native-protocol-unix socket=%1 auth-anonymous=1")
                         .arg(socket)},
                    envDemon, -1, d + QStringLiteral("/pulseaudio.log"));

    // This process's clients (the sound under test, parec) go to that server only.
    qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
    qputenv("PULSE_CLIENTCONFIG", (d + QStringLiteral("/client.conf")).toLocal8Bit());
    const auto limite = Horloge::now() + 60s;
    while (!QFileInfo::exists(socket)) {
        if (!vivant(demon_) || Horloge::now() > limite) {
            raison = QStringLiteral("le serveur de son ne démarre pas");
            return false;
        }
        std::this_thread::sleep_for(20ms);
    }
    return lancerEnregistrement(raison);
}

bool ServeurSonPrive::lancerEnregistrement(QString& raison)
{
    const QString parec = QStandardPaths::findExecutable(QStringLiteral("parec"));
    const QString d = dossier_.path();
    const QStringList env = environnementAvec({});
    const auto limite = Horloge::now() + 60s;
    // The socket may exist before the daemon answers on it: parec is started again until it
    // records.
    while (Horloge::now() < limite) {
        int tube[2];
        if (pipe2(tube, O_CLOEXEC) != 0)
            break;
        parec_ = lancer(parec,
                        {QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                         QStringLiteral("--channels=1"), QStringLiteral("--rate=%1").arg(frequence),
                         QStringLiteral("--latency-msec=10"),
                         QStringLiteral("--device=%1.monitor").arg(QLatin1String(puits))},
                        env, tube[1], d + QStringLiteral("/parec.log"));
        close(tube[1]);
        lecteur_ = std::thread([this, fd = tube[0]] { lire(fd); });
        while (taille() == 0 && vivant(parec_) && Horloge::now() < limite)
            std::this_thread::sleep_for(10ms);
        if (taille() > 0)
            return true;
        arreter(parec_);
        lecteur_.join();
        if (!vivant(demon_))
            break;
        std::this_thread::sleep_for(100ms);
    }
    raison = QStringLiteral("le serveur de son n'enregistre pas");
    return false;
}

void ServeurSonPrive::lire(int fd)
{
    std::vector<char> tampon(1 << 16);
    QByteArray reste;
    for (;;) {
        const ssize_t n = ::read(fd, tampon.data(), tampon.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        const auto arrivee = Horloge::now();
        reste.append(tampon.data(), n);
        const qsizetype k = reste.size() / 2;
        std::lock_guard<std::mutex> verrou(m_);
        const size_t avant = enregistrement_.size();
        enregistrement_.resize(avant + k);
        memcpy(enregistrement_.data() + avant, reste.constData(), k * 2);
        reste.remove(0, k * 2);
        const auto duree = std::chrono::duration_cast<Horloge::duration>(
            std::chrono::duration<double>(double(enregistrement_.size()) / frequence));
        origine_ = std::min(origine_, arrivee - duree);
    }
    close(fd);
}

ServeurSonPrive::~ServeurSonPrive()
{
    arreter(parec_);
    if (lecteur_.joinable())
        lecteur_.join();
    // The daemon is left to die with the process (it was started so): stopped here, at the
    // process's exit, it would fail the media layer's connection while the process tears that
    // layer down, and the sound library aborts on that race now and then.
}

std::vector<int16_t> ServeurSonPrive::echantillons() const
{
    std::lock_guard<std::mutex> verrou(m_);
    return enregistrement_;
}

qint64 ServeurSonPrive::taille() const
{
    std::lock_guard<std::mutex> verrou(m_);
    return qint64(enregistrement_.size());
}

bool ServeurSonPrive::attendreTaille(qint64 n, std::chrono::seconds delai) const
{
    const auto limite = Horloge::now() + delai;
    while (taille() < n) {
        if (Horloge::now() > limite)
            return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

qint64 ServeurSonPrive::indiceA(Horloge::time_point instant) const
{
    std::lock_guard<std::mutex> verrou(m_);
    return qint64(std::chrono::duration<double>(instant - origine_).count() * frequence);
}
