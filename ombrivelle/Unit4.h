#pragma once
// The help page of the current exercise: rich text or a picture found beside the exercise file.

#include "Fiche.h"

class QLabel;
class QPushButton;
class QTextEdit;

class TformAide : public Fiche {
    Q_OBJECT
public:
    explicit TformAide(QWidget* parent = nullptr);

    QLabel* ImageAide;
    QTextEdit* eAide;
    QPushButton* bQuitter;

    // Handlers
    void FormActivate() override;
    void FormClose() override;
    void bQuitterClick();

private:
    void chargerTexte(const QString& chemin);
    void chargerImage(const QString& chemin);
};

extern TformAide* formAide;
