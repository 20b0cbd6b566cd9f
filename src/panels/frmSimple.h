#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <vector>

class QFrame;
class QTabBar;
class QTabWidget;
class TEvent;

// The centre of Lookup mode: a row of pronunciation tabs (the plain word and its variants) over
// a page control of lookup panels, all of them created with mode 0. The panels are placed once,
// at the main window's first activation.
//
// Seams for panels of other parts, used when those classes are registered: the DICT panel
// ("TfrmOnline"), each web dictionary panel ("TfrmGenericOnline") and the visual thesaurus
// ("TfrmVisualThesaurus") hear of page changes as TPageAware; a web dictionary panel gets its
// URL template as a TUrlTemplatePanel.
class TFrameSimple : public QWidget
{
    Q_OBJECT

public:
    // actionEvent: the data module's action notification (may be null).
    TFrameSimple(QWidget *parent, TEvent *actionEvent);
    ~TFrameSimple() override;

    // Called by the main window at its first activation: places the panels.
    Q_INVOKABLE void Initialize(int mode);
    void PlacePanels();
    void RebuildPronunciationTabs();
    void RebuildWebTabs();

    QTabBar *TabControl1() const { return tabControl_; }
    QTabWidget *pgcntrlSimple() const { return pages_; }
    QWidget *Page(const QString &name) const;
    QWidget *Container(const QString &name) const;
    const QStringList &WebDictionaries() const { return webDictionaries_; }
    int WebTabCount() const;
    bool PanelsPlaced() const { return panelsPlaced_; }
    bool ChangingTab() const { return changingTab_; }

private:
    void BuildPages();
    void AddPage(const char *page, const char *caption, QWidget *container);
    void Subscribe();
    void Unsubscribe();
    void ClearWebTabs();
    void AddTab(int number);
    void SelectVariantTab();
    QObject *PanelIn(const char *container, const char *className) const;

    void ActionExecute(QObject *sender);
    void WordChange(QObject *sender);
    void DisplayStyleChange(QObject *sender);
    void ModeChange(QObject *sender);
    void OnlineDictionariesChange(QObject *sender);
    void TabControl1Change(int index);
    void pgcntrlSimpleChange(int index);

    TEvent *actionEvent_;
    QStringList webDictionaries_;
    std::vector<QPointer<QWidget>> webTabs_;
    QStringList webTabsBuiltFrom_; // the enabled entries the web tabs stand for
    bool panelsPlaced_ = false;
    bool changingTab_ = false;
    QTabBar *tabControl_ = nullptr;
    QTabWidget *pages_ = nullptr;
};
