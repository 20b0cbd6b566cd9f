#include "More.h"

#include "DictionaryList.h"
#include "DockPanel.h"
#include "PronunciationBar.h"

#include <QVBoxLayout>

TfrmMore::TfrmMore(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("frmMore"));
    TDictionaryList::Instance().WordChanged.Add({1}, &TfrmMore::WordChange, this);

    dock_ = new TDockPanel(this, {QStringLiteral("TfrmPhrases"), QStringLiteral("TfrmRoundex"),
                                  QStringLiteral("TfrmNearRhymes")});
    bar_ = new TPronunciationBar(dock_, QStringLiteral("pnlPronunciationMore"));
    dock_->SetTopStrip(bar_, true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(dock_);
}

TfrmMore::~TfrmMore()
{
    if (TDictionaryList::Exists())
        TDictionaryList::Instance().WordChanged.Remove(&TfrmMore::WordChange, this);
}

void TfrmMore::StartupReset()
{
    bar_->DisableAll();
}

void TfrmMore::WordChange(QObject *)
{
    bar_->RefreshButtons();
}
