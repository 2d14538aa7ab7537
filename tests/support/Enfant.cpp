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
