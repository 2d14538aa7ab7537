#pragma once
// Printing an exercise of the bank: the exercise alone, or one block a pupil in which every
// item carries the pupil's record, on the printer or into a text file.

#include "CadreImpression.h"
#include "Fiche.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

class TfImpressionExo : public Fiche {
    Q_OBJECT
public:
    explicit TfImpressionExo(QWidget* parent = nullptr);

    QLabel* Label1;
    QComboBox* cChoixExercice;
    QRadioButton* RadioButton4;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QCheckBox* ckChgtPage;
    QCheckBox* ckMulticol;
    QPushButton* SpeedButton1;
    QPushButton* bExport;
    QPushButton* SpeedButton2;

    // Handlers
    void FormActivate() override;
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void RadioButton4Click();
    void SpeedButton1Click();
    void bExportClick();
    void SpeedButton2Click();

    // Routines
    // Adds the exercises of a folder of the bank and of its sub-folders, depth first.
    void ListerExercices(const QString& dossier);
    void ImprimerExercice(bool exporter);
    // One block; pupil and group empty for the exercise alone.
    void ImprimerExerciceEleve(TravailImpression& travail, const QString& fichierReussites, const QString& eleve,
                               const QString& groupe);

    // The exercise file of the selected entry.
    QString fichierExercice() const;

private:
    void choixSelection();
    // The lines of the exercise being printed, read once a job.
    QStringList lignesExercice_;
};

extern TfImpressionExo* fImpressionExo;
