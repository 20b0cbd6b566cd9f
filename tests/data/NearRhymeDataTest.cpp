// Near rhymes of the built data, judged the way a songwriter would: the obvious ones come early
// and no perfect rhyme is offered as a near one.
#include "DIAnsiStringHash.h"
#include "NearRhymes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

const QString kAppDir = QStringLiteral(TOLVANE_APP_DIR "/");

class NearRhymeData : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NO_THROW(rdict.LoadFromFile(kAppDir + "rdict.dat"));
        ASSERT_NO_THROW(nearData.LoadFromFile(kAppDir + "near.dat"));
    }

    std::vector<std::string> Near(const std::string &word) const
    {
        return TNearRhymes(nearData).Lookup(NearRhymes::GroupKeysOf(rdict, word),
                                            TNearRhymes::kListed);
    }

    // Every word filed in a group of word's pronunciations.
    std::set<std::string> PerfectRhymes(const std::string &word) const
    {
        std::set<std::string> out;
        for (const std::string &key : NearRhymes::GroupKeysOf(rdict, word)) {
            const std::string list(rdict.Lookup(key));
            std::size_t begin = 0;
            while (begin < list.size()) {
                const std::size_t end = std::min(list.find('#', begin), list.size());
                out.insert(list.substr(begin, end - begin));
                begin = end + 1;
            }
        }
        return out;
    }

    TDIAnsiStringHash rdict, nearData;
};

} // namespace

TEST_F(NearRhymeData, ObviousNearRhymesComeEarlyAndPerfectOnesNever)
{
    struct TCase
    {
        const char *word, *nearRhyme;
        std::size_t within; // among the first this many
    };
    const TCase cases[] = {
        {"love", "enough", 10},  {"love", "stuff", 10},      {"time", "line", 20},
        {"time", "mine", 20},    {"orange", "porridge", 10}, {"orange", "storage", 10},
        {"silver", "river", 20}, {"silver", "deliver", 20},  {"purple", "circle", 20},
        {"month", "once", 20},   {"month", "done", 30},      {"home", "alone", 20},
        {"home", "phone", 20},
    };
    for (const TCase &c : cases) {
        const std::vector<std::string> found = Near(c.word);
        const auto at = std::find(found.begin(), found.end(), c.nearRhyme);
        EXPECT_LT(static_cast<std::size_t>(at - found.begin()), c.within)
            << c.word << " -> " << c.nearRhyme;
        const std::set<std::string> perfect = PerfectRhymes(c.word);
        ASSERT_FALSE(perfect.empty()) << c.word;
        for (const std::string &word : found)
            EXPECT_FALSE(perfect.count(word)) << c.word << ": " << word << " rhymes perfectly";
        EXPECT_EQ(std::set<std::string>(found.begin(), found.end()).size(), found.size())
            << c.word << ": a word listed twice";
    }
}
