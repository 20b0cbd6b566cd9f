#include "WordDataBuild.h"

#include "TempDir.h"

#include "DIAnsiStringHash.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <stdexcept>

namespace {

// Miniature sources in the formats of the real ones.
class WordDataBuildTest : public ::testing::Test
{
protected:
    WordDataBuildTest()
    {
        paths.cmu = Write("index.js", "export const dictionary = {\n"
                                      "  \"love\": \"L AH1 V\",\n"
                                      "  \"glove\": \"G L AH1 V\",\n"
                                      "  \"above\": \"AH0 B AH1 V\",\n"
                                      "  \"read\": \"R EH1 D\",\n"
                                      "  \"read(2)\": \"R IY1 D\",\n"
                                      "  \"red\": \"R EH1 D\",\n"
                                      "  \"mcdonald\": \"M AH0 K D AA1 N AH0 L D\",\n"
                                      "  \"b2b\": \"B IY1 T UW1 B IY1\",\n"
                                      "}\n");
        paths.wordList = Write("words", "love\nglove\nabove\nread\nred\nMcDonald\n");
        paths.dictionaryList = Write("dictionary", "love\nglove\nabove\nread\nred\n");
        paths.hunspell = "/usr/share/hunspell/en_US";
        const std::string noun = Write("data.noun", "  1 licence text\n"
                                                    "00000001 04 n 02 love 0 true_love 0 000 | x\n"
                                                    "00000002 04 n 01 Big_Mac 0 000 | y\n");
        paths.wordNetData = {noun, Write("data.verb", ""), Write("data.adj", ""),
                             Write("data.adv", "")};
        paths.gcide = WriteGzip("gcide.dict.dz", "Love \\Love\\, n.\n"
                                                 "   A strong affection.\n"
                                                 "   [1913 Webster]\n"
                                                 "\n"
                                                 "            Of kindness and of love,\n"
                                                 "            The thing I read.         --Shak.\n"
                                                 "   [1913 Webster]\n");
        paths.outDir = dir.path().chopped(1).toStdString();
    }

    std::string Write(const char *name, const char *text)
    {
        return dir.write(name, text).toStdString();
    }

    std::string WriteGzip(const char *name, const std::string &text)
    {
        const std::string path = dir.file(name).toStdString();
        gzFile file = gzopen(path.c_str(), "wb");
        gzwrite(file, text.data(), static_cast<unsigned>(text.size()));
        gzclose(file);
        return path;
    }

    TDIAnsiStringHash Load(const char *name)
    {
        TDIAnsiStringHash list;
        list.LoadFromFile(dir.file(name));
        return list;
    }

    TempDir dir;
    TWordDataPaths paths;
};

} // namespace

TEST_F(WordDataBuildTest, WritesTheThreeWordLists)
{
    const TWordDataCounts counts = BuildWordData(paths);
    EXPECT_EQ(counts.realWords, 5u);
    EXPECT_EQ(counts.properNouns, 1u);
    EXPECT_EQ(counts.phrases, 1u);
    EXPECT_EQ(counts.rhymeLines, 2u);

    const TDIAnsiStringHash rdict = Load("rdict.dat");
    EXPECT_EQ(rdict.Lookup(rdict.Lookup("love")), "glove#love#above");
    EXPECT_EQ(rdict.Lookup(rdict.Lookup("read")), "read#red");
    EXPECT_EQ(rdict.Lookup("read(1)"), "IY D");
    EXPECT_EQ(rdict.Lookup("AH V[P]"), "true love");
    EXPECT_EQ(rdict.Lookup("AA N AH L D[P]"), "McDonald");
    EXPECT_EQ(rdict.Lookup("b2b"), "");

    EXPECT_EQ(Load("sdxdict.dat").Lookup("E140"), "love");

    const TDIAnsiStringHash poetry = Load("rpoetry.dat");
    EXPECT_EQ(poetry.Lookup("AH V"), "1@Of kindness and of love,");
    EXPECT_EQ(poetry.Lookup("EH D"), "2@The thing I read."); // first pronunciation
    EXPECT_EQ(poetry.Lookup("2[P]"), "William Shakespeare@");
}

TEST_F(WordDataBuildTest, SameSourcesGiveTheSameBytes)
{
    BuildWordData(paths);
    const QByteArray first =
        dir.read("rdict.dat") + dir.read("sdxdict.dat") + dir.read("rpoetry.dat");
    BuildWordData(paths);
    EXPECT_EQ(dir.read("rdict.dat") + dir.read("sdxdict.dat") + dir.read("rpoetry.dat"), first);
    EXPECT_FALSE(first.isEmpty());
}

TEST_F(WordDataBuildTest, AMissingSourceIsAnError)
{
    paths.wordList = dir.file("no-such-list").toStdString();
    EXPECT_THROW(BuildWordData(paths), std::runtime_error);
    paths.wordList = Write("words2", "love\n");
    paths.gcide = dir.file("no-such-gcide").toStdString();
    EXPECT_THROW(BuildWordData(paths), std::runtime_error);
}
