#include "ShellFixture.h"

#include "AppComponents.h"
#include "DictStatusBar.h"
#include "DocumentCommands.h"
#include "DocumentTotals.h"
#include "MessageBoxWidth.h"

#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStatusTipEvent>
#include <QTest>
#include <QTextBlock>

// The status bar's editor panels and the window title follow the open document.
class StatusTitleTest : public ShellFixture
{
protected:
    TfrmRhymeDict *StartWithEditor()
    {
        WriteSettings();
        UseEditorFrame();
        TfrmRhymeDict *window = StartShown();
        if (window)
            window->resize(700, 500);
        return window;
    }
    QString Panel(int n) const { return program.window->StatusBar1()->Panel(n)->text(); }
};

TEST_F(StatusTitleTest, LineAndColumnCountDisplayedRowsAndModifiedFollowsEdits)
{
    TfrmRhymeDict *window = StartWithEditor();
    ASSERT_TRUE(window);
    QPlainTextEdit *editor = window->Editor();
    ASSERT_TRUE(editor && editor->isVisible());
    editor->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    const QString longLine = QStringLiteral("shall I compare thee to a summer day ").repeated(8);
    editor->insertPlainText(longLine + QStringLiteral("\nlove"));
    QApplication::processEvents();
    const QTextBlock first = editor->document()->firstBlock();
    ASSERT_GT(first.layout()->lineCount(), 1) << "the first paragraph wraps";
    const int rows = first.layout()->lineCount();
    QTextCursor caret(editor->document()->lastBlock());
    caret.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 2);
    editor->setTextCursor(caret);
    window->UpdateStatusBar();
    EXPECT_EQ(Panel(1), QStringLiteral("Line: %1").arg(rows + 1));
    EXPECT_EQ(Panel(2), QStringLiteral("Col: 2"));
    EXPECT_EQ(Panel(0), QStringLiteral("modified"));

    caret = QTextCursor(first);
    caret.setPosition(first.layout()->lineAt(1).textStart() + 3);
    editor->setTextCursor(caret);
    editor->document()->setModified(false);
    window->UpdateStatusBar();
    EXPECT_EQ(Panel(1), QStringLiteral("Line: 2")) << "a wrapped part is a line of its own";
    EXPECT_EQ(Panel(2), QStringLiteral("Col: 3"));
    EXPECT_TRUE(Panel(0).isEmpty());
}

TEST_F(StatusTitleTest, TitleShowsTheFileNameWithoutItsFolder)
{
    const QString path = dir.write(QStringLiteral("verse.txt"), "love\n");
    TfrmRhymeDict *window = StartWithEditor();
    ASSERT_TRUE(window);
    OpenRecent(path);
    EXPECT_EQ(window->windowTitle(),
              QStringLiteral("Cadenzio for Song Writers and Poets - with Tolvane English "
                             "Dictionary of Rhyme 2.0 - verse.txt"));
    Data()->FileClose1->trigger();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Cadenzio for Song Writers and Poets - with "
                                                    "Tolvane English Dictionary of Rhyme 2.0"));
}

TEST_F(StatusTitleTest, ADiscardedDocumentLeavesNoEditorStatusBehind)
{
    TfrmRhymeDict *window = StartWithEditor();
    ASSERT_TRUE(window);
    auto *frame = qobject_cast<TFrameAdvanced *>(window->FrameAdvanced());
    ASSERT_TRUE(frame);
    frame->Documents()->AskSaveChanges = [] { return QMessageBox::No; };
    QTest::keyClicks(window->Editor(), QStringLiteral("love"));
    ASSERT_EQ(Panel(0), QStringLiteral("modified"));
    Data()->FileClose1->trigger();
    ASSERT_FALSE(window->Editor()->isVisible());
    EXPECT_TRUE(Panel(0).isEmpty()) << Panel(0).toStdString();
    EXPECT_TRUE(Panel(1).isEmpty()) << Panel(1).toStdString();
    EXPECT_TRUE(Panel(2).isEmpty()) << Panel(2).toStdString();
}

TEST_F(StatusTitleTest, ArrowKeysInsideAWordMoveTheColumn)
{
    TfrmRhymeDict *window = StartWithEditor();
    ASSERT_TRUE(window);
    QPlainTextEdit *editor = window->Editor();
    editor->setFocus();
    QTest::keyClicks(editor, QStringLiteral("love"));
    ASSERT_EQ(Panel(2), QStringLiteral("Col: 4"));
    QTest::keyClick(editor, Qt::Key_Left);
    EXPECT_EQ(Panel(2), QStringLiteral("Col: 3")) << "the word at the caret stayed the same";
    QTest::keyClick(editor, Qt::Key_Home);
    EXPECT_EQ(Panel(2), QStringLiteral("Col: 0"));
}

TEST(DictStatusBar, HintsAndLongWordsLeaveEveryPanelInTheWindow)
{
    QMainWindow window;
    auto *bar = new TDictStatusBar(&window);
    window.setStatusBar(bar);
    window.resize(700, 300);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    bar->UpdateStatusBar(QStringLiteral("love"), QStringLiteral("love"), {true, true, 3, 4});

    QStatusTipEvent hint(QStringLiteral("Saves the document under a new name"));
    QApplication::sendEvent(&window, &hint);
    for (int i = 1; i < 6; ++i)
        EXPECT_TRUE(bar->Panel(i)->isVisible()) << "panel " << i;
    EXPECT_EQ(bar->Panel(0)->text(), hint.tip());
    EXPECT_EQ(bar->Panel(1)->text(), QStringLiteral("Line: 3"));
    QStatusTipEvent done{QString()};
    QApplication::sendEvent(&window, &done);
    EXPECT_EQ(bar->Panel(0)->text(), QStringLiteral("modified"));

    const QString word = QStringLiteral("supercalifragilistic").repeated(10);
    bar->UpdateStatusBar(word, word, {});
    EXPECT_LE(bar->Panel(3)->width(), TDictStatusBar::MaxPanelWidth);
    EXPECT_TRUE(bar->Panel(3)->text().contains(QChar(0x2026)));
    EXPECT_TRUE(bar->Panel(3)->toolTip().endsWith(word + QLatin1Char('\'')));
}

TEST_F(StatusTitleTest, UnsavedChangesStarTheTitleAndTheTextIsCounted)
{
    const QString path = dir.write(QStringLiteral("verse.txt"), "love\n");
    TfrmRhymeDict *window = StartWithEditor();
    ASSERT_TRUE(window);
    OpenRecent(path);
    const QString saved = window->windowTitle();
    ASSERT_FALSE(saved.startsWith(QLatin1Char('*')));
    QPlainTextEdit *editor = window->Editor();
    editor->moveCursor(QTextCursor::End);
    QTest::keyClicks(editor, QStringLiteral("the sea is wide"));
    EXPECT_EQ(window->windowTitle(), QLatin1Char('*') + saved);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Panel(5).isEmpty(); }, 2000));
    EXPECT_EQ(Panel(5), QStringLiteral("5 words, 2 lines, 5 syllables"));
    Data()->FileSave1->trigger();
    EXPECT_EQ(window->windowTitle(), saved);
}

TEST(DocumentTotals, CountsWordsLinesAndSyllables)
{
    const struct
    {
        const char *text, *totals;
    } cases[] = {{"", ""},
                 {"  \n ", ""},
                 {"love", "1 word, 1 line, 1 syllable"},
                 {"shall I compare thee\nto a summer's day", "8 words, 2 lines, 10 syllables"}};
    for (const auto &c : cases)
        EXPECT_EQ(TDocumentTotals::Describe(QString::fromUtf8(c.text)), QString::fromUtf8(c.totals))
            << c.text;
}

TEST(MessageBoxWidth, AShortQuestionKeepsRoomForItsTitle)
{
    TMessageBoxWidth::Install();
    for (const QString &title : {QStringLiteral("Tolvane Dictionary of Rhyme"), QString()}) {
        QMessageBox box(QMessageBox::Question, title, QStringLiteral("Save changes?"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        const QString shown = title.isEmpty() ? QApplication::applicationDisplayName() : title;
        EXPECT_GE(box.width(),
                  box.fontMetrics().horizontalAdvance(shown) + TMessageBoxWidth::CaptionRoom)
            << shown.toStdString();
    }
}
