#include "Parametres.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>

#include "Chemins.h"
#include "Fiche.h"
#include "Plateforme.h"
#include "Profil.h"
#include "Texte.h"

namespace {

const char* const motsStyle[] = {
    "",
    "Bold",
    "Italic",
    "BoldItalic",
    "UnderLine",
    "BoldUnderLine",
    "ItalicUnderLine",
    "BoldItalicUnderLine",
    "StrikeOut",
    "BoldStrike",
    "ItalicStrike",
    "BoldItalicStrike",
    "UnderLineStrike",
    "BoldStrikeUnderLine",
    "ItalicUnderLineStrike",
    "BoldItalicUnderLineStrike", // all four: a word of our own, read back alike
};

bool drapeau(const QString& valeur)
{
    return majusculesAZ(valeur) != QLatin1String("NON");
}

// A signed whole number read by value, whatever its leading zeros; more than 18 digits after
// them is no number here.
bool entier(const QString& texte, qint64& valeur)
{
    if (texte.isEmpty())
        return false;
    qsizetype i = 0;
    bool negatif = false;
    if (texte[0] == QLatin1Char('-') || texte[0] == QLatin1Char('+')) {
        negatif = texte[0] == QLatin1Char('-');
        i = 1;
    }
    if (i == texte.size())
        return false;
    qint64 v = 0;
    int chiffres = 0;
    for (; i < texte.size(); ++i) {
        const QChar c = texte[i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        if (v == 0 && c == QLatin1Char('0'))
            continue;
        if (++chiffres > 18)
            return false;
        v = v * 10 + (c.unicode() - '0');
    }
    valeur = negatif ? -v : v;
    return true;
}

// Folder values are written with "/"; a Windows-style "\" is taken as a separator too.
QString cheminDossier(QString valeur)
{
    valeur.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return valeur;
}

QString avecBarre(const QString& chemin)
{
    return chemin.endsWith(QLatin1Char('/')) ? chemin : chemin + QLatin1Char('/');
}

void message(const QString& texte)
{
    afficherBoite(texte, TypeBoite::Simple, BoutonsBoite::Ok);
}

} // namespace

QString NomStylePolice(int style)
{
    return QString::fromLatin1(motsStyle[style & 15]);
}

int StylePoliceDepuisNom(const QString& nom)
{
    const QString n = majusculesAZ(nom);
    for (int i = 1; i < 16; ++i)
        if (n == majusculesAZ(QString::fromLatin1(motsStyle[i])))
            return i;
    return 0;
}

bool nombreParametre(const QString& valeur, int& nombre)
{
    if (!(valeur > QLatin1String("0") && valeur < QLatin1String("9")))
        return false;
    qint64 v = 0;
    if (!entier(valeur, v) || valeur[0] == QLatin1Char('+') || v > 1000000000)
        return false;
    nombre = static_cast<int>(v);
    return true;
}

QColor couleurWindows(qint64 valeur)
{
    if (valeur < 0) {
        // System colours: the few that make sense for text on a white box.
        switch (valeur & 0xFF) {
        case 5: return QColor(Qt::white);      // window
        case 13: return QColor(0, 120, 215);   // highlight
        case 17: return QColor(Qt::gray);      // grey text
        default: return QColor(Qt::black);     // window text and the others
        }
    }
    return QColor(static_cast<int>(valeur & 0xFF), static_cast<int>((valeur >> 8) & 0xFF),
                  static_cast<int>((valeur >> 16) & 0xFF));
}

bool LireParametres(PoliceReponse& police)
{
    etat.RepertoireExercices = plateforme().dossierProgramme();
    etat.Bruitage = 1;
    etat.TempsLecture = 3;

    if (!existeFichier(etat.FichierIni)) {
        message(QStringLiteral("Fichier INI non trouvé."));
        return false;
    }
    appliquerParametres(lireLignes(etat.FichierIni), police);
    return true;
}

void appliquerParametres(const QStringList& lignes, PoliceReponse& police)
{
    const Profil& p = profil();
    const QString programme = plateforme().dossierProgramme();
    for (const QString& ligne : lignes) {
        const qsizetype egal = ligne.indexOf(QLatin1Char('='));
        if (egal < 0)
            continue;
        const QString cle = majusculesAZ(rogner(ligne.left(egal)));
        const QString valeur = rogner(ligne.mid(egal + 1));
        int nombre = 0;
        qint64 grand = 0;

        if (cle == p.cleExercices) {
            const QString dossier = valeur.isEmpty() ? programme + p.dossierExercices + QLatin1Char('/')
                                                     : cheminDossier(valeur);
            if (existeDossier(dossier) && plateforme().changerDossier(dossier))
                etat.RepertoireExercices = avecBarre(plateforme().dossierCourant());
            else
                message(p.messageExercices);
        } else if (cle == p.cleBilans) {
            const QString dossier = valeur.isEmpty() ? programme + QStringLiteral("_Bilans/")
                                                     : cheminDossier(valeur);
            if (existeDossier(dossier)) {
                // Kept absolute: the bank browser changes the current folder later on.
                QString absolu = QFileInfo(resoudreChemin(dossier)).absoluteFilePath();
                etat.RepertoireBilans = avecBarre(QDir::cleanPath(absolu));
            } else {
                message(p.messageBilans);
            }
        } else if (cle == QLatin1String("MOT DE PASSE")) {
            etat.MotDePasseEnseignant = valeur;
        } else if (cle == QLatin1String("ACTIF")) {
            if (majusculesAZ(valeur) == QLatin1String("NON"))
                etat.MotDePasseActif = 0;
        } else if (cle == QLatin1String("BRUITAGE")) {
            etat.Bruitage = drapeau(valeur);
        } else if (cle == QLatin1String("IMPRESSION")) {
            etat.ImpressionPermise = drapeau(valeur);
        } else if (cle == QLatin1String("AJOUT NOUVEL ELEVE")) {
            etat.AjoutNouvelEleve = drapeau(valeur);
        } else if (cle == QLatin1String("ENREGISTREMENT TEXTE") && p.lireEnregistrementTexte) {
            etat.EnregistrementTexte = majusculesAZ(valeur) == QLatin1String("OUI");
        } else if (cle == QLatin1String("ENREGISTREMENT SON") && p.lireEnregistrementSon) {
            etat.EnregistrementSon = majusculesAZ(valeur) == QLatin1String("OUI");
        } else if (cle == QLatin1String("CHEMINLOGSON") && p.lireCheminLogSon) {
            etat.CheminLogSon = valeur;
        } else if (cle == QLatin1String("RESPECT ESPACES") && p.lireRespectEspaces) {
            etat.RespectEspaces = drapeau(valeur);
        } else if (cle == QLatin1String("RESPECT MAJUSCULES")) {
            etat.RespectMajuscules = drapeau(valeur);
        } else if (cle == QLatin1String("REPONSES NECESSAIRES")) {
            if (nombreParametre(valeur, nombre))
                etat.NbReponsesNecessaires = nombre;
        } else if (cle == QLatin1String("TEMPS LECTURE")) {
            if (nombreParametre(valeur, nombre))
                etat.TempsLecture = nombre;
        } else if (cle == QLatin1String("POLICE")) {
            if (!valeur.isEmpty())
                police.nom = valeur;
        } else if (cle == QLatin1String("TAILLE POLICE")) {
            if (entier(valeur, grand) && grand != 0 && grand > -1000 && grand < 1000)
                police.taillePoints = static_cast<int>(grand < 0 ? -grand : grand);
        } else if (cle == QLatin1String("STYLE POLICE")) {
            if (!valeur.isEmpty())
                police.style = StylePoliceDepuisNom(valeur);
        } else if (cle == QLatin1String("COULEUR POLICE")) {
            if (entier(valeur, grand) && grand >= -2147483648LL && grand <= 2147483647LL)
                police.couleur = grand;
        }
    }
}
