#include "LookupText.h"

namespace {

bool IsApostrophe(QChar c)
{
    return c == u'\u2019' || c == u'\u2018' || c == u'\u02bc' || c == u'\u2032' || c == u'`';
}

bool IsDoubleQuote(QChar c)
{
    return c == u'"' || c == u'\u201c' || c == u'\u201d' || c == u'\u201e' || c == u'\u00ab' ||
           c == u'\u00bb';
}

// Latin letters that decompose into no base letter of their own.
QString FoldedLetter(QChar c)
{
    switch (c.unicode()) {
    case u'\u00df':
        return QStringLiteral("ss");
    case u'\u00e6':
        return QStringLiteral("ae");
    case u'\u00c6':
        return QStringLiteral("ae");
    case u'\u0153':
        return QStringLiteral("oe");
    case u'\u0152':
        return QStringLiteral("oe");
    case u'\u00f8':
        return QStringLiteral("o");
    case u'\u00d8':
        return QStringLiteral("o");
    default:
        break;
    }
    const QString parts = QString(c).normalized(QString::NormalizationForm_D);
    // Only Latin letters fold: Greek or Cyrillic words keep their letters and find nothing.
    // Lower case, as the normalised word has A to Z (École -> ecole).
    if (parts.size() > 1 && parts.at(0).unicode() < 0x80 && parts.at(0).isLetter())
        return parts.left(1).toLower();
    return QString(c);
}

} // namespace

QString FoldLookupText(const QString &text, bool foldAccents)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        if (IsApostrophe(c))
            out += QLatin1Char('\'');
        else if (foldAccents && c.unicode() >= 0x80)
            out += FoldedLetter(c);
        else
            out += c;
    }
    qsizetype begin = 0, end = out.size();
    const auto trimmable = [](QChar c) {
        return c.isSpace() || c.unicode() < 32 || IsDoubleQuote(c);
    };
    while (begin < end && trimmable(out.at(begin)))
        ++begin;
    while (end > begin && trimmable(out.at(end - 1)))
        --end;
    // A word in single quotes ('love'); one mark alone belongs to the word ('tis, goin').
    if (end - begin > 2 && out.at(begin) == u'\'' && out.at(end - 1) == u'\'') {
        ++begin;
        --end;
    }
    return out.mid(begin, end - begin);
}
