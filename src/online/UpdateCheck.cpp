#include "UpdateCheck.h"

#include "UpdateCheckThread.h"
#include "frmUpdate.h"

#include <QDesktopServices>
#include <QTimer>
#include <QUrl>
#include <QWidget>

TUpdateCheck::TUpdateCheck(QWidget *window, const QString &host, quint16 port,
                           const QString &downloadPage)
    : QObject(window), window_(window), downloadPage_(downloadPage),
      thread_(new TUpdateCheckThread(host, port, this))
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

void TUpdateCheck::NewerVersion()
{
    if (!window_ || ShowUpdateWindow(window_) != TfrmUpdate::UpdateNow)
        return;
    OpenPage(downloadPage_);
    // After the check has been let go: closing may ask about an unsaved document.
    QTimer::singleShot(0, window_.data(), [window = window_] {
        if (window)
            window->close();
    });
}
