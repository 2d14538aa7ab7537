#pragma once
// The dictation program's welcome screen and dialogs in a scripted session: the sample
// classroom, the program's profile and welcome-screen rules, its forms in their order, and a
// stand-in main window that does around the welcome screen what the program's run does.

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "AccueilCastiflore.h"
#include "Bilans.h"
#include "ChoixNbItems.h"
#include "Deroulement.h"
#include "DossierDictee.h"
#include "ErreurES.h"
#include "Etat.h"
#include "FenetreExercice.h"
#include "FichierReussites.h"
#include "MessagePerso.h"
#include "MotDePasse.h"
#include "MsgOuiNonPerso.h"
#include "NouvelEleve.h"
#include "Parametres.h"
#include "ProfilCastiflore.h"
#include "Quitter.h"
#include "ReglesAccueil.h"
#include "Seance.h"
#include "Unit2.h"
#include "copieecran.h"

namespace outilsCastiflore {

// The main window as the welcome screen and the dialogs reach it. Its run lists the chosen
// folder and asks the number of items above 4; it does not save the successes itself, so that
// what the dialogs save can be seen.
class FenetreDictee : public Fiche, public FenetreExercice {
public:
    FenetreDictee()
    {
        setWindowTitle(QStringLiteral("Castiflore"));
        definirFenetreExercice(this);
    }
    ~FenetreDictee() override { definirFenetreExercice(nullptr); }

    Fiche& fiche() override { return *this; }

    void FormActivate() override
    {
        if (etat.PremiereActivation == 0)
            return;
        etat.EcriturePossible = 1;
        ChargerParametres();
        if (plateforme().finDemandee())
            return;
        if (etat.NbReponsesNecessaires < 1)
            etat.NbReponsesNecessaires = 999;
        titreApplication() = profil().titre;
        setWindowTitle(titreApplication());
        LancerExerciceSuivant();
        etat.PremiereActivation = 0;
    }

    void LancerExercice() override
    {
        Deroulement& d = deroulement();
        if (!plateforme().changerDossier(etat.RepertoireExercices))
            throw ErreurES(etat.RepertoireExercices);
        etat.ExerciceCourant.clear();
        plateforme().montrerModal(*Form2);
        d.RemettreLeTempsAZero();
        if (etat.ExerciceCourant.isEmpty() || plateforme().finDemandee())
            return;
        const bool eleve = !etat.EleveCourant.isEmpty();
        const castiflore::ItemsDuDossier items =
            castiflore::ParcourirDossierExercice(etat.ExerciceCourant, [eleve](const QString& nom) {
                return castiflore::ItemATravailler(nom, etat.TableReussites, etat.NbReponsesNecessaires, eleve);
            });
        d.TableItems.clear();
        for (const QString& nom : items.items)
            d.TableItems.append({nom, 'N'});
        d.NbItems = static_cast<int>(items.items.size());
        d.NbItemsDisponibles = items.NbItemsDisponibles;
        d.OrdreAleatoire = items.OrdreAleatoire;
        if (d.NbItems > profil().minimumChoixItems)
            plateforme().montrerModal(*fChoixNbItems);
        d.OuvrirScore();
    }

    void ChargerParametres() override
    {
        const LectureParametres lecture = LireParametres(etat.FichierIni, etat, police);
        appliquerParametres(lecture);
        police = lecture.police;
        for (const QString& message : lecture.messages)
            afficherBoite(message, TypeBoite::Simple, BoutonsBoite::Ok);
        if (!lecture.fichierTrouve)
            Close();
    }

    void afficherItem(const QString&) override {}
    void fermerSaisie() override {}
    void afficherScore(int, int) override {}
    void afficherBonus(int) override {}
    void afficherCompteurs(int, int) override {}
    void afficherTemps(int) override {}
    void afficherNomExercice(const QString& nom) override { nomExercice = nom; }
    void afficherReponse(const QString&) override {}
    void afficherConsignes(const QString&) override {}
    void demarrerHorloge() override {}
    void arreterHorloge() override {}
    void afficherEleve(const QString& eleve) override
    {
        setWindowTitle(titreApplication() + QStringLiteral(" - Elève : ") + eleve);
    }
    void viderSaisie() override { saisieVidee = true; }
    Police policeProposee() override { return police; }
    void changerPoliceReponse(const Police& p) override { police = p; }

    Police police;
    QString nomExercice;
    bool saisieVidee = false;
};

// A session of the dictation program on the sample classroom (or an empty folder).
class SeanceCastiflore {
public:
    explicit SeanceCastiflore(bool classeExemple = true) : s(classeExemple)
    {
        definirProfil(profilCastiflore());
        castiflore::installerAccueilCastiflore();
        titreApplication() = profilCastiflore().nomProgramme;
        etat.FichierIni = s.chemin(QStringLiteral("castiflore.ini"));
    }
    ~SeanceCastiflore()
    {
        // The other forms go before the main window.
        while (!fiches_.empty())
            fiches_.pop_back();
        definirReglesAccueil(nullptr);
        definirProfil(profilOmbrivelle());
    }

    // The forms in the program's order, the main window first.
    void creerFiches()
    {
        principale = new FenetreDictee;
        fiches_.emplace_back(principale);
        fiches_.emplace_back(new TForm2);
        fiches_.emplace_back(new TCPEcr);
        fiches_.emplace_back(new TfChoixNbItems);
        fiches_.emplace_back(new TfQuitter);
        fiches_.emplace_back(new TfMessagePerso);
        fiches_.emplace_back(new TfBilans);
        fiches_.emplace_back(new TfNouvelEleve);
        fiches_.emplace_back(new TfMotDePasse);
        fiches_.emplace_back(new TfMsgOuiNonPerso);
    }
    // Shows the main window: its first activation reads the settings and opens the welcome
    // screen, whose steps must be scripted before.
    void demarrer()
    {
        if (fiches_.empty())
            creerFiches();
        s.p.montrerPrincipale(*principale);
    }

    QString bilans(const QString& relatif) const { return QStringLiteral("_Bilans/") + relatif; }

    Seance s;
    FenetreDictee* principale = nullptr;

private:
    std::vector<std::unique_ptr<QWidget>> fiches_;
};

// The welcome screen's step: the action plays the pupil.
inline void accueil(Seance& s, std::function<void(TForm2&)> action)
{
    s.p.fenetre<TForm2>(std::move(action));
}

inline QStringList textes(const QComboBox* c)
{
    QStringList r;
    for (int i = 0; i < c->count(); ++i)
        r.append(c->itemText(i));
    return r;
}

inline QStringList textes(const QListWidget* l)
{
    QStringList r;
    for (int i = 0; i < l->count(); ++i)
        r.append(l->item(i)->text());
    return r;
}

inline QString dossierRelatif(Seance& s)
{
    return QDir(s.programme).relativeFilePath(s.p.dossierCourant());
}

// The password dialog's answer, typed and validated (Escape when empty).
inline void motDePasse(Seance& s, const QString& reponse, const QString& legende)
{
    s.p.fenetre<TfMotDePasse>([reponse, legende](TfMotDePasse& f) {
        EXPECT_EQ(f.windowTitle(), legende);
        taper(f.eMotDePasse, reponse);
        touche(f.eMotDePasse, reponse.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
    });
}

// The registration dialog's answer; the boxes it shows on the way are scripted by the caller.
inline void nouvelEleve(Seance& s, const QString& prenom)
{
    s.p.fenetre<TfNouvelEleve>([prenom](TfNouvelEleve& f) {
        taper(f.eUtilisateur, prenom);
        touche(f.eUtilisateur, prenom.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
    });
}

// The names of a folder of the classroom, sorted.
inline QStringList fichiers(const Seance& s, const QString& relatif)
{
    return QDir(s.chemin(relatif)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace outilsCastiflore
