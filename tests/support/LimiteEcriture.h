#pragma once
// Makes writes fail for a while, also for root: files may not grow past a few bytes, and the
// signal that would end the process is ignored, so the write itself reports the failure.

#include <csignal>
#include <sys/resource.h>

class LimiteEcriture {
public:
    explicit LimiteEcriture(rlim_t octets = 16)
    {
        getrlimit(RLIMIT_FSIZE, &avant_);
        signal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit l = avant_;
        l.rlim_cur = octets;
        setrlimit(RLIMIT_FSIZE, &l);
    }
    ~LimiteEcriture()
    {
        setrlimit(RLIMIT_FSIZE, &avant_);
        std::signal(SIGXFSZ, signal_);
    }
    LimiteEcriture(const LimiteEcriture&) = delete;
    LimiteEcriture& operator=(const LimiteEcriture&) = delete;

private:
    rlimit avant_{};
    void (*signal_)(int) = nullptr;
};
