// Syllables and meter by pronunciation over a small table of the syllables.dat kind.
#include "SyllableTable.h"
#include "DIAnsiStringHash.h"

#include <gtest/gtest.h>

namespace {

class SyllableTableTest : public ::testing::Test
{
protected:
    SyllableTableTest()
    {
        TDIWordListWriter writer;
        for (const auto &[word, stress] : {std::pair{"fire", "1#10"},
                                           {"every", "10#100"},
                                           {"temperate", "100#10"},
                                           {"table", "10"},
                                           {"created", "010"},
                                           {"wander", "10"},
                                           {"expanse", "01"},
                                           {"pantomime", "102"},
                                           {"o'er", "10"},
                                           {"kindly", "10"},
                                           {"stopped", "1"}})
            writer.Add(word, stress);
        words.LoadFromBytes(writer.Bytes());
    }

    TDIAnsiStringHash words;
    TSyllableTable table{&words};
};

TEST_F(SyllableTableTest, LinesCountByTheFirstPronunciationAndRangeOverAll)
{
    const struct
    {
        const char *line;
        int first, min, max;
    } cases[] = {
        {"fire", 1, 1, 2},
        {"every fire", 3, 3, 5},
        {"Thou art more temperate", 6, 5, 6},
        {"the table created", 6, 6, 6},
        {"", 0, 0, 0},
    };
    for (const auto &c : cases) {
        const QString line = QString::fromUtf8(c.line);
        const TLineCounts counts = table.CountsOfLine(line);
        EXPECT_EQ(table.CountLine(line), c.first) << c.line;
        EXPECT_EQ(counts.first, c.first) << c.line;
        EXPECT_EQ(counts.min, c.min) << c.line;
        EXPECT_EQ(counts.max, c.max) << c.line;
    }
    // "every fire": 2 or 3, and 1 or 2; every sum between is reached, none outside.
    const TLineCounts counts = table.CountsOfLine(QStringLiteral("every fire"));
    for (int n = 0; n < 8; ++n)
        EXPECT_EQ(counts.Reaches(n), n >= 3 && n <= 5) << n;
}

TEST_F(SyllableTableTest, ElisionMarksAreThePoetsCount)
{
    const std::pair<const char *, int> cases[] = {
        {"o'er the hill", 3}, // the table's two syllables give way to the mark
        {"e'er ne'er", 2},        {"th' expanse", 2}, // th' has no syllable of its own
        {"th'expanse", 2},        {"'Tis 'twas", 2},
        {"dimm'd untrimm'd", 3}, // -'d adds none
        {"grow'st wander'st", 3}, {"heav'n ev'ry", 3},
        {"thou ow\u2019st", 2},                       // a typographic apostrophe is the same mark
        {"lovers' table", 4},     {"rock & roll", 3}, // "&" is "and"
    };
    for (const auto &[line, count] : cases) {
        EXPECT_EQ(table.CountLine(QString::fromUtf8(line)), count) << line;
        EXPECT_EQ(table.MeterOfLine(QString::fromUtf8(line)).size(), count) << line;
    }
}

TEST_F(SyllableTableTest, SectionLabelsHaveNoSyllables)
{
    const std::pair<const char *, int> cases[] = {
        {"[Chorus]", 0}, {"  [Verse 1]  ", 0}, {"[Bridge", 1}, {"table [twice]", 3}, {"[]", 0}};
    for (const auto &[line, count] : cases) {
        const QString text = QString::fromUtf8(line);
        EXPECT_EQ(table.CountLine(text), count) << line;
        EXPECT_EQ(table.CountsOfLine(text).max, count) << line;
        EXPECT_EQ(IsSectionLabel(text), count == 0) << line;
    }
    EXPECT_EQ(table.MeterOfLine(QStringLiteral("[Chorus]")), "");
}

TEST_F(SyllableTableTest, MeterLeavesFunctionWordsUnstressedAndMarksSecondaryStress)
{
    const std::pair<const char *, const char *> cases[] = {
        {"He kindly stopped for me", "x/x/xx"},
        {"She shall have them when you must", "xxxxxxx"},
        {"not from who what thee thou thy", "xxxxxxx"},
        {"pantomime", "/x\\"},
        {"o'er the table", "xx/x"},
    };
    for (const auto &[line, meter] : cases)
        EXPECT_EQ(table.MeterOfLine(QString::fromUtf8(line)), QString::fromUtf8(meter)) << line;
}

// Each hyphen once recursed; a word of tens of thousands of them must count like any other.
TEST_F(SyllableTableTest, AWordOfManyHyphensIsCountedWithoutRunningOutOfStack)
{
    const int parts = 45000;
    const QString word = QStringLiteral("fire-").repeated(parts - 1) + QStringLiteral("fire");
    EXPECT_EQ(table.CountLine(word), parts);
    const TLineCounts counts = table.CountsOfLine(word);
    EXPECT_EQ(counts.min, parts);
    EXPECT_EQ(counts.max, 2 * parts);
    EXPECT_EQ(table.MeterOfLine(word).size(), parts);
    EXPECT_EQ(table.CountLine(QString(parts, u'-')), 0);
}

} // namespace
