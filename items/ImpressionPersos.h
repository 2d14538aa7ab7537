#pragma once
// Printing the personal items: one block a pupil's list, with its header, the pupil's summary
// and each item followed by its record, mastered items marked or left out; on the printer or
// into a text file.

#include "CadreImpression.h"
#include "Fiche.h"

class QCheckBox;
class QPushButton;
class QRadioButton;

class TfImpression : public Fiche {
    Q_OBJECT
public:
    explicit TfImpression(QWidget* parent = nullptr);

    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QCheckBox* ckItemsElimines;
    QCheckBox* ckChgtPage;
    QCheckBox* ckMulticol;
    QPushButton* SpeedButton1;
    QPushButton* bExporter;
    QPushButton* SpeedButton2;

    // Handlers
    void FormActivate() override;
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void SpeedButton1Click();
    void bExporterClick();
    void SpeedButton2Click();

    // Routines
    void ImprimerItemsPersos(bool exporter);
    void ImprimerItemsPersosEleve(TravailImpression& travail, const QString& groupe, const QString& fichierListe);

private:
    void choixSelection();
};

extern TfImpression* fImpression;
