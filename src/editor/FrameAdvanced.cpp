#include "FrameAdvanced.h"

#include "EditorHighlighter.h"
#include "SpellCheckDialog.h"
#include "SpellChecker.h"
#include "Thesaurus.h"
#include "ThesaurusDialog.h"

#include "AlignPanel.h"
#include "AppComponents.h"
#include "AppFolders.h"
#include "DictEditor.h"
#include "DictFrame.h"
#include "DictionaryList.h"
#include "DocumentCommands.h"
#include "EditorGutter.h"
#include "Event.h"
#include "FontWalk.h"
#include "LexBaseForms.h"
#include "PageAware.h"
#include "Settings.h"
#include "Syllables.h"
#include "UpdateBracket.h"
#include "WebTabs.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFrame>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextStream>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {
// Holds the dictionary set's delay lock for a scope, so editor events leave no debounce behind.
class TDelayLock
{
public:
    TDelayLock() : dict_(TDictionaryList::Instance()) { dict_.DelayLocked = true; }
    ~TDelayLock() { dict_.DelayLocked = false; }
    TDelayLock(const TDelayLock &) = delete;
    TDelayLock &operator=(const TDelayLock &) = delete;

private:
    TDictionaryList &dict_;
};

bool IsEditorDelimiter(QChar ch)
{
    return ch.unicode() <= 32;
}

// The meter's marks line up syllable for syllable in a fixed-pitch face of the gutters' size.
QFont MeterFont(const QFont &base)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (base.pixelSize() > 0)
        font.setPixelSize(base.pixelSize());
    else
        font.setPointSizeF(base.pointSizeF());
    return font;
}

// A question with two answers of its own; true for the first. The second is the default, so a
// key meant for the verse cannot pick the first.
bool Choose(QWidget *parent, const QString &question, const QString &first, const QString &second,
            bool firstIsDefault = false)
{
    QMessageBox box(QMessageBox::Question, QString(), question, QMessageBox::NoButton, parent);
    QPushButton *yes = box.addButton(first, QMessageBox::AcceptRole);
    QPushButton *no = box.addButton(second, QMessageBox::RejectRole);
    box.setDefaultButton(firstIsDefault ? yes : no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

QString ShownName(const QString &path)
{
    return path.isEmpty() ? TFrameAdvanced::tr("Untitled") : QFileInfo(path).fileName();
}

QStringList ReadLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw std::runtime_error(
            QObject::tr("Cannot open file \"%1\". %2").arg(path, file.errorString()).toStdString());
    QStringList lines;
    QTextStream in(&file);
    while (!in.atEnd())
        lines << in.readLine();
    return lines;
}
} // namespace

TFrameAdvanced::TFrameAdvanced(QWidget *parent, TEvent *actionEvent)
    : QWidget(parent), actionEvent_(actionEvent)
{
    setObjectName(QStringLiteral("FrameAdvanced"));
    ReportError = [this](const QString &message) {
        QMessageBox::critical(this, QString(), message);
    };
    ShowMessage = [this](const QString &message) {
        QMessageBox::information(this, QString(), message);
    };
    BuildPages();
    ConnectEditor();
    ConnectDocuments();
    Subscribe();
    customData_->DrawBelowEnd = true;
    syllablesByTable_ = TDictSettings::Instance().GetSyllablesFromDictionary();
    TSpellChecker::Instance(); // loaded now, so that the first key typed does not wait for it
    UpdateLineNumberWidth();
    EditorFontChange(nullptr);
}

TFrameAdvanced::~TFrameAdvanced()
{
    // Pages freed with the frame change the current page; the web tabs are gone by then.
    disconnect(pageControl_, nullptr, this, nullptr);
    Unsubscribe();
}

void TFrameAdvanced::Subscribe()
{
    if (actionEvent_)
        actionEvent_->Add({1}, &TFrameAdvanced::ActionExecute, this);
    TDictionaryList &dict = TDictionaryList::Instance();
    dict.WordPicked.Add({1}, &TFrameAdvanced::InsertPickedWord, this);
    dict.EditorFontChanged.Add({1}, &TFrameAdvanced::EditorFontChange, this);
    dict.UIFontChanged.Add({1}, &TFrameAdvanced::UIFontChange, this);
    dict.ModeChanged.Add({1}, &TFrameAdvanced::ModeChange, this);
    dict.OnlineDictionariesChanged.Add({1}, &TFrameAdvanced::OnlineDictionariesChange, this);
}

void TFrameAdvanced::Unsubscribe()
{
    // The data module may be gone before the main window frees this frame.
    if (actionEvent_)
        actionEvent_->Remove(&TFrameAdvanced::ActionExecute, this);
    if (!TDictionaryList::Exists())
        return;
    TDictionaryList &dict = TDictionaryList::Instance();
    dict.WordPicked.Remove(&TFrameAdvanced::InsertPickedWord, this);
    dict.EditorFontChanged.Remove(&TFrameAdvanced::EditorFontChange, this);
    dict.UIFontChanged.Remove(&TFrameAdvanced::UIFontChange, this);
    dict.ModeChanged.Remove(&TFrameAdvanced::ModeChange, this);
    dict.OnlineDictionariesChanged.Remove(&TFrameAdvanced::OnlineDictionariesChange, this);
}

// --- layout --------------------------------------------------------------------------------

void TFrameAdvanced::BuildPages()
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    panel2_ = new QFrame(this);
    panel2_->setObjectName(QStringLiteral("Panel2"));
    panel2_->setFixedHeight(3);
    column->addWidget(panel2_);
    pageControl_ = new QTabWidget(this);
    pageControl_->setObjectName(QStringLiteral("PageControl1"));
    column->addWidget(pageControl_, 1);
    tbEditor_ = new QWidget(pageControl_);
    tbEditor_->setObjectName(QStringLiteral("tbEditor"));
    BuildEditorPage(tbEditor_);
    pageControl_->addTab(tbEditor_, tr("Main Editor"));
    // The visual thesaurus and the DICT panel are placed on these pages by PlaceTabPanels.
    for (const auto &[name, caption] :
         {std::pair{"tbHyperbolicThesaurus", QT_TR_NOOP("Hyperbolic Thesaurus")},
          std::pair{"tbOnlineLookup", QT_TR_NOOP("Online Lookup")}}) {
        auto *page = new QWidget(pageControl_);
        page->setObjectName(QString::fromLatin1(name));
        pageControl_->addTab(page, tr(caption));
    }
    webTabs_ = std::make_unique<TWebTabs>(pageControl_, 1);
    connect(pageControl_, &QTabWidget::currentChanged, this, &TFrameAdvanced::PageControl1Change);
}

void TFrameAdvanced::BuildEditorPage(QWidget *page)
{
    auto *row = new QHBoxLayout(page);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    auto *panel1 = new QFrame(page);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *inner = new QHBoxLayout(panel1);
    inner->setContentsMargins(1, 1, 1, 1);
    plMain_ = new TDictEditor(panel1);
    inner->addWidget(plMain_);
    BuildGutters(page);
    row->addWidget(alignPanel_);
    row->addWidget(panel1, 1);
}

void TFrameAdvanced::BuildGutters(QWidget *page)
{
    alignPanel_ = new TAlignPanel(page);
    lineNumbers_ = new TEditorGutter(plMain_, alignPanel_, palette().color(QPalette::WindowText));
    lineNumbers_->setObjectName(QStringLiteral("pgLineNumbers"));
    syllables_ = new TEditorGutter(plMain_, alignPanel_, QColor(0x80, 0, 0));
    syllables_->setObjectName(QStringLiteral("pgSyllables"));
    syllables_->RowText = [this](int row) { return pgSyllablesDrawItem(row); };
    syllables_->RowNote = [this](int row) { return SyllableNote(row); };
    meter_ = new TEditorGutter(plMain_, alignPanel_, QColor(0, 0, 0x80));
    meter_->setObjectName(QStringLiteral("pgMeter"));
    meter_->RowText = [this](int row) { return pgMeterDrawItem(row); };
    meter_->FitWidth = true;
    meter_->AlignLeft = true;
    meter_->setFont(MeterFont(meter_->font()));
    rhymeScheme_ = new TEditorGutter(plMain_, alignPanel_, QColor(0, 0x60, 0x60));
    rhymeScheme_->setObjectName(QStringLiteral("pgRhymeScheme"));
    rhymeScheme_->RowText = [this](int row) { return pgRhymeSchemeDrawItem(row); };
    rhymeScheme_->RowNote = [this](int row) { return SchemeNote(row); };
    rhymeScheme_->FitWidth = true;
    rhymeScheme_->AlignLeft = true;
    customData_ = new TEditorGutter(plMain_, alignPanel_, QColor(0, 0x80, 0));
    customData_->setObjectName(QStringLiteral("pgCustomData"));
    customData_->RowText = [this](int row) { return pgCustomDataDrawItem(row); };
    customData_->RowNote = [this](int row) { return RhymeNote(row); };
    for (TEditorGutter *gutter : {lineNumbers_, syllables_, meter_, rhymeScheme_, customData_}) {
        gutter->resize(20, gutter->height());
        alignPanel_->AddColumn(gutter);
    }
    meter_->hide();
    rhymeScheme_->hide();
    customData_->hide();
}

void TFrameAdvanced::ConnectEditor()
{
    connect(plMain_, &QPlainTextEdit::textChanged, this, &TFrameAdvanced::plMainChange);
    connect(plMain_, &TDictEditor::RowsCounted, this, &TFrameAdvanced::UpdateLineNumberWidth);
    connect(plMain_, &TDictEditor::Click, this, &TFrameAdvanced::plMainClick);
    connect(plMain_, &TDictEditor::KeyUp, this, &TFrameAdvanced::plMainKeyUp);
    connect(plMain_, &TDictEditor::KeyDown, this, &TFrameAdvanced::plMainKeyDown);
    connect(plMain_, &TDictEditor::DblClick, this, &TFrameAdvanced::UpdateInfo);
    connect(plMain_, &TDictEditor::MouseMove, this, [this](Qt::MouseButtons buttons) {
        if (buttons & Qt::LeftButton)
            UpdateInfo();
    });
}

// --- gutters -------------------------------------------------------------------------------

// Counts, letters and marks belong to a text line and show on its first display row.
int TFrameAdvanced::LineOfFirstRow(int row) const
{
    if (row < 0 || row >= plMain_->DisplayLineCount())
        return -1;
    const QTextBlock block = plMain_->document()->findBlockByLineNumber(row);
    return block.isValid() && block.firstLineNumber() == row ? block.blockNumber() : -1;
}

QString TFrameAdvanced::TextLine(int line) const
{
    return plMain_->document()->findBlockByNumber(line).text();
}

QString TFrameAdvanced::pgSyllablesDrawItem(int row) const
{
    // Asked for every row painted, so the action is looked up once.
    if (!syllableAction_)
        syllableAction_ = FindAppAction(QStringLiteral("actViewSyllableCnt"));
    if (syllableAction_ && !syllableAction_->isChecked())
        return QString();
    const int line = LineOfFirstRow(row);
    const QString text = line < 0 ? QString() : TextLine(line);
    if (text.isEmpty() || text == QLatin1String("0") || IsSectionLabel(text))
        return QString();
    return QString::number(CountSyllables(text));
}

// The pattern row of each text line; below the last line of text, the rows still to come.
QString TFrameAdvanced::pgCustomDataDrawItem(int row) const
{
    const int patternRow = PatternRowAt(row);
    if (patternRow < 0 || patternRow >= verseFormLines_.size())
        return QString();
    const int line = LineOfFirstRow(row);
    const bool unknown = line >= 0 && std::size_t(line) < LineChecks().size() &&
                         LineChecks()[std::size_t(line)].faults & TLineCheck::Unknown;
    return verseFormLines_.at(patternRow) + (unknown ? QStringLiteral(" ?") : QString());
}

int TFrameAdvanced::PatternRowAt(int row) const
{
    if (verseCheck_.Empty() || row < 0)
        return -1;
    const std::vector<TLineCheck> &checks = LineChecks();
    // The tail: blank lines after the last line of text, where the pattern goes on unwritten.
    int tail = int(checks.size()), next = 0;
    while (tail > 0 && !checks[std::size_t(tail - 1)].label &&
           TextLine(tail - 1).trimmed().isEmpty())
        --tail;
    for (int line = tail - 1; line >= 0; --line)
        if (checks[std::size_t(line)].patternRow >= 0) {
            next = checks[std::size_t(line)].patternRow + 1;
            break;
        }
    const int tailRow = tail < int(checks.size())
                            ? plMain_->document()->findBlockByNumber(tail).firstLineNumber()
                            : plMain_->DisplayLineCount();
    if (row >= tailRow)
        return next + row - tailRow;
    const int line = LineOfFirstRow(row);
    return line < 0 ? -1 : checks[std::size_t(line)].patternRow;
}

QString TFrameAdvanced::pgMeterDrawItem(int row) const
{
    const int line = LineOfFirstRow(row);
    const QString text = line < 0 ? QString() : TextLine(line);
    return text.isEmpty() ? QString() : TDictionaryList::Instance().Syllables().MeterOfLine(text);
}

int TFrameAdvanced::CountSyllables(const QString &line) const
{
    return syllablesByTable_ ? TDictionaryList::Instance().Syllables().CountLine(line)
                             : CountLineSyllables(line);
}

// The poem's own rhyme letters, while no verse form is shown.
QString TFrameAdvanced::pgRhymeSchemeDrawItem(int row) const
{
    if (rhymeScheme_->isHidden() || FormShown())
        return QString();
    const TLineCheck *check = CheckOfRow(row);
    return check ? check->letter : QString();
}

TGutterNote TFrameAdvanced::SchemeNote(int row) const
{
    const TLineCheck *check = FormShown() ? nullptr : CheckOfRow(row);
    if (!check || !(check->faults & TLineCheck::Unknown))
        return {};
    return {1, TVerseFormCheck::UnknownWord(check->lastWord), 0, true};
}

bool TFrameAdvanced::FormShown() const
{
    return !customData_->isHidden() && !verseCheck_.Empty();
}

// Checked again only after the text, the form or the counting changed.
const std::vector<TLineCheck> &TFrameAdvanced::LineChecks() const
{
    if (!checksValid_) {
        QStringList lines;
        for (QTextBlock block = plMain_->document()->begin(); block.isValid(); block = block.next())
            lines << block.text();
        const TDictionaryList &dict = TDictionaryList::Instance();
        const TSyllableTable rule;
        const TPoemCheck check(syllablesByTable_ ? dict.Syllables() : rule,
                               dict.GetWordList(TDictionaryList::RhymeSlot));
        const bool scheme = verseCheck_.Empty() || (!FormShown() && !rhymeScheme_->isHidden());
        checks_ = scheme ? check.Scheme(lines) : check.Check(lines, verseCheck_);
        checksValid_ = true;
    }
    return checks_;
}

const TLineCheck *TFrameAdvanced::CheckOfRow(int row) const
{
    const int line = LineOfFirstRow(row);
    return line >= 0 && std::size_t(line) < LineChecks().size() ? &LineChecks()[std::size_t(line)]
                                                                : nullptr;
}

TGutterNote TFrameAdvanced::SyllableNote(int row) const
{
    const TLineCheck *check = FormShown() ? CheckOfRow(row) : nullptr;
    if (!check || !(check->faults & TLineCheck::Count))
        return {};
    const QString shown = pgSyllablesDrawItem(row);
    return {int(shown.size()), TVerseFormCheck::SyllableProblem(
                                   check->CountText(), verseCheck_.Row(check->patternRow).count)};
}

TGutterNote TFrameAdvanced::RhymeNote(int row) const
{
    const TLineCheck *check = FormShown() ? CheckOfRow(row) : nullptr;
    if (!check)
        return {};
    const int letterLength = verseCheck_.Row(check->patternRow).letterLength;
    if (check->faults & TLineCheck::Repeat)
        return {letterLength,
                TVerseFormCheck::RepeatProblem(check->otherLine, TextLine(check->otherLine))};
    if (check->faults & TLineCheck::Rhyme)
        return {letterLength,
                TVerseFormCheck::RhymeProblem(check->otherLine, TextLine(check->otherLine))};
    if (check->faults & TLineCheck::Unknown) {
        const int length = int(pgCustomDataDrawItem(row).size());
        return {1, TVerseFormCheck::UnknownWord(check->lastWord), length - 1, true};
    }
    return {};
}

void TFrameAdvanced::InvalidateChecks()
{
    checksValid_ = false;
}

void TFrameAdvanced::UpdateGutters()
{
    InvalidateChecks();
    for (TEditorGutter *gutter : {syllables_, meter_, rhymeScheme_, customData_})
        gutter->update();
}

void TFrameAdvanced::SetMeterVisible(bool visible)
{
    meter_->setVisible(visible);
}

void TFrameAdvanced::SetRhymeSchemeVisible(bool visible)
{
    rhymeScheme_->setVisible(visible);
    UpdateGutters();
}

void TFrameAdvanced::ApplySyllableSettings()
{
    syllablesByTable_ = TDictSettings::Instance().GetSyllablesFromDictionary();
    UpdateGutters();
}

void TFrameAdvanced::UpdateLineNumberWidth()
{
    const int digits = int(QString::number(plMain_->DisplayLineCount()).size());
    const int measure = plMain_->fontMetrics().horizontalAdvance(QString(digits, u'0'));
    lineNumbers_->SetGutterWidth(measure < 21 ? 24 : measure + 4);
}

void TFrameAdvanced::ReloadVerseForms()
{
    verseFormLines_.clear();
    const QString path = TDictSettings::Instance().GetVerseFormFile();
    if (!path.isEmpty()) {
        try {
            verseFormLines_ = ReadLines(path);
        } catch (const std::exception &error) {
            ReportError(QString::fromStdString(error.what()));
        }
    }
    verseCheck_.SetPattern(verseFormLines_);
    InvalidateChecks();
    UpdateVerseFormWidth();
    syllables_->update(); // the form's counts mark rows there too
}

void TFrameAdvanced::UpdateVerseFormWidth()
{
    int widest = 20;
    for (const QString &line : verseFormLines_)
        widest = std::max(widest, customData_->fontMetrics().horizontalAdvance(line));
    // Room for the neutral mark of a last word no data knows, while there is one.
    if (FormShown() && std::any_of(LineChecks().begin(), LineChecks().end(),
                                   [](const auto &c) { return c.faults & TLineCheck::Unknown; }))
        widest += customData_->fontMetrics().horizontalAdvance(QStringLiteral(" ?"));
    customData_->SetGutterWidth(widest + 4);
    customData_->update();
}

void TFrameAdvanced::ApplyGutterSettings()
{
    const TDictSettings &settings = TDictSettings::Instance();
    lineNumbers_->setVisible(settings.GetShowLineNumbers());
    syllables_->setVisible(settings.GetShowSyllables());
    meter_->setVisible(settings.GetShowMeter());
    rhymeScheme_->setVisible(settings.GetShowRhymeScheme());
    InvalidateChecks();
    customData_->setVisible(settings.GetShowVerseForms());
    if (!customData_->isHidden())
        ReloadVerseForms();
}

// --- live lookup ---------------------------------------------------------------------------

void TFrameAdvanced::UpdateInfo()
{
    ExecuteAppAction(QStringLiteral("actUpdateInfo"));
}

void TFrameAdvanced::plMainChange()
{
    UpdateGutters();
    if (FormShown())
        UpdateVerseFormWidth();
    {
        TDelayLock lock;
        TDictionaryList::Instance().SetWord(plMain_->WordAtCaret());
    }
    UpdateInfo();
    UpdateLineNumberWidth();
}

void TFrameAdvanced::plMainClick()
{
    {
        TDelayLock lock;
        ShowWordInLookupBox(plMain_->WordAtCaret());
        TDictionaryList::Instance().SetWord(plMain_->WordAtCaret());
    }
    UpdateInfo();
}

void TFrameAdvanced::plMainKeyUp(int key)
{
    TDelayLock lock;
    if (IsNavigationKey(key))
        ShowWordInLookupBox(plMain_->WordAtCaret());
    TDictionaryList::Instance().SetWord(plMain_->WordAtCaret());
}

void TFrameAdvanced::plMainKeyDown(int key)
{
    if (IsNavigationKey(key))
        TDictionaryList::Instance().SetWord(plMain_->WordAtCaret());
}

// --- picked words --------------------------------------------------------------------------

void TFrameAdvanced::InsertPickedWord(QObject *)
{
    if (!plMain_->isVisible() || !plMain_->isEnabled() || plMain_->isReadOnly())
        return;
    {
        TUpdateBracket bracket(plMain_);
        TParagraphCursor position = plMain_->CaretCursor();
        while (position.Position() > 0 && IsEditorDelimiter(position.Char()))
            position.Step(-1);
        while (position.Position() > 0 && !IsEditorDelimiter(position.CharBefore()))
            position.Step(-1);
        const int start = position.DocumentPosition();
        while (position.Position() < position.ParagraphLength() &&
               !IsEditorDelimiter(position.Char()))
            position.Step(1);
        QTextCursor cursor = plMain_->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(position.DocumentPosition(), QTextCursor::KeepAnchor);
        // Replaced through a cursor of its own: showing the span as a selection first would
        // make it a new block and drop a kept one.
        cursor.insertText(TDictionaryList::Instance().GetPickedWord());
        plMain_->setTextCursor(cursor);
    }
    plMain_->setFocus();
}

// --- notifications -------------------------------------------------------------------------

void TFrameAdvanced::ActionExecute(QObject *sender)
{
    auto *action = qobject_cast<QAction *>(sender);
    if (!action)
        return;
    const QString name = action->objectName();
    if (name == QLatin1String("actViewLineNumbers"))
        lineNumbers_->setVisible(action->isChecked());
    else if (name == QLatin1String("actViewSyllableCnt"))
        syllables_->setVisible(action->isChecked());
    else if (name == QLatin1String("actViewCustomDataGutter")) {
        customData_->setVisible(TDictSettings::Instance().GetShowVerseForms());
        if (!customData_->isHidden())
            ReloadVerseForms();
        UpdateGutters(); // the form's marks come and go with its gutter
    } else if (name == QLatin1String("actVerseFormsUpdate"))
        ReloadVerseForms();
    else if (name == QLatin1String("actThesaurus"))
        ShowThesaurus();
    else if (name == QLatin1String("actSpellCheck"))
        SpellCheck();
    else
        documents_->Execute(action);
}

// The dialog's chosen word comes back as a picked word, replacing the word at the caret.
void TFrameAdvanced::ShowThesaurus()
{
    TThesaurus engine;
    engine.SetBaseForms(TLexBaseForms::Shared(WordExplorerFile()));
    TThesaurusDialog::Execute(this, engine, TDictionaryList::Instance().GetWord());
}

// The marks of live spelling follow the corrections made in the dialog. Marking again is an
// edit of the editor's formats, which also brings the status up to the caret put back; it is
// done before the end message, so that the message does not stand over a stale status.
void TFrameAdvanced::SpellCheck()
{
    bool marked = false;
    const auto remark = [this, &marked] {
        if (!std::exchange(marked, true))
            plMain_->Highlighter()->rehighlight();
    };
    TSpellCheckDialog::Execute(*plMain_, TSpellChecker::Instance(),
                               [this, &remark](const QString &message) {
                                   remark();
                                   ShowMessage(message);
                               });
    remark();
}

void TFrameAdvanced::ConnectDocuments()
{
    documents_ = std::make_unique<TDocumentCommands>(plMain_);
    documents_->AskSaveChanges = [this] {
        return QMessageBox::question(this, QString(), tr("Save changes?"),
                                     QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    };
    documents_->AskOpenReadOnly = [this](const QString &path) {
        return QMessageBox::question(
                   this, QString(),
                   tr("\"%1\" is not a plain text file, and saving it would change it. Open it "
                      "read-only?")
                       .arg(path)) == QMessageBox::Yes;
    };
    documents_->ChooseFile = [this](const QString &folder, bool save) {
        return ChooseFile(folder, save);
    };
    documents_->ReportError = [this](const QString &message) { ReportError(message); };
    documents_->AskReload = [this](const QString &path) {
        return Choose(this,
                      tr("The file \"%1\" was changed by another program. Reload it and lose your "
                         "changes, or keep yours?")
                          .arg(ShownName(path)),
                      tr("Reload"), tr("Keep Mine"));
    };
    documents_->AskSaveOverChange = [this](const QString &path) {
        return Choose(this,
                      tr("The file \"%1\" was changed by another program since it was read. Save "
                         "your text over it?")
                          .arg(ShownName(path)),
                      tr("Save"), tr("Cancel"));
    };
    documents_->AskRecover = [this](const TRecoveryStore::TEntry &entry) {
        return Choose(this,
                      tr("Recover the unsaved text of \"%1\" from %2?")
                          .arg(ShownName(entry.document),
                               entry.time.toLocalTime().toString(QStringLiteral("HH:mm"))),
                      tr("Recover"), tr("Discard"), true);
    };
    documents_->ShowNote = [this](const QString &note) {
        if (auto *main = qobject_cast<QMainWindow *>(window()))
            main->statusBar()->showMessage(note, NoteMs);
    };
    documents_->FileNameChanged = [] { ExecuteAppAction(QStringLiteral("actFileNameChange")); };
    documents_->DocumentOpenChanged = [this](bool open) {
        alignPanel_->setVisible(open); // the gutters belong to the document, not the page
        if (open)
            ShowEditor();
        if (DocumentOpenHook)
            DocumentOpenHook(open);
    };
}

QString TFrameAdvanced::ChooseFile(const QString &folder, bool save)
{
    QFileDialog dialog(this, save ? tr("Save Cadenzio Document") : tr("Open Cadenzio Document"),
                       folder, tr("Cadenzio Document (*.txt)"));
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString TFrameAdvanced::FileName() const
{
    return documents_->FileName();
}

void TFrameAdvanced::SetFileName(const QString &name)
{
    documents_->SetFileName(name);
}

void TFrameAdvanced::EditorFontChange(QObject *)
{
    const TFontInfo &info = TDictionaryList::Instance().GetEditorFont();
    plMain_->setFont(FontFromInfo(info));
    QPalette palette = plMain_->palette();
    palette.setColor(QPalette::Text, ColorFromValue(info.Color));
    plMain_->setPalette(palette);
    UpdateLineNumberWidth();
}

void TFrameAdvanced::UIFontChange(QObject *)
{
    const TFontInfo &info = TDictionaryList::Instance().GetUIFont();
    ApplyFontToControls(this, info);
    // The gutters take the face and size, not the colour.
    const QFont font = FontFromInfo(info);
    for (TEditorGutter *gutter : {lineNumbers_, syllables_, customData_})
        gutter->setFont(font);
    meter_->setFont(MeterFont(font));
    EditorFontChange(nullptr);
    UpdateVerseFormWidth();
}

void TFrameAdvanced::ModeChange(QObject *)
{
    PlaceTabPanels();
    // The list may have changed in Lookup mode, when this frame does not hear of it.
    if (webTabs_->Stale())
        RebuildWebTabs();
}

void TFrameAdvanced::OnlineDictionariesChange(QObject *)
{
    RebuildWebTabs();
}

// --- pages ---------------------------------------------------------------------------------

void TFrameAdvanced::Initialize(int)
{
    ApplyGutterSettings();
    PlaceTabPanels();
}

// The window closes only when the document closed: not on Cancel, not after a failed save.
bool TFrameAdvanced::CloseQuery()
{
    return !documents_->IsOpen() || documents_->Close();
}

void TFrameAdvanced::OfferRecovery()
{
    documents_->OfferRecovery();
}

void TFrameAdvanced::ShowEditor()
{
    pageControl_->setCurrentWidget(tbEditor_);
}

void TFrameAdvanced::SetTabsAsButtons(bool asButtons)
{
    ShowTabsAsButtons(pageControl_, asButtons);
}

void TFrameAdvanced::PlaceTabPanels()
{
    if (panelsPlaced_)
        return;
    panelsPlaced_ = true;
    if (auto *page = pageControl_->findChild<QWidget *>(QStringLiteral("tbOnlineLookup")))
        PlaceOnPage(page, QStringLiteral("TfrmOnline"));
    if (auto *page = pageControl_->findChild<QWidget *>(QStringLiteral("tbHyperbolicThesaurus")))
        PlaceOnPage(page, QStringLiteral("TfrmVisualThesaurus"));
    RebuildWebTabs();
    TDictionaryList &dict = TDictionaryList::Instance();
    dict.UIFontChanged.Notify(&dict);
}

// Creates the panel of the class on the page, filling it, unless one is there already.
void TFrameAdvanced::PlaceOnPage(QWidget *page, const QString &className)
{
    if (page->findChild<TDictFrame *>(className))
        return;
    TDictFrame *panel = TDictFrame::Create(className, page, 1);
    if (!panel)
        return;
    panel->setObjectName(className);
    if (!page->layout()) {
        auto *fill = new QVBoxLayout(page);
        fill->setContentsMargins(0, 0, 0, 0);
    }
    page->layout()->addWidget(panel);
    panel->Panel2()->hide();
    panel->show();
}

void TFrameAdvanced::RebuildWebTabs()
{
    webTabs_->Rebuild();
}

int TFrameAdvanced::WebTabCount() const
{
    return webTabs_->Count();
}

// Panels that work or build only while their page is the current one (the DICT panel, the
// visual thesaurus, the web dictionaries) hear of every change.
void TFrameAdvanced::PageControl1Change(int index)
{
    QWidget *current = pageControl_->widget(index);
    for (int i = 0; i < pageControl_->count(); ++i) {
        QWidget *page = pageControl_->widget(i);
        for (TDictFrame *panel : page->findChildren<TDictFrame *>(Qt::FindDirectChildrenOnly))
            if (auto *aware = dynamic_cast<TPageAware *>(panel))
                aware->SetActive(page == current);
    }
}
