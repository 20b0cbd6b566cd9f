#include "DiskWatch.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <sys/stat.h>

TDiskWatch::TDiskWatch(QObject *parent) : QObject(parent)
{
    settle_.setSingleShot(true);
    settle_.setInterval(SettleMs);
    connect(&settle_, &QTimer::timeout, this, [this] {
        if (OnChange && ChangedSinceSeen())
            OnChange();
    });
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &TDiskWatch::Heard);
    // The folder tells of a file put back after it was removed or replaced.
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &TDiskWatch::Heard);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive && !path_.isEmpty())
                    Heard();
            });
}

void TDiskWatch::Watch(const QString &path)
{
    if (!watcher_.files().isEmpty())
        watcher_.removePaths(watcher_.files());
    if (!watcher_.directories().isEmpty())
        watcher_.removePaths(watcher_.directories());
    settle_.stop();
    path_ = path;
    read_ = seen_ = Now();
    if (path_.isEmpty())
        return;
    watcher_.addPath(QFileInfo(path_).absolutePath());
    if (read_.exists)
        watcher_.addPath(path_);
}

bool TDiskWatch::Exists() const
{
    return Now().exists;
}

bool TDiskWatch::ChangedSinceSeen() const
{
    return !path_.isEmpty() && Now() != seen_;
}

bool TDiskWatch::ChangedSinceRead() const
{
    const TStamp now = Now();
    return !path_.isEmpty() && now.exists && now != read_;
}

void TDiskWatch::MarkSeen()
{
    seen_ = Now();
}

void TDiskWatch::Retry()
{
    settle_.start();
}

// A file replaced by a rename is no longer watched; the new one is.
void TDiskWatch::Heard()
{
    if (path_.isEmpty())
        return;
    if (!watcher_.files().contains(path_) && QFileInfo::exists(path_))
        watcher_.addPath(path_);
    settle_.start();
}

TDiskWatch::TStamp TDiskWatch::Now() const
{
    struct stat info = {};
    if (path_.isEmpty() || ::stat(QFile::encodeName(path_).constData(), &info) != 0)
        return {};
    return {true, qint64(info.st_size),
            qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec, quint64(info.st_ino),
            quint64(info.st_dev)};
}
