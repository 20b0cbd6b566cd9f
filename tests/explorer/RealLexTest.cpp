// The built cz.lex from WordNet: what a songwriter sees for a few real words.
#include "LexCommand.h"
#include "LexDatabase.h"

#include <gtest/gtest.h>

#include <QFile>

#include <algorithm>
#include <sstream>

namespace {

const QString AppDir = QStringLiteral(TOLVANE_APP_DIR "/");

std::vector<std::string> WordsOf(const std::vector<TSynsetWord> &words)
{
    std::vector<std::string> out;
    for (const TSynsetWord &w : words)
        out.push_back(w.Word);
    return out;
}

bool Has(const std::vector<std::string> &list, const std::string &word)
{
    return std::find(list.begin(), list.end(), word) != list.end();
}

class RealLexTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::exists(AppDir + "cz.lex")) << "build the data first";
        db.SetFileName((AppDir + "cz.lex").toStdString());
    }
    TLexDatabase db;
};

TEST_F(RealLexTest, RanShowsTheVerbSensesOfRunInThePastTense)
{
    db.Lookup("ran");
    const auto &senses = db.Query().Senses();
    ASSERT_GE(senses.size(), 30u);
    for (const auto &s : senses) {
        EXPECT_EQ(s->PartOfSpeech, 1);
        EXPECT_EQ(s->Headword, "run");
        EXPECT_EQ(s->FormKind, WordUtils::fkPast);
    }
    const std::vector<std::string> synonyms = WordsOf(db.Query().Synonyms());
    for (const char *past : {"went", "led", "operated", "flowed", "ran away"})
        EXPECT_TRUE(Has(synonyms, past)) << past;
    EXPECT_FALSE(Has(synonyms, "go"));
}

TEST_F(RealLexTest, PossessivesApostrophesAndPartsOfSpeech)
{
    db.Lookup("dog's");
    ASSERT_FALSE(db.Query().Senses().empty());
    EXPECT_EQ(db.Query().Senses()[0]->Headword, "dog");
    EXPECT_TRUE(Has(WordsOf(db.Query().Senses()[0]->Words), "domestic dog"));
    db.Lookup("it's");
    EXPECT_EQ(db.LastWord(), "it's");
    db.Lookup("elapse"); // a word with verb senses only
    ASSERT_FALSE(db.Query().Senses().empty());
    EXPECT_EQ(db.Query().ShownPartsOfSpeech(), 1u << 1);
    db.Lookup("dogs");
    EXPECT_EQ(db.Query().Senses()[0]->Headword, "dog");
    EXPECT_TRUE(Has(WordsOf(db.Query().Synonyms()), "hotdogs"));
}

TEST_F(RealLexTest, AntonymsPickTheirWordAndGoTwoLevels)
{
    db.Lookup("animate");
    db.Query().ShowPartsOfSpeech(1u << 2);
    bool more = false;
    const std::vector<std::string> direct =
        WordsOf(db.Query().RelatedByLevels(rtAntonyms, 1, more));
    EXPECT_TRUE(Has(direct, "inanimate"));
    EXPECT_FALSE(Has(direct, "nonliving")); // the pointer names one word of its sense
    EXPECT_TRUE(more);
    const std::vector<std::string> twoLevels =
        WordsOf(db.Query().RelatedByLevels(rtAntonyms, 2, more));
    EXPECT_TRUE(Has(twoLevels, "inanimate"));
    EXPECT_GT(twoLevels.size(), direct.size());

    db.Lookup("bright");
    EXPECT_TRUE(Has(WordsOf(db.Query().RelatedByTypes(1u << rtAntonyms)), "dull"));
    EXPECT_TRUE(Has(WordsOf(db.Query().Synonyms()), "brilliant"));
}

TEST_F(RealLexTest, WordFormsAndPronunciationsTravelWithTheFile)
{
    db.Lookup("above"); // one-syllable words carry no stress mark
    const auto &root = db.Query().RootInfo();
    ASSERT_TRUE(root.count("above"));
    EXPECT_EQ(
        WordUtils::ShowPronunciation(WordUtils::PronunciationFor(root.at("above").Info, 'a', 0), 0),
        "u'b\xFAv");
    const TWordMorpher &m = db.Morpher();
    EXPECT_EQ(m.Inflect("child", WordUtils::fkPlural), "children");
    EXPECT_EQ(m.Inflect("stop", WordUtils::fkPast), "stopped");
    EXPECT_EQ(m.Inflect("run", WordUtils::fkPastParticiple), "run");
    EXPECT_EQ(m.Inflect("fast", WordUtils::fkComparative), "faster");
    EXPECT_TRUE(m.InList(TWordMorpher::fsBritishDoublingVerbs, "travel"));
    EXPECT_EQ(m.ConvertSpelling("color", 0), "colour");
}

TEST(LexCommand, PrintsSensesAndRelations)
{
    std::ostringstream out, err;
    TLexCommand command(AppDir.toStdString(), out, err);
    EXPECT_EQ(command.Run({"ran"}), 0);
    EXPECT_EQ(out.str().rfind("Verb\trun\t", 0), 0u) << out.str().substr(0, 200);
    out.str("");
    EXPECT_EQ(command.Run({"animate", "--rel", "antonyms"}), 0);
    EXPECT_NE(out.str().find("inanimate\n"), std::string::npos);
    EXPECT_EQ(command.Run({"qqqzzz"}), 1);
    EXPECT_EQ(command.Run({"love", "--rel", "cousins"}), 2);
    EXPECT_EQ(TLexCommand::RelationByName("type-of"), rtTypeOf);
    TLexCommand missing("/nonexistent/", out, err);
    EXPECT_EQ(missing.Run({"love"}), 2);
    EXPECT_NE(err.str().find("Cannot open file"), std::string::npos);
}

} // namespace
