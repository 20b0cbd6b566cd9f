#include "WordListFrame.h"

#include "AppComponents.h"
#include "DictionaryList.h"
#include "EntryText.h"
#include "ListBox.h"
#include "ResultsMemo.h"
#include "UpdateBracket.h"

#include <QPointer>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QFont ResultsFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    return font;
}

QWidget *Page(QWidget *parent, const QString &name, QWidget *content)
{
    auto *page = new QWidget(parent);
    page->setObjectName(name);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    content->setParent(page);
    layout->addWidget(content);
    return page;
}

} // namespace

TWordListFrame::TWordListFrame(QWidget *owner, int mode, const Options &options)
    : TDictFrame(owner, mode), sorted_(options.sorted)
{
    TDictionaryList &dict = TDictionaryList::Instance();
    dict.WordChanged.Add({mode}, &TWordListFrame::WordChange, this);
    dict.DisplayStyleChanged.Add({mode}, &TWordListFrame::DisplayStyleChange, this);
    dict.UIFontChanged.Add({mode}, &TWordListFrame::UIFontChange, this);
    BuildPages(options);
}

TWordListFrame::~TWordListFrame()
{
    Unsubscribe();
}

void TWordListFrame::BuildPages(const Options &options)
{
    list_ = new TListBox(nullptr, options.listName, options.itemHeight);
    list_->setFont(ResultsFont());
    memo_ = new TResultsMemo(nullptr, QStringLiteral("mData"));
    memo_->setFont(ResultsFont());

    pageControl_ = new QStackedWidget(this);
    pageControl_->setObjectName(QStringLiteral("PageControl1"));
    tabSheet1_ = Page(pageControl_, QStringLiteral("TabSheet1"), list_);
    tabSheet2_ = Page(pageControl_, QStringLiteral("TabSheet2"), memo_);
    pageControl_->addWidget(tabSheet1_);
    pageControl_->addWidget(tabSheet2_);
    SetBody(pageControl_);

    connect(list_, &TListBox::clicked, this, [this] { ListBoxClick(); });
    if (options.listDoubleClick)
        connect(list_, &TListBox::ItemDoubleClicked, this, [this] { ListBoxDblClick(); });
    connect(memo_, &TResultsMemo::Clicked, this, [this] { mDataClick(); });
    connect(memo_, &TResultsMemo::DoubleClicked, this, [this] { mDataDblClick(); });
}

void TWordListFrame::Unsubscribe()
{
    if (!TDictionaryList::Exists())
        return;
    TDictionaryList &dict = TDictionaryList::Instance();
    dict.WordChanged.Remove(&TWordListFrame::WordChange, this);
    dict.DisplayStyleChanged.Remove(&TWordListFrame::DisplayStyleChange, this);
    dict.UIFontChanged.Remove(&TWordListFrame::UIFontChange, this);
}

void TWordListFrame::Start()
{
    ApplyUIFont();
    DisplayStyleChange(nullptr);
}

bool TWordListFrame::Wrap()
{
    return TDictionaryList::Instance().GetWrap();
}

void TWordListFrame::WordChange(QObject *)
{
    Refresh();
}

void TWordListFrame::DisplayStyleChange(QObject *)
{
    pageControl_->setCurrentWidget(Wrap() ? tabSheet2_ : tabSheet1_);
    Refresh();
}

void TWordListFrame::UIFontChange(QObject *)
{
    ApplyUIFont();
    SetHideSelection(hideSelection_); // the font's colour replaced the text colours
}

void TWordListFrame::SetHideSelection(bool hide)
{
    hideSelection_ = hide;
    if (hide)
        memo_->HideSelection();
}

void TWordListFrame::ShowJoined(const QString &entry)
{
    memo_->SetText(entry.isEmpty() ? QString() : EntryText::Join(entry));
}

void TWordListFrame::ShowSplit(const QString &entry)
{
    QStringList items = EntryText::Split(entry);
    if (sorted_)
        std::stable_sort(items.begin(), items.end(), [](const QString &a, const QString &b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        });
    list_->Model()->SetItems(std::move(items));
}

void TWordListFrame::LookUp(const QString &text)
{
    TDictionaryList &dict = TDictionaryList::Instance();
    // A delay left over from the lookup box would refill the list after the click has restored
    // its selection.
    dict.SetWordNow(text); // refills this panel at once
    ExecuteAppAction(QStringLiteral("actUpdateInfo"));
    ShowWordInLookupBox(dict.GetWord());
}

void TWordListFrame::ListBoxClick()
{
    const int index = list_->ItemIndex();
    if (index < 0)
        return;
    QPointer<TListBox> list(list_);
    TUpdateBracket bracket(list);
    LookUp(list->ItemText(index));
    // The refill cleared the selection; the same entry usually came back.
    if (list && index < list->Count())
        list->SetItemIndex(index);
}

void TWordListFrame::ListBoxDblClick()
{
    const int index = list_->ItemIndex();
    if (index >= 0)
        TDictionaryList::Instance().SetPickedWord(list_->ItemText(index));
}

void TWordListFrame::mDataClick()
{
    LookUp(memo_->WordUnderCaret());
}

void TWordListFrame::mDataDblClick()
{
    TDictionaryList::Instance().SetPickedWord(memo_->WordUnderCaret());
}
