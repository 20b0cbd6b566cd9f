#include "frmNearRhymes.h"

#include "AppFolders.h"
#include "DIAnsiStringHash.h"
#include "DictionaryList.h"
#include "NearRhymes.h"

#include <QFileInfo>
#include <QStringList>

namespace {
TWordListFrame::Options NearRhymesOptions()
{
    TWordListFrame::Options options;
    options.listName = QStringLiteral("lbNearRhymes");
    options.sorted = false; // best first
    return options;
}
const bool registered = (TfrmNearRhymes::Register(), true);
} // namespace

TfrmNearRhymes::TfrmNearRhymes(QWidget *owner, int mode)
    : TWordListFrame(owner, mode, NearRhymesOptions())
{
    SetCaption(tr("Near Rhymes"));
    Start();
}

TfrmNearRhymes::~TfrmNearRhymes()
{
    Unsubscribe();
}

void TfrmNearRhymes::Register()
{
    RegisterClass(QStringLiteral("TfrmNearRhymes"),
                  [](QWidget *owner, int mode) { return new TfrmNearRhymes(owner, mode); });
}

const TNearRhymes *TfrmNearRhymes::Engine()
{
    if (!loaded_) {
        loaded_ = true; // a missing or damaged file is not retried on every word
        const QString path = AppFolder() + QStringLiteral("near.dat");
        if (QFileInfo(path).isFile()) {
            auto data = std::make_unique<TDIAnsiStringHash>();
            try {
                data->LoadFromFile(path);
                data_ = std::move(data);
                engine_ = std::make_unique<TNearRhymes>(*data_);
            } catch (const std::exception &) {
                // An unreadable file leaves the panel empty, as a missing one does.
            }
        }
    }
    return engine_.get();
}

void TfrmNearRhymes::Refresh()
{
    if (!IsLive())
        return;
    QStringList words;
    if (const TNearRhymes *engine = Engine()) {
        const TDictionaryList &dict = TDictionaryList::Instance();
        const std::vector<std::string> keys =
            NearRhymes::GroupKeysOf(dict.GetWordList(TDictionaryList::RhymeSlot),
                                    dict.GetLookupWord().toUtf8().toStdString());
        for (const std::string &word : engine->Lookup(keys, TNearRhymes::kListed))
            words << QString::fromStdString(word);
    }
    const QString entry = words.join(QLatin1Char('#'));
    if (Wrap())
        ShowJoined(entry);
    else
        ShowSplit(entry);
}
