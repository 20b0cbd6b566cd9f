#include "../components/ThesaurusFiles.h"
#include "../panels/PanelFixture.h"
#include "ContextBox.h"
#include "MetaTree.h"
#include "UpDown.h"
#include "frmVisThesaurus.h"

#include <QLineEdit>

class VisualThesaurusInputTest : public PanelFixture
{
protected:
    void SetUp() override
    {
        PanelFixture::SetUp();
        WriteThesaurus(dir, QStringLiteral("thesaurus"),
                       {{"bright",
                         {"(adj)|brilliant|vivid|dull (antonym)", "(adj)|smart|clever",
                          "(adj)|brilliant|ringing (similar term)|reverberant (similar term)"}}});
        RegisterVisualPanels();
    }
    std::unique_ptr<TfrmVisualThesaurus> Panel()
    {
        auto *panel = qobject_cast<TfrmVisualThesaurus *>(
            TDictFrame::Create(QStringLiteral("TfrmVisualThesaurus"), nullptr, Dict().GetMode()));
        panel->resize(500, 420);
        panel->show();
        panel->ShowTree(true);
        return std::unique_ptr<TfrmVisualThesaurus>(panel);
    }
    static QStringList Texts(const TMTNode *node)
    {
        QStringList texts;
        for (const TMTNode *child : node->Children())
            texts << child->Text();
        return texts;
    }
};

TEST_F(VisualThesaurusInputTest, SameNamedContextsArePickedByPositionAndAntonymsMarked)
{
    Dict().SetWord(QStringLiteral("bright"));
    auto panel = Panel();
    TMetaTree *tree = panel->MetaTree1();
    EXPECT_EQ(Texts(tree->Root()), (QStringList{"brilliant", "vivid", "dull"}));
    const TMTNode *dull = tree->Root()->Child(2);
    EXPECT_TRUE(dull->DashedEdge);
    EXPECT_EQ(dull->Color(), KindColor(TTermKind::Antonym, 1));
    EXPECT_FALSE(tree->Root()->Child(0)->DashedEdge);
    const std::pair<int, QStringList> picks[] = {{2, {"brilliant", "ringing", "reverberant"}},
                                                 {0, {"brilliant", "vivid", "dull"}}};
    for (const auto &[index, words] : picks) {
        panel->ComboBox1()->setCurrentIndex(index);
        emit panel->ComboBox1()->activated(index);
        EXPECT_EQ(Texts(tree->Root()), words) << index;
    }
}

TEST_F(VisualThesaurusInputTest, TypedLimitsAreWhereTheSpinButtonsStepFrom)
{
    struct Case
    {
        const char *name;
        QString typed;
        int step;
        const char *shown;
        int stored;
    };
    const Case cases[] = {
        {"typed 20, then up", QStringLiteral("20"), 1, "21", 21},
        {"typed 9, then down", QStringLiteral("9"), -1, "8", 8},
        {"emptied by Backspace, then 7", QStringLiteral("\b7"), 0, "7", 7},
    };
    Dict().SetWord(QStringLiteral("bright"));
    auto panel = Panel();
    TDictSettings &settings = TDictSettings::Instance();
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QLineEdit *edit = panel->edtLevel1();
        edit->setText(QStringLiteral("4"));
        edit->setFocus();
        edit->selectAll();
        if (c.typed.startsWith(QLatin1Char('\b'))) {
            edit->end(false);
            QTest::keyClick(edit, Qt::Key_Backspace);
            EXPECT_TRUE(edit->text().isEmpty()); // waits for the next key
            QTest::keyClicks(edit, c.typed.mid(1));
        } else {
            QTest::keyClicks(edit, c.typed);
        }
        if (c.step)
            panel->UpDown1()->Step(c.step);
        EXPECT_EQ(edit->text(), QString::fromLatin1(c.shown));
        EXPECT_EQ(settings.GetHyperTreeVisualLevel1(), c.stored);
    }
    // A field left empty shows the stored limit again.
    panel->edtLevel1()->clear();
    emit panel->edtLevel1()->editingFinished();
    EXPECT_EQ(panel->edtLevel1()->text(), QStringLiteral("7"));
}

TEST_F(VisualThesaurusInputTest, APanelShownAgainShowsTheLimitsTheOtherOneStored)
{
    Dict().SetWord(QStringLiteral("bright"));
    auto first = Panel();
    auto second = Panel();
    second->ShowTree(false);
    first->edtLevel2()->setText(QStringLiteral("12"));
    first->UpDown1()->Step(1);
    second->ShowTree(true);
    EXPECT_EQ(second->edtLevel1()->text(), QStringLiteral("5"));
    EXPECT_EQ(second->edtLevel2()->text(), QStringLiteral("12"));
    second->UpDown2()->Step(1);
    EXPECT_EQ(TDictSettings::Instance().GetHyperTreeVisualLevel2(), 13);
}
