#pragma once
// A whole write that the file system reports done but does not keep, as a network share may:
// while an EcriturePerdue lives, the rang-th checked write into the folder puts an empty file in
// place of the text it wrote.

#include <QDir>
#include <QFile>
#include <QString>

#include "Fichiers.h"

class EcriturePerdue {
public:
    EcriturePerdue(const QString& dossier, int rang)
    {
        dossier_() = dossier;
        rang_() = rang;
        injecterPanneEcriture(&perdre);
    }
    ~EcriturePerdue() { injecterPanneEcriture(nullptr); }
    EcriturePerdue(const EcriturePerdue&) = delete;
    EcriturePerdue& operator=(const EcriturePerdue&) = delete;

private:
    static QString& dossier_()
    {
        static QString d;
        return d;
    }
    static int& rang_()
    {
        static int r = 0;
        return r;
    }
    // Just before the rename, the temporary file loses what was written to it.
    static bool perdre(EtapeEcriture e)
    {
        if (e != EtapeEcriture::Renommage || --rang_() != 0)
            return false;
        const QDir d(dossier_());
        for (const QString& nom : d.entryList({QStringLiteral(".~*.tmp")}, QDir::Files | QDir::Hidden))
            QFile(d.filePath(nom)).resize(0);
        return false;
    }
};
