#include "DictEditor.h"
#include "EditorSearch.h"
#include "FrameFixture.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTest>

#include <functional>
#include <memory>

#include <vector>

namespace {

const QString Line = QStringLiteral("one two three");

struct Key
{
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

// A shown editor holding Line with "two" selected by Shift+Right from column 4 (caret at 7).
class PersistentBlock : public ::testing::Test
{
protected:
    void Start(bool persistent)
    {
        editor.SetPersistentBlocks(persistent);
        editor.setPlainText(Line);
        editor.resize(400, 200);
        editor.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
        editor.setFocus();
        QTextCursor caret = editor.textCursor();
        caret.setPosition(4);
        editor.setTextCursor(caret);
        Press({{Qt::Key_Right, Qt::ShiftModifier},
               {Qt::Key_Right, Qt::ShiftModifier},
               {Qt::Key_Right, Qt::ShiftModifier}});
        QApplication::clipboard()->clear();
    }
    void Press(const std::vector<Key> &keys)
    {
        for (const Key &k : keys)
            QTest::keyClick(&editor, k.key, k.modifiers);
    }
    // What Copy leaves on the clipboard: the block if there is one, else what was there.
    QString Copied()
    {
        editor.Copy();
        return QApplication::clipboard()->text();
    }
    int Caret() const { return editor.textCursor().position(); }
    QPoint At(int position) const
    {
        QTextCursor cursor(editor.document());
        cursor.setPosition(position);
        return editor.cursorRect(cursor).center();
    }
    void Mouse(QEvent::Type type, int position, Qt::KeyboardModifiers keys = Qt::NoModifier)
    {
        const QPoint at = At(position);
        const Qt::MouseButtons buttons =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, editor.viewport()->mapToGlobal(at), Qt::LeftButton, buttons,
                          keys);
        QApplication::sendEvent(editor.viewport(), &event);
    }
    void Click(int position, Qt::KeyboardModifiers keys = Qt::NoModifier)
    {
        Mouse(QEvent::MouseButtonPress, position, keys);
        Mouse(QEvent::MouseButtonRelease, position, keys);
    }
    // The kept block as painted: the extra selections' texts.
    QStringList Shown() const
    {
        QStringList shown;
        for (const QTextEdit::ExtraSelection &s : editor.extraSelections())
            shown << s.cursor.selectedText();
        return shown;
    }

    TDictEditor editor;
};

struct KeyCase
{
    const char *name;
    bool persistent;
    std::vector<Key> keys;
    const char *text;      // afterwards
    const char *clipboard; // after a final Copy
    int caret;
};

const Key Home{Qt::Key_Home}, End{Qt::Key_End}, Left{Qt::Key_Left}, Right{Qt::Key_Right},
    X{Qt::Key_X}, Enter{Qt::Key_Return}, Backspace{Qt::Key_Backspace}, Delete{Qt::Key_Delete},
    NextWord{Qt::Key_Right, Qt::ControlModifier}, CtrlX{Qt::Key_X, Qt::ControlModifier},
    CtrlC{Qt::Key_C, Qt::ControlModifier}, CtrlV{Qt::Key_V, Qt::ControlModifier},
    ShiftRight{Qt::Key_Right, Qt::ShiftModifier},
    AltShiftRight{Qt::Key_Right, Qt::AltModifier | Qt::ShiftModifier};

TEST_F(PersistentBlock, KeysKeepTheBlockAndTypeAtTheCaretOnlyInTheMode)
{
    const KeyCase cases[] = {
        {"caret moves away", true, {Home}, "one two three", "two", 0},
        {"caret moves away", false, {Home}, "one two three", "", 0},
        {"typing after moving", true, {End, X}, "one two threex", "two", 14},
        {"typing after moving", false, {End, X}, "one two threex", "", 14},
        {"typing at the edge", true, {X}, "one twox three", "two", 8},
        {"typing at the edge", false, {X}, "one x three", "", 5},
        {"Enter", true, {Enter}, "one two\n three", "two", 8},
        {"Enter", false, {Enter}, "one \n three", "", 5},
        {"Backspace away", true, {End, Backspace}, "one two thre", "two", 12},
        {"Delete at the edge", true, {Home, NextWord, Delete}, "one  three", "", 4},
        {"Delete inside", true, {Left, Delete}, "one  three", "", 4},
        {"Cut away", true, {Home, CtrlX}, "one  three", "two", 0},
        {"Cut away", false, {Home, CtrlX}, "one two three", "", 0},
        {"Paste at the edge", true, {CtrlC, CtrlV}, "one twotwo three", "two", 10},
        {"Paste at the edge", false, {CtrlC, CtrlV}, "one two three", "two", 7},
        {"Shift at the edge", true, {Right, Left, ShiftRight}, "one two three", "two ", 8},
        {"Shift away", true, {Home, ShiftRight}, "one two three", "o", 1},
        {"column block", true, {Home, AltShiftRight}, "one two three", "o", 1},
    };
    for (const KeyCase &c : cases) {
        SCOPED_TRACE(std::string(c.name) + (c.persistent ? " (on)" : " (off)"));
        Start(c.persistent);
        Press(c.keys);
        EXPECT_EQ(editor.toPlainText(), QString::fromUtf8(c.text));
        EXPECT_EQ(Caret(), c.caret);
        EXPECT_EQ(Copied(), QString::fromUtf8(c.clipboard));
    }
}

TEST_F(PersistentBlock, AClickKeepsTheBlockShownAndADragOrShiftClickSelectsAnew)
{
    for (const bool persistent : {true, false}) {
        SCOPED_TRACE(persistent);
        Start(persistent);
        Click(11);
        EXPECT_EQ(Caret(), 11);
        EXPECT_FALSE(editor.textCursor().hasSelection());
        EXPECT_EQ(editor.HasSelection(), persistent);
        EXPECT_EQ(Shown(), persistent ? QStringList{"two"} : QStringList{});
    }
    Start(true);
    Click(11);
    Mouse(QEvent::MouseButtonPress, 0);
    Mouse(QEvent::MouseMove, 3);
    Mouse(QEvent::MouseButtonRelease, 3);
    EXPECT_TRUE(Shown().isEmpty());
    EXPECT_EQ(Copied(), "one");
    // Shift with the caret at the block's edge extends it; elsewhere it starts from the caret.
    Start(true);
    Click(13, Qt::ShiftModifier);
    EXPECT_EQ(Copied(), "two three");
    Start(true);
    Click(1);
    Click(3, Qt::ShiftModifier);
    EXPECT_EQ(Copied(), "ne");
}

TEST_F(PersistentBlock, UndoTakesBackEachActionAndTheBlockFollowsTheText)
{
    Start(true);
    Press({End, X, Home, X, CtrlX});
    EXPECT_EQ(editor.toPlainText(), "xone  threex");
    const char *steps[] = {"xone two threex", "one two threex", "one two three"};
    for (const char *text : steps) {
        editor.undo();
        EXPECT_EQ(editor.toPlainText(), text);
    }
    // Typing before the block moved it along.
    Start(true);
    Press({Home, X, X});
    EXPECT_EQ(Shown(), QStringList{"two"});
    EXPECT_EQ(Copied(), "two");
}

TEST_F(PersistentBlock, TheMenuCommandsActOnTheBlockWhereverTheCaretIs)
{
    Start(true);
    Press({Home});
    std::unique_ptr<QMenu> menu = editor.ContextMenu(At(11));
    auto *copy = menu->findChild<QAction *>("edit-copy");
    auto *remove = menu->findChild<QAction *>("edit-delete");
    ASSERT_TRUE(copy && remove);
    EXPECT_TRUE(copy->isEnabled());
    EXPECT_TRUE(remove->isEnabled());
    remove->trigger();
    EXPECT_EQ(editor.toPlainText(), "one  three");
    EXPECT_FALSE(editor.HasSelection());

    Start(true);
    QApplication::clipboard()->setText("Z");
    menu = editor.ContextMenu(At(0));
    auto *paste = menu->findChild<QAction *>("edit-paste");
    ASSERT_TRUE(paste);
    paste->trigger();
    EXPECT_EQ(editor.toPlainText(), "one twoZ three");
    EXPECT_EQ(Shown(), QStringList{"two"});
}

TEST_F(PersistentBlock, ANewSelectionOrSwitchingTheModeOffEndsTheKeptBlock)
{
    const std::pair<const char *, std::function<void()>> endings[] = {
        {"found",
         [this] {
             const TEditorSearch search(editor.document());
             editor.setTextCursor(search.Find(editor.textCursor(), "three", {}));
         }},
        {"all", [this] { editor.selectAll(); }},
        {"off", [this] { editor.SetPersistentBlocks(false); }},
    };
    for (const auto &[name, end] : endings) {
        SCOPED_TRACE(name);
        Start(true);
        Press({Home});
        end();
        EXPECT_TRUE(Shown().isEmpty());
        EXPECT_NE(Copied(), "two");
    }
}

using PickInPersistentMode = FrameFixture;

TEST_F(PickInPersistentMode, APickedWordReplacesTheWordAtTheCaretAndTheBlockStays)
{
    editor()->SetPersistentBlocks(true);
    SetText(QStringLiteral("the cat sat"), 8);
    QTest::keyClick(editor(), Qt::Key_End, Qt::ShiftModifier);
    QTest::keyClick(editor(), Qt::Key_Home);
    QTest::keyClick(editor(), Qt::Key_Right, Qt::ControlModifier);
    Dict().SetPickedWord(QStringLiteral("dog"));
    EXPECT_EQ(editor()->toPlainText(), "the dog sat");
    EXPECT_EQ(editor()->textCursor().position(), 7);
    QApplication::clipboard()->clear();
    editor()->Copy();
    EXPECT_EQ(QApplication::clipboard()->text(), "sat");
}

} // namespace
