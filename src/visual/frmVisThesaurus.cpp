#include "frmVisThesaurus.h"

#include "AppComponents.h"
#include "AppFolders.h"
#include "ContextBox.h"
#include "DictionaryList.h"
#include "LexBaseForms.h"
#include "MetaTree.h"
#include "Settings.h"
#include "UpDown.h"
#include "WordNote.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr TMTColor clWindow = 0xFF000005;
constexpr TMTColor cl3DDkShadow = 0xFF000015;
constexpr TMTColor clSkyBlue = 0xF0CAA6;

// A positive decimal number, or 0 for anything else.
int PositiveNumber(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value > 0 ? value : 0;
}

} // namespace

void RegisterVisualPanels()
{
    TfrmVisualThesaurus::Register();
}

void TfrmVisualThesaurus::Register()
{
    RegisterClass(QStringLiteral("TfrmVisualThesaurus"),
                  [](QWidget *owner, int mode) { return new TfrmVisualThesaurus(owner, mode); });
}

TfrmVisualThesaurus::TfrmVisualThesaurus(QWidget *owner, int mode) : TDictFrame(owner, mode)
{
    SetCaption(tr("Hyperbolic Thesaurus"));
    Thesaurus1.SetBaseForms(TLexBaseForms::Shared(WordExplorerFile()));
    auto *body = new QWidget(this);
    auto *column = new QVBoxLayout(body);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    BuildBar();
    column->addWidget(panel1_);
    BuildTree();
    column->addWidget(tbMetaTree_, 1);
    SetBody(body);

    TDictionaryList &dict = TDictionaryList::Instance();
    dict.WordChanged.Add({mode}, &TfrmVisualThesaurus::RefreshWord, this);
    dict.DisplayStyleChanged.Add({mode}, &TfrmVisualThesaurus::RefreshContext, this);
    dict.UIFontChanged.Add({mode}, &TfrmVisualThesaurus::ArrangeBar, this);
    RefreshWord();
    metaTree_->hide();
    ShowStoredLimits();
    Panel2()->hide();
    ArrangeBar();
}

TfrmVisualThesaurus::~TfrmVisualThesaurus()
{
    Thesaurus1.CloseDataFile();
    if (TDictionaryList::Exists()) {
        TDictionaryList &dict = TDictionaryList::Instance();
        dict.WordChanged.Remove(&TfrmVisualThesaurus::RefreshWord, this);
        dict.DisplayStyleChanged.Remove(&TfrmVisualThesaurus::RefreshContext, this);
        dict.UIFontChanged.Remove(&TfrmVisualThesaurus::ArrangeBar, this);
    }
}

void TfrmVisualThesaurus::BuildBar()
{
    panel1_ = new QWidget(this);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    auto *row = new QHBoxLayout(panel1_);
    row->setContentsMargins(8, 5, 8, 5);
    row->setSpacing(2);
    label1_ = new QLabel(tr("Context: "), panel1_);
    label1_->setObjectName(QStringLiteral("Label1"));
    comboBox_ = new TContextBox(panel1_, QStringLiteral("ComboBox1"));
    comboBox_->setMinimumWidth(145);
    lblLevel1_ = new QLabel(tr("Level 1:"), panel1_);
    lblLevel1_->setObjectName(QStringLiteral("lblLevel1"));
    edtLevel1_ = new QLineEdit(QStringLiteral("4"), panel1_);
    edtLevel1_->setObjectName(QStringLiteral("edtLevel1"));
    upDown1_ = new TUpDown(panel1_, QStringLiteral("UpDown1"), edtLevel1_, 0, 100);
    upDown1_->SetPosition(4);
    lblLevel2_ = new QLabel(tr("Level 2:"), panel1_);
    lblLevel2_->setObjectName(QStringLiteral("lblLevel2"));
    edtLevel2_ = new QLineEdit(QStringLiteral("7"), panel1_);
    edtLevel2_->setObjectName(QStringLiteral("edtLevel2"));
    upDown2_ = new TUpDown(panel1_, QStringLiteral("UpDown2"), edtLevel2_, 0, 100);
    upDown2_->SetPosition(7);
    row->addWidget(label1_);
    row->addWidget(comboBox_);
    row->addSpacing(5);
    row->addWidget(lblLevel1_);
    row->addWidget(edtLevel1_);
    row->addWidget(upDown1_);
    row->addSpacing(5);
    row->addWidget(lblLevel2_);
    row->addWidget(edtLevel2_);
    row->addWidget(upDown2_);
    row->addStretch(1);

    // By position: two contexts may have the same name.
    connect(comboBox_, &QComboBox::activated, this,
            [this] { Rebuild(TDictionaryList::Instance().GetLookupWord(), SelectedContext()); });
    upDown1_->OnChanging = [](int position) {
        TDictSettings::Instance().SetHyperTreeVisualLevel1(position);
    };
    upDown2_->OnChanging = [](int position) {
        TDictSettings::Instance().SetHyperTreeVisualLevel2(position);
    };
    connect(edtLevel1_, &QLineEdit::textChanged, this, [this] { LevelEdited(edtLevel1_, true); });
    connect(edtLevel2_, &QLineEdit::textChanged, this, [this] { LevelEdited(edtLevel2_, false); });
    // A field left empty shows the stored limit again.
    connect(edtLevel1_, &QLineEdit::editingFinished, this, [this] { LevelLeft(edtLevel1_, true); });
    connect(edtLevel2_, &QLineEdit::editingFinished, this,
            [this] { LevelLeft(edtLevel2_, false); });
}

void TfrmVisualThesaurus::BuildTree()
{
    tbMetaTree_ = new QWidget(this);
    tbMetaTree_->setObjectName(QStringLiteral("tbMetaTree"));
    tbMetaTree_->installEventFilter(this);
    auto *fill = new QVBoxLayout(tbMetaTree_);
    fill->setContentsMargins(0, 0, 0, 0);
    metaTree_ = new TMetaTree(tbMetaTree_);
    metaTree_->setObjectName(QStringLiteral("MetaTree1"));
    metaTree_->setCursor(Qt::PointingHandCursor);
    metaTree_->SetAnimated(true);
    metaTree_->SetBorderSingle(false);
    metaTree_->SetDefaultColor(clBackground);
    metaTree_->SetDistance(100);
    metaTree_->SetDoubleClickExpandCollapseNode(false);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    metaTree_->setFont(font);
    metaTree_->SetFontColor(clWindow);
    metaTree_->SetIndent(10);
    metaTree_->SetLineColor(cl3DDkShadow);
    metaTree_->SetMinSector(1.0);
    metaTree_->SetMTBorderColor(clSkyBlue);
    metaTree_->SetSelectionType(TMTSelectionType::mtstRectangle);
    metaTree_->SetShowMTBorder(false);
    metaTree_->SetStyle(TMTStyle::mtsText);
    metaTree_->SetHideOverlappingLabels(true);
    metaTree_->OnInfoTip = [this](TMetaTree *, TMTNode *node, QString &tip) {
        tip = node ? note_.Tip(node->Text(), KindName(*node)) : QString();
    };
    metaTree_->OnClick = [this](TMetaTree *) { MetaTree1Click(); };
    metaTree_->OnDblClick = [this](TMetaTree *, TMTNode *, int, int) { PickClickedWord(); };
    metaTree_->OnActivate = [this](TMetaTree *, TMTNode *node) { WanderTo(node); };
    fill->addWidget(metaTree_);
}

TTreeLimits TfrmVisualThesaurus::StoredLimits()
{
    const TDictSettings &settings = TDictSettings::Instance();
    return {settings.GetHyperTreeVisualLevel1(), settings.GetHyperTreeVisualLevel2()};
}

// --- building ------------------------------------------------------------------------------

void TfrmVisualThesaurus::ShowTree(bool active)
{
    if (active == !metaTree_->isHidden())
        return;
    metaTree_->setVisible(active);
    if (active)
        ShowStoredLimits(); // the other mode's panel may have changed them
    Rebuild(TDictionaryList::Instance().GetLookupWord(), -1);
    FitDistance();
}

void TfrmVisualThesaurus::RefreshWord(QObject *)
{
    if (!metaTree_->isHidden())
        Rebuild(TDictionaryList::Instance().GetLookupWord(), -1);
}

void TfrmVisualThesaurus::RefreshContext(QObject *)
{
    if (!metaTree_->isHidden())
        Rebuild(TDictionaryList::Instance().GetLookupWord(), SelectedContext());
}

int TfrmVisualThesaurus::SelectedContext() const
{
    return comboBox_->currentIndex();
}

void TfrmVisualThesaurus::ShowStoredLimits()
{
    const TTreeLimits limits = StoredLimits();
    const QSignalBlocker quiet1(edtLevel1_), quiet2(edtLevel2_);
    upDown1_->SetPosition(limits.level1);
    upDown2_->SetPosition(limits.level2);
    edtLevel1_->setText(QString::number(limits.level1));
    edtLevel2_->setText(QString::number(limits.level2));
}

void TfrmVisualThesaurus::Rebuild(const QString &word, int context)
{
    builder_.Rebuild(metaTree_->Items(), word, context, StoredLimits());
    if (builder_.Refilled())
        FillContextBox();
    if (TMTNode *root = metaTree_->Root())
        metaTree_->MoveToCenter(root);
}

void TfrmVisualThesaurus::FillContextBox()
{
    const QSignalBlocker quiet(comboBox_);
    comboBox_->Clear();
    for (const TThesaurusContext &context : builder_.Contexts())
        comboBox_->AddContext(context.word, context.kind);
    if (comboBox_->count() > 0)
        comboBox_->setCurrentIndex(std::max(0, builder_.ShownContext()));
    // Wide enough for the kind column behind the longest context name.
    int kindWidth = 0;
    for (int i = 0; i < comboBox_->count(); ++i)
        kindWidth =
            std::max(kindWidth, comboBox_->fontMetrics().horizontalAdvance(comboBox_->KindName(i)));
    comboBox_->setMinimumWidth(std::max(145, comboBox_->KindOffset() + kindWidth + 32));
}

void TfrmVisualThesaurus::FitDistance()
{
    if (metaTree_->isHidden())
        return;
    const int m = std::min(metaTree_->width(), metaTree_->height());
    metaTree_->SetDistance(static_cast<int>(std::sqrt(2.0 * m * m) / 5));
}

bool TfrmVisualThesaurus::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == tbMetaTree_ && event->type() == QEvent::Resize)
        FitDistance();
    return TDictFrame::eventFilter(watched, event);
}

// --- input ---------------------------------------------------------------------------------

void TfrmVisualThesaurus::MetaTree1Click()
{
    const QPoint at = metaTree_->ClickPos();
    TMTNode *node = metaTree_->GetNodeAt(at.x(), at.y());
    // The double click that may follow finds the tree rebuilt around this word.
    clickedWord_ = node ? node->Text() : QString();
    WanderTo(node);
}

// A double click puts the word its first click was on into the verse editor.
void TfrmVisualThesaurus::PickClickedWord()
{
    if (!clickedWord_.isEmpty())
        TDictionaryList::Instance().SetPickedWord(clickedWord_);
}

QString TfrmVisualThesaurus::KindName(const TMTNode &node)
{
    if (!node.Parent())
        return {};
    switch (TThesaurusTree::KindOf(node)) {
    case TTermKind::Synonym:
        return {};
    case TTermKind::Similar:
        return tr("similar term");
    case TTermKind::Generic:
        return tr("generic term");
    case TTermKind::Antonym:
        return tr("antonym");
    }
    return {};
}

void TfrmVisualThesaurus::WanderTo(TMTNode *node)
{
    TDictionaryList &dict = TDictionaryList::Instance();
    if (!node || node->Text() == dict.GetLookupWord())
        return;
    const QString word = node->Text(); // the rebuild below frees the node
    dict.SetWord(word);
    ShowWordInLookupBox(dict.GetWord());
}

void TfrmVisualThesaurus::LevelEdited(QLineEdit *edit, bool first)
{
    if (changing_)
        return;
    changing_ = true;
    const auto done = qScopeGuard([this] { changing_ = false; });
    TDictSettings &settings = TDictSettings::Instance();
    if (const int value = PositiveNumber(edit->text())) {
        if (first)
            settings.SetHyperTreeVisualLevel1(value);
        else
            settings.SetHyperTreeVisualLevel2(value);
        Rebuild(TDictionaryList::Instance().GetLookupWord(), SelectedContext());
    } else if (!edit->text().isEmpty()) {
        // Emptied, the field waits for the next key: Backspace then 7 in "4" is 7.
        edit->setText(QString::number(first ? settings.GetHyperTreeVisualLevel1()
                                            : settings.GetHyperTreeVisualLevel2()));
    }
}

void TfrmVisualThesaurus::LevelLeft(QLineEdit *edit, bool first)
{
    if (!edit->text().isEmpty())
        return;
    const QSignalBlocker quiet(edit);
    const TDictSettings &settings = TDictSettings::Instance();
    edit->setText(QString::number(first ? settings.GetHyperTreeVisualLevel1()
                                        : settings.GetHyperTreeVisualLevel2()));
}

void TfrmVisualThesaurus::ArrangeBar(QObject *)
{
    ApplyUIFont();
    update();
    const int editWidth = edtLevel1_->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 12;
    edtLevel1_->setFixedWidth(editWidth);
    edtLevel2_->setFixedWidth(editWidth);
    comboBox_->setFixedHeight(edtLevel1_->sizeHint().height());
    panel1_->setFixedHeight(edtLevel1_->sizeHint().height() + 10);
}
