#include "AlignPanel.h"
#include "ChildProcess.h"
#include "DocumentCommands.h"
#include "FileBytes.h"
#include "FrameFixture.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

// The frame's document commands with every question, dialog and error box answered here.
class DocumentTest : public FrameFixture
{
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        docs = frame->Documents();
        docs->AskSaveChanges = [this] {
            ++questions;
            return answer;
        };
        docs->ChooseFile = [this](const QString &folder, bool save) {
            dialogs << (save ? "save:" : "open:") + folder;
            return chosen;
        };
        frame->ReportError = [this](const QString &message) { errors << message; };
        frame->DocumentOpenHook = [this](bool open) { documentOpen = open; };
    }
    void Run(const char *name) { Broadcast(name); }
    void Type(const QString &text)
    {
        editor()->moveCursor(QTextCursor::End);
        editor()->insertPlainText(text);
    }
    QStringList History() const
    {
        QStringList list;
        TDictSettings::Instance().GetFileHistory(list);
        return list;
    }
    QString OpenFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir.file(name);
        Put(path, bytes);
        EXPECT_TRUE(docs->Open(path));
        return path;
    }

    TDocumentCommands *docs = nullptr;
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
    QString chosen;
    int questions = 0;
    QStringList dialogs;
    QStringList errors;
    bool documentOpen = false;
};

TEST_F(DocumentTest, NewGivesAnEmptyUntitledUtf8Document)
{
    Type(QStringLiteral("stray"));
    docs->SetFileName(QStringLiteral("x"));
    Run("FileNew1");
    EXPECT_TRUE(documentOpen);
    EXPECT_TRUE(docs->IsOpen());
    EXPECT_TRUE(editor()->toPlainText().isEmpty());
    EXPECT_TRUE(docs->FileName().isEmpty());
    EXPECT_FALSE(editor()->Modified());
    EXPECT_EQ(docs->Format().Encoding, TDocumentFormat::TEncoding::Utf8);
    EXPECT_EQ(docs->Format().LineEnd, TDocumentFormat::TLineEnd::Lf);
    EXPECT_TRUE(actions->triggered.contains("actFileNameChange"));
}

TEST_F(DocumentTest, OpenShowsTheTextAndTheNameAndAddsToHistory)
{
    const QString path = OpenFile(QStringLiteral("poem.txt"), "first\r\nsecond\r\n");
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("first\nsecond\n"));
    EXPECT_EQ(frame->FileName(), path);
    EXPECT_EQ(frame->property("FileName").toString(), path);
    EXPECT_FALSE(editor()->Modified());
    EXPECT_TRUE(documentOpen);
    EXPECT_EQ(History().value(0), path);
}

TEST_F(DocumentTest, SavedCrLfDocumentKeepsItsLineEnds)
{
    const QString path = OpenFile(QStringLiteral("poem.txt"), "first\r\nsecond");
    Type(QStringLiteral("\nthird"));
    EXPECT_TRUE(editor()->Modified());
    Run("FileSave1");
    EXPECT_EQ(Get(path), QByteArray("first\r\nsecond\r\nthird"));
    EXPECT_FALSE(editor()->Modified());
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(DocumentTest, EightBitDocumentSavesBackByteForByteThroughTheEditor)
{
    QByteArray bytes = "line \xA0 nbsp\n";
    for (char b : QByteArray("\x81\x8D\x8F\x90\x9D\x80\x93\xE9\xFF"))
        bytes += b;
    const QString path = OpenFile(QStringLiteral("old.txt"), bytes);
    ASSERT_NE(docs->Format().Encoding, TDocumentFormat::TEncoding::Utf8);
    ASSERT_TRUE(docs->Save());
    EXPECT_EQ(Get(path), bytes);
}

TEST_F(DocumentTest, UnreadableFileLeavesTheEditorAsItWas)
{
    const QString path = OpenFile(QStringLiteral("poem.txt"), "kept");
    Type(QStringLiteral(" edited"));
    EXPECT_FALSE(docs->Open(dir.file(QStringLiteral("gone.txt"))));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.at(0).contains(QStringLiteral("gone.txt")));
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("kept edited"));
    EXPECT_EQ(frame->FileName(), path);
    EXPECT_TRUE(editor()->Modified());
    EXPECT_EQ(questions, 0);
}

TEST_F(DocumentTest, FailedSaveKeepsTheOldFileTheNameAndTheModifiedFlag)
{
    const QString path = OpenFile(QStringLiteral("poem.txt"), "old");
    Type(QStringLiteral(" new"));
    const QString blocker = dir.file(QStringLiteral("plain"));
    Put(blocker, "x");
    chosen = blocker + QStringLiteral("/poem.txt");
    Run("FileSaveAs1");
    EXPECT_EQ(errors.size(), 1);
    EXPECT_EQ(frame->FileName(), path);
    EXPECT_TRUE(editor()->Modified());
    EXPECT_TRUE(docs->IsOpen());
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("old new"));
    EXPECT_EQ(Get(path), QByteArray("old"));
}

TEST_F(DocumentTest, SaveOfAnUntitledDocumentAsksForANameInTheApplicationFolder)
{
    Run("FileNew1");
    Type(QStringLiteral("verse"));
    chosen = dir.file(QStringLiteral("new.txt"));
    Run("FileSave1");
    EXPECT_EQ(dialogs, QStringList{"save:" + AppFolder()});
    EXPECT_EQ(Get(chosen), QByteArray("verse"));
    EXPECT_EQ(frame->FileName(), chosen);
    EXPECT_FALSE(editor()->Modified());
    EXPECT_TRUE(History().isEmpty()); // saving does not add to the history
}

TEST_F(DocumentTest, CancelKeepsTheDocumentOnNewCloseAndProgramClose)
{
    const QString path = OpenFile(QStringLiteral("poem.txt"), "old");
    Type(QStringLiteral(" changed"));
    answer = QMessageBox::Cancel;
    Run("FileNew1");
    Run("FileClose1");
    EXPECT_FALSE(frame->CloseQuery());
    EXPECT_EQ(questions, 3);
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("old changed"));
    EXPECT_EQ(frame->FileName(), path);
    EXPECT_TRUE(editor()->Modified());
    EXPECT_TRUE(documentOpen);
}

TEST_F(DocumentTest, NoDiscardsTheChangesAndStartsAnEmptyDocument)
{
    const QString path = OpenFile(QStringLiteral("poem.txt"), "old");
    Type(QStringLiteral(" changed"));
    answer = QMessageBox::No;
    Run("FileNew1");
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(Get(path), QByteArray("old"));
    EXPECT_TRUE(editor()->toPlainText().isEmpty());
    EXPECT_TRUE(frame->FileName().isEmpty());
    EXPECT_TRUE(documentOpen);
}

TEST_F(DocumentTest, YesSavesBeforeClosing)
{
    const QString path = OpenFile(QStringLiteral("poem.txt"), "old");
    Type(QStringLiteral(" changed"));
    answer = QMessageBox::Yes;
    EXPECT_TRUE(frame->CloseQuery());
    EXPECT_EQ(Get(path), QByteArray("old changed"));
    EXPECT_FALSE(documentOpen);
    EXPECT_TRUE(frame->FileName().isEmpty());
    EXPECT_TRUE(editor()->toPlainText().isEmpty());
}

TEST_F(DocumentTest, YesOnAnUntitledDocumentWithTheDialogCancelledKeepsIt)
{
    Run("FileNew1");
    Type(QStringLiteral("unsaved"));
    answer = QMessageBox::Yes;
    chosen.clear();
    Run("FileClose1");
    EXPECT_EQ(dialogs.size(), 1);
    EXPECT_TRUE(docs->IsOpen());
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("unsaved"));
    EXPECT_TRUE(editor()->Modified());
}

TEST_F(DocumentTest, FailedSaveOnProgramCloseKeepsTheWindowOpen)
{
    const QString blocker = dir.file(QStringLiteral("plain"));
    Put(blocker, "x");
    Run("FileNew1");
    Type(QStringLiteral("unsaved"));
    answer = QMessageBox::Yes;
    chosen = blocker + QStringLiteral("/poem.txt");
    EXPECT_FALSE(frame->CloseQuery());
    EXPECT_EQ(errors.size(), 1);
    EXPECT_TRUE(docs->IsOpen());
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("unsaved"));
}

TEST_F(DocumentTest, OpenOverModifiedTextAsksFirst)
{
    OpenFile(QStringLiteral("a.txt"), "a");
    Type(QStringLiteral(" changed"));
    const QString other = dir.file(QStringLiteral("b.txt"));
    Put(other, "b");
    answer = QMessageBox::Cancel;
    EXPECT_FALSE(docs->Open(other));
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("a changed"));
    answer = QMessageBox::No;
    EXPECT_TRUE(docs->Open(other));
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("b"));
    EXPECT_EQ(questions, 2);
}

TEST_F(DocumentTest, UnmodifiedDocumentClosesWithoutAQuestion)
{
    const QString path = OpenFile(QStringLiteral("poem.txt"), "old");
    const QString other = dir.file(QStringLiteral("other.txt"));
    Put(other, "o");
    TDictSettings::Instance().AddToFileHistory(other);
    ASSERT_EQ(History().value(0), other);
    Run("FileClose1");
    EXPECT_EQ(questions, 0);
    EXPECT_FALSE(docs->IsOpen());
    EXPECT_TRUE(editor()->isHidden());
    EXPECT_TRUE(frame->AlignPanel1()->isHidden()) << "no line numbers beside a closed document";
    EXPECT_EQ(History().value(0), path); // closing puts the document on top again
    Run("FileNew1");
    EXPECT_FALSE(frame->AlignPanel1()->isHidden());
}

TEST_F(DocumentTest, OpenDialogsStartInTheirFoldersAndRememberTheLastOne)
{
    const QString sub = dir.file(QStringLiteral("sub"));
    ASSERT_TRUE(QDir().mkpath(sub));
    chosen = sub + QStringLiteral("/p.txt");
    Put(chosen, "p");
    actions->Action("FileOpen3")->setEnabled(false);
    Run("FileOpen1");
    EXPECT_EQ(dialogs.value(0), "open:" + AppFolder());
    EXPECT_TRUE(actions->Action("FileOpen3")->isEnabled());
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("p"));
    Run("FileOpen3");
    EXPECT_EQ(dialogs.value(1), "open:" + sub);
}

TEST_F(DocumentTest, CancelledOpenDialogChangesNothing)
{
    const QString path = OpenFile(QStringLiteral("poem.txt"), "kept");
    chosen.clear();
    Run("FileOpen2");
    EXPECT_EQ(dialogs.size(), 1);
    EXPECT_EQ(frame->FileName(), path);
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("kept"));
}

TEST_F(DocumentTest, ReopenOpensTheActionCaptionAndMovesItToTheTop)
{
    QStringList paths;
    for (int i = 0; i < 10; ++i)
        paths << OpenFile(QStringLiteral("f%1.txt").arg(i), QByteArray::number(i));
    ASSERT_EQ(History().size(), 9);
    EXPECT_EQ(History().value(0), paths.last());
    const QString fifth = History().value(4);
    actions->Action("actOpenRecent")->setText(fifth);
    Run("actOpenRecent");
    EXPECT_EQ(frame->FileName(), fifth);
    EXPECT_EQ(History().value(0), fifth);
    EXPECT_EQ(History().size(), 9);
    EXPECT_EQ(History().count(fifth), 1);
}

TEST_F(DocumentTest, ReopeningTheModifiedDocumentAsksBeforeReadingIt)
{
    const struct
    {
        QMessageBox::StandardButton answer;
        bool opened;
        QByteArray onDisk;
        QString shown;
        bool modified;
    } cases[] = {
        {QMessageBox::Yes, true, "verse EDIT1", QStringLiteral("verse EDIT1"), false},
        {QMessageBox::No, true, "verse", QStringLiteral("verse"), false},
        {QMessageBox::Cancel, false, "verse", QStringLiteral("verse EDIT1"), true},
    };
    for (const auto &c : cases) {
        const QString path = OpenFile(QStringLiteral("poem1.txt"), "verse");
        Type(QStringLiteral(" EDIT1"));
        answer = c.answer;
        questions = 0;
        EXPECT_EQ(docs->Open(path), c.opened) << c.answer;
        EXPECT_EQ(questions, 1) << c.answer;
        EXPECT_EQ(Get(path), c.onDisk) << c.answer;
        EXPECT_EQ(editor()->toPlainText(), c.shown) << c.answer;
        EXPECT_EQ(editor()->Modified(), c.modified) << c.answer;
        ASSERT_TRUE(docs->Save());
        EXPECT_EQ(Get(path), c.shown.toUtf8()) << "a later save keeps what the editor showed";
    }
}

TEST_F(DocumentTest, OpenAndSaveWithoutAnEditGivesBackTheSameBytes)
{
    const std::pair<QByteArray, const char *> files[] = {
        {"one\r\ntwo\nthree\r\n\r\nfour\rfive\n", "one\ntwo\nthree\n\nfour\nfive\n"},
        {"old\rMac\rlines\r", "old\nMac\nlines\n"},
        {"verse\xE2\x80\xA9next\nline", "verse\nnext\nline"},
        {QByteArray("\xFF\xFEo\0n\0\xE9\0\r\0\n\0t\0w\0o\0", 18), "on\xC3\xA9\ntwo"},
        {QByteArray("\xFE\xFF\0o\0n\0\r\0\n\x26\x6A", 12), "on\n\xE2\x99\xAA"},
    };
    for (const auto &[bytes, text] : files) {
        const QString path = OpenFile(QStringLiteral("poem.txt"), bytes);
        EXPECT_EQ(editor()->toPlainText(), QString::fromUtf8(text));
        ASSERT_TRUE(docs->Save());
        EXPECT_EQ(Get(path), bytes);
    }
}

TEST_F(DocumentTest, EditedLinesLeaveTheOtherLinesTheirOwnEnds)
{
    const QString path = OpenFile(QStringLiteral("poem.txt"), "one\r\ntwo\nthree\rfour\r\nfive\n");
    QTextCursor cursor(editor()->document()->findBlockByNumber(2));
    cursor.movePosition(QTextCursor::EndOfBlock);
    cursor.insertText(QStringLiteral(" and more"));
    ASSERT_TRUE(docs->Save());
    EXPECT_EQ(Get(path), QByteArray("one\r\ntwo\nthree and more\rfour\r\nfive\n"));
    // A line broken in two: its own end stays at its end, the new break takes the commonest.
    cursor = QTextCursor(editor()->document()->findBlockByNumber(2));
    cursor.setPosition(cursor.position() + 5);
    cursor.insertText(QStringLiteral("\n"));
    ASSERT_TRUE(docs->Save());
    EXPECT_EQ(Get(path), QByteArray("one\r\ntwo\nthree\n and more\rfour\r\nfive\n"));
    editor()->undo();
    ASSERT_TRUE(docs->Save());
    EXPECT_EQ(Get(path), QByteArray("one\r\ntwo\nthree and more\rfour\r\nfive\n"));
}

TEST_F(DocumentTest, AFileSavingWouldChangeOpensReadOnlyOnlyWhenTheUserAgrees)
{
    const QString text = OpenFile(QStringLiteral("poem.txt"), "kept");
    const QString binary = dir.file(QStringLiteral("data.bin"));
    const QByteArray bytes("bin\0ary\r\n", 9);
    Put(binary, bytes);
    QStringList asked;
    bool agree = false;
    docs->AskOpenReadOnly = [&](const QString &path) {
        asked << path;
        return agree;
    };
    EXPECT_FALSE(docs->Open(binary));
    EXPECT_EQ(frame->FileName(), text);
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("kept"));
    agree = true;
    EXPECT_TRUE(docs->Open(binary));
    EXPECT_EQ(asked, QStringList({binary, binary}));
    EXPECT_TRUE(editor()->isReadOnly());
    chosen.clear();
    EXPECT_FALSE(docs->Save()) << "a save goes to Save As, here cancelled";
    EXPECT_EQ(dialogs, QStringList{"save:" + AppFolder()});
    EXPECT_EQ(Get(binary), bytes);
    Run("FileNew1");
    EXPECT_FALSE(editor()->isReadOnly());
}

TEST_F(DocumentTest, SaveOfAFileThatCannotBeWrittenAsksForANewName)
{
    const QString path = OpenFile(QStringLiteral("sample.txt"), "sample");
    Type(QStringLiteral(" edited"));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    chosen.clear();
    const std::string result = InChild([&] {
        if (!DropRoot())
            return std::string("no user to be");
        const bool saved = docs->Save();
        return (saved ? "saved " : "not saved ") + dialogs.join(u' ').toStdString() +
               (errors.isEmpty() ? "" : " error");
    });
    EXPECT_EQ(result, "not saved save:" + AppFolder().toStdString());
    EXPECT_EQ(Get(path), QByteArray("sample"));
}

// In a child under an alarm, so that a hang fails the test instead of stopping it.
TEST_F(DocumentTest, APipeIsRefusedAtOnceByOpenAndReopen)
{
    const QString path = OpenFile(QStringLiteral("poem.txt"), "kept");
    Type(QStringLiteral(" edited"));
    const QString fifo = dir.file(QStringLiteral("pipe.txt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    const std::string result = InChild([&] {
        ::alarm(10);
        chosen = fifo;
        Run("FileOpen1");
        actions->Action("actOpenRecent")->setText(fifo);
        Run("actOpenRecent");
        const bool unchanged = frame->FileName() == path && editor()->Modified() &&
                               editor()->toPlainText() == QStringLiteral("kept edited");
        return (unchanged ? "unchanged|" : "changed|") + errors.join(u'|').toStdString() + "|" +
               std::to_string(questions);
    });
    const std::string error =
        "Cannot open file \"" + fifo.toStdString() + "\": \"pipe.txt\" is not a regular file.";
    EXPECT_EQ(result, "unchanged|" + error + "|" + error + "|0");
}

namespace {
// Another program adds a line to the end of the file.
void AppendOnDisk(const QString &path, const QByteArray &line)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    ASSERT_EQ(file.write(line), line.size());
}
} // namespace

TEST_F(DocumentTest, AFileChangedByAnotherProgramIsReloadedOrAskedAbout)
{
    const struct
    {
        const char *what;
        bool edited;
        bool reload; // the answer to the question, when asked
        QString shown;
        bool modified;
        int asked;
        bool noted;
    } cases[] = {
        {"unedited", false, false, QStringLiteral("first\nsecond\n"), false, 0, true},
        {"edited, Reload", true, true, QStringLiteral("first\nsecond\n"), false, 1, true},
        {"edited, Keep Mine", true, false, QStringLiteral("first\nmine"), true, 1, false},
    };
    answer = QMessageBox::No;
    for (const auto &c : cases) {
        const QString path = OpenFile(QStringLiteral("poem.txt"), "first\n");
        if (c.edited)
            Type(QStringLiteral("mine"));
        QStringList asked;
        QStringList notes;
        docs->AskReload = [&](const QString &file) {
            asked << file;
            return c.reload;
        };
        docs->ShowNote = [&](const QString &note) { notes << note; };
        AppendOnDisk(path, "second\n");
        QTest::qWaitFor([&] { return !asked.isEmpty() || !notes.isEmpty(); }, 5000);
        QTest::qWait(2 * TDiskWatch::SettleMs); // and nothing more comes
        EXPECT_EQ(editor()->toPlainText(), c.shown) << c.what;
        EXPECT_EQ(editor()->Modified(), c.modified) << c.what;
        EXPECT_EQ(asked.size(), c.asked) << c.what;
        EXPECT_EQ(notes.size(), c.noted ? 1 : 0) << c.what;
        if (c.noted)
            EXPECT_EQ(notes.value(0), QStringLiteral("\"poem.txt\" was changed by another program "
                                                     "and has been reloaded."));
        EXPECT_EQ(frame->FileName(), path) << c.what;
        EXPECT_EQ(Get(path), QByteArray("first\nsecond\n")) << c.what;
        docs->CheckDisk(); // as when the window is activated again: told once is enough
        EXPECT_EQ(asked.size(), c.asked) << c.what;
    }
}

// Saved right after another program's change, before the watch has heard of it.
TEST_F(DocumentTest, SavingOverAFileChangedOnDiskAsksOnceMore)
{
    answer = QMessageBox::No; // each round opens the file anew over the last one's edits
    for (const bool agree : {false, true}) {
        const QString path = OpenFile(QStringLiteral("poem.txt"), "first\n");
        Type(QStringLiteral("mine"));
        int asked = 0;
        docs->AskSaveOverChange = [&](const QString &) { return ++asked, agree; };
        docs->AskReload = [](const QString &) { return false; };
        AppendOnDisk(path, "theirs\n");
        EXPECT_EQ(docs->Save(), agree);
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(Get(path), agree ? QByteArray("first\nmine") : QByteArray("first\ntheirs\n"));
        EXPECT_EQ(editor()->Modified(), !agree);
        if (agree) {
            EXPECT_TRUE(docs->Save()) << "the file is ours again";
            EXPECT_EQ(asked, 1);
        }
    }
}

TEST_F(DocumentTest, AFileDeletedOnDiskKeepsItsTextAndSaveWritesItAgain)
{
    const QString path = OpenFile(QStringLiteral("poem.txt"), "kept verse");
    QStringList notes;
    docs->ShowNote = [&](const QString &note) { notes << note; };
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !notes.isEmpty(); }, 5000));
    EXPECT_EQ(notes, QStringList{QStringLiteral(
                         "\"poem.txt\" was deleted by another program; Save writes it again.")});
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("kept verse"));
    EXPECT_TRUE(editor()->Modified()) << "its text is nowhere else now";
    EXPECT_TRUE(docs->Save());
    EXPECT_EQ(Get(path), QByteArray("kept verse"));
    EXPECT_TRUE(dialogs.isEmpty());
    EXPECT_TRUE(errors.isEmpty());
    QTest::qWait(2 * TDiskWatch::SettleMs);
    EXPECT_EQ(notes.size(), 1) << "our own save is no news";
}
