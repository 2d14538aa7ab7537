#include "PlateformeScriptee.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include "Chemins.h"
#include "Fichiers.h"

QString nomTypeBoite(TypeBoite t)
{
    switch (t) {
    case TypeBoite::Simple: return QStringLiteral("Simple");
    case TypeBoite::Information: return QStringLiteral("Information");
    case TypeBoite::Avertissement: return QStringLiteral("Avertissement");
    case TypeBoite::Erreur: return QStringLiteral("Erreur");
    case TypeBoite::Confirmation: return QStringLiteral("Confirmation");
    }
    return QString();
}

MinuterieScriptee::MinuterieScriptee(PlateformeScriptee& p, std::function<void()> tic)
    : p_(p), tic_(std::move(tic))
{
    p_.minuteries.insert(this);
}

MinuterieScriptee::~MinuterieScriptee()
{
    p_.minuteries.remove(this);
}

void MinuterieScriptee::declencher()
{
    if (actif_)
        Fiche::garde(tic_);
}

PlateformeScriptee::PlateformeScriptee()
    : horloge(QDate(2026, 12, 7), QTime(14, 5, 32))
{
    imprimante.journaliser = [this](const QString& ligne) { journal.append(ligne); };
}

PlateformeScriptee::~PlateformeScriptee() = default;

void PlateformeScriptee::signaler(const QString& message)
{
    journal.append(QStringLiteral("ECHEC ") + message);
    if (echec)
        echec(message);
}

void PlateformeScriptee::fenetre(const QString& classe, Action action)
{
    Etape e;
    e.estFenetre = true;
    e.classe = classe;
    e.action = std::move(action);
    etapes_.append(std::move(e));
}

void PlateformeScriptee::boite(ReponseBoite reponse, const QString& texteAttendu)
{
    Etape e;
    e.reponse = reponse;
    e.texteAttendu = texteAttendu;
    etapes_.append(std::move(e));
}

QStringList PlateformeScriptee::journalDe(const QString& prefixe) const
{
    QStringList r;
    for (const QString& l : journal)
        if (l.startsWith(prefixe))
            r.append(l);
    return r;
}

void PlateformeScriptee::tic(int n)
{
    for (int i = 0; i < n; ++i) {
        const auto liste = minuteries.values();
        for (MinuterieScriptee* m : liste)
            if (minuteries.contains(m))
                m->declencher();
    }
}

void PlateformeScriptee::montrerPrincipale(Fiche& f)
{
    principale_ = &f;
    Fiche::fenetrePrincipale = &f;
    journal.append(QStringLiteral("principale ") + QString::fromLatin1(f.metaObject()->className()));
    f.ajusterAuContenu();
    f.show();
    Fiche::garde([&f] { f.FormShow(); });
    if (!fin_)
        Fiche::garde([&f] { f.FormActivate(); });
}

void PlateformeScriptee::montrerModal(Fiche& f)
{
    const QString classe = QString::fromLatin1(f.metaObject()->className());
    if (fin_) {
        journal.append(QStringLiteral("fenetre ") + classe + QStringLiteral(" ignorée"));
        return;
    }
    journal.append(QStringLiteral("fenetre ") + classe);
    f.oublierFermeture();
    ouvertes_.append(&f);
    f.show();
    Fiche::garde([&f] { f.FormShow(); });
    if (!fin_ && !f.fermetureEnAttente())
        Fiche::garde([&f] { f.FormActivate(); });
    if (!fin_ && !f.fermetureEnAttente())
        f.ajusterAuContenu();
    if (!fin_ && !f.fermetureEnAttente() && ouvertes_.contains(&f)) {
        if (etapes_.isEmpty() || !etapes_.first().estFenetre || etapes_.first().classe != classe) {
            signaler(QStringLiteral("fenêtre %1 non prévue par le script").arg(classe));
            ouvertes_.removeAll(&f);
        } else {
            Etape e = etapes_.takeFirst();
            if (e.action)
                e.action(f);
            if (!fin_ && ouvertes_.contains(&f))
                signaler(QStringLiteral("la fenêtre %1 est restée ouverte").arg(classe));
        }
    }
    ouvertes_.removeAll(&f);
    f.hide();
}

void PlateformeScriptee::fermer(Fiche& f)
{
    if (&f == principale_) {
        if (!fin_)
            journal.append(QStringLiteral("fin du programme"));
        fin_ = true;
        ouvertes_.clear();
        f.hide();
        return;
    }
    ouvertes_.removeAll(&f);
}

ReponseBoite PlateformeScriptee::boite(const QString& titre, const QString& texte, TypeBoite type,
                                       BoutonsBoite boutons)
{
    const QString ligne = QStringLiteral("boite %1 | %2 | %3").arg(nomTypeBoite(type), titre, texte);
    ReponseBoite defaut = boutons == BoutonsBoite::OuiNon     ? ReponseBoite::Non
                          : boutons == BoutonsBoite::OkAnnuler ? ReponseBoite::Annuler
                                                               : ReponseBoite::Ok;
    if (fin_) {
        journal.append(ligne + QStringLiteral(" (ignorée)"));
        return defaut;
    }
    journal.append(ligne);
    if (etapes_.isEmpty() || etapes_.first().estFenetre || !etapes_.first().dialogue.isEmpty()) {
        signaler(QStringLiteral("boîte non prévue par le script : ") + texte);
        return defaut;
    }
    Etape e = etapes_.takeFirst();
    if (!e.texteAttendu.isNull() && e.texteAttendu != texte)
        signaler(QStringLiteral("boîte « %1 » au lieu de « %2 »").arg(texte, e.texteAttendu));
    return e.reponse;
}

void PlateformeScriptee::repeindre(QWidget* w)
{
    journal.append(QStringLiteral("repeindre ")
                   + (w ? QString::fromLatin1(w->metaObject()->className()) : QString()));
}

void PlateformeScriptee::dormir(int millisecondes)
{
    journal.append(QStringLiteral("pause ") + QString::number(millisecondes));
}

void PlateformeScriptee::jouerSon(const QString& chemin)
{
    journal.append(QStringLiteral("son ") + QFileInfo(chemin).fileName());
}

bool PlateformeScriptee::jouerItem(const QString& chemin)
{
    QByteArray octets;
    bool lisible = lireFichierRegulier(chemin, octets);
    if (lisible) {
        const bool mpeg = octets.size() >= 2 && static_cast<unsigned char>(octets[0]) == 0xFF
                          && (static_cast<unsigned char>(octets[1]) & 0xE0) == 0xE0;
        lisible = octets.startsWith("RIFF") || octets.startsWith("ID3") || mpeg;
    }
    journal.append(QStringLiteral("son ") + QFileInfo(chemin).fileName()
                   + (lisible ? QString() : QStringLiteral(" illisible")));
    return lisible;
}

bool PlateformeScriptee::ouvrir(const QString& cible)
{
    journal.append(QStringLiteral("ouvrir ") + cible);
    return ouvertureReussie;
}

bool PlateformeScriptee::lancerProgramme(const QString& prog, const QStringList& arguments)
{
    journal.append(QStringLiteral("lancer ") + prog
                   + (arguments.isEmpty() ? QString() : QStringLiteral(" ") + arguments.join(QLatin1Char(' '))));
    return ouvertureReussie;
}

void PlateformeScriptee::viderPressePapiers()
{
    journal.append(QStringLiteral("presse-papiers vidé"));
}

QDateTime PlateformeScriptee::maintenant()
{
    return horloge;
}

int PlateformeScriptee::hasard(int n)
{
    tiragesDemandes.append(n);
    int r = tirages.isEmpty() ? 0 : tirages.takeFirst();
    if (n <= 0)
        return 0;
    return r < 0 ? 0 : (r >= n ? n - 1 : r);
}

QString PlateformeScriptee::dossierProgramme()
{
    return programme;
}

QString PlateformeScriptee::dossierCourant()
{
    if (dossierCourant_.isEmpty()) {
        QString d = programme;
        if (d.size() > 1 && d.endsWith(QLatin1Char('/')))
            d.chop(1);
        return d.isEmpty() ? QDir::currentPath() : d;
    }
    return dossierCourant_;
}

bool PlateformeScriptee::changerDossier(const QString& chemin)
{
    if (!existeDossier(chemin))
        return false;
    dossierCourant_ = cheminCanonique(chemin);
    return true;
}

std::unique_ptr<Minuterie> PlateformeScriptee::creerMinuterie(int, std::function<void()> tic)
{
    return std::make_unique<MinuterieScriptee>(*this, std::move(tic));
}
