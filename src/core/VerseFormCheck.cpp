#include "VerseFormCheck.h"

#include "DIAnsiStringHash.h"

#include <QCoreApplication>

#include <array>

namespace {

QString Tr(const char *text)
{
    return QCoreApplication::translate("TVerseFormCheck", text);
}

bool IsLetterToken(const QString &token)
{
    if (token.isEmpty() || !token.at(0).isLetter() || token.at(0).unicode() >= 128)
        return false;
    for (qsizetype i = 1; i < token.size(); ++i)
        if (!token.at(i).isDigit())
            return false;
    return true;
}

bool IsWordPart(QChar ch)
{
    return ch.isLetterOrNumber();
}

bool IsInnerMark(QChar ch)
{
    return ch == u'\'' || ch == u'\u2019' || ch == u'-';
}

// The group keys of every pronunciation of a word.
std::array<std::string_view, 5> GroupsOf(const QString &word, const TDIAnsiStringHash &rhymes)
{
    const std::string key = word.toStdString();
    std::array<std::string_view, 5> groups;
    groups[0] = rhymes.Lookup(key);
    for (int k = 1; k <= 4; ++k)
        groups[std::size_t(k)] = rhymes.Lookup(key + '(' + char('0' + k) + ')');
    return groups;
}

} // namespace

TPatternRow TVerseFormCheck::ParseRow(const QString &text)
{
    TPatternRow row;
    const QStringList tokens = text.simplified().split(u' ', Qt::SkipEmptyParts);
    if (tokens.size() < 2 || !IsLetterToken(tokens.at(0)))
        return row;
    bool isNumber = false;
    const int syllables = tokens.at(1).toInt(&isNumber);
    if (!isNumber || syllables < 0)
        return row;
    const QString &letter = tokens.at(0);
    row.letterLength = int(text.indexOf(letter) + letter.size());
    const QChar rhyme = letter.at(0).toLower();
    if (rhyme != u'x')
        row.rhyme = rhyme;
    row.syllables = syllables;
    return row;
}

void TVerseFormCheck::SetPattern(const QStringList &rows)
{
    rows_.clear();
    anchors_.clear();
    std::array<int, 128> first;
    first.fill(-1);
    for (const QString &text : rows) {
        const TPatternRow row = ParseRow(text);
        int anchor = -1;
        if (!row.rhyme.isNull()) {
            int &seen = first[row.rhyme.unicode() & 127];
            if (seen < 0)
                seen = int(rows_.size());
            else
                anchor = seen;
        }
        rows_.push_back(row);
        anchors_.push_back(anchor);
    }
}

TPatternRow TVerseFormCheck::Row(int row) const
{
    return row >= 0 && std::size_t(row) < rows_.size() ? rows_[std::size_t(row)] : TPatternRow();
}

int TVerseFormCheck::RhymeAnchor(int row) const
{
    return row >= 0 && std::size_t(row) < anchors_.size() ? anchors_[std::size_t(row)] : -1;
}

QString TVerseFormCheck::SyllableProblem(int count, int asked)
{
    const QString counted = count == 1 ? Tr("1 syllable") : Tr("%1 syllables").arg(count);
    return Tr("%1, the form asks for %2").arg(counted).arg(asked);
}

QString TVerseFormCheck::RhymeProblem(int anchorRow, const QString &anchorLine)
{
    return Tr("Should rhyme with line %1: %2").arg(anchorRow + 1).arg(anchorLine.trimmed());
}

QString LastWordOf(const QString &line)
{
    qsizetype end = line.size();
    while (end > 0 && !IsWordPart(line.at(end - 1)))
        --end;
    qsizetype begin = end;
    while (begin > 0 &&
           (IsWordPart(line.at(begin - 1)) ||
            (begin > 1 && IsInnerMark(line.at(begin - 1)) && IsWordPart(line.at(begin - 2)))))
        --begin;
    QString word = line.mid(begin, end - begin).toLower();
    word.replace(u'\u2019', u'\'');
    return word;
}

bool WordsRhyme(const QString &a, const QString &b, const TDIAnsiStringHash &rhymes)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    if (a == b)
        return true;
    const auto groupsA = GroupsOf(a, rhymes);
    const auto groupsB = GroupsOf(b, rhymes);
    for (const std::string_view group : groupsA)
        if (!group.empty())
            for (const std::string_view other : groupsB)
                if (group == other)
                    return true;
    return false;
}
