#include "ReglesAccueil.h"

#include "Texte.h"

namespace {
const ReglesAccueil* courantes = nullptr;
}

const NavigateurExercices& ReglesAccueil::navigateur() const
{
    static const NavigateurOmbrivelle n;
    return n;
}

BullesAccueil ReglesAccueil::bulles() const
{
    return {QStringLiteral("Commencer l'exercice"), QStringLiteral("Quitter le logiciel"),
            QStringLiteral("Inscrire un nouvel élève")};
}

QString ReglesAccueil::legendeMotDePasseEnseignant() const
{
    return QStringLiteral("Saisie du mot de passe enseignant");
}

bool ReglesAccueil::prenomPris(const QString& tape, const QString& entree) const
{
    return majusculesAZ(tape) == majusculesAZ(entree);
}

const ReglesAccueil& reglesAccueil()
{
    static const ReglesAccueil ombrivelle;
    return courantes ? *courantes : ombrivelle;
}

void definirReglesAccueil(const ReglesAccueil* r)
{
    courantes = r;
}
