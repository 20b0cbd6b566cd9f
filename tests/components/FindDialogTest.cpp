#include "FindDialog.h"
#include "ReplaceDialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

// An editor window with the two dialogs over it.
class FindDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        editor = std::make_unique<QPlainTextEdit>();
        editor->resize(400, 300);
        editor->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(editor.get()));
        find = std::make_unique<TFindDialog>(editor.get());
        replace = std::make_unique<TReplaceDialog>(editor.get());
        find->SetEditor(editor.get());
        replace->SetEditor(editor.get());
    }
    void SetText(const QString &text, int position, int anchor = -1)
    {
        editor->setPlainText(text);
        QTextCursor cursor = editor->textCursor();
        cursor.setPosition(anchor < 0 ? position : anchor);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        editor->setTextCursor(cursor);
    }
    QString Selected() const { return editor->textCursor().selectedText(); }
    int SelectionStart() const { return editor->textCursor().selectionStart(); }

    std::unique_ptr<QPlainTextEdit> editor;
    std::unique_ptr<TFindDialog> find;
    std::unique_ptr<TReplaceDialog> replace;
};

TEST_F(FindDialogTest, OpensWithItsDefaultsAndTheSelectedLine)
{
    SetText(QStringLiteral("true love\nwhite dove"), 9, 5);
    find->Execute();
    EXPECT_TRUE(find->isVisible());
    EXPECT_FALSE(find->isModal());
    EXPECT_EQ(find->windowTitle(), QStringLiteral("Find"));
    EXPECT_EQ(find->FindText(), QStringLiteral("love"));
    EXPECT_TRUE(find->rbDown()->isChecked());
    EXPECT_FALSE(find->chkMatchCase()->isChecked());
    EXPECT_FALSE(find->chkWholeWord()->isChecked());
    find->close();

    SetText(QStringLiteral("true love\nwhite dove"), 15, 5);
    find->Execute();
    EXPECT_EQ(find->FindText(), QStringLiteral("love")) << "a selection over lines is not taken";
}

TEST_F(FindDialogTest, NotFoundSaysSoAndKeepsTheSelection)
{
    SetText(QStringLiteral("dove love"), 9, 5);
    find->Execute();
    find->edtFind()->setText(QStringLiteral("glove"));
    EXPECT_FALSE(find->FindNext());
    EXPECT_EQ(find->lblStatus()->text(), QStringLiteral("Cannot find \"glove\""));
    EXPECT_EQ(Selected(), QStringLiteral("love"));
    find->rbUp()->setChecked(true);
    find->edtFind()->setText(QStringLiteral("dove"));
    EXPECT_TRUE(find->FindNext());
    EXPECT_EQ(SelectionStart(), 0);
    EXPECT_TRUE(find->lblStatus()->text().isEmpty());
}

TEST_F(FindDialogTest, SearchesWrapRoundAndSaySo)
{
    // {direction down, reverse (Shift+F3), where the caret ends}: past the end (or start) the
    // search goes on from the other end.
    const struct
    {
        bool down, reverse;
        int caret, found;
    } cases[] = {{true, false, 9, 0}, {false, false, 0, 5}, {true, true, 0, 5}};
    for (const auto &c : cases) {
        SetText(QStringLiteral("dove dove"), c.caret);
        find->edtFind()->setText(QStringLiteral("dove"));
        find->rbDown()->setChecked(c.down);
        find->rbUp()->setChecked(!c.down);
        EXPECT_TRUE(find->FindAgain(c.reverse));
        EXPECT_EQ(SelectionStart(), c.found) << c.down << c.reverse;
        EXPECT_EQ(find->lblStatus()->text(), QStringLiteral("Search wrapped"));
    }
}

TEST_F(FindDialogTest, ButtonsNeedAText)
{
    find->edtFind()->clear();
    replace->edtFind()->clear();
    EXPECT_FALSE(find->btnFindNext()->isEnabled());
    EXPECT_FALSE(replace->btnReplace()->isEnabled());
    EXPECT_FALSE(replace->btnReplaceAll()->isEnabled());
    replace->edtFind()->setText(QStringLiteral("a"));
    EXPECT_TRUE(replace->btnReplace()->isEnabled());
    EXPECT_TRUE(replace->btnReplaceAll()->isEnabled());
}

TEST_F(FindDialogTest, ReplaceFirstFindsThenReplacesTheSelectedMatch)
{
    SetText(QStringLiteral("Love and love"), 0);
    replace->Execute();
    EXPECT_EQ(replace->windowTitle(), QStringLiteral("Replace"));
    replace->edtFind()->setText(QStringLiteral("love"));
    replace->edtReplace()->setText(QStringLiteral("dove"));
    replace->chkMatchCase()->setChecked(true);
    QTest::mouseClick(replace->btnReplace(), Qt::LeftButton);
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("Love and love")) << "nothing was selected";
    EXPECT_EQ(SelectionStart(), 9);
    QTest::mouseClick(replace->btnReplace(), Qt::LeftButton);
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("Love and dove"));
    EXPECT_EQ(replace->lblStatus()->text(), QStringLiteral("Cannot find \"love\""));
}

TEST_F(FindDialogTest, AHiddenOrDestroyedEditorIsNotSearched)
{
    SetText(QStringLiteral("a a"), 0);
    find->edtFind()->setText(QStringLiteral("a"));
    replace->edtFind()->setText(QStringLiteral("a"));
    editor->hide();
    EXPECT_FALSE(find->FindNext());
    EXPECT_EQ(replace->ReplaceAll(), 0);
    EXPECT_FALSE(editor->textCursor().hasSelection());
    editor->show();

    auto other = std::make_unique<QPlainTextEdit>(QStringLiteral("a"));
    find->SetEditor(other.get());
    replace->SetEditor(other.get());
    other.reset();
    EXPECT_EQ(find->Editor(), nullptr);
    EXPECT_FALSE(find->FindNext());
    EXPECT_FALSE(replace->Replace());
    EXPECT_EQ(replace->ReplaceAll(), 0);
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("a a"));
}

TEST_F(FindDialogTest, TabFollowsTheFieldsAsTheyAreShown)
{
    SetText(QStringLiteral("love and love"), 0);
    replace->Execute();
    QTest::keyClicks(replace->focusWidget(), QStringLiteral("love"));
    QTest::keyClick(replace->focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(replace->focusWidget(), replace->edtReplace());
    QTest::keyClicks(replace->focusWidget(), QStringLiteral("dove"));
    EXPECT_EQ(replace->ReplaceAll(), 2);
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("dove and dove"));

    // The buttons of the column follow each other top to bottom.
    QList<QWidget *> order;
    for (QWidget *w = replace->btnFindNext(); order.size() < 4; w = w->nextInFocusChain())
        if (qobject_cast<QPushButton *>(w))
            order << w;
    EXPECT_EQ(order[1], replace->btnReplace());
    EXPECT_EQ(order[2], replace->btnReplaceAll());
}
