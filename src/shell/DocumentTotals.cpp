#include "DocumentTotals.h"

#include "Syllables.h"

#include <QPlainTextEdit>
#include <QRegularExpression>

namespace {
QString Counted(qsizetype n, const char *one, const char *many)
{
    return n == 1 ? TDocumentTotals::tr(one) : TDocumentTotals::tr(many).arg(n);
}
} // namespace

TDocumentTotals::TDocumentTotals(QPlainTextEdit *editor, QObject *parent)
    : QObject(parent), editor_(editor)
{
    timer_.setSingleShot(true);
    timer_.setInterval(DelayMs);
    connect(&timer_, &QTimer::timeout, this, &TDocumentTotals::Count);
    connect(editor, &QPlainTextEdit::textChanged, &timer_, qOverload<>(&QTimer::start));
    connect(editor, &QPlainTextEdit::selectionChanged, &timer_, qOverload<>(&QTimer::start));
}

QString TDocumentTotals::Describe(const QString &text)
{
    if (text.trimmed().isEmpty())
        return {};
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList lines = text.split(QLatin1Char('\n'));
    const qsizetype words = text.split(blanks, Qt::SkipEmptyParts).size();
    QString totals = Counted(words, "1 word", "%1 words") + QStringLiteral(", ") +
                     Counted(lines.size(), "1 line", "%1 lines");
    if (text.size() > SyllableLimit)
        return totals;
    qsizetype syllables = 0;
    for (const QString &line : lines)
        syllables += CountLineSyllables(line);
    return totals + QStringLiteral(", ") + Counted(syllables, "1 syllable", "%1 syllables");
}

void TDocumentTotals::Count()
{
    if (!editor_->isVisible()) {
        emit Changed(QString());
        return;
    }
    const QTextCursor cursor = editor_->textCursor();
    QString text = cursor.hasSelection() ? cursor.selectedText() : editor_->toPlainText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    emit Changed(Describe(text));
}
