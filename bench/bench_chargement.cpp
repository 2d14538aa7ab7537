// Loading an exercise for a pupil with a long history, and saving that history, against the
// time to read the same bytes raw.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "Deroulement.h"
#include "Etat.h"
#include "Fiches.h"
#include "PlateformeScriptee.h"
#include "Profil.h"
#include "FichierDetail.h"
#include "FichierExos.h"
#include "FichierReussites.h"
#include "Texte.h"
#include "Unit1.h"

namespace {

struct Classe {
    QTemporaryDir dossier;
    PlateformeScriptee p;
    std::unique_ptr<FichesOmbrivelle> fiches;
    QString exercice, reussites;

    Classe()
    {
        const QString racine = dossier.path() + QStringLiteral("/");
        p.programme = racine;
        installerPlateforme(&p);
        definirProfil(profilOmbrivelle());
        reinitialiserEtat();
        QDir(racine).mkpath(QStringLiteral("CM1"));
        QStringList items{QStringLiteral("Écris le mot."), QStringLiteral("##")};
        for (int i = 0; i < 10000; ++i)
            items.append(QStringLiteral("mot numéro %1|réponse %1|autre %1").arg(i));
        exercice = racine + QStringLiteral("Long.txt");
        ecrireLignes(exercice, items);
        QStringList lignes;
        for (int i = 0; i < 100000; ++i)
            lignes.append(QStringLiteral("mot numéro %1|%2-0-%3").arg(i * 3).arg(i % 7).arg(i % 4));
        reussites = racine + QStringLiteral("CM1/Léa_OBV_Reussites.txt");
        ecrireLignes(reussites, lignes);
        fiches = std::make_unique<FichesOmbrivelle>(QStringList());
        etat.RepertoireGroupe = racine + QStringLiteral("CM1/");
        etat.EleveCourant = QStringLiteral("Léa");
        etat.NbReponsesNecessaires = 3;
        etat.ExerciceCourant = exercice;
    }
};

Classe& classe()
{
    static Classe c;
    return c;
}

void ChargementExercice(benchmark::State& state)
{
    classe();
    for (auto _ : state) {
        Form1->ChargerExercice();
        benchmark::DoNotOptimize(deroulement().NbItems);
    }
    state.counters["items"] = deroulement().NbItems;
}
BENCHMARK(ChargementExercice)->Unit(benchmark::kMillisecond);

void EnregistrementReussites(benchmark::State& state)
{
    classe();
    ChargerReussites();
    for (auto _ : state)
        benchmark::DoNotOptimize(EnregistrerReussites());
}
BENCHMARK(EnregistrementReussites)->Unit(benchmark::kMillisecond);

void LectureBruteDesMemesOctets(benchmark::State& state)
{
    Classe& c = classe();
    for (auto _ : state) {
        for (const QString& chemin : {c.exercice, c.reussites}) {
            QFile f(chemin);
            f.open(QIODevice::ReadOnly);
            benchmark::DoNotOptimize(f.readAll());
        }
    }
}
BENCHMARK(LectureBruteDesMemesOctets)->Unit(benchmark::kMillisecond);

// The same bytes decoded and cut into lines: the least any reading of these files does.
void LectureEnLignesDesMemesOctets(benchmark::State& state)
{
    Classe& c = classe();
    for (auto _ : state) {
        benchmark::DoNotOptimize(lireLignes(c.exercice));
        benchmark::DoNotOptimize(lireLignes(c.reussites));
    }
}
BENCHMARK(LectureEnLignesDesMemesOctets)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
