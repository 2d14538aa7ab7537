#include "CadreImpression.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

#include "ArborescenceBilans.h"
#include "Chemins.h"
#include "ChoixGroupeEleve.h"
#include "Dialogues.h"
#include "ErreurES.h"
#include "Etat.h"
#include "FichierExos.h"
#include "FichierReussites.h"
#include "Fiche.h"
#include "Fichiers.h"
#include "Impression.h"
#include "Plateforme.h"
#include "Profil.h"
#include "Texte.h"

namespace {

const QString sansGroupe = QStringLiteral("Choisis ton groupe");
const QString visiteur = QStringLiteral("Visiteur");
const QString nouveau = QStringLiteral("Nouveau");

// Room for the record after an item: " | ", four nines, a blank, fourteen X.
const QString placeEnregistrement = QStringLiteral(" | 9999 XXXXXXXXXXXXXX");

} // namespace

// ---- Pupils and their records -----------------------------------------------------------------

QString FichierReussitesEleve(const QString& groupe, const QString& eleve)
{
    return nomFichierResultat(repertoireDuGroupe(etat.RepertoireBilans, groupe), eleve,
                              QStringLiteral("Reussites.txt"));
}

bool groupeSelectionne(SelectionEleves selection, const QString& groupe)
{
    return selection == SelectionEleves::Tous
           || majusculesAZ(groupe) == majusculesAZ(choixBilans().texteGroupe());
}

bool eleveSelectionne(SelectionEleves selection, const QString& eleve)
{
    return selection != SelectionEleves::Eleve || majusculesAZ(eleve) == majusculesAZ(choixBilans().texteEleve());
}

QList<EleveAImprimer> elevesAImprimer(SelectionEleves selection)
{
    QList<EleveAImprimer> r;
    for (const QString& groupe : listerGroupes(etat.RepertoireBilans)) {
        if (!groupeSelectionne(selection, groupe))
            continue;
        for (const QString& eleve : listerEleves(repertoireDuGroupe(etat.RepertoireBilans, groupe)))
            if (eleveSelectionne(selection, eleve))
                r.append({groupe, eleve, FichierReussitesEleve(groupe, eleve)});
    }
    return r;
}

EnregistrementsEleve::EnregistrementsEleve(const QString& fichierReussites, bool sansErreur)
{
    if (!existeFichier(fichierReussites))
        return;
    try {
        table_.charger(lireTexte(fichierReussites));
    } catch (const ErreurES&) {
        if (!sansErreur)
            throw;
    }
}

QString EnregistrementsEleve::enregistrement(const QString& ligneItem) const
{
    const qsizetype barre = ligneItem.indexOf(QLatin1Char('|'));
    const int i = table_.chercher(cleReussite(barre < 0 ? ligneItem : ligneItem.left(barre)));
    return i < 0 ? QStringLiteral("0") : table_.comptes(i).toString();
}

int dernierCompte(const QString& enregistrement)
{
    return serieEnCours(enregistrement);
}

bool itemElimine(const QString& enregistrement)
{
    return dernierCompte(enregistrement) >= etat.NbReponsesNecessaires;
}

bool ligneComptee(const QString& ligne)
{
    return !ligne.isEmpty() && ligne != QLatin1String("ORDRE");
}

int LargeurMaxItems(const QStringList& lignes, const DocumentImprime& document)
{
    int r = 0;
    QString mesure; // one buffer for every line of a long file
    for (const QString& l : lignes) {
        if (!ligneComptee(l))
            continue;
        mesure.resize(0);
        mesure.append(l).append(placeEnregistrement);
        r = std::max(r, document.largeurTexte(mesure));
    }
    return r;
}

int LargeurMaxItems(const QString& fichier, const DocumentImprime& document)
{
    return LargeurMaxItems(lireLignes(fichier), document);
}

QString ResumeEliminations(int elimines, int total)
{
    return QString::number(elimines)
           + (elimines <= 1 ? QStringLiteral(" item éliminé sur ") : QStringLiteral(" items éliminés sur "))
           + QString::number(total);
}

QString ResumeEliminations(const QString& groupe, const QString& eleve, const QString& fichierItems)
{
    QStringList lignes;
    if (existeFichier(fichierItems)) {
        try {
            lignes = lireLignes(fichierItems);
        } catch (const ErreurES&) {
            // Counted as empty.
        }
    }
    int total = 0, elimines = 0;
    const EnregistrementsEleve enregistrements(eleve.isEmpty() ? QString() : FichierReussitesEleve(groupe, eleve),
                                               true);
    for (const QString& l : std::as_const(lignes)) {
        if (!ligneComptee(l))
            continue;
        ++total;
        if (!eleve.isEmpty() && itemElimine(enregistrements.enregistrement(l)))
            ++elimines;
    }
    return ResumeEliminations(elimines, total);
}

QString dateImpression()
{
    return DateFichier(plateforme().maintenant().date());
}

// ---- The form side ----------------------------------------------------------------------------

void appliquerSelection(QRadioButton* groupe, QRadioButton* eleve, const QString& prefixeGroupe,
                        const QString& prefixeEleve)
{
    const QString g = choixBilans().texteGroupe();
    groupe->setEnabled(g != sansGroupe);
    if (g != sansGroupe)
        groupe->setText(prefixeGroupe + g);
    const QString e = choixBilans().texteEleve();
    const bool personne = e == visiteur || e == nouveau;
    eleve->setEnabled(!personne);
    if (!personne)
        eleve->setText(prefixeEleve + e);
}

DemandeFichier demandeExport()
{
    DemandeFichier d;
    d.mode = DemandeFichier::Mode::Enregistrer;
    d.dossierInitial = plateforme().dossierProgramme();
    d.filtre = QStringLiteral("Fichiers texte (*.txt)|*.TXT");
    d.extensionDefaut = QStringLiteral(".txt");
    d.confirmerRemplacement = true;
    return d;
}

TravailImpression::TravailImpression() = default;

TravailImpression::~TravailImpression()
{
    // Left in the middle (an error stopped the walk): nothing of it is printed.
    if (document_)
        document_->abandonner();
}

bool TravailImpression::commencerImpression()
{
    if (!plateforme().dialogueImprimante())
        return false;
    document_ = plateforme().documentImprime();
    if (!document_->commencer(QString()))
        throw EchecImprimante(document_->erreur());
    page_ = std::make_unique<MiseEnPage>(*document_);
    exporte_ = false;
    return true;
}

bool TravailImpression::commencerExport()
{
    const std::optional<QString> choisi = plateforme().dialogueFichier(demandeExport());
    if (!choisi || choisi->isEmpty())
        return false;
    fichier_ = *choisi;
    exporte_ = true;
    lignes_.clear();
    return true;
}

void TravailImpression::terminer()
{
    if (!exporte_) {
        if (document_ && !document_->terminer())
            throw EchecImprimante(document_->erreur());
        return;
    }
    QByteArray octets;
    for (const QString& l : std::as_const(lignes_)) {
        octets += versWindows1252(l);
        octets += "\r\n";
    }
    // Written whole or not at all: a failure leaves the file as it was.
    if (!ecrireFichierEntier(resoudreChemin(fichier_), octets))
        throw ErreurES(fichier_);
    if (plateforme().boite(QString(), QStringLiteral("Export terminé, le visualiser ?"), TypeBoite::Simple,
                           BoutonsBoite::OuiNon)
        == ReponseBoite::Oui)
        ouvrirOuPrevenir(resoudreChemin(fichier_));
}

void signalerEchecImprimante(const std::function<void()>& commande)
{
    try {
        commande();
    } catch (const EchecImprimante& e) {
        afficherBoite(e.message(), TypeBoite::Erreur);
    }
}

QRadioButton* boutonRadio(QWidget* parent, const QString& nom, const QString& texte, const QRect& r)
{
    auto* b = new QRadioButton(texte, parent);
    b->setObjectName(nom);
    b->setGeometry(r);
    return b;
}

QCheckBox* caseACocher(QWidget* parent, const QString& nom, const QString& texte, const QRect& r)
{
    auto* c = new QCheckBox(texte, parent);
    c->setObjectName(nom);
    c->setGeometry(r);
    return c;
}

QPushButton* boutonCommande(QWidget* parent, const QString& nom, const QString& texte, const QRect& r)
{
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(nom);
    b->setGeometry(r);
    b->setAutoDefault(false);
    return b;
}
