#pragma once

// DICT servers for the tests, all on 127.0.0.1: a real dictd with the gcide and wn databases,
// a proxy that records what a client sends, and a scripted server for answers no real server
// gives.

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <ostream>

// Test failures show texts as text.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

// A free TCP port on loopback at the time of the call.
quint16 FreePort();
// A port on which nothing listens, so a connection is refused at once.
quint16 RefusingPort();
// "127.0.0.1=port", as a settings entry.
QString Loopback(quint16 port);

// dictd on a port of its own, with a configuration, pid file and log in a folder it can write
// even after dropping to its own user; stopped by the destructor.
class TDictd
{
public:
    TDictd();
    ~TDictd();
    bool Running() const { return running_; }
    quint16 Port() const { return port_; }
    QString Log() const;

private:
    QTemporaryDir dir_;
    QProcess process_;
    quint16 port_ = 0;
    bool running_ = false;
};

// One dictd for a whole test program (it takes a while to read its indexes), started on first
// use; StopSharedDictd ends it before the application object goes.
TDictd &SharedDictd();
void StopSharedDictd();

// Forwards every connection to a target port and records the bytes clients send on each.
class TRecordingProxy : public QObject
{
public:
    explicit TRecordingProxy(quint16 target);
    quint16 Port() const { return server_.serverPort(); }
    // What the clients sent, one entry per connection, in order of connection.
    QList<QByteArray> sent;
    int closedByClient = 0;

private:
    void Accept();
    QTcpServer server_;
    quint16 target_;
};

// A server whose every connection runs the script: onConnect at once, then onLine for every
// line the client sends (its return value is written back). What clients send is recorded.
class TScriptedServer : public QObject
{
public:
    TScriptedServer();
    quint16 Port() const { return server_.serverPort(); }
    std::function<void(QTcpSocket *)> onConnect;
    std::function<QByteArray(const QByteArray &line)> onLine;
    QList<QByteArray> sent;
    QList<QPointer<QTcpSocket>> connections;

private:
    void Accept();
    QTcpServer server_;
};
