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
#include "Fichiers.h"
#include "Reussites.h"
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

// A pupil's ordinary table, one success more at each save: what a save costs at every exercise.
void EnregistrementReussitesOrdinaire(benchmark::State& state)
{
    Classe& c = classe();
    const QString groupe = c.dossier.path() + QStringLiteral("/CE2/");
    QDir().mkpath(groupe);
    QStringList lignes;
    for (int i = 0; i < 300; ++i)
        lignes.append(QStringLiteral("mot numéro %1|%2-0-%3").arg(i).arg(i % 7).arg(i % 4));
    ecrireLignes(groupe + QStringLiteral("Tom_OBV_Reussites.txt"), lignes);
    etat.RepertoireGroupe = groupe;
    etat.EleveCourant = QStringLiteral("Tom");
    ChargerReussites();
    int i = 0;
    for (auto _ : state) {
        CompterReussite(QStringLiteral("mot numéro %1").arg(i++ % 400));
        benchmark::DoNotOptimize(EnregistrerReussites());
    }
    etat.RepertoireGroupe = c.dossier.path() + QStringLiteral("/CM1/");
    etat.EleveCourant = QStringLiteral("Léa");
}
BENCHMARK(EnregistrementReussitesOrdinaire)->Unit(benchmark::kMicrosecond);

// What a save does before it writes, so that another machine's successes are kept: the lock
// taken and let go, the file read again and its rows made a table, this run's change made on it.
void VerrouEtRelectureDUneSauvegarde(benchmark::State& state)
{
    Classe& c = classe();
    const QString fichier = c.dossier.path() + QStringLiteral("/CE2/Tom_OBV_Reussites.txt");
    QStringList lignes;
    for (int i = 0; i < 300; ++i)
        lignes.append(QStringLiteral("mot numéro %1|%2-0-%3").arg(i).arg(i % 7).arg(i % 4));
    QDir().mkpath(c.dossier.path() + QStringLiteral("/CE2"));
    ecrireLignes(fichier, lignes);
    TableDesReussites changements;
    changements.compterReussite(QStringLiteral("mot numéro 7"));
    for (auto _ : state) {
        const VerrouFichier verrou(fichier);
        QByteArray octets;
        lireFichierRegulier(fichier, octets);
        TableDesReussites t;
        t.charger(decoderFichier(octets));
        changements.reporterChangements(t);
        benchmark::DoNotOptimize(t.taille());
    }
}
BENCHMARK(VerrouEtRelectureDUneSauvegarde)->Unit(benchmark::kMicrosecond);

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
