// How the print forms are reached: the chooser of the results window, and the welcome screen's
// opener behind the teacher password. Neither handler is bound to a control.

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "Bilans.h"
#include "ChoixTypeImpression.h"
#include "ImpressionExo.h"
#include "ImpressionPersos.h"
#include "ImpressionReussites.h"
#include "MotDePasse.h"
#include "Unit2.h"
#include "test_impression_outils.h"

using namespace outilsImpression;

namespace {

void motDePasse(Seance& s, const QString& reponse)
{
    s.p.fenetre<TfMotDePasse>([reponse](TfMotDePasse& f) {
        EXPECT_EQ(f.windowTitle(), "Saisie du mot de passe enseignant");
        taper(f.eMotDePasse, reponse);
        touche(f.eMotDePasse, reponse.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
    });
}

template <class T>
void fermer(Seance& s)
{
    s.p.fenetre<T>([](T& f) { cliquer(f.SpeedButton2); });
}

QStringList fenetres(const Seance& s)
{
    return s.p.journalDe("fenetre");
}

} // namespace

TEST(ImpressionOuverture, LeChoixDuResultatsOuvreLaFormeCochee)
{
    Seance s(false);
    petiteClasse(s);
    demarrer(s);
    // The results window's lists are what the forms read.
    fBilans->cChoixGroupe->addItems({"CE2", "CM1"});
    fBilans->cChoixGroupe->setCurrentIndex(1);
    fBilans->cChoixEleve->addItems({"Léa", "Tom"});
    fBilans->cChoixEleve->setCurrentIndex(1);
    EXPECT_EQ(&choixBilans(), static_cast<const ChoixGroupeEleve*>(fBilans));

    const std::pair<QRadioButton* TfChoixTypeImpression::*, QString> cas[] = {
        {&TfChoixTypeImpression::ckReussites, "TfImpressionReussites"},
        {&TfChoixTypeImpression::ckItemsPersos, "TfImpression"},
        {&TfChoixTypeImpression::ckExercice, "TfImpressionExo"},
    };
    for (const auto& c : cas) {
        const auto bouton = c.first;
        const QString& forme = c.second;
        SCOPED_TRACE(forme.toStdString());
        s.p.journal.clear();
        s.p.fenetre<TfChoixTypeImpression>([bouton](TfChoixTypeImpression& f) {
            cliquer(f.*bouton);
            cliquer(f.bValider);
        });
        s.p.fenetre(forme, [](Fiche& f) {
            if (auto* r = qobject_cast<TfImpressionReussites*>(&f)) {
                EXPECT_EQ(r->RadioButton3->text(), "Pour l'utilisateur Tom");
            }
            f.Close();
        });
        fBilans->bImprimeItemsPersosClick();
        EXPECT_EQ(fenetres(s), QStringList({"fenetre TfChoixTypeImpression", "fenetre " + forme}));
    }
    // The choice is kept between showings; "Quitter" opens nothing.
    s.p.journal.clear();
    s.p.fenetre<TfChoixTypeImpression>([](TfChoixTypeImpression& f) {
        EXPECT_TRUE(f.ckExercice->isChecked());
        cliquer(f.bQuitter);
    });
    fBilans->bImprimeItemsPersosClick();
    EXPECT_EQ(fenetres(s), QStringList({"fenetre TfChoixTypeImpression"}));
}

TEST(ImpressionOuverture, LAccueilDemandeLeMotDePasseEnseignant)
{
    Seance s(false);
    petiteClasse(s);
    demarrer(s);
    etat.MotDePasseEnseignant = QStringLiteral(" Prof ");
    QListWidget* liste = Form2->eRepertoires;
    liste->clear();
    liste->addItems({"Mes exercices personnels", "[+] Orthographe", "Pluriels"});

    // Wrong or empty: nothing, no message.
    motDePasse(s, "eleve");
    Form2->bImprimeItemsPersosClick();
    motDePasse(s, "");
    Form2->bImprimeItemsPersosClick();
    EXPECT_TRUE(s.p.journalDe("boite").isEmpty());

    // Right (trimmed, A to Z lowered): the form that the selected entry calls for.
    const std::pair<int, QString> cas[] = {
        {-1, "TfImpressionReussites"}, {0, "TfImpression"}, {1, "TfImpressionExo"}, {2, "TfImpressionExo"}};
    for (const auto& [ligne, forme] : cas) {
        SCOPED_TRACE(forme.toStdString());
        liste->clearSelection();
        if (ligne >= 0)
            liste->setCurrentRow(ligne, QItemSelectionModel::ClearAndSelect);
        s.p.journal.clear();
        motDePasse(s, "PROF");
        s.p.fenetre(forme, [](Fiche& f) { f.Close(); });
        Form2->bImprimeItemsPersosClick();
        EXPECT_EQ(fenetres(s), QStringList({"fenetre TfMotDePasse", "fenetre " + forme}));
    }

    // No teacher password: straight to the form.
    etat.MotDePasseEnseignant.clear();
    liste->clearSelection();
    s.p.journal.clear();
    fermer<TfImpressionReussites>(s);
    Form2->bImprimeItemsPersosClick();
    EXPECT_EQ(fenetres(s), QStringList({"fenetre TfImpressionReussites"}));
}
