#pragma once
// Helpers of the welcome-screen tests: a classroom written file by file, the screen shown as
// the exercise run shows it, and the answers of the entry dialogs.

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <functional>
#include <gtest/gtest.h>

#include "Etat.h"
#include "MotDePasse.h"
#include "NouvelEleve.h"
#include "Seance.h"
#include "Unit1.h"
#include "Unit2.h"

namespace outilsAccueil {

// A small classroom: two groups with pupils and passwords, a pupil without a group, and a bank.
inline void petiteClasse(Seance& s, const QStringList& reglages = {})
{
    s.parametres(QStringList{"REPERTOIRE TEXTES=", "REPERTOIRE BILANS=", "MOT DE PASSE=Prof"} + reglages);
    s.ecrireLignes("_Bilans/CM1/Tom_Pwd.txt", {"foot"});
    s.ecrireLignes("_Bilans/CM1/Léa_Pwd.txt", {"ancien", "Chat"});
    s.ecrireLignes("_Bilans/CM1/Inès_Pwd.txt", {});
    s.ecrireLignes("_Bilans/CE2/Tom_Pwd.txt", {"tennis"});
    s.ecrireLignes("_Bilans/Sacha_Pwd.txt", {"soleil"});
    s.ecrireLignes("_Exercices_OBV/Pluriels.txt", {"Consigne", "un cheval, des ...|chevaux"});
    s.ecrireLignes("_Exercices_OBV/Grammaire/Accords.txt", {"Consigne", "une (vieux) maison|vieille"});
}

// The settings read as at start: the bank's root becomes the current folder.
inline void lireReglages()
{
    Form1->ChargerParametres();
}

// The welcome screen shown as the exercise run shows it, the action playing the pupil; the
// steps scripted after this call come inside it.
inline void accueil(Seance& s, std::function<void(TForm2&)> action)
{
    s.p.fenetre<TForm2>([action](TForm2& f) {
        action(f);
        if (!f.fermetureEnAttente() && !plateforme().finDemandee())
            f.Close();
    });
}

inline void montrerAccueil()
{
    plateforme().montrerModal(*Form2);
}

// The password dialog's answer: typed and validated with Enter, or cancelled with Escape
// when the answer is empty.
inline void motDePasse(Seance& s, const QString& reponse, const QString& legende)
{
    s.p.fenetre<TfMotDePasse>([reponse, legende](TfMotDePasse& f) {
        EXPECT_EQ(f.windowTitle(), legende);
        EXPECT_TRUE(f.eMotDePasse->text().isEmpty());
        taper(f.eMotDePasse, reponse);
        touche(f.eMotDePasse, reponse.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
    });
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

// The current folder, relative to the program folder.
inline QString dossierRelatif(Seance& s)
{
    return QDir(s.programme).relativeFilePath(s.p.dossierCourant());
}

} // namespace outilsAccueil
