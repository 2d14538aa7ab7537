// The answer check with words in any order, against the number of words: it sorts, so eight
// times the words should take about eight times the time (n log n), never sixty-four. And the
// help page reader on hostile nesting and on a long ordinary page, which must stay linear.

#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QStringList>
#include <QTextDocument>

#include "Comparaison.h"
#include "Rtf.h"

namespace {

void MotsPermutesSelonLeNombreDeMots(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    QStringList mots, inverses;
    for (int i = 0; i < n; ++i)
        mots.append(QStringLiteral("mot%1").arg(i));
    for (int i = n - 1; i >= 0; --i)
        inverses.append(mots[i]);
    const QString a = mots.join(' '), t = inverses.join(' ');
    ReglesComparaison r;
    r.motsPermutes = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(ReponseCorrecte(a, t, r));
    state.SetComplexityN(n);
}

void RtfImbriqueSelonLaProfondeur(benchmark::State& state)
{
    const int profondeur = static_cast<int>(state.range(0));
    const QByteArray rtf = "{\\rtf1 " + QByteArray(profondeur, '{') + "\\b x" + QByteArray(profondeur, '}') + " y";
    for (auto _ : state) {
        QTextDocument document;
        benchmark::DoNotOptimize(lireRtf(rtf, document));
    }
    state.SetComplexityN(profondeur);
}

void RtfOrdinaireSelonLesParagraphes(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    QByteArray corps;
    for (int k = 0; k < n; ++k)
        corps += "\\b x\\b0 y{\\i z}\\par ";
    const QByteArray rtf = "{\\rtf1 " + corps + "}";
    for (auto _ : state) {
        QTextDocument document;
        benchmark::DoNotOptimize(lireRtf(rtf, document));
    }
    state.SetComplexityN(n);
}

} // namespace

BENCHMARK(MotsPermutesSelonLeNombreDeMots)->Arg(500)->Arg(4'000)->Arg(32'000)->Complexity(benchmark::oNLogN)->Unit(benchmark::kMillisecond);
BENCHMARK(RtfImbriqueSelonLaProfondeur)->Arg(6'250)->Arg(25'000)->Arg(100'000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
BENCHMARK(RtfOrdinaireSelonLesParagraphes)->Arg(3'125)->Arg(12'500)->Arg(50'000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);
