// The scripted platform's printer and common dialogs: answered from the script in its order,
// like the windows and the boxes.

#include <QTextDocument>

#include "PlateformeScriptee.h"

namespace {

QString decrirePolice(const Police& p)
{
    return QStringLiteral("%1, %2 pt, style %3, couleur %4")
        .arg(p.nom)
        .arg(p.taillePoints)
        .arg(p.style)
        .arg(p.couleur);
}

const QString annule = QStringLiteral("annulé");

} // namespace

void PlateformeScriptee::ajouterDialogue(Etape e)
{
    etapes_.append(std::move(e));
}

void PlateformeScriptee::repondreImpression(std::optional<int> copies)
{
    Etape e;
    e.dialogue = QStringLiteral("impression");
    e.accepte = copies.has_value();
    e.copies = copies.value_or(0);
    ajouterDialogue(e);
}

void PlateformeScriptee::repondreImprimante(bool accepte)
{
    Etape e;
    e.dialogue = QStringLiteral("imprimante");
    e.accepte = accepte;
    ajouterDialogue(e);
}

void PlateformeScriptee::repondrePolice(std::optional<Police> choisie)
{
    Etape e;
    e.dialogue = QStringLiteral("police");
    e.accepte = choisie.has_value();
    if (choisie)
        e.police = *choisie;
    ajouterDialogue(e);
}

void PlateformeScriptee::repondreDossier(std::optional<QString> choisi)
{
    repondreChemin(QStringLiteral("dossier"), std::move(choisi));
}

void PlateformeScriptee::repondreFichier(std::optional<QString> choisi)
{
    repondreChemin(QStringLiteral("fichier"), std::move(choisi));
}

void PlateformeScriptee::repondreChemin(const QString& dialogue, std::optional<QString> choisi)
{
    Etape e;
    e.dialogue = dialogue;
    e.accepte = choisi.has_value();
    e.chemin = choisi.value_or(QString());
    ajouterDialogue(e);
}

std::optional<PlateformeScriptee::Etape> PlateformeScriptee::etapeDialogue(const QString& genre,
                                                                          const QString& ligne)
{
    if (fin_) {
        journal.append(ligne + QStringLiteral(" (ignoré)"));
        return std::nullopt;
    }
    if (etapes_.isEmpty() || etapes_.first().dialogue != genre) {
        journal.append(ligne);
        signaler(QStringLiteral("dialogue %1 non prévu par le script").arg(genre));
        return std::nullopt;
    }
    Etape e = etapes_.takeFirst();
    return e;
}

std::optional<int> PlateformeScriptee::dialogueImpression()
{
    const QString ligne = QStringLiteral("dialogue impression");
    const auto e = etapeDialogue(QStringLiteral("impression"), ligne);
    if (!e)
        return std::nullopt;
    if (!e->accepte) {
        journal.append(ligne + QStringLiteral(" | ") + annule);
        return std::nullopt;
    }
    journal.append(ligne + QStringLiteral(" | %1 copie(s)").arg(e->copies));
    return e->copies;
}

bool PlateformeScriptee::dialogueImprimante()
{
    const QString ligne = QStringLiteral("dialogue imprimante");
    const auto e = etapeDialogue(QStringLiteral("imprimante"), ligne);
    if (!e)
        return false;
    journal.append(ligne + QStringLiteral(" | ") + (e->accepte ? QStringLiteral("accepté") : annule));
    return e->accepte;
}

std::unique_ptr<DocumentImprime> PlateformeScriptee::documentImprime()
{
    return imprimante.document();
}

ResultatImpression PlateformeScriptee::imprimerTexteRiche(const QTextDocument& texte)
{
    return imprimante.imprimerTexteRiche(texte);
}

std::optional<Police> PlateformeScriptee::dialoguePolice(const Police& depart)
{
    const QString ligne = QStringLiteral("dialogue police | ") + decrirePolice(depart);
    const auto e = etapeDialogue(QStringLiteral("police"), ligne);
    if (!e)
        return std::nullopt;
    journal.append(ligne + QStringLiteral(" | ") + (e->accepte ? decrirePolice(e->police) : annule));
    if (!e->accepte)
        return std::nullopt;
    return e->police;
}

std::optional<QString> PlateformeScriptee::dialogueDossier(const QString& depart)
{
    const QString ligne = QStringLiteral("dialogue dossier | ") + depart;
    const auto e = etapeDialogue(QStringLiteral("dossier"), ligne);
    if (!e)
        return std::nullopt;
    journal.append(ligne + QStringLiteral(" | ") + (e->accepte ? e->chemin : annule));
    if (!e->accepte)
        return std::nullopt;
    return e->chemin;
}

std::optional<QString> PlateformeScriptee::dialogueFichier(const DemandeFichier& d)
{
    const QString ligne =
        QStringLiteral("dialogue fichier | %1 | %2 | %3 | %4 | %5%6")
            .arg(d.mode == DemandeFichier::Mode::Ouvrir ? QStringLiteral("ouvrir") : QStringLiteral("enregistrer"),
                 d.titre, d.dossierInitial, d.filtre, d.extensionDefaut,
                 d.confirmerRemplacement ? QStringLiteral(" | confirmer le remplacement") : QString());
    const auto e = etapeDialogue(QStringLiteral("fichier"), ligne);
    if (!e)
        return std::nullopt;
    journal.append(ligne + QStringLiteral(" | ") + (e->accepte ? e->chemin : annule));
    if (!e->accepte)
        return std::nullopt;
    return e->chemin;
}
