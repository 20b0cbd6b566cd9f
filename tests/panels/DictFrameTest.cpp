#include "PanelFixture.h"

#include "DictFrame.h"
#include "PanelRegistry.h"
#include "frmPhrases.h"
#include "frmRhymes.h"
#include "frmRoundex.h"

class DictFrameTest : public PanelFixture
{
};

TEST_F(DictFrameTest, FactoryCreatesEveryRegisteredPanelByClassName)
{
    RegisterLookupPanels();
    QWidget host;
    for (const char *name : {"TfrmRhymes", "TfrmPhrases", "TfrmRoundex"}) {
        ASSERT_TRUE(TDictFrame::IsRegistered(QString::fromLatin1(name))) << name;
        TDictFrame *panel = TDictFrame::Create(QString::fromLatin1(name), &host, 0);
        ASSERT_NE(panel, nullptr) << name;
        EXPECT_STREQ(panel->metaObject()->className(), name);
        EXPECT_EQ(panel->Mode(), 0);
        EXPECT_EQ(panel->parentWidget(), &host);
    }
    EXPECT_FALSE(TDictFrame::IsRegistered(QStringLiteral("tfrmrhymes")));
    EXPECT_EQ(TDictFrame::Create(QStringLiteral("TfrmNothing"), &host, 1), nullptr);
}

TEST_F(DictFrameTest, CaptionStripAndControlNames)
{
    TfrmRhymes rhymes(nullptr, 1);
    TfrmPhrases phrases(nullptr, 1);
    TfrmRoundex roundex(nullptr, 1);
    EXPECT_EQ(rhymes.Caption(), QStringLiteral("Standard Rhymes"));
    EXPECT_EQ(phrases.Caption(), QStringLiteral("Phrases & Proper Nouns"));
    EXPECT_EQ(roundex.Caption(), QStringLiteral("Roundex"));
    for (TDictFrame *panel :
         {static_cast<TDictFrame *>(&rhymes), static_cast<TDictFrame *>(&phrases),
          static_cast<TDictFrame *>(&roundex)}) {
        EXPECT_EQ(panel->Panel2()->height(), 22);
        EXPECT_EQ(panel->Panel2()->objectName(), QStringLiteral("Panel2"));
        for (const char *child : {"PageControl1", "TabSheet1", "TabSheet2", "mData"})
            EXPECT_NE(panel->findChild<QWidget *>(QString::fromLatin1(child)), nullptr) << child;
    }
    EXPECT_NE(rhymes.findChild<QListView *>(QStringLiteral("lbRhymes")), nullptr);
    EXPECT_NE(phrases.findChild<QListView *>(QStringLiteral("lbPhrases")), nullptr);
    EXPECT_NE(roundex.findChild<QListView *>(QStringLiteral("lbSoundex")), nullptr);
}

TEST_F(DictFrameTest, PanelsUnsubscribeWhenFreed)
{
    TDictionaryList &dict = Dict();
    const int before = dict.WordChanged.Count();
    {
        TfrmRhymes rhymes(nullptr, 1);
        TfrmRoundex roundex(nullptr, 0);
        EXPECT_EQ(dict.WordChanged.Count(), before + 2);
        EXPECT_EQ(dict.DisplayStyleChanged.Count(), 2);
        EXPECT_EQ(dict.UIFontChanged.Count(), 2);
    }
    EXPECT_EQ(dict.WordChanged.Count(), before);
    EXPECT_EQ(dict.DisplayStyleChanged.Count(), 0);
    dict.SetWord(QStringLiteral("anything")); // nobody left to call
}

TEST_F(DictFrameTest, ClosingRhymesOrPhrasesUnchecksItsViewAction)
{
    delete new TfrmRhymes(nullptr, 1);
    delete new TfrmPhrases(nullptr, 1);
    delete new TfrmRoundex(nullptr, 1);
    EXPECT_FALSE(actions->Action(QStringLiteral("actViewRhymes"))->isChecked());
    EXPECT_FALSE(actions->Action(QStringLiteral("actViewPhrases"))->isChecked());
    EXPECT_TRUE(actions->Action(QStringLiteral("actViewRoundex"))->isChecked());
}

TEST_F(DictFrameTest, FreeingThePanelAfterTheDictionarySetIsSafe)
{
    auto *rhymes = new TfrmRhymes(nullptr, 1);
    TDictionaryList::FreeInstance();
    delete rhymes;
    EXPECT_FALSE(TDictionaryList::Exists());
}
