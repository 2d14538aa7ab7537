#pragma once
// The dictation program's values for the framework it shares with Ombrivelle.

#include "Profil.h"

const Profil& profilCastiflore();
