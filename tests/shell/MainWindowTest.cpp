#include "ShellFixture.h"

#include "AppComponents.h"
#include "Common.h"
#include "DictStatusBar.h"
#include "Icons.h"
#include "LookupBox.h"
#include "MainActions.h"
#include "MainMenus.h"

#include <QAction>
#include <QFrame>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QScopeGuard>
#include <QScreen>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

namespace {
int IndexOfPanel(const char *className)
{
    const QObjectList components = AppComponents();
    for (qsizetype i = 0; i < components.size(); ++i)
        if (qstrcmp(components[i]->metaObject()->className(), className) == 0)
            return int(i);
    return -1;
}

const QString CadenzioTitle = QStringLiteral(
    "Cadenzio for Song Writers and Poets - with Tolvane English Dictionary of Rhyme 2.0");
} // namespace

class MainWindowTest : public ShellFixture
{
};

TEST_F(MainWindowTest, FirstRunOpensCentredWithDefaultPanelsAndAbout)
{
    WatchModals();
    TfrmRhymeDict *window = StartShown();
    ASSERT_TRUE(Settings().IsFirstRun());
    const QRect area = window->screen()->availableGeometry();
    // 800 by 600, unless the (offscreen) screen is too small for that and the frame.
    const int frameWidth = window->frameGeometry().width() - window->width();
    EXPECT_EQ(window->size(), QSize(std::min(800, area.width() - frameWidth), 600));
    EXPECT_NEAR(window->geometry().center().x(), area.center().x(), 2);
    EXPECT_EQ(window->windowTitle(), CadenzioTitle);
    // Created in the order thesaurus, Roundex, phrases, rhymes; thesaurus not built yet.
    EXPECT_LT(IndexOfPanel("TfrmRoundex"), IndexOfPanel("TfrmPhrases"));
    EXPECT_LT(IndexOfPanel("TfrmPhrases"), IndexOfPanel("TfrmRhymes"));
    EXPECT_FALSE(FindAppComponent(QStringLiteral("TfrmRhymeLines")));
    EXPECT_TRUE(Data()->actViewRhymes->isChecked());
    EXPECT_FALSE(Data()->actRhymeLines->isChecked());
    QTabWidget *pages = Docking()->pgctrlRight();
    EXPECT_TRUE(pages->isVisibleTo(window));
    EXPECT_TRUE(pages->isTabVisible(0));
    EXPECT_TRUE(pages->isTabVisible(1));
    EXPECT_EQ(pages->tabText(0), QStringLiteral("Common"));
    EXPECT_EQ(pages->tabText(1), QStringLiteral("More"));
    EXPECT_EQ(Docking()->pnlLeft()->width(), TPanelDocking::CollapsedSize);
    EXPECT_TRUE(window->UpdateTimer().isActive());
    QTest::qWait(50);
    EXPECT_EQ(modals, QStringList{QStringLiteral("TAboutForm")});
}

TEST_F(MainWindowTest, SecondRunRestoresBoundsPanelsAndSides)
{
    WatchModals();
    TfrmRhymeDict *window = StartShown();
    window->setGeometry(30, 20, 700, 520);
    Data()->actViewPhrases->trigger();
    Data()->actViewMode->trigger(); // list style
    Settings().SetUseDefaultPanelPos(false);
    Dict().SetTabsAsButtons(true);
    window->close();
    EXPECT_FALSE(FindAppComponent(QStringLiteral("TfrmRhymes"))) << "close frees the panels";
    EXPECT_TRUE(Settings().GetShowRhymes()) << "closing must not change the stored toggles";
    Restart();
    modals.clear();

    window = StartShown();
    EXPECT_FALSE(Settings().IsFirstRun());
    EXPECT_EQ(window->geometry(), QRect(30, 20, 700, 520));
    EXPECT_TRUE(FindAppComponent(QStringLiteral("TfrmRhymes")));
    EXPECT_TRUE(FindAppComponent(QStringLiteral("TfrmRoundex")));
    EXPECT_FALSE(FindAppComponent(QStringLiteral("TfrmPhrases")));
    EXPECT_FALSE(Dict().GetWrap());
    EXPECT_TRUE(Data()->actViewMode->isChecked());
    EXPECT_EQ(Docking()->Common()->parentWidget(), Docking()->pnlLeft());
    EXPECT_TRUE(window->MainActions()->actTogglePanels->isChecked());
    EXPECT_TRUE(Docking()->pgctrlRight()->property("tabsAsButtons").toBool());
    QTest::qWait(50);
    EXPECT_TRUE(modals.isEmpty()) << "About shown on a second run";
}

TEST_F(MainWindowTest, AbsurdStoredBoundsAreBroughtOnScreen)
{
    WriteSettings("Left=-99999\r\nTop=99999\r\nWidth=5000000\r\nHeight=-20\r\n"
                  "DockRightSplitter=-50\r\nBottomSplitterPosition=9000000\r\n");
    TfrmRhymeDict *window = StartShown();
    const QRect area = window->screen()->availableGeometry();
    EXPECT_TRUE(area.contains(window->frameGeometry()))
        << "window off screen: " << window->geometry().x() << "," << window->geometry().y() << " "
        << window->width() << "x" << window->height() << " in " << area.width() << "x"
        << area.height();
    EXPECT_GE(window->width(), TfrmRhymeDict::MinWidth);
    EXPECT_GE(window->height(), TfrmRhymeDict::MinHeight);
    const int side = Docking()->pnlRight()->width();
    EXPECT_GE(side, TPanelDocking::MinOpenSize);
    EXPECT_LE(side, window->width() / 3);
}

TEST_F(MainWindowTest, DamagedWordListEndsStartCleanly)
{
    dir.write(QStringLiteral("rdict.dat"), QByteArray("this is not a word list\0\x01\x02", 26));
    const QString error = StartProgram(program, false);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(program.window, nullptr);
    EXPECT_EQ(program.data, nullptr);
    EXPECT_EQ(TDataModule1::Find(), nullptr) << "half-built data module left behind";
    for (QWidget *widget : QApplication::topLevelWidgets())
        EXPECT_STRNE(widget->metaObject()->className(), "TfrmRhymeDict");

    // Mended, the next start loads it.
    WriteList("rdict.dat", {{"love", "UHV"}});
    EXPECT_TRUE(StartProgram(program, false).isEmpty());
    EXPECT_NE(program.window, nullptr);
}

TEST_F(MainWindowTest, LookupModeHidesTheCadenzioParts)
{
    WriteSettings();
    TfrmRhymeDict *window = StartShown();
    window->FrameAdvanced()->setFocusPolicy(Qt::StrongFocus);
    window->FrameAdvanced()->setFocus();
    Dict().SetWord(QStringLiteral("love"));
    Data()->actAdvanced->trigger();
    EXPECT_EQ(Dict().GetMode(), 0);
    EXPECT_TRUE(Dict().GetWord().isEmpty()) << "the box was not active, the word must go";
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tolvane English Dictionary of Rhyme 2.0"));
    EXPECT_EQ(Data()->actAdvanced->text(), QStringLiteral("Switch to Cadenzio mode"));
    for (QToolBar *bar : window->Menus()->ToolBars())
        EXPECT_FALSE(bar->isVisibleTo(window)) << bar->objectName().toStdString();
    EXPECT_TRUE(window->Menus()->tbarLookup->isVisibleTo(window));
    EXPECT_FALSE(Docking()->pnlRight()->isVisibleTo(window));
    EXPECT_FALSE(window->Menus()->mnuEdit->menuAction()->isVisible());
    EXPECT_FALSE(Data()->FileNew1->isVisible());
    EXPECT_TRUE(window->FrameSimple()->isVisibleTo(window));
    EXPECT_FALSE(window->FrameAdvanced()->isVisibleTo(window));

    Data()->actAdvanced->trigger();
    EXPECT_EQ(Dict().GetMode(), 1);
    EXPECT_EQ(window->windowTitle(), CadenzioTitle);
    EXPECT_TRUE(Docking()->pnlRight()->isVisibleTo(window));
    EXPECT_TRUE(window->Menus()->mnuEdit->menuAction()->isVisible());
    EXPECT_TRUE(window->FrameAdvanced()->isVisibleTo(window));
}

TEST_F(MainWindowTest, SwitchingFromTheLookupBoxKeepsTheWord)
{
    WriteSettings("IsAdvanced=0\r\n");
    TfrmRhymeDict *window = StartShown();
    EXPECT_FALSE(Data()->actAdvanced->isChecked()) << "check mark out of step with the mode";
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    window->cmbLookup()->setFocus();
    Dict().SetWord(QStringLiteral("love"));
    Data()->actAdvanced->trigger();
    EXPECT_EQ(Dict().GetMode(), 1);
    EXPECT_EQ(Dict().GetWord(), QStringLiteral("love"));
}

TEST_F(MainWindowTest, ToggleCaptionsFollowTheCheckMarks)
{
    WriteSettings("ShowRhymes=0\r\n");
    StartShown();
    EXPECT_EQ(Data()->actViewRhymes->text(), QStringLiteral("Show rhymes"));
    Data()->actViewRhymes->trigger();
    EXPECT_EQ(Data()->actViewRhymes->text(), QStringLiteral("Hide rhymes"));
    EXPECT_EQ(Data()->actViewRhymes->toolTip(), QStringLiteral("Hide rhymes"));
    EXPECT_TRUE(Settings().GetShowRhymes());
    EXPECT_EQ(Data()->actViewMode->text(), QStringLiteral("Switch to List mode"));
    EXPECT_EQ(Data()->actViewRoundex->text(), QStringLiteral("Hide Roundex"));
}

TEST_F(MainWindowTest, EveryToolButtonHasAnIcon)
{
    WriteSettings();
    TfrmRhymeDict *window = StartShown();
    int buttons = 0;
    for (QToolBar *bar : window->Menus()->ToolBars())
        for (QAction *action : bar->actions()) {
            ++buttons;
            EXPECT_FALSE(action->icon().pixmap(16).isNull()) << action->objectName().toStdString();
        }
    EXPECT_EQ(buttons, 5 + 6 + 3 + 4);
}

TEST_F(MainWindowTest, ProgressBarLivesBetweenStartAndEnd)
{
    WriteSettings();
    TfrmRhymeDict *window = StartShown();
    TDictStatusBar *status = window->StatusBar1();
    EXPECT_TRUE(ExecuteAppAction(QStringLiteral("actEndStatus")));
    EXPECT_EQ(status->StatusProgress(), nullptr);
    ExecuteAppAction(QStringLiteral("actStartStatus"));
    ASSERT_NE(status->StatusProgress(), nullptr);
    for (int i = 0; i < 10; ++i)
        ExecuteAppAction(QStringLiteral("actUpdateStatus"));
    EXPECT_EQ(status->StatusProgress()->value(), 100);
    ExecuteAppAction(QStringLiteral("actUpdateStatus"));
    EXPECT_EQ(status->StatusProgress()->value(), 0) << "a full bar starts again";
    ExecuteAppAction(QStringLiteral("actEndStatus"));
    EXPECT_EQ(status->StatusProgress(), nullptr);
}

TEST_F(MainWindowTest, ResizingAfterShowStoresBounds)
{
    WriteSettings();
    TfrmRhymeDict *window = StartShown();
    window->resize(720, 540);
    QApplication::processEvents();
    EXPECT_EQ(Settings().GetWidth(), 720);
    EXPECT_EQ(Settings().GetHeight(), 540);
}

TEST_F(MainWindowTest, UpdateTimerRunsTheCheckOnce)
{
    WriteSettings();
    int runs = 0;
    const auto saved = TfrmRhymeDict::UpdateCheckHook;
    TfrmRhymeDict::UpdateCheckHook = [&runs] { ++runs; };
    TfrmRhymeDict *window = StartShown();
    window->UpdateTimer().setInterval(10);
    window->UpdateTimer().start();
    QTest::qWait(80);
    TfrmRhymeDict::UpdateCheckHook = saved;
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(window->UpdateTimer().isActive());
}

TEST_F(MainWindowTest, LookupBoxLooksUpWhenItGetsTheFocus)
{
    WriteSettings();
    TfrmRhymeDict *window = StartShown();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    window->statusBar()->setFocus();
    window->cmbLookup()->SetTextQuietly(QStringLiteral("Dove"));
    EXPECT_TRUE(Dict().GetWord().isEmpty());
    window->cmbLookup()->setFocus();
    WaitForDebounce();
    EXPECT_EQ(Dict().GetWord(), QStringLiteral("dove"));
}

TEST_F(MainWindowTest, SamplesMenuListsPlainTextSamplesAndOpensThemAsRecentFiles)
{
    dir.write(QStringLiteral("Samples/Two Words.txt"), "a poem\n");
    dir.write(QStringLiteral("Samples/Rock & Roll.txt"), "a song\n");
    dir.write(QStringLiteral("Samples/notes.md"), "not a sample\n");
    dir.write(QStringLiteral("Samples/.hidden.txt"), "hidden\n");
    const QString locked = dir.write(QStringLiteral("Samples/Locked.txt"), "read-only\n");
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ReadGroup);
    WriteSettings();
    TfrmRhymeDict *window = StartShown();

    QStringList captions;
    QAction *twoWords = nullptr;
    for (QAction *item : window->Menus()->mnuSamples->actions()) {
        captions << item->text();
        if (item->text() == QLatin1String("Two Words"))
            twoWords = item;
    }
    captions.sort();
    EXPECT_EQ(captions, (QStringList{QStringLiteral("Rock && Roll"), QStringLiteral("Two Words")}));
    ASSERT_NE(twoWords, nullptr);
    QAction *openRecent = FindAppAction(QStringLiteral("actOpenRecent"));
    ASSERT_NE(openRecent, nullptr);
    twoWords->trigger();
    EXPECT_EQ(openRecent->text(), dir.path() + QStringLiteral("Samples/Two Words.txt"));
}

// Options and the word explorer come with their own parts: offered exactly when installed.
TEST_F(MainWindowTest, ExplorerAndOptionsAreOfferedOnlyOnceInstalled)
{
    ASSERT_FALSE(TfrmRhymeDict::WordExplorerHook);
    ASSERT_FALSE(TfrmRhymeDict::OptionsHook);
    WriteSettings();
    TfrmRhymeDict *window = StartShown();
    TMainActions *actions = window->MainActions();
    EXPECT_FALSE(actions->actWordExplorer->isEnabled());
    EXPECT_FALSE(actions->actOptions->isEnabled());
    Restart();

    QStringList opened;
    TfrmRhymeDict::WordExplorerHook = [&opened](QWidget *, const QString &word) {
        opened << QStringLiteral("explorer ") + word;
    };
    TfrmRhymeDict::OptionsHook = [&opened](QWidget *) { opened << QStringLiteral("options"); };
    const auto uninstall = qScopeGuard([] {
        TfrmRhymeDict::WordExplorerHook = nullptr;
        TfrmRhymeDict::OptionsHook = nullptr;
    });
    window = StartShown();
    actions = window->MainActions();
    EXPECT_TRUE(actions->actWordExplorer->isEnabled());
    EXPECT_TRUE(actions->actOptions->isEnabled());
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    Dict().SetWord(QStringLiteral("love"));
    QTest::keyClick(window, Qt::Key_W, Qt::ControlModifier);
    actions->actOptions->trigger();
    EXPECT_EQ(opened, QStringList({"explorer love", "options"}));
}

TEST_F(MainWindowTest, TheUpdateCheckRunsOnlyWhileTheOptionIsOn)
{
    const std::pair<QByteArray, int> cases[] = {
        {"", 1}, {"CheckForUpdates=1\r\n", 1}, {"CheckForUpdates=0\r\n", 0}};
    for (const auto &[lines, expected] : cases) {
        WriteSettings(lines);
        int runs = 0;
        const auto saved = TfrmRhymeDict::UpdateCheckHook;
        const auto restore = qScopeGuard([&] { TfrmRhymeDict::UpdateCheckHook = saved; });
        TfrmRhymeDict::UpdateCheckHook = [&runs] { ++runs; };
        TfrmRhymeDict *window = StartShown();
        window->UpdateTimer().setInterval(10);
        window->UpdateTimer().start();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window->UpdateTimer().isActive(); }, 2000));
        QApplication::processEvents();
        EXPECT_EQ(runs, expected) << lines.constData();
        Restart();
    }
}
