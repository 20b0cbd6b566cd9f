#include "frmRhymeDict.h"

#include "About.h"
#include "ActionHint.h"
#include "AppComponents.h"
#include "AppFolders.h"
#include "Application.h"
#include "Common.h"
#include "DataModule.h"
#include "DictEditor.h"
#include "DictStatusBar.h"
#include "DictionaryList.h"
#include "DocumentTotals.h"
#include "FindDialog.h"
#include "FontWalk.h"
#include "LookupBox.h"
#include "MainActions.h"
#include "MainMenus.h"
#include "MemoPrinter.h"
#include "More.h"
#include "PanelDocking.h"
#include "ReplaceDialog.h"
#include "Settings.h"
#include "Splitter.h"
#include "TabStyle.h"
#include "VerseGutters.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScopedValueRollback>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QTextBlock>
#include <QTextLayout>
#include <QToolBar>

#include <algorithm>
#include <climits>
#include <utility>

namespace {
QWidget *Placeholder(QWidget *parent, const char *name)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setBackgroundRole(QPalette::Base);
    frame->setAutoFillBackground(true);
    return frame;
}

// Runs the end of a step also when the step fails.
template <class F> class TFinally
{
public:
    explicit TFinally(F f) : f_(std::move(f)) {}
    ~TFinally() { f_(); }

private:
    F f_;
};

bool IsCadenzio()
{
    return TDictionaryList::Instance().GetMode() == 1;
}
} // namespace

TfrmRhymeDict::FrameFactory TfrmRhymeDict::AdvancedFrameFactory = [](QWidget *parent) {
    return Placeholder(parent, "FrameAdvanced");
};
TfrmRhymeDict::FrameFactory TfrmRhymeDict::SimpleFrameFactory = [](QWidget *parent) {
    return Placeholder(parent, "FrameSimple");
};
std::function<void()> TfrmRhymeDict::UpdateCheckHook = [] {};
std::function<void(QWidget *, const QString &)> TfrmRhymeDict::WordExplorerHook;
QString TfrmRhymeDict::WordExplorerHint;
std::function<void(QWidget *)> TfrmRhymeDict::OptionsHook;

TfrmRhymeDict::TfrmRhymeDict(TDataModule1 *data) : QMainWindow(nullptr), data_(data)
{
    TDictionaryList::Instance(); // loads the word lists; a damaged one throws before anything else
    setObjectName(QStringLiteral("frmRhymeDict"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setMinimumSize(MinWidth, MinHeight);
    Subscribe();
    actions_ = new TMainActions(this);
    addActions(actions_->Actions());
    lookup_ = new TLookupBox(this);
    lookup_->ClipboardShortcutsToWindow = [] { return IsCadenzio(); };
    menus_ = new TMainMenus(this, data_, actions_, lookup_);
    status_ = new TDictStatusBar(this);
    setStatusBar(status_);
    BuildCentre();
    findDialog_ = new TFindDialog(this);
    replaceDialog_ = new TReplaceDialog(this);
    memoPrinter_ = new TMemoPrinter(this);
    ConnectActions();
    ConnectDocumentStatus();
    UpdateTitle();
    UIFontChange(nullptr);
    updateTimer_.setInterval(UpdateDelayMs);
    updateTimer_.setSingleShot(true);
    connect(&updateTimer_, &QTimer::timeout, this, &TfrmRhymeDict::UpdateTimerTimer);
    RegisterAppComponent(this);
}

TfrmRhymeDict::~TfrmRhymeDict()
{
    // Child windows closing during destruction move the focus; the half-destroyed window must
    // not hear of it.
    disconnect(qApp, nullptr, this, nullptr);
    disconnect(QApplication::clipboard(), nullptr, this, nullptr);
    if (QPlainTextEdit *editor = Editor()) {
        disconnect(editor, nullptr, this, nullptr);
        editor->removeEventFilter(this);
    }
    Unsubscribe();
    TPanelDocking::FreePanels({QStringLiteral("TfrmThesaurus"), QStringLiteral("TfrmPhrases"),
                               QStringLiteral("TfrmRoundex"), QStringLiteral("TfrmRhymes"),
                               QStringLiteral("TfrmNearRhymes"), QStringLiteral("TfrmRhymeLines")});
}

void TfrmRhymeDict::Subscribe()
{
    TDictionaryList &dict = TDictionaryList::Instance();
    dict.WordChanged.Add({0, 1}, &TfrmRhymeDict::WordChange, this);
    dict.ModeChanged.Add({0, 1}, &TfrmRhymeDict::ModeChange, this);
    dict.UIFontChanged.Add({1}, &TfrmRhymeDict::UIFontChange, this);
    dict.TabStyleChanged.Add({1}, &TfrmRhymeDict::TabStyleChange, this);
    dict.PanelSideChanged.Add({1}, &TfrmRhymeDict::PanelSideChange, this);
    data_->ActionEvent.Add({0, 1}, &TfrmRhymeDict::ActionExecute, this);
}

void TfrmRhymeDict::Unsubscribe()
{
    data_->ActionEvent.Remove(&TfrmRhymeDict::ActionExecute, this);
    if (!TDictionaryList::Exists())
        return;
    TDictionaryList &dict = TDictionaryList::Instance();
    dict.WordChanged.Remove(&TfrmRhymeDict::WordChange, this);
    dict.ModeChanged.Remove(&TfrmRhymeDict::ModeChange, this);
    dict.UIFontChanged.Remove(&TfrmRhymeDict::UIFontChange, this);
    dict.TabStyleChanged.Remove(&TfrmRhymeDict::TabStyleChange, this);
    dict.PanelSideChanged.Remove(&TfrmRhymeDict::PanelSideChange, this);
}

void TfrmRhymeDict::BuildCentre()
{
    auto *centre = new QWidget(this);
    centre->setObjectName(QStringLiteral("pnlCentre"));
    auto *row = new QHBoxLayout(centre);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    pnlMain_ = new QFrame(centre);
    pnlMain_->setObjectName(QStringLiteral("pnlMain"));
    auto *column = new QVBoxLayout(pnlMain_);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    frames_ = new QStackedWidget(pnlMain_);
    frames_->setObjectName(QStringLiteral("stkFrames"));
    column->addWidget(frames_, 1);
    row->addWidget(pnlMain_, 1);
    setCentralWidget(centre);
    frameAdvanced_ = AdvancedFrameFactory(frames_);
    frameSimple_ = SimpleFrameFactory(frames_);
    frames_->addWidget(frameAdvanced_);
    frames_->addWidget(frameSimple_);
    docking_ = new TPanelDocking(this, pnlMain_);
}

void TfrmRhymeDict::ConnectActions()
{
    TMainActions *a = actions_;
    connect(a->actAbout, &QAction::triggered, this, &TfrmRhymeDict::ShowAbout);
    connect(a->actTogglePanels, &QAction::triggered, this, &TfrmRhymeDict::TogglePanels);
    connect(a->EditCut1, &QAction::triggered, this, &TfrmRhymeDict::EditCut);
    connect(a->EditCopy1, &QAction::triggered, this, &TfrmRhymeDict::EditCopy);
    connect(a->EditPaste1, &QAction::triggered, this, &TfrmRhymeDict::EditPaste);
    auto onEditor = [this](void (QPlainTextEdit::*method)()) {
        return [this, method] {
            if (QPlainTextEdit *editor = Editor(); editor && IsCadenzio() && editor->isVisible())
                (editor->*method)();
        };
    };
    connect(a->EditUndo1, &QAction::triggered, this, onEditor(&QPlainTextEdit::undo));
    connect(a->EditRedo1, &QAction::triggered, this, onEditor(&QPlainTextEdit::redo));
    connect(a->EditSelectAll1, &QAction::triggered, this, onEditor(&QPlainTextEdit::selectAll));
    connect(a->EditFind1, &QAction::triggered, this, [this] { ShowSearchDialog(findDialog_); });
    connect(a->EditReplace1, &QAction::triggered, this,
            [this] { ShowSearchDialog(replaceDialog_); });
    for (TFindDialog *dialog : {findDialog_, static_cast<TFindDialog *>(replaceDialog_)})
        connect(dialog, &TFindDialog::Searched, this, [this, dialog] {
            lastSearch_ = dialog;
            UpdateStatusBar(); // the caret has moved
        });
    auto *findNext = new QShortcut(QKeySequence(Qt::Key_F3), this);
    connect(findNext, &QShortcut::activated, this, [this] { RepeatSearch(false); });
    auto *findPrevious = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), this);
    connect(findPrevious, &QShortcut::activated, this, [this] { RepeatSearch(true); });
    connect(a->actPrint1, &QAction::triggered, this, &TfrmRhymeDict::Print);
    connect(a->actPrintPreview1, &QAction::triggered, this, &TfrmRhymeDict::PrintPreview);
    connect(menus_->pmFileHistory, &QMenu::aboutToShow, this,
            [this] { FillHistoryMenu(menus_->pmFileHistory); });
    connect(a->actWordExplorer, &QAction::triggered, this, [this] {
        if (WordExplorerHook)
            WordExplorerHook(this, TDictionaryList::Instance().GetLookupWord());
    });
    connect(a->actOptions, &QAction::triggered, this, [this] {
        if (OptionsHook)
            OptionsHook(this);
    });
    UpdateHookActions();
    ConnectEditActions();
}

// The enabled states follow everything they depend on: the focus, the clipboard, both
// selections, the editor's undo history and whether the editor is shown.
void TfrmRhymeDict::ConnectEditActions()
{
    connect(qApp, &QApplication::focusChanged, this, &TfrmRhymeDict::UpdateEditActions);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
            &TfrmRhymeDict::UpdateEditActions);
    connect(lookup_->lineEdit(), &QLineEdit::selectionChanged, this,
            &TfrmRhymeDict::UpdateEditActions);
    if (QPlainTextEdit *editor = Editor()) {
        connect(editor, &QPlainTextEdit::selectionChanged, this, &TfrmRhymeDict::UpdateEditActions);
        connect(editor, &QPlainTextEdit::undoAvailable, this, &TfrmRhymeDict::UpdateEditActions);
        connect(editor, &QPlainTextEdit::redoAvailable, this, &TfrmRhymeDict::UpdateEditActions);
        // Line and column follow every caret move, also one that keeps the word at the caret.
        connect(editor, &QPlainTextEdit::cursorPositionChanged, this,
                &TfrmRhymeDict::UpdateStatusBar);
        editor->installEventFilter(this);
    }
    UpdateEditActions();
}

bool TfrmRhymeDict::eventFilter(QObject *watched, QEvent *event)
{
    // The editor's status panels are empty while it is hidden (closed document, Lookup mode).
    if (watched == Editor() && (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
        UpdateEditActions();
        if (TDictionaryList::Exists())
            UpdateStatusBar();
    }
    return QMainWindow::eventFilter(watched, event);
}

QPlainTextEdit *TfrmRhymeDict::Editor() const
{
    if (!frameAdvanced_)
        return nullptr;
    // The frame's tabs hold other texts too (the DICT panel's results).
    if (auto *editor = frameAdvanced_->findChild<QPlainTextEdit *>(QStringLiteral("plMain")))
        return editor;
    return frameAdvanced_->findChild<QPlainTextEdit *>();
}

// The window's active control, not the keyboard focus: an open menu or the find dialog takes the
// keyboard, and the edit actions it offers must still act on the editor.
bool TfrmRhymeDict::EditorFocused() const
{
    QPlainTextEdit *editor = Editor();
    return editor && editor->isVisible() && focusWidget() == editor;
}

bool TfrmRhymeDict::LookupBoxActive() const
{
    QWidget *focus = QApplication::focusWidget();
    return focus && (focus == lookup_ || focus == lookup_->lineEdit());
}

// --- first show, activation, closing -------------------------------------------------------

void TfrmRhymeDict::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    UpdateHookActions();
    if (shown_)
        return;
    ApplyStoredBounds();
    shown_ = true;
    // Some window systems never report activation of a window nobody clicked.
    QTimer::singleShot(0, this, [this] { FirstActivate(); });
}

// The word explorer and the options dialog come with their own parts; until one is installed
// its entry would do nothing, so it is offered disabled.
void TfrmRhymeDict::UpdateHookActions()
{
    actions_->actWordExplorer->setEnabled(bool(WordExplorerHook));
    if (!WordExplorerHook && !WordExplorerHint.isEmpty())
        SetActionHint(actions_->actWordExplorer, WordExplorerHint);
    actions_->actOptions->setEnabled(bool(OptionsHook));
}

void TfrmRhymeDict::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && shown_)
        FirstActivate();
}

void TfrmRhymeDict::ApplyStoredBounds()
{
    TDictSettings &settings = TDictSettings::Instance();
    QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom());
    const QRect area =
        (screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768)).marginsRemoved(margins);
    // Values from an edited or foreign settings file are brought back onto the screen.
    const int w = std::clamp(settings.GetWidth(), MinWidth, std::max(MinWidth, area.width()));
    const int h = std::clamp(settings.GetHeight(), MinHeight, std::max(MinHeight, area.height()));
    const int x = std::clamp(settings.GetLeft(), area.left(),
                             std::max(area.left(), area.left() + area.width() - w));
    const int y = std::clamp(settings.GetTop(), area.top(),
                             std::max(area.top(), area.top() + area.height() - h));
    setGeometry(x, y, w, h);
}

void TfrmRhymeDict::StoreBounds()
{
    TDictSettings &settings = TDictSettings::Instance();
    const QRect bounds = geometry();
    settings.SetTop(bounds.top());
    settings.SetLeft(bounds.left());
    settings.SetWidth(bounds.width());
    settings.SetHeight(bounds.height());
}

void TfrmRhymeDict::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (shown_ && initialized_ && !(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized)))
        StoreBounds();
}

void TfrmRhymeDict::FirstActivate()
{
    if (activated_ || !shown_)
        return;
    activated_ = true;
    TDictionaryList &dict = TDictionaryList::Instance();
    TDictSettings &settings = TDictSettings::Instance();
    // A step that fails (a setting that cannot be stored, say) is reported and the next one
    // still runs, so the window comes up whole.
    const auto step = [](auto run) { DeliverGuarded([&run] { return run(), true; }); };
    {
        setUpdatesEnabled(false);
        TFinally unlock([this] { UnlockUpdates(); });
        step([this] { ApplyStoredToggles(); });
        step([this] { LayoutStep(); });
    }
    if (settings.GetMaximized())
        setWindowState(windowState() | Qt::WindowMaximized);
    if (dict.GetMode() == 1)
        if (QPlainTextEdit *editor = Editor(); editor && data_->DocumentOpen()) {
            editor->show();
            editor->setFocus();
        }
    RebuildReopen();
    if (dict.GetMode() == 1)
        step([this] { data_->Execute(data_->FileNew1, false); });
    // Shown after this step has painted the window, not over a blank one.
    if (settings.IsFirstRun())
        QTimer::singleShot(0, this, [this] { ShowWelcome(); });
    updateTimer_.start();
    BuildSamples();
}

void TfrmRhymeDict::UnlockUpdates()
{
    setUpdatesEnabled(true);
    // Scroll areas created while the window was locked keep a stale viewport otherwise.
    for (QWidget *child : findChildren<QWidget *>())
        child->update();
}

void TfrmRhymeDict::ApplyStoredToggles()
{
    TDictSettings &s = TDictSettings::Instance();
    TDataModule1 *d = data_;
    const std::pair<QAction *, bool> toggles[] = {
        {d->actViewThesaurus, s.GetShowThesaurus()},
        {d->actViewRoundex, s.GetShowRoundex()},
        {d->actViewNearRhymes, s.GetShowNearRhymes()},
        {d->actViewPhrases, s.GetShowPhrases()},
        {d->actViewRhymes, s.GetShowRhymes()},
        {d->actViewSyllableCnt, s.GetShowSyllables()},
        {d->actViewMeter, s.GetShowMeter()},
        {d->actViewRhymeScheme, s.GetShowRhymeScheme()},
        {d->actViewLineNumbers, s.GetShowLineNumbers()},
        {d->actRhymeLines, s.GetShowRhymeLines()},
        {d->actViewCustomDataGutter, s.GetShowVerseForms()},
        {d->actViewMode, s.GetIsListMode()},
    };
    for (const auto &[action, stored] : toggles)
        if (stored != action->isChecked()) {
            action->setChecked(stored);
            d->Execute(action, stored);
        }
    TDictionaryList &dict = TDictionaryList::Instance();
    TFontInfo font;
    s.ReadFont(QStringLiteral("Font"), font);
    dict.SetEditorFont(font);
    s.ReadFont(QStringLiteral("UIFont"), font);
    dict.SetUIFont(font);
    d->actAdvanced->setChecked(dict.GetMode() == 1);
    d->ApplyToggleCaptions();
    dict.SetTabsAsButtons(s.GetUITabsAsButtons());
}

void TfrmRhymeDict::LayoutStep()
{
    TFinally done([this] { initialized_ = true; });
    const int mode = TDictionaryList::Instance().GetMode();
    docking_->ArrangeSidePanels();
    data_->SetModeBoundVisible(mode == 1);
    ApplyMode();
    for (QWidget *frame : {frameSimple_, frameAdvanced_})
        if (frame->metaObject()->indexOfMethod("Initialize(int)") >= 0)
            QMetaObject::invokeMethod(frame, "Initialize", Q_ARG(int, mode));
    docking_->Common()->StartupReset();
    docking_->More()->StartupReset();
    if (QPlainTextEdit *editor = Editor())
        editor->setLineWrapMode(TDictSettings::Instance().GetEditorWordWrap()
                                    ? QPlainTextEdit::WidgetWidth
                                    : QPlainTextEdit::NoWrap);
    ApplyTabStyle();
    actions_->actTogglePanels->setChecked(!TDictSettings::Instance().GetUseDefaultPanelPos());
}

void TfrmRhymeDict::closeEvent(QCloseEvent *event)
{
    bool canClose = true;
    if (frameAdvanced_->metaObject()->indexOfMethod("CloseQuery()") >= 0)
        QMetaObject::invokeMethod(frameAdvanced_, "CloseQuery", Q_RETURN_ARG(bool, canClose));
    if (!canClose) {
        event->ignore();
        return;
    }
    const bool maximized = windowState() & Qt::WindowMaximized;
    TDictSettings::Instance().SetMaximized(maximized);
    if (!maximized)
        StoreBounds();
    TPanelDocking::FreePanels({QStringLiteral("TfrmThesaurus"), QStringLiteral("TfrmPhrases"),
                               QStringLiteral("TfrmRoundex"), QStringLiteral("TfrmRhymes"),
                               QStringLiteral("TfrmNearRhymes")});
    updateTimer_.stop();
    findDialog_->close();
    replaceDialog_->close();
    event->accept();
}

void TfrmRhymeDict::UpdateTimerTimer()
{
    updateTimer_.stop();
    if (UpdateCheckHook && TDictSettings::Instance().GetCheckForUpdates())
        UpdateCheckHook();
}

// --- modes, title, status ------------------------------------------------------------------

void TfrmRhymeDict::ApplyMode()
{
    const bool c = IsCadenzio();
    // Qt hands the focus of a control being hidden on to the next one, often the lookup box,
    // which would then look its text up and keep the word: leave no control focused instead.
    if (QWidget *focus = QApplication::focusWidget();
        focus && isAncestorOf(focus) && !LookupBoxActive())
        focus->clearFocus();
    if (QPlainTextEdit *editor = Editor())
        editor->setVisible(c && data_->DocumentOpen());
    for (QToolBar *bar : menus_->ToolBars())
        TMainMenus::FitToolBar(bar, c);
    for (QWidget *side : {static_cast<QWidget *>(docking_->spltRight()),
                          static_cast<QWidget *>(docking_->pnlRight()),
                          static_cast<QWidget *>(docking_->spltLeft()),
                          static_cast<QWidget *>(docking_->pnlLeft())})
        side->setVisible(c);
    UpdateTitle();
    menus_->mnuReopen->menuAction()->setVisible(c);
    menus_->HideEmptyMenus(c);
    menus_->mnuSamples->menuAction()->setVisible(c);
    if (!c) {
        findDialog_->close(); // Lookup mode has no editor to search
        replaceDialog_->close();
    }
    docking_->pnlRhymeLine()->setVisible(c);
    docking_->Splitter1()->setVisible(c);
    QWidget *shown = c ? frameAdvanced_ : frameSimple_;
    QWidget *hidden = c ? frameSimple_ : frameAdvanced_;
    hidden->hide();
    frames_->setCurrentWidget(shown);
    shown->show();
}

// The title's asterisk and the status bar's totals follow the verse editor's text.
void TfrmRhymeDict::ConnectDocumentStatus()
{
    QPlainTextEdit *editor = Editor();
    if (!editor)
        return;
    connect(editor, &QPlainTextEdit::modificationChanged, this, [this] { UpdateTitle(); });
    auto *totals = new TDocumentTotals(editor, this);
    connect(totals, &TDocumentTotals::Changed, status_, &TDictStatusBar::ShowTotals);
}

void TfrmRhymeDict::UpdateTitle()
{
    const QString fileName = IsCadenzio() && frameAdvanced_
                                 ? frameAdvanced_->property("FileName").toString()
                                 : QString();
    UpdateTitle(fileName);
}

void TfrmRhymeDict::UpdateTitle(const QString &fileName)
{
    QPlainTextEdit *editor = Editor();
    const QString unsaved =
        IsCadenzio() && editor && data_->DocumentOpen() && editor->document()->isModified()
            ? QStringLiteral("*")
            : QString();
    setWindowTitle(unsaved + BaseTitle(fileName));
}

QString TfrmRhymeDict::BaseTitle(const QString &fileName) const
{
    if (!fileName.isEmpty())
        return tr("Cadenzio for Song Writers and Poets - with Tolvane English Dictionary "
                  "of Rhyme 2.0 - %1")
            .arg(QFileInfo(fileName).fileName());
    if (IsCadenzio())
        return tr(
            "Cadenzio for Song Writers and Poets - with Tolvane English Dictionary of Rhyme 2.0");
    return tr("Tolvane English Dictionary of Rhyme 2.0");
}

void TfrmRhymeDict::UpdateStatusBar()
{
    TDictionaryList &dict = TDictionaryList::Instance();
    TEditorStatus editor;
    if (QPlainTextEdit *e = Editor(); e && e->isVisible()) {
        editor.visible = true;
        editor.modified = e->document()->isModified();
        const QTextCursor cursor = e->textCursor();
        const QTextLayout *layout = cursor.block().layout();
        const int inBlock = cursor.positionInBlock();
        const QTextLine line = layout ? layout->lineForTextPosition(inBlock) : QTextLine();
        // The document's line map counts the rows before the caret's paragraph; no walk, as this
        // runs on every caret move.
        editor.line =
            cursor.block().firstLineNumber() + (line.isValid() ? line.lineNumber() : 0) + 1;
        editor.column = inBlock - (line.isValid() ? line.textStart() : 0);
    }
    status_->UpdateStatusBar(dict.GetWord(), dict.GetLookupWord(), editor);
}

// --- notifications -------------------------------------------------------------------------

void TfrmRhymeDict::WordChange(QObject *)
{
    TDictionaryList &dict = TDictionaryList::Instance();
    if (dict.GetMode() == 0) {
        const QString lookupWord = dict.GetLookupWord();
        if (lookup_->currentText().toLower() != lookupWord)
            lookup_->SetTextQuietly(lookupWord);
    }
    UpdateStatusBar();
    lookup_->AddToHistory(TDictSettings::Instance().GetFileHistoryCount());
}

void TfrmRhymeDict::ModeChange(QObject *)
{
    ApplyMode();
    // Side and tab-style changes made in Lookup mode were not heard: that mode has no sides.
    if (IsCadenzio() && activated_) {
        docking_->ArrangeSidePanels();
        ApplyTabStyle();
    }
}

void TfrmRhymeDict::UIFontChange(QObject *)
{
    const TFontInfo &font = TDictionaryList::Instance().GetUIFont();
    ApplyFontToControls(centralWidget(), font);
    for (QToolBar *bar : findChildren<QToolBar *>(QString(), Qt::FindDirectChildrenOnly))
        ApplyFontToControls(bar, font);
}

void TfrmRhymeDict::TabStyleChange(QObject *)
{
    ApplyTabStyle();
}

void TfrmRhymeDict::PanelSideChange(QObject *)
{
    docking_->ArrangeSidePanels();
}

void TfrmRhymeDict::ApplyTabStyle()
{
    const bool asButtons = TDictSettings::Instance().GetUITabsAsButtons();
    docking_->ApplyTabStyle(asButtons);
    if (auto *frame = dynamic_cast<TTabStyled *>(frameAdvanced_))
        frame->SetTabsAsButtons(asButtons);
}

void TfrmRhymeDict::ActionExecute(QObject *sender)
{
    using TDock = TPanelDocking::TDock;
    TDataModule1 *d = data_;
    if (sender == d->actViewRhymes)
        docking_->TogglePanel(TDock::Common, QStringLiteral("TfrmRhymes"));
    else if (sender == d->actViewThesaurus)
        docking_->TogglePanel(TDock::Common, QStringLiteral("TfrmThesaurus"));
    else if (sender == d->actViewPhrases)
        docking_->TogglePanel(TDock::More, QStringLiteral("TfrmPhrases"));
    else if (sender == d->actViewRoundex)
        docking_->TogglePanel(TDock::More, QStringLiteral("TfrmRoundex"));
    else if (sender == d->actViewNearRhymes)
        docking_->TogglePanel(TDock::More, QStringLiteral("TfrmNearRhymes"));
    else if (sender == d->actRhymeLines)
        docking_->TogglePanel(TDock::RhymeLine, QStringLiteral("TfrmRhymeLines"));
    else if (sender == d->actViewCustomDataGutter)
        docking_->UpdateVerseFormStrip();
    else if (sender == d->actViewMeter) {
        if (auto *gutters = dynamic_cast<TVerseGutters *>(frameAdvanced_))
            gutters->SetMeterVisible(d->actViewMeter->isChecked());
    } else if (sender == d->actViewRhymeScheme) {
        if (auto *gutters = dynamic_cast<TVerseGutters *>(frameAdvanced_))
            gutters->SetRhymeSchemeVisible(d->actViewRhymeScheme->isChecked());
    } else if (sender == d->actAdvanced) {
        // The panels of the new mode heard nothing while the other mode was current: announce
        // the word (the kept one, or none) so that they do not show an earlier word's results.
        TDictionaryList &dict = TDictionaryList::Instance();
        if (!LookupBoxActive() && !dict.GetWord().isEmpty())
            dict.SetWord(QString());
        else
            dict.WordChanged.Notify(&dict);
    } else if (sender == d->actFileNameChange)
        UpdateTitle(frameAdvanced_->property("FileName").toString());
    else if (sender == d->actStartStatus)
        status_->StartStatus();
    else if (sender == d->actUpdateStatus)
        status_->UpdateStatus();
    else if (sender == d->actEndStatus)
        status_->EndStatus();
    else if (sender == d->actUpdateInfo)
        UpdateStatusBar();
    else if (sender == d->actUpdateLookup)
        lookup_->SetTextQuietly(d->actUpdateLookup->text());
    else if (ChangesFileHistory(sender))
        RebuildReopen();
}

// The document commands that may put a file on the history; the editor frame has run them by
// the time the window hears of them.
bool TfrmRhymeDict::ChangesFileHistory(QObject *sender) const
{
    const TDataModule1 *d = data_;
    for (const QAction *action :
         {d->FileNew1, d->FileOpen1, d->FileOpen2, d->FileOpen3, d->actOpenRecent, d->FileClose1})
        if (sender == action)
            return true;
    return false;
}

// --- actions of the window -----------------------------------------------------------------

void TfrmRhymeDict::UpdateEditActions()
{
    TMainActions *a = actions_;
    const bool cadenzio = TDictionaryList::Exists() && IsCadenzio();
    QPlainTextEdit *editor = Editor();
    const bool focused = EditorFocused();
    const QMimeData *clip = QApplication::clipboard()->mimeData();
    a->EditPaste1->setEnabled(clip && clip->hasText() && !clip->text().isEmpty());
    a->actPrintPreview1->setEnabled(editor && editor->isVisible());
    if (!cadenzio)
        return; // Lookup mode leaves the rest as it was
    UpdateSelectionActions(focused);
    a->EditUndo1->setEnabled(focused && editor->document()->isUndoAvailable());
    a->EditRedo1->setEnabled(focused && editor->document()->isRedoAvailable());
    for (QAction *action : {a->EditSelectAll1, a->EditFind1, a->EditReplace1})
        action->setEnabled(focused);
}

// Cut and Copy follow the editor's selection (plain, column or kept block), or else the lookup
// box's.
void TfrmRhymeDict::UpdateSelectionActions(bool editorFocused)
{
    QPlainTextEdit *editor = Editor();
    const auto *verse = qobject_cast<const TDictEditor *>(editor);
    const bool selection =
        editorFocused ? (verse ? verse->HasSelection() : editor->textCursor().hasSelection())
                      : lookup_->lineEdit()->hasSelectedText();
    actions_->EditCut1->setEnabled(selection);
    actions_->EditCopy1->setEnabled(selection);
}

void TfrmRhymeDict::EditCut()
{
    if (!IsCadenzio())
        return;
    if (EditorFocused()) {
        if (auto *verse = qobject_cast<TDictEditor *>(Editor()))
            verse->Cut(); // a block selection too
        else
            Editor()->cut();
        return;
    }
    QApplication::clipboard()->setText(lookup_->currentText());
    lookup_->setEditText(QString());
}

void TfrmRhymeDict::EditCopy()
{
    if (!IsCadenzio())
        return;
    if (!EditorFocused())
        QApplication::clipboard()->setText(lookup_->currentText());
    else if (auto *verse = qobject_cast<TDictEditor *>(Editor()))
        verse->Copy(); // a block selection too
    else
        Editor()->copy();
}

void TfrmRhymeDict::EditPaste()
{
    if (!IsCadenzio())
        return;
    if (!EditorFocused())
        lookup_->setEditText(QApplication::clipboard()->text());
    else if (auto *verse = qobject_cast<TDictEditor *>(Editor()))
        verse->Paste(); // a block selection too
    else
        Editor()->paste();
}

void TfrmRhymeDict::TogglePanels()
{
    if (!activated_) {
        // Nothing is placed yet; keep the check mark in step with the stored choice.
        actions_->actTogglePanels->setChecked(!TDictSettings::Instance().GetUseDefaultPanelPos());
        return;
    }
    TDictSettings::Instance().SetUseDefaultPanelPos(!actions_->actTogglePanels->isChecked());
    TDictionaryList &dict = TDictionaryList::Instance();
    dict.PanelSideChanged.Notify(&dict);
}

void TfrmRhymeDict::ShowAbout()
{
    TAboutForm about(this);
    about.exec();
}

// The first run's About box waits for a document being opened, so that it cannot come up over
// the document's own questions and errors and hide them.
void TfrmRhymeDict::ShowWelcome()
{
    if (openingDocument_)
        welcomeAfterDocument_ = true;
    else
        actions_->actAbout->trigger();
}

void TfrmRhymeDict::RebuildReopen()
{
    FillHistoryMenu(menus_->mnuReopen);
}

// The n-th entry reads "&n path"; choosing it opens what follows the first space, so a path
// may hold spaces. An "&" of the path is doubled to show as itself and undoubled when opened.
void TfrmRhymeDict::FillHistoryMenu(QMenu *menu)
{
    menu->clear();
    QStringList history;
    TDictSettings::Instance().GetFileHistory(history);
    if (history.isEmpty()) {
        menu->addAction(tr("( No file History )"))->setEnabled(false);
        return;
    }
    for (qsizetype i = 0; i < history.size(); ++i) {
        QString path = history[i];
        QAction *item = menu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(path.replace(QLatin1Char('&'), "&&")));
        connect(item, &QAction::triggered, this, [item] {
            const QString caption = item->text();
            OpenRecent(caption.mid(caption.indexOf(QLatin1Char(' ')) + 1)
                           .replace(QLatin1String("&&"), QLatin1String("&")));
        });
    }
}

void TfrmRhymeDict::OpenDocument(const QString &path)
{
    FirstActivate(); // its new document must not replace this one
    {
        const QScopedValueRollback opening(openingDocument_, true);
        if (!IsCadenzio())
            data_->actAdvanced->trigger();
        SetLastFolder(QFileInfo(path).absolutePath());
        data_->FileOpen3->setEnabled(true);
        OpenRecent(path);
    }
    if (std::exchange(welcomeAfterDocument_, false))
        ShowWelcome();
}

void TfrmRhymeDict::BuildSamples()
{
    menus_->mnuSamples->clear();
    QStringList files;
    ListTextFiles(SamplesFolder(), files);
    for (const QString &file : files) {
        const QString name = QFileInfo(file).completeBaseName();
        const QString path = SamplesFolder() + QLatin1Char('/') + file;
        // "&" is shown as itself, not as an accelerator mark.
        QString caption = name;
        caption.replace(QLatin1Char('&'), QLatin1String("&&"));
        menus_->mnuSamples->addAction(caption, this, [path] { OpenRecent(path); });
    }
}

// --- find, replace and printing ------------------------------------------------------------

void TfrmRhymeDict::ShowSearchDialog(TFindDialog *dialog)
{
    QPlainTextEdit *editor = Editor();
    if (!editor || !IsCadenzio() || !editor->isVisible())
        return;
    dialog->SetEditor(editor);
    dialog->Execute();
}

// F3 repeats the last search of either dialog, once one has been made; Shift+F3 searches the
// other way.
void TfrmRhymeDict::RepeatSearch(bool reverse)
{
    QPlainTextEdit *editor = Editor();
    if (!lastSearch_ || !editor || !IsCadenzio() || !editor->isVisible())
        return;
    lastSearch_->SetEditor(editor);
    lastSearch_->FindAgain(reverse);
}

bool TfrmRhymeDict::CanPrint() const
{
    return Editor() && data_->DocumentOpen();
}

int TfrmRhymeDict::PrintDocument(QPrinter *printer)
{
    if (!CanPrint())
        return 0;
    const QString fileName = frameAdvanced_->property("FileName").toString();
    memoPrinter_->Title = fileName.isEmpty() ? tr("Untitled") : QFileInfo(fileName).fileName();
    return memoPrinter_->Print(printer, Editor()->textCursor());
}

void TfrmRhymeDict::Print()
{
    if (!CanPrint())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(tr("Tolvane Dictionary of Rhyme"));
    QPrintDialog dialog(&printer, this);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, Editor()->textCursor().hasSelection());
    dialog.setMinMax(1, INT_MAX); // any page range may be typed
    if (dialog.exec() == QDialog::Accepted)
        PrintDocument(&printer);
}

void TfrmRhymeDict::PrintPreview()
{
    if (!CanPrint() || !Editor()->isVisible())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(tr("Tolvane Dictionary of Rhyme"));
    QPrintPreviewDialog preview(&printer, this);
    preview.setWindowTitle(tr("Print preview"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *target) { PrintDocument(target); });
    preview.exec();
}
