#include "frmRoundex.h"

#include "DictionaryList.h"
#include "EntryText.h"
#include "ListBox.h"

namespace {
TWordListFrame::Options RoundexOptions()
{
    TWordListFrame::Options options;
    options.listName = QStringLiteral("lbSoundex");
    options.itemHeight = 13;
    options.sorted = false;
    options.listDoubleClick = false;
    return options;
}
const bool registered = (TfrmRoundex::Register(), true);
} // namespace

TfrmRoundex::TfrmRoundex(QWidget *owner, int mode) : TWordListFrame(owner, mode, RoundexOptions())
{
    SetCaption(tr("Roundex"));
    lbSoundex()->Model()->SetDataSource([this](int index) { return lbSoundexData(index); });
    Start();
}

TfrmRoundex::~TfrmRoundex()
{
    Unsubscribe();
}

void TfrmRoundex::Register()
{
    RegisterClass(QStringLiteral("TfrmRoundex"),
                  [](QWidget *owner, int mode) { return new TfrmRoundex(owner, mode); });
}

QString TfrmRoundex::lbSoundexData(int index) const
{
    return index >= 0 && index < items_.size() ? items_.at(index) : QString();
}

void TfrmRoundex::Refresh()
{
    if (!IsLive())
        return;
    const TDictionaryList &dict = TDictionaryList::Instance();
    const QString code = TDictionaryList::RoundexCode(dict.GetLookupWord());
    const QString entry = dict.ListValue(TDictionaryList::RoundexSlot, code);
    if (Wrap()) {
        ShowJoined(entry);
        return;
    }
    items_ = EntryText::Split(entry);
    lbSoundex()->Model()->SetCount(int(items_.size()));
    lbSoundex()->viewport()->update();
}
