#include "UpdateCheck.h"

#include "UpdateCheckThread.h"
#include "frmUpdate.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <utility>

// How long ago the user last pressed a key in any window of the program. Until the watch has
// seen a while of the program, it counts its own start as a key: a key pressed just before
// cannot be ruled out.
class TTypingWatch : public QObject
{
public:
    explicit TTypingWatch(QObject *parent) : QObject(parent)
    {
        sinceKey_.start();
        QCoreApplication::instance()->installEventFilter(this);
    }
    qint64 MsSinceKey() const { return sinceKey_.elapsed(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress)
            sinceKey_.restart();
        return QObject::eventFilter(watched, event);
    }

private:
    QElapsedTimer sinceKey_;
};

TUpdateCheck::TUpdateCheck(QWidget *window, const QString &host, quint16 port,
                           const QString &downloadPage)
    : QObject(window), window_(window), downloadPage_(downloadPage),
      thread_(new TUpdateCheckThread(host, port, this)), typing_(new TTypingWatch(this))
{
    thread_->OnNewerVersion = [this] { NewerVersion(); };
    ShowUpdateWindow = [](QWidget *parent) {
        TfrmUpdate dialog(parent);
        return dialog.exec();
    };
    OpenPage = [](const QString &url) { QDesktopServices::openUrl(QUrl(url)); };
}

TUpdateCheck::~TUpdateCheck()
{
    thread_->Stop();
}

void TUpdateCheck::Start()
{
    if (!thread_->isRunning() && !thread_->isFinished())
        thread_->start();
}

// Runs while the check waits for it; the check is let go at once and the window follows when
// the user pauses.
void TUpdateCheck::NewerVersion()
{
    if (std::exchange(pending_, true))
        return;
    QTimer::singleShot(0, this, &TUpdateCheck::ShowWhenQuiet);
}

void TUpdateCheck::ShowWhenQuiet()
{
    const qint64 quiet = typing_->MsSinceKey();
    if (quiet < QuietMs) {
        QTimer::singleShot(int(QuietMs - quiet), this, &TUpdateCheck::ShowWhenQuiet);
        return;
    }
    if (!window_ || ShowUpdateWindow(window_) != TfrmUpdate::UpdateNow)
        return;
    OpenPage(downloadPage_);
    // After the window has gone: closing may ask about an unsaved document.
    QTimer::singleShot(0, window_.data(), [window = window_] {
        if (window)
            window->close();
    });
}
