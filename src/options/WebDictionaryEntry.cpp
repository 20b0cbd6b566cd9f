#include "WebDictionaryEntry.h"

#include <QCoreApplication>

namespace {
QString Tr(const char *text)
{
    return QCoreApplication::translate("WebDictionaryEntry", text);
}
} // namespace

QString WebDictionaryNameError(const QString &name, const QStringList &takenNames)
{
    if (name.trimmed().isEmpty())
        return Tr("Please enter a name for the web dictionary.");
    if (name.contains(QLatin1Char('=')) || name.contains(QLatin1Char(']')))
        return Tr("The name of a web dictionary cannot contain \"=\" or \"]\".");
    if (takenNames.contains(name, Qt::CaseInsensitive))
        return Tr("There is already a web dictionary named \"%1\".").arg(name);
    return QString();
}

QString WebDictionaryTemplateError(const QString &urlTemplate)
{
    for (qsizetype i = 0; i < urlTemplate.size(); ++i) {
        if (urlTemplate.at(i) != QLatin1Char('%'))
            continue;
        const QChar next = i + 1 < urlTemplate.size() ? urlTemplate.at(i + 1) : QChar();
        if (next != QLatin1Char('s') && next != QLatin1Char('%'))
            return Tr("The format may hold \"%s\" for the word and \"%%\" for a percent sign, "
                      "but not \"%1\".")
                .arg(urlTemplate.mid(i, 2));
        ++i;
    }
    return QString();
}
