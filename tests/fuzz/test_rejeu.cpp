#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "Cible.h"

QList<QPair<const char*, FonctionCible>>& ciblesFuzz()
{
    static QList<QPair<const char*, FonctionCible>> cibles;
    return cibles;
}

// Every file of a target's corpus goes through the target once: the seeds, and each input that
// once made a target fail, kept there under a name beginning "regression-".
TEST(Fuzz, CorpusRejoues)
{
    ASSERT_EQ(ciblesFuzz().size(), 7);
    for (const auto& [nom, cible] : ciblesFuzz()) {
        const QDir dossier(QStringLiteral(CORPUS_FUZZ "/") + QLatin1String(nom));
        const QStringList fichiers = dossier.entryList(QDir::Files);
        EXPECT_FALSE(fichiers.isEmpty()) << nom;
        for (const QString& f : fichiers) {
            SCOPED_TRACE(QStringLiteral("%1/%2").arg(QLatin1String(nom), f).toStdString());
            QFile fichier(dossier.filePath(f));
            ASSERT_TRUE(fichier.open(QIODevice::ReadOnly));
            cible(fichier.readAll());
        }
    }
}
