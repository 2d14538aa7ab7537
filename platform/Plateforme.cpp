#include "Plateforme.h"

#include <cstdlib>

namespace {
Plateforme* courante = nullptr;
}

Plateforme& plateforme()
{
    if (!courante)
        std::abort();
    return *courante;
}

void installerPlateforme(Plateforme* p)
{
    courante = p;
}

bool plateformeInstallee()
{
    return courante != nullptr;
}
