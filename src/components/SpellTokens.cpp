#include "SpellTokens.h"

#include "TextLinks.h"

namespace {

bool IsWordChar(QChar ch)
{
    return ch.isLetterOrNumber() || ch.isMark();
}

// Scans one word from start, which holds a word character; returns its end.
int WordEnd(const QString &line, int start)
{
    int end = start;
    const int size = int(line.size());
    while (end < size) {
        if (IsWordChar(line.at(end)))
            ++end;
        else if (IsApostrophe(line.at(end)) && end + 1 < size && IsWordChar(line.at(end + 1)))
            end += 2; // an inner apostrophe
        else
            break;
    }
    return end;
}

bool Checked(QStringView word)
{
    bool upper = false;
    bool lower = false;
    for (const QChar ch : word) {
        if (ch.isDigit())
            return false;
        lower = lower || ch.isLower();
        upper = upper || ch.isUpper();
    }
    return lower || !upper; // all capitals: an abbreviation or a shouted word
}

bool InsideLink(const std::vector<TTextLink> &links, int start, int end)
{
    for (const TTextLink &link : links)
        if (start < link.end() && end > link.start)
            return true;
    return false;
}

} // namespace

bool IsApostrophe(QChar ch)
{
    return ch == QLatin1Char('\'') || ch == QChar(0x2019);
}

QString SpellingForm(QStringView word)
{
    QString form = word.toString();
    form.replace(QChar(0x2019), QLatin1Char('\''));
    return form;
}

std::vector<TWordToken> SpellTokens(const QString &line)
{
    const std::vector<TTextLink> links = FindLinks(line);
    std::vector<TWordToken> tokens;
    const int size = int(line.size());
    for (int i = 0; i < size;) {
        if (!IsWordChar(line.at(i))) {
            ++i;
            continue;
        }
        const int end = WordEnd(line, i);
        const QStringView word = QStringView(line).mid(i, end - i);
        tokens.push_back({i, end - i, Checked(word) && !InsideLink(links, i, end)});
        i = end;
    }
    return tokens;
}
