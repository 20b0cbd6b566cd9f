#include "frmOnline.h"

#include "AppComponents.h"
#include "DefinitionMemo.h"
#include "DictionaryList.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int DroppedRows = 20;

void Fill(QComboBox *box, const QStringList &items)
{
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(items.isEmpty() ? -1 : 0);
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
    BuildControls();
    connect(&session_, &TDictSession::ListsChanged, this, &TfrmOnline::FillLists);
    connect(&session_, &TDictSession::Answered, this, &TfrmOnline::ShowAnswer);
    connect(&session_, &TDictSession::ReadStarted, this,
            [] { ExecuteAppAction(QStringLiteral("actStartStatus")); });
    connect(&session_, &TDictSession::ChunkReceived, this,
            [] { ExecuteAppAction(QStringLiteral("actUpdateStatus")); });
    connect(&session_, &TDictSession::ReadEnded, this,
            [] { ExecuteAppAction(QStringLiteral("actEndStatus")); });
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
        connect(box, &QComboBox::activated, this, &TfrmOnline::LookUp);
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
    session_.Lookup(word, database, strategy);
}

void TfrmOnline::FillLists()
{
    Fill(cmbDatabases_, session_.Databases().descriptions);
    Fill(cmbStrategies_, session_.Strategies().descriptions);
    lastDatabase_ = cmbDatabases_->currentIndex();
    lastStrategy_ = cmbStrategies_->currentIndex();
}

void TfrmOnline::ShowAnswer(const QString &text)
{
    resultMemo_->setPlainText(text);
    resultMemo_->verticalScrollBar()->setValue(0);
}
