#include "Synset.h"

#include "ArithmeticCoder.h"
#include "DataCompressor.h"
#include "LexError.h"
#include "WordUtils.h"

#include <algorithm>

namespace {

const char *const RelationNames[] = {"Antonyms", "Attribs", "Causes",  "Derived", "Entails",
                                     "Parts",    "Type of", "Types",   "Part of", "Participle",
                                     "See also", "Similar", "Synonyms"};

std::vector<TCodedString> HeaderStrings(const std::vector<int> &types,
                                        const std::vector<int> &numbers)
{
    std::vector<int> typeSymbols = types;
    typeSymbols.push_back(LexModels::PointerTypeStop);
    return {{&LexModels::PointerTypes(), LexModels::PointerTypeStop, std::move(typeSymbols)},
            {&LexModels::WordNumbers(), ' ', numbers}};
}

} // namespace

const char *RelationName(int type)
{
    return type >= 0 && type < RelationTypeCount ? RelationNames[type] : "";
}

void TSynset::Read(const std::uint8_t *data, std::size_t size, const TDataCompressor &tokens)
{
    size = std::min(size, MaxRecordSize);
    TArithmeticDecoder decoder(data, size);
    std::vector<int> types;
    if (!decoder.DecodeUntil(LexModels::PointerTypes(), LexModels::PointerTypeStop,
                             LexModels::PointerTypeStop, MaxRecordSize / 3, types))
        throw ELexError("Invalid sense record");
    std::vector<int> numbers;
    decoder.DecodeCount(LexModels::WordNumbers(), types.size() * 2, numbers);
    std::size_t pos = CodeLength(HeaderStrings(types, numbers));
    if (pos > size || (size - pos) / 3 < types.size())
        throw ELexError("Invalid sense record");
    Pointers.clear();
    for (std::size_t i = 0; i < types.size(); ++i, pos += 3) {
        const std::uint32_t target = data[pos] | data[pos + 1] << 8 | data[pos + 2] << 16;
        Pointers.push_back({types[i], target, numbers[2 * i], numbers[2 * i + 1]});
    }
    ParseText(tokens.Expand(data, size, pos));
}

void TSynset::ParseText(const std::string &text)
{
    const std::size_t colon = text.find(':');
    const std::string words = text.substr(0, colon);
    std::string rest = colon == std::string::npos ? std::string() : text.substr(colon + 1);
    AllWords.clear();
    for (const std::string &item : WordUtils::Split(words, ';')) {
        const std::size_t caret = item.find('^');
        TSynsetWord word{item.substr(0, caret), 0};
        if (caret != std::string::npos)
            word.Flags = WordUtils::ParseFlags(std::string_view(item).substr(caret + 1));
        AllWords.push_back(std::move(word));
    }
    Words = AllWords;
    ClassLabel.clear();
    if (!rest.empty() && rest[0] == '{') {
        const std::size_t close = rest.find('}');
        if (close != std::string::npos) {
            ClassLabel = rest.substr(1, close - 1);
            rest.erase(0, close + 1);
        }
    }
    Examples = WordUtils::Split(rest, '\n');
    Gloss = Examples.empty() ? std::string() : Examples.front();
    if (!Examples.empty())
        Examples.erase(Examples.begin());
    if (Gloss.empty()) {
        std::vector<std::string> plain;
        for (const TSynsetWord &w : AllWords)
            plain.push_back(w.Word);
        Gloss = WordUtils::Join(plain, ", ");
    }
}

void TSynset::SelectHeadword(const std::string &word)
{
    auto it = std::find_if(Words.begin(), Words.end(),
                           [&](const TSynsetWord &w) { return w.Word == word; });
    if (it == Words.end()) {
        const std::string key = WordUtils::SearchKey(word);
        it = std::find_if(Words.begin(), Words.end(), [&](const TSynsetWord &w) {
            return WordUtils::SearchKey(w.Word) == key;
        });
    }
    if (it == Words.end())
        throw ELexKeyWordError("Key does not exist in synset");
    const std::string stored = it->Word;
    int position = 0;
    for (std::size_t i = 0; i < AllWords.size(); ++i)
        if (AllWords[i].Word == stored) {
            position = int(i) + 1;
            break;
        }
    Headword = stored;
    HeadwordFlags = it->Flags;
    Words.erase(it);
    std::erase_if(Pointers, [&](const TSynsetPointer &p) {
        return p.SourceWord != 0 && p.SourceWord != position;
    });
}

std::string EncodeSenseRecord(const std::vector<TSynsetPointer> &pointers, const std::string &text,
                              const TDataCompressor &tokens)
{
    std::vector<int> types, numbers;
    for (const TSynsetPointer &p : pointers) {
        if (p.Type < 0 || p.Type >= LexModels::PointerTypeStop || p.SourceWord < 0 ||
            p.SourceWord > TSynset::MaxWordNumber || p.TargetWord < 0 ||
            p.TargetWord > TSynset::MaxWordNumber)
            throw ELexError("Pointer out of range");
        types.push_back(p.Type);
        numbers.push_back(p.SourceWord);
        numbers.push_back(p.TargetWord);
    }
    const std::vector<std::uint8_t> header = EncodeStrings(HeaderStrings(types, numbers));
    std::string out(header.begin(), header.end());
    for (const TSynsetPointer &p : pointers)
        for (int i = 0; i < 3; ++i)
            out += char((p.Target >> (8 * i)) & 0xFF);
    out += tokens.Compress(text);
    return out;
}
