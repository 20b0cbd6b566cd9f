#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

// The open document's file on disk: what it was when the editor last read or wrote it, what the
// user has last been told about, and what it is now (size, modification time, inode). Another
// program's change is heard through the file system and when the program becomes active again;
// OnChange runs once the file has been quiet for SettleMs, so a half-written file is not read.
class TDiskWatch : public QObject
{
public:
    static constexpr int SettleMs = 250;

    explicit TDiskWatch(QObject *parent = nullptr);

    std::function<void()> OnChange;

    // Takes the file as it is now as the editor's; an empty path watches nothing.
    void Watch(const QString &path);
    QString Path() const { return path_; }
    bool Exists() const;
    // Changed (or gone) since the user was last told.
    bool ChangedSinceSeen() const;
    // Written by someone else since the editor last read or wrote it, and still there.
    bool ChangedSinceRead() const;
    // The user has been told of the file as it is now.
    void MarkSeen();
    // Asks again after SettleMs (while a question of another part is open).
    void Retry();

private:
    struct TStamp
    {
        bool exists = false;
        qint64 size = 0;
        qint64 modified = 0; // ns
        quint64 inode = 0;
        quint64 device = 0;
        bool operator==(const TStamp &) const = default;
    };
    TStamp Now() const;
    void Heard();

    QString path_;
    TStamp read_;
    TStamp seen_;
    QFileSystemWatcher watcher_;
    QTimer settle_;
};
