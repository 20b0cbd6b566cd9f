#pragma once

#include <QPlainTextEdit>

#include <functional>

class TDefinitionHighlighter;

// The DICT panel's result text: read-only, no border, wrapped with a vertical scroll bar only.
// Addresses show the hand cursor, and a single click on one opens it.
class TDefinitionMemo : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit TDefinitionMemo(QWidget *parent);

    // Opens an address; the system's handler unless replaced.
    std::function<void(const QString &target)> OpenLink;
    // The address under a point of the viewport, or empty.
    QString LinkUnder(const QPoint &viewportPos) const;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    TDefinitionHighlighter *highlighter_;
    QString pressedLink_;
};
