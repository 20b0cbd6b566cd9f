#include "LexWriter.h"

#include "ArithmeticCoder.h"
#include "LexError.h"
#include "WordUtils.h"

#include <algorithm>
#include <map>

namespace {

constexpr std::size_t NoticeSize = 598;
constexpr std::uint32_t MaxOffset = 0xFFFFFF;

const char Notice[] =
    "Word explorer database. Senses, definitions, examples and relations are derived from "
    "WordNet 3.0, Copyright 2006 by Princeton University; pronunciations from the CMU "
    "Pronouncing Dictionary, Carnegie Mellon University. See the licence files that come "
    "with the program.";

void Put24(std::string &out, std::uint32_t v)
{
    if (v > MaxOffset)
        throw ELexError("Word explorer database too large");
    for (int i = 0; i < 3; ++i)
        out += char((v >> (8 * i)) & 0xFF);
}

void Put32(std::string &out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out += char((v >> (8 * i)) & 0xFF);
}

} // namespace

int TLexWriter::AddSense(int partOfSpeech, std::string text)
{
    if (partOfSpeech < 0 || partOfSpeech >= WordUtils::PartsOfSpeech)
        throw ELexError("Invalid part of speech");
    senses_.push_back({partOfSpeech, std::move(text), {}});
    return int(senses_.size()) - 1;
}

void TLexWriter::SetPointers(int sense, std::vector<TPointer> pointers)
{
    senses_.at(std::size_t(sense)).pointers = std::move(pointers);
}

void TLexWriter::AddWord(std::string headword, std::string info, std::vector<int> senses)
{
    words_.push_back({std::move(headword), std::move(info), std::move(senses)});
}

void TLexWriter::SetTokens(std::vector<std::pair<unsigned char, std::string>> tokens)
{
    tokens_.SetTokens(tokens);
}

std::string TLexWriter::Build() const
{
    // Sense records, by part of speech; offset 0 is kept free because it belongs to no section.
    std::vector<int> order(senses_.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = int(i);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return senses_[a].pos < senses_[b].pos; });
    auto recordOf = [&](const TSense &sense, const std::vector<std::uint32_t> &offsets) {
        std::vector<TSynsetPointer> pointers;
        for (const TPointer &p : sense.pointers)
            pointers.push_back({p.Type, offsets.empty() ? 1u : offsets.at(std::size_t(p.Target)),
                                p.SourceWord, p.TargetWord});
        std::string record = EncodeSenseRecord(pointers, sense.text, tokens_);
        if (record.size() > TSynset::MaxRecordSize)
            throw ELexError("Sense record too long");
        return record;
    };
    std::vector<std::uint32_t> offsets(senses_.size());
    TLexTrailer trailer;
    std::uint32_t at = 1;
    std::size_t next = 0;
    for (int pos = 0; pos < WordUtils::PartsOfSpeech; ++pos) {
        for (; next < order.size() && senses_[order[next]].pos == pos; ++next) {
            offsets[order[next]] = at;
            at += std::uint32_t(recordOf(senses_[order[next]], {}).size());
            if (at > MaxOffset)
                throw ELexError("Word explorer database too large");
        }
        trailer.SectionEnd[pos] = at;
    }
    std::string out(1, '\0');
    for (int id : order)
        out += recordOf(senses_[id], offsets);

    // Index blocks, grouped by block key, in directory order.
    std::map<std::uint16_t, std::vector<TIndexRec>> blocks;
    for (const TWord &word : words_) {
        TIndexRec rec;
        rec.Headword = word.headword;
        rec.Info = word.info;
        rec.SearchKey = WordUtils::SearchKey(word.headword);
        for (int sense : word.senses)
            rec.Pointers.push_back(offsets.at(std::size_t(sense)));
        blocks[BlockKey(rec.SearchKey)].push_back(std::move(rec));
    }
    std::array<std::vector<std::pair<std::uint8_t, std::string>>, 256> buckets;
    for (auto &[key, entries] : blocks) {
        std::stable_sort(entries.begin(), entries.end(),
                         [](const TIndexRec &a, const TIndexRec &b) {
                             return a.SearchKey < b.SearchKey ||
                                    (a.SearchKey == b.SearchKey && a.Headword < b.Headword);
                         });
        buckets[key >> 8].emplace_back(std::uint8_t(key & 0xFF),
                                       EncodeIndexBlock(entries, tokens_));
    }
    trailer.IndexStart = std::uint32_t(out.size());
    std::string directory;
    std::uint32_t blockOffset = 0;
    for (auto &bucket : buckets) {
        if (bucket.empty()) // a reader finds a block's end through the next bucket
            bucket.emplace_back(0, std::string(1, '\0'));
        if (bucket.size() > 255)
            throw ELexError("Too many index blocks in one bucket");
        directory += char(bucket.size());
        for (const auto &[sub, bytes] : bucket) {
            directory += char(sub);
            Put24(directory, blockOffset);
            out += bytes;
            blockOffset += std::uint32_t(bytes.size());
        }
    }
    trailer.DirectoryStart = std::uint32_t(out.size());
    directory += tokens_.TableBytes();
    for (const std::string &s : forms_) {
        Put32(directory, std::uint32_t(s.size()));
        directory += s;
    }
    out += directory;
    std::string notice(Notice);
    notice.resize(NoticeSize, ' ');
    out += notice;
    out += trailer.Bytes();
    if (out.size() > MaxOffset)
        throw ELexError("Word explorer database too large");
    return out;
}
