#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QImage>

#include "DossierDictee.h"
#include "NomsItems.h"
#include "Reussites.h"
#include "Texte.h"

using namespace castiflore;

namespace {

const QString donnees = QStringLiteral(DONNEES_DIR);
const QString banque = donnees + QStringLiteral("/_Exercices_CSF/");

ItemsDuDossier lister(const QString& dossier)
{
    return ParcourirDossierExercice(banque + dossier, [](const QString&) { return true; });
}

} // namespace

TEST(ClasseExemple, DossiersDeDictees)
{
    struct Cas {
        const char* dossier;
        int items;
        int ordreAleatoire;
    };
    for (const Cas& c : {Cas{"Animaux/La ferme", 4, 1}, Cas{"Animaux/La forêt", 6, 1}, Cas{"Mots invariables", 6, 1},
                         Cas{"Le son œ", 5, 1}, Cas{"Orthographe/Deux orthographes", 5, 1},
                         Cas{"Une histoire dans l'ordre", 5, 0}, Cas{"Orthographe/En préparation", 0, 1}}) {
        SCOPED_TRACE(c.dossier);
        const ItemsDuDossier r = lister(QString::fromUtf8(c.dossier));
        EXPECT_EQ(r.items.size(), c.items);
        EXPECT_EQ(r.NbItemsDisponibles, c.items);
        EXPECT_EQ(r.OrdreAleatoire, c.ordreAleatoire);
    }
    EXPECT_EQ(reponsesAcceptees(lister("Mots invariables").items.first(), true), QStringList({"aujourd'hui"}));
    EXPECT_EQ(texteModele(lister("Une histoire dans l'ordre").items.last(), false),
              QStringLiteral("Quelle belle journée !"));
}

TEST(ClasseExemple, SonsEtImagesLisibles)
{
    QDirIterator it(banque, QDir::Files, QDirIterator::Subdirectories);
    int sons = 0, images = 0;
    while (it.hasNext()) {
        const QString chemin = it.next();
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << chemin.toStdString();
        const QByteArray debut = f.read(12);
        if (estItemSonore(it.fileName())) {
            ++sons;
            const bool wav = debut.startsWith("RIFF") && debut.mid(8, 4) == "WAVE";
            const bool mp3 = debut.size() >= 2 && static_cast<unsigned char>(debut[0]) == 0xFF
                             && (static_cast<unsigned char>(debut[1]) & 0xE0) == 0xE0;
            EXPECT_TRUE(it.fileName().endsWith(".wav") ? wav : mp3) << chemin.toStdString();
            EXPECT_GT(f.size(), 4000) << chemin.toStdString();
        } else if (it.fileName().endsWith(".jpg", Qt::CaseInsensitive)) {
            ++images;
            EXPECT_EQ(QImage(chemin).size(), QSize(160, 160)) << chemin.toStdString();
        }
    }
    EXPECT_EQ(sons, 31);
    EXPECT_GE(images, 5);
    EXPECT_EQ(QImage(donnees + "/tlv_pardefaut.jpg").size(), QSize(160, 160));
    EXPECT_EQ(QImage(donnees + "/tlv_pardefaut.bmp").size(), QSize(160, 160));
}

TEST(ClasseExemple, CompagnonsDesItems)
{
    const QString ferme = banque + "Animaux/La ferme";
    EXPECT_EQ(lignesTexteItem(ferme, "la vache.wav"), QStringList({"La vache vit dans le pré.", "Elle nous donne du lait."}));
    EXPECT_FALSE(cheminImageItem(ferme, "la vache.wav").isEmpty());
    EXPECT_FALSE(cheminImageItem(ferme, "le cochon.wav").isEmpty());
    EXPECT_TRUE(cheminImageItem(ferme, "le mouton.mp3").isEmpty());
    EXPECT_EQ(lignesTexteItem(banque + "Le son œ", "sœur.wav"), QStringList({"Ma sœur a huit ans."}));
    EXPECT_EQ(lignesTexteItem(banque + "Animaux/La forêt", "l#apo#écureuil.mp3").size(), 1);
    EXPECT_FALSE(cheminImageItem(banque + "Une histoire dans l'ordre", "##01#Le chat dort sur le lit.mp3").isEmpty());
}

TEST(ClasseExemple, HistoriqueDeLeaEtAncienFichierDeTom)
{
    // Léa's successes retire nothing at 3 required; Tom's older file retires "la vache".
    TableDesReussites lea, tom;
    for (const QString& l : lireLignes(donnees + "/_Bilans/CM1/Léa_CSF_Reussites.txt"))
        lea.ajouter(l.section('|', 0, 0), l.section('|', 1));
    for (const QString& l : lireLignes(donnees + "/_Bilans/CM1/Tom.txt"))
        tom.ajouter(l.section('|', 0, 0), l.section('|', 1));
    EXPECT_EQ(lea.taille(), 6);
    const QStringList ferme = lister("Animaux/La ferme").items;
    for (const QString& item : ferme) {
        EXPECT_TRUE(ItemATravailler(item, lea, 3, true)) << item.toStdString();
        EXPECT_EQ(ItemATravailler(item, tom, 3, true), item != "la vache.wav") << item.toStdString();
    }
    EXPECT_GE(lea.chercher(cleReussiteItem("sœur.wav")), 0);

    // Each dictation's log lines end in a line of dashes, one line an item in between.
    const QStringList detail = lireLignes(donnees + "/_Bilans/CM1/Léa_CSF_Detail.txt");
    EXPECT_EQ(detail.count(QString(68, '-')), 3);
    EXPECT_EQ(lireLignes(donnees + "/_Bilans/CM1/Léa_CSF_Exos.txt").size(), 3);
    EXPECT_TRUE(QFile::exists(donnees + "/_Bilans/CM1/Léa_Pwd.txt"));
    EXPECT_TRUE(QFile::exists(donnees + "/_Bilans/CM1/Tom_Pwd.txt"));
    EXPECT_FALSE(QFile::exists(donnees + "/_Bilans/CM1/Tom_CSF_Reussites.txt"));
}
