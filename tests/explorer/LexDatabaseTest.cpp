#include "LexFixture.h"

#include "ArithmeticCoder.h"
#include "LexError.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace {

std::vector<std::string> WordsOf(const std::vector<TSynsetWord> &words)
{
    std::vector<std::string> out;
    for (const TSynsetWord &w : words)
        out.push_back(w.Word);
    return out;
}

std::string ErrorOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const ELexError &e) {
        return e.what();
    }
    return "no error";
}

class LexDatabaseTest : public ::testing::Test
{
protected:
    LexDatabaseTest()
    {
        db.SetFileName(file.Path().toStdString());
        db.Morpher().British = false;
    }
    std::vector<std::string> Headwords()
    {
        std::vector<std::string> out;
        for (const auto &s : db.Query().Senses())
            out.push_back(s->Headword);
        return out;
    }

    SmallLexFile file;
    TLexDatabase db;
};

TEST_F(LexDatabaseTest, TrailerAndSensesReadBackAsWritten)
{
    db.Open();
    const TLexTrailer &t = db.Trailer();
    const std::string &bytes = file.Bytes();
    EXPECT_EQ(std::memcmp(bytes.data() + bytes.size() - 44, t.Bytes().data(), 44), 0);
    EXPECT_LT(t.SectionEnd[0], t.SectionEnd[1]);
    EXPECT_LT(t.SectionEnd[1], t.SectionEnd[2]);
    EXPECT_EQ(t.SectionEnd[8], t.SectionEnd[2]); // no adverbs and beyond
    EXPECT_EQ(t.IndexStart, t.SectionEnd[8]);
    EXPECT_EQ(db.Morpher().Strings()[TWordMorpher::fsVerbExceptions], "\nrun,ran,run,running\n");

    db.Lookup("canine");
    ASSERT_EQ(db.Query().Senses().size(), 1u);
    const TSynset &canine = *db.Query().Senses()[0];
    EXPECT_EQ(canine.PartOfSpeech, 0);
    EXPECT_EQ(canine.Headword, "canine");
    EXPECT_EQ(WordsOf(canine.Words), std::vector<std::string>{"canid"});
    EXPECT_EQ(canine.ClassLabel, "Animal");
    EXPECT_EQ(canine.Gloss, "any of various fissiped mammals");
    EXPECT_EQ(canine.Examples, std::vector<std::string>{"the canine and the ^"});
    ASSERT_EQ(canine.Pointers.size(), 1u);
    EXPECT_EQ(canine.Pointers[0].Type, rtTypes);
    EXPECT_EQ(canine.Pointers[0].TargetWord, 1);
    EXPECT_EQ(db.SectionOf(canine.Pointers[0].Target), 0);

    db.Lookup("shining"); // an empty gloss is the words
    EXPECT_EQ(db.Query().Senses()[0]->Gloss, "shining, beaming, glistening");
    db.Lookup("frump");
    const TSynset &frump = *db.Query().Senses()[0];
    ASSERT_EQ(frump.Words.size(), 1u);
    EXPECT_EQ(frump.Words[0].Flags, WordUtils::FlagBrit | WordUtils::FlagVulgar);
    EXPECT_EQ(db.Query().RootInfo().size(), 1u);
}

TEST_F(LexDatabaseTest, LookupFindsKeysPossessivesAndSpellings)
{
    db.Lookup("dog");
    EXPECT_EQ(Headwords(), (std::vector<std::string>{"dog", "dog", "Dog"}));
    db.Lookup("Dog"); // the exact spelling first
    EXPECT_EQ(Headwords(), (std::vector<std::string>{"Dog", "dog", "dog"}));
    db.Lookup("dog's");
    EXPECT_EQ(db.LastWord(), "dog");
    EXPECT_EQ(db.Query().Senses().size(), 3u);
    db.Lookup("it's"); // itself first; "it" comes as a plural form of "it'"
    EXPECT_EQ(Headwords(), (std::vector<std::string>{"it's", "it"}));
    db.Lookup("domestic-dog");
    EXPECT_EQ(Headwords(), std::vector<std::string>{"domestic dog"});
    db.Lookup("zebra");
    EXPECT_TRUE(db.Query().Senses().empty());
    db.Lookup("");
    EXPECT_TRUE(db.Query().Senses().empty());
}

TEST_F(LexDatabaseTest, DerivedFormsInflectTheSynonyms)
{
    db.Lookup("ran");
    ASSERT_EQ(db.Query().Senses().size(), 1u);
    const TSynset &run = *db.Query().Senses()[0];
    EXPECT_EQ(run.Headword, "run");
    EXPECT_EQ(run.FormKind, WordUtils::fkPast);
    EXPECT_EQ(WordsOf(db.Query().Synonyms()), (std::vector<std::string>{"hurried", "sprinted"}));
    EXPECT_EQ(WordsOf(db.Query().RelatedByTypes(1u << rtAntonyms)),
              std::vector<std::string>{"walked"});

    db.Lookup("dogs");
    // Names and words with a space have no regular plural.
    EXPECT_EQ(WordsOf(db.Query().Synonyms()),
              (std::vector<std::string>{"Canis familiaris*", "domestic dog*", "frumps"}));
    db.SetMatchForms(false); // repeats the lookup
    EXPECT_EQ(WordsOf(db.Query().Synonyms()),
              (std::vector<std::string>{"Canis familiaris", "domestic dog", "frump"}));
    db.SetTryDerivedForms(false);
    EXPECT_TRUE(db.Query().Senses().empty());
}

TEST_F(LexDatabaseTest, RelationsByTypesLevelsAndTargetWords)
{
    db.Lookup("bright");
    TWordLookup &q = db.Query();
    EXPECT_EQ(q.AvailableRelations(), 1u << rtAntonyms | 1u << rtSimilar | 1u << rtSeeAlso);
    EXPECT_EQ(WordsOf(q.RelatedByTypes(1u << rtSeeAlso)), std::vector<std::string>{"glistening"});
    EXPECT_EQ(WordsOf(q.RelatedByTypes(1u << rtSimilar | 1u << rtSynonyms)),
              (std::vector<std::string>{"beaming", "brilliant", "glistening", "shining"}));
    bool more = false;
    EXPECT_EQ(WordsOf(q.RelatedByLevels(rtAntonyms, 1, more)), std::vector<std::string>{"dull"});
    EXPECT_TRUE(more);
    EXPECT_TRUE(q.HasDeeperLevel(rtSimilar));
    EXPECT_EQ(WordsOf(q.RelatedByLevels(rtAntonyms, 2, more)),
              (std::vector<std::string>{"dim", "dull"}));
    EXPECT_FALSE(more);

    db.Lookup("dog");
    q.ShowPartsOfSpeech(1u << 0);
    EXPECT_EQ(q.ShownSenses().size(), 3u);
    q.SelectSense(1);
    EXPECT_EQ(WordsOf(q.Synonyms()), std::vector<std::string>{"frump"});
    EXPECT_EQ(q.AvailableRelations(), 0u);
    q.SelectSense(-1);
    EXPECT_EQ(q.Synonyms().size(), 3u);
    EXPECT_EQ(ErrorOf([&] { q.SelectSense(3); }), "Invalid sense number");
    // The pointer of canine to dog names the first word only.
    db.Lookup("canid");
    EXPECT_EQ(WordsOf(q.RelatedByTypes(1u << rtTypes)), std::vector<std::string>{"dog"});
}

TEST_F(LexDatabaseTest, NearestEntriesSurroundTheWord)
{
    TLexFileGuard guard(db);
    std::vector<TNearEntry> list;
    const int at = db.Index().NearestEntries(list, 500, "dogg");
    ASSERT_EQ(list.size(), 20u); // every headword of the small database
    EXPECT_TRUE(std::is_sorted(list.begin(), list.end(), [](const auto &a, const auto &b) {
        return a.SearchKey < b.SearchKey;
    }));
    EXPECT_EQ(list[at].SearchKey, "DOMESTICDOG");
    EXPECT_EQ(list[at - 1].SearchKey, "DOG");
}

TEST(TWordLookup, MergingWordsUnitesRegionsAndIntersectsRegisters)
{
    using namespace WordUtils;
    struct TCase
    {
        std::uint32_t a, b, merged;
    } cases[] = {{FlagBrit, 0, 0},
                 {FlagBrit, FlagCan, FlagBrit | FlagCan},
                 {FlagBrit, FlagUS, 0},
                 {FlagVulgar | FlagBrit, FlagVulgar, FlagVulgar | FlagBrit},
                 {FlagVulgar, FlagOffensive, 0}};
    for (const TCase &c : cases) {
        std::vector<TSynsetWord> list{{"a", 0}, {"x", c.a}};
        TWordLookup::MergeWord(list, {"x", c.b});
        TWordLookup::MergeWord(list, {"m", 0});
        ASSERT_EQ(WordsOf(list), (std::vector<std::string>{"a", "m", "x"}));
        EXPECT_EQ(list[2].Flags, c.merged) << c.a << " " << c.b;
    }
}

TEST(TSynset, SelectHeadwordKeepsItsPointersAndRefusesStrangers)
{
    TSynset s;
    s.ParseText("Rock 'n' roll;rock^A;rock-and-roll:music\nex one\nex two");
    s.Pointers = {{0, 5, 0, 0}, {1, 5, 1, 0}, {2, 5, 2, 0}};
    s.SelectHeadword("rock n roll");
    EXPECT_EQ(s.Headword, "Rock 'n' roll");
    EXPECT_EQ(WordsOf(s.Words), (std::vector<std::string>{"rock", "rock-and-roll"}));
    EXPECT_EQ(s.Words[0].Flags, WordUtils::FlagUS);
    ASSERT_EQ(s.Pointers.size(), 2u);
    EXPECT_EQ(s.Pointers[1].Type, 1);
    EXPECT_EQ(s.Examples.size(), 2u);
    try {
        s.SelectHeadword("cat");
        FAIL();
    } catch (const ELexKeyWordError &e) {
        EXPECT_STREQ(e.what(), "Key does not exist in synset");
    }
}

// Damaged files: each gives its error, never a crash or a read outside the file.
TEST_F(LexDatabaseTest, DamagedFilesGiveErrors)
{
    const std::string good = file.Bytes();
    auto put32 = [](std::string &b, std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b[at + i] = char(v >> (8 * i));
    };
    const std::size_t trailer = good.size() - 44;
    db.Open();
    const std::uint32_t directory = db.Trailer().DirectoryStart;
    struct TCase
    {
        const char *name;
        std::function<void(std::string &)> damage;
        const char *error;
    };
    const TCase cases[] = {
        {"truncated", [](std::string &b) { b.resize(30); }, "Invalid word explorer database file"},
        {"index past directory", [&](std::string &b) { put32(b, trailer, directory + 1); },
         "Invalid word explorer database file"},
        {"directory past end", [&](std::string &b) { put32(b, trailer + 4, 0x7FFFFFFF); },
         "Invalid word explorer database file"},
        {"sections backwards", [&](std::string &b) { put32(b, trailer + 8, 0xFFFFFF); },
         "Invalid word explorer database file"},
        {"bucket overrun", [&](std::string &b) { b[directory] = char(255); },
         "Invalid word index directory"},
        {"cut in the directory", [&](std::string &b) { b.resize(directory + 300); },
         "Invalid word explorer database file"},
    };
    for (const TCase &c : cases) {
        std::string bytes = good;
        c.damage(bytes);
        file.Write(bytes);
        TLexDatabase damaged;
        damaged.SetFileName(file.Path().toStdString());
        EXPECT_EQ(ErrorOf([&] { damaged.Lookup("dog"); }), c.error) << c.name;
    }

    // A pointer aimed past every section.
    file.Write(good);
    db.Lookup("dog");
    const TSynset &dog = *db.Query().Senses()[0];
    const std::uint32_t target = dog.Pointers[0].Target;
    const char old[3] = {char(target), char(target >> 8), char(target >> 16)};
    std::string bytes = good;
    const std::size_t at = bytes.find(std::string(old, 3), std::size_t(dog.Offset));
    ASSERT_LT(at, std::size_t(dog.Offset) + 8);
    bytes.replace(at, 3, "\xff\xff\x7f");
    file.Write(bytes);
    TLexDatabase damaged;
    damaged.SetFileName(file.Path().toStdString());
    EXPECT_EQ(ErrorOf([&] { damaged.Lookup("dog"); }), "Invalid database pointer");
    EXPECT_EQ(ErrorOf([&] { damaged.ReadSense(0); }), "Invalid database pointer");
}

TEST(TIndexDiskRec, CountsThatDisagreeWithTheHeadwordsAreAnIndexError)
{
    TDataCompressor tokens;
    TIndexRec a{"cat", "", 1, {10}, "", 0}, b{"dog", "x", 2, {20, 30}, "", 0};
    std::string block = EncodeIndexBlock({a, b}, tokens);
    TIndexDiskRec rec;
    rec.Decode(reinterpret_cast<const std::uint8_t *>(block.data()), block.size(), tokens);
    ASSERT_EQ(rec.Entries().size(), 2u);
    EXPECT_EQ(rec.Entries()[1].Pointers, (std::vector<std::uint32_t>{20, 30}));
    EXPECT_EQ(rec.Entries()[1].Info, "x");

    const std::string extraHeadword = std::string("cat;dog;eel\0;x;\0", 16) + block.substr(11);
    const std::string shortPointers = block.substr(0, block.size() - 2);
    for (const std::string &bad : {extraHeadword, shortPointers}) {
        EXPECT_EQ(ErrorOf([&] {
                      rec.Decode(reinterpret_cast<const std::uint8_t *>(bad.data()), bad.size(),
                                 tokens);
                  }),
                  "Word index error");
    }
}

TEST(TLexDatabase, FileNameIsFixedWhileTheFileIsOpen)
{
    SmallLexFile file;
    TLexDatabase db;
    db.SetFileName(file.Path().toStdString());
    {
        TLexFileGuard guard(db);
        EXPECT_EQ(ErrorOf([&] { db.SetFileName("other.lex"); }),
                  "Cannot change open database file");
    }
    db.SetFileName((file.Path() + ".missing").toStdString());
    EXPECT_NE(ErrorOf([&] { db.Lookup("dog"); }).find("Cannot open file"), std::string::npos);
}

TEST(TLexWriter, SameInputSameBytes)
{
    EXPECT_EQ(SmallLexWriter().Build(), SmallLexWriter().Build());
}

} // namespace
