#pragma once

#include "MTGeometry.h"
#include "MTNode.h"

#include <QImage>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <cmath>
#include <functional>
#include <memory>
#include <optional>

class TMTHint;
class TMTImageList;

enum class TMTBackgroundImageMode
{
    mtbimStretch,
    mtbimCenter,
    mtbimTile
};
enum class TMTSelectionType
{
    mtstRectangle,
    mtstPolyline
};

// A tree of labelled nodes drawn as a radial graph through a fisheye lens: the root in the
// middle of an elliptic view, each generation on a ring around its parent, far nodes squeezed
// toward the rim. Dragging pans the picture; a double click glides a node to the centre.
class TMetaTree : public QWidget, public TMTTreeHost
{
    Q_OBJECT

public:
    explicit TMetaTree(QWidget *parent = nullptr);
    ~TMetaTree() override;

    TMTNodes &Items() { return *items_; }
    const TMTNodes &Items() const { return *items_; }
    void SetItems(const TMTNodes &source) { items_->Assign(source); }
    TMTNode *Root() const { return items_->Root(); }
    TMTNode *SelectedNode() const { return selected_; }
    const TMTGeometry &Geometry() const { return geom_; }
    int MarkerX() const { return markerX_; }
    int MarkerY() const { return markerY_; }
    int PanX() const { return static_cast<int>(std::lround(geom_.PanX)); }
    int PanY() const { return static_cast<int>(std::lround(geom_.PanY)); }

    // --- operations ---
    void BeginUpdate() override;
    void EndUpdate() override;
    bool Updating() const { return updateCount_ > 0; }
    void UpdateView(TMTNode *from) override;
    void LayoutNodes(TMTNode *from) override;
    void PaintNodes(TMTNode *from) override;
    void Expand(TMTNode *node) override;
    void Collapse(TMTNode *node) override;
    void Select(TMTNode *node);
    TMTNode *GetNodeAt(int x, int y) const;
    TMTNode *GetNearestNode(int x, int y) const;
    // Glides the node to the centre, one painted frame about every 15 ms.
    void MoveToCenter(TMTNode *node);
    bool Gliding() const { return glide_.active; }
    // Jumps to the end of a running glide.
    void FinishGlide();
    void ResetView() override;
    // Whether the node is drawn: Visible, inside the view, every ancestor Expanded and Visible.
    bool IsShown(const TMTNode &node) const { return geom_.IsShown(node); }
    bool PointInView(int x, int y) const { return geom_.PointInView(x, y); }

    // The text outline; the file forms begin with a byte-order mark when unicode. Throw
    // ETreeFormatError (bad content) or std::runtime_error (the file cannot be opened).
    void LoadFromFile(const QString &fileName, bool unicode);
    void SaveToFile(const QString &fileName, bool unicode) const;
    void LoadFromStream(QIODevice &stream, bool unicode);
    void SaveToStream(QIODevice &stream, bool unicode) const;

    // --- properties (setters as documented for the control) ---
    bool Animated() const override { return animated_; }
    void SetAnimated(bool v) { animated_ = v; }
    TMTArrangement Arrangement() const { return geom_.Arrangement; }
    void SetArrangement(TMTArrangement v);
    bool AutoMoveCenter() const { return autoMoveCenter_; }
    void SetAutoMoveCenter(bool v) { autoMoveCenter_ = v; }
    int AutoMoveSpeed() const { return autoMoveSpeed_; }
    // Values outside 1..20 are ignored.
    void SetAutoMoveSpeed(int v);
    const QImage &BackgroundImage() const { return backgroundImage_; }
    void SetBackgroundImage(const QImage &image);
    TMTBackgroundImageMode BackgroundImageMode() const { return backgroundImageMode_; }
    void SetBackgroundImageMode(TMTBackgroundImageMode v);
    bool BorderSingle() const { return borderSingle_; }
    void SetBorderSingle(bool v);
    TMTColor Color() const { return color_; }
    void SetColor(TMTColor v);
    TMTColor FontColor() const { return fontColor_; }
    void SetFontColor(TMTColor v);
    TMTColor DefaultColor() const override { return defaultColor_; }
    void SetDefaultColor(TMTColor v) { defaultColor_ = v; }
    TMTColor DisableColor() const { return disableColor_; }
    void SetDisableColor(TMTColor v);
    int Distance() const { return geom_.Distance(); }
    void SetDistance(int v);
    bool DoubleClickExpandCollapseNode() const { return dblClickToggles_; }
    void SetDoubleClickExpandCollapseNode(bool v) { dblClickToggles_ = v; }
    bool EnableMove() const { return enableMove_; }
    void SetEnableMove(bool v) { enableMove_ = v; }
    double EndAngle() const { return geom_.EndAngle; }
    void SetEndAngle(double v);
    TMTImageList *Images() const { return images_; }
    void SetImages(TMTImageList *list);
    TImagePosition ImagePosition() const { return imagePosition_; }
    void SetImagePosition(TImagePosition v);
    int Indent() const { return geom_.Indent(); }
    void SetIndent(int v);
    TMTColor LineColor() const { return lineColor_; }
    void SetLineColor(TMTColor v);
    double MinSector() const { return geom_.MinSector; }
    // Negative values are ignored.
    void SetMinSector(double v);
    TMTColor MTBorderColor() const { return borderColor_; }
    void SetMTBorderColor(TMTColor v);
    TMTColor SelectedColor() const { return selectedColor_; }
    void SetSelectedColor(TMTColor v) { selectedColor_ = v; }
    TMTSelectionType SelectionType() const { return selectionType_; }
    void SetSelectionType(TMTSelectionType v);
    bool ShowMTBorder() const { return showBorder_; }
    void SetShowMTBorder(bool v);
    double StartAngle() const { return geom_.StartAngle; }
    void SetStartAngle(double v);
    TMTImageList *StateImages() const { return stateImages_; }
    void SetStateImages(TMTImageList *list);
    TMTStyle Style() const { return style_; }
    void SetStyle(TMTStyle v);

    // --- events (each optional) ---
    std::function<void(TMetaTree *, TMTNode *, QString &)> OnInfoTip;
    std::function<void(TMetaTree *, TMTNode *)> OnCollapsed;
    std::function<void(TMetaTree *, TMTNode *, bool &)> OnCollapsing;
    std::function<void(TMetaTree *, TMTNode *, int, int)> OnDblClick;
    std::function<void(TMetaTree *, TMTNode *)> OnDeletion;
    std::function<void(TMetaTree *, int, int)> OnEndMoving;
    std::function<void(TMetaTree *, TMTNode *)> OnExpanded;
    std::function<void(TMetaTree *, TMTNode *, bool &)> OnExpanding;
    std::function<void(TMetaTree *, int, int)> OnMoving;
    std::function<void(TMetaTree *, TMTNode *)> OnSelect;
    std::function<void(TMetaTree *, int, int)> OnStartMoving;
    std::function<void(TMetaTree *, TMTNode *)> OnUnSelect;
    // A press and release of the left button on the control.
    std::function<void(TMetaTree *)> OnClick;

    // Labels that would overlap one nearer the centre are left out at each paint; their nodes are
    // drawn as small boxes whose label shows when the mouse rests on them. Off by default.
    bool HideOverlappingLabels() const { return hideOverlappingLabels_; }
    void SetHideOverlappingLabels(bool v);
    // The nodes the last layout puts inside the drawing limit, in pre-order.
    std::vector<TMTNode *> DrawnNodes() const;

    // The node the arrow keys move a focus frame between (to the nearest shown neighbour in the
    // arrow's direction); Enter raises OnActivate for it. The root when none was chosen.
    TMTNode *FocusedNode() const { return focused_; }
    void SetFocusedNode(TMTNode *node);
    std::function<void(TMetaTree *, TMTNode *)> OnActivate;

    // Where the last left button release happened, in client coordinates.
    QPoint ClickPos() const { return clickPos_; }

    // The widget colour of a stored colour value.
    QColor ToQColor(TMTColor value) const;
    // Where the tip for the node is anchored: its box, or the marker square for the root.
    QRect TipAnchor(const TMTNode &node) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // TMTTreeHost
    bool Destroying() const override { return destroying_; }
    void DrawNode(TMTNode *node) override;
    void Measure(TMTNode &node) override;
    bool HasDeletionHandler() const override { return bool(OnDeletion); }
    void DoDeletion(TMTNode *node) override;
    void Forget(TMTNode *node) override;

    void MeasureAll();
    void ResizeView(int width, int height);
    void Render(QPainter &painter);
    void RenderBackground(QPainter &painter);
    template <typename Visit> static void ForEachReached(TMTNode *from, Visit visit);
    void RenderEdges(QPainter &painter, TMTNode *from);
    void RenderNodes(QPainter &painter, TMTNode *from);
    void RenderNode(QPainter &painter, TMTNode &node);
    void RenderMarker(QPainter &painter, TMTNode &root);
    void RenderFocus(QPainter &painter);
    TMTNode *Neighbour(const TMTNode &from, int dx, int dy) const;
    void PlaceLabels(TMTNode *root);
    void RenderCompact(QPainter &painter, const TMTNode &node);
    static constexpr int CompactHalf = 4;
    static QRect CompactBox(const TMTNode &node);
    void RenderSelection(QPainter &painter, const TMTNode &node, bool text, bool image, bool state);
    void DrawExpandSign(QPainter &painter, const TMTNode &node, int x, int y);
    void DrawEdge(QPainter &painter, QPoint from, QPoint to);
    void ComputeAllBoxes(TMTNode *from);
    bool HasImage(const TMTNode &node) const;
    bool HasStateImage(const TMTNode &node) const;
    bool Contains(const TMTNode &node, int x, int y) const;
    // True when the point was on the node's expand box (and the node was toggled).
    bool ToggleExpandBox(TMTNode &node, int x, int y);
    bool ExpandOne(TMTNode *node);
    void StartViewDrag(int x, int y);
    // The point, or where the line to it from the centre meets the 0.97 ellipse; none when not.
    std::optional<QPoint> InsideRim(int x, int y) const;
    void EndMoving(int x, int y);
    void DragView(int x, int y);
    void DragNode(int x, int y);
    void Hover(int x, int y);
    void GlideFrame();
    void Relayout();

    std::unique_ptr<TMTNodes> items_;
    TMTGeometry geom_;
    TMTHint *hint_ = nullptr;
    TMTNode *selected_ = nullptr;
    TMTNode *focused_ = nullptr;
    int markerX_ = -1, markerY_ = -1;
    int updateCount_ = 1;
    bool destroying_ = false;
    QPixmap buffer_;
    bool bufferStale_ = true;

    double basePanX_ = 0, basePanY_ = 0;
    double dragStartX_ = 0, dragStartY_ = 0; // logical offset of the press point
    int grabX_ = 0, grabY_ = 0;
    TMTNode *dragged_ = nullptr; // the word a view drag holds under the pointer
    bool viewDragging_ = false, nodeDragging_ = false;
    bool pressedHere_ = false;
    QPoint pressPos_;
    QPoint clickPos_;

    struct TGlide
    {
        bool active = false;
        double stepX = 0, stepY = 0;
        double endX = 0, endY = 0;
        int framesLeft = 0;
    } glide_;
    QTimer glideTimer_;

    bool animated_ = false;
    bool autoMoveCenter_ = true;
    int autoMoveSpeed_ = 10;
    QImage backgroundImage_;
    TMTBackgroundImageMode backgroundImageMode_ = TMTBackgroundImageMode::mtbimStretch;
    bool borderSingle_ = true;
    TMTColor color_ = 0xFF000005;     // window
    TMTColor fontColor_ = 0xFF000005; // window
    TMTColor defaultColor_ = clBackground;
    TMTColor disableColor_ = 0xFF000010; // button shadow
    bool dblClickToggles_ = true;
    bool enableMove_ = true;
    TMTImageList *images_ = nullptr;
    TMTImageList *stateImages_ = nullptr;
    TImagePosition imagePosition_ = TImagePosition::ipTop;
    TMTColor lineColor_ = 0xFF000010;   // button shadow
    TMTColor borderColor_ = 0xFF00000F; // button face
    TMTColor selectedColor_ = 255;      // red
    TMTSelectionType selectionType_ = TMTSelectionType::mtstPolyline;
    bool showBorder_ = true;
    bool hideOverlappingLabels_ = false;
    TMTStyle style_ = TMTStyle::mtsBoth;

    friend class TMTHint;
};
