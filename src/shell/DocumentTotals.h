#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QPlainTextEdit;

// Counts the words, lines and syllables of the editor's selection, or of the whole text when
// nothing is selected, a moment after the last edit or caret move, so typing never waits for it.
class TDocumentTotals : public QObject
{
    Q_OBJECT

public:
    static constexpr int DelayMs = 300;
    // Beyond this many characters the syllables are not counted: words and lines stay cheap.
    static constexpr int SyllableLimit = 1 << 20;

    TDocumentTotals(QPlainTextEdit *editor, QObject *parent);

    // "12 words, 3 lines, 18 syllables" ("1 word, 1 line, 1 syllable"); empty for no text.
    static QString Describe(const QString &text);

signals:
    void Changed(const QString &totals);

private:
    void Count();

    QPlainTextEdit *editor_;
    QTimer timer_;
};
