#include "LexDatabase.h"

#include "ArithmeticCoder.h"
#include "LexError.h"
#include "UserLocale.h"

#include <algorithm>

namespace {

std::uint32_t Read32(const std::uint8_t *p)
{
    return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24;
}

bool IsAcronym(const std::string &word)
{
    return word.size() >= 2 &&
           std::none_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

[[noreturn]] void InvalidFile()
{
    throw ELexError("Invalid word explorer database file");
}

} // namespace

TLexTrailer TLexTrailer::Parse(const std::uint8_t *bytes, std::uint64_t fileSize)
{
    if (fileSize < Size)
        InvalidFile();
    TLexTrailer t;
    t.IndexStart = Read32(bytes);
    t.DirectoryStart = Read32(bytes + 4);
    for (int n = 0; n < 9; ++n)
        t.SectionEnd[n] = Read32(bytes + 8 + 4 * n);
    if (t.IndexStart > t.DirectoryStart || t.DirectoryStart > fileSize - Size ||
        t.SectionEnd[8] > t.IndexStart || !std::is_sorted(t.SectionEnd.begin(), t.SectionEnd.end()))
        InvalidFile();
    return t;
}

std::string TLexTrailer::Bytes() const
{
    std::string out;
    auto put = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out += char((v >> (8 * i)) & 0xFF);
    };
    put(IndexStart);
    put(DirectoryStart);
    for (std::uint32_t end : SectionEnd)
        put(end);
    return out;
}

TLexDatabase::TLexDatabase() : query_(*this)
{
    morpher_.British = !UserLocale::IsUnitedStates();
}

TLexDatabase::~TLexDatabase() = default;

void TLexDatabase::SetFileName(const std::string &name)
{
    if (name == fileName_)
        return;
    if (openCount_ > 0)
        throw ELexError("Cannot change open database file");
    fileName_ = name;
    opened_ = false;
    index_.reset();
    query_.Clear();
    lastWord_.clear();
}

void TLexDatabase::OpenFile()
{
    if (openCount_ == 0)
        file_.Open(fileName_);
    ++openCount_;
}

void TLexDatabase::CloseFile()
{
    if (openCount_ > 0 && --openCount_ == 0)
        file_.Close();
}

std::vector<std::uint8_t> TLexDatabase::ReadAt(std::uint64_t offset, std::uint64_t length)
{
    TLexFileGuard guard(*this);
    const std::uint64_t size = file_.Size();
    if (offset >= size)
        return {};
    length = std::min(length, size - offset);
    std::vector<std::uint8_t> bytes(length);
    if (!file_.ReadAt(offset, bytes.data(), bytes.size()))
        throw ELexError("Read error in word explorer database");
    return bytes;
}

void TLexDatabase::Open()
{
    if (opened_)
        return;
    TLexFileGuard guard(*this);
    fileSize_ = file_.Size();
    if (fileSize_ < TLexTrailer::Size)
        InvalidFile();
    const std::vector<std::uint8_t> tail = ReadAt(fileSize_ - TLexTrailer::Size, TLexTrailer::Size);
    trailer_ = TLexTrailer::Parse(tail.data(), fileSize_);
    const std::vector<std::uint8_t> directory =
        ReadAt(trailer_.DirectoryStart, fileSize_ - TLexTrailer::Size - trailer_.DirectoryStart);
    const std::uint32_t indexStart = trailer_.IndexStart;
    auto index = std::make_unique<TIndexLookup>(
        [this, indexStart](std::uint32_t offset, std::uint32_t length) {
            return ReadAt(std::uint64_t(indexStart) + offset, length);
        },
        trailer_.DirectoryStart - trailer_.IndexStart);
    std::array<std::string, 7> strings = index->LoadDirectory(directory.data(), directory.size());
    TWordMorpher::TFormStrings forms;
    std::move(strings.begin(), strings.end(), forms.begin());
    morpher_.SetStrings(std::move(forms));
    index_ = std::move(index);
    opened_ = true;
}

TIndexLookup &TLexDatabase::Index()
{
    Open();
    return *index_;
}

int TLexDatabase::SectionOf(std::uint32_t pointer) const
{
    for (int n = 0; n < 9; ++n)
        if (pointer < trailer_.SectionEnd[n])
            return n;
    throw ELexError("Invalid database pointer");
}

std::unique_ptr<TSynset> TLexDatabase::ReadSense(std::uint32_t pointer)
{
    Open();
    if (pointer == 0) // offset 0 belongs to no section
        throw ELexError("Invalid database pointer");
    const int pos = SectionOf(pointer);
    const std::uint64_t room =
        std::min<std::uint64_t>(TSynset::MaxRecordSize, trailer_.IndexStart - pointer);
    const std::vector<std::uint8_t> bytes = ReadAt(pointer, room);
    auto sense = std::make_unique<TSynset>();
    sense->Read(bytes.data(), bytes.size(), index_->Tokens());
    for (const TSynsetPointer &p : sense->Pointers)
        if (p.Target == 0 || p.Target >= trailer_.SectionEnd[8])
            throw ELexError("Invalid database pointer");
    sense->Offset = pointer;
    sense->PartOfSpeech = pos;
    return sense;
}

void TLexDatabase::Lookup(const std::string &typed)
{
    query_.Clear();
    std::string word = typed;
    const std::size_t n = word.size();
    if (n > 2 && (word[n - 2] == '\'' || word[n - 2] == '`') &&
        (word[n - 1] == 's' || word[n - 1] == 'S')) {
        std::string upper = word;
        std::transform(upper.begin(), upper.end(), upper.begin(),
                       [](char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : c; });
        if (upper != "IT'S")
            word.resize(n - 2);
    }
    TLexFileGuard guard(*this);
    Open();
    lastWord_ = word;
    if (word.empty())
        return;
    const std::string key = WordUtils::SearchKey(word);
    index_->FindWord(key); // the Nearest view starts from it
    for (const TIndexRec &entry : Entries(key, word))
        ProcessEntry(entry, WordUtils::AllPartsOfSpeech, 0);
    if (tryDerivedForms_) {
        // An acronym is no inflection of a word typed in lower case ("it's" is not IT).
        const bool typedInCapitals =
            std::any_of(word.begin(), word.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
        // Adverbs too (better, best: well), unlike nouns, verbs and adjectives alone.
        for (int pos = 0; pos <= 3; ++pos) {
            std::vector<std::string> bases;
            int kind = 0;
            morpher_.BaseForms(word, pos, bases, true, kind);
            for (const std::string &base : bases) {
                const std::string baseKey = WordUtils::SearchKey(base);
                if (baseKey == key || baseKey.empty())
                    continue;
                for (const TIndexRec &entry : Entries(baseKey, base))
                    if (typedInCapitals || !IsAcronym(entry.Headword))
                        ProcessEntry(entry, std::uint16_t(1u << pos), kind);
            }
        }
    }
    query_.Reorder(lastWord_);
    query_.ShowPartsOfSpeech(WordUtils::AllPartsOfSpeech);
}

std::vector<TIndexRec> TLexDatabase::Entries(const std::string &key, const std::string &word)
{
    const TIndexDiskRec &block = index_->FindBlock(BlockKey(key));
    const auto [from, to] = block.Range(key);
    std::vector<TIndexRec> entries(block.Entries().begin() + from, block.Entries().begin() + to);
    std::stable_partition(entries.begin(), entries.end(),
                          [&](const TIndexRec &e) { return e.Headword == word; });
    return entries;
}

void TLexDatabase::ProcessEntry(const TIndexRec &entry, std::uint16_t mask, int formKind)
{
    for (std::uint32_t pointer : entry.Pointers) {
        if (!(mask & (1u << SectionOf(pointer))))
            continue;
        std::unique_ptr<TSynset> sense = ReadSense(pointer);
        sense->SelectHeadword(entry.Headword);
        if (formKind != 0 && matchForms_) {
            for (TSynsetWord &w : sense->Words) {
                const std::string form = morpher_.Inflect(w.Word, formKind);
                w.Word = form.empty() ? w.Word + "*" : form;
            }
            sense->FormKind = formKind;
        }
        query_.AddSense(std::move(sense), lastWord_);
        query_.AddRootInfo(entry.Headword, entry.Info);
    }
}

void TLexDatabase::SetTryDerivedForms(bool flag, bool repeat)
{
    tryDerivedForms_ = flag;
    if (repeat && !lastWord_.empty())
        Lookup(lastWord_);
}

void TLexDatabase::SetMatchForms(bool flag, bool repeat)
{
    matchForms_ = flag;
    if (repeat && !lastWord_.empty())
        Lookup(lastWord_);
}
