#pragma once
// Child processes for the tests of files under failure: a limit on file size, a kill at a
// random moment, and a timeout for what could block.

#include <functional>
#include <vector>

// Runs the function in a child process; its result is the child's exit code. -1 when the child
// died of a signal, -2 when it had not finished within the delay (it is then killed).
int dansUnEnfant(const std::function<int()>& f, int delaiMs = 60000);

// Starts the function in a child process and kills it after the given microseconds; waits
// for it. True when the kill came before the child ended by itself.
bool tuerEnCours(const std::function<void()>& boucle, int apresMicrosecondes);

// While it lives, a test that blocks longer than the delay is ended with a message.
class Minuteur {
public:
    explicit Minuteur(int secondes);
    ~Minuteur();
};

// Runs each function in a child process of its own, all of them at once (they start together),
// and gives their exit codes in order, as dansUnEnfant does for one.
std::vector<int> ensembleDansDesEnfants(const std::vector<std::function<int()>>& fonctions, int delaiMs = 120000);
