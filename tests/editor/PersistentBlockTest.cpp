#include "FrameFixture.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTest>

#include <memory>
#include <vector>

namespace {

// A frame whose editor holds "one two three" with "two" selected by Shift+Right (caret at 7).
class PersistentBlock : public FrameFixture
{
protected:
    void Start(bool persistent)
    {
        editor()->SetPersistentBlocks(persistent);
        SetText(QStringLiteral("one two three"), 4);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(editor(), Qt::Key_Right, Qt::ShiftModifier);
        QApplication::clipboard()->clear();
    }
    // What Copy leaves on the clipboard: the block if there is one, else what was there.
    QString Copied()
    {
        editor()->Copy();
        return QApplication::clipboard()->text();
    }
};

struct KeyCase
{
    const char *name;
    bool persistent;
    std::vector<QKeyCombination> keys;
    const char *text;      // afterwards
    const char *clipboard; // after a final Copy
    int caret;
};

const QKeyCombination Home{Qt::Key_Home}, End{Qt::Key_End}, Left{Qt::Key_Left},
    Right{Qt::Key_Right}, X{Qt::Key_X}, Enter{Qt::Key_Return}, Backspace{Qt::Key_Backspace},
    Delete{Qt::Key_Delete}, NextWord{Qt::CTRL | Qt::Key_Right}, CtrlX{Qt::CTRL | Qt::Key_X},
    CtrlC{Qt::CTRL | Qt::Key_C}, CtrlV{Qt::CTRL | Qt::Key_V}, CtrlZ{Qt::CTRL | Qt::Key_Z},
    ShiftRight{Qt::SHIFT | Qt::Key_Right}, AltShiftRight{Qt::ALT | Qt::SHIFT | Qt::Key_Right};

TEST_F(PersistentBlock, KeysKeepTheBlockAndTypeAtTheCaretOnlyInTheMode)
{
    const KeyCase cases[] = {
        {"caret moves away", true, {Home}, "one two three", "two", 0},
        {"caret moves away", false, {Home}, "one two three", "", 0},
        {"typing after moving", true, {End, X}, "one two threex", "two", 14},
        {"typing at the edge", true, {X}, "one twox three", "two", 8},
        {"typing at the edge", false, {X}, "one x three", "", 5},
        {"Enter", true, {Enter}, "one two\n three", "two", 8},
        {"Backspace away", true, {End, Backspace}, "one two thre", "two", 12},
        {"Delete at the edge", true, {Home, NextWord, Delete}, "one  three", "", 4},
        {"Delete inside", true, {Left, Delete}, "one  three", "", 4},
        {"Cut away", true, {Home, CtrlX}, "one  three", "two", 0},
        {"Cut away", false, {Home, CtrlX}, "one two three", "", 0},
        {"undo each", true, {End, X, Home, CtrlX, CtrlZ, CtrlZ}, "one two three", "two", 13},
        {"Paste at the edge", true, {CtrlC, CtrlV}, "one twotwo three", "two", 10},
        {"Paste at the edge", false, {CtrlC, CtrlV}, "one two three", "two", 7},
        {"Shift at the edge", true, {Right, Left, ShiftRight}, "one two three", "two ", 8},
        {"Shift away", true, {Home, ShiftRight}, "one two three", "o", 1},
        {"column block", true, {Home, AltShiftRight}, "one two three", "o", 1},
    };
    for (const KeyCase &c : cases) {
        SCOPED_TRACE(std::string(c.name) + (c.persistent ? " (on)" : " (off)"));
        Start(c.persistent);
        for (const QKeyCombination key : c.keys)
            QTest::keyClick(editor(), key.key(), key.keyboardModifiers());
        EXPECT_EQ(editor()->toPlainText(), QString::fromUtf8(c.text));
        EXPECT_EQ(editor()->textCursor().position(), c.caret);
        EXPECT_EQ(Copied(), QString::fromUtf8(c.clipboard));
    }
}

TEST_F(PersistentBlock, AClickOrAPickedWordLeavesTheBlockShownAndTheMenuActsOnIt)
{
    for (const bool persistent : {true, false}) {
        Start(persistent);
        QTest::mouseClick(editor()->viewport(), Qt::LeftButton, {}, QPoint(2, 5));
        EXPECT_EQ(editor()->textCursor().position(), 0);
        EXPECT_EQ(editor()->HasSelection(), persistent); // the Edit menu's Cut and Copy
        EXPECT_EQ(editor()->extraSelections().size(), persistent ? 1 : 0);
    }
    Start(true);
    QTest::keyClick(editor(), Qt::Key_Home);
    Dict().SetPickedWord(QStringLiteral("six"));
    EXPECT_EQ(editor()->toPlainText(), "six two three");
    EXPECT_EQ(editor()->extraSelections().value(0).cursor.selectedText(), "two");
    const std::unique_ptr<QMenu> menu = editor()->ContextMenu(QPoint(2, 5));
    auto *remove = menu->findChild<QAction *>("edit-delete");
    ASSERT_TRUE(remove && remove->isEnabled());
    remove->trigger();
    EXPECT_EQ(editor()->toPlainText(), "six  three");
    EXPECT_TRUE(editor()->extraSelections().isEmpty());
}

} // namespace
