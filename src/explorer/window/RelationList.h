#pragma once

#include <QWidget>

#include <vector>

class QListWidget;
class QTabBar;
class QToolButton;

// The relation tabs over the word list, with the level buttons at the list's top right.
class TRelationList : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Nearest = 13;
    static constexpr int MinimumListHeight = 50; // below the tabs, however many rows they take

    explicit TRelationList(QWidget *parent);

    // Tabs for the relation numbers given (Nearest first); selects current, else the synonyms.
    void SetTabs(const std::vector<int> &relations, int current);
    void SelectTab(int relation);
    // Fills the list; selected -1 selects nothing.
    void ShowWords(const QStringList &items, int selected = -1);
    // Puts the selected row in the middle of the list.
    void CentreSelection();
    void SetLevels(bool visible, bool plus, bool minus);
    void ApplyFontSize(int points);

    QTabBar *ViewTabs() const { return tabs_; }
    QListWidget *Synonyms() const { return list_; }
    QToolButton *Plus() const { return plus_; }
    QToolButton *Minus() const { return minus_; }
    QWidget *PlusMinus() const { return plusMinus_; }
    // The relation of a tab, or -1.
    int RelationAt(int tab) const;

signals:
    void RelationChosen(int relation);
    void LevelStep(int step);
    void ItemChosen(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void PlaceLevels();
    void FitTabs();

    QTabBar *tabs_;
    QListWidget *list_;
    QWidget *plusMinus_;
    QToolButton *plus_, *minus_;
    std::vector<int> relations_;
    bool filling_ = false;
};
