#include "UIOptions.h"

#include "DictionaryList.h"
#include "Settings.h"
#include "SideChoice.h"

#include <QCheckBox>
#include <QVBoxLayout>

TUIOptions::TUIOptions(const TOptionsContext &, QWidget *parent) : TOptionsFrame(parent)
{
    setObjectName(QStringLiteral("UIOptions"));
    tabButtons_ = new QCheckBox(tr("Tabs as buttons"), this);
    tabButtons_->setObjectName(QStringLiteral("ckTabButtons"));
    common_ = new TSideChoice(tr("Rhyme && Thesaurus"), this);
    common_->setObjectName(QStringLiteral("rgCommon"));
    more_ = new TSideChoice(tr("Phrases && Roundex"), this);
    more_->setObjectName(QStringLiteral("rgMore"));
    checkUpdates_ = new QCheckBox(tr("Check for updates at start"), this);
    checkUpdates_->setObjectName(QStringLiteral("ckCheckUpdates"));
    auto *column = new QVBoxLayout(this);
    column->addWidget(tabButtons_);
    column->addWidget(common_);
    column->addWidget(more_);
    column->addWidget(checkUpdates_);
    column->addStretch(1);

    const TDictSettings &settings = TDictSettings::Instance();
    tabButtons_->setChecked(settings.GetUITabsAsButtons());
    common_->ChooseRight(settings.GetCommonTabSide());
    more_->ChooseRight(settings.GetMoreTabSide());
    checkUpdates_->setChecked(settings.GetCheckForUpdates());
}

QString TUIOptions::Title() const
{
    return tr("UI");
}

void TUIOptions::Apply()
{
    TDictionaryList &dict = TDictionaryList::Instance();
    dict.SetTabsAsButtons(tabButtons_->isChecked());
    dict.SetCommonSide(common_->RightChosen());
    dict.SetMoreSide(more_->RightChosen());
    TDictSettings::Instance().SetCheckForUpdates(checkUpdates_->isChecked());
}
