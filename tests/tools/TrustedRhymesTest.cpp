// The rhyme keys, pronunciations, ranks and offensive marks that make the lists trustworthy.
#include "OffensiveWords.h"
#include "RankedList.h"
#include "RhymeKey.h"
#include "WordLevels.h"

#include <gtest/gtest.h>

TEST(GroupKey, OneSoundSpelledTwoWaysSharesAKeyOtherVowelsStayApart)
{
    const struct
    {
        const char *a, *b;
        bool same;
    } cases[] = {
        {"HH IY1 R", "N IH1 R", true},                 // here, near
        {"P UW1 R", "SH UH1 R", true},                 // poor, sure
        {"F AA1 L IH0 NG", "K AO1 L IH0 NG", true},    // falling, calling
        {"D AO1 G", "F R AA1 G", true},                // dog, frog
        {"S T IY1 R IH0 NG", "HH IH1 R IH0 NG", true}, // steering, hearing
        {"F AO1 R", "F AA1 R", false},                 // for, far: AO before R stays
        {"HH EY1 T AH0 D", "HH IY1 T AH0 D", false},   // hated, heated
        {"B IH1 T", "B IY1 T", false},                 // bit, beat: only before R
        {"P UH1 T", "B UW1 T", false},                 // put, boot
    };
    for (const auto &c : cases)
        EXPECT_EQ(GroupKey(c.a) == GroupKey(c.b), c.same) << c.a << " / " << c.b;
    EXPECT_EQ(CompoundKey("W AO1 T ER0 F AO2 L"), "AA L"); // waterfall meets ball and doll
}

TEST(WithSpellingStress, AFinalWeakEndingAfterThePrimaryStressIsUnstressed)
{
    const struct
    {
        const char *word, *phones, *key;
    } cases[] = {
        {"artsy", "AA1 R T S IY1", "AA R T S IY"},
        {"feta", "F EH1 T AA2", "EH T AA"},
        {"companies", "K AH1 M P AH0 N IY2 Z", "AH M P AH N IY Z"},
        {"nestle", "N EH1 S L IY1", "EH S L IY"},
        {"butterfly", "B AH1 T ER0 F L AY2", "AH T ER F L AY"}, // AY is no weak -y
        {"july", "JH UW0 L AY1", "AY"},                         // no primary before it
        {"voila", "V W AA2 L AA1", "AA"},
        {"sunday", "S AH1 N D EY2", "AH N D EY"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(GroupKey(WithSpellingStress(c.word, c.phones)), c.key) << c.word;
    EXPECT_EQ(CompoundKey(WithSpellingStress("feta", "F EH1 T AA2")), "");
    EXPECT_EQ(CompoundKey(WithSpellingStress("sunday", "S AH1 N D EY2")), "EY");
}

TEST(IsReducedForm, ADroppedConsonantOrAWeakenedVowelOnly)
{
    const struct
    {
        const char *variant, *full;
        bool reduced;
    } cases[] = {
        {"M OW1 S", "M OW1 S T", true},                // most
        {"W IY1 K IH2 N D", "W IY1 K EH2 N D", true},  // weekend
        {"K L OW1 Z", "K L OW1 S", false},             // close: another consonant
        {"AO1 F T AH0 N", "AO1 F AH0 N", false},       // often: one more sound
        {"F AE1 M L IY0", "F AE1 M AH0 L IY0", false}, // family: a vowel dropped
        {"R IY1 D", "R EH1 D", false},                 // read: another full vowel
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsReducedForm(c.variant, c.full), c.reduced) << c.variant;
}

TEST(WordLevels, CommonSpellingsRankFirstAndAbbreviationsAreNoWords)
{
    TWordLevels levels;
    levels.AddList("love\nlove's\n", "words", 10);
    levels.AddList("shove\nlove\n", "words", 35);
    levels.AddList("Paris\n", "proper-names", 50);
    levels.AddList("gov\napprox\nmass\n", "abbreviations", 50);
    levels.AddList("mass\n", "words", 20);
    EXPECT_EQ(levels.Level("love"), 10);
    EXPECT_EQ(levels.Level("shove"), 35);
    EXPECT_EQ(levels.Level("paris"), TWordLevels::kUnknown); // names keep their capital
    EXPECT_EQ(levels.Level("Paris"), 50);
    EXPECT_EQ(levels.Level("Love"), 10);
    EXPECT_EQ(levels.PhraseLevel("shove love"), 35);
    EXPECT_TRUE(levels.IsAbbreviation("gov"));
    EXPECT_FALSE(levels.IsAbbreviation("mass")); // also a word
    EXPECT_TRUE(levels.IsName("paris"));
}

TEST(RankedList, SyllablesThenCommonWordsThenAlphabetOffensiveOnRequest)
{
    TRankedList list;
    list.Add("surprise", 2, 10);
    list.Add("bise", 1, 95);
    list.Add("eyes", 1, 10);
    list.Add("pries", 1, 50);
    list.Add("ais", 1, 95);
    list.Add("slur", 1, 10, true);
    EXPECT_TRUE(list.HasOffensive());
    EXPECT_EQ(list.Join(false), "eyes#pries#ais#bise#surprise");
    EXPECT_EQ(list.Join(true), "eyes#slur#pries#ais#bise#surprise");
}

TEST(OffensiveWords, EverySenseMarkedOrAKnownSlurMarkedInSomeSenses)
{
    // Three usage domains and the synsets that point to them (";u"), the whole synset ("0000")
    // or one word of it ("0200": the second word).
    const std::string nouns =
        "  1 licence\n"
        "06718862 10 n 01 ethnic_slur 0 000 | a slur\n"
        "07124340 10 n 02 obscenity 0 dirty_word 0 000 | a word\n"
        "06717170 10 n 01 disparagement 0 000 | a word\n"
        "10000001 18 n 01 wop 0 001 ;u 06718862 n 0000 | a slur\n"
        "10000002 18 n 02 chink 0 coon 0 001 ;u 06718862 n 0000 | slurs\n"
        "10000003 06 n 01 chink 0 000 | a narrow opening\n"
        "10000004 05 n 01 coon 0 000 | a raccoon\n"
        "10000005 05 n 02 spade 0 jigaboo 0 001 ;u 06718862 n 0200 | slur\n"
        "10000006 06 n 01 spade 0 000 | a tool\n"
        "10000007 06 n 01 stop 0 001 ;u 09999999 n 0000 | not a domain of ours\n"
        // One sense in two domains is still one sense of two.
        "10000008 18 n 01 taco 0 002 ;u 06718862 n 0000 ;u 06717170 n 0000 | slur\n"
        "10000009 13 n 01 taco 0 000 | a tortilla\n"
        "10000010 18 n 01 spic 0 001 ;u 06718862 n 0000 | slur\n";
    TOffensiveWords offensive;
    offensive.AddWordNetData(nouns, 'n');
    offensive.Finish();
    const struct
    {
        const char *text;
        bool offensive;
    } cases[] = {
        {"wop", true},   {"wops", true},    {"Wop's", true},      {"chink", true},
        {"coon", true},  {"jigaboo", true}, {"spade", false},     {"stop", false},
        {"swop", false}, {"think", false},  {"a wop came", true}, {"the stop", false},
        {"taco", false}, {"spices", false}, {"spics", true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(offensive.HasOffensiveWord(c.text), c.offensive) << c.text;
}
