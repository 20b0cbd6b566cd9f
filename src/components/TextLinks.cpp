#include "TextLinks.h"

#include <QRegularExpression>

namespace {

// A scheme address or "www." runs to the next space, quote or angle bracket; a bare e-mail
// address is user@host with at least one dot in the host.
const QRegularExpression &LinkPattern()
{
    static const QRegularExpression pattern(
        QStringLiteral(R"((?<![\w.@+-])(?:)"
                       R"((?<scheme>[a-z][a-z0-9+.-]*://|mailto:|news:|nntp:|snews:|file:|www\.))"
                       R"([^\s<>"]+|[\w.%+-]+@[\w-]+(?:\.[\w-]+)+))"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return pattern;
}

bool StartsWith(const QString &text, const char *prefix)
{
    return text.startsWith(QLatin1String(prefix), Qt::CaseInsensitive);
}

TLinkKind KindOf(const QString &address)
{
    if (StartsWith(address, "http://") || StartsWith(address, "https://") ||
        StartsWith(address, "www."))
        return TLinkKind::Web;
    if (StartsWith(address, "mailto:") || !address.contains(QLatin1Char(':')))
        return TLinkKind::Email;
    if (StartsWith(address, "news:") || StartsWith(address, "nntp:") ||
        StartsWith(address, "snews:"))
        return TLinkKind::News;
    if (StartsWith(address, "file:"))
        return TLinkKind::File;
    return TLinkKind::Other;
}

// "See http://example.com/a." ends the address before the full stop; a closing bracket stays
// when the address opened one.
int TrimmedLength(const QString &address)
{
    int length = int(address.size());
    while (length > 0) {
        const QChar last = address.at(length - 1);
        const bool unopened =
            last == QLatin1Char(')') && address.left(length).count(QLatin1Char('(')) <
                                            address.left(length).count(QLatin1Char(')'));
        if (!QStringLiteral(".,;:!?'`").contains(last) && last != QChar(0x2019) && !unopened)
            break;
        --length;
    }
    return length;
}

QString TargetOf(const QString &address, TLinkKind kind)
{
    if (kind == TLinkKind::Web && StartsWith(address, "www."))
        return QStringLiteral("http://") + address;
    if (kind == TLinkKind::Email && !StartsWith(address, "mailto:"))
        return QStringLiteral("mailto:") + address;
    return address;
}

} // namespace

std::vector<TTextLink> FindLinks(const QString &line)
{
    std::vector<TTextLink> links;
    if (!line.contains(QLatin1Char('.')) && !line.contains(QLatin1Char(':')))
        return links; // most lines of verse: no regular expression run at all
    auto matches = LinkPattern().globalMatch(line);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        const QString address = match.captured().left(TrimmedLength(match.captured()));
        if (address.size() <= match.capturedLength(QStringLiteral("scheme")))
            continue; // a scheme with nothing after it
        const TLinkKind kind = KindOf(address);
        links.push_back(
            {int(match.capturedStart()), int(address.size()), kind, TargetOf(address, kind)});
    }
    return links;
}

const TTextLink *LinkAt(const std::vector<TTextLink> &links, int position)
{
    for (const TTextLink &link : links)
        if (link.contains(position))
            return &link;
    return nullptr;
}
