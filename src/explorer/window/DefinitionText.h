#pragma once

#include <QTextEdit>

// One sense's definition and examples: read-only, borderless, as tall as its wrapped text. The
// keys that leave it (Up on the first line, Down on the last, Page Up/Down, Tab) go to the pane.
class TDefinitionText : public QTextEdit
{
    Q_OBJECT

public:
    TDefinitionText(const QString &definition, const QString &examples, QWidget *parent);

    void SetHighlight(const QColor &colour); // invalid: the normal text colour
    // The selection with plain line feeds between its lines.
    QString SelectedText() const;
    // The selection trimmed of spaces, quotes, brackets and punctuation.
    QString TrimmedSelection() const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    // A scroll area's minimum would keep the pane scrollable when it has room.
    QSize minimumSizeHint() const override { return {40, fontMetrics().lineSpacing()}; }

signals:
    void NumberClicked();     // Enter
    void LeaveText(int step); // -1 previous text, +1 next
    void PageStep(int step);  // -1 Page Up, +1 Page Down
    void TabOut(bool backwards);
    void LookupRequested(const QString &word);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void Fill(const QColor &colour);
    void LookupSelection();

    QString definition_, examples_;
};
