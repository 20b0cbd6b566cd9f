#include "DictStatusBar.h"

#include "DictionaryList.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QProgressBar>
#include <QStatusTipEvent>

#include <algorithm>

int CountPronunciations(const QString &lookupWord)
{
    const TDictionaryList &dict = TDictionaryList::Instance();
    int count = 0;
    for (int variant = 0; variant <= 4; ++variant) {
        const QString key =
            variant == 0 ? lookupWord : lookupWord + QStringLiteral("(%1)").arg(variant);
        if (!dict.Lookup(TDictionaryList::RhymeSlot, key).isEmpty())
            ++count;
    }
    return count;
}

QString PronunciationText(int count, const QString &lookupWord)
{
    const QString format = count == 1 ? TDictStatusBar::tr("%1 pronunciation for '%2'")
                                      : TDictStatusBar::tr("%1 pronunciations for '%2'");
    return format.arg(count).arg(lookupWord);
}

TDictStatusBar::TDictStatusBar(QWidget *parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(true);
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        label->setFixedWidth(Widths[i]);
        label->setFrameShape(QFrame::StyledPanel);
        label->setFrameShadow(QFrame::Sunken);
        addWidget(label);
        panels_[i] = label;
    }
    // The window hands action hints to its status bar, which would hide every panel for them.
    if (parent)
        parent->installEventFilter(this);
}

void TDictStatusBar::ShowTotals(const QString &totals)
{
    SetText(5, totals, Widths[5]);
}

bool TDictStatusBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::StatusTip) {
        ShowHint(static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    }
    return QStatusBar::eventFilter(watched, event);
}

void TDictStatusBar::ShowHint(const QString &hint)
{
    if (hint.isEmpty()) {
        if (hinting_)
            SetText(0, beforeHint_, Widths[0]);
        hinting_ = false;
        return;
    }
    if (!hinting_)
        beforeHint_ = Panel(0)->text();
    hinting_ = true;
    SetText(0, hint, Widths[0]);
}

void TDictStatusBar::SetText(int index, const QString &text, int minimumWidth)
{
    QLabel *label = Panel(index);
    // A long word or hint is elided, so the panels after it stay in the window.
    const QString shown =
        label->fontMetrics().elidedText(text, Qt::ElideMiddle, MaxPanelWidth - Padding);
    label->setText(shown);
    label->setToolTip(shown == text ? QString() : text);
    const int needed = label->fontMetrics().horizontalAdvance(shown) + Padding;
    label->setFixedWidth(std::max(minimumWidth, needed));
}

void TDictStatusBar::UpdateStatusBar(const QString &word, const QString &lookupWord,
                                     const TEditorStatus &editor)
{
    setUpdatesEnabled(false);
    const QString modified = editor.visible && editor.modified ? tr("modified") : QString();
    if (hinting_)
        beforeHint_ = modified;
    else
        SetText(0, modified, Widths[0]);
    SetText(1, editor.visible ? tr("Line: %1").arg(editor.line) : QString(), Widths[1]);
    SetText(2, editor.visible ? tr("Col: %1").arg(editor.column) : QString(), Widths[2]);
    SetText(3,
            word.isEmpty() ? QString()
                           : PronunciationText(CountPronunciations(lookupWord), lookupWord),
            Widths[3]);
    setUpdatesEnabled(true);
}

void TDictStatusBar::StartStatus()
{
    delete progress_;
    progress_ = new QProgressBar(Panel(4));
    progress_->setObjectName(QStringLiteral("StatusProgress"));
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    progress_->setGeometry(0, 1, Panel(4)->width(), std::max(4, Panel(4)->height() - 2));
    progress_->show();
}

void TDictStatusBar::UpdateStatus()
{
    if (!progress_)
        return;
    constexpr int Step = 10;
    progress_->setValue(progress_->value() >= progress_->maximum() ? 0 : progress_->value() + Step);
}

void TDictStatusBar::EndStatus()
{
    if (!progress_)
        return;
    progress_->setValue(progress_->maximum());
    delete progress_;
    progress_ = nullptr;
}
