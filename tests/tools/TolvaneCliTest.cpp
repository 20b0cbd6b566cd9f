#include "TolvaneCli.h"

#include "TempDir.h"

#include "DIAnsiStringHash.h"
#include "Syllables.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// A miniature application folder with the three word lists.
class CliTest : public ::testing::Test
{
protected:
    CliTest()
    {
        Write("rdict.dat", {{"love", "AH V"},
                            {"read", "EH D"},
                            {"read(1)", "IY D"},
                            {"jump", "AH M P"},
                            {"AH V", "dove#love#above#"},
                            {"AH V[P]", "Belove#labor of love"},
                            {"EH D", "bed#red"},
                            {"IY D", "need#read"},
                            {"AH M P", "bump#jump"}});
        Write("sdxdict.dat", {{"T200", "cat#kit#scat"}});
        Write("rpoetry.dat", {{"AH V", "7@Of kindness and of love.#8@No source for this love"},
                              {"7[P]", "William Wordsworth@"},
                              {"EH D", "9@The night is red"},
                              {"9[P]", "Anon@Night Songs"}});
    }

    void Write(const char *name, std::vector<std::pair<std::string, std::string>> entries)
    {
        TDIWordListWriter writer;
        for (const auto &[k, v] : entries)
            writer.Add(k, v);
        writer.SaveToFile(dir.file(name));
    }

    int Run(QStringList args)
    {
        out.str({});
        err.str({});
        TTolvaneCli cli(dir.path(), out, err);
        return cli.Run(std::move(args));
    }

    TempDir dir;
    std::ostringstream out, err;
};

} // namespace

TEST_F(CliTest, RhymesNormaliseTheWordAndPrintOnePerLine)
{
    EXPECT_EQ(Run({"rhymes", "Love!"}), 0);
    EXPECT_EQ(out.str(), "dove\nlove\nabove\n");
    EXPECT_EQ(Run({"rhymes", "read(1)"}), 0);
    EXPECT_EQ(out.str(), "need\nread\n");
}

TEST_F(CliTest, RhymesFallBackToTheStemAndReportNothingFound)
{
    EXPECT_EQ(Run({"rhymes", "jumping"}), 0);
    EXPECT_EQ(out.str(), "bump\njump\n");
    EXPECT_EQ(Run({"rhymes", "orange"}), 1);
    EXPECT_EQ(out.str(), "");
}

TEST_F(CliTest, PhrasesRoundexAndPronunciations)
{
    EXPECT_EQ(Run({"phrases", "love"}), 0);
    EXPECT_EQ(out.str(), "Belove\nlabor of love\n");
    EXPECT_EQ(Run({"phrases", "zzz"}), 1);
    EXPECT_EQ(Run({"roundex", "KIT (the box)"}), 0);
    EXPECT_EQ(out.str(), "cat\nkit\nscat\n");
    EXPECT_EQ(Run({"pronunciations", "read(1)"}), 0);
    EXPECT_EQ(out.str(), "read\tEH D\nread(1)\tIY D\n");
}

TEST_F(CliTest, LinesShowTextAuthorAndTitle)
{
    EXPECT_EQ(Run({"lines", "love"}), 0);
    EXPECT_EQ(out.str(), "Of kindness and of love.\tWilliam Wordsworth\t\n"
                         "No source for this love\t\t\n");
    EXPECT_EQ(Run({"lines", "read"}), 0);
    EXPECT_EQ(out.str(), "The night is red\tAnon\tNight Songs\n");
    EXPECT_EQ(Run({"lines", "nothing"}), 1);
}

TEST_F(CliTest, SyllablesAndStem)
{
    // Several arguments are counted as one line.
    EXPECT_EQ(Run({"syllables", "Shall I compare thee", "to a summer's day?"}), 0);
    EXPECT_EQ(out.str(), std::to_string(CountLineSyllables(
                             std::string_view("Shall I compare thee to a summer's day?"))) +
                             "\n");
    EXPECT_EQ(Run({"syllables", "123"}), 1);
    EXPECT_EQ(Run({"stem", "Running"}), 0);
    EXPECT_EQ(out.str(), "run\n");
}

TEST_F(CliTest, RawGetDumpAndBuildRoundTrip)
{
    EXPECT_EQ(Run({"get", "rdict.dat", "AH V[P]"}), 0);
    EXPECT_EQ(out.str(), "Belove#labor of love\n");
    EXPECT_EQ(Run({"get", dir.file("rdict.dat"), "Love"}), 1);

    EXPECT_EQ(Run({"dump", "rpoetry.dat"}), 0);
    const QString tsv = dir.write("copy.tsv", QByteArray::fromStdString(out.str()));
    EXPECT_EQ(Run({"build", tsv, dir.file("copy.dat")}), 0);
    EXPECT_EQ(dir.read("copy.dat"), dir.read("rpoetry.dat"));
}

TEST_F(CliTest, BuildKeepsTabsAndLineBreaksThroughEscapes)
{
    const QString tsv = dir.write("odd.tsv", "a\\tb\tline one\\nline two\n");
    EXPECT_EQ(Run({"build", tsv, dir.file("odd.dat")}), 0);
    EXPECT_EQ(Run({"get", dir.file("odd.dat"), "a\tb"}), 0);
    EXPECT_EQ(out.str(), "line one\nline two\n");
    EXPECT_EQ(Run({"build", dir.write("bad.tsv", "no tab here\n"), dir.file("bad.dat")}), 2);
    EXPECT_NE(err.str().find("line 1 has no tab"), std::string::npos);
}

TEST_F(CliTest, BadFilesGiveTheLoadersMessageAndStatusTwo)
{
    dir.write("broken.dat", QByteArray("XXXX\x02\x01\x02\x04\x02\x00", 10));
    EXPECT_EQ(Run({"dump", dir.file("broken.dat")}), 2);
    EXPECT_NE(err.str().find("Invalid stream format"), std::string::npos) << err.str();
    EXPECT_EQ(Run({"get", dir.file("missing.dat"), "x"}), 2);
    EXPECT_FALSE(err.str().empty());
    EXPECT_EQ(Run({"--data", dir.file("nowhere"), "rhymes", "love"}), 2);
}

TEST_F(CliTest, UsageErrorsAndHelp)
{
    EXPECT_EQ(Run({}), 2);
    EXPECT_EQ(Run({"rhyme", "love"}), 2);
    EXPECT_NE(err.str().find("unknown command"), std::string::npos);
    EXPECT_EQ(Run({"rhymes"}), 2);
    EXPECT_EQ(Run({"get", "rdict.dat"}), 2);
    EXPECT_EQ(Run({"--help"}), 0);
    for (const char *command : {"rhymes", "phrases", "roundex", "lines", "pronunciations",
                                "syllables", "stem", "get", "dump", "build"})
        EXPECT_NE(out.str().find(command), std::string::npos) << command;
}
