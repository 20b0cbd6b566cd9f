#include "AlignPanel.h"

#include <QEvent>

TAlignPanel::TAlignPanel(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("AlignPanel1"));
}

void TAlignPanel::AddColumn(QWidget *column)
{
    columns_.push_back(column);
    column->installEventFilter(this);
    Realign();
}

void TAlignPanel::Realign()
{
    if (aligning_)
        return;
    aligning_ = true;
    int left = 0;
    for (QWidget *column : columns_) {
        if (column->isHidden())
            continue;
        column->setGeometry(left, 0, column->width(), height());
        left += column->width();
    }
    setFixedWidth(left);
    aligning_ = false;
}

bool TAlignPanel::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::ShowToParent || type == QEvent::HideToParent || type == QEvent::Resize)
        Realign();
    return QWidget::eventFilter(watched, event);
}

void TAlignPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Realign();
}
