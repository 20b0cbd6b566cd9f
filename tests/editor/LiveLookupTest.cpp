#include "FrameFixture.h"

#include <QTest>

using LiveLookup = FrameFixture;

TEST_F(LiveLookup, TypingUpdatesTheCurrentWordButNotTheLookupBox)
{
    QTest::keyClicks(editor(), "Love");
    EXPECT_EQ(Dict().GetWord(), "love");
    EXPECT_TRUE(actions->lookupBox.isEmpty());
    EXPECT_TRUE(actions->triggered.contains("actUpdateInfo"));
}

TEST_F(LiveLookup, ArrowKeysUpdateTheCurrentWordAndTheLookupBox)
{
    QTest::keyClicks(editor(), "cat dog");
    ASSERT_EQ(Dict().GetWord(), "dog");
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(editor(), Qt::Key_Left);
    EXPECT_EQ(Dict().GetWord(), "cat");
    ASSERT_FALSE(actions->lookupBox.isEmpty());
    EXPECT_EQ(actions->lookupBox.last(), "cat");
}

TEST_F(LiveLookup, EveryNavigationKeyShowsTheWordInTheLookupBox)
{
    SetText(QStringLiteral("one two"), 1);
    for (Qt::Key key : {Qt::Key_End, Qt::Key_Home, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                        Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Left}) {
        actions->lookupBox.clear();
        QTest::keyClick(editor(), key);
        EXPECT_EQ(actions->lookupBox.size(), 1) << key;
    }
}

TEST_F(LiveLookup, AClickShowsTheClickedWordAndMakesItCurrent)
{
    SetText(QStringLiteral("cat dog"), 0);
    const QRect dog = editor()->cursorRect([&] {
        QTextCursor c = editor()->textCursor();
        c.setPosition(5);
        return c;
    }());
    QTest::mouseClick(editor()->viewport(), Qt::LeftButton, {}, dog.center());
    EXPECT_EQ(Dict().GetWord(), "dog");
    ASSERT_FALSE(actions->lookupBox.isEmpty());
    EXPECT_EQ(actions->lookupBox.last(), "dog");
}

TEST_F(LiveLookup, TheDelayLockIsHeldDuringEditorEventsAndReleasedAfter)
{
    Dict().RequestDelay(true);
    bool lockedDuringChange = false;
    QObject::connect(actions->Action("actUpdateLookup"), &QAction::triggered, actions.get(),
                     [&] { lockedDuringChange = Dict().DelayLocked; });
    QTest::keyClicks(editor(), "rose");
    QTest::keyClick(editor(), Qt::Key_Left);
    EXPECT_TRUE(lockedDuringChange);
    EXPECT_FALSE(Dict().DelayLocked);
    // The lookup box's request stays for the box; the editor leaves it alone.
    EXPECT_TRUE(Dict().DelayNext());
}

TEST_F(LiveLookup, NothingHappensOutsideCadenzioMode)
{
    SetText(QStringLiteral("cat dog"), 0);
    TDictSettings::Instance().SetIsAdvanced(false);
    Dict().SetPickedWord(QStringLiteral("gold"));
    EXPECT_EQ(editor()->toPlainText(), "cat dog");
    Broadcast("actViewLineNumbers", false);
    EXPECT_FALSE(frame->pgLineNumbers()->isHidden());
}
