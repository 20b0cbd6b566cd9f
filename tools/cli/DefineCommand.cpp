#include "DefineCommand.h"

#include "DictClient.h"
#include "DictProtocol.h"
#include "Settings.h"

#include <QEventLoop>

namespace {

constexpr int Found = 0, NotFound = 1, NoServer = 2, ServerError = 3;

struct TDefineArgs
{
    TDictQuery query;
    QStringList servers; // "host=port"
    QString error;
};

// "HOST:PORT", "HOST" (the default port), "[V6ADDRESS]:PORT" or a bare v6 address as a
// settings entry; empty when the port is no port.
QString ServerEntry(const QString &text)
{
    QString host = text;
    QString port = QString::number(DictProtocol::DefaultPort);
    if (text.startsWith(QLatin1Char('['))) {
        const qsizetype bracket = text.indexOf(QLatin1Char(']'));
        host = text.mid(1, bracket - 1);
        if (bracket < 0 || (bracket + 1 < text.size() && text.at(bracket + 1) != QLatin1Char(':')))
            return QString();
        if (bracket + 1 < text.size())
            port = text.mid(bracket + 2);
    } else if (text.count(QLatin1Char(':')) == 1) {
        const qsizetype colon = text.indexOf(QLatin1Char(':'));
        host = text.left(colon);
        port = text.mid(colon + 1);
    }
    const QString entry = host + QLatin1Char('=') + port;
    return TDictServer::Parse(entry).IsValid() ? entry : QString();
}

TDefineArgs Parse(const QStringList &args)
{
    TDefineArgs parsed;
    QStringList words;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        const bool option = arg == QLatin1String("--server") ||
                            arg == QLatin1String("--database") ||
                            arg == QLatin1String("--strategy");
        if (!option) {
            words << arg;
            continue;
        }
        if (i + 1 >= args.size()) {
            parsed.error = arg + QStringLiteral(" needs a value");
            return parsed;
        }
        const QString value = args.at(++i);
        if (arg == QLatin1String("--database")) {
            parsed.query.database = value;
        } else if (arg == QLatin1String("--strategy")) {
            parsed.query.strategy = value;
        } else if (const QString entry = ServerEntry(value); !entry.isEmpty()) {
            parsed.servers << entry;
        } else {
            parsed.error = QStringLiteral("bad server \"%1\" (HOST:PORT)").arg(value);
            return parsed;
        }
    }
    if (words.isEmpty())
        parsed.error = QStringLiteral("define takes WORD");
    parsed.query.word = words.join(QLatin1Char(' '));
    return parsed;
}

QStringList DefaultServers()
{
    QStringList servers;
    TDictSettings::Instance().GetDictServers(servers);
    return servers;
}

// Sends one command at a time over the servers and waits for its answer.
class TExchanges
{
public:
    explicit TExchanges(const QStringList &servers) { client_.SetServers(servers); }

    TDictClient::TOutcome Send(const QByteArray &command, QByteArray &response)
    {
        QEventLoop loop;
        TDictClient::TOutcome result = TDictClient::TOutcome::Unreachable;
        const QMetaObject::Connection done =
            QObject::connect(&client_, &TDictClient::Finished, &loop,
                             [&](TDictClient::TOutcome outcome, const QByteArray &answer) {
                                 result = outcome;
                                 response = answer;
                                 loop.quit();
                             });
        client_.Start(command);
        loop.exec();
        QObject::disconnect(done);
        return result;
    }

private:
    TDictClient client_;
};

// Words like word from the server that had no definition of it; none when it offers none.
QStringList Suggestions(TExchanges &exchanges, const QString &word)
{
    QStringList words;
    // A server without "lev" refuses that MATCH, which just adds nothing.
    for (const QByteArray &command : DictProtocol::SuggestionCommands(word, true)) {
        QByteArray response;
        if (exchanges.Send(command, response) != TDictClient::TOutcome::Answered)
            break;
        DictProtocol::MergeWords(words, DictProtocol::ParseMatches(response), word);
    }
    return words.mid(0, DictProtocol::MaxSuggestions);
}

bool IsBlank(const QByteArray &bytes)
{
    return bytes.trimmed().isEmpty();
}

} // namespace

namespace DefineCommand {

int Run(const QStringList &args, std::ostream &out, std::ostream &err)
{
    TDefineArgs parsed = Parse(args);
    if (!parsed.error.isEmpty()) {
        err << "tolvane-cli: " << parsed.error.toStdString() << '\n';
        return NoServer;
    }
    TExchanges exchanges(parsed.servers.isEmpty() ? DefaultServers() : parsed.servers);
    QByteArray response;
    const TDictClient::TOutcome outcome =
        exchanges.Send(DictProtocol::Command(parsed.query), response);
    if (outcome == TDictClient::TOutcome::Unreachable ||
        (outcome == TDictClient::TOutcome::Answered && IsBlank(response))) {
        err << "tolvane-cli: " << DictProtocol::UnableToConnect().toStdString() << '\n';
        return NoServer;
    }
    if (outcome == TDictClient::TOutcome::TimedOut) {
        err << "tolvane-cli: no complete answer within " << TDictClient::DeadlineMs / 1000
            << " s\n";
        return ServerError;
    }
    QString status;
    switch (DictProtocol::Verdict(response, &status)) {
    case DictProtocol::TVerdict::Found: {
        const QString text = DictProtocol::FormatResponse(response);
        out << text.toStdString();
        if (!text.endsWith(QLatin1Char('\n')))
            out << '\n';
        return Found;
    }
    case DictProtocol::TVerdict::NotFound: {
        out << DictProtocol::NoDataFound().toStdString() << '\n';
        const QStringList words = parsed.query.strategy.isEmpty()
                                      ? Suggestions(exchanges, parsed.query.word)
                                      : QStringList();
        if (!words.isEmpty())
            out << "\nDid you mean:\n  " << words.join(QStringLiteral("\n  ")).toStdString()
                << '\n';
        return NotFound;
    }
    case DictProtocol::TVerdict::ServerError:
        err << "tolvane-cli: the server answered: " << status.toStdString() << '\n';
        return ServerError;
    case DictProtocol::TVerdict::Incomplete:
        break;
    }
    err << "tolvane-cli: the answer ended before its status line\n";
    return ServerError;
}

} // namespace DefineCommand
