#include "../components/ThesaurusFiles.h"
#include "../panels/PanelFixture.h"
#include "ContextBox.h"
#include "MetaTree.h"
#include "UpDown.h"
#include "frmVisThesaurus.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>

#include <cmath>

class VisualThesaurusTest : public PanelFixture
{
protected:
    void SetUp() override
    {
        PanelFixture::SetUp();
        WriteThesaurus(
            dir, QStringLiteral("thesaurus"),
            {{"bright",
              {"(adj)|shining|vivid|radiant (similar term)|glowing (similar term)|"
               "gleaming (similar term)|dull (antonym)",
               "(adj)|intelligent|smart|clever (similar term)", "(adv)|brightly|clearly"}},
             {"shining", {"(adj)|gleaming|lustrous|a|b|c|d|e|f|g", "(noun)|light"}},
             {"vivid", {"(adj)|graphic|bright"}},
             {"glowing", {"(adj)|aglow"}},
             {"clearly", {"(adv)|clearly|plainly"}},
             {"lustrous", {"(adj)|shiny"}}});
        RegisterVisualPanels();
    }
    std::unique_ptr<TfrmVisualThesaurus> Panel()
    {
        auto *panel = qobject_cast<TfrmVisualThesaurus *>(
            TDictFrame::Create(QStringLiteral("TfrmVisualThesaurus"), nullptr, Dict().GetMode()));
        panel->resize(500, 420);
        panel->show();
        return std::unique_ptr<TfrmVisualThesaurus>(panel);
    }
    static QStringList Texts(const TMTNode *node)
    {
        QStringList texts;
        for (const TMTNode *child : node->Children())
            texts << child->Text();
        return texts;
    }
    static QStringList Items(const TContextBox *box)
    {
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        return items;
    }
};

TEST_F(VisualThesaurusTest, TwoGenerationsWithinTheLimitsAndTheirColours)
{
    Dict().SetWord(QStringLiteral("Bright!"));
    auto panel = Panel();
    panel->ShowTree(true);
    TMetaTree *tree = panel->MetaTree1();
    ASSERT_TRUE(tree->Root());
    EXPECT_EQ(tree->Root()->Text(), QStringLiteral("bright"));
    EXPECT_EQ(tree->Root()->Color(), 33023u);
    // The first four words, running on from the synonyms into the similar terms.
    EXPECT_EQ(Texts(tree->Root()), (QStringList{"shining", "vivid", "radiant", "glowing"}));
    EXPECT_EQ(tree->Root()->Child(0)->Color(), 4227262u);
    EXPECT_EQ(Texts(tree->Root()->Child(0)),
              (QStringList{"gleaming", "lustrous", "a", "b", "c", "d", "e"}));
    EXPECT_EQ(tree->Root()->Child(0)->Child(0)->Color(), 8421504u);
    EXPECT_EQ(Texts(tree->Root()->Child(1)), (QStringList{"graphic"})); // not the root again
    EXPECT_TRUE(Texts(tree->Root()->Child(2)).isEmpty());               // unknown to the thesaurus
    EXPECT_EQ(Items(panel->ComboBox1()), (QStringList{"shining", "intelligent", "brightly"}));
    EXPECT_EQ(panel->ComboBox1()->KindName(2), QStringLiteral("adv"));
    // The fit of the ring distance to the tree's size.
    const int m = std::min(tree->width(), tree->height());
    EXPECT_EQ(tree->Distance(), int(std::sqrt(2.0 * m * m) / 5));
}

TEST_F(VisualThesaurusTest, ChosenContextFeedsOnlyTheFirstGeneration)
{
    Dict().SetWord(QStringLiteral("bright"));
    auto panel = Panel();
    panel->ShowTree(true);
    panel->ComboBox1()->setCurrentIndex(2);
    emit panel->ComboBox1()->activated(2);
    TMetaTree *tree = panel->MetaTree1();
    EXPECT_EQ(Texts(tree->Root()), (QStringList{"brightly", "clearly"}));
    EXPECT_EQ(Texts(tree->Root()->Child(1)), (QStringList{"plainly"}));
    EXPECT_EQ(panel->ComboBox1()->currentIndex(), 2);
    EXPECT_EQ(panel->ComboBox1()->count(), 3);
}

TEST_F(VisualThesaurusTest, StemStandsInAndUnknownWordsLeaveItEmpty)
{
    Dict().SetWord(QStringLiteral("brights"));
    auto panel = Panel();
    panel->ShowTree(true);
    ASSERT_TRUE(panel->MetaTree1()->Root());
    EXPECT_EQ(panel->MetaTree1()->Root()->Text(), QStringLiteral("bright"));
    EXPECT_EQ(panel->ComboBox1()->count(), 3);
    Dict().SetWord(QStringLiteral("zebra"));
    EXPECT_EQ(panel->MetaTree1()->Root(), nullptr);
    EXPECT_EQ(panel->ComboBox1()->count(), 0);
}

TEST_F(VisualThesaurusTest, HiddenTreeIgnoresNewWordsUntilItsPageShows)
{
    Dict().SetWord(QStringLiteral("bright"));
    auto panel = Panel();
    panel->ShowTree(true);
    panel->ShowTree(false);
    Dict().SetWord(QStringLiteral("vivid"));
    EXPECT_EQ(panel->MetaTree1()->Root()->Text(), QStringLiteral("bright"));
    panel->ShowTree(true);
    EXPECT_EQ(panel->MetaTree1()->Root()->Text(), QStringLiteral("vivid"));
}

TEST_F(VisualThesaurusTest, ClickingAWordWandersThere)
{
    Dict().SetWord(QStringLiteral("bright"));
    auto panel = Panel();
    panel->ShowTree(true);
    TMetaTree *tree = panel->MetaTree1();
    tree->FinishGlide();
    TMTNode *root = tree->Root();
    QTest::mouseClick(tree, Qt::LeftButton, {}, QPoint(root->ScreenX, root->ScreenY));
    EXPECT_EQ(Dict().GetWord(), QStringLiteral("bright"));
    EXPECT_FALSE(actions->triggered.contains(QStringLiteral("actUpdateLookup")));

    TMTNode *target = nullptr;
    for (int i = 0; i < tree->Items().Count() && !target; ++i) {
        TMTNode *node = tree->Items().Item(i);
        if (node->Text() == QLatin1String("lustrous") && tree->IsShown(*node) &&
            tree->GetNodeAt(node->ScreenX, node->ScreenY) == node)
            target = node;
    }
    ASSERT_TRUE(target);
    // Grabbing the word to drag the picture is no click on it.
    const QPoint grab(target->ScreenX, target->ScreenY);
    QTest::mousePress(tree, Qt::LeftButton, {}, grab);
    QMouseEvent move(QEvent::MouseMove, grab + QPoint(30, 10), tree->mapToGlobal(grab),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(tree, &move);
    QTest::mouseRelease(tree, Qt::LeftButton, {}, grab + QPoint(30, 10));
    EXPECT_EQ(Dict().GetWord(), QStringLiteral("bright"));

    QTest::mouseClick(tree, Qt::LeftButton, {}, QPoint(target->ScreenX, target->ScreenY));
    EXPECT_EQ(Dict().GetWord(), QStringLiteral("lustrous"));
    EXPECT_TRUE(actions->triggered.contains(QStringLiteral("actUpdateLookup")));
    ASSERT_TRUE(tree->Root());
    EXPECT_EQ(tree->Root()->Text(), QStringLiteral("lustrous"));
    EXPECT_EQ(Texts(tree->Root()), (QStringList{"shiny"}));
}

TEST_F(VisualThesaurusTest, LevelFieldsStoreTheirLimits)
{
    Dict().SetWord(QStringLiteral("bright"));
    auto panel = Panel();
    panel->ShowTree(true);
    TDictSettings &settings = TDictSettings::Instance();
    panel->edtLevel1()->setText(QStringLiteral("2"));
    EXPECT_EQ(settings.GetHyperTreeVisualLevel1(), 2);
    EXPECT_EQ(panel->MetaTree1()->Root()->Count(), 2);
    panel->edtLevel1()->setText(QStringLiteral("0"));
    EXPECT_EQ(panel->edtLevel1()->text(), QStringLiteral("2"));
    panel->edtLevel2()->setText(QStringLiteral("x"));
    EXPECT_EQ(panel->edtLevel2()->text(), QStringLiteral("7"));
    // The spin buttons may reach 0, which still gives one word.
    panel->edtLevel1()->setText(QStringLiteral("1"));
    panel->UpDown1()->Step(-1);
    EXPECT_EQ(settings.GetHyperTreeVisualLevel1(), 0);
    panel->ShowTree(false);
    panel->ShowTree(true);
    EXPECT_EQ(panel->MetaTree1()->Root()->Count(), 1);
}
