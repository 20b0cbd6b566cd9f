#include "InputFile.h"

#include "DIAnsiStringHash.h"

#include <QFile>
#include <QFileInfo>

namespace {

[[noreturn]] void Refuse(const QString &path, const QString &reason)
{
    throw EFOpenError(
        QStringLiteral("Cannot open file \"%1\": %2").arg(path, reason).toStdString());
}

} // namespace

std::string ReadInputFile(const QString &path, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (!info.exists())
        Refuse(path, QStringLiteral("no such file"));
    if (!info.isFile())
        Refuse(path, QStringLiteral("not a regular file"));
    const QString tooLarge = QStringLiteral("larger than %1 bytes").arg(maxBytes);
    if (info.size() > maxBytes)
        Refuse(path, tooLarge);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        Refuse(path, file.errorString());
    // The size can change after the check; the chunked read keeps the bound all the same.
    std::string bytes;
    char chunk[65536];
    for (;;) {
        const qint64 got = file.read(chunk, sizeof chunk);
        if (got < 0)
            Refuse(path, file.errorString());
        if (got == 0)
            return bytes;
        if (qint64(bytes.size()) + got > maxBytes)
            Refuse(path, tooLarge);
        bytes.append(chunk, std::size_t(got));
    }
}
