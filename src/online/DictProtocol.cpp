#include "DictProtocol.h"

#include <QCoreApplication>

namespace {

bool IsControl(QChar ch)
{
    return ch.unicode() < 0x20 || (ch.unicode() >= 0x7f && ch.unicode() < 0xa0);
}

// The lines of a text, broken at CR LF, LF or a lone CR.
QStringList SplitLines(const QString &text)
{
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    unified.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = unified.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the break after the last line starts no line of its own
    return lines;
}

// Trimmed as the protocol's text is: every character up to the space counts as blank.
bool IsBlank(const QString &text)
{
    for (const QChar ch : text)
        if (ch.unicode() > 0x20)
            return false;
    return true;
}

// The protocol's dot-stuffing undone: "." alone ends a text block, ".." stands for ".".
QString Unstuffed(const QString &line)
{
    if (line == QLatin1String("."))
        return QString();
    if (line.startsWith(QLatin1String("..")))
        return line.mid(1);
    return line;
}

int StatusCode(QByteArrayView line)
{
    if (line.size() < 3)
        return -1;
    int code = 0;
    for (int i = 0; i < 3; ++i) {
        if (line[i] < '0' || line[i] > '9')
            return -1;
        code = code * 10 + (line[i] - '0');
    }
    // A code stands alone or before a space.
    return line.size() == 3 || line[3] == ' ' ? code : -1;
}

bool StartsText(int code)
{
    return (code >= 110 && code <= 114) || code == 151 || code == 152;
}

bool IsFinal(int code)
{
    return code == 250 || code == 221 || code == 420 || code == 421 || (code >= 500 && code < 600);
}

} // namespace

TDictServer TDictServer::Parse(const QString &entry)
{
    TDictServer server;
    const qsizetype equals = entry.indexOf(QLatin1Char('='));
    if (equals < 0)
        return server;
    bool ok = false;
    const uint port = entry.mid(equals + 1).trimmed().toUInt(&ok, 10);
    if (!ok || port == 0 || port > 65535)
        return server;
    server.host = entry.left(equals).trimmed();
    server.port = quint16(port);
    return server;
}

namespace DictProtocol {

QByteArray QuoteWord(const QString &word)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar ch : word) {
        if (IsControl(ch))
            continue;
        if (ch == QLatin1Char('"') || ch == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += ch;
    }
    quoted += QLatin1Char('"');
    return quoted.toUtf8();
}

QByteArray Atom(const QString &name)
{
    QString atom;
    for (const QChar ch : name)
        if (!IsControl(ch) && ch != QLatin1Char(' ') && ch != QLatin1Char('"') &&
            ch != QLatin1Char('\\') && ch != QLatin1Char('\''))
            atom += ch;
    return atom.isEmpty() ? QByteArrayLiteral("*") : atom.toUtf8();
}

QByteArray Command(const TDictQuery &query)
{
    QByteArray command;
    if (query.strategy.isEmpty())
        command = "DEFINE " + Atom(query.database);
    else
        command = "MATCH " + Atom(query.database) + ' ' + Atom(query.strategy);
    return command + ' ' + QuoteWord(query.word) + "\r\n";
}

QString UnableToConnect()
{
    return QCoreApplication::translate("TfrmOnline", "Unable to connect to online dictionary.");
}

QString NoDataFound()
{
    return QCoreApplication::translate("TfrmOnline", "No data found");
}

QString FormatResponse(const QByteArray &response)
{
    const QString text = QString::fromUtf8(response);
    if (IsBlank(text))
        return UnableToConnect();
    static const QStringList dropped = {
        QStringLiteral("150"), QStringLiteral("200"), QStringLiteral("220"),
        QStringLiteral("250"), QStringLiteral("420"), QStringLiteral("421"),
        QStringLiteral("530"), QStringLiteral("550"), QStringLiteral("552")};
    QString result;
    for (QString line : SplitLines(text)) {
        if (line.size() > 3) {
            const QString code = line.left(3);
            if (dropped.contains(code))
                continue;
            if (code == QLatin1String("151"))
                line.remove(0, 4);
        }
        result += Unstuffed(line);
        result += QLatin1Char('\n');
    }
    return IsBlank(result) ? NoDataFound() : result;
}

TDictListing ParseListing(const QByteArray &response, const char *listCode)
{
    TDictListing listing;
    const QLatin1String code(listCode);
    bool inside = false;
    for (const QString &line : SplitLines(QString::fromUtf8(response))) {
        if (!inside) {
            inside = line.size() > 3 && line.startsWith(code);
            continue;
        }
        if (line == QLatin1String(".")) {
            inside = false;
            continue;
        }
        const QString entry = Unstuffed(line);
        if (IsBlank(entry))
            continue;
        const qsizetype space = entry.indexOf(QLatin1Char(' '));
        listing.names << (space < 0 ? entry : entry.left(space));
        // The description without the quotes around it.
        const QString quoted = space < 0 ? QString() : entry.mid(space + 1);
        listing.descriptions << (quoted.size() >= 2 ? quoted.mid(1, quoted.size() - 2) : QString());
    }
    return listing;
}

} // namespace DictProtocol

bool TDictResponseEnd::Feed(const QByteArray &response)
{
    while (!complete_) {
        const qsizetype end = response.indexOf('\n', scanned_);
        if (end < 0)
            break;
        QByteArrayView line(response.constData() + scanned_, end - scanned_);
        if (line.endsWith('\r'))
            line.chop(1);
        scanned_ = end + 1;
        ScanLine(line);
    }
    return complete_;
}

void TDictResponseEnd::ScanLine(QByteArrayView line)
{
    if (inText_) {
        inText_ = line != QByteArrayView(".");
        return;
    }
    const int code = StatusCode(line);
    if (StartsText(code))
        inText_ = true;
    else if (IsFinal(code))
        complete_ = true;
}
