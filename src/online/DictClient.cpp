#include "DictClient.h"

#include <QTcpSocket>

TDictClient::TDictClient(QObject *parent) : QObject(parent)
{
    connectTimer_.setSingleShot(true);
    connectTimer_.setInterval(ConnectTimeoutMs);
    connect(&connectTimer_, &QTimer::timeout, this, &TDictClient::FailServer);
    idleTimer_.setSingleShot(true);
    idleTimer_.setInterval(IdleTimeoutMs);
    connect(&idleTimer_, &QTimer::timeout, this, &TDictClient::OnIdle);
    deadlineTimer_.setSingleShot(true);
    deadlineTimer_.setInterval(DeadlineMs);
    connect(&deadlineTimer_, &QTimer::timeout, this, [this] { Finish(TOutcome::TimedOut); });
}

TDictClient::~TDictClient()
{
    Abort();
}

void TDictClient::SetServers(const QStringList &entries, int current)
{
    servers_ = entries;
    current_ = current;
}

void TDictClient::Start(const QByteArray &command)
{
    Abort();
    busy_ = true;
    ++generation_;
    command_ = command;
    response_.clear();
    cut_ = false;
    end_ = TDictResponseEnd();
    deadlineTimer_.start();
    // The index only grows while servers fail; past the end, the next exchange starts over.
    if (current_ < 0 || current_ >= servers_.size())
        current_ = 0;
    TryServer();
}

void TDictClient::Abort()
{
    connectTimer_.stop();
    idleTimer_.stop();
    deadlineTimer_.stop();
    DropSocket();
    if (reading_) {
        reading_ = false;
        emit ReadEnded();
    }
    busy_ = false;
}

void TDictClient::DropSocket()
{
    if (!socket_)
        return;
    QTcpSocket *socket = socket_;
    socket_ = nullptr;
    socket->disconnect(this);
    socket->abort();
    socket->deleteLater(); // may be inside one of its own signals
}

void TDictClient::TryServer()
{
    if (current_ >= servers_.size()) {
        Finish(TOutcome::Unreachable);
        return;
    }
    const TDictServer server = TDictServer::Parse(servers_.at(current_));
    if (!server.IsValid()) {
        // Queued, so that a list of bad entries does not recurse and Start returns first.
        QTimer::singleShot(0, this, [this, generation = generation_] {
            if (busy_ && generation == generation_)
                FailServer();
        });
        return;
    }
    socket_ = new QTcpSocket(this);
    connect(socket_, &QTcpSocket::connected, this, &TDictClient::OnConnected);
    connect(socket_, &QTcpSocket::readyRead, this, &TDictClient::OnReadyRead);
    connect(socket_, &QTcpSocket::errorOccurred, this, &TDictClient::OnError);
    connect(socket_, &QTcpSocket::disconnected, this, &TDictClient::OnError);
    connectTimer_.start();
    socket_->connectToHost(server.host, server.port);
}

void TDictClient::FailServer()
{
    if (!busy_ || reading_)
        return;
    connectTimer_.stop();
    DropSocket();
    const QString entry = servers_.value(current_);
    ++current_;
    emit ServerFailed(entry);
    if (busy_)
        TryServer();
}

void TDictClient::OnConnected()
{
    connectTimer_.stop();
    reading_ = true;
    emit Connected(servers_.value(current_));
    emit ReadStarted();
    if (!socket_)
        return; // aborted by a receiver
    // The greeting is not awaited: it arrives ahead of the answer anyway.
    socket_->write(command_);
    idleTimer_.start();
}

void TDictClient::OnReadyRead()
{
    if (!socket_)
        return;
    const QByteArray chunk = socket_->read(MaxResponseBytes - response_.size());
    response_ += chunk;
    idleTimer_.start();
    if (!chunk.isEmpty())
        emit ChunkReceived();
    if (!busy_)
        return;
    const bool complete = end_.Feed(response_);
    cut_ = !complete && response_.size() >= MaxResponseBytes;
    if (complete || cut_)
        Finish(TOutcome::Answered);
}

void TDictClient::OnError()
{
    if (!socket_)
        return;
    if (!reading_) {
        FailServer();
        return;
    }
    OnReadyRead(); // whatever arrived before the close
    if (busy_)
        Finish(TOutcome::Answered);
}

void TDictClient::OnIdle()
{
    if (reading_)
        Finish(TOutcome::Answered);
}

void TDictClient::Finish(TOutcome outcome)
{
    const QByteArray response = response_;
    Abort();
    emit Finished(outcome, response);
}
