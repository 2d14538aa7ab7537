#pragma once
// The run-time input/output error: a file operation that failed stops the handler that made it.
// It is caught at every handler boundary (see Fiche::garde) and told in one French message box.

#include <QString>
#include <stdexcept>

class ErreurES : public std::runtime_error {
public:
    explicit ErreurES(const QString& fichier)
        : std::runtime_error(fichier.toStdString()), fichier_(fichier) {}
    const QString& fichier() const { return fichier_; }
    QString message() const;

private:
    QString fichier_;
};
