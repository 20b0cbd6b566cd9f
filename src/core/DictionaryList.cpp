#include "DictionaryList.h"

#include "LookupText.h"

#include "AppFolders.h"
#include "PorterStem.h"
#include "Roundex.h"

#include <QFileInfo>

namespace {
std::unique_ptr<TDictionaryList> instance;
bool constructing = false;
} // namespace

int CurrentApplicationMode()
{
    // A notification raised while the set is still loading must not recurse into construction.
    if (constructing)
        return TDictSettings::Instance().GetIsAdvanced() ? 1 : 0;
    return TDictionaryList::Instance().GetMode();
}

TDictionaryList &TDictionaryList::Instance()
{
    if (!instance) {
        constructing = true;
        try {
            instance.reset(new TDictionaryList());
        } catch (...) {
            constructing = false;
            throw;
        }
        constructing = false;
    }
    return *instance;
}

bool TDictionaryList::Exists()
{
    return instance != nullptr;
}

void TDictionaryList::FreeInstance()
{
    instance.reset();
}

TDictionaryList::TDictionaryList()
{
    LoadSlot(RhymeSlot, QStringLiteral("rdict.dat"));
    LoadSlot(RoundexSlot, QStringLiteral("sdxdict.dat"));
    TDictSettings &settings = TDictSettings::Instance();
    LoadSlot(RhymeLineSlot, settings.GetRhymeLineFile(settings.GetRhymeLineName()));
    if (const QString path = AppFolder() + QStringLiteral("syllables.dat");
        QFileInfo(path).isFile())
        syllableWords_.LoadFromFile(path, TDIAnsiStringHash::AllChecks, 0);

    timer_.setSingleShot(true);
    timer_.setInterval(DebounceMs);
    connect(&timer_, &QTimer::timeout, this, [this] { WordChanged.Notify(this); });
}

TDictionaryList::~TDictionaryList() = default;

void TDictionaryList::LoadSlot(int slot, const QString &fileName)
{
    lists_[std::size_t(slot)] = std::make_unique<TDIAnsiStringHash>();
    const QString path = AppFolder() + fileName;
    // A missing file leaves the slot empty; a damaged one is the caller's problem.
    if (fileName.isEmpty() || !QFileInfo(path).isFile())
        return;
    lists_[std::size_t(slot)]->LoadFromFile(path, TDIAnsiStringHash::AllChecks, 0);
}

QString TDictionaryList::Normalize(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar ch : text) {
        const char16_t c = ch.unicode();
        if (c == '!' || c == ',' || c == '.' || c == '?')
            continue;
        out += (c >= 'A' && c <= 'Z') ? QChar(c + 32) : ch;
    }
    return out;
}

void TDictionaryList::SetWord(const QString &text)
{
    const QString word = Normalize(text);
    if (word == word_)
        return;
    word_ = word;
    if (delayNext_) {
        RequestDelay(false);
        timer_.start();
        return;
    }
    WordChanged.Notify(this);
}

void TDictionaryList::SetWordNow(const QString &text)
{
    RequestDelay(false);
    const bool pending = timer_.isActive();
    timer_.stop();
    const QString before = word_;
    SetWord(text);
    if (pending && word_ == before)
        WordChanged.Notify(this);
}

void TDictionaryList::RequestDelay(bool flag)
{
    if (!DelayLocked)
        delayNext_ = flag;
}

QString TDictionaryList::LookupWordOf(const QString &word, bool foldAccents)
{
    const qsizetype paren = word.indexOf(QLatin1Char('('));
    if (paren < 0)
        return FoldLookupText(word, foldAccents);
    QString rest = word.left(paren);
    qsizetype begin = 0, end = rest.size();
    while (begin < end && rest.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && rest.at(end - 1).unicode() <= 32)
        --end;
    return FoldLookupText(rest.mid(begin, end - begin), foldAccents);
}

QString TDictionaryList::GetLookupWord() const
{
    return LookupWordOf(word_);
}

QString TDictionaryList::GetOnlineWord() const
{
    return LookupWordOf(word_, false);
}

QString TDictionaryList::GetRhymeWord() const
{
    return FoldLookupText(word_);
}

TRhymeLookup TDictionaryList::RhymeLookup() const
{
    return TRhymeLookup(GetWordList(RhymeSlot), &GetWordList(RhymeLineSlot),
                        TDictSettings::Instance().GetShowOffensiveWords());
}

namespace {
std::string Utf8(const QString &text)
{
    return text.toUtf8().toStdString();
}
} // namespace

QString TDictionaryList::CurrentRhymes(bool stemFallback) const
{
    const TRhymeLookup lookup = RhymeLookup();
    const std::string word = Utf8(GetRhymeWord());
    const std::string group = lookup.GroupOf(word, stemFallback ? StemWord(word) : std::string());
    return QString::fromStdString(lookup.Rhymes(group));
}

QString TDictionaryList::CurrentPhrases() const
{
    const TRhymeLookup lookup = RhymeLookup();
    return QString::fromStdString(lookup.Phrases(lookup.GroupOf(Utf8(GetRhymeWord()))));
}

QString TDictionaryList::CurrentRhymeLines() const
{
    const TRhymeLookup lookup = RhymeLookup();
    return QString::fromStdString(lookup.Lines(lookup.GroupOf(Utf8(GetRhymeWord()))));
}

QString TDictionaryList::ListValue(int slot, const QString &key) const
{
    return QString::fromStdString(
        TRhymeLookup::ListValue(GetWordList(slot), key.toUtf8().toStdString(),
                                TDictSettings::Instance().GetShowOffensiveWords()));
}

QString TDictionaryList::RoundexCode(const QString &text)
{
    return ::RoundexCode(text);
}

const TDIAnsiStringHash &TDictionaryList::GetWordList(int slot) const
{
    return *lists_.at(std::size_t(slot));
}

QString TDictionaryList::Lookup(int slot, const QString &key) const
{
    return GetWordList(slot).Value(key);
}

void TDictionaryList::SelectRhymeLineList(const QString &name)
{
    TDictSettings &settings = TDictSettings::Instance();
    settings.SetRhymeLineName(name);
    LoadSlot(RhymeLineSlot, settings.GetRhymeLineFile(name));
}

QString TDictionaryList::ChangeRhymeLineList(const QString &name)
{
    TDictSettings &settings = TDictSettings::Instance();
    const QString fileName = settings.GetRhymeLineFile(name);
    const QString path = AppFolder() + fileName;
    if (fileName.isEmpty() || !QFileInfo(path).isFile())
        return tr("The rhyme-line list \"%1\" has no file \"%2\".").arg(name, fileName);
    auto list = std::make_unique<TDIAnsiStringHash>();
    try {
        list->LoadFromFile(path, TDIAnsiStringHash::AllChecks, 0);
    } catch (const std::exception &error) {
        return tr("The rhyme-line list \"%1\" cannot be read. %2")
            .arg(name, QString::fromUtf8(error.what()));
    }
    settings.SetRhymeLineName(name);
    lists_[RhymeLineSlot] = std::move(list);
    return QString();
}

void TDictionaryList::SetPickedWord(const QString &text)
{
    picked_ = text;
    WordPicked.Notify(this);
}

int TDictionaryList::GetMode() const
{
    return TDictSettings::Instance().GetIsAdvanced() ? 1 : 0;
}

void TDictionaryList::SetMode(int mode)
{
    if (mode == GetMode())
        return;
    TDictSettings::Instance().SetIsAdvanced(mode == 1);
    ModeChanged.Notify(this);
}

bool TDictionaryList::GetWrap() const
{
    return !TDictSettings::Instance().GetIsListMode();
}

void TDictionaryList::SetWrap(bool wrap)
{
    if (wrap == GetWrap())
        return;
    TDictSettings::Instance().SetIsListMode(!wrap);
    DisplayStyleChanged.Notify(this);
}

bool TDictionaryList::SetFont(TFontInfo &held, const TFontInfo &font, const char *section)
{
    if (held == font) // face, size, colour and all four style flags
        return false;
    held = font;
    // Only what the file keeps is compared: applying the stored font writes nothing.
    TDictSettings &settings = TDictSettings::Instance();
    TFontInfo stored, kept = font;
    settings.ReadFont(QString::fromLatin1(section), stored);
    kept.Underline = kept.StrikeOut = false;
    if (stored != kept)
        settings.WriteFont(QString::fromLatin1(section), held);
    return true;
}

void TDictionaryList::SetEditorFont(const TFontInfo &font)
{
    if (SetFont(editorFont_, font, "Font"))
        EditorFontChanged.Notify(this);
}

void TDictionaryList::SetUIFont(const TFontInfo &font)
{
    if (!TDictSettings::Instance().GetEnableUIFonts())
        return;
    if (SetFont(uiFont_, font, "UIFont"))
        UIFontChanged.Notify(this);
}

bool TDictionaryList::GetTabsAsButtons() const
{
    return TDictSettings::Instance().GetUITabsAsButtons();
}

void TDictionaryList::SetTabsAsButtons(bool flag)
{
    // Raised also when unchanged: the first activation applies the stored style this way.
    if (flag != GetTabsAsButtons())
        TDictSettings::Instance().SetUITabsAsButtons(flag);
    TabStyleChanged.Notify(this);
}

void TDictionaryList::SetCommonSide(bool right)
{
    TDictSettings &settings = TDictSettings::Instance();
    if (right == settings.CommonSideIsRight())
        return;
    settings.SetCommonTabSide(right);
    PanelSideChanged.Notify(this);
}

void TDictionaryList::SetMoreSide(bool right)
{
    TDictSettings &settings = TDictSettings::Instance();
    if (right == settings.MoreSideIsRight())
        return;
    settings.SetMoreTabSide(right);
    PanelSideChanged.Notify(this);
}

void TDictionaryList::NotifyOnlineDictionaries()
{
    OnlineDictionariesChanged.Notify(this);
}
