#pragma once
// Older versions of the dictation program left their help and a new exercise bank under other
// names beside the executable; each start puts them in their current place. Each step is
// guarded by its old folder, so that a step that could not finish is tried again at the next
// start, and none of them ever destroys a pupil's or a teacher's data.

#include <QString>
#include <functional>

namespace castiflore {

// How an entry is moved; the tests replace it to make a move fail.
using Deplacement = std::function<bool(const QString& source, const QString& destination)>;

// "aide_castiflore/" becomes "_Aide_CSF/", unless that name is taken. True when moved.
bool MigrerAncienneAide(const QString& programme);

// "aide/" is deleted with what it holds; links in it are removed, never followed. True when
// it is gone.
bool SupprimerAncienneAide(const QString& programme);

// "_medias/" holds a new exercise bank: it takes the place of "_Exercices_CSF/" and keeps the
// old bank's top-level entries that it lacks. The old entries that it has too are kept in a
// backup folder beside the executable ("_Exercices_CSF_ancien", numbered when that name is
// taken). A move that fails stops the merge with both folders in place, to be tried again at
// the next start. True when "_medias/" has become the bank.
bool FusionnerExercicesMedias(const QString& programme, const Deplacement& deplacer = {});

// The backup folder's name: the first of "_Exercices_CSF_ancien", "_Exercices_CSF_ancien2", ...
// that is free in any case.
QString nomSauvegardeBanque(const QString& programme);

// The three steps, in their order, each when its old folder is there.
void MigrerDossierProgramme(const QString& programme);

} // namespace castiflore
