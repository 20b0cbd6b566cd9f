#include "frmSimple.h"

#include "ComingPage.h"
#include "DictFrame.h"
#include "DictionaryList.h"
#include "Event.h"
#include "PageAware.h"
#include "Settings.h"
#include "SideBySideLayout.h"
#include "UpdateBracket.h"
#include "WebTabs.h"

#include <QFrame>
#include <QLayout>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
// Pronunciation tabs drawn as flat buttons that light up under the mouse.
const char *const FlatButtonTabs =
    "QTabBar::tab { border: 1px solid transparent; border-radius: 3px; margin: 2px 1px;"
    " padding: 3px 10px; background: transparent; }"
    "QTabBar::tab:selected { background: palette(midlight); border-color: palette(dark); }"
    "QTabBar::tab:hover { border-color: palette(highlight); }";

const QString GenericOnline = QStringLiteral("TfrmGenericOnline");

QFrame *MakeContainer(QWidget *page, const QString &name)
{
    auto *container = new QFrame(page);
    container->setObjectName(name);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(container);
    return container;
}

QVBoxLayout *FillLayout(QWidget *container)
{
    auto *layout = new QVBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

// Creates the panel of className in container unless one is there already; null when the class
// is not part of this build.
TDictFrame *PlaceIfAbsent(QWidget *container, const QString &className)
{
    for (QObject *child : container->children())
        if (QLatin1String(child->metaObject()->className()) == className)
            return nullptr;
    TDictFrame *panel = TDictFrame::Create(className, container, 0);
    if (!panel)
        return nullptr;
    panel->setObjectName(className);
    container->layout()->addWidget(panel);
    panel->show();
    return panel;
}

void SetPageActive(QObject *panel, bool active)
{
    if (auto *aware = dynamic_cast<TPageAware *>(panel))
        aware->SetActive(active);
}

} // namespace

TFrameSimple::TFrameSimple(QWidget *parent, TEvent *actionEvent)
    : QWidget(parent), actionEvent_(actionEvent)
{
    setObjectName(QStringLiteral("FrameSimple"));
    BuildPages();
    Subscribe();
    pages_->setCurrentIndex(0);
}

TFrameSimple::~TFrameSimple()
{
    Unsubscribe();
}

void TFrameSimple::Subscribe()
{
    if (actionEvent_)
        actionEvent_->Add({0}, &TFrameSimple::ActionExecute, this);
    TDictionaryList &dict = TDictionaryList::Instance();
    dict.WordChanged.Add({0}, &TFrameSimple::WordChange, this);
    dict.DisplayStyleChanged.Add({0}, &TFrameSimple::DisplayStyleChange, this);
    dict.ModeChanged.Add({0}, &TFrameSimple::ModeChange, this);
    dict.OnlineDictionariesChanged.Add({0}, &TFrameSimple::OnlineDictionariesChange, this);
}

void TFrameSimple::Unsubscribe()
{
    // The data module may be gone before the main window frees this frame.
    if (actionEvent_)
        actionEvent_->Remove(&TFrameSimple::ActionExecute, this);
    if (!TDictionaryList::Exists())
        return;
    TDictionaryList &dict = TDictionaryList::Instance();
    dict.WordChanged.Remove(&TFrameSimple::WordChange, this);
    dict.DisplayStyleChanged.Remove(&TFrameSimple::DisplayStyleChange, this);
    dict.ModeChanged.Remove(&TFrameSimple::ModeChange, this);
    dict.OnlineDictionariesChanged.Remove(&TFrameSimple::OnlineDictionariesChange, this);
}

// --- layout --------------------------------------------------------------------------------

void TFrameSimple::BuildPages()
{
    QVBoxLayout *column = FillLayout(this);
    tabControl_ = new QTabBar(this);
    tabControl_->setObjectName(QStringLiteral("TabControl1"));
    tabControl_->setDrawBase(false);
    tabControl_->setExpanding(false);
    tabControl_->setStyleSheet(QString::fromLatin1(FlatButtonTabs));
    AddTab(0);
    column->addWidget(tabControl_);
    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("pgcntrlSimple"));
    column->addWidget(pages_, 1);

    AddPage("tbCombined", QT_TR_NOOP("Combined"), nullptr);
    auto *standard = new QFrame(this);
    standard->setObjectName(QStringLiteral("pnlStandard"));
    new TSideBySideLayout(standard); // owned by the container
    AddPage("tbStandard", QT_TR_NOOP("Side by Side"), standard);
    AddPage("tbRoundex", QT_TR_NOOP("Roundex"), nullptr);
    AddPage("tbNearRhymes", QT_TR_NOOP("Near Rhymes"), nullptr);
    AddPage("tbRhymes", QT_TR_NOOP("Rhyme Lines"), nullptr);
    AddPage("tbVisualThesaurus", QT_TR_NOOP("Hyperbolic Thesaurus"), nullptr);
    AddPage("tbOnline", QT_TR_NOOP("Online Dictionary"), nullptr);

    connect(tabControl_, &QTabBar::currentChanged, this, &TFrameSimple::TabControl1Change);
    connect(pages_, &QTabWidget::currentChanged, this, &TFrameSimple::pgcntrlSimpleChange);
}

// Adds a page holding one container that fills it; the container is named after the page
// ("tbRoundex" holds "pnlRoundex"), except for the combined page's "pnlCombined".
void TFrameSimple::AddPage(const char *page, const char *caption, QWidget *container)
{
    auto *sheet = new QWidget(pages_);
    sheet->setObjectName(QString::fromLatin1(page));
    const QString name = QStringLiteral("pnl") + QString::fromLatin1(page).mid(2);
    if (container) {
        container->setParent(sheet);
        FillLayout(sheet)->addWidget(container);
    } else {
        FillLayout(MakeContainer(sheet, name));
    }
    pages_->addTab(sheet, tr(caption));
}

QWidget *TFrameSimple::Page(const QString &name) const
{
    return pages_->findChild<QWidget *>(name);
}

QWidget *TFrameSimple::Container(const QString &name) const
{
    return pages_->findChild<QWidget *>(name);
}

int TFrameSimple::WebTabCount() const
{
    int count = 0;
    for (const QPointer<QWidget> &tab : webTabs_)
        count += tab ? 1 : 0;
    return count;
}

// --- panels --------------------------------------------------------------------------------

void TFrameSimple::Initialize(int)
{
    PlacePanels();
}

void TFrameSimple::ModeChange(QObject *)
{
    PlacePanels();
    // The list may have changed in Cadenzio mode, when this frame does not hear of it.
    const QStringList list = TDictSettings::Instance().PeekOnlineDictionaries();
    if (TWebTabs::EnabledEntries(list) != webTabsBuiltFrom_)
        RebuildWebTabs();
}

void TFrameSimple::PlacePanels()
{
    if (panelsPlaced_)
        return;
    panelsPlaced_ = true;
    const std::pair<const char *, const char *> panels[] = {
        {"pnlStandard", "TfrmRhymes"},         {"pnlStandard", "TfrmPhrases"},
        {"pnlCombined", "TfrmCombinedSimple"}, {"pnlRoundex", "TfrmRoundex"},
        {"pnlNearRhymes", "TfrmNearRhymes"},   {"pnlOnline", "TfrmOnline"},
        {"pnlRhymes", "TfrmRhymeLines"},       {"pnlVisualThesaurus", "TfrmVisualThesaurus"},
    };
    for (const auto &[container, className] : panels)
        if (QWidget *target = Container(QString::fromLatin1(container)))
            if (!PlaceIfAbsent(target, QString::fromLatin1(className)))
                ShowComingText(target, QString::fromLatin1(className));
    RebuildWebTabs();
    TDictionaryList &dict = TDictionaryList::Instance();
    dict.UIFontChanged.Notify(&dict);
}

void TFrameSimple::OnlineDictionariesChange(QObject *)
{
    RebuildWebTabs();
}

void TFrameSimple::ClearWebTabs()
{
    for (const QPointer<QWidget> &tab : webTabs_)
        delete tab.data();
    webTabs_.clear();
}

void TFrameSimple::RebuildWebTabs()
{
    ClearWebTabs();
    webDictionaries_ = TDictSettings::Instance().PeekOnlineDictionaries();
    webTabsBuiltFrom_ = TWebTabs::EnabledEntries(webDictionaries_);
    // Web pages come with the web dictionary panel; without it there is nothing to show.
    if (!TDictFrame::IsRegistered(GenericOnline))
        return;
    for (const QString &line : std::as_const(webTabsBuiltFrom_)) {
        const QString name = TWebTabs::NameOf(line);
        auto *page = new QWidget(pages_);
        FillLayout(page);
        TDictFrame *panel = TDictFrame::Create(GenericOnline, page, 0);
        if (!panel) {
            delete page;
            continue;
        }
        panel->setObjectName(GenericOnline); // found by this name when its page is activated
        const QString urlTemplate = line.mid(name.size() + 1); // empty without "="
        if (auto *web = dynamic_cast<TUrlTemplatePanel *>(panel))
            web->SetTemplate(urlTemplate);
        page->layout()->addWidget(panel);
        panel->show();
        panel->Panel2()->hide();
        pages_->addTab(page, name);
        webTabs_.emplace_back(page);
    }
}

// --- tabs ----------------------------------------------------------------------------------

void TFrameSimple::WordChange(QObject *)
{
    RebuildPronunciationTabs();
}

void TFrameSimple::DisplayStyleChange(QObject *)
{
    RebuildPronunciationTabs();
}

void TFrameSimple::RebuildPronunciationTabs()
{
    TDictionaryList &dict = TDictionaryList::Instance();
    if (dict.GetMode() != 0 || changingTab_)
        return;
    {
        const QSignalBlocker quiet(tabControl_);
        TUpdateBracket bracket(tabControl_);
        while (tabControl_->count() > 0)
            tabControl_->removeTab(tabControl_->count() - 1);
        const QString word = dict.GetLookupWord().toLower();
        AddTab(0);
        for (int k = 1; k <= 4; ++k)
            if (!dict.Lookup(TDictionaryList::RhymeSlot, word + QStringLiteral("(%1)").arg(k))
                     .isEmpty())
                AddTab(k);
        SelectVariantTab();
    }
    dict.UIFontChanged.Notify(&dict);
}

// Captions follow the variant numbers, so there may be gaps: "Pronunciation 1", "Pronunciation 4".
void TFrameSimple::AddTab(int number)
{
    tabControl_->setTabData(tabControl_->addTab(tr("Pronunciation %1").arg(number + 1)), number);
}

// The tab of the variant the current word names (as "read(1)" does), else the first.
void TFrameSimple::SelectVariantTab()
{
    const TDictionaryList &dict = TDictionaryList::Instance();
    const QString word = dict.GetWord();
    const QString base = dict.GetLookupWord().toLower();
    for (int i = 1; i < tabControl_->count(); ++i)
        if (word == base + QStringLiteral("(%1)").arg(tabControl_->tabData(i).toInt())) {
            tabControl_->setCurrentIndex(i);
            return;
        }
    tabControl_->setCurrentIndex(0);
}

void TFrameSimple::TabControl1Change(int index)
{
    if (index < 0)
        return;
    changingTab_ = true;
    const auto done = qScopeGuard([this] { changingTab_ = false; });
    TDictionaryList &dict = TDictionaryList::Instance();
    QString word = dict.GetLookupWord();
    if (index > 0)
        word += QStringLiteral("(%1)").arg(tabControl_->tabData(index).toInt());
    // A delay left over from the lookup box would postpone the lookup past this click.
    dict.SetWordNow(word);
}

void TFrameSimple::pgcntrlSimpleChange(int index)
{
    QWidget *current = pages_->widget(index);
    SetPageActive(PanelIn("pnlOnline", "TfrmOnline"), current == Page(QStringLiteral("tbOnline")));
    SetPageActive(PanelIn("pnlVisualThesaurus", "TfrmVisualThesaurus"),
                  current == Page(QStringLiteral("tbVisualThesaurus")));
    for (const QPointer<QWidget> &tab : webTabs_)
        if (tab)
            SetPageActive(tab->findChild<QObject *>(GenericOnline), tab == current);
}

QObject *TFrameSimple::PanelIn(const char *container, const char *className) const
{
    QWidget *target = Container(QString::fromLatin1(container));
    return target ? target->findChild<QObject *>(QString::fromLatin1(className)) : nullptr;
}

void TFrameSimple::ActionExecute(QObject *)
{
    // Lookup mode has no actions of its own to run.
}
