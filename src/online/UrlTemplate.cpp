#include "UrlTemplate.h"

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
    const QString filled = FillUrlTemplate(urlTemplate, word);
    const QUrl url(filled, QUrl::TolerantMode);
    return url.isValid() && !url.scheme().isEmpty() ? url : QUrl::fromUserInput(filled);
}
