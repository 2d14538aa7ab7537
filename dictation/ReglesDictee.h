#pragma once
// How a dictation is run where it differs from Ombrivelle's run: the items are sound files
// taken whole, the clock starts at the first listening, the check is the dictation's own, and
// each item takes one line of the pupil's log.

#include <QString>
#include <QStringList>

#include "Deroulement.h"

namespace castiflore {

// The typed text with every "oe" written "œ" when the item's expected text holds "œ"; else the
// typed text unchanged.
QString saisieAvecLigature(const QString& saisie, const QString& nom, bool ordreAleatoire);

// Whether the typed text is one of the item's accepted answers. Characters of code 32 or less
// at both ends never count; capitals (A-Z only) count when respectMajuscules is set.
bool saisieJuste(const QString& saisie, const QString& nom, bool ordreAleatoire, bool respectMajuscules);

class ReglesDeroulementCastiflore : public ReglesDeroulement {
public:
    // 5 for an item not yet answered, 1 for one answered right after a miss: the chosen
    // entry's own state.
    int bonusDeLEntree(const Deroulement& d, int entree) const override;
    bool horlogeALAffichage() const override { return false; }
    QString libelleDebut() const override;
    // "log name : typed" at the first miss, " - typed" at each later one, no line end: the
    // item's line stays open until its right answer closes it.
    void journaliserEchec(const Deroulement& d, const QString& montree) const override;
    void journaliserReussite(const Deroulement& d, const QString& tape) const override;
    // Successes are counted under what the pupil typed; a miss ends the run of each accepted
    // answer, so that it reaches the row where that answer's successes were counted.
    QString cleReussite(const Deroulement& d, const QString& tape) const override;
    QStringList clesEchec(const Deroulement& d) const override;
    bool lignesAvecReponses() const override { return false; }
    // The folder's own name.
    QString nomExercice(const QString& exercice) const override;
};

} // namespace castiflore
