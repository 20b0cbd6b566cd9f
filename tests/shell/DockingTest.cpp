#include "ShellFixture.h"

#include "AppComponents.h"
#include "Common.h"
#include "DictFrame.h"
#include "DockPanel.h"
#include "MainActions.h"
#include "More.h"
#include "Splitter.h"

#include <QAction>
#include <QFrame>
#include <QTabBar>
#include <QTabWidget>

namespace {
bool Exists(const char *className)
{
    return FindAppComponent(QString::fromLatin1(className));
}

bool TabShown(QTabWidget *pages, QWidget *tab)
{
    return pages->isTabVisible(pages->indexOf(tab));
}
} // namespace

class DockingTest : public ShellFixture
{
};

TEST_F(DockingTest, FreeingPanelsOfSharedSideCollapsesOnlyWhenBothGroupsAreEmpty)
{
    WriteSettings("DockRightSplitter=170\r\n");
    StartShown();
    ASSERT_TRUE(Exists("TfrmRhymes"));
    QFrame *right = Docking()->pnlRight();
    QTabWidget *pages = Docking()->pgctrlRight();
    EXPECT_EQ(right->width(), 170);

    Data()->actViewRhymes->trigger();
    EXPECT_FALSE(Exists("TfrmRhymes"));
    EXPECT_FALSE(Data()->actViewRhymes->isChecked());
    EXPECT_TRUE(TabShown(pages, Docking()->TabCommon(true))) << "the thesaurus is still docked";
    Data()->actViewThesaurus->trigger();
    EXPECT_FALSE(Exists("TfrmThesaurus"));
    EXPECT_EQ(right->width(), 170) << "the More group still shows panels";
    EXPECT_FALSE(TabShown(pages, Docking()->TabCommon(true)));

    Data()->actViewPhrases->trigger();
    EXPECT_EQ(right->width(), 170);
    Data()->actViewRoundex->trigger();
    EXPECT_FALSE(Exists("TfrmRoundex"));
    EXPECT_EQ(right->width(), TPanelDocking::CollapsedSize);
    EXPECT_FALSE(Docking()->spltRight()->MoveBy(-20)) << "a collapsed side must not be dragged";

    // The first panel docked again opens the side at its stored width, its tab in front.
    Data()->actViewRhymes->trigger();
    EXPECT_TRUE(Exists("TfrmRhymes"));
    EXPECT_EQ(right->width(), 170);
    EXPECT_TRUE(TabShown(pages, Docking()->TabCommon(true)));
    EXPECT_EQ(pages->currentWidget(), Docking()->TabCommon(true));
    EXPECT_EQ(Docking()->Common()->pnlDock(),
              FindAppComponent(QStringLiteral("TfrmRhymes"))->parent());
}

TEST_F(DockingTest, GroupsOnTwoSidesCollapseTheirOwnSideAtOnce)
{
    WriteSettings("UseDefaultPanelPos=0\r\nCommonTabSide=Left\r\nMoreTabSide=Right\r\n"
                  "DockLeftSplitter=180\r\n");
    StartShown();
    EXPECT_FALSE(Docking()->pgctrlLeft()->isVisibleTo(program.window.get()));
    EXPECT_FALSE(Docking()->pgctrlRight()->isVisibleTo(program.window.get()));
    EXPECT_EQ(Docking()->Common()->parentWidget(), Docking()->pnlLeft());
    EXPECT_EQ(Docking()->More()->parentWidget(), Docking()->pnlRight());
    EXPECT_EQ(Docking()->pnlLeft()->width(), 180);

    Data()->actViewRhymes->trigger();
    EXPECT_EQ(Docking()->pnlLeft()->width(), 180) << "the thesaurus is still docked";
    Data()->actViewThesaurus->trigger();
    EXPECT_EQ(Docking()->pnlLeft()->width(), TPanelDocking::CollapsedSize);
    EXPECT_GT(Docking()->pnlRight()->width(), TPanelDocking::CollapsedSize);
}

TEST_F(DockingTest, TogglePanelsMovesGroupsOnlyAfterFirstActivation)
{
    WriteSettings();
    TfrmRhymeDict *window = Start();
    TMainActions *actions = window->MainActions();
    // Before the first activation nothing is placed and nothing is stored.
    actions->actTogglePanels->trigger();
    EXPECT_TRUE(Settings().GetUseDefaultPanelPos());
    EXPECT_FALSE(Settings()
                     .Ini()
                     .ReadSection(QStringLiteral("MainForm"))
                     .contains(QStringLiteral("UseDefaultPanelPos")));

    window->show();
    window->FirstActivate();
    EXPECT_FALSE(actions->actTogglePanels->isChecked());
    EXPECT_EQ(Docking()->Common()->parentWidget(), Docking()->TabCommon(true));
    actions->actTogglePanels->trigger();
    EXPECT_FALSE(Settings().GetUseDefaultPanelPos());
    // Stored sides default to Common left, More right.
    EXPECT_EQ(Docking()->Common()->parentWidget(), Docking()->pnlLeft());
    EXPECT_EQ(Docking()->More()->parentWidget(), Docking()->pnlRight());
    actions->actTogglePanels->trigger();
    EXPECT_TRUE(Settings().GetUseDefaultPanelPos());
    EXPECT_EQ(Docking()->Common()->parentWidget(), Docking()->TabCommon(true));
    EXPECT_EQ(Docking()->More()->parentWidget(), Docking()->TabMore(true));
    EXPECT_EQ(Docking()->pnlLeft()->width(), TPanelDocking::CollapsedSize);
}

TEST_F(DockingTest, SplittersAreLimitedToAThirdOfTheWindowWidth)
{
    WriteSettings("Width=780\r\nHeight=600\r\n");
    TfrmRhymeDict *window = StartShown();
    ASSERT_EQ(window->width(), 780);
    TSplitter *split = Docking()->spltRight();
    EXPECT_TRUE(split->MoveBy(-5000)); // the right panel grows leftwards
    EXPECT_EQ(Docking()->pnlRight()->width(), 260);
    EXPECT_EQ(Settings().GetDockRightSplitter(), 260);
    // Dragged shut it stays open enough to be dragged again, and so does the bottom strip.
    EXPECT_TRUE(split->MoveBy(5000));
    EXPECT_EQ(Docking()->pnlRight()->width(), TPanelDocking::MinOpenSize);
    EXPECT_TRUE(split->MoveBy(-10));
    EXPECT_EQ(Docking()->pnlRight()->width(), TPanelDocking::MinOpenSize + 10);

    // The bottom strip refuses while collapsed, and is bounded by the width, not the height.
    TSplitter *bottom = Docking()->Splitter1();
    EXPECT_FALSE(bottom->MoveBy(-50));
    Docking()->pnlRhymeLine()->setFixedHeight(100);
    EXPECT_TRUE(bottom->MoveBy(-5000));
    EXPECT_EQ(Docking()->pnlRhymeLine()->height(), 260);
    EXPECT_EQ(Settings().GetBottomSplitterPosition(), 260);
    EXPECT_TRUE(bottom->MoveBy(5000));
    EXPECT_EQ(Docking()->pnlRhymeLine()->height(), TPanelDocking::MinOpenSize);
    EXPECT_TRUE(bottom->MoveBy(-1));
}

TEST_F(DockingTest, DraggingTheSplitterStoresTheWidth)
{
    WriteSettings("Width=900\r\nHeight=600\r\n");
    StartShown();
    TSplitter *split = Docking()->spltRight();
    const int before = Docking()->pnlRight()->width();
    const QPoint start = split->rect().center();
    QTest::mousePress(split, Qt::LeftButton, {}, start);
    QTest::mouseMove(split, start - QPoint(40, 0));
    QTest::mouseRelease(split, Qt::LeftButton, {}, start - QPoint(40, 0));
    EXPECT_EQ(Docking()->pnlRight()->width(), before + 40);
    EXPECT_EQ(Settings().GetDockRightSplitter(), before + 40);
}

TEST_F(DockingTest, TabStyleFollowsTheSetting)
{
    WriteSettings("UITabsAsButtons=1\r\n");
    StartShown();
    EXPECT_TRUE(Docking()->pgctrlRight()->property("tabsAsButtons").toBool());
    Dict().SetTabsAsButtons(false);
    EXPECT_FALSE(Docking()->pgctrlRight()->property("tabsAsButtons").toBool());
    EXPECT_FALSE(Docking()->pgctrlLeft()->property("tabsAsButtons").toBool());
}

TEST_F(DockingTest, UnknownPanelClassDocksNothing)
{
    WriteSettings();
    StartShown();
    ASSERT_FALSE(TDictFrame::IsRegistered(QStringLiteral("TfrmNoSuchPanel")));
    Docking()->TogglePanel(TDock::RhymeLine, QStringLiteral("TfrmNoSuchPanel"));
    EXPECT_EQ(TPanelDocking::PanelCount(Docking()->pnlRhymeLine()), 0);
    EXPECT_LE(Docking()->pnlRhymeLine()->height(), TPanelDocking::CollapsedSize);
}

TEST_F(DockingTest, TogglePanelsInLookupModeIsAppliedWhenCadenzioModeReturns)
{
    WriteSettings();
    StartShown();
    ASSERT_EQ(Docking()->Common()->parentWidget(), Docking()->TabCommon(true));
    Data()->actAdvanced->trigger();
    ASSERT_EQ(Dict().GetMode(), 0);
    program.window->MainActions()->actTogglePanels->trigger();
    EXPECT_FALSE(Settings().GetUseDefaultPanelPos());
    Data()->actAdvanced->trigger();
    ASSERT_EQ(Dict().GetMode(), 1);
    // Stored sides default to Common left, More right.
    EXPECT_EQ(Docking()->Common()->parentWidget(), Docking()->pnlLeft());
    EXPECT_EQ(Docking()->More()->parentWidget(), Docking()->pnlRight());
    EXPECT_FALSE(Docking()->pgctrlRight()->isVisibleTo(program.window.get()));
    EXPECT_GT(Docking()->pnlLeft()->width(), TPanelDocking::CollapsedSize);
}

TEST_F(DockingTest, TabsAsButtonsDrawTheEditorTabsLikeTheSideTabs)
{
    WriteSettings("UITabsAsButtons=1\r\n");
    UseEditorFrame();
    StartShown();
    auto *frame = qobject_cast<TFrameAdvanced *>(program.window->FrameAdvanced());
    ASSERT_NE(frame, nullptr);
    const QTabBar *editorTabs = frame->PageControl1()->tabBar();
    const QTabBar *sideTabs = Docking()->pgctrlRight()->tabBar();
    for (bool asButtons : {true, false}) {
        Dict().SetTabsAsButtons(asButtons);
        EXPECT_EQ(sideTabs->styleSheet().isEmpty(), !asButtons);
        EXPECT_EQ(editorTabs->styleSheet(), sideTabs->styleSheet()) << asButtons;
        EXPECT_EQ(editorTabs->drawBase(), sideTabs->drawBase()) << asButtons;
    }
}
