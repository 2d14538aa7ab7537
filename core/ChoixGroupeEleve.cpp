#include "ChoixGroupeEleve.h"

namespace {

class AucunChoix : public ChoixGroupeEleve {
public:
    QString texteGroupe() const override { return QString(); }
    QString texteEleve() const override { return QString(); }
};

const ChoixGroupeEleve& ouAucun(const ChoixGroupeEleve* choix)
{
    static const AucunChoix aucun;
    return choix ? *choix : aucun;
}

const ChoixGroupeEleve* accueil = nullptr;
const ChoixGroupeEleve* bilans = nullptr;

} // namespace

const ChoixGroupeEleve& choixAccueil()
{
    return ouAucun(accueil);
}

void definirChoixAccueil(const ChoixGroupeEleve* choix)
{
    accueil = choix;
}

const ChoixGroupeEleve& choixBilans()
{
    return ouAucun(bilans);
}

void definirChoixBilans(const ChoixGroupeEleve* choix)
{
    bilans = choix;
}
