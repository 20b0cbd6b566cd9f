#include "HistoryBox.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>

THistoryBox::THistoryBox(QWidget *parent) : QComboBox(parent)
{
    setObjectName(QStringLiteral("KeyWord"));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    setMaxVisibleItems(12);
    lineEdit()->setMaxLength(MaxLength);
    view()->installEventFilter(this);
}

QString THistoryBox::Text() const
{
    return lineEdit()->text();
}

void THistoryBox::SetText(const QString &text)
{
    lineEdit()->setText(text);
}

void THistoryBox::Record(const QString &word, bool navigating)
{
    const QString text = Text(); // changing the items must not change the box's text
    const int existing = findText(word, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (navigating && existing >= 0) {
        position_ = existing;
    } else {
        if (existing >= 0)
            removeItem(existing);
        addItem(word);
        position_ = count() - 1;
    }
    setCurrentIndex(-1);
    SetText(text);
}

QString THistoryBox::PreviousEntry(const QString &currentWord) const
{
    if (position_ < 0 || position_ >= count())
        return {};
    if (itemText(position_) != currentWord)
        return itemText(position_);
    return position_ > 0 ? itemText(position_ - 1) : QString();
}

bool THistoryBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == view() && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        const int row = view()->currentIndex().row();
        if (row >= 0) {
            const QString text = Text();
            removeItem(row);
            // Deleting the current entry leaves the position on the one before it, so Previous
            // never steps forward.
            if (position_ >= row)
                --position_;
            SetText(text);
            if (count() == 0) {
                hidePopup();
            } else {
                showPopup(); // fits the list to the entries left
                view()->setCurrentIndex(model()->index(qMin(row, count() - 1), 0));
            }
            emit EntryDeleted();
        }
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}
