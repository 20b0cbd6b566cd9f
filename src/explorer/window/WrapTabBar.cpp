#include "WrapTabBar.h"

#include <QMouseEvent>
#include <QResizeEvent>
#include <QStyleOptionTab>
#include <QStylePainter>

TWrapTabBar::TWrapTabBar(QWidget *parent) : QTabBar(parent)
{
    setUsesScrollButtons(false);
    setExpanding(false);
    setDrawBase(true);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

int TWrapTabBar::RowHeight() const
{
    return count() ? tabSizeHint(0).height() : 0;
}

std::vector<QRect> TWrapTabBar::TabRects(int width) const
{
    std::vector<QRect> rects;
    const int height = RowHeight();
    int x = 0, y = 0;
    for (int i = 0; i < count(); ++i) {
        const int w = tabSizeHint(i).width();
        if (x > 0 && x + w > width) {
            x = 0;
            y += height;
        }
        rects.emplace_back(x, y, w, height);
        x += w;
    }
    // The current tab's row goes next to the page below, as the rows of a multi-line tab control
    // do.
    if (currentIndex() >= 0 && std::size_t(currentIndex()) < rects.size()) {
        const int current = rects[std::size_t(currentIndex())].y();
        for (QRect &r : rects)
            if (r.y() == current)
                r.moveTop(y);
            else if (r.y() == y)
                r.moveTop(current);
    }
    return rects;
}

int TWrapTabBar::RowCount() const
{
    return RowHeight() ? heightForWidth(width()) / RowHeight() : 0;
}

int TWrapTabBar::heightForWidth(int width) const
{
    int bottom = 0;
    for (const QRect &r : TabRects(width))
        bottom = qMax(bottom, r.bottom() + 1);
    return bottom;
}

QSize TWrapTabBar::sizeHint() const
{
    int widest = 0;
    for (int i = 0; i < count(); ++i)
        widest = qMax(widest, tabSizeHint(i).width());
    return {widest, heightForWidth(width() > 0 ? width() : widest)};
}

QSize TWrapTabBar::minimumSizeHint() const
{
    return sizeHint(); // every row, or a tab would be lost
}

// The rows that are not current first, so the current tab overlaps its neighbours as usual.
void TWrapTabBar::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    const std::vector<QRect> rects = TabRects(width());
    if (rects.empty())
        return;
    QStyleOptionTabBarBase base;
    base.initFrom(this);
    base.shape = shape();
    base.rect = QRect(0, height() - 1, width(), 1);
    base.tabBarRect = rect();
    base.selectedTabRect = currentIndex() >= 0 ? rects[std::size_t(currentIndex())] : QRect();
    if (drawBase())
        painter.drawPrimitive(QStyle::PE_FrameTabBarBase, base);
    const QPoint mouse = mapFromGlobal(QCursor::pos());
    auto paintTab = [&](int i) {
        QStyleOptionTab tab;
        initStyleOption(&tab, i);
        const QRect &r = rects[std::size_t(i)];
        tab.rect = r;
        const bool rowStart = r.x() == 0;
        const bool rowEnd =
            std::size_t(i) + 1 == rects.size() || rects[std::size_t(i) + 1].x() == 0;
        tab.position = rowStart && rowEnd ? QStyleOptionTab::OnlyOneTab
                       : rowStart         ? QStyleOptionTab::Beginning
                       : rowEnd           ? QStyleOptionTab::End
                                          : QStyleOptionTab::Middle;
        tab.state.setFlag(QStyle::State_MouseOver, underMouse() && r.contains(mouse));
        // Some styles stretch the current tab down to the bar's bottom, over the rows below.
        painter.save();
        painter.setClipRect(r.adjusted(-4, -2, 4, 2));
        painter.drawControl(QStyle::CE_TabBarTab, tab);
        painter.restore();
    };
    for (int i = 0; i < count(); ++i)
        if (i != currentIndex())
            paintTab(i);
    if (currentIndex() >= 0)
        paintTab(currentIndex());
}

// A new width can change the rows, so the layouts asking for the size must ask again.
void TWrapTabBar::resizeEvent(QResizeEvent *event)
{
    QTabBar::resizeEvent(event);
    if (heightForWidth(event->size().width()) != heightForWidth(event->oldSize().width()))
        updateGeometry();
}

void TWrapTabBar::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (event->button() != Qt::LeftButton)
        return;
    const std::vector<QRect> rects = TabRects(width());
    for (std::size_t i = 0; i < rects.size(); ++i)
        if (rects[i].contains(event->position().toPoint()) && isTabEnabled(int(i)))
            setCurrentIndex(int(i));
}

// QTabBar's own handlers would hit-test its single row; only the hover needs a repaint.
void TWrapTabBar::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    update();
}

void TWrapTabBar::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void TWrapTabBar::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

void TWrapTabBar::tabInserted(int index)
{
    QTabBar::tabInserted(index);
    updateGeometry();
}

void TWrapTabBar::tabRemoved(int index)
{
    QTabBar::tabRemoved(index);
    updateGeometry();
}
