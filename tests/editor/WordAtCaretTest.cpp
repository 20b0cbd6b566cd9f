#include "DictEditor.h"
#include "ParagraphCursor.h"

#include <gtest/gtest.h>

#include <QTextBlock>

namespace {
const QString Separators = TDictEditor::DefaultSeparators();

QString At(const char *text, int position)
{
    return WordAt(QString::fromUtf8(text), position, Separators);
}
} // namespace

TEST(WordAtCaret, InsideAWordGivesTheWholeWord)
{
    EXPECT_EQ(At("the cat sat", 5), "cat");
    EXPECT_EQ(At("the cat sat", 4), "cat");
    EXPECT_EQ(At("love", 0), "love");
}

TEST(WordAtCaret, BetweenWordAndFollowingSeparatorGivesThatWord)
{
    EXPECT_EQ(At("cat dog", 3), "cat");
    EXPECT_EQ(At("cat", 3), "cat");
    EXPECT_EQ(At("cat.", 3), "cat");
}

TEST(WordAtCaret, BetweenSeparatorAndFollowingWordGivesTheFollowingWord)
{
    EXPECT_EQ(At("cat dog", 4), "dog");
    EXPECT_EQ(At("a,dog", 2), "dog");
    EXPECT_EQ(At(" dog", 0), "");
    EXPECT_EQ(At(" dog", 1), "dog");
}

TEST(WordAtCaret, BetweenTwoSeparatorsGivesTheEmptyWord)
{
    EXPECT_EQ(At("cat  dog", 4), "");
    EXPECT_EQ(At("cat, dog", 4), "");
    EXPECT_EQ(At("", 0), "");
}

TEST(WordAtCaret, EverySeparatorOfTheEditorEndsAWord)
{
    for (QChar separator : Separators) {
        const QString text = QStringLiteral("ab") + separator + QStringLiteral("cd");
        EXPECT_EQ(WordAt(text, 1, Separators), "ab") << int(separator.unicode());
        EXPECT_EQ(WordAt(text, 3, Separators), "cd") << int(separator.unicode());
    }
}

TEST(WordAtCaret, OtherPunctuationStaysInTheWord)
{
    EXPECT_EQ(At("don't stop", 1), "don't");
    EXPECT_EQ(At("well-known", 7), "well-known");
    EXPECT_EQ(At("love! now", 2), "love!");
    EXPECT_EQ(At("\"why?\" (she)", 2), "\"why?\"");
    EXPECT_EQ(At("x (she)", 4), "(she)");
}

TEST(WordAtCaret, OutOfRangePositionsAreClamped)
{
    EXPECT_EQ(At("cat dog", 99), "dog");
    EXPECT_EQ(At("cat dog", -3), "cat");
}

TEST(ParagraphCursor, ReadsNulBeyondBothEndsAndStaysInsideTheParagraph)
{
    QTextDocument document(QStringLiteral("first\nab"));
    TParagraphCursor cursor(document.findBlockByNumber(1), 0);
    EXPECT_EQ(cursor.CharBefore(), QChar(u'\0'));
    EXPECT_EQ(cursor.Char(), QChar(u'a'));
    EXPECT_EQ(cursor.DocumentPosition(), 6);
    cursor.Step(5);
    EXPECT_EQ(cursor.Position(), 2);
    EXPECT_EQ(cursor.ParagraphLength(), 2);
    EXPECT_EQ(cursor.Char(), QChar(u'\0'));
    EXPECT_EQ(cursor.CharBefore(), QChar(u'b'));
    cursor.Step(-9);
    EXPECT_EQ(cursor.Position(), 0);
}
