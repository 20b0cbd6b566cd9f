#include "MessageBoxWidth.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

void TMessageBoxWidth::Install()
{
    qApp->installEventFilter(new TMessageBoxWidth(qApp));
}

bool TMessageBoxWidth::eventFilter(QObject *watched, QEvent *event)
{
    // Seen before the box sizes itself for showing; its fixed size comes from its layout.
    auto *box = event->type() == QEvent::Show ? qobject_cast<QMessageBox *>(watched) : nullptr;
    auto *grid = box ? qobject_cast<QGridLayout *>(box->layout()) : nullptr;
    if (grid && !box->property("tolvaneTitleRoom").toBool()) {
        box->setProperty("tolvaneTitleRoom", true);
        const QString title = box->windowTitle().isEmpty() ? QApplication::applicationDisplayName()
                                                           : box->windowTitle();
        const int width = box->fontMetrics().horizontalAdvance(title) + CaptionRoom;
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    return QObject::eventFilter(watched, event);
}
