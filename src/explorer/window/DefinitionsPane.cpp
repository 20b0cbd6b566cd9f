#include "DefinitionsPane.h"

#include "DefinitionText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QWheelEvent>

namespace {

const QColor UsageColour(0, 0, 255);
const QColor PronunciationColour(128, 0, 0);

// A label that reports clicks.
class TClickLabel : public QLabel
{
public:
    TClickLabel(const QString &text, std::function<void()> onClick, QWidget *parent)
        : QLabel(text, parent), onClick_(std::move(onClick))
    {
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        QLabel::mousePressEvent(event);
        if (event->button() == Qt::LeftButton)
            onClick_();
    }

private:
    std::function<void()> onClick_;
};

void SetTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

} // namespace

TDefinitionsPane::TDefinitionsPane(QWidget *parent) : QScrollArea(parent)
{
    setObjectName(QStringLiteral("Defs"));
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setBackgroundRole(QPalette::Base);
    setMinimumHeight(40);
    setFocusPolicy(Qt::NoFocus); // Tab goes to the first text instead (FirstText)
    Clear();
}

QColor TDefinitionsPane::SelectionColour(const QPalette &palette)
{
    const QColor window = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    const QColor highlight = palette.color(QPalette::Highlight);
    const QColor highlightText = palette.color(QPalette::HighlightedText);
    if (highlight == window)
        return highlightText != window ? highlightText : text;
    if (highlight == text)
        return highlightText != window ? highlightText : QColor(Qt::yellow);
    return highlight;
}

void TDefinitionsPane::Clear()
{
    senses_.clear();
    texts_.clear();
    firstHeading_.clear();
    selected_ = -1;
    content_ = new QWidget;
    content_->setBackgroundRole(QPalette::Base);
    content_->setAutoFillBackground(true);
    grid_ = new QGridLayout(content_);
    grid_->setContentsMargins(3, 3, 3, 3);
    grid_->setHorizontalSpacing(3);
    grid_->setVerticalSpacing(2);
    grid_->setColumnMinimumWidth(0, NumberWidth());
    grid_->setColumnStretch(1, 1);
    // The old content goes later: a lookup may start from one of its own texts or labels.
    if (QWidget *old = takeWidget())
        old->deleteLater();
    setWidget(content_);
}

int TDefinitionsPane::NumberWidth() const
{
    return fontMetrics().horizontalAdvance(QStringLiteral("99.")) + 1;
}

void TDefinitionsPane::ShowNotFound(const QString &word)
{
    Clear();
    auto *label = new QLabel(tr("Word not found: ") + word, content_);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    grid_->addWidget(label, 0, 0, 1, 2);
    grid_->setRowStretch(1, 1);
}

void TDefinitionsPane::Show(const std::vector<TSenseDisplay> &senses)
{
    Clear();
    int row = 0;
    for (const TSenseDisplay &sense : senses) {
        if (sense.StartsHeading) {
            QWidget *heading = AddHeading(sense, row);
            firstHeading_.emplace(sense.PartOfSpeech, heading);
            row += sense.Usage.isEmpty() ? 1 : 2;
        }
        AddSense(sense, row++);
    }
    grid_->setRowStretch(row, 1);
}

QWidget *TDefinitionsPane::AddHeading(const TSenseDisplay &sense, int row)
{
    auto *line = new QWidget(content_);
    auto *layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 3, 0, 0);
    auto *heading = new QLabel(sense.Heading, line);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setWordWrap(true);
    layout->addWidget(heading, 1);
    if (!sense.Pronunciation.isEmpty()) {
        auto *pron = new QLabel(sense.Pronunciation, line);
        QFont times(QStringLiteral("Times New Roman"));
        times.setPointSizeF(heading->font().pointSizeF());
        pron->setFont(times);
        SetTextColour(pron, PronunciationColour);
        pron->setToolTip(sense.PronunciationHint);
        layout->addWidget(pron, 0, Qt::AlignRight | Qt::AlignTop);
    }
    grid_->addWidget(line, row, 0, 1, 2);
    if (!sense.Usage.isEmpty()) {
        const QString variant = sense.Variant;
        QLabel *usage =
            variant.isEmpty()
                ? new QLabel(sense.Usage, content_)
                : new TClickLabel(
                      sense.Usage, [this, variant] { emit LookupRequested(variant); }, content_);
        SetTextColour(usage, UsageColour);
        grid_->addWidget(usage, row + 1, 1);
    }
    return line;
}

void TDefinitionsPane::AddSense(const TSenseDisplay &sense, int row)
{
    const int index = sense.SenseIndex;
    auto *number = new TClickLabel(
        QStringLiteral("%1.").arg(sense.Number), [this, index] { emit SenseClicked(index); },
        content_);
    number->setAlignment(Qt::AlignRight | Qt::AlignTop);
    number->setToolTip(sense.NumberHint);
    auto *text = new TDefinitionText(sense.Definition, sense.Examples, content_);
    grid_->addWidget(number, row, 0, Qt::AlignRight | Qt::AlignTop);
    grid_->addWidget(text, row, 1);
    senses_[index] = {number, text};
    texts_.push_back(text);
    ConnectText(text, index);
}

void TDefinitionsPane::ConnectText(TDefinitionText *text, int senseIndex)
{
    connect(text, &TDefinitionText::NumberClicked, this,
            [this, senseIndex] { emit SenseClicked(senseIndex); });
    connect(text, &TDefinitionText::LookupRequested, this, &TDefinitionsPane::LookupRequested);
    connect(text, &TDefinitionText::TabOut, this, &TDefinitionsPane::TabOut);
    connect(text, &TDefinitionText::LeaveText, this,
            [this, text](int step) { MoveFocus(text, step); });
    connect(text, &TDefinitionText::PageStep, this, [this](int step) {
        QScrollBar *bar = verticalScrollBar();
        bar->setValue(bar->value() + step * bar->pageStep());
    });
}

void TDefinitionsPane::MoveFocus(TDefinitionText *from, int step)
{
    const auto it = std::find(texts_.begin(), texts_.end(), from);
    if (it == texts_.end())
        return;
    const std::ptrdiff_t at = (it - texts_.begin()) + step;
    if (at < 0 || at >= std::ptrdiff_t(texts_.size()))
        return;
    TDefinitionText *to = texts_[std::size_t(at)];
    to->setFocus(Qt::OtherFocusReason);
    QTextCursor cursor = to->textCursor();
    cursor.movePosition(step < 0 ? QTextCursor::End : QTextCursor::Start);
    to->setTextCursor(cursor);
    ensureWidgetVisible(to, 0, 0);
}

void TDefinitionsPane::SetSelectedSense(int senseIndex)
{
    if (const auto old = senses_.find(selected_); old != senses_.end()) {
        old->second.number->setPalette(QPalette());
        old->second.text->SetHighlight(QColor());
    }
    selected_ = senseIndex;
    if (const auto now = senses_.find(selected_); now != senses_.end()) {
        const QColor colour = SelectionColour(palette());
        SetTextColour(now->second.number, colour);
        now->second.text->SetHighlight(colour);
    }
}

void TDefinitionsPane::ScrollToPartOfSpeech(int pos)
{
    if (const auto it = firstHeading_.find(pos); it != firstHeading_.end())
        verticalScrollBar()->setValue(it->second->y());
}

void TDefinitionsPane::ApplyFontSize(int points)
{
    QFont f = font();
    f.setPointSize(points);
    setFont(f);
}

bool TDefinitionsPane::FocusedSelection(QString &text) const
{
    for (TDefinitionText *t : texts_)
        if (t->hasFocus()) {
            text = t->SelectedText();
            return true;
        }
    return false;
}

TDefinitionText *TDefinitionsPane::FirstText() const
{
    return texts_.empty() ? nullptr : texts_.front();
}

void TDefinitionsPane::FocusFirstText()
{
    if (!texts_.empty())
        texts_.front()->setFocus(Qt::OtherFocusReason);
}

// Two lines a notch, whichever child the pointer is over.
void TDefinitionsPane::wheelEvent(QWheelEvent *event)
{
    const int notches = event->angleDelta().y() / 120;
    QScrollBar *bar = verticalScrollBar();
    bar->setValue(bar->value() - notches * 2 * fontMetrics().lineSpacing());
    event->accept();
}
