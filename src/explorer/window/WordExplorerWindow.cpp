#include "WordExplorerWindow.h"

#include "DefinitionText.h"
#include "DefinitionsPane.h"
#include "ExplorerButtons.h"
#include "HistoryBox.h"
#include "LexDatabase.h"
#include "LexError.h"
#include "LexText.h"
#include "RelationList.h"
#include "SenseDisplay.h"
#include "WordUtils.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSplitter>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

constexpr int NearestCount = 500;
const QString MoreEntries = QStringLiteral("..");

// Relations whose words come in levels ("+" and "-").
bool HasLevels(int relation)
{
    switch (relation) {
    case rtAntonyms:
    case rtParts:
    case rtTypeOf:
    case rtTypes:
    case rtPartOf:
    case rtSeeAlso:
    case rtSimilar:
        return true;
    default:
        return false;
    }
}

// The relation a deeper level follows: antonyms continue through similar senses.
int FurtherRelation(int relation)
{
    return relation == rtAntonyms ? rtSimilar : relation;
}

// The wait cursor for a scope.
class TWaitCursor
{
public:
    TWaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWaitCursor() { QGuiApplication::restoreOverrideCursor(); }
};

} // namespace

TWordExplorerForm::TWordExplorerForm(TLexDatabase &db, QWidget *parent) : QDialog(parent), db_(db)
{
    setObjectName(QStringLiteral("WordExplorerForm"));
    setWindowTitle(tr("Word Explorer thesaurus/dictionary"));
    setWindowFlag(Qt::WindowMinimizeButtonHint, false);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    resize(443, 319);

    buttons_ = new TExplorerButtons(this);
    defs_ = new TDefinitionsPane(this);
    relations_ = new TRelationList(this);
    splitter_ = new QSplitter(Qt::Vertical, this);
    splitter_->setObjectName(QStringLiteral("Splitter1"));
    splitter_->addWidget(defs_);
    splitter_->addWidget(relations_);
    splitter_->setChildrenCollapsible(false);

    auto *left = new QVBoxLayout;
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(BuildLookupPanel());
    left->addWidget(splitter_, 1);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 0, 4);
    layout->setSpacing(2);
    layout->addLayout(left, 1);
    layout->addWidget(buttons_);
    SetDefinitionsHeightPercent(definitionsPercent_);
    SetTabOrder();
    Connect();
    relations_->SetTabs({TRelationList::Nearest}, TRelationList::Nearest);
    keyWord_->setFocus(Qt::OtherFocusReason); // the window opens ready for typing
}

TWordExplorerForm::~TWordExplorerForm() = default;

QWidget *TWordExplorerForm::BuildLookupPanel()
{
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("LookupPanel"));
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 2);
    auto *label = new QLabel(tr("&Lookup:"), panel);
    label->setObjectName(QStringLiteral("LookupLab"));
    keyWord_ = new THistoryBox(panel);
    keyWord_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    label->setBuddy(keyWord_);
    searchButton_ = new QPushButton(tr("&Search"), panel);
    searchButton_->setObjectName(QStringLiteral("SearchButton"));
    searchButton_->setDefault(true);
    searchButton_->setEnabled(false);
    row->addWidget(label);
    row->addWidget(keyWord_, 1);
    row->addWidget(searchButton_);
    return panel;
}

// Top to bottom on the left, then the buttons on the right.
void TWordExplorerForm::SetTabOrder()
{
    std::vector<QWidget *> order{keyWord_, searchButton_, relations_->ViewTabs(),
                                 relations_->Synonyms(), buttons_->PreviousBut};
    order.insert(order.end(), buttons_->PosButtons.begin(), buttons_->PosButtons.end());
    order.push_back(buttons_->CopyButton);
    order.push_back(buttons_->CloseButton);
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TWordExplorerForm::Connect()
{
    connect(keyWord_->lineEdit(), &QLineEdit::textEdited, this,
            [this](const QString &text) { searchButton_->setEnabled(!text.trimmed().isEmpty()); });
    connect(searchButton_, &QPushButton::clicked, this,
            [this] { Guarded([this] { Search(false); }); });
    // A word chosen from the history; Enter in the box already searched through the button.
    connect(keyWord_, &QComboBox::textActivated, this, [this](const QString &text) {
        if (text.trimmed() != lookupWord_ || searchButton_->isEnabled())
            Guarded([this] { Search(false); });
    });
    connect(buttons_->PreviousBut, &QToolButton::clicked, this,
            [this] { Guarded([this] { Previous(); }); });
    connect(keyWord_, &THistoryBox::EntryDeleted, this, &TWordExplorerForm::UpdatePrevious);
    connect(buttons_->CopyButton, &QToolButton::clicked, this, &TWordExplorerForm::CopyClicked);
    connect(buttons_->CloseButton, &QToolButton::clicked, this, &QDialog::reject);
    connect(buttons_, &TExplorerButtons::PartOfSpeechToggled, this,
            [this](int pos, bool down) { Guarded([&] { PartOfSpeechToggled(pos, down); }); });
    connect(defs_, &TDefinitionsPane::SenseClicked, this,
            [this](int index) { Guarded([&] { SenseClicked(index); }); });
    connect(defs_, &TDefinitionsPane::LookupRequested, this,
            [this](const QString &word) { Guarded([&] { LookupFromText(word); }); });
    connect(defs_, &TDefinitionsPane::TabOut, this, [this](bool backwards) {
        if (backwards)
            keyWord_->setFocus(Qt::BacktabFocusReason);
        else
            relations_->ViewTabs()->setFocus(Qt::TabFocusReason);
    });
    connect(relations_, &TRelationList::RelationChosen, this,
            [this](int relation) { Guarded([&] { ShowRelation(relation); }); });
    connect(relations_, &TRelationList::LevelStep, this,
            [this](int step) { Guarded([&] { StepLevel(step); }); });
    // Queued: choosing an item refills the list whose event is still running.
    connect(
        relations_, &TRelationList::ItemChosen, this,
        [this](int row) { Guarded([&] { ItemChosen(row); }); }, Qt::QueuedConnection);
}

QString LexErrorText(const QString &file, const char *error)
{
    return QCoreApplication::translate("TWordExplorerForm",
                                       "The word explorer could not read its database %1:\n%2")
        .arg(QDir::toNativeSeparators(file), QString::fromUtf8(error));
}

// The window's own steps show a database error instead of letting it through the event loop.
template <class F> void TWordExplorerForm::Guarded(F &&step)
{
    try {
        step();
    } catch (const ELexError &error) {
        ShowNothing();
        QMessageBox::critical(this, windowTitle(),
                              LexErrorText(LexText::FromFileName(db_.FileName()), error.what()));
    }
}

void TWordExplorerForm::Lookup(const QString &word)
{
    keyWord_->SetText(word);
    try {
        Search(false);
    } catch (const ELexError &) {
        ShowNothing(); // what is shown must not outlive the query it came from
        throw;
    }
}

void TWordExplorerForm::LookupFromText(const QString &word)
{
    if (word == keyWord_->Text())
        return;
    Lookup(word);
}

void TWordExplorerForm::Search(bool navigating)
{
    const QString text = keyWord_->Text().trimmed();
    if (text.isEmpty())
        return;
    TWaitCursor wait;
    lookupWord_ = text;
    const std::string word = LexText::FromQString(text);
    TLexFileGuard file(db_);
    relation_ = rtSynonyms;
    depth_ = 1;
    selectedSense_ = -1;
    db_.Lookup(word);
    if (db_.Query().Senses().empty())
        ShowNotFound(text);
    else
        ShowFound(word, navigating);
    searchButton_->setEnabled(false);
}

void TWordExplorerForm::ShowFound(const std::string &word, bool navigating)
{
    TWordLookup &query = db_.Query();
    if (definitionsPercent_ > 0) {
        defs_->Show(SenseDisplay::Build(db_, word));
        if (QWidget *first = defs_->FirstText()) { // Tab goes from the lookup to the senses
            first->setFocusPolicy(Qt::StrongFocus);
            setTabOrder(searchButton_, first);
            setTabOrder(first, relations_->ViewTabs());
        }
    }
    buttons_->ResetPartsOfSpeech(query.ShownPartsOfSpeech());
    relation_ = FirstRelation();
    RefreshTabs();
    ShowRelation(relation_);
    keyWord_->Record(lookupWord_, navigating);
    UpdatePrevious();
    keyWord_->lineEdit()->selectAll();
}

void TWordExplorerForm::ShowNotFound(const QString &word)
{
    defs_->ShowNotFound(word);
    buttons_->ResetPartsOfSpeech(0);
    relations_->SetTabs({TRelationList::Nearest}, TRelationList::Nearest);
    ShowNearest(WordUtils::SearchKey(LexText::FromQString(word)));
    UpdatePrevious();
}

// After a database error: an empty window, so no filter, tab or sense acts on a stale query.
void TWordExplorerForm::ShowNothing()
{
    db_.Query().Clear();
    selectedSense_ = -1;
    depth_ = 1;
    relation_ = TRelationList::Nearest;
    nearest_.clear();
    defs_->Clear();
    buttons_->ResetPartsOfSpeech(0);
    relations_->SetTabs({TRelationList::Nearest}, TRelationList::Nearest);
    relations_->ShowWords({});
    relations_->SetLevels(false, false, false);
    searchButton_->setEnabled(!keyWord_->Text().trimmed().isEmpty()); // the user may try again
    UpdatePrevious();
}

// Previous is offered whenever it has an entry to go to, also after a word that was not found.
void TWordExplorerForm::UpdatePrevious()
{
    buttons_->PreviousBut->setEnabled(!keyWord_->PreviousEntry(lookupWord_).isEmpty());
}

// Whether the shown senses have words for the relation, so that it has a tab.
bool TWordExplorerForm::Shows(int relation) const
{
    const TWordLookup &query = db_.Query();
    if (relation == rtSynonyms)
        return !query.Synonyms().empty();
    return relation >= 0 && relation < rtSynonyms &&
           (query.AvailableRelations() & (1u << relation));
}

// The synonyms, else the first of the broader relations; else any relation the senses have, and
// only when they have none the Nearest list, so the selected tab always names what the list shows.
int TWordExplorerForm::FirstRelation() const
{
    for (int r : {int(rtSynonyms), int(rtTypeOf), int(rtSimilar), int(rtSeeAlso), int(rtDerived)})
        if (Shows(r))
            return r;
    for (int r = 0; r < rtSynonyms; ++r)
        if (Shows(r))
            return r;
    return TRelationList::Nearest;
}

void TWordExplorerForm::RefreshTabs()
{
    std::vector<int> tabs{TRelationList::Nearest};
    const TWordLookup &query = db_.Query();
    if (!query.Senses().empty()) {
        if (!query.Synonyms().empty())
            tabs.push_back(rtSynonyms);
        for (int r = 0; r < rtSynonyms; ++r)
            if (query.AvailableRelations() & (1u << r))
                tabs.push_back(r);
    }
    relations_->SetTabs(tabs, relation_);
}

void TWordExplorerForm::ShowWords(const std::vector<TSynsetWord> &words)
{
    QStringList items;
    for (const TSynsetWord &w : words)
        items << SenseDisplay::ListText(w);
    relations_->ShowWords(items);
}

void TWordExplorerForm::ShowRelation(int relation)
{
    if (relation == TRelationList::Nearest) {
        ShowNearest(WordUtils::SearchKey(LexText::FromQString(lookupWord_)));
        return;
    }
    relation_ = relation;
    depth_ = 1;
    TWordLookup &query = db_.Query();
    const bool any = relation == rtSynonyms || (query.AvailableRelations() & (1u << relation));
    TWaitCursor wait;
    ShowWords(any ? query.RelatedByTypes(1u << relation) : std::vector<TSynsetWord>{});
    UpdateLevels(HasLevels(relation) && query.HasDeeperLevel(FurtherRelation(relation)));
}

void TWordExplorerForm::UpdateLevels(bool more)
{
    const bool levels = HasLevels(relation_);
    relations_->SetLevels(levels && (more || depth_ > 1), more, depth_ > 1);
}

void TWordExplorerForm::StepLevel(int step)
{
    if (!HasLevels(relation_) || depth_ + step < 1)
        return;
    depth_ += step;
    bool more = false;
    TWaitCursor wait; // a deep level of a large hierarchy reads thousands of senses
    ShowWords(db_.Query().RelatedByLevels(relation_, depth_, more));
    UpdateLevels(more);
}

void TWordExplorerForm::ShowNearest(const std::string &key)
{
    TLexFileGuard file(db_);
    relation_ = TRelationList::Nearest;
    const int at = db_.Index().NearestEntries(nearest_, NearestCount, key);
    QStringList items{MoreEntries};
    for (const TNearEntry &e : nearest_)
        items << SenseDisplay::ListText({e.Headword, e.Flags});
    items << MoreEntries;
    relations_->SelectTab(TRelationList::Nearest);
    relations_->ShowWords(items, nearest_.empty() ? -1 : at + 1);
    relations_->CentreSelection();
    relations_->SetLevels(false, false, false);
}

void TWordExplorerForm::AfterFilterChange()
{
    if (relation_ != TRelationList::Nearest && !Shows(relation_))
        relation_ = FirstRelation();
    RefreshTabs();
    ShowRelation(relation_);
}

void TWordExplorerForm::PartOfSpeechToggled(int pos, bool down)
{
    TWordLookup &query = db_.Query();
    if (selectedSense_ >= 0) {
        selectedSense_ = -1;
        defs_->SetSelectedSense(-1);
    }
    if (down) {
        query.ShowPartsOfSpeech(std::uint16_t(1u << pos));
        buttons_->SetPartOfSpeechDown(pos);
        defs_->ScrollToPartOfSpeech(pos);
    } else {
        query.ShowPartsOfSpeech(WordUtils::AllPartsOfSpeech);
        buttons_->SetPartOfSpeechDown(-1);
    }
    AfterFilterChange();
}

void TWordExplorerForm::SenseClicked(int senseIndex)
{
    TWordLookup &query = db_.Query();
    if (senseIndex < 0 || std::size_t(senseIndex) >= query.Senses().size())
        return;
    if (senseIndex == selectedSense_) {
        selectedSense_ = -1;
        query.SelectSense(-1);
    } else {
        const int pos = query.Senses()[std::size_t(senseIndex)]->PartOfSpeech;
        if (!(query.ShownMask() & (1u << pos))) {
            query.ShowPartsOfSpeech(WordUtils::AllPartsOfSpeech);
            buttons_->SetPartOfSpeechDown(-1);
        }
        query.SelectSense(senseIndex);
        selectedSense_ = senseIndex;
    }
    defs_->SetSelectedSense(selectedSense_);
    AfterFilterChange();
}

void TWordExplorerForm::ItemChosen(int row)
{
    const QListWidget *list = relations_->Synonyms();
    if (row < 0 || row >= list->count())
        return;
    const QString text = list->item(row)->text();
    if (relation_ == TRelationList::Nearest && text == MoreEntries) {
        if (!nearest_.empty())
            ShowNearest(row == 0 ? nearest_.front().SearchKey : nearest_.back().SearchKey);
        return;
    }
    if (listAction_ == ldcReturnWord) {
        accept();
        return;
    }
    Lookup(SenseDisplay::PlainWord(text));
    keyWord_->setFocus(Qt::OtherFocusReason);
}

void TWordExplorerForm::Previous()
{
    const QString entry = keyWord_->PreviousEntry(lookupWord_);
    if (entry.isEmpty())
        return;
    keyWord_->SetText(entry);
    Search(true);
}

QString TWordExplorerForm::SelectedWord() const
{
    // A caret without a selection, or the Nearest list's "..", names no word: Copy must not
    // replace the clipboard with nothing.
    QString selection;
    if (defs_->FocusedSelection(selection) && !selection.isEmpty())
        return selection;
    const QListWidget *list = relations_->Synonyms();
    const QListWidgetItem *item = list->currentItem();
    if (!item || !item->isSelected() ||
        (relation_ == TRelationList::Nearest && item->text() == MoreEntries))
        return lookupWord_;
    return SenseDisplay::PlainWord(item->text());
}

void TWordExplorerForm::CopyClicked()
{
    if (onCopyClick_)
        onCopyClick_();
    switch (copyAction_) {
    case cbpCopyClipboard:
        QApplication::clipboard()->setText(SelectedWord());
        break;
    case cbpCloseAndReturn:
        accept();
        break;
    case cbpNoAction:
        break;
    }
}

void TWordExplorerForm::SetDefinitionsHeightPercent(int percent)
{
    definitionsPercent_ = qBound(0, percent, 100);
    defs_->setVisible(definitionsPercent_ > 0);
    relations_->setVisible(definitionsPercent_ < 100);
}

void TWordExplorerForm::SetCopyButtonCaption(const QString &caption)
{
    if (!caption.isEmpty())
        buttons_->CopyButton->setText(caption);
}

void TWordExplorerForm::ApplyFontSize(int points)
{
    if (points <= 0)
        return;
    defs_->ApplyFontSize(points);
    relations_->ApplyFontSize(points);
}

// Each resize gives the definitions two fifths of the height.
void TWordExplorerForm::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const int height = splitter_->height();
    splitter_->setSizes({height * 2 / 5, height - height * 2 / 5});
}
