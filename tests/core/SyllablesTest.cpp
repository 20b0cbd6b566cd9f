#include "Syllables.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(Syllables, CharacterClasses)
{
    const std::string delimiters = std::string(1, '\0') + "\t\n\r !\"#$%'()*+,./:;<=>?@[\\]^_`{|}~";
    for (int ch = 0; ch < 256; ++ch) {
        const bool delimiter = delimiters.find(char(ch)) != std::string::npos;
        EXPECT_EQ(IsWordDelimiter(static_cast<unsigned char>(ch)), delimiter) << ch;
    }
    const std::string vowels = "AEIOUYaeiouy";
    for (int ch = 0; ch < 256; ++ch) {
        const bool vowel = ch != 0 && vowels.find(char(ch)) != std::string::npos;
        EXPECT_EQ(IsSyllableVowel(static_cast<unsigned char>(ch)), vowel) << ch;
    }
}

TEST(Syllables, Words)
{
    const std::pair<const char *, int> cases[] = {
        {"love", 1},        {"loved", 1},     {"fire", 1},     {"the", 1},    {"free", 1},
        {"seed", 1},        {"wanted", 1},    {"created", 1},  {"yellow", 2}, {"rhythm", 1},
        {"you", 1},         {"beautiful", 3}, {"syllable", 2}, {"a", 1},      {"d", 0},
        {"ed", 1},          {"2nd", 0},       {"EYE", 1},      {"LOVE", 2},   {"LOVED", 2},
        {"caf\xc3\xa9", 1}, {"be", 1},        {"bed", 1},      {"need", 1},   {"eded", 1},
    };
    for (const auto &[word, count] : cases)
        EXPECT_EQ(CountWordSyllables(word), count) << word;
}

TEST(Syllables, Lines)
{
    const std::pair<const char *, int> cases[] = {
        {"The fire burned bright.", 4},
        {"Don't stop, o'er the hill", 6},
        {"Shall I compare thee to a summer's day?", 10},
        {"well-known 2nd caf\xc3\xa9", 3},
        {"a,b;c", 1},
        {"", 0},
        {"   ", 0},
        {" ,.!? -- ;", 0},
        {"love love love", 3},
        {"\tloved\r", 1},
        {"rock&roll", 2},
    };
    for (const auto &[line, count] : cases) {
        EXPECT_EQ(CountLineSyllables(std::string_view(line)), count) << line;
        EXPECT_EQ(CountLineSyllables(QString::fromUtf8(line)), count) << line;
    }
}

TEST(Syllables, QStringCharactersBeyondLatin1AreWordCharacters)
{
    // U+2019 (right quote) does not split a word the way the apostrophe does, and a Latin-1
    // vowel-looking character such as U+00E9 is never a vowel.
    EXPECT_EQ(CountLineSyllables(QStringLiteral("love\u2019s")), 2);
    EXPECT_EQ(CountLineSyllables(QStringLiteral("love's")), 1);
    EXPECT_EQ(CountLineSyllables(QStringLiteral("\u00e9t\u00e9")), 0);
    EXPECT_EQ(CountLineSyllables(QStringLiteral("love\u4e2de")), 2);
    EXPECT_EQ(CountLineSyllables(QStringLiteral("lov\u4e2d")), 1);
}

} // namespace
