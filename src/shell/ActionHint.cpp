#include "ActionHint.h"

#include <QAction>

void SetActionHint(QAction *action, const QString &hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    const QString shortHint = bar < 0 ? hint : hint.left(bar);
    const QString longHint = bar < 0 ? hint : hint.mid(bar + 1);
    action->setToolTip(shortHint);
    action->setStatusTip(longHint);
}
