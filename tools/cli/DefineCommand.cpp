#include "DefineCommand.h"

#include "DictClient.h"
#include "DictProtocol.h"
#include "Settings.h"

#include <QEventLoop>

namespace {

constexpr int Found = 0, NotFound = 1, NoServer = 2;

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

} // namespace

namespace DefineCommand {

int Run(const QStringList &args, std::ostream &out, std::ostream &err)
{
    TDefineArgs parsed = Parse(args);
    if (!parsed.error.isEmpty()) {
        err << "tolvane-cli: " << parsed.error.toStdString() << '\n';
        return NoServer;
    }
    TDictClient client;
    client.SetServers(parsed.servers.isEmpty() ? DefaultServers() : parsed.servers);
    QEventLoop loop;
    int status = NoServer;
    QObject::connect(&client, &TDictClient::Finished, &loop,
                     [&](TDictClient::TOutcome outcome, const QByteArray &response) {
                         const QString text = DictProtocol::FormatResponse(response);
                         if (outcome == TDictClient::TOutcome::Unreachable ||
                             text == DictProtocol::UnableToConnect()) {
                             err << "tolvane-cli: " << DictProtocol::UnableToConnect().toStdString()
                                 << '\n';
                             status = NoServer;
                         } else {
                             out << text.toStdString();
                             if (!text.endsWith(QLatin1Char('\n')))
                                 out << '\n';
                             status = text == DictProtocol::NoDataFound() ? NotFound : Found;
                         }
                         loop.quit();
                     });
    client.Start(DictProtocol::Command(parsed.query));
    loop.exec();
    return status;
}

} // namespace DefineCommand
