#include "CmuDictionary.h"
#include "RankedList.h"
#include "RhymeKey.h"

#include <gtest/gtest.h>

TEST(CmuDictionary, ReadsWordsVariantsInOrderAndDropsComments)
{
    TCmuDictionary cmu;
    cmu.Parse("/** @type {{ [word: string]: string }} */\n"
              "export const dictionary = {\n"
              "  \"read(2)\": \"R IY1 D\",\n"
              "  \"read\": \"R EH1 D\",\n"
              "  \"aalborg\": \"AO1 L B AO0 R G # place, danish\",\n"
              "  \"zebra\": \"Z IY1 B R AH0\"\n"
              "}\n");
    ASSERT_NE(cmu.Find("read"), nullptr);
    EXPECT_EQ(*cmu.Find("read"), (std::vector<std::string>{"R EH1 D", "R IY1 D"}));
    EXPECT_EQ(cmu.Find("aalborg")->front(), "AO1 L B AO0 R G");
    EXPECT_EQ(cmu.Find("zebra")->size(), 1u);
    EXPECT_EQ(cmu.Find("read(2)"), nullptr);
    EXPECT_EQ(cmu.Entries().size(), 3u);
}

TEST(CmuDictionary, IgnoresLinesWithoutAPair)
{
    TCmuDictionary cmu;
    cmu.Parse("{\n  \"broken\n  \"empty\": \"\",\n}\n");
    EXPECT_TRUE(cmu.Entries().empty());
}

TEST(GroupKey, StartsAtTheLastPrimaryStress)
{
    EXPECT_EQ(GroupKey("L AH1 V"), "AH V");
    EXPECT_EQ(GroupKey("AH0 B AH1 V"), GroupKey("G L AH1 V"));
    EXPECT_EQ(GroupKey("AO1 R AH0 N JH"), "AO R AH N JH");
    // A later secondary stress does not move the start.
    EXPECT_EQ(GroupKey("F AA1 K S G L AH2 V"), "AA K S G L AH V");
}

TEST(GroupKey, FallsBackToSecondaryStressThenToTheLastVowel)
{
    EXPECT_EQ(GroupKey("EH2 K S AH0 L"), "EH K S AH L");
    EXPECT_EQ(GroupKey("DH AH0"), "AH");
    EXPECT_EQ(GroupKey("HH M M"), "HH M M");
    EXPECT_EQ(GroupKey(""), "");
}

TEST(GroupKey, IsUpperCaseSoItNeverEqualsANormalisedWord)
{
    const std::string key = GroupKey("r eh1 d");
    EXPECT_EQ(key, "EH D");
    EXPECT_EQ(key.find_first_of("abcdefghijklmnopqrstuvwxyz0123456789"), std::string::npos);
}

TEST(CountPhoneSyllables, CountsVowels)
{
    EXPECT_EQ(CountPhoneSyllables("L AH1 V"), 1);
    EXPECT_EQ(CountPhoneSyllables("AO1 R AH0 N JH"), 2);
    EXPECT_EQ(CountPhoneSyllables("HH M"), 0);
}

TEST(RankedList, PutsFewerSyllablesFirstThenAlphabeticalIgnoringCase)
{
    TRankedList list;
    list.Add("above", 2);
    list.Add("shove", 1);
    list.Add("Dove", 1);
    list.Add("glove", 1);
    list.Add("dove", 1);
    EXPECT_EQ(list.Join(), "Dove#dove#glove#shove#above"); // ties in byte order
}

TEST(RankedList, KeepsAnItemOnceWithItsSmallerCount)
{
    TRankedList list;
    list.Add("fire", 2);
    list.Add("tire", 1);
    list.Add("fire", 1);
    EXPECT_EQ(list.Join(), "fire#tire");
    EXPECT_FALSE(list.Empty());
    EXPECT_TRUE(TRankedList().Empty());
    EXPECT_EQ(TRankedList().Join(), "");
}
