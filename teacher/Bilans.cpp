#include "Bilans.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

#include "AjoutItems.h"
#include "ArborescenceBilans.h"
#include "Chemins.h"
#include "ChoixTypeImpression.h"
#include "Etat.h"
#include "FichierMotDePasse.h"
#include "FichierReussites.h"
#include "Fichiers.h"
#include "Parametrage.h"
#include "Plateforme.h"
#include "Profil.h"
#include "ReglesBilans.h"
#include "Texte.h"
#include "Validation.h"
#include "VisionneuseTexte.h"

TfBilans* fBilans = nullptr;

// The pictures live in this static library: they are registered before the first window uses them.
static void chargerImagesBilans()
{
    Q_INIT_RESOURCE(teacher_images);
}

namespace {

const QString sansGroupe = QStringLiteral("Choisis ton groupe");
const QString visiteur = QStringLiteral("Visiteur");
const QString nouveau = QStringLiteral("Nouveau");

QFont policePixels(const QString& famille, int pixels, bool gras = false)
{
    QFont f(famille);
    f.setPixelSize(pixels);
    f.setBold(gras);
    return f;
}

QFont policeBoites()
{
    QFont f = policePixels(QStringLiteral("Courier New"), 11);
    f.setStyleHint(QFont::TypeWriter);
    return f;
}

QPushButton* boutonImage(QWidget* parent, const QString& nom, const QString& image, const QString& bulle)
{
    auto* b = new QPushButton(parent);
    b->setObjectName(nom);
    b->setIcon(QIcon(QStringLiteral(":/bilans/") + image));
    b->setIconSize(QSize(32, 32));
    b->setToolTip(bulle);
    return b;
}

QPushButton* boutonTexte(QWidget* parent, const QString& nom, const QString& texte, const QString& bulle)
{
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(nom);
    b->setToolTip(bulle);
    return b;
}

QString legende(const QString& eleve)
{
    return QStringLiteral("Bilans \"") + profil().nomProgramme + QStringLiteral("\" de ") + eleve;
}

} // namespace

TfBilans::TfBilans(QWidget* parent) : Fiche(parent)
{
    setObjectName(QStringLiteral("fBilans"));
    fBilans = this;
    setWindowTitle(QStringLiteral("Bilan"));
    definirCadre(true, Echappement::Fermer);
    definirTailleClient(637, 436);
    definirPlacement(Placement::FenetrePrincipale);
    definirFond(bleuCiel());
    chargerImagesBilans();
    creerControles();
    // The print forms take their group and pupil from this window's lists.
    definirChoixBilans(this);
}

TfBilans::~TfBilans()
{
    if (&choixBilans() == this)
        definirChoixBilans(nullptr);
}

void TfBilans::creerControles()
{
    lTitre = new QLabel(this);
    lTitre->setObjectName(QStringLiteral("lTitre"));
    lTitre->setGeometry(8, 6, 400, 38);
    lTitre->setFont(policePixels(QStringLiteral("Arial"), 29, true));
    lTitre->setAlignment(Qt::AlignCenter);

    lMessage = new QLabel(this);
    lMessage->setObjectName(QStringLiteral("lMessage"));
    lMessage->setGeometry(8, 46, 400, 34);
    lMessage->setFont(policePixels(font().family(), 12, true));
    lMessage->setAlignment(Qt::AlignCenter);
    lMessage->setWordWrap(true);
    QPalette rouge = lMessage->palette();
    rouge.setColor(QPalette::WindowText, Qt::red);
    lMessage->setPalette(rouge);

    Tcadre = new QFrame(this);
    Tcadre->setObjectName(QStringLiteral("Tcadre"));
    Tcadre->setGeometry(418, 6, 213, 74);
    Tcadre->setFrameShape(QFrame::StyledPanel);
    Tcadre->setFrameShadow(QFrame::Raised);
    cChoixGroupe = new QComboBox(Tcadre);
    cChoixGroupe->setObjectName(QStringLiteral("cChoixGroupe"));
    cChoixGroupe->setGeometry(7, 6, 199, 28);
    cChoixGroupe->setFont(policePixels(font().family(), 16));
    cChoixGroupe->setMaxVisibleItems(14);
    cChoixEleve = new QComboBox(Tcadre);
    cChoixEleve->setObjectName(QStringLiteral("cChoixEleve"));
    cChoixEleve->setGeometry(7, 40, 199, 28);
    cChoixEleve->setFont(policePixels(font().family(), 16));
    cChoixEleve->setMaxVisibleItems(20);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(6, 84, 625, 298);
    // The pages' tabs look like a row of buttons.
    PageControl1->tabBar()->setStyleSheet(QStringLiteral(
        "QTabBar::tab { background: #e6e6e6; border: 1px solid #8a8a8a; border-radius: 3px;"
        " padding: 3px 12px; margin: 0 4px 3px 0; }"
        "QTabBar::tab:selected { background: #ffffff; border: 2px solid #3c6e9f; }"));
    const QStringList onglets = profil().ongletsBilan;
    auto page = [&](int i, VisionneuseTexte*& boite, const QString& nomBoite) {
        auto* p = new QWidget;
        p->setObjectName(QStringLiteral("TabSheet%1").arg(i + 1));
        boite = new VisionneuseTexte(p);
        boite->setObjectName(nomBoite);
        boite->setFont(policeBoites());
        auto* disposition = new QVBoxLayout(p);
        disposition->setContentsMargins(2, 2, 2, 2);
        disposition->addWidget(boite);
        PageControl1->addTab(p, onglets.value(i));
        return p;
    };
    TabSheet1 = page(0, BilanExo, QStringLiteral("BilanExo"));
    TabSheet2 = page(1, BilanDetail, QStringLiteral("BilanDetail"));
    TabSheet3 = page(2, ItemReussis, QStringLiteral("ItemReussis"));
    TabSheet4 = page(3, MotDePasse, QStringLiteral("MotDePasse"));
    MotDePasse->setToolTip(profil().bulleMotDePasseBilan);

    bSupprimer = boutonImage(this, QStringLiteral("bSupprimer"), QStringLiteral("supprimer.png"),
                             QStringLiteral("Supprimer un élève"));
    bGererGroupes = boutonImage(this, QStringLiteral("bGererGroupes"), QStringLiteral("groupes.png"),
                                QStringLiteral("Ouvrir l'explorateur pour ajouter ou supprimer des groupes ou des élèves."));
    bConfigurer = boutonTexte(this, QStringLiteral("bConfigurer"), QStringLiteral("Configurer"), profil().bulleConfigurer);
    bImprime = boutonImage(this, QStringLiteral("bImprime"), QStringLiteral("imprimer.png"),
                           QStringLiteral("Pour n'imprimer qu'une partie du bilan, sélectionner la zone de texte souhaitée."));
    bModifier = profil().texteModifier.isEmpty()
                    ? boutonImage(this, QStringLiteral("bModifier"), QStringLiteral("modifier.png"),
                                  QStringLiteral("Modifier le fichier"))
                    : boutonTexte(this, QStringLiteral("bModifier"), profil().texteModifier,
                                  QStringLiteral("Modifier le fichier"));
    bRafraichir = boutonImage(this, QStringLiteral("bRafraichir"), QStringLiteral("rafraichir.png"),
                              QStringLiteral("Actualiser les fichiers modifiés"));
    bTextes = boutonTexte(this, QStringLiteral("bTextes"), QStringLiteral("Exercices"),
                          QStringLiteral("Créer ou modifier des exercices"));
    bMagneto = boutonImage(this, QStringLiteral("bMagneto"), QStringLiteral("magneto.png"),
                           QStringLiteral("Enregistrer un son"));
    bBanque = boutonImage(this, QStringLiteral("bBanque"), QStringLiteral("banque.png"),
                          QStringLiteral("Banque d'exercices - ") + profil().adresseBanque);
    bAide = boutonImage(this, QStringLiteral("bAide"), QStringLiteral("aide.png"), QStringLiteral("Aide"));
    bApropos = boutonImage(this, QStringLiteral("bApropos"), QStringLiteral("miseajour.png"),
                           QStringLiteral("Mise à jour du logiciel"));
    bQuitterBilan = boutonTexte(this, QStringLiteral("bQuitterBilan"), QStringLiteral("Quitter"), QStringLiteral("Quitter"));

    // The bottom row, in the program's order; a button it does not name is never shown.
    int x = 8;
    for (QPushButton* b : findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!profil().boutonsBilan.contains(b->objectName()))
            b->hide();
    }
    for (const QString& nom : profil().boutonsBilan) {
        auto* b = findChild<QPushButton*>(nom, Qt::FindDirectChildrenOnly);
        if (!b)
            continue;
        if (b->text().isEmpty()) {
            b->setGeometry(x, 388, 44, 42);
            x += 49;
        } else {
            const int largeur = nom == QLatin1String("bQuitterBilan") ? 66 : 78;
            b->setGeometry(x, 394, largeur, 30);
            x += largeur + 5;
        }
    }

    Tampon = new QTextEdit(this);
    Tampon->setObjectName(QStringLiteral("Tampon"));
    Tampon->setReadOnly(true);
    // Its size in points, the boxes' own on the screen: a size in pixels would be taken in the
    // printer's pixels when the text is printed in its fonts.
    QFont policeTampon = policeBoites();
    policeTampon.setPointSizeF(policeBoites().pixelSize() * 72.0 / 96.0);
    Tampon->setFont(policeTampon);
    Tampon->document()->setDefaultFont(policeTampon);
    Tampon->setGeometry(0, 0, 10, 10);
    Tampon->hide();

    relier(bQuitterBilan, &TfBilans::bQuitterBilanClick);
    relier(bRafraichir, &TfBilans::bRafraichirClick);
    relier(bImprime, &TfBilans::bImprimeClick);
    relier(bSupprimer, &TfBilans::bSupprimerClick);
    relier(bConfigurer, &TfBilans::bConfigurerClick);
    relier(bModifier, &TfBilans::bModifierClick);
    relier(bAide, &TfBilans::bAideClick);
    relier(bApropos, &TfBilans::bAproposClick);
    relier(bGererGroupes, &TfBilans::bGererGroupesClick);
    relier(bTextes, &TfBilans::bTextesClick);
    relier(bMagneto, &TfBilans::bMagnetoClick);
    relier(bBanque, &TfBilans::bBanqueClick);
    // Only the user's choices run the handlers; filling the lists runs none.
    connect(cChoixGroupe, &QComboBox::activated, this, [this] { garde([this] { cChoixGroupeChange(); }); });
    connect(cChoixEleve, &QComboBox::activated, this, [this] { garde([this] { cChoixEleveChange(); }); });
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] { garde([this] { PageControl1Change(); }); });
    auto appui = [this](VisionneuseTexte* boite, void (TfBilans::*gestionnaire)(Qt::MouseButton)) {
        connect(boite, &VisionneuseTexte::appui, this,
                [this, gestionnaire](Qt::MouseButton b) { garde([=, this] { (this->*gestionnaire)(b); }); });
    };
    appui(BilanExo, &TfBilans::BilanExoMouseDown);
    appui(BilanDetail, &TfBilans::BilanDetailMouseDown);
    appui(ItemReussis, &TfBilans::ItemReussisMouseDown);
    appui(MotDePasse, &TfBilans::MotDePasseMouseDown);
}

// ---- Opening ----------------------------------------------------------------------------------

void TfBilans::FormActivate()
{
    const bool enseignant = etat.ModeEnseignant == 1;
    bImprime->setVisible(profil().boutonsBilan.contains(bImprime->objectName())
                         && (etat.ImpressionPermise == 1 || enseignant));
    setWindowTitle(legende(etat.EleveCourant));
    reglesBilans().montrerBoutonsPropres(*this);
    const QList<QWidget*> commandesEnseignant = {cChoixEleve, cChoixGroupe, bConfigurer, bModifier, bAide,
                                                 bGererGroupes, bSupprimer, bBanque};
    const QString bulleBoites = enseignant ? profil().bulleBoitesBilan : QString();
    for (VisionneuseTexte* b : {BilanExo, BilanDetail, ItemReussis})
        b->setToolTip(bulleBoites);

    // Without the lists, the title stands in the middle of the window.
    const int largeurTitre = enseignant ? 400 : 621;
    lTitre->setGeometry(8, 6, largeurTitre, 38);
    lMessage->setGeometry(8, 46, largeurTitre, 34);

    if (!enseignant) {
        // The teacher's commands go before anything can fail: a file that cannot be read must
        // not leave them to the pupil.
        lMessage->clear();
        for (QWidget* w : commandesEnseignant)
            w->hide();
        lTitre->setText(QStringLiteral("MON BILAN"));
        Tcadre->hide();
        ChargerOnglets(etat.EleveCourant);
        return;
    }

    // The teacher face shows the pupil chosen in its lists: the tabs are loaded for that one
    // only (loading the signed-in pupil's files first would show nothing more).
    ListerElevesBilan();
    ListerGroupesBilan();
    for (QWidget* w : commandesEnseignant)
        w->setVisible(w->parentWidget() == Tcadre || profil().boutonsBilan.contains(w->objectName()));
    lTitre->setText(QStringLiteral("MODULE ENSEIGNANT"));
    lMessage->setText(etat.MotDePasseEnseignant.isEmpty()
                          ? QStringLiteral("Pour protéger l'accès \"Enseignant\", cliquer sur le bouton <Configurer>")
                          : QString());
    Tcadre->show();

    // Preselection from the welcome screen's choice.
    const QString groupe = choixAccueil().texteGroupe();
    if (groupe != sansGroupe)
        selectionner(cChoixGroupe, groupe);
    else {
        QSignalBlocker bloque(cChoixGroupe);
        cChoixGroupe->setCurrentIndex(cChoixGroupe->count() > 0 ? 0 : -1);
    }
    cChoixGroupeChange();
    const QString eleve = choixAccueil().texteEleve();
    if (!eleve.isEmpty() && eleve != visiteur && eleve != nouveau)
        selectionner(cChoixEleve, eleve);
    else {
        QSignalBlocker bloque(cChoixEleve);
        cChoixEleve->setCurrentIndex(cChoixEleve->count() > 0 ? 0 : -1);
    }
    cChoixEleveChange();
}

void TfBilans::selectionner(QComboBox* liste, const QString& nom)
{
    int trouve = -1;
    for (int i = 0; i < liste->count() && trouve < 0; ++i)
        if (memeNom(liste->itemText(i), nom))
            trouve = i;
    QSignalBlocker bloque(liste);
    liste->setCurrentIndex(trouve);
}

QString TfBilans::texteGroupe() const
{
    return cChoixGroupe->currentText();
}

QString TfBilans::texteEleve() const
{
    return cChoixEleve->currentText();
}

void TfBilans::ListerElevesBilan()
{
    QSignalBlocker bloque(cChoixEleve);
    cChoixEleve->clear();
    cChoixEleve->addItems(listerEleves(etat.RepertoireGroupe));
    cChoixEleve->setCurrentIndex(cChoixEleve->count() > 0 ? 0 : -1);
}

void TfBilans::ListerGroupesBilan()
{
    {
        QSignalBlocker bloque(cChoixGroupe);
        cChoixGroupe->clear();
        cChoixGroupe->addItems(listerGroupes(etat.RepertoireBilans));
    }
    if (etat.GroupeCourant.isEmpty()) {
        QSignalBlocker bloque(cChoixGroupe);
        cChoixGroupe->setCurrentIndex(cChoixGroupe->count() > 0 ? 0 : -1);
    } else {
        selectionner(cChoixGroupe, etat.GroupeCourant);
    }
}

void TfBilans::cChoixGroupeChange()
{
    if (etat.ModeEnseignant != 1)
        return;
    // No group selected gives an empty text: the results root itself.
    const QString groupe = cChoixGroupe->currentText();
    etat.RepertoireGroupe = repertoireDuGroupe(etat.RepertoireBilans, groupe == sansGroupe ? QString() : groupe);
    ListerElevesBilan();
    cChoixEleveChange();
}

void TfBilans::cChoixEleveChange()
{
    if (etat.ModeEnseignant != 1)
        return;
    const QString eleve = cChoixEleve->currentText();
    setWindowTitle(legende(eleve));
    ChargerOnglets(eleve);
}

QString TfBilans::fichierOnglet(const QWidget* page, const QString& eleve) const
{
    const QString& groupe = etat.RepertoireGroupe;
    if (page == TabSheet1)
        return nomFichierResultat(groupe, eleve, QStringLiteral("Exos.txt"));
    if (page == TabSheet2)
        return nomFichierResultat(groupe, eleve, QStringLiteral("Detail.txt"));
    if (page == TabSheet3)
        return nomFichierResultat(groupe, eleve, QStringLiteral("Reussites.txt"));
    return FichierMotDePasse(groupe, eleve);
}

void TfBilans::ChargerOnglets(const QString& eleve)
{
    // Each file whole, as plain text; a missing one (or no pupil) empties its tab. A file that
    // cannot be read stops the loading there.
    auto charger = [&](VisionneuseTexte* boite, const QWidget* page) {
        const QString fichier = fichierOnglet(page, eleve);
        if (eleve.isEmpty() || !existeFichier(fichier))
            boite->vider();
        else
            boite->definirTexte(decoderFichier(lireOctets(fichier)));
    };
    charger(BilanDetail, TabSheet2);
    charger(ItemReussis, TabSheet3);
    ColorerItemsReussis();
    charger(BilanExo, TabSheet1);
    charger(MotDePasse, TabSheet4);
}

void TfBilans::ColorerItemsReussis()
{
    // Each line at its own place, on its whole last count: one pass over the box.
    const QString n = QString::number(etat.NbReponsesNecessaires);
    const QColor rouge(Qt::red);
    const QColor noir(Qt::black);
    for (int i = 0; i < ItemReussis->nombreLignes(); ++i) {
        if (itemAcquis(ItemReussis->ligne(i), n))
            ItemReussis->colorerLigne(i, rouge);
        else if (ItemReussis->couleurLigne(i) != noir)
            ItemReussis->colorerLigne(i, noir);
    }
    ItemReussis->selectionner(0, 0);
}

// ---- Refresh, tabs, closing -------------------------------------------------------------------

void TfBilans::bRafraichirClick()
{
    reglesBilans().rafraichir(*this);
}

void TfBilans::PageControl1Change()
{
    if (reglesBilans().impressionSelonOnglet())
        bImprime->setEnabled(PageControl1->currentWidget() != TabSheet4);
}

void TfBilans::bQuitterBilanClick()
{
    Close();
}

// ---- Printing ---------------------------------------------------------------------------------

void TfBilans::bImprimeClick()
{
    QString entete;
    VisionneuseTexte* boite = nullptr;
    const QWidget* page = PageControl1->currentWidget();
    if (page == TabSheet1) {
        entete = QStringLiteral("Bilan exercices de : ");
        boite = BilanExo;
    } else if (page == TabSheet2) {
        entete = QStringLiteral("Bilan détaillé de : ");
        boite = BilanDetail;
    } else if (page == TabSheet3) {
        entete = QStringLiteral("Items réussis de : ");
        boite = ItemReussis;
    } else {
        return;
    }
    const QString eleve = etat.ModeEnseignant == 1 ? cChoixEleve->currentText() : choixAccueil().texteEleve();
    const QString texte = boite->longueurSelection() > 0 ? boite->texteSelectionne() : boite->texte();
    Tampon->setPlainText(entete + eleve + QStringLiteral("\n\n") + texte);
    ImprimerTampon();
}

void TfBilans::ImprimerTampon()
{
    reglesBilans().imprimerTampon(*this);
}

void TfBilans::bImprimeItemsPersosClick()
{
    plateforme().montrerModal(*fChoixTypeImpression);
}

// ---- The teacher's commands -------------------------------------------------------------------

void TfBilans::bSupprimerClick()
{
    const QString eleve = cChoixEleve->currentText();
    // No pupil selected: there is nobody to delete.
    if (eleve.isEmpty())
        return;
    if (afficherBoite(QStringLiteral("Voulez-vous vraiment supprimer l'élève ") + eleve
                          + QStringLiteral(" de ce groupe ?"),
                      TypeBoite::Confirmation, BoutonsBoite::OuiNon)
        != ReponseBoite::Oui)
        return;
    const QStringList fichiers = reglesBilans().fichiersASupprimer(etat.RepertoireGroupe, eleve);
    // The successes in memory of that pupil must not write the file back.
    const QString reussites = nomFichierResultat(etat.RepertoireGroupe, eleve, QStringLiteral("Reussites.txt"));
    OublierReussites(reussites);
    QStringList restes;
    {
        // A save of this pupil's successes on another machine ends first, and none starts meanwhile.
        const VerrouFichier verrou(resoudreChemin(reussites));
        for (const QString& f : fichiers) {
            const QString reel = resoudreChemin(f);
            if (!supprimerFichier(reel))
                restes.append(QFileInfo(reel).fileName());
        }
    }
    // What killed saves left in the folder goes with the pupil.
    supprimerTemporairesPerimes(resoudreChemin(etat.RepertoireGroupe));
    ListerElevesBilan();
    // A pupil whose password file could not go is still there: shown, not the next one.
    if (!restes.isEmpty() && cChoixEleve->findText(eleve) >= 0)
        selectionner(cChoixEleve, eleve);
    cChoixEleveChange();
    // The teacher is told which files stay, and where.
    if (!restes.isEmpty())
        afficherBoite(QStringLiteral("L'élève ") + eleve
                          + QStringLiteral(" n'a pas pu être supprimé entièrement. Ces fichiers restent dans le dossier ")
                          + QDir::cleanPath(resoudreChemin(etat.RepertoireGroupe)) + QStringLiteral(" :\n")
                          + restes.join(QLatin1Char('\n')),
                      TypeBoite::Avertissement);
}

void TfBilans::bConfigurerClick()
{
    plateforme().montrerModal(*fParametrage);
}

void TfBilans::ouvrirSiPresent(const QString& fichier)
{
    if (existeFichier(fichier))
        ouvrirOuPrevenir(resoudreChemin(fichier));
}

void TfBilans::bModifierClick()
{
    ouvrirSiPresent(fichierOnglet(PageControl1->currentWidget(), cChoixEleve->currentText()));
}

void TfBilans::clicDroitResultats(Qt::MouseButton bouton, const QWidget* page)
{
    if (bouton == Qt::RightButton && etat.ModeEnseignant == 1)
        ouvrirSiPresent(fichierOnglet(page, cChoixEleve->currentText()));
}

void TfBilans::BilanExoMouseDown(Qt::MouseButton bouton)
{
    clicDroitResultats(bouton, TabSheet1);
}

void TfBilans::BilanDetailMouseDown(Qt::MouseButton bouton)
{
    clicDroitResultats(bouton, TabSheet2);
}

void TfBilans::ItemReussisMouseDown(Qt::MouseButton bouton)
{
    clicDroitResultats(bouton, TabSheet3);
}

void TfBilans::MotDePasseMouseDown(Qt::MouseButton bouton)
{
    if (bouton != Qt::RightButton)
        return;
    const QString eleve = etat.ModeEnseignant == 1 ? cChoixEleve->currentText() : etat.EleveCourant;
    ouvrirSiPresent(fichierOnglet(TabSheet4, eleve));
}

void TfBilans::bAideClick()
{
    ouvrirSiPresent(plateforme().dossierProgramme() + profil().aideBilan);
}

void TfBilans::bAproposClick()
{
    const QString programme = plateforme().dossierProgramme() + QStringLiteral("TLV-Maj.exe");
    if (existeFichier(programme))
        lancerOuPrevenir(resoudreChemin(programme));
}

void TfBilans::bGererGroupesClick()
{
    ouvrirOuPrevenir(resoudreChemin(etat.RepertoireBilans));
}

void TfBilans::bTextesClick()
{
    ouvrirOuPrevenir(resoudreChemin(etat.RepertoireExercices));
}

void TfBilans::bMagnetoClick()
{
    reglesBilans().demarrerEnregistreur(*this);
}

void TfBilans::bBanqueClick()
{
    ouvrirOuPrevenir(profil().adresseBanque);
}

void TfBilans::bValideClick()
{
    if (fValidation)
        plateforme().montrerModal(*fValidation);
}

void TfBilans::bAjoutItemsClick()
{
    if (fAjoutItems)
        plateforme().montrerModal(*fAjoutItems);
}
