#pragma once
// The results folder: its groups, and the roster of a group (its password files).

#include <QString>
#include <QStringList>

// Groups: the entries of the results folder named without any dot (files too), A-Z sorted.
QStringList listerGroupes(const QString& repertoireBilans);
// Pupils of a group folder: its "*_Pwd.txt" files, named without every "_Pwd.txt".
QStringList listerEleves(const QString& repertoireGroupe);
