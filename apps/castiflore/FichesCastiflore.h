#pragma once
// Every window of Castiflore, created once at start in a fixed order, the main window first,
// and living until the program ends. It has no help window and no personal-items or printing
// forms.

#include <QStringList>
#include <memory>
#include <vector>

class QWidget;

class FichesCastiflore {
public:
    explicit FichesCastiflore(const QStringList& arguments);
    ~FichesCastiflore();

private:
    std::vector<std::unique_ptr<QWidget>> fiches_;
};
