#include "DictEditor.h"

#include "AppFolders.h"
#include "EditorHighlighter.h"
#include "SpellMenu.h"
#include "TextLinks.h"

#include <QAbstractTextDocumentLayout>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextDocumentLayout>
#include <QTextLayout>

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
    LayOutAll();
}

// The control lays out only the paragraphs it shows, and counts every other one as a single
// row; the gutters need true row numbers, so every paragraph is laid out: all of them when the
// width changes, the changed ones on an edit.
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

void TDictEditor::LayOutAll()
{
    if (WordWrap())
        LayOut(document()->firstBlock(), document()->lastBlock());
}

void TDictEditor::LayOutChange(int position, int, int added)
{
    if (WordWrap())
        LayOut(document()->findBlock(position), document()->findBlock(position + added));
}

void TDictEditor::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    LayOutAll();
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

void TDictEditor::keyPressEvent(QKeyEvent *event)
{
    // Taken before the key moves the caret, as a key-down handler sees it.
    emit KeyDown(event->key());
    if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier) {
        SetOverwrite(!overwriteMode());
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TDictEditor::keyReleaseEvent(QKeyEvent *event)
{
    QPlainTextEdit::keyReleaseEvent(event);
    if (!event->isAutoRepeat())
        emit KeyUp(event->key());
}

void TDictEditor::mouseReleaseEvent(QMouseEvent *event)
{
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
    QPlainTextEdit::mouseMoveEvent(event);
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
    return menu;
}

void TDictEditor::contextMenuEvent(QContextMenuEvent *event)
{
    // From the keyboard the menu is about the word at the caret.
    const QPoint at =
        event->reason() == QContextMenuEvent::Mouse ? event->pos() : cursorRect().center();
    const std::unique_ptr<QMenu> menu = ContextMenu(at);
    menu->exec(event->globalPos());
}

void TDictEditor::changeEvent(QEvent *event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        UpdateCaretWidth();
}
