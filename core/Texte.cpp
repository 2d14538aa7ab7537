#include "Texte.h"

#include <QStringDecoder>

#include "Chemins.h"
#include "ErreurES.h"
#include "Fichiers.h"
#include "Windows1252.h"

namespace {

bool estCaractereDeRognage(QChar c)
{
    return c.unicode() <= 32;
}

const QByteArray marqueOrdre = QByteArrayLiteral("\xEF\xBB\xBF");

bool toutAscii(QByteArrayView octets)
{
    for (char c : octets)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

// Whether the bytes (without their mark) are read as UTF-8: well formed, not plain ASCII, and
// holding no C1 control (C2 80 to C2 9F), which would mean Windows-1252 bytes after all.
bool luEnUtf8(QByteArrayView v)
{
    if (toutAscii(v) || !utf8BienForme(v))
        return false;
    for (qsizetype i = 0; i + 1 < v.size(); ++i)
        if (static_cast<unsigned char>(v[i]) == 0xC2 && static_cast<unsigned char>(v[i + 1]) < 0xA0)
            return false;
    return true;
}

} // namespace

QString decoderFichier(const QByteArray& octets)
{
    QByteArrayView v(octets);
    if (v.startsWith(marqueOrdre))
        v = v.sliced(3);
    if (luEnUtf8(v))
        return QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless).decode(v);
    return depuisWindows1252(v);
}

QByteArray encoderFichier(const QString& texte)
{
    QByteArray octets = versWindows1252(texte);
    if (toutAscii(octets))
        return octets;
    // Windows-1252 bytes may read back as another text: as UTF-8 ("Ã©" written C3 A9 reads
    // "é"), or without their first three characters when those are a byte-order mark ("ï»¿").
    // Then the first form that reads back the same: with a mark in front, in UTF-8, or both.
    const QString ecrit = depuisWindows1252(octets);
    if (decoderFichier(octets) == ecrit)
        return octets;
    const QByteArray utf8 = ecrit.toUtf8();
    for (const QByteArray& forme : {marqueOrdre + octets, utf8, marqueOrdre + utf8})
        if (decoderFichier(forme) == ecrit)
            return forme;
    return octets; // a text no file can hold; never read from one
}

QStringList decouperLignes(const QString& texte)
{
    QStringList lignes;
    qsizetype debut = 0;
    const qsizetype n = texte.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (texte[i] == QLatin1Char('\n')) {
            qsizetype fin = i;
            if (fin > debut && texte[fin - 1] == QLatin1Char('\r'))
                --fin;
            lignes.append(texte.mid(debut, fin - debut));
            debut = i + 1;
        }
    }
    if (debut < n)
        lignes.append(texte.mid(debut));
    return lignes;
}

QByteArray lireOctets(const QString& chemin)
{
    QByteArray octets;
    if (!lireFichierRegulier(resoudreChemin(chemin), octets))
        throw ErreurES(chemin);
    return octets;
}

QString lireTexte(const QString& chemin)
{
    return decoderFichier(lireOctets(chemin));
}

QStringList lireLignes(const QString& chemin)
{
    return decouperLignes(lireTexte(chemin));
}

bool ecrireLignesSansErreur(const QString& chemin, const QStringList& lignes)
{
    QString texte;
    qsizetype taille = 0;
    for (const QString& l : lignes)
        taille += l.size() + 2;
    texte.reserve(taille);
    for (const QString& l : lignes) {
        texte += l;
        texte += QLatin1String("\r\n");
    }
    return ecrireFichierEntier(resoudreChemin(chemin), encoderFichier(texte));
}

void ecrireLignes(const QString& chemin, const QStringList& lignes)
{
    if (!ecrireLignesSansErreur(chemin, lignes))
        throw ErreurES(chemin);
}

QString rogner(const QString& texte)
{
    qsizetype debut = 0, fin = texte.size();
    while (debut < fin && estCaractereDeRognage(texte[debut]))
        ++debut;
    while (fin > debut && estCaractereDeRognage(texte[fin - 1]))
        --fin;
    return texte.mid(debut, fin - debut);
}

QString rognerGauche(const QString& texte)
{
    qsizetype debut = 0;
    while (debut < texte.size() && estCaractereDeRognage(texte[debut]))
        ++debut;
    return texte.mid(debut);
}

QString rognerDroite(const QString& texte)
{
    qsizetype fin = texte.size();
    while (fin > 0 && estCaractereDeRognage(texte[fin - 1]))
        --fin;
    return texte.left(fin);
}

QString minusculesAZ(const QString& texte)
{
    QString r = texte;
    for (QChar& c : r)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + 32);
    return r;
}

QString majusculesAZ(const QString& texte)
{
    QString r = texte;
    for (QChar& c : r)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 32);
    return r;
}

bool CreerFichierVide(const QString& chemin)
{
    return ecrireFichierEntier(resoudreChemin(chemin), QByteArray());
}

void AjouterTexte(const QString& chemin, const QString& texte)
{
    const QString reel = resoudreChemin(chemin);
    if (!existeFichier(reel))
        return;
    // A file that a Linux editor saved in UTF-8 takes UTF-8: Windows-1252 bytes appended to it
    // would make the whole file read back as Windows-1252, its accents garbled.
    QByteArray octets = versWindows1252(texte);
    if (!toutAscii(octets)) {
        QByteArray existants;
        if (lireFichierRegulier(reel, existants)) {
            QByteArrayView v(existants);
            if (v.startsWith(marqueOrdre))
                v = v.sliced(3);
            if (luEnUtf8(v))
                octets = texte.toUtf8();
        }
    }
    // Lines must not be lost silently: a failed append is the I/O error.
    if (ajouterAuFichier(reel, octets) == ResultatAjout::Echec)
        throw ErreurES(chemin);
}

int compterLignesNonVides(const QString& chemin)
{
    QByteArray octets;
    if (!lireFichierRegulier(resoudreChemin(chemin), octets))
        return 0;
    int n = 0;
    for (const QString& l : decouperLignes(decoderFichier(octets)))
        if (!l.isEmpty())
            ++n;
    return n;
}

void AjouterLigne(const QString& chemin, const QString& ligne)
{
    AjouterTexte(chemin, ligne + QStringLiteral("\r\n"));
}

QString CompleterAGauche(const QString& texte, int largeur, const QString& remplissage)
{
    QString r;
    for (qsizetype i = texte.size(); i < largeur; ++i)
        r += remplissage;
    return r + texte;
}

QString FormaterDuree(int secondes, bool formeLongue)
{
    const int h = secondes / 3600;
    const int m = (secondes % 3600) / 60;
    const int s = secondes % 60;
    if (formeLongue)
        return CompleterAGauche(QString::number(h), 2, QStringLiteral(" ")) + QStringLiteral(" h ")
               + CompleterAGauche(QString::number(m), 2, QStringLiteral(" ")) + QStringLiteral(" min ")
               + CompleterAGauche(QString::number(s), 2, QStringLiteral(" ")) + QStringLiteral(" s");
    QString r;
    if (h != 0)
        r += QString::number(h) + QStringLiteral(" h ");
    if (m != 0)
        r += QString::number(m) + QStringLiteral(" min ");
    return r + QString::number(s) + QStringLiteral(" s");
}
