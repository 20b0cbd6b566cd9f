#include "frmRhymeLines.h"

#include "DictionaryList.h"
#include "EntryText.h"
#include "UpdateBracket.h"

#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QStackedWidget>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {
const bool registered = (TfrmRhymeLines::Register(), true);

const char *const ColumnCaptions[TRhymeLinesModel::ColumnCount] = {
    QT_TRANSLATE_NOOP("TfrmRhymeLines", "Line"), QT_TRANSLATE_NOOP("TfrmRhymeLines", "Title"),
    QT_TRANSLATE_NOOP("TfrmRhymeLines", "Author")};

// A small filled triangle pointing up (ascending) or down (descending).
QPixmap SortArrow(bool up)
{
    constexpr int size = 12;
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    const qreal top = 3, bottom = size - 3, left = 2, right = size - 2;
    path.moveTo(left, up ? bottom : top);
    path.lineTo(right, up ? bottom : top);
    path.lineTo(size / 2.0, up ? top : bottom);
    path.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(90, 90, 90));
    p.drawPath(path);
    return pixmap;
}

// The source record of an entry "id@line": the value of "id[P]", or empty.
QString SourceOf(const QString &entry)
{
    const qsizetype at = entry.indexOf(QLatin1Char('@'));
    if (at < 0)
        return QString();
    return TDictionaryList::Instance().Lookup(TDictionaryList::RhymeLineSlot,
                                              entry.left(at) + QLatin1String("[P]"));
}

QString After(const QString &text, qsizetype at)
{
    return text.mid(at + 1);
}
} // namespace

// --- model ---------------------------------------------------------------------------------

TRhymeLinesModel::TRhymeLinesModel(QObject *parent, RowSource source)
    : QAbstractTableModel(parent),
      source_(std::move(source)), pixmaps_{SortArrow(true), SortArrow(false)}
{}

void TRhymeLinesModel::SetCount(int count)
{
    beginResetModel();
    count_ = std::max(0, count);
    endResetModel();
}

void TRhymeLinesModel::SetImageIndex(int column, int image)
{
    if (images_.at(column) == image)
        return;
    images_.at(column) = image;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void TRhymeLinesModel::RowsChanged()
{
    if (count_ > 0)
        emit dataChanged(index(0, 0), index(count_ - 1, ColumnCount - 1), {Qt::DisplayRole});
}

int TRhymeLinesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count_;
}

int TRhymeLinesModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TRhymeLinesModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= count_ ||
        (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return QVariant();
    const TRhymeLineRow row = source_(index.row());
    switch (index.column()) {
    case 0:
        return row.line;
    case 1:
        return row.title;
    default:
        return row.author;
    }
}

QVariant TRhymeLinesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QVariant();
    if (role == Qt::DisplayRole)
        return TfrmRhymeLines::tr(ColumnCaptions[section]);
    if (role == Qt::DecorationRole && images_.at(section) >= 0)
        return pixmaps_.at(images_.at(section));
    return QVariant();
}

Qt::ItemFlags TRhymeLinesModel::flags(const QModelIndex &index) const
{
    // Rows can be selected, never edited in place.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

// --- panel ---------------------------------------------------------------------------------

TfrmRhymeLines::TfrmRhymeLines(QWidget *owner, int mode) : TDictFrame(owner, mode)
{
    SetCaption(tr("Rhyme Lines"));
    TDictionaryList &dict = TDictionaryList::Instance();
    dict.WordChanged.Add({mode}, &TfrmRhymeLines::WordChange, this);
    dict.UIFontChanged.Add({mode}, &TfrmRhymeLines::UIFontChange, this);
    BuildTable();
    ApplyUIFont();
    Refresh();
    Panel2()->hide();
}

TfrmRhymeLines::~TfrmRhymeLines()
{
    Unsubscribe();
}

void TfrmRhymeLines::Register()
{
    RegisterClass(QStringLiteral("TfrmRhymeLines"),
                  [](QWidget *owner, int mode) { return new TfrmRhymeLines(owner, mode); });
}

void TfrmRhymeLines::Unsubscribe()
{
    if (!TDictionaryList::Exists())
        return;
    TDictionaryList &dict = TDictionaryList::Instance();
    dict.WordChanged.Remove(&TfrmRhymeLines::WordChange, this);
    dict.UIFontChanged.Remove(&TfrmRhymeLines::UIFontChange, this);
}

void TfrmRhymeLines::BuildTable()
{
    pageControl_ = new QStackedWidget(this);
    pageControl_->setObjectName(QStringLiteral("PageControl1"));
    tabSheet1_ = new QWidget(pageControl_);
    tabSheet1_->setObjectName(QStringLiteral("TabSheet1"));
    pageControl_->addWidget(tabSheet1_);
    auto *layout = new QVBoxLayout(tabSheet1_);
    layout->setContentsMargins(0, 0, 0, 0);

    listView_ = new QTableView(tabSheet1_);
    listView_->setObjectName(QStringLiteral("ListView1"));
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    listView_->setFont(font);
    listView_->setFrameShape(QFrame::NoFrame);
    listView_->setSelectionBehavior(QAbstractItemView::SelectRows);
    listView_->setSelectionMode(QAbstractItemView::SingleSelection);
    listView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listView_->setWordWrap(false);
    listView_->setShowGrid(false);
    listView_->setTextElideMode(Qt::ElideRight);
    listView_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    listView_->verticalHeader()->hide();
    // Fixed row heights: the view never measures rows it does not show.
    listView_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    listView_->verticalHeader()->setDefaultSectionSize(listView_->fontMetrics().height() + 4);
    QHeaderView *header = listView_->horizontalHeader();
    header->setSortIndicatorShown(false);
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    model_ = new TRhymeLinesModel(this, [this](int row) { return FormatRow(rows_.At(row)); });
    listView_->setModel(model_);
    connect(header, &QHeaderView::sectionClicked, this, &TfrmRhymeLines::ListView1ColumnClick);
    layout->addWidget(listView_);
    listView_->installEventFilter(this);
    tabSheet1_->installEventFilter(this);
    SetBody(pageControl_);
}

bool TfrmRhymeLines::eventFilter(QObject *watched, QEvent *event)
{
    if ((watched == listView_ && event->type() == QEvent::Resize) ||
        (watched == tabSheet1_ && event->type() == QEvent::Show))
        ListView1Resize();
    return TDictFrame::eventFilter(watched, event);
}

void TfrmRhymeLines::WordChange(QObject *)
{
    Refresh();
}

void TfrmRhymeLines::UIFontChange(QObject *)
{
    ApplyUIFont();
    listView_->verticalHeader()->setDefaultSectionSize(listView_->fontMetrics().height() + 4);
}

void TfrmRhymeLines::Refresh()
{
    if (!isVisible() && Mode() == 1)
        return; // a hidden Cadenzio-mode table is filled when it is shown
    if (!IsLive())
        return;
    const TDictionaryList &dict = TDictionaryList::Instance();
    TUpdateBracket bracket(listView_);
    rows_.Clear();
    for (const QString &row : EntryText::Split(dict.CurrentRhymeLines()))
        rows_.Add(row);
    model_->SetCount(rows_.Count());
}

TRhymeLineRow TfrmRhymeLines::FormatRow(const QString &entry)
{
    const QString source = SourceOf(entry);
    const qsizetype sourceAt = source.indexOf(QLatin1Char('@'));
    if (sourceAt < 0)
        return {};
    return {After(entry, entry.indexOf(QLatin1Char('@'))), After(source, sourceAt),
            source.left(sourceAt)};
}

QString TfrmRhymeLines::SortText(const QString &entry, int tag)
{
    if (tag == 0) {
        const qsizetype at = entry.indexOf(QLatin1Char('@'));
        return at < 0 ? entry : After(entry, at);
    }
    if (tag != 1 && tag != 2)
        return QString();
    const QString source = SourceOf(entry);
    const qsizetype at = source.indexOf(QLatin1Char('@'));
    if (at < 0)
        return QString();
    return tag == 1 ? After(source, at) : source.left(at);
}

void TfrmRhymeLines::ListView1ColumnClick(int column)
{
    if (column < 0 || column >= TRhymeLinesModel::ColumnCount)
        return;
    const int image = model_->ImageIndex(column) == 0 ? 1 : 0;
    model_->SetImageIndex(column, image);
    if (sortColumn_ >= 0 && sortColumn_ != column)
        model_->SetImageIndex(sortColumn_, -1);
    sortColumn_ = column;
    rows_.SortBy([column](const QString &row) { return SortText(row, column); }, image == 0);
    model_->RowsChanged();
    listView_->viewport()->update();
}

void TfrmRhymeLines::ListView1Resize()
{
    const int w = listView_->width();
    const int scrollBar = listView_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr,
                                                          listView_->verticalScrollBar());
    QHeaderView *header = listView_->horizontalHeader();
    header->resizeSection(0, w / 2);
    header->resizeSection(1, w / 4);
    header->resizeSection(2, std::max(0, w / 4 - scrollBar - 2));
}
