#include "DictionaryFixture.h"

#include <QElapsedTimer>
#include <QTest>

namespace {

class DictionaryListTest : public DictionaryFixture
{
protected:
    Listener listener;
    void Subscribe()
    {
        TDictionaryList::Instance().WordChanged.Add({0, 1}, &Listener::Heard, &listener);
    }
};

TEST_F(DictionaryListTest, NormalisesTypedTextAndAnnouncesOnlyRealChanges)
{
    Subscribe();
    TDictionaryList &dict = TDictionaryList::Instance();
    dict.SetWord(QStringLiteral("Hello, World!"));
    EXPECT_EQ(dict.GetWord(), QStringLiteral("hello world"));
    dict.SetWord(QStringLiteral("hello world."));
    dict.SetWord(QStringLiteral("Cat"));
    dict.SetWord(QStringLiteral("CAT"));
    dict.SetWord(QStringLiteral("Cat's"));
    EXPECT_EQ(listener.words, (QStringList{QStringLiteral("hello world"), QStringLiteral("cat"),
                                           QStringLiteral("cat's")}));
    dict.SetWord(QStringLiteral("ÉCOLE (2)?"));
    EXPECT_EQ(dict.GetWord(), QStringLiteral("École (2)"));
}

TEST_F(DictionaryListTest, LookupWordCutsAtTheFirstParenthesis)
{
    EXPECT_EQ(TDictionaryList::LookupWordOf(QStringLiteral("bass (fish)")), QStringLiteral("bass"));
    EXPECT_EQ(TDictionaryList::LookupWordOf(QStringLiteral("read(2)")), QStringLiteral("read"));
    EXPECT_EQ(TDictionaryList::LookupWordOf(QStringLiteral(" read ")), QStringLiteral("read"));
    EXPECT_EQ(TDictionaryList::LookupWordOf(QStringLiteral("\t(x)")), QString());
}

TEST_F(DictionaryListTest, RoundexCodesShareWordEndings)
{
    const std::pair<const char *, const char *> cases[] = {
        {"nation", "N350"}, {"station", "N332"}, {"love", "E140"},
        {"glove", "E142"},  {"cat", "T200"},     {"hat", "T000"},
        {"bass", "S100"},   {"knight", "T252"},  {"a", "A000"},
        {"", ""},           {"LOVE", "E140"},    {"scat", "T200"}};
    for (const auto &[word, code] : cases)
        EXPECT_EQ(TDictionaryList::RoundexCode(QString::fromLatin1(word)),
                  QString::fromLatin1(code))
            << word;
}

TEST_F(DictionaryListTest, TypingBurstIsAnnouncedOnce200msAfterTheLastKey)
{
    Subscribe();
    TDictionaryList &dict = TDictionaryList::Instance();
    const char *typed[] = {"l", "lo", "lov"};
    QElapsedTimer clock;
    for (const char *text : typed) {
        dict.RequestDelay(true);
        dict.SetWord(QString::fromLatin1(text));
        EXPECT_EQ(dict.GetWord(), QString::fromLatin1(text));
        clock.start();
        QTest::qWait(100);
    }
    EXPECT_TRUE(listener.words.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(listener.words.size(), 1, 2000);
    EXPECT_GE(clock.elapsed(), TDictionaryList::DebounceMs - 10);
    EXPECT_EQ(listener.words.front(), QStringLiteral("lov"));
}

TEST_F(DictionaryListTest, ASingleDelayRequestDelaysOnlyTheNextChange)
{
    Subscribe();
    TDictionaryList &dict = TDictionaryList::Instance();
    dict.RequestDelay(true);
    dict.SetWord(QStringLiteral("first"));
    EXPECT_TRUE(listener.words.isEmpty());
    EXPECT_TRUE(dict.DelayPending());
    QTest::qWait(50);
    dict.SetWord(QStringLiteral("second"));
    EXPECT_EQ(listener.words, QStringList{QStringLiteral("second")});
    // The debounce timer still fires and announces the word current by then.
    QTRY_COMPARE_WITH_TIMEOUT(listener.words.size(), 2, 2000);
    EXPECT_EQ(listener.words.back(), QStringLiteral("second"));
}

TEST_F(DictionaryListTest, AnImmediateSetTakesOverThePendingAnnouncement)
{
    Subscribe();
    TDictionaryList &dict = TDictionaryList::Instance();
    struct Case
    {
        const char *typed, *clicked;
    };
    for (const Case c : {Case{"typed", "clicked"}, Case{"same", "same"}}) {
        listener.words.clear();
        dict.RequestDelay(true);
        dict.SetWord(QString::fromLatin1(c.typed));
        dict.SetWordNow(QString::fromLatin1(c.clicked));
        EXPECT_EQ(listener.words, QStringList{QString::fromLatin1(c.clicked)}) << c.typed;
        QTest::qWait(TDictionaryList::DebounceMs + 100);
        EXPECT_EQ(listener.words.size(), 1) << c.typed;
    }
}

TEST_F(DictionaryListTest, DelayLockFreezesTheDelayRequest)
{
    TDictionaryList &dict = TDictionaryList::Instance();
    dict.DelayLocked = true;
    dict.RequestDelay(true);
    EXPECT_FALSE(dict.DelayNext());
    dict.DelayLocked = false;
    dict.RequestDelay(true);
    dict.DelayLocked = true;
    Subscribe();
    dict.SetWord(QStringLiteral("editor"));
    // The pending request survives the editor's own change; that change waits for the debounce.
    EXPECT_TRUE(listener.words.isEmpty());
    EXPECT_TRUE(dict.DelayNext());
    QTRY_COMPARE_WITH_TIMEOUT(listener.words.size(), 1, 2000);
    EXPECT_EQ(listener.words.front(), QStringLiteral("editor"));
    dict.DelayLocked = false;
}

TEST_F(DictionaryListTest, LoadsTheThreeSlotsFromTheAppFolder)
{
    WriteList(QStringLiteral("rdict.dat"), {{"love", "AHV"}, {"AHV", "love#dove#"}});
    WriteList(QStringLiteral("sdxdict.dat"), {{"E140", "love"}});
    WriteList(QStringLiteral("rpoetry.dat"), {{"AHV", "1@Of love"}});
    WriteList(QStringLiteral("other.dat"), {{"AHV", "2@Other love"}});
    TDictionaryList &dict = TDictionaryList::Instance();
    EXPECT_EQ(dict.Lookup(0, dict.Lookup(0, QStringLiteral("love"))), QStringLiteral("love#dove#"));
    EXPECT_EQ(dict.Lookup(1, QStringLiteral("E140")), QStringLiteral("love"));
    EXPECT_EQ(dict.Lookup(2, QStringLiteral("AHV")), QStringLiteral("1@Of love"));

    TDictSettings::Instance().Ini().WriteString(QStringLiteral("RhymeLineDictionaryList"),
                                                QStringLiteral("Other"),
                                                QStringLiteral("other.dat"));
    dict.SelectRhymeLineList(QStringLiteral("Other"));
    EXPECT_EQ(dict.Lookup(2, QStringLiteral("AHV")), QStringLiteral("2@Other love"));
    EXPECT_EQ(TDictSettings::Instance().GetRhymeLineName(), QStringLiteral("Other"));
    // An unknown list name empties the slot rather than keeping stale lines.
    dict.SelectRhymeLineList(QStringLiteral("Missing"));
    EXPECT_EQ(dict.GetWordList(2).Count(), 0u);
}

TEST_F(DictionaryListTest, MissingFilesGiveEmptySlots)
{
    TDictionaryList &dict = TDictionaryList::Instance();
    for (int slot = 0; slot < 3; ++slot)
        EXPECT_EQ(dict.GetWordList(slot).Count(), 0u);
    EXPECT_TRUE(dict.Lookup(0, QStringLiteral("love")).isEmpty());
}

TEST_F(DictionaryListTest, DamagedFileFailsCreationUntilRepaired)
{
    dir.write(QStringLiteral("rdict.dat"), QByteArray("DIHC\x02\x01\x02\x08", 8));
    try {
        TDictionaryList::Instance();
        FAIL() << "a damaged word list must not load";
    } catch (const EContainerError &e) {
        EXPECT_STREQ(e.what(), "Class TDIAnsiStringHash: Invalid ItemSize (8)");
    }
    EXPECT_FALSE(TDictionaryList::Exists());
    WriteList(QStringLiteral("rdict.dat"), {{"cat", "AET"}});
    EXPECT_EQ(TDictionaryList::Instance().Lookup(0, QStringLiteral("cat")), QStringLiteral("AET"));
}

TEST_F(DictionaryListTest, ModeAndStyleLiveInTheSettings)
{
    Listener modeListener;
    TDictionaryList &dict = TDictionaryList::Instance();
    dict.ModeChanged.Add({0, 1}, &Listener::Heard, &modeListener);
    EXPECT_EQ(dict.GetMode(), 1);
    EXPECT_TRUE(dict.GetWrap());
    dict.SetMode(1);
    EXPECT_TRUE(modeListener.words.isEmpty());
    dict.SetMode(0);
    EXPECT_EQ(modeListener.words.size(), 1);
    EXPECT_FALSE(TDictSettings::Instance().GetIsAdvanced());
    // Edited by hand, the file wins at once: nothing is cached.
    TDictSettings::Instance().Ini().WriteString(QStringLiteral("MainForm"),
                                                QStringLiteral("IsListMode"), QStringLiteral("1"));
    EXPECT_FALSE(dict.GetWrap());
}

TEST_F(DictionaryListTest, FontsTabStyleAndSides)
{
    Listener fonts, tabs, sides;
    TDictionaryList &dict = TDictionaryList::Instance();
    dict.UIFontChanged.Add({0, 1}, &Listener::Heard, &fonts);
    dict.TabStyleChanged.Add({0, 1}, &Listener::Heard, &tabs);
    dict.PanelSideChanged.Add({0, 1}, &Listener::Heard, &sides);

    TFontInfo big;
    big.Size = 14;
    dict.SetUIFont(big); // UI fonts are disabled by default
    EXPECT_EQ(fonts.words.size(), 0);
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("settings.ini"))));

    dict.SetEditorFont(big);
    dict.SetEditorFont(big);
    TFontInfo stored;
    TDictSettings::Instance().ReadFont(QStringLiteral("Font"), stored);
    EXPECT_EQ(stored.Size, 14);

    dict.SetTabsAsButtons(false);
    dict.SetTabsAsButtons(false);
    EXPECT_EQ(tabs.words.size(), 2);

    dict.SetCommonSide(true); // both groups sit right by default
    EXPECT_EQ(sides.words.size(), 0);
    dict.SetCommonSide(false);
    EXPECT_EQ(sides.words.size(), 1);
    EXPECT_FALSE(TDictSettings::Instance().GetCommonTabSide());
}

TEST_F(DictionaryListTest, PickedWordIsAnnouncedEvenWhenUnchanged)
{
    Listener picks;
    TDictionaryList &dict = TDictionaryList::Instance();
    dict.WordPicked.Add({1}, &Listener::Heard, &picks);
    dict.SetPickedWord(QStringLiteral("Dove"));
    dict.SetPickedWord(QStringLiteral("Dove"));
    EXPECT_EQ(picks.words.size(), 2);
    EXPECT_EQ(dict.GetPickedWord(), QStringLiteral("Dove"));
}

} // namespace
