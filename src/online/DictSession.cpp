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
    ReadServers();
    connect(&client_, &TDictClient::Finished, this, &TDictSession::OnFinished);
    connect(&client_, &TDictClient::ServerFailed, this, &TDictSession::OnServerFailed);
    connect(&client_, &TDictClient::Connected, this, &TDictSession::OnConnected);
    connect(&client_, &TDictClient::ChunkReceived, this, &TDictSession::ChunkReceived);
}

void TDictSession::ReadServers()
{
    TDictSettings &settings = TDictSettings::Instance();
    QStringList servers;
    settings.GetDictServers(servers);
    const int current = int(servers.indexOf(settings.GetCurrentServer()));
    if (current < 0)
        ClearCachedLists();
    client_.SetServers(servers, std::max(current, 0));
}

// The Options dialog edits the server list and may erase the cached lists, and the other
// mode's panel shares both.
void TDictSession::FollowSettings()
{
    TDictSettings &settings = TDictSettings::Instance();
    QStringList servers;
    settings.GetDictServers(servers);
    if (servers != client_.Servers()) {
        ReadServers();
        listsLoaded_ = false;
    } else if (listsLoaded_ && !settings.Ini().SectionExists(DatabasesSection)) {
        listsLoaded_ = false;
    }
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
    FollowSettings();
    word_ = word;
    database_ = database;
    strategy_ = strategy;
    emit ReadStarted();
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
    const bool running = step_ != TStep::Idle;
    step_ = TStep::Idle;
    client_.Abort();
    if (running)
        emit ReadEnded();
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
    database_ = std::max(0, int(databases_.names.indexOf(settings.GetDictDatabase())));
    strategy_ = std::max(0, int(strategies_.names.indexOf(settings.GetDictStrategy())));
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
    const bool reached = outcome == TDictClient::TOutcome::Answered;
    if (step == TStep::Lookup) {
        LookupAnswered(outcome, response);
        return;
    }
    if (step == TStep::Suggestions) {
        SuggestionAnswered(outcome, response);
        return;
    }
    if (!reached) {
        // The lists stay as far as they got; the next lookup tries again.
        listsLoaded_ = false;
        emit ListsChanged();
        Answer(DictProtocol::UnableToConnect());
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

void TDictSession::LookupAnswered(TDictClient::TOutcome outcome, const QByteArray &response)
{
    if (outcome != TDictClient::TOutcome::Answered) {
        Answer(DictProtocol::UnableToConnect());
        return;
    }
    QString text = DictProtocol::FormatResponse(response);
    if (client_.Cut())
        text += tr("(The answer was cut at %1 MB.)\n")
                    .arg(TDictClient::MaxResponseBytes / (1024 * 1024));
    // Only a plain DEFINE that found nothing asks for similar words.
    if (strategy_ > 0 || DictProtocol::Verdict(response) != DictProtocol::TVerdict::NotFound ||
        text != DictProtocol::NoDataFound()) {
        Answer(text);
        return;
    }
    suggestionCommands_ =
        DictProtocol::SuggestionCommands(word_, strategies_.names.contains(QStringLiteral("lev")));
    suggestions_.clear();
    if (!NextSuggestionCommand())
        Answer(text);
}

// Starts the next MATCH for suggestions; false when none is left.
bool TDictSession::NextSuggestionCommand()
{
    if (suggestionCommands_.isEmpty())
        return false;
    step_ = TStep::Suggestions;
    client_.Start(suggestionCommands_.takeFirst());
    return true;
}

void TDictSession::SuggestionAnswered(TDictClient::TOutcome outcome, const QByteArray &response)
{
    DictProtocol::MergeWords(suggestions_, DictProtocol::ParseMatches(response), word_);
    if (outcome == TDictClient::TOutcome::Answered && NextSuggestionCommand())
        return;
    QString text = DictProtocol::NoDataFound() + QLatin1Char('\n');
    if (!suggestions_.isEmpty()) {
        text += QLatin1Char('\n') + tr("Did you mean:") + QLatin1Char('\n');
        for (const QString &word : suggestions_.mid(0, DictProtocol::MaxSuggestions))
            text += QLatin1Char('{') + word + QStringLiteral("}\n");
    }
    Answer(text);
}

void TDictSession::Answer(const QString &text)
{
    step_ = TStep::Idle;
    emit ReadEnded();
    emit Answered(text);
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
