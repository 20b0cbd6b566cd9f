#include "DictProtocol.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <algorithm>

namespace {

bool IsControl(QChar ch)
{
    return ch.unicode() < 0x20 || (ch.unicode() >= 0x7f && ch.unicode() < 0xa0);
}

// The bytes 0x80-0x9f of Windows-1252; the rest of the code page is Latin-1.
constexpr char16_t Cp1252High[32] = {
    0x20ac, 0x0081, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008d, 0x017d, 0x008f, 0x0090, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022,
    0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0x009d, 0x017e, 0x0178};

// The lines of an answer, broken at CR LF, LF or a lone CR, each decoded on its own.
QStringList SplitLines(const QByteArray &bytes)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (bytes[i] != '\n' && bytes[i] != '\r')
            continue;
        lines << DictProtocol::DecodeLine(QByteArrayView(bytes).sliced(start, i - start));
        if (bytes[i] == '\r' && i + 1 < size && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    // The break after the last line starts no line of its own.
    if (start < size)
        lines << DictProtocol::DecodeLine(QByteArrayView(bytes).sliced(start));
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

void MergeWords(QStringList &into, const QStringList &words, const QString &asked)
{
    for (const QString &word : words) {
        if (word.isEmpty() || word.compare(asked, Qt::CaseInsensitive) == 0)
            continue;
        const auto seen = std::find_if(into.begin(), into.end(), [&](const QString &known) {
            return known.compare(word, Qt::CaseInsensitive) == 0;
        });
        if (seen == into.end())
            into << word;
        else if (word == word.toLower()) // "receive" rather than gcide's headword "Receive"
            *seen = word;
    }
}

QStringList ParseMatches(const QByteArray &response)
{
    QStringList words;
    MergeWords(words, ParseListing(response, "152").descriptions, QString());
    return words;
}

QList<QByteArray> SuggestionCommands(const QString &word, bool offersLev)
{
    QList<QByteArray> commands = {"MATCH * . " + QuoteWord(word) + "\r\n"};
    if (offersLev)
        commands << "MATCH * lev " + QuoteWord(word) + "\r\n";
    return commands;
}

QString DecodeLine(QByteArrayView line)
{
    // A byte-order mark is kept as text: every byte shows as something.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                    QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8.decode(line);
    if (!utf8.hasError())
        return text;
    text.clear();
    text.reserve(line.size());
    for (const char byte : line) {
        const auto code = static_cast<unsigned char>(byte);
        text += QChar(code >= 0x80 && code < 0xa0 ? Cp1252High[code - 0x80] : char16_t(code));
    }
    return text;
}

TVerdict Verdict(const QByteArray &response, QString *statusLine)
{
    TDictResponseEnd end;
    end.Feed(response);
    if (statusLine)
        *statusLine = end.Complete() ? DecodeLine(end.FinalLine()) : QString();
    if (!end.Complete())
        return TVerdict::Incomplete;
    const int code = end.FinalCode();
    if (code == 552 || (code == 250 && end.TextBlocks() == 0))
        return TVerdict::NotFound;
    return code == 250 ? TVerdict::Found : TVerdict::ServerError;
}

QString FormatResponse(const QByteArray &response)
{
    if (std::all_of(response.begin(), response.end(),
                    [](char byte) { return static_cast<unsigned char>(byte) <= 0x20; }))
        return UnableToConnect();
    static const QStringList dropped = {
        QStringLiteral("150"), QStringLiteral("200"), QStringLiteral("220"),
        QStringLiteral("250"), QStringLiteral("420"), QStringLiteral("421"),
        QStringLiteral("530"), QStringLiteral("550"), QStringLiteral("552")};
    QString result;
    for (QString line : SplitLines(response)) {
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
    for (const QString &line : SplitLines(response)) {
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
    if (StartsText(code)) {
        inText_ = true;
        textBlocks_ += code == 151 || code == 152 ? 1 : 0;
    } else if (IsFinal(code)) {
        complete_ = true;
        finalCode_ = code;
        finalLine_ = line.toByteArray();
    }
}
