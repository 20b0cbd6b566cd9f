#include "EntryText.h"

#include <gtest/gtest.h>

using namespace EntryText;

TEST(EntrySplit, SkipsEmptyPieces)
{
    EXPECT_EQ(Split(QStringLiteral("a##b#")), QStringList({"a", "b"}));
    EXPECT_EQ(Split(QStringLiteral("a#bc")), QStringList({"a", "bc"}));
    EXPECT_EQ(Split(QStringLiteral("#x#")), QStringList({"x"}));
    EXPECT_TRUE(Split(QStringLiteral("###")).isEmpty());
    EXPECT_TRUE(Split(QString()).isEmpty());
}

TEST(EntrySplit, EntryWithoutSeparatorIsOneItem)
{
    // A one-word group must not vanish from list style while wrap style shows it.
    EXPECT_EQ(Split(QStringLiteral("solo")), QStringList({"solo"}));
    EXPECT_EQ(Join(QStringLiteral("solo")), QStringLiteral("solo"));
}

TEST(EntryJoin, EverySeparatorBecomesCommaSpace)
{
    EXPECT_EQ(Join(QStringLiteral("new york#big apple")), QStringLiteral("new york, big apple"));
    EXPECT_EQ(Join(QStringLiteral("a##b")), QStringLiteral("a, , b"));
    EXPECT_TRUE(Join(QString()).isEmpty());
}

namespace {
QString WordAt(const QString &text, int caret)
{
    const auto [start, end] = WordBounds(text, caret);
    EXPECT_LE(start, caret);
    return TrimControls(text.mid(start, end - start));
}
} // namespace

TEST(WordUnderCaret, OnlyNulAndCommaDelimit)
{
    const QString text = QStringLiteral("new york, big apple");
    EXPECT_EQ(WordAt(text, 0), QStringLiteral("new york"));
    EXPECT_EQ(WordAt(text, 4), QStringLiteral("new york")); // inside the second word of a phrase
    EXPECT_EQ(WordAt(text, 12), QStringLiteral("big apple"));
    EXPECT_EQ(WordAt(text, 16), QStringLiteral("big apple"));
}

TEST(WordUnderCaret, CaretNextToTheComma)
{
    const QString text = QStringLiteral("new york, big apple");
    EXPECT_EQ(WordAt(text, 8), QStringLiteral("new york"));  // directly after the word
    EXPECT_EQ(WordAt(text, 9), QStringLiteral("big apple")); // in the space after the comma
    EXPECT_EQ(WordAt(text, 10), QStringLiteral("big apple"));
}

TEST(WordUnderCaret, TextEdges)
{
    EXPECT_EQ(WordAt(QStringLiteral("cat, hat"), 8), QStringLiteral("hat")); // at the end
    EXPECT_EQ(WordAt(QStringLiteral("cat"), 99), QStringLiteral("cat"));     // beyond the end
    EXPECT_EQ(WordAt(QString(), 0), QString());
    EXPECT_EQ(WordAt(QStringLiteral(",,"), 1), QString());
}

TEST(TrimControls, RemovesCodesUpToSpaceOnly)
{
    EXPECT_EQ(TrimControls(QStringLiteral("\t big apple \n")), QStringLiteral("big apple"));
    EXPECT_EQ(TrimControls(QStringLiteral("\u00A0x")), QStringLiteral("\u00A0x"));
}
