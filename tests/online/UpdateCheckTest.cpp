#include "UpdateCheck.h"
#include "DictServers.h"
#include "UpdateCheckThread.h"
#include "frmUpdate.h"

#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace {

QByteArray Answer(const QByteArray &versionLine)
{
    return "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n\r\n\r\n" +
           versionLine + "\r\n";
}

// A version server on loopback: answers the request with body, then closes.
struct TVersionServer
{
    explicit TVersionServer(const QByteArray &body)
    {
        server.onLine = [this, body](const QByteArray &line) {
            if (line != "\r\n")
                return QByteArray();
            QTcpSocket *socket = server.connections.last();
            socket->write(body);
            socket->flush(); // out at once, without a turn of the event loop
            socket->disconnectFromHost();
            return QByteArray();
        };
    }
    TScriptedServer server;
};

class TWindow : public QWidget
{
public:
    int closes = 0;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        ++closes;
        event->accept();
    }
};

} // namespace

TEST(UpdateCheck, TheVersionLineDecides)
{
    struct Case
    {
        QByteArray response;
        bool newer;
    };
    const Case cases[] = {
        {Answer("2.0.1"), true},
        {Answer("2.0"), false},
        {Answer("2.0.0"), false},
        {Answer("3.0"), true},
        {Answer("2.1"), true},
        {Answer("1.5"), false},
        {Answer("1.9.9"), false},
        {Answer("2"), false},
        {Answer("a.b"), false},
        {Answer("3.x"), false},
        {Answer(" 2.0.1.7 "), true},
        // Only the header's end: no second empty line, no version line.
        {"HTTP/1.1 200 OK\r\nContent-Length: 6\r\n\r\n3.0.0\r\n", false},
        {"", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(TUpdateCheckThread::NamesNewerVersion(c.response), c.newer)
            << c.response.constData();
}

TEST(UpdateCheck, AskesOnceAndShowsTheWindowOnTheMainThread)
{
    TVersionServer version(Answer("2.0.1"));
    TWindow window;
    window.show();
    TUpdateCheck check(&window, QStringLiteral("127.0.0.1"), version.server.Port(),
                       QStringLiteral("https://tolvane.example.org/download"));
    bool onMainThread = false;
    QStringList opened;
    check.ShowUpdateWindow = [&](QWidget *parent) {
        onMainThread = QThread::currentThread() == window.thread() && parent == &window;
        return int(QDialog::Accepted);
    };
    check.OpenPage = [&](const QString &url) { opened << url; };
    check.Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.closes == 1; }, 10000));
    EXPECT_TRUE(onMainThread);
    EXPECT_EQ(opened, QStringList({"https://tolvane.example.org/download"}));
    EXPECT_EQ(version.server.sent,
              QList<QByteArray>({TUpdateCheckThread::Request(QStringLiteral("127.0.0.1"))}));
    EXPECT_TRUE(version.server.sent.value(0).startsWith(
        "GET /Zeza_Zodizav_Idozazuzad/Download_Now/-Private/version.html HTTP/1.1\r\n"
        "Host: 127.0.0.1\r\nConnection: close\r\n"));
}

TEST(UpdateCheck, EndsPromptlyWhenTheWindowGoesFirst)
{
    // A server that never answers; then one in a process of its own that answers 3.0 while this
    // thread runs no event loop, so that the check is left waiting for the main thread.
    TScriptedServer silent;
    const quint16 newerPort = FreePort();
    QProcess newer;
    newer.start(QStringLiteral("python3"),
                {QStringLiteral("-c"),
                 QStringLiteral(
                     "import socket,sys\n"
                     "s=socket.socket(); s.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)\n"
                     "s.bind(('127.0.0.1', %1)); s.listen(1); print('ready', flush=True)\n"
                     "c,_=s.accept(); d=b''\n"
                     "while b'\\r\\n\\r\\n' not in d: d+=c.recv(4096)\n"
                     "c.sendall(sys.argv[1].encode()); c.close()\n")
                     .arg(newerPort),
                 QString::fromLatin1(Answer("3.0"))});
    ASSERT_TRUE(newer.waitForReadyRead(10000));
    for (quint16 port : {silent.Port(), newerPort}) {
        bool shown = false;
        auto window = std::make_unique<TWindow>();
        auto *check = new TUpdateCheck(window.get(), QStringLiteral("127.0.0.1"), port,
                                       QStringLiteral("https://x.example/"));
        check->ShowUpdateWindow = [&](QWidget *) {
            shown = true;
            return int(QDialog::Rejected);
        };
        check->Start();
        if (port == silent.Port())
            ASSERT_TRUE(QTest::qWaitFor(
                [&] { return !silent.sent.isEmpty() && silent.sent.last().endsWith("\r\n\r\n"); },
                5000));
        else
            ASSERT_TRUE(newer.waitForFinished(5000)); // answered; the check now waits on us
        QThread::msleep(200);
        // Neither a silent server nor a check waiting for the main thread holds the close up.
        window.reset();
        EXPECT_FALSE(shown) << port;
    }
}

namespace {
// Where a real key press goes: the window's focused control, else the window.
QWidget *KeyTarget(QWidget &window)
{
    return window.focusWidget() ? window.focusWidget() : &window;
}
} // namespace

TEST(UpdateWindow, KeysArrivingAsItOpensTriggerNothingAndOnlyAltUpdates)
{
    struct Case
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int afterGuard; // the choice once the window has been seen; -1: still open
    };
    constexpr int Unchecked = -2;
    const Case cases[] = {
        {Qt::Key_Space, Qt::NoModifier, TfrmUpdate::Later},
        {Qt::Key_Return, Qt::NoModifier, TfrmUpdate::Later},
        {Qt::Key_Enter, Qt::KeypadModifier, TfrmUpdate::Later},
        {Qt::Key_Escape, Qt::NoModifier, TfrmUpdate::Later},
        {Qt::Key_U, Qt::NoModifier, -1},
        // Shortcuts: only that nothing happens while the window is new.
        {Qt::Key_U, Qt::AltModifier, Unchecked},
        {Qt::Key_L, Qt::AltModifier, Unchecked},
    };
    for (const Case &c : cases) {
        const QString name = QKeySequence(c.key | c.modifiers).toString();
        TfrmUpdate dialog(nullptr);
        QList<int> finished;
        QObject::connect(&dialog, &QDialog::finished, [&](int result) { finished << result; });
        dialog.open();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        dialog.activateWindow(); // shortcuts answer only in the active window
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        EXPECT_TRUE(dialog.btnLater()->isDefault());
        EXPECT_FALSE(dialog.btnUpdate()->isDefault() || dialog.btnUpdate()->autoDefault());
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(KeyTarget(dialog), c.key, c.modifiers);
        EXPECT_TRUE(finished.isEmpty()) << name.toStdString();
        EXPECT_TRUE(dialog.isVisible()) << name.toStdString();

        ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.Guarded(); }, 5000));
        EXPECT_EQ(dialog.focusWidget(), dialog.btnLater());
        if (c.afterGuard == Unchecked)
            continue;
        QTest::keyClick(KeyTarget(dialog), c.key, c.modifiers);
        EXPECT_EQ(finished.value(0, -1), c.afterGuard) << name.toStdString();
        EXPECT_LE(finished.size(), 1);
    }
}

TEST(UpdateWindow, UpdateNowAnswersAClickOnceTheWindowIsSeen)
{
    TfrmUpdate dialog(nullptr);
    QList<int> finished;
    QObject::connect(&dialog, &QDialog::finished, [&](int result) { finished << result; });
    dialog.open();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(dialog.btnUpdate(), Qt::LeftButton);
    EXPECT_TRUE(finished.isEmpty()) << "a click meant for the window below";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.Guarded(); }, 5000));
    QTest::mouseClick(dialog.btnUpdate(), Qt::LeftButton);
    EXPECT_EQ(finished, QList<int>{TfrmUpdate::UpdateNow});
}

TEST(UpdateWindow, IsAToolWindowWithoutCloseButton)
{
    const TfrmUpdate dialog(nullptr);
    const Qt::WindowFlags flags = dialog.windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
    EXPECT_FALSE(flags & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinMaxButtonsHint));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Cadenzio"));
}

TEST(UpdateCheck, WaitsUntilTheUserPausesTyping)
{
    TVersionServer version(Answer("2.0.1"));
    TWindow window;
    auto *edit = new QLineEdit(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    edit->setFocus();
    TUpdateCheck check(&window, QStringLiteral("127.0.0.1"), version.server.Port(),
                       QStringLiteral("https://x.example/"));
    QElapsedTimer clock;
    clock.start();
    qint64 shownAt = -1;
    qsizetype typedWhenShown = -1;
    check.ShowUpdateWindow = [&](QWidget *) {
        shownAt = clock.elapsed();
        typedWhenShown = edit->text().size();
        return int(QDialog::Rejected);
    };
    check.Start();
    // Well past the check's own time on loopback.
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(edit, Qt::Key_A);
        QTest::qWait(250);
    }
    const qint64 lastKey = clock.elapsed() - 250;
    EXPECT_EQ(shownAt, -1) << "shown while the user typed";
    ASSERT_TRUE(QTest::qWaitFor([&] { return shownAt >= 0; }, 10000));
    EXPECT_EQ(typedWhenShown, 12);
    EXPECT_GE(shownAt - lastKey, TUpdateCheck::QuietMs - 100);
}

TEST(UpdateCheck, ADribblingServerIsCutOffAtTheDeadline)
{
    // A whole answer naming 3.0, then a line every 100 ms for ever.
    TScriptedServer server;
    server.onConnect = [](QTcpSocket *socket) {
        socket->write(Answer("3.0"));
        auto *timer = new QTimer(socket);
        QObject::connect(timer, &QTimer::timeout, socket, [socket] { socket->write("x\r\n"); });
        timer->start(100);
    };
    TUpdateCheckThread thread(QStringLiteral("127.0.0.1"), server.Port());
    bool newer = false;
    thread.OnNewerVersion = [&] { newer = true; };
    thread.SetDeadline(1500);
    QElapsedTimer clock;
    clock.start();
    thread.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return thread.isFinished(); }, 8000))
        << "still reading after " << clock.elapsed() << " ms";
    EXPECT_GE(clock.elapsed(), 1400);
    EXPECT_FALSE(newer) << "an answer cut off by the deadline decides nothing";
}
