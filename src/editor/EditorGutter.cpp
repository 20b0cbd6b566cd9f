#include "EditorGutter.h"

#include "DictEditor.h"

#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTextLayout>
#include <QTimer>
#include <QToolTip>

#include <algorithm>

namespace {

bool IsDark(const QColor &color)
{
    return color.lightness() < 128;
}

// An ink that stays readable on the gutter's background, in a light or a dark theme.
QColor ReadableOn(const QColor &ink, const QColor &background)
{
    return IsDark(background) && IsDark(ink) ? ink.lighter(250) : ink;
}

} // namespace

TEditorGutter::TEditorGutter(TDictEditor *editor, QWidget *parent, const QColor &color)
    : QWidget(parent), editor_(editor)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, ReadableOn(color, palette.color(QPalette::Window)));
    setPalette(palette);
    setAutoFillBackground(true);
    // The editor's repaints and scrolls move the rows; follow them.
    connect(editor, &QPlainTextEdit::updateRequest, this, [this] { update(); });
}

void TEditorGutter::SetGutterWidth(int width)
{
    if (width == this->width())
        return;
    resize(width, height());
    emit WidthChanged();
}

QString TEditorGutter::TextOf(int row) const
{
    return RowText ? RowText(row) : QString::number(row + 1);
}

int TEditorGutter::ViewportOffset() const
{
    return editor_->viewport()->mapToGlobal(QPoint()).y() - mapToGlobal(QPoint()).y();
}

QColor TEditorGutter::MarkColor(bool neutral) const
{
    if (neutral)
        return palette().color(QPalette::PlaceholderText);
    return IsDark(palette().color(QPalette::Window)) ? QColor(0xFF, 0x70, 0x70)
                                                     : QColor(0xD0, 0x10, 0x10);
}

void TEditorGutter::PaintRow(QPainter &painter, int row, int top, int height)
{
    const QString text = TextOf(row);
    if (text.isEmpty())
        return;
    const QRect box(AlignLeft ? 2 : 0, top, width() - 2, height);
    const TGutterNote note = RowNote ? RowNote(row) : TGutterNote();
    const int start = std::clamp(note.start, 0, int(text.size()));
    const int marked = std::clamp(note.length, 0, int(text.size()) - start);
    if (marked == 0) {
        painter.drawText(box, (AlignLeft ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop, text);
        return;
    }
    // Drawn piece by piece from the left edge of the whole text; the marked piece stands out by
    // weight as well as colour.
    const QFontMetrics metrics = fontMetrics();
    QFont markFont = font();
    if (!note.neutral) {
        markFont.setBold(true);
    }
    const QString pieces[] = {text.left(start), text.mid(start, marked), text.mid(start + marked)};
    const int markWidth = QFontMetrics(markFont).horizontalAdvance(pieces[1]);
    const int total =
        metrics.horizontalAdvance(pieces[0]) + markWidth + metrics.horizontalAdvance(pieces[2]);
    int left = AlignLeft ? box.left() : box.right() + 1 - total;
    const QPen pen = painter.pen();
    // The bold text stays inside its own row.
    painter.save();
    painter.setClipRect(QRect(0, top, width(), height));
    for (int i = 0; i < 3; ++i) {
        const bool mark = i == 1;
        painter.setFont(mark ? markFont : font());
        painter.setPen(mark ? QPen(MarkColor(note.neutral)) : pen);
        painter.drawText(QRect(left, top, width() - left, height), Qt::AlignLeft | Qt::AlignTop,
                         pieces[i]);
        left += mark ? markWidth : metrics.horizontalAdvance(pieces[i]);
    }
    painter.restore();
}

// Only the rows inside the given band are visited: a wrapped paragraph may hold far more rows
// than the view.
void TEditorGutter::ForEachRow(int top, int bottom,
                               const std::function<void(int row, int top, int height)> &visit) const
{
    const int offset = ViewportOffset();
    int nextTop = offset;
    int nextRow = 0;
    for (QTextBlock block = editor_->FirstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF geometry = editor_->BlockGeometry(block);
        if (offset + geometry.top() > bottom)
            return;
        const QTextLayout *layout = block.layout();
        const int lines = layout ? layout->lineCount() : 0;
        const int first = block.firstLineNumber();
        for (int i = 0; i < std::max(1, lines); ++i) {
            const QRectF line =
                lines > 0 ? layout->lineAt(i).rect() : QRectF(0, 0, 0, editor_->RowHeight());
            const int rowTop = offset + int(geometry.top() + line.top());
            if (rowTop > bottom)
                return;
            if (rowTop + int(line.height()) >= top)
                visit(first + i, rowTop, int(line.height()));
            nextTop = rowTop + int(line.height());
            nextRow = first + i + 1;
        }
    }
    // Past the document's end: rows of the editor's line height, so a pattern shows whole.
    for (; DrawBelowEnd && nextTop <= bottom; nextTop += editor_->RowHeight(), ++nextRow)
        visit(nextRow, nextTop, editor_->RowHeight());
}

void TEditorGutter::paintEvent(QPaintEvent *event)
{
    if (FitWidth)
        FitToRowsOnScreen();
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    ForEachRow(event->rect().top(), event->rect().bottom(),
               [&](int row, int top, int height) { PaintRow(painter, row, top, height); });
}

// The new width takes effect after this paint: resizing inside a paint is not allowed.
void TEditorGutter::FitToRowsOnScreen()
{
    int widest = 0;
    const QFontMetrics metrics = fontMetrics();
    ForEachRow(0, height(), [&](int row, int, int) {
        widest = std::max(widest, metrics.horizontalAdvance(TextOf(row)));
    });
    const int fitted = std::max(20, widest + 6);
    if (fitted > width())
        QTimer::singleShot(0, this, [this, fitted] { SetGutterWidth(fitted); });
}

bool TEditorGutter::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto *help = static_cast<QHelpEvent *>(event);
    QString tip;
    if (RowNote)
        ForEachRow(help->pos().y(), help->pos().y(), [&](int row, int top, int height) {
            if (help->pos().y() >= top && help->pos().y() < top + height && !TextOf(row).isEmpty())
                tip = RowNote(row).toolTip;
        });
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), tip, this);
    return true;
}
