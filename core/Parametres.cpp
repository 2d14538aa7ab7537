#include "Parametres.h"

#include <QDir>
#include <QFileInfo>

#include "Chemins.h"
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

bool cleEtValeur(const QString& ligne, QString& cle, QString& valeur)
{
    const qsizetype egal = ligne.indexOf(QLatin1Char('='));
    if (egal < 0)
        return false;
    cle = majusculesAZ(rogner(ligne.left(egal)));
    valeur = rogner(ligne.mid(egal + 1));
    return true;
}

LectureParametres LireParametres(const QString& fichierIni, const ValeursParametres& avant,
                                 const PoliceReponse& policeAvant)
{
    LectureParametres lecture;
    lecture.valeurs = avant;
    lecture.police = policeAvant;
    lecture.valeurs.RepertoireExercices = plateforme().dossierProgramme();
    lecture.valeurs.Bruitage = 1;
    lecture.valeurs.TempsLecture = 3;

    if (!existeFichier(fichierIni)) {
        lecture.messages.append(QStringLiteral("Fichier INI non trouvé."));
        return lecture;
    }
    lecture.fichierTrouve = true;
    appliquerLignesParametres(lireLignes(fichierIni), lecture);
    return lecture;
}

void appliquerLignesParametres(const QStringList& lignes, LectureParametres& lecture)
{
    const Profil& p = profil();
    const QString programme = plateforme().dossierProgramme();
    ValeursParametres& v = lecture.valeurs;
    PoliceReponse& police = lecture.police;
    auto message = [&lecture](const QString& texte) { lecture.messages.append(texte); };
    for (const QString& ligne : lignes) {
        QString cle, valeur;
        if (!cleEtValeur(ligne, cle, valeur))
            continue;
        int nombre = 0;
        qint64 grand = 0;

        if (cle == p.cleExercices) {
            const QString dossier = valeur.isEmpty() ? programme + p.dossierExercices + QLatin1Char('/')
                                                     : cheminDossier(valeur);
            if (existeDossier(dossier) && plateforme().changerDossier(dossier))
                v.RepertoireExercices = avecBarre(plateforme().dossierCourant());
            else
                message(p.messageExercices);
        } else if (cle == p.cleBilans) {
            const QString dossier = valeur.isEmpty() ? programme + QStringLiteral("_Bilans/")
                                                     : cheminDossier(valeur);
            if (existeDossier(dossier)) {
                // Kept absolute: the bank browser changes the current folder later on.
                QString absolu = QFileInfo(resoudreChemin(dossier)).absoluteFilePath();
                v.RepertoireBilans = avecBarre(QDir::cleanPath(absolu));
            } else {
                message(p.messageBilans);
            }
        } else if (cle == QLatin1String("MOT DE PASSE")) {
            v.MotDePasseEnseignant = valeur;
        } else if (cle == QLatin1String("ACTIF")) {
            if (majusculesAZ(valeur) == QLatin1String("NON"))
                v.MotDePasseActif = 0;
        } else if (cle == QLatin1String("BRUITAGE")) {
            v.Bruitage = drapeau(valeur);
        } else if (cle == QLatin1String("IMPRESSION")) {
            v.ImpressionPermise = drapeau(valeur);
        } else if (cle == QLatin1String("AJOUT NOUVEL ELEVE")) {
            v.AjoutNouvelEleve = drapeau(valeur);
        } else if (cle == QLatin1String("ENREGISTREMENT TEXTE") && p.lireEnregistrementTexte) {
            v.EnregistrementTexte = majusculesAZ(valeur) == QLatin1String("OUI");
        } else if (cle == QLatin1String("ENREGISTREMENT SON") && p.lireEnregistrementSon) {
            v.EnregistrementSon = majusculesAZ(valeur) == QLatin1String("OUI");
        } else if (cle == QLatin1String("CHEMINLOGSON") && p.lireCheminLogSon) {
            v.CheminLogSon = valeur;
        } else if (cle == QLatin1String("RESPECT ESPACES") && p.lireRespectEspaces) {
            v.RespectEspaces = drapeau(valeur);
        } else if (cle == QLatin1String("RESPECT MAJUSCULES")) {
            v.RespectMajuscules = drapeau(valeur);
        } else if (cle == QLatin1String("REPONSES NECESSAIRES")) {
            if (nombreParametre(valeur, nombre))
                v.NbReponsesNecessaires = nombre;
        } else if (cle == QLatin1String("TEMPS LECTURE")) {
            if (nombreParametre(valeur, nombre))
                v.TempsLecture = nombre;
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

void appliquerParametres(const LectureParametres& lecture)
{
    static_cast<ValeursParametres&>(etat) = lecture.valeurs;
}
