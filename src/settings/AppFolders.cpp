#include "AppFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString &OverriddenFolder()
{
    static QString folder;
    return folder;
}

QString &LastFolder()
{
    static QString folder;
    return folder;
}

QString WithDelimiter(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder.append(QLatin1Char('/'));
    return folder;
}

bool CanWriteFile(const QString &file)
{
    QFile f(file);
    return f.open(QIODevice::ReadWrite | QIODevice::ExistingOnly); // opening changes nothing
}

} // namespace

QString AppFolder()
{
    if (!OverriddenFolder().isEmpty())
        return OverriddenFolder();
    QString dir;
    if (QCoreApplication::instance())
        dir = QCoreApplication::applicationDirPath();
    else // no application object yet (a tool, a static initialiser): ask the kernel
        dir = QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).absolutePath();
    return WithDelimiter(dir);
}

void OverrideAppFolder(const QString &folder)
{
    OverriddenFolder() = folder.isEmpty() ? QString() : WithDelimiter(folder);
}

QString VerseFormsFolder()
{
    return AppFolder() + QStringLiteral("Verse Forms");
}

QString SamplesFolder()
{
    return AppFolder() + QStringLiteral("Samples");
}

QString WordExplorerFile()
{
    return AppFolder() + QStringLiteral("cz.lex");
}

QString DocumentsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString GetLastFolder()
{
    return LastFolder();
}

void SetLastFolder(const QString &folder)
{
    LastFolder() = folder;
}

bool CanWriteFolder(const QString &folder)
{
    if (folder.isEmpty())
        return false;
    // An unnamed file leaves no trace; where the file system cannot make one, a named one does.
    const int fd = ::open(QFile::encodeName(folder).constData(), O_TMPFILE | O_WRONLY, 0600);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)
        return false;
    QTemporaryFile probe(WithDelimiter(folder) + QStringLiteral(".write-test-XXXXXX"));
    return probe.open();
}

QString TUserFile::ReadPath() const
{
    return seed.isEmpty() || QFileInfo::exists(path) ? path : seed;
}

bool TUserFile::MakeFolder() const
{
    const QString folder = QFileInfo(path).absolutePath();
    return QFileInfo(folder).isDir() || QDir().mkpath(folder);
}

TUserFile LocateUserFile(const QString &name)
{
    const QString inApp = AppFolder() + name;
    const bool exists = QFileInfo::exists(inApp);
    if (CanWriteFolder(AppFolder()) && (!exists || CanWriteFile(inApp)))
        return {inApp, QString()};
    // A read-only copy in a writable folder is treated like an unwritable folder: it is left as
    // it is and serves as the starting point of the user's own.
    // Without an application name the per-user folder would be the user's whole configuration.
    const QString config =
        QCoreApplication::applicationName().isEmpty()
            ? QString()
            : QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (config.isEmpty())
        return {inApp, QString()};
    return {WithDelimiter(config) + name, exists ? inApp : QString()};
}

void ListTextFiles(const QString &folder, QStringList &list)
{
    // Windows listed files whose attributes are exactly "archive": here plain regular files that
    // are not hidden, not symbolic links and writable by the user. A file without the owner's write
    // bit counts as read-only even for a user (root) whom the bits do not stop. In a folder nobody
    // may change (a system-wide install) every file is read-only, and all are listed.
    const bool onlyWritable = CanWriteFolder(folder);
    const QDir dir(folder);
    const QFileInfoList entries = dir.entryInfoList(
        {QStringLiteral("*.txt")}, QDir::Files | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QFileInfo &info : entries) {
        if (info.isSymLink() || !info.isFile() || info.fileName().startsWith(QLatin1Char('.')))
            continue;
        if (onlyWritable && (!info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner)))
            continue;
        list.append(info.fileName());
    }
}
