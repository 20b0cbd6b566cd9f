#include "DefinitionMemo.h"

#include "DefinitionHighlighter.h"
#include "TextLinks.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QTextBlock>
#include <QUrl>

TDefinitionMemo::TDefinitionMemo(QWidget *parent)
    : QPlainTextEdit(parent), highlighter_(new TDefinitionHighlighter(document()))
{
    setObjectName(QStringLiteral("ResultMemo1"));
    setReadOnly(true);
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

QString TDefinitionMemo::LinkUnder(const QPoint &viewportPos) const
{
    const QTextCursor cursor = cursorForPosition(viewportPos);
    const QTextBlock block = cursor.block();
    int position = cursor.positionInBlock();
    // The cursor lands between characters: take the one the point is over.
    if (viewportPos.x() < cursorRect(cursor).x() && position > 0)
        --position;
    const std::vector<TTextLink> links = FindLinks(block.text());
    const TTextLink *link = LinkAt(links, position);
    return link ? link->target : QString();
}

void TDefinitionMemo::mousePressEvent(QMouseEvent *event)
{
    pressedLink_ =
        event->button() == Qt::LeftButton ? LinkUnder(event->position().toPoint()) : QString();
    QPlainTextEdit::mousePressEvent(event);
}

void TDefinitionMemo::mouseReleaseEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    // A click, not the end of a selection drag that began on an address.
    if (event->button() != Qt::LeftButton || pressedLink_.isEmpty() ||
        textCursor().hasSelection() || LinkUnder(event->position().toPoint()) != pressedLink_)
        return;
    const QString link = pressedLink_;
    pressedLink_.clear();
    if (OpenLink)
        OpenLink(link);
}

void TDefinitionMemo::mouseMoveEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseMoveEvent(event);
    viewport()->setCursor(LinkUnder(event->position().toPoint()).isEmpty()
                              ? Qt::IBeamCursor
                              : Qt::PointingHandCursor);
}
