// The classroom's media player on the sample dictations: items open and play, an item that
// cannot be opened is told, and a sound goes on while the interface thread sleeps. The player's
// state is checked, not the sound.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaPlayer>
#include <QTemporaryDir>
#include <QThread>

#include "PlateformeQt.h"

namespace {

const QString banque = QStringLiteral(DONNEES_DIR "/_Exercices_CSF/");

// The media layer's reports, as the message loop would take them meanwhile.
void attendre(int millisecondes)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < millisecondes) {
        QCoreApplication::processEvents();
        QThread::msleep(5);
    }
}

bool enLecture(const QMediaPlayer* l)
{
    const auto statut = l->mediaStatus();
    return l->playbackState() == QMediaPlayer::PlayingState && l->error() == QMediaPlayer::NoError
           && (statut == QMediaPlayer::LoadedMedia || statut == QMediaPlayer::BufferingMedia
               || statut == QMediaPlayer::BufferedMedia);
}

class SonReel : public ::testing::Test {
protected:
    void SetUp() override
    {
        // As the programs choose it at start.
        if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
            qputenv("QT_MEDIA_BACKEND", "gstreamer");
    }
    // The sample item played; false (the test skipped) when the machine has no sound output
    // the media layer can use, which is no fault of the item.
    bool jouer(const QString& item)
    {
        EXPECT_TRUE(p.jouerItem(banque + item)) << item.toStdString();
        const QMediaPlayer* l = p.lecteurSons();
        if (l && l->error() != QMediaPlayer::NoError && l->mediaStatus() != QMediaPlayer::InvalidMedia) {
            sansSortie = l->errorString();
            return false;
        }
        return true;
    }
    PlateformeQt p;
    QString sansSortie;
};

} // namespace

TEST_F(SonReel, UnWavEtUnMp3DeLaClasseExemple)
{
    for (const char* item : {"Mots invariables/beaucoup.wav", "Mots invariables/toujours.mp3",
                             "Animaux/La forêt/l#apo#écureuil.mp3"}) {
        SCOPED_TRACE(item);
        if (!jouer(QString::fromUtf8(item)))
            GTEST_SKIP() << "Pas de sortie son utilisable : " << sansSortie.toStdString();
        EXPECT_TRUE(enLecture(p.lecteurSons()));
        attendre(250);
        EXPECT_TRUE(enLecture(p.lecteurSons()));
        EXPECT_GT(p.lecteurSons()->position(), 0);
    }
}

TEST_F(SonReel, ChaqueEcouteRepartDuDebutEtLaPauseNArretePasLeSon)
{
    const QString item = QStringLiteral("Une histoire dans l'ordre/##01#Le chat dort sur le lit.mp3");
    if (!jouer(item))
        GTEST_SKIP() << "Pas de sortie son utilisable : " << sansSortie.toStdString();
    attendre(500);
    const qint64 avant = p.lecteurSons()->position();
    EXPECT_GE(avant, 300);
    ASSERT_TRUE(jouer(item));
    EXPECT_LT(p.lecteurSons()->position(), avant);
    // The interface thread sleeps: the player's own threads keep the sound going.
    attendre(100);
    const qint64 debut = p.lecteurSons()->position();
    p.dormir(500);
    attendre(20);
    EXPECT_TRUE(enLecture(p.lecteurSons()));
    EXPECT_GE(p.lecteurSons()->position() - debut, 350);
}

TEST_F(SonReel, UnItemQuiNePeutEtreOuvert)
{
    QTemporaryDir dossier;
    const QString faux = dossier.filePath(QStringLiteral("chat.wav"));
    QFile f(faux);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Ceci n'est pas un son.");
    f.close();
    if (!jouer(QStringLiteral("Mots invariables/beaucoup.wav")))
        GTEST_SKIP() << "Pas de sortie son utilisable : " << sansSortie.toStdString();
    // Opening an item closes the sound playing, even one that then fails.
    EXPECT_FALSE(p.jouerItem(faux));
    EXPECT_NE(p.lecteurSons()->playbackState(), QMediaPlayer::PlayingState);
    EXPECT_FALSE(p.jouerItem(dossier.filePath(QStringLiteral("absent.wav"))));
    EXPECT_FALSE(p.jouerItem(dossier.path()));
    // The next item plays as if nothing had failed.
    ASSERT_TRUE(jouer(QStringLiteral("Mots invariables/toujours.mp3")));
    EXPECT_TRUE(enLecture(p.lecteurSons()));
}
