#include "LexText.h"

#include <QFile>

namespace LexText {

namespace {

// 0x80..0x9F; 0 where the code page leaves the byte undefined (kept as the same code point).
constexpr char16_t High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                               0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                               0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                               0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

QString ToQString(std::string_view text)
{
    QString out;
    out.reserve(qsizetype(text.size()));
    for (unsigned char c : text) {
        const bool mapped = c >= 0x80 && c < 0xA0 && High[c - 0x80];
        out += QChar(mapped ? High[c - 0x80] : char16_t(c));
    }
    return out;
}

std::string FromQString(const QString &text)
{
    std::string out;
    out.reserve(std::size_t(text.size()));
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        char byte = '?';
        if (u < 0x80 || (u >= 0xA0 && u < 0x100)) {
            byte = char(u);
        } else {
            for (int i = 0; i < 32; ++i)
                if (High[i] == u || (!High[i] && u == 0x80 + i))
                    byte = char(0x80 + i);
        }
        out += byte;
    }
    return out;
}

std::string ToFileName(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

QString FromFileName(const std::string &name)
{
    return QFile::decodeName(QByteArray::fromStdString(name));
}

} // namespace LexText
