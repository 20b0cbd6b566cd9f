#include "FrameFixture.h"

using PickedWord = FrameFixture;

TEST_F(PickedWord, ReplacesTheWordAtTheCaretWithAttachedPunctuation)
{
    SetText(QStringLiteral("the cat, sat"), 5);
    Dict().SetPickedWord(QStringLiteral("gold"));
    EXPECT_EQ(editor()->toPlainText(), "the gold sat");
    EXPECT_EQ(editor()->textCursor().position(), 8);
    EXPECT_FALSE(editor()->textCursor().hasSelection());
}

TEST_F(PickedWord, CaretAtTheWordsStartOrEndReplacesThatWord)
{
    SetText(QStringLiteral("cat dog"), 4);
    Dict().SetPickedWord(QStringLiteral("fox"));
    EXPECT_EQ(editor()->toPlainText(), "cat fox");
    SetText(QStringLiteral("cat dog"), 3);
    Dict().SetPickedWord(QStringLiteral("owl"));
    EXPECT_EQ(editor()->toPlainText(), "owl dog");
}

TEST_F(PickedWord, AfterTheLastWordAndATrailingSpaceTheLastWordIsReplaced)
{
    SetText(QStringLiteral("first line\nred rose \nnext"), 20);
    Dict().SetPickedWord(QStringLiteral("tulip"));
    EXPECT_EQ(editor()->toPlainText(), "first line\nred tulip \nnext");
}

TEST_F(PickedWord, InAnEmptyParagraphTheWordIsInsertedAtTheCaret)
{
    SetText(QStringLiteral("one\n\ntwo"), 4);
    Dict().SetPickedWord(QStringLiteral("gold"));
    EXPECT_EQ(editor()->toPlainText(), "one\ngold\ntwo");
}

TEST_F(PickedWord, OnlyTheCaretsParagraphIsTouched)
{
    SetText(QStringLiteral("alpha\nbeta"), 6);
    Dict().SetPickedWord(QStringLiteral("gamma"));
    EXPECT_EQ(editor()->toPlainText(), "alpha\ngamma");
}

TEST_F(PickedWord, IsIgnoredWhileTheEditorCannotTakeTheFocus)
{
    SetText(QStringLiteral("cat"), 1);
    editor()->hide();
    Dict().SetPickedWord(QStringLiteral("gold"));
    EXPECT_EQ(editor()->toPlainText(), "cat");
    editor()->show();
    editor()->setEnabled(false);
    Dict().SetPickedWord(QStringLiteral("gold"));
    EXPECT_EQ(editor()->toPlainText(), "cat");
}

TEST_F(PickedWord, IsOneUndoStep)
{
    SetText(QStringLiteral("the cat"), 5);
    Dict().SetPickedWord(QStringLiteral("gold"));
    editor()->undo();
    EXPECT_EQ(editor()->toPlainText(), "the cat");
}
