#include "TabStyle.h"

#include <QTabBar>
#include <QTabWidget>

namespace {
const char *const ButtonTabs = "QTabBar::tab { border: 1px solid palette(mid); border-radius: 3px;"
                               " margin: 2px 1px; padding: 2px 8px; background: palette(button); }"
                               "QTabBar::tab:selected { background: palette(midlight);"
                               " border-color: palette(dark); }"
                               "QTabBar::tab:hover { border-color: palette(highlight); }";
} // namespace

void ShowTabsAsButtons(QTabWidget *pages, bool asButtons)
{
    pages->setProperty("tabsAsButtons", asButtons);
    pages->tabBar()->setStyleSheet(asButtons ? QString::fromLatin1(ButtonTabs) : QString());
    pages->tabBar()->setDrawBase(!asButtons);
}
