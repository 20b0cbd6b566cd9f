#include "MetaTree.h"
#include "MTStream.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTest>

#include <cstdlib>
#include <memory>

namespace {

// A shown 400 x 300 control with a root, four children and two grandchildren under the first.
std::unique_ptr<TMetaTree> ShownTree()
{
    auto tree = std::make_unique<TMetaTree>();
    tree->resize(400, 300);
    tree->show();
    tree->BeginUpdate();
    TMTNodes &nodes = tree->Items();
    TMTNode *root = nodes.Add(nullptr, QStringLiteral("root"));
    for (const char *word : {"north", "west", "south", "east"})
        nodes.Add(root, QString::fromLatin1(word));
    nodes.Add(root->Child(0), QStringLiteral("far"));
    nodes.Add(root->Child(0), QStringLiteral("further"));
    tree->EndUpdate();
    return tree;
}

void Drag(QWidget *widget, QPoint from, QPoint to)
{
    QTest::mousePress(widget, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, to, widget->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, to);
}

QPoint Center(const TMetaTree &tree)
{
    return {tree.Geometry().CenterX, tree.Geometry().CenterY};
}

} // namespace

TEST(MetaTree, DragPansTheViewAndReportsEachStep)
{
    auto tree = ShownTree();
    QStringList events;
    tree->OnStartMoving = [&](TMetaTree *, int, int) { events << "start"; };
    tree->OnMoving = [&](TMetaTree *, int, int) { events << "moving"; };
    tree->OnEndMoving = [&](TMetaTree *, int, int) { events << "end"; };
    const QPoint before(tree->Root()->ScreenX, tree->Root()->ScreenY);
    Drag(tree.get(), Center(*tree) + QPoint(5, 5), Center(*tree) + QPoint(65, 25));
    EXPECT_EQ(events, (QStringList{"start", "moving", "end"}));
    EXPECT_GT(tree->PanX(), 0);
    EXPECT_LT(tree->PanY(), 0);
    // The pan follows the parabola heights, so the root moves less than the mouse near the centre.
    EXPECT_GT(tree->Root()->ScreenX, before.x() + 20);
    // The next drag starts from where this one ended.
    const int panX = tree->PanX();
    Drag(tree.get(), Center(*tree), Center(*tree) + QPoint(30, 0));
    EXPECT_GT(tree->PanX(), panX);
}

TEST(MetaTree, RootDraggedOutOfViewIsTheMarkerOnTheRim)
{
    auto tree = ShownTree();
    const TMTGeometry &g = tree->Geometry();
    for (int i = 0; i < 3; ++i)
        Drag(tree.get(), Center(*tree) - QPoint(g.HalfWidth - 30, 0), Center(*tree));
    TMTNode *root = tree->Root();
    ASSERT_FALSE(tree->PointInView(root->ScreenX, root->ScreenY));
    tree->repaint();
    // The root lies far right, so its marker sits on the rim straight right of the centre.
    EXPECT_NEAR(tree->MarkerX(), g.CenterX + g.HalfWidth, 2);
    EXPECT_NEAR(tree->MarkerY(), g.CenterY, 2);
    EXPECT_EQ(tree->GetNodeAt(tree->MarkerX() - 2, tree->MarkerY() + 2), root);
    QTest::mouseClick(tree.get(), Qt::LeftButton, {}, QPoint(tree->MarkerX(), tree->MarkerY()));
    EXPECT_EQ(tree->SelectedNode(), root);
}

TEST(MetaTree, ExpandBoxTogglesEvenWithoutChildren)
{
    auto tree = ShownTree();
    TMTNode *north = tree->Root()->Child(0);
    TMTNode *east = tree->Root()->Child(3);
    QStringList events;
    tree->OnCollapsed = [&](TMetaTree *, TMTNode *n) { events << "collapsed " + n->Text(); };
    tree->OnExpanded = [&](TMetaTree *, TMTNode *n) { events << "expanded " + n->Text(); };
    const auto pressCorner = [&](TMTNode *node, QPoint offset) {
        QTest::mouseClick(tree.get(), Qt::LeftButton, {},
                          QPoint(node->TextRect.Left, node->TextRect.Top) + offset);
    };
    pressCorner(north, {8, 8});
    EXPECT_FALSE(north->Expanded());
    EXPECT_FALSE(tree->IsShown(*north->Child(0)));
    pressCorner(north, {1, 1});
    EXPECT_TRUE(north->Expanded());
    pressCorner(east, {4, 4});
    EXPECT_FALSE(east->Expanded());
    // Outside the 9 x 9 corner a press only selects.
    pressCorner(east, {9, 4});
    EXPECT_FALSE(east->Expanded());
    EXPECT_EQ(tree->SelectedNode(), east);
    EXPECT_EQ(events, (QStringList{"collapsed north", "expanded north", "collapsed east"}));
}

TEST(MetaTree, CentringGlidesFrameByFrameAndEndsAtTheNode)
{
    auto tree = ShownTree();
    tree->SetAutoMoveSpeed(1); // 20 frames
    TMTNode *far = tree->Root()->Child(0)->Child(1);
    int frames = 0;
    const int startX = tree->PanX();
    tree->MoveToCenter(far);
    ASSERT_TRUE(tree->Gliding());
    EXPECT_EQ(tree->PanX(), startX); // the glide starts where the view is
    int lastX = tree->PanX();
    while (tree->Gliding()) {
        QTest::qWait(5);
        if (tree->PanX() != lastX) {
            ++frames;
            lastX = tree->PanX();
        }
    }
    // Waits on a busy machine may span several frames, but the glide is never one jump.
    EXPECT_GE(frames, 3);
    EXPECT_LE(std::abs(far->ScreenX - tree->Geometry().CenterX), 10);
    EXPECT_LE(std::abs(far->ScreenY - tree->Geometry().CenterY), 10);
}

TEST(MetaTree, NodeUnderACollapsedParentIsNotSearchedFor)
{
    auto tree = ShownTree();
    TMTNode *north = tree->Root()->Child(0);
    tree->Collapse(north);
    const int panX = tree->PanX(), panY = tree->PanY();
    tree->MoveToCenter(north->Child(1));
    EXPECT_FALSE(tree->Gliding());
    EXPECT_EQ(std::pair(tree->PanX(), tree->PanY()), std::pair(panX, panY));
}

TEST(MetaTree, PressDuringTheGlideFinishesItWithoutLosingThePan)
{
    auto tree = ShownTree();
    tree->SetAutoMoveSpeed(1);
    TMTNode *west = tree->Root()->Child(1);
    tree->MoveToCenter(west);
    ASSERT_TRUE(tree->Gliding());
    // A double click's press begins a drag; the glide must not leave it half way.
    QTest::mouseClick(tree.get(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(tree->Gliding());
    const int endX = tree->PanX(), endY = tree->PanY();
    EXPECT_LE(std::abs(west->ScreenX - tree->Geometry().CenterX), 10);
    // A small drag now moves from the glide's end, not from where it started.
    Drag(tree.get(), Center(*tree), Center(*tree) + QPoint(1, 0));
    EXPECT_NEAR(tree->PanX(), endX, 2);
    EXPECT_NEAR(tree->PanY(), endY, 2);
}

TEST(MetaTree, DoubleClickCentresTheNodeAndSpeed20Jumps)
{
    auto tree = ShownTree();
    tree->SetAutoMoveSpeed(20);
    tree->SetAutoMoveSpeed(21); // refused
    EXPECT_EQ(tree->AutoMoveSpeed(), 20);
    tree->SetDoubleClickExpandCollapseNode(false);
    TMTNode *south = tree->Root()->Child(2);
    TMTNode *clicked = nullptr;
    tree->OnDblClick = [&](TMetaTree *, TMTNode *node, int, int) { clicked = node; };
    const QPoint at(south->ScreenX, south->ScreenY);
    QTest::mouseDClick(tree.get(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(tree.get(), Qt::LeftButton, {}, at);
    EXPECT_EQ(clicked, south);
    EXPECT_FALSE(tree->Gliding());
    EXPECT_TRUE(south->Expanded());
    EXPECT_LE(std::abs(south->ScreenY - tree->Geometry().CenterY), 10);
}

TEST(MetaTree, BatchUpdatesNestAndClearForgetsTheSelection)
{
    auto tree = ShownTree();
    QStringList deleted;
    tree->Select(tree->Root()->Child(0)->Child(0));
    tree->OnDeletion = [&](TMetaTree *, TMTNode *node) { deleted << node->Text(); };
    tree->BeginUpdate();
    tree->BeginUpdate();
    tree->Items().Add(tree->Root(), QStringLiteral("new"));
    tree->EndUpdate();
    EXPECT_TRUE(tree->Updating());
    EXPECT_EQ(tree->Root()->Child(4)->TextWidth, 0); // not measured while updating
    tree->EndUpdate();
    EXPECT_FALSE(tree->Updating());
    EXPECT_GT(tree->Root()->Child(4)->TextWidth, 2);
    tree->Items().Delete(tree->Root()->Child(0));
    EXPECT_EQ(deleted, (QStringList{"north", "far", "further"}));
    EXPECT_EQ(tree->SelectedNode(), nullptr);
    EXPECT_EQ(tree->Items().Count(), 5);
    tree->Items().Clear();
    EXPECT_EQ(tree->Root(), nullptr);
    EXPECT_EQ(tree->Items().Count(), 0);
}

TEST(MetaTree, OutlineFilesRoundTripWithTheByteOrderMark)
{
    auto tree = ShownTree();
    TempDir dir;
    const QString wide = dir.file(QStringLiteral("tree-wide.txt"));
    const QString narrow = dir.file(QStringLiteral("tree.txt"));
    tree->SaveToFile(wide, true);
    tree->SaveToFile(narrow, false);
    QFile file(wide);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith(QByteArray("\xFF\xFE#\0", 4)));
    for (const auto &[path, unicode] : {std::pair{wide, true}, std::pair{narrow, false}}) {
        TMetaTree copy;
        copy.LoadFromFile(path, unicode);
        ASSERT_EQ(copy.Items().Count(), 7) << unicode;
        EXPECT_EQ(copy.Root()->Child(0)->Child(1)->Text(), QStringLiteral("further"));
    }
    TMetaTree missing;
    EXPECT_THROW(missing.LoadFromFile(dir.file(QStringLiteral("none.txt")), false),
                 std::runtime_error);
}
