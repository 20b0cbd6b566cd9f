#include "ContextBox.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStylePainter>

#include <QStyledItemDelegate>
#include <algorithm>

namespace {

constexpr int KindRole = Qt::UserRole + 1;

// Hands the drawing of the drop-down rows to the box.
class TContextDelegate : public QStyledItemDelegate
{
public:
    explicit TContextDelegate(TContextBox *box) : QStyledItemDelegate(box), box_(box) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        box_->DrawItem(*painter, option.rect, index.row(),
                       option.state.testFlag(QStyle::State_Selected));
    }
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), TContextBox::ItemHeight};
    }

private:
    TContextBox *box_;
};

} // namespace

TContextBox::TContextBox(QWidget *parent, const QString &name) : QComboBox(parent)
{
    setObjectName(name);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    setFont(font);
    setItemDelegate(new TContextDelegate(this));
    // A list popup, not the style's menu that grows to the screen's edge for long lists.
    setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    setMaxVisibleItems(VisibleItems);
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
}

int TContextBox::ContentWidth() const
{
    const QFontMetrics metrics = fontMetrics();
    int widestKind = 0;
    for (int i = 0; i < count(); ++i)
        widestKind = std::max(widestKind, metrics.horizontalAdvance(KindName(i)));
    return KindOffset() + widestKind;
}

QSize TContextBox::sizeHint() const
{
    return WithKinds(QComboBox::sizeHint());
}

// Qt sizes the box for the words alone; the kind column comes on top of the widest word.
QSize TContextBox::WithKinds(QSize size) const
{
    int widestWord = 0;
    for (int i = 0; i < count(); ++i)
        widestWord = std::max(widestWord, fontMetrics().horizontalAdvance(itemText(i)));
    size.rwidth() += std::max(0, ContentWidth() - widestWord);
    return size;
}

void TContextBox::showPopup()
{
    view()->setMinimumWidth(ContentWidth() + 2 * view()->frameWidth() +
                            style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8);
    QComboBox::showPopup();
}

void TContextBox::Clear()
{
    clear();
    longest_.clear();
}

void TContextBox::AddContext(const QString &word, const QString &kind)
{
    if (word.size() > longest_.size())
        longest_ = word;
    addItem(word);
    setItemData(count() - 1, kind, KindRole);
}

QString TContextBox::KindName(int index) const
{
    return itemData(index, KindRole).toString();
}

int TContextBox::KindOffset() const
{
    // The word with the most characters need not be the widest ("burnished" is wider than
    // "brilliantly"), so the column starts after the widest word.
    const QFontMetrics metrics = fontMetrics();
    int widest = metrics.horizontalAdvance(longest_);
    for (int i = 0; i < count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(itemText(i)));
    return widest + KindGap;
}

void TContextBox::DrawItem(QPainter &painter, const QRect &rect, int index, bool selected) const
{
    const QPalette &colours = palette();
    painter.save();
    painter.setClipRect(rect);
    painter.fillRect(rect, colours.brush(selected ? QPalette::Highlight : QPalette::Base));
    painter.setPen(colours.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter.setFont(font());
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    painter.drawText(rect, flags, itemText(index));
    const QString kind = KindName(index);
    if (!kind.isEmpty())
        painter.drawText(rect.adjusted(KindOffset(), 0, 0, 0), flags, kind);
    painter.restore();
}

void TContextBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0)
        return;
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    DrawItem(painter, field, currentIndex(), false);
}
