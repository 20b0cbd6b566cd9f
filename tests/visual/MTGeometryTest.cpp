#include "MTGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

// A fitted 800 x 600 view with rings 100 logical units apart.
TMTGeometry View()
{
    TMTGeometry g;
    g.ResizeView(800, 600);
    g.RingSpacing = 100;
    return g;
}

double AngleOf(const TMTNode &node)
{
    double degrees = std::atan2(node.Y, node.X) * 180 / std::numbers::pi;
    return degrees < 0 ? degrees + 360 : degrees;
}

TMTNode *AddChildren(TMTNodes &nodes, TMTNode *parent, int count)
{
    TMTNode *first = nullptr;
    for (int i = 0; i < count; ++i) {
        TMTNode *child = nodes.Add(parent, QStringLiteral("n%1").arg(i));
        if (!first)
            first = child;
    }
    return first;
}

} // namespace

TEST(MTGeometry, RootChildrenShareTheCircleCounterClockwiseFromTheTop)
{
    TMTGeometry g = View();
    TMTNodes nodes;
    TMTNode *root = nodes.Add(nullptr, QStringLiteral("root"));
    AddChildren(nodes, root, 4);
    g.LayoutNodes(root);
    const double expected[] = {135, 225, 315, 45};
    for (int i = 0; i < 4; ++i) {
        const TMTNode *child = root->Child(i);
        EXPECT_DOUBLE_EQ(child->SectorStart, 90 + 90 * i);
        EXPECT_DOUBLE_EQ(child->SectorEnd, 180 + 90 * i);
        EXPECT_NEAR(AngleOf(*child), expected[i], 1e-9) << i;
        EXPECT_NEAR(std::hypot(child->X, child->Y), 100, 1e-9) << i;
    }
}

TEST(MTGeometry, OnlyChildOfRootLiesLeftOrRightByArrangement)
{
    for (const auto &[arrangement, angle] : {std::pair{TMTArrangement::mtCounterClockwise, 180.0},
                                             std::pair{TMTArrangement::mtClockwise, 0.0}}) {
        TMTGeometry g = View();
        g.Arrangement = arrangement;
        TMTNodes nodes;
        TMTNode *root = nodes.Add(nullptr, QStringLiteral("root"));
        TMTNode *child = nodes.Add(root, QStringLiteral("only"));
        TMTNode *grandchild = nodes.Add(child, QStringLiteral("further"));
        g.LayoutNodes(root);
        EXPECT_NEAR(std::fmod(AngleOf(*child), 360), angle, 1e-9);
        EXPECT_NEAR(child->X, angle == 0 ? 100 : -100, 1e-9);
        EXPECT_NEAR(child->Y, 0, 1e-9);
        // A non-root parent passes its whole sector on: the line continues outward.
        EXPECT_DOUBLE_EQ(grandchild->SectorStart, child->SectorStart);
        EXPECT_DOUBLE_EQ(grandchild->SectorEnd, child->SectorEnd);
        EXPECT_GT(std::abs(grandchild->X), std::abs(child->X) + 90);
        EXPECT_EQ(grandchild->X > 0, child->X > 0);
        EXPECT_NEAR(grandchild->Y, 0, 1e-6);
    }
}

TEST(MTGeometry, CrowdedChildrenGetMinSectorAndOverhangBothEnds)
{
    TMTGeometry g = View();
    TMTNodes nodes;
    TMTNode *root = nodes.Add(nullptr, QStringLiteral("root"));
    TMTNode *first = AddChildren(nodes, root, 12); // 30 degrees each: 90..120 for the first
    AddChildren(nodes, first, 40);
    g.LayoutNodes(root);
    ASSERT_DOUBLE_EQ(first->SectorStart, 90);
    ASSERT_DOUBLE_EQ(first->SectorEnd, 120);
    EXPECT_DOUBLE_EQ(first->Child(0)->SectorStart, 85);
    EXPECT_DOUBLE_EQ(first->Child(0)->SectorEnd, 86);
    EXPECT_DOUBLE_EQ(first->Child(39)->SectorStart, 124);
    EXPECT_DOUBLE_EQ(first->Child(39)->SectorEnd, 125);
}

TEST(MTGeometry, HiddenNodesTakeNoSectorAndLeaveNoGap)
{
    TMTGeometry g = View();
    TMTNodes nodes;
    TMTNode *root = nodes.Add(nullptr, QStringLiteral("root"));
    AddChildren(nodes, root, 4);
    root->Child(1)->Visible = false;
    g.LayoutNodes(root);
    EXPECT_DOUBLE_EQ(root->Child(0)->SectorStart, 90);
    EXPECT_DOUBLE_EQ(root->Child(2)->SectorStart, 210);
    EXPECT_DOUBLE_EQ(root->Child(3)->SectorStart, 330);
    EXPECT_DOUBLE_EQ(root->Child(3)->SectorEnd, 450);
}

TEST(MTGeometry, RootStaysAtThePanAndEdgesStraightenAwayFromTheCentre)
{
    TMTGeometry g = View();
    g.PanX = 120;
    g.PanY = -45;
    TMTNodes nodes;
    TMTNode *root = nodes.Add(nullptr, QStringLiteral("root"));
    AddChildren(nodes, root, 5);
    g.LayoutNodes(root);
    EXPECT_EQ(root->X, 0);
    EXPECT_EQ(root->Y, 0);
    EXPECT_EQ(root->ScreenX, g.CenterX + std::lround(TMTGeometry::Project(g.AxisX, 120)));
    EXPECT_EQ(root->ScreenY, g.CenterY - std::lround(TMTGeometry::Project(g.AxisY, -45)));
    // Layout from scratch each time: a second run gives the same picture.
    std::vector<std::pair<int, int>> first;
    for (const TMTNode *child : root->Children())
        first.emplace_back(child->ScreenX, child->ScreenY);
    g.LayoutNodes(root);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(std::pair(root->Child(i)->ScreenX, root->Child(i)->ScreenY), first[i]);
}

TEST(MTGeometry, ArcToOffsetIsOddAndZeroWithoutAxis)
{
    EXPECT_EQ(TMTGeometry::ArcToOffset(0, 500, 100), 0);
    EXPECT_NEAR(TMTGeometry::Project(50, 0), 0, 1);
    for (const double u : {0.5, 3.0, 40.0, 250.0, 1e4, 1e7}) {
        const double plus = TMTGeometry::Project(50, u);
        const double minus = TMTGeometry::Project(50, -u);
        EXPECT_NEAR(plus, -minus, 1) << u;
        // The offset found has the arc length asked for, to the bisection's tolerance.
        EXPECT_NEAR(TMTGeometry::ArcLength(50, plus), u, u < 1 ? 1 : 1 + 0.01 * u) << u;
        EXPECT_LE(plus, std::sqrt(2 * 50 * u) + 1) << u;
    }
    // Hostile numbers end the search rather than spinning.
    EXPECT_EQ(TMTGeometry::ArcToOffset(50, std::nan(""), 10), 0);
    EXPECT_EQ(TMTGeometry::ArcToOffset(50, 1e300, INFINITY), 0);
}

TEST(MTGeometry, FittedViewEllipseMatchesTheViewRadius)
{
    for (const auto &[w, h] :
         {std::pair{800, 600}, std::pair{300, 300}, std::pair{1280, 400}, std::pair{200, 900}}) {
        TMTGeometry g;
        g.ResizeView(w, h);
        EXPECT_EQ(g.CenterX, w / 2);
        // Balancing the two axes may take a pixel or two off one of them.
        EXPECT_NEAR(g.HalfWidth, (w - 20) / 2, 3) << w << "x" << h;
        EXPECT_NEAR(g.HalfHeight, (h - 20) / 2, 3) << w << "x" << h;
        const double rx = TMTGeometry::ParabolaHeight(g.AxisX, g.HalfWidth);
        const double ry = TMTGeometry::ParabolaHeight(g.AxisY, g.HalfHeight);
        EXPECT_NEAR(rx, g.ViewRadius, 0.02 * g.ViewRadius + 2) << w << "x" << h;
        EXPECT_NEAR(ry, g.ViewRadius, 0.02 * g.ViewRadius + 2) << w << "x" << h;
        EXPECT_TRUE(g.PointInView(g.CenterX, g.CenterY));
        EXPECT_FALSE(g.PointInView(g.CenterX + g.HalfWidth + 2, g.CenterY));
        EXPECT_FALSE(g.PointInView(g.CenterX, g.CenterY - g.HalfHeight - 2));
        // The first ring always lies inside the smaller half axis.
        const int firstRing =
            std::lround(TMTGeometry::Project(std::min(g.AxisX, g.AxisY), g.RingSpacing));
        EXPECT_LE(firstRing, std::min(g.HalfWidth, g.HalfHeight)) << w << "x" << h;
    }
}

TEST(MTGeometry, TooSmallViewHasNoInside)
{
    TMTGeometry g;
    g.ResizeView(15, 400);
    EXPECT_EQ(g.HalfWidth, 0);
    EXPECT_EQ(g.HalfHeight, 0);
    g.AxisX = 0;
    EXPECT_FALSE(g.PointInView(7, 200));
}

TEST(MTGeometry, EllipseCrossingFindsTheRim)
{
    // From the centre straight right, the rim of a 300 x 200 ellipse is at x = 300.
    const auto t = TMTGeometry::EllipseCrossing({0, 0}, {600, 0}, 300, 200);
    ASSERT_TRUE(t);
    EXPECT_NEAR(*t, 0.5, 1e-9);
    const auto up = TMTGeometry::EllipseCrossing({0, 0}, {0, 50}, 300, 200);
    ASSERT_TRUE(up);
    EXPECT_NEAR(*up * 50, 200, 1e-9);
    EXPECT_FALSE(TMTGeometry::EllipseCrossing({0, 0}, {0, 0}, 300, 200));
    EXPECT_FALSE(TMTGeometry::EllipseCrossing({1000, 1000}, {1000, 1200}, 300, 200));
}
