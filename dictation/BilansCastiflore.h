#pragma once
// The dictation program's results window: the shared window with the program's profile, and
// these rules where it behaves otherwise: its sound-recorder button, a refresh that reloads the
// pupil's own tabs, printing as one formatted document through the printer setup, and no
// switching off of printing on the password tab.

#include <QString>
#include <QStringList>

#include "ReglesBilans.h"

namespace castiflore {

class ReglesBilansCastiflore : public ReglesBilans {
public:
    // bMagneto: in the teacher face, or when the settings let the pupils record sounds.
    void montrerBoutonsPropres(TfBilans& f) const override;
    // The settings read again; the pupil's own four tabs reloaded in the pupil face; the lists
    // rebuilt on the window's own group and pupil, whose tabs the teacher face then shows.
    void rafraichir(TfBilans& f) const override;
    // The printer setup, then Tampon in its own font as one job, laid out and paged.
    void imprimerTampon(TfBilans& f) const override;
    bool impressionSelonOnglet() const override { return false; }
    void demarrerEnregistreur(TfBilans& f) const override;
};

// The recorders looked for on the PATH, in this order, when the settings name none that exists.
const QStringList& enregistreursSysteme();

// Starts the sound recorder: the program that CheminLogSon names when that file exists (a file
// that is no program is opened by the desktop, as the shell would), else the first recorder of
// the system found on the PATH. Nothing happens, and nothing is said, when there is none.
void DemarrerEnregistreur(const QString& cheminLogSon);

// Makes the results window behave as the dictation program's; called once at start, with the
// program's profile installed.
void installerBilansCastiflore();

} // namespace castiflore
