#include "ReglesBilans.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextEdit>

#include "Bilans.h"
#include "ChoixGroupeEleve.h"
#include "Chemins.h"
#include "Etat.h"
#include "FenetreExercice.h"
#include "Fiche.h"
#include "FichierMotDePasse.h"
#include "Plateforme.h"
#include "Profil.h"
#include "TexteBrut.h"

namespace {
const ReglesBilans* courantes = nullptr;
}

const ReglesBilans& reglesBilans()
{
    static const ReglesBilans ombrivelle;
    return courantes ? *courantes : ombrivelle;
}

void definirReglesBilans(const ReglesBilans* r)
{
    courantes = r;
}

void ReglesBilans::montrerBoutonsPropres(TfBilans& f) const
{
    f.bTextes->setVisible(etat.EnregistrementTexte == 1 || etat.ModeEnseignant == 1);
}

void ReglesBilans::rafraichir(TfBilans& f) const
{
    fenetreExercice().ChargerParametres();
    // A missing settings file ends the program: the windows are closing, nothing more to do.
    if (plateforme().finDemandee())
        return;
    const bool enseignant = etat.ModeEnseignant == 1;
    const QString groupe = enseignant ? f.cChoixGroupe->currentText() : choixAccueil().texteGroupe();
    const QString eleve = enseignant ? f.cChoixEleve->currentText() : choixAccueil().texteEleve();
    f.ListerElevesBilan();
    f.ListerGroupesBilan();
    if (!groupe.isEmpty())
        f.selectionner(f.cChoixGroupe, groupe);
    f.cChoixGroupeChange();
    if (!eleve.isEmpty())
        f.selectionner(f.cChoixEleve, eleve);
    f.cChoixEleveChange();
}

void ReglesBilans::imprimerTampon(TfBilans& f) const
{
    const std::optional<int> copies = plateforme().dialogueImpression();
    if (!copies || *copies <= 0)
        return;
    const QStringList tampon = texteBrut(f.Tampon).split(QLatin1Char('\n'));
    // The printer as a plain text device: three empty lines, then each line after a TAB.
    QStringList lignes(3);
    for (const QString& l : tampon)
        lignes.append(QLatin1Char('\t') + l);
    for (int i = 0; i < *copies;) {
        const std::unique_ptr<DocumentImprime> d = plateforme().documentImprime();
        // A job each copy, but into a file, which each job would replace: one job holds them all.
        const int exemplaires = d->versFichier() ? *copies - i : 1;
        const ResultatImpression r = imprimerTexteBrut(*d, lignes, tampon.first(), exemplaires);
        if (!r) {
            afficherBoite(r.erreur, TypeBoite::Erreur);
            return;
        }
        i += exemplaires;
    }
}

QStringList ReglesBilans::fichiersASupprimer(const QString& repertoireGroupe, const QString& eleve) const
{
    return {nomFichierResultat(repertoireGroupe, eleve, QStringLiteral("Reussites.txt")),
            FichierMotDePasse(repertoireGroupe, eleve),
            nomFichierResultat(repertoireGroupe, eleve, QStringLiteral("Detail.txt")),
            nomFichierResultat(repertoireGroupe, eleve, QStringLiteral("Exos.txt"))};
}

bool itemAcquis(QStringView ligne, QStringView nbReponsesNecessaires)
{
    qsizetype i = ligne.size();
    while (i > 0 && ligne[i - 1] != QLatin1Char('|') && ligne[i - 1] != QLatin1Char('-'))
        --i;
    return i > 0 && ligne.mid(i) == nbReponsesNecessaires;
}
