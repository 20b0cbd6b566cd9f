#include "DictStatusBar.h"

#include "DictionaryList.h"

#include <QFontMetrics>
#include <QLabel>
#include <QProgressBar>

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
}

void TDictStatusBar::SetText(int index, const QString &text, int minimumWidth)
{
    QLabel *label = Panel(index);
    label->setText(text);
    const int needed = label->fontMetrics().horizontalAdvance(text) + 12;
    label->setFixedWidth(std::max(minimumWidth, needed));
}

void TDictStatusBar::UpdateStatusBar(const QString &word, const QString &lookupWord,
                                     const TEditorStatus &editor)
{
    setUpdatesEnabled(false);
    SetText(0, editor.visible && editor.modified ? tr("modified") : QString(), Widths[0]);
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
