#pragma once

#include "DictClient.h"
#include "DictProtocol.h"

#include <QObject>
#include <QString>

// The DICT panel's engine, without widgets: the server list and current server of the
// settings, the database and strategy lists (fetched once per run, cached in the settings, with
// the client's own entries on top), and one lookup at a time. A server that fails clears the
// cached lists, since another server has other databases and strategies; a lookup that fails
// over fetches the new server's lists before it asks for the word.
class TDictSession : public QObject
{
    Q_OBJECT

public:
    explicit TDictSession(QObject *parent = nullptr);

    const TDictListing &Databases() const { return databases_; }
    const TDictListing &Strategies() const { return strategies_; }
    bool ListsLoaded() const { return listsLoaded_; }
    bool Busy() const { return step_ != TStep::Idle; }
    TDictClient &Client() { return client_; }

    // Looks word up with the database and strategy at those list indices (strategy 0: return
    // definitions). Lists not yet loaded in this run are read or fetched first, and then the
    // remembered entries (else the first) are used. A server list changed in the settings, or
    // cached lists erased there, are taken up first. Answered follows unless Abandon comes first.
    void Lookup(const QString &word, int database, int strategy);
    // Drops the lookup under way; a list fetch it interrupted is repeated by the next lookup.
    void Abandon();
    // The command a lookup with these list indices sends.
    QByteArray CommandFor(const QString &word, int database, int strategy) const;

    static void ClearCachedLists();
    // The list indices the last lists' load chose: the remembered database and strategy.
    int ChosenDatabase() const { return database_; }
    int ChosenStrategy() const { return strategy_; }

signals:
    // The lists were read or fetched (or a fetch failed part-way); the first entries are chosen.
    void ListsChanged();
    // A lookup began (before any connection is tried), one more chunk of an answer arrived,
    // the lookup ended (answered or abandoned): once each per lookup, around all its exchanges.
    void ReadStarted();
    void ChunkReceived();
    void ReadEnded();
    // The text to show: the formatted answer or the failure message. A word without definitions
    // is followed by the server's suggestions, one "{word}" line each.
    void Answered(const QString &text);

private:
    void ReadServers();
    void FollowSettings();

    enum class TStep
    {
        Idle,
        Databases,
        Strategies,
        Lookup,
        Suggestions
    };

    void FillLists();
    bool FetchIfUncached(TStep step);
    void ListsDone();
    void StartLookup();
    void OnFinished(TDictClient::TOutcome outcome, const QByteArray &response);
    void LookupAnswered(TDictClient::TOutcome outcome, const QByteArray &response);
    bool NextSuggestionCommand();
    void SuggestionAnswered(TDictClient::TOutcome outcome, const QByteArray &response);
    void Answer(const QString &text);
    void OnServerFailed();
    void OnConnected(const QString &entry);

    TDictClient client_;
    TDictListing databases_;
    TDictListing strategies_;
    TStep step_ = TStep::Idle;
    quint64 generation_ = 0; // tells a queued step of an abandoned lookup from the current one
    bool listsLoaded_ = false;
    QString word_;
    QList<QByteArray> suggestionCommands_;
    QStringList suggestions_;
    int database_ = 0;
    int strategy_ = 0;
};
