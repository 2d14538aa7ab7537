#include "Windows1252.h"

#include <array>

namespace {

// Code points of the bytes 0x80 to 0x9F; the five bytes that Windows-1252 leaves undefined
// keep their own value, as Windows itself maps them.
constexpr std::array<char16_t, 32> haut1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int octet1252(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (haut1252[i] == c)
            return 0x80 + i;
    return -1;
}

} // namespace

QString depuisWindows1252(QByteArrayView octets)
{
    QString r(octets.size(), Qt::Uninitialized);
    QChar* d = r.data();
    for (qsizetype i = 0; i < octets.size(); ++i) {
        const auto b = static_cast<unsigned char>(octets[i]);
        d[i] = (b >= 0x80 && b < 0xA0) ? QChar(haut1252[b - 0x80]) : QChar(b);
    }
    return r;
}

QByteArray versWindows1252(const QString& texte)
{
    QByteArray r(texte.size(), Qt::Uninitialized);
    char* d = r.data();
    qsizetype n = 0;
    for (qsizetype i = 0; i < texte.size(); ++i) {
        const char16_t c = texte[i].unicode();
        if (c < 0x80) {
            d[n++] = static_cast<char>(c);
            continue;
        }
        if (QChar::isHighSurrogate(c) && i + 1 < texte.size() && texte[i + 1].isLowSurrogate())
            ++i; // one character outside the table, one "?"
        const int b = octet1252(c);
        d[n++] = b < 0 ? '?' : static_cast<char>(b);
    }
    r.truncate(n);
    return r;
}

bool representableEnWindows1252(const QString& texte)
{
    for (QChar c : texte)
        if (octet1252(c.unicode()) < 0)
            return false;
    return true;
}

// Whether the bytes are well-formed UTF-8. It stops at the first fault: a Windows-1252 file,
// the common case, is told at its first accented letter instead of being decoded whole first.
bool utf8BienForme(QByteArrayView octets)
{
    const auto* p = reinterpret_cast<const unsigned char*>(octets.constData());
    const qsizetype n = octets.size();
    qsizetype i = 0;
    while (i < n) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int suite = 0;
        unsigned char min = 0x80, max = 0xBF; // the second byte's range
        if (c >= 0xC2 && c <= 0xDF) {
            suite = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            suite = 2;
            if (c == 0xE0)
                min = 0xA0; // overlong
            else if (c == 0xED)
                max = 0x9F; // surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            suite = 3;
            if (c == 0xF0)
                min = 0x90; // overlong
            else if (c == 0xF4)
                max = 0x8F; // beyond U+10FFFF
        } else {
            return false;
        }
        if (i + suite >= n || p[i + 1] < min || p[i + 1] > max)
            return false;
        for (int k = 2; k <= suite; ++k)
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
        i += suite + 1;
    }
    return true;
}
