#include "DefinitionMemo.h"

#include "CrossReferences.h"
#include "DefinitionHighlighter.h"
#include "TextLinks.h"

#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QMenu>
#include <QMouseEvent>
#include <QTextBlock>
#include <QUrl>

#include <utility>

TDefinitionMemo::TDefinitionMemo(QWidget *parent)
    : QPlainTextEdit(parent), highlighter_(new TDefinitionHighlighter(document()))
{
    setObjectName(QStringLiteral("ResultMemo1"));
    setReadOnly(true);
    document()->setUndoRedoEnabled(false); // answers of megabytes need no undo copy
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setMouseTracking(true);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    setFont(font);
    OpenLink = [](const QString &target) { QDesktopServices::openUrl(QUrl(target)); };
}

int TDefinitionMemo::PositionUnder(const QPoint &viewportPos, QTextBlock &block) const
{
    const QTextCursor cursor = cursorForPosition(viewportPos);
    block = cursor.block();
    int position = cursor.positionInBlock();
    // The cursor lands between characters: take the one the point is over.
    if (viewportPos.x() < cursorRect(cursor).x() && position > 0)
        --position;
    return position;
}

QString TDefinitionMemo::WordUnder(const QPoint &viewportPos) const
{
    QTextBlock block;
    const int position = PositionUnder(viewportPos, block);
    const std::vector<TCrossReference> refs = FindCrossReferences(block.text());
    const TCrossReference *ref = CrossReferenceAt(refs, position);
    return ref ? ref->word : QString();
}

QString TDefinitionMemo::LinkUnder(const QPoint &viewportPos) const
{
    QTextBlock block;
    const int position = PositionUnder(viewportPos, block);
    const std::vector<TTextLink> links = FindLinks(block.text());
    const TTextLink *link = LinkAt(links, position);
    return link ? link->target : QString();
}

void TDefinitionMemo::mousePressEvent(QMouseEvent *event)
{
    const bool left = event->button() == Qt::LeftButton;
    const QPoint at = event->position().toPoint();
    pressedLink_ = left ? LinkUnder(at) : QString();
    pressedWord_ = left && pressedLink_.isEmpty() ? WordUnder(at) : QString();
    QPlainTextEdit::mousePressEvent(event);
}

void TDefinitionMemo::mouseReleaseEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    const QString link = std::exchange(pressedLink_, QString());
    const QString word = std::exchange(pressedWord_, QString());
    // A click, not the end of a selection drag that began on an address or a reference.
    if (event->button() != Qt::LeftButton || textCursor().hasSelection())
        return;
    const QPoint at = event->position().toPoint();
    if (!link.isEmpty() && LinkUnder(at) == link && OpenLink)
        OpenLink(link);
    else if (!word.isEmpty() && WordUnder(at) == word && LookUpWord)
        LookUpWord(word);
}

void TDefinitionMemo::mouseMoveEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseMoveEvent(event);
    const QPoint at = event->position().toPoint();
    const bool clickable = !LinkUnder(at).isEmpty() || !WordUnder(at).isEmpty();
    viewport()->setCursor(clickable ? Qt::PointingHandCursor : Qt::IBeamCursor);
}

QMenu *TDefinitionMemo::CreateContextMenu()
{
    QMenu *menu = createStandardContextMenu();
    const QString selection = textCursor().selectedText().simplified();
    QAction *lookUp = menu->addAction(tr("Look up selection"));
    lookUp->setEnabled(!selection.isEmpty() && LookUpWord != nullptr);
    connect(lookUp, &QAction::triggered, this, [this, selection] {
        if (LookUpWord)
            LookUpWord(selection);
    });
    return menu;
}

void TDefinitionMemo::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = CreateContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
