#include "BilansCastiflore.h"

#include <QComboBox>
#include <QFileInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextEdit>

#include "Bilans.h"
#include "Chemins.h"
#include "Etat.h"
#include "FenetreExercice.h"
#include "Fiche.h"
#include "Plateforme.h"

namespace castiflore {

void ReglesBilansCastiflore::montrerBoutonsPropres(TfBilans& f) const
{
    f.bMagneto->setVisible(etat.EnregistrementSon == 1 || etat.ModeEnseignant == 1);
}

void ReglesBilansCastiflore::rafraichir(TfBilans& f) const
{
    fenetreExercice().ChargerParametres();
    // A missing settings file ends the program: the windows are closing, nothing more to do.
    if (plateforme().finDemandee())
        return;
    // The window's own lists in both faces: in the pupil's, hidden, they change nothing.
    const QString groupe = f.cChoixGroupe->currentText();
    const QString eleve = f.cChoixEleve->currentText();
    // The teacher face ends on the selected pupil's tabs: the signed-in pupil's would only be
    // replaced.
    if (etat.ModeEnseignant != 1)
        f.ChargerOnglets(etat.EleveCourant);
    f.ListerElevesBilan();
    f.ListerGroupesBilan();
    if (!groupe.isEmpty())
        f.selectionner(f.cChoixGroupe, groupe);
    f.cChoixGroupeChange();
    if (!eleve.isEmpty())
        f.selectionner(f.cChoixEleve, eleve);
    f.cChoixEleveChange();
}

void ReglesBilansCastiflore::imprimerTampon(TfBilans& f) const
{
    if (!plateforme().dialogueImprimante())
        return;
    const ResultatImpression r = plateforme().imprimerTexteRiche(*f.Tampon->document());
    if (!r)
        afficherBoite(r.erreur, TypeBoite::Erreur);
}

void ReglesBilansCastiflore::demarrerEnregistreur(TfBilans&) const
{
    DemarrerEnregistreur(etat.CheminLogSon);
}

const QStringList& enregistreursSysteme()
{
    static const QStringList noms = {QStringLiteral("gnome-sound-recorder"), QStringLiteral("audacity"),
                                     QStringLiteral("kwave")};
    return noms;
}

void DemarrerEnregistreur(const QString& cheminLogSon)
{
    if (!cheminLogSon.isEmpty() && existeFichier(cheminLogSon)) {
        const QString programme = resoudreChemin(cheminLogSon);
        if (QFileInfo(programme).isExecutable())
            lancerOuPrevenir(programme);
        else
            ouvrirOuPrevenir(programme);
        return;
    }
    for (const QString& nom : enregistreursSysteme()) {
        const QString programme = QStandardPaths::findExecutable(nom);
        if (!programme.isEmpty()) {
            lancerOuPrevenir(programme);
            return;
        }
    }
    afficherBoite(QStringLiteral("Impossible de lancer un logiciel d'enregistrement de sons : aucun n'est installé (")
                      + enregistreursSysteme().join(QStringLiteral(", "))
                      + QStringLiteral(").\rLe module enseignant permet d'en indiquer un dans « Configurer »."),
                  TypeBoite::Erreur);
}

void installerBilansCastiflore()
{
    static const ReglesBilansCastiflore regles;
    definirReglesBilans(&regles);
}

} // namespace castiflore
