#include "ReecritureParametres.h"

#include "Chemins.h"
#include "Parametres.h"
#include "Texte.h"

namespace {

using Genre = BlocParametrage::Genre;

QString entetePolice()
{
    return QStringLiteral("[Police utilisée]");
}

QList<BlocParametrage> blocsCommunsAvant()
{
    return {
        {QStringLiteral("[Mot de passe enseignant]"), QStringLiteral("Mot de passe = "),
         QStringLiteral("eMotDePasseEnseignant"), Genre::Texte},
        {QStringLiteral("[Mot de passe élève]"), QStringLiteral("Actif = "),
         QStringLiteral("ckMotPasseUtilisateur"), Genre::Case},
        {QStringLiteral("[Nombre de réponses justes nécessaires pour qu'un item soit supprimé de la liste]"),
         QStringLiteral("Reponses necessaires = "), QStringLiteral("eNbReponsesNecessaires"), Genre::Texte},
        {QStringLiteral("[Temps de lecture en secondes suite à un second échec]"),
         QStringLiteral("Temps lecture = "), QStringLiteral("eTpsLEcture"), Genre::Texte},
        {QStringLiteral("[Activer les bruitages oui/non]"), QStringLiteral("Bruitage = "),
         QStringLiteral("ckSons"), Genre::Case},
        {QStringLiteral("[Proposer aux élèves de s'inscrire]"), QStringLiteral("Ajout nouvel eleve = "),
         QStringLiteral("ckNewUser"), Genre::Case},
        {QStringLiteral("[Proposer aux élèves l'impression de leur bilan en fin de session oui/non]"),
         QStringLiteral("Impression = "), QStringLiteral("ckImpress"), Genre::Case},
    };
}

BlocParametrage respectMajuscules()
{
    return {QStringLiteral("[Respect des majuscules]"), QStringLiteral("Respect majuscules = "),
            QStringLiteral("ckRespectMaj"), Genre::Case};
}

} // namespace

QString BlocParametrage::cle() const
{
    const qsizetype egal = prefixe.indexOf(QLatin1Char('='));
    return majusculesAZ(rogner(egal < 0 ? prefixe : prefixe.left(egal)));
}

const QList<BlocParametrage>& blocsParametrageOmbrivelle()
{
    static const QList<BlocParametrage> blocs = [] {
        QList<BlocParametrage> b = blocsCommunsAvant();
        b.append({QStringLiteral("[Répertoire où se trouve le dossier [_Exercices_OBV], contenant les exercices]"),
                  QStringLiteral("Repertoire Textes = "), QStringLiteral("eRepertoireExercice"), Genre::Texte});
        b.append({QStringLiteral("[Répertoire où se trouve le dossier [_Bilans], contenant l'enregistrement des bilans]"),
                  QStringLiteral("Repertoire Bilans = "), QStringLiteral("eRepertoireBilans"), Genre::Texte});
        // The doubled bracket is the header as the classrooms' files have it.
        b.append({QStringLiteral("[Proposer aux élèves l'enregistrement de fichiers textes]]"),
                  QStringLiteral("Enregistrement texte = "), QStringLiteral("ckAccesRepertItems"), Genre::Case});
        b.append({QStringLiteral("[Respect des espaces]"), QStringLiteral("Respect espaces = "),
                  QStringLiteral("ckRespectEspaces"), Genre::Case});
        b.append(respectMajuscules());
        return b;
    }();
    return blocs;
}

const QList<BlocParametrage>& blocsParametrageCastiflore()
{
    static const QList<BlocParametrage> blocs = [] {
        QList<BlocParametrage> b = blocsCommunsAvant();
        b.append({QStringLiteral("[Répertoire où se trouve le dossier [_Exercices_CSF], contenant les exercices]"),
                  QStringLiteral("Repertoire = "), QStringLiteral("eRepertoireExercice"), Genre::Texte});
        b.append({QStringLiteral("[Répertoire où se trouve le dossier [_bilans], contenant l'enregistrement des bilans]"),
                  QStringLiteral("Bilan = "), QStringLiteral("eRepertoireBilans"), Genre::Texte});
        b.append({QStringLiteral("[Permettre aux élèves d'accéder au répertoire contenant les exercices]"),
                  QStringLiteral("Enregistrement texte = "), QStringLiteral("ckAccesRepertItems"), Genre::Case});
        b.append({QStringLiteral("[Chemin du logiciel utilisé pour l'enregistrement de fichiers sons]"),
                  QStringLiteral("CheminLogSon = "), QStringLiteral("eLogSon"), Genre::Texte});
        b.append(respectMajuscules());
        b.append({QStringLiteral("[Proposer aux élèves l'enregistrement de fichiers sons]"),
                  QStringLiteral("Enregistrement Son = "), QStringLiteral("ckEnregSon"), Genre::Case});
        return b;
    }();
    return blocs;
}

ValeursParametrage valeursDepuisLignes(const QStringList& lignes, const QList<BlocParametrage>& blocs,
                                        ValeursParametrage valeurs)
{
    QList<QString> cles;
    for (const BlocParametrage& b : blocs)
        cles.append(b.cle());
    for (const QString& ligne : lignes) {
        QString cle, valeur;
        if (!cleEtValeur(ligne, cle, valeur))
            continue;
        for (qsizetype i = 0; i < blocs.size(); ++i) {
            if (cle != cles[i])
                continue;
            if (blocs[i].genre == Genre::Texte)
                valeurs.textes[blocs[i].controle] = valeur;
            else
                valeurs.cases[blocs[i].controle] = majusculesAZ(valeur) == QLatin1String("OUI");
        }
    }
    return valeurs;
}

bool lignePolice(const QString& ligne)
{
    if (ligne == entetePolice())
        return true;
    QString cle, valeur;
    if (!cleEtValeur(ligne, cle, valeur))
        return false;
    return cle == QLatin1String("POLICE") || cle == QLatin1String("TAILLE POLICE")
           || cle == QLatin1String("STYLE POLICE") || cle == QLatin1String("COULEUR POLICE");
}

QStringList lignesParametrage(const QStringList& anciennes, const QList<BlocParametrage>& blocs,
                              const ValeursParametrage& valeurs)
{
    QStringList r;
    for (const BlocParametrage& b : blocs) {
        r.append(b.entete);
        if (b.genre == Genre::Texte)
            r.append(b.prefixe + valeurs.textes.value(b.controle));
        else
            r.append(b.prefixe + (valeurs.cases.value(b.controle) ? QStringLiteral("Oui") : QStringLiteral("Non")));
        r.append(QString());
    }
    for (const QString& l : anciennes)
        if (lignePolice(l))
            r.append(l);
    return r;
}

QStringList lignesAvecPolice(const QStringList& anciennes, const Police& police)
{
    QStringList r;
    for (const QString& l : anciennes)
        if (!lignePolice(l))
            r.append(l);
    r.append(entetePolice());
    r.append(QStringLiteral("Police = ") + police.nom);
    r.append(QStringLiteral("Taille police = ") + QString::number(police.taillePoints));
    r.append(QStringLiteral("Style police = ") + NomStylePolice(police.style));
    r.append(QStringLiteral("Couleur police = ") + QString::number(police.couleur));
    return r;
}

bool LireValeursParametrage(const QString& fichierIni, const QList<BlocParametrage>& blocs,
                            ValeursParametrage& valeurs)
{
    if (!existeFichier(fichierIni))
        return false;
    valeurs = valeursDepuisLignes(lireLignes(fichierIni), blocs, valeurs);
    return true;
}

bool EnregistrerParametres(const QString& fichierIni, const QList<BlocParametrage>& blocs,
                           const ValeursParametrage& valeurs)
{
    if (!existeFichier(fichierIni))
        return false;
    ecrireLignes(fichierIni, lignesParametrage(lireLignes(fichierIni), blocs, valeurs));
    return true;
}

bool EnregistrerPolice(const QString& fichierIni, const Police& police)
{
    if (!existeFichier(fichierIni))
        return false;
    ecrireLignes(fichierIni, lignesAvecPolice(lireLignes(fichierIni), police));
    return true;
}
