#include "MetaTree.h"

#include "FontWalk.h"
#include "LabelPlacer.h"
#include "MTHint.h"
#include "MTImageList.h"
#include "MTStream.h"

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSaveFile>

#include <cmath>
#include <stdexcept>

namespace {

constexpr int GlideFrameMs = 15;

int Round(double v)
{
    return std::isfinite(v) ? static_cast<int>(std::nearbyint(v)) : 0;
}

QRect ToQRect(const TMTRect &r)
{
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}

TMTRect Inflated(const TMTRect &r, int by)
{
    return {r.Left - by, r.Top - by, r.Right + by, r.Bottom + by};
}

} // namespace

TMetaTree::TMetaTree(QWidget *parent) : QWidget(parent)
{
    items_ = std::make_unique<TMTNodes>(this);
    hint_ = new TMTHint(this);
    resize(300, 300);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    glideTimer_.setInterval(GlideFrameMs);
    connect(&glideTimer_, &QTimer::timeout, this, &TMetaTree::GlideFrame);
    updateCount_ = 0;
}

TMetaTree::~TMetaTree()
{
    destroying_ = true;
    glideTimer_.stop();
    selected_ = nullptr;
    hint_->Forget();
    items_.reset();
}

QColor TMetaTree::ToQColor(TMTColor value) const
{
    return ColorFromValue(static_cast<qint32>(value), palette());
}

// --- batch updates, layout, painting -------------------------------------------------------

void TMetaTree::BeginUpdate()
{
    ++updateCount_;
}

void TMetaTree::EndUpdate()
{
    updateCount_ = std::max(0, updateCount_ - 1);
    if (updateCount_ == 0) {
        MeasureAll();
        UpdateView(Root());
    }
}

void TMetaTree::UpdateView(TMTNode *from)
{
    if (Updating() || destroying_)
        return;
    LayoutNodes(from);
    PaintNodes(from);
}

void TMetaTree::LayoutNodes(TMTNode *from)
{
    if (!from || Updating())
        return;
    geom_.LayoutNodes(from);
    ComputeAllBoxes(from);
}

void TMetaTree::Relayout()
{
    LayoutNodes(Root());
}

// Pre-order over the nodes that layout and painting reach: Visible children of Expanded nodes.
// An explicit stack, since a tree may nest deeper than the call stack reaches.
template <typename Visit> void TMetaTree::ForEachReached(TMTNode *from, Visit visit)
{
    ForEachShownNode(from, visit);
}

void TMetaTree::ComputeAllBoxes(TMTNode *from)
{
    ForEachReached(from, [this](TMTNode &node) { ComputeBoxes(node, style_, imagePosition_); });
    // The marker follows the root wherever the layout puts it.
    if (from == Root() && !geom_.InDrawLimit(from->ScreenX, from->ScreenY)) {
        const TMTPointF offset{double(from->ScreenX - geom_.CenterX),
                               double(geom_.CenterY - from->ScreenY)};
        if (const auto t =
                TMTGeometry::EllipseCrossing({0, 0}, offset, geom_.HalfWidth, geom_.HalfHeight)) {
            markerX_ = geom_.CenterX + Round(offset.x * *t);
            markerY_ = geom_.CenterY - Round(offset.y * *t);
        }
    }
}

// Every paint renders the whole picture into the back buffer at the next paint event, so a
// burst of changes costs one render.
void TMetaTree::PaintNodes(TMTNode *)
{
    if (Updating() || destroying_)
        return;
    bufferStale_ = true;
    update();
}

void TMetaTree::DrawNode(TMTNode *node)
{
    if (node)
        PaintNodes(Root());
}

void TMetaTree::paintEvent(QPaintEvent *)
{
    if (buffer_.size() != size() * devicePixelRatio() || bufferStale_) {
        if (buffer_.size() != size() * devicePixelRatio()) {
            buffer_ = QPixmap(size() * devicePixelRatio());
            buffer_.setDevicePixelRatio(devicePixelRatio());
        }
        QPainter back(&buffer_);
        Render(back);
        bufferStale_ = false;
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, buffer_);
}

void TMetaTree::Render(QPainter &painter)
{
    painter.setFont(font());
    RenderBackground(painter);
    if (showBorder_) {
        painter.setPen(ToQColor(borderColor_));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(geom_.CenterX - geom_.HalfWidth, geom_.CenterY - geom_.HalfHeight,
                            2 * geom_.HalfWidth, 2 * geom_.HalfHeight);
    }
    if (TMTNode *root = Root(); root && root->Visible && !Updating()) {
        painter.setPen(ToQColor(lineColor_));
        PlaceLabels(root);
        RenderEdges(painter, root);
        RenderNodes(painter, root);
        if (selected_ && selected_->Visible)
            RenderNode(painter, *selected_);
        RenderFocus(painter);
    }
    if (borderSingle_) {
        painter.setPen(palette().color(QPalette::Dark));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void TMetaTree::PlaceLabels(TMTNode *root)
{
    std::vector<TMTNode *> drawn;
    ForEachReached(root, [&](TMTNode &node) {
        node.LabelHidden = false;
        ComputeBoxes(node, style_, imagePosition_);
        if (geom_.InDrawLimit(node.ScreenX, node.ScreenY))
            drawn.push_back(&node);
    });
    if (hideOverlappingLabels_ && style_ != TMTStyle::mtsImage)
        TLabelPlacer::Place(drawn, geom_.CenterX, geom_.CenterY);
}

std::vector<TMTNode *> TMetaTree::DrawnNodes() const
{
    std::vector<TMTNode *> drawn;
    if (Root() && Root()->Visible)
        ForEachReached(Root(), [&](TMTNode &node) {
            if (geom_.InDrawLimit(node.ScreenX, node.ScreenY))
                drawn.push_back(&node);
        });
    return drawn;
}

void TMetaTree::RenderBackground(QPainter &painter)
{
    const QColor back = ToQColor(color_);
    if (backgroundImage_.isNull()) {
        painter.fillRect(rect(), back);
        return;
    }
    switch (backgroundImageMode_) {
    case TMTBackgroundImageMode::mtbimStretch:
        painter.drawImage(rect(), backgroundImage_);
        break;
    case TMTBackgroundImageMode::mtbimCenter:
        painter.fillRect(rect(), back);
        painter.drawImage((width() - backgroundImage_.width()) / 2,
                          (height() - backgroundImage_.height()) / 2, backgroundImage_);
        break;
    case TMTBackgroundImageMode::mtbimTile:
        for (int y = 0; y < height(); y += backgroundImage_.height())
            for (int x = 0; x < width(); x += backgroundImage_.width())
                painter.drawImage(x, y, backgroundImage_);
        break;
    }
}

// Each edge is drawn just before its child's subtree: the pre-order of the edges.
void TMetaTree::RenderEdges(QPainter &painter, TMTNode *from)
{
    const QPen solid(ToQColor(lineColor_));
    QPen dashed = solid;
    dashed.setStyle(Qt::DashLine);
    ForEachReached(from, [&](TMTNode &child) {
        const TMTNode *node = child.Parent();
        if (&child == from || !node)
            return;
        painter.setPen(child.DashedEdge ? dashed : solid);
        DrawEdge(painter, {node->ScreenX, node->ScreenY}, {child.ScreenX, child.ScreenY});
    });
    painter.setPen(solid);
}

void TMetaTree::DrawEdge(QPainter &painter, QPoint from, QPoint to)
{
    const bool fromIn = PointInView(from.x(), from.y());
    const bool toIn = PointInView(to.x(), to.y());
    if (fromIn && toIn) {
        painter.drawLine(from, to);
        return;
    }
    if (!fromIn && !toIn)
        return;
    const QPoint inside = fromIn ? from : to, outside = fromIn ? to : from;
    const TMTPointF a{double(inside.x() - geom_.CenterX), double(geom_.CenterY - inside.y())};
    const TMTPointF b{double(outside.x() - geom_.CenterX), double(geom_.CenterY - outside.y())};
    const auto t = TMTGeometry::EllipseCrossing(a, b, geom_.HalfWidth, geom_.HalfHeight);
    if (!t)
        return;
    const QPoint rim(geom_.CenterX + Round(a.x + *t * (b.x - a.x)),
                     geom_.CenterY - Round(a.y + *t * (b.y - a.y)));
    painter.drawLine(inside, rim);
}

// Nodes drawn as small boxes go first, so that no box covers a placed label.
void TMetaTree::RenderNodes(QPainter &painter, TMTNode *from)
{
    for (const bool boxes : {true, false})
        ForEachReached(from, [&](TMTNode &node) {
            if ((node.LabelHidden && !node.Selected) == boxes)
                RenderNode(painter, node);
        });
}

bool TMetaTree::HasImage(const TMTNode &node) const
{
    return node.ImageIndex() >= 0 && images_;
}

bool TMetaTree::HasStateImage(const TMTNode &node) const
{
    return node.StateIndex() >= 0 && stateImages_;
}

void TMetaTree::RenderNode(QPainter &painter, TMTNode &node)
{
    ComputeBoxes(node, style_, imagePosition_);
    if (!geom_.InDrawLimit(node.ScreenX, node.ScreenY)) {
        if (&node == Root())
            RenderMarker(painter, node);
        return;
    }
    if (node.LabelHidden && !node.Selected) {
        RenderCompact(painter, node);
        return;
    }
    const bool image = HasImage(node), state = HasStateImage(node);
    bool drawText = style_ != TMTStyle::mtsImage;
    bool drawImages = style_ != TMTStyle::mtsText;
    if (style_ == TMTStyle::mtsBoth && !image && !state)
        drawImages = false;
    if (node.Selected)
        RenderSelection(painter, node, drawText, drawImages && image, drawImages && state);
    const bool hasChildren = node.VisibleChildCount() > 0;
    if (drawText) {
        TMTRect fill = node.TextRect;
        if (style_ == TMTStyle::mtsBoth && selectionType_ == TMTSelectionType::mtstRectangle &&
            drawImages &&
            (imagePosition_ == TImagePosition::ipLeft ||
             imagePosition_ == TImagePosition::ipRight)) {
            const TMTRect all = BoxUnion(node, true, image, state);
            fill.Top = all.Top;
            fill.Bottom = all.Bottom;
        }
        painter.fillRect(ToQRect(Inflated(fill, 1)), ToQColor(color_));
        painter.fillRect(ToQRect(fill), ToQColor(node.Color()));
        if (hasChildren)
            DrawExpandSign(painter, node, node.TextRect.Left + 1, node.TextRect.Top + 1);
        painter.setPen(ToQColor(fontColor_));
        painter.drawText(QRect(node.TextRect.Left + 8, node.TextRect.Top + 2, node.TextWidth + 8,
                               node.TextHeight),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, node.Text());
    }
    if (drawImages) {
        if (image)
            images_->Draw(painter, node.ImageRect.Left, node.ImageRect.Top, node.ImageIndex());
        if (state)
            stateImages_->Draw(painter, node.StateRect.Left, node.StateRect.Top, node.StateIndex());
        if (style_ == TMTStyle::mtsImage && hasChildren) {
            const TMTRect &corner = node.StateIndex() >= 0 ? node.StateRect : node.ImageRect;
            painter.fillRect(corner.Left, corner.Top, 7, 7, ToQColor(node.Color()));
            DrawExpandSign(painter, node, corner.Left, corner.Top);
        }
    }
    painter.setPen(ToQColor(lineColor_));
}

// A frame two pixels outside what the node shows; an outline that hugs the union of the boxes
// serves both selection types.
void TMetaTree::RenderSelection(QPainter &painter, const TMTNode &node, bool text, bool image,
                                bool state)
{
    if (!text && !image && !state)
        return;
    painter.fillRect(ToQRect(Inflated(BoxUnion(node, text, image, state), 2)),
                     ToQColor(selectedColor_));
}

// A node without room for its label: a small box in its colour; hovering shows the label.
void TMetaTree::RenderCompact(QPainter &painter, const TMTNode &node)
{
    const QRect box = CompactBox(node);
    painter.fillRect(box.adjusted(-1, -1, 1, 1), ToQColor(color_));
    painter.fillRect(box, ToQColor(node.Color()));
}

QRect TMetaTree::CompactBox(const TMTNode &node)
{
    constexpr int Half = CompactHalf;
    return QRect(node.ScreenX - Half, node.ScreenY - Half, 2 * Half + 1, 2 * Half + 1);
}

void TMetaTree::DrawExpandSign(QPainter &painter, const TMTNode &node, int x, int y)
{
    painter.setPen(ToQColor(fontColor_));
    painter.drawLine(x + 1, y + 3, x + 6, y + 3);
    if (!node.Expanded())
        painter.drawLine(x + 3, y + 1, x + 3, y + 6);
}

void TMetaTree::RenderMarker(QPainter &painter, TMTNode &root)
{
    const TMTPointF offset{double(root.ScreenX - geom_.CenterX),
                           double(geom_.CenterY - root.ScreenY)};
    const auto t = TMTGeometry::EllipseCrossing({0, 0}, offset, geom_.HalfWidth, geom_.HalfHeight);
    if (!t)
        return;
    markerX_ = geom_.CenterX + Round(offset.x * *t);
    markerY_ = geom_.CenterY - Round(offset.y * *t);
    const int s = root.TextRect.Height() / 2 - 1;
    painter.setPen(QPen(ToQColor(selectedColor_), 2));
    painter.setBrush(ToQColor(root.Color()));
    painter.drawRect(QRect(QPoint(markerX_ - s, markerY_ - s), QPoint(markerX_ + s, markerY_ + s)));
    painter.setPen(QPen(ToQColor(lineColor_), 1));
    painter.setBrush(Qt::NoBrush);
}

// --- measuring -----------------------------------------------------------------------------

void TMetaTree::Measure(TMTNode &node)
{
    if (Updating())
        return;
    const QFontMetrics metrics(font());
    node.TextWidth = metrics.horizontalAdvance(node.Text()) + 2;
    node.TextHeight = metrics.height() + 2;
    node.ImageWidth = HasImage(node) ? images_->Width() : 0;
    node.ImageHeight = HasImage(node) ? images_->Height() : 0;
    node.StateWidth = HasStateImage(node) ? stateImages_->Width() : 0;
    node.StateHeight = HasStateImage(node) ? stateImages_->Height() : 0;
}

void TMetaTree::MeasureAll()
{
    for (int i = 0; i < items_->Count(); ++i)
        Measure(*items_->Item(i));
}

void TMetaTree::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        MeasureAll();
        UpdateView(Root());
    } else if (event->type() == QEvent::PaletteChange) {
        PaintNodes(Root());
    }
}

void TMetaTree::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    ResizeView(width(), height());
}

void TMetaTree::ResizeView(int width, int height)
{
    FinishGlide();
    geom_.ResizeView(width, height);
    buffer_ = QPixmap();
    UpdateView(Root());
}

// --- selection, expanding, hit tests -------------------------------------------------------

void TMetaTree::Select(TMTNode *node)
{
    if (node == selected_)
        return;
    hint_->hide();
    if (selected_) {
        TMTNode *old = selected_;
        if (OnUnSelect)
            OnUnSelect(this, old);
        old->Selected = false;
    }
    selected_ = node;
    if (node) {
        node->Selected = true;
        if (OnSelect)
            OnSelect(this, node);
        if (!IsShown(*node))
            for (TMTNode *up = node->Parent(); up; up = up->Parent())
                if (!up->Expanded())
                    ExpandOne(up);
    }
    PaintNodes(Root());
}

void TMetaTree::Expand(TMTNode *node)
{
    if (!ExpandOne(node))
        return;
    // A node hidden by collapsed ancestors opens them, nearest first, in a loop: a tree may nest
    // deeper than the call stack reaches. Ancestors already open are left alone.
    std::vector<TMTNode *> closed;
    for (TMTNode *up = node->Parent(); up; up = up->Parent())
        if (!up->Expanded())
            closed.push_back(up);
    for (TMTNode *up : closed)
        ExpandOne(up);
}

bool TMetaTree::ExpandOne(TMTNode *node)
{
    if (!node)
        return false;
    bool allow = true;
    if (OnExpanding)
        OnExpanding(this, node, allow);
    if (!allow)
        return false;
    node->SetExpandedQuietly(true);
    Relayout();
    PaintNodes(Root());
    if (OnExpanded)
        OnExpanded(this, node);
    return true;
}

void TMetaTree::Collapse(TMTNode *node)
{
    if (!node)
        return;
    bool allow = true;
    if (OnCollapsing)
        OnCollapsing(this, node, allow);
    if (!allow)
        return;
    node->SetExpandedQuietly(false);
    if (selected_ && !IsShown(*selected_))
        Select(nullptr);
    PaintNodes(Root());
    if (OnCollapsed)
        OnCollapsed(this, node);
}

bool TMetaTree::Contains(const TMTNode &node, int x, int y) const
{
    if (node.LabelHidden && !node.Selected)
        return CompactBox(node).contains(x, y);
    return NodeContains(node, x, y, style_, imagePosition_);
}

TMTNode *TMetaTree::GetNodeAt(int x, int y) const
{
    TMTNode *root = Root();
    if (root && markerX_ >= 0 && !PointInView(root->ScreenX, root->ScreenY)) {
        const int h = root->TextRect.Height() / 2;
        if (std::abs(x - markerX_) < h && std::abs(y - markerY_) < h)
            return root;
    }
    TMTNode *best = nullptr;
    long long bestDistance = 0;
    for (int i = 0; i < items_->Count(); ++i) {
        TMTNode *node = items_->Item(i);
        if (!Contains(*node, x, y) || !IsShown(*node)) // the cheap test first
            continue;
        const long long distance =
            std::llround(std::hypot(double(x - node->ScreenX), double(y - node->ScreenY)));
        if (!best || distance < bestDistance) {
            best = node;
            bestDistance = distance;
        }
    }
    return best;
}

TMTNode *TMetaTree::GetNearestNode(int x, int y) const
{
    TMTNode *best = nullptr;
    long long bestDistance = 65535;
    for (int i = 0; i < items_->Count(); ++i) {
        TMTNode *node = items_->Item(i);
        if (!node->Visible)
            continue;
        const long long distance =
            std::llround(std::hypot(double(x - node->ScreenX), double(y - node->ScreenY)));
        if (distance < bestDistance) {
            best = node;
            bestDistance = distance;
        }
    }
    return best;
}

QRect TMetaTree::TipAnchor(const TMTNode &node) const
{
    if (&node == Root() && !PointInView(node.ScreenX, node.ScreenY) && markerX_ >= 0) {
        const QPoint cursor = mapFromGlobal(QCursor::pos());
        const int h = node.TextRect.Height() / 2;
        if (std::abs(cursor.x() - markerX_) < h && std::abs(cursor.y() - markerY_) < h)
            return QRect(markerX_, markerY_, 1, 1);
    }
    if (style_ == TMTStyle::mtsImage)
        return ToQRect(node.ImageIndex() >= 0 ? node.ImageRect : node.StateRect);
    return ToQRect(node.TextRect);
}

void TMetaTree::Forget(TMTNode *node)
{
    if (selected_ == node)
        selected_ = nullptr;
    if (dragged_ == node)
        dragged_ = nullptr;
    if (focused_ == node)
        focused_ = nullptr;
    if (hint_->Node() == node)
        hint_->Forget();
}

void TMetaTree::DoDeletion(TMTNode *node)
{
    if (OnDeletion)
        OnDeletion(this, node);
}

// --- mouse and focus -----------------------------------------------------------------------

void TMetaTree::mousePressEvent(QMouseEvent *event)
{
    const int x = event->position().toPoint().x(), y = event->position().toPoint().y();
    hint_->hide();
    FinishGlide();
    Select(GetNodeAt(x, y));
    if (event->button() == Qt::LeftButton) {
        pressedHere_ = true;
        pressPos_ = {x, y};
        if (enableMove_) {
            if ((event->modifiers() & Qt::ControlModifier) && selected_) {
                grabX_ = x - selected_->ScreenX;
                grabY_ = y - selected_->ScreenY;
                nodeDragging_ = true;
            } else {
                StartViewDrag(x, y);
            }
        }
        // A press on the box opens or closes the node; it is never also a click on it.
        if (selected_ && ToggleExpandBox(*selected_, x, y))
            pressedHere_ = false;
    }
    if (focusPolicy() & Qt::TabFocus)
        setFocus(Qt::MouseFocusReason);
}

// The word under the pointer is held there: every move solves for the pan that keeps it under
// the same spot. Without a word the plane is held by the exact inverse of the projection.
void TMetaTree::StartViewDrag(int x, int y)
{
    const TMTPointF start = geom_.LogicalAt(x, y);
    dragStartX_ = start.x;
    dragStartY_ = start.y;
    dragged_ = selected_;
    if (dragged_) {
        grabX_ = x - dragged_->ScreenX;
        grabY_ = y - dragged_->ScreenY;
    }
    viewDragging_ = true;
    if (OnStartMoving)
        OnStartMoving(this, x, y);
}

bool TMetaTree::ToggleExpandBox(TMTNode &node, int x, int y)
{
    const TMTRect &box = style_ != TMTStyle::mtsImage
                             ? node.TextRect
                             : (node.StateIndex() < 0 ? node.ImageRect : node.StateRect);
    const int dx = x - box.Left, dy = y - box.Top;
    if (dx < 0 || dx > 8 || dy < 0 || dy > 8 || node.LabelHidden)
        return false;
    if (node.Expanded())
        Collapse(&node);
    else
        Expand(&node);
    return true;
}

void TMetaTree::mouseMoveEvent(QMouseEvent *event)
{
    if (geom_.HalfWidth == 0 || geom_.HalfHeight == 0 || geom_.AxisX == 0 || geom_.AxisY == 0)
        return;
    const QPoint at = event->position().toPoint();
    // Movement below the drag distance is the jitter of a click, not a drag.
    if ((at - pressPos_).manhattanLength() >= QApplication::startDragDistance())
        pressedHere_ = false;
    if (viewDragging_)
        DragView(at.x(), at.y());
    else if (nodeDragging_)
        DragNode(at.x(), at.y());
    else if (event->buttons() == Qt::NoButton)
        Hover(at.x(), at.y());
}

std::optional<QPoint> TMetaTree::InsideRim(int x, int y) const
{
    if (PointInView(x, y))
        return QPoint(x, y);
    const auto rim = geom_.RimPoint(x, y, 0.97);
    if (!rim)
        return std::nullopt;
    return QPoint(rim->first, rim->second);
}

void TMetaTree::DragView(int x, int y)
{
    const auto p = InsideRim(x, y);
    if (!p)
        return;
    TMTPointF pan;
    const auto held = dragged_ ? InsideRim(p->x() - grabX_, p->y() - grabY_) : std::nullopt;
    if (held) {
        pan = geom_.PanToShow(*dragged_, geom_.LogicalAt(held->x(), held->y()));
    } else {
        const TMTPointF now = geom_.LogicalAt(p->x(), p->y());
        pan = {now.x - dragStartX_ + basePanX_, now.y - dragStartY_ + basePanY_};
    }
    geom_.PanX = pan.x;
    geom_.PanY = pan.y;
    Relayout();
    PaintNodes(Root());
    if (OnMoving)
        OnMoving(this, x, y);
    hint_->hide();
}

// The node follows the mouse inside the view; a later layout puts it back on its ring.
void TMetaTree::DragNode(int x, int y)
{
    if (!selected_)
        return;
    const int cx = geom_.CenterX, cy = geom_.CenterY;
    if (!PointInView(cx + Round(0.97 * (x - cx)), cy + Round(0.97 * (y - cy)))) {
        const auto rim = geom_.RimPoint(x, y, 0.97);
        if (!rim)
            return;
        x = rim->first;
        y = rim->second;
    }
    selected_->ScreenX = x - grabX_;
    selected_->ScreenY = y - grabY_;
    selected_->X = TMTGeometry::ParabolaHeight(geom_.AxisX, selected_->ScreenX - cx) - geom_.PanX;
    selected_->Y = TMTGeometry::ParabolaHeight(geom_.AxisY, cy - selected_->ScreenY) - geom_.PanY;
    ComputeBoxes(*selected_, style_, imagePosition_);
    PaintNodes(Root());
    hint_->hide();
}

void TMetaTree::Hover(int x, int y)
{
    Select(GetNodeAt(x, y));
    if (selected_) {
        if (!hint_->isVisible())
            hint_->ActivateFor(selected_);
    } else {
        hint_->Forget();
    }
}

void TMetaTree::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton && viewDragging_)
        EndMoving(at.x(), at.y());
    nodeDragging_ = false;
    if (focusPolicy() & Qt::TabFocus)
        setFocus(Qt::MouseFocusReason);
    const bool click = event->button() == Qt::LeftButton && pressedHere_ && rect().contains(at) &&
                       (at - pressPos_).manhattanLength() < QApplication::startDragDistance();
    if (event->button() == Qt::LeftButton) {
        pressedHere_ = false;
        clickPos_ = at;
    }
    if (click && OnClick)
        OnClick(this);
}

void TMetaTree::EndMoving(int x, int y)
{
    viewDragging_ = false;
    nodeDragging_ = false;
    dragged_ = nullptr;
    basePanX_ = geom_.PanX;
    basePanY_ = geom_.PanY;
    if (OnEndMoving)
        OnEndMoving(this, x, y);
}

void TMetaTree::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    const QPoint cursor = mapFromGlobal(QCursor::pos());
    EndMoving(cursor.x(), cursor.y());
    hint_->hide();
}

void TMetaTree::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    hint_->Forget();
}

// The second press of a double click acts as a press too, then the node is toggled and
// centred.
void TMetaTree::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
    pressedHere_ = false; // the release that ends a double click is no click of its own
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    TMTNode *node = selected_ ? selected_ : GetNodeAt(at.x(), at.y());
    if (OnDblClick)
        OnDblClick(this, node, at.x(), at.y());
    if (!node || !items_->Count())
        return;
    if (dblClickToggles_) {
        if (node->Expanded())
            Collapse(node);
        else
            Expand(node);
    }
    if (autoMoveCenter_ && (node->Expanded() || node->Count() == 0))
        MoveToCenter(node);
}

// --- centring ------------------------------------------------------------------------------

// The pan that centres the node is solved for along the node's own path, so centring costs a
// few walks of that path instead of layouts of the whole tree.
void TMetaTree::MoveToCenter(TMTNode *node)
{
    if (!node || Updating() || !node->Visible)
        return;
    // Under a collapsed or hidden ancestor the node is not laid out, and no pan would move it.
    for (const TMTNode *up = node->Parent(); up; up = up->Parent())
        if (!up->Expanded() || !up->Visible)
            return;
    FinishGlide();
    // A press that began a view drag must not commit a pan from the middle of the glide.
    viewDragging_ = false;
    dragged_ = nullptr;
    const TMTPointF end = geom_.PanToShow(*node, {0, 0});
    glide_.endX = end.x;
    glide_.endY = end.y;
    const int frames = 21 - autoMoveSpeed_;
    const double dx = end.x - geom_.PanX, dy = end.y - geom_.PanY;
    glide_.active = true;
    if (autoMoveSpeed_ < 20 && std::hypot(dx, dy) >= frames) {
        glide_.stepX = dx / frames;
        glide_.stepY = dy / frames;
        glide_.framesLeft = frames - 1;
        Select(nullptr);
        if (isVisible()) {
            glideTimer_.start();
            return;
        }
    }
    FinishGlide();
}

void TMetaTree::GlideFrame()
{
    if (!glide_.active || glide_.framesLeft <= 0) {
        FinishGlide();
        return;
    }
    geom_.PanX += glide_.stepX;
    geom_.PanY += glide_.stepY;
    Relayout();
    PaintNodes(Root());
    repaint();
    if (--glide_.framesLeft == 0)
        FinishGlide();
}

void TMetaTree::FinishGlide()
{
    if (!glide_.active)
        return;
    glide_.active = false;
    glideTimer_.stop();
    geom_.PanX = glide_.endX;
    geom_.PanY = glide_.endY;
    Relayout();
    if (underMouse()) {
        const QPoint cursor = mapFromGlobal(QCursor::pos());
        Select(GetNodeAt(cursor.x(), cursor.y()));
    }
    PaintNodes(Root());
    basePanX_ = geom_.PanX;
    basePanY_ = geom_.PanY;
}

void TMetaTree::ResetView()
{
    if (animated_) {
        MoveToCenter(Root());
        return;
    }
    FinishGlide();
    geom_.PanX = geom_.PanY = basePanX_ = basePanY_ = 0;
    UpdateView(Root());
}

// --- outline files -------------------------------------------------------------------------

void TMetaTree::LoadFromStream(QIODevice &stream, bool unicode)
{
    FinishGlide();
    ReadOutline(*items_, stream, unicode);
}

void TMetaTree::SaveToStream(QIODevice &stream, bool unicode) const
{
    WriteOutline(*items_, stream, unicode);
}

void TMetaTree::LoadFromFile(const QString &fileName, bool unicode)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(QStringLiteral("Cannot open file \"%1\". %2")
                                     .arg(fileName, file.errorString())
                                     .toStdString());
    // Only a real byte-order mark is skipped: a file without one keeps its first line.
    if (unicode && file.peek(2) == QByteArray("\xFF\xFE", 2))
        file.read(2);
    LoadFromStream(file, unicode);
}

void TMetaTree::SaveToFile(const QString &fileName, bool unicode) const
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error(QStringLiteral("Cannot create file \"%1\". %2")
                                     .arg(fileName, file.errorString())
                                     .toStdString());
    if (unicode)
        file.write("\xFF\xFE", 2);
    SaveToStream(file, unicode);
    if (!file.commit())
        throw std::runtime_error(QStringLiteral("Cannot write file \"%1\". %2")
                                     .arg(fileName, file.errorString())
                                     .toStdString());
}

// --- properties ----------------------------------------------------------------------------

void TMetaTree::SetArrangement(TMTArrangement v)
{
    geom_.Arrangement = v;
    UpdateView(Root());
}

void TMetaTree::SetAutoMoveSpeed(int v)
{
    if (v >= 1 && v <= 20)
        autoMoveSpeed_ = v;
}

void TMetaTree::SetBackgroundImage(const QImage &image)
{
    backgroundImage_ = image;
    PaintNodes(Root());
}

#define TOLVANE_REPAINTING_SETTER(Setter, Type, field)                                             \
    void TMetaTree::Setter(Type v)                                                                 \
    {                                                                                              \
        if (field == v)                                                                            \
            return;                                                                                \
        field = v;                                                                                 \
        PaintNodes(Root());                                                                        \
    }

TOLVANE_REPAINTING_SETTER(SetBackgroundImageMode, TMTBackgroundImageMode, backgroundImageMode_)
TOLVANE_REPAINTING_SETTER(SetBorderSingle, bool, borderSingle_)
TOLVANE_REPAINTING_SETTER(SetColor, TMTColor, color_)
TOLVANE_REPAINTING_SETTER(SetFontColor, TMTColor, fontColor_)
TOLVANE_REPAINTING_SETTER(SetDisableColor, TMTColor, disableColor_)
TOLVANE_REPAINTING_SETTER(SetLineColor, TMTColor, lineColor_)
TOLVANE_REPAINTING_SETTER(SetMTBorderColor, TMTColor, borderColor_)
TOLVANE_REPAINTING_SETTER(SetSelectionType, TMTSelectionType, selectionType_)
TOLVANE_REPAINTING_SETTER(SetShowMTBorder, bool, showBorder_)
#undef TOLVANE_REPAINTING_SETTER

void TMetaTree::SetImagePosition(TImagePosition v)
{
    if (v == imagePosition_)
        return;
    imagePosition_ = v;
    if (Root())
        ComputeAllBoxes(Root());
    PaintNodes(Root());
}

void TMetaTree::SetStyle(TMTStyle v)
{
    if (v == style_)
        return;
    style_ = v;
    if (Root())
        ComputeAllBoxes(Root());
    PaintNodes(Root());
}

void TMetaTree::SetDistance(int v)
{
    geom_.SetDistance(v);
    UpdateView(Root());
}

void TMetaTree::SetStartAngle(double v)
{
    if (v == geom_.StartAngle)
        return;
    geom_.StartAngle = v;
    UpdateView(Root());
}

void TMetaTree::SetEndAngle(double v)
{
    if (v == geom_.EndAngle)
        return;
    geom_.EndAngle = v;
    UpdateView(Root());
}

void TMetaTree::SetIndent(int v)
{
    geom_.SetIndent(v);
    PaintNodes(Root());
}

void TMetaTree::SetMinSector(double v)
{
    if (v >= 0)
        geom_.MinSector = v;
}

void TMetaTree::SetImages(TMTImageList *list)
{
    images_ = list;
    MeasureAll();
    Relayout();
    PaintNodes(Root());
}

void TMetaTree::SetStateImages(TMTImageList *list)
{
    stateImages_ = list;
    MeasureAll();
    Relayout();
    PaintNodes(Root());
}

void TMetaTree::SetHideOverlappingLabels(bool v)
{
    if (v == hideOverlappingLabels_)
        return;
    hideOverlappingLabels_ = v;
    PaintNodes(Root());
}

// --- keyboard ------------------------------------------------------------------------------

void TMetaTree::SetFocusedNode(TMTNode *node)
{
    if (node == focused_)
        return;
    focused_ = node;
    PaintNodes(Root());
}

void TMetaTree::RenderFocus(QPainter &painter)
{
    if (!focused_ || !hasFocus() || !IsShown(*focused_))
        return;
    const QRect box = focused_->LabelHidden && !focused_->Selected ? CompactBox(*focused_)
                                                                   : ToQRect(focused_->TextRect);
    QPen pen(ToQColor(selectedColor_));
    pen.setStyle(Qt::DotLine);
    pen.setWidth(2);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(-4, -4, 3, 3));
    painter.setPen(ToQColor(lineColor_));
}

// The shown node nearest in the direction (dx, dy), within about 60 degrees of it; sideways
// distance counts double, so the arrow keys follow the picture's rows and columns.
TMTNode *TMetaTree::Neighbour(const TMTNode &from, int dx, int dy) const
{
    TMTNode *best = nullptr;
    double bestScore = 0;
    for (TMTNode *node : DrawnNodes()) {
        if (node == &from || !IsShown(*node))
            continue;
        const double vx = node->ScreenX - from.ScreenX, vy = node->ScreenY - from.ScreenY;
        const double along = vx * dx + vy * dy, across = std::abs(vx * dy - vy * dx);
        if (along <= 0 || across > 1.75 * along)
            continue;
        const double score = along + 2 * across;
        if (!best || score < bestScore) {
            best = node;
            bestScore = score;
        }
    }
    return best;
}

void TMetaTree::keyPressEvent(QKeyEvent *event)
{
    static const std::pair<int, QPoint> arrows[] = {{Qt::Key_Left, {-1, 0}},
                                                    {Qt::Key_Right, {1, 0}},
                                                    {Qt::Key_Up, {0, -1}},
                                                    {Qt::Key_Down, {0, 1}}};
    for (const auto &[key, direction] : arrows) {
        if (event->key() != key)
            continue;
        if (!focused_ || !IsShown(*focused_))
            SetFocusedNode(Root());
        else if (TMTNode *next = Neighbour(*focused_, direction.x(), direction.y()))
            SetFocusedNode(next);
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && focused_) {
        if (OnActivate)
            OnActivate(this, focused_);
        return;
    }
    QWidget::keyPressEvent(event);
}
