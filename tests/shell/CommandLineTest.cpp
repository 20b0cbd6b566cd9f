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

TEST(CommandLineTest, TheToolkitsOptionsAreLeftToItAndOursAreLongOptions)
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
        // Once read as compacted short options: -s -t -y ... -h, and -r -e -v ...
        {{"-stylesheet", "x.qss"}, TRequest::Run, {}, {}},
        {{"-reverse"}, TRequest::Run, {}, {}},
        {{"--reverse", "song.txt"}, TRequest::Run, here + "song.txt", {}},
        {{"-style=fusion", "-stylesheet=a.qss", "-widgetcount"}, TRequest::Run, {}, {}},
        // The value of a toolkit option is not the document, even when it looks like one.
        {{"-qwindowtitle", "draft.txt", "-display", ":1", "song.txt"},
         TRequest::Run,
         here + "song.txt",
         {}},
        {{"-platform", "offscreen", "-name", "x", "-reverse", "--version"},
         TRequest::Version,
         {},
         "of Rhyme 2.0\n"},
        {{"-help"}, TRequest::Help, {}, "--version"},
        {{"-h"}, TRequest::Help, {}, "[file]"},
        {{"-version"}, TRequest::Version, {}, "2.0"},
        {{"--", "-reverse"}, TRequest::Run, here + "-reverse", {}},
        {{"-bogus"}, TRequest::Error, {}, "Unknown option 'bogus'"},
        {{"-reversed"}, TRequest::Error, {}, "reversed"},
        {{"-stylesheet=a.qss", "--stylesheets"}, TRequest::Error, {}, "stylesheets"},
        {{"-platform"}, TRequest::Error, {}, "platform"}, // nothing left for its value
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

TEST_F(OpenDocumentTest, AFileNamedAtStartThatDoesNotExistYetIsANewDocumentOfThatName)
{
    const struct
    {
        QByteArray settings;
        QString name;
        bool named; // a new document of that name, else the error and no name
    } cases[] = {
        {"IsAdvanced=1\r\n", "new song.txt", true},
        {"IsAdvanced=0\r\n", "sketch", true},
        {"IsAdvanced=1\r\n", "no such folder/song.txt", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        WriteSettings(c.settings);
        UseEditorFrame();
        TfrmRhymeDict *window = StartShown();
        ASSERT_TRUE(window);
        auto *frame = qobject_cast<TFrameAdvanced *>(window->FrameAdvanced());
        QStringList errors;
        frame->Documents()->ReportError = [&errors](const QString &text) { errors << text; };
        const QString path = dir.file(c.name);
        OpenNamedDocument(window, path);
        EXPECT_EQ(Dict().GetMode(), 1);
        EXPECT_TRUE(window->Editor()->isVisible());
        EXPECT_TRUE(window->Editor()->toPlainText().isEmpty());
        EXPECT_EQ(frame->Documents()->FileName(), c.named ? path : QString());
        EXPECT_EQ(window->windowTitle().endsWith(QFileInfo(path).fileName()), c.named)
            << window->windowTitle().toStdString();
        EXPECT_EQ(errors.size(), c.named ? 0 : 1) << errors.join('\n').toStdString();
        EXPECT_FALSE(QFileInfo::exists(path)) << "nothing is written before Save";
        if (c.named) {
            window->Editor()->insertPlainText("first line\n");
            ASSERT_TRUE(frame->Documents()->Save());
            QFile written(path);
            ASSERT_TRUE(written.open(QIODevice::ReadOnly));
            EXPECT_TRUE(written.readAll().startsWith("first line"));
        }
        window->Editor()->document()->setModified(false);
        EndProgram(program);
        if (placeholderFrame)
            TfrmRhymeDict::AdvancedFrameFactory = std::exchange(placeholderFrame, nullptr);
        Restart();
    }
}
