// Nothing lost, nothing hangs: the results, settings and log files under failing writes, kills,
// FIFOs in place of files, and texts that must read back as they were written.

#include <gtest/gtest.h>

#include <QDir>
#include <QToolButton>

#include <QFile>
#include <QRandomGenerator>

#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include "Arborescences.h"
#include "Chemins.h"
#include "Comparaison.h"
#include "Enfant.h"
#include "ErreurES.h"
#include "Etat.h"
#include "Exercice.h"
#include "Fichiers.h"
#include "Parametres.h"
#include "Deroulement.h"
#include "FichierDetail.h"
#include "FichierExos.h"
#include "FichierMotDePasse.h"
#include "FichierReussites.h"
#include "Plateforme.h"
#include "Reussites.h"
#include "Seance.h"
#include "Texte.h"
#include "Unit1.h"
#include "Unit2.h"

namespace {

// Léa of CM1, her successes loaded from the lines given.
void eleve(Seance& s, const QStringList& reussites)
{
    QDir().mkpath(s.chemin("_Bilans/CM1"));
    etat.RepertoireBilans = s.chemin("_Bilans/");
    etat.RepertoireGroupe = s.chemin("_Bilans/CM1/");
    etat.EleveCourant = QStringLiteral("Léa");
    s.ecrireLignes("_Bilans/CM1/Léa_OBV_Reussites.txt", reussites);
    s.ecrireLignes("_Bilans/CM1/Léa_OBV_Detail.txt", {"07/12/2026 à 14:05:32 - 2 items - Exercice [Pluriels]"});
    ChargerReussites();
}

QStringList tableDe(int lignes, int compte)
{
    QStringList t;
    for (int i = 0; i < lignes; ++i)
        t.append(QStringLiteral("item numéro %1|%2").arg(i).arg(compte));
    return t;
}

// The n-th write reaching the step fails (n counted from 1).
EtapeEcriture etapeEnPanne;
int rangEnPanne = 0, rangCourant = 0;
bool panne(EtapeEcriture e)
{
    return e == etapeEnPanne && ++rangCourant == rangEnPanne;
}
void injecter(EtapeEcriture e, int rang = 1)
{
    etapeEnPanne = e;
    rangEnPanne = rang;
    rangCourant = 0;
    injecterPanneEcriture(panne);
}
struct SansPanne {
    ~SansPanne() { injecterPanneEcriture(nullptr); }
};

const char* const successes = "_Bilans/CM1/Léa_OBV_Reussites.txt";
const char* const sauvegarde = "_Bilans/CM1/Léa_OBV_Reussites.old";
const char* const journal = "_Bilans/CM1/Léa_OBV_Detail.txt";
const char* const reglages = "ombrivelle.ini";

// The save as the windows make it: a recovery is told in the box.
void enregistrer()
{
    if (EnregistrerReussites() == Enregistrement::Recupere)
        plateforme().boite(titreRecuperationReussites(), messageRecuperationReussites(), TypeBoite::Simple,
                           BoutonsBoite::Ok);
}

} // namespace

TEST(FichiersSurs, EcritureQuiEchoueEnCoursDeRoute)
{
    SansPanne fin;
    Seance s(false);
    const QStringList anciens = {"le chat|2-0-1", "un journal, des ...|1"};
    const QStringList anciensReglages = {"TEMPS LECTURE=5", "REPONSES NECESSAIRES=3"};
    for (EtapeEcriture e : {EtapeEcriture::Ecriture, EtapeEcriture::Synchronisation, EtapeEcriture::Fermeture,
                            EtapeEcriture::Renommage, EtapeEcriture::Creation}) {
        SCOPED_TRACE(static_cast<int>(e));
        eleve(s, anciens);
        s.ecrireLignes(reglages, anciensReglages);
        const QByteArray ancien = s.lireOctets(successes), ancienJournal = s.lireOctets(journal),
                         ancienReglages = s.lireOctets(reglages);
        CompterReussite(QStringLiteral("Un cheval"));

        // The successes file cannot be written (the backup is the first write of the save, the
        // file the second): the input/output error, the old file whole, the success kept.
        injecter(e, 2);
        EXPECT_THROW(enregistrer(), ErreurES);
        injecterPanneEcriture(nullptr);
        EXPECT_EQ(s.lireOctets(successes), ancien);
        // The backup cannot be written: the save goes on without it and nothing is said.
        injecter(e, 1);
        enregistrer();
        injecterPanneEcriture(nullptr);
        EXPECT_EQ(lireLignes(s.chemin(successes)), anciens + QStringList({"un cheval|1"}));
        EXPECT_EQ(s.lireOctets(sauvegarde), ancien); // the good backup of the first try

        // Written through the raising routine: the input/output error.
        const QByteArray enregistre = s.lireOctets(successes);
        injecter(e);
        EXPECT_THROW(ecrireLignes(s.chemin(successes), {"x|1"}), ErreurES);
        injecter(e);
        EXPECT_THROW(ecrireLignes(s.chemin(reglages), {"TEMPS LECTURE=8"}), ErreurES);
        injecterPanneEcriture(nullptr);
        EXPECT_EQ(s.lireOctets(successes), enregistre);
        EXPECT_EQ(s.lireOctets(reglages), ancienReglages);

        // A log line: the error; what was written of it is a line of its own, and the next
        // line is whole after it.
        if (e == EtapeEcriture::Ecriture || e == EtapeEcriture::Fermeture) {
            const QString ligne = QStringLiteral("Item réussi un cheval en 4 s.");
            const QByteArray octets = versWindows1252(ligne + QStringLiteral("\r\n"));
            injecter(e);
            EXPECT_THROW(AjouterLigne(s.chemin(journal), ligne), ErreurES);
            injecterPanneEcriture(nullptr);
            const QByteArray dechiree = e == EtapeEcriture::Ecriture ? octets.left(octets.size() / 2 - 2) + "\r\n" : octets;
            EXPECT_EQ(s.lireOctets(journal), ancienJournal + dechiree);
            AjouterLigne(s.chemin(journal), ligne);
            EXPECT_EQ(s.lireOctets(journal), ancienJournal + dechiree + octets);
        }
        // No temporary file stays behind.
        EXPECT_EQ(QDir(s.chemin("_Bilans/CM1")).entryList(QDir::Files | QDir::Hidden).filter(".tmp"), QStringList());
    }
    // Without a failure the save goes through, the backup holding the file before it.
    const QByteArray avant = s.lireOctets(successes);
    enregistrer();
    EXPECT_EQ(s.lireOctets(sauvegarde), avant);
    EXPECT_EQ(lireLignes(s.chemin(successes)).last(), QStringLiteral("un cheval|1"));
}

TEST(FichiersSurs, LimiteDeTailleDansUnEnfant)
{
    // Under a file-size limit (ulimit -f), a child saves: the whole files stay as they were, the
    // error is told each time, and the log holds what fitted of its line, ended as a line.
    Seance s(false);
    eleve(s, tableDe(300, 1));
    for (int i = 0; i < 300; ++i)
        CompterReussite(QStringLiteral("item numéro %1").arg(i)); // same lines, longer file
    CompterReussite(QStringLiteral("un nouveau"));
    s.ecrireLignes(reglages, {"TEMPS LECTURE=5"});
    const QByteArray ancien = s.lireOctets(successes), ancienJournal = s.lireOctets(journal),
                     ancienReglages = s.lireOctets(reglages);
    const rlim_t limite = static_cast<rlim_t>(ancien.size() + 5); // the backup fits, the new file not
    const int code = dansUnEnfant([&] {
        s.p.echec = nullptr; // the journal is read instead
        rlimit l{limite, limite};
        setrlimit(RLIMIT_FSIZE, &l);
        try {
            enregistrer();
            return 1;
        } catch (const ErreurES&) {
        }
        try {
            ecrireLignes(s.chemin(reglages), QStringList(2000, QStringLiteral("TEMPS LECTURE=6")));
            return 2;
        } catch (const ErreurES&) {
        }
        try {
            AjouterLigne(s.chemin(journal), QString(20000, QLatin1Char('x')));
            return 3;
        } catch (const ErreurES&) {
        }
        return 0;
    });
    EXPECT_EQ(code, 0);
    EXPECT_EQ(s.lireOctets(successes), ancien);
    EXPECT_EQ(s.lireOctets(journal), ancienJournal + QByteArray(limite - ancienJournal.size() - 2, 'x') + "\r\n");
    EXPECT_EQ(s.lireOctets(reglages), ancienReglages);
}

TEST(FichiersSurs, TueEnPleineSauvegarde)
{
    // A child saves over and over and is killed at a random moment, 100 times a file. A file
    // rewritten whole holds the old content or the new, never a mix. A log keeps, whole, every
    // line that its writer was told was written; the kill may tear the line being written (a
    // write can stop at any page boundary), and what comes next is a line of its own after it.
    Seance s(false);
    eleve(s, tableDe(3000, 1));
    // Every row with the same count: one save's file, whichever it was.
    auto tableEntiere = [](const QByteArray& octets) {
        const QStringList lignes = decouperLignes(depuisWindows1252(octets));
        if (!octets.endsWith("\r\n") || lignes.size() != 3000)
            return false;
        const QString comptes = lignes[0].section(QLatin1Char('|'), 1);
        for (int r = 0; r < 3000; ++r)
            if (lignes[r] != QStringLiteral("item numéro %1|").arg(r) + comptes)
                return false;
        return true;
    };
    const QByteArray reglagesA = octetsLignes(QStringList(3000, QStringLiteral("TEMPS LECTURE=5")));
    const QByteArray reglagesB = octetsLignes(QStringList(2000, QStringLiteral("REPONSES NECESSAIRES=3")));
    s.ecrireOctets(reglages, reglagesA);
    const QString ligneJournal = QStringLiteral("Item réussi un journal, des ... en 1 min 2 s.");
    const QByteArray entete = s.lireOctets(journal);
    // How many lines the log's writer was told were written, seen by the parent.
    void* partage = mmap(nullptr, sizeof(int), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(partage, MAP_FAILED);
    auto* ecrites = static_cast<volatile int*>(partage);
    int annoncees = 0;
    auto delai = [] { return QRandomGenerator::global()->bounded(300, 8000); };
    for (int i = 0; i < 100; ++i) {
        tuerEnCours([&] {
            for (;;) {
                for (int r = 0; r < 3000; ++r)
                    CompterReussite(QStringLiteral("item numéro %1").arg(r));
                enregistrer();
            }
        }, delai());
        ASSERT_TRUE(tableEntiere(s.lireOctets(successes))) << "successes, coup " << i;
        const QByteArray old = s.lireOctets(sauvegarde);
        ASSERT_TRUE(old.isNull() || tableEntiere(old)) << "backup: " << old.size() << " octets, coup " << i;

        tuerEnCours([&] {
            for (int k = 0;; ++k)
                ecrireLignesSansErreur(s.chemin(reglages), decouperLignes(depuisWindows1252(k % 2 ? reglagesA : reglagesB)));
        }, delai());
        const QByteArray r = s.lireOctets(reglages);
        ASSERT_TRUE(r == reglagesA || r == reglagesB) << "settings: " << r.size() << " octets, coup " << i;

        *ecrites = 0;
        tuerEnCours([&] {
            for (;;) {
                AjouterLigne(s.chemin(journal), ligneJournal);
                *ecrites = *ecrites + 1;
            }
        }, delai() / 10);
        annoncees += *ecrites;
    }
    munmap(partage, sizeof(int));

    // Read as the results window reads it: the header, whole lines, and torn ones on their own
    // (a tear may fall in the line end written before a line, leaving a CR behind).
    const QByteArray j = s.lireOctets(journal);
    ASSERT_TRUE(j.startsWith(entete));
    int entieres = 0;
    for (QString l : decouperLignes(decoderFichier(j.mid(entete.size())))) {
        if (l == ligneJournal) {
            ++entieres;
            continue;
        }
        while (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
        ASSERT_TRUE(ligneJournal.startsWith(l)) << l.toStdString();
    }
    EXPECT_GE(entieres, annoncees);
    EXPECT_LE(entieres, annoncees + 100); // at most the line of each kill, not yet counted
}

TEST(FichiersSurs, FifoALaPlaceDeChaqueFichier)
{
    // A FIFO named like each data file: skipped or reported, never waited on.
    Minuteur delai(120);
    Seance s(false);
    s.creerFiches();
    eleve(s, {});
    auto fifo = [&s](const QString& relatif) {
        QFile::remove(s.chemin(relatif));
        ASSERT_EQ(mkfifo(QFile::encodeName(s.chemin(relatif)).constData(), 0666), 0) << relatif.toStdString();
    };
    QDir().mkpath(s.chemin("_Exercices_OBV"));
    s.ecrireLignes("_Exercices_OBV/Vrai.txt", {"##", "chat|chats"});
    fifo(QStringLiteral("_Exercices_OBV/x.txt"));
    fifo(QStringLiteral("_Exercices_OBV/Vrai.rtf"));
    fifo(QStringLiteral("_Bilans/CM1/Max_Pwd.txt"));
    s.ecrireLignes("_Bilans/CM1/Léa_Pwd.txt", {"lune"});
    fifo(QString::fromUtf8(successes));
    fifo(QString::fromUtf8(journal));
    fifo(QStringLiteral("_Bilans/CM1/Léa_OBV_Exos.txt"));

    // The exercise: not offered, and reported when named all the same.
    QStringList offerts;
    for (const EntreeBanque& e : NavigateurOmbrivelle().lister(s.chemin("_Exercices_OBV"), QString()))
        offerts.append(e.texte);
    EXPECT_EQ(offerts, QStringList({"Vrai"}));
    EXPECT_THROW(lireLignesExercice(s.chemin("_Exercices_OBV/x.txt")), ErreurES);
    // The help page: none.
    EXPECT_EQ(AideExercice(s.chemin("_Exercices_OBV/Vrai.txt")), QString());
    // The password file: no pupil.
    EXPECT_EQ(listerEleves(s.chemin("_Bilans/CM1/")), QStringList({"Léa"}));
    EXPECT_EQ(lireMotDePasse(s.chemin("_Bilans/CM1/Max_Pwd.txt")), QString());
    // The successes: nothing loaded, and the save is the input/output error; the logs: nothing
    // appended.
    ChargerReussites();
    EXPECT_TRUE(etat.TableReussites.estVide());
    CompterReussite(QStringLiteral("chat"));
    EXPECT_THROW(enregistrer(), ErreurES);
    AjouterLigne(FichierDetail(), QStringLiteral("ligne"));
    AjouterLigne(FichierExos(), QStringLiteral("ligne"));
    EXPECT_EQ(genreFichier(s.chemin(successes)), GenreFichier::Autre);
    EXPECT_FALSE(CreerFichierVide(s.chemin(journal)));
    // The settings file: missing.
    fifo(QStringLiteral("ombrivelle.ini"));
    const LectureParametres lecture = LireParametres(s.chemin("ombrivelle.ini"), ValeursParametres(), PoliceReponse());
    EXPECT_FALSE(lecture.fichierTrouve);
    EXPECT_EQ(lecture.messages, QStringList({"Fichier INI non trouvé."}));
}

TEST(FichiersSurs, TextesRelusCommeIlsOntEteEcrits)
{
    Seance s(false);
    struct Cas {
        const char* nom;
        QByteArray fichier;
        QByteArray ecrit; // what the save writes back
    };
    const QList<Cas> cas = {
        // "dÂ”" in Windows-1252 is valid UTF-8 holding a C1 control: kept as Windows-1252.
        {"C1", "\x64\xC2\x94\x7C\x31\x0D\x0A", "\x64\xC2\x94\x7C\x31\x0D\x0A"},
        {"Windows-1252", "\xE9l\xE8ve|2-0\r\nc\x9Cur|1\r\n\x81\x8D\x8F\x90\x9D|3\r\n",
         "\xE9l\xE8ve|2-0\r\nc\x9Cur|1\r\n\x81\x8D\x8F\x90\x9D|3\r\n"},
        {"UTF-8", "\xC3\xA9l\xC3\xA8ve|2-0\nc\xC5\x93ur|1\n", "\xE9l\xE8ve|2-0\r\nc\x9Cur|1\r\n"},
        // "Ã©" in Windows-1252 is C3 A9, which reads back "é": it stays UTF-8.
        {"UTF-8 ambigu", "\xC3\x83\xC2\xA9|1\r\n", "\xC3\x83\xC2\xA9|1\r\n"},
        {"marque", "\xEF\xBB\xBF\xC3\xA9t\xC3\xA9|1\r\n", "\xE9t\xE9|1\r\n"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        eleve(s, {});
        s.ecrireOctets(successes, c.fichier);
        ChargerReussites();
        QList<LigneReussite> avant;
        for (int i = 0; i < etat.TableReussites.taille(); ++i)
            avant.append(etat.TableReussites.ligne(i));
        enregistrer();
        EXPECT_EQ(s.lireOctets(successes), c.ecrit);
        ChargerReussites();
        ASSERT_EQ(etat.TableReussites.taille(), avant.size());
        for (int i = 0; i < avant.size(); ++i)
            EXPECT_EQ(etat.TableReussites.ligne(i).cle, avant[i].cle);
    }
    EXPECT_EQ(s.p.journalDe("boite"), QStringList());

    // An empty file saved "with BOM" by an editor: no recovery message at the first save.
    eleve(s, {});
    s.ecrireOctets(successes, "\xEF\xBB\xBF");
    ChargerReussites();
    EXPECT_TRUE(etat.TableReussites.estVide());
    enregistrer();
    EXPECT_EQ(s.p.journalDe("boite"), QStringList());
    EXPECT_EQ(compterLignesNonVides(s.chemin(sauvegarde)), 0);

    // A count with leading zeros is its value: the mastered item stays retired.
    // A line without "|" counts too (found by fuzzing: it did not, and a save changed the count).
    eleve(s, {"le chat|0000000003", "un chien|1-00000000002", "0000000007-0"});
    etat.NbReponsesNecessaires = 3;
    EXPECT_FALSE(ItemATravailler(QStringLiteral("Le chat|le chat")));
    EXPECT_TRUE(ItemATravailler(QStringLiteral("un chien|dog")));
    EXPECT_EQ(etat.NbItemsDejaReussis, 3);
    CompterReussite(QStringLiteral("un chien"));
    EXPECT_EQ(etat.TableReussites.ligne(1).comptes, QStringLiteral("1-3"));
}

TEST(FichiersSurs, NombresDesReglagesAvecDesZeros)
{
    Seance s(false);
    s.parametres({"REPONSES NECESSAIRES=0000000000000000000004", "TEMPS LECTURE=00000000000000000000010",
                  "TAILLE POLICE=000000000000000000000012", "COULEUR POLICE=-00000000000000000000255"});
    const LectureParametres lecture = LireParametres(s.chemin("ombrivelle.ini"), ValeursParametres(), PoliceReponse());
    ASSERT_TRUE(lecture.fichierTrouve);
    const PoliceReponse& police = lecture.police;
    EXPECT_EQ(lecture.valeurs.NbReponsesNecessaires, 4);
    EXPECT_EQ(lecture.valeurs.TempsLecture, 10);
    EXPECT_EQ(police.taillePoints, 12);
    EXPECT_EQ(police.couleur, -255);
}

TEST(FichiersSurs, ExerciceBinaire)
{
    // Random bytes with NUL among them: one input/output error box, nothing loaded.
    Seance s(false);
    s.parametres({"REPERTOIRE TEXTES=", "REPERTOIRE BILANS="});
    s.ecrireLignes("_Exercices_OBV/Pluriels.txt", {"##", "chat|chats"});
    QDir().mkpath(s.chemin("_Bilans"));
    QByteArray binaire(100000, '\0');
    for (char& c : binaire)
        c = static_cast<char>(QRandomGenerator::global()->bounded(256));
    binaire[50] = '\0';
    binaire += "\n|\n";
    s.ecrireOctets("_Exercices_OBV/Image.txt", binaire);
    s.p.fenetre<TForm2>([](TForm2& f) {
        etat.ExerciceCourant = etat.RepertoireExercices + QStringLiteral("Image.txt");
        f.Close();
    });
    s.p.boite(ReponseBoite::Ok);
    s.p.tirages = {0};
    s.demarrer();
    const QStringList boites = s.p.journalDe("boite");
    ASSERT_EQ(boites.size(), 1);
    EXPECT_TRUE(boites[0].endsWith("Erreur d'entrée/sortie sur le fichier " + etat.RepertoireExercices + "Image.txt."));
    EXPECT_EQ(deroulement().NbItems, 0);
    EXPECT_FALSE(Form1->bJaiEcrit->isEnabled());
}

TEST(FichiersSurs, FichiersTropGrandsRefuses)
{
    // Larger than any classroom file (sparse here: nothing on disk): the input/output error at
    // once, whatever the file.
    Seance s(false);
    eleve(s, {});
    for (const QString& f : {s.chemin(successes), s.chemin("Enorme.txt")}) {
        QFile fichier(f);
        ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
        ASSERT_TRUE(fichier.resize(tailleMaximaleLecture + 1));
    }
    EXPECT_THROW(ChargerReussites(), ErreurES);
    EXPECT_THROW(lireLignesExercice(s.chemin("Enorme.txt")), ErreurES);
    EXPECT_THROW(LireParametres(s.chemin("Enorme.txt"), ValeursParametres(), PoliceReponse()), ErreurES);
}

TEST(FichiersSurs, MotsPermutesTriesCommeLaRegle)
{
    // The sorted comparison gives what the rule word against word gives, on random answers
    // drawn from a few words so that lists often share them.
    auto reference = [](QStringList a, QStringList t, bool maj) {
        auto f = [maj](const QString& m) { return maj ? rogner(m) : minusculesAZ(rogner(m)); };
        for (QString& m : a)
            m = f(m);
        for (QString& m : t)
            m = f(m);
        if (a.size() != t.size())
            return false;
        for (const QString& m : a)
            if (!t.contains(m))
                return false;
        for (const QString& m : t)
            if (!a.contains(m))
                return false;
        return true;
    };
    const QStringList mots = {"le", "LE", "chat", "Chat", "\"le chat\"", "é", "É", "a\"\"b", "\""};
    QRandomGenerator hasard(2026);
    auto phrase = [&] {
        QStringList m;
        const int n = hasard.bounded(5);
        for (int i = 0; i < n; ++i)
            m.append(mots[hasard.bounded(mots.size())]);
        return m.join(hasard.bounded(2) ? QStringLiteral(" ") : QStringLiteral("  "));
    };
    int justes = 0;
    for (int i = 0; i < 20000; ++i) {
        const QString a = phrase(), t = phrase();
        ReglesComparaison r;
        r.motsPermutes = true;
        r.respectMajuscules = hasard.bounded(2);
        const bool entier = r.respectMajuscules ? rogner(a) == rogner(t) : minusculesAZ(rogner(a)) == minusculesAZ(rogner(t));
        const bool attendu = entier || reference(DecouperMots(a), DecouperMots(t), r.respectMajuscules);
        ASSERT_EQ(ReponseCorrecte(a, t, r), attendu) << a.toStdString() << " / " << t.toStdString();
        justes += attendu;
    }
    EXPECT_GT(justes, 500); // the draws do reach the right answers
}
