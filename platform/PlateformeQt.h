#pragma once
// The classroom's platform: Qt windows, message boxes, sounds, the desktop's handlers.

#include <QList>
#include <random>

#include "Plateforme.h"

class QApplication;
class QPrinter;
class LecteurSons;

// The classroom's desktop, before the application is made: sounds decoded through GStreamer, and
// a media layer that says nothing when sound cannot be played (QT_LOGGING_RULES and GST_DEBUG still turn
// its messages on).
void preparerBureau();
// Once it is made: Qt's own texts in French, and the French locale.
void parlerFrancais(QApplication& application);

class PlateformeQt : public Plateforme {
public:
    PlateformeQt();
    ~PlateformeQt() override;

    void montrerPrincipale(Fiche& f) override;
    void montrerModal(Fiche& f) override;
    void fermer(Fiche& f) override;
    bool finDemandee() const override { return fin_; }
    ReponseBoite boite(const QString& titre, const QString& texte, TypeBoite type,
                       BoutonsBoite boutons) override;
    void repeindre(QWidget* w) override;
    void dormir(int millisecondes) override;
    void jouerSon(const QString& chemin) override;
    bool jouerItem(const QString& chemin) override;
    bool ouvrir(const QString& cible) override;
    bool lancerProgramme(const QString& programme, const QStringList& arguments) override;
    void viderPressePapiers() override;
    QDateTime maintenant() override;
    int hasard(int n) override;
    QString dossierProgramme() override;
    QString dossierCourant() override;
    bool changerDossier(const QString& chemin) override;
    std::unique_ptr<Minuterie> creerMinuterie(int millisecondes, std::function<void()> tic) override;
    std::optional<int> dialogueImpression() override;
    bool dialogueImprimante() override;
    std::unique_ptr<DocumentImprime> documentImprime() override;
    ResultatImpression imprimerTexteRiche(const QTextDocument& texte) override;
    std::optional<Police> dialoguePolice(const Police& depart) override;
    std::optional<QString> dialogueDossier(const QString& depart) override;
    std::optional<QString> dialogueFichier(const DemandeFichier& demande) override;

    // How long the desktop's opener is given to say that nothing can open a target, in
    // milliseconds: the interface waits that long at most. Its failures come back within moments.
    int attenteOuvreur = 1500;

    // For tests: every job goes to a PDF file, without any dialog; the print dialogs answer
    // "accepted" with this number of copies. The first job writes the file, the next ones
    // "name-2.pdf", "name-3.pdf" ...
    void imprimerDansPdf(const QString& fichier, int copies = 1);
    int travauxImprimes() const { return travaux_; }
    // The sounds get ready in the background (media layer loaded, sound server reached), so that
    // the first listening does not wait for them: done when the main window shows.
    void preparerSons();
    // For tests: whether that is done.
    bool sonsPrets();

private:
    // The topmost window of ours that is open (a modal form, else the main window), other than one.
    QWidget* proprietaire(const QWidget* sauf) const;
    // After a box or a form, the window that opened it is shown on top and active again.
    void rendreLaMain(QWidget* w);
    QPrinter& imprimante();
    // Before a job in PDF mode: the file of that job.
    void preparerTravail();
    // The player of every sound, made at the first one.
    LecteurSons& sons();

    std::unique_ptr<QPrinter> imprimante_;
    QString pdf_;
    int copiesPdf_ = 1;
    int travaux_ = 0;

    QList<Fiche*> modales_;
    Fiche* principale_ = nullptr;
    bool fin_ = false;
    std::mt19937 generateur_;
    std::unique_ptr<LecteurSons> sons_;
};
