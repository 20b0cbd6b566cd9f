#include "MTGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace {

double Sign(double v)
{
    return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0);
}

// Rounds halves to even, as the processor does by default.
int Round(double v)
{
    if (!std::isfinite(v))
        return 0;
    return static_cast<int>(std::clamp(std::nearbyint(v), -2147483648.0, 2147483647.0));
}

double Squared(double v)
{
    return v * v;
}

} // namespace

double TMTGeometry::ArcLength(double a, double t)
{
    const double root = std::sqrt(t * t + a * a);
    return a / 2 * std::log((t + root) / a) + t * root / (2 * a);
}

double TMTGeometry::ArcToOffset(double a, double u, double bound)
{
    if (a == 0 || !std::isfinite(u) || !std::isfinite(bound))
        return 0;
    double lo = 0, hi = bound;
    if (bound < 0)
        std::swap(lo, hi);
    double fLo = ArcLength(a, lo) - u; // kept with lo: every layout projects each node twice
    // Each round halves the bracket, so a double runs out of bits long before this limit.
    for (int round = 0; round < 2100; ++round) {
        const double mid = (lo + hi) / 2;
        const double f = ArcLength(a, mid) - u;
        if (std::abs(f) < 1)
            return mid;
        if (fLo * f < 0) {
            hi = mid;
        } else {
            lo = mid;
            fLo = f;
        }
        if (std::abs(hi - lo) < 1)
            break;
    }
    return (lo + hi) / 2;
}

double TMTGeometry::Project(int a, double u)
{
    return ArcToOffset(a, u, Sign(u) * std::sqrt(2.0 * a * std::abs(u)));
}

double TMTGeometry::ParabolaHeight(int a, double d)
{
    return a == 0 ? 0 : Sign(d) * d * d / (2.0 * a);
}

std::optional<double> TMTGeometry::EllipseCrossing(TMTPointF p1, TMTPointF p2, double a, double b)
{
    // Scaled down so that the fourth powers stay well inside a double's precise range.
    p1 = {p1.x / 100, p1.y / 100};
    p2 = {p2.x / 100, p2.y / 100};
    a /= 100;
    b /= 100;
    const double dx = p2.x - p1.x, dy = p2.y - p1.y;
    const double a2 = a * a, b2 = b * b;
    const double h = dx * dx * b2 + dy * dy * a2;
    const double r = p1.x * dx * b2 + p1.y * dy * a2;
    const double c = p1.x * p1.x * b2 + p1.y * p1.y * a2 - a2 * b2;
    const double disc = r * r - h * c;
    if (disc < 0 || h == 0)
        return std::nullopt;
    return (std::sqrt(disc) - r) / h;
}

// Shrinks the longer half axis until both parabola heights meet.
void TMTGeometry::Balance(int &halfWidth, int &halfHeight, double &hx, double &hy) const
{
    const auto heights = [&] {
        hx = Squared(halfWidth) / (2.0 * AxisX);
        hy = Squared(halfHeight) / (2.0 * AxisY);
    };
    heights();
    if (hy < hx) {
        while (hy < hx && AxisX > 1 && halfWidth > 0) {
            --halfWidth;
            heights();
        }
    } else {
        while (hy > hx && AxisY > 1 && halfHeight > 0) {
            --halfHeight;
            heights();
        }
    }
}

void TMTGeometry::ResizeView(int width, int height)
{
    width_ = width;
    height_ = height;
    CenterX = static_cast<int>(static_cast<unsigned>(width) >> 1);
    CenterY = static_cast<int>(static_cast<unsigned>(height) >> 1);
    const int w = (width - 2 * indent_) / 2;
    const int h = (height - 2 * indent_) / 2;
    HalfWidth = w;
    HalfHeight = h;
    if (w <= 0 || h <= 0) {
        HalfWidth = HalfHeight = 0;
        return;
    }
    AxisX = AxisX0;
    AxisY = AxisY0;
    double hx = 0, hy = 0;
    Balance(HalfWidth, HalfHeight, hx, hy);
    ViewRadius = std::max(1, Round(std::min(hx, hy)));
    AxisX = std::max(1, Round(Squared(w) / (2.0 * ViewRadius)));
    AxisY = std::max(1, Round(Squared(h) / (2.0 * ViewRadius)));
    HalfWidth = w;
    HalfHeight = h;
    Balance(HalfWidth, HalfHeight, hx, hy);
    ViewRadius = std::max(1, Round(std::min(hx, hy)));

    SpacingFrom(distance_);
    const int smaller = std::min(HalfWidth, HalfHeight);
    const int minAxis = std::min(AxisX, AxisY);
    if (smaller < Round(ArcToOffset(minAxis, RingSpacing, RingSpacing)))
        SpacingFrom(0.85 * smaller);
}

void TMTGeometry::SpacingFrom(double distance)
{
    if (AxisX == 0 || AxisY == 0)
        return;
    RingSpacing = std::clamp(Round(Squared(distance) / (2.0 * std::min(AxisX, AxisY))), 0, 65535);
}

void TMTGeometry::SetDistance(int distance)
{
    distance_ = std::clamp(distance, 0, 65535);
    SpacingFrom(distance_);
}

void TMTGeometry::SetIndent(int indent)
{
    indent_ = std::clamp(indent, 0, 65535);
    HalfWidth = (width_ - 2 * indent_) / 2;
    HalfHeight = (height_ - 2 * indent_) / 2;
    if (HalfWidth <= 0 || HalfHeight <= 0)
        HalfWidth = HalfHeight = 0;
}

// --- layout --------------------------------------------------------------------------------

void TMTGeometry::LayoutNodes(TMTNode *from) const
{
    if (!from)
        return;
    if (TMTNode *parent = from->Parent(); parent && !parent->Expanded())
        return;
    // Both passes walk with an explicit stack: a stored or built tree may nest deeper than the
    // call stack reaches.
    if (!from->Parent())
        PlaceRoot(*from);
    else
        PlaceChildren(*from->Parent(), from);
    ForEachLaidOut(from, [this](TMTNode &node) { PlaceChildren(node, nullptr); });
    ForEachLaidOut(from, [this](TMTNode &node) { Straighten(node); });
}

template <typename Visit> void TMTGeometry::ForEachLaidOut(TMTNode *from, Visit visit)
{
    ForEachShownNode(from, visit);
}

void TMTGeometry::PlaceRoot(TMTNode &root) const
{
    root.X = root.Y = 0;
    root.SectorStart = StartAngle;
    root.SectorEnd = EndAngle;
}

// Sectors and ring positions of the parent's Visible children, all of them or only one; the
// count and each child's rank are taken in one pass over the siblings.
void TMTGeometry::PlaceChildren(const TMTNode &parent, TMTNode *only) const
{
    if (!parent.Expanded())
        return;
    const int n = parent.VisibleChildCount();
    const double w = std::abs(parent.SectorEnd - parent.SectorStart);
    double d = n >= 2 ? w / n : (parent.Level() != 0 ? w : 180.0);
    double e = 0;
    if (d < MinSector) {
        e = (n * MinSector - w) / 2;
        d = MinSector;
    }
    int g = 0;
    for (TMTNode *child : parent.Children()) {
        if (!child->Visible)
            continue;
        if (!only || child == only) {
            if (Arrangement == TMTArrangement::mtClockwise) {
                child->SectorStart = parent.SectorStart + e - g * d;
                child->SectorEnd = child->SectorStart - d;
            } else {
                child->SectorStart = g * d + (parent.SectorStart - e);
                child->SectorEnd = child->SectorStart + d;
            }
            const TMTPointF ring = RingPosition(*child);
            child->X = ring.x;
            child->Y = ring.y;
        }
        ++g;
    }
}

TMTPointF TMTGeometry::RingPosition(const TMTNode &node) const
{
    if (!node.Parent())
        return {0, 0};
    const double theta = (node.SectorStart + node.SectorEnd) * std::numbers::pi / 360;
    const double r = static_cast<double>(RingSpacing) * node.Level();
    return {r * std::cos(theta), r * std::sin(theta)};
}

TMTPointF TMTGeometry::Straightened(TMTPointF ring, const TMTPointF *parent, TMTPointF pan)
{
    const TMTPointF toParent = parent ? TMTPointF{parent->x - ring.x, parent->y - ring.y}
                                      : TMTPointF{-ring.x - pan.x, -ring.y - pan.y};
    TMTPointF seen{pan.x + ring.x, pan.y + ring.y};
    if (seen.x != 0 && seen.y != 0) {
        const double scale = std::sqrt((Squared(toParent.x) + Squared(toParent.y)) /
                                       (Squared(seen.x) + Squared(seen.y)));
        seen = {seen.x * scale, seen.y * scale};
    }
    return {ring.x + 0.2 * (toParent.x + seen.x), ring.y + 0.2 * (toParent.y + seen.y)};
}

void TMTGeometry::Straighten(TMTNode &node) const
{
    const TMTNode *parent = node.Parent();
    const TMTPointF parentAt{parent ? parent->X : 0, parent ? parent->Y : 0};
    const TMTPointF moved =
        Straightened({node.X, node.Y}, parent ? &parentAt : nullptr, {PanX, PanY});
    node.ScreenX = CenterX + Round(Project(AxisX, moved.x + PanX));
    node.ScreenY = CenterY - Round(Project(AxisY, moved.y + PanY));
    node.X = moved.x;
    node.Y = moved.y;
}

// --- solving for a pan ---------------------------------------------------------------------

TMTPointF TMTGeometry::LaidOutAt(const TMTNode &node, TMTPointF pan, TMTPointF *parentAt,
                                 TMTPointF *ring) const
{
    std::vector<const TMTNode *> path;
    for (const TMTNode *up = &node; up; up = up->Parent())
        path.push_back(up);
    TMTPointF at{0, 0}, above{0, 0}, own{0, 0};
    bool first = true;
    for (auto it = path.rbegin(); it != path.rend(); ++it) {
        above = at;
        own = RingPosition(**it);
        at = Straightened(own, first ? nullptr : &above, pan);
        first = false;
    }
    if (parentAt)
        *parentAt = above;
    if (ring)
        *ring = own;
    return at;
}

// The straightening moves a node toward the direction it is seen in, so the pan that puts it on
// a target is found by undoing that move for the direction it implies, a few times over since
// the ancestors move with the pan too. Each round walks only the node's own path.
TMTPointF TMTGeometry::PanToShow(const TMTNode &node, TMTPointF target) const
{
    constexpr int Rounds = 24;
    constexpr double NearCentre = 0.25; // the straightening has no fixed point at the centre
    TMTPointF pan{PanX, PanY}, best = pan;
    double bestMiss = std::numeric_limits<double>::infinity();
    if (!node.Parent())
        return {target.x, target.y}; // the root sits at the pan itself
    for (int round = 0; round < Rounds; ++round) {
        TMTPointF parentAt, ring;
        const TMTPointF at = LaidOutAt(node, pan, &parentAt, &ring);
        const double miss = std::hypot(at.x + pan.x - target.x, at.y + pan.y - target.y);
        if (miss < bestMiss) {
            bestMiss = miss;
            best = pan;
        }
        if (miss < 0.05)
            break;
        // Seen from the centre at q, the node lands at q + 0.2 (D + |D| q/|q|).
        const TMTPointF toParent{parentAt.x - ring.x, parentAt.y - ring.y};
        const double reach = 0.2 * std::hypot(toParent.x, toParent.y);
        const TMTPointF want{target.x - 0.2 * toParent.x, target.y - 0.2 * toParent.y};
        const double wantLength = std::hypot(want.x, want.y);
        TMTPointF direction =
            wantLength > 0 ? TMTPointF{want.x / wantLength, want.y / wantLength} : TMTPointF{1, 0};
        const double distance = std::max(wantLength - reach, NearCentre);
        TMTPointF seen{direction.x * distance, direction.y * distance};
        // A component of exactly zero would switch the straightening's rescaling off.
        if (seen.x == 0)
            seen.x = 1e-9;
        if (seen.y == 0)
            seen.y = 1e-9;
        pan = {seen.x - ring.x, seen.y - ring.y};
    }
    return best;
}

TMTPointF TMTGeometry::LogicalAt(int x, int y) const
{
    if (AxisX == 0 || AxisY == 0)
        return {0, 0};
    return {ArcLength(AxisX, x - CenterX), ArcLength(AxisY, CenterY - y)};
}

// --- view tests ----------------------------------------------------------------------------

double TMTGeometry::ViewSum(int x, int y) const
{
    return Squared(x - CenterX) / (2.0 * AxisX) + Squared(y - CenterY) / (2.0 * AxisY);
}

bool TMTGeometry::PointInView(int x, int y) const
{
    return AxisX != 0 && AxisY != 0 && ViewSum(x, y) < ViewRadius;
}

bool TMTGeometry::InDrawLimit(int x, int y) const
{
    return AxisX != 0 && AxisY != 0 && ViewSum(x, y) <= ViewRadius;
}

std::optional<std::pair<int, int>> TMTGeometry::RimPoint(int x, int y, double scale) const
{
    const TMTPointF p{double(x - CenterX), double(CenterY - y)};
    const auto t = EllipseCrossing({0, 0}, p, scale * HalfWidth, scale * HalfHeight);
    if (!t)
        return std::nullopt;
    return std::pair{CenterX + Round(p.x * *t), CenterY - Round(p.y * *t)};
}

bool TMTGeometry::IsShown(const TMTNode &node) const
{
    if (!node.Visible || !PointInView(node.ScreenX, node.ScreenY))
        return false;
    for (const TMTNode *up = node.Parent(); up; up = up->Parent())
        if (!up->Expanded() || !up->Visible)
            return false;
    return true;
}

// --- boxes ---------------------------------------------------------------------------------

namespace {

TMTRect Box(int left, int top, int width, int height)
{
    return {left, top, left + width, top + height};
}

} // namespace

void ComputeBoxes(TMTNode &node, TMTStyle style, TImagePosition position)
{
    const int sx = node.ScreenX, sy = node.ScreenY;
    const int tw = node.TextWidth, th = node.TextHeight;
    const int iw = node.ImageWidth, ih = node.ImageHeight;
    const int stw = node.StateWidth, sth = node.StateHeight;
    const int sw = node.SumWidth(), mh = node.MaxHeight();
    switch (style) {
    case TMTStyle::mtsText:
        node.TextRect = Box(sx - tw / 2 - 8, sy - th / 2 - 2, tw + 16, th + 2);
        return;
    case TMTStyle::mtsImage:
        node.ImageRect = Box(sx - sw / 2 + stw, sy - ih / 2, iw, ih);
        node.StateRect = Box(sx - sw / 2, sy - sth / 2, stw, sth);
        return;
    case TMTStyle::mtsBoth:
        break;
    }
    const int textW = tw + 16, textH = th + 4;
    switch (position) {
    case TImagePosition::ipLeft:
        node.TextRect = Box(sx - (sw + tw) / 2 - 8 + sw, sy - (th + 4) / 2, textW, textH);
        node.ImageRect = Box(node.TextRect.Left - iw - 1, sy - ih / 2, iw, ih);
        node.StateRect = Box(node.ImageRect.Left - stw, sy - sth / 2, stw, sth);
        break;
    case TImagePosition::ipTop:
        node.TextRect = Box(sx - tw / 2 - 8, sy - (th + 4 + mh) / 2 + mh, textW, textH);
        node.ImageRect = Box(sx - sw / 2 + stw, node.TextRect.Top - ih - 1, iw, ih);
        node.StateRect = Box(sx - sw / 2, node.TextRect.Top - sth - 1, stw, sth);
        break;
    case TImagePosition::ipRight:
        node.TextRect = Box(sx - (sw + tw) / 2 - 8, sy - (th + 4) / 2, textW, textH);
        node.ImageRect = Box(node.TextRect.Left + tw + 17, sy - ih / 2, iw, ih);
        node.StateRect = Box(node.ImageRect.Left + iw, sy - sth / 2, stw, sth);
        break;
    case TImagePosition::ipBottom:
        node.TextRect = Box(sx - tw / 2 - 8, sy - 4 - (th + mh) / 2, textW, textH);
        node.ImageRect = Box(sx - sw / 2 + stw, node.TextRect.Top + th + 5, iw, ih);
        node.StateRect = Box(sx - sw / 2, node.ImageRect.Top, stw, sth);
        break;
    }
}

bool NodeContains(const TMTNode &node, int x, int y, TMTStyle style, TImagePosition position)
{
    const bool text = style != TMTStyle::mtsImage;
    if (text && node.TextRect.Contains(x, y))
        return true;
    if (style != TMTStyle::mtsText) {
        if (node.ImageIndex() >= 0 && node.ImageRect.Contains(x, y))
            return true;
        if (node.StateIndex() >= 0 && node.StateRect.Contains(x, y))
            return true;
    }
    if (style != TMTStyle::mtsBoth || node.ImageIndex() < 0)
        return false;
    const TMTRect &t = node.TextRect, &i = node.ImageRect;
    const bool textRows = y >= t.Top && y <= t.Bottom;
    const bool sharedColumns = x >= std::max(t.Left, i.Left) && x <= std::min(t.Right, i.Right);
    switch (position) {
    case TImagePosition::ipLeft:
        return textRows && i.Right < x && x < t.Left;
    case TImagePosition::ipRight:
        return textRows && t.Right < x && x < i.Left;
    case TImagePosition::ipTop:
        return sharedColumns && i.Bottom < y && y < t.Top;
    case TImagePosition::ipBottom:
        return sharedColumns && t.Bottom < y && y < i.Top;
    }
    return false;
}

TMTRect BoxUnion(const TMTNode &node, bool text, bool image, bool state)
{
    std::optional<TMTRect> all;
    const auto join = [&all](const TMTRect &r) {
        if (!all)
            all = r;
        else
            all = TMTRect{std::min(all->Left, r.Left), std::min(all->Top, r.Top),
                          std::max(all->Right, r.Right), std::max(all->Bottom, r.Bottom)};
    };
    if (text)
        join(node.TextRect);
    if (image)
        join(node.ImageRect);
    if (state)
        join(node.StateRect);
    return all.value_or(TMTRect{});
}
