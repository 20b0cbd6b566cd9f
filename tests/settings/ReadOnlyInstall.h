#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

// Makes folders and files unwritable for the calling thread while the object lives, for root too:
// the permission bits stop root once its override of them (CAP_DAC_OVERRIDE) is out of the
// thread's effective set. The capability stays permitted and comes back at the end.
class TReadOnlyPath
{
public:
    explicit TReadOnlyPath(const QStringList &paths) : paths_(paths)
    {
        const auto writeBits =
            QFile::WriteOwner | QFile::WriteUser | QFile::WriteGroup | QFile::WriteOther;
        for (const QString &path : paths) {
            saved_.append(QFile::permissions(path));
            QFile::setPermissions(path, saved_.last() & ~writeBits);
        }
        if (geteuid() == 0)
            dropped_ = SetOverride(false);
    }
    ~TReadOnlyPath()
    {
        if (dropped_)
            SetOverride(true);
        for (qsizetype i = 0; i < paths_.size(); ++i)
            QFile::setPermissions(paths_[i], saved_[i]);
    }
    TReadOnlyPath(const TReadOnlyPath &) = delete;
    TReadOnlyPath &operator=(const TReadOnlyPath &) = delete;

private:
    static bool SetOverride(bool on)
    {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct data[2] = {};
        if (syscall(SYS_capget, &header, data) != 0)
            return false;
        const unsigned bit = 1u << (CAP_DAC_OVERRIDE % 32);
        if (on)
            data[CAP_DAC_OVERRIDE / 32].effective |= bit;
        else
            data[CAP_DAC_OVERRIDE / 32].effective &= ~bit;
        return syscall(SYS_capset, &header, data) == 0;
    }

    QStringList paths_;
    QList<QFile::Permissions> saved_;
    bool dropped_ = false;
};

// Points the per-user configuration folder (QStandardPaths::AppConfigLocation) into path while the
// object lives.
class TConfigHome
{
public:
    explicit TConfigHome(const QString &path)
        : had_(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")), saved_(qgetenv("XDG_CONFIG_HOME"))
    {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(path));
    }
    ~TConfigHome()
    {
        if (had_)
            qputenv("XDG_CONFIG_HOME", saved_);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }
    TConfigHome(const TConfigHome &) = delete;
    TConfigHome &operator=(const TConfigHome &) = delete;

private:
    bool had_;
    QByteArray saved_;
};
