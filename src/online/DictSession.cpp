#include "DictSession.h"

#include "Settings.h"

#include <QTimer>

#include <stdexcept>

namespace {

const QString DatabasesSection = QStringLiteral("Dictionary_Databases");
const QString StrategiesSection = QStringLiteral("Dictionary_Strategies");

TDictListing Cached(const QString &section)
{
    TDictListing listing;
    TDictSettings::Instance().GetDictionaryPairs(section, listing.names, listing.descriptions);
    return listing;
}

void Prepend(TDictListing &listing, const char *name, const QString &description)
{
    listing.names.prepend(QString::fromLatin1(name));
    listing.descriptions.prepend(description);
}

} // namespace

TDictSession::TDictSession(QObject *parent) : QObject(parent)
{
    TDictSettings &settings = TDictSettings::Instance();
    QStringList servers;
    settings.GetDictServers(servers);
    const int current = int(servers.indexOf(settings.GetCurrentServer()));
    if (current < 0)
        ClearCachedLists();
    client_.SetServers(servers, std::max(current, 0));
    connect(&client_, &TDictClient::Finished, this, &TDictSession::OnFinished);
    connect(&client_, &TDictClient::ServerFailed, this, &TDictSession::OnServerFailed);
    connect(&client_, &TDictClient::Connected, this, &TDictSession::OnConnected);
    connect(&client_, &TDictClient::ReadStarted, this, &TDictSession::ReadStarted);
    connect(&client_, &TDictClient::ChunkReceived, this, &TDictSession::ChunkReceived);
    connect(&client_, &TDictClient::ReadEnded, this, &TDictSession::ReadEnded);
}

void TDictSession::ClearCachedLists()
{
    TDictSettings &settings = TDictSettings::Instance();
    settings.SetDictionaryPairs(DatabasesSection, {}, {});
    settings.SetDictionaryPairs(StrategiesSection, {}, {});
}

void TDictSession::Lookup(const QString &word, int database, int strategy)
{
    Abandon();
    word_ = word;
    database_ = database;
    strategy_ = strategy;
    if (listsLoaded_)
        StartLookup();
    else
        FillLists();
}

void TDictSession::Abandon()
{
    ++generation_;
    if (step_ == TStep::Databases || step_ == TStep::Strategies)
        listsLoaded_ = false;
    step_ = TStep::Idle;
    client_.Abort();
}

QByteArray TDictSession::CommandFor(const QString &word, int database, int strategy) const
{
    TDictQuery query;
    query.word = word;
    query.database = databases_.names.value(database, QStringLiteral("*"));
    if (strategy > 0)
        query.strategy = strategies_.names.value(strategy);
    return DictProtocol::Command(query);
}

// --- lists ---------------------------------------------------------------------------------

void TDictSession::FillLists()
{
    listsLoaded_ = true;
    databases_ = Cached(DatabasesSection);
    if (FetchIfUncached(TStep::Databases))
        return;
    strategies_ = Cached(StrategiesSection);
    if (FetchIfUncached(TStep::Strategies))
        return;
    ListsDone();
}

// Starts fetching the list of step when its cache was empty; returns whether it did.
bool TDictSession::FetchIfUncached(TStep step)
{
    const bool databases = step == TStep::Databases;
    if (!(databases ? databases_ : strategies_).names.isEmpty())
        return false;
    step_ = step;
    client_.Start(databases ? QByteArrayLiteral("SHOW DATABASES\r\n")
                            : QByteArrayLiteral("SHOW STRATEGIES\r\n"));
    return true;
}

void TDictSession::ListsDone()
{
    TDictSettings &settings = TDictSettings::Instance();
    settings.SetDictionaryPairs(DatabasesSection, databases_.names, databases_.descriptions);
    settings.SetDictionaryPairs(StrategiesSection, strategies_.names, strategies_.descriptions);
    listsLoaded_ = true; // a server that failed over during the fetch cleared it
    database_ = 0;
    strategy_ = 0;
    emit ListsChanged();
    StartLookup();
}

// --- lookup --------------------------------------------------------------------------------

void TDictSession::StartLookup()
{
    step_ = TStep::Lookup;
    client_.Start(CommandFor(word_, database_, strategy_));
}

void TDictSession::OnFinished(TDictClient::TOutcome outcome, const QByteArray &response)
{
    const TStep step = step_;
    step_ = TStep::Idle;
    const bool reached = outcome == TDictClient::TOutcome::Answered;
    if (step == TStep::Lookup) {
        emit Answered(reached ? DictProtocol::FormatResponse(response)
                              : DictProtocol::UnableToConnect());
        return;
    }
    if (!reached) {
        // The lists stay as far as they got; the next lookup tries again.
        listsLoaded_ = false;
        emit ListsChanged();
        emit Answered(DictProtocol::UnableToConnect());
        return;
    }
    if (step == TStep::Databases) {
        databases_ = DictProtocol::ParseListing(response, "110");
        Prepend(databases_, "!", tr("First match"));
        Prepend(databases_, "*", tr("Default lookup"));
        strategies_ = Cached(StrategiesSection);
        if (FetchIfUncached(TStep::Strategies))
            return;
    } else if (step == TStep::Strategies) {
        strategies_ = DictProtocol::ParseListing(response, "111");
        Prepend(strategies_, "*", tr("Return definitions"));
    }
    ListsDone();
}

void TDictSession::OnServerFailed()
{
    ClearCachedLists();
    listsLoaded_ = false;
    if (step_ != TStep::Lookup)
        return; // a list fetch goes on with the next server
    // The lists in use came from the server that failed: the next server's lists come first,
    // then the lookup. Queued, as the client is still inside its failure step.
    client_.Abort();
    step_ = TStep::Databases;
    QTimer::singleShot(0, this, [this, generation = ++generation_] {
        if (generation == generation_)
            FillLists();
    });
}

void TDictSession::OnConnected(const QString &entry)
{
    try {
        TDictSettings &settings = TDictSettings::Instance();
        if (settings.GetCurrentServer() != entry)
            settings.SetCurrentServer(entry);
    } catch (const std::exception &) {
        // A settings file that cannot be written costs the remembered server, not the lookup.
    }
}
