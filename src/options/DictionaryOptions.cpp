#include "DictionaryOptions.h"

#include "DictionaryList.h"
#include "Settings.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

TDictionaryOptions::TDictionaryOptions(const TOptionsContext &context, QWidget *parent)
    : TOptionsFrame(parent), showMessage_(context.ShowMessage)
{
    setObjectName(QStringLiteral("DictionaryOptions"));
    auto *caption = new QLabel(tr("Rhyme Line Dictionary"), this);
    caption->setFrameShape(QFrame::Panel);
    caption->setFrameShadow(QFrame::Raised);
    caption->setMargin(3);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("CheckListBox1"));
    showOffensive_ = new QCheckBox(tr("Show offensive words"), this);
    showOffensive_->setObjectName(QStringLiteral("ckShowOffensive"));
    showOffensive_->setToolTip(
        tr("Also list the slurs and obscenities that WordNet marks as offensive"));
    showOffensive_->setChecked(TDictSettings::Instance().GetShowOffensiveWords());
    auto *column = new QVBoxLayout(this);
    column->addWidget(caption);
    column->addWidget(list_, 1);
    column->addWidget(showOffensive_);

    QStringList lists;
    const TDictSettings &settings = TDictSettings::Instance();
    settings.GetRhymeLineLists(lists);
    const QString current = settings.GetRhymeLineName();
    for (const QString &entry : std::as_const(lists)) {
        const QString name = entry.section(QLatin1Char('='), 0, 0);
        auto *item = new QListWidgetItem(name, list_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(name == current ? Qt::Checked : Qt::Unchecked);
    }
    connect(list_, &QListWidget::itemChanged, this, [this](QListWidgetItem *item) {
        if (!checking_)
            CheckOnly(item);
    });
}

void TDictionaryOptions::CheckOnly(QListWidgetItem *item)
{
    checking_ = true;
    list_->setCurrentItem(item);
    for (int i = 0; i < list_->count(); ++i)
        list_->item(i)->setCheckState(list_->item(i) == item ? Qt::Checked : Qt::Unchecked);
    checking_ = false;
}

QString TDictionaryOptions::CheckedName() const
{
    for (int i = 0; i < list_->count(); ++i)
        if (list_->item(i)->checkState() == Qt::Checked)
            return list_->item(i)->text();
    return QString();
}

QString TDictionaryOptions::Title() const
{
    return tr("Dictionary");
}

void TDictionaryOptions::Apply()
{
    if (const QString name = CheckedName(); !name.isEmpty()) {
        const QString refused = TDictionaryList::Instance().ChangeRhymeLineList(name);
        if (!refused.isEmpty() && showMessage_)
            showMessage_(refused + QLatin1Char(' ') + tr("The previous list stays in use."));
    }
    ApplyOffensiveWords();
}

void TDictionaryOptions::ApplyOffensiveWords()
{
    TDictSettings &settings = TDictSettings::Instance();
    const bool show = showOffensive_->isChecked();
    if (show == settings.GetShowOffensiveWords())
        return;
    settings.SetShowOffensiveWords(show);
    // The lists on screen change with the option, not only from the next lookup on.
    TDictionaryList &dict = TDictionaryList::Instance();
    dict.WordChanged.Notify(&dict);
}
