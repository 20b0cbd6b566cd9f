#include "ShellFixture.h"

#include "FindDialog.h"
#include "MainActions.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>

// The edit actions follow the editor as the user works in it, not only when the focus moves.
class EditActionsTest : public ShellFixture
{
protected:
    TfrmRhymeDict *StartWithEditor()
    {
        WriteSettings();
        UseEditorFrame();
        TfrmRhymeDict *window = StartShown();
        if (!window)
            return nullptr;
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        QPlainTextEdit *editor = window->Editor();
        EXPECT_TRUE(editor && editor->isVisible());
        if (editor) {
            editor->setFocus();
            EXPECT_TRUE(QTest::qWaitFor([editor] { return editor->hasFocus(); }, 5000));
        }
        return window;
    }
};

TEST_F(EditActionsTest, UndoRedoCutAndCopyFollowTheEditorsState)
{
    TfrmRhymeDict *window = StartWithEditor();
    ASSERT_TRUE(window);
    QPlainTextEdit *editor = window->Editor();
    TMainActions *a = window->MainActions();
    ASSERT_FALSE(a->EditUndo1->isEnabled());
    ASSERT_FALSE(a->EditCut1->isEnabled());

    QTest::keyClicks(editor, QStringLiteral("love"));
    EXPECT_TRUE(a->EditUndo1->isEnabled()) << "typing gives something to undo";
    EXPECT_FALSE(a->EditRedo1->isEnabled());

    editor->selectAll();
    EXPECT_TRUE(a->EditCut1->isEnabled()) << "a selection can be cut";
    EXPECT_TRUE(a->EditCopy1->isEnabled());

    QTextCursor caret = editor->textCursor();
    caret.clearSelection();
    editor->setTextCursor(caret);
    EXPECT_FALSE(a->EditCut1->isEnabled()) << "nothing selected, nothing to cut";
    EXPECT_FALSE(a->EditCopy1->isEnabled());

    a->EditUndo1->trigger();
    EXPECT_TRUE(editor->toPlainText().isEmpty());
    EXPECT_TRUE(a->EditRedo1->isEnabled()) << "an undone edit can be redone";
    EXPECT_FALSE(a->EditUndo1->isEnabled());
}

TEST_F(EditActionsTest, PrintPreviewFollowsWhetherTheEditorIsShown)
{
    TfrmRhymeDict *window = StartWithEditor();
    ASSERT_TRUE(window);
    QAction *preview = window->MainActions()->actPrintPreview1;
    ASSERT_TRUE(preview->isEnabled());

    Data()->FileClose1->trigger();
    ASSERT_FALSE(window->Editor()->isVisible());
    EXPECT_FALSE(preview->isEnabled()) << "no document shown, nothing to preview";

    Data()->FileNew1->trigger();
    ASSERT_TRUE(window->Editor()->isVisible());
    EXPECT_TRUE(preview->isEnabled());
}

// Another window taking the keyboard (the find dialog, an open menu) leaves the editor the main
// window's active control, and its actions stay enabled.
TEST_F(EditActionsTest, TheEditorStaysTheActiveControlWhileAnotherWindowHasTheKeyboard)
{
    TfrmRhymeDict *window = StartWithEditor();
    ASSERT_TRUE(window);
    QPlainTextEdit *editor = window->Editor();
    TMainActions *a = window->MainActions();
    QTest::keyClicks(editor, QStringLiteral("love"));
    editor->selectAll();
    ASSERT_TRUE(a->EditCut1->isEnabled());

    a->EditFind1->trigger();
    TFindDialog *find = window->FindDialog1();
    find->activateWindow();
    find->edtFind()->setFocus();
    QTRY_VERIFY_WITH_TIMEOUT(find->edtFind()->hasFocus(), 5000);
    ASSERT_FALSE(editor->hasFocus());
    for (QAction *action : {a->EditUndo1, a->EditCut1, a->EditCopy1, a->EditSelectAll1,
                            a->EditFind1, a->EditReplace1})
        EXPECT_TRUE(action->isEnabled()) << action->objectName().toStdString();
    find->close();
}
