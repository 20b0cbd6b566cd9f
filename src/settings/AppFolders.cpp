#include "AppFolders.h"

#include "AppComponents.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QUrl>

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

void ShellOpen(const QString &target)
{
    // Opening needs the platform services of a GUI application; without one there is nothing to
    // ask.
    if (target.isEmpty() || !qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    QUrl url;
    const QUrl parsed(target, QUrl::TolerantMode);
    if (!target.startsWith(QLatin1Char('/')) && !QFileInfo::exists(target) && parsed.isValid() &&
        parsed.scheme().size() > 1)
        url = parsed;
    else
        url = QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
    QDesktopServices::openUrl(url);
}

QObject *FindAppComponent(const QString &className)
{
    // The application object's children first, then the registered components (AppComponents.h).
    const QByteArray name = className.toUtf8();
    for (QObject *component : AppComponents())
        if (name == component->metaObject()->className())
            return component;
    return nullptr;
}

void ListTextFiles(const QString &folder, QStringList &list)
{
    // Windows listed files whose attributes are exactly "archive": here plain regular files that
    // are not hidden, not symbolic links and writable by the user. A file without the owner's write
    // bit counts as read-only even for a user (root) whom the bits do not stop.
    const QDir dir(folder);
    const QFileInfoList entries = dir.entryInfoList(
        {QStringLiteral("*.txt")}, QDir::Files | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QFileInfo &info : entries) {
        if (info.isSymLink() || !info.isFile() || info.fileName().startsWith(QLatin1Char('.')))
            continue;
        if (!info.isWritable() || !(info.permissions() & QFileDevice::WriteOwner))
            continue;
        list.append(info.fileName());
    }
}
