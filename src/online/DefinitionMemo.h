#pragma once

#include <QPlainTextEdit>

#include <functional>

class QMenu;
class QTextBlock;
class TDefinitionHighlighter;

// The DICT panel's result text: read-only, no border, wrapped with a vertical scroll bar only.
// Addresses and cross-references show the hand cursor; a single click opens an address or looks
// the word of a cross-reference up, and the context menu looks the selection up.
class TDefinitionMemo : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit TDefinitionMemo(QWidget *parent);

    // Opens an address; the system's handler unless replaced.
    std::function<void(const QString &target)> OpenLink;
    // Looks a word up; does nothing unless set.
    std::function<void(const QString &word)> LookUpWord;
    // The address under a point of the viewport, or empty.
    QString LinkUnder(const QPoint &viewportPos) const;
    // The word of the cross-reference under a point of the viewport, or empty.
    QString WordUnder(const QPoint &viewportPos) const;
    // The context menu's entries of this text (the standard ones and "Look up selection").
    QMenu *CreateContextMenu();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // The position in its block of the character under a point of the viewport.
    int PositionUnder(const QPoint &viewportPos, QTextBlock &block) const;

    TDefinitionHighlighter *highlighter_;
    QString pressedLink_;
    QString pressedWord_;
};
