#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <random>

#include "Rtf.h"

namespace {

QString lu(const QByteArray& rtf)
{
    QTextDocument document;
    EXPECT_TRUE(lireRtf(rtf, document));
    return document.toRawText();
}

QStringList blocs(const QTextDocument& document)
{
    QStringList r;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next())
        r << b.text();
    return r;
}

// Format of the first occurrence of a word (of its last character).
QTextCharFormat formatDe(const QTextDocument& document, const QString& mot)
{
    const QTextCursor c = document.find(mot, 0, QTextDocument::FindCaseSensitively);
    EXPECT_FALSE(c.isNull()) << mot.toStdString();
    return c.charFormat();
}

} // namespace

TEST(Rtf, RecognisesRichTextOnly)
{
    QTextDocument document;
    document.setPlainText("ancien contenu");
    EXPECT_FALSE(lireRtf("Bonjour {\\rtf1 x}", document));
    EXPECT_TRUE(document.isEmpty());
    EXPECT_FALSE(lireRtf("", document));
    EXPECT_FALSE(lireRtf("{\\rt", document));

    EXPECT_TRUE(lireRtf(" \r\n\t{\\rtf1 x}", document));
    EXPECT_EQ(document.toPlainText(), "x");
    EXPECT_FALSE(document.isUndoAvailable());
}

TEST(Rtf, ParagraphsBreaksAndEscapes)
{
    QTextDocument document;
    ASSERT_TRUE(lireRtf("{\\rtf1\\ansi\\deff0 Bonjour\\par  le\r\n monde\\line fin\\tab x\\par\r\n"
                        "\\par Apr\\'e8s\\\r\nderni\\\\er\\par\\par}",
                        document));
    // A space after a control word is its delimiter; CR LF are not text; "\" CR LF is \par;
    // the paragraph marks at the end open no empty line.
    EXPECT_EQ(blocs(document),
              QStringList({"Bonjour", " le monde\u2028fin\tx", "", "Apr\u00e8s", "derni\\er"}));
    EXPECT_EQ(document.toPlainText(), "Bonjour\n le monde\nfin\tx\n\nApr\u00e8s\nderni\\er");

    EXPECT_EQ(lu("{\\rtf1 \\{a\\}\\~b\\-c\\_d\\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet}"),
              "{a}\u00a0bc\u2011d\u2014\u2013\u2018\u2019\u201c\u201d\u2022");
    // Unknown control words vanish with their parameter and delimiter.
    EXPECT_EQ(lu("{\\rtf1 a\\f0\\fs24\\lang1036\\kerning-12 b\\nouveau99 c}"), "abc");
}

TEST(Rtf, CharacterFormattingAndGroups)
{
    QTextDocument document;
    ASSERT_TRUE(lireRtf("{\\rtf1 normal \\b gras\\b0  \\i italique{\\ul souligne{\\b0\\i0 rien}}\\i0 "
                        "droit \\strike barre\\strike0 \\ul un\\ul0 deux\\ul trois\\ulnone quatre "
                        "\\fs40 grand{\\fs18 petit}encore\\plain simple \\b\\i\\fs30{\\plain vide}plein}",
                        document));
    auto f = formatDe(document, "normal");
    EXPECT_EQ(f.fontWeight(), QFont::Normal);
    EXPECT_FALSE(f.fontItalic());
    EXPECT_FALSE(f.hasProperty(QTextFormat::FontPointSize));
    EXPECT_EQ(formatDe(document, "gras").fontWeight(), QFont::Bold);
    f = formatDe(document, "italique");
    EXPECT_TRUE(f.fontItalic());
    EXPECT_EQ(f.fontWeight(), QFont::Normal);
    EXPECT_FALSE(f.fontUnderline());
    f = formatDe(document, "souligne");
    EXPECT_TRUE(f.fontItalic());
    EXPECT_TRUE(f.fontUnderline());
    f = formatDe(document, "rien");
    EXPECT_FALSE(f.fontItalic());
    EXPECT_TRUE(f.fontUnderline());
    f = formatDe(document, "droit");
    EXPECT_FALSE(f.fontItalic());
    EXPECT_FALSE(f.fontUnderline());
    EXPECT_TRUE(formatDe(document, "barre").fontStrikeOut());
    EXPECT_TRUE(formatDe(document, "un").fontUnderline());
    EXPECT_FALSE(formatDe(document, "deux").fontUnderline());
    EXPECT_TRUE(formatDe(document, "trois").fontUnderline());
    EXPECT_FALSE(formatDe(document, "quatre").fontUnderline());
    EXPECT_FALSE(formatDe(document, "quatre").fontStrikeOut());
    EXPECT_DOUBLE_EQ(formatDe(document, "grand").fontPointSize(), 20.0);
    EXPECT_DOUBLE_EQ(formatDe(document, "petit").fontPointSize(), 9.0);
    EXPECT_DOUBLE_EQ(formatDe(document, "encore").fontPointSize(), 20.0);
    f = formatDe(document, "simple");
    EXPECT_FALSE(f.hasProperty(QTextFormat::FontPointSize));
    EXPECT_EQ(f.fontWeight(), QFont::Normal);
    f = formatDe(document, "vide");
    EXPECT_EQ(f.fontWeight(), QFont::Normal);
    EXPECT_FALSE(f.fontItalic());
    f = formatDe(document, "plein");
    EXPECT_EQ(f.fontWeight(), QFont::Bold);
    EXPECT_TRUE(f.fontItalic());
    EXPECT_DOUBLE_EQ(f.fontPointSize(), 15.0);
}

TEST(Rtf, AccentsAndUnicode)
{
    // Windows-1252, including the bytes 0x80-0x9F and one that the code page leaves undefined.
    EXPECT_EQ(lu("{\\rtf1 \\'e9t\\'E9 \\'9cuvre \\'8c\\'80\\'85\\'92\\'96\\'9f\\'81}"),
              "\u00e9t\u00e9 \u0153uvre \u0152\u20ac\u2026\u2019\u2013\u0178\u0081");
    // Raw 8-bit text is Windows-1252 too.
    EXPECT_EQ(lu("{\\rtf1 \xe0 \x9c}"), "\u00e0 \u0153");

    // The fallback after \u is skipped, \'hh and control words counting as one character each.
    EXPECT_EQ(lu("{\\rtf1 \\u339?uf \\u339\\'9cuvre \\u8217\\rquote x}"), "\u0153uf \u0153uvre \u2019x");
    EXPECT_EQ(lu("{\\rtf1\\uc0\\u233 t\\uc2 \\u339??x\\uc2\\u339\\'9c\\'9cy}"), "\u00e9t\u0153x\u0153y");
    // \uc is group state; a group end stops the skip.
    EXPECT_EQ(lu("{\\rtf1{\\uc2\\u339 ab}c\\u339?d{\\uc3\\u233 a}b}"), "\u0153c\u0153d\u00e9b");
    // Negative parameters are UTF-16 units above 32767; a surrogate pair gives one character.
    EXPECT_EQ(lu("{\\rtf1 \\u-3998?\\u-10179?\\u-8704?}"), QString::fromUtf8("\uf062\U0001F600"));
    // Lone surrogates never reach the document.
    EXPECT_EQ(lu("{\\rtf1 a\\u-10179?b\\u-8704?c\\u-10179?}"), "a\ufffdb\ufffdc\ufffd");
}

TEST(Rtf, ColourTableAndAlignment)
{
    QTextDocument document;
    ASSERT_TRUE(lireRtf("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue255;}"
                        "\\cf1 rouge \\cf2 bleu \\cf0 auto \\cf9 hors {\\cf1 dedans}dehors\\par"
                        "\\qc Centre\\par Encore\\par\\pard Gauche\\par\\qr Droite\\par\\qj Justifie}",
                        document));
    EXPECT_EQ(formatDe(document, "rouge").foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(formatDe(document, "bleu").foreground().color(), QColor(0, 128, 255));
    EXPECT_FALSE(formatDe(document, "auto").hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_FALSE(formatDe(document, "hors").hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_EQ(formatDe(document, "dedans").foreground().color(), QColor(255, 0, 0));
    EXPECT_FALSE(formatDe(document, "dehors").hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_FALSE(document.toPlainText().contains(';'));

    const QStringList textes = blocs(document);
    ASSERT_EQ(textes.size(), 6);
    const Qt::Alignment attendu[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignHCenter,
                                     Qt::AlignLeft, Qt::AlignRight, Qt::AlignJustify};
    QTextBlock b = document.begin();
    for (int k = 0; k < 6; ++k, b = b.next())
        EXPECT_EQ(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, attendu[k]) << textes[k].toStdString();
}

TEST(Rtf, DestinationsLeftOut)
{
    EXPECT_EQ(lu("{\\rtf1\\ansi{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}{\\f1 Arial;}}"
                 "{\\stylesheet{\\s0 Normal;}}{\\info{\\title Titre secret}{\\author Moi}}"
                 "{\\*\\generator Writer;}{\\*\\nouveaute cach\\'e9}{\\header En-t\\'eate}{\\footer Pied}"
                 "{\\pict\\pngblip\\picw10 89504e470d0a}{\\object{\\objdata 0102}}"
                 "Visible\\par{\\*\\bkmkstart x}Suite{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt lien}}}"),
              "Visible\u2029Suitelien");
    // \bin data is never read as RTF, even when it holds braces; its length is clamped.
    EXPECT_EQ(lu("{\\rtf1{\\pict\\bin4 {{{{}Apres a\\bin3 }}}b}"), "Apres ab");
    EXPECT_EQ(lu("{\\rtf1 a\\bin99999999999999999999 bcd}"), "a");
}

TEST(Rtf, MalformedInputIsSafe)
{
    // Unbalanced braces.
    EXPECT_EQ(lu("{\\rtf1 a}}}b"), "ab");
    EXPECT_EQ(lu("{\\rtf1 {\\b a{\\i b"), "ab");

    // Every cut of a file, including inside a control word, \'hh and \u.
    const QByteArray complet = "{\\rtf1{\\colortbl;\\red10\\green20\\blue30;}{\\fonttbl{\\f0 Arial;}}"
                               "\\pard\\qc\\cf1\\fs28 a\\'e9\\u-10179?\\u-8704?\\uc2\\u339\\'9c\\'9c"
                               "{\\b\\i b}\\line\\tab\\par{\\*\\x y}\\bin2 zz c}";
    for (qsizetype k = 0; k <= complet.size(); ++k) {
        QTextDocument document;
        EXPECT_TRUE(lireRtf(complet.left(k), document) || k < 5);
    }
    EXPECT_EQ(lu("{\\rtf1 abc\\'e"), "abc");
    EXPECT_EQ(lu("{\\rtf1 abc\\u"), "abc");
    EXPECT_EQ(lu("{\\rtf1 abc\\u-"), "abc-");
    EXPECT_EQ(lu("{\\rtf1 abc\\"), "abc");
    EXPECT_EQ(lu("{\\rtf1 a\\'zzb\\'4"), "azzb");

    // Huge parameters are clamped.
    QTextDocument document;
    ASSERT_TRUE(lireRtf("{\\rtf1\\fs99999999999999999999999 x\\fs-5 y\\cf-99999999999999999 z"
                        "\\u99999999999999999 w\\u-99999999999999 v\\uc99999999999999 \\u65 abc}",
                        document));
    EXPECT_EQ(document.toRawText(), "xyz\ufffd\ufffdA");
    EXPECT_LE(formatDe(document, "y").fontPointSize(), 1638.0);
}

TEST(Rtf, HostileInputIsReadWhole)
{
    const int profondeur = 100000;
    QByteArray imbrique = "{\\rtf1 " + QByteArray(profondeur, '{') + "\\b x" + QByteArray(profondeur, '}') + " y";
    EXPECT_EQ(lu(imbrique), "x y");
    EXPECT_EQ(lu("{\\rtf1 " + QByteArray(profondeur, '}') + "z"), "z");

    // Long ordinary text: the reading is linear.
    QByteArray long_;
    for (int k = 0; k < 50000; ++k)
        long_ += "\\b x\\b0 y{\\i z}\\par ";
    QTextDocument document;
    ASSERT_TRUE(lireRtf("{\\rtf1 " + long_ + "}", document));
    EXPECT_EQ(document.blockCount(), 50000);

    // Random bytes, half of them drawn from RTF's own characters to reach deeper states.
    std::mt19937 alea(20240611);
    const QByteArray rtf = "{}\\'uc0123456789-abinparfsclrtbl;* \r\n";
    for (int essai = 0; essai < 3000; ++essai) {
        QByteArray octets = "{\\rtf1";
        const int longueur = static_cast<int>(alea() % 600);
        for (int k = 0; k < longueur; ++k)
            octets += (alea() % 2) ? rtf[alea() % rtf.size()] : static_cast<char>(alea() % 256);
        QTextDocument d;
        EXPECT_TRUE(lireRtf(octets, d));
    }
}
