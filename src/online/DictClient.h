#pragma once

#include "DictProtocol.h"

#include <QByteArray>
#include <QObject>
#include <QStringList>
#include <QTimer>

class QTcpSocket;

// Sends one DICT command over a fresh connection and collects the answer, without ever blocking
// the thread: the socket is driven by its signals. Servers are tried in list order from the
// current one; a server that cannot be reached within ConnectTimeoutMs (or at all) moves the
// current index on. The answer ends at its final status line, when the server closes, or after
// IdleTimeoutMs without data; the connection is then simply closed (no QUIT).
class TDictClient : public QObject
{
    Q_OBJECT

public:
    enum class TOutcome
    {
        Answered,    // a server took the command; the answer may still be empty
        Unreachable, // no server of the list could be reached
        TimedOut,    // the exchange ran past its overall deadline
    };

    static constexpr int ConnectTimeoutMs = 3000;
    static constexpr int IdleTimeoutMs = 1000;
    // A larger answer is cut here rather than filling the memory.
    static constexpr qsizetype MaxResponseBytes = 8 * 1024 * 1024;
    // The idle timer restarts with every chunk, so a server that trickles would keep an exchange
    // going for ever; this bounds it in all, connection attempts included.
    static constexpr int DeadlineMs = 15000;

    explicit TDictClient(QObject *parent = nullptr);
    ~TDictClient() override;

    // "host=port" entries, and the index of the one to try first.
    void SetServers(const QStringList &entries, int current = 0);
    const QStringList &Servers() const { return servers_; }
    int CurrentServer() const { return current_; }

    // Starts sending command; Finished follows exactly once unless Abort comes first.
    void Start(const QByteArray &command);
    void SetDeadline(int ms) { deadlineTimer_.setInterval(ms); }
    // Whether the last answer was cut at MaxResponseBytes.
    bool Cut() const { return cut_; }
    // Drops the exchange under way without a Finished signal.
    void Abort();
    bool Busy() const { return busy_; }

signals:
    // A server took the connection; entry is the one of the list.
    void Connected(const QString &entry);
    // A server of the list could not be reached; the current index has moved past it.
    void ServerFailed(const QString &entry);
    // The reading of an answer began, one more chunk arrived, the reading ended.
    void ReadStarted();
    void ChunkReceived();
    void ReadEnded();
    void Finished(TDictClient::TOutcome outcome, const QByteArray &response);

private:
    void TryServer();
    void FailServer();
    void OnConnected();
    void OnReadyRead();
    void OnError();
    void OnIdle();
    void Finish(TOutcome outcome);
    void DropSocket();

    QStringList servers_;
    int current_ = 0;
    QByteArray command_;
    QByteArray response_;
    TDictResponseEnd end_;
    QTcpSocket *socket_ = nullptr;
    QTimer connectTimer_;
    QTimer idleTimer_;
    QTimer deadlineTimer_;
    quint64 generation_ = 0; // tells a queued step of an earlier exchange from the current one
    bool busy_ = false;
    bool reading_ = false;
    bool cut_ = false;
};
