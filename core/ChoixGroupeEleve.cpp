#include "ChoixGroupeEleve.h"

namespace {

class AucunChoix : public ChoixGroupeEleve {
public:
    QString texteGroupe() const override { return QString(); }
    QString texteEleve() const override { return QString(); }
};

const ChoixGroupeEleve* courant = nullptr;

} // namespace

const ChoixGroupeEleve& choixBilans()
{
    static const AucunChoix aucun;
    return courant ? *courant : aucun;
}

void definirChoixBilans(const ChoixGroupeEleve* choix)
{
    courant = choix;
}
