// The classroom's sounds as the pupil hears them: recorded at the output of a sound server of the
// test's own and compared with the decoded files. Every listening gives the whole word, from its
// first sample to its last, soon after the click, whatever the interface thread does afterwards;
// a new sound ends the one playing; an item that is no sound is told.

#include <gtest/gtest.h>

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <thread>

#include "Enfant.h"
#include "PlateformeQt.h"
#include "ServeurSonPrive.h"

namespace {

using namespace std::chrono_literals;

const QString banque = QStringLiteral(DONNEES_DIR "/_Exercices_CSF/");
const QString phrase = banque + QStringLiteral("Une histoire dans l'ordre/##01#Le chat dort sur le lit.mp3");
const QString boeuf = banque + QStringLiteral("Le son œ/bœuf.mp3");
constexpr qint64 F = ServeurSonPrive::frequence;
constexpr qint64 fenetre = F / 100;

double secondes(qint64 echantillons)
{
    return double(echantillons) / F;
}

// A sound file as the pupil should hear it: decoded whole, in the recording's format.
struct Reference {
    std::vector<int16_t> s;
    qint64 attaque = 0; // the first sample of the word proper
    qint64 fin = 0;     // past its last one
};

Reference decoder(const QString& chemin)
{
    QAudioFormat format;
    format.setSampleRate(int(F));
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    QAudioDecoder d;
    d.setAudioFormat(format);
    d.setSource(QUrl::fromLocalFile(chemin));
    Reference r;
    QEventLoop boucle;
    const auto lire = [&] {
        while (d.bufferAvailable()) {
            const QAudioBuffer b = d.read();
            const auto* x = b.constData<int16_t>();
            r.s.insert(r.s.end(), x, x + b.sampleCount());
        }
    };
    QObject::connect(&d, &QAudioDecoder::bufferReady, lire);
    QObject::connect(&d, &QAudioDecoder::finished, &boucle, &QEventLoop::quit);
    QObject::connect(&d, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), &boucle,
                     &QEventLoop::quit);
    QTimer::singleShot(60s, &boucle, &QEventLoop::quit);
    d.start();
    boucle.exec();
    lire();
    int crete = 1;
    for (int16_t x : r.s)
        crete = std::max(crete, std::abs(int(x)));
    const auto fort = [&](int16_t x) { return std::abs(int(x)) * 20 >= crete; };
    r.attaque = std::find_if(r.s.begin(), r.s.end(), fort) - r.s.begin();
    r.fin = r.s.rend() - std::find_if(r.s.rbegin(), r.s.rend(), fort);
    return r;
}

// One listening, found in the recording.
struct Ecoute {
    qint64 debut = -1;     // index of the file's first sample; -1 when the file is not there
    double retard = 0;     // seconds from the call to the file's first sample
    double part = 0;       // share of the word's 10 ms windows heard
    bool attaque = false;  // the word's first window heard
    bool chute = false;    // and its last
    double residu = 1;     // all else heard over the file's span and 0.3 s after, against the file
};

std::ostream& operator<<(std::ostream& o, const Ecoute& e)
{
    return o << "retard " << e.retard << " s, part du mot " << e.part << ", début "
             << e.attaque << ", fin " << e.chute << ", reste " << e.residu;
}

// The first index from depuis on where the recording holds the file's first 50 ms of word; -1.
// The server works ahead of its clock by its latency (10 ms here), and a server held back
// catches up at once: a sound may sit a little before the index of the moment it was started.
// It is looked for from 0.3 s before (the tests never play the same word's start closer to a call).
qint64 chercherDebut(const std::vector<int16_t>& enr, qint64 depuis, const Reference& ref)
{
    const qint64 n = std::min<qint64>(F / 20, qint64(ref.s.size()) - ref.attaque);
    double energie = 0;
    for (qint64 j = 0; j < n; ++j)
        energie += double(ref.s[ref.attaque + j]) * ref.s[ref.attaque + j];
    const auto ecart = [&](qint64 a, double plafond) {
        double e = 0;
        for (qint64 j = 0; j < n && e <= plafond; ++j) {
            const double d = double(enr[a + ref.attaque + j]) - ref.s[ref.attaque + j];
            e += d * d;
        }
        return e;
    };
    for (qint64 a = std::max<qint64>(0, depuis - F * 3 / 10); a + ref.attaque + n <= qint64(enr.size()); ++a) {
        if (ecart(a, energie * 0.05) > energie * 0.05)
            continue;
        // The best match within 50 ms of the first one (a periodic sound matches itself a
        // period early).
        qint64 meilleur = a;
        double e = ecart(a, 1e300);
        for (qint64 b = a + 1; b < a + F / 20 && b + ref.attaque + n <= qint64(enr.size()); ++b)
            if (const double eb = ecart(b, e); eb < e) {
                e = eb;
                meilleur = b;
            }
        return meilleur;
    }
    return -1;
}

Ecoute mesurer(const std::vector<int16_t>& enr, qint64 appel, const Reference& ref)
{
    Ecoute e;
    e.debut = chercherDebut(enr, appel, ref);
    if (e.debut < 0)
        return e;
    e.retard = secondes(e.debut - appel);
    const auto lu = [&](qint64 i) { return i < qint64(enr.size()) ? double(enr[i]) : 0.0; };
    std::vector<double> eRef, eEnr;
    for (qint64 k = 0; k * fenetre < qint64(ref.s.size()); ++k) {
        double a = 0, b = 0;
        for (qint64 i = k * fenetre; i < std::min<qint64>((k + 1) * fenetre, ref.s.size()); ++i) {
            a += double(ref.s[i]) * ref.s[i];
            b += lu(e.debut + i) * lu(e.debut + i);
        }
        eRef.push_back(a);
        eEnr.push_back(b);
    }
    const double crete = *std::max_element(eRef.begin(), eRef.end());
    int mot = 0, entendu = 0, premiere = -1, derniere = -1;
    for (size_t k = 0; k < eRef.size(); ++k)
        if (eRef[k] >= crete * 1e-3) {
            ++mot;
            entendu += eEnr[k] >= eRef[k] / 2;
            if (premiere < 0)
                premiere = int(k);
            derniere = int(k);
        }
    e.part = double(entendu) / std::max(1, mot);
    e.attaque = premiere >= 0 && eEnr[premiere] >= eRef[premiere] / 2;
    e.chute = derniere >= 0 && eEnr[derniere] >= eRef[derniere] / 2;
    double total = 0, reste = 0;
    for (qint64 i = 0; i < qint64(ref.s.size()) + F * 3 / 10; ++i) {
        const double r = i < qint64(ref.s.size()) ? ref.s[i] : 0.0;
        total += r * r;
        reste += (lu(e.debut + i) - r) * (lu(e.debut + i) - r);
    }
    e.residu = reste / std::max(1.0, total);
    return e;
}

class SonReel : public ::testing::Test {
protected:
    void SetUp() override
    {
        // As the programs choose it at start.
        if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
            qputenv("QT_MEDIA_BACKEND", "gstreamer");
        QString raison;
        serveur = ServeurSonPrive::instance(raison);
        if (!serveur)
            GTEST_SKIP() << "Pas de serveur de son : " << raison.toStdString();
        p = std::make_unique<PlateformeQt>();
        // As when the main window shows: a pupil's first listening comes after.
        p->preparerSons();
        const auto limite = Horloge::now() + 60s;
        while (!p->sonsPrets() && Horloge::now() < limite)
            std::this_thread::sleep_for(10ms);
        ASSERT_TRUE(p->sonsPrets());
    }
    void TearDown() override { p.reset(); }

    // The index in the recording of the moment the call began.
    template <typename Appel>
    qint64 appeler(Appel appel)
    {
        const auto instant = Horloge::now();
        appel();
        return serveur->indiceA(instant);
    }
    // Waits until the recording shows the file played after the index, and holds it whole with
    // what follows it; the listening found (debut -1 when the file did not come within 3 s).
    Ecoute ecouter(qint64 appel, const Reference& ref, qint64 apres = F * 3 / 10)
    {
        qint64 debut = -1;
        for (qint64 vu = appel + F / 10; debut < 0 && vu <= appel + 3 * F; vu += F / 10) {
            if (!serveur->attendreTaille(vu + qint64(ref.s.size())))
                break;
            debut = chercherDebut(serveur->echantillons(), appel, ref);
        }
        if (debut < 0)
            return {};
        serveur->attendreTaille(debut + qint64(ref.s.size()) + apres);
        return mesurer(serveur->echantillons(), appel, ref);
    }
    // Plays the item and waits until half a second of its words is heard.
    void entamer(const QString& item, const Reference& ref)
    {
        const qint64 appel = appeler([&] { EXPECT_TRUE(p->jouerItem(item)); });
        const Ecoute e = ecouter(appel, ref, 0);
        ASSERT_GE(e.debut, 0) << "le son n'a pas été entendu";
        ASSERT_TRUE(serveur->attendreTaille(e.debut + ref.attaque + F / 2));
    }

    Minuteur minuteur{300};
    ServeurSonPrive* serveur = nullptr;
    std::unique_ptr<PlateformeQt> p;
};

void entier(const Ecoute& e)
{
    ASSERT_GE(e.debut, 0) << "le son n'a pas été entendu";
    EXPECT_LE(e.retard, 0.3) << e;
    EXPECT_GE(e.part, 0.95) << e;
    EXPECT_TRUE(e.attaque && e.chute) << e;
    // Nothing else is heard meanwhile, nor after it.
    EXPECT_LT(e.residu, 0.05) << e;
}

struct Cas {
    const char* nom;
    const char* fichier; // in the dictation bank, or beside the program for an effect
    bool bruitage;
};

void PrintTo(const Cas& c, std::ostream* o)
{
    *o << c.fichier;
}

class SonReelMots : public SonReel, public ::testing::WithParamInterface<Cas> {
protected:
    QString chemin() const
    {
        return GetParam().bruitage ? QStringLiteral(DONNEES_DIR "/") + QString::fromUtf8(GetParam().fichier)
                                   : banque + QString::fromUtf8(GetParam().fichier);
    }
    void jouer()
    {
        if (GetParam().bruitage)
            p->jouerSon(chemin());
        else
            EXPECT_TRUE(p->jouerItem(chemin()));
    }
};

} // namespace

// A first listening, a second one half a second after the word's end, and one followed at once
// by a pause of the interface thread.
TEST_P(SonReelMots, ChaqueEcouteDonneLeMotEntier)
{
    // The file's first decoding.
    const qint64 appel1 = appeler([&] { jouer(); });
    const Reference ref = decoder(chemin());
    ASSERT_GT(ref.fin - ref.attaque, F / 10) << "fichier de référence illisible";
    const Ecoute premiere = ecouter(appel1, ref);
    {
        SCOPED_TRACE("première écoute");
        entier(premiere);
    }
    ASSERT_GE(premiere.debut, 0);
    ASSERT_TRUE(serveur->attendreTaille(premiere.debut + ref.fin + F / 2));

    const qint64 appel2 = appeler([&] { jouer(); });
    {
        SCOPED_TRACE("deuxième écoute");
        entier(ecouter(appel2, ref));
    }

    const qint64 appel3 = appeler([&] {
        jouer();
        p->dormir(1000);
    });
    SCOPED_TRACE("écoute suivie d'une pause");
    entier(ecouter(appel3, ref));
}

INSTANTIATE_TEST_SUITE_P(
    Echantillons, SonReelMots,
    ::testing::Values(Cas{"boeuf", "Le son œ/bœuf.mp3", false}, Cas{"oeuf", "Le son œ/œuf.mp3", false},
                      Cas{"soeur", "Le son œ/sœur.wav", false}, Cas{"coeur", "Le son œ/cœur.wav", false},
                      Cas{"juste_bruitage", "juste.wav", true}),
    [](const ::testing::TestParamInfo<Cas>& i) { return std::string(i.param.nom); });

// A listening while a sound plays ends it at once: the new sound is heard whole and alone, the
// same item again from its start.
TEST_F(SonReel, UneEcoutePendantLeSonLArreteSansChevauchement)
{
    const Reference refPhrase = decoder(phrase);
    const Reference refBoeuf = decoder(boeuf);
    ASSERT_GT(secondes(refPhrase.fin - refPhrase.attaque), 1.0);

    ASSERT_NO_FATAL_FAILURE(entamer(phrase, refPhrase));
    const qint64 autre = appeler([&] { EXPECT_TRUE(p->jouerItem(boeuf)); });
    {
        SCOPED_TRACE("un autre item");
        entier(ecouter(autre, refBoeuf));
    }

    ASSERT_NO_FATAL_FAILURE(entamer(phrase, refPhrase));
    const qint64 meme = appeler([&] { EXPECT_TRUE(p->jouerItem(phrase)); });
    SCOPED_TRACE("le même item, de son début");
    entier(ecouter(meme, refPhrase));
}

TEST_F(SonReel, UnItemQuiNEstPasUnSon)
{
    QTemporaryDir dossier;
    const QString faux = dossier.filePath(QStringLiteral("chat.wav"));
    QFile f(faux);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Ceci n'est pas un son.");
    f.close();
    ASSERT_NO_FATAL_FAILURE(entamer(phrase, decoder(phrase)));
    // Opening an item closes the sound playing, even one that then fails.
    EXPECT_FALSE(p->jouerItem(faux));
    const qint64 echec = serveur->indiceA(Horloge::now());
    EXPECT_FALSE(p->jouerItem(dossier.filePath(QStringLiteral("absent.wav"))));
    EXPECT_FALSE(p->jouerItem(dossier.path()));
    ASSERT_TRUE(serveur->attendreTaille(echec + F));
    const std::vector<int16_t> enr = serveur->echantillons();
    EXPECT_TRUE(std::all_of(enr.begin() + echec + F * 3 / 10, enr.begin() + echec + F,
                            [](int16_t x) { return x == 0; }))
        << "la phrase continue après l'échec";

    // The next item plays as if nothing had failed.
    const qint64 apres = appeler([&] { EXPECT_TRUE(p->jouerItem(boeuf)); });
    entier(ecouter(apres, decoder(boeuf)));
}
