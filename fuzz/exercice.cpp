// Exercise files: any text loads, its items are checked against one another under every rule,
// and the sorted comparison of words in any order agrees with the rule as first written.
#include "Cible.h"

#include "Comparaison.h"
#include "Exercice.h"
#include "Texte.h"

namespace {

// Every word of one list equals some word of the other: the rule, word against word.
bool memesMotsReference(QStringList a, QStringList t, bool maj)
{
    for (QString& m : a)
        m = maj ? rogner(m) : minusculesAZ(rogner(m));
    for (QString& m : t)
        m = maj ? rogner(m) : minusculesAZ(rogner(m));
    for (const QString& m : a)
        if (!t.contains(m))
            return false;
    for (const QString& m : t)
        if (!a.contains(m))
            return false;
    return true;
}

} // namespace

CIBLE_FUZZ(exercice)
{
    if (octets.contains('\0'))
        return; // not an exercise: the loader refuses it whole
    const QStringList lignes = decouperLignes(decoderFichier(octets));
    const ContenuExercice c = lireExercice(lignes);
    EXIGER(c.candidats.size() <= lignes.size());

    ReglesComparaison regles;
    regles.motsPermutes = c.motsPermutes;
    regles.unMotSuffit = c.unMotSuffit;
    const qsizetype n = qMin<qsizetype>(c.candidats.size(), 3);
    for (qsizetype i = 0; i < n; ++i) {
        const QString& ligne = c.candidats[i];
        const qsizetype barre = ligne.indexOf(QLatin1Char('|'));
        const QString reponses = barre < 0 ? QString() : ligne.mid(barre + 1);
        const QString tape = c.candidats[(i + 1) % c.candidats.size()];
        for (int r = 0; r < 4; ++r) {
            regles.respectEspaces = r & 1;
            regles.respectMajuscules = r & 2;
            const Verification v = VerifierReponse(reponses, tape, regles);
            EXIGER(v.longueurBleue >= 0 && v.longueurBleue <= v.texteSaisie.size());
        }
        const QStringList a = DecouperMots(reponses), t = DecouperMots(tape);
        if (a.size() > 40 || t.size() > 40)
            continue; // the reference is quadratic: kept for short answers
        for (bool maj : {false, true}) {
            ReglesComparaison p;
            p.motsPermutes = true;
            p.respectMajuscules = maj;
            const bool entier = (maj ? rogner(tape) : minusculesAZ(rogner(tape)))
                                == (maj ? rogner(reponses) : minusculesAZ(rogner(reponses)));
            const bool attendu = entier || (a.size() == t.size() && memesMotsReference(a, t, maj));
            EXIGER(ReponseCorrecte(reponses, tape, p) == attendu);
        }
    }
}
