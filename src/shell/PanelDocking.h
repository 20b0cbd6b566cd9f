#pragma once

#include <QObject>
#include <QString>

class QFrame;
class QTabWidget;
class QWidget;
class TSplitter;
class TfrmCommon;
class TfrmMore;

// The side panels of the main window and the docking of lookup panels into them: which group
// sits on which side, when a side collapses, the tabs, the widths and their splitters, and the
// rhyme-lines strip below the centre.
class TPanelDocking : public QObject
{
    Q_OBJECT

public:
    enum class TDock
    {
        Common,
        More,
        RhymeLine
    };
    static constexpr int CollapsedSize = 1;
    static constexpr int MinOpenSize = 40; // a stored width below this would hide the panel

    // window: the main window (widths are limited by its width); pnlMain: the centre, which
    // receives the rhyme-lines strip at its bottom.
    TPanelDocking(QWidget *window, QWidget *pnlMain);
    ~TPanelDocking() override;

    // Creates the panel of className in dock when none exists, frees it otherwise.
    void TogglePanel(TDock dock, const QString &className);
    void ArrangeSidePanels();
    void UpdateSideTabs();
    void ApplyTabStyle(bool asButtons);
    // The verse-form strip follows ShowVerseForms.
    void UpdateVerseFormStrip();
    // Frees the docked panels of the given classes (closing the window).
    static void FreePanels(const QStringList &classNames);
    // Number of lookup panels docked in a group or strip.
    static int PanelCount(const QWidget *dock);

    QFrame *pnlRight() const { return right_.panel; }
    QFrame *pnlLeft() const { return left_.panel; }
    TSplitter *spltRight() const { return right_.splitter; }
    TSplitter *spltLeft() const { return left_.splitter; }
    QTabWidget *pgctrlRight() const { return right_.pages; }
    QTabWidget *pgctrlLeft() const { return left_.pages; }
    QWidget *TabCommon(bool right) const { return Side(right).common; }
    QWidget *TabMore(bool right) const { return Side(right).more; }
    QFrame *pnlRhymeLine() const { return rhymeLine_; }
    TSplitter *Splitter1() const { return splitter1_; }
    TfrmCommon *Common() const { return common_; }
    TfrmMore *More() const { return more_; }
    QWidget *Dock(TDock dock) const;

private:
    struct TSide
    {
        QFrame *panel = nullptr;
        TSplitter *splitter = nullptr;
        QTabWidget *pages = nullptr;
        QWidget *common = nullptr; // tab pages
        QWidget *more = nullptr;
    };

    void BuildSide(TSide &side, bool right);
    void BuildRhymeLineStrip(QWidget *pnlMain);
    TSide &Side(bool right) { return right ? right_ : left_; }
    const TSide &Side(bool right) const { return right ? right_ : left_; }
    static bool CommonRight();
    static bool MoreRight();
    static int StoredWidth(bool right);
    int LimitSize(int size) const;
    int OpenSize(int stored) const;
    void SetSideWidth(bool right, int width);
    void SetTabVisible(TSide &side, QWidget *tab, bool visible);
    static void Place(QWidget *group, QWidget *container);
    void FreedFromGroup(TDock dock);
    void DockedIntoGroup(TDock dock);
    void ToggleRhymeLine(const QString &className);

    QWidget *window_;
    TSide right_;
    TSide left_;
    TfrmCommon *common_ = nullptr;
    TfrmMore *more_ = nullptr;
    QFrame *rhymeLine_ = nullptr;
    TSplitter *splitter1_ = nullptr;
};
