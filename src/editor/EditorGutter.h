#pragma once

#include <QWidget>

#include <functional>

class TDictEditor;

// A mark on one row of a gutter: characters of the row text drawn as a fault (bold,
// in the mark colour) or, when neutral, in a muted colour; and the tool tip shown over the row.
struct TGutterNote
{
    int length = 0;
    QString toolTip;
    int start = 0;
    bool neutral = false;
};

// One gutter column beside the editor: a text per display row, drawn only for the rows on
// screen. Without a row-text callback it shows the row numbers.
class TEditorGutter : public QWidget
{
    Q_OBJECT

public:
    TEditorGutter(TDictEditor *editor, QWidget *parent, const QColor &color);

    std::function<QString(int row)> RowText;
    // Optional; asked only for rows with text.
    std::function<TGutterNote(int row)> RowNote;
    bool DrawBelowEnd = false;
    // Widens to the widest text of the rows on screen; never narrows, so scrolling does not
    // move the text beside it.
    bool FitWidth = false;
    // Row texts start at the left edge (so that marks line up) instead of ending at the right.
    bool AlignLeft = false;

    void SetGutterWidth(int width);
    TDictEditor *Editor() const { return editor_; }

signals:
    void WidthChanged();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Calls visit(row, top, height) for the rows that reach into [top, bottom], in order.
    void ForEachRow(int top, int bottom,
                    const std::function<void(int row, int top, int height)> &visit) const;
    QString TextOf(int row) const;
    int ViewportOffset() const;
    void PaintRow(QPainter &painter, int row, int top, int height);
    void FitToRowsOnScreen();
    QColor MarkColor(bool neutral) const;

    TDictEditor *editor_;
};
