#include "PanelFixture.h"

#include "Common.h"
#include "DockPanel.h"
#include "More.h"
#include "PronunciationBar.h"
#include "VerseFormChooser.h"
#include "VerseFormExample.h"
#include "frmPhrases.h"
#include "frmRhymes.h"
#include "frmRoundex.h"

#include <QAbstractItemView>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTextBrowser>
#include <QToolButton>

class PronunciationTest : public PanelFixture
{
protected:
    void SetUp() override
    {
        PanelFixture::SetUp();
        WriteList(QStringLiteral("rdict.dat"), {{"wind", "IND"},
                                                {"wind(1)", "AIND"},
                                                {"wind(3)", "INDZ"},
                                                {"lead(2)", "ED"},
                                                {"lead(4)", "EED"}});
    }
    static std::vector<int> EnabledTags(const TPronunciationBar *bar)
    {
        std::vector<int> tags;
        for (int i = 0; i < TPronunciationBar::ButtonCount; ++i)
            if (bar->Button(i)->isEnabled())
                tags.push_back(bar->Tag(i));
        return tags;
    }
    static int DownButton(const TPronunciationBar *bar)
    {
        for (int i = 0; i < TPronunciationBar::ButtonCount; ++i)
            if (bar->Button(i)->isChecked())
                return i;
        return -1;
    }
};

TEST_F(PronunciationTest, ButtonsStandForTheVariantsThatExist)
{
    TfrmCommon common;
    Dict().SetWord(QStringLiteral("wind"));
    const TPronunciationBar *bar = common.pnlPronunciation();
    EXPECT_EQ(EnabledTags(bar), std::vector<int>({0, 1, 3}));
    EXPECT_TRUE(bar->Button(2)->isEnabled());
    EXPECT_FALSE(bar->Button(3)->isEnabled());
    EXPECT_FALSE(bar->Button(4)->isEnabled());
    EXPECT_EQ(DownButton(bar), 0);
    EXPECT_EQ(bar->Button(0)->objectName(), QStringLiteral("tlbP1"));
    EXPECT_EQ(bar->Button(4)->text(), QStringLiteral("  5  "));
}

TEST_F(PronunciationTest, ButtonsFillFromTheLeftWithoutGaps)
{
    TfrmMore more;
    Dict().SetWord(QStringLiteral("lead"));
    EXPECT_EQ(EnabledTags(more.pnlPronunciationMore()), std::vector<int>({2, 4}));
    Dict().SetWord(QStringLiteral("nothing"));
    EXPECT_TRUE(EnabledTags(more.pnlPronunciationMore()).empty());
}

TEST_F(PronunciationTest, ClickedBarKeepsItsButtonWhileTheOtherPressesTheFirst)
{
    auto common = Shown(new TfrmCommon);
    auto more = Shown(new TfrmMore);
    Dict().SetWord(QStringLiteral("wind"));

    QTest::mouseClick(common->pnlPronunciation()->Button(2), Qt::LeftButton);

    EXPECT_EQ(Dict().GetWord(), QStringLiteral("wind(3)"));
    EXPECT_EQ(DownButton(common->pnlPronunciation()), 2);
    EXPECT_EQ(DownButton(more->pnlPronunciationMore()), 0);
    // The suffix of the current word does not change what the bars offer.
    EXPECT_EQ(EnabledTags(more->pnlPronunciationMore()), std::vector<int>({0, 1, 3}));

    QTest::mouseClick(more->pnlPronunciationMore()->Button(0), Qt::LeftButton);
    EXPECT_EQ(Dict().GetWord(), QStringLiteral("wind"));
    EXPECT_EQ(DownButton(common->pnlPronunciation()), 0);
}

TEST_F(PronunciationTest, BarsListenOnlyInCadenzioMode)
{
    UseMode(0);
    TfrmCommon common;
    Dict().SetWord(QStringLiteral("wind"));
    EXPECT_TRUE(EnabledTags(common.pnlPronunciation()).empty());
}

TEST_F(PronunciationTest, StartupResetDisablesButtonsAndFollowsShowVerseForms)
{
    TfrmCommon common;
    TfrmMore more;
    Dict().SetWord(QStringLiteral("wind"));
    TDictSettings::Instance().SetShowVerseForms(false);
    common.StartupReset();
    more.StartupReset();
    EXPECT_TRUE(EnabledTags(common.pnlPronunciation()).empty());
    EXPECT_TRUE(EnabledTags(more.pnlPronunciationMore()).empty());
    EXPECT_TRUE(common.pnlVerseForm()->isHidden());
    TDictSettings::Instance().SetShowVerseForms(true);
    common.StartupReset();
    EXPECT_FALSE(common.pnlVerseForm()->isHidden());
}

class VerseFormTest : public PanelFixture
{
protected:
    void SetUp() override
    {
        PanelFixture::SetUp();
        QDir(dir.path()).mkdir(QStringLiteral("Verse Forms"));
        Write(QStringLiteral("Sonnet.txt"), "a\nb\n");
        Write(QStringLiteral("Sonnet.html"), "<html><body><p>Shall I compare</p></body></html>");
        Write(QStringLiteral("ballad.txt"), "x\n");
        Write(QStringLiteral(".hidden.txt"), "h\n");
        Write(QStringLiteral("haiku.txt"), "5\n7\n5\n");
        QFile::setPermissions(Path(QStringLiteral("haiku.txt")), QFile::ReadOwner);
        QFile::link(Path(QStringLiteral("Sonnet.txt")), Path(QStringLiteral("Link.txt")));
    }
    void TearDown() override
    {
        if (TVerseForm *window = TVerseForm::Instance())
            delete window;
        PanelFixture::TearDown();
    }
    QString Path(const QString &name) const { return dir.path() + "Verse Forms/" + name; }
    void Write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QStringList Items(const QComboBox *combo)
    {
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return items;
    }
    static void Choose(TVerseFormChooser *chooser, const QString &name)
    {
        chooser->cmbVerseForms()->showPopup();
        const int index = chooser->cmbVerseForms()->findText(name);
        ASSERT_GE(index, 0);
        chooser->cmbVerseForms()->hidePopup();
        chooser->cmbVerseForms()->setCurrentIndex(index);
        emit chooser->cmbVerseForms()->activated(index);
    }
};

TEST_F(VerseFormTest, DropDownListsThePlainTextFilesSortedWithoutExtension)
{
    auto common = Shown(new TfrmCommon);
    TDropDownCombo *combo = common->pnlVerseForm()->cmbVerseForms();
    EXPECT_EQ(combo->count(), 0);
    combo->showPopup();
    combo->hidePopup();
    EXPECT_EQ(Items(combo), QStringList({"ballad", "Sonnet"}));

    // Files that appear later are offered on the next drop-down.
    Write(QStringLiteral("Villanelle.txt"), "v\n");
    combo->showPopup();
    combo->hidePopup();
    EXPECT_EQ(Items(combo), QStringList({"ballad", "Sonnet", "Villanelle"}));
}

TEST_F(VerseFormTest, DropDownShowsTwelveRows)
{
    for (int i = 0; i < 40; ++i)
        Write(QStringLiteral("form%1.txt").arg(i, 2, 10, QLatin1Char('0')), "x\n");
    auto common = Shown(new TfrmCommon, 220, 500);
    TDropDownCombo *combo = common->pnlVerseForm()->cmbVerseForms();
    combo->showPopup();
    QAbstractItemView *list = combo->view();
    ASSERT_TRUE(QTest::qWaitFor([list] { return list->isVisible(); }, 5000));
    ASSERT_EQ(combo->count(), 42);
    const int rows = list->viewport()->height() / list->sizeHintForRow(0);
    combo->hidePopup();
    EXPECT_EQ(rows, 12);
}

TEST_F(VerseFormTest, NamesEqualRegardlessOfCaseAreListedOnce)
{
    Write(QStringLiteral("BALLAD.txt"), "x\n");
    const QStringList names = TVerseFormChooser::VerseFormNames(dir.path() + "Verse Forms");
    EXPECT_EQ(names.size(), 2);
    EXPECT_EQ(names.at(0).toLower(), QStringLiteral("ballad"));
    EXPECT_EQ(names.at(1), QStringLiteral("Sonnet"));
}

TEST_F(VerseFormTest, ChoosingAFormSelectsItsFileAndEnablesTheExample)
{
    auto common = Shown(new TfrmCommon);
    TVerseFormChooser *chooser = common->pnlVerseForm();
    EXPECT_FALSE(chooser->btnVerseFormExample()->isEnabled());

    Choose(chooser, QStringLiteral("Sonnet"));
    EXPECT_EQ(TDictSettings::Instance().GetVerseFormFile(), Path(QStringLiteral("Sonnet.txt")));
    EXPECT_TRUE(chooser->btnVerseFormExample()->isEnabled());
    EXPECT_EQ(actions->triggered, QStringList({"actVerseFormsUpdate"}));

    Choose(chooser, QStringLiteral("ballad")); // no example page
    EXPECT_FALSE(chooser->btnVerseFormExample()->isEnabled());
    // A new drop-down keeps showing the chosen form.
    chooser->cmbVerseForms()->showPopup();
    chooser->cmbVerseForms()->hidePopup();
    EXPECT_EQ(chooser->cmbVerseForms()->currentText(), QStringLiteral("ballad"));
}

TEST_F(VerseFormTest, TheChosenFormIsChosenAgainNextTimeUnlessItsFileIsGone)
{
    {
        auto common = Shown(new TfrmCommon);
        Choose(common->pnlVerseForm(), QStringLiteral("Sonnet"));
    }
    EXPECT_EQ(TDictSettings::Instance().GetChosenVerseForm(), "Sonnet");
    TDictSettings::Instance().SelectVerseForm(QStringLiteral("ballad"));
    actions->triggered.clear();

    QMainWindow window;
    auto *common = new TfrmCommon;
    window.setCentralWidget(common);
    common->StartupReset();
    EXPECT_EQ(TDictSettings::Instance().GetVerseFormFile(), Path(QStringLiteral("Sonnet.txt")));
    EXPECT_EQ(common->pnlVerseForm()->cmbVerseForms()->currentText(), "Sonnet");
    EXPECT_EQ(actions->triggered, QStringList({"actVerseFormsUpdate"}));
    EXPECT_TRUE(window.statusBar()->currentMessage().isEmpty());

    ASSERT_TRUE(QFile::remove(Path(QStringLiteral("Sonnet.txt"))));
    QFile::remove(Path(QStringLiteral("Link.txt")));
    actions->triggered.clear();
    common->StartupReset();
    EXPECT_TRUE(TDictSettings::Instance().GetChosenVerseForm().isEmpty());
    EXPECT_TRUE(actions->triggered.isEmpty());
    EXPECT_TRUE(window.statusBar()->currentMessage().contains("\"Sonnet\""))
        << window.statusBar()->currentMessage().toStdString();
}

TEST_F(VerseFormTest, ExampleWindowIsOneToolWindowFreedOnClose)
{
    auto common = Shown(new TfrmCommon);
    TVerseFormChooser *chooser = common->pnlVerseForm();
    Choose(chooser, QStringLiteral("Sonnet"));
    QTest::mouseClick(chooser->btnVerseFormExample(), Qt::LeftButton);

    TVerseForm *window = TVerseForm::Instance();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Sonnet example"));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::Tool));
    EXPECT_TRUE(window->HTMLViewer1()->toPlainText().contains(QStringLiteral("Shall I compare")));
    EXPECT_EQ(window->size(), QSize(412, 411));

    TVerseForm::ShowExample();
    EXPECT_EQ(TVerseForm::Instance(), window);

    QTest::mouseClick(window->Button1(), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(TVerseForm::Instance(), nullptr);
}

TEST_F(VerseFormTest, WithoutExampleTheWindowStaysHidden)
{
    TDictSettings::Instance().SelectVerseForm(QStringLiteral("ballad"));
    TVerseForm::ShowExample();
    ASSERT_NE(TVerseForm::Instance(), nullptr);
    EXPECT_FALSE(TVerseForm::Instance()->isVisible());
}

class DockLayoutTest : public PanelFixture
{
protected:
    // Docks a panel as the main window does: parented to the dock, owned by the application.
    template <class P> P *Dock(TDockPanel *dock)
    {
        auto *panel = new P(dock, 1);
        RegisterAppComponent(panel);
        panel->show();
        return panel;
    }
    static void Settle() { QCoreApplication::processEvents(); }
};

TEST_F(DockLayoutTest, TwoPanelsShareTheHeightBetweenTheStrips)
{
    QWidget host;
    auto *dock =
        new TDockPanel(&host, {QStringLiteral("TfrmRhymes"), QStringLiteral("TfrmPhrases")});
    auto *top = new QWidget(dock);
    top->setFixedHeight(50);
    auto *bottom = new QWidget(dock);
    bottom->setFixedHeight(53);
    dock->SetTopStrip(top, false);
    dock->SetBottomStrip(bottom);
    dock->setGeometry(0, 0, 160, 400);
    host.show();
    auto *phrases = Dock<TfrmPhrases>(dock); // docked first, placed second
    auto *rhymes = Dock<TfrmRhymes>(dock);
    Settle();

    EXPECT_EQ(rhymes->geometry(), QRect(0, 50, 160, 148));
    EXPECT_EQ(phrases->geometry(), QRect(0, 50 + 148, 160, 148));
    EXPECT_EQ(bottom->geometry(), QRect(0, 400 - 53, 160, 53));

    bottom->hide();
    Settle();
    EXPECT_EQ(rhymes->geometry(), QRect(0, 50, 160, 175));
    EXPECT_EQ(phrases->geometry(), QRect(0, 225, 160, 175));
}

TEST_F(DockLayoutTest, CommonGroupGivesTheRhymesPanelAllBetweenItsBars)
{
    auto common = Shown(new TfrmCommon, 160, 400);
    ASSERT_EQ(common->pnlDock()->height(), 400);
    EXPECT_EQ(common->pnlDock()->children().size(), 2); // only the fixed strips
    auto *rhymes = Dock<TfrmRhymes>(common->pnlDock());
    Settle();
    EXPECT_EQ(common->pnlPronunciation()->geometry(), QRect(0, 0, 160, 50));
    EXPECT_EQ(common->pnlVerseForm()->geometry(), QRect(0, 347, 160, 53));
    EXPECT_EQ(rhymes->geometry(), QRect(0, 50, 160, 297));

    common->resize(200, 300);
    Settle();
    EXPECT_EQ(rhymes->geometry(), QRect(0, 50, 200, 197));
}

TEST_F(DockLayoutTest, MoreGroupCountsItsBarOnlyWhileShown)
{
    auto more = Shown(new TfrmMore, 160, 400);
    auto *phrases = Dock<TfrmPhrases>(more->pnlDock());
    auto *roundex = Dock<TfrmRoundex>(more->pnlDock());
    Settle();
    EXPECT_EQ(phrases->geometry(), QRect(0, 50, 160, 175));
    EXPECT_EQ(roundex->geometry(), QRect(0, 225, 160, 175));

    more->pnlPronunciationMore()->hide();
    Settle();
    EXPECT_EQ(phrases->geometry(), QRect(0, 0, 160, 200));
    EXPECT_EQ(roundex->geometry(), QRect(0, 200, 160, 200));
}

TEST_F(DockLayoutTest, FreedOrHiddenPanelsGiveTheirShareBack)
{
    auto more = Shown(new TfrmMore, 160, 400);
    auto *phrases = Dock<TfrmPhrases>(more->pnlDock());
    auto *roundex = Dock<TfrmRoundex>(more->pnlDock());
    Settle();

    phrases->hide();
    Settle();
    EXPECT_EQ(roundex->geometry(), QRect(0, 50, 160, 350));

    phrases->show();
    Settle();
    delete roundex;
    Settle();
    EXPECT_EQ(phrases->geometry(), QRect(0, 50, 160, 350));
}

TEST_F(DockLayoutTest, PanelsNotOwnedByTheApplicationAreLeftWhereTheyAre)
{
    auto more = Shown(new TfrmMore, 160, 400);
    auto *loose = new TfrmPhrases(more->pnlDock(), 1); // never registered
    loose->setGeometry(3, 4, 50, 60);
    loose->show();
    Settle();
    EXPECT_EQ(loose->geometry(), QRect(3, 4, 50, 60));
}

TEST_F(DockLayoutTest, ForeignChildIsIgnored)
{
    auto common = Shown(new TfrmCommon, 160, 400);
    auto *rhymes = Dock<TfrmRhymes>(common->pnlDock());
    auto *foreign = new QWidget(common->pnlDock());
    foreign->setGeometry(5, 6, 7, 8);
    foreign->show();
    Settle();
    EXPECT_EQ(foreign->geometry(), QRect(5, 6, 7, 8));
    EXPECT_EQ(rhymes->geometry(), QRect(0, 50, 160, 297));
}
