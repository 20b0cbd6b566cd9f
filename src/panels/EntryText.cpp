#include "EntryText.h"

namespace EntryText {

QStringList Split(const QString &entry, QChar separator)
{
    QStringList items;
    qsizetype from = 0;
    for (qsizetype p = entry.indexOf(separator); p >= 0; p = entry.indexOf(separator, from)) {
        if (p > from)
            items.append(entry.mid(from, p - from));
        from = p + 1;
    }
    if (from < entry.size())
        items.append(entry.mid(from));
    return items;
}

QString Join(const QString &entry)
{
    QString text = entry;
    text.replace(QLatin1Char('#'), QStringLiteral(", "));
    return text;
}

bool IsDelimiter(QChar ch)
{
    return ch.unicode() == 0 || ch == QLatin1Char(',');
}

namespace {
QChar CharAt(const QString &text, int pos)
{
    return pos >= 0 && pos < text.size() ? text.at(pos) : QChar(0);
}
} // namespace

std::pair<int, int> WordBounds(const QString &text, int caret)
{
    int start = qBound(0, caret, int(text.size()));
    while (start > 0 && IsDelimiter(CharAt(text, start)))
        --start;
    while (start > 0 && !IsDelimiter(CharAt(text, start - 1)))
        --start;
    int end = start;
    while (end < text.size() && !IsDelimiter(CharAt(text, end)))
        ++end;
    return {start, end};
}

QString TrimControls(const QString &text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    return text.mid(begin, end - begin);
}

} // namespace EntryText
