#pragma once

#include <QTabBar>

#include <vector>

// A tab bar whose tabs wrap onto further rows instead of hiding behind scroll arrows, so every
// relation stays in sight. The tabs keep QTabBar's sizes, keys and signals; only their placement,
// painting and mouse hits are its own.
class TWrapTabBar : public QTabBar
{
    Q_OBJECT

public:
    explicit TWrapTabBar(QWidget *parent);

    // Each tab's rectangle when the bar is width pixels wide, left to right, row by row.
    std::vector<QRect> TabRects(int width) const;
    int RowCount() const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void tabInserted(int index) override;
    void tabRemoved(int index) override;

private:
    int RowHeight() const;
};
