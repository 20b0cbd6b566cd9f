#pragma once

#include <QString>

class QAction;

// Sets an action's hint: the text before a "|" is the short hint (tool tip), the rest the long
// one (status tip); a hint without "|" is both.
void SetActionHint(QAction *action, const QString &hint);
