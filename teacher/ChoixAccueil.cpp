#include "ChoixAccueil.h"

namespace {

class AucunChoix : public ChoixGroupeEleve {
public:
    QString texteGroupe() const override { return QString(); }
    QString texteEleve() const override { return QString(); }
};

const ChoixGroupeEleve* courant = nullptr;

} // namespace

const ChoixGroupeEleve& choixAccueil()
{
    static const AucunChoix aucun;
    return courant ? *courant : aucun;
}

void definirChoixAccueil(const ChoixGroupeEleve* choix)
{
    courant = choix;
}
