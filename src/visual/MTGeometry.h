#pragma once

#include "MTNode.h"

#include <optional>

enum class TMTArrangement
{
    mtClockwise,
    mtCounterClockwise
};
enum class TMTStyle
{
    mtsText,
    mtsImage,
    mtsBoth
};
enum class TImagePosition
{
    ipLeft,
    ipTop,
    ipRight,
    ipBottom
};

struct TMTPointF
{
    double x = 0, y = 0;
};

// The numbers of the fisheye view: the projection of each axis onto a parabola, the view ellipse
// fitted to the control's size, the two layout passes that place a tree on rings, and the boxes
// a node is drawn in. Client coordinates have y down; view offsets are relative to the centre
// with y up; logical coordinates are the unbounded plane the tree is laid out in.
class TMTGeometry
{
public:
    static constexpr int AxisX0 = 50;
    static constexpr int AxisY0 = 37;

    // Arc length of the parabola t^2/(2a) from its vertex to t.
    static double ArcLength(double a, double t);
    // The offset whose arc length is u, by bisection in [0, bound]; 0 when a is 0.
    static double ArcToOffset(double a, double u, double bound);
    // The view offset of logical coordinate u on an axis with parameter a.
    static double Project(int a, double u);
    // The logical amount a view offset d stands for: sign(d) d^2/(2a).
    static double ParabolaHeight(int a, double d);
    // Where the segment p1 -> p2 (view offsets) leaves the ellipse of half axes a, b: the
    // parameter t of p1 + t (p2 - p1); none when it does not cross.
    static std::optional<double> EllipseCrossing(TMTPointF p1, TMTPointF p2, double a, double b);

    // Fits the view to a control of this size and recomputes the ring spacing.
    void ResizeView(int width, int height);
    // Sets the ring distance and recomputes the ring spacing from it.
    void SetDistance(int distance);
    int Distance() const { return distance_; }
    // Half axes from the indent; the axes and the view radius wait for the next resize.
    void SetIndent(int indent);
    int Indent() const { return indent_; }

    // Both layout passes over the subtree of from (the whole tree from the root), in time linear
    // in its size and without recursion.
    void LayoutNodes(TMTNode *from) const;
    // Where the node's laid-out logical position would be at this pan, from its sector alone (the
    // last layout's sectors); optionally its parent's position and its own ring position. Walks
    // only the node's path.
    TMTPointF LaidOutAt(const TMTNode &node, TMTPointF pan, TMTPointF *parentAt = nullptr,
                        TMTPointF *ring = nullptr) const;
    // The pan at which the node's laid-out position plus the pan comes nearest the target (view
    // offsets in logical units: (0, 0) is the centre).
    TMTPointF PanToShow(const TMTNode &node, TMTPointF target) const;
    // The logical offset from the centre shown at a client point: the exact inverse of the
    // projection.
    TMTPointF LogicalAt(int x, int y) const;

    // Whether a client point lies inside the view ellipse.
    bool PointInView(int x, int y) const;
    // Whether a node centred there is drawn in full.
    bool InDrawLimit(int x, int y) const;
    // The client point where the line from the view centre toward (x, y) meets the ellipse of
    // half axes scale * HalfWidth, scale * HalfHeight, rounded; none when it does not.
    std::optional<std::pair<int, int>> RimPoint(int x, int y, double scale) const;
    // Visible, inside the view, and every ancestor Expanded and Visible.
    bool IsShown(const TMTNode &node) const;

    int CenterX = 0, CenterY = 0;
    int HalfWidth = 0, HalfHeight = 0;
    int AxisX = AxisX0, AxisY = AxisY0;
    int ViewRadius = 0;
    int RingSpacing = 0;
    double PanX = 0, PanY = 0;
    double StartAngle = 90.0;
    double EndAngle = 450.0;
    double MinSector = 1.0;
    TMTArrangement Arrangement = TMTArrangement::mtCounterClockwise;

private:
    void Balance(int &halfWidth, int &halfHeight, double &hx, double &hy) const;
    void SpacingFrom(double distance);
    template <typename Visit> static void ForEachLaidOut(TMTNode *from, Visit visit);
    void PlaceRoot(TMTNode &root) const;
    void PlaceChildren(const TMTNode &parent, TMTNode *only) const;
    TMTPointF RingPosition(const TMTNode &node) const;
    static TMTPointF Straightened(TMTPointF ring, const TMTPointF *parent, TMTPointF pan);
    void Straighten(TMTNode &node) const;
    double ViewSum(int x, int y) const;

    int width_ = 0, height_ = 0;
    int distance_ = 100;
    int indent_ = 10;
};

// The text, image and state boxes of a node centred at its screen position.
void ComputeBoxes(TMTNode &node, TMTStyle style, TImagePosition position);
// Whether a client point is on the node's boxes, or between its text and its image.
bool NodeContains(const TMTNode &node, int x, int y, TMTStyle style, TImagePosition position);
// The union of the text box and the present image boxes.
TMTRect BoxUnion(const TMTNode &node, bool text, bool image, bool state);
