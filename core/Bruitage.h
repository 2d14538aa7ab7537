#pragma once
// Sound effects, played from the program folder when sounds are on and the file is there.

#include <QString>

bool bruitageDisponible(const QString& nom);
void JouerBruitage(const QString& nom);

// Ends the program: with sounds on and "quitter.wav" present, the main window is drawn, the
// sound started and the interface paused so that it is heard; then the main window closes.
void QuitterLeLogiciel(int pauseMillisecondes);
