#include "TolvaneCli.h"

#include "TempDir.h"

#include "DIAnsiStringHash.h"
#include "Syllables.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <sstream>

#include <sys/stat.h>

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

TEST_F(CliTest, TheCurrentFolderIsNeverSearched)
{
    TempDir here, emptyData;
    TDIWordListWriter stray;
    stray.Add("love", "stray entry");
    stray.SaveToFile(here.file("rdict.dat"));
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(here.path()));
    const int rhymes = Run({"rhymes", "love"});
    const std::string rhymesOut = out.str();
    const int get = Run({"get", "rdict.dat", "love"});
    const std::string getOut = out.str();
    const int elsewhere = Run({"--data", emptyData.path(), "get", "rdict.dat", "love"});
    const std::string elsewhereErr = err.str();
    QDir::setCurrent(before);

    EXPECT_EQ(rhymes, 0);
    EXPECT_EQ(rhymesOut, "dove\nlove\nabove\n");
    EXPECT_EQ(get, 0);
    EXPECT_EQ(getOut, "AH V\n");
    EXPECT_EQ(elsewhere, 2);
    EXPECT_NE(elsewhereErr.find(emptyData.file("rdict.dat").toStdString()), std::string::npos)
        << elsewhereErr;
}

// Devices, pipes and folders would block or never end; a huge file is refused before reading.
TEST_F(CliTest, OnlyRegularFilesOfBoundedSizeAreRead)
{
    const QString fifo = dir.file("pipe.dat");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QFile huge(dir.file("huge.dat"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize((qint64(512) << 20) + 1));
    huge.close();
    const struct
    {
        QStringList args;
        QString file;
        const char *reason;
    } cases[] = {
        {{"get", "/dev/zero", "x"}, "/dev/zero", "not a regular file"},
        {{"dump", fifo}, fifo, "not a regular file"},
        {{"get", dir.path(), "x"}, dir.path(), "not a regular file"},
        {{"build", "/dev/zero", dir.file("out.dat")}, "/dev/zero", "not a regular file"},
        {{"get", huge.fileName(), "x"}, huge.fileName(), "larger than"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(Run(c.args), 2) << c.args.join(' ').toStdString();
        EXPECT_EQ(out.str(), "");
        EXPECT_NE(err.str().find(c.file.toStdString()), std::string::npos) << err.str();
        EXPECT_NE(err.str().find(c.reason), std::string::npos) << err.str();
    }
    EXPECT_FALSE(QFile::exists(dir.file("out.dat")));
}

// The program itself: its own folder, not the one it is started from.
TEST(CliProgram, ReadsItsOwnFolderWhereverItIsStarted)
{
    TempDir app, here;
    ASSERT_TRUE(QFile::copy(QStringLiteral(TOLVANE_CLI), app.file("tolvane-cli")));
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(TOLVANE_CLI_COMMANDS), app.file("tolvane-cli-commands.so")));
    TDIWordListWriter own, stray;
    own.Add("love", "own entry");
    own.SaveToFile(app.file("rdict.dat"));
    stray.Add("love", "stray entry");
    stray.SaveToFile(here.file("rdict.dat"));

    QProcess cli;
    cli.setWorkingDirectory(here.path());
    cli.start(app.file("tolvane-cli"), {"get", "rdict.dat", "love"});
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(cli.exitCode(), 0);
    EXPECT_EQ(cli.readAllStandardOutput(), "own entry\n");
}
