#include "VerseFormCheck.h"

#include "DIAnsiStringHash.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

namespace {

// Far enough back for the rhymes of any stanza, near enough that a long text stays fast.
constexpr int kSchemeReach = 16;

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

// "8", "8-9" or "10+".
bool ParseCount(const QString &token, TPatternRow &row)
{
    static const QRegularExpression count(QStringLiteral("^(\\d{1,4})(?:-(\\d{1,4}))?(\\+)?$"));
    const QRegularExpressionMatch match = count.match(token);
    if (!match.hasMatch())
        return false;
    row.syllables = match.captured(1).toInt();
    row.maxSyllables = match.hasCaptured(2) && !match.captured(2).isEmpty()
                           ? std::max(row.syllables, match.captured(2).toInt())
                           : row.syllables;
    row.feminine = !match.captured(3).isEmpty();
    row.count = token;
    return true;
}

// "refrain", "refrain N" and "repeats N" after the count.
void ParseRepeats(const QStringList &tokens, qsizetype from, TPatternRow &row)
{
    for (qsizetype i = from; i < tokens.size(); ++i) {
        bool isNumber = false;
        const int number = i + 1 < tokens.size() ? tokens.at(i + 1).toInt(&isNumber) : 0;
        if (tokens.at(i) == QLatin1String("refrain"))
            row.refrain = row.letter + (isNumber ? QStringLiteral("#%1").arg(number) : QString());
        else if (tokens.at(i) == QLatin1String("repeats") && isNumber && number > 0)
            row.repeats = number - 1;
    }
}

// A one-syllable word takes the stress the line gives it: "the true one" ends unstressed.
bool LastSyllableUnstressed(const TSyllableTable &syllables, const QString &line)
{
    return syllables.MeterOfLine(line).endsWith(u'x') || syllables.CountLine(LastWordOf(line)) == 1;
}

bool Fits(const TLineCheck &check, const TPatternRow &row, const TSyllableTable &syllables,
          const QString &line)
{
    for (int count = row.syllables; count <= row.maxSyllables; ++count)
        if (check.counts.Reaches(count))
            return true;
    return row.feminine && check.counts.Reaches(row.maxSyllables + 1) &&
           LastSyllableUnstressed(syllables, line);
}

QString LetterName(int index)
{
    QString name;
    for (++index; index > 0; index = (index - 1) / 26)
        name.prepend(QChar(u'A' + (index - 1) % 26));
    return name;
}

} // namespace

TPatternRow TVerseFormCheck::ParseRow(const QString &text)
{
    TPatternRow row;
    const QStringList tokens = text.simplified().split(u' ', Qt::SkipEmptyParts);
    if (tokens.isEmpty()) {
        row.blank = true;
        return row;
    }
    qsizetype next = 0;
    if (!ParseCount(tokens.at(0), row)) {
        if (IsLetterToken(tokens.at(0))) {
            row.letter = tokens.at(0);
            row.letterLength = int(text.indexOf(row.letter) + row.letter.size());
            if (const QChar rhyme = row.letter.at(0).toLower(); rhyme != u'x')
                row.rhyme = rhyme;
        }
        next = tokens.size() > 1 && ParseCount(tokens.at(1), row) ? 2 : 1;
    } else
        next = 1;
    ParseRepeats(tokens, next, row);
    return row;
}

void TVerseFormCheck::SetPattern(const QStringList &rows)
{
    rows_.clear();
    for (const QString &text : rows)
        rows_.push_back(ParseRow(text));
}

TPatternRow TVerseFormCheck::Row(int row) const
{
    return row >= 0 && std::size_t(row) < rows_.size() ? rows_[std::size_t(row)] : TPatternRow();
}

QString TVerseFormCheck::SyllableProblem(int count, int asked)
{
    return SyllableProblem(QString::number(count), QString::number(asked));
}

QString TVerseFormCheck::SyllableProblem(const QString &count, const QString &asked)
{
    const QString counted =
        count == QLatin1String("1") ? Tr("1 syllable") : Tr("%1 syllables").arg(count);
    return Tr("%1, the form asks for %2").arg(counted, asked);
}

QString TVerseFormCheck::RhymeProblem(int anchorLine, const QString &anchorText)
{
    return Tr("Should rhyme with line %1: %2").arg(anchorLine + 1).arg(anchorText.trimmed());
}

QString TVerseFormCheck::RepeatProblem(int sourceLine, const QString &sourceText)
{
    return Tr("Should repeat line %1: %2").arg(sourceLine + 1).arg(sourceText.trimmed());
}

QString TVerseFormCheck::UnknownWord(const QString &word)
{
    return Tr("No pronunciation known for \"%1\"").arg(word);
}

QString TLineCheck::Verdict() const
{
    QStringList parts;
    if (faults & Count)
        parts << QStringLiteral("count");
    if (faults & Rhyme)
        parts << QStringLiteral("rhyme");
    if (faults & Repeat)
        parts << QStringLiteral("repeat");
    if (parts.isEmpty())
        return faults & Unknown ? QStringLiteral("unknown") : QStringLiteral("ok");
    return parts.join(u',');
}

QString TLineCheck::CountText() const
{
    return counts.min == counts.max ? QString::number(counts.min)
                                    : QStringLiteral("%1-%2").arg(counts.min).arg(counts.max);
}

QString WordsOfLine(const QString &line)
{
    QString words;
    for (const QChar ch : line.toLower())
        if (ch.isLetterOrNumber())
            words += ch;
        else if (!words.isEmpty() && !words.endsWith(u' ') && (ch.isSpace() || ch == u'-'))
            words += u' ';
    return words.trimmed();
}

std::vector<TLineCheck> TPoemCheck::Prepare(const QStringList &lines,
                                            std::vector<TRhymeWord> &words) const
{
    std::vector<TLineCheck> checks(std::size_t(lines.size()));
    words.assign(std::size_t(lines.size()), TRhymeWord());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        TLineCheck &check = checks[std::size_t(i)];
        check.label = IsSectionLabel(lines.at(i));
        check.counts = syllables_.CountsOfLine(lines.at(i));
        if (check.label)
            continue;
        check.lastWord = LastWordOf(lines.at(i));
        if (!check.lastWord.isEmpty())
            words[std::size_t(i)] = matcher_.Prepare(check.lastWord);
    }
    return checks;
}

std::vector<TLineCheck> TPoemCheck::Check(const QStringList &lines,
                                          const TVerseFormCheck &form) const
{
    std::vector<TRhymeWord> words;
    std::vector<TLineCheck> checks = Prepare(lines, words);
    const int rows = form.RowCount();
    int next = 0;
    for (int i = 0; i < int(lines.size()); ++i) {
        TLineCheck &check = checks[std::size_t(i)];
        if (check.label)
            continue;
        if (lines.at(i).trimmed().isEmpty()) {
            if (next < rows && form.Row(next).blank)
                check.patternRow = next++;
            continue;
        }
        while (next < rows && form.Row(next).blank)
            ++next;
        if (next >= rows)
            continue;
        check.patternRow = next++;
        const TPatternRow row = form.Row(check.patternRow);
        check.letter = row.letter;
        if (row.syllables >= 0 && !Fits(check, row, syllables_, lines.at(i)))
            check.faults |= TLineCheck::Count;
        CheckRhyme(checks, words, lines, form, i);
    }
    return checks;
}

namespace {

// The earlier line that a repeated row repeats; -1 when the row repeats none (or it is the
// refrain's first line).
int SourceOf(const std::vector<TLineCheck> &checks, const TVerseFormCheck &form, int line)
{
    const TPatternRow row = form.Row(checks[std::size_t(line)].patternRow);
    for (int j = 0; j < line; ++j) {
        const int other = checks[std::size_t(j)].patternRow;
        if (other < 0)
            continue;
        if (row.repeats >= 0 ? other == row.repeats
                             : !row.refrain.isEmpty() && form.Row(other).refrain == row.refrain)
            return j;
    }
    return -1;
}

} // namespace

void TPoemCheck::CheckRhyme(std::vector<TLineCheck> &checks, const std::vector<TRhymeWord> &words,
                            const QStringList &lines, const TVerseFormCheck &form, int line) const
{
    TLineCheck &check = checks[std::size_t(line)];
    const TPatternRow row = form.Row(check.patternRow);
    if (const int source = SourceOf(checks, form, line); source >= 0) {
        if (WordsOfLine(lines.at(line)) != WordsOfLine(lines.at(source))) {
            check.faults |= TLineCheck::Repeat;
            check.otherLine = source;
        }
        return;
    }
    const TRhymeWord &word = words[std::size_t(line)];
    if (row.rhyme.isNull() || word.text.isEmpty())
        return;
    if (!word.Known()) {
        check.faults |= TLineCheck::Unknown;
        return;
    }
    int anchor = -1;
    for (int j = 0; j < line; ++j) {
        const TLineCheck &other = checks[std::size_t(j)];
        const TRhymeWord &otherWord = words[std::size_t(j)];
        if (other.patternRow < 0 || form.Row(other.patternRow).rhyme != row.rhyme ||
            !otherWord.Known())
            continue;
        if (matcher_.Rhyme(word, otherWord))
            return;
        if (anchor < 0)
            anchor = j;
    }
    if (anchor >= 0) {
        check.faults |= TLineCheck::Rhyme;
        check.otherLine = anchor;
    }
}

std::vector<TLineCheck> TPoemCheck::Scheme(const QStringList &lines) const
{
    std::vector<TRhymeWord> words;
    std::vector<TLineCheck> checks = Prepare(lines, words);
    int stanzaStart = 0, letters = 0;
    for (int i = 0; i < int(lines.size()); ++i) {
        TLineCheck &check = checks[std::size_t(i)];
        if (check.label || lines.at(i).trimmed().isEmpty()) {
            stanzaStart = i + 1;
            letters = 0;
            continue;
        }
        const TRhymeWord &word = words[std::size_t(i)];
        if (!word.Known()) {
            check.letter = word.text.isEmpty() ? QStringLiteral("x") : QStringLiteral("?");
            if (!word.text.isEmpty())
                check.faults |= TLineCheck::Unknown;
            continue;
        }
        for (int j = i - 1; j >= std::max(stanzaStart, i - kSchemeReach) && check.letter.isEmpty();
             --j) {
            const QString &letter = checks[std::size_t(j)].letter;
            if (letter != QLatin1String("x") && letter != QLatin1String("?") &&
                matcher_.Rhyme(word, words[std::size_t(j)]))
                check.letter = letter;
        }
        if (!check.letter.isEmpty())
            continue;
        bool rhymed = false;
        for (int k = i + 1; k < std::min(int(lines.size()), i + kSchemeReach) && !rhymed; ++k) {
            if (checks[std::size_t(k)].label || lines.at(k).trimmed().isEmpty())
                break;
            rhymed = words[std::size_t(k)].Known() && matcher_.Rhyme(word, words[std::size_t(k)]);
        }
        check.letter = rhymed ? LetterName(letters++) : QStringLiteral("x");
    }
    return checks;
}
