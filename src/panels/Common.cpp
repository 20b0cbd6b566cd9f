#include "Common.h"

#include "DictionaryList.h"
#include "DockPanel.h"
#include "PronunciationBar.h"
#include "Settings.h"
#include "VerseFormChooser.h"

#include <QVBoxLayout>

TfrmCommon::TfrmCommon(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("frmCommon"));
    TDictionaryList::Instance().WordChanged.Add({1}, &TfrmCommon::WordChange, this);

    dock_ = new TDockPanel(this, {QStringLiteral("TfrmRhymes"), QStringLiteral("TfrmThesaurus")});
    bar_ = new TPronunciationBar(dock_, QStringLiteral("pnlPronunciation"));
    chooser_ = new TVerseFormChooser(dock_);
    dock_->SetTopStrip(bar_, false);
    dock_->SetBottomStrip(chooser_);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(dock_);
}

TfrmCommon::~TfrmCommon()
{
    if (TDictionaryList::Exists())
        TDictionaryList::Instance().WordChanged.Remove(&TfrmCommon::WordChange, this);
}

void TfrmCommon::StartupReset()
{
    bar_->DisableAll();
    chooser_->setVisible(TDictSettings::Instance().GetShowVerseForms());
    chooser_->RestoreChosen();
}

void TfrmCommon::WordChange(QObject *)
{
    bar_->RefreshButtons();
}
