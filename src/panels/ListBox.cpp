#include "ListBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

namespace {

class TFixedHeightDelegate : public QStyledItemDelegate
{
public:
    TFixedHeightDelegate(int height, QObject *parent) : QStyledItemDelegate(parent), height_(height)
    {}
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(height_);
        return size;
    }

private:
    int height_;
};

} // namespace

TListBoxModel::TListBoxModel(QObject *parent) : QAbstractListModel(parent) {}

void TListBoxModel::SetItems(QStringList items)
{
    beginResetModel();
    source_ = nullptr;
    virtualCount_ = 0;
    items_ = std::move(items);
    endResetModel();
}

void TListBoxModel::SetDataSource(DataSource source)
{
    beginResetModel();
    items_.clear();
    source_ = std::move(source);
    endResetModel();
}

void TListBoxModel::SetCount(int count)
{
    beginResetModel();
    virtualCount_ = qMax(0, count);
    endResetModel();
}

int TListBoxModel::Count() const
{
    return source_ ? virtualCount_ : int(items_.size());
}

QString TListBoxModel::Item(int index) const
{
    if (index < 0 || index >= Count())
        return QString();
    return source_ ? source_(index) : items_.at(index);
}

int TListBoxModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : Count();
}

QVariant TListBoxModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return QVariant();
    return Item(index.row());
}

TListBox::TListBox(QWidget *parent, const QString &name, int itemHeight)
    : QListView(parent), model_(new TListBoxModel(this)), itemHeight_(itemHeight)
{
    setObjectName(name);
    setModel(model_);
    setItemDelegate(new TFixedHeightDelegate(itemHeight, this));
    setUniformItemSizes(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFrameShape(QFrame::NoFrame);
    viewport()->setCursor(Qt::PointingHandCursor);
}

int TListBox::ItemIndex() const
{
    const QModelIndexList selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void TListBox::SetItemIndex(int index)
{
    if (index < 0 || index >= Count()) {
        clearSelection();
        return;
    }
    setCurrentIndex(model_->index(index));
}

void TListBox::keyPressEvent(QKeyEvent *event)
{
    const int before = ItemIndex();
    QListView::keyPressEvent(event);
    if (ItemIndex() >= 0 && ItemIndex() != before)
        emit clicked(currentIndex());
}

void TListBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The view drops a double-click whose press index was reset by a refill; the item under the
    // mouse is what counts.
    QListView::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid())
        emit ItemDoubleClicked();
}
