#include "ShellFixture.h"

#include "AppComponents.h"
#include "DictStatusBar.h"
#include "FindDialog.h"
#include "MainActions.h"
#include "MainMenus.h"
#include "MemoPrinter.h"
#include "ReplaceDialog.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>

#include <climits>
#include <functional>

namespace {
int PdfPageCount(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    int count = 0;
    for (auto it = page.globalMatch(QString::fromLatin1(file.readAll())); it.hasNext(); it.next())
        ++count;
    return count;
}

QString Poem(int lines)
{
    QStringList out;
    for (int i = 0; i < lines; ++i)
        out << QStringLiteral("Rough winds do shake the darling buds of May");
    return out.join(QLatin1Char('\n'));
}

QStringList Captions(const QMenu *menu)
{
    QStringList captions;
    for (const QAction *item : menu->actions())
        captions << item->text();
    return captions;
}
} // namespace

// The main window with the real verse editor and an open document.
class FindPrintTest : public ShellFixture
{
protected:
    TfrmRhymeDict *StartWithEditor()
    {
        if (!QFile::exists(dir.file(QStringLiteral("settings.ini"))))
            WriteSettings();
        UseEditorFrame();
        TfrmRhymeDict *window = StartShown();
        if (window) {
            window->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        }
        return window;
    }
    QPlainTextEdit *FocusedEditor(const QString &text)
    {
        QPlainTextEdit *editor = program.window->Editor();
        EXPECT_TRUE(editor && editor->isVisible());
        if (!editor)
            return nullptr;
        editor->setPlainText(text);
        editor->setFocus();
        QAction *find = program.window->MainActions()->EditFind1;
        EXPECT_TRUE(QTest::qWaitFor([find] { return find->isEnabled(); }, 5000));
        return editor;
    }
    // Runs an action whose modal dialog the check inspects and then closes.
    void WithModal(QAction *action, const std::function<void(QWidget *)> &check)
    {
        bool seen = false;
        QTimer timer;
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (QWidget *modal = QApplication::activeModalWidget(); modal && !seen) {
                seen = true;
                check(modal);
                modal->close();
            }
        });
        timer.start();
        action->trigger();
        EXPECT_TRUE(seen) << "no modal dialog appeared";
    }
    QString WriteDocument(const QString &name, const QString &text)
    {
        return dir.write(name, text.toUtf8());
    }
    QMenu *Reopen() const { return program.window->Menus()->mnuReopen; }
    QMenu *Popup() const { return program.window->Menus()->pmFileHistory; }
};

TEST_F(FindPrintTest, EditFindShowsTheDialogAndFindNextSelectsInTheEditor)
{
    TfrmRhymeDict *window = StartWithEditor();
    ASSERT_TRUE(window);
    QPlainTextEdit *editor = FocusedEditor(QStringLiteral("dove love\nglove love"));
    ASSERT_TRUE(editor);
    window->MainActions()->EditFind1->trigger();
    TFindDialog *find = window->FindDialog1();
    ASSERT_TRUE(find->isVisible());
    find->edtFind()->setText(QStringLiteral("love"));
    QTest::mouseClick(find->btnFindNext(), Qt::LeftButton);
    EXPECT_EQ(editor->textCursor().selectionStart(), 5);
    EXPECT_EQ(editor->textCursor().selectedText(), QStringLiteral("love"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return editor->hasFocus(); }, 5000));

    QTest::keyClick(editor, Qt::Key_F3);
    EXPECT_EQ(editor->textCursor().selectionStart(), 11) << "F3 repeats the search (in \"glove\")";
    EXPECT_EQ(window->StatusBar1()->Panel(1)->text(), QStringLiteral("Line: 2"))
        << "the status bar follows the caret to the match";
    QTest::keyClick(editor, Qt::Key_F3);
    EXPECT_EQ(editor->textCursor().selectionStart(), 16);
    QTest::keyClick(editor, Qt::Key_F3);
    EXPECT_EQ(editor->textCursor().selectionStart(), 5) << "the end wraps round to the start";
    EXPECT_EQ(find->lblStatus()->text(), QStringLiteral("Search wrapped"));
    QTest::keyClick(editor, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(editor->textCursor().selectionStart(), 16) << "Shift+F3 searches backwards";
}

TEST_F(FindPrintTest, LookupModeClosesTheDialogs)
{
    TfrmRhymeDict *window = StartWithEditor();
    ASSERT_TRUE(window);
    ASSERT_TRUE(FocusedEditor(QStringLiteral("love")));
    window->MainActions()->EditFind1->trigger();
    ASSERT_TRUE(window->FindDialog1()->isVisible());
    Data()->actAdvanced->trigger();
    ASSERT_EQ(Dict().GetMode(), 0);
    EXPECT_FALSE(window->FindDialog1()->isVisible());
    EXPECT_FALSE(window->FindDialog1()->FindNext());
}

TEST_F(FindPrintTest, EditReplaceReplacesAllAndEditUndoTakesItBack)
{
    TfrmRhymeDict *window = StartWithEditor();
    ASSERT_TRUE(window);
    QPlainTextEdit *editor = FocusedEditor(QStringLiteral("a ba\na"));
    ASSERT_TRUE(editor);
    QTextCursor word = editor->textCursor();
    word.setPosition(0);
    word.setPosition(1, QTextCursor::KeepAnchor);
    editor->setTextCursor(word);
    window->MainActions()->EditReplace1->trigger();
    TReplaceDialog *replace = window->ReplaceDialog1();
    ASSERT_TRUE(replace->isVisible());
    EXPECT_EQ(replace->FindText(), QStringLiteral("a")) << "taken from the selection";
    replace->edtReplace()->setText(QStringLiteral("aa"));
    QTest::mouseClick(replace->btnReplaceAll(), Qt::LeftButton);
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("aa baa\naa"));
    EXPECT_EQ(replace->lblStatus()->text(), QStringLiteral("3 replacements made"));

    window->activateWindow();
    editor->setFocus();
    QAction *undo = window->MainActions()->EditUndo1;
    EXPECT_TRUE(QTest::qWaitFor([undo] { return undo->isEnabled(); }, 5000));
    window->MainActions()->EditUndo1->trigger();
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("a ba\na"));
}

TEST_F(FindPrintTest, UndoOfReplaceAllPutsTheCaretAfterTheFirstMatch)
{
    TfrmRhymeDict *window = StartWithEditor();
    ASSERT_TRUE(window);
    QPlainTextEdit *editor = FocusedEditor(QStringLiteral("the cat\nsat on a mat"));
    ASSERT_TRUE(editor);
    window->MainActions()->EditReplace1->trigger();
    TReplaceDialog *replace = window->ReplaceDialog1();
    ASSERT_TRUE(replace->isVisible());
    replace->edtFind()->clear();
    QTest::keyClicks(replace->edtFind(), QStringLiteral("at"));
    replace->edtReplace()->clear();
    QTest::keyClicks(replace->edtReplace(), QStringLiteral("og"));
    QTest::mouseClick(replace->btnReplaceAll(), Qt::LeftButton);
    ASSERT_EQ(editor->toPlainText(), QStringLiteral("the cog\nsog on a mog"));

    window->activateWindow();
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("the cat\nsat on a mat"));
    EXPECT_EQ(editor->textCursor().position(), 7); // after the first "cat"
}

TEST_F(FindPrintTest, ReopenCaptionsNumberThePathsAndOpenPathsWithSpaces)
{
    const QString older = WriteDocument(QStringLiteral("old verse.txt"), QStringLiteral("old"));
    const QString spaced =
        WriteDocument(QStringLiteral("my first verse.txt"), QStringLiteral("a rose"));
    WriteSettings();
    Settings().AddToFileHistory(older);
    Settings().AddToFileHistory(spaced);
    TfrmRhymeDict *window = StartWithEditor();
    ASSERT_TRUE(window);
    EXPECT_EQ(Captions(Reopen()),
              (QStringList{QStringLiteral("&1 ") + spaced, QStringLiteral("&2 ") + older}));

    Reopen()->actions().at(1)->trigger();
    EXPECT_EQ(window->Editor()->toPlainText(), QStringLiteral("old"));
    EXPECT_TRUE(window->windowTitle().endsWith(QStringLiteral("old verse.txt")));
    EXPECT_EQ(Captions(Reopen()),
              (QStringList{QStringLiteral("&1 ") + older, QStringLiteral("&2 ") + spaced}))
        << "the reopened file moves to the top and the menu follows";
}

TEST_F(FindPrintTest, ThePopupIsRebuiltEachTimeItOpens)
{
    const QString first = WriteDocument(QStringLiteral("one.txt"), QStringLiteral("one"));
    const QString second = WriteDocument(QStringLiteral("rock & roll.txt"), QStringLiteral("two"));
    WriteSettings();
    Settings().AddToFileHistory(first);
    TfrmRhymeDict *window = StartWithEditor();
    ASSERT_TRUE(window);
    emit Popup()->aboutToShow();
    EXPECT_EQ(Captions(Popup()), QStringList{QStringLiteral("&1 ") + first});

    Settings().AddToFileHistory(second);
    emit Popup()->aboutToShow();
    QString shown = second;
    shown.replace(QLatin1Char('&'), QLatin1String("&&"));
    ASSERT_EQ(Captions(Popup()),
              (QStringList{QStringLiteral("&1 ") + shown, QStringLiteral("&2 ") + first}))
        << "an \"&\" of a path shows as itself";
    Popup()->actions().at(0)->trigger();
    EXPECT_EQ(window->Editor()->toPlainText(), QStringLiteral("two"));
}

TEST_F(FindPrintTest, AnEmptyHistoryShowsOneDisabledItem)
{
    TfrmRhymeDict *window = StartWithEditor();
    ASSERT_TRUE(window);
    emit Popup()->aboutToShow();
    for (QMenu *menu : {Reopen(), Popup()}) {
        ASSERT_EQ(Captions(menu), QStringList{QStringLiteral("( No file History )")});
        EXPECT_FALSE(menu->actions().at(0)->isEnabled());
    }
    EXPECT_TRUE(Reopen()->isEnabled());
}

TEST_F(FindPrintTest, PrintsTheOpenDocumentUnderItsName)
{
    const QString path = WriteDocument(QStringLiteral("long poem.txt"), Poem(60));
    TfrmRhymeDict *window = StartWithEditor();
    ASSERT_TRUE(window);
    OpenRecent(path);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(dir.file(QStringLiteral("out.pdf")));
    EXPECT_EQ(window->PrintDocument(&printer), 2);
    EXPECT_EQ(PdfPageCount(printer.outputFileName()), 2);
    EXPECT_EQ(window->MemoPrinter1()->Title, QStringLiteral("long poem.txt"));

    Data()->FileClose1->trigger();
    ASSERT_FALSE(Data()->DocumentOpen());
    EXPECT_EQ(window->PrintDocument(&printer), 0) << "no document, nothing printed";
}

TEST_F(FindPrintTest, ThePrintDialogOffersAnyPageAndTheSelectionOnlyWhenThereIsOne)
{
    TfrmRhymeDict *window = StartWithEditor();
    ASSERT_TRUE(window);
    QPlainTextEdit *editor = FocusedEditor(Poem(3));
    ASSERT_TRUE(editor);
    for (const bool selected : {false, true}) {
        if (selected)
            editor->selectAll();
        WithModal(window->MainActions()->actPrint1, [selected](QWidget *modal) {
            auto *dialog = qobject_cast<QPrintDialog *>(modal);
            ASSERT_TRUE(dialog);
            EXPECT_EQ(dialog->minPage(), 1);
            EXPECT_EQ(dialog->maxPage(), INT_MAX);
            EXPECT_TRUE(dialog->testOption(QAbstractPrintDialog::PrintPageRange));
            EXPECT_EQ(dialog->testOption(QAbstractPrintDialog::PrintSelection), selected);
            EXPECT_EQ(dialog->printer()->docName(), QStringLiteral("Tolvane Dictionary of Rhyme"));
        });
    }
}

TEST_F(FindPrintTest, PrintPreviewShowsThePagesModally)
{
    const QString path = WriteDocument(QStringLiteral("poem.txt"), Poem(60));
    TfrmRhymeDict *window = StartWithEditor();
    ASSERT_TRUE(window);
    OpenRecent(path);
    window->UpdateEditActions();
    ASSERT_TRUE(window->MainActions()->actPrintPreview1->isEnabled());
    WithModal(window->MainActions()->actPrintPreview1, [](QWidget *modal) {
        auto *preview = qobject_cast<QPrintPreviewDialog *>(modal);
        ASSERT_TRUE(preview);
        EXPECT_EQ(preview->windowTitle(), QStringLiteral("Print preview"));
        auto *pages = preview->findChild<QPrintPreviewWidget *>();
        ASSERT_TRUE(pages);
        EXPECT_GE(pages->pageCount(), 2);
    });
}

TEST_F(FindPrintTest, WithoutADocumentPrintAndPreviewShowNothing)
{
    TfrmRhymeDict *window = StartWithEditor();
    ASSERT_TRUE(window);
    Data()->FileClose1->trigger();
    ASSERT_FALSE(Data()->DocumentOpen());
    WatchModals();
    window->MainActions()->actPrint1->trigger();
    window->MainActions()->actPrintPreview1->trigger();
    QTest::qWait(30);
    EXPECT_TRUE(modals.isEmpty()) << modals.join(u',').toStdString();
}
