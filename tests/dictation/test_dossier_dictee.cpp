#include <gtest/gtest.h>

#include <QDir>
#include <unistd.h>

#include "DossierDictee.h"
#include "Reussites.h"
#include "Seance.h"

using namespace castiflore;

namespace {

void creer(Seance& s, const QString& dossier, const QStringList& fichiers)
{
    QDir(s.programme).mkpath(dossier);
    for (const QString& f : fichiers)
        s.ecrireOctets(dossier + "/" + f, "RIFF");
}

auto tout = [](const QString&) { return true; };

} // namespace

TEST(DossierDictee, ItemsDansLOrdreDuSystemeDeFichiers)
{
    Seance s(false);
    creer(s, "Animaux", {"zèbre.mp3", "chat.wav", "Chien.MP3", "chat.txt", "notes.doc", "Abeille.Wav",
                         ".cache.wav", "sans extension"});
    // Every entry counts, hidden ones and folders named like sound files; folders are not entered.
    QDir(s.chemin("Animaux")).mkpath("dossier.wav");
    QDir(s.chemin("Animaux")).mkpath("Sous/oiseau.wav");

    const ItemsDuDossier r = ParcourirDossierExercice(s.chemin("ANIMAUX"), tout);
    EXPECT_EQ(r.items, QStringList({".cache.wav", "Abeille.Wav", "chat.wav", "Chien.MP3", "dossier.wav", "zèbre.mp3"}));
    EXPECT_EQ(r.NbItemsDisponibles, 6);
    EXPECT_EQ(r.OrdreAleatoire, 1);

    // The predicate sees every sound file and only them, in order; retired ones still count.
    QStringList vus;
    const ItemsDuDossier r2 = ParcourirDossierExercice(s.chemin("Animaux"), [&](const QString& n) {
        vus.append(n);
        return n.startsWith('c', Qt::CaseInsensitive);
    });
    EXPECT_EQ(vus, r.items);
    EXPECT_EQ(r2.items, QStringList({"chat.wav", "Chien.MP3"}));
    EXPECT_EQ(r2.NbItemsDisponibles, 6);

    const ItemsDuDossier absent = ParcourirDossierExercice(s.chemin("absent"), tout);
    EXPECT_TRUE(absent.items.isEmpty());
    EXPECT_EQ(absent.NbItemsDisponibles, 0);
    EXPECT_EQ(absent.OrdreAleatoire, 1);
}

TEST(DossierDictee, OrdreDonneParLePremierItemRetenu)
{
    Seance s(false);
    creer(s, "Ordre", {"##01#le chat.wav", "##02#la souris.wav", "##03#le fromage.mp3"});
    EXPECT_EQ(ParcourirDossierExercice(s.chemin("Ordre"), tout).OrdreAleatoire, 0);

    // The first file retired: the next retained one decides.
    auto sansLePremier = [](const QString& n) { return !n.startsWith("##01"); };
    ItemsDuDossier r = ParcourirDossierExercice(s.chemin("Ordre"), sansLePremier);
    EXPECT_EQ(r.OrdreAleatoire, 0);
    EXPECT_EQ(r.items, QStringList({"##02#la souris.wav", "##03#le fromage.mp3"}));

    // A first retained item without the prefix gives random order, whatever follows.
    creer(s, "Melange", {"!attention.wav", "##01#chat.wav", "##02#chien.wav"});
    r = ParcourirDossierExercice(s.chemin("Melange"), tout);
    EXPECT_EQ(r.items.first(), QStringLiteral("!attention.wav"));
    EXPECT_EQ(r.OrdreAleatoire, 1);
    // Nothing retained: random order.
    EXPECT_EQ(ParcourirDossierExercice(s.chemin("Ordre"), [](const QString&) { return false; }).OrdreAleatoire, 1);
}

TEST(DossierDictee, RetraitDesItemsMaitrises)
{
    TableDesReussites t;
    t.ajouter("chat", "3");
    t.ajouter("chien", "1-3");
    t.ajouter("lune", "2-2");
    t.ajouter("soleil", "4-0");
    t.ajouter("souris", "1-3x");
    t.ajouter("aujourd'hui", "5");
    t.ajouter("chien", "0"); // only the first row of a key is read
    t.ajouter("chienne", "7");
    t.ajouter("##01#mer", "9");
    t.ajouter("mer", "9");

    struct Cas {
        const char* nom;
        bool aTravailler;
    };
    for (const Cas& c : {Cas{"chat.wav", false}, Cas{"CHAT.WAV", false}, Cas{"Chien.MP3", false},
                         Cas{"lune.wav", true}, Cas{"soleil.wav", true},
                         // A run that is not a whole number reads as 0.
                         Cas{"souris.wav", true}, Cas{"absent.wav", true},
                         Cas{"aujourd#apo#hui.wav", false},
                         // Keys with "£" or a prefix: looked up as they stand.
                         Cas{"chien£chienne.wav", true}, Cas{"##01#mer.wav", false},
                         Cas{"##02#mer.wav", true}}) {
        SCOPED_TRACE(c.nom);
        EXPECT_EQ(ItemATravailler(QString::fromUtf8(c.nom), t, 3, true), c.aTravailler);
        // The guest, or no count required: every item stays.
        EXPECT_TRUE(ItemATravailler(QString::fromUtf8(c.nom), t, 3, false));
        EXPECT_TRUE(ItemATravailler(QString::fromUtf8(c.nom), t, 999, true));
    }
    EXPECT_TRUE(ItemATravailler("chat.wav", t, 4, true));
    EXPECT_FALSE(ItemATravailler("lune.wav", t, 2, true));
    EXPECT_TRUE(ItemATravailler("chat.wav", TableDesReussites(), 1, true));
}

TEST(DossierDictee, CompagnonsTrouvesSansEgardALaCasse)
{
    Seance s(false);
    creer(s, "Animaux", {"chat.wav", "Chat.jpg", "sœur.mp3", "lune.wav", "chien.wav"});
    s.ecrireOctets("Animaux/chat.txt", "Le chat dort.\r\nIl r\xEAve.\r\n");
    s.ecrireOctets("Animaux/SŒUR.TXT", "ma s\x9C" "ur\n");
    // Only regular files: a folder of the companion's name is none.
    QDir(s.chemin("Animaux")).mkpath("CHIEN.TXT");

    EXPECT_EQ(cheminTexteItem(s.chemin("Animaux"), "chat.wav"), s.chemin("Animaux/chat.txt"));
    EXPECT_EQ(cheminImageItem(s.chemin("Animaux"), "chat.wav"), s.chemin("Animaux/Chat.jpg"));
    EXPECT_EQ(lignesTexteItem(s.chemin("animaux"), "chat.wav"), QStringList({"Le chat dort.", "Il rêve."}));
    EXPECT_EQ(lignesTexteItem(s.chemin("Animaux"), "sœur.mp3"), QStringList({"ma sœur"}));
    EXPECT_EQ(cheminImageItem(s.chemin("Animaux"), "sœur.mp3"), QString());
    EXPECT_EQ(cheminTexteItem(s.chemin("Animaux"), "lune.wav"), QString());
    EXPECT_EQ(cheminTexteItem(s.chemin("Animaux"), "chien.wav"), QString());
    EXPECT_TRUE(lignesTexteItem(s.chemin("Animaux"), "chien.wav").isEmpty());

    // Relative to the current folder, as the run opens them.
    s.p.changerDossier(s.chemin("Animaux"));
    EXPECT_EQ(cheminImageItem(QString(), "CHAT.wav"), s.chemin("Animaux/Chat.jpg"));
    EXPECT_EQ(lignesTexteItem(QString(), "chat.wav").size(), 2);

    // A text that cannot be read gives no line.
    if (geteuid() != 0) {
        QFile::setPermissions(s.chemin("Animaux/chat.txt"), QFileDevice::WriteOwner);
        EXPECT_TRUE(lignesTexteItem(QString(), "chat.wav").isEmpty());
    }
}
