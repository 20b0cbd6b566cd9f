#include "DictEditor.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

namespace {
// A shown editor with a given width, so wrapping has a layout to work with.
struct ShownEditor
{
    explicit ShownEditor(const QString &text, int width = 400)
    {
        editor.resize(width, 300);
        editor.setPlainText(text);
        editor.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&editor));
    }
    TDictEditor editor;
};
} // namespace

TEST(DictEditor, WithoutWrapEveryParagraphIsOneRow)
{
    ShownEditor shown(QStringLiteral("one\n\ntwo three"));
    TDictEditor &e = shown.editor;
    EXPECT_EQ(e.DisplayLineCount(), 3);
    EXPECT_EQ(e.DisplayLine(0), "one");
    EXPECT_EQ(e.DisplayLine(1), "");
    EXPECT_EQ(e.DisplayLine(2), "two three");
    EXPECT_EQ(e.DisplayLine(3), "");
    EXPECT_EQ(e.DisplayLine(-1), "");
}

TEST(DictEditor, WithWrapEveryWrappedPartIsARowOfItsOwn)
{
    const QString paragraph = QStringLiteral("love ").repeated(40).trimmed();
    ShownEditor shown(QStringLiteral("first\n") + paragraph + QStringLiteral("\nlast"), 200);
    TDictEditor &e = shown.editor;
    e.SetWordWrap(true);
    QCoreApplication::processEvents();
    const int rows = e.DisplayLineCount();
    ASSERT_GT(rows, 4);
    EXPECT_EQ(e.DisplayLine(0), "first");
    EXPECT_EQ(e.DisplayLine(rows - 1), "last");
    QString joined;
    for (int row = 1; row < rows - 1; ++row) {
        EXPECT_FALSE(e.DisplayLine(row).isEmpty()) << row;
        joined += e.DisplayLine(row);
    }
    EXPECT_EQ(joined.simplified(), paragraph);

    e.SetWordWrap(false);
    QCoreApplication::processEvents();
    EXPECT_EQ(e.DisplayLineCount(), 3);
    EXPECT_EQ(e.DisplayLine(1), paragraph);
}

TEST(DictEditor, RowAtCaretCountsWrappedRowsBeforeIt)
{
    ShownEditor shown(QStringLiteral("love ").repeated(40) + QStringLiteral("\nend"), 200);
    TDictEditor &e = shown.editor;
    e.SetWordWrap(true);
    QCoreApplication::processEvents();
    e.moveCursor(QTextCursor::End);
    EXPECT_EQ(e.RowAtCaret(), e.DisplayLineCount() - 1);
    EXPECT_GT(e.RowAtCaret(), 1);
}

TEST(DictEditor, InsertKeyTogglesOverwriteWithAWideCaret)
{
    ShownEditor shown(QStringLiteral("cat"));
    TDictEditor &e = shown.editor;
    e.moveCursor(QTextCursor::Start);
    QTest::keyClick(&e, Qt::Key_Insert);
    EXPECT_TRUE(e.overwriteMode());
    EXPECT_GT(e.cursorWidth(), 1);
    QTest::keyClicks(&e, "b");
    EXPECT_EQ(e.toPlainText(), "bat");
    QTest::keyClick(&e, Qt::Key_Insert);
    EXPECT_FALSE(e.overwriteMode());
    EXPECT_EQ(e.cursorWidth(), 1);
    QTest::keyClicks(&e, "r");
    EXPECT_EQ(e.toPlainText(), "brat");
}

TEST(DictEditor, WordAtCaretUsesTheCaretsParagraphOnly)
{
    ShownEditor shown(QStringLiteral("cat\ndog"));
    TDictEditor &e = shown.editor;
    QTextCursor cursor = e.textCursor();
    cursor.setPosition(4);
    e.setTextCursor(cursor);
    EXPECT_EQ(e.WordAtCaret(), "dog");
    cursor.setPosition(3);
    e.setTextCursor(cursor);
    EXPECT_EQ(e.WordAtCaret(), "cat");
}

TEST(DictEditor, ReportsKeysBeforeTheyMoveTheCaretAndReleasesOnce)
{
    ShownEditor shown(QStringLiteral("cat dog"));
    TDictEditor &e = shown.editor;
    e.moveCursor(QTextCursor::End);
    QString wordOnKeyDown;
    QObject::connect(&e, &TDictEditor::KeyDown, &e, [&] { wordOnKeyDown = e.WordAtCaret(); });
    QSignalSpy ups(&e, &TDictEditor::KeyUp);
    QTest::keyClick(&e, Qt::Key_Home);
    EXPECT_EQ(wordOnKeyDown, "dog");
    EXPECT_EQ(e.WordAtCaret(), "cat");
    ASSERT_EQ(ups.count(), 1);
    EXPECT_EQ(ups.at(0).at(0).toInt(), int(Qt::Key_Home));
}

TEST(DictEditor, ModifiedFlagFollowsEditsAndCanBeCleared)
{
    ShownEditor shown(QStringLiteral("cat"));
    TDictEditor &e = shown.editor;
    e.SetModified(false);
    EXPECT_FALSE(e.Modified());
    QTest::keyClicks(&e, "s");
    EXPECT_TRUE(e.Modified());
    e.SetModified(false);
    EXPECT_FALSE(e.Modified());
}

TEST(NavigationKeys, AreThePagingHomeEndAndArrowKeys)
{
    for (int key : {Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Home, Qt::Key_Left,
                    Qt::Key_Up, Qt::Key_Right, Qt::Key_Down})
        EXPECT_TRUE(IsNavigationKey(key)) << key;
    for (int key : {Qt::Key_A, Qt::Key_Space, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return,
                    Qt::Key_Insert, Qt::Key_Tab})
        EXPECT_FALSE(IsNavigationKey(key)) << key;
}

TEST(DictEditor, RowsAreCountedForParagraphsFarOffScreen)
{
    const QString paragraph = QStringLiteral("love ").repeated(30).trimmed();
    QStringList paragraphs;
    for (int i = 0; i < 400; ++i)
        paragraphs << paragraph;
    ShownEditor shown(QString(), 200);
    TDictEditor &e = shown.editor;
    e.SetWordWrap(true);
    e.setPlainText(paragraphs.join(QLatin1Char('\n')));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !e.CountingRows(); }, 30000));
    const int perParagraph = e.document()->firstBlock().layout()->lineCount();
    ASSERT_GT(perParagraph, 1);
    EXPECT_EQ(e.DisplayLineCount(), 400 * perParagraph);
    e.moveCursor(QTextCursor::End);
    EXPECT_EQ(e.RowAtCaret(), 400 * perParagraph - 1);

    e.resize(300, 300); // fewer rows per paragraph at the new width
    QCoreApplication::processEvents();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !e.CountingRows(); }, 30000));
    const int wider = e.document()->lastBlock().layout()->lineCount();
    ASSERT_LT(wider, perParagraph);
    EXPECT_EQ(e.DisplayLineCount(), 400 * wider);
}

TEST(DictEditor, AResizeLaysOutTheViewAtOnceAndTheRestWhenIdle)
{
    const QString paragraph = QStringLiteral("love ").repeated(30).trimmed();
    ShownEditor shown(QString(), 200);
    TDictEditor &e = shown.editor;
    e.SetWordWrap(true);
    e.setPlainText(QStringList(5000, paragraph).join(QLatin1Char('\n')));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !e.CountingRows(); }, 30000));
    QSignalSpy counted(&e, &TDictEditor::RowsCounted);

    e.resize(300, 300);
    QCoreApplication::sendPostedEvents();
    const int perParagraph = e.document()->firstBlock().layout()->lineCount();
    EXPECT_TRUE(e.CountingRows());
    EXPECT_EQ(e.document()->findBlockByNumber(2500).layout()->lineCount(), 0) << "not yet";
    const int lastInView = e.cursorForPosition(QPoint(0, e.viewport()->height() - 1)).blockNumber();
    EXPECT_EQ(e.document()->findBlockByNumber(lastInView).firstLineNumber(),
              lastInView * perParagraph);

    ASSERT_TRUE(QTest::qWaitFor([&] { return !e.CountingRows(); }, 30000));
    EXPECT_EQ(counted.count(), 1);
    EXPECT_EQ(e.DisplayLineCount(), 5000 * perParagraph);
}
