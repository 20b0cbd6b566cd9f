#pragma once

#include <QAbstractListModel>
#include <QListView>
#include <QStringList>

#include <functional>

// Rows of a list box: either its own strings, or a count and a supplier asked row by row (a
// virtual list box, whose strings live elsewhere).
class TListBoxModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using DataSource = std::function<QString(int index)>;

    explicit TListBoxModel(QObject *parent = nullptr);

    void SetItems(QStringList items);
    const QStringList &Items() const { return items_; }
    void SetDataSource(DataSource source);
    void SetCount(int count);
    int Count() const;
    QString Item(int index) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    QStringList items_;
    DataSource source_;
    int virtualCount_ = 0;
};

// A single-selection list of words with a fixed item height. A click or a keyboard move onto an
// item emits clicked(); a double-click on an item emits ItemDoubleClicked(), also when the click
// before it refilled the list.
class TListBox : public QListView
{
    Q_OBJECT

public:
    TListBox(QWidget *parent, const QString &name, int itemHeight);

    TListBoxModel *Model() const { return model_; }
    int Count() const { return model_->Count(); }
    QString ItemText(int index) const { return model_->Item(index); }
    // The selected row, or -1.
    int ItemIndex() const;
    void SetItemIndex(int index);
    int ItemHeight() const { return itemHeight_; }

signals:
    void ItemDoubleClicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    TListBoxModel *model_;
    int itemHeight_;
};
