#include "Son.h"

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QHash>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <utility>

#include "Fichiers.h"

namespace {

// One format for every sound: the decoder converts each file to it, and the server takes it
// as it is.
QAudioFormat formatSons()
{
    QAudioFormat f;
    f.setSampleRate(44100);
    f.setChannelCount(1);
    f.setSampleFormat(QAudioFormat::Int16);
    return f;
}

bool memeFormat(const QAudioFormat& a, const QAudioFormat& b)
{
    return a.sampleRate() == b.sampleRate() && a.channelCount() == b.channelCount()
           && a.sampleFormat() == b.sampleFormat();
}

// Half a second of silence after the samples: the server starts a stream only once its buffer
// holds enough, which a very short sound alone may not.
constexpr qsizetype silenceFinale = 44100;
// What is handed to the server at once at most (it keeps about 4 MiB for a stream, some 35 s
// here); the rest of a longer sound follows from this thread as the server plays it.
constexpr qsizetype tamponMaximal = 3 * 1024 * 1024;
// How long a caller waits for an item's decoding at most (the first decoding of a run loads
// the media framework).
constexpr std::chrono::milliseconds attenteDecodage(15000);

// A tenth of a second of silence in a WAV file, and the same in MP3 frames: decoded and played
// at the start, they load the media layer's parts that the first listening needs.
QByteArray silenceWav()
{
    const quint32 donnees = 4410 * 2;
    QByteArray w;
    const auto mot = [&w](quint32 v, int octets) {
        for (int i = 0; i < octets; ++i)
            w.append(char((v >> (8 * i)) & 0xFF));
    };
    w.append("RIFF");
    mot(36 + donnees, 4);
    w.append("WAVEfmt ");
    mot(16, 4);
    mot(1, 2);         // PCM
    mot(1, 2);         // mono
    mot(44100, 4);
    mot(44100 * 2, 4); // bytes a second
    mot(2, 2);
    mot(16, 2);
    w.append("data");
    mot(donnees, 4);
    w.append(QByteArray(donnees, '\0'));
    return w;
}

QByteArray silenceMp3()
{
    // MPEG-1 layer III, 128 kbit/s, 44.1 kHz: 417 bytes a frame; empty side information is silence.
    QByteArray trame("\xFF\xFB\x90\x00", 4);
    trame.append(QByteArray(417 - 4, '\0'));
    return trame.repeated(5);
}

// The answer to a caller that waits for a decoding.
class Reponse {
public:
    // False when the caller has given up waiting: the sound must not play then.
    bool donner(bool decode)
    {
        {
            std::lock_guard<std::mutex> verrou(m_);
            if (etat_ != Etat::Attente)
                return false;
            etat_ = decode ? Etat::Oui : Etat::Non;
        }
        cv_.notify_all();
        return true;
    }
    bool attendre()
    {
        std::unique_lock<std::mutex> verrou(m_);
        if (!cv_.wait_for(verrou, attenteDecodage, [this] { return etat_ != Etat::Attente; })) {
            etat_ = Etat::Abandon;
            return false;
        }
        return etat_ == Etat::Oui;
    }

private:
    enum class Etat { Attente, Oui, Non, Abandon };
    std::mutex m_;
    std::condition_variable cv_;
    Etat etat_ = Etat::Attente;
};

// Decoded samples, good as long as the file holds the same bytes.
struct Echantillons {
    QString chemin;
    QByteArray fichier;
    QByteArray donnees;

    bool valables(const QString& c, const QByteArray& octets) const
    {
        return !donnees.isEmpty() && chemin == c && fichier == octets;
    }
};

} // namespace

// Lives on the sound thread: every call below runs there.
class MoteurSons : public QObject {
public:
    MoteurSons()
        : nourrice_(this)
    {
        nourrice_.setInterval(20);
        connect(&nourrice_, &QTimer::timeout, this, [this] { nourrir(); });
    }
    ~MoteurSons() override
    {
        abandonnerDecodage();
        arreterSon();
    }

    // Loads the media layer and reaches the sound server now rather than at the first sound.
    void preparer()
    {
        if (demande_.prechauffage)
            return;
        // A sound decoding has loaded it already.
        if (pret_ || decodeur_) {
            pret_ = true;
            return;
        }
        echauffement_ = {silenceWav(), silenceMp3()};
        prechauffer();
    }
    bool pret() const { return pret_; }

    // reponse is null for an effect.
    void demander(const QString& chemin, bool item, const std::shared_ptr<Reponse>& reponse)
    {
        // Opening a sound closes the one playing, and any decoding still running for an earlier
        // one (its caller has its answer already, or did not wait for one).
        arreterSon();
        abandonnerDecodage();
        QByteArray octets;
        if (!lireFichierRegulier(chemin, octets)) {
            oublier(chemin, item);
            if (reponse)
                reponse->donner(false);
            return;
        }
        Echantillons& garde = item ? item_ : bruitages_[chemin];
        if (garde.valables(chemin, octets)) {
            if (!reponse || reponse->donner(true))
                jouer(garde.donnees);
            return;
        }
        demande_ = {chemin, item, reponse, octets};
        // The bytes read are decoded: the file is opened as every other file is, once.
        lancerDecodage(octets);
    }

private:
    struct Demande {
        QString chemin;
        bool item = false;
        std::shared_ptr<Reponse> reponse;
        QByteArray fichier;
        bool prechauffage = false; // one of the silences of the start
    };

    void prechauffer()
    {
        demande_ = {};
        demande_.prechauffage = true;
        lancerDecodage(echauffement_.takeFirst());
    }

    void lancerDecodage(const QByteArray& octets)
    {
        decodeur_ = new QAudioDecoder(this);
        auto* tampon = new QBuffer(decodeur_);
        tampon->setData(octets);
        tampon->open(QIODevice::ReadOnly);
        decodeur_->setAudioFormat(formatSons());
        decodeur_->setSourceDevice(tampon);
        connect(decodeur_, &QAudioDecoder::bufferReady, this, [this] { lireTampons(); });
        connect(decodeur_, &QAudioDecoder::finished, this, [this] { terminerDecodage(); });
        connect(decodeur_, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), this,
                [this] { terminerDecodage(); });
        decodeur_->start();
    }

    void lireTampons()
    {
        while (decodeur_ && decodeur_->bufferAvailable()) {
            const QAudioBuffer b = decodeur_->read();
            if (b.isValid() && memeFormat(b.format(), formatSons()))
                decode_.append(b.constData<char>(), b.byteCount());
        }
    }

    // At the end of the file, or at an error: what was decoded plays (a file cut short plays
    // up to its cut); a file that gave nothing is no sound.
    void terminerDecodage()
    {
        if (!decodeur_)
            return;
        lireTampons();
        const Demande d = std::exchange(demande_, {});
        QByteArray echantillons = std::move(decode_);
        abandonnerDecodage();
        if (d.prechauffage) {
            // The silences of the start: the next one, then the last is played (which opens the
            // way to the server).
            if (!echauffement_.isEmpty()) {
                prechauffer();
                return;
            }
            pret_ = true;
            jouer(echantillons);
            return;
        }
        if (echantillons.isEmpty()) {
            oublier(d.chemin, d.item);
            if (d.reponse)
                d.reponse->donner(false);
            return;
        }
        Echantillons& garde = d.item ? item_ : bruitages_[d.chemin];
        garde = {d.chemin, d.fichier, echantillons};
        if (!d.reponse || d.reponse->donner(true))
            jouer(echantillons);
    }

    void oublier(const QString& chemin, bool item)
    {
        if (item)
            item_ = {};
        else
            bruitages_.remove(chemin);
    }

    void abandonnerDecodage()
    {
        // A sound asked for ends the start's preparation.
        if (demande_.prechauffage) {
            echauffement_.clear();
            pret_ = true;
        }
        if (decodeur_) {
            disconnect(decodeur_, nullptr, this, nullptr);
            decodeur_->stop();
            // It may be the sender of the signal being handled.
            decodeur_->deleteLater();
            decodeur_ = nullptr;
        }
        if (demande_.reponse)
            demande_.reponse->donner(false);
        demande_ = {};
        decode_.clear();
    }

    void jouer(const QByteArray& echantillons)
    {
        arreterSon();
        const QAudioDevice peripherique = QMediaDevices::defaultAudioOutput();
        if (peripherique.isNull())
            return;
        aEcrire_ = echantillons + QByteArray(silenceFinale, '\0');
        ecrits_ = 0;
        sortie_ = new QAudioSink(peripherique, formatSons(), this);
        sortie_->setBufferSize(qMin(aEcrire_.size(), tamponMaximal));
        flux_ = sortie_->start();
        if (!flux_ || sortie_->error() != QAudio::NoError) {
            arreterSon();
            return;
        }
        nourrir();
    }

    // The whole buffer asked for at the start, then what the server has played meanwhile.
    void nourrir()
    {
        if (!flux_)
            return;
        const qint64 place = ecrits_ == 0 ? qMin(aEcrire_.size(), tamponMaximal) : sortie_->bytesFree();
        const qint64 n = qMin(place, aEcrire_.size() - ecrits_);
        if (n > 0) {
            const qint64 k = flux_->write(aEcrire_.constData() + ecrits_, n);
            // The server is gone: this sound is over.
            if (k < 0) {
                arreterSon();
                return;
            }
            ecrits_ += k;
        }
        if (ecrits_ < aEcrire_.size()) {
            if (!nourrice_.isActive())
                nourrice_.start();
            return;
        }
        nourrice_.stop();
        // Room left in the buffer is filled with silence, so that the server starts playing.
        const qint64 reste = sortie_->bytesFree();
        if (reste > 0)
            flux_->write(QByteArray(reste, '\0'));
        aEcrire_.clear();
    }

    void arreterSon()
    {
        nourrice_.stop();
        if (sortie_) {
            // The samples still in the server are dropped: nothing of this sound is heard after.
            sortie_->reset();
            sortie_->stop();
            delete sortie_;
            sortie_ = nullptr;
        }
        flux_ = nullptr;
        aEcrire_.clear();
        ecrits_ = 0;
    }

    QTimer nourrice_;
    QList<QByteArray> echauffement_;
    std::atomic<bool> pret_{false};
    QAudioDecoder* decodeur_ = nullptr;
    Demande demande_;
    QByteArray decode_;
    Echantillons item_;
    QHash<QString, Echantillons> bruitages_;
    QAudioSink* sortie_ = nullptr;
    QIODevice* flux_ = nullptr;
    QByteArray aEcrire_;
    qint64 ecrits_ = 0;
};

LecteurSons::LecteurSons()
    : fil_(new QThread)
    , moteur_(new MoteurSons)
{
    fil_->setObjectName(QStringLiteral("sons"));
    moteur_->moveToThread(fil_);
    fil_->start();
}

LecteurSons::~LecteurSons()
{
    // The sound ends with the program; the thread's objects are deleted on it.
    MoteurSons* m = moteur_;
    QMetaObject::invokeMethod(m, [m] { delete m; }, Qt::BlockingQueuedConnection);
    fil_->quit();
    fil_->wait();
    delete fil_;
}

bool LecteurSons::jouerItem(const QString& chemin)
{
    // The caller blocks here, without handling any event: nothing of ours runs meanwhile.
    auto reponse = std::make_shared<Reponse>();
    MoteurSons* m = moteur_;
    QMetaObject::invokeMethod(m, [m, chemin, reponse] { m->demander(chemin, true, reponse); },
                              Qt::QueuedConnection);
    return reponse->attendre();
}

void LecteurSons::preparer()
{
    MoteurSons* m = moteur_;
    QMetaObject::invokeMethod(m, [m] { m->preparer(); }, Qt::QueuedConnection);
}

bool LecteurSons::pret() const
{
    return moteur_->pret();
}

void LecteurSons::jouerBruitage(const QString& chemin)
{
    MoteurSons* m = moteur_;
    QMetaObject::invokeMethod(m, [m, chemin] { m->demander(chemin, false, nullptr); },
                              Qt::QueuedConnection);
}
