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
