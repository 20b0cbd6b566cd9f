#include "MTNode.h"

#include "MTStream.h"

#include <QBuffer>

#include <algorithm>
#include <unordered_set>

TMTNode::TMTNode(TMTNodes &owner) : owner_(owner), color_(owner.DefaultColor()) {}

TMTTreeHost *TMTNode::Host() const
{
    return owner_.Host();
}

void TMTNode::SetText(const QString &text)
{
    if (text == text_)
        return;
    text_ = text;
    if (TMTTreeHost *host = Host()) {
        host->Measure(*this);
        host->PaintNodes(owner_.Root());
    }
}

void TMTNode::SetColor(TMTColor color)
{
    if (color == color_)
        return;
    color_ = color;
    if (TMTTreeHost *host = Host())
        host->DrawNode(this);
}

void TMTNode::SetImageIndex(int index)
{
    if (index == imageIndex_)
        return;
    imageIndex_ = index;
    if (TMTTreeHost *host = Host()) {
        host->Measure(*this);
        host->PaintNodes(owner_.Root());
    }
}

void TMTNode::SetStateIndex(int index)
{
    if (index == stateIndex_)
        return;
    stateIndex_ = index;
    if (TMTTreeHost *host = Host()) {
        host->Measure(*this);
        host->PaintNodes(owner_.Root());
    }
}

void TMTNode::SetExpanded(bool expanded)
{
    if (expanded == expanded_)
        return;
    TMTTreeHost *host = Host();
    if (!host) {
        expanded_ = expanded;
        return;
    }
    if (expanded)
        host->Expand(this);
    else
        host->Collapse(this);
}

TMTNode *TMTNode::Child(int index) const
{
    return index >= 0 && index < Count() ? children_[index] : nullptr;
}

int TMTNode::VisibleChildCount() const
{
    return static_cast<int>(
        std::count_if(children_.begin(), children_.end(), [](TMTNode *c) { return c->Visible; }));
}

TMTNodes::TMTNodes(TMTTreeHost *host) : host_(host) {}

TMTNodes::~TMTNodes() = default;

TMTNode *TMTNodes::Item(int index) const
{
    return index >= 0 && index < Count() ? nodes_[index].get() : nullptr;
}

TMTColor TMTNodes::DefaultColor() const
{
    return host_ ? host_->DefaultColor() : clBackground;
}

TMTNode *TMTNodes::Add(TMTNode *parent, const QString &text)
{
    if (!parent && root_)
        return nullptr;
    auto owned = std::make_unique<TMTNode>(*this);
    TMTNode *node = owned.get();
    node->text_ = text;
    if (host_)
        host_->Measure(*node);
    nodes_.push_back(std::move(owned));
    node->parent_ = parent;
    if (parent) {
        node->level_ = parent->level_ + 1;
        parent->children_.push_back(node);
    } else {
        root_ = node;
    }
    if (host_) {
        host_->LayoutNodes(parent ? parent : node);
        host_->PaintNodes(root_);
    }
    return node;
}

void TMTNodes::Clear()
{
    if (host_ && host_->HasDeletionHandler() && root_)
        Delete(root_);
    for (const auto &node : nodes_)
        if (host_)
            host_->Forget(node.get());
    nodes_.clear();
    root_ = nullptr;
    if (host_ && !host_->Destroying())
        host_->PaintNodes(nullptr);
}

namespace {
// A subtree in pre-order, without recursion: a stored tree may be deep.
std::vector<TMTNode *> PreOrder(TMTNode *top)
{
    std::vector<TMTNode *> order;
    std::vector<TMTNode *> pending{top};
    while (!pending.empty()) {
        TMTNode *node = pending.back();
        pending.pop_back();
        order.push_back(node);
        const auto &children = node->Children();
        pending.insert(pending.end(), children.rbegin(), children.rend());
    }
    return order;
}
} // namespace

void TMTNodes::Delete(TMTNode *node)
{
    if (!node)
        return;
    const bool animated = host_ && host_->Animated();
    if (host_ && !animated)
        host_->BeginUpdate();
    const std::vector<TMTNode *> doomed = PreOrder(node);
    if (host_)
        for (TMTNode *each : doomed)
            host_->DoDeletion(each);
    if (TMTNode *parent = node->parent_)
        std::erase(parent->children_, node);
    if (root_ == node)
        root_ = nullptr;
    for (TMTNode *each : doomed)
        if (host_)
            host_->Forget(each);
    const std::unordered_set<TMTNode *> gone(doomed.begin(), doomed.end());
    std::erase_if(nodes_, [&gone](const auto &owned) { return gone.contains(owned.get()); });
    if (host_) {
        if (animated)
            host_->UpdateView(root_);
        else
            host_->EndUpdate();
    }
}

void TMTNodes::Assign(const TMTNodes &source)
{
    if (&source == this)
        return;
    Clear();
    if (!source.Root())
        return;
    QByteArray bytes;
    {
        QBuffer out(&bytes);
        out.open(QIODevice::WriteOnly);
        WriteNodeStream(source, out);
    }
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    ReadNodeStream(*this, in);
}
