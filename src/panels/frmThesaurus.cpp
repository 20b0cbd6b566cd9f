#include "frmThesaurus.h"

#include "AppFolders.h"
#include "ContextBox.h"
#include "DictionaryList.h"
#include "LexBaseForms.h"
#include "ListBox.h"
#include "ResultsMemo.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace {
TWordListFrame::Options ThesaurusOptions()
{
    TWordListFrame::Options options;
    options.listName = QStringLiteral("lbData");
    return options;
}
const bool registered = (TfrmThesaurus::Register(), true);
} // namespace

TfrmThesaurus::TfrmThesaurus(QWidget *owner, int mode)
    : TWordListFrame(owner, mode, ThesaurusOptions())
{
    Thesaurus1.SetBaseForms(TLexBaseForms::Shared(WordExplorerFile()));
    // A new word rebuilds the contexts rather than refilling the words.
    TDictionaryList &dict = TDictionaryList::Instance();
    dict.WordChanged.Remove<TWordListFrame>(&TWordListFrame::WordChange, this);
    dict.WordChanged.Add({mode}, &TfrmThesaurus::RebuildContexts, this);
    BuildCaptionStrip();
    Start();
    RebuildContexts();
}

TfrmThesaurus::~TfrmThesaurus()
{
    Thesaurus1.CloseDataFile();
    if (TDictionaryList::Exists())
        TDictionaryList::Instance().WordChanged.Remove(&TfrmThesaurus::RebuildContexts, this);
    Unsubscribe();
    UncheckAction(QStringLiteral("actViewThesaurus"));
}

void TfrmThesaurus::Register()
{
    RegisterClass(QStringLiteral("TfrmThesaurus"),
                  [](QWidget *owner, int mode) { return new TfrmThesaurus(owner, mode); });
}

void TfrmThesaurus::BuildCaptionStrip()
{
    // 47 pixels fit the label and the box at the default fonts; a larger UI font grows the strip
    // rather than squeezing the box out of sight.
    QWidget *strip = Panel2();
    strip->setMinimumHeight(CaptionStripHeight);
    strip->setMaximumHeight(QWIDGETSIZE_MAX);
    strip->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    auto *layout = new QVBoxLayout(strip);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(1);
    label1_ = new QLabel(tr("Context:"), strip);
    label1_->setObjectName(QStringLiteral("Label1"));
    cmbContext_ = new TContextBox(strip, QStringLiteral("cmbContext"));
    layout->addWidget(label1_);
    layout->addWidget(cmbContext_);
    connect(cmbContext_, &QComboBox::currentIndexChanged, this, [this] { Refresh(); });
}

bool TfrmThesaurus::InCadenzioMode()
{
    return TDictionaryList::Instance().GetMode() == 1;
}

void TfrmThesaurus::RebuildContexts(QObject *)
{
    if (!InCadenzioMode())
        return;
    // No repaint bracket: Qt paints later anyway, and one taken while the main window has
    // its updates locked would leave the box locked for good.
    {
        const QSignalBlocker quiet(cmbContext_);
        cmbContext_->Clear();
        contexts_.clear();
        Thesaurus1.CloseDataFile();
        const QString word = TDictionaryList::Instance().GetLookupWord();
        if (word != QStringLiteral("the") && LookUpContexts(word)) {
            contexts_ = Thesaurus1.Contexts();
            for (const TThesaurusContext &context : contexts_)
                cmbContext_->AddContext(context.word, context.kind);
            cmbContext_->setCurrentIndex(0);
        }
    }
    // "the" too empties the words: they would not belong to the empty context box.
    Refresh();
}

bool TfrmThesaurus::LookUpContexts(const QString &word)
{
    return !Thesaurus1.FindEntry(word).isEmpty();
}

QStringList TfrmThesaurus::SelectedWords() const
{
    const int index = cmbContext_->currentIndex();
    if (index < 0 || index >= static_cast<int>(contexts_.size()))
        return {};
    return contexts_[index].AllWords();
}

void TfrmThesaurus::Refresh()
{
    if (!InCadenzioMode())
        return;
    QStringList words = SelectedWords();
    if (Wrap()) {
        mData()->SetText(words.join(QStringLiteral(", ")));
        return;
    }
    std::stable_sort(words.begin(), words.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    lbData()->Model()->SetItems(std::move(words));
}
