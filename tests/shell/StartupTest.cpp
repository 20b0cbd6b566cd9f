#include "ShellFixture.h"

#include "Application.h"
#include "MainMenus.h"
#include "SpellChecker.h"

#include "../settings/ReadOnlyInstall.h"

#include <QAction>
#include <QDirIterator>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>

#include <map>
#include <stdexcept>

namespace {

// Every file below folder with its bytes.
std::map<QString, QByteArray> Snapshot(const QString &folder)
{
    std::map<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        files[file.fileName()] = file.open(QIODevice::ReadOnly) ? file.readAll() : "unreadable";
    }
    return files;
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class TThrowingObject : public QObject
{
public:
    explicit TThrowingObject(const char *message) : message_(message) {}
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::User)
            throw std::runtime_error(message_);
        return QObject::event(event);
    }

private:
    const char *message_;
};

} // namespace

class StartupTest : public ShellFixture
{
protected:
    // Records the text of each message box as it appears, then closes it; onShown runs first.
    void WatchMessageBoxes(std::function<void()> onShown = {})
    {
        boxTimer.setInterval(10);
        QObject::connect(&boxTimer, &QTimer::timeout, [this, onShown] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                boxes << box->text();
                if (onShown)
                    onShown();
                box->close();
            }
        });
        boxTimer.start();
    }

    QTimer boxTimer;
    QStringList boxes;
};

TEST_F(StartupTest, ReadOnlyInstallOpensAndKeepsTheUsersFilesApart)
{
    TempDir home;
    TConfigHome configHome(home.path());
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    WriteSettings("ShowRhymes=1\r\nUITabsAsButtons=0\r\n[Font]\r\nFace=Courier\r\n");
    dir.write("Samples/Two Words.txt", "a sample");
    dir.write("Verse Forms/Haiku.txt", "5\n7\n5\n");
    UseEditorFrame();
    WatchModals();
    const auto installed = Snapshot(dir.path());
    {
        TReadOnlyPath install({dir.path(), dir.file("Samples/Two Words.txt"), dir.file("Samples"),
                               dir.file("Verse Forms")});
        ASSERT_FALSE(QFile(dir.file("probe")).open(QIODevice::WriteOnly)) << "folder writable";

        TfrmRhymeDict *window = StartShown();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->Activated());
        EXPECT_TRUE(window->Initialized());
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(Data()->DocumentOpen()) << "the start stopped before the new document";
        QStringList samples;
        for (QAction *action : window->Menus()->mnuSamples->actions())
            samples << action->text();
        EXPECT_EQ(samples, QStringList({"Two Words"})) << "a read-only sample is listed";
        EXPECT_FALSE(QFile::exists(userFolder + "/settings.ini"))
            << "the start wrote: " << ReadAll(userFolder + "/settings.ini").toStdString();

        Data()->actViewRhymes->trigger();
        EXPECT_FALSE(Settings().GetShowRhymes());
        EXPECT_EQ(Settings().FileName(), userFolder + "/settings.ini");
        TSpellChecker::FreeInstance();
        EXPECT_TRUE(TSpellChecker::Instance().AddWord(QStringLiteral("Tolvane")));
        TSpellChecker::FreeInstance();
        window->close();
        Restart();
        EXPECT_FALSE(Settings().GetShowRhymes()) << "the next start reads the user's settings";
    }
    EXPECT_EQ(Snapshot(dir.path()), installed) << "the installed folder changed";
    EXPECT_EQ(ReadAll(userFolder + "/spellconfig.dic"), "Tolvane\n");
}

TEST_F(StartupTest, AnErrorInAnEventHandlerIsShownAndTheProgramGoesOn)
{
    TThrowingObject failing("Unable to write to /opt/tolvane/settings.ini");
    TThrowingObject second("a second error while the first is shown");
    QEvent event(QEvent::User);
    WatchMessageBoxes([&] {
        // A failure behind the box (a paint, a timer) must not stack another box.
        EXPECT_FALSE(DeliverGuarded([&] { return QCoreApplication::sendEvent(&second, &event); }));
    });
    testing::internal::CaptureStderr();
    const bool handled =
        DeliverGuarded([&] { return QCoreApplication::sendEvent(&failing, &event); });
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(handled);
    EXPECT_EQ(boxes, QStringList({"Unable to write to /opt/tolvane/settings.ini"}));
    EXPECT_NE(err.find("a second error while the first is shown"), std::string::npos) << err;

    bool fired = false;
    QTimer::singleShot(0, [&fired] { fired = true; });
    QTRY_VERIFY(fired);
    EXPECT_EQ(boxes.size(), 1);
}

TEST_F(StartupTest, DamagedWordListIsNamedInTheBoxAndOnStderr)
{
    // One entry announced, its key cut short.
    const QString path = dir.write("rdict.dat", QByteArray("DIHC\x02\x01\x02\x04\x02\x01\x1e\x05"
                                                           "ab"));
    const QString appName = QCoreApplication::applicationName();
    WatchMessageBoxes();
    testing::internal::CaptureStderr();
    const int status = RunProgram(*qobject_cast<QApplication *>(QCoreApplication::instance()));
    const QString err = QString::fromLocal8Bit(testing::internal::GetCapturedStderr().c_str());
    QCoreApplication::setApplicationName(appName);
    EXPECT_EQ(status, 1);
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].contains(path)) << boxes[0].toStdString();
    EXPECT_TRUE(boxes[0].contains("Stream read error")) << boxes[0].toStdString();
    EXPECT_TRUE(err.contains(boxes[0])) << err.toStdString();
}
