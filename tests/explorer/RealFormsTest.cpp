// The built cz.lex speaks right English: inflected forms lead to their headwords, synonyms are
// inflected into real forms, and quotations, labels and relations show what they should.
#include "LexDatabase.h"

#include <gtest/gtest.h>

#include <QFile>

#include <algorithm>
#include <cstring>
#include <set>

using namespace WordUtils;

namespace {

const std::string LexFile = TOLVANE_APP_DIR "/cz.lex";

class RealFormsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFile::exists(QString::fromStdString(LexFile))) << "build the data first";
        db.SetFileName(LexFile);
        db.Open();
        db.Morpher().British = false;
    }
    // Headwords (lower case) with their parts of speech that a lookup shows.
    std::set<std::pair<int, std::string>> Found(const std::string &word)
    {
        db.Lookup(word);
        std::set<std::pair<int, std::string>> found;
        for (const auto &s : db.Query().Senses())
            found.emplace(s->PartOfSpeech, Lower(s->Headword));
        return found;
    }
    std::vector<std::string> Synonyms(const std::string &word)
    {
        db.Lookup(word);
        std::vector<std::string> out;
        for (const TSynsetWord &w : db.Query().Synonyms())
            out.push_back(w.Word);
        return out;
    }
    static std::string Lower(std::string s)
    {
        std::transform(s.begin(), s.end(), s.begin(),
                       [](unsigned char c) { return char(std::tolower(c)); });
        return s;
    }
    TLexDatabase db;
};

bool Has(const std::vector<std::string> &list, const std::string &word)
{
    return std::find(list.begin(), list.end(), word) != list.end();
}

TEST_F(RealFormsTest, InflectedFormsFindTheirHeadwords)
{
    const struct
    {
        const char *form;
        int pos;
        const char *headword;
    } cases[] = {{"worked", 1, "work"},
                 {"showed", 1, "show"},
                 {"learned", 1, "learn"},
                 {"burned", 1, "burn"},
                 {"dreamed", 1, "dream"},
                 {"leaned", 1, "lean"},
                 {"proved", 1, "prove"},
                 {"melted", 1, "melt"},
                 {"blessed", 1, "bless"},
                 {"addressed", 1, "address"},
                 {"dived", 1, "dive"},
                 {"hanged", 1, "hang"},
                 {"hung", 1, "hang"},
                 {"lighted", 1, "light"},
                 {"lit", 1, "light"},
                 {"lied", 1, "lie"},
                 {"lay", 1, "lie"},
                 {"pleaded", 1, "plead"},
                 {"sneaked", 1, "sneak"},
                 {"being", 1, "be"},
                 {"wrought", 1, "work"},
                 {"putting", 1, "put"},
                 {"putted", 1, "putt"},
                 {"benefited", 1, "benefit"},
                 {"benefitted", 1, "benefit"},
                 {"women", 0, "woman"},
                 {"firemen", 0, "fireman"},
                 {"policemen", 0, "policeman"},
                 {"gentlemen", 0, "gentleman"},
                 {"spokeswomen", 0, "spokeswoman"},
                 {"psychoanalyses", 0, "psychoanalysis"},
                 {"better", 3, "well"},
                 {"best", 3, "well"},
                 {"gave up the ghost", 1, "give-up the ghost"}};
    for (const auto &c : cases)
        EXPECT_TRUE(Found(c.form).count({c.pos, c.headword})) << c.form << " -> " << c.headword;
}

TEST_F(RealFormsTest, InflectedSynonymsAreRealEnglish)
{
    const struct
    {
        const char *word;
        std::vector<std::string> shown, notShown;
    } cases[] = {
        {"placed", {"put", "set"}, {"putted", "setted"}},
        {"took", {"read"}, {"readed"}},
        {"made", {"hit"}, {"hitted"}},
        {"cancelled", {"offset"}, {"offsetted"}},
        {"ran", {"worked", "melted down"}, {"wrought", "molten down", "cutted"}},
        {"running", {"being given"}, {"bing given"}},
        {"ladies", {"noblewomen", "gentlewomen"}, {"noblewomans", "gentlewomans"}},
        {"went", {"gave-up the ghost"}, {"give-uped the ghost"}},
        {"hopped", {"hop-skipped"}, {"hop-skiped"}},
    };
    for (const auto &c : cases) {
        const std::vector<std::string> synonyms = Synonyms(c.word);
        for (const std::string &w : c.shown)
            EXPECT_TRUE(Has(synonyms, w)) << c.word << " lacks " << w;
        for (const std::string &w : c.notShown)
            EXPECT_FALSE(Has(synonyms, w)) << c.word << " shows " << w;
    }
}

TEST_F(RealFormsTest, TheRulesGiveRightFormsAndHeadings)
{
    TWordMorpher &m = db.Morpher();
    const struct
    {
        const char *word;
        int kind;
        const char *american, *british;
    } cases[] = {{"set", fkPast, "set", "set"},
                 {"read", fkPastParticiple, "read", "read"},
                 {"be", fkPresentParticiple, "being", "being"},
                 {"work", fkPast, "worked", "worked"},
                 {"show", fkPastParticiple, "shown", "shown"},
                 {"hang", fkPast, "hung", "hung"},
                 {"benefit", fkPast, "benefited", "benefitted"},
                 {"worship", fkPresentParticiple, "worshiping", "worshipping"},
                 {"stop", fkPast, "stopped", "stopped"},
                 {"hop", fkPast, "hopped", "hopped"},
                 {"spoon-feed", fkPast, "spoon-fed", "spoon-fed"},
                 {"sheep", fkPlural, "sheep", "sheep"},
                 {"series", fkPlural, "series", "series"},
                 {"species", fkPlural, "species", "species"},
                 {"aircraft", fkPlural, "aircraft", "aircraft"},
                 {"news", fkPlural, "news", "news"},
                 {"crossroads", fkPlural, "crossroads", "crossroads"},
                 {"ft", fkPlural, "ft", "ft"},
                 {"psychoanalysis", fkPlural, "psychoanalyses", "psychoanalyses"},
                 {"noblewoman", fkPlural, "noblewomen", "noblewomen"},
                 {"con man", fkPlural, "con men", "con men"},
                 {"human", fkPlural, "humans", "humans"},
                 {"bus", fkPlural, "buses", "buses"},
                 {"well", fkComparative, "better", "better"}};
    for (const auto &c : cases) {
        m.British = false;
        EXPECT_EQ(m.Inflect(c.word, c.kind), c.american) << c.word << " " << c.kind;
        m.British = true;
        EXPECT_EQ(m.Inflect(c.word, c.kind), c.british) << c.word << " " << c.kind;
    }
    m.British = false;
    EXPECT_EQ(m.FormsText("set", 1), "set,setting,sets");
    EXPECT_EQ(m.FormsText("work", 1), "worked,working,works, also wrought");
}

TEST_F(RealFormsTest, QuotationsKeepTheirAuthors)
{
    const std::pair<const char *, const char *> cases[] = {{"abstemious", "\" - John Galsworthy"},
                                                           {"golden rule", "\" (Matthew 7:12)"}};
    for (const auto &[word, tail] : cases) {
        db.Lookup(word);
        bool kept = false;
        for (const auto &s : db.Query().Senses())
            for (const std::string &e : s->Examples)
                kept |=
                    e.size() > std::strlen(tail) && e.rfind(tail) == e.size() - std::strlen(tail);
        EXPECT_TRUE(kept) << word;
    }
}

TEST_F(RealFormsTest, DialectLabelsComeFromTheWordsOnly)
{
    const struct
    {
        const char *word;
        std::uint32_t regions; // expected regional flags of the headword in its first sense
    } cases[] = {{"Toronto", 0}, {"curling", 0},      {"shamanism", 0},
                 {"husky", 0},   {"parky", FlagBrit}, {"zebra crossing", FlagBrit}};
    for (const auto &c : cases) {
        db.Lookup(c.word);
        std::uint32_t regions = 0;
        for (const auto &s : db.Query().Senses())
            regions |= s->HeadwordFlags & RegionalFlags;
        EXPECT_EQ(regions, c.regions) << c.word;
    }
}

TEST_F(RealFormsTest, RelationTabsAndWordsThatCanBeShown)
{
    const struct
    {
        const char *word;
        int relation;
        bool offered;
    } tabs[] = {{"avenged", rtParticiple, false}, {"love", rtDerived, true}};
    for (const auto &t : tabs) {
        db.Lookup(t.word);
        const bool offered = db.Query().AvailableRelations() & (1u << t.relation);
        EXPECT_EQ(offered, t.offered) << t.word;
        if (offered)
            EXPECT_FALSE(db.Query().RelatedByTypes(1u << t.relation).empty()) << t.word;
    }
    // Two word-to-word pointers into one sense give both words.
    const std::pair<const char *, std::vector<std::string>> derived[] = {
        {"Shakespeare", {"Shakespearean", "Shakespearian"}}, {"love", {"lovable", "loveable"}}};
    for (const auto &[word, expected] : derived) {
        db.Lookup(word);
        std::vector<std::string> words;
        for (const TSynsetWord &w : db.Query().RelatedByTypes(1u << rtDerived))
            words.push_back(w.Word);
        for (const std::string &w : expected)
            EXPECT_TRUE(Has(words, w)) << word << " lacks " << w;
    }

    db.Lookup("axes");
    std::vector<std::string> headwords;
    for (const auto &s : db.Query().Senses())
        headwords.push_back(s->Headword);
    const auto lower = std::find(headwords.begin(), headwords.end(), "axis");
    EXPECT_LT(lower, std::find(headwords.begin(), headwords.end(), "Axis"));
    db.Lookup("it's");
    for (const auto &s : db.Query().Senses())
        EXPECT_NE(s->Headword, "IT");
}

TEST_F(RealFormsTest, DeepLevelsOfALargeHierarchyGrow)
{
    db.Lookup("entity");
    bool more = false;
    std::size_t previous = 0;
    for (int depth = 1; depth <= 8; ++depth) {
        const std::size_t words = db.Query().RelatedByLevels(rtTypes, depth, more).size();
        EXPECT_GT(words, previous) << depth;
        previous = words;
    }
    EXPECT_GT(previous, 20000u);
}

} // namespace
