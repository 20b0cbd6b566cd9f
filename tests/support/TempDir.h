#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A scratch folder for one test, removed with the object.
class TempDir
{
public:
    TempDir();
    QString path() const;                    // ends in "/"
    QString file(const QString &name) const; // path() + name
    QString write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;

private:
    QTemporaryDir dir_;
};
