#include "Recovery.h"
#include "FileBytes.h"
#include "FrameFixture.h"

#include <QDir>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

// The frame over a recovery folder of the test's own, with the questions answered here.
class RecoveryTest : public FrameFixture
{
protected:
    void SetUp() override
    {
        TRecoveryStore::OverrideFolder(dir.file(QStringLiteral("recovery")));
        FrameFixture::SetUp();
        docs = frame->Documents();
        docs->SetRecoveryDelay(50);
        docs->AskSaveChanges = [this] { return answer; };
        frame->ReportError = [this](const QString &message) { errors << message; };
    }
    void TearDown() override
    {
        FrameFixture::TearDown();
        TRecoveryStore::OverrideFolder(QString());
    }
    QStringList RecoveryFiles() const
    {
        return QDir(dir.file(QStringLiteral("recovery")))
            .entryList({QStringLiteral("*.json")}, QDir::Files);
    }
    void Type(const QString &text)
    {
        editor()->moveCursor(QTextCursor::End);
        editor()->insertPlainText(text);
    }
    QString Document(const QByteArray &bytes)
    {
        const QString path = dir.file(QStringLiteral("poem.txt"));
        Put(path, bytes);
        EXPECT_TRUE(docs->Open(path));
        return path;
    }

    TDocumentCommands *docs = nullptr;
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
    QStringList errors;
};

TEST_F(RecoveryTest, UnsavedTextIsKeptUntilSavedDiscardedOrClosed)
{
    const struct
    {
        const char *what;
        std::function<void(TDocumentCommands &)> end;
    } cases[] = {
        {"Save", [](TDocumentCommands &d) { EXPECT_TRUE(d.Save()); }},
        {"No to \"Save changes?\"",
         [this](TDocumentCommands &d) {
             answer = QMessageBox::No;
             EXPECT_TRUE(d.Close());
         }},
        {"Yes to \"Save changes?\"",
         [this](TDocumentCommands &d) {
             answer = QMessageBox::Yes;
             EXPECT_TRUE(d.Close());
         }},
        {"undoing the edit", [this](TDocumentCommands &) { editor()->undo(); }},
    };
    for (const auto &c : cases) {
        Document("old verse\n");
        EXPECT_TRUE(RecoveryFiles().isEmpty()) << c.what << ": nothing unsaved yet";
        Type(QStringLiteral("new line"));
        EXPECT_TRUE(RecoveryFiles().isEmpty()) << c.what << ": not on every key";
        ASSERT_TRUE(QTest::qWaitFor([&] { return !RecoveryFiles().isEmpty(); }, 5000)) << c.what;
        c.end(*docs);
        EXPECT_TRUE(RecoveryFiles().isEmpty()) << c.what;
    }
    // Cancel keeps the document, and so its recovery file.
    Document("old verse\n");
    Type(QStringLiteral("kept"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !RecoveryFiles().isEmpty(); }, 5000));
    answer = QMessageBox::Cancel;
    EXPECT_FALSE(docs->Close());
    EXPECT_EQ(RecoveryFiles().size(), 1);
}

TEST_F(RecoveryTest, ARunningCopysFileIsNeverTakenAndAGoneOnesIs)
{
    const QString folder = dir.file(QStringLiteral("shared"));
    auto running = std::make_unique<TRecoveryStore>(folder);
    ASSERT_TRUE(running->Write(QStringLiteral("/x/poem.txt"), QStringLiteral("its text")));
    TRecoveryStore other(folder);
    EXPECT_TRUE(other.Orphans().empty()) << "the first copy still runs";
    running.reset(); // ended with the text unsaved
    const std::vector<TRecoveryStore::TEntry> orphans = other.Orphans();
    ASSERT_EQ(orphans.size(), 1u);
    EXPECT_EQ(orphans[0].document, QStringLiteral("/x/poem.txt"));
    EXPECT_EQ(orphans[0].text, QStringLiteral("its text"));
    EXPECT_LE(orphans[0].time.secsTo(QDateTime::currentDateTimeUtc()), 60);
    TRecoveryStore third(folder);
    EXPECT_TRUE(third.Orphans().empty()) << "claimed by the second copy";
    other.Drop(orphans[0]);
    EXPECT_TRUE(QDir(folder).entryList(QDir::Files).isEmpty());
}

namespace {
// Answers every question box that comes up while it lives: records its text and clicks the
// named button.
class TBoxAnswerer
{
public:
    explicit TBoxAnswerer(const QString &button)
    {
        QObject::connect(&timer_, &QTimer::timeout, [this, button] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || asked.contains(box->text()))
                return;
            asked << box->text();
            for (QAbstractButton *b : box->buttons())
                if (b->text() == button)
                    b->click();
        });
        timer_.start(20);
    }
    QStringList asked;

private:
    QTimer timer_;
};
} // namespace

// A second copy of the editor, killed with SIGKILL after it kept its text; the next start offers
// that text back, as the document it belongs to, without touching the file.
TEST_F(RecoveryTest, TextOfAKilledCopyIsOfferedAtTheNextStart)
{
    const QString path = dir.file(QStringLiteral("poem.txt"));
    Put(path, "The sea is wide\n");
    for (const QString &choice : {QStringLiteral("Discard"), QStringLiteral("Recover")}) {
        QProcess child;
        child.start(QStringLiteral(TOLVANE_RECOVERY_CHILD),
                    {dir.path(), dir.file(QStringLiteral("recovery")), path,
                     QStringLiteral("and deep the night")});
        ASSERT_TRUE(child.waitForReadyRead(20000)) << child.readAllStandardError().constData();
        ASSERT_EQ(child.readLine(), QByteArray("ready\n"));
        docs->OfferRecovery();
        EXPECT_EQ(frame->FileName(), QString()) << "a running copy's text is not offered";
        child.kill();
        ASSERT_TRUE(child.waitForFinished(5000));
        ASSERT_EQ(child.exitStatus(), QProcess::CrashExit);

        auto answerer = std::make_unique<TBoxAnswerer>(choice);
        docs->OfferRecovery();
        const QStringList asked = answerer->asked;
        ASSERT_EQ(asked.size(), 1) << choice.toStdString();
        EXPECT_TRUE(
            asked[0].startsWith(QStringLiteral("Recover the unsaved text of \"poem.txt\" from ")));
        EXPECT_TRUE(asked[0].contains(QRegularExpression(QStringLiteral(" \\d\\d:\\d\\d\\?$"))))
            << asked[0].toStdString();
        EXPECT_EQ(Get(path), QByteArray("The sea is wide\n")) << "the file is not written";
        if (choice == QStringLiteral("Recover")) {
            EXPECT_EQ(frame->FileName(), path);
            EXPECT_EQ(editor()->toPlainText(),
                      QStringLiteral("The sea is wide\nand deep the night"));
            EXPECT_TRUE(editor()->Modified());
            EXPECT_EQ(RecoveryFiles().size(), 1) << "now this run's own";
        } else {
            EXPECT_EQ(frame->FileName(), QString());
            EXPECT_TRUE(RecoveryFiles().isEmpty());
        }
        answerer = std::make_unique<TBoxAnswerer>(QStringLiteral("Discard"));
        docs->OfferRecovery();
        EXPECT_TRUE(answerer->asked.isEmpty()) << "offered once";
    }
    EXPECT_TRUE(errors.isEmpty());
}
