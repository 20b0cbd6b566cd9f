#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QWidget;
class TTypingWatch;
class TUpdateCheckThread;

// Runs the update check for a main window and shows TfrmUpdate over it when a newer version is
// out, but only once the user has not typed for QuietMs: the window must not take the focus from
// someone in the middle of a line. "&Update Now!" opens the download page and then closes the
// window the normal way, so an unsaved document is offered for saving. Owned by the window:
// closing the window ends a check still under way.
class TUpdateCheck : public QObject
{
    Q_OBJECT

public:
    static constexpr int QuietMs = 2000;

    TUpdateCheck(QWidget *window, const QString &host, quint16 port, const QString &downloadPage);
    ~TUpdateCheck() override;

    void Start();
    TUpdateCheckThread *Thread() const { return thread_; }

    // Shows the window modally and returns the choice; replaceable for tests.
    std::function<int(QWidget *window)> ShowUpdateWindow;
    // Opens the download page; the system's handler unless replaced.
    std::function<void(const QString &url)> OpenPage;

private:
    void NewerVersion();
    void ShowWhenQuiet();

    QPointer<QWidget> window_;
    QString downloadPage_;
    TUpdateCheckThread *thread_;
    TTypingWatch *typing_;
    bool pending_ = false;
};
