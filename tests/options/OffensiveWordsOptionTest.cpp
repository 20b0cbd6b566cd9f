#include "OptionsFixture.h"

#include "DictionaryOptions.h"

#include <gtest/gtest.h>

#include <QCheckBox>

TEST_F(OptionsFixture, ShowOffensiveWordsIsOffByDefaultAndSwitchesTheListsAtOnce)
{
    WriteList(QStringLiteral("rdict.dat"),
              {{"love", "UHV"}, {"UHV", "love#glove"}, {"UHV[O]", "love#glove#marked"}});
    Dict().SetWord(QStringLiteral("love"));
    ASSERT_EQ(Dict().CurrentRhymes(false), QStringLiteral("love#glove"));
    TNotificationCount changes(Dict().WordChanged);
    const struct
    {
        bool check;
        int notifications;
        const char *rhymes;
    } steps[] = {
        {true, 1, "love#glove#marked"}, // switched on: the lists refill
        {true, 1, "love#glove#marked"}, // OK without a change refills nothing
        {false, 2, "love#glove"},
    };
    bool shown = false;
    for (const auto &step : steps) {
        auto form = Form();
        QCheckBox *box = PageOf<TDictionaryOptions>(*form)->ckShowOffensive();
        EXPECT_EQ(box->text(), QStringLiteral("Show offensive words"));
        EXPECT_EQ(box->isChecked(), shown);
        box->setChecked(step.check);
        form->accept();
        form->ApplyPages();
        shown = step.check;
        EXPECT_EQ(Store().GetShowOffensiveWords(), step.check);
        EXPECT_EQ(changes.count, step.notifications);
        EXPECT_EQ(Dict().CurrentRhymes(false), QString::fromLatin1(step.rhymes));
    }
}
