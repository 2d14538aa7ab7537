#pragma once
// A fuzz target is written once with CIBLE_FUZZ(nom) { ... }: built with libFuzzer it is the
// binary's entry point; built for the tests (REJEU_FUZZ) it is registered by name, so that the
// seed corpus, and every input that once found a fault, is replayed by the ordinary test run.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using FonctionCible = void (*)(const QByteArray&);

#ifdef REJEU_FUZZ
QList<QPair<const char*, FonctionCible>>& ciblesFuzz();
inline bool inscrireCible(const char* nom, FonctionCible f)
{
    ciblesFuzz().append({nom, f});
    return true;
}
#define CIBLE_FUZZ(nom)                                                                            \
    static void cible_##nom(const QByteArray& octets);                                             \
    [[maybe_unused]] static const bool inscrite_##nom = inscrireCible(#nom, cible_##nom);          \
    static void cible_##nom(const QByteArray& octets)
#else
#define CIBLE_FUZZ(nom)                                                                            \
    static void cible_##nom(const QByteArray& octets);                                             \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* d, size_t n)                              \
    {                                                                                              \
        cible_##nom(QByteArray(reinterpret_cast<const char*>(d), static_cast<qsizetype>(n)));     \
        return 0;                                                                                  \
    }                                                                                              \
    static void cible_##nom(const QByteArray& octets)
#endif

// A property that does not hold is a finding, as a crash is: the input is kept.
#define EXIGER(condition)                                                                          \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "propriété fausse : %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

// The Qt application and the scripted platform some targets need, made once.
void preparerQt();
