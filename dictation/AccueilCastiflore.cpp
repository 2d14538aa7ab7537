#include "AccueilCastiflore.h"

#include "Chemins.h"
#include "NomsItems.h"
#include "OperationsFichiers.h"

// The pictures of the welcome screen and of the dialogs live in a static library: they are
// registered before its forms are made.
static void initialiserImagesAccueil()
{
    Q_INIT_RESOURCE(access_images);
}

namespace castiflore {

namespace {

QStringList sousDossiers(const QString& dossier)
{
    return listerEntrees(dossier, QStringLiteral("*."), GenreEntree::Dossiers, true);
}

// A name ending so is some pupil's file already: a pupil named "Lea_Pwd" must never take the
// password file of "Lea" for its own older successes file.
bool fichierDUnEleve(const QString& nom)
{
    const QString plie = plierNom(nom);
    for (const char* suffixe : {"_Pwd.txt", "_Detail.txt", "_Exos.txt", "_Reussites.txt"})
        if (plie.endsWith(plierNom(QString::fromLatin1(suffixe))))
            return true;
    return false;
}

// Likewise a pupil named "Lea_CSF" must never take Lea's log or exercise list for its own
// older ones: a name ending so is some pupil's results file of one of the two programs.
bool resultatDUnEleve(const QString& nom)
{
    const QString plie = plierNom(nom);
    for (const char* suffixe : {"_CSF_Detail.txt", "_CSF_Exos.txt", "_OBV_Detail.txt", "_OBV_Exos.txt"})
        if (plie.endsWith(plierNom(QString::fromLatin1(suffixe))))
            return true;
    return false;
}

} // namespace

bool contientSousDossier(const QString& dossier)
{
    return !sousDossiers(dossier).isEmpty();
}

bool contientSon(const QString& dossier)
{
    for (const QString& nom : listerEntrees(dossier, QStringLiteral("*.*")))
        if (estItemSonore(nom))
            return true;
    return false;
}

QList<EntreeBanque> NavigateurCastiflore::lister(const QString& dossier, const QString&) const
{
    QList<EntreeBanque> themes, exercices;
    for (const QString& nom : sousDossiers(dossier)) {
        if (contientSousDossier(joindreChemin(dossier, nom)))
            themes.append({EntreeBanque::Genre::Dossier, nom, QStringLiteral("[+] ") + nom});
        else
            exercices.append({EntreeBanque::Genre::Exercice, nom, nom});
    }
    return themes + exercices;
}

bool NavigateurCastiflore::entrable(const QString& dossier, const EntreeBanque& e) const
{
    return contientSousDossier(joindreChemin(dossier, e.nom));
}

bool NavigateurCastiflore::commencable(const QString& dossier, const EntreeBanque& e) const
{
    return contientSon(joindreChemin(dossier, e.nom));
}

QString NavigateurCastiflore::exercice(const QString& dossier, const EntreeBanque& e, const QString&) const
{
    return joindreChemin(dossier, e.nom);
}

void RenommerAnciensFichiers(const QString& repertoireGroupe, const QString& eleve)
{
    const QString base = repertoireGroupe + eleve;
    const struct {
        QString ancien, nouveau;
    } renommages[] = {
        {QStringLiteral(".txt"), QStringLiteral("_CSF_Reussites.txt")},
        {QStringLiteral("_Detail.txt"), QStringLiteral("_CSF_Detail.txt")},
        {QStringLiteral("_Exos.txt"), QStringLiteral("_CSF_Exos.txt")},
    };
    for (const auto& r : renommages) {
        if (r.ancien == QLatin1String(".txt") ? fichierDUnEleve(eleve + r.ancien) : resultatDUnEleve(eleve + r.ancien))
            continue;
        // A rename that fails leaves both files as they are; the pupil goes on all the same.
        if (existeFichier(base + r.ancien))
            DeplacerFichier(base + r.ancien, base + r.nouveau);
    }
}

const NavigateurExercices& ReglesAccueilCastiflore::navigateur() const
{
    static const NavigateurCastiflore n;
    return n;
}

BullesAccueil ReglesAccueilCastiflore::bulles() const
{
    return {QString(), QString(), QStringLiteral("Nouvel élève")};
}

bool ReglesAccueilCastiflore::prenomPris(const QString& tape, const QString& entree) const
{
    return tape == entree;
}

QString ReglesAccueilCastiflore::legendeMotDePasseEnseignant() const
{
    return QStringLiteral("Saisie du mot de passe");
}

void ReglesAccueilCastiflore::renommerAnciensFichiers(const QString& repertoireGroupe, const QString& eleve) const
{
    RenommerAnciensFichiers(repertoireGroupe, eleve);
}

void installerAccueilCastiflore()
{
    static const ReglesAccueilCastiflore regles;
    definirReglesAccueil(&regles);
    initialiserImagesAccueil();
}

} // namespace castiflore
