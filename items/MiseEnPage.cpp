#include "MiseEnPage.h"

#include <algorithm>

#include "Impression.h"

namespace {

// a / b rounded to the nearest whole number, halves to the even neighbour (b > 0).
qint64 arrondiPair(qint64 a, qint64 b)
{
    qint64 q = a / b, reste = a % b;
    if (reste < 0) {
        --q;
        reste += b;
    }
    if (2 * reste > b || (2 * reste == b && q % 2 != 0))
        ++q;
    return q;
}

} // namespace

QString mesureVerification()
{
    static const QString etoiles(15, QLatin1Char('*'));
    return etoiles;
}

int MiseEnPage::nombreColonnes(int largeurPage, int largeurMax)
{
    const qint64 utile = static_cast<qint64>(largeurPage) - 2 * marge;
    const qint64 q = arrondiPair(utile, std::max(largeurMax, 1));
    return static_cast<int>(std::clamp<qint64>(q, 1, colonnesMax));
}

int MiseEnPage::nombreColonnes(int largeurMax) const
{
    return nombreColonnes(document_.largeur(), largeurMax);
}

void MiseEnPage::commencerBloc(int colonnes)
{
    colonnes_ = std::clamp(colonnes, 1, colonnesMax);
    compteur_ = 0;
}

void MiseEnPage::sautDePage()
{
    // The document starts the new page with its next text: a break with nothing after it
    // ejects no sheet.
    if (!document_.nouvellePage())
        throw EchecImprimante(document_.erreur());
    NumLigne = 0;
}

void MiseEnPage::verifierPlace(int n, const QString& mesure)
{
    const qint64 h = document_.hauteurTexte(mesure);
    if (h * (NumLigne + n) > document_.hauteur())
        sautDePage();
}

void MiseEnPage::garderEnsemble(int k, const QString& mesure)
{
    const qint64 h = document_.hauteurTexte(mesure);
    const qint64 H = document_.hauteur();
    if (k * h < H && (NumLigne + k) * h > H)
        sautDePage();
}

void MiseEnPage::changementDePage(bool parEleve)
{
    if (parEleve && NumLigne != 0)
        sautDePage();
}

void MiseEnPage::ecrire(int colonne, const QString& texte)
{
    // Nothing is clipped: a line wider than its column runs on over the next one.
    const qint64 largeurColonne = arrondiPair(static_cast<qint64>(document_.largeur()) - 2 * marge, colonnes_);
    const int x = marge + static_cast<int>((colonne - 1) * largeurColonne);
    const int y = marge + NumLigne * document_.hauteurTexte(texte);
    if (!document_.ecrire(x, y, texte))
        throw EchecImprimante(document_.erreur());
}

void MiseEnPage::ecrireLigne(const QString& texte)
{
    ecrire(1, texte);
}

void MiseEnPage::placerItem(const QString& texte)
{
    ++compteur_;
    if (compteur_ > colonnes_) {
        ++NumLigne;
        compteur_ = 1;
    }
    ecrire(compteur_, texte);
}

void MiseEnPage::finBloc()
{
    if (NumLigne != 0)
        ++NumLigne;
}

int MiseEnPage::largeurTexte(const QString& texte) const
{
    return document_.largeurTexte(texte);
}
