#include "UpdateCheckThread.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QTcpSocket>

#include <algorithm>
#include <optional>

namespace {

// Waits in short steps so that a stop request is heard at once.
constexpr int StepMs = 50;

std::optional<int> Component(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// The version line: the line after the second empty line, trimmed; none when there is none.
std::optional<QString> VersionLine(const QByteArray &response)
{
    QString text = QString::fromUtf8(response);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QStringList lines = text.split(QLatin1Char('\n'));
    int empty = 0;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        if (lines.at(i).isEmpty() && ++empty >= 2)
            return lines.at(i + 1).trimmed();
    return std::nullopt;
}

} // namespace

TUpdateCheckThread::TUpdateCheckThread(const QString &host, quint16 port, QObject *parent)
    : QThread(parent), host_(host), port_(port)
{}

TUpdateCheckThread::~TUpdateCheckThread()
{
    Stop();
}

void TUpdateCheckThread::Stop()
{
    requestInterruption();
    // A call the check waits for is dropped (which lets the check go on) rather than run.
    while (!wait(StepMs))
        QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
}

QByteArray TUpdateCheckThread::Request(const QString &host)
{
    return "GET " + QByteArray(VersionPath) + " HTTP/1.1\r\n" + "Host: " + host.toUtf8() + "\r\n" +
           "Connection: close\r\n"
           "Accept-Encoding: gzip\r\n"
           "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, "
           "application/x-shockwave-flash, application/vnd.ms-excel, "
           "application/vnd.ms-powerpoint, application/msword, */*\r\n"
           "Accept-Language: en-us\r\n"
           "User-Agent: Mozilla/4.0 (compatible; MSIE 7.0; Windows NT 5.1; .NET CLR 2.0.50727) "
           "Tolvane/2.0\r\n"
           "\r\n";
}

bool TUpdateCheckThread::NamesNewerVersion(const QByteArray &response)
{
    const std::optional<QString> line = VersionLine(response);
    if (!line || !line->contains(QLatin1Char('.')))
        return false;
    const QStringList parts = line->split(QLatin1Char('.'));
    const std::optional<int> major = Component(parts.at(0));
    const std::optional<int> minor = Component(parts.at(1));
    const std::optional<int> patch =
        parts.size() > 2 ? Component(parts.at(2)) : std::optional<int>(0);
    if (!major || !minor || !patch)
        return false;
    if (*major != MajorVersion)
        return *major > MajorVersion;
    if (*minor != MinorVersion)
        return *minor > MinorVersion;
    return *patch > 0;
}

void TUpdateCheckThread::run()
{
    const QByteArray response = Fetch();
    if (isInterruptionRequested() || !NamesNewerVersion(response) || !OnNewerVersion)
        return;
    QMetaObject::invokeMethod(
        this, [this] { OnNewerVersion(); }, Qt::BlockingQueuedConnection);
}

QByteArray TUpdateCheckThread::Fetch()
{
    const QDeadlineTimer deadline(deadlineMs_);
    QTcpSocket socket;
    socket.connectToHost(host_, port_);
    const QDeadlineTimer connectDeadline(std::min<qint64>(ConnectTimeoutMs, deadlineMs_));
    while (!socket.waitForConnected(StepMs))
        if (isInterruptionRequested() || connectDeadline.hasExpired() ||
            socket.state() == QAbstractSocket::UnconnectedState)
            return QByteArray();
    socket.write(Request(host_));
    QByteArray response;
    QElapsedTimer idle;
    idle.start();
    // Every chunk restarts the idle time-out, so only the deadline ends a server that dribbles.
    while (!isInterruptionRequested() && idle.elapsed() < ReadTimeoutMs) {
        if (deadline.hasExpired())
            return QByteArray();
        if (socket.waitForReadyRead(StepMs)) {
            response += socket.readAll();
            idle.restart();
        } else if (socket.state() != QAbstractSocket::ConnectedState) {
            response += socket.readAll();
            break;
        }
    }
    return response;
}
