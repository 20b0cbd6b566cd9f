#include "Roundex.h"

namespace {

// Soundex scores; H and W are transparent (-1), vowels and everything else separate (0).
int Score(QChar ch)
{
    switch (ch.toLower().unicode()) {
    case 'b':
    case 'f':
    case 'p':
    case 'v':
        return 1;
    case 'c':
    case 'g':
    case 'j':
    case 'k':
    case 'q':
    case 's':
    case 'x':
    case 'z':
        return 2;
    case 'd':
    case 't':
        return 3;
    case 'l':
        return 4;
    case 'm':
    case 'n':
        return 5;
    case 'r':
        return 6;
    case 'h':
    case 'w':
        return -1;
    default:
        return 0;
    }
}

QChar UpperAscii(QChar ch)
{
    return (ch >= QLatin1Char('a') && ch <= QLatin1Char('z')) ? QChar(ch.unicode() - 32) : ch;
}

} // namespace

QString RoundexCode(const QString &text)
{
    if (text.isEmpty())
        return {};
    const qsizetype last = text.size() - 1;
    QString code(UpperAscii(text.at(last)));
    int prev = Score(text.at(last));
    for (qsizetype i = last - 1; i >= 0 && code.size() < 4; --i) {
        const int c = Score(text.at(i));
        if (c > 0 && c != prev)
            code += QChar('0' + c);
        if (c != -1)
            prev = c;
    }
    while (code.size() < 4)
        code += QLatin1Char('0');
    return code;
}
