#pragma once

#include "DictFrame.h"
#include "ListViewData.h"

#include <QAbstractTableModel>
#include <QPixmap>

#include <array>
#include <functional>

class QStackedWidget;
class QTableView;

// One rhyme line as the table shows it; all empty for an entry without "@" or source record.
struct TRhymeLineRow
{
    QString line;
    QString title;
    QString author;
};

// The table's rows on demand: only the rows on screen are ever formatted.
class TRhymeLinesModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int ColumnCount = 3;
    using RowSource = std::function<TRhymeLineRow(int row)>;

    TRhymeLinesModel(QObject *parent, RowSource source);

    void SetCount(int count);
    // Header image of a column: 0 ascending, 1 descending, -1 none.
    int ImageIndex(int column) const { return images_.at(column); }
    void SetImageIndex(int column, int image);
    void RowsChanged();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    RowSource source_;
    int count_ = 0;
    std::array<int, ColumnCount> images_{-1, -1, -1};
    std::array<QPixmap, 2> pixmaps_;
};

// The lines of verse filed under the current word's rhyme group (slot 2), as a table of line,
// title and author that sorts by a clicked column. In Cadenzio mode a hidden panel does no work.
class TfrmRhymeLines : public TDictFrame
{
    Q_OBJECT

public:
    TfrmRhymeLines(QWidget *owner, int mode);
    ~TfrmRhymeLines() override;
    static void Register();

    // Fills the table for the current word.
    void Refresh();
    // The row of entry "id@line" with the source record "id[P]" = "author@title".
    static TRhymeLineRow FormatRow(const QString &entry);
    // The text an entry sorts by for a column tag (0 line, 1 title, 2 author).
    static QString SortText(const QString &entry, int tag);

    QStackedWidget *PageControl1() const { return pageControl_; }
    QWidget *TabSheet1() const { return tabSheet1_; }
    QTableView *ListView1() const { return listView_; }
    TRhymeLinesModel *Model() const { return model_; }
    const TListViewData &Rows() const { return rows_; }
    // The column last clicked, or -1.
    int SortColumn() const { return sortColumn_; }

    void ListView1ColumnClick(int column);
    void ListView1Resize();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildTable();
    void Unsubscribe();
    void WordChange(QObject *sender);
    void UIFontChange(QObject *sender);

    TListViewData rows_;
    int sortColumn_ = -1;
    QStackedWidget *pageControl_ = nullptr;
    QWidget *tabSheet1_ = nullptr;
    QTableView *listView_ = nullptr;
    TRhymeLinesModel *model_ = nullptr;
};
