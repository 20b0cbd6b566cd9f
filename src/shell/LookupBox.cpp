#include "LookupBox.h"

#include "DictionaryList.h"

#include <QCompleter>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {
class TUpdatingGuard
{
public:
    explicit TUpdatingGuard(bool &flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~TUpdatingGuard() { flag_ = old_; }

private:
    bool &flag_;
    bool old_;
};
} // namespace

TLookupBox::TLookupBox(QWidget *parent) : QComboBox(parent)
{
    setObjectName(QStringLiteral("cmbLookup"));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(8);
    setFixedWidth(145);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);
    completer()->setCompletionMode(QCompleter::InlineCompletion);
    completer()->setCaseSensitivity(Qt::CaseInsensitive);
    connect(this, &QComboBox::editTextChanged, this, [this] {
        if (!updatingLookup_)
            LookUp();
    });
    connect(lineEdit(), &QLineEdit::returnPressed, this, &TLookupBox::LookUp);
    lineEdit()->installEventFilter(this);
}

void TLookupBox::LookUp()
{
    TDictionaryList &dict = TDictionaryList::Instance();
    dict.RequestDelay(true);
    dict.SetWord(currentText());
}

void TLookupBox::SetTextQuietly(const QString &text)
{
    TUpdatingGuard guard(updatingLookup_);
    setEditText(text);
}

QStringList TLookupBox::History() const
{
    QStringList items;
    for (int i = 0; i < count(); ++i)
        items << itemText(i);
    return items;
}

void TLookupBox::AddToHistory(int limit)
{
    const QString text = currentText();
    if (text.trimmed().isEmpty() ||
        findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive) >= 0)
        return;
    TUpdatingGuard guard(updatingLookup_);
    const int cursor = lineEdit()->cursorPosition();
    if (count() > limit)
        removeItem(0);
    addItem(text);
    // Adding and removing items may move the current index; the box keeps showing what was typed.
    setEditText(text);
    lineEdit()->setCursorPosition(cursor);
}

bool TLookupBox::LeaveToWindow(QEvent *event) const
{
    if (event->type() != QEvent::ShortcutOverride || !ClipboardShortcutsToWindow ||
        !ClipboardShortcutsToWindow())
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    return key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Copy) ||
           key->matches(QKeySequence::Paste);
}

bool TLookupBox::event(QEvent *event)
{
    if (LeaveToWindow(event)) {
        event->ignore();
        return true;
    }
    return QComboBox::event(event);
}

void TLookupBox::focusInEvent(QFocusEvent *event)
{
    QComboBox::focusInEvent(event);
    // Focus coming back (from a menu, the menu bar's keyboard mode, another window) must not look
    // the same word up again: that would throw away a pronunciation chosen meanwhile.
    const QString shown = TDictionaryList::LookupWordOf(TDictionaryList::Normalize(currentText()));
    if (!updatingLookup_ && shown != TDictionaryList::Instance().GetLookupWord())
        LookUp();
}

bool TLookupBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lineEdit() && LeaveToWindow(event)) {
        event->ignore();
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}
