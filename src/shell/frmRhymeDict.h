#pragma once

#include <QMainWindow>
#include <QTimer>

#include <functional>

class QAction;
class QFrame;
class QMenu;
class QPlainTextEdit;
class QStackedWidget;
class TDataModule1;
class QPrinter;
class TDictStatusBar;
class TFindDialog;
class TLookupBox;
class TMemoPrinter;
class TReplaceDialog;
class TMainActions;
class TMainMenus;
class TPanelDocking;

// The main window: menus, tool bars with the lookup box, the status bar, the centre that shows
// the current mode's frame, and the side panels with the docked lookup panels.
class TfrmRhymeDict : public QMainWindow
{
    Q_OBJECT

public:
    // Frames of the two modes; the verse editor and the lookup-mode view install theirs. A frame
    // may offer invokable "Initialize(int mode)", "CloseQuery()" (returns bool) and a "FileName"
    // property; the editor of Cadenzio mode is the frame's QPlainTextEdit "plMain" (else its
    // first one).
    using FrameFactory = std::function<QWidget *(QWidget *parent)>;
    static FrameFactory AdvancedFrameFactory;
    static FrameFactory SimpleFrameFactory;
    // Run once when the update timer fires; the check itself comes with the update window.
    static std::function<void()> UpdateCheckHook;
    // The word explorer and the options dialog are installed by their own parts.
    static std::function<void(QWidget *window, const QString &word)> WordExplorerHook;
    // Why the word explorer is not installed; shown as the action's hint.
    static QString WordExplorerHint;
    static std::function<void(QWidget *window)> OptionsHook;

    static constexpr int MinWidth = 640;
    static constexpr int MinHeight = 480;
    static constexpr int UpdateDelayMs = 10000;

    // Throws the word-list loader's error (the first use of the dictionary set is here).
    explicit TfrmRhymeDict(TDataModule1 *data);
    ~TfrmRhymeDict() override;

    // The once-only step of the first activation; later calls do nothing.
    void FirstActivate();
    void ApplyMode();
    // The title for the open document (its file name in Cadenzio mode), with an asterisk while
    // it has unsaved changes.
    void UpdateTitle();
    void UpdateTitle(const QString &fileName);
    void UpdateStatusBar();
    // Opens path in the verse editor as File > Open does, with the same "Save changes?"
    // question; switches to Cadenzio mode first.
    void OpenDocument(const QString &path);

    bool Activated() const { return activated_; }
    bool Shown() const { return shown_; }
    bool Initialized() const { return initialized_; }

    TDataModule1 *Data() const { return data_; }
    TMainActions *MainActions() const { return actions_; }
    TMainMenus *Menus() const { return menus_; }
    TLookupBox *cmbLookup() const { return lookup_; }
    TDictStatusBar *StatusBar1() const { return status_; }
    TPanelDocking *Docking() const { return docking_; }
    QFrame *pnlMain() const { return pnlMain_; }
    QWidget *FrameAdvanced() const { return frameAdvanced_; }
    QWidget *FrameSimple() const { return frameSimple_; }
    QTimer &UpdateTimer() { return updateTimer_; }
    QPlainTextEdit *Editor() const;
    TFindDialog *FindDialog1() const { return findDialog_; }
    TReplaceDialog *ReplaceDialog1() const { return replaceDialog_; }
    TMemoPrinter *MemoPrinter1() const { return memoPrinter_; }

    // Prints the open document on a printer set up by the print or preview dialog; returns the
    // number of pages printed.
    int PrintDocument(QPrinter *printer);

    // Recomputes the enabled state of the edit actions.
    void UpdateEditActions();
    void UpdateSelectionActions(bool editorFocused);

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Subscribe();
    void Unsubscribe();
    void BuildCentre();
    void ConnectActions();
    void ConnectEditActions();
    void UpdateHookActions();
    void ApplyStoredBounds();
    void StoreBounds();
    void UnlockUpdates();
    void ApplyStoredToggles();
    void LayoutStep();
    void ApplyTabStyle();
    void RebuildReopen();
    void FillHistoryMenu(QMenu *menu);
    void BuildSamples();
    bool EditorFocused() const;
    bool LookupBoxActive() const;
    void UpdateTimerTimer();

    void WordChange(QObject *sender);
    void ModeChange(QObject *sender);
    void UIFontChange(QObject *sender);
    void TabStyleChange(QObject *sender);
    void PanelSideChange(QObject *sender);
    void ActionExecute(QObject *sender);
    bool ChangesFileHistory(QObject *sender) const;

    void EditCut();
    void EditCopy();
    void EditPaste();
    void TogglePanels();
    void ShowAbout();
    void ShowWelcome();
    void ShowSearchDialog(TFindDialog *dialog);
    void RepeatSearch(bool reverse);
    void ConnectDocumentStatus();
    QString BaseTitle(const QString &fileName) const;
    void Print();
    void PrintPreview();
    bool CanPrint() const;

    TDataModule1 *data_;
    TMainActions *actions_ = nullptr;
    TMainMenus *menus_ = nullptr;
    TLookupBox *lookup_ = nullptr;
    TDictStatusBar *status_ = nullptr;
    TPanelDocking *docking_ = nullptr;
    QFrame *pnlMain_ = nullptr;
    QStackedWidget *frames_ = nullptr;
    QWidget *frameAdvanced_ = nullptr;
    QWidget *frameSimple_ = nullptr;
    TFindDialog *findDialog_ = nullptr;
    TReplaceDialog *replaceDialog_ = nullptr;
    TFindDialog *lastSearch_ = nullptr;
    TMemoPrinter *memoPrinter_ = nullptr;
    QTimer updateTimer_;
    bool activated_ = false;
    bool shown_ = false;
    bool initialized_ = false;
    bool openingDocument_ = false;
    bool welcomeAfterDocument_ = false; // the first run's About box waits for the document
};
