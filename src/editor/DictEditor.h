#pragma once

#include "BlockSelection.h"
#include "ParagraphCursor.h"
#include "PersistentBlock.h"

#include <QPlainTextEdit>

#include <functional>
#include <memory>
#include <optional>

class QMenu;
class QTimer;
class TEditorHighlighter;

// The verse editor control. Rows are display lines: with word wrap on, every wrapped part of a
// paragraph is a row of its own. Row lookups go through the document's line map, so none of
// them walks the document.
class TDictEditor : public QPlainTextEdit
{
    Q_OBJECT

public:
    static QString DefaultSeparators();

    explicit TDictEditor(QWidget *parent = nullptr);

    // With word wrap on, rows of paragraphs below the view may still be counted as one each
    // for a while after a resize or a large change (see CountingRows).
    int DisplayLineCount() const;
    QString DisplayLine(int row) const;
    int RowAtCaret() const;

    QString WordSeparators = DefaultSeparators();
    QString WordAtCaret() const;
    TParagraphCursor CaretCursor() const;

    bool Modified() const { return document()->isModified(); }
    void SetModified(bool modified) { document()->setModified(modified); }
    void SetWordWrap(bool wrap);
    bool WordWrap() const { return lineWrapMode() != NoWrap; }
    // Paragraphs below the view are still being laid out while the program is idle.
    bool CountingRows() const;
    void SetOverwrite(bool overwrite);
    // Tab width in columns of the font's space, kept across font changes; 0 until set (the
    // control's own width).
    int TabStops() const { return tabStops_; }
    void SetTabStops(int columns);
    // Tab (with no selection) moves the caret below the next word start of the nearest
    // non-empty line above, filling with spaces; where there is none it inserts a tab.
    bool SmartTabs = false;

    // Block (column) selection: Alt with a left drag, or Alt+Shift with the arrow keys. Any
    // other click or caret move ends it.
    bool HasBlockSelection() const { return block_ && block_->HasWidth(); }
    bool InBlockMode() const { return block_.has_value(); }
    std::optional<TBlockSelection> BlockSelection() const { return block_; }
    QString BlockText() const;
    void SetBlockSelection(TBlockPoint anchor, TBlockPoint head);
    void EndBlockSelection();
    // Persistent blocks: a selection stays when the caret moves away. Typing, Enter and Paste
    // go in at the caret and leave it alone; Cut, Copy and Delete act on it wherever the caret
    // is, Backspace and Delete only with the caret at it. Off unless switched on.
    bool PersistentBlocks() const { return persistentBlocks_; }
    void SetPersistentBlocks(bool on);
    // Something for Cut and Copy: a plain selection, a column block or a kept block.
    bool HasSelection() const;
    // The Edit commands, for a block as for a plain selection (copy() and cut() of the base
    // class see only the plain one).
    void Cut();
    void Copy();
    void Paste();

    // For the gutters, which paint the rows the editor shows.
    QTextBlock FirstVisibleBlock() const { return firstVisibleBlock(); }
    QRectF BlockGeometry(const QTextBlock &block) const;
    int RowHeight() const { return fontMetrics().lineSpacing(); }

    // Live spelling, quoted lines and addresses.
    TEditorHighlighter *Highlighter() const { return highlighter_; }
    // The right-click menu for a point of the viewport: the spelling choices for a misspelled
    // word there, then the usual edit entries.
    std::unique_ptr<QMenu> ContextMenu(const QPoint &viewportPos);
    // What opening the address under a point of the viewport asks for; empty off an address.
    QString LinkUnder(const QPoint &viewportPos) const;
    // Opens a double-clicked address; ShellOpen unless replaced.
    std::function<void(const QString &target)> OpenLink;
    // Shows a failed change of the user dictionary; a message box unless replaced.
    std::function<void(const QString &message)> ReportError;

signals:
    // Every paragraph is laid out again: the row count is true.
    void RowsCounted();
    void Click();
    void DblClick();
    void KeyDown(int key);
    void KeyUp(int key);
    void MouseMove(Qt::MouseButtons buttons);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    QMimeData *createMimeDataFromSelection() const override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    void UpdateCaretWidth();
    void UpdateTabStopDistance();
    bool SmartTab();
    void LayOut(QTextBlock from, const QTextBlock &to);
    void LayOutFrom(int paragraph);
    void LayOutView();
    void LayOutSlice();
    void LayOutChange(int position, int removed, int added);
    void UpdatePointer(const QPoint &viewportPos);
    TBlockPoint BlockPointAt(const QPoint &viewportPos) const;
    bool BlockKeyPress(QKeyEvent *event);
    bool ExtendBlockByKey(QKeyEvent *event);
    bool EditBlock(const std::function<TBlockSelection(QTextDocument &)> &edit);
    void InsertIntoBlock(const QString &text);
    void ShowBlock();
    void PaintCarets();
    void RouteEditEntriesToBlock(QMenu &menu);
    void DeleteBlock();
    bool PersistentKeyPress(QKeyEvent *event);
    void HoldSelection();
    void ResumeHeldBlock();
    void RemoveHeldBlock();
    void DropHeldBlock();
    void ShowHeldBlock();
    QTextCharFormat SelectionFormat(int property) const;

    TEditorHighlighter *highlighter_ = nullptr;
    int laidOutTo_ = 0; // the paragraphs before it are laid out
    QTimer *layoutTimer_ = nullptr;
    bool overLink_ = false;
    int tabStops_ = 0;
    std::optional<TBlockSelection> block_;
    bool blockDrag_ = false;
    bool editingBlock_ = false; // the block's own edits and caret moves keep it
    QMetaObject::Connection blockCaretWatch_;
    QMetaObject::Connection blockSelectionWatch_;
    bool persistentBlocks_ = false;
    TPersistentBlock held_; // a selection the caret has left
    QMetaObject::Connection heldTextWatch_;
    QMetaObject::Connection heldSelectionWatch_;
};

// True for Page Up, Page Down, End, Home and the four arrow keys.
bool IsNavigationKey(int key);
// The column of the first word start after column in a line above (a tab counts as one
// column), or -1 when the line has none there.
int SmartTabColumn(const QString &above, int column);
