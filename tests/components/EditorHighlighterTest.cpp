#include "EditorHighlighter.h"
#include "SpellFiles.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

namespace {

// Counts the lines highlighted, to show that typing highlights one line only.
class TCountingHighlighter : public TEditorHighlighter
{
public:
    using TEditorHighlighter::TEditorHighlighter;
    int lines = 0;

protected:
    void highlightBlock(const QString &text) override
    {
        ++lines;
        TEditorHighlighter::highlightBlock(text);
    }
};

} // namespace

class EditorHighlighterTest : public ::testing::Test
{
protected:
    // A document tells of changes once it has a layout, as an editor's has; a highlighter
    // starts with a queued first pass, as the editor's event loop runs it.
    void SetUp() override
    {
        document.documentLayout();
        QCoreApplication::processEvents();
    }
    void SetText(const QString &text) { document.setPlainText(text); }
    QTextBlock Line(int number) const { return document.findBlockByNumber(number); }
    // The highlighting of the character at position of the line; an empty format where none.
    QTextCharFormat FormatAt(int line, int position) const
    {
        for (const QTextLayout::FormatRange &range : Line(line).layout()->formats())
            if (position >= range.start && position < range.start + range.length)
                return range.format;
        return {};
    }
    // The stretches of the line that have a format, as "start+length".
    QStringList Ranges(int line) const
    {
        QStringList ranges;
        for (const QTextLayout::FormatRange &range : Line(line).layout()->formats())
            ranges << QStringLiteral("%1+%2").arg(range.start).arg(range.length);
        return ranges;
    }
    static bool Wavy(const QTextCharFormat &format)
    {
        return format.underlineStyle() == QTextCharFormat::SpellCheckUnderline &&
               format.underlineColor() == QColor(Qt::red);
    }

    TempDir dir;
    TSpellChecker checker{SystemAffixFile, SystemDictionaryFile, dir.file("spellconfig.dic")};
    QTextDocument document;
    TCountingHighlighter highlighter{&document, &checker};
};

TEST_F(EditorHighlighterTest, MisspelledAndRepeatedWordsGetTheRedWavyLine)
{
    SetText(QStringLiteral("I recieve the the gift"));
    EXPECT_EQ(Ranges(0), QStringList({"2+7", "14+3"}));
    EXPECT_TRUE(Wavy(FormatAt(0, 2)));
    EXPECT_TRUE(Wavy(FormatAt(0, 16)));
    EXPECT_FALSE(Wavy(FormatAt(0, 10)));
    EXPECT_TRUE(Ranges(0).size() == 2);

    highlighter.SetLiveSpelling(false);
    EXPECT_TRUE(Ranges(0).isEmpty());
    highlighter.SetLiveSpelling(true);
    EXPECT_EQ(Ranges(0).size(), 2);
}

TEST_F(EditorHighlighterTest, QuoteLevelsTakeTheirColoursUpToFive)
{
    EXPECT_EQ(TEditorHighlighter::QuoteLevel(QStringLiteral("> a")), 1);
    EXPECT_EQ(TEditorHighlighter::QuoteLevel(QStringLiteral("> > a")), 2);
    EXPECT_EQ(TEditorHighlighter::QuoteLevel(QStringLiteral(">>| a")), 3);
    EXPECT_EQ(TEditorHighlighter::QuoteLevel(QStringLiteral(">>>>>>>> a")), 5);
    EXPECT_EQ(TEditorHighlighter::QuoteLevel(QStringLiteral(" > a")), 0);
    EXPECT_EQ(TEditorHighlighter::QuoteLevel(QStringLiteral("a > b")), 0);

    SetText(QStringLiteral("> one\n> > two\n>>> three\n>>>> four\n> > > > > five\n| six\nseven"));
    const QColor colours[] = {QColor(0, 0x80, 0),    QColor(0xff, 0, 0), QColor(0, 0, 0xff),
                              QColor(0x80, 0, 0x80), QColor(0, 0, 0x80), QColor(0, 0x80, 0)};
    for (int line = 0; line < 6; ++line) {
        EXPECT_EQ(FormatAt(line, 0).foreground().color(), colours[line]) << line;
        EXPECT_EQ(Ranges(line), QStringList(QStringLiteral("0+%1").arg(Line(line).length() - 1)));
    }
    EXPECT_TRUE(Ranges(6).isEmpty());
}

TEST_F(EditorHighlighterTest, AddressesAreUnderlinedInTheColourOfTheirKind)
{
    SetText(QStringLiteral("see http://a.org/x, now\nbob@c.net\nnews:comp.lang\n"
                           "file:///tmp/a\nftp://d.org"));
    EXPECT_EQ(Ranges(0), QStringList("4+14"));
    const QTextCharFormat web = FormatAt(0, 4);
    EXPECT_TRUE(web.fontUnderline());
    EXPECT_EQ(web.foreground().color(), QColor(0, 0, 0xff));
    EXPECT_EQ(FormatAt(1, 0).foreground().color(), QColor(0, 0x80, 0));
    EXPECT_EQ(FormatAt(2, 0).foreground().color(), QColor(0xff, 0, 0));
    EXPECT_EQ(FormatAt(3, 0).foreground().color(), QColor(0xff, 0, 0xff));
    const QTextCharFormat other = FormatAt(4, 0);
    EXPECT_TRUE(other.fontItalic());
    EXPECT_EQ(other.foreground().color(), QColor(0xc0, 0xc0, 0xc0));
    EXPECT_EQ(other.background().color(),
              TEditorHighlighter::LinkFormat(TLinkKind::Other).background().color());
}

TEST_F(EditorHighlighterTest, EachStageLeavesWhatAnEarlierOneMarked)
{
    // Spelling first, then the quote; the address of a quoted line is part of the quote.
    SetText(QStringLiteral("> a recieve at www.b.com"));
    EXPECT_TRUE(Wavy(FormatAt(0, 4)));
    EXPECT_FALSE(FormatAt(0, 4).hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_EQ(FormatAt(0, 0).foreground().color(), QColor(0, 0x80, 0));
    EXPECT_EQ(FormatAt(0, 16).foreground().color(), QColor(0, 0x80, 0));
    EXPECT_FALSE(FormatAt(0, 16).fontUnderline());
    EXPECT_EQ(Ranges(0), QStringList({"0+4", "4+7", "11+13"}));
}

TEST_F(EditorHighlighterTest, IgnoredOccurrenceStaysUnmarkedUntilItsLineIsEdited)
{
    SetText(QStringLiteral("wierd and wierd\nwierd"));
    highlighter.IgnoreOnce(Line(0), 0);
    EXPECT_EQ(Ranges(0), QStringList("10+5"));
    EXPECT_FALSE(highlighter.MisspellingAt(Line(0), 2).has_value());
    EXPECT_TRUE(highlighter.MisspellingAt(Line(0), 12).has_value());
    EXPECT_EQ(Ranges(1), QStringList("0+5"));

    QTextCursor cursor(Line(0));
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.insertText(QStringLiteral("!"));
    EXPECT_EQ(Ranges(0), QStringList({"0+5", "10+5"}));
}

TEST_F(EditorHighlighterTest, TypingHighlightsOnlyTheLineTyped)
{
    QStringList lines;
    for (int i = 0; i < 200; ++i)
        lines << QStringLiteral("> a line of verse %1 with wierd words").arg(i);
    SetText(lines.join('\n'));
    EXPECT_GE(highlighter.lines, 200);
    highlighter.lines = 0;
    QTextCursor cursor(Line(100));
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.insertText(QStringLiteral(" recieve"));
    EXPECT_EQ(highlighter.lines, 1);
    EXPECT_EQ(FormatAt(100, 2).foreground().color(), QColor(0, 0x80, 0));
    EXPECT_TRUE(Wavy(FormatAt(100, Line(100).length() - 3)));
}

TEST_F(EditorHighlighterTest, DamagedAndBinaryLinesAreHighlightedWithinBounds)
{
    QString binary;
    for (int i = 0; i < 4096; ++i)
        binary += QChar(char16_t((i * 7919) % 0xFFFF + 1)); // every kind of code unit
    QString line = QStringLiteral(">") + QChar(0) + QStringLiteral("http://") + QChar(0xD800) +
                   QStringLiteral("x\x01recieve\x7f") + QString(20000, QLatin1Char('w'));
    SetText(binary + '\n' + line);
    for (int number = 0; number < 2; ++number)
        for (const QTextLayout::FormatRange &range : Line(number).layout()->formats()) {
            EXPECT_GE(range.start, 0);
            EXPECT_LE(range.start + range.length, Line(number).length());
        }
    EXPECT_EQ(FormatAt(1, 0).foreground().color(), QColor(0, 0x80, 0));
}

TEST_F(EditorHighlighterTest, UnavailableCheckerMarksNoSpellingButTheRest)
{
    TSpellChecker none(dir.file("none.aff"), dir.file("none.dic"), dir.file("u.dic"));
    QTextDocument other;
    other.documentLayout();
    TEditorHighlighter plain(&other, &none);
    QCoreApplication::processEvents();
    other.setPlainText(QStringLiteral("recieve www.a.com"));
    const auto formats = other.firstBlock().layout()->formats();
    ASSERT_EQ(formats.size(), 1);
    EXPECT_EQ(formats[0].start, 8);
}
