#pragma once
// What the results window does differently from one program to the other, beyond the values of
// the profile. Ombrivelle's rules are the default; the other program installs its own at start.

#include <QString>
#include <QStringList>
#include <QStringView>

class TfBilans;

class ReglesBilans {
public:
    virtual ~ReglesBilans() = default;

    // The buttons of one program only, shown or hidden at each opening (Ombrivelle: bTextes,
    // in the teacher face or when the settings allow the pupils to write exercises).
    virtual void montrerBoutonsPropres(TfBilans& f) const;
    // The refresh button: the settings read again, the lists rebuilt on the same group and
    // pupil, the pupil's tabs loaded again.
    virtual void rafraichir(TfBilans& f) const;
    // Prints Tampon once it holds the header, an empty line and the text (Ombrivelle: the
    // print dialog, then a plain-text job a copy).
    virtual void imprimerTampon(TfBilans& f) const;
    // Whether printing is switched off while the password tab is shown.
    virtual bool impressionSelonOnglet() const { return true; }
    // The sound recorder of bMagneto (Ombrivelle has no such button: nothing).
    virtual void demarrerEnregistreur(TfBilans&) const {}
    // The pupil's files in the order in which the deletion removes them.
    virtual QStringList fichiersASupprimer(const QString& repertoireGroupe, const QString& eleve) const;
};

const ReglesBilans& reglesBilans();
// Installs the rules of the running program (nullptr: Ombrivelle's).
void definirReglesBilans(const ReglesBilans* r);

// A line of the successes file whose current run (its last count, after the last "|" or "-")
// is exactly the number of successes needed: an item no longer offered to the pupil.
bool itemAcquis(QStringView ligne, QStringView nbReponsesNecessaires);
