#include "frmPhrases.h"

#include "DictionaryList.h"

namespace {
TWordListFrame::Options PhrasesOptions()
{
    TWordListFrame::Options options;
    options.listName = QStringLiteral("lbPhrases");
    return options;
}
const bool registered = (TfrmPhrases::Register(), true);
} // namespace

TfrmPhrases::TfrmPhrases(QWidget *owner, int mode) : TWordListFrame(owner, mode, PhrasesOptions())
{
    // A label shows "&" literally; no escape needed.
    SetCaption(tr("Phrases & Proper Nouns"));
    SetHideSelection(true);
    Start();
}

TfrmPhrases::~TfrmPhrases()
{
    Unsubscribe();
    UncheckAction(QStringLiteral("actViewPhrases"));
}

void TfrmPhrases::Register()
{
    RegisterClass(QStringLiteral("TfrmPhrases"),
                  [](QWidget *owner, int mode) { return new TfrmPhrases(owner, mode); });
}

void TfrmPhrases::Refresh()
{
    if (!IsLive())
        return;
    const QString entry = TDictionaryList::Instance().CurrentPhrases();
    if (Wrap())
        ShowJoined(entry);
    else
        ShowSplit(entry);
}
