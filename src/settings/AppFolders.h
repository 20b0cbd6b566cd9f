#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// The application folder is the folder of the running executable, ending in "/".
QString AppFolder();
// Tests and tools may point the program at another folder before anything reads it.
void OverrideAppFolder(const QString &folder);
QString VerseFormsFolder();
QString SamplesFolder();
QString WordExplorerFile();
// The user's documents folder, or empty when the platform cannot say.
QString DocumentsFolder();
QString GetLastFolder();
void SetLastFolder(const QString &folder);

// Opens a document or web address with the program the user associated with it (kept with the
// other graphical services in DesktopServices.cpp).
void ShellOpen(const QString &target);

// The first object owned by the application object whose class name is exactly className (see
// AppComponents.h).
QObject *FindAppComponent(const QString &className);

// Whether this process can create files in folder. It tries, since the permission bits alone do
// not tell (root, read-only mounts, access lists).
bool CanWriteFolder(const QString &folder);

// A file of the user's own (settings.ini, the spelling dictionary). It lives in the application
// folder, or in the per-user configuration folder when the program cannot write it there; then
// the application folder's copy, if any, is read until the first write makes the user's own.
struct TUserFile
{
    QString path; // where it is written
    QString seed; // read while path does not exist; empty when there is nothing to start from

    QString ReadPath() const;
    // Creates the folder of path when missing; false when that fails.
    bool MakeFolder() const;
};
TUserFile LocateUserFile(const QString &name);

// Appends the names of the plain "*.txt" files of folder (regular, not hidden, not symbolic
// links) to list. In a folder the user can write, a file the user cannot write is left out.
void ListTextFiles(const QString &folder, QStringList &list);
