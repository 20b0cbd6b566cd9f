#include "frmRhymes.h"

#include "DictionaryList.h"
#include "PorterStem.h"

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
    const QString word = dict.GetWord();
    QString group = dict.Lookup(TDictionaryList::RhymeSlot, word);
    if (Wrap()) {
        ShowJoined(dict.Lookup(TDictionaryList::RhymeSlot, group));
        return;
    }
    if (group.isEmpty())
        group = dict.Lookup(TDictionaryList::RhymeSlot, StemWord(word));
    ShowSplit(dict.Lookup(TDictionaryList::RhymeSlot, group));
}
