#pragma once

#include <QWidget>

class TMetaTree;
class TMTNode;

// The tip window that names the node under the mouse, below the node's box.
class TMTHint : public QWidget
{
    Q_OBJECT

public:
    explicit TMTHint(TMetaTree *tree);

    // Shows the node's tip (as the tree's OnInfoTip leaves it) unless it already shows this
    // node; an empty tip shows nothing. Null forgets the node and hides.
    void ActivateFor(TMTNode *node);
    TMTNode *Node() const { return node_; }
    QString Tip() const { return tip_; }
    // Hides and forgets the node, so the next activation shows it again.
    void Forget();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TMetaTree *tree_;
    TMTNode *node_ = nullptr;
    QString tip_;
};
