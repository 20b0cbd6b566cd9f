#include "DictEditor.h"

#include "AppFolders.h"
#include "EditorHighlighter.h"
#include "EditorZoom.h"
#include "SpellMenu.h"
#include "TextLinks.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextDocumentLayout>
#include <QScrollBar>
#include <QTextLayout>
#include <QTimer>

#include <algorithm>

namespace {

// Qt takes the characters removed and added together as the stretch an edit changed, so a
// change of one line's highlighting (reported as the whole line removed and added again)
// reaches into the next lines and costs a layout of the whole view. In the text as it now is,
// the change spans only what was added.
class TPlainLayout : public QPlainTextDocumentLayout
{
public:
    using QPlainTextDocumentLayout::QPlainTextDocumentLayout;

protected:
    void documentChanged(int from, int, int charsAdded) override
    {
        QPlainTextDocumentLayout::documentChanged(from, 0, charsAdded);
    }
};

// Mark the extra selections that show a column block or a kept block, so that any others are
// kept.
constexpr int BlockPieceProperty = QTextFormat::UserProperty + 0x1b;
constexpr int HeldBlockProperty = QTextFormat::UserProperty + 0x1c;

bool IsBlockPiece(const QTextEdit::ExtraSelection &selection)
{
    return selection.format.hasProperty(BlockPieceProperty);
}

bool IsHeldBlock(const QTextEdit::ExtraSelection &selection)
{
    return selection.format.hasProperty(HeldBlockProperty);
}

// Pasted or typed text as lines, without the empty one after a final line break.
QStringList TextLines(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

QString TDictEditor::DefaultSeparators()
{
    return QStringLiteral("\t\n\r $%&,./:;<=>");
}

bool IsNavigationKey(int key)
{
    switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        return true;
    default:
        return false;
    }
}

TDictEditor::TDictEditor(QWidget *parent) : QPlainTextEdit(parent)
{
    // First, since setting the font lays the text out anew.
    layoutTimer_ = new QTimer(this);
    layoutTimer_->setSingleShot(true);
    connect(layoutTimer_, &QTimer::timeout, this, &TDictEditor::LayOutSlice);
    auto *text = new QTextDocument(this);
    text->setDocumentLayout(new TPlainLayout(text));
    setDocument(text);
    setObjectName(QStringLiteral("plMain"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    setFont(font);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setMouseTracking(true); // the hand over an address
    SetWordWrap(false);
    connect(document(), &QTextDocument::contentsChange, this, &TDictEditor::LayOutChange);
    // Scrolled down past what is laid out yet: the rows shown need their true numbers now.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (CountingRows())
            LayOutView();
    });
    highlighter_ = new TEditorHighlighter(document());
    OpenLink = ShellOpen;
    ReportError = [this](const QString &message) {
        QMessageBox::warning(this, QString(), message);
    };
}

int TDictEditor::DisplayLineCount() const
{
    return std::max(1, document()->lineCount());
}

QString TDictEditor::DisplayLine(int row) const
{
    if (row < 0 || row >= DisplayLineCount())
        return QString();
    const QTextBlock block = document()->findBlockByLineNumber(row);
    if (!block.isValid())
        return QString();
    const QTextLayout *layout = block.layout();
    const int index = row - block.firstLineNumber();
    if (!layout || layout->lineCount() == 0 || index >= layout->lineCount())
        return index == 0 ? block.text() : QString();
    const QTextLine line = layout->lineAt(index);
    return block.text().mid(line.textStart(), line.textLength());
}

int TDictEditor::RowAtCaret() const
{
    const QTextCursor cursor = textCursor();
    const QTextBlock block = cursor.block();
    const QTextLayout *layout = block.layout();
    const QTextLine line =
        layout ? layout->lineForTextPosition(cursor.positionInBlock()) : QTextLine();
    return block.firstLineNumber() + (line.isValid() ? line.lineNumber() : 0);
}

QString TDictEditor::WordAtCaret() const
{
    const QTextCursor cursor = textCursor();
    return WordAt(cursor.block().text(), cursor.positionInBlock(), WordSeparators);
}

TParagraphCursor TDictEditor::CaretCursor() const
{
    const QTextCursor cursor = textCursor();
    return TParagraphCursor(cursor.block(), cursor.positionInBlock());
}

void TDictEditor::SetWordWrap(bool wrap)
{
    setLineWrapMode(wrap ? WidgetWidth : NoWrap);
    LayOutFrom(0);
}

bool TDictEditor::CountingRows() const
{
    return WordWrap() && laidOutTo_ < document()->blockCount();
}

// The control lays out only the paragraphs it shows, and counts every other one as a single
// row; the gutters need true row numbers. With word wrap on, a change of width lays out at
// once every paragraph down to the bottom of the view (the rows shown are then numbered
// right), and the ones below a slice at a time while the program is idle. An edit lays out
// the paragraphs it changed; a large one (a new document) starts over like a resize.
void TDictEditor::LayOut(QTextBlock from, const QTextBlock &to)
{
    QAbstractTextDocumentLayout *layout = document()->documentLayout();
    for (; from.isValid(); from = from.next()) {
        if (from.layout() && from.layout()->lineCount() == 0)
            layout->blockBoundingRect(from);
        if (from == to)
            break;
    }
}

void TDictEditor::LayOutFrom(int paragraph)
{
    laidOutTo_ = std::min(laidOutTo_, paragraph);
    if (!WordWrap()) {
        layoutTimer_->stop();
        return;
    }
    LayOutView();
    if (CountingRows())
        layoutTimer_->start(0);
}

void TDictEditor::LayOutView()
{
    QAbstractTextDocumentLayout *layout = document()->documentLayout();
    const int first = firstVisibleBlock().blockNumber();
    QTextBlock block = document()->findBlockByNumber(std::min(laidOutTo_, first));
    qreal bottom = contentOffset().y();
    for (; block.isValid() && bottom < viewport()->height(); block = block.next()) {
        const qreal height = layout->blockBoundingRect(block).height();
        if (block.blockNumber() >= first)
            bottom += height;
    }
    laidOutTo_ = std::max(laidOutTo_, block.isValid() ? block.blockNumber() : blockCount());
}

void TDictEditor::LayOutSlice()
{
    // A slice short enough that typing goes on meanwhile.
    constexpr int SliceParagraphs = 1000;
    if (!CountingRows())
        return;
    QTextBlock block = document()->findBlockByNumber(laidOutTo_);
    const QTextBlock last = document()->findBlockByNumber(laidOutTo_ + SliceParagraphs - 1);
    LayOut(block, last);
    laidOutTo_ = last.isValid() ? last.blockNumber() + 1 : blockCount();
    if (CountingRows())
        layoutTimer_->start(0);
    else
        emit RowsCounted();
}

void TDictEditor::LayOutChange(int position, int, int added)
{
    constexpr int LargeChange = 100; // paragraphs
    if (!WordWrap())
        return;
    const QTextBlock first = document()->findBlock(position);
    QTextBlock last = document()->findBlock(position + added);
    if (!last.isValid())
        last = document()->lastBlock();
    if (last.blockNumber() - first.blockNumber() < LargeChange)
        LayOut(first, last);
    else
        LayOutFrom(first.blockNumber());
}

void TDictEditor::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    if (event->size().width() != event->oldSize().width())
        LayOutFrom(0);
    else if (CountingRows())
        LayOutView(); // a taller view shows rows not laid out yet
}

void TDictEditor::SetOverwrite(bool overwrite)
{
    setOverwriteMode(overwrite);
    UpdateCaretWidth();
}

void TDictEditor::UpdateCaretWidth()
{
    setCursorWidth(overwriteMode() ? fontMetrics().horizontalAdvance(QLatin1Char('W')) : 1);
}

QRectF TDictEditor::BlockGeometry(const QTextBlock &block) const
{
    return blockBoundingGeometry(block).translated(contentOffset());
}

void TDictEditor::wheelEvent(QWheelEvent *event)
{
    if (const int steps = EditorZoom::WheelSteps(*event)) {
        EditorZoom::Zoom(steps);
        event->accept();
        return;
    }
    QPlainTextEdit::wheelEvent(event);
}

void TDictEditor::keyPressEvent(QKeyEvent *event)
{
    // Taken before the key moves the caret, as a key-down handler sees it.
    emit KeyDown(event->key());
    if (int steps = 0; EditorZoom::KeySteps(*event, steps)) {
        EditorZoom::Zoom(steps);
        return;
    }
    if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier) {
        SetOverwrite(!overwriteMode());
        return;
    }
    if (ExtendBlockByKey(event) || (block_ && BlockKeyPress(event)))
        return;
    if (persistentBlocks_ && PersistentKeyPress(event))
        return;
    if (SmartTabs && event->key() == Qt::Key_Tab && event->modifiers() == Qt::NoModifier &&
        !isReadOnly() && SmartTab())
        return;
    QPlainTextEdit::keyPressEvent(event);
}

void TDictEditor::mousePressEvent(QMouseEvent *event)
{
    const bool left = event->button() == Qt::LeftButton;
    if (left && event->modifiers() & Qt::AltModifier) {
        const TBlockPoint at = BlockPointAt(event->position().toPoint());
        const bool extend = block_ && event->modifiers() & Qt::ShiftModifier;
        SetBlockSelection(extend ? block_->Anchor() : at, at);
        blockDrag_ = true;
        setFocus(Qt::MouseFocusReason);
        return;
    }
    if (left)
        EndBlockSelection();
    if (left && persistentBlocks_) {
        if (event->modifiers() & Qt::ShiftModifier)
            ResumeHeldBlock();
        else
            HoldSelection(); // a drag from here selects a new block
    }
    QPlainTextEdit::mousePressEvent(event);
}

void TDictEditor::keyReleaseEvent(QKeyEvent *event)
{
    QPlainTextEdit::keyReleaseEvent(event);
    if (!event->isAutoRepeat())
        emit KeyUp(event->key());
}

void TDictEditor::mouseReleaseEvent(QMouseEvent *event)
{
    if (blockDrag_ && event->button() == Qt::LeftButton)
        blockDrag_ = false; // the base class saw no press, so it has nothing to finish
    else
        QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        emit Click();
}

void TDictEditor::mouseDoubleClickEvent(QMouseEvent *event)
{
    const QString link =
        event->button() == Qt::LeftButton ? LinkUnder(event->position().toPoint()) : QString();
    QPlainTextEdit::mouseDoubleClickEvent(event);
    emit DblClick();
    if (!link.isEmpty() && OpenLink)
        OpenLink(link);
}

void TDictEditor::mouseMoveEvent(QMouseEvent *event)
{
    if (blockDrag_ && block_ && event->buttons() & Qt::LeftButton) {
        SetBlockSelection(block_->Anchor(), BlockPointAt(event->position().toPoint()));
        ensureCursorVisible();
    } else {
        QPlainTextEdit::mouseMoveEvent(event);
    }
    UpdatePointer(event->position().toPoint());
    emit MouseMove(event->buttons());
}

void TDictEditor::UpdatePointer(const QPoint &viewportPos)
{
    const bool overLink = !LinkUnder(viewportPos).isEmpty();
    if (overLink == overLink_)
        return;
    overLink_ = overLink;
    viewport()->setCursor(overLink ? Qt::PointingHandCursor : Qt::IBeamCursor);
}

QString TDictEditor::LinkUnder(const QPoint &viewportPos) const
{
    const QTextCursor cursor = cursorForPosition(viewportPos);
    const QTextBlock block = cursor.block();
    if (!BlockGeometry(block).contains(viewportPos))
        return QString();
    // The nearest character boundary: the character under the pointer is the one after it, or
    // the one before when the pointer is left of it.
    int position = cursor.positionInBlock();
    if (viewportPos.x() < cursorRect(cursor).x())
        --position;
    const std::vector<TTextLink> links = FindLinks(block.text());
    const TTextLink *link = ::LinkAt(links, position);
    return link ? link->target : QString();
}

std::unique_ptr<QMenu> TDictEditor::ContextMenu(const QPoint &viewportPos)
{
    std::unique_ptr<QMenu> menu(createStandardContextMenu(viewportPos));
    AddSpellingEntries(*menu, *this, *highlighter_, cursorForPosition(viewportPos), ReportError);
    if (block_ || persistentBlocks_)
        RouteEditEntriesToBlock(*menu);
    return menu;
}

// The standard entries act on the plain selection, which a column block or a kept block leaves
// empty, and Paste would replace it. Paste keeps the state the menu gave it (editable, text on
// the clipboard).
void TDictEditor::RouteEditEntriesToBlock(QMenu &menu)
{
    auto route = [&](const char *name, const std::function<void()> &command) {
        QAction *action = menu.findChild<QAction *>(QLatin1String(name));
        if (action) {
            QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, command);
        }
        return action;
    };
    const bool removable = HasSelection() && !isReadOnly();
    const std::pair<QAction *, bool> entries[] = {
        {route("edit-cut", [this] { Cut(); }), removable},
        {route("edit-copy", [this] { Copy(); }), HasSelection()},
        {route("edit-delete", [this] { DeleteBlock(); }), removable}};
    for (const auto &[action, enabled] : entries)
        if (action)
            action->setEnabled(enabled);
    route("edit-paste", [this] { Paste(); });
}

void TDictEditor::DeleteBlock()
{
    if (block_)
        EditBlock([block = *block_](QTextDocument &text) { return RemoveBlock(text, block); });
    else if (held_.IsHeld())
        RemoveHeldBlock();
    else
        textCursor().removeSelectedText();
}

void TDictEditor::contextMenuEvent(QContextMenuEvent *event)
{
    // From the keyboard the menu is about the word at the caret.
    const QPoint at =
        event->reason() == QContextMenuEvent::Mouse ? event->pos() : cursorRect().center();
    const std::unique_ptr<QMenu> menu = ContextMenu(at);
    menu->exec(event->globalPos());
}

void TDictEditor::SetTabStops(int columns)
{
    tabStops_ = std::max(1, columns);
    UpdateTabStopDistance();
}

void TDictEditor::UpdateTabStopDistance()
{
    if (tabStops_ > 0)
        setTabStopDistance(fontMetrics().horizontalAdvance(QLatin1Char(' ')) * tabStops_);
}

bool TDictEditor::SmartTab()
{
    QTextCursor cursor = textCursor();
    if (cursor.hasSelection())
        return false;
    const int column = cursor.positionInBlock();
    for (QTextBlock above = cursor.block().previous(); above.isValid(); above = above.previous()) {
        if (above.text().trimmed().isEmpty())
            continue;
        const int target = SmartTabColumn(above.text(), column);
        if (target < 0)
            return false;
        cursor.insertText(QString(target - column, QLatin1Char(' ')));
        setTextCursor(cursor);
        return true;
    }
    return false;
}

int SmartTabColumn(const QString &above, int column)
{
    const auto blank = [](QChar ch) { return ch == QLatin1Char(' ') || ch == QLatin1Char('\t'); };
    int i = column;
    while (i < above.size() && !blank(above.at(i)))
        ++i;
    while (i < above.size() && blank(above.at(i)))
        ++i;
    return i < above.size() && i > column ? i : -1;
}

void TDictEditor::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        UpdateCaretWidth();
        UpdateTabStopDistance();
        LayOutFrom(0); // the control lays the text out anew
    }
}

// --- block selection -------------------------------------------------------------------------

QString TDictEditor::BlockText() const
{
    return block_ ? block_->Pieces(*document()).join(QLatin1Char('\n')) : QString();
}

void TDictEditor::SetBlockSelection(TBlockPoint anchor, TBlockPoint head)
{
    // Past its paragraph's end a corner reaches only so far: typing there fills the short lines
    // with spaces up to it.
    constexpr int MaxColumnsPastEnd = 1024;
    const int last = document()->blockCount() - 1;
    for (TBlockPoint *point : {&anchor, &head}) {
        point->paragraph = std::clamp(point->paragraph, 0, last);
        const int length = document()->findBlockByNumber(point->paragraph).length() - 1;
        point->column = std::clamp(point->column, 0, length + MaxColumnsPastEnd);
    }
    // Watched only while there is a block, so that plain typing pays nothing for it.
    if (!block_) {
        DropHeldBlock(); // one block at a time
        blockCaretWatch_ = connect(this, &QPlainTextEdit::cursorPositionChanged, this, [this] {
            if (!editingBlock_)
                EndBlockSelection();
        });
        // Select All makes a plain selection without moving the caret.
        blockSelectionWatch_ = connect(this, &QPlainTextEdit::selectionChanged, this, [this] {
            if (textCursor().hasSelection())
                EndBlockSelection();
        });
    }
    block_ = TBlockSelection(anchor, head);
    // The caret goes to the head (or the end of its line), with no plain selection.
    const QTextBlock paragraph = document()->findBlockByNumber(head.paragraph);
    QTextCursor caret(paragraph);
    caret.setPosition(paragraph.position() + std::min(head.column, paragraph.length() - 1));
    editingBlock_ = true;
    setTextCursor(caret);
    editingBlock_ = false;
    ShowBlock();
}

void TDictEditor::EndBlockSelection()
{
    if (!block_)
        return;
    block_.reset();
    blockDrag_ = false;
    disconnect(blockCaretWatch_);
    disconnect(blockSelectionWatch_);
    ShowBlock();
}

TBlockPoint TDictEditor::BlockPointAt(const QPoint &viewportPos) const
{
    const QTextCursor cursor = cursorForPosition(viewportPos);
    int column = cursor.positionInBlock();
    // Right of a line's end the columns go on in spaces' widths.
    const int past = viewportPos.x() - cursorRect(cursor).x();
    const int space = fontMetrics().horizontalAdvance(QLatin1Char(' '));
    if (cursor.atBlockEnd() && past > 0 && space > 0)
        column += (past + space / 2) / space;
    return {cursor.blockNumber(), column};
}

bool TDictEditor::ExtendBlockByKey(QKeyEvent *event)
{
    if ((event->modifiers() & ~Qt::KeypadModifier) != (Qt::AltModifier | Qt::ShiftModifier))
        return false;
    const int key = event->key();
    if (key != Qt::Key_Left && key != Qt::Key_Right && key != Qt::Key_Up && key != Qt::Key_Down)
        return false;
    const QTextCursor caret = textCursor();
    const TBlockPoint at{caret.blockNumber(), caret.positionInBlock()};
    const TBlockPoint anchor = block_ ? block_->Anchor() : at;
    TBlockPoint head = block_ ? block_->Head() : at;
    head.column += key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
    head.paragraph += key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
    SetBlockSelection(anchor, head);
    ensureCursorVisible();
    return true;
}

// A key while there is a block: true when the block took it. Any other key ends the block and
// does what it always does.
bool TDictEditor::BlockKeyPress(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
        key == Qt::Key_Meta || key == Qt::Key_AltGr)
        return false; // a modifier on its way to a chord keeps the block
    if (event->matches(QKeySequence::Copy))
        Copy();
    else if (event->matches(QKeySequence::Cut))
        Cut();
    else if (event->matches(QKeySequence::Paste))
        Paste();
    else if (key == Qt::Key_Backspace || key == Qt::Key_Delete)
        EditBlock([backward = key == Qt::Key_Backspace, block = *block_](QTextDocument &text) {
            return block.HasWidth() ? RemoveBlock(text, block)
                                    : DeleteAtCarets(text, block, backward);
        });
    else if (!event->text().isEmpty() && QChar::isPrint(event->text().toUcs4().constFirst()) &&
             !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        InsertIntoBlock(event->text());
    else {
        EndBlockSelection();
        return false;
    }
    return true;
}

bool TDictEditor::EditBlock(const std::function<TBlockSelection(QTextDocument &)> &edit)
{
    if (!block_ || isReadOnly())
        return false;
    editingBlock_ = true;
    const TBlockSelection after = edit(*document());
    editingBlock_ = false;
    SetBlockSelection(after.Anchor(), after.Head());
    return true;
}

void TDictEditor::InsertIntoBlock(const QString &text)
{
    if (!block_)
        return;
    const QStringList lines = TextLines(text);
    const TBlockSelection before = *block_;
    if (!EditBlock([&](QTextDocument &d) { return ReplaceBlock(d, before, lines); }))
        return;
    if (lines.size() == 1)
        return; // typing goes on at every caret
    // Pasted lines end the block, with the caret after the last of them.
    EndBlockSelection();
    const QTextBlock end = document()->findBlockByNumber(before.Top() + int(lines.size()) - 1);
    QTextCursor caret(end);
    caret.setPosition(end.position() + before.Left() + int(lines.last().size()));
    setTextCursor(caret);
}

void TDictEditor::Cut()
{
    if (!block_ && !held_.IsHeld()) {
        cut();
        return;
    }
    if (!HasSelection() || isReadOnly())
        return;
    Copy();
    DeleteBlock();
}

void TDictEditor::Copy()
{
    if (block_ ? HasBlockSelection() : held_.IsHeld())
        QApplication::clipboard()->setMimeData(createMimeDataFromSelection());
    else if (!block_)
        copy();
}

void TDictEditor::Paste()
{
    if (!block_) {
        if (persistentBlocks_)
            HoldSelection();
        paste();
        return;
    }
    const QMimeData *data = QApplication::clipboard()->mimeData();
    if (data && data->hasText())
        InsertIntoBlock(data->text());
}

QMimeData *TDictEditor::createMimeDataFromSelection() const
{
    if (!block_ && !held_.IsHeld())
        return QPlainTextEdit::createMimeDataFromSelection();
    auto data = std::make_unique<QMimeData>();
    data->setText(block_ ? BlockText() : held_.Text());
    return data.release(); // the caller owns it
}

void TDictEditor::ShowBlock()
{
    QList<QTextEdit::ExtraSelection> selections = extraSelections();
    selections.removeIf(IsBlockPiece);
    if (block_ && block_->HasWidth()) {
        const QTextCharFormat format = SelectionFormat(BlockPieceProperty);
        for (int number = block_->Top(); number <= block_->Bottom(); ++number) {
            const QTextBlock paragraph = document()->findBlockByNumber(number);
            const int length = paragraph.length() - 1;
            if (length <= block_->Left())
                continue;
            QTextCursor piece(paragraph);
            piece.setPosition(paragraph.position() + block_->Left());
            piece.setPosition(paragraph.position() + std::min(length, block_->Right()),
                              QTextCursor::KeepAnchor);
            selections << QTextEdit::ExtraSelection{piece, format};
        }
    }
    setExtraSelections(selections);
    viewport()->update(); // the carets of a block of no width
    emit selectionChanged();
}

void TDictEditor::paintEvent(QPaintEvent *event)
{
    QPlainTextEdit::paintEvent(event);
    if (block_ && !block_->HasWidth() && block_->RowCount() > 1)
        PaintCarets();
}

// A block of no width shows a caret on each of its rows, at its column even past a line's end.
void TDictEditor::PaintCarets()
{
    QPainter painter(viewport());
    const int space = fontMetrics().horizontalAdvance(QLatin1Char(' '));
    const int first = std::max(block_->Top(), firstVisibleBlock().blockNumber());
    for (int number = first; number <= block_->Bottom(); ++number) {
        const QTextBlock paragraph = document()->findBlockByNumber(number);
        const int length = paragraph.length() - 1;
        QTextCursor at(paragraph);
        at.setPosition(paragraph.position() + std::min(length, block_->Left()));
        const QRect rect = cursorRect(at);
        if (rect.top() > viewport()->height())
            break;
        const int x = rect.x() + std::max(0, block_->Left() - length) * space;
        painter.fillRect(x, rect.top(), std::max(1, cursorWidth()), rect.height(),
                         palette().text());
    }
}

// --- persistent blocks -------------------------------------------------------------------------

void TDictEditor::SetPersistentBlocks(bool on)
{
    persistentBlocks_ = on;
    if (!on)
        DropHeldBlock();
}

bool TDictEditor::HasSelection() const
{
    return textCursor().hasSelection() || HasBlockSelection() || held_.IsHeld();
}

// A key in persistent-block mode: true when it was handled here. Keys that move the caret or
// type keep the selection first, so that the base class neither drops nor replaces it.
bool TDictEditor::PersistentKeyPress(QKeyEvent *event)
{
    const TBlockKey role = ClassifyBlockKey(*event);
    if (event->matches(QKeySequence::Cut))
        Cut();
    else if (event->matches(QKeySequence::Copy))
        Copy();
    else if (event->matches(QKeySequence::Paste))
        Paste();
    else if (role == TBlockKey::Delete && held_.Touches(textCursor().position()) && !isReadOnly())
        RemoveHeldBlock();
    else {
        if (role == TBlockKey::Move || role == TBlockKey::Type)
            HoldSelection();
        else if (role == TBlockKey::Extend)
            ResumeHeldBlock();
        return false; // the base class does the rest
    }
    return true;
}

void TDictEditor::inputMethodEvent(QInputMethodEvent *event)
{
    if (persistentBlocks_ && !event->commitString().isEmpty())
        HoldSelection();
    QPlainTextEdit::inputMethodEvent(event);
}

// The plain selection becomes the kept block, and the caret stays where it was, off it.
void TDictEditor::HoldSelection()
{
    QTextCursor caret = textCursor();
    if (!caret.hasSelection())
        return;
    held_.Hold(caret);
    caret.clearSelection();
    setTextCursor(caret);
    if (!heldTextWatch_) {
        // Follows the edits around it; gone with its last character.
        heldTextWatch_ = connect(document(), &QTextDocument::contentsChanged, this, [this] {
            if (held_.IsHeld())
                ShowHeldBlock();
            else
                DropHeldBlock();
        });
        // A new selection (Shift, a drag, Select All, a find) is the new block.
        heldSelectionWatch_ = connect(this, &QPlainTextEdit::selectionChanged, this, [this] {
            if (textCursor().hasSelection())
                DropHeldBlock();
        });
    }
    ShowHeldBlock();
    emit selectionChanged();
}

// Shift with the caret at an edge of the kept block extends it from there; anywhere else it
// starts a new one.
void TDictEditor::ResumeHeldBlock()
{
    if (!held_.IsHeld())
        return;
    const QTextCursor resumed = held_.ResumedAt(textCursor().position());
    if (resumed.isNull())
        DropHeldBlock();
    else
        setTextCursor(resumed); // the selection watch lets the kept copy go
}

void TDictEditor::RemoveHeldBlock()
{
    QTextCursor block = held_.Selection();
    DropHeldBlock();
    if (!isReadOnly())
        block.removeSelectedText(); // one undo step
}

void TDictEditor::DropHeldBlock()
{
    if (!heldTextWatch_)
        return;
    held_.Clear();
    disconnect(heldTextWatch_);
    disconnect(heldSelectionWatch_);
    heldTextWatch_ = {};
    heldSelectionWatch_ = {};
    ShowHeldBlock();
    emit selectionChanged();
}

void TDictEditor::ShowHeldBlock()
{
    QList<QTextEdit::ExtraSelection> selections = extraSelections();
    selections.removeIf(IsHeldBlock);
    if (held_.IsHeld())
        selections << QTextEdit::ExtraSelection{held_.Selection(),
                                                SelectionFormat(HeldBlockProperty)};
    setExtraSelections(selections);
}

QTextCharFormat TDictEditor::SelectionFormat(int property) const
{
    QTextCharFormat format;
    format.setBackground(palette().brush(QPalette::Highlight));
    format.setForeground(palette().brush(QPalette::HighlightedText));
    format.setProperty(property, true);
    return format;
}
