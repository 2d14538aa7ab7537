#include "Deroulement.h"

#include "ErreurES.h"
#include "Etat.h"
#include "Exercice.h"
#include "FenetreExercice.h"
#include "FichierDetail.h"
#include "FichierExos.h"
#include "FichierReussites.h"
#include "Fiche.h"
#include "Plateforme.h"
#include "Texte.h"

// ---- Ombrivelle's rules -----------------------------------------------------------------------

int ReglesDeroulement::bonusDeLEntree(const Deroulement& d, int entree) const
{
    const QString& ligne = d.TableItems.at(entree).Ligne;
    for (const EntreeItem& e : d.TableItems)
        if (e.Ligne == ligne)
            return e.EtatItem == 'R' ? 1 : 5;
    return 5;
}

QString ReglesDeroulement::libelleDebut() const
{
    return QStringLiteral(" - Exercice [");
}

void ReglesDeroulement::journaliserEchec(const Deroulement& d, const QString& montree) const
{
    if (d.NbEssais == 1)
        AjouterAuDetail(FichierDetail(), BlocPremierEchec(d.Reponses, montree));
    else
        AjouterAuDetail(FichierDetail(), {LigneNouvelEchec(montree)});
}

void ReglesDeroulement::journaliserReussite(const Deroulement& d, const QString&) const
{
    AjouterAuDetail(FichierDetail(), {LigneItemReussi(d.ItemCourant, d.TempsItem)});
}

QString ReglesDeroulement::cleReussite(const Deroulement& d, const QString&) const
{
    return d.ItemCourant;
}

QStringList ReglesDeroulement::clesEchec(const Deroulement& d) const
{
    return {d.ItemCourant};
}

QString ReglesDeroulement::nomExercice(const QString& exercice) const
{
    return NomExercice(exercice);
}

// ---- The run --------------------------------------------------------------------------------

namespace {

bool eleve()
{
    return !etat.EleveCourant.isEmpty();
}

} // namespace

Deroulement::Deroulement() : regles_(std::make_shared<ReglesDeroulement>()) {}

void Deroulement::definirRegles(std::shared_ptr<const ReglesDeroulement> regles)
{
    regles_ = std::move(regles);
}

void Deroulement::RemettreLeTempsAZero()
{
    TempsExercice = 0;
    TempsItem = 0;
}

void Deroulement::NouvelExercice()
{
    RemettreLeTempsAZero();
    fichiersEnEchec_.clear();
    echecDit_ = false;
}

void Deroulement::ecrire(const QString& fichier, const std::function<void()>& ecriture)
{
    if (fichiersEnEchec_.contains(fichier))
        return;
    try {
        ecriture();
    } catch (const ErreurES& e) {
        fichiersEnEchec_.insert(fichier);
        if (!echecDit_) {
            echecDit_ = true;
            afficherBoite(e.message(), TypeBoite::Erreur);
        }
    }
}

void Deroulement::EnregistrerReussites()
{
    ecrire(etat.TableReussites.fichierSource, [] {
        if (::EnregistrerReussites() == Enregistrement::Recupere)
            plateforme().boite(titreRecuperationReussites(), messageRecuperationReussites(), TypeBoite::Simple,
                               BoutonsBoite::Ok);
    });
}

QStringList Deroulement::Charger(const ContenuExercice& contenu)
{
    TableItems.clear();
    TableItems.reserve(contenu.candidats.size());
    NbItems = 0;
    NbItemsDisponibles = 0;
    EnteteExercice = contenu.entete;
    OrdreAleatoire = contenu.ordreAleatoire;
    MotsPermutes = contenu.motsPermutes;
    UnMotSuffit = contenu.unMotSuffit;
    QStringList sansReponse;
    for (const QString& ligne : contenu.candidats) {
        if (!ligne.contains(QLatin1Char('|'))) {
            sansReponse.append(ligne);
            continue;
        }
        ++NbItemsDisponibles;
        if (ItemATravailler(ligne)) {
            TableItems.append({ligne, 'N'});
            ++NbItems;
        }
    }
    return sansReponse;
}

void Deroulement::ChargerItems(const QStringList& lignes, int nbItemsDisponibles, int ordreAleatoire)
{
    TableItems.clear();
    TableItems.reserve(lignes.size());
    for (const QString& ligne : lignes)
        TableItems.append({ligne, 'N'});
    NbItems = static_cast<int>(lignes.size());
    NbItemsDisponibles = nbItemsDisponibles;
    OrdreAleatoire = ordreAleatoire;
    EnteteExercice.clear();
    MotsPermutes = 0;
    UnMotSuffit = 0;
}

void Deroulement::Vider()
{
    ArreterHorloge();
    TableItems.clear();
    NbItems = 0;
    ItemCourant.clear();
    Consigne.clear();
    Reponses.clear();
    ligneChoisie_.clear();
    Score = 0;
    if (fenetre)
        fenetre->afficherScore(0, 0);
}

void Deroulement::TirerItems(int nombre)
{
    const int ancien = NbItems;
    // Never more items than the run holds: the table has no entries beyond them.
    if (nombre >= ancien)
        return;
    NbItems = nombre;
    const int fin = qMin(ancien, static_cast<int>(TableItems.size()));
    QStringList choisis;
    for (int r = 0; r < nombre; ++r) {
        QStringList reserve;
        for (int i = 0; i < fin; ++i)
            if (TableItems.at(i).EtatItem == 'N')
                reserve.append(TableItems.at(i).Ligne);
        if (reserve.isEmpty())
            break;
        // One generator for the whole run: draws within one confirmation stay independent.
        const int c = static_cast<int>(reserve.size());
        const QString ligne = OrdreAleatoire == 1 ? reserve.at(plateforme().hasard(c)) : reserve.first();
        choisis.append(ligne);
        for (int i = 0; i < fin; ++i)
            if (TableItems.at(i).EtatItem == 'N' && TableItems.at(i).Ligne == ligne) {
                TableItems[i].EtatItem = 'O';
                break;
            }
    }
    for (int i = 0; i < fin; ++i) {
        TableItems[i].Ligne = i < choisis.size() ? choisis.at(i) : QString();
        TableItems[i].EtatItem = 'N';
    }
}

void Deroulement::OuvrirScore()
{
    Score = 0;
    if (fenetre)
        fenetre->afficherScore(Score, NoteMaxi());
}

void Deroulement::EcrireDebut()
{
    // The counters first: a failure told over the window shows them for this exercise.
    NbReussisPremierEssai = 0;
    if (fenetre)
        fenetre->afficherCompteurs(NbReussisPremierEssai, NbItems);
    if (eleve())
        ecrire(FichierDetail(), [this] {
            AjouterAuDetail(FichierDetail(), {LigneDebutExercice(plateforme().maintenant(), NbItems,
                                                                 NomExerciceCourant(), regles_->libelleDebut())});
        });
}

void Deroulement::RepartirDeZero()
{
    Score = 0;
    Bonus = 5;
    if (!fenetre)
        return;
    fenetre->afficherBonus(Bonus);
    if (NbItems > 0)
        fenetre->afficherScore(Score, NoteMaxi());
}

QString Deroulement::ChoisirItemSuivant()
{
    QList<int> candidats;
    for (int i = 0; i < NbItems && i < TableItems.size(); ++i)
        if (TableItems[i].EtatItem != 'O')
            candidats.append(i);
    if (candidats.isEmpty()) {
        ItemCourant.clear();
        return QString();
    }
    const int choisi = OrdreAleatoire == 1 ? candidats[plateforme().hasard(static_cast<int>(candidats.size()))]
                                           : candidats.first();
    Bonus = regles_->bonusDeLEntree(*this, choisi);
    NbEssais = 0;
    if (fenetre)
        fenetre->afficherBonus(Bonus);
    if (regles_->horlogeALAffichage())
        DemarrerHorloge();
    TempsItem = 0;
    if (fenetre)
        fenetre->afficherConsignes(EnteteExercice);

    const QString& ligne = TableItems[choisi].Ligne;
    ligneChoisie_ = ligne;
    const qsizetype barre = regles_->lignesAvecReponses() ? ligne.indexOf(QLatin1Char('|')) : -1;
    Consigne = barre < 0 ? ligne : ligne.left(barre);
    Reponses = barre < 0 ? QString() : ligne.mid(barre + 1);
    ItemCourant = Consigne;
    return ItemCourant;
}

QString Deroulement::PremiereReponse() const
{
    const qsizetype barre = Reponses.indexOf(QLatin1Char('|'));
    return barre >= 0 ? Reponses.left(barre) : Reponses;
}

Verification Deroulement::VerifierReponse(const QString& saisie) const
{
    ReglesComparaison r;
    r.respectEspaces = etat.RespectEspaces == 1;
    r.respectMajuscules = etat.RespectMajuscules == 1;
    r.motsPermutes = MotsPermutes == 1;
    r.unMotSuffit = UnMotSuffit == 1;
    return ::VerifierReponse(Reponses, saisie, r);
}

void Deroulement::ReponseJuste()
{
    ArreterHorloge();
    TempsExercice += TempsItem;
}

void Deroulement::ReponseFausse(const QString& saisie)
{
    if (eleve()) {
        if (NbEssais == 1)
            for (const QString& cle : regles_->clesEchec(*this))
                MarquerEchec(cle);
        const QString montree = saisie.isEmpty() ? QStringLiteral("...") : saisie;
        ecrire(FichierDetail(), [this, &montree] { regles_->journaliserEchec(*this, montree); });
    }
    // 5 at the first attempt, then 3, 2, 1, 0; an item asked again is worth 1, then 0.
    if (Bonus <= 1)
        Bonus = 0;
    else
        Bonus = NbEssais == 1 ? 3 : NbEssais == 2 ? 2 : NbEssais == 3 ? 1 : 0;
    if (fenetre)
        fenetre->afficherBonus(Bonus);
}

void Deroulement::ItemReussi(const QString& saisie)
{
    if (eleve()) {
        ecrire(FichierDetail(), [this, &saisie] { regles_->journaliserReussite(*this, saisie); });
        // An item asked again never counts, even when answered at its first attempt.
        if (NbEssais == 1 && Bonus == 5)
            CompterReussite(regles_->cleReussite(*this, saisie));
    }
    for (int i = 0; i < NbItems && i < TableItems.size(); ++i) {
        EntreeItem& e = TableItems[i];
        if (e.EtatItem == 'O' || e.Ligne != ligneChoisie_)
            continue;
        Score += Bonus;
        if (NbEssais == 1) {
            e.EtatItem = 'O';
            ++NbReussisPremierEssai;
        } else {
            e.EtatItem = 'R';
        }
        break;
    }
    if (fenetre) {
        fenetre->afficherCompteurs(NbReussisPremierEssai, NbItems);
        fenetre->afficherScore(Score, NoteMaxi());
    }
}

FinExercice Deroulement::Terminer()
{
    if (eleve())
        EcrireFin(true);
    FinExercice f;
    f.texte = QStringLiteral("Bravo ") + etat.EleveCourant + QStringLiteral(" !\r") + QStringLiteral("Exercice terminé en ")
              + FormaterDuree(TempsExercice, false) + QStringLiteral(",\r") + QStringLiteral("avec un score de ")
              + QString::number(Score) + QStringLiteral(" point") + (Score >= 2 ? QStringLiteral("s") : QString())
              + QStringLiteral(" sur ") + QString::number(NoteMaxi()) + QStringLiteral(".");
    f.noteLettre = LettreNote();
    return f;
}

void Deroulement::Interrompre()
{
    ArreterHorloge();
    TempsExercice += TempsItem;
    if (eleve())
        EcrireFin(false);
}

void Deroulement::EcrireFin(bool terminee)
{
    ecrire(FichierDetail(), [this, terminee] {
        AjouterAuDetail(FichierDetail(), terminee ? BlocFinExercice(TempsExercice, Score, NoteMaxi())
                                                  : BlocInterruption(TempsExercice));
    });
    ecrire(FichierExos(), [this, terminee] {
        AjouterAuxExos(FichierExos(), LigneExos(DateFichier(plateforme().maintenant().date()), terminee, Score,
                                                NoteMaxi(), NomExerciceCourant()));
    });
}

QString Deroulement::NomExerciceCourant() const
{
    return regles_->nomExercice(etat.ExerciceCourant);
}

QString Deroulement::LettreNote() const
{
    return ::LettreNote(Score, NoteMaxi());
}

void Deroulement::DemarrerHorloge()
{
    horloge_ = true;
    if (fenetre)
        fenetre->demarrerHorloge();
}

void Deroulement::ArreterHorloge()
{
    horloge_ = false;
    if (fenetre)
        fenetre->arreterHorloge();
}

void Deroulement::Tic()
{
    if (!horloge_)
        return;
    ++TempsItem;
    if (fenetre)
        fenetre->afficherTemps(TempsExercice + TempsItem);
}

Deroulement& deroulement()
{
    static Deroulement d;
    return d;
}

QString LettreNote(int note, int noteMaxi)
{
    const int p = noteMaxi > 0 ? 100 * note / noteMaxi : 0;
    if (p >= 100)
        return QStringLiteral("A");
    if (p >= 95)
        return QStringLiteral("B");
    if (p >= 90)
        return QStringLiteral("C");
    const char lettres[] = "JJJIHGFED"; // tens 0..8
    return QString(QLatin1Char(lettres[p < 0 ? 0 : p / 10]));
}
