#include "LabelPlacer.h"
#include "MetaTree.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

// A shown control with a root, `fan` children and `fan` grandchildren under each.
std::unique_ptr<TMetaTree> FanTree(int size, int fan)
{
    auto tree = std::make_unique<TMetaTree>();
    tree->resize(size, size);
    tree->show();
    tree->BeginUpdate();
    TMTNodes &nodes = tree->Items();
    TMTNode *root = nodes.Add(nullptr, QStringLiteral("root"));
    for (int i = 0; i < fan; ++i) {
        TMTNode *child = nodes.Add(root, QStringLiteral("word%1").arg(i));
        for (int j = 0; j < fan; ++j)
            nodes.Add(child, QStringLiteral("w%1.%2").arg(i).arg(j));
    }
    tree->EndUpdate();
    return tree;
}

void MoveHeld(QWidget *widget, QPoint to)
{
    QMouseEvent move(QEvent::MouseMove, to, widget->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

double Miss(const TMetaTree &tree, const TMTNode &node)
{
    return std::hypot(node.ScreenX - tree.Geometry().CenterX,
                      node.ScreenY - tree.Geometry().CenterY);
}

} // namespace

TEST(MetaTreeDepth, AHundredThousandLevelsAreLaidOutPaintedAndHitTested)
{
    for (const bool batch : {false, true}) {
        SCOPED_TRACE(batch ? "in one batch" : "one Add at a time");
        TMetaTree tree;
        tree.resize(300, 300);
        tree.show();
        if (batch)
            tree.BeginUpdate();
        TMTNode *node = tree.Items().Add(nullptr, QStringLiteral("root"));
        for (int i = 0; i < 100000; ++i)
            node = tree.Items().Add(node, QStringLiteral("n"));
        if (batch)
            tree.EndUpdate();
        tree.LayoutNodes(tree.Root());
        QImage canvas(tree.size(), QImage::Format_RGB32);
        tree.render(&canvas);
        EXPECT_EQ(tree.GetNodeAt(150, 150), tree.Root());
        tree.Collapse(tree.Root());
        tree.Expand(node); // opens the collapsed root, the one ancestor that hides it
        EXPECT_TRUE(tree.Root()->Expanded());
        EXPECT_EQ(node->Level(), 100000);
        tree.Items().Clear();
        EXPECT_EQ(tree.Items().Count(), 0);
    }
}

TEST(MetaTreeClicks, JitterIsStillAClickButBoxesAndDragsAreNot)
{
    struct Case
    {
        const char *name;
        bool onBox;
        Qt::KeyboardModifiers modifiers;
        QPoint move;
        bool click;
        bool toggled;
    };
    const int jitter = std::max(1, QApplication::startDragDistance() - 1);
    const Case cases[] = {
        {"a pixel of jitter", false, {}, {1, 0}, true, false},
        {"jitter below the drag distance", false, {}, {0, jitter}, true, false},
        {"a view drag", false, {}, {30, 10}, false, false},
        {"the expand box of an outer word", true, {}, {0, 0}, false, true},
        {"a Ctrl drag of the word", false, Qt::ControlModifier, {25, 0}, false, false},
        {"a Ctrl press without moving", false, Qt::ControlModifier, {0, 0}, true, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        auto tree = FanTree(400, 4);
        tree->SetAutoMoveSpeed(20);
        TMTNode *word = tree->Root()->Child(1);
        int clicks = 0;
        tree->OnClick = [&](TMetaTree *) { ++clicks; };
        const QPoint at = c.onBox ? QPoint(word->TextRect.Left + 3, word->TextRect.Top + 3)
                                  : QPoint(word->ScreenX, word->ScreenY);
        QTest::mousePress(tree.get(), Qt::LeftButton, c.modifiers, at);
        if (!c.move.isNull())
            MoveHeld(tree.get(), at + c.move);
        QTest::mouseRelease(tree.get(), Qt::LeftButton, c.modifiers, at + c.move);
        EXPECT_EQ(clicks, c.click ? 1 : 0);
        EXPECT_EQ(!word->Expanded(), c.toggled);
    }
}

TEST(MetaTreeDrag, TheGrabbedWordStaysUnderThePointer)
{
    const QPoint moves[] = {{40, 0}, {-120, 35}, {0, -90}, {150, 140}, {-10, -5}};
    auto tree = FanTree(600, 6);
    for (const int index : {0, 3}) {
        TMTNode *word = tree->Root()->Child(index)->Child(2);
        const QPoint start(word->ScreenX, word->ScreenY);
        ASSERT_EQ(tree->GetNodeAt(start.x(), start.y()), word);
        QTest::mousePress(tree.get(), Qt::LeftButton, {}, start);
        for (const QPoint &move : moves) {
            const QPoint to = start + move;
            if (!tree->PointInView(to.x(), to.y()))
                continue;
            MoveHeld(tree.get(), to);
            EXPECT_LE(std::hypot(word->ScreenX - to.x(), word->ScreenY - to.y()), 3.0)
                << word->Text().toStdString() << " moved by " << move.x() << "," << move.y();
        }
        QTest::mouseRelease(tree.get(), Qt::LeftButton, {}, start + moves[4]);
    }
}

TEST(MetaTreeCentring, AnyNodeEndsWithinTwoPixelsOfTheCentre)
{
    auto tree = FanTree(500, 10);
    TMTNode *deep = tree->Root()->Child(7);
    tree->BeginUpdate();
    for (int i = 0; i < 1000; ++i)
        deep = tree->Items().Add(deep, QStringLiteral("d%1").arg(i));
    tree->EndUpdate();
    const std::pair<const char *, TMTNode *> targets[] = {
        {"a child", tree->Root()->Child(2)},
        {"a grandchild", tree->Root()->Child(5)->Child(9)},
        {"the root again", tree->Root()},
        {"1000 levels deep", deep},
        {"a grandchild after the deep one", tree->Root()->Child(0)->Child(0)},
    };
    for (const int speed : {10, 20}) {
        tree->SetAutoMoveSpeed(speed);
        for (const auto &[name, node] : targets) {
            SCOPED_TRACE(std::string(name) + " at speed " + std::to_string(speed));
            tree->MoveToCenter(node);
            tree->FinishGlide();
            EXPECT_LE(Miss(*tree, *node), 2.0);
        }
    }
}

TEST(MetaTreeLabels, CrowdedTreeShowsFiftyLabelsNoneOverlapping)
{
    // 1 + 10 + 100 + 900 nodes at 600 x 600.
    auto tree = FanTree(600, 10);
    tree->BeginUpdate();
    for (int i = 0; i < 10; ++i)
        for (TMTNode *grandchild : tree->Root()->Child(i)->Children())
            for (int k = 0; k < 9; ++k)
                tree->Items().Add(grandchild, QStringLiteral("x%1").arg(k));
    tree->EndUpdate();
    ASSERT_EQ(tree->Items().Count(), 1011);
    QImage canvas(tree->size(), QImage::Format_RGB32);
    tree->render(&canvas);
    const std::vector<TMTNode *> drawn = tree->DrawnNodes();
    const int crowded = TLabelPlacer::OverlappingPairs(drawn);
    EXPECT_GT(crowded, 100); // without placement most labels collide

    tree->SetHideOverlappingLabels(true);
    tree->render(&canvas);
    const std::vector<TMTNode *> placed = tree->DrawnNodes();
    EXPECT_EQ(TLabelPlacer::OverlappingPairs(placed), 0);
    const auto shown = std::count_if(placed.begin(), placed.end(),
                                     [](const TMTNode *n) { return !n->LabelHidden; });
    EXPECT_GE(shown, 50);
    EXPECT_FALSE(tree->Root()->LabelHidden); // nearest the centre, placed first
    // A node drawn as a small box is found under its box, and then shows its label.
    const auto boxed = std::find_if(placed.begin(), placed.end(), [&](const TMTNode *n) {
        return n->LabelHidden && tree->IsShown(*n);
    });
    ASSERT_NE(boxed, placed.end());
    QTest::mouseMove(tree.get(), QPoint((*boxed)->ScreenX, (*boxed)->ScreenY));
    EXPECT_EQ(tree->SelectedNode(), *boxed);
}
