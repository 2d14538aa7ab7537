// Printing the successes of a whole school on the recording printer (40 groups of 30 pupils,
// 500 lines each): the walk, the files read and every row laid out; and the same layout against
// the number of rows.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include "ChoixGroupeEleve.h"
#include "Etat.h"
#include "ImpressionReussites.h"
#include "PlateformeScriptee.h"
#include "Profil.h"
#include "Texte.h"

namespace {

struct Ecole {
    QTemporaryDir dossier;
    PlateformeScriptee p;
    std::unique_ptr<TfImpressionReussites> forme;
    QString racine;

    Ecole(int groupes, int eleves, int lignes)
    {
        racine = dossier.path() + QStringLiteral("/_Bilans/");
        p.programme = dossier.path() + QStringLiteral("/");
        QStringList reussites;
        for (int i = 0; i < lignes; ++i)
            reussites.append(QStringLiteral("un mot numéro %1, des ...|%2-0-%3").arg(i).arg(i % 7).arg(i % 4));
        for (int g = 0; g < groupes; ++g) {
            const QString groupe = racine + QStringLiteral("Groupe %1/").arg(g, 2, 10, QLatin1Char('0'));
            QDir().mkpath(groupe);
            for (int e = 0; e < eleves; ++e) {
                const QString eleve = QStringLiteral("Élève %1").arg(e, 2, 10, QLatin1Char('0'));
                ecrireLignes(groupe + eleve + QStringLiteral("_Pwd.txt"), {QStringLiteral("chat")});
                ecrireLignes(groupe + eleve + QStringLiteral("_OBV_Reussites.txt"), reussites);
            }
        }
        installerPlateforme(&p);
        definirProfil(profilOmbrivelle());
        forme = std::make_unique<TfImpressionReussites>();
    }

    // One print job of every pupil; the rows it drew.
    qsizetype imprimer()
    {
        installerPlateforme(&p);
        definirChoixBilans(nullptr);
        etat.RepertoireBilans = racine;
        p.imprimante.travaux.clear();
        p.repondreImprimante(true);
        forme->ImprimerReussites(false);
        return p.imprimante.travaux.isEmpty() ? 0 : p.imprimante.travaux.first().textes.size();
    }
};

void ImpressionReussitesEcoleEntiere(benchmark::State& state)
{
    static Ecole ecole(40, 30, 500);
    qsizetype rangees = 0;
    for (auto _ : state)
        rangees = ecole.imprimer();
    state.counters["rangees"] = static_cast<double>(rangees);
}
BENCHMARK(ImpressionReussitesEcoleEntiere)->Unit(benchmark::kMillisecond);

// Two groups of ten pupils, more and more lines each.
void ImpressionReussitesSelonLesLignes(benchmark::State& state)
{
    Ecole ecole(2, 10, static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ecole.imprimer());
    state.SetComplexityN(state.range(0) * 20);
}
BENCHMARK(ImpressionReussitesSelonLesLignes)
    ->RangeMultiplier(4)
    ->Range(256, 16'384)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

} // namespace
