#include "MTHint.h"

#include "MetaTree.h"

#include <QPainter>

namespace {
constexpr int HalfCursorHeight = 16;
constexpr int MaxTipWidth = 320;
} // namespace

TMTHint::TMTHint(TMetaTree *tree)
    : QWidget(tree, Qt::ToolTip | Qt::FramelessWindowHint), tree_(tree)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setObjectName(QStringLiteral("MTHint"));
}

void TMTHint::Forget()
{
    node_ = nullptr;
    tip_.clear();
    hide();
}

void TMTHint::ActivateFor(TMTNode *node)
{
    if (!node) {
        Forget();
        return;
    }
    if (node == node_)
        return;
    node_ = node;
    tip_ = node->Text();
    if (tree_->OnInfoTip)
        tree_->OnInfoTip(tree_, node, tip_);
    if (tip_.isEmpty()) {
        hide();
        return;
    }
    QFont tipFont = tree_->font();
    tipFont.setBold(false);
    tipFont.setItalic(false);
    tipFont.setUnderline(false);
    setFont(tipFont);
    const QRect text =
        fontMetrics().boundingRect(QRect(0, 0, MaxTipWidth, 10000), Qt::TextWordWrap, tip_);
    const QRect anchor = tree_->TipAnchor(*node);
    const QPoint topLeft =
        tree_->mapToGlobal(QPoint(anchor.center().x(), anchor.bottom() + HalfCursorHeight));
    setGeometry(QRect(topLeft, text.size() + QSize(8, 8)));
    show();
    update();
}

void TMTHint::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::ToolTipBase));
    painter.setPen(palette().color(QPalette::ToolTipText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawText(rect().translated(2, 2), Qt::AlignCenter | Qt::TextWordWrap, tip_);
}
