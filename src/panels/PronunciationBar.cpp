#include "PronunciationBar.h"

#include "DictionaryList.h"

#include <QButtonGroup>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QFont SmallArial()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    return font;
}

// Sets a flag for the lifetime of the guard.
class TFlagGuard
{
public:
    explicit TFlagGuard(bool &flag) : flag_(flag) { flag_ = true; }
    ~TFlagGuard() { flag_ = false; }
    TFlagGuard(const TFlagGuard &) = delete;
    TFlagGuard &operator=(const TFlagGuard &) = delete;

private:
    bool &flag_;
};

} // namespace

TPronunciationBar::TPronunciationBar(QWidget *parent, const QString &name) : TPanel(parent, name)
{
    setFixedHeight(BarHeight);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 3);
    layout->setSpacing(0);

    auto *caption = new TPanel(this, QStringLiteral("pnlPronunciationCaption"));
    caption->SetCaption(tr("Pronunciations"));
    caption->setFixedHeight(22);
    caption->setFont(SmallArial());
    layout->addWidget(caption);

    BuildToolBar();
    layout->addWidget(toolBar_);
}

void TPronunciationBar::BuildToolBar()
{
    toolBar_ = new QToolBar(this);
    toolBar_->setObjectName(QStringLiteral("tbPronunciations"));
    toolBar_->setFont(SmallArial());
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setContentsMargins(5, 0, 0, 0);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    group_ = new QButtonGroup(this);
    group_->setExclusive(true);
    for (int i = 0; i < ButtonCount; ++i) {
        auto *button = new QToolButton(toolBar_);
        button->setObjectName(QStringLiteral("tlbP%1").arg(i + 1));
        button->setText(QStringLiteral("  %1  ").arg(i + 1));
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setFixedWidth(25);
        group_->addButton(button, i);
        toolBar_->addWidget(button);
        buttons_[std::size_t(i)] = button;
        connect(button, &QToolButton::clicked, this, [this, i] { tlbP1Click(i); });
    }
    DisableAll(); // no word yet
}

QString TPronunciationBar::VariantKey(const QString &word, int variant)
{
    return variant == 0 ? word : QStringLiteral("%1(%2)").arg(word).arg(variant);
}

void TPronunciationBar::DisableAll()
{
    for (QToolButton *button : buttons_)
        button->setEnabled(false);
}

void TPronunciationBar::RefreshButtons()
{
    const TDictionaryList &dict = TDictionaryList::Instance();
    const QString word = dict.GetLookupWord();
    int n = 0;
    for (int variant = 0; variant <= 4; ++variant) {
        if (dict.Lookup(TDictionaryList::RhymeSlot, VariantKey(word, variant)).isEmpty())
            continue;
        buttons_[std::size_t(n)]->setEnabled(true);
        buttons_[std::size_t(n)]->setProperty("tag", variant);
        tags_[std::size_t(n)] = variant;
        ++n;
    }
    for (int i = n; i < ButtonCount; ++i)
        buttons_[std::size_t(i)]->setEnabled(false);
    if (n > 0 && !changing_) {
        TFlagGuard guard(changing_);
        buttons_[0]->setChecked(true);
    }
}

void TPronunciationBar::tlbP1Click(int index)
{
    if (changing_)
        return;
    TFlagGuard guard(changing_);
    TDictionaryList &dict = TDictionaryList::Instance();
    // A delay left over from the lookup box would refresh the bars after the flag is cleared,
    // pressing button 1 while the variant's results show.
    dict.SetWordNow(VariantKey(dict.GetLookupWord(), tags_[std::size_t(index)]));
}
