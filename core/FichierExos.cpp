#include "FichierExos.h"

#include "Chemins.h"
#include "Etat.h"
#include "Profil.h"
#include "Texte.h"

namespace {

const QString termine = QStringLiteral(" | Terminé    | ");
const QString interrompu = QStringLiteral(" | Interrompu | ");

} // namespace

QString FichierExos()
{
    return nomFichierResultat(etat.RepertoireGroupe, etat.EleveCourant, QStringLiteral("Exos.txt"));
}

QString DateFichier(const QDate& jour)
{
    return jour.toString(QStringLiteral("dd/MM/yyyy"));
}

QString LigneExos(const QString& date, bool fini, int note, int noteMaxi, const QString& nomExercice)
{
    const QString blanc = QStringLiteral(" ");
    return CompleterAGauche(date, 10, blanc) + (fini ? termine : interrompu)
           + CompleterAGauche(QString::number(note), 4, blanc) + QStringLiteral(" /")
           + CompleterAGauche(QString::number(noteMaxi), 4, blanc) + QStringLiteral(" | ") + nomExercice;
}

void AjouterAuxExos(const QString& chemin, const QString& ligne)
{
    AjouterLigne(chemin, ligne);
}

LigneExo analyserLigneExos(const QString& ligne)
{
    LigneExo r;
    r.nomExercice = ligne;
    qsizetype statut = ligne.indexOf(termine);
    r.termine = statut >= 0;
    if (statut < 0)
        statut = ligne.indexOf(interrompu);
    if (statut < 0)
        return r;
    const qsizetype scores = statut + termine.size();
    const qsizetype barre = ligne.indexOf(QStringLiteral(" /"), scores);
    const qsizetype nom = ligne.indexOf(QStringLiteral(" | "), barre < 0 ? scores : barre);
    if (barre < 0 || nom < 0)
        return r;
    r.lue = true;
    r.date = rogner(ligne.left(statut));
    r.note = rogner(ligne.mid(scores, barre - scores));
    r.noteMaxi = rogner(ligne.mid(barre + 2, nom - barre - 2));
    r.nomExercice = ligne.mid(nom + 3);
    return r;
}

QStringList LireExos(const QString& chemin)
{
    return existeFichier(chemin) ? lireLignes(chemin) : QStringList();
}
