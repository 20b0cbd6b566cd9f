#include "ShellFixture.h"

#include "CommandLine.h"
#include "DocumentCommands.h"

#include <QDir>
#include <QMessageBox>
#include <QPlainTextEdit>

using TRequest = TCommandLine::TRequest;

TEST(CommandLineTest, ArgumentsTellWhatToDo)
{
    const QString appName = QCoreApplication::applicationName();
    NameApplication();
    const QString here = QDir::currentPath() + "/";
    const struct
    {
        QStringList args;
        TRequest request;
        QString document, textHas;
    } cases[] = {
        {{}, TRequest::Run, {}, {}},
        {{"a.txt", "b.txt"}, TRequest::Run, here + "a.txt", {}}, // one document at a time
        {{"--", "--version"}, TRequest::Run, here + "--version", {}},
        // An option of the window system, unknown here, does not stop the answer.
        {{"-platform", "offscreen", "--version"}, TRequest::Version, {}, "of Rhyme 2.0\n"},
        {{"a.txt", "--help-all"}, TRequest::Help, {}, "[file]"},
        {{"--bogus"}, TRequest::Error, {}, "bogus"},
    };
    for (const auto &c : cases) {
        const TCommandLine line(QStringList("tolvane") + c.args);
        const std::string args = c.args.join(' ').toStdString();
        EXPECT_EQ(line.Request(), c.request) << args;
        EXPECT_EQ(line.Document(), c.document) << args;
        EXPECT_EQ(line.Text().isEmpty(), c.textHas.isEmpty()) << args;
        EXPECT_TRUE(line.Text().contains(c.textHas)) << args << ": " << line.Text().toStdString();
    }
    QCoreApplication::setApplicationName(appName);
}

using OpenDocumentTest = ShellFixture;

TEST_F(OpenDocumentTest, ADocumentNamedAtStartSwitchesToTheEditorAndAsksAboutChanges)
{
    WriteSettings("IsAdvanced=0\r\n");
    UseEditorFrame();
    TfrmRhymeDict *window = StartShown();
    ASSERT_TRUE(window);
    const QString path = dir.write("songs/verse.txt", "glove\n");
    window->OpenDocument(path);
    EXPECT_EQ(Dict().GetMode(), 1);
    ASSERT_TRUE(window->Editor()->isVisible());
    EXPECT_EQ(window->Editor()->toPlainText(), "glove\n");
    EXPECT_EQ(GetLastFolder(), dir.file("songs")) << "Open from last used folder starts there";

    auto *frame = qobject_cast<TFrameAdvanced *>(window->FrameAdvanced());
    frame->Documents()->AskSaveChanges = [] { return QMessageBox::Cancel; };
    window->Editor()->insertPlainText("my own ");
    window->OpenDocument(path);
    EXPECT_EQ(window->Editor()->toPlainText(), "my own glove\n");
}

TEST_F(OpenDocumentTest, OnAFirstRunTheAboutBoxWaitsForTheDocumentNamedAtStart)
{
    UseEditorFrame();
    QStringList seen; // each modal window as it comes up, with any it stands over
    QObject::connect(&modalTimer, &QTimer::timeout, [&seen] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            QString entry = QString::fromLatin1(modal->metaObject()->className());
            for (const QWidget *other : QApplication::topLevelWidgets())
                if (other != modal && other->isVisible() && other->isModal())
                    entry += " over " + QString::fromLatin1(other->metaObject()->className());
            seen << entry;
            modal->close();
        }
    });
    modalTimer.start(10);
    TfrmRhymeDict *window = Start();
    ASSERT_TRUE(window && Settings().IsFirstRun());
    window->show(); // then, as the program starts, the document named on the command line
    const QString missing = dir.file("missing.txt");
    QTimer::singleShot(0, window, [window, missing] { window->OpenDocument(missing); });
    EXPECT_TRUE(QTest::qWaitFor([&seen] { return seen.size() >= 2; }, 5000));
    modalTimer.stop();
    EXPECT_EQ(seen, QStringList({"QMessageBox", "TAboutForm"})) << seen.join(" | ").toStdString();
}
