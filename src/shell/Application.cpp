#include "Application.h"

#include <QMessageBox>

#include <cstdio>

void ReportEventError(const QString &message)
{
    static bool showing = false;
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    if (showing || !qobject_cast<QApplication *>(QCoreApplication::instance()))
        return;
    showing = true;
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), message);
    showing = false;
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    return DeliverGuarded([&] { return QApplication::notify(receiver, event); });
}
