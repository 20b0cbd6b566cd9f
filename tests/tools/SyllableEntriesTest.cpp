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
