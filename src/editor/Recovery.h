#pragma once

#include <QDateTime>
#include <QString>

#include <vector>

// The unsaved text of this run's document, kept in the per-user data folder so that a crash or
// a kill loses at most the last few seconds of typing. Each run has a file of its own beside a
// lock file it holds locked while it runs: the system frees the lock when the run ends in any
// way, so a file whose lock is free belongs to a run that is gone, and a running copy's file is
// never taken.
class TRecoveryStore
{
public:
    struct TEntry
    {
        QString id;       // the run that wrote it
        QString document; // the document's path; empty for an untitled one
        QDateTime time;
        QString text;
    };

    // folder: where the files live; the per-user data folder's "recovery" unless given.
    explicit TRecoveryStore(const QString &folder = QString());
    // Frees this run's lock; a file not removed is then offered at the next start.
    ~TRecoveryStore();
    TRecoveryStore(const TRecoveryStore &) = delete;
    TRecoveryStore &operator=(const TRecoveryStore &) = delete;

    static QString DefaultFolder();
    // For tests and the programs that stand in for a running copy.
    static void OverrideFolder(const QString &folder);

    QString Folder() const { return folder_; }
    // Replaces this run's file, atomically; false when it could not be written.
    bool Write(const QString &document, const QString &text);
    void Remove();
    // The readable files of runs that are gone, oldest first; each stays locked by this run
    // until Drop, so that no other copy offers it too.
    std::vector<TEntry> Orphans();
    void Drop(const TEntry &entry);

private:
    QString FileOf(const QString &id, const char *extension) const;
    bool Lock();

    QString folder_;
    QString id_;
    int lockFd_ = -1;
    std::vector<std::pair<QString, int>> claimed_; // orphans' ids and their locks
};
