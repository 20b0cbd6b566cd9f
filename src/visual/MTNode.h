#pragma once

#include <QString>
#include <QtGlobal>

#include <memory>
#include <vector>

class TMTNode;

// Colours as the settings keep them: 0x00BBGGRR, or 0xFF0000nn for system colour nn.
using TMTColor = quint32;
constexpr TMTColor clBackground = 0xFF000001;

// A rectangle with exclusive right and bottom edges, as the box geometry is written.
struct TMTRect
{
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool Contains(int x, int y) const { return x >= Left && x <= Right && y >= Top && y <= Bottom; }
    bool operator==(const TMTRect &) const = default;
};

// What a node list asks of the control that shows it. Without a host (a tree read or built on
// the command line) the list works alone: nothing is measured, laid out or painted.
class TMTTreeHost
{
public:
    virtual ~TMTTreeHost() = default;
    virtual TMTColor DefaultColor() const = 0;
    virtual bool Animated() const = 0;
    virtual bool Destroying() const = 0;
    virtual void BeginUpdate() = 0;
    virtual void EndUpdate() = 0;
    virtual void UpdateView(TMTNode *from) = 0;
    virtual void LayoutNodes(TMTNode *from) = 0;
    virtual void PaintNodes(TMTNode *from) = 0;
    virtual void DrawNode(TMTNode *node) = 0;
    virtual void Measure(TMTNode &node) = 0;
    virtual void Expand(TMTNode *node) = 0;
    virtual void Collapse(TMTNode *node) = 0;
    virtual void ResetView() = 0;
    // True when deletions are to be announced one node at a time.
    virtual bool HasDeletionHandler() const = 0;
    virtual void DoDeletion(TMTNode *node) = 0;
    // The node is about to be freed: forget any reference to it.
    virtual void Forget(TMTNode *node) = 0;
};

class TMTNodes;

// One labelled node. Setters that change what is shown tell the host.
class TMTNode
{
public:
    explicit TMTNode(TMTNodes &owner);
    TMTNode(const TMTNode &) = delete;
    TMTNode &operator=(const TMTNode &) = delete;

    const QString &Text() const { return text_; }
    void SetText(const QString &text);
    TMTColor Color() const { return color_; }
    void SetColor(TMTColor color);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    int StateIndex() const { return stateIndex_; }
    void SetStateIndex(int index);
    bool Expanded() const { return expanded_; }
    void SetExpanded(bool expanded);

    int Level() const { return level_; }
    TMTNode *Parent() const { return parent_; }
    int Count() const { return static_cast<int>(children_.size()); }
    // Null outside 0..Count-1.
    TMTNode *Child(int index) const;
    const std::vector<TMTNode *> &Children() const { return children_; }
    TMTNodes &Owner() const { return owner_; }
    int VisibleChildCount() const;

    bool Visible = true;
    bool Selected = false;
    // The edge from the parent is drawn dashed (a word of another kind than its siblings).
    bool DashedEdge = false;
    // The last paint found no room for the label and drew the node as a small box.
    bool LabelHidden = false;
    quintptr UserData = 0;

    // Measured extents (text each plus 2), filled by the host.
    int TextWidth = 0, TextHeight = 0;
    int ImageWidth = 0, ImageHeight = 0;
    int StateWidth = 0, StateHeight = 0;
    int SumWidth() const { return ImageWidth + StateWidth; }
    int SumHeight() const { return ImageHeight + StateHeight; }
    int MaxWidth() const { return qMax(ImageWidth, StateWidth); }
    int MaxHeight() const { return qMax(ImageHeight, StateHeight); }

    // Layout results.
    double SectorStart = 0, SectorEnd = 0;
    double X = 0, Y = 0;
    int ScreenX = 0, ScreenY = 0;
    TMTRect TextRect, ImageRect, StateRect;

    // Sets the stored fields without telling the host (reading a stored tree).
    void SetExpandedQuietly(bool expanded) { expanded_ = expanded; }

private:
    friend class TMTNodes;
    TMTTreeHost *Host() const;

    TMTNodes &owner_;
    QString text_;
    TMTColor color_;
    int imageIndex_ = -1;
    int stateIndex_ = -1;
    int level_ = 0;
    bool expanded_ = true;
    TMTNode *parent_ = nullptr;
    std::vector<TMTNode *> children_;
};

// Every node of one tree, in creation order; the list owns them. At most one root.
class TMTNodes
{
public:
    explicit TMTNodes(TMTTreeHost *host = nullptr);
    ~TMTNodes();
    TMTNodes(const TMTNodes &) = delete;
    TMTNodes &operator=(const TMTNodes &) = delete;

    int Count() const { return static_cast<int>(nodes_.size()); }
    // Null when out of range.
    TMTNode *Item(int index) const;
    TMTNode *Root() const { return root_; }
    TMTTreeHost *Host() const { return host_; }
    TMTColor DefaultColor() const;

    // Null, changing nothing, for a second node without a parent.
    TMTNode *Add(TMTNode *parent, const QString &text);
    void Clear();
    // Frees the node and its subtree.
    void Delete(TMTNode *node);
    // Copies another tree through the binary node stream.
    void Assign(const TMTNodes &source);

private:
    TMTTreeHost *host_;
    std::vector<std::unique_ptr<TMTNode>> nodes_;
    TMTNode *root_ = nullptr;
};

// Pre-order over the nodes that layout and painting reach from a node: the Visible children of
// Expanded nodes. An explicit stack, since a tree may nest deeper than the call stack reaches.
template <typename Visit> void ForEachShownNode(TMTNode *from, Visit visit)
{
    std::vector<TMTNode *> pending{from};
    while (!pending.empty()) {
        TMTNode *node = pending.back();
        pending.pop_back();
        visit(*node);
        if (!node->Expanded())
            continue;
        const auto &children = node->Children();
        for (auto it = children.rbegin(); it != children.rend(); ++it)
            if ((*it)->Visible)
                pending.push_back(*it);
    }
}
