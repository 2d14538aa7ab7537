// Opening the results window on a pupil of many years (a 20 MB log, 50,000 successes), against
// reading and decoding the same files; the red marking against the number of lines.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include "Bilans.h"
#include "Etat.h"
#include "PlateformeScriptee.h"
#include "Profil.h"
#include "Texte.h"
#include "VisionneuseTexte.h"

namespace {

struct Historique {
    QTemporaryDir dossier;
    PlateformeScriptee p;
    std::unique_ptr<TfBilans> bilans;
    QString groupe;
    QStringList fichiers;

    Historique()
    {
        groupe = dossier.path() + QStringLiteral("/_Bilans/CM1/");
        QDir().mkpath(groupe);
        p.programme = dossier.path() + QStringLiteral("/");
        // Years of exercises: a start line, misses and successes, the end block.
        QStringList detail, exos;
        qsizetype taille = 0;
        for (int n = 0; taille < 20'000'000; ++n) {
            QStringList bloc = {QStringLiteral("07/12/2026 à 14:05:32 - 10 items - Exercice [Les pluriels des noms %1]").arg(n % 40)};
            for (int i = 0; i < 10; ++i) {
                if (i % 3 == 0)
                    bloc += {QString(), QStringLiteral("journaux|journaux"), QStringLiteral("  journals"), QStringLiteral("  journaus")};
                bloc.append(QStringLiteral("Item réussi un journal numéro %1, des ... en %2 s.").arg(i).arg(3 + i));
            }
            bloc += {QString(), QStringLiteral("Temps exercice : 1 min 9 s."), QStringLiteral("Score : 38/50."), QString(68, QLatin1Char('-'))};
            for (const QString& l : bloc)
                taille += l.size() + 2;
            detail += bloc;
            exos.append(QStringLiteral("07/12/2026 | Terminé    |   38 /  50 | Les pluriels des noms %1").arg(n % 40));
        }
        QStringList reussites;
        for (int i = 0; i < 50'000; ++i)
            reussites.append(QStringLiteral("mot numéro %1|%2-0-%3").arg(i).arg(i % 7).arg(i % 4));
        fichiers = {groupe + QStringLiteral("Léa_OBV_Detail.txt"), groupe + QStringLiteral("Léa_OBV_Reussites.txt"),
                    groupe + QStringLiteral("Léa_OBV_Exos.txt"), groupe + QStringLiteral("Léa_Pwd.txt")};
        ecrireLignes(fichiers[0], detail);
        ecrireLignes(fichiers[1], reussites);
        ecrireLignes(fichiers[2], exos);
        ecrireLignes(fichiers[3], {QStringLiteral("chat")});
        installerPlateforme(&p);
        definirProfil(profilOmbrivelle());
        bilans = std::make_unique<TfBilans>();
    }

    // The pupil face, as the results door opens it.
    void preparer()
    {
        installerPlateforme(&p);
        definirProfil(profilOmbrivelle());
        etat.ModeEnseignant = 0;
        etat.RepertoireGroupe = groupe;
        etat.EleveCourant = QStringLiteral("Léa");
        etat.NbReponsesNecessaires = 3;
        etat.ImpressionPermise = 1;
    }
};

Historique& historique()
{
    static Historique h;
    return h;
}

void OuvertureBilansLongHistorique(benchmark::State& state)
{
    Historique& h = historique();
    h.preparer();
    for (auto _ : state) {
        h.p.fenetre<TfBilans>([](TfBilans& f) { f.Close(); });
        h.p.montrerModal(*h.bilans);
    }
    state.counters["lignes detail"] = h.bilans->BilanDetail->nombreLignes();
    state.counters["lignes reussites"] = h.bilans->ItemReussis->nombreLignes();
}
BENCHMARK(OuvertureBilansLongHistorique)->Unit(benchmark::kMillisecond);

// The least any showing of these files does: their bytes read and decoded.
void LectureEtDecodageDesMemesFichiers(benchmark::State& state)
{
    Historique& h = historique();
    for (auto _ : state)
        for (const QString& f : h.fichiers)
            benchmark::DoNotOptimize(decoderFichier(lireOctets(f)));
}
BENCHMARK(LectureEtDecodageDesMemesFichiers)->Unit(benchmark::kMillisecond);

void MarquageEnRouge(benchmark::State& state)
{
    Historique& h = historique();
    h.preparer();
    QString texte;
    for (int i = 0; i < state.range(0); ++i)
        texte += QStringLiteral("mot numéro %1|%2-0-%3\r\n").arg(i).arg(i % 7).arg(i % 4);
    h.bilans->ItemReussis->definirTexte(texte);
    for (auto _ : state)
        h.bilans->ColorerItemsReussis();
    state.SetComplexityN(state.range(0));
}
BENCHMARK(MarquageEnRouge)->RangeMultiplier(4)->Range(12'500, 800'000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

} // namespace
