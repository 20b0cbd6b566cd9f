#pragma once

#include <QWidget>

#include <functional>

class TDictEditor;

// One gutter column beside the editor: a text per display row, drawn only for the rows on
// screen. Without a row-text callback it shows the row numbers.
class TEditorGutter : public QWidget
{
    Q_OBJECT

public:
    TEditorGutter(TDictEditor *editor, QWidget *parent, const QColor &color);

    std::function<QString(int row)> RowText;
    bool DrawBelowEnd = false;

    void SetGutterWidth(int width);
    TDictEditor *Editor() const { return editor_; }

signals:
    void WidthChanged();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString TextOf(int row) const;
    int ViewportOffset() const;
    void PaintRow(QPainter &painter, int row, int top, int height);

    TDictEditor *editor_;
};
