#include "frmRhymes.h"

#include "DictionaryList.h"

namespace {
TWordListFrame::Options RhymesOptions()
{
    TWordListFrame::Options options;
    options.listName = QStringLiteral("lbRhymes");
    return options;
}
const bool registered = (TfrmRhymes::Register(), true);
} // namespace

TfrmRhymes::TfrmRhymes(QWidget *owner, int mode) : TWordListFrame(owner, mode, RhymesOptions())
{
    SetCaption(tr("Standard Rhymes"));
    Start();
}

TfrmRhymes::~TfrmRhymes()
{
    Unsubscribe();
    UncheckAction(QStringLiteral("actViewRhymes"));
}

void TfrmRhymes::Register()
{
    RegisterClass(QStringLiteral("TfrmRhymes"),
                  [](QWidget *owner, int mode) { return new TfrmRhymes(owner, mode); });
}

void TfrmRhymes::Refresh()
{
    if (!IsLive())
        return;
    const TDictionaryList &dict = TDictionaryList::Instance();
    // Only list style retries a word without entry by its stem.
    if (Wrap())
        ShowJoined(dict.CurrentRhymes(false));
    else
        ShowSplit(dict.CurrentRhymes(true));
}
