#include "SyllableEntries.h"
#include "CmuDictionary.h"

#include <gtest/gtest.h>

TEST(SyllableEntries, KeepWhatTheRuleGetsWrongAndWordsInParts)
{
    TCmuDictionary cmu;
    cmu.Parse("  \"love\": \"L AH1 V\",\n"            // the rule counts it right: left out
              "  \"table\": \"T EY1 B AH0 L\",\n"     // the rule says 1
              "  \"between\": \"B IH0 T W IY1 N\",\n" // right count, stress on the second
              "  \"read\": \"R EH1 D\",\n"
              "  \"read(2)\": \"R IY1 D\",\n"
              "  \"don't\": \"D OW1 N T\",\n" // the rule would count it in two parts
              "  \"a.d.\": \"EY2 D IY1\",\n"  // never one word in the editor
              "  \"hmm\": \"HH M\",\n");      // no vowel sound
    const auto entries = SyllableEntries(cmu);
    const std::map<std::string, std::string, std::less<>> expected = {
        {"between", "01"}, {"don't", "1"}, {"table", "10"}};
    EXPECT_EQ(entries, expected);
}

TEST(SyllableEntries, EveryPronunciationIsKeptOnceTheDictionarysFirstFirst)
{
    TCmuDictionary cmu;
    cmu.Parse("  \"fire\": \"F AY1 ER0\",\n"
              "  \"fire(2)\": \"F AY1 R\",\n"
              "  \"every\": \"EH1 V ER0 IY0\",\n"
              "  \"every(2)\": \"EH1 V R IY0\",\n"
              "  \"every(3)\": \"EH1 V AH0 R IY0\",\n" // the same stress as the first: once
              "  \"hour\": \"AW1 R\",\n"               // the rule's count, but a second one
              "  \"hour(2)\": \"AW1 ER0\",\n"
              "  \"rain\": \"R EY1 N\",\n" // one count, the rule's: left out
              "  \"rain(2)\": \"R EY1 N\",\n");
    const std::map<std::string, std::string, std::less<>> expected = {
        {"every", "100#10"}, {"fire", "10#1"}, {"hour", "1#10"}};
    EXPECT_EQ(SyllableEntries(cmu), expected);
}
