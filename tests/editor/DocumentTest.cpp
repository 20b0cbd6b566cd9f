#include "AlignPanel.h"
#include "DocumentCommands.h"
#include "FileBytes.h"
#include "FrameFixture.h"

#include <QDir>
#include <QFile>

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
    EXPECT_FALSE(docs->Format().CrLf);
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
