#include "Recovery.h"

#include "DocumentFile.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <algorithm>
#include <stdexcept>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
QString &FolderOverride()
{
    static QString folder;
    return folder;
}

// Locked without waiting; -1 when another run holds it or it cannot be made.
int TakeLock(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool ReadEntry(const QString &path, TRecoveryStore::TEntry &entry)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QJsonParseError error;
    const QJsonObject object = QJsonDocument::fromJson(file.readAll(), &error).object();
    if (error.error != QJsonParseError::NoError || !object.value("text").isString())
        return false;
    entry.document = object.value("document").toString();
    entry.time = QDateTime::fromString(object.value("time").toString(), Qt::ISODateWithMs);
    entry.text = object.value("text").toString();
    return true;
}
} // namespace

TRecoveryStore::TRecoveryStore(const QString &folder)
    : folder_(folder.isEmpty() ? DefaultFolder() : folder),
      id_(QStringLiteral("%1-%2").arg(::getpid()).arg(QDateTime::currentMSecsSinceEpoch()))
{}

// The file stays when the caller kept it (text left unsaved at the end), and with it a lock that
// is free from now on.
TRecoveryStore::~TRecoveryStore()
{
    if (lockFd_ >= 0) {
        if (!QFile::exists(FileOf(id_, "json")))
            QFile::remove(FileOf(id_, "lock"));
        ::close(lockFd_);
    }
    for (const auto &[id, fd] : claimed_)
        ::close(fd);
}

QString TRecoveryStore::DefaultFolder()
{
    if (!FolderOverride().isEmpty())
        return FolderOverride();
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/recovery");
}

void TRecoveryStore::OverrideFolder(const QString &folder)
{
    FolderOverride() = folder;
}

QString TRecoveryStore::FileOf(const QString &id, const char *extension) const
{
    return folder_ + u'/' + id + u'.' + QLatin1String(extension);
}

// The lock comes before the file, so that no other copy can take the file for an orphan.
bool TRecoveryStore::Lock()
{
    if (lockFd_ >= 0)
        return true;
    if (!QDir().mkpath(folder_))
        return false;
    QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    lockFd_ = TakeLock(FileOf(id_, "lock"));
    return lockFd_ >= 0;
}

bool TRecoveryStore::Write(const QString &document, const QString &text)
{
    if (!Lock())
        return false;
    const QJsonObject object{{"document", document},
                             {"time", QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)},
                             {"text", text}};
    try {
        TDocumentFile::WriteBytes(FileOf(id_, "json"), QJsonDocument(object).toJson());
    } catch (const std::runtime_error &) {
        return false;
    }
    return true;
}

void TRecoveryStore::Remove()
{
    if (lockFd_ >= 0)
        QFile::remove(FileOf(id_, "json"));
}

std::vector<TRecoveryStore::TEntry> TRecoveryStore::Orphans()
{
    std::vector<TEntry> entries;
    const QStringList files =
        QDir(folder_).entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        TEntry entry;
        entry.id = file.chopped(5);
        const bool mine =
            entry.id == id_ || std::any_of(claimed_.begin(), claimed_.end(),
                                           [&](const auto &c) { return c.first == entry.id; });
        if (mine)
            continue;
        const int fd = TakeLock(FileOf(entry.id, "lock"));
        if (fd < 0)
            continue; // a running copy's
        if (!ReadEntry(FileOf(entry.id, "json"), entry)) {
            ::close(fd); // left as it is for whoever can read it
            continue;
        }
        claimed_.emplace_back(entry.id, fd);
        entries.push_back(std::move(entry));
    }
    std::sort(entries.begin(), entries.end(),
              [](const TEntry &a, const TEntry &b) { return a.time < b.time; });
    return entries;
}

void TRecoveryStore::Drop(const TEntry &entry)
{
    const auto claim = std::find_if(claimed_.begin(), claimed_.end(),
                                    [&](const auto &c) { return c.first == entry.id; });
    if (claim == claimed_.end())
        return;
    QFile::remove(FileOf(entry.id, "json"));
    QFile::remove(FileOf(entry.id, "lock"));
    ::close(claim->second);
    claimed_.erase(claim);
}
