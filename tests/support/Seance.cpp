#include "Seance.h"

#include <QAbstractButton>
#include <QColor>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QKeyEvent>
#include <QAbstractTextDocumentLayout>
#include <QFontInfo>
#include <QListWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextLayout>
#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Etat.h"
#include "Fiche.h"
#include "Fiches.h"
#include "FichesCastiflore.h"
#include "OperationsFichiers.h"
#include "Profil.h"
#include "ProfilCastiflore.h"
#include "ReglesAccueil.h"
#include "ReglesBilans.h"
#include "Texte.h"
#include "Unit1.h"
#include "Unit1Castiflore.h"

namespace {

void copierArbre(const QString& source, const QString& cible)
{
    QDir().mkpath(cible);
    QDirIterator it(source, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString s = it.next();
        const QString c = cible + s.mid(source.size());
        if (it.fileInfo().isDir())
            QDir().mkpath(c);
        else
            QFile::copy(s, c);
    }
}

} // namespace

QByteArray octetsLignes(const QStringList& lignes)
{
    QByteArray r;
    for (const QString& l : lignes)
        r += versWindows1252(l) + "\r\n";
    return r;
}

Seance::Seance(bool classeExemple, Programme quel) : programme_(quel)
{
    programme = QDir(dossier_.path()).canonicalPath() + QStringLiteral("/");
    if (classeExemple)
        copierArbre(QStringLiteral(DONNEES_DIR), programme);
    p.programme = programme;
    p.echec = [](const QString& m) { ADD_FAILURE() << m.toStdString(); };
    installerPlateforme(&p);
    reinitialiserEtat();
    // Ombrivelle's rules unless the dictation program's forms install theirs.
    definirReglesAccueil(nullptr);
    definirReglesBilans(nullptr);
    const Profil& profilProgramme = quel == Programme::Castiflore ? profilCastiflore() : profilOmbrivelle();
    definirProfil(profilProgramme);
    titreApplication() = profilProgramme.nomProgramme;
    Fiche::fenetrePrincipale = nullptr;
}

Seance::~Seance()
{
    fiches_.reset();
    fichesCastiflore_.reset();
    if (p.etapesRestantes() > 0)
        ADD_FAILURE() << p.etapesRestantes() << " étape(s) du script jamais atteinte(s)";
    installerPlateforme(nullptr);
    // By the entries' own bytes: Qt cannot remove a name that is not UTF-8.
    SupprimerDossier(programme);
}

void Seance::creerFiches(const QStringList& arguments)
{
    if (programme_ == Programme::Castiflore)
        fichesCastiflore_ = std::make_unique<FichesCastiflore>(arguments);
    else
        fiches_ = std::make_unique<FichesOmbrivelle>(arguments);
}

void Seance::demarrer(const QStringList& arguments)
{
    if (!fiches_ && !fichesCastiflore_)
        creerFiches(arguments);
    if (programme_ == Programme::Castiflore)
        p.montrerPrincipale(*castiflore::Form1);
    else
        p.montrerPrincipale(*Form1);
}

void Seance::parametres(const QStringList& lignes) const
{
    ecrireLignes(profil().fichierIni, lignes);
}

void Seance::ecrireLignes(const QString& relatif, const QStringList& lignes) const
{
    ecrireOctets(relatif, octetsLignes(lignes));
}

void Seance::ecrireOctets(const QString& relatif, const QByteArray& octets) const
{
    const QString c = chemin(relatif);
    QDir().mkpath(QFileInfo(c).path());
    QFile f(c);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        ADD_FAILURE() << "cannot write " << c.toStdString();
    f.write(octets);
}

QByteArray Seance::lireOctets(const QString& relatif) const
{
    QFile f(chemin(relatif));
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

bool Seance::existe(const QString& relatif) const
{
    return QFileInfo::exists(chemin(relatif));
}

void Seance::ecrireNomWindows(const QByteArray& relatif, const QByteArray& octets) const
{
    // Qt names files in UTF-8 only: these names are made with the system's calls.
    const QByteArray c = QFile::encodeName(programme) + relatif;
    for (qsizetype i = c.indexOf('/', 1); i >= 0; i = c.indexOf('/', i + 1))
        ::mkdir(c.left(i).constData(), 0755);
    const int fd = ::open(c.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0 || ::write(fd, octets.constData(), static_cast<size_t>(octets.size())) != octets.size())
        ADD_FAILURE() << "cannot write " << c.toStdString();
    if (fd >= 0)
        ::close(fd);
}

QList<QByteArray> Seance::nomsSurDisque(const QByteArray& relatif) const
{
    QList<QByteArray> noms;
    if (DIR* d = ::opendir((QFile::encodeName(programme) + relatif).constData())) {
        while (const dirent* e = ::readdir(d))
            if (qstrcmp(e->d_name, ".") != 0 && qstrcmp(e->d_name, "..") != 0)
                noms.append(QByteArray(e->d_name));
        ::closedir(d);
    }
    std::sort(noms.begin(), noms.end());
    return noms;
}

void cliquer(QAbstractButton* b)
{
    ASSERT_TRUE(b != nullptr);
    b->click();
}

void choisir(QComboBox* c, const QString& texte)
{
    const int i = c->findText(texte, Qt::MatchExactly);
    ASSERT_GE(i, 0) << "no entry " << texte.toStdString();
    c->setCurrentIndex(i);
    Q_EMIT c->activated(i);
}

void choisirLigne(QListWidget* l, const QString& texte)
{
    const auto trouves = l->findItems(texte, Qt::MatchExactly);
    ASSERT_FALSE(trouves.isEmpty()) << "no entry " << texte.toStdString();
    // A click, as the pupil makes it: only the user's choices run the list's handler.
    l->scrollToItem(trouves.first());
    const QPoint centre = l->visualItemRect(trouves.first()).center();
    QTest::mouseClick(l->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
}

void taper(QWidget* w, const QString& texte)
{
    for (QChar c : texte) {
        const int cle = c.isLetterOrNumber() && c.unicode() < 128 ? int(c.toUpper().unicode()) : int(Qt::Key_unknown);
        QKeyEvent appui(QEvent::KeyPress, cle, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &appui);
        QKeyEvent relache(QEvent::KeyRelease, cle, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &relache);
    }
}

void touche(QWidget* w, int cle, Qt::KeyboardModifiers modificateurs)
{
    QString texte;
    if (cle == Qt::Key_Return || cle == Qt::Key_Enter)
        texte = QStringLiteral("\r");
    else if (cle == Qt::Key_Escape)
        texte = QString(QChar(27));
    QKeyEvent appui(QEvent::KeyPress, cle, modificateurs, texte);
    QApplication::sendEvent(w, &appui);
    QKeyEvent relache(QEvent::KeyRelease, cle, modificateurs, texte);
    QApplication::sendEvent(w, &relache);
}

void PrintTo(const QString& texte, std::ostream* os)
{
    QString t = texte;
    t.replace(QLatin1Char('\r'), QStringLiteral("\\r")).replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    *os << '"' << t.toStdString() << '"';
}

void PrintTo(const QStringList& liste, std::ostream* os)
{
    *os << "{";
    for (qsizetype i = 0; i < liste.size(); ++i) {
        *os << (i ? ", " : "");
        PrintTo(liste[i], os);
    }
    *os << "}";
}

Frappe frappe(QTextEdit* boite)
{
    QTextDocument* document = boite->document();
    const QTextBlock bloc = document->begin();
    document->documentLayout()->blockBoundingRect(bloc); // lays the block out
    Frappe f;
    if (bloc.layout() && bloc.layout()->lineCount() > 0)
        f.largeur = bloc.layout()->lineAt(0).naturalTextWidth();
    QTextCursor c(document);
    c.movePosition(QTextCursor::End);
    const QTextCharFormat format = c.charFormat();
    const QFont police = format.font().resolve(document->defaultFont());
    f.famille = police.family();
    f.pixels = QFontInfo(police).pixelSize();
    f.gras = police.bold();
    f.italique = police.italic();
    f.couleur = format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color()
                                                                  : boite->palette().color(QPalette::Text);
    return f;
}

Frappe taperViderRetaper(QTextEdit* boite)
{
    const QString texte = QStringLiteral("xyzxyz");
    taper(boite, texte);
    const Frappe premiere = frappe(boite);
    touche(boite, Qt::Key_A, Qt::ControlModifier);
    touche(boite, Qt::Key_Backspace);
    EXPECT_TRUE(boite->document()->isEmpty());
    taper(boite, texte);
    EXPECT_EQ(frappe(boite), premiere) << "after Ctrl+A and Backspace";
    for (int i = 0; i < texte.size(); ++i)
        touche(boite, Qt::Key_Backspace);
    EXPECT_TRUE(boite->document()->isEmpty());
    taper(boite, texte);
    EXPECT_EQ(frappe(boite), premiere) << "after Backspace on every character";
    return premiere;
}

void PrintTo(const QColor& couleur, std::ostream* os)
{
    *os << couleur.name(QColor::HexArgb).toStdString();
}

void PrintTo(const Frappe& f, std::ostream* os)
{
    *os << f.largeur << " px, " << f.famille.toStdString() << ' ' << f.pixels << " px" << (f.gras ? " gras" : "")
        << (f.italique ? " italique" : "") << ", ";
    PrintTo(f.couleur, os);
}
