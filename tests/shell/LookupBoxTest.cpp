#include "ShellFixture.h"

#include "AppComponents.h"

#include "Common.h"
#include "DictStatusBar.h"
#include "ListBox.h"
#include "LookupBox.h"
#include "PronunciationBar.h"
#include "ResultsMemo.h"
#include "frmRhymes.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

namespace {
TfrmRhymes *RhymesPanel()
{
    return qobject_cast<TfrmRhymes *>(FindAppComponent(QStringLiteral("TfrmRhymes")));
}
} // namespace

class LookupBoxTest : public ShellFixture
{
protected:
    void Type(const QString &text)
    {
        QLineEdit *edit = program.window->cmbLookup()->lineEdit();
        QTest::keyClicks(edit, text);
    }
    QString StatusText() const { return program.window->StatusBar1()->Panel(3)->text(); }
};

TEST_F(LookupBoxTest, TypingIsLookedUpOnceAfterThePause)
{
    WriteSettings();
    StartShown();
    WordListener heard(Dict());
    Type(QStringLiteral("Love!"));
    QTest::qWait(TDictionaryList::DebounceMs / 2);
    EXPECT_TRUE(heard.words.isEmpty()) << "a lookup before the pause";
    WaitForDebounce();
    EXPECT_EQ(heard.words, QStringList{QStringLiteral("love")});
    ASSERT_NE(RhymesPanel(), nullptr);
    EXPECT_TRUE(RhymesPanel()->mData()->toPlainText().contains(QStringLiteral("glove")));
    EXPECT_EQ(StatusText(), QStringLiteral("1 pronunciation for 'love'"));

    // Enter with the same text finds the word unchanged: nothing new.
    QTest::keyClick(program.window->cmbLookup()->lineEdit(), Qt::Key_Return);
    WaitForDebounce();
    EXPECT_EQ(heard.words.size(), 1);
}

TEST_F(LookupBoxTest, ClickedRhymeBecomesCurrentWithoutSecondLookup)
{
    WriteSettings("IsListMode=1\r\n");
    StartShown();
    Type(QStringLiteral("love"));
    WaitForDebounce();
    TfrmRhymes *panel = RhymesPanel();
    ASSERT_NE(panel, nullptr);
    TListBox *list = panel->lbRhymes();
    int row = -1;
    for (int i = 0; i < list->Count(); ++i)
        if (list->ItemText(i) == QStringLiteral("glove"))
            row = i;
    ASSERT_GE(row, 0) << "love's rhymes are not listed";

    WordListener heard(Dict());
    const QRect item = list->visualRect(list->Model()->index(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    WaitForDebounce();
    EXPECT_EQ(Dict().GetWord(), QStringLiteral("glove"));
    EXPECT_EQ(program.window->cmbLookup()->currentText(), QStringLiteral("glove"));
    EXPECT_EQ(heard.words, QStringList{QStringLiteral("glove")}) << "looked up more than once";
    ASSERT_EQ(list->ItemIndex(), row);
    EXPECT_EQ(list->ItemText(list->ItemIndex()), QStringLiteral("glove"));
}

TEST_F(LookupBoxTest, StatusCountsPronunciationsAndBarsOfferThem)
{
    WriteSettings();
    StartShown();
    Type(QStringLiteral("read"));
    WaitForDebounce();
    EXPECT_EQ(StatusText(), QStringLiteral("2 pronunciations for 'read'"));
    TPronunciationBar *bar = Docking()->Common()->pnlPronunciation();
    EXPECT_TRUE(bar->Button(0)->isEnabled());
    EXPECT_TRUE(bar->Button(1)->isEnabled());
    EXPECT_FALSE(bar->Button(2)->isEnabled());

    // A variant is counted by its lookup word; an unknown word has none.
    Dict().SetWord(QStringLiteral("read(1)"));
    EXPECT_EQ(StatusText(), QStringLiteral("2 pronunciations for 'read'"));
    Dict().SetWord(QStringLiteral("xyzzy"));
    EXPECT_EQ(StatusText(), QStringLiteral("0 pronunciations for 'xyzzy'"));
    Dict().SetWord(QString());
    EXPECT_TRUE(StatusText().isEmpty());
}

TEST_F(LookupBoxTest, HistoryKeepsTheLastNineDistinctWords)
{
    WriteSettings();
    StartShown();
    TLookupBox *box = program.window->cmbLookup();
    QStringList typed;
    for (int i = 0; i < 10; ++i) {
        const QString word = QStringLiteral("word%1").arg(i);
        box->setEditText(word);
        typed << word;
        WaitForDebounce();
    }
    EXPECT_EQ(box->History(), typed.mid(1));
    EXPECT_EQ(box->currentText(), QStringLiteral("word9")) << "the typed text was replaced";
    box->setEditText(QStringLiteral("   "));
    WaitForDebounce();
    box->setEditText(QStringLiteral("word5"));
    WaitForDebounce();
    EXPECT_EQ(box->History(), typed.mid(1));
}

TEST_F(LookupBoxTest, CutWithBoxFocusedTakesTheWholeText)
{
    WriteSettings();
    TfrmRhymeDict *window = StartShown();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QLineEdit *edit = window->cmbLookup()->lineEdit();
    edit->setFocus();
    window->cmbLookup()->setEditText(QStringLiteral("true love"));
    edit->setSelection(0, 4);
    QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("true love"));
    EXPECT_TRUE(window->cmbLookup()->currentText().isEmpty());
}

TEST_F(LookupBoxTest, PickedWordIsShownWithoutLookup)
{
    WriteSettings();
    StartShown();
    WordListener heard(Dict());
    ShowWordInLookupBox(QStringLiteral("seed"));
    WaitForDebounce();
    EXPECT_EQ(program.window->cmbLookup()->currentText(), QStringLiteral("seed"));
    EXPECT_TRUE(heard.words.isEmpty());
}

// Enter on an unchanged word leaves a delay requested; the next click must not inherit it.
TEST_F(LookupBoxTest, DelayLeftByTheBoxDoesNotReachTheNextClick)
{
    WriteSettings("IsListMode=1\r\n");
    StartShown();
    QLineEdit *edit = program.window->cmbLookup()->lineEdit();
    Type(QStringLiteral("love"));
    WaitForDebounce();
    QTest::keyClick(edit, Qt::Key_Return);
    TListBox *list = RhymesPanel()->lbRhymes();
    ASSERT_EQ(list->ItemText(2), QStringLiteral("glove"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->Model()->index(2)).center());
    EXPECT_EQ(Dict().GetWord(), QStringLiteral("glove")) << "the click was looked up late";
    WaitForDebounce();
    EXPECT_EQ(list->ItemIndex(), 2);

    edit->selectAll();
    Type(QStringLiteral("read"));
    WaitForDebounce();
    QTest::keyClick(edit, Qt::Key_Return);
    TPronunciationBar *bar = Docking()->Common()->pnlPronunciation();
    QTest::mouseClick(bar->Button(1), Qt::LeftButton);
    EXPECT_EQ(Dict().GetWord(), QStringLiteral("read(1)"));
    WaitForDebounce();
    EXPECT_TRUE(bar->Button(1)->isChecked());
    EXPECT_FALSE(bar->Button(0)->isChecked());
}

// However the focus comes back into the box (the menu bar's keyboard mode, a pop-up, the window),
// the box shows the word already looked up and a chosen pronunciation stays.
TEST_F(LookupBoxTest, FocusComingBackKeepsTheChosenPronunciation)
{
    WriteSettings();
    StartShown();
    QLineEdit *edit = program.window->cmbLookup()->lineEdit();
    edit->setFocus();
    Type(QStringLiteral("Read"));
    WaitForDebounce();
    TPronunciationBar *bar = Docking()->Common()->pnlPronunciation();
    QTest::mouseClick(bar->Button(1), Qt::LeftButton);
    ASSERT_EQ(Dict().GetWord(), QStringLiteral("read(1)"));
    for (Qt::FocusReason reason : {Qt::MenuBarFocusReason, Qt::PopupFocusReason,
                                   Qt::ActiveWindowFocusReason, Qt::OtherFocusReason}) {
        QFocusEvent in(QEvent::FocusIn, reason);
        QApplication::sendEvent(program.window->cmbLookup(), &in);
        WaitForDebounce();
        EXPECT_EQ(Dict().GetWord(), QStringLiteral("read(1)")) << reason;
    }
    edit->selectAll();
    Type(QStringLiteral("reed"));
    WaitForDebounce();
    EXPECT_EQ(Dict().GetWord(), QStringLiteral("reed")) << "a new word is still looked up";
}
