#include "EditorGutter.h"

#include "DictEditor.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTextLayout>

TEditorGutter::TEditorGutter(TDictEditor *editor, QWidget *parent, const QColor &color)
    : QWidget(parent), editor_(editor)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(11);
    setFont(font);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, color);
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

void TEditorGutter::PaintRow(QPainter &painter, int row, int top, int height)
{
    const QString text = TextOf(row);
    if (!text.isEmpty())
        painter.drawText(QRect(0, top, width() - 2, height), Qt::AlignRight | Qt::AlignTop, text);
}

// Only the rows inside the area to paint are drawn: a wrapped paragraph may hold far more
// rows than the view.
void TEditorGutter::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const int offset = ViewportOffset();
    const int top = event->rect().top();
    const int bottom = event->rect().bottom();
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
                PaintRow(painter, first + i, rowTop, int(line.height()));
            nextTop = rowTop + int(line.height());
            nextRow = first + i + 1;
        }
    }
    // Past the document's end: rows of the editor's line height, so a pattern shows whole.
    for (; DrawBelowEnd && nextTop <= bottom; nextTop += editor_->RowHeight(), ++nextRow)
        PaintRow(painter, nextRow, nextTop, editor_->RowHeight());
}
