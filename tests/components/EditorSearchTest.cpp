#include "EditorSearch.h"

#include <gtest/gtest.h>

#include <QPlainTextDocumentLayout>
#include <QTextDocument>

#include <utility>

namespace {
using TRange = std::pair<int, int>;

TRange RangeOf(const QTextCursor &cursor)
{
    if (cursor.isNull())
        return {-1, -1};
    return {cursor.selectionStart(), cursor.selectionEnd()};
}

constexpr TRange NotFound{-1, -1};
} // namespace

class EditorSearchTest : public ::testing::Test
{
protected:
    void SetText(const QString &text)
    {
        document.setDocumentLayout(new QPlainTextDocumentLayout(&document));
        document.setPlainText(text);
    }
    QTextCursor Caret(int position, int anchor = -1) const
    {
        QTextCursor cursor(const_cast<QTextDocument *>(&document));
        cursor.setPosition(anchor < 0 ? position : anchor);
        if (anchor >= 0)
            cursor.setPosition(position, QTextCursor::KeepAnchor);
        return cursor;
    }
    TRange Find(const QTextCursor &caret, const QString &text, TSearchOptions options = {}) const
    {
        return RangeOf(
            TEditorSearch(const_cast<QTextDocument *>(&document)).Find(caret, text, options));
    }

    QTextDocument document;
};

TEST_F(EditorSearchTest, DownWalksFromTheCaretThroughParagraphsAndStopsAtTheEnd)
{
    SetText(QStringLiteral("cat hat cat\ncat"));
    TEditorSearch search(&document);
    QTextCursor found = search.Find(Caret(1), QStringLiteral("cat"), {});
    EXPECT_EQ(RangeOf(found), TRange(8, 11)) << "starts at the caret, not at the top";
    found = search.Find(found, QStringLiteral("cat"), {});
    EXPECT_EQ(RangeOf(found), TRange(12, 15)) << "continues after the selected match";
    EXPECT_EQ(RangeOf(search.Find(found, QStringLiteral("cat"), {})), NotFound)
        << "does not wrap round to the top";
}

TEST_F(EditorSearchTest, UpWalksBackFromTheSelectionStartAndStopsAtTheStart)
{
    SetText(QStringLiteral("cat hat cat\ncat"));
    const TSearchOptions up{false, false, false};
    TEditorSearch search(&document);
    QTextCursor found = search.Find(Caret(15, 12), QStringLiteral("cat"), up);
    EXPECT_EQ(RangeOf(found), TRange(8, 11)) << "the selected match itself is skipped";
    found = search.Find(found, QStringLiteral("cat"), up);
    EXPECT_EQ(RangeOf(found), TRange(0, 3));
    EXPECT_EQ(RangeOf(search.Find(found, QStringLiteral("cat"), up)), NotFound);
}

TEST_F(EditorSearchTest, UpIgnoresAMatchRunningOverTheCaret)
{
    SetText(QStringLiteral("abcabc"));
    EXPECT_EQ(Find(Caret(5), QStringLiteral("abc"), {false, false, false}), TRange(0, 3));
    EXPECT_EQ(Find(Caret(0), QStringLiteral("abc"), {false, false, false}), NotFound);
}

TEST_F(EditorSearchTest, MatchCaseAndWholeWord)
{
    SetText(QStringLiteral("Love lovely love"));
    EXPECT_EQ(Find(Caret(0), QStringLiteral("love")), TRange(0, 4));
    EXPECT_EQ(Find(Caret(0), QStringLiteral("love"), {true, true, false}), TRange(5, 9));
    EXPECT_EQ(Find(Caret(0), QStringLiteral("love"), {true, true, true}), TRange(12, 16));
    EXPECT_EQ(Find(Caret(0), QStringLiteral("LOVE"), {true, true, false}), NotFound);
    EXPECT_EQ(Find(Caret(0), QString()), NotFound);
}

TEST_F(EditorSearchTest, WholeWordsAtParagraphStartAndEnd)
{
    SetText(QStringLiteral("glove\nlove\nloves\nsweet love"));
    const TSearchOptions whole{true, false, true};
    TEditorSearch search(&document);
    QTextCursor found = search.Find(Caret(0), QStringLiteral("love"), whole);
    EXPECT_EQ(RangeOf(found), TRange(6, 10)) << "a paragraph on its own is a whole word";
    found = search.Find(found, QStringLiteral("love"), whole);
    EXPECT_EQ(RangeOf(found), TRange(23, 27)) << "the last word of the document";
    const TSearchOptions wholeUp{false, false, true};
    EXPECT_EQ(Find(Caret(17), QStringLiteral("loves"), wholeUp), TRange(11, 16));
}

TEST_F(EditorSearchTest, ReplaceReplacesOnlyASelectedMatchThenSelectsTheNext)
{
    SetText(QStringLiteral("dove love dove"));
    TEditorSearch search(&document);
    bool replaced = true;
    QTextCursor next =
        search.Replace(Caret(9, 5), QStringLiteral("dove"), QStringLiteral("glove"), {}, &replaced);
    EXPECT_FALSE(replaced) << "the selection is not a match";
    EXPECT_EQ(document.toPlainText(), QStringLiteral("dove love dove"));
    EXPECT_EQ(RangeOf(next), TRange(10, 14)) << "the next match is found instead";

    next = search.Replace(next, QStringLiteral("dove"), QStringLiteral("glove"), {}, &replaced);
    EXPECT_TRUE(replaced);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("dove love glove"));
    EXPECT_EQ(RangeOf(next), NotFound) << "nothing after the last match";
}

TEST_F(EditorSearchTest, ReplaceHonoursCaseWholeWordAndDirection)
{
    SetText(QStringLiteral("Love love lovely"));
    TEditorSearch search(&document);
    bool replaced = true;
    search.Replace(Caret(4, 0), QStringLiteral("love"), QStringLiteral("x"), {true, true, false},
                   &replaced);
    EXPECT_FALSE(replaced) << "\"Love\" is no match when the case must match";
    search.Replace(Caret(16, 10), QStringLiteral("love"), QStringLiteral("x"), {true, false, true},
                   &replaced);
    EXPECT_FALSE(replaced) << "\"lovely\" is no whole-word match";

    const QTextCursor previous =
        search.Replace(Caret(9, 5), QStringLiteral("love"), QStringLiteral("dove"),
                       {false, false, false}, &replaced);
    EXPECT_TRUE(replaced);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("Love dove lovely"));
    EXPECT_EQ(RangeOf(previous), TRange(0, 4)) << "searching up goes on before the replacement";
}

TEST_F(EditorSearchTest, ReplaceAllEndsWhenTheReplacementHoldsTheText)
{
    SetText(QStringLiteral("a ba\na"));
    TEditorSearch search(&document);
    EXPECT_EQ(search.ReplaceAll(QStringLiteral("a"), QStringLiteral("aa"), {}), 3);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("aa baa\naa"));
}

TEST_F(EditorSearchTest, ReplaceAllCoversTheWholeDocumentAsOneUndoStep)
{
    SetText(QStringLiteral("love dove\nLove lovely love"));
    TEditorSearch search(&document);
    // Whatever the direction, from the top to the end.
    EXPECT_EQ(
        search.ReplaceAll(QStringLiteral("love"), QStringLiteral("heart"), {false, false, true}),
        3);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("heart dove\nheart lovely heart"));
    document.undo();
    EXPECT_EQ(document.toPlainText(), QStringLiteral("love dove\nLove lovely love"));
    EXPECT_FALSE(document.isUndoAvailable()) << "one step undid every replacement";
}

TEST_F(EditorSearchTest, ReplaceAllWithNothingDeletesAndAnEmptySearchChangesNothing)
{
    SetText(QStringLiteral("la la land"));
    TEditorSearch search(&document);
    EXPECT_EQ(search.ReplaceAll(QString(), QStringLiteral("x"), {}), 0);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("la la land"));
    EXPECT_EQ(search.ReplaceAll(QStringLiteral("la "), QString(), {}), 2);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("land"));
    EXPECT_EQ(search.ReplaceAll(QStringLiteral("sea"), QStringLiteral("x"), {}), 0);
}
