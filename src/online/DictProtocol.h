#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The client side of the DICT protocol (RFC 2229) as far as this program speaks it: one command
// per connection, the answer read to its final status line, status lines filtered out.

// What to ask: DEFINE when strategy is empty, else MATCH with that strategy.
struct TDictQuery
{
    QString word;
    QString database = QStringLiteral("*");
    QString strategy;
};

// A server entry of the settings, "host=port".
struct TDictServer
{
    QString host;
    quint16 port = 0;

    bool IsValid() const { return !host.isEmpty() && port != 0; }
    static TDictServer Parse(const QString &entry);
    QString Entry() const { return host + QLatin1Char('=') + QString::number(port); }
};

// A database or strategy listing: names as sent to the server, descriptions as shown.
struct TDictListing
{
    QStringList names;
    QStringList descriptions;
};

namespace DictProtocol {

inline constexpr quint16 DefaultPort = 2628;

// The word in double quotes with '"' and '\' escaped and control characters dropped, so that no
// input can end the command early or add a second one.
QByteArray QuoteWord(const QString &word);
// A database or strategy name as one protocol atom: no spaces, quotes or control characters.
QByteArray Atom(const QString &name);
// The whole command line, ended by CR LF.
QByteArray Command(const TDictQuery &query);

// The answer as the panel shows it: status lines dropped, "151" headers without their code,
// dot-stuffing undone; "Unable to connect to online dictionary." for an empty answer and "No data
// found" when nothing but status lines came.
QString FormatResponse(const QByteArray &response);
QString UnableToConnect();
QString NoDataFound();

// The entries of a SHOW DATABASES ("110") or SHOW STRATEGIES ("111") answer.
TDictListing ParseListing(const QByteArray &response, const char *listCode);

// The words of a MATCH answer ("152" block of "database \"word\"" lines), in order, each once
// whatever its letter case (the lower-case form where one database gives it).
QStringList ParseMatches(const QByteArray &response);
// Adds the words not yet in into (compared without regard to case, the lower-case form kept),
// leaving out the word that was asked for.
void MergeWords(QStringList &into, const QStringList &words, const QString &asked);
// The MATCH commands that ask for words like word when it has no definition: the server's
// default strategy, then "lev" (edit distance one) when the server offers it.
QList<QByteArray> SuggestionCommands(const QString &word, bool offersLev);
inline constexpr int MaxSuggestions = 20;

// One line of an answer as text: UTF-8 where it is valid, else Windows-1252 (what older
// dictionaries send), so that no line turns into replacement characters.
QString DecodeLine(QByteArrayView line);

// What a DEFINE or MATCH answer amounts to, for a caller that must tell success from failure.
enum class TVerdict
{
    Found,       // definitions or matches, and the final "250"
    NotFound,    // "552", or nothing but status lines
    ServerError, // the server refused: 530, 550, 551, another 4xx/5xx final status
    Incomplete,  // the answer ended before its final status line
};
// statusLine (when given) receives the final status line, or empty for an incomplete answer.
TVerdict Verdict(const QByteArray &response, QString *statusLine = nullptr);

} // namespace DictProtocol

// Follows an answer as it arrives to tell when the server has said its last line: a final status
// (250, 221, 420, 421 or 5xx) outside a text block. Text blocks ("110"-"114", "151", "152") run to
// their "." line, so a definition that quotes a status code does not end the answer.
class TDictResponseEnd
{
public:
    // response: every byte received so far (the earlier bytes unchanged). Returns Complete().
    bool Feed(const QByteArray &response);
    bool Complete() const { return complete_; }
    // The final status line (without its line end) and its code, once Complete.
    QByteArray FinalLine() const { return finalLine_; }
    int FinalCode() const { return finalCode_; }
    // How many definition ("151") and match ("152") blocks began.
    int TextBlocks() const { return textBlocks_; }

private:
    void ScanLine(QByteArrayView line);

    qsizetype scanned_ = 0;
    bool inText_ = false;
    bool complete_ = false;
    int finalCode_ = 0;
    int textBlocks_ = 0;
    QByteArray finalLine_;
};
