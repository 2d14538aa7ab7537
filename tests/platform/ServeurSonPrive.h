#pragma once
// A sound server of the test process's own, and a recording of all it plays: a PulseAudio
// daemon whose only output is a null sink, with its socket and files in a private folder (it
// never meets a desktop's server, also when the tests run as root), and parec recording the
// sink's monitor from a thread of its own. The process's sound clients are pointed at it; every
// test of the process shares it, and it ends with the process.

#include <QString>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

using Horloge = std::chrono::steady_clock;

class ServeurSonPrive {
public:
    static constexpr int frequence = 44100;

    // The server of the process, started at the first call; null when no server can start
    // here (raison tells why). Call it before the first sound of the process.
    static ServeurSonPrive* instance(QString& raison);
    ~ServeurSonPrive();

    // The recording so far: mono, 16 bits, at frequence.
    std::vector<int16_t> echantillons() const;
    qint64 taille() const;
    // Waits until the recording holds n samples; false when it still does not after the delay.
    bool attendreTaille(qint64 n, std::chrono::seconds delai = std::chrono::seconds(60)) const;
    // The index of the sample that the server played at that moment, at the earliest. Each
    // piece of the recording arrives after the server played it: the piece that arrived soonest
    // after its samples fixes the recording's clock, however late the others come on a loaded
    // machine. A sound found at an index was so played no sooner after the moment than this
    // tells.
    qint64 indiceA(Horloge::time_point instant) const;

private:
    ServeurSonPrive() = default;
    bool demarrer(QString& raison);
    bool lancerEnregistrement(QString& raison);
    void lire(int fd);

    QTemporaryDir dossier_;
    int demon_ = -1;
    int parec_ = -1;
    std::thread lecteur_;
    mutable std::mutex m_;
    std::vector<int16_t> enregistrement_;
    // The latest moment at which sample 0 was played, from the soonest piece.
    Horloge::time_point origine_ = Horloge::time_point::max();
};
