#include "frmOnline.h"

#include "AppComponents.h"
#include "DefinitionMemo.h"
#include "DictionaryList.h"
#include "Settings.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <stdexcept>

namespace {

constexpr int DroppedRows = 20;

void Fill(QComboBox *box, const QStringList &items, int chosen)
{
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(items.isEmpty() ? -1 : std::clamp(chosen, 0, int(items.size()) - 1));
    // The dropped list is as wide as its widest entry.
    int widest = 0;
    const QFontMetrics metrics(box->view()->font());
    for (const QString &item : items)
        widest = std::max(widest, metrics.horizontalAdvance(item));
    box->view()->setMinimumWidth(widest + 24);
}

} // namespace

TfrmOnline::TfrmOnline(QWidget *owner, int mode) : TDictFrame(owner, mode)
{
    SetCaption(tr("Online Word Lookup"));
    TDictionaryList &dict = TDictionaryList::Instance();
    dict.WordChanged.Add({mode}, &TfrmOnline::WordChange, this);
    dict.UIFontChanged.Add({mode}, &TfrmOnline::UIFontChange, this);
    dict.OnlineDictionariesChanged.Add({mode}, &TfrmOnline::OnlineDictionariesChange, this);
    BuildControls();
    connect(&session_, &TDictSession::ListsChanged, this, &TfrmOnline::FillLists);
    connect(&session_, &TDictSession::Answered, this, &TfrmOnline::ShowAnswer);
    connect(&session_, &TDictSession::ReadStarted, this,
            [] { ExecuteAppAction(QStringLiteral("actStartStatus")); });
    connect(&session_, &TDictSession::ChunkReceived, this,
            [] { ExecuteAppAction(QStringLiteral("actUpdateStatus")); });
    connect(&session_, &TDictSession::ReadEnded, this,
            [] { ExecuteAppAction(QStringLiteral("actEndStatus")); });
    pieceTimer_ = new QTimer(this);
    pieceTimer_->setSingleShot(true);
    pieceTimer_->setInterval(0);
    connect(pieceTimer_, &QTimer::timeout, this, &TfrmOnline::AppendPiece);
    resultMemo_->LookUpWord = [this](const QString &word) { LookUpReference(word); };
    ApplyFont();
    LookUp();
    Panel2()->hide();
}

TfrmOnline::~TfrmOnline()
{
    // The progress bar must not outlive a lookup cut short by the panel's end.
    session_.Abandon();
    if (!TDictionaryList::Exists())
        return;
    TDictionaryList &dict = TDictionaryList::Instance();
    dict.WordChanged.Remove(&TfrmOnline::WordChange, this);
    dict.UIFontChanged.Remove(&TfrmOnline::UIFontChange, this);
    dict.OnlineDictionariesChanged.Remove(&TfrmOnline::OnlineDictionariesChange, this);
}

void TfrmOnline::Register()
{
    RegisterClass(QStringLiteral("TfrmOnline"),
                  [](QWidget *owner, int mode) { return new TfrmOnline(owner, mode); });
}

void TfrmOnline::BuildControls()
{
    auto *body = new QWidget(this);
    auto *column = new QVBoxLayout(body);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(BuildSearchOptions());
    pageControl_ = new QTabWidget(body);
    pageControl_->setObjectName(QStringLiteral("PageControl1"));
    pageControl_->tabBar()->hide();
    pageControl_->setDocumentMode(true);
    auto *sheet = new QWidget(pageControl_);
    sheet->setObjectName(QStringLiteral("TabSheet1"));
    auto *sheetLayout = new QVBoxLayout(sheet);
    sheetLayout->setContentsMargins(0, 0, 0, 0);
    resultMemo_ = new TDefinitionMemo(sheet);
    sheetLayout->addWidget(resultMemo_);
    pageControl_->addTab(sheet, QString());
    column->addWidget(pageControl_, 1);
    SetBody(body);
}

QWidget *TfrmOnline::BuildSearchOptions()
{
    pnlSearchOptions_ = new QFrame(this);
    pnlSearchOptions_->setObjectName(QStringLiteral("pnlSearchOptions"));
    auto *row = new QHBoxLayout(pnlSearchOptions_);
    row->setContentsMargins(4, 5, 2, 5);
    row->setSpacing(2);
    lblDatabases_ = new QLabel(tr("Database:"), pnlSearchOptions_);
    lblDatabases_->setObjectName(QStringLiteral("lblDatabases"));
    cmbDatabases_ = new QComboBox(pnlSearchOptions_);
    cmbDatabases_->setObjectName(QStringLiteral("cmbDatabases"));
    lblStrategy_ = new QLabel(tr("Search Strategy:"), pnlSearchOptions_);
    lblStrategy_->setObjectName(QStringLiteral("lblStrategy"));
    cmbStrategies_ = new QComboBox(pnlSearchOptions_);
    cmbStrategies_->setObjectName(QStringLiteral("cmbStrategies"));
    for (QComboBox *box : {cmbDatabases_, cmbStrategies_}) {
        box->setMaxVisibleItems(DroppedRows);
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(6);
        connect(box, &QComboBox::activated, this, [this] {
            RememberChoice();
            LookUp();
        });
    }
    row->addWidget(lblDatabases_);
    row->addWidget(cmbDatabases_, 1);
    row->addSpacing(5);
    row->addWidget(lblStrategy_);
    row->addWidget(cmbStrategies_, 1);
    return pnlSearchOptions_;
}

void TfrmOnline::WordChange(QObject *)
{
    LookUp();
}

void TfrmOnline::UIFontChange(QObject *)
{
    ApplyFont();
}

// The Options dialog was applied: the network switch or the servers may have changed. Queued,
// so the pages applied after the one that notifies are in the settings too.
void TfrmOnline::OnlineDictionariesChange(QObject *)
{
    QTimer::singleShot(0, this, [this] {
        lastWord_.clear();
        LookUp();
    });
}

void TfrmOnline::RememberChoice()
{
    try {
        TDictSettings &settings = TDictSettings::Instance();
        settings.SetDictDatabase(session_.Databases().names.value(cmbDatabases_->currentIndex()));
        settings.SetDictStrategy(session_.Strategies().names.value(cmbStrategies_->currentIndex()));
    } catch (const std::exception &) {
        // A settings file that cannot be written costs the remembered choice, not the lookup.
    }
}

void TfrmOnline::ApplyFont()
{
    ApplyUIFont();
    // The strip follows the lists' height at the new font.
    pnlSearchOptions_->setFixedHeight(cmbDatabases_->sizeHint().height() + 10);
}

void TfrmOnline::SetActive(bool active)
{
    if (active == active_)
        return;
    active_ = active;
    if (active_ && TDictionaryList::Instance().GetOnlineWord() != lastWord_)
        LookUp();
}

void TfrmOnline::LookUp()
{
    if (!active_)
        return;
    if (!TDictSettings::Instance().GetUseNetwork()) {
        session_.Abandon();
        lastWord_.clear(); // looked up once the switch is on again
        ShowAnswer(tr("Online lookups are turned off in Options."));
        return;
    }
    const QString word = TDictionaryList::Instance().GetOnlineWord();
    const int database = cmbDatabases_->currentIndex();
    const int strategy = cmbStrategies_->currentIndex();
    if (session_.Busy()) {
        if (word == lastWord_ && database == lastDatabase_ && strategy == lastStrategy_)
            return; // already being looked up
        // Abandon the lookup under way; one lookup of the newest selection follows.
        session_.Abandon();
        if (!restartPending_) {
            restartPending_ = true;
            QTimer::singleShot(0, this, [this] {
                restartPending_ = false;
                LookUp();
            });
        }
        return;
    }
    lastWord_ = word;
    lastDatabase_ = database;
    lastStrategy_ = strategy;
    // The old answer goes at once: a slow server must not leave it under the new word.
    ShowAnswer(tr("Looking up \"%1\"\u2026").arg(word));
    session_.Lookup(word, database, strategy);
}

void TfrmOnline::FillLists()
{
    Fill(cmbDatabases_, session_.Databases().descriptions, session_.ChosenDatabase());
    Fill(cmbStrategies_, session_.Strategies().descriptions, session_.ChosenStrategy());
    lastDatabase_ = cmbDatabases_->currentIndex();
    lastStrategy_ = cmbStrategies_->currentIndex();
}

void TfrmOnline::ShowAnswer(const QString &text)
{
    pieceTimer_->stop();
    pendingText_ = text;
    pendingAt_ = 0;
    resultMemo_->clear();
    AppendPiece();
    resultMemo_->verticalScrollBar()->setValue(0);
}

void TfrmOnline::AppendPiece()
{
    qsizetype end = std::min(pendingAt_ + PieceChars, pendingText_.size());
    // Whole lines, so the highlighter sees each line once.
    if (end < pendingText_.size())
        if (const qsizetype lineEnd = pendingText_.lastIndexOf(QLatin1Char('\n'), end - 1);
            lineEnd >= pendingAt_)
            end = lineEnd + 1;
    QTextCursor cursor(resultMemo_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringView(pendingText_).sliced(pendingAt_, end - pendingAt_).toString());
    pendingAt_ = end;
    if (Appending()) {
        pieceTimer_->start();
        return;
    }
    pendingText_.clear();
    pendingAt_ = 0;
}

void TfrmOnline::LookUpReference(const QString &word)
{
    TDictionaryList &dict = TDictionaryList::Instance();
    dict.SetWordNow(word); // looks it up here at once
    ExecuteAppAction(QStringLiteral("actUpdateInfo"));
    ShowWordInLookupBox(dict.GetWord());
}
