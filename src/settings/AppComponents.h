#pragma once

#include <QObject>
#include <QString>

class QAction;

// Objects the application owns although a window parents them (docked panels, tool windows).
// FindAppComponent searches these besides the application object's own children; an object
// leaves the register when it is destroyed.
void RegisterAppComponent(QObject *object);
QObjectList AppComponents();

// Actions of the data module, found by object name ("actUpdateInfo"); null when absent.
QAction *FindAppAction(const QString &name);
// Triggers the named action if it exists and is enabled; returns whether it ran.
bool ExecuteAppAction(const QString &name);

// The data module's helpers: put a word into the lookup box without a new lookup (the caption of
// actUpdateLookup carries it), and open a recent document (the caption of actOpenRecent).
void ShowWordInLookupBox(const QString &word);
void OpenRecent(const QString &path);
