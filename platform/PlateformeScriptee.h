#pragma once
// The platform of the tests: every call is written to a journal in order, and modal windows and
// message boxes are answered from a script, step by step. A window or a box that comes when the
// script expects something else, or a window still open when its step is over, is a failure.

#include <QList>
#include <QSet>

#include "Fiche.h"
#include "Plateforme.h"

class PlateformeScriptee : public Plateforme {
public:
    using Action = std::function<void(Fiche&)>;

    PlateformeScriptee();
    ~PlateformeScriptee() override;

    // Script: the next modal window must be of this class; the action plays the user's part
    // and must leave the window closed.
    void fenetre(const QString& classe, Action action);
    template <class T>
    void fenetre(std::function<void(T&)> action)
    {
        fenetre(QString::fromLatin1(T::staticMetaObject.className()),
                [action](Fiche& f) { action(static_cast<T&>(f)); });
    }
    // Script: the next message box gets this answer; its text is checked when one is given.
    void boite(ReponseBoite reponse, const QString& texteAttendu = QString());
    // Script: the next common dialog is of this kind and gets this answer (nothing: cancelled).
    void repondreImpression(std::optional<int> copies);
    void repondreImprimante(bool accepte);
    void repondrePolice(std::optional<Police> choisie);
    void repondreDossier(std::optional<QString> choisi);
    void repondreFichier(std::optional<QString> choisi);
    int etapesRestantes() const { return static_cast<int>(etapes_.size()); }

    // Delivers timer ticks to the running timers, as the modal loop in progress would.
    void tic(int n = 1);

    // Everything that happened, one line a call ("fenetre TForm2", "boite Information | title |
    // text", "son faux.wav", "pause 3000", "fin du programme" ...).
    QStringList journal;
    // Lines of the journal that begin with a prefix ("boite", "son" ...).
    QStringList journalDe(const QString& prefixe) const;

    QDateTime horloge;        // what maintenant() answers
    QList<int> tirages;       // answers of hasard(), in order; 0 once they run out
    QList<int> tiragesDemandes; // the n of every hasard(n)
    QString programme;        // the program folder, ending with "/"; the first current folder
    bool ouvertureReussie = true;
    // The printer: fixed metrics, every job kept ("impression ..." lines in the journal).
    ImprimanteEnregistreuse imprimante;
    std::function<void(const QString&)> echec; // how a failure of the script is reported

    void montrerPrincipale(Fiche& f) override;
    void montrerModal(Fiche& f) override;
    void fermer(Fiche& f) override;
    bool finDemandee() const override { return fin_; }
    ReponseBoite boite(const QString& titre, const QString& texte, TypeBoite type,
                       BoutonsBoite boutons) override;
    void repeindre(QWidget* w) override;
    void dormir(int millisecondes) override;
    void jouerSon(const QString& chemin) override;
    // An item plays when it is a regular file that begins as a sound file does (RIFF, an ID3
    // tag or an MPEG frame): "son <name>"; else "son <name> illisible" and false.
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

    // Timers register themselves here while they exist.
    QSet<class MinuterieScriptee*> minuteries;

private:
    struct Etape {
        bool estFenetre = false;
        QString classe;
        Action action;
        ReponseBoite reponse = ReponseBoite::Ok;
        QString texteAttendu;
        // A common dialog: its kind ("impression", "police" ...) and its answer.
        QString dialogue;
        bool accepte = false;
        int copies = 0;
        Police police;
        QString chemin;
    };
    void signaler(const QString& message);
    void ajouterDialogue(Etape e);
    // A folder or file dialog's answer: the path chosen, or nothing when cancelled.
    void repondreChemin(const QString& dialogue, std::optional<QString> choisi);
    // The script's step for a dialog of this kind, logged under the given line; nothing when
    // the script expects something else (a failure) or the program is ending.
    std::optional<Etape> etapeDialogue(const QString& genre, const QString& ligne);

    QList<Etape> etapes_;
    QList<Fiche*> ouvertes_;
    Fiche* principale_ = nullptr;
    bool fin_ = false;
    // The session's own current folder: the test process's one is never changed.
    QString dossierCourant_;
};

class MinuterieScriptee : public Minuterie {
public:
    MinuterieScriptee(PlateformeScriptee& p, std::function<void()> tic);
    ~MinuterieScriptee() override;
    void demarrer() override { actif_ = true; }
    void arreter() override { actif_ = false; }
    bool actif() const override { return actif_; }
    void declencher();

private:
    PlateformeScriptee& p_;
    std::function<void()> tic_;
    bool actif_ = false;
};

QString nomTypeBoite(TypeBoite t);
