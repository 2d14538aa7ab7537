// The results folder and the exercise bank as the welcome screen reads them.

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "Arborescences.h"
#include "ErreurES.h"
#include "Seance.h"
#include "Texte.h"

TEST(AccueilArborescences, GroupesEtEleves)
{
    Seance s(false);
    QDir().mkpath(s.chemin("_Bilans/cm2"));
    QDir().mkpath(s.chemin("_Bilans/CE1"));
    QDir().mkpath(s.chemin("_Bilans/Ancien.2024"));
    QDir().mkpath(s.chemin("_Bilans/.cache"));
    s.ecrireLignes("_Bilans/Notes", {});         // a file without extension is a group
    s.ecrireLignes("_Bilans/Liste.txt", {});     // a dotted name never is
    s.ecrireLignes("_Bilans/Sacha_Pwd.txt", {"soleil"});
    EXPECT_EQ(listerGroupes(s.chemin("_Bilans/")), QStringList({"CE1", "cm2", "Notes"}));

    s.ecrireLignes("_Bilans/CE1/Zoé_Pwd.txt", {});
    s.ecrireLignes("_Bilans/CE1/hugo_PWD.TXT", {});
    s.ecrireLignes("_Bilans/CE1/Anna_Pwd.txt_Pwd.txt", {});
    s.ecrireLignes("_Bilans/CE1/Zoé_OBV_Detail.txt", {});
    s.ecrireLignes("_Bilans/CE1/Pwd.txt", {});
    QDir().mkpath(s.chemin("_Bilans/CE1/Dossier_Pwd.txt"));
    EXPECT_EQ(listerEleves(s.chemin("_Bilans/CE1/")), QStringList({"Anna", "hugo", "Zoé"}));
    EXPECT_EQ(listerEleves(s.chemin("_Bilans/")), QStringList({"Sacha"}));
    EXPECT_TRUE(listerEleves(s.chemin("_Bilans/Absent/")).isEmpty());
}

TEST(AccueilArborescences, MotDePasseStocke)
{
    Seance s(false);
    const struct {
        QByteArray octets; // null: no file
        QString attendu;
    } cas[] = {
        {QByteArray(), ""},
        {"", ""},
        {"chat\r\n", "chat"},
        {"chat", "chat"},
        {"ancien\r\nNouveau \r\n", "Nouveau "},
        {"chat\r\n\r\n", ""},
        {"   \r\n", "   "},
        {"\xE9t\xE9\r\n", "été"},
    };
    int n = 0;
    for (const auto& c : cas) {
        const QString nom = QStringLiteral("g/E%1_Pwd.txt").arg(n++);
        if (!c.octets.isNull())
            s.ecrireOctets(nom, c.octets);
        EXPECT_EQ(lireMotDePasse(s.chemin(nom)), c.attendu) << nom.toStdString();
    }
    EXPECT_EQ(FichierMotDePasse("/b/CM1/", "Léa"), QStringLiteral("/b/CM1/Léa_Pwd.txt"));
    // Found whatever the case of the file's name.
    s.ecrireLignes("g/LEA_pwd.TXT", {"chat"});
    EXPECT_EQ(lireMotDePasse(s.chemin("g/Léa_Pwd.txt")), QString());
    EXPECT_EQ(lireMotDePasse(s.chemin("g/Lea_Pwd.txt")), QStringLiteral("chat"));
    // Neither a folder of that name nor a dangling link holds a password.
    QDir().mkpath(s.chemin("g/Dossier_Pwd.txt"));
    EXPECT_EQ(lireMotDePasse(s.chemin("g/Dossier_Pwd.txt")), QString());
    QFile::link(s.chemin("g/absent"), s.chemin("g/Lien_Pwd.txt"));
    EXPECT_EQ(lireMotDePasse(s.chemin("g/Lien_Pwd.txt")), QString());
}

TEST(AccueilArborescences, NormalisationEtTextesPermis)
{
    const struct {
        QString texte, normal;
    } normaux[] = {
        {"  Chat ", "chat"},
        {"\tCHAT\r\n", "chat"},
        {"ÉTÉ", "ÉtÉ"},
        {"   ", ""},
        {"Mot De Passe", "mot de passe"},
    };
    for (const auto& c : normaux)
        EXPECT_EQ(normaliser(c.texte), c.normal) << c.texte.toStdString();

    for (const QString p : {"Léa", "Jean-Luc", "Marie Claire", ".Léa", "O'Neil", "Zoé.2"})
        EXPECT_TRUE(prenomAutorise(p)) << p.toStdString();
    for (const QString p : {"", "../x", "..", " . ", "   ", "a/b", "a\\b", "C:", "x*", "x?", "\"x\"", "<x",
                             "x>", "a|b"})
        EXPECT_FALSE(prenomAutorise(p)) << p.toStdString();
    EXPECT_FALSE(prenomAutorise(QStringLiteral("a\nb")));
    EXPECT_FALSE(prenomAutorise(QString(QChar(127))));

    for (const QString m : {"chat", "été", "œuf 20€", " a b "})
        EXPECT_TRUE(motDePasseEnregistrable(m)) << m.toStdString();
    for (const QString m : {"ā", "猫", "a\nb", "a\rb"})
        EXPECT_FALSE(motDePasseEnregistrable(m)) << m.toStdString();
}

TEST(AccueilArborescences, BanqueExemple)
{
    Seance s;
    const QString racine = s.chemin("_Exercices_OBV/");
    NavigateurOmbrivelle n;
    auto textes = [](const QList<EntreeBanque>& l) {
        QStringList r;
        for (const EntreeBanque& e : l)
            r.append(e.texte);
        return r;
    };
    QDir().mkpath(racine + "[Tous les items à valider]/CM1");
    s.ecrireLignes("_Exercices_OBV/[Tous les items à valider]/CM1/Léa_AValider.txt", {"x|y"});
    s.ecrireLignes("_Exercices_OBV/[Tous les items à valider]/Exercice.txt", {"x|y"});

    EXPECT_EQ(textes(n.lister(s.chemin("_Exercices_OBV"), QString())),
              QStringList({"[+] Conjugaison", "[+] Grammaire", "[+] Orthographe", "[+] Vocabulaire",
                           "[+] [Tous les exercices personnels]"}));
    const QString personnel = fichierExercicesPersonnels(racine, "CM1", "Léa");
    EXPECT_EQ(personnel, racine + "[Tous les exercices personnels]/CM1/Léa.txt");
    const QList<EntreeBanque> racineAvecPerso = n.lister(s.chemin("_Exercices_OBV"), personnel);
    EXPECT_EQ(racineAvecPerso.size(), 6);
    EXPECT_EQ(racineAvecPerso.last().texte, QStringLiteral("Mes exercices personnels"));
    EXPECT_EQ(racineAvecPerso.last().genre, EntreeBanque::Genre::Personnel);
    EXPECT_EQ(textes(n.lister(s.chemin("_Exercices_OBV"), racine + "[Tous les exercices personnels]/CM1/Tom.txt")).size(),
              5);

    EXPECT_EQ(textes(n.lister(s.chemin("_Exercices_OBV/Orthographe"), personnel)),
              QStringList({"Mes exercices personnels", "Homophones a et à", "Le pluriel des noms",
                           "Les mots avec apostrophe", "Les mots avec œ"}));
    EXPECT_EQ(textes(n.lister(s.chemin("_Exercices_OBV/Vocabulaire"), QString())),
              QStringList({"Les synonymes"}));
    EXPECT_EQ(textes(n.lister(s.chemin("_Exercices_OBV/Conjugaison"), QString())),
              QStringList({"[+] Passé composé", "[+] Présent"}));
    EXPECT_EQ(textes(n.lister(s.chemin("_Exercices_OBV/Grammaire"), QString())),
              QStringList({"Accords-1", "Accords-2", "Les noms de la phrase"}));
}

TEST(AccueilArborescences, DossiersEtExercices)
{
    Seance s(false);
    const QString b = s.chemin("b");
    s.ecrireLignes("b/Aides/aide.rtf", {});
    s.ecrireLignes("b/Aides/image.jpg", {});
    s.ecrireLignes("b/Propositions/Léa_AValider.txt", {"x|y"});
    QDir().mkpath(s.chemin("b/Themes/Vide"));
    QDir().mkpath(s.chemin("b/Vide"));
    s.ecrireLignes("b/Série.2/Ex.txt", {});
    s.ecrireLignes("b/Majuscules/EXERCICE.TXT", {});
    s.ecrireLignes("b/Sansextension", {});
    s.ecrireLignes("b/Dictée.TXT", {});
    s.ecrireLignes("b/notes.txt.bak", {});
    s.ecrireLignes("b/Tom_AVALIDER.TXT", {});
    s.ecrireLignes("b/Mes exercices personnels 2.txt", {});
    QDir().mkpath(s.chemin("b/Faux.txt"));
    QDir().mkpath(s.chemin("b/[Tous les exercices personnels]/CM1"));
    QDir().mkpath(s.chemin("b/[Tous les items à valider]/CM1"));

    NavigateurOmbrivelle n;
    const QList<EntreeBanque> l = n.lister(b, QString());
    QStringList t;
    for (const EntreeBanque& e : l)
        t.append(e.texte);
    EXPECT_EQ(t, QStringList({"[+] Majuscules", "[+] Themes", "[+] [Tous les exercices personnels]",
                              "Dictée", "Mes exercices personnels 2"}));
    EXPECT_EQ(l[0].nom, QStringLiteral("Majuscules"));

    // What an entry leads to.
    EXPECT_TRUE(n.entrable(b, l[0]));
    EXPECT_TRUE(n.entrable(b, l[1])); // a sub-folder is enough
    EXPECT_FALSE(n.commencable(b, l[0]));
    EXPECT_FALSE(n.entrable(b, l[3]));
    EXPECT_TRUE(n.commencable(b, l[3]));
    EXPECT_EQ(n.exercice(b, l[3], "/perso.txt"), b + "/Dictée.txt");
    // An exercise named like the personal entry is an exercise all the same.
    EXPECT_EQ(n.exercice(b, l[4], "/perso.txt"), b + "/Mes exercices personnels 2.txt");
    EXPECT_EQ(n.exercice(b, {EntreeBanque::Genre::Personnel, QString(), "Mes exercices personnels"}, "/perso.txt"),
              QStringLiteral("/perso.txt"));
    // A folder that no longer qualifies is not entered; a proposal is enough to enter one.
    EXPECT_FALSE(n.entrable(b, {EntreeBanque::Genre::Dossier, "Aides", "[+] Aides"}));
    EXPECT_TRUE(n.entrable(b, {EntreeBanque::Genre::Dossier, "Propositions", "[+] Propositions"}));
    EXPECT_FALSE(n.entrable(b, {EntreeBanque::Genre::Dossier, "Absent", "[+] Absent"}));
    EXPECT_FALSE(n.entrable(b, {EntreeBanque::Genre::Exercice, "Themes", "Themes"}));
}

// A bank unpacked from an archive made on Windows: folder and file names in Windows-1252
// bytes. Every one is shown, entered and opened.
TEST(AccueilArborescences, BanqueVenueDeWindows)
{
    Seance s(false);
    const QString b = s.chemin("b");
    s.ecrireNomWindows("b/Th\xe8mes/Le pr\xe9sent.txt", "Conjugue.\r\n##\r\nje (\xeatre)|suis\r\n");
    s.ecrireNomWindows("b/Accords au f\xe9minin.txt", "");
    s.ecrireLignes("b/Pluriel.txt", {});

    NavigateurOmbrivelle n;
    QStringList t;
    const QList<EntreeBanque> racine = n.lister(b, QString());
    for (const EntreeBanque& e : racine)
        t.append(e.texte);
    EXPECT_EQ(t, QStringList({"[+] Th\u00e8mes", "Accords au f\u00e9minin", "Pluriel"}));
    ASSERT_TRUE(n.entrable(b, racine[0]));
    const QList<EntreeBanque> themes = n.lister(b + "/" + racine[0].nom, QString());
    ASSERT_EQ(themes.size(), 1);
    EXPECT_EQ(themes[0].texte, QStringLiteral("Le pr\u00e9sent"));
    const QString exercice = n.exercice(b + "/" + racine[0].nom, themes[0], QString());
    EXPECT_EQ(lireLignes(exercice), QStringList({"Conjugue.", "##", "je (\u00eatre)|suis"}));
}

TEST(AccueilArborescences, PurgeDesExercicesPersonnels)
{
    Seance s(false);
    const QString racine = s.chemin("b/");
    NavigateurOmbrivelle().purger(racine); // no personal folder: nothing to do
    const QString p = "b/[Tous les exercices personnels]/";
    s.ecrireOctets(p + "CM1/Vide.txt", "");
    s.ecrireOctets(p + "CM1/Lignes.txt", "\r\n\r\n");
    s.ecrireOctets(p + "CM1/Espaces.txt", "\r\n   \r\n");
    s.ecrireOctets(p + "CM1/Item.txt", "un|1\r\n");
    s.ecrireOctets(p + "CM1/Vide.rtf", "");
    s.ecrireOctets(p + "CE2/VIDE.TXT", "");
    s.ecrireOctets(p + "Ancien.2024/Vide.txt", "");
    s.ecrireOctets(p + "Racine.txt", "");
    NavigateurOmbrivelle().purger(racine);
    EXPECT_FALSE(s.existe(p + "CM1/Vide.txt"));
    EXPECT_FALSE(s.existe(p + "CM1/Lignes.txt"));
    EXPECT_FALSE(s.existe(p + "CE2/VIDE.TXT"));
    EXPECT_TRUE(s.existe(p + "CM1/Espaces.txt"));
    EXPECT_TRUE(s.existe(p + "CM1/Item.txt"));
    EXPECT_TRUE(s.existe(p + "CM1/Vide.rtf"));
    EXPECT_TRUE(s.existe(p + "Ancien.2024/Vide.txt"));
    EXPECT_TRUE(s.existe(p + "Racine.txt"));

    // A personal file that cannot be read stops the purge with the input/output error.
    // (A file whose reading fails whoever runs the tests: a link to this process's memory.)
    QFile::link(QStringLiteral("/proc/self/mem"), s.chemin(p + "CM1/Lien.txt"));
    EXPECT_THROW(NavigateurOmbrivelle().purger(racine), ErreurES);
}

TEST(AccueilArborescences, ToujoursDansLaBanque)
{
    Seance s(false);
    QDir().mkpath(s.chemin("Banque/Theme/Sous"));
    QDir().mkpath(s.chemin("Banque2"));
    QFile::link(s.chemin("Banque/Theme"), s.chemin("Lien"));
    const QString racine = s.chemin("Banque/");
    const struct {
        QString dossier;
        bool dedans;
    } cas[] = {
        {s.chemin("Banque"), false},
        {s.chemin("Banque/"), false},
        {s.chemin("Banque/Theme"), true},
        {s.chemin("Banque/Theme/Sous"), true},
        {s.chemin("Banque/Theme/.."), false},
        {s.chemin("Banque2"), false},
        {s.chemin(""), false},
        {"/", false},
        {s.chemin("Lien"), true},
        {QString(), false},
    };
    for (const auto& c : cas)
        EXPECT_EQ(dansLaBanque(c.dossier, racine), c.dedans) << c.dossier.toStdString();
    EXPECT_FALSE(dansLaBanque(s.chemin("Banque/Theme"), QString()));
}
