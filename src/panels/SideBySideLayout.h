#pragma once

#include <QLayout>
#include <QList>

// Lays its widgets out side by side in equal widths (the width divided by their number), each
// the full height. The rhymes panel always comes first; the last widget is flush right, so any
// remainder of the division is a gap before it.
class TSideBySideLayout : public QLayout
{
    Q_OBJECT

public:
    explicit TSideBySideLayout(QWidget *parent);
    ~TSideBySideLayout() override;

    void addItem(QLayoutItem *item) override;
    int count() const override { return int(items_.size()); }
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect &rect) override;

private:
    QList<QLayoutItem *> items_;
};
