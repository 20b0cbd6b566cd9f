#include "TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

TempDir::TempDir() = default;

QString TempDir::path() const
{
    return dir_.path() + QLatin1Char('/');
}

QString TempDir::file(const QString &name) const
{
    return path() + name;
}

QString TempDir::write(const QString &name, const QByteArray &bytes) const
{
    const QString full = file(name);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile f(full);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return full;
}

QByteArray TempDir::read(const QString &name) const
{
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
