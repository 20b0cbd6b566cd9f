// The word data built from miniature sources: pronunciations that belong to other words, names
// and contractions, compound rhymes both ways, common words first and offensive words apart.
#include "WordDataBuild.h"

#include "TempDir.h"

#include "DIAnsiStringHash.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <QDir>

namespace {

class TrustedWordDataTest : public ::testing::Test
{
protected:
    TrustedWordDataTest()
    {
        paths.cmu = Write("index.js", "export const dictionary = {\n"
                                      "  \"nice\": \"N AY1 S\",\n"
                                      "  \"nice(2)\": \"N IY1 S\",\n"
                                      "  \"peace\": \"P IY1 S\",\n"
                                      "  \"fried\": \"F R AY1 D\",\n"
                                      "  \"fried(2)\": \"F R IY1 D\",\n"
                                      "  \"read\": \"R EH1 D\",\n"
                                      "  \"read(2)\": \"R IY1 D\",\n"
                                      "  \"need\": \"N IY1 D\",\n"
                                      "  \"i'm\": \"AY1 M\",\n"
                                      "  \"i'm(2)\": \"AH0 M\",\n"
                                      "  \"time\": \"T AY1 M\",\n"
                                      "  \"night\": \"N AY1 T\",\n"
                                      "  \"midnight\": \"M IH1 D N AY2 T\",\n"
                                      "  \"close\": \"K L OW1 S\",\n"
                                      "  \"most\": \"M OW1 S T\",\n"
                                      "  \"most(2)\": \"M OW1 S\",\n"
                                      "  \"love\": \"L AH1 V\",\n"
                                      "  \"gov\": \"G AH1 V\",\n"
                                      "  \"dartt\": \"D AA1 R T\",\n"
                                      "  \"york\": \"Y AO1 R K\",\n"
                                      "  \"stop\": \"S T AA1 P\",\n"
                                      "  \"wop\": \"W AA1 P\",\n"
                                      "}\n");
        const char *words = "nice\nNice\npeace\nfried\nread\nneed\ntime\nnight\nmidnight\nclose\n"
                            "most\nlove\ngov\nYork\nstop\nwop\n";
        paths.wordList = Write("words", (std::string(words) + "I'm\n").c_str());
        paths.dictionaryList = Write("dictionary", words);
        paths.hunspell = "/usr/share/hunspell/en_US";
        const std::string noun = Write("data.noun", "  1 licence text\n"
                                                    "06718862 10 n 01 ethnic_slur 0 000 | x\n"
                                                    "10000001 18 n 01 wop 0 001 ;u 06718862 n "
                                                    "0000 | y\n"
                                                    "10000002 15 n 01 New_York 0 000 | z\n");
        paths.wordNetData = {noun, Write("data.verb", ""), Write("data.adj", ""),
                             Write("data.adv", "")};
        paths.gcide = WriteGzip("gcide.dict.dz", "");
        QDir(dir.path()).mkdir("scowl");
        Write("scowl/english-words.10", "time\nnight\nneed\nread\nlove\nstop\nclose\nmost\n");
        Write("scowl/english-words.50", "peace\nnice\nfried\nmidnight\nwop\n");
        Write("scowl/english-contractions.35", "I'm\n");
        Write("scowl/english-abbreviations.50", "gov\n");
        Write("scowl/english-proper-names.95", "Fried\nRead\nYork\n");
        paths.scowl = dir.file("scowl").toStdString();
        paths.outDir = dir.path().chopped(1).toStdString();
        BuildWordData(paths);
        rdict.LoadFromFile(dir.file("rdict.dat"));
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

    std::string Get(const char *key) const { return std::string(rdict.Lookup(key)); }
    std::string RhymesOf(const char *word) const { return Get(Get(word).c_str()); }

    TempDir dir;
    TWordDataPaths paths;
    TDIAnsiStringHash rdict;
};

} // namespace

TEST_F(TrustedWordDataTest, APronunciationOfANameOrAReducedFormIsNotTheWords)
{
    EXPECT_EQ(Get("nice(1)"), "");     // the city
    EXPECT_EQ(Get("fried(1)"), "");    // the surname
    EXPECT_EQ(Get("most(1)"), "");     // said "mos'"
    EXPECT_EQ(Get("read(1)"), "IY D"); // a word of its own
    EXPECT_EQ(RhymesOf("peace"), "peace");
    EXPECT_EQ(RhymesOf("need"), "need#read");
    EXPECT_EQ(RhymesOf("close"), "close");
}

TEST_F(TrustedWordDataTest, ContractionsOfIRhymeAndAbbreviationsAndTokensDoNot)
{
    EXPECT_EQ(RhymesOf("time"), "time#I'm"); // the common word first
    EXPECT_EQ(Get("AY M[P]"), "");
    EXPECT_EQ(RhymesOf("love"), "love"); // no gov
    EXPECT_EQ(Get("AA R T[P]"), "");     // Dartt is no name any word list knows
    EXPECT_EQ(Get("AO R K[P]"), "York#New York");
}

TEST_F(TrustedWordDataTest, ACompoundShowsItsLaterStressGroupAndCommonWordsLead)
{
    EXPECT_EQ(Get("midnight"), "IH D N AY T");
    EXPECT_EQ(Get("IH D N AY T[S]"), "AY T");
    EXPECT_EQ(RhymesOf("night"), "night#midnight"); // by syllables
}

TEST_F(TrustedWordDataTest, OffensiveWordsOnlyInTheWholeForm)
{
    EXPECT_EQ(RhymesOf("stop"), "stop");
    EXPECT_EQ(Get("AA P[O]"), "stop#wop");
    EXPECT_EQ(Get("AH V[O]"), ""); // lists without offensive words are written once
    TDIAnsiStringHash roundex;
    roundex.LoadFromFile(dir.file("sdxdict.dat"));
    EXPECT_EQ(std::string(roundex.Lookup("P000")), "");
    EXPECT_EQ(std::string(roundex.Lookup("P000[O]")), "wop");
}
