#include "BlockSelection.h"
#include "FrameFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTextBlock>
#include <QTextDocument>

#include <climits>

namespace {

const QString Verse = QStringLiteral("abcdef\na\nabcdefgh");

// --- the block on its own, over a document --------------------------------------------------

TEST(BlockSelectionEdits, PiecesAreTheColumnsOfEveryLineAndNothingOfAShortOne)
{
    QTextDocument text(Verse + QStringLiteral("\nxyz"));
    const TBlockSelection block({3, 5}, {0, 2}); // dragged up and to the left
    EXPECT_EQ(block.Top(), 0);
    EXPECT_EQ(block.Left(), 2);
    EXPECT_EQ(block.Pieces(text), (QStringList{"cde", "", "cde", "z"}));
    // Past the document's end there is nothing.
    EXPECT_EQ(TBlockSelection({2, 0}, {5, 1}).Pieces(text), (QStringList{"a", "x", "", ""}));
}

TEST(BlockSelectionEdits, RemovingIsOneUndoStepThatRestoresTheText)
{
    QTextDocument text(Verse);
    text.clearUndoRedoStacks();
    const TBlockSelection carets = RemoveBlock(text, TBlockSelection({0, 2}, {2, 5}));
    EXPECT_EQ(text.toPlainText(), "abf\na\nabfgh");
    EXPECT_FALSE(carets.HasWidth());
    EXPECT_EQ(carets.Left(), 2);
    EXPECT_EQ(carets.RowCount(), 3);
    text.undo();
    EXPECT_EQ(text.toPlainText(), Verse);
    EXPECT_FALSE(text.isUndoAvailable());
}

TEST(BlockSelectionEdits, OneLineGoesOntoEveryRowAndShortLinesAreFilled)
{
    QTextDocument text(Verse);
    const TBlockSelection carets = ReplaceBlock(text, TBlockSelection({0, 2}, {2, 5}), {"XY"});
    EXPECT_EQ(text.toPlainText(), "abXYf\na XY\nabXYfgh");
    EXPECT_EQ(carets.Left(), 4);
    EXPECT_EQ(carets.RowCount(), 3);
    text.undo();
    EXPECT_EQ(text.toPlainText(), Verse);
}

TEST(BlockSelectionEdits, SeveralLinesGoOnePerRowAndAddParagraphsAtTheEnd)
{
    QTextDocument text(QStringLiteral("abc\ndef"));
    ReplaceBlock(text, TBlockSelection({0, 1}, {1, 2}), {"1", "2", "3", "4"});
    EXPECT_EQ(text.toPlainText(), "a1c\nd2f\n 3\n 4");
    // Fewer lines than rows: the rows below lose their pieces and get nothing.
    QTextDocument other(Verse);
    ReplaceBlock(other, TBlockSelection({0, 0}, {2, 2}), {"1", "2"});
    EXPECT_EQ(other.toPlainText(), "1cdef\n2\ncdefgh");
}

TEST(BlockSelectionEdits, BackspaceAndDeleteWorkAtEveryCaretThatHasACharacter)
{
    QTextDocument text(Verse);
    TBlockSelection carets = DeleteAtCarets(text, TBlockSelection({0, 2}, {2, 2}), true);
    EXPECT_EQ(text.toPlainText(), "acdef\na\nacdefgh"); // "a" has nothing before column 2
    EXPECT_EQ(carets.Left(), 1);
    carets = DeleteAtCarets(text, carets, false);
    EXPECT_EQ(text.toPlainText(), "adef\na\nadefgh"); // nor does it join lines at its end
    const QString before = text.toPlainText();
    DeleteAtCarets(text, TBlockSelection({0, 0}, {2, 0}), true);
    EXPECT_EQ(text.toPlainText(), before);
}

// --- the block in the verse editor ------------------------------------------------------------

class BlockSelection : public FrameFixture
{
protected:
    // The middle of the character boundary at a column of a paragraph.
    QPoint At(int paragraph, int column) const
    {
        QTextCursor cursor(editor()->document()->findBlockByNumber(paragraph));
        cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, column);
        const QRect rect = editor()->cursorRect(cursor);
        return QPoint(rect.x(), rect.center().y());
    }
    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButtons buttons, Qt::KeyboardModifiers keys)
    {
        QWidget *viewport = editor()->viewport();
        QMouseEvent event(type, at, viewport->mapToGlobal(at), Qt::LeftButton, buttons, keys);
        QApplication::sendEvent(viewport, &event);
    }
    void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers keys = Qt::AltModifier)
    {
        Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, keys);
        Mouse(QEvent::MouseMove, (from + to) / 2, Qt::LeftButton, keys);
        Mouse(QEvent::MouseMove, to, Qt::LeftButton, keys);
        Mouse(QEvent::MouseButtonRelease, to, Qt::NoButton, keys);
    }
    // The verse with the columns 2 to 5 of its three lines selected.
    void SelectVerseBlock()
    {
        SetText(Verse, 0);
        Drag(At(0, 2), At(2, 5));
        ASSERT_TRUE(editor()->HasBlockSelection());
    }
    QStringList ShownPieces() const
    {
        QStringList pieces;
        for (const QTextEdit::ExtraSelection &s : editor()->extraSelections())
            pieces << s.cursor.selectedText();
        return pieces;
    }
};

TEST_F(BlockSelection, AltDragSelectsTheRectangleInAnyDirection)
{
    SelectVerseBlock();
    EXPECT_EQ(editor()->BlockText(), "cde\n\ncde");
    EXPECT_FALSE(editor()->textCursor().hasSelection());
    // Shown in the highlight colours; the short line shows nothing.
    EXPECT_EQ(ShownPieces(), (QStringList{"cde", "cde"}));
    EXPECT_EQ(editor()->extraSelections().first().format.background(),
              editor()->palette().brush(QPalette::Highlight));

    Drag(At(2, 5), At(0, 2));
    EXPECT_EQ(editor()->BlockText(), "cde\n\ncde");
    // Right of a short line the columns go on, so the block reaches into the longer lines.
    Drag(At(1, 1) + QPoint(editor()->fontMetrics().horizontalAdvance("   "), 0), At(2, 1));
    EXPECT_EQ(editor()->BlockText(), "\nbcd");
}

TEST_F(BlockSelection, AltShiftArrowsGrowTheBlockFromTheCaret)
{
    SetText(Verse, 1);
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down})
        QTest::keyClick(editor(), key, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(editor()->BlockText(), "bc\n\nbc");
    QTest::keyClick(editor(), Qt::Key_Up, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(editor()->BlockText(), "bc\n");
    QTest::keyClick(editor(), Qt::Key_Left, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(editor()->BlockText(), "b\n");
}

TEST_F(BlockSelection, CopyAndCtrlCPutTheJoinedPiecesOnTheClipboard)
{
    SelectVerseBlock();
    QApplication::clipboard()->clear();
    editor()->Copy();
    EXPECT_EQ(QApplication::clipboard()->text(), "cde\n\ncde");
    QApplication::clipboard()->clear();
    QTest::keyClick(editor(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "cde\n\ncde");
    EXPECT_EQ(editor()->toPlainText(), Verse);
    EXPECT_TRUE(editor()->HasBlockSelection());
}

TEST_F(BlockSelection, CutRemovesTheBlockAsOneUndoStep)
{
    SelectVerseBlock();
    QTest::keyClick(editor(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "cde\n\ncde");
    EXPECT_EQ(editor()->toPlainText(), "abf\na\nabfgh");
    EXPECT_EQ(editor()->DisplayLineCount(), 3);
    EXPECT_TRUE(editor()->Modified());
    editor()->undo();
    EXPECT_EQ(editor()->toPlainText(), Verse);
    EXPECT_FALSE(editor()->document()->isUndoAvailable());
    EXPECT_FALSE(editor()->InBlockMode()); // undo moved the caret
}

TEST_F(BlockSelection, UndoPutsTheCaretBackAtTheBlock)
{
    SetText(QStringLiteral("top line\n") + Verse, 0);
    Drag(At(1, 2), At(3, 5));
    editor()->Cut();
    editor()->moveCursor(QTextCursor::End);
    editor()->undo();
    EXPECT_EQ(editor()->textCursor().blockNumber(), 1);
    // At the restored piece, not at the document's start.
    EXPECT_GE(editor()->textCursor().positionInBlock(), 2);
    EXPECT_LE(editor()->textCursor().positionInBlock(), 5);
}

TEST_F(BlockSelection, DeleteRemovesTheBlockAndBackspaceThenWorksAtEveryCaret)
{
    SelectVerseBlock();
    QTest::keyClick(editor(), Qt::Key_Delete);
    EXPECT_EQ(editor()->toPlainText(), "abf\na\nabfgh");
    QTest::keyClick(editor(), Qt::Key_Backspace);
    EXPECT_EQ(editor()->toPlainText(), "af\na\nafgh");
    editor()->undo();
    editor()->undo();
    EXPECT_EQ(editor()->toPlainText(), Verse);
}

TEST_F(BlockSelection, TypingReplacesTheBlockOnEveryLineAndTheLookupFollowsTheCaret)
{
    SelectVerseBlock();
    QTest::keyClicks(editor(), "XY");
    EXPECT_EQ(editor()->toPlainText(), "abXYf\na XY\nabXYfgh");
    EXPECT_TRUE(editor()->InBlockMode());
    EXPECT_EQ(Dict().GetWord(), "abxyfgh"); // the caret is on the head's line
    editor()->undo();
    EXPECT_EQ(editor()->toPlainText(), "abXf\na X\nabXfgh"); // one step per key, as typing
}

TEST_F(BlockSelection, PasteReplacesTheBlockLineByLine)
{
    SelectVerseBlock();
    QApplication::clipboard()->setText(QStringLiteral("1\n2\n3\n4\n"));
    QTest::keyClick(editor(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(editor()->toPlainText(), "ab1f\na 2\nab3fgh\n  4");
    EXPECT_EQ(editor()->DisplayLineCount(), 4);
    EXPECT_FALSE(editor()->InBlockMode());
    EXPECT_EQ(editor()->textCursor().blockNumber(), 3);
    EXPECT_EQ(editor()->textCursor().positionInBlock(), 3);
    editor()->undo();
    EXPECT_EQ(editor()->toPlainText(), Verse);
}

TEST_F(BlockSelection, APlainClickOrCaretMoveEndsBlockMode)
{
    SelectVerseBlock();
    QTest::mouseClick(editor()->viewport(), Qt::LeftButton, {}, At(2, 3));
    EXPECT_FALSE(editor()->InBlockMode());
    EXPECT_TRUE(editor()->extraSelections().isEmpty());
    EXPECT_EQ(Dict().GetWord(), "abcdefgh");

    for (auto [key, keys] : {std::pair{Qt::Key_Right, Qt::KeyboardModifiers()},
                             std::pair{Qt::Key_Left, Qt::KeyboardModifiers(Qt::ShiftModifier)}}) {
        SelectVerseBlock();
        QTest::keyClick(editor(), key, keys);
        EXPECT_FALSE(editor()->InBlockMode()) << key;
    }
    SelectVerseBlock();
    editor()->selectAll();
    EXPECT_FALSE(editor()->InBlockMode());
    // A modifier alone keeps it, on the way to a chord.
    SelectVerseBlock();
    QTest::keyClick(editor(), Qt::Key_Control);
    EXPECT_TRUE(editor()->InBlockMode());
}

TEST_F(BlockSelection, OtherExtraSelectionsAreKept)
{
    SetText(Verse, 0);
    QTextEdit::ExtraSelection mark;
    mark.cursor = QTextCursor(editor()->document());
    mark.cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    editor()->setExtraSelections({mark});
    Drag(At(0, 2), At(2, 5));
    EXPECT_EQ(ShownPieces(), (QStringList{"abcdef", "cde", "cde"}));
    QTest::keyClick(editor(), Qt::Key_Home);
    EXPECT_EQ(ShownPieces(), QStringList{"abcdef"});
}

TEST_F(BlockSelection, TheRightClickMenuActsOnTheBlock)
{
    SelectVerseBlock();
    QTest::mousePress(editor()->viewport(), Qt::RightButton, {}, At(1, 0));
    QTest::mouseRelease(editor()->viewport(), Qt::RightButton, {}, At(1, 0));
    ASSERT_TRUE(editor()->HasBlockSelection());
    const std::unique_ptr<QMenu> menu = editor()->ContextMenu(At(1, 0));
    auto *copy = menu->findChild<QAction *>("edit-copy");
    auto *remove = menu->findChild<QAction *>("edit-delete");
    ASSERT_TRUE(copy && remove);
    EXPECT_TRUE(copy->isEnabled());
    EXPECT_TRUE(remove->isEnabled());
    QApplication::clipboard()->clear();
    copy->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "cde\n\ncde");
    remove->trigger();
    EXPECT_EQ(editor()->toPlainText(), "abf\na\nabfgh");
    EXPECT_EQ(QApplication::clipboard()->text(), "cde\n\ncde");
}

TEST_F(BlockSelection, AReadOnlyEditorCopiesButDoesNotChange)
{
    SelectVerseBlock();
    editor()->setReadOnly(true);
    for (Qt::Key key : {Qt::Key_Delete, Qt::Key_A})
        QTest::keyClick(editor(), key);
    QApplication::clipboard()->clear();
    editor()->Cut();
    EXPECT_EQ(editor()->toPlainText(), Verse);
    EXPECT_TRUE(QApplication::clipboard()->text().isEmpty());
    editor()->Copy();
    EXPECT_EQ(QApplication::clipboard()->text(), "cde\n\ncde");
}

TEST_F(BlockSelection, CornersOutOfTheDocumentAreBroughtIntoIt)
{
    SetText(Verse, 0);
    editor()->SetBlockSelection({-5, -3}, {99, 2});
    EXPECT_EQ(editor()->BlockText(), "ab\na\nab");
    // Far right of the text a typed character fills the lines with spaces, within reason.
    editor()->SetBlockSelection({0, INT_MAX}, {2, INT_MAX});
    QTest::keyClicks(editor(), "x");
    const QStringList lines = editor()->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines.at(1).startsWith("a   "));
    EXPECT_TRUE(lines.at(1).endsWith(" x"));
    EXPECT_LT(editor()->document()->characterCount(), 5000);
}

TEST_F(BlockSelection, WithWordWrapColumnsCountInTheWholeParagraph)
{
    editor()->SetWordWrap(true);
    const QString line = QStringLiteral("love ").repeated(60);
    SetText(line + QStringLiteral("\n") + line, 0);
    ASSERT_GT(editor()->DisplayLineCount(), 2);
    editor()->SetBlockSelection({0, 200}, {1, 204});
    EXPECT_EQ(editor()->BlockText(), "love\nlove");
    editor()->Cut();
    EXPECT_EQ(editor()->document()->blockCount(), 2);
    EXPECT_EQ(editor()->document()->firstBlock().text().size(), line.size() - 4);
}

} // namespace
