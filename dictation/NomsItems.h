#pragma once
// A dictation item is a sound file whose name is the expected answer:
//   [##<order>#]answer[£other answer...].wav|.mp3
// with the file-name codes for the characters that a name cannot hold ("#apo#" for "'",
// "#liv#" for a "£" of the answer). Every text that the program shows, checks, counts or logs
// is derived from that name, each in its own order of steps: those orders are what older data
// were written against, so they are kept as they are even where they disagree on odd names.

#include <QString>
#include <QStringList>

namespace castiflore {

// The file-name codes of the dictation program (the shared ones, then "#apo#"). Call it
// qualified: with a QString, an unqualified call also finds the shared decoder.
QString DecoderNomFichier(const QString& texte);

// Whether an entry of a dictation folder is an item: its extension, from the last ".", is
// ".wav" or ".mp3" in any case.
bool estItemSonore(const QString& nomEntree);

// The key under which the item is looked up among the pupil's successes: A-Z lower-cased,
// trimmed, every ".wav" and ".mp3" removed, decoded. Order prefix and "£" stay.
QString cleReussiteItem(const QString& nom);

// The answers accepted for the item, in order: the extension dropped, the order prefix removed
// (folder order only), cut at every "£", each part decoded. Blank parts (a "£" at an end, or
// doubled) are left out while the name holds another answer.
QStringList reponsesAcceptees(const QString& nom, bool ordreAleatoire);

// The answer shown to the pupil: ".WAV" and ".MP3" removed in any case, each "£" shown as five
// blanks, decoded, the order prefix removed (folder order only), "oe" written "œ".
QString texteModele(const QString& nom, bool ordreAleatoire);

// The item as the pupil's log names it: the extensions removed in their usual spellings, each
// "£" as five blanks, no decoding, the order prefix kept.
QString nomJournal(const QString& nom);

// "##<anything but #>#" at the start removed in folder order; the text unchanged in random
// order, or when it has no such prefix.
QString RetirerPrefixeOrdre(const QString& texte, bool ordreAleatoire);

// Names of the item's companion text and picture, to be found without regard to case.
QString nomTexteItem(const QString& nom);
QString nomImageItem(const QString& nom);

// The exercise's display name: the folder's own name, the last part of its path.
QString NomExercice(const QString& cheminDossier);

} // namespace castiflore
