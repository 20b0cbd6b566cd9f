#include "RhymeKey.h"

#include <gtest/gtest.h>

TEST(GroupKey, SpellsTheUnstressedTailOneWayAndKeepsStressedSoundsExact)
{
    const struct
    {
        const char *phones, *key;
    } cases[] = {
        {"HH EY1 T AH0 D", "EY T AH D"}, // hated
        {"W EY1 T IH0 D", "EY T AH D"},  // waited
        {"HH IY1 T AH0 D", "IY T AH D"}, // heated
        {"F AY1 ER0", "AY R"},           // fire, two syllables
        {"F AY1 R", "AY R"},             // fire, one
        {"F AY1 ER0 IY0", "AY R IY"},    // fiery
        {"S IH1 S T ER0", "IH S T ER"},  // ER after a consonant stays
        {"K AH1 L AH0 R", "AH L ER"},    // an unstressed AH R closing the word
        {"K AE1 R AH0 T", "AE R AH T"},  // R before a vowel is no ER
        {"M IH1 D N AY2 T", "IH D N AY T"},
        {"AH0 B AH1 V", "AH V"},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(GroupKey(c.phones), c.key) << c.phones;
}

TEST(CompoundKey, StartsAtASecondaryStressAfterThePrimary)
{
    EXPECT_EQ(CompoundKey("M IH1 D N AY2 T"), "AY T");
    EXPECT_EQ(CompoundKey("B AH1 T ER0 F L AY2"), "AY");
    EXPECT_EQ(CompoundKey("IH2 N S P AY1 R"), ""); // the secondary stress comes first
    EXPECT_EQ(CompoundKey("N AY1 T"), "");
}

TEST(FiledPronunciations, DropWeakFormsUnlessTheWordHasNoOther)
{
    EXPECT_EQ(FiledPronunciations({"K AE1 N", "K AH0 N"}), std::vector<std::string>{"K AE1 N"});
    EXPECT_EQ(FiledPronunciations({"K AH0 Z"}), std::vector<std::string>{"K AH0 Z"});
}
