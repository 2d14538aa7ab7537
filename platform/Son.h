#pragma once
// The programs' sounds. Each file is decoded whole first, then all its samples are handed to the
// sound server at once: the server plays the whole word, from its first sample to its last,
// whatever the interface thread does meanwhile (it sleeps for seconds after the farewell sound).
// Decoding and playing run on a thread of their own; one sound plays at a time.

#include <QString>

class QThread;
class MoteurSons;

class LecteurSons {
public:
    LecteurSons();
    ~LecteurSons();
    LecteurSons(const LecteurSons&) = delete;
    LecteurSons& operator=(const LecteurSons&) = delete;

    // Loads the media layer and reaches the sound server on the sound thread, so that the first
    // sound does not wait for them; returns at once. pret() tells when it is done (or when a sound
    // came first).
    void preparer();
    bool pret() const;

    // Plays an item from its start, ending the sound playing (also when this one fails). Waits
    // for the decoding: false when the file is no sound that can be decoded; nothing plays then.
    // The last item's samples are kept, so that listening to it again starts at once.
    bool jouerItem(const QString& chemin);
    // Plays a sound effect the same way, but returns at once; a file that is no sound is silence.
    // Every effect's samples are kept.
    void jouerBruitage(const QString& chemin);

private:
    QThread* fil_;
    MoteurSons* moteur_;
};
