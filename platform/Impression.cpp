#include "Impression.h"

#include <algorithm>

#include <QTextBlock>
#include <QTextDocument>

DocumentImprime::~DocumentImprime() = default;

bool DocumentImprime::echouer(const QString& message)
{
    if (erreur_.isEmpty())
        erreur_ = message;
    if (enCours_) {
        enCours_ = false;
        annuler();
    }
    return false;
}

bool DocumentImprime::commencer(const QString& titre)
{
    if (enCours_) {
        // The job in progress goes on.
        erreur_ = QStringLiteral("Une impression est déjà en cours.");
        return false;
    }
    erreur_.clear();
    pageEntamee_ = false;
    sautEnAttente_ = false;
    if (!debuter(titre)) {
        if (erreur_.isEmpty())
            erreur_ = QStringLiteral("L'impression n'a pas pu commencer.");
        return false;
    }
    enCours_ = true;
    return true;
}

bool DocumentImprime::ecrire(int x, int y, const QString& texte)
{
    if (!enCours_)
        return echouer(QStringLiteral("Aucune impression n'est en cours."));
    if (texte.isEmpty())
        return true;
    if (sautEnAttente_) {
        sautEnAttente_ = false;
        if (!sauterPage())
            return echouer(QStringLiteral("L'imprimante n'a pas pu passer à la page suivante."));
    }
    if (!dessiner(x, y, texte))
        return echouer(QStringLiteral("L'imprimante n'a pas pu imprimer le texte."));
    pageEntamee_ = true;
    return true;
}

bool DocumentImprime::nouvellePage()
{
    if (!enCours_)
        return echouer(QStringLiteral("Aucune impression n'est en cours."));
    // The new page begins with the next text; an untouched page stays the current one.
    if (pageEntamee_) {
        sautEnAttente_ = true;
        pageEntamee_ = false;
    }
    return true;
}

bool DocumentImprime::terminer()
{
    if (!enCours_)
        return echouer(QStringLiteral("Aucune impression n'est en cours."));
    if (!finir())
        return echouer(QStringLiteral("L'imprimante n'a pas pu terminer le document."));
    enCours_ = false;
    return true;
}

void DocumentImprime::abandonner()
{
    if (enCours_) {
        enCours_ = false;
        annuler();
    }
}

namespace {

// The text after the leading TABs, with the others widened to the next multiple of eight
// characters, as a text device does.
QString sansTabulations(const QString& texte)
{
    QString r;
    for (QChar c : texte) {
        if (c == QLatin1Char('\t'))
            r += QString(8 - r.size() % 8, QLatin1Char(' '));
        else
            r += c;
    }
    return r;
}

// How much of the text fits in the width: up to the last blank that fits, else as many
// characters as fit (at least one, so that the text always moves on).
qsizetype partieQuiTient(const DocumentImprime& d, const QString& texte, int largeur)
{
    if (texte.size() <= 1 || d.largeurTexte(texte) <= largeur)
        return texte.size();
    qsizetype bas = 1, haut = texte.size() - 1; // the longest prefix that fits, at least 1
    while (bas < haut) {
        const qsizetype milieu = (bas + haut + 1) / 2;
        if (d.largeurTexte(texte.left(milieu)) <= largeur)
            bas = milieu;
        else
            haut = milieu - 1;
    }
    for (qsizetype i = bas; i > 0; --i)
        if (texte[i] == QLatin1Char(' '))
            return i;
    return bas;
}

} // namespace

ResultatImpression imprimerTexteBrut(DocumentImprime& d, const QStringList& lignes,
                                     const QString& titre, int exemplaires)
{
    if (!d.commencer(titre))
        return ResultatImpression::echec(d.erreur());
    const int h = d.hauteurTexte(QStringLiteral("X"));
    const int tabulation = d.largeurTexte(QString(8, QLatin1Char(' ')));
    const int largeur = d.largeur();
    int y = 0;
    auto ligneSuivante = [&]() {
        if (y > 0 && y + h > d.hauteur()) {
            if (!d.nouvellePage())
                return false;
            y = 0;
        }
        return true;
    };
    auto imprimerLigne = [&](const QString& ligne) {
        qsizetype n = 0;
        while (n < ligne.size() && ligne[n] == QLatin1Char('\t'))
            ++n;
        // However many TABs, the text stays on the page.
        const int retrait = std::min(static_cast<int>(n) * tabulation, largeur / 2);
        QString reste = sansTabulations(ligne.mid(n));
        do {
            if (!ligneSuivante())
                return false;
            qsizetype k = partieQuiTient(d, reste, largeur - retrait);
            if (!d.ecrire(retrait, y, reste.left(k)))
                return false;
            // The blank where the line was cut does not begin the next one.
            if (k < reste.size() && reste[k] == QLatin1Char(' '))
                ++k;
            reste = reste.mid(k);
            y += h;
        } while (!reste.isEmpty());
        return true;
    };
    for (int exemplaire = 0; exemplaire < exemplaires; ++exemplaire) {
        if (exemplaire > 0) {
            if (!d.nouvellePage())
                return ResultatImpression::echec(d.erreur());
            y = 0;
        }
        for (const QString& ligne : lignes)
            if (!imprimerLigne(ligne))
                return ResultatImpression::echec(d.erreur());
    }
    if (!d.terminer())
        return ResultatImpression::echec(d.erreur());
    return {};
}

namespace {

class DocumentEnregistre : public DocumentImprime {
public:
    explicit DocumentEnregistre(ImprimanteEnregistreuse& i) : imprimante_(i) {}

    int largeur() const override { return imprimante_.largeur; }
    int hauteur() const override { return imprimante_.hauteur; }
    bool versFichier() const override { return imprimante_.versFichier; }
    int hauteurTexte(const QString&) const override { return 100; }
    int largeurTexte(const QString& texte) const override { return 20 * static_cast<int>(texte.size()); }

protected:
    bool debuter(const QString& titre) override
    {
        if (!imprimante_.reussit(OperationImpression::Debut)) {
            definirErreur(QStringLiteral("L'imprimante est hors service."));
            return false;
        }
        TravailImprime t;
        t.titre = titre;
        imprimante_.travaux.append(t);
        imprimante_.noter(QStringLiteral("impression début | ") + titre);
        travail_ = imprimante_.travaux.size() - 1;
        page_ = 1;
        return true;
    }
    bool dessiner(int x, int y, const QString& texte) override
    {
        if (!imprimante_.reussit(OperationImpression::Texte))
            return false;
        TravailImprime& t = imprimante_.travaux[travail_];
        t.textes.append({page_, x, y, texte});
        t.pages = page_;
        return true;
    }
    bool sauterPage() override
    {
        if (!imprimante_.reussit(OperationImpression::NouvellePage))
            return false;
        ++page_;
        return true;
    }
    bool finir() override
    {
        if (!imprimante_.reussit(OperationImpression::Fin))
            return false;
        TravailImprime& t = imprimante_.travaux[travail_];
        t.etat = TravailImprime::Etat::Termine;
        imprimante_.noter(QStringLiteral("impression fin | %1 page(s)").arg(t.pages));
        return true;
    }
    void annuler() override
    {
        imprimante_.travaux[travail_].etat = TravailImprime::Etat::Abandonne;
        imprimante_.noter(QStringLiteral("impression abandonnée"));
    }

private:
    ImprimanteEnregistreuse& imprimante_;
    qsizetype travail_ = -1;
    int page_ = 1;
};

} // namespace

QString nomOperation(OperationImpression o)
{
    switch (o) {
    case OperationImpression::Debut: return QStringLiteral("début");
    case OperationImpression::Texte: return QStringLiteral("texte");
    case OperationImpression::NouvellePage: return QStringLiteral("nouvelle page");
    case OperationImpression::Fin: return QStringLiteral("fin");
    case OperationImpression::TexteRiche: return QStringLiteral("texte riche");
    }
    return QString();
}

void ImprimanteEnregistreuse::echouerA(OperationImpression operation, int rang)
{
    echecPrevu_ = true;
    operationEchec_ = operation;
    rangEchec_ = rang;
}

bool ImprimanteEnregistreuse::reussit(OperationImpression operation)
{
    if (!echecPrevu_ || operation != operationEchec_)
        return true;
    if (--rangEchec_ > 0)
        return true;
    echecPrevu_ = false;
    noter(QStringLiteral("impression échec | ") + nomOperation(operation));
    return false;
}

std::unique_ptr<DocumentImprime> ImprimanteEnregistreuse::document()
{
    return std::make_unique<DocumentEnregistre>(*this);
}

ResultatImpression ImprimanteEnregistreuse::imprimerTexteRiche(const QTextDocument& texte)
{
    if (!reussit(OperationImpression::TexteRiche))
        return ResultatImpression::echec(QStringLiteral("L'imprimante est hors service."));
    TravailImprime t;
    t.texteRiche = true;
    QStringList paragraphes;
    for (QTextBlock b = texte.begin(); b.isValid(); b = b.next())
        paragraphes.append(b.text());
    t.texte = paragraphes.join(QLatin1Char('\n'));
    t.police = texte.defaultFont().family();
    t.etat = TravailImprime::Etat::Termine;
    travaux.append(t);
    noter(QStringLiteral("impression texte riche | %1 | %2 paragraphe(s)").arg(t.police).arg(paragraphes.size()));
    return {};
}

QString nomEtatTravail(TravailImprime::Etat etat)
{
    switch (etat) {
    case TravailImprime::Etat::EnCours: return QStringLiteral("en cours");
    case TravailImprime::Etat::Termine: return QStringLiteral("terminé");
    case TravailImprime::Etat::Abandonne: return QStringLiteral("abandonné");
    }
    return QString();
}
