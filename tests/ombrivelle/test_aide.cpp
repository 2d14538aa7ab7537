#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <unistd.h>

#include "Etat.h"
#include "Exercice.h"
#include "Seance.h"
#include "Unit4.h"

namespace {

QByteArray jpeg(int largeur, int hauteur)
{
    QImage image(largeur, hauteur, QImage::Format_RGB32);
    image.fill(QColor(200, 60, 40));
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&tampon, "JPG"));
    return octets;
}

const QByteArray pageRtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 L'adjectif s'accorde "
                           "{\\b en genre} et {\\i en nombre}.\\par}";

// Shows the help window as the main window's help button does; the action plays the pupil.
void montrer(Seance& s, const std::function<void(TformAide&)>& action)
{
    s.p.fenetre<TformAide>(action);
    plateforme().montrerModal(*formAide);
}

// Looks at the window as it is, then leaves it.
void regarder(Seance& s, const std::function<void(TformAide&)>& examen)
{
    montrer(s, [&](TformAide& f) {
        examen(f);
        cliquer(f.bQuitter);
    });
}

QTextCharFormat formatDe(const QTextDocument& document, const QString& mot)
{
    const QTextCursor c = document.find(mot, 0, QTextDocument::FindCaseSensitively);
    EXPECT_FALSE(c.isNull()) << mot.toStdString();
    return c.charFormat();
}


} // namespace

TEST(Aide, OrdreDesCandidats)
{
    struct Cas {
        const char* nom;
        QStringList fichiers;
        QString exercice;
        QString aide; // "" when there is none
        bool image;
    };
    const QList<Cas> cas = {
        {"stem of a series", {"g/Accords-2.txt", "g/Accords.rtf"}, "g/Accords-2.txt", "g/Accords.rtf", false},
        {"own picture before the stem",
         {"g/Accords-2.txt", "g/Accords.rtf", "g/Accords-2.jpg"}, "g/Accords-2.txt", "g/Accords-2.jpg", true},
        {"own rich text before own picture",
         {"g/Accords-2.txt", "g/Accords-2.jpg", "g/Accords-2.rtf"}, "g/Accords-2.txt", "g/Accords-2.rtf", false},
        {"stem rich text before stem picture",
         {"g/Accords-2.txt", "g/Accords.jpg", "g/Accords.rtf"}, "g/Accords-2.txt", "g/Accords.rtf", false},
        {"stem cut in the folder name",
         {"Cycle-3/Accords.txt", "Cycle.jpg", "Cycle-3/Autre.rtf"}, "Cycle-3/Accords.txt", "Cycle.jpg", true},
        {"last dash of the name, not of the folder",
         {"Cycle-3/Accords-2.txt", "Cycle.rtf", "Cycle-3/Accords.jpg"}, "Cycle-3/Accords-2.txt", "Cycle-3/Accords.jpg", true},
        {"no help", {"g/Seul.txt", "g/Seul-2.rtf"}, "g/Seul.txt", "", false},
        {"capital extension beside nothing", {"g/X.TXT"}, "g/X.TXT", "", false},
        {"capital extension with its help", {"g/X.TXT", "g/X.rtf"}, "g/X.TXT", "g/X.rtf", false},
        {"exercise not ending in .txt is never its own help", {"g/Y.lst"}, "g/Y.lst", "", false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        Seance s(false);
        for (const QString& f : c.fichiers)
            s.ecrireLignes(f, {"##", "a|b"});
        bool image = !c.image;
        const QString aide = AideExercice(s.chemin(c.exercice), &image);
        EXPECT_EQ(aide, c.aide.isEmpty() ? QString() : s.chemin(c.aide));
        if (!c.aide.isEmpty()) {
            EXPECT_EQ(image, c.image);
        }
    }
}

TEST(Aide, PageEnTexteRiche)
{
    Seance s(false);
    s.creerFiches();
    s.ecrireLignes("g/Accords-2.txt", {"##", "a|b"});
    // Names are found whatever their case on disk.
    s.ecrireOctets("g/ACCORDS.RTF", pageRtf);
    etat.ExerciceCourant = s.chemin("g/Accords-2.txt");
    regarder(s, [](TformAide& f) {
        EXPECT_FALSE(f.eAide->isHidden());
        EXPECT_TRUE(f.ImageAide->isHidden());
        EXPECT_TRUE(f.eAide->isReadOnly());
        EXPECT_EQ(f.eAide->toPlainText(), QStringLiteral("L'adjectif s'accorde en genre et en nombre."));
        const QTextDocument& d = *f.eAide->document();
        EXPECT_EQ(formatDe(d, "genre").fontWeight(), QFont::Bold);
        EXPECT_FALSE(formatDe(d, "genre").fontItalic());
        EXPECT_TRUE(formatDe(d, "nombre").fontItalic());
        EXPECT_NE(formatDe(d, "nombre").fontWeight(), QFont::Bold);
        EXPECT_NE(formatDe(d, "accorde").fontWeight(), QFont::Bold);
        EXPECT_EQ(d.defaultFont().family(), QStringLiteral("Times New Roman"));
        EXPECT_EQ(d.defaultFont().pixelSize(), 20);
    });
    EXPECT_EQ(s.p.journalDe("boite"), QStringList());
}

TEST(Aide, PageQuiNestPasDuTexteRiche)
{
    Seance s(false);
    s.creerFiches();
    s.ecrireLignes("Règles.txt", {"##", "a|b"});
    s.ecrireLignes("Règles.rtf", {"Relis la règle :", "le participe passé s'accorde."});
    etat.ExerciceCourant = s.chemin("Règles.txt");
    regarder(s, [](TformAide& f) {
        EXPECT_FALSE(f.eAide->isHidden());
        EXPECT_EQ(f.eAide->toPlainText(),
                  QStringLiteral("Relis la règle :\nle participe passé s'accorde.\n"));
    });
}

TEST(Aide, ImageReduiteSansDeformation)
{
    struct Cas {
        QSize image;
        QSize montree;
    };
    const QList<Cas> cas = {
        {{1200, 300}, {609, 152}}, // too wide: the width fits
        {{200, 900}, {66, 297}},   // too tall: the height fits
        {{1218, 594}, {609, 297}}, // the area's own proportions
        {{100, 50}, {100, 50}},    // small: never enlarged
    };
    Seance s(false);
    s.creerFiches();
    s.ecrireLignes("Image.txt", {"##", "a|b"});
    etat.ExerciceCourant = s.chemin("Image.txt");
    for (const Cas& c : cas) {
        SCOPED_TRACE(QStringLiteral("%1 x %2").arg(c.image.width()).arg(c.image.height()).toStdString());
        s.ecrireOctets("Image.jpg", jpeg(c.image.width(), c.image.height()));
        regarder(s, [&](TformAide& f) {
            EXPECT_TRUE(f.eAide->isHidden());
            EXPECT_FALSE(f.ImageAide->isHidden());
            EXPECT_EQ(f.ImageAide->size(), QSize(609, 297));
            EXPECT_EQ(f.ImageAide->alignment(), Qt::AlignCenter);
            EXPECT_EQ(f.ImageAide->pixmap().size(), c.montree);
        });
    }
}

TEST(Aide, RechargeeAChaqueActivation)
{
    Seance s(false);
    s.creerFiches();
    s.ecrireOctets("g/Accords.rtf", pageRtf);
    s.ecrireOctets("g/Présent.jpg", jpeg(40, 30));

    etat.ExerciceCourant = s.chemin("g/Accords-1.txt");
    regarder(s, [](TformAide& f) { EXPECT_TRUE(f.eAide->toPlainText().startsWith("L'adjectif")); });

    etat.ExerciceCourant = s.chemin("g/Présent.txt");
    regarder(s, [](TformAide& f) {
        EXPECT_TRUE(f.eAide->isHidden());
        EXPECT_FALSE(f.ImageAide->isHidden());
        EXPECT_EQ(f.ImageAide->pixmap().size(), QSize(40, 30));
    });

    // No help at all: the window keeps what it showed.
    etat.ExerciceCourant = s.chemin("g/Sans aide.txt");
    regarder(s, [](TformAide& f) {
        EXPECT_TRUE(f.eAide->isHidden());
        EXPECT_FALSE(f.ImageAide->isHidden());
        EXPECT_EQ(f.ImageAide->pixmap().size(), QSize(40, 30));
    });

    etat.ExerciceCourant = s.chemin("g/Accords-2.txt");
    regarder(s, [](TformAide& f) {
        EXPECT_FALSE(f.eAide->isHidden());
        EXPECT_TRUE(f.ImageAide->isHidden());
    });
    s.ecrireOctets("g/Accords.rtf", "{\\rtf1 Nouvelle page.}");
    regarder(s, [](TformAide& f) { EXPECT_EQ(f.eAide->toPlainText(), QStringLiteral("Nouvelle page.")); });

    etat.ExerciceCourant = s.chemin("g/Sans aide.txt");
    regarder(s, [](TformAide& f) {
        EXPECT_FALSE(f.eAide->isHidden());
        EXPECT_EQ(f.eAide->toPlainText(), QStringLiteral("Nouvelle page."));
    });
}

TEST(Aide, FermetureVideLePressePapiers)
{
    const QList<std::pair<const char*, std::function<void(TformAide&)>>> facons = {
        {"Quitter", [](TformAide& f) { cliquer(f.bQuitter); }},
        {"close box", [](TformAide& f) { f.close(); }},
        {"Escape", [](TformAide& f) { touche(&f, Qt::Key_Escape); }},
    };
    for (const auto& [nom, fermer] : facons) {
        SCOPED_TRACE(nom);
        Seance s(false);
        s.creerFiches();
        s.ecrireOctets("Accords.rtf", pageRtf);
        etat.ExerciceCourant = s.chemin("Accords.txt");
        const auto& fermer_ = fermer; // clang 14 cannot capture a structured binding
        montrer(s, [&](TformAide& f) {
            EXPECT_FALSE(s.p.journal.contains(QStringLiteral("presse-papiers vidé")));
            fermer_(f);
        });
        EXPECT_EQ(s.p.journal, QStringList({"fenetre TformAide", "presse-papiers vidé"}));
    }
}

TEST(Aide, FichierIllisible)
{
    {
        SCOPED_TRACE("rich text that cannot be opened");
        Seance s(false);
        s.creerFiches();
        s.ecrireOctets("Accords.rtf", pageRtf);
        etat.ExerciceCourant = s.chemin("Accords-1.txt");
        regarder(s, [](TformAide&) {});
        QFile::remove(s.chemin("Accords.rtf"));
        QFile::link(QStringLiteral("/proc/self/mem"), s.chemin("Accords.rtf"));
        etat.ExerciceCourant = s.chemin("Accords-2.txt");
        s.p.boite(ReponseBoite::Ok, "Erreur d'entrée/sortie sur le fichier " + s.chemin("Accords.rtf") + ".");
        // The window stays open, without the page of the exercise before.
        regarder(s, [](TformAide& f) {
            EXPECT_FALSE(f.eAide->isHidden());
            EXPECT_EQ(f.eAide->toPlainText(), QString());
        });
    }
    {
        SCOPED_TRACE("picture that cannot be decoded");
        Seance s(false);
        s.creerFiches();
        s.ecrireOctets("Présent.jpg", jpeg(40, 30));
        etat.ExerciceCourant = s.chemin("Présent.txt");
        regarder(s, [](TformAide&) {});
        s.ecrireOctets("Présent.jpg", "\xFF\xD8\xFF\xE0 pas une image");
        s.p.boite(ReponseBoite::Ok, "Erreur d'entrée/sortie sur le fichier " + s.chemin("Présent.jpg") + ".");
        regarder(s, [](TformAide& f) {
            EXPECT_FALSE(f.ImageAide->isHidden());
            EXPECT_TRUE(f.ImageAide->pixmap().isNull());
        });
        EXPECT_EQ(s.p.journalDe("boite").size(), 1);
    }
}
