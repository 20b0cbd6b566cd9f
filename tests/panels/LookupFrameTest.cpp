#include "PanelFixture.h"

#include "DictFrame.h"
#include "KeywordHighlighter.h"
#include "ListBox.h"
#include "PageAware.h"
#include "PanelRegistry.h"
#include "SideBySideLayout.h"
#include "frmCombined.h"
#include "frmPhrases.h"
#include "frmRhymeLines.h"
#include "frmRhymes.h"
#include "frmSimple.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextLayout>

namespace {
QStringList Tabs(const QTabBar *bar)
{
    QStringList tabs;
    for (int i = 0; i < bar->count(); ++i)
        tabs << bar->tabText(i);
    return tabs;
}

QStringList Lines(const QPlainTextEdit *memo)
{
    QStringList lines;
    for (QTextBlock b = memo->document()->begin(); b.isValid(); b = b.next())
        lines << b.text();
    return lines;
}

// The format the highlighter gave the start of a line.
QTextCharFormat FormatAtStart(const QPlainTextEdit *memo, int line)
{
    const QTextBlock block = memo->document()->findBlockByNumber(line);
    for (const QTextLayout::FormatRange &range : block.layout()->formats())
        if (range.start == 0)
            return range.format;
    return QTextCharFormat();
}

// A stand-in for the web dictionary panel of another part, remembering its template.
class FakeGenericOnline : public TDictFrame, public TPageAware, public TUrlTemplatePanel
{
    Q_OBJECT
public:
    using TDictFrame::TDictFrame;
    void SetTemplate(const QString &text) override { urlTemplate = text; }
    void SetActive(bool flag) override { active = flag; }
    QString urlTemplate;
    bool active = false;
};

// A stand-in for the visual thesaurus panel of another part.
class FakeVisualThesaurus : public TDictFrame
{
    Q_OBJECT
public:
    using TDictFrame::TDictFrame;
};
} // namespace

class LookupFrameTest : public PanelFixture
{
protected:
    void SetUp() override
    {
        PanelFixture::SetUp();
        RegisterLookupPanels();
        WriteList(QStringLiteral("rdict.dat"), {{"read", "EED"},
                                                {"read(1)", "ED"},
                                                {"EED", "read#seed"},
                                                {"ED", "red#bed#read"},
                                                {"ED[P]", "well read#in the red"},
                                                {"wind", "IND"},
                                                {"wind(3)", "AIND"},
                                                {"IND", "wind#sinned"},
                                                {"AIND", "kind#mind"},
                                                {"solo", "OLO"},
                                                {"OLO", "solo#polo"},
                                                {"lone", "ONLY"},
                                                {"ONLY[P]", "all alone#on my own"}});
        UseMode(0);
    }
    // The frame with its panels placed, as at the main window's first activation.
    std::unique_ptr<TFrameSimple> Placed()
    {
        auto frame = Shown(new TFrameSimple(nullptr, nullptr), 600, 400);
        frame->Initialize(0);
        return frame;
    }
    template <class P> static P *PanelIn(TFrameSimple &frame, const char *container)
    {
        return frame.Container(QString::fromLatin1(container))->findChild<P *>();
    }
};

TEST_F(LookupFrameTest, PagesInOrderAndPanelsPlacedOnceWithModeZero)
{
    auto frame = Placed();
    QTabWidget *pages = frame->pgcntrlSimple();
    QStringList captions;
    for (int i = 0; i < pages->count(); ++i)
        captions << pages->tabText(i);
    EXPECT_EQ(captions, QStringList({"Combined", "Side by Side", "Roundex", "Near Rhymes",
                                     "Rhyme Lines", "Hyperbolic Thesaurus", "Online Dictionary"}));
    EXPECT_EQ(pages->currentIndex(), 0);
    const std::pair<const char *, const char *> placed[] = {
        {"pnlStandard", "TfrmRhymes"},         {"pnlStandard", "TfrmPhrases"},
        {"pnlCombined", "TfrmCombinedSimple"}, {"pnlRoundex", "TfrmRoundex"},
        {"pnlNearRhymes", "TfrmNearRhymes"},   {"pnlRhymes", "TfrmRhymeLines"}};
    for (const auto &[container, name] : placed) {
        auto *panel = frame->Container(QString::fromLatin1(container))
                          ->findChild<TDictFrame *>(QString::fromLatin1(name));
        ASSERT_NE(panel, nullptr) << name;
        EXPECT_STREQ(panel->metaObject()->className(), name);
        EXPECT_EQ(panel->Mode(), 0);
        EXPECT_FALSE(panel->isHidden()) << name;
    }
    // The DICT panel and the visual thesaurus are not in this build: their pages stay empty.
    EXPECT_EQ(frame->Container(QStringLiteral("pnlOnline"))->findChild<TDictFrame *>(), nullptr);
    EXPECT_EQ(frame->Container(QStringLiteral("pnlVisualThesaurus"))->findChild<TDictFrame *>(),
              nullptr);
    frame->Initialize(0);
    Dict().ModeChanged.Notify(&Dict());
    EXPECT_EQ(frame->Container(QStringLiteral("pnlStandard"))->findChildren<TfrmRhymes *>().size(),
              1);
    EXPECT_FALSE(PanelIn<TfrmRhymes>(*frame, "pnlStandard")->Panel2()->isHidden());
}

TEST_F(LookupFrameTest, PagesWaitingForTheirPanelsSayTheyAreComing)
{
    const auto coming = [](const TFrameSimple &frame, const char *container) {
        const auto *label = frame.Container(QString::fromLatin1(container))->findChild<QLabel *>();
        return label && !label->isHidden() ? label->text() : QString();
    };
    ASSERT_FALSE(TDictFrame::IsRegistered(QStringLiteral("TfrmVisualThesaurus")));
    {
        auto frame = Placed();
        EXPECT_EQ(coming(*frame, "pnlVisualThesaurus"),
                  QStringLiteral("The Hyperbolic Thesaurus is coming soon."));
        EXPECT_EQ(coming(*frame, "pnlOnline"),
                  QStringLiteral("The Online Dictionary is coming soon."));
        EXPECT_TRUE(coming(*frame, "pnlRoundex").isEmpty());
    }
    // Once the panel's part registers it, its page shows the panel alone.
    TDictFrame::RegisterClass(QStringLiteral("TfrmVisualThesaurus"), [](QWidget *owner, int mode) {
        return new FakeVisualThesaurus(owner, mode);
    });
    auto frame = Placed();
    EXPECT_TRUE(coming(*frame, "pnlVisualThesaurus").isEmpty());
    EXPECT_NE(PanelIn<FakeVisualThesaurus>(*frame, "pnlVisualThesaurus"), nullptr);
    EXPECT_FALSE(coming(*frame, "pnlOnline").isEmpty());
    // Later tests find the page without its panel again.
    TDictFrame::RegisterClass(QStringLiteral("TfrmVisualThesaurus"),
                              [](QWidget *, int) -> TDictFrame * { return nullptr; });
}

TEST_F(LookupFrameTest, TabsFollowTheVariantsWithGapsInTheNumbers)
{
    auto frame = Placed();
    EXPECT_EQ(Tabs(frame->TabControl1()), QStringList({"Pronunciation 1"}));
    Dict().SetWord(QStringLiteral("Read"));
    EXPECT_EQ(Tabs(frame->TabControl1()), QStringList({"Pronunciation 1", "Pronunciation 2"}));
    Dict().SetWord(QStringLiteral("wind"));
    EXPECT_EQ(Tabs(frame->TabControl1()), QStringList({"Pronunciation 1", "Pronunciation 4"}));
    EXPECT_EQ(frame->TabControl1()->tabData(1).toInt(), 3);
    Dict().SetWord(QStringLiteral("nothing"));
    EXPECT_EQ(Tabs(frame->TabControl1()), QStringList({"Pronunciation 1"}));
}

TEST_F(LookupFrameTest, ClickingAVariantTabLooksUpTheVariantAndKeepsTheTab)
{
    UseListStyle(true);
    auto frame = Placed();
    Dict().SetWord(QStringLiteral("read"));
    QTabBar *tabs = frame->TabControl1();
    // The lookup box leaves a delay behind when the word did not change; the tab must not wait.
    Dict().RequestDelay(true);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
    EXPECT_EQ(Dict().GetWord(), QStringLiteral("read(1)"));
    EXPECT_FALSE(Dict().DelayPending());
    EXPECT_FALSE(frame->ChangingTab());
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_EQ(tabs->count(), 2);
    EXPECT_EQ(Rows(PanelIn<TfrmRhymes>(*frame, "pnlStandard")->lbRhymes()),
              QStringList({"bed", "read", "red"}));
    // Rebuilt for the same word (a style change), the tab of the variant stays selected.
    Dict().SetWrap(true);
    EXPECT_EQ(tabs->currentIndex(), 1);

    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    EXPECT_EQ(Dict().GetWord(), QStringLiteral("read"));
    EXPECT_EQ(tabs->currentIndex(), 0);
}

TEST_F(LookupFrameTest, CombinedListInListStyle)
{
    UseListStyle(true);
    auto frame = Placed();
    QPlainTextEdit *memo = PanelIn<TfrmCombinedSimple>(*frame, "pnlCombined")->plCombined();
    Dict().SetWord(QStringLiteral("red"));
    EXPECT_TRUE(Lines(memo).join(QString()).isEmpty()) << "red has no group of its own";
    Dict().SetWord(QStringLiteral("read(1)"));
    EXPECT_EQ(Lines(memo), QStringList({"Standard Rhymes", "red", "bed", "read", "",
                                        "Phrase & Proper Nouns", "well read", "in the red"}));
    Dict().SetWord(QStringLiteral("solo")); // rhymes, no phrases
    EXPECT_EQ(Lines(memo), QStringList({"Standard Rhymes", "solo", "polo", ""}));
    Dict().SetWord(QStringLiteral("lone")); // phrases only
    EXPECT_EQ(Lines(memo), QStringList({"Phrase & Proper Nouns", "all alone", "on my own"}));
}

TEST_F(LookupFrameTest, CombinedListInWrapStyleWithHighlightedHeadings)
{
    auto frame = Placed();
    auto *combined = PanelIn<TfrmCombinedSimple>(*frame, "pnlCombined");
    QPlainTextEdit *memo = combined->plCombined();
    EXPECT_EQ(combined->Caption(), QStringLiteral("Combined Rhyme and Phrases List"));
    Dict().SetWord(QStringLiteral("read(1)"));
    EXPECT_EQ(Lines(memo), QStringList({"Standard Rhymes", "red, bed, read", "",
                                        "Phrase & Proper Nouns", "well read, in the red"}));
    const QTextCharFormat rhymes = FormatAtStart(memo, 0);
    EXPECT_EQ(rhymes.fontWeight(), QFont::Bold);
    EXPECT_EQ(rhymes.background().color(), QColor(0, 128, 255));
    EXPECT_EQ(rhymes.foreground().color(), QColor(Qt::white));
    const QTextCharFormat phrases = FormatAtStart(memo, 3);
    EXPECT_EQ(phrases.background().color(), QColor(128, 255, 128));
    EXPECT_EQ(phrases.fontWeight(), QFont::Bold);
    EXPECT_FALSE(FormatAtStart(memo, 1).background().style() != Qt::NoBrush);
    // The display style switches the combined list at once.
    Dict().SetWrap(false);
    EXPECT_EQ(Lines(memo).size(), 8);
}

TEST(KeywordHighlighterTest, MarksOnlyWholeKeywords)
{
    QPlainTextEdit memo;
    TKeywordHighlighter highlighter(memo.document(), QStringLiteral(" ,.;"));
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    highlighter.AddKeyword(QStringLiteral("Standard Rhymes"), bold);
    memo.setPlainText(QStringLiteral("Standard Rhymesx\nsee Standard Rhymes, too"));
    EXPECT_TRUE(memo.document()->findBlockByNumber(0).layout()->formats().isEmpty());
    const auto formats = memo.document()->findBlockByNumber(1).layout()->formats();
    ASSERT_EQ(formats.size(), 1);
    EXPECT_EQ(formats[0].start, 4);
    EXPECT_EQ(formats[0].length, 15);
}

TEST_F(LookupFrameTest, SideBySideSplitsTheWidthAndPutsPhrasesFlushRight)
{
    auto frame = Placed();
    frame->pgcntrlSimple()->setCurrentIndex(1);
    QWidget *standard = frame->Container(QStringLiteral("pnlStandard"));
    standard->layout()->setGeometry(QRect(0, 0, 501, 300));
    auto *rhymes = PanelIn<TfrmRhymes>(*frame, "pnlStandard");
    auto *phrases = PanelIn<TfrmPhrases>(*frame, "pnlStandard");
    EXPECT_EQ(rhymes->geometry(), QRect(0, 0, 250, 300));
    EXPECT_EQ(phrases->geometry(), QRect(251, 0, 250, 300));
}

TEST(SideBySideLayoutTest, RhymesComeFirstWhateverTheOrderAdded)
{
    QWidget container;
    auto *layout = new TSideBySideLayout(&container);
    auto *phrases = new TfrmPhrases(&container, 1);
    layout->addWidget(phrases);
    auto *rhymes = new TfrmRhymes(&container, 1);
    layout->addWidget(rhymes);
    layout->setGeometry(QRect(0, 0, 400, 100));
    EXPECT_EQ(rhymes->geometry(), QRect(0, 0, 200, 100));
    EXPECT_EQ(phrases->geometry(), QRect(200, 0, 200, 100));
}

TEST_F(LookupFrameTest, WebTabsOnlyWithTheWebPanelOnePerEnabledDictionary)
{
    TDictSettings &settings = TDictSettings::Instance();
    settings.SetOnlineDictionary(QStringLiteral("Alpha"), QStringLiteral("https://a.example/%s"));
    settings.SetOnlineDictionary(QStringLiteral("Beta"), QStringLiteral("https://b.example/%s"));
    settings.SetOnlineLookupEnabled(QStringLiteral("Alpha"), true);
    settings.SetOnlineLookupEnabled(QStringLiteral("Beta"), false);
    {
        auto frame = Placed();
        EXPECT_EQ(frame->pgcntrlSimple()->count(), 7);
        EXPECT_EQ(frame->WebTabCount(), 0);
    }
    TDictFrame::RegisterClass(QStringLiteral("TfrmGenericOnline"), [](QWidget *owner, int mode) {
        return new FakeGenericOnline(owner, mode);
    });
    {
        auto frame = Placed();
        ASSERT_EQ(frame->pgcntrlSimple()->count(), 8);
        EXPECT_EQ(frame->pgcntrlSimple()->tabText(7), QStringLiteral("Alpha"));
        auto *panel = frame->pgcntrlSimple()->widget(7)->findChild<FakeGenericOnline *>();
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->urlTemplate, QStringLiteral("https://a.example/%s"));
        EXPECT_EQ(panel->Mode(), 0);
        EXPECT_TRUE(panel->Panel2()->isHidden());
        // A web page is active exactly while its tab is the current page.
        EXPECT_FALSE(panel->active);
        frame->pgcntrlSimple()->setCurrentIndex(7);
        EXPECT_TRUE(panel->active);
        frame->pgcntrlSimple()->setCurrentIndex(0);
        EXPECT_FALSE(panel->active);
        // Rebuilt, not added to.
        settings.SetOnlineLookupEnabled(QStringLiteral("Beta"), true);
        Dict().NotifyOnlineDictionaries();
        EXPECT_EQ(frame->pgcntrlSimple()->count(), 9);
        EXPECT_EQ(frame->WebTabCount(), 2);

        // A change made in Cadenzio mode goes unheard, and is caught up on return.
        const QPointer<QWidget> alpha = frame->pgcntrlSimple()->widget(7);
        Dict().SetMode(1);
        settings.SetOnlineLookupEnabled(QStringLiteral("Alpha"), false);
        Dict().NotifyOnlineDictionaries();
        EXPECT_EQ(frame->WebTabCount(), 2);
        Dict().SetMode(0);
        ASSERT_EQ(frame->WebTabCount(), 1);
        EXPECT_EQ(frame->pgcntrlSimple()->tabText(7), QStringLiteral("Beta"));
        // Unchanged, the pages are kept (a rebuild would reload them).
        const QPointer<QWidget> beta = frame->pgcntrlSimple()->widget(7);
        Dict().SetMode(1);
        Dict().SetMode(0);
        EXPECT_EQ(frame->pgcntrlSimple()->widget(7), beta.data());
        EXPECT_TRUE(alpha.isNull());
    }
    // Later tests get no web pages again.
    TDictFrame::RegisterClass(QStringLiteral("TfrmGenericOnline"),
                              [](QWidget *, int) -> TDictFrame * { return nullptr; });
}

TEST_F(LookupFrameTest, CadenzioModeLeavesTheTabsAlone)
{
    auto frame = Placed();
    Dict().SetWord(QStringLiteral("read"));
    TDictSettings::Instance().SetIsAdvanced(true);
    Dict().SetWord(QStringLiteral("solo"));
    EXPECT_EQ(Tabs(frame->TabControl1()).size(), 2);
    frame->RebuildPronunciationTabs();
    EXPECT_EQ(Tabs(frame->TabControl1()).size(), 2);
}

#include "LookupFrameTest.moc"
