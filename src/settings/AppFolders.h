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

// Opens a document or web address with the program the user associated with it.
void ShellOpen(const QString &target);

// The first object owned by the application object whose class name is exactly className.
QObject *FindAppComponent(const QString &className);

// Appends the names of the plain "*.txt" files of folder (regular, not hidden, not symbolic
// links, writable by the user) to list.
void ListTextFiles(const QString &folder, QStringList &list);
