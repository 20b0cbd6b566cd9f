#include "NearRhymes.h"

#include "DIAnsiStringHash.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(NearRhymes, DistanceOfRhymeParts)
{
    struct TCase
    {
        const char *key, *other;
        int distance;
    };
    const TCase cases[] = {
        {"AH V", "AH V", 0},               // the same sounds
        {"AH V", "AH F", 1},               // voicing only: love, enough
        {"AY M", "AY N", 2},               // place only: time, line
        {"AH V", "AH V Z", 3},             // one consonant more
        {"AO R AH N JH", "AO R AH JH", 3}, // orange, porridge
        {"IH L V ER", "IH V ER", 3},       // silver, river
        {"AH V", "AH", 3},                 // an open syllable
        {"AH V", "AH V AH", -1},           // another number of vowels
        {"AH V", "V", -1},                 // no vowel
        {"AH V", "AH Q", -1},              // not a phoneme
        {"", "AH", -1},
    };
    for (const TCase &c : cases) {
        EXPECT_EQ(NearRhymes::Distance(c.key, c.other), c.distance) << c.key << " / " << c.other;
        EXPECT_EQ(NearRhymes::Distance(c.other, c.key), c.distance) << c.other << " / " << c.key;
    }
}

TEST(NearRhymes, CloserSoundsAreNearer)
{
    struct TCase
    {
        const char *key, *nearer, *farther;
    };
    const TCase cases[] = {
        {"AH V", "AH F", "AH M"},          // fricative for fricative before a nasal
        {"AY M", "AY N", "AY T"},          // nasal for nasal before a stop
        {"AY M", "AY N", "EY M"},          // the rhyming vowel matters most
        {"IY T", "IH T", "AE T"},          // a close vowel for a close one
        {"AE T", "AE K", "AE L"},          // stop for stop: cat, black
        {"OW M", "OW N", "OW M Z AH"},     // home, alone; unaligned is never near
        {"EH R IY", "EH R AH", "AA R IY"}, // an unstressed vowel weighs less
    };
    for (const TCase &c : cases) {
        const int nearer = NearRhymes::Distance(c.key, c.nearer);
        const int farther = NearRhymes::Distance(c.key, c.farther);
        EXPECT_GT(nearer, 0) << c.key << " / " << c.nearer;
        EXPECT_TRUE(farther < 0 || nearer < farther)
            << c.key << ": " << c.nearer << " " << nearer << ", " << c.farther << " " << farther;
    }
}

TEST(NearRhymes, LookupRanksByDistanceThenCommonnessWithoutPerfectRhymes)
{
    TDIWordListWriter writer;
    writer.Add("AH V", "love@10#dove@35#glove@20");
    writer.Add("AH F", "stuff@20#enough@10#scruff@80#dove@35"); // dove: a second pronunciation
    writer.Add("AH Z", "does@10#fuzz@50");
    writer.Add("OW N", "alone@10");
    writer.Add("IY D", "need@10");
    writer.Add("EH D", "bed@10#red@20");
    writer.Add("EY D", "made@10");
    writer.Add("@1", "AH V#AH F#AH Z#OW N#IY D#EH D#EY D");
    TDIAnsiStringHash data;
    data.LoadFromBytes(writer.Bytes());
    const TNearRhymes near(data);

    struct TCase
    {
        std::vector<std::string> keys;
        std::size_t limit;
        std::vector<std::string> expected;
    };
    const TCase cases[] = {
        {{"AH V"}, 10, {"enough", "stuff", "scruff", "does", "fuzz"}},
        {{"AH V"}, 2, {"enough", "stuff"}},
        // Two pronunciations: both groups' words are perfect, each near word at its best.
        {{"EH D", "IY D"}, 10, {"made"}},
        {{"OW N"}, 10, {}},
        {{"AH V AH"}, 10, {}}, // no group of two vowels
        {{}, 10, {}},
    };
    for (const TCase &c : cases)
        EXPECT_EQ(near.Lookup(c.keys, c.limit), c.expected) << (c.keys.empty() ? "" : c.keys[0]);
}

TEST(NearRhymes, GroupKeysOfEveryPronunciationOnce)
{
    TDIWordListWriter writer;
    writer.Add("read", "EH D");
    writer.Add("read(1)", "IY D");
    writer.Add("read(2)", "EH D");
    writer.Add("love", "AH V");
    TDIAnsiStringHash rdict;
    rdict.LoadFromBytes(writer.Bytes());
    EXPECT_EQ(NearRhymes::GroupKeysOf(rdict, "read"), (std::vector<std::string>{"EH D", "IY D"}));
    EXPECT_EQ(NearRhymes::GroupKeysOf(rdict, "love"), (std::vector<std::string>{"AH V"}));
    EXPECT_TRUE(NearRhymes::GroupKeysOf(rdict, "zzzq").empty());
}
