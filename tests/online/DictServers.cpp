#include "DictServers.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTest>

#include <csignal>
#include <unistd.h>

quint16 FreePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

quint16 RefusingPort()
{
    return FreePort();
}

QString Loopback(quint16 port)
{
    return QStringLiteral("127.0.0.1=%1").arg(port);
}

namespace {
std::unique_ptr<TDictd> &Shared()
{
    static std::unique_ptr<TDictd> dictd;
    return dictd;
}
} // namespace

TDictd &SharedDictd()
{
    if (!Shared())
        Shared() = std::make_unique<TDictd>();
    return *Shared();
}

void StopSharedDictd()
{
    Shared().reset();
}

TDictd::TDictd()
{
    // dictd drops to its own user when started as root: the folder must be open to it.
    QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                           QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                           QFileDevice::WriteOther | QFileDevice::ExeOther);
    port_ = FreePort();
    const QString conf = dir_.filePath(QStringLiteral("dictd.conf"));
    QFile file(conf);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(QStringLiteral("global {\n listen_to 127.0.0.1\n port %1\n pid_file \"%2\"\n}\n"
                              "access { allow 127.0.0.1 }\n"
                              "database gcide { data \"/usr/share/dictd/gcide.dict.dz\"\n"
                              " index \"/usr/share/dictd/gcide.index\" }\n"
                              "database wn { data \"/usr/share/dictd/wn.dict.dz\"\n"
                              " index \"/usr/share/dictd/wn.index\" }\n")
                   .arg(port_)
                   .arg(dir_.filePath(QStringLiteral("dictd.pid")))
                   .toUtf8());
    file.close();
    // dictd also writes a line or two per lookup to the console. A pipe that nobody drains
    // fills after about a thousand lookups (a blocking client runs no event loop), and then
    // every server it forks stalls on that write before answering: a file never fills.
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.setStandardOutputFile(dir_.filePath(QStringLiteral("dictd.console")));
    // A group of its own, so that the servers it forks per connection end with it.
    process_.setChildProcessModifier([] { ::setpgid(0, 0); });
    process_.start(QStringLiteral("/usr/sbin/dictd"),
                   {QStringLiteral("-d"), QStringLiteral("nodetach"), QStringLiteral("-c"), conf,
                    QStringLiteral("-L"), dir_.filePath(QStringLiteral("dictd.log")),
                    QStringLiteral("--pid-file"), dir_.filePath(QStringLiteral("dictd.pid"))});
    if (!process_.waitForStarted(5000))
        return;
    // dictd reads its indexes before it listens.
    const QDeadlineTimer deadline(30000);
    while (!deadline.hasExpired() && process_.state() == QProcess::Running) {
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, port_);
        if (probe.waitForConnected(500)) {
            running_ = true;
            return;
        }
        QTest::qWait(100);
    }
}

TDictd::~TDictd()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    const pid_t group = pid_t(process_.processId());
    ::kill(-group, SIGTERM);
    if (!process_.waitForFinished(5000)) {
        ::kill(-group, SIGKILL);
        process_.waitForFinished(5000);
    }
    ::kill(-group, SIGKILL); // children still serving a connection
}

QString TDictd::Log() const
{
    QFile file(dir_.filePath(QStringLiteral("dictd.log")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

TRecordingProxy::TRecordingProxy(quint16 target) : target_(target)
{
    server_.listen(QHostAddress::LocalHost, 0);
    connect(&server_, &QTcpServer::newConnection, this, &TRecordingProxy::Accept);
}

void TRecordingProxy::Accept()
{
    while (QTcpSocket *client = server_.nextPendingConnection()) {
        const qsizetype index = sent.size();
        sent.append(QByteArray());
        auto *upstream = new QTcpSocket(client);
        upstream->connectToHost(QHostAddress::LocalHost, target_);
        connect(client, &QTcpSocket::readyRead, client, [this, client, upstream, index] {
            const QByteArray bytes = client->readAll();
            sent[index] += bytes;
            upstream->write(bytes);
        });
        connect(upstream, &QTcpSocket::readyRead, client,
                [client, upstream] { client->write(upstream->readAll()); });
        connect(client, &QTcpSocket::disconnected, this, [this, client] {
            ++closedByClient;
            client->deleteLater();
        });
        connect(upstream, &QTcpSocket::disconnected, client,
                [client] { client->disconnectFromHost(); });
    }
}

TScriptedServer::TScriptedServer()
{
    server_.listen(QHostAddress::LocalHost, 0);
    connect(&server_, &QTcpServer::newConnection, this, &TScriptedServer::Accept);
}

void TScriptedServer::Accept()
{
    while (QTcpSocket *socket = server_.nextPendingConnection()) {
        const qsizetype index = sent.size();
        sent.append(QByteArray());
        connections.append(socket);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket, index] {
            sent[index] += socket->readAll();
            while (true) {
                QByteArray &pending = sent[index];
                // Lines already answered are those before the last answered line end.
                const qsizetype answered = socket->property("answered").toLongLong();
                const qsizetype end = pending.indexOf('\n', answered);
                if (end < 0)
                    break;
                socket->setProperty("answered", qlonglong(end + 1));
                if (onLine)
                    socket->write(onLine(pending.mid(answered, end + 1 - answered)));
            }
        });
        if (onConnect)
            onConnect(socket);
    }
}
