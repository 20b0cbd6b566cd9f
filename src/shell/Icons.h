#pragma once

#include <QIcon>
#include <QString>

// The images of the actions. No icon theme is installed, so each is either a standard pixmap of
// the style or drawn here; every name of an action with a tool button has one.
QIcon ActionIcon(const QString &actionName);
// Whether ActionIcon knows the action (tests, and a guard against empty buttons).
bool HasActionIcon(const QString &actionName);
// The program's own icon, for its windows (the desktop's menu entry has the same picture).
QIcon ProgramIcon();
