// Syllables by pronunciation on the table the build writes, directly and through tolvane-cli.
#include "DIAnsiStringHash.h"
#include "SyllableTable.h"
#include "Syllables.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

const QString kAppDir = QStringLiteral(TOLVANE_APP_DIR "/");

class SyllableData : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        words = new TDIAnsiStringHash;
        words->LoadFromFile(kAppDir + "syllables.dat");
    }
    static void TearDownTestSuite() { delete words; }

    static QString Cli(const QStringList &args)
    {
        QProcess process;
        process.start(kAppDir + "tolvane-cli", args);
        if (!process.waitForFinished(60000) || process.exitCode() != 0)
            return QStringLiteral("failed");
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    }

    static TDIAnsiStringHash *words;
};

TDIAnsiStringHash *SyllableData::words = nullptr;

TEST_F(SyllableData, LinesCountAndScanByPronunciation)
{
    const TSyllableTable table(words);
    const struct
    {
        const char *line;
        int count;
        const char *meter;
    } cases[] = {
        {"The table and the little people created", 12, "x/xxx/x/xx/x"},
        {"Shall I compare thee to a summer's day?", 10, "xxx/xxx/x/"},
        {"Don't stop, the fire burned bright", 7, "//x/x//"},
        {"Lovely, gentle, between!", 6, "/x/xx/"},
        {"A well-known caf\u00e9", 5, "x//x/"},
    };
    for (const auto &c : cases) {
        const QString line = QString::fromUtf8(c.line);
        EXPECT_EQ(table.CountLine(line), c.count) << c.line;
        EXPECT_EQ(table.MeterOfLine(line), QString::fromLatin1(c.meter)) << c.line;
    }
}

TEST_F(SyllableData, WordsTheTableLacksGoByTheRule)
{
    const TSyllableTable table(words);
    const QString unknown = QStringLiteral("zorblaxity");
    ASSERT_TRUE(table.Stress("zorblaxity").empty());
    const int rule = CountLineSyllables(unknown);
    ASSERT_EQ(rule, 4);
    EXPECT_EQ(table.CountLine(unknown), rule);
    EXPECT_EQ(table.MeterOfLine(unknown), "/xxx") << "stressed on its first syllable";
    // Known words keep their pronunciation beside an unknown one.
    EXPECT_EQ(table.CountLine(QStringLiteral("created zorblaxity")), 3 + rule);
}

TEST_F(SyllableData, TheCommandLineCountsLikeTheGutter)
{
    const QString line = QStringLiteral("The table and the little people created");
    EXPECT_EQ(Cli({"syllables", line}), "12");
    EXPECT_EQ(Cli({"syllables", line, "--rule"}), QString::number(CountLineSyllables(line)));
    EXPECT_EQ(Cli({"meter", "Shall I compare thee to a summer's day?"}), "xxx/xxx/x/");
}

} // namespace
