#pragma once
// Sound effects, played from the program folder when sounds are on and the file is there.

#include <QString>

bool bruitageDisponible(const QString& nom);
void JouerBruitage(const QString& nom);
