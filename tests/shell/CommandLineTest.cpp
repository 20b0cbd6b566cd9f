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
    const QString here = QDir::currentPath() + QLatin1Char('/');
    const struct
    {
        QStringList args;
        TRequest request;
        QString document;
        QStringList ignored;
        QString textHas;
    } cases[] = {
        {{}, TRequest::Run, {}, {}, {}},
        {{"verse.txt"}, TRequest::Run, here + "verse.txt", {}, {}},
        {{"/songs/a b.txt", "two.txt", "three.txt"},
         TRequest::Run,
         "/songs/a b.txt",
         {"two.txt", "three.txt"},
         {}},
        {{"--", "--version"}, TRequest::Run, here + "--version", {}, {}},
        {{"--version"}, TRequest::Version, {}, {}, "Tolvane Dictionary of Rhyme 2.0\n"},
        // An option of the window system, unknown here, does not stop the answer.
        {{"-platform", "offscreen", "--version"}, TRequest::Version, {}, {}, "Rhyme 2.0"},
        {{"verse.txt", "--help"}, TRequest::Help, {}, {}, "[file]"},
        {{"-h"}, TRequest::Help, {}, {}, "--version"},
        {{"--help-all"}, TRequest::Help, {}, {}, "--version"},
        {{"--bogus", "verse.txt"}, TRequest::Error, {}, {}, "bogus"},
    };
    for (const auto &c : cases) {
        const TCommandLine line(QStringList("tolvane") + c.args);
        const std::string args = c.args.join(' ').toStdString();
        EXPECT_EQ(line.Request(), c.request) << args;
        EXPECT_EQ(line.Document(), c.document) << args;
        EXPECT_EQ(line.Ignored(), c.ignored) << args;
        EXPECT_EQ(line.Text().isEmpty(), c.textHas.isEmpty()) << args;
        EXPECT_TRUE(line.Text().contains(c.textHas)) << args << ": " << line.Text().toStdString();
    }
    QCoreApplication::setApplicationName(appName);
}

class OpenDocumentTest : public ShellFixture
{
protected:
    TfrmRhymeDict *StartWithEditor(const QByteArray &settings)
    {
        WriteSettings(settings);
        UseEditorFrame();
        return StartShown();
    }
    TDocumentCommands *Documents() const
    {
        return qobject_cast<TFrameAdvanced *>(program.window->FrameAdvanced())->Documents();
    }
};

TEST_F(OpenDocumentTest, ADocumentNamedAtStartOpensInTheVerseEditorFromLookupMode)
{
    TfrmRhymeDict *window = StartWithEditor("IsAdvanced=0\r\n");
    ASSERT_TRUE(window);
    ASSERT_EQ(Dict().GetMode(), 0);
    const QString path = dir.write("songs/verse.txt", "glove\nlove\n");
    window->OpenDocument(path);
    EXPECT_EQ(Dict().GetMode(), 1);
    EXPECT_TRUE(Data()->actAdvanced->isChecked());
    ASSERT_TRUE(window->Editor()->isVisible());
    EXPECT_EQ(window->Editor()->toPlainText(), "glove\nlove\n");
    EXPECT_TRUE(window->windowTitle().endsWith(" - verse.txt"))
        << window->windowTitle().toStdString();
    QStringList history;
    Settings().GetFileHistory(history);
    EXPECT_EQ(history, QStringList(path));
    EXPECT_EQ(GetLastFolder(), dir.file("songs")) << "Open from last used folder starts there";
    EXPECT_TRUE(Data()->FileOpen3->isEnabled());
}

TEST_F(OpenDocumentTest, ChangedTextIsAskedAboutAndCancelKeepsIt)
{
    TfrmRhymeDict *window = StartWithEditor({});
    ASSERT_TRUE(window);
    ASSERT_TRUE(window->Editor()->isVisible()) << "Cadenzio mode starts with a new document";
    const QString path = dir.write("verse.txt", "dove\n");
    window->Editor()->insertPlainText("my own lines");
    int asked = 0;
    Documents()->AskSaveChanges = [&] { return ++asked, QMessageBox::Cancel; };
    window->OpenDocument(path);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(window->Editor()->toPlainText(), "my own lines");

    Documents()->AskSaveChanges = [&] { return ++asked, QMessageBox::No; };
    window->OpenDocument(path);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(window->Editor()->toPlainText(), "dove\n");
}

TEST_F(OpenDocumentTest, AMissingFileIsReportedAndTheNewDocumentStays)
{
    TfrmRhymeDict *window = StartWithEditor({});
    ASSERT_TRUE(window);
    auto *frame = qobject_cast<TFrameAdvanced *>(window->FrameAdvanced());
    QStringList errors;
    frame->ReportError = [&](const QString &message) { errors << message; };
    window->OpenDocument(dir.file("gone.txt"));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(dir.file("gone.txt"))) << errors[0].toStdString();
    EXPECT_TRUE(window->Editor()->isVisible());
    EXPECT_TRUE(window->Editor()->toPlainText().isEmpty());
    QStringList history;
    Settings().GetFileHistory(history);
    EXPECT_TRUE(history.isEmpty());
}
