#include "UrlTemplate.h"

#include <QRegularExpression>

namespace {

bool IsHexDigit(QChar ch)
{
    return (ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) ||
           (ch >= QLatin1Char('a') && ch <= QLatin1Char('f')) ||
           (ch >= QLatin1Char('A') && ch <= QLatin1Char('F'));
}

// A "%" that starts no escape of its own: written as "%25", since a parser that meets one
// re-encodes every "%" of the address, the encoded word's included.
bool IsStrayPercent(const QString &text, qsizetype at)
{
    return at + 2 >= text.size() || !IsHexDigit(text.at(at + 1)) || !IsHexDigit(text.at(at + 2));
}

// "host:port/..." is an address without a scheme, not a scheme "host".
bool StartsWithHostAndPort(const QString &text)
{
    static const QRegularExpression hostAndPort(
        QStringLiteral("^(?:[A-Za-z0-9.-]+|\\[[0-9A-Fa-f:.]+\\]):[0-9]+(?:[/?#]|$)"));
    return hostAndPort.match(text).hasMatch();
}

// Every "%" of the text that starts no escape, as "%25".
QString EscapeStrayPercents(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i)
        escaped += text.at(i) == QLatin1Char('%') && IsStrayPercent(text, i) ? QStringLiteral("%25")
                                                                             : QString(text.at(i));
    return escaped;
}

} // namespace

QString FillUrlTemplate(const QString &urlTemplate, const QString &word)
{
    const QString encoded = QString::fromLatin1(QUrl::toPercentEncoding(word));
    QString filled;
    filled.reserve(urlTemplate.size() + encoded.size());
    for (qsizetype i = 0; i < urlTemplate.size(); ++i) {
        const QChar ch = urlTemplate.at(i);
        const QChar next = i + 1 < urlTemplate.size() ? urlTemplate.at(i + 1) : QChar();
        if (ch == QLatin1Char('%') && next == QLatin1Char('s')) {
            filled += encoded;
            ++i;
        } else if (ch == QLatin1Char('%') && next == QLatin1Char('%')) {
            filled += QLatin1Char('%');
            ++i;
        } else {
            filled += ch;
        }
    }
    return filled;
}

QUrl WebDictionaryUrl(const QString &urlTemplate, const QString &word)
{
    // The encoded word holds only whole escapes, so this touches the template's text alone.
    const QString filled = EscapeStrayPercents(FillUrlTemplate(urlTemplate, word).trimmed());
    if (StartsWithHostAndPort(filled))
        return QUrl(QStringLiteral("http://") + filled, QUrl::TolerantMode);
    const QUrl url(filled, QUrl::TolerantMode);
    return url.isValid() && !url.scheme().isEmpty() ? url : QUrl::fromUserInput(filled);
}
