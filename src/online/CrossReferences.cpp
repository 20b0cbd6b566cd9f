#include "CrossReferences.h"

#include <QRegularExpression>

namespace {

// A MATCH result: a database name, one space and the word in quotes, alone on its line.
const QRegularExpression &MatchLine()
{
    static const QRegularExpression line(QStringLiteral("^[A-Za-z0-9_.!*-]+ \"([^\"]+)\"\\s*$"));
    return line;
}

} // namespace

std::vector<TCrossReference> FindCrossReferences(const QString &line)
{
    std::vector<TCrossReference> refs;
    if (const QRegularExpressionMatch match = MatchLine().match(line); match.hasMatch()) {
        refs.push_back(
            {int(match.capturedStart(1)), int(match.capturedLength(1)), match.captured(1)});
        return refs;
    }
    for (qsizetype open = line.indexOf(QLatin1Char('{')); open >= 0;
         open = line.indexOf(QLatin1Char('{'), open + 1)) {
        const qsizetype close = line.indexOf(QLatin1Char('}'), open + 1);
        if (close < 0)
            break;
        // The innermost pair: "{a {b} c}" refers to "b".
        const qsizetype inner = line.lastIndexOf(QLatin1Char('{'), close);
        const QString word = line.mid(inner + 1, close - inner - 1).simplified();
        if (!word.isEmpty())
            refs.push_back({int(inner), int(close - inner + 1), word});
        open = close;
    }
    return refs;
}

const TCrossReference *CrossReferenceAt(const std::vector<TCrossReference> &refs, int position)
{
    for (const TCrossReference &ref : refs)
        if (position >= ref.start && position < ref.end())
            return &ref;
    return nullptr;
}
