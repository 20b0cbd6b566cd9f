#pragma once

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QPushButton;
class QSplitter;
class TDefinitionsPane;
class TExplorerButtons;
class THistoryBox;
class TLexDatabase;
class TRelationList;
struct TNearEntry;
struct TSynsetWord;

enum TCopyButtonPressAction
{
    cbpCloseAndReturn,
    cbpCopyClipboard,
    cbpNoAction
};

enum TListDoubleClickAction
{
    ldcLookupWord,
    ldcReturnWord
};

// The message for a database error, naming the file it came from.
QString LexErrorText(const QString &file, const char *error);

// The word explorer window: lookup box with history, definitions, part-of-speech filters and the
// relation tabs over the word list. Errors of the database raised while the window runs are
// shown to the user; those of Lookup reach the caller.
class TWordExplorerForm : public QDialog
{
    Q_OBJECT

public:
    TWordExplorerForm(TLexDatabase &db, QWidget *parent);
    ~TWordExplorerForm() override;

    // Sets the lookup box and searches. Throws ELexError.
    void Lookup(const QString &word);
    // The focused definition text's selection, else the lookup word when no list item is
    // selected, else the selected item without its suffixes.
    QString SelectedWord() const;
    QString LookupWord() const { return lookupWord_; }
    TLexDatabase &Database() const { return db_; }

    void SetDefinitionsHeightPercent(int percent);
    void SetCopyButtonCaption(const QString &caption);
    void ApplyFontSize(int points);
    void SetCopyClickAction(TCopyButtonPressAction action) { copyAction_ = action; }
    void SetListDblClickAction(TListDoubleClickAction action) { listAction_ = action; }
    void SetOnCopyClick(std::function<void()> handler) { onCopyClick_ = std::move(handler); }

    // The current relation: a relation number, 12 synonyms, 13 Nearest.
    int CurrentRelation() const { return relation_; }
    int Depth() const { return depth_; }

    THistoryBox *KeyWord() const { return keyWord_; }
    QPushButton *SearchButton() const { return searchButton_; }
    TExplorerButtons *Buttons() const { return buttons_; }
    TDefinitionsPane *Defs() const { return defs_; }
    TRelationList *Relations() const { return relations_; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *BuildLookupPanel();
    void SetTabOrder();
    void Connect();
    template <class F> void Guarded(F &&step);

    void Search(bool navigating);
    void ShowFound(const std::string &word, bool navigating);
    void ShowNotFound(const QString &word);
    void ShowNothing();
    void UpdatePrevious();
    void RefreshTabs();
    bool Shows(int relation) const;
    int FirstRelation() const;
    void ShowRelation(int relation);
    void ShowWords(const std::vector<TSynsetWord> &words);
    void ShowNearest(const std::string &key);
    void StepLevel(int step);
    void UpdateLevels(bool more);
    void AfterFilterChange();
    void PartOfSpeechToggled(int pos, bool down);
    void SenseClicked(int senseIndex);
    void ItemChosen(int row);
    void LookupFromText(const QString &word);
    void Previous();
    void CopyClicked();

    TLexDatabase &db_;
    THistoryBox *keyWord_;
    QPushButton *searchButton_;
    TExplorerButtons *buttons_;
    TDefinitionsPane *defs_;
    TRelationList *relations_;
    QSplitter *splitter_;
    QString lookupWord_;
    int relation_ = 12;
    int depth_ = 1;
    int selectedSense_ = -1;
    int definitionsPercent_ = 35;
    std::vector<TNearEntry> nearest_;
    TCopyButtonPressAction copyAction_ = cbpCloseAndReturn;
    TListDoubleClickAction listAction_ = ldcLookupWord;
    std::function<void()> onCopyClick_;
};
