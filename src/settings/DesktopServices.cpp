#include "DesktopServices.h"

#include "AppFolders.h"
#include "Settings.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>

namespace {

QSize PrimaryScreenSize()
{
    if (qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        if (QScreen *screen = QGuiApplication::primaryScreen())
            return screen->geometry().size();
    return QSize(0, 0);
}

} // namespace

void InstallDesktopServices()
{
    TDictSettings::SetScreenSizeSource(&PrimaryScreenSize);
}

void ShellOpen(const QString &target)
{
    // Opening needs the platform services of a GUI application; without one there is nothing to
    // ask.
    if (target.isEmpty() || !qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    QUrl url;
    const QUrl parsed(target, QUrl::TolerantMode);
    if (!target.startsWith(QLatin1Char('/')) && !QFileInfo::exists(target) && parsed.isValid() &&
        parsed.scheme().size() > 1)
        url = parsed;
    else
        url = QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
    QDesktopServices::openUrl(url);
}
