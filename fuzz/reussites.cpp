// Successes files: any text loads; the table written and read back is the same table, its
// counts read by value, and a save never has fewer non-empty lines than the file it replaces
// (the loss check would otherwise restore the backup).
#include "Cible.h"

#include "Reussites.h"
#include "Texte.h"

namespace {

int nonVides(const QString& texte)
{
    int n = 0;
    for (const QString& l : decouperLignes(texte))
        if (!l.isEmpty())
            ++n;
    return n;
}

} // namespace

CIBLE_FUZZ(reussites)
{
    const QString texte = decoderFichier(octets);
    TableDesReussites table;
    const int dejaReussis = table.charger(texte);
    EXIGER(dejaReussis >= 0 && dejaReussis <= table.taille());

    const QStringList lignes = table.lignesFichier();
    const QByteArray ecrit = encoderFichier(lignes.join(QStringLiteral("\r\n")) + (lignes.isEmpty() ? "" : "\r\n"));
    EXIGER(nonVides(decoderFichier(ecrit)) >= nonVides(texte));
    if (representableEnWindows1252(texte)) {
        TableDesReussites relue;
        EXIGER(relue.charger(decoderFichier(ecrit)) == dejaReussis);
        EXIGER(relue.taille() == table.taille());
        for (int i = 0; i < table.taille(); ++i) {
            EXIGER(relue.ligne(i).cle == table.ligne(i).cle);
            EXIGER(relue.ligne(i).comptes == table.ligne(i).comptes);
            EXIGER(relue.chercher(table.ligne(i).cle) == table.chercher(table.ligne(i).cle));
        }
    }
    for (int i = 0; i < qMin(table.taille(), 8); ++i) {
        const QString comptes = table.ligne(i).comptes;
        const int serie = serieEnCours(comptes);
        EXIGER(serie >= 0);
        EXIGER(serieEnCours(comptesApresReussite(comptes)) == qMin(serie + 1, 999999999));
        EXIGER(serieEnCours(comptesApresEchec(comptes)) == 0);
        EXIGER(premierCompte(comptes) >= 0);
    }
}
