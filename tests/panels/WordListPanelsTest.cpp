#include "PanelFixture.h"

#include "ListBox.h"
#include "ResultsMemo.h"
#include "frmPhrases.h"
#include "frmRhymes.h"
#include "frmRoundex.h"

#include <QScrollBar>
#include <QStackedWidget>

namespace {
const QStringList CatRhymes = {"cat", "hat", "mat"};
}

class WordListPanelsTest : public PanelFixture
{
protected:
    void SetUp() override
    {
        PanelFixture::SetUp();
        WriteList(QStringLiteral("rdict.dat"), {{"cat", "AT"},
                                                {"hat", "AT"},
                                                {"mat", "AT"},
                                                {"AT", "mat#cat#hat"},
                                                {"AT[P]", "new york#big apple"},
                                                {"[P]", "orphan phrase"},
                                                {"run", "UN"},
                                                {"UN", "run#sun#fun"},
                                                {"read", "EED"},
                                                {"read(1)", "ED"},
                                                {"EED", "read#seed"},
                                                {"ED", "red#bed#read"},
                                                {"solo", "OLO"},
                                                {"OLO", "solo"},
                                                {"fruit", "UIT"},
                                                {"UIT", "banana#Apple#cherry#apple"}});
        WriteList(QStringLiteral("sdxdict.dat"),
                  {{"T200", "cat#splat#chat"}, {"D600", "read#bread"}, {"", "empty key"}});
    }
    static QString MemoText(TWordListFrame &panel) { return panel.mData()->toPlainText(); }
};

TEST_F(WordListPanelsTest, ClickedListItemBecomesCurrentAndStaysSelected)
{
    UseListStyle(true);
    auto rhymes = Shown(new TfrmRhymes(nullptr, 1));
    Dict().SetWord(QStringLiteral("cat"));
    TListBox *list = rhymes->lbRhymes();
    ASSERT_EQ(Rows(list), CatRhymes);

    ClickRow(list, 1);

    EXPECT_EQ(Dict().GetWord(), QStringLiteral("hat"));
    EXPECT_EQ(Rows(list), CatRhymes); // refilled with the same entry
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(actions->triggered, QStringList({"actUpdateInfo", "actUpdateLookup"}));
    EXPECT_EQ(actions->Action(QStringLiteral("actUpdateLookup"))->text(), QStringLiteral("hat"));
}

TEST_F(WordListPanelsTest, SelectionFollowsTheIndexWhenTheListChanges)
{
    UseListStyle(true);
    auto rhymes = Shown(new TfrmRhymes(nullptr, 1));
    Dict().SetWord(QStringLiteral("cat"));
    // "mat" (row 2) becomes current; its group is the same, so row 2 is selected again.
    ClickRow(rhymes->lbRhymes(), 2);
    EXPECT_EQ(rhymes->lbRhymes()->ItemIndex(), 2);
    // A word whose list is shorter than the clicked index leaves nothing selected.
    Dict().SetWord(QStringLiteral("solo"));
    EXPECT_EQ(rhymes->lbRhymes()->ItemIndex(), -1);
}

TEST_F(WordListPanelsTest, KeyboardMoveActsLikeAClick)
{
    UseListStyle(true);
    auto rhymes = Shown(new TfrmRhymes(nullptr, 1));
    Dict().SetWord(QStringLiteral("cat"));
    ClickRow(rhymes->lbRhymes(), 0);
    QTest::keyClick(rhymes->lbRhymes(), Qt::Key_Down);
    EXPECT_EQ(Dict().GetWord(), QStringLiteral("hat"));
    EXPECT_EQ(rhymes->lbRhymes()->ItemIndex(), 1);
}

TEST_F(WordListPanelsTest, DoubleClickPicksTheItem)
{
    UseListStyle(true);
    auto rhymes = Shown(new TfrmRhymes(nullptr, 1));
    Dict().SetWord(QStringLiteral("cat"));
    ClickRow(rhymes->lbRhymes(), 2, true);
    EXPECT_EQ(Dict().GetPickedWord(), QStringLiteral("mat"));
    EXPECT_EQ(Dict().GetWord(), QStringLiteral("mat")); // the first click of the two
}

TEST_F(WordListPanelsTest, WrapStyleClickTakesThePhraseBetweenCommas)
{
    auto phrases = Shown(new TfrmPhrases(nullptr, 1));
    Dict().SetWord(QStringLiteral("cat"));
    ASSERT_EQ(MemoText(*phrases), QStringLiteral("new york, big apple"));
    EXPECT_EQ(phrases->PageControl1()->currentWidget(), phrases->TabSheet2());

    ClickText(phrases->mData(), 14); // inside "apple"
    EXPECT_EQ(Dict().GetWord(), QStringLiteral("big apple"));
    EXPECT_EQ(actions->Action(QStringLiteral("actUpdateLookup"))->text(),
              QStringLiteral("big apple"));
}

TEST_F(WordListPanelsTest, WrapStyleClickRightAfterTheCommaAndDoubleClick)
{
    auto rhymes = Shown(new TfrmRhymes(nullptr, 1));
    Dict().SetWord(QStringLiteral("cat"));
    ASSERT_EQ(MemoText(*rhymes), QStringLiteral("mat, cat, hat"));
    ClickText(rhymes->mData(), 4); // after ", " of "mat"
    EXPECT_EQ(Dict().GetWord(), QStringLiteral("cat"));
    EXPECT_TRUE(rhymes->mData()->textCursor().selectedText().isEmpty());

    ClickText(rhymes->mData(), 11, true); // inside "hat"
    EXPECT_EQ(Dict().GetPickedWord(), QStringLiteral("hat"));
    EXPECT_TRUE(rhymes->mData()->textCursor().selectedText().isEmpty());
}

TEST_F(WordListPanelsTest, WrapStyleClickKeepsThePlaceInALongEntry)
{
    QByteArray entry;
    for (int i = 0; i < 400; ++i)
        entry += "word" + QByteArray::number(i) + "#";
    WriteList(QStringLiteral("rdict.dat"),
              {{"word0", "ORD"}, {"word399", "ORD"}, {"ORD", entry.constData()}});
    auto rhymes = Shown(new TfrmRhymes(nullptr, 1), 160, 120);
    Dict().SetWord(QStringLiteral("word0"));
    QScrollBar *bar = rhymes->mData()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum());
    const QString text = MemoText(*rhymes);
    ClickText(rhymes->mData(), int(text.lastIndexOf(QStringLiteral("word399"))) + 2);
    EXPECT_EQ(Dict().GetWord(), QStringLiteral("word399"));
    EXPECT_EQ(bar->value(), bar->maximum());
}

TEST_F(WordListPanelsTest, ListStyleSortsRegardlessOfCase)
{
    UseListStyle(true);
    TfrmRhymes rhymes(nullptr, 1);
    Dict().SetWord(QStringLiteral("fruit"));
    const QStringList rows = Rows(rhymes.lbRhymes());
    ASSERT_EQ(rows.size(), 4);
    EXPECT_EQ(rows.mid(0, 2).join(' ').toLower(), QStringLiteral("apple apple"));
    EXPECT_EQ(rows.mid(2), QStringList({"banana", "cherry"}));
}

TEST_F(WordListPanelsTest, OneWordGroupShowsInBothStyles)
{
    TfrmRhymes rhymes(nullptr, 1);
    Dict().SetWord(QStringLiteral("solo"));
    EXPECT_EQ(MemoText(rhymes), QStringLiteral("solo"));
    Dict().SetWrap(false);
    EXPECT_EQ(rhymes.PageControl1()->currentWidget(), rhymes.TabSheet1());
    EXPECT_EQ(Rows(rhymes.lbRhymes()), QStringList({"solo"}));
}

TEST_F(WordListPanelsTest, DisplayStyleChangeSwitchesPageAndRefills)
{
    TfrmRhymes rhymes(nullptr, 1);
    Dict().SetWord(QStringLiteral("run"));
    EXPECT_EQ(MemoText(rhymes), QStringLiteral("run, sun, fun"));
    EXPECT_EQ(rhymes.lbRhymes()->Count(), 0);
    Dict().SetWrap(false);
    EXPECT_EQ(Rows(rhymes.lbRhymes()), QStringList({"fun", "run", "sun"}));
    Dict().SetWrap(true);
    EXPECT_EQ(rhymes.PageControl1()->currentWidget(), rhymes.TabSheet2());
}

TEST_F(WordListPanelsTest, PanelOfTheOtherModeWaitsForItsModeAndAWordChange)
{
    auto lookupMode = std::make_unique<TfrmRhymes>(nullptr, 0);
    Dict().SetWord(QStringLiteral("cat"));
    EXPECT_TRUE(MemoText(*lookupMode).isEmpty());

    Dict().SetMode(0);
    EXPECT_TRUE(MemoText(*lookupMode).isEmpty()); // the mode change alone refills nothing
    Dict().SetWord(QStringLiteral("run"));
    EXPECT_EQ(MemoText(*lookupMode), QStringLiteral("run, sun, fun"));
}

TEST_F(WordListPanelsTest, PanelCreatedInItsModeFillsAtOnce)
{
    Dict().SetWord(QStringLiteral("run"));
    TfrmRhymes rhymes(nullptr, 1);
    EXPECT_EQ(MemoText(rhymes), QStringLiteral("run, sun, fun"));
}

TEST_F(WordListPanelsTest, StemFallbackInListStyleOnly)
{
    TfrmRhymes rhymes(nullptr, 1);
    Dict().SetWord(QStringLiteral("running")); // absent; its stem "run" is present
    EXPECT_TRUE(MemoText(rhymes).isEmpty());
    Dict().SetWrap(false);
    EXPECT_EQ(Rows(rhymes.lbRhymes()), QStringList({"fun", "run", "sun"}));
    Dict().SetWord(QStringLiteral("zzz"));
    EXPECT_EQ(rhymes.lbRhymes()->Count(), 0);
}

TEST_F(WordListPanelsTest, PronunciationSuffixPicksTheGroupButRoundexUsesTheWord)
{
    TfrmRhymes rhymes(nullptr, 1);
    TfrmRoundex roundex(nullptr, 1);
    Dict().SetWord(QStringLiteral("read(1)"));
    EXPECT_EQ(MemoText(rhymes), QStringLiteral("red, bed, read"));
    EXPECT_EQ(MemoText(roundex), QStringLiteral("read, bread")); // code of "read": D600
}

TEST_F(WordListPanelsTest, PhrasesOfAWordWithoutEntryComeFromTheBareKey)
{
    TfrmPhrases phrases(nullptr, 1);
    Dict().SetWord(QStringLiteral("unknown"));
    EXPECT_EQ(MemoText(phrases), QStringLiteral("orphan phrase"));
    Dict().SetWord(QStringLiteral("run")); // "UN[P]" is absent
    EXPECT_TRUE(MemoText(phrases).isEmpty());
}

TEST_F(WordListPanelsTest, RoundexKeepsTheEntryOrderAndIgnoresListDoubleClicks)
{
    UseListStyle(true);
    auto roundex = Shown(new TfrmRoundex(nullptr, 1));
    Dict().SetWord(QStringLiteral("cat"));
    TListBox *list = roundex->lbSoundex();
    EXPECT_EQ(list->ItemHeight(), 13);
    ASSERT_EQ(Rows(list), QStringList({"cat", "splat", "chat"}));
    EXPECT_EQ(roundex->Items(), Rows(list)); // the rows are the panel's own list

    ClickRow(list, 2, true);
    EXPECT_EQ(Dict().GetWord(), QStringLiteral("chat")); // the click ran
    EXPECT_TRUE(Dict().GetPickedWord().isEmpty());       // the double-click did not
}

TEST_F(WordListPanelsTest, RoundexMemoDoubleClickPicks)
{
    auto roundex = Shown(new TfrmRoundex(nullptr, 1));
    Dict().SetWord(QStringLiteral("cat"));
    ASSERT_EQ(MemoText(*roundex), QStringLiteral("cat, splat, chat"));
    ClickText(roundex->mData(), 14, true); // "chat" shares the code of "cat"
    EXPECT_EQ(Dict().GetPickedWord(), QStringLiteral("chat"));
    EXPECT_EQ(MemoText(*roundex), QStringLiteral("cat, splat, chat"));
}

TEST_F(WordListPanelsTest, RoundexOfTheEmptyWordLooksUpTheEmptyKey)
{
    TfrmRoundex roundex(nullptr, 1);
    Dict().SetWord(QStringLiteral("x"));
    Dict().SetWord(QString());
    EXPECT_EQ(MemoText(roundex), QStringLiteral("empty key"));
}

TEST_F(WordListPanelsTest, UIFontReachesTheLists)
{
    TDictSettings::Instance().Ini().WriteBool(QStringLiteral("MainForm"),
                                              QStringLiteral("EnableUIFonts"), true);
    TfrmPhrases phrases(nullptr, 1);
    TFontInfo font;
    font.Face = QStringLiteral("Courier New");
    font.Size = 15;
    Dict().SetUIFont(font);
    EXPECT_EQ(phrases.lbPhrases()->font().pointSize(), 15);
    EXPECT_EQ(phrases.mData()->font().pointSize(), 15);
    // The phrases memo still shows no selection after the font brought its colours.
    const QPalette pal = phrases.mData()->palette();
    EXPECT_EQ(pal.color(QPalette::Highlight), pal.color(QPalette::Base));
}
