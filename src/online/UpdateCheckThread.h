#pragma once

#include <QByteArray>
#include <QString>
#include <QThread>

#include <functional>

// The once-per-run check for a newer version: an HTTP/1.1 GET of the version file over a plain
// TCP connection, on a thread of its own that touches nothing of the user interface. When the
// answer names a newer version, OnNewerVersion runs on the thread that created this object
// while the check waits for it to return. Every failure ends the check silently.
class TUpdateCheckThread : public QThread
{
    Q_OBJECT

public:
    static constexpr int MajorVersion = 2;
    static constexpr int MinorVersion = 0;
    static constexpr const char *VersionPath =
        "/Zeza_Zodizav_Idozazuzad/Download_Now/-Private/version.html";
    static constexpr int ConnectTimeoutMs = 3000;
    static constexpr int ReadTimeoutMs = 1000;
    // The whole check, however slowly a server sends: a check still running then ends silently.
    static constexpr int DeadlineMs = 30000;

    TUpdateCheckThread(const QString &host, quint16 port, QObject *parent = nullptr);
    // Stops the check first (see Stop).
    ~TUpdateCheckThread() override;

    std::function<void()> OnNewerVersion;
    // Before Start; tests shorten it.
    void SetDeadline(int ms) { deadlineMs_ = ms; }

    // Ends the check and waits for it: within a fraction of a second, and without deadlock
    // should the check be waiting for OnNewerVersion to be run.
    void Stop();

    // The request as sent.
    static QByteArray Request(const QString &host);
    // Whether a whole answer, header and body, names a version newer than this program's: the
    // line after the answer's second empty line, as major.minor[.patch].
    static bool NamesNewerVersion(const QByteArray &response);

protected:
    void run() override;

private:
    QByteArray Fetch();

    QString host_;
    quint16 port_;
    int deadlineMs_ = DeadlineMs;
};
