#include "SideBySideLayout.h"

#include <QWidget>

#include <algorithm>

TSideBySideLayout::TSideBySideLayout(QWidget *parent) : QLayout(parent)
{
    setContentsMargins(0, 0, 0, 0);
    setSpacing(0);
}

TSideBySideLayout::~TSideBySideLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

void TSideBySideLayout::addItem(QLayoutItem *item)
{
    const QWidget *widget = item->widget();
    if (widget && widget->inherits("TfrmRhymes"))
        items_.prepend(item);
    else
        items_.append(item);
}

QLayoutItem *TSideBySideLayout::itemAt(int index) const
{
    return index >= 0 && index < items_.size() ? items_.at(index) : nullptr;
}

QLayoutItem *TSideBySideLayout::takeAt(int index)
{
    return index >= 0 && index < items_.size() ? items_.takeAt(index) : nullptr;
}

QSize TSideBySideLayout::sizeHint() const
{
    QSize size;
    for (const QLayoutItem *item : items_)
        size = QSize(size.width() + item->sizeHint().width(),
                     std::max(size.height(), item->sizeHint().height()));
    return size;
}

QSize TSideBySideLayout::minimumSize() const
{
    return QSize(0, 0);
}

void TSideBySideLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    const qsizetype n = items_.size();
    if (n == 0)
        return;
    const int width = rect.width() / int(n);
    for (qsizetype i = 0; i < n; ++i) {
        const int left = i == 0 ? 0 : (i == n - 1 ? rect.width() - width : int(i) * width);
        items_.at(i)->setGeometry(QRect(rect.left() + left, rect.top(), width, rect.height()));
    }
}
