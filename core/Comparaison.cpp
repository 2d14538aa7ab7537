#include "Comparaison.h"

#include "Texte.h"

#include <algorithm>

namespace {

QString plier(const QString& texte, bool respectMajuscules)
{
    return respectMajuscules ? texte : minusculesAZ(texte);
}

bool separateur(QChar c)
{
    return c.unicode() <= 32;
}

QString apostrophesDroites(QString texte)
{
    texte.replace(QChar(0x2018), QLatin1Char('\''));
    texte.replace(QChar(0x2019), QLatin1Char('\''));
    return texte;
}

// Every word of one list equals some word of the other, multiplicity not counted: the two
// lists hold the same set of words. Sorted, so that long answers stay fast.
bool memesMots(QStringList a, QStringList t, bool maj)
{
    auto ensemble = [maj](QStringList& mots) {
        for (QString& m : mots)
            m = plier(rogner(m), maj);
        std::sort(mots.begin(), mots.end());
        mots.erase(std::unique(mots.begin(), mots.end()), mots.end());
    };
    ensemble(a);
    ensemble(t);
    return a == t;
}

// The alternatives of "a|b|c": every text between the "|", empty ones included.
QStringList alternatives(const QString& reponses)
{
    return reponses.split(QLatin1Char('|'), Qt::KeepEmptyParts);
}

} // namespace

QString NormaliserEspaces(const QString& texte)
{
    static const char* const remplacements[][2] = {
        {", ", ","}, {" ,", ","}, {" .", "."}, {". ", "."}, {"! ", "!"},
        {" !", "!"}, {"? ", "?"}, {" ?", "?"}, {"... ", "..."}, {" ...", "..."},
        {"( ", "("}, {" (", "("}, {") ", ")"}, {" )", ")"}, {"' ", "'"},
        {" '", "'"}, {"\" ", "\""}, {" \"", "\""}, {"( ", "("}, {" (", "("},
    };
    QString r = texte;
    for (const auto& [avant, apres] : remplacements)
        r.replace(QLatin1String(avant), QLatin1String(apres));
    return r;
}

QStringList DecouperMots(const QString& texte)
{
    QStringList mots;
    const qsizetype n = texte.size();
    qsizetype i = 0;
    while (i < n) {
        while (i < n && separateur(texte[i]))
            ++i;
        if (i >= n)
            break;
        if (texte[i] == QLatin1Char('"')) {
            QString mot;
            qsizetype j = i + 1;
            bool ferme = false;
            while (j < n) {
                if (texte[j] == QLatin1Char('"')) {
                    if (j + 1 < n && texte[j + 1] == QLatin1Char('"')) {
                        mot += QLatin1Char('"');
                        j += 2;
                        continue;
                    }
                    ferme = true;
                    ++j;
                    break;
                }
                mot += texte[j++];
            }
            if (!ferme)
                mot.chop(1); // an unclosed quote takes the rest less its last character
            mots.append(mot);
            i = j;
        } else {
            const qsizetype debut = i;
            while (i < n && !separateur(texte[i]))
                ++i;
            mots.append(texte.mid(debut, i - debut));
        }
    }
    return mots;
}

bool ReponseCorrecte(const QString& alternative, const QString& tape, const ReglesComparaison& regles)
{
    const bool maj = regles.respectMajuscules;
    if (plier(rogner(tape), maj) == plier(rogner(alternative), maj))
        return true;
    if (regles.motsPermutes) {
        QStringList a = DecouperMots(alternative), t = DecouperMots(tape);
        if (a.size() == t.size() && memesMots(a, t, maj))
            return true;
    }
    if (regles.unMotSuffit) {
        const QString t = plier(rogner(tape), maj);
        for (const QString& m : DecouperMots(alternative))
            if (plier(rogner(m), maj) == t)
                return true;
    }
    return false;
}

int LongueurDebutCorrect(const QString& attendu, const QString& tape, bool respectMajuscules)
{
    const qsizetype fin = qMin(attendu.size(), tape.size());
    int n = 0;
    for (qsizetype i = 0; i < fin; ++i) {
        const QChar e = attendu[i], t = tape[i];
        const bool egaux = e == t || (!respectMajuscules && plier(QString(e), false) == plier(QString(t), false));
        if (!egaux)
            break;
        ++n;
        if (i == tape.size() - 1 && attendu.size() > i + 1) {
            --n; // a typed text that stops inside the expected one: its last character is not sure
            break;
        }
        const bool blancTape = i + 1 < tape.size() && tape[i + 1] == QLatin1Char(' ');
        const bool blancAttendu = i + 1 < attendu.size() && attendu[i + 1] == QLatin1Char(' ');
        if (blancTape && !blancAttendu) {
            --n; // a typed word that ends where the expected word goes on
            break;
        }
    }
    return n;
}

Verification VerifierReponse(const QString& reponses, const QString& saisie, const ReglesComparaison& regles)
{
    Verification v;
    QString boite = saisie;
    if (reponses.contains(QChar(0x0153)))
        boite.replace(QStringLiteral("oe"), QStringLiteral("œ"));
    if (reponses.contains(QLatin1String("oe")))
        boite.replace(QStringLiteral("œ"), QStringLiteral("oe"));

    QString e = reponses, t = boite;
    if (!regles.respectEspaces) {
        e = NormaliserEspaces(e);
        t = NormaliserEspaces(t);
    }
    e = apostrophesDroites(e);
    t = apostrophesDroites(t);
    boite = apostrophesDroites(boite);

    for (const QString& a : alternatives(e))
        if (ReponseCorrecte(a, t, regles))
            v.juste = true;

    v.texteSaisie = boite;
    for (const QString& a : alternatives(rogner(reponses)))
        v.longueurBleue = qMax(v.longueurBleue, LongueurDebutCorrect(a, boite, regles.respectMajuscules));
    return v;
}
