#include "EditorHighlighter.h"

#include "ClaimedRuns.h"

#include <QGuiApplication>
#include <QPalette>
#include <QSet>
#include <QTextBlockUserData>

#include <algorithm>
#include <memory>

namespace {

// The occurrences of a line the user chose to ignore, valid while the line reads as it did.
class TIgnoredWords : public QTextBlockUserData
{
public:
    QString text;
    QSet<int> starts;
};

const TIgnoredWords *IgnoredIn(const QTextBlock &block)
{
    const auto *data = static_cast<const TIgnoredWords *>(block.userData());
    return data && data->text == block.text() ? data : nullptr;
}

bool IsQuoteMark(QChar ch)
{
    return ch == QLatin1Char('>') || ch == QLatin1Char('|');
}

} // namespace

TEditorHighlighter::TEditorHighlighter(QTextDocument *document, TSpellChecker *checker)
    : QSyntaxHighlighter(document), checker_(checker)
{}

TSpellChecker &TEditorHighlighter::Checker() const
{
    return checker_ ? *checker_ : TSpellChecker::Instance();
}

void TEditorHighlighter::SetLiveSpelling(bool on)
{
    if (on == liveSpelling_)
        return;
    liveSpelling_ = on;
    rehighlight();
}

std::vector<TMisspelling> TEditorHighlighter::Misspellings(const QTextBlock &block) const
{
    std::vector<TMisspelling> found = Checker().CheckLine(block.text());
    if (const TIgnoredWords *ignored = IgnoredIn(block))
        std::erase_if(
            found, [ignored](const TMisspelling &m) { return ignored->starts.contains(m.start); });
    return found;
}

std::optional<TMisspelling> TEditorHighlighter::MisspellingAt(const QTextBlock &block,
                                                              int position) const
{
    for (const TMisspelling &m : Misspellings(block))
        if (position >= m.start && position <= m.end())
            return m;
    return std::nullopt;
}

void TEditorHighlighter::IgnoreOnce(const QTextBlock &block, int start)
{
    QTextBlock target = block;
    auto *data = static_cast<TIgnoredWords *>(target.userData());
    if (!data) {
        auto created = std::make_unique<TIgnoredWords>();
        data = created.get();
        target.setUserData(created.release()); // the block owns its data
    }
    if (data->text != target.text()) {
        data->text = target.text();
        data->starts.clear();
    }
    data->starts.insert(start);
    rehighlightBlock(target);
}

int TEditorHighlighter::QuoteLevel(const QString &line)
{
    int level = 0;
    for (const QChar ch : line) {
        if (IsQuoteMark(ch))
            ++level;
        else if (ch != QLatin1Char(' ') || level == 0)
            break;
    }
    return std::min(level, QuoteLevels);
}

QTextCharFormat TEditorHighlighter::SpellingFormat()
{
    QTextCharFormat format;
    format.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
    format.setUnderlineColor(Qt::red);
    return format;
}

QTextCharFormat TEditorHighlighter::QuoteFormat(int level)
{
    static const QColor colours[QuoteLevels] = {QColor(0, 0x80, 0), QColor(0xff, 0, 0),
                                                QColor(0, 0, 0xff), QColor(0x80, 0, 0x80),
                                                QColor(0, 0, 0x80)};
    QTextCharFormat format;
    format.setForeground(colours[std::clamp(level, 1, QuoteLevels) - 1]);
    return format;
}

QTextCharFormat TEditorHighlighter::LinkFormat(TLinkKind kind)
{
    QTextCharFormat format;
    format.setFontUnderline(true);
    switch (kind) {
    case TLinkKind::Web:
        format.setForeground(QColor(0, 0, 0xff));
        break;
    case TLinkKind::Email:
        format.setForeground(QColor(0, 0x80, 0));
        break;
    case TLinkKind::News:
        format.setForeground(QColor(0xff, 0, 0));
        break;
    case TLinkKind::File:
        format.setForeground(QColor(0xff, 0, 0xff));
        break;
    case TLinkKind::Other:
        format.setFontUnderline(false);
        format.setFontItalic(true);
        format.setForeground(QColor(0xc0, 0xc0, 0xc0));
        format.setBackground(QGuiApplication::palette().color(QPalette::ToolTipBase));
        break;
    }
    return format;
}

void TEditorHighlighter::highlightBlock(const QString &text)
{
    std::vector<bool> claimed(size_t(text.size()), false);
    if (liveSpelling_)
        MarkMisspellings(claimed);
    MarkQuote(text, claimed);
    MarkLinks(text, claimed);
}

void TEditorHighlighter::MarkMisspellings(std::vector<bool> &claimed)
{
    const QTextCharFormat format = SpellingFormat();
    for (const TMisspelling &m : Misspellings(currentBlock()))
        Mark(m.start, m.length, format, claimed);
}

void TEditorHighlighter::MarkQuote(const QString &text, std::vector<bool> &claimed)
{
    const int level = QuoteLevel(text);
    if (level > 0)
        Mark(0, int(text.size()), QuoteFormat(level), claimed);
}

void TEditorHighlighter::MarkLinks(const QString &text, std::vector<bool> &claimed)
{
    for (const TTextLink &link : FindLinks(text))
        Mark(link.start, link.length, LinkFormat(link.kind), claimed);
}

void TEditorHighlighter::Mark(int start, int length, const QTextCharFormat &format,
                              std::vector<bool> &claimed)
{
    ForEachUnclaimedRun(start, length, claimed,
                        [&](int from, int count) { setFormat(from, count, format); });
}
