#pragma once
// Every window of Ombrivelle, created once at start in a fixed order, the main window first,
// and living until the program ends.

#include <QStringList>
#include <memory>
#include <vector>

class QWidget;

class FichesOmbrivelle {
public:
    explicit FichesOmbrivelle(const QStringList& arguments);
    ~FichesOmbrivelle();

private:
    std::vector<std::unique_ptr<QWidget>> fiches_;
};
