#include "PanelFixture.h"

#include "../components/ThesaurusFiles.h"
#include "ContextBox.h"
#include "ListBox.h"
#include "PanelRegistry.h"
#include "ResultsMemo.h"
#include "frmThesaurus.h"

#include <QAbstractItemView>
#include <QFile>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QStackedWidget>
#include <QStyleOptionComboBox>
#include <QTest>

class ThesaurusPanelTest : public PanelFixture
{
protected:
    void SetUp() override
    {
        PanelFixture::SetUp();
        WriteThesaurus(dir, QStringLiteral("thesaurus"),
                       {{"bright",
                         {"(adj)|bright|shining|dull (antonym)|radiant (similar term)",
                          "(adj)|intelligent|smart|clever (similar term)|brain (related term)",
                          "(adv)|brightly"}},
                        {"clever", {"(adj)|clever|smart|intelligent (similar term)"}},
                        {"love", {"(noun)|passion|emotion (generic term)|hate (antonym)"}},
                        {"the", {"(noun)|article"}},
                        {"twice", {"(adj)|same|same (similar term)"}}});
    }
    static QStringList Contexts(const TfrmThesaurus &panel)
    {
        QStringList items;
        for (int i = 0; i < panel.cmbContext()->count(); ++i)
            items << panel.cmbContext()->itemText(i);
        return items;
    }
    static QString MemoText(const TfrmThesaurus &panel) { return panel.mData()->toPlainText(); }
};

TEST_F(ThesaurusPanelTest, CaptionStripHoldsTheLabelAndTheContextBox)
{
    RegisterLookupPanels();
    std::unique_ptr<TDictFrame> frame(
        TDictFrame::Create(QStringLiteral("TfrmThesaurus"), nullptr, 1));
    auto *panel = qobject_cast<TfrmThesaurus *>(frame.get());
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->Panel2()->height(), 47);
    EXPECT_EQ(panel->Label1()->text(), QStringLiteral("Context:"));
    EXPECT_EQ(panel->cmbContext()->parentWidget(), panel->Panel2());
    EXPECT_EQ(panel->cmbContext()->objectName(), QStringLiteral("cmbContext"));
    EXPECT_EQ(panel->lbData()->objectName(), QStringLiteral("lbData"));
    EXPECT_TRUE(panel->Caption().isEmpty());
}

TEST_F(ThesaurusPanelTest, LargeUIFontGrowsTheStripInsteadOfHidingTheBox)
{
    TDictSettings::Instance().Ini().WriteBool(QStringLiteral("MainForm"),
                                              QStringLiteral("EnableUIFonts"), true);
    auto panel = Shown(new TfrmThesaurus(nullptr, 1));
    TFontInfo font;
    font.Size = 20;
    Dict().SetUIFont(font);
    QCoreApplication::processEvents();
    TContextBox *box = panel->cmbContext();
    EXPECT_GE(box->height(), box->minimumSizeHint().height());
    EXPECT_GT(panel->Panel2()->height(), 47);
    EXPECT_LE(box->geometry().bottom(), panel->Panel2()->height());
    EXPECT_GE(box->y(), panel->Label1()->geometry().bottom());
}

TEST_F(ThesaurusPanelTest, PanelMadeWhileTheWindowIsLockedPaintsAfterwards)
{
    UseListStyle(true);
    Dict().SetWord(QStringLiteral("bright"));
    QWidget window;
    window.setUpdatesEnabled(false); // as the main window does while it docks its panels
    auto *panel = new TfrmThesaurus(&window, 1);
    window.setUpdatesEnabled(true);
    EXPECT_EQ(panel->cmbContext()->count(), 3);
    EXPECT_TRUE(panel->cmbContext()->updatesEnabled());
    EXPECT_TRUE(panel->lbData()->updatesEnabled());
}

TEST_F(ThesaurusPanelTest, ListStyleShowsTheFirstContextSortedAndSwitchesContexts)
{
    UseListStyle(true);
    auto panel = Shown(new TfrmThesaurus(nullptr, 1));
    Dict().SetWord(QStringLiteral("bright"));
    EXPECT_EQ(panel->PageControl1()->currentWidget(), panel->TabSheet1());
    ASSERT_EQ(Contexts(*panel), QStringList({"bright", "intelligent", "brightly"}));
    EXPECT_EQ(panel->cmbContext()->currentIndex(), 0);
    EXPECT_EQ(Rows(panel->lbData()), QStringList({"bright", "dull", "radiant", "shining"}));

    panel->cmbContext()->setCurrentIndex(1);
    EXPECT_EQ(Rows(panel->lbData()), QStringList({"brain", "clever", "intelligent", "smart"}));
    panel->cmbContext()->setCurrentIndex(2);
    EXPECT_EQ(Rows(panel->lbData()), QStringList{"brightly"});
}

TEST_F(ThesaurusPanelTest, WrapStyleJoinsTheListsInTheirOrder)
{
    auto panel = Shown(new TfrmThesaurus(nullptr, 1));
    Dict().SetWord(QStringLiteral("bright"));
    EXPECT_EQ(panel->PageControl1()->currentWidget(), panel->TabSheet2());
    // Plain synonyms, similar terms, generic terms, antonyms.
    EXPECT_EQ(MemoText(*panel), QStringLiteral("bright, shining, radiant, dull"));
    panel->cmbContext()->setCurrentIndex(1);
    EXPECT_EQ(MemoText(*panel), QStringLiteral("intelligent, smart, clever, brain"));
}

TEST_F(ThesaurusPanelTest, DisplayStyleChangeKeepsTheContext)
{
    auto panel = Shown(new TfrmThesaurus(nullptr, 1));
    Dict().SetWord(QStringLiteral("bright"));
    panel->cmbContext()->setCurrentIndex(1);
    Dict().SetWrap(false);
    EXPECT_EQ(panel->PageControl1()->currentWidget(), panel->TabSheet1());
    EXPECT_EQ(panel->cmbContext()->currentIndex(), 1);
    EXPECT_EQ(Rows(panel->lbData()), QStringList({"brain", "clever", "intelligent", "smart"}));
    Dict().SetWrap(true);
    EXPECT_EQ(MemoText(*panel), QStringLiteral("intelligent, smart, clever, brain"));
}

TEST_F(ThesaurusPanelTest, RepeatedWordIsListedTwice)
{
    UseListStyle(true);
    auto panel = Shown(new TfrmThesaurus(nullptr, 1));
    Dict().SetWord(QStringLiteral("twice"));
    EXPECT_EQ(Rows(panel->lbData()), QStringList({"same", "same"}));
}

TEST_F(ThesaurusPanelTest, InflectedFormShowsTheContextsOfItsStem)
{
    auto panel = Shown(new TfrmThesaurus(nullptr, 1));
    Dict().SetWord(QStringLiteral("loves"));
    EXPECT_EQ(Contexts(*panel), QStringList{"passion"});
    EXPECT_EQ(MemoText(*panel), QStringLiteral("passion, emotion, hate"));
}

TEST_F(ThesaurusPanelTest, TheAndUnknownWordsEmptyTheBoxAndTheWords)
{
    UseListStyle(true);
    auto panel = Shown(new TfrmThesaurus(nullptr, 1));
    Dict().SetWord(QStringLiteral("bright"));
    ASSERT_EQ(panel->cmbContext()->count(), 3);
    // "the" is in the thesaurus but never looked up.
    Dict().SetWord(QStringLiteral("the"));
    EXPECT_EQ(panel->cmbContext()->count(), 0);
    EXPECT_EQ(panel->cmbContext()->currentIndex(), -1);
    EXPECT_TRUE(panel->cmbContext()->LongestContext().isEmpty());
    EXPECT_EQ(panel->lbData()->Count(), 0);

    Dict().SetWord(QStringLiteral("bright"));
    Dict().SetWord(QStringLiteral("zebra"));
    EXPECT_EQ(panel->cmbContext()->count(), 0);
    EXPECT_EQ(panel->lbData()->Count(), 0);
}

TEST_F(ThesaurusPanelTest, ClickedWordBecomesCurrentAndDoubleClickPicksIt)
{
    UseListStyle(true);
    auto panel = Shown(new TfrmThesaurus(nullptr, 1));
    Dict().SetWord(QStringLiteral("bright"));
    panel->cmbContext()->setCurrentIndex(1);
    ClickRow(panel->lbData(), 1); // "clever"
    EXPECT_EQ(Dict().GetWord(), QStringLiteral("clever"));
    EXPECT_EQ(Contexts(*panel), QStringList{"clever"});
    EXPECT_EQ(Rows(panel->lbData()), QStringList({"clever", "intelligent", "smart"}));
    EXPECT_EQ(actions->triggered, QStringList({"actUpdateInfo", "actUpdateLookup"}));

    ClickRow(panel->lbData(), 0, true);
    EXPECT_EQ(Dict().GetPickedWord(), QStringLiteral("clever"));
}

TEST_F(ThesaurusPanelTest, LongContextKeepsEveryWordInWrapStyle)
{
    std::string meaning = "(noun)";
    QStringList expected;
    // About 12 KB: more than an 8 KB buffer holds, within MyThes's 16 KB line limit.
    for (int i = 0; i < 1000; ++i) {
        const std::string word = "longword" + std::to_string(i);
        meaning += "|" + word;
        expected << QString::fromStdString(word);
    }
    WriteThesaurus(dir, QStringLiteral("thesaurus"), {{"many", {meaning}}});
    auto panel = Shown(new TfrmThesaurus(nullptr, 1));
    Dict().SetWord(QStringLiteral("many"));
    const QString text = MemoText(*panel);
    ASSERT_GT(text.size(), 8191);
    const QStringList shown = text.split(QStringLiteral(", "));
    EXPECT_EQ(shown.size(), expected.size());
    EXPECT_TRUE(shown == expected);
}

TEST_F(ThesaurusPanelTest, OnlyCadenzioModeFillsThePanel)
{
    UseMode(0);
    auto panel = Shown(new TfrmThesaurus(nullptr, 0));
    Dict().SetWord(QStringLiteral("bright"));
    EXPECT_EQ(panel->cmbContext()->count(), 0);
    EXPECT_TRUE(MemoText(*panel).isEmpty());
}

TEST_F(ThesaurusPanelTest, ClosingThePanelUnchecksItsViewAction)
{
    auto *view = new QAction(actions.get());
    view->setObjectName(QStringLiteral("actViewThesaurus"));
    view->setCheckable(true);
    view->setChecked(true);
    auto panel = std::make_unique<TfrmThesaurus>(nullptr, 1);
    EXPECT_TRUE(view->isChecked());
    panel.reset();
    EXPECT_FALSE(view->isChecked());
    // The panel left the notification lists: a new word reaches nobody freed.
    Dict().SetWord(QStringLiteral("bright"));
}

TEST_F(ThesaurusPanelTest, RealThesaurusShowsTheTwelveMeaningsOfBright)
{
    for (const char *ext : {"idx", "dat"}) {
        QFile::remove(dir.file(QStringLiteral("thesaurus.") + ext));
        ASSERT_TRUE(QFile::copy(QStringLiteral("/usr/share/mythes/th_en_US_v2.") + ext,
                                dir.file(QStringLiteral("thesaurus.") + ext)));
    }
    auto panel = Shown(new TfrmThesaurus(nullptr, 1));
    Dict().SetWord(QStringLiteral("bright"));
    ASSERT_EQ(panel->cmbContext()->count(), 12);
    EXPECT_EQ(panel->cmbContext()->LongestContext(), QStringLiteral("brilliantly"));
    EXPECT_EQ(panel->cmbContext()->KindName(11), QStringLiteral("adv"));
    EXPECT_TRUE(MemoText(*panel).endsWith(QStringLiteral(", dull")));
}

namespace {
// Renders one row of a context box.
QImage RenderRow(const TContextBox &box, int index)
{
    QImage image(300, TContextBox::ItemHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    box.DrawItem(painter, image.rect(), index, false);
    return image;
}
// The leftmost column in which two renderings differ, or -1.
int FirstDifference(const QImage &a, const QImage &b)
{
    for (int x = 0; x < a.width(); ++x)
        for (int y = 0; y < a.height(); ++y)
            if (a.pixel(x, y) != b.pixel(x, y))
                return x;
    return -1;
}
// The rightmost column holding ink of a rendering, or -1.
int LastInk(const QImage &image)
{
    const QRgb background = image.pixel(image.width() - 1, 0);
    for (int x = image.width() - 1; x >= 0; --x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixel(x, y) != background)
                return x;
    return -1;
}
} // namespace

// Two boxes with the same words, one with the kind "adj" for each and one without kinds.
struct TBoxPair
{
    explicit TBoxPair(const QStringList &words)
    {
        for (const QString &word : words) {
            withKinds.AddContext(word, QStringLiteral("adj"));
            withoutKinds.AddContext(word, QString());
        }
    }
    // Where row index's kind name starts: the first column the kind changed.
    int KindStart(int index) const
    {
        return FirstDifference(RenderRow(withKinds, index), RenderRow(withoutKinds, index));
    }
    TContextBox withKinds{nullptr, QStringLiteral("a")};
    TContextBox withoutKinds{nullptr, QStringLiteral("b")};
};

TEST(ContextBoxTest, KindNamesLineUpAfterTheLongestContextWord)
{
    const TBoxPair boxes({"bright", "intelligent"});
    EXPECT_EQ(boxes.withKinds.LongestContext(), QStringLiteral("intelligent"));
    const int offset =
        boxes.withKinds.fontMetrics().horizontalAdvance(QStringLiteral("intelligent")) + 3;
    EXPECT_EQ(boxes.withKinds.KindOffset(), offset);

    ASSERT_GE(boxes.KindStart(0), 0);
    EXPECT_EQ(boxes.KindStart(0), boxes.KindStart(1));
    EXPECT_GE(boxes.KindStart(1), offset - 1); // a glyph may start a pixel before its pen
    EXPECT_GT(boxes.KindStart(1), LastInk(RenderRow(boxes.withoutKinds, 1)));
}

TEST(ContextBoxTest, KindNamesClearAWideWordWithFewerCharacters)
{
    const TBoxPair boxes({"WWWWW", "iiiiiiii"});
    EXPECT_EQ(boxes.withKinds.LongestContext(), QStringLiteral("iiiiiiii"));
    ASSERT_GE(boxes.KindStart(0), 0);
    EXPECT_EQ(boxes.KindStart(0), boxes.KindStart(1));
    EXPECT_GT(boxes.KindStart(0), LastInk(RenderRow(boxes.withoutKinds, 0)));
}

TEST(ContextBoxTest, LongestWordIsTheFirstOnTiesAndClearedWithTheBox)
{
    TContextBox box(nullptr, QStringLiteral("box"));
    box.AddContext(QStringLiteral("abc"), QStringLiteral("noun"));
    box.AddContext(QStringLiteral("xyz"), QString());
    EXPECT_EQ(box.LongestContext(), QStringLiteral("abc"));
    EXPECT_EQ(box.KindName(0), QStringLiteral("noun"));
    EXPECT_TRUE(box.KindName(1).isEmpty());
    box.Clear();
    EXPECT_EQ(box.count(), 0);
    EXPECT_TRUE(box.LongestContext().isEmpty());
}

TEST(ContextBox, ShowsTheWholeKindAndAShortPopup)
{
    QWidget window;
    auto *layout = new QHBoxLayout(&window);
    auto *box = new TContextBox(&window, QStringLiteral("cmbContext"));
    layout->addWidget(box);
    layout->addStretch();
    for (int i = 0; i < 60; ++i)
        box->AddContext(i ? QStringLiteral("airy%1").arg(i) : QStringLiteral("airy"),
                        QStringLiteral("adjective satellite"));
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QStyleOptionComboBox option;
    option.initFrom(box);
    const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                     QStyle::SC_ComboBoxEditField, box);
    EXPECT_GE(field.width(), box->ContentWidth()) << "the kind name is not clipped";

    box->showPopup();
    QWidget *popup = box->view()->window();
    ASSERT_TRUE(QTest::qWaitFor([&] { return popup->isVisible(); }, 2000));
    EXPECT_LE(popup->height(), (TContextBox::VisibleItems + 2) * TContextBox::ItemHeight);
    EXPECT_GE(box->view()->viewport()->width(), box->ContentWidth());
    box->hidePopup();
}
