#include "RelationList.h"

#include "Synset.h"
#include "WrapTabBar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The word at the item's left + 2, its " [labels]" part in blue unless the item is selected.
class TWordDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem plain = option;
        initStyleOption(&plain, index);
        const QString text = plain.text;
        plain.text.clear();
        const QWidget *widget = option.widget;
        QStyle *style = widget ? widget->style() : nullptr;
        if (style)
            style->drawControl(QStyle::CE_ItemViewItem, &plain, painter, widget);
        const bool selected = option.state & QStyle::State_Selected;
        const qsizetype bracket = text.indexOf(QLatin1String(" ["));
        const QString word = bracket < 0 ? text : text.left(bracket);
        const QPalette::ColorRole role = selected ? QPalette::HighlightedText : QPalette::Text;
        QRect rect = option.rect.adjusted(2, 0, 0, 0);
        painter->save();
        painter->setFont(option.font);
        painter->setPen(option.palette.color(role));
        painter->drawText(rect, Qt::AlignLeft | Qt::AlignVCenter, word);
        if (bracket >= 0) {
            rect.setLeft(rect.left() + option.fontMetrics.horizontalAdvance(word));
            painter->setPen(selected ? option.palette.color(role) : QColor(0, 0, 255));
            painter->drawText(rect, Qt::AlignLeft | Qt::AlignVCenter, text.mid(bracket));
        }
        painter->restore();
    }
};

QToolButton *LevelButton(const QString &text, int tag, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setText(text);
    button->setProperty("Tag", tag);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRaise(false);
    button->setFixedSize(18, 18);
    return button;
}

} // namespace

TRelationList::TRelationList(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ViewTabs"));
    tabs_ = new TWrapTabBar(this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("Synonyms"));
    list_->setFrameShape(QFrame::NoFrame);
    list_->setUniformItemSizes(true);
    list_->setItemDelegate(new TWordDelegate(list_));
    list_->installEventFilter(this);
    list_->viewport()->installEventFilter(this); // a scroll bar coming or going moves the levels
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tabs_);
    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    auto *inner = new QVBoxLayout(frame);
    inner->setContentsMargins(1, 1, 1, 1);
    inner->addWidget(list_);
    layout->addWidget(frame, 1);

    plusMinus_ = new QWidget(list_);
    plusMinus_->setObjectName(QStringLiteral("PlusMinus"));
    auto *levels = new QHBoxLayout(plusMinus_);
    levels->setContentsMargins(0, 0, 0, 0);
    levels->setSpacing(1);
    plus_ = LevelButton(QStringLiteral("+"), 1, plusMinus_);
    plus_->setObjectName(QStringLiteral("Plus"));
    minus_ = LevelButton(QStringLiteral("-"), -1, plusMinus_);
    minus_->setObjectName(QStringLiteral("Minus"));
    minus_->setEnabled(false);
    levels->addWidget(plus_);
    levels->addWidget(minus_);
    plusMinus_->hide();

    connect(plus_, &QToolButton::clicked, this, [this] { emit LevelStep(1); });
    connect(minus_, &QToolButton::clicked, this, [this] { emit LevelStep(-1); });
    connect(tabs_, &QTabBar::currentChanged, this, [this](int tab) {
        if (!filling_ && RelationAt(tab) >= 0)
            emit RelationChosen(RelationAt(tab));
    });
    // Not itemActivated: some styles activate on a single click.
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *item) { emit ItemChosen(list_->row(item)); });
}

int TRelationList::RelationAt(int tab) const
{
    return tab >= 0 && std::size_t(tab) < relations_.size() ? relations_[std::size_t(tab)] : -1;
}

void TRelationList::SetTabs(const std::vector<int> &relations, int current)
{
    filling_ = true;
    while (tabs_->count())
        tabs_->removeTab(0);
    relations_ = relations;
    for (int r : relations)
        tabs_->addTab(r == Nearest ? tr("Nearest") : tr(RelationName(r)));
    filling_ = false;
    SelectTab(current);
    FitTabs();
}

// The splitter may not squeeze the tabs: each of their rows counts towards the minimum height.
void TRelationList::FitTabs()
{
    // Until it is laid out its width is a placeholder; one row will do.
    const int w = isVisible() ? width() : QWIDGETSIZE_MAX;
    const int list =
        qMax(int(MinimumListHeight), list_->parentWidget()->minimumSizeHint().height());
    setMinimumHeight(tabs_->heightForWidth(w) + list);
}

void TRelationList::SelectTab(int relation)
{
    auto it = std::find(relations_.begin(), relations_.end(), relation);
    if (it == relations_.end())
        it = std::find(relations_.begin(), relations_.end(), int(rtSynonyms));
    if (it == relations_.end())
        return;
    filling_ = true;
    tabs_->setCurrentIndex(int(it - relations_.begin()));
    filling_ = false;
}

void TRelationList::ShowWords(const QStringList &items, int selected)
{
    list_->clear();
    list_->addItems(items);
    if (selected >= 0 && selected < list_->count())
        list_->setCurrentRow(selected);
    else
        list_->setCurrentRow(-1);
    list_->scrollToTop();
}

void TRelationList::CentreSelection()
{
    const int row = list_->currentRow();
    if (row < 0)
        return;
    const int itemHeight = qMax(1, list_->sizeHintForRow(0));
    const int half = list_->viewport()->height() / itemHeight / 2;
    list_->scrollToItem(list_->item(qMax(0, row - half)), QAbstractItemView::PositionAtTop);
}

void TRelationList::SetLevels(bool visible, bool plus, bool minus)
{
    plus_->setEnabled(plus);
    minus_->setEnabled(minus);
    plusMinus_->setVisible(visible);
    PlaceLevels();
}

void TRelationList::ApplyFontSize(int points)
{
    QFont f = list_->font();
    f.setPointSize(points);
    list_->setFont(f);
}

void TRelationList::PlaceLevels()
{
    plusMinus_->adjustSize();
    plusMinus_->move(list_->viewport()->width() - plusMinus_->width() - 2, 2);
    plusMinus_->raise();
}

void TRelationList::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    FitTabs();
    PlaceLevels();
}

bool TRelationList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == list_ && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        QToolButton *button = key->text() == QLatin1String("+")   ? plus_
                              : key->text() == QLatin1String("-") ? minus_
                                                                  : nullptr;
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && list_->currentRow() >= 0) {
            emit ItemChosen(list_->currentRow());
            return true;
        }
        if (button) {
            if (plusMinus_->isVisible() && button->isEnabled())
                button->click();
            return true;
        }
    }
    if (watched == list_->viewport() && event->type() == QEvent::Resize)
        PlaceLevels();
    return QWidget::eventFilter(watched, event);
}
