#include "Enfant.h"

#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

namespace {

void dormirMicrosecondes(long us)
{
    timespec t{us / 1000000, (us % 1000000) * 1000};
    while (nanosleep(&t, &t) != 0) {
    }
}

void bloque(int)
{
    const char m[] = "\nBLOQUÉ : le test a dépassé son délai\n";
    (void)!write(2, m, sizeof m - 1);
    _exit(3);
}

} // namespace

int dansUnEnfant(const std::function<int()>& f, int delaiMs)
{
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0)
        _exit(f());
    int statut = 0;
    for (int attente = 0; attente <= delaiMs; ++attente) {
        if (waitpid(pid, &statut, WNOHANG) == pid)
            return WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
        dormirMicrosecondes(1000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, &statut, 0);
    return -2;
}

std::vector<int> ensembleDansDesEnfants(const std::vector<std::function<int()>>& fonctions, int delaiMs)
{
    std::fflush(nullptr);
    // Each child waits until the pipe closes: none has a head start while the others fork.
    int depart[2];
    if (pipe(depart) != 0)
        return std::vector<int>(fonctions.size(), -3);
    std::vector<pid_t> pids;
    for (const auto& f : fonctions) {
        const pid_t pid = fork();
        if (pid == 0) {
            close(depart[1]);
            char c;
            while (read(depart[0], &c, 1) > 0) {
            }
            close(depart[0]);
            _exit(f());
        }
        pids.push_back(pid);
    }
    close(depart[0]);
    close(depart[1]);
    std::vector<int> codes(pids.size(), -2);
    std::vector<bool> finis(pids.size(), false);
    size_t restants = pids.size();
    for (int attente = 0; attente <= delaiMs && restants > 0; ++attente) {
        for (size_t i = 0; i < pids.size(); ++i) {
            int statut = 0;
            if (!finis[i] && waitpid(pids[i], &statut, WNOHANG) == pids[i]) {
                finis[i] = true;
                --restants;
                codes[i] = WIFEXITED(statut) ? WEXITSTATUS(statut) : -1;
            }
        }
        if (restants > 0)
            dormirMicrosecondes(1000);
    }
    for (size_t i = 0; i < pids.size(); ++i) {
        if (!finis[i]) {
            kill(pids[i], SIGKILL);
            int statut = 0;
            waitpid(pids[i], &statut, 0);
        }
    }
    return codes;
}

bool tuerEnCours(const std::function<void()>& boucle, int apresMicrosecondes)
{
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        boucle();
        _exit(0);
    }
    dormirMicrosecondes(apresMicrosecondes);
    kill(pid, SIGKILL);
    int statut = 0;
    waitpid(pid, &statut, 0);
    return WIFSIGNALED(statut);
}

Minuteur::Minuteur(int secondes)
{
    std::signal(SIGALRM, bloque);
    alarm(static_cast<unsigned>(secondes));
}

Minuteur::~Minuteur()
{
    alarm(0);
}
