#pragma once
// The results folder: its groups, and the roster of a group (its password files). Without a
// results folder (an empty path: the settings named none that exists) there is no group and no
// pupil, and no pupil's folder: nothing is ever read or written elsewhere in its place.

#include <QString>
#include <QStringList>

// Groups: the entries of the results folder named without any dot (files too), A-Z sorted.
QStringList listerGroupes(const QString& repertoireBilans);
// Pupils of a group folder: its "*_Pwd.txt" files, named without every "_Pwd.txt".
QStringList listerEleves(const QString& repertoireGroupe);
// The folder of a group's pupils: the results folder + the group + "/", or the results folder
// itself for no group (an empty name); empty without a results folder.
QString repertoireDuGroupe(const QString& repertoireBilans, const QString& groupe);
