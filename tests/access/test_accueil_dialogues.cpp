// The two entry dialogs of the welcome screen: a first name, a password.

#include <QLabel>
#include <QStyle>

#include "test_accueil_outils.h"

using namespace outilsAccueil;

TEST(AccueilDialogues, MotDePasseValideAnnuleEtRepart)
{
    Seance s(false);
    s.creerFiches();
    TfMotDePasse& d = *fMotDePasse;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Mot de passe"));
    EXPECT_EQ(d.eMotDePasse->echoMode(), QLineEdit::Password);
    EXPECT_EQ(d.eMotDePasse->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, d.eMotDePasse),
              int('*'));

    // Enter keeps the text as typed, spaces included.
    d.eMotDePasse->setText("reste d'avant");
    s.p.fenetre<TfMotDePasse>([](TfMotDePasse& f) {
        EXPECT_TRUE(f.eMotDePasse->text().isEmpty());
        taper(f.eMotDePasse, " Été 2 ");
        touche(f.eMotDePasse, Qt::Key_Return);
    });
    plateforme().montrerModal(d);
    EXPECT_EQ(d.eMotDePasse->text(), QStringLiteral(" Été 2 "));

    // An empty field is refused and the dialog stays; Escape then cancels, emptying the field.
    s.p.fenetre<TfMotDePasse>([](TfMotDePasse& f) {
        touche(f.eMotDePasse, Qt::Key_Return);
        EXPECT_FALSE(f.fermetureEnAttente());
        cliquer(f.bOk);
        EXPECT_FALSE(f.fermetureEnAttente());
        taper(f.eMotDePasse, "abc");
        touche(f.eMotDePasse, Qt::Key_Escape);
    });
    s.p.boite(ReponseBoite::Ok, "Saisis ton mot de passe.");
    s.p.boite(ReponseBoite::Ok, "Saisis ton mot de passe.");
    plateforme().montrerModal(d);
    EXPECT_TRUE(d.eMotDePasse->text().isEmpty());
    EXPECT_EQ(s.p.journalDe("boite").first(),
              QStringLiteral("boite Simple | Ombrivelle | Saisis ton mot de passe."));

    // "Valider" with a field of spaces accepts it; "Annuler" and a window close cancel.
    s.p.fenetre<TfMotDePasse>([](TfMotDePasse& f) {
        taper(f.eMotDePasse, "  ");
        cliquer(f.bOk);
    });
    plateforme().montrerModal(d);
    EXPECT_EQ(d.eMotDePasse->text(), QStringLiteral("  "));
    s.p.fenetre<TfMotDePasse>([](TfMotDePasse& f) {
        taper(f.eMotDePasse, "x");
        cliquer(f.bAnnuler);
    });
    plateforme().montrerModal(d);
    EXPECT_TRUE(d.eMotDePasse->text().isEmpty());
    s.p.fenetre<TfMotDePasse>([](TfMotDePasse& f) {
        taper(f.eMotDePasse, "x");
        f.close();
    });
    plateforme().montrerModal(d);
    EXPECT_TRUE(d.eMotDePasse->text().isEmpty());
}

TEST(AccueilDialogues, NouvelEleveRefusOuAccord)
{
    Seance s(false);
    s.creerFiches();
    Form2->cChoixUtilisateur->addItems({"Visiteur", "Tom", "Éva"});
    TfNouvelEleve& d = *fNouvelEleve;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Nouvel élève"));
    EXPECT_EQ(d.lNouveau->text(), QStringLiteral("Nouveau"));

    const QString vide = QStringLiteral("Saisis ton prénom.");
    const QString doublon = QStringLiteral("Prénom déjà existant dans la liste. Choisir un autre prénom");
    const QString interdit = QStringLiteral("Ce prénom contient un caractère interdit.");
    const struct {
        QString nom;
        QString refus; // empty: accepted
    } cas[] = {
        {"", vide},
        {"VISITEUR", doublon},
        {"tOM", doublon},
        {"éva", ""}, // only the letters A-Z are folded
        {"Nouveau", ""},
        {" Léo ", ""}, // kept as typed
        {"   ", interdit},
        {"../x", interdit},
        {"..", interdit},
        {". .", interdit},
        {"a/b", interdit},
        {"a\\b", interdit},
        {"C:", interdit},
        {"Zoé*", interdit},
        {"Léo?", interdit},
        {"\"Al\"", interdit},
        {"<b>", interdit},
        {"a|b", interdit},
        {QStringLiteral("a\tb"), interdit},
        {QString(QChar(127)), interdit},
        {".Léa", ""},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom.toStdString());
        s.p.fenetre<TfNouvelEleve>([&c](TfNouvelEleve& f) {
            EXPECT_TRUE(f.eUtilisateur->text().isEmpty());
            f.eUtilisateur->setText(c.nom);
            touche(f.eUtilisateur, Qt::Key_Return);
            if (!c.refus.isEmpty()) {
                EXPECT_FALSE(f.fermetureEnAttente());
                EXPECT_EQ(f.eUtilisateur->text(), c.nom);
                touche(f.eUtilisateur, Qt::Key_Escape);
            }
        });
        if (!c.refus.isEmpty())
            s.p.boite(ReponseBoite::Ok, c.refus);
        plateforme().montrerModal(d);
        EXPECT_EQ(d.eUtilisateur->text(), c.refus.isEmpty() ? c.nom : QString());
    }

    // The buttons and a window close do as the keys do.
    s.p.fenetre<TfNouvelEleve>([](TfNouvelEleve& f) {
        taper(f.eUtilisateur, "Max");
        cliquer(f.bOk);
    });
    plateforme().montrerModal(d);
    EXPECT_EQ(d.eUtilisateur->text(), QStringLiteral("Max"));
    for (int fermeture = 0; fermeture < 2; ++fermeture) {
        s.p.fenetre<TfNouvelEleve>([fermeture](TfNouvelEleve& f) {
            taper(f.eUtilisateur, "Max");
            if (fermeture)
                f.close();
            else
                cliquer(f.bAnnuler);
        });
        plateforme().montrerModal(d);
        EXPECT_TRUE(d.eUtilisateur->text().isEmpty());
    }
}
