#include "Rtf.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "Texte.h"

namespace {

// Real files nest a few dozen groups at most; deeper groups are only counted, so that their
// braces still pair up, and share the state of the deepest kept group.
constexpr std::size_t profondeurMax = 512;
// Enough for any real parameter, and far from int overflow once digits are accumulated.
constexpr long long parametreMax = 1'000'000'000;
constexpr qsizetype couleursMax = 4096;

enum class Mot {
    Paragraphe,
    Ligne,
    Tabulation,
    Gras,
    Italique,
    Souligne,
    SansSouligne,
    Barre,
    Taille,
    Ordinaire,
    Couleur,
    TableCouleurs,
    Rouge,
    Vert,
    Bleu,
    Unicode,
    SautUnicode,
    DebutParagraphe,
    Gauche,
    Centre,
    Droite,
    Justifie,
    Caractere,
    Ignore,
};

struct Entree {
    Mot mot;
    char16_t caractere = 0;
};

const std::unordered_map<std::string_view, Entree>& motsConnus()
{
    static const std::unordered_map<std::string_view, Entree> mots = [] {
        std::unordered_map<std::string_view, Entree> m = {
            {"par", {Mot::Paragraphe}},
            // Pages, sections and table rows have no place in a help window: they end a paragraph.
            {"sect", {Mot::Paragraphe}},
            {"page", {Mot::Paragraphe}},
            {"row", {Mot::Paragraphe}},
            {"line", {Mot::Ligne}},
            {"tab", {Mot::Tabulation}},
            {"cell", {Mot::Tabulation}},
            {"b", {Mot::Gras}},
            {"i", {Mot::Italique}},
            {"ul", {Mot::Souligne}},
            {"uld", {Mot::Souligne}},
            {"uldb", {Mot::Souligne}},
            {"uldash", {Mot::Souligne}},
            {"ulth", {Mot::Souligne}},
            {"ulw", {Mot::Souligne}},
            {"ulwave", {Mot::Souligne}},
            {"ulnone", {Mot::SansSouligne}},
            {"strike", {Mot::Barre}},
            {"striked", {Mot::Barre}},
            {"fs", {Mot::Taille}},
            {"plain", {Mot::Ordinaire}},
            {"cf", {Mot::Couleur}},
            {"colortbl", {Mot::TableCouleurs}},
            {"red", {Mot::Rouge}},
            {"green", {Mot::Vert}},
            {"blue", {Mot::Bleu}},
            {"u", {Mot::Unicode}},
            {"uc", {Mot::SautUnicode}},
            {"pard", {Mot::DebutParagraphe}},
            {"ql", {Mot::Gauche}},
            {"qc", {Mot::Centre}},
            {"qr", {Mot::Droite}},
            {"qj", {Mot::Justifie}},
            {"emdash", {Mot::Caractere, u'\u2014'}},
            {"endash", {Mot::Caractere, u'\u2013'}},
            {"emspace", {Mot::Caractere, u'\u2003'}},
            {"enspace", {Mot::Caractere, u'\u2002'}},
            {"lquote", {Mot::Caractere, u'\u2018'}},
            {"rquote", {Mot::Caractere, u'\u2019'}},
            {"ldblquote", {Mot::Caractere, u'\u201C'}},
            {"rdblquote", {Mot::Caractere, u'\u201D'}},
            {"bullet", {Mot::Caractere, u'\u2022'}},
        };
        // Destinations whose content is not text of the page.
        for (const char* d : {"fonttbl", "stylesheet", "info", "pict", "object", "header", "headerl",
                              "headerr", "headerf", "footer", "footerl", "footerr", "footerf",
                              "footnote", "listtable", "listoverridetable", "rsidtbl", "generator",
                              "xmlnstbl", "themedata", "datastore", "latentstyles", "filetbl",
                              "revtbl", "nonshppict", "fldinst"})
            m.emplace(d, Entree{Mot::Ignore});
        return m;
    }();
    return mots;
}

QChar depuis1252(unsigned char octet)
{
    static const QString table = [] {
        QByteArray tous(256, '\0');
        for (int i = 0; i < 256; ++i)
            tous[i] = static_cast<char>(i);
        return depuisWindows1252(tous);
    }();
    return table[octet];
}

int chiffreHexa(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool estLettre(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool estChiffre(char c)
{
    return c >= '0' && c <= '9';
}

struct FormatCaracteres {
    bool gras = false;
    bool italique = false;
    bool souligne = false;
    bool barre = false;
    int demiPoints = 0; // 0: the size of the widget's font
    int couleur = 0;
    bool operator==(const FormatCaracteres&) const = default;
};

enum class Destination { Texte, TableCouleurs, Ignoree };

struct Etat {
    FormatCaracteres caracteres;
    Qt::Alignment alignement = Qt::AlignLeft;
    int saut = 1; // fallback characters after \u
    Destination destination = Destination::Texte;
};

class Lecteur {
public:
    Lecteur(const QByteArray& octets, qsizetype debut, QTextDocument& document)
        : d(octets.constData()), n(octets.size()), i(debut), curseur(&document)
    {
        pile.emplace_back();
    }

    void lire()
    {
        curseur.beginEditBlock();
        while (i < n) {
            const char c = d[i++];
            switch (c) {
            case '{':
                aSauter = 0;
                ouvrirGroupe();
                break;
            case '}':
                aSauter = 0;
                fermerGroupe();
                break;
            case '\\':
                lireControle();
                break;
            case '\r':
            case '\n':
                break;
            default:
                caractereBrut(static_cast<unsigned char>(c));
            }
        }
        ecrire(0); // a high surrogate left alone
        vider();
        // Paragraph marks at the very end open no empty line.
        if (paragraphesEnAttente == 0) {
            if (pile.size() > 1)
                alignementFinal = etat().alignement;
            QTextBlockFormat f;
            f.setAlignment(alignementFinal);
            curseur.setBlockFormat(f);
        }
        curseur.endEditBlock();
    }

private:
    Etat& etat() { return pile.back(); }

    void ouvrirGroupe()
    {
        if (pile.size() >= profondeurMax)
            ++groupesEnTrop;
        else
            pile.push_back(pile.back());
    }

    void fermerGroupe()
    {
        if (groupesEnTrop > 0) {
            --groupesEnTrop;
            return;
        }
        if (pile.size() <= 1)
            return; // a stray "}"
        if (etat().destination == Destination::TableCouleurs && composanteLue)
            finirCouleur(); // last entry without its ";"
        // The last paragraph may have no mark of its own: it takes the alignment in force when
        // the document's group ends.
        if (pile.size() == 2)
            alignementFinal = etat().alignement;
        pile.pop_back();
    }

    void caractereBrut(unsigned char c)
    {
        if (aSauter > 0) {
            --aSauter;
            return;
        }
        if (etat().destination == Destination::TableCouleurs) {
            if (c == ';')
                finirCouleur();
            return;
        }
        ecrire(depuis1252(c).unicode());
    }

    void lireControle()
    {
        if (i >= n)
            return;
        const char c = d[i];
        if (!estLettre(c)) {
            ++i;
            lireSymbole(c);
            return;
        }
        const qsizetype debut = i;
        while (i < n && estLettre(d[i]))
            ++i;
        const std::string_view mot(d + debut, static_cast<std::size_t>(i - debut));
        bool negatif = false;
        if (i + 1 < n && d[i] == '-' && estChiffre(d[i + 1])) {
            negatif = true;
            ++i;
        }
        bool avecParametre = false;
        long long valeur = 0;
        while (i < n && estChiffre(d[i])) {
            avecParametre = true;
            if (valeur < parametreMax)
                valeur = valeur * 10 + (d[i] - '0');
            ++i;
        }
        valeur = std::min(valeur, parametreMax);
        if (i < n && d[i] == ' ')
            ++i;
        const int parametre = static_cast<int>(negatif ? -valeur : valeur);
        if (mot == "bin") {
            if (avecParametre && parametre > 0)
                i += std::min<qsizetype>(parametre, n - i);
        }
        // Any control word in the fallback of \u counts as one of its characters.
        if (aSauter > 0) {
            --aSauter;
            return;
        }
        const auto& mots = motsConnus();
        const auto trouve = mots.find(mot);
        if (trouve != mots.end())
            executer(trouve->second, avecParametre, parametre);
    }

    void lireSymbole(char c)
    {
        if (c == '\'') {
            // Two hex digits; a cut or broken one writes nothing.
            int octet = 0;
            int chiffres = 0;
            for (; chiffres < 2 && i < n && chiffreHexa(d[i]) >= 0; ++chiffres)
                octet = octet * 16 + chiffreHexa(d[i++]);
            if (chiffres < 2)
                octet = -1;
            if (aSauter > 0) {
                --aSauter;
                return;
            }
            if (octet >= 0 && etat().destination == Destination::Texte)
                ecrire(depuis1252(static_cast<unsigned char>(octet)).unicode());
            return;
        }
        if (aSauter > 0) {
            --aSauter;
            return;
        }
        switch (c) {
        case '\\':
        case '{':
        case '}':
            ecrire(static_cast<char16_t>(c));
            break;
        case '~':
            ecrire(u'\u00A0');
            break;
        case '_':
            ecrire(u'\u2011');
            break;
        case '*':
            etat().destination = Destination::Ignoree;
            break;
        case '\r':
        case '\n':
            paragraphe();
            break;
        default:
            break; // \- and the symbols of indexes and formulas show nothing
        }
    }

    void executer(const Entree& entree, bool avecParametre, int parametre)
    {
        Etat& e = etat();
        FormatCaracteres& f = e.caracteres;
        const bool actif = !avecParametre || parametre != 0;
        switch (entree.mot) {
        case Mot::Paragraphe:
            paragraphe();
            break;
        case Mot::Ligne:
            ecrire(u'\u2028');
            break;
        case Mot::Tabulation:
            ecrire(u'\t');
            break;
        case Mot::Gras:
            f.gras = actif;
            break;
        case Mot::Italique:
            f.italique = actif;
            break;
        case Mot::Souligne:
            f.souligne = actif;
            break;
        case Mot::SansSouligne:
            f.souligne = false;
            break;
        case Mot::Barre:
            f.barre = actif;
            break;
        case Mot::Taille:
            if (avecParametre && parametre > 0)
                f.demiPoints = std::min(parametre, 3276);
            break;
        case Mot::Ordinaire:
            f = FormatCaracteres();
            break;
        case Mot::Couleur:
            f.couleur = std::max(parametre, 0);
            break;
        case Mot::TableCouleurs:
            if (e.destination == Destination::Texte) {
                e.destination = Destination::TableCouleurs;
                couleurs.clear();
                composanteLue = false;
            }
            break;
        case Mot::Rouge:
        case Mot::Vert:
        case Mot::Bleu:
            if (e.destination == Destination::TableCouleurs) {
                const int v = std::clamp(parametre, 0, 255);
                (entree.mot == Mot::Rouge ? rouge : entree.mot == Mot::Vert ? vert : bleu) = v;
                composanteLue = true;
            }
            break;
        case Mot::Unicode:
            if (avecParametre) {
                int code = parametre < 0 ? parametre + 65536 : parametre;
                if (code < 0 || code > 0xFFFF)
                    code = 0xFFFD;
                if (e.destination == Destination::Texte)
                    ecrire(static_cast<char16_t>(code));
                aSauter = e.saut;
            }
            break;
        case Mot::SautUnicode:
            if (avecParametre)
                e.saut = std::clamp(parametre, 0, 1000);
            break;
        case Mot::DebutParagraphe:
        case Mot::Gauche:
            e.alignement = Qt::AlignLeft;
            break;
        case Mot::Centre:
            e.alignement = Qt::AlignHCenter;
            break;
        case Mot::Droite:
            e.alignement = Qt::AlignRight;
            break;
        case Mot::Justifie:
            e.alignement = Qt::AlignJustify;
            break;
        case Mot::Caractere:
            ecrire(entree.caractere);
            break;
        case Mot::Ignore:
            e.destination = Destination::Ignoree;
            break;
        }
    }

    void finirCouleur()
    {
        if (couleurs.size() < couleursMax)
            couleurs.append(composanteLue ? QColor(rouge, vert, bleu) : QColor());
        rouge = vert = bleu = 0;
        composanteLue = false;
    }

    // Writes one UTF-16 unit of text; 0 only settles a pending high surrogate. Surrogates are
    // kept in pairs and control characters left out, so the document holds well-formed text
    // and no character that QTextCursor would take for a block or frame boundary.
    void ecrire(char16_t c)
    {
        if (c != 0 && etat().destination != Destination::Texte)
            return;
        if (QChar::isHighSurrogate(c)) {
            if (hautEnAttente)
                ajouter(u'\uFFFD');
            hautEnAttente = c;
            return;
        }
        if (QChar::isLowSurrogate(c)) {
            if (hautEnAttente) {
                ajouter(hautEnAttente);
                ajouter(c);
                hautEnAttente = 0;
            } else {
                ajouter(u'\uFFFD');
            }
            return;
        }
        if (hautEnAttente) {
            ajouter(u'\uFFFD');
            hautEnAttente = 0;
        }
        if (c == u'\u2029') {
            paragraphe();
            return;
        }
        if ((c < 0x20 && c != u'\t') || c == 0xFDD0 || c == 0xFDD1)
            return;
        ajouter(c);
    }

    void ajouter(char16_t c)
    {
        if (paragraphesEnAttente > 0) {
            for (; paragraphesEnAttente > 0; --paragraphesEnAttente)
                curseur.insertBlock(formatBloc());
        }
        if (!tampon.isEmpty() && !(formatTampon == etat().caracteres))
            vider();
        if (tampon.isEmpty())
            formatTampon = etat().caracteres;
        tampon.append(QChar(c));
    }

    void vider()
    {
        if (tampon.isEmpty())
            return;
        curseur.insertText(tampon, formatCaracteres(formatTampon));
        tampon.clear();
    }

    // The paragraph takes the formatting in force at its end; the next block is only opened
    // when text follows.
    void paragraphe()
    {
        if (etat().destination != Destination::Texte)
            return;
        ecrire(0);
        vider();
        if (paragraphesEnAttente == 0)
            curseur.setBlockFormat(formatBloc());
        ++paragraphesEnAttente;
    }

    QTextBlockFormat formatBloc() const
    {
        QTextBlockFormat f;
        f.setAlignment(pile.back().alignement);
        return f;
    }

    QTextCharFormat formatCaracteres(const FormatCaracteres& f) const
    {
        QTextCharFormat r;
        if (f.gras)
            r.setFontWeight(QFont::Bold);
        if (f.italique)
            r.setFontItalic(true);
        if (f.souligne)
            r.setFontUnderline(true);
        if (f.barre)
            r.setFontStrikeOut(true);
        if (f.demiPoints > 0)
            r.setFontPointSize(f.demiPoints / 2.0);
        // Index 0 is the automatic colour, whatever the table says.
        if (f.couleur > 0 && f.couleur < couleurs.size() && couleurs[f.couleur].isValid())
            r.setForeground(couleurs[f.couleur]);
        return r;
    }

    const char* d;
    qsizetype n;
    qsizetype i;
    QTextCursor curseur;
    std::vector<Etat> pile;
    qsizetype groupesEnTrop = 0;
    int aSauter = 0;
    QString tampon;
    FormatCaracteres formatTampon;
    qsizetype paragraphesEnAttente = 0;
    char16_t hautEnAttente = 0;
    QList<QColor> couleurs;
    int rouge = 0, vert = 0, bleu = 0;
    bool composanteLue = false;
    Qt::Alignment alignementFinal = Qt::AlignLeft;
};

// Where the rich text starts, after blanks; -1 when it is not rich text.
qsizetype debutRtf(const QByteArray& octets)
{
    qsizetype i = 0;
    while (i < octets.size() && (octets[i] == ' ' || octets[i] == '\t' || octets[i] == '\r' || octets[i] == '\n'))
        ++i;
    return QByteArrayView(octets).sliced(i).startsWith("{\\rtf") ? i : -1;
}

} // namespace

bool lireRtf(const QByteArray& octets, QTextDocument& document)
{
    const bool annulation = document.isUndoRedoEnabled();
    // Loading is no user edit: no undo history to fill.
    document.setUndoRedoEnabled(false);
    document.clear();
    const qsizetype debut = debutRtf(octets);
    const bool rtf = debut >= 0;
    if (rtf)
        Lecteur(octets, debut, document).lire();
    document.setUndoRedoEnabled(annulation);
    return rtf;
}
