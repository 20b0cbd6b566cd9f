#pragma once

#include <QWidget>

#include <functional>

class TDictEditor;

// A warning on one row of a gutter: the row text's first characters drawn in red, and the tool
// tip shown over the row.
struct TGutterNote
{
    int length = 0;
    QString toolTip;
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
    // Keeps the width to the widest text of the rows on screen.
    bool FitWidth = false;

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

    TDictEditor *editor_;
};
