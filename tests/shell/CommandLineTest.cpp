#include "ShellFixture.h"

#include "CommandLine.h"
#include "DocumentCommands.h"

#include <QDir>
#include <QFile>
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
    // Each modal window as it comes up, with any modal window it stands over.
    QStringList seen;
    QObject::connect(&modalTimer, &QTimer::timeout, [&seen] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        QString entry = QString::fromLatin1(modal->metaObject()->className());
        if (const auto *box = qobject_cast<QMessageBox *>(modal))
            entry += ": " + box->text().section(' ', 0, 2);
        for (const QWidget *other : QApplication::topLevelWidgets())
            if (other != modal && other->isVisible() && other->isModal())
                entry += " over " + QString::fromLatin1(other->metaObject()->className());
        seen << entry;
        modal->close();
    });
    const struct
    {
        const char *file;
        QStringList modals;
    } cases[] = {
        {"verse.txt", {"TAboutForm"}},
        {"missing.txt", {"QMessageBox: Cannot open file", "TAboutForm"}},
    };
    dir.write("verse.txt", "glove\n");
    for (const auto &c : cases) {
        QFile::remove(dir.file("settings.ini"));
        Restart();
        seen.clear();
        modalTimer.start(10);
        TfrmRhymeDict *window = Start();
        ASSERT_TRUE(window);
        ASSERT_TRUE(Settings().IsFirstRun());
        // As the program starts: shown, then the document named on the command line.
        window->show();
        const QString path = dir.file(c.file);
        QTimer::singleShot(0, window, [window, path] { window->OpenDocument(path); });
        EXPECT_TRUE(QTest::qWaitFor([&] { return seen.size() >= c.modals.size(); }, 5000));
        QTest::qWait(50); // nothing more comes up
        modalTimer.stop();
        EXPECT_EQ(seen, c.modals) << c.file << ": " << seen.join(" | ").toStdString();
        EXPECT_EQ(window->Editor()->toPlainText(), QFile::exists(path) ? "glove\n" : "") << c.file;
    }
}
