#pragma once
// Printing the successes: one block a pupil, its header and the lines of its successes file,
// on the printer or into a text file. Its file dialog serves the exports of every print form.

#include "CadreImpression.h"
#include "Fiche.h"

class QCheckBox;
class QPushButton;
class QRadioButton;

class TfImpressionReussites : public Fiche {
    Q_OBJECT
public:
    explicit TfImpressionReussites(QWidget* parent = nullptr);

    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QCheckBox* ckChgtPage;
    QCheckBox* ckMulticol;
    QPushButton* SpeedButton1;
    QPushButton* SpeedButton3;
    QPushButton* SpeedButton2;

    // Handlers
    void FormActivate() override;
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void SpeedButton1Click();
    void SpeedButton3Click();
    void SpeedButton2Click();

    // Routines
    void ImprimerReussites(bool exporter);
    void ImprimerReussitesEleve(TravailImpression& travail, const QString& fichierReussites, const QString& eleve,
                                const QString& groupe);

private:
    void choixSelection();
    SelectionEleves selection() const;
};

extern TfImpressionReussites* fImpressionReussites;
