#include "FenetreExerciceCommune.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>

#include "Deroulement.h"
#include "FichierReussites.h"
#include "Parametres.h"
#include "Plateforme.h"
#include "Profil.h"
#include "Texte.h"

namespace {

const char* const adresseSite = "https://www.talvorenne.fr/";

QLabel* etiquette(QWidget* parent, const QRect& r, int pixels, bool gras = false)
{
    auto* l = new QLabel(parent);
    l->setGeometry(r);
    l->setAlignment(Qt::AlignCenter);
    QFont f = l->font();
    f.setPixelSize(pixels);
    f.setBold(gras);
    l->setFont(f);
    return l;
}

// A transparent area over the background picture that only carries a hint.
QLabel* zoneBulle(QWidget* parent, const QRect& r, const QString& bulle)
{
    auto* l = new QLabel(parent);
    l->setGeometry(r);
    l->setToolTip(bulle);
    l->setAttribute(Qt::WA_TranslucentBackground);
    return l;
}

} // namespace

FenetreExerciceCommune::FenetreExerciceCommune(const DessinFenetreExercice& dessin)
{
    setObjectName(QStringLiteral("Form1"));
    definirFenetreExercice(this);
    definirCadre(false, Echappement::Ignore);
    definirPlacement(Placement::Ecran);
    definirTailleClient(dessin.taille.width(), dessin.taille.height());
    definirFond(bleuCiel());

    FondEcran = new QLabel(this);
    FondEcran->setGeometry(QRect(QPoint(0, 0), dessin.taille));
    FondEcran->setPixmap(QPixmap(dessin.fond));

    Image1 = new QLabel(this);
    Image1->setGeometry(0, 0, 161, 97);
    Image1->setPixmap(QPixmap(dessin.logo));
    Image1->setToolTip(QStringLiteral("Rendez-vous sur le site de Talvorenne"));
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->installEventFilter(this);

    lDossierCourant = etiquette(this, dessin.dossierCourant, 20);

    lEnJeu = zoneBulle(this, QRect(10, 110, 155, 55), QStringLiteral("Nombre de points en jeu"));
    lScore = zoneBulle(this, QRect(10, 175, 77, 55), QStringLiteral("Mon score"));
    lScoreMaxi = zoneBulle(this, QRect(88, 175, 77, 55), QStringLiteral("Score maximum"));
    lItemsReussis = zoneBulle(this, QRect(10, 240, 77, 55),
                              QStringLiteral("Nombre d'items réussis au premier essai"));
    lReponses = zoneBulle(this, QRect(88, 240, 77, 55), QStringLiteral("Nombre d'items de la partie"));
    lTempsEffectif = zoneBulle(this, QRect(10, 305, 155, 55), QStringLiteral("Temps effectif"));

    lBonus = etiquette(this, QRect(15, 130, 145, 30), 24, true);
    lNote = etiquette(this, QRect(15, 195, 65, 30), 22, true);
    lNote->setToolTip(QStringLiteral("Mon score"));
    lNoteMaxi = etiquette(this, QRect(92, 195, 68, 30), 22, true);
    lNbItemsRepondus = etiquette(this, QRect(15, 260, 65, 30), 22, true);
    lNbItemsRepondus->setToolTip(QStringLiteral("Nombre d'items réussis au 1er essai"));
    lNbItemsTotal = etiquette(this, QRect(92, 260, 68, 30), 22, true);
    lTemps = etiquette(this, QRect(12, 325, 151, 30), 16, true);

    bStop = new QPushButton(this);
    bStop->setGeometry(QRect(dessin.stop, QSize(39, 41)));
    bStop->setIcon(QIcon(dessin.imageStop));
    bStop->setIconSize(QSize(31, 33));
    bStop->setToolTip(QStringLiteral("Quitter l'exercice"));

    Timer1 = plateforme().creerMinuterie(1000, [this] { Timer1Timer(); });
}

QToolButton* FenetreExerciceCommune::boutonPlat(QWidget* parent, const QRect& r, const QString& image,
                                                const QString& bulle)
{
    auto* b = new QToolButton(parent);
    b->setGeometry(r);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setIcon(QIcon(image));
    b->setIconSize(r.size() - QSize(4, 4));
    b->setToolTip(bulle);
    return b;
}

QString FenetreExerciceCommune::NomFichierTest()
{
    return plateforme().dossierProgramme() + QStringLiteral("Bilan_")
           + QString::number(plateforme().hasard(10000000)) + QStringLiteral(".txt");
}

void FenetreExerciceCommune::FormActivate()
{
    // Modal windows close during the sequence and give the focus back: it must not run again.
    if (etat.PremiereActivation == 0 || activationEnCours_)
        return;
    activationEnCours_ = true;
    etat.EcriturePossible = 1;
    ChargerParametres();
    if (plateforme().finDemandee()) {
        activationEnCours_ = false;
        return;
    }
    if (etat.NbReponsesNecessaires < 1)
        etat.NbReponsesNecessaires = 999;
    sonderEcriture([this] { return NomFichierTest(); });
    titreApplication() = profil().titre;
    setWindowTitle(titreApplication());
    avantPremierExercice();
    LancerExerciceSuivant();
    etat.PremiereActivation = 0;
    activationEnCours_ = false;
}

void FenetreExerciceCommune::FormClose()
{
    EnregistrerReussites();
}

void FenetreExerciceCommune::EnregistrerReussites()
{
    // Each caller is on a way out or into the next exercise: the pupil is told, never held back.
    Fiche::garde([] {
        if (::EnregistrerReussites() == Enregistrement::Recupere)
            plateforme().boite(titreRecuperationReussites(), messageRecuperationReussites(), TypeBoite::Simple,
                               BoutonsBoite::Ok);
    });
}

bool FenetreExerciceCommune::lireParametres()
{
    const LectureParametres lecture = LireParametres(etat.FichierIni, etat, FontDialog1);
    appliquerParametres(lecture);
    FontDialog1 = lecture.police;
    for (const QString& message : lecture.messages)
        afficherBoite(message, TypeBoite::Simple, BoutonsBoite::Ok);
    if (!lecture.fichierTrouve) {
        Close();
        return false;
    }
    return true;
}

void FenetreExerciceCommune::appliquerPolice(QTextEdit* boite, bool noir)
{
    QTextCharFormat f;
    f.setFontFamilies({FontDialog1.nom});
    f.setProperty(QTextFormat::FontPixelSize, qRound(FontDialog1.taillePoints * 96.0 / 72.0));
    f.setFontWeight(FontDialog1.style & PoliceGras ? QFont::Bold : QFont::Normal);
    f.setFontItalic(FontDialog1.style & PoliceItalique);
    f.setFontUnderline(FontDialog1.style & PoliceSouligne);
    f.setFontStrikeOut(FontDialog1.style & PoliceBarre);
    f.setForeground(noir ? QColor(Qt::black) : couleurDepuisWindows(FontDialog1.couleur));
    QTextCursor c(boite->document());
    c.select(QTextCursor::Document);
    c.setCharFormat(f);
    boite->setCurrentCharFormat(f);
}

Police FenetreExerciceCommune::policeDe(const QTextEdit* boite) const
{
    const QTextCharFormat f = boite->textCursor().charFormat();
    const QFont font = f.font().resolve(boite->document()->defaultFont());
    Police p;
    p.nom = font.family();
    if (font.pointSizeF() > 0)
        p.taillePoints = qRound(font.pointSizeF());
    else if (font.pixelSize() > 0)
        p.taillePoints = qRound(font.pixelSize() * 72.0 / 96.0);
    p.style = (font.weight() >= QFont::DemiBold ? PoliceGras : 0) | (font.italic() ? PoliceItalique : 0)
              | (font.underline() ? PoliceSouligne : 0) | (font.strikeOut() ? PoliceBarre : 0);
    // A box that sets no colour writes in the window-text colour.
    if (f.hasProperty(QTextFormat::ForegroundBrush))
        p.couleur = valeurCouleurWindows(f.foreground().color());
    return p;
}

void FenetreExerciceCommune::Timer1Timer()
{
    deroulement().Tic();
}

void FenetreExerciceCommune::Image1Click()
{
    plateforme().ouvrir(QString::fromLatin1(adresseSite));
}

void FenetreExerciceCommune::afficherScore(int note, int noteMaxi)
{
    lNote->setText(QString::number(note));
    lNoteMaxi->setText(QString::number(noteMaxi));
}

void FenetreExerciceCommune::afficherBonus(int points)
{
    lBonus->setText(QString::number(points));
}

void FenetreExerciceCommune::afficherCompteurs(int reussisPremierEssai, int nbItems)
{
    lNbItemsRepondus->setText(QString::number(reussisPremierEssai));
    lNbItemsTotal->setText(QString::number(nbItems));
}

void FenetreExerciceCommune::afficherTemps(int secondes)
{
    lTemps->setText(FormaterDuree(secondes, true));
}

void FenetreExerciceCommune::afficherNomExercice(const QString& nom)
{
    lDossierCourant->setText(nom);
}

void FenetreExerciceCommune::demarrerHorloge()
{
    Timer1->demarrer();
}

void FenetreExerciceCommune::arreterHorloge()
{
    Timer1->arreter();
}

void FenetreExerciceCommune::afficherEleve(const QString& eleve)
{
    setWindowTitle(titreApplication() + QStringLiteral(" - Elève : ") + eleve);
}

bool FenetreExerciceCommune::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == Image1 && evenement->type() == QEvent::MouseButtonRelease) {
        garde([this] { Image1Click(); });
        return true;
    }
    return Fiche::eventFilter(objet, evenement);
}
