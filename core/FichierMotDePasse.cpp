#include "FichierMotDePasse.h"

#include "Chemins.h"
#include "Texte.h"

QString suffixeMotDePasse()
{
    return QStringLiteral("_Pwd.txt");
}

QString FichierMotDePasse(const QString& repertoireGroupe, const QString& eleve)
{
    return repertoireGroupe + eleve + suffixeMotDePasse();
}

QString lireMotDePasse(const QString& fichier)
{
    if (!existeFichier(fichier))
        return QString();
    const QStringList lignes = lireLignes(fichier);
    return lignes.isEmpty() ? QString() : lignes.last();
}

bool EcrireMotDePasse(const QString& fichier, const QString& motDePasse)
{
    return ecrireLignesSansErreur(fichier, {motDePasse});
}

QString normaliser(const QString& texte)
{
    return minusculesAZ(rogner(texte));
}

bool motDePasseEnregistrable(const QString& motDePasse)
{
    return representableEnWindows1252(motDePasse) && !motDePasse.contains(QLatin1Char('\r'))
           && !motDePasse.contains(QLatin1Char('\n'));
}
