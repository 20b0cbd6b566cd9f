#include "ShellFixture.h"

#include "../components/ThesaurusFiles.h"

#include "Common.h"
#include "FrameAdvanced.h"
#include "LookupBox.h"
#include "MainMenus.h"
#include "MetaTree.h"
#include "PanelDocking.h"
#include "PronunciationBar.h"
#include "frmCombined.h"
#include "frmRhymeLines.h"
#include "frmSimple.h"
#include "frmVisThesaurus.h"

#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTabBar>
#include <QTextBlock>
#include <QToolBar>
#include <QToolButton>

// The main window with the real frames of both modes, as the program builds it.
class LookupModeTest : public ShellFixture
{
protected:
    void SetUp() override
    {
        ShellFixture::SetUp();
        savedAdvanced_ = TfrmRhymeDict::AdvancedFrameFactory;
        savedSimple_ = TfrmRhymeDict::SimpleFrameFactory;
        InstallProgramFrames();
        WriteList("rpoetry.dat", {{"UHV", "1@Of kindness and of love#2@So high above"},
                                  {"1[P]", "Wordsworth@Poems"},
                                  {"2[P]", "Milton@Paradise Lost"}});
    }
    void TearDown() override
    {
        ShellFixture::TearDown();
        TfrmRhymeDict::AdvancedFrameFactory = savedAdvanced_;
        TfrmRhymeDict::SimpleFrameFactory = savedSimple_;
    }

    TFrameSimple *Simple() const
    {
        return qobject_cast<TFrameSimple *>(program.window->FrameSimple());
    }
    static QString Text(const QPlainTextEdit *memo) { return memo->toPlainText(); }
    void TypeIntoLookupBox(const QString &text)
    {
        TLookupBox *box = program.window->cmbLookup();
        program.window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(program.window.get()));
        box->setFocus();
        box->lineEdit()->selectAll();
        QTest::keyClicks(box->lineEdit(), text);
        WaitForDebounce();
    }
    // Whether the parts of Cadenzio mode are shown (true) or all hidden (false).
    void ExpectCadenzioParts(bool shown)
    {
        TfrmRhymeDict *window = program.window.get();
        for (QToolBar *bar : window->Menus()->ToolBars())
            EXPECT_EQ(bar->isVisibleTo(window), shown) << bar->objectName().toStdString();
        EXPECT_EQ(Docking()->pnlRight()->isVisibleTo(window), shown);
        EXPECT_EQ(Docking()->pnlLeft()->isVisibleTo(window), shown);
        EXPECT_EQ(window->Menus()->mnuEdit->menuAction()->isVisible(), shown);
        EXPECT_EQ(window->Menus()->mnuSamples->menuAction()->isVisible(), shown);
        EXPECT_EQ(Docking()->pnlRhymeLine()->isVisibleTo(window), shown);
        EXPECT_EQ(window->FrameAdvanced()->isVisibleTo(window), shown);
        EXPECT_EQ(window->FrameSimple()->isVisibleTo(window), !shown);
        EXPECT_TRUE(window->Menus()->tbarLookup->isVisibleTo(window));
    }

    // Opens the View menu and closes it with Escape, then lets another window take the
    // activation and gives it back: the focus returns to the lookup box each time.
    void VisitMenuAndAnotherWindow()
    {
        TfrmRhymeDict *window = program.window.get();
        QMenu *view = window->Menus()->mnuView;
        view->popup(window->mapToGlobal(QPoint(20, 20)));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
        QTest::keyClick(view, Qt::Key_Escape);
        EXPECT_TRUE(QTest::qWaitFor([view] { return !view->isVisible(); }, 5000));
        QWidget other;
        other.resize(100, 100);
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        other.hide();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        EXPECT_TRUE(window->cmbLookup()->lineEdit()->hasFocus());
        WaitForDebounce();
    }

private:
    TfrmRhymeDict::FrameFactory savedAdvanced_;
    TfrmRhymeDict::FrameFactory savedSimple_;
};

TEST_F(LookupModeTest, SwitchingModesKeepsTheDocumentAndHidesTheOtherModesParts)
{
    WriteSettings();
    TfrmRhymeDict *window = StartShown();
    ASSERT_NE(Simple(), nullptr);
    QPlainTextEdit *editor = window->Editor();
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(editor->isVisible()) << "a new document is open at start";
    editor->setFocus();
    QTest::keyClicks(editor, QStringLiteral("true love"));
    ASSERT_TRUE(editor->document()->isModified());
    ExpectCadenzioParts(true);

    Data()->actAdvanced->trigger();
    ASSERT_EQ(Dict().GetMode(), 0);
    ExpectCadenzioParts(false);
    EXPECT_FALSE(editor->isVisible());

    Data()->actAdvanced->trigger();
    ASSERT_EQ(Dict().GetMode(), 1);
    ExpectCadenzioParts(true);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->toPlainText(), QStringLiteral("true love"));
    EXPECT_TRUE(editor->document()->isModified());
}

TEST_F(LookupModeTest, WordOfTheActiveLookupBoxIsShownByTheOtherModesPanels)
{
    WriteSettings();
    TfrmRhymeDict *window = StartShown();
    ASSERT_TRUE(Simple()->PanelsPlaced()) << "placed at the first activation, in either mode";
    TypeIntoLookupBox(QStringLiteral("read"));
    ASSERT_EQ(Dict().GetWord(), QStringLiteral("read"));

    Data()->actAdvanced->trigger();
    ASSERT_EQ(Dict().GetMode(), 0);
    EXPECT_EQ(Dict().GetWord(), QStringLiteral("read"));
    EXPECT_EQ(window->cmbLookup()->currentText(), QStringLiteral("read"));
    // The Lookup-mode pages show the kept word, not what they showed before.
    auto *combined = Simple()->findChild<TfrmCombinedSimple *>();
    ASSERT_NE(combined, nullptr);
    EXPECT_TRUE(Text(combined->plCombined()).startsWith(QStringLiteral("Standard Rhymes\nbed")));
    EXPECT_EQ(Simple()->TabControl1()->count(), 2);

    TypeIntoLookupBox(QStringLiteral("love"));
    EXPECT_EQ(Simple()->TabControl1()->count(), 1);
    EXPECT_TRUE(Text(combined->plCombined()).contains(QStringLiteral("Phrase & Proper Nouns")));
    auto *lines = Simple()->findChild<TfrmRhymeLines *>();
    ASSERT_NE(lines, nullptr);
    EXPECT_EQ(lines->Mode(), 0);
    EXPECT_EQ(lines->Rows().Count(), 2);
}

TEST_F(LookupModeTest, RhymeLinesDockIsFilledAtOnceAndBelongsToCadenzioMode)
{
    WriteSettings();
    TfrmRhymeDict *window = StartShown();
    Dict().SetWord(QStringLiteral("love"));
    Data()->actRhymeLines->trigger();
    auto *docked = Docking()->pnlRhymeLine()->findChild<TfrmRhymeLines *>();
    ASSERT_NE(docked, nullptr);
    EXPECT_EQ(docked->Mode(), 1);
    EXPECT_EQ(docked->Rows().Count(), 2) << "filled when docked, not at the next word";
    EXPECT_EQ(docked->Model()->index(0, 0).data().toString(),
              QStringLiteral("Of kindness and of love"));
    EXPECT_EQ(Docking()->pnlRhymeLine()->height(), Settings().GetBottomSplitterPosition());

    Data()->actAdvanced->trigger();
    EXPECT_FALSE(Docking()->pnlRhymeLine()->isVisibleTo(window));
    EXPECT_NE(Simple()->findChild<TfrmRhymeLines *>(), docked);
    Data()->actAdvanced->trigger();
    EXPECT_TRUE(Docking()->pnlRhymeLine()->isVisibleTo(window));

    const QPointer<TfrmRhymeLines> lookupLines = Simple()->findChild<TfrmRhymeLines *>();
    Data()->actRhymeLines->trigger();
    EXPECT_EQ(Docking()->pnlRhymeLine()->findChild<TfrmRhymeLines *>(), nullptr);
    EXPECT_NE(lookupLines, nullptr) << "the Lookup-mode table is not the docked one";
    EXPECT_EQ(Docking()->pnlRhymeLine()->height(), 1);
}

// The focused control disappears with its mode; the focus must not fall to the lookup box,
// which would then count as active and keep the word.
TEST_F(LookupModeTest, SwitchingAwayFromAFocusedPanelOrEditorEmptiesTheWord)
{
    WriteSettings();
    TfrmRhymeDict *window = StartShown();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QPlainTextEdit *editor = window->Editor();
    ASSERT_NE(editor, nullptr);
    editor->setFocus();
    ASSERT_TRUE(editor->hasFocus());
    Dict().SetWord(QStringLiteral("love"));
    Data()->actAdvanced->trigger();
    ASSERT_EQ(Dict().GetMode(), 0);
    EXPECT_TRUE(Dict().GetWord().isEmpty());
    EXPECT_FALSE(window->cmbLookup()->lineEdit()->hasFocus());

    auto *combined = Simple()->findChild<TfrmCombinedSimple *>();
    ASSERT_NE(combined, nullptr);
    combined->plCombined()->setFocus();
    ASSERT_TRUE(combined->plCombined()->hasFocus());
    Dict().SetWord(QStringLiteral("love"));
    Data()->actAdvanced->trigger();
    ASSERT_EQ(Dict().GetMode(), 1);
    EXPECT_TRUE(Dict().GetWord().isEmpty());
    EXPECT_FALSE(window->cmbLookup()->lineEdit()->hasFocus());
}

// A pronunciation chosen after typing is kept when the focus comes back to the lookup box from
// a menu or with the window: only the user moving into the box looks its text up again.
TEST_F(LookupModeTest, ChosenPronunciationSurvivesAMenuAndTheWindowComingBack)
{
    WriteSettings();
    TfrmRhymeDict *window = StartShown();
    TypeIntoLookupBox(QStringLiteral("read"));
    TPronunciationBar *bar = Docking()->Common()->pnlPronunciation();
    ASSERT_TRUE(bar->Button(1)->isEnabled());
    QTest::mouseClick(bar->Button(1), Qt::LeftButton);
    WaitForDebounce();
    ASSERT_EQ(Dict().GetWord(), QStringLiteral("read(1)"));
    VisitMenuAndAnotherWindow();
    EXPECT_EQ(Dict().GetWord(), QStringLiteral("read(1)"));
    EXPECT_TRUE(bar->Button(1)->isChecked());

    Data()->actAdvanced->trigger(); // from the active lookup box: the word stays
    ASSERT_EQ(Dict().GetMode(), 0);
    TypeIntoLookupBox(QStringLiteral("read"));
    QTabBar *tabs = Simple()->TabControl1();
    ASSERT_EQ(tabs->count(), 2);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    ASSERT_EQ(Dict().GetWord(), QStringLiteral("read(1)"));
    window->cmbLookup()->lineEdit()->setFocus();
    VisitMenuAndAnotherWindow();
    EXPECT_EQ(Dict().GetWord(), QStringLiteral("read(1)"));
    EXPECT_EQ(tabs->currentIndex(), 1);
}

// Each mode's host tells the visual thesaurus when its page becomes current: only then is the
// tree built for the current word.
TEST_F(LookupModeTest, VisualThesaurusBuildsItsTreeWhenItsPageBecomesCurrent)
{
    WriteThesaurus(dir, QStringLiteral("thesaurus"), {{"love", {"(noun)|passion|affection"}}});
    WriteSettings();
    TfrmRhymeDict *window = StartShown();
    auto *advanced = qobject_cast<TFrameAdvanced *>(window->FrameAdvanced());
    ASSERT_NE(advanced, nullptr);
    Data()->actAdvanced->trigger(); // Lookup mode places its panels on first showing
    ASSERT_EQ(Dict().GetMode(), 0);
    struct THost
    {
        QTabWidget *pages;
        QWidget *page;
        int mode;
    };
    for (const THost &host :
         {THost{Simple()->pgcntrlSimple(), Simple()->Page(QStringLiteral("tbVisualThesaurus")), 0},
          THost{advanced->PageControl1(),
                advanced->PageControl1()->findChild<QWidget *>(
                    QStringLiteral("tbHyperbolicThesaurus")),
                1}}) {
        if (Dict().GetMode() != host.mode)
            Data()->actAdvanced->trigger();
        Dict().SetWordNow(QStringLiteral("love")); // a mode switch may empty the word
        ASSERT_NE(host.page, nullptr);
        auto *panel = host.page->findChild<TfrmVisualThesaurus *>();
        ASSERT_NE(panel, nullptr) << host.mode;
        EXPECT_EQ(panel->MetaTree1()->Root(), nullptr) << host.mode;
        host.pages->setCurrentWidget(host.page);
        ASSERT_NE(panel->MetaTree1()->Root(), nullptr) << host.mode;
        EXPECT_EQ(panel->MetaTree1()->Root()->Text(), QStringLiteral("love")) << host.mode;
    }
}
