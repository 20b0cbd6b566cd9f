#pragma once

#include <QWidget>

#include <vector>

// Places its gutters left to right at their own widths, each as high as the panel, and keeps
// itself as wide as the visible ones together.
class TAlignPanel : public QWidget
{
    Q_OBJECT

public:
    explicit TAlignPanel(QWidget *parent);

    void AddColumn(QWidget *column);
    void Realign();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    std::vector<QWidget *> columns_;
    bool aligning_ = false;
};
