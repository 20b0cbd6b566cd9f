#include "LexBuild.h"

#include "ArithmeticCoder.h"
#include "LexModels.h"
#include "TextUtils.h"
#include "TokenChooser.h"
#include "WordUtils.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <set>
#include <sstream>

using namespace WordUtils;

namespace {

// Region and usage domains that mean a usage label; other domains are topics.
const std::pair<const char *, std::uint32_t> DomainLabels[] = {{"United Kingdom", FlagBrit},
                                                               {"England", FlagBrit},
                                                               {"Scotland", FlagBrit},
                                                               {"Wales", FlagBrit},
                                                               {"Northern Ireland", FlagBrit},
                                                               {"United States", FlagUS},
                                                               {"Canada", FlagCan},
                                                               {"Australia", 1u << 5},
                                                               {"Ireland", 1u << 6},
                                                               {"New Zealand", 1u << 7},
                                                               {"South Africa", 1u << 8},
                                                               {"India", 1u << 9},
                                                               {"Pakistan", 1u << 9},
                                                               {"obscenity", FlagVulgar},
                                                               {"ethnic slur", FlagOffensive},
                                                               {"disparagement", FlagOffensive}};

bool IsWordByte(char c)
{
    return IsKeyChar(static_cast<unsigned char>(c));
}

// Whole-word occurrences of word in text replaced by "^".
std::string MarkHeadword(const std::string &text, const std::string &word)
{
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t at = text.find(word, i);
        if (at == std::string::npos) {
            out += text.substr(i);
            break;
        }
        const std::size_t end = at + word.size();
        const bool whole = (at == 0 || !IsWordByte(text[at - 1])) &&
                           (end >= text.size() || !IsWordByte(text[end]));
        out += text.substr(i, at - i);
        out += whole ? std::string("^") : word;
        i = end;
    }
    return out;
}

std::string Clean(std::string text, const char *forbidden)
{
    std::erase_if(text, [&](char c) { return c == '\0' || std::strchr(forbidden, c); });
    return text;
}

// q[0] >= ... >= q[k] = 0 with every symbol at least 1 wide and q[0] <= 65535.
std::vector<unsigned> ScaleRow(const std::vector<std::uint64_t> &counts)
{
    const std::size_t k = counts.size();
    std::uint64_t total = 0;
    for (std::uint64_t c : counts)
        total += c;
    std::vector<unsigned> q(k + 1, 0);
    for (std::size_t s = k; s-- > 0;) {
        const std::uint64_t width = 1 + (total ? counts[s] * (65535 - k) / total : 0);
        q[s] = q[s + 1] + unsigned(width);
    }
    return q;
}

void PrintRows(std::ostringstream &out, const char *name,
               const std::vector<std::vector<std::uint64_t>> &counts)
{
    out << "const std::uint16_t " << name << "[] = {\n";
    for (const auto &row : counts) {
        out << "   ";
        int column = 3;
        for (unsigned v : ScaleRow(row)) {
            const std::string item = " " + std::to_string(v) + ",";
            if (column + item.size() > 100) {
                out << "\n   ";
                column = 3;
            }
            out << item;
            column += int(item.size());
        }
        out << "\n";
    }
    out << "};\n\n";
}

std::string CString(const std::string &text)
{
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\')
            out += '\\', out += char(c);
        else if (c == '\n')
            out += "\\n";
        else if (c < 32 || c > 126) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X\"\"", c);
            out += buf;
        } else
            out += char(c);
    }
    return out + "\"";
}

} // namespace

TLexBuilder::TLexBuilder(const TWordNetSource &wordnet, const TCmuDictionary &cmu,
                         std::array<std::string, 7> formStrings)
    : wordnet_(wordnet), cmu_(cmu), forms_(std::move(formStrings))
{
    const std::vector<TWnSynset> &synsets = wordnet_.Synsets();
    for (std::size_t i = 0; i < synsets.size(); ++i)
        if (synsets[i].pos == 0 && !synsets[i].words.empty())
            for (const auto &[name, flag] : DomainLabels)
                if (synsets[i].words.front() == name)
                    domainFlags_[int(i)] = flag;
    Prepare();
}

int TLexBuilder::RelationOf(const std::string &symbol)
{
    static const std::map<std::string, int> types = {
        {"!", 0},  {"=", 1},  {">", 2}, {"+", 3},  {"\\", 3}, {"*", 4},  {"%m", 5},
        {"%s", 5}, {"%p", 5}, {"@", 6}, {"@i", 6}, {"~", 7},  {"~i", 7}, {"#m", 8},
        {"#s", 8}, {"#p", 8}, {"<", 9}, {"^", 10}, {"&", 11}, {"$", 11}};
    const auto it = types.find(symbol);
    return it == types.end() ? -1 : it->second;
}

std::vector<std::uint32_t> TLexBuilder::WordFlags(const TWnSynset &synset) const
{
    std::vector<std::uint32_t> flags(synset.words.size(), 0);
    for (const TWnPointer &p : synset.pointers) {
        if (p.symbol != ";r" && p.symbol != ";u")
            continue;
        const auto it = domainFlags_.find(wordnet_.Find(p.targetPos, p.targetOffset));
        if (it == domainFlags_.end())
            continue;
        // A region domain of a whole sense is its topic (curling, Toronto), not a dialect: a
        // regional label needs a pointer from the word itself, and never marks a name.
        for (std::size_t w = 0; w < flags.size(); ++w) {
            if (p.sourceWord != 0 && std::size_t(p.sourceWord) != w + 1)
                continue;
            const bool name = !synset.words[w].empty() &&
                              std::isupper(static_cast<unsigned char>(synset.words[w][0]));
            std::uint32_t flag = it->second;
            if (p.sourceWord == 0 || name)
                flag &= ~RegionalFlags;
            flags[w] |= flag;
        }
    }
    return flags;
}

std::string TLexBuilder::SenseText(const TWnSynset &synset, const std::vector<std::uint32_t> &flags)
{
    std::string text;
    for (std::size_t i = 0; i < synset.words.size(); ++i) {
        if (i)
            text += ';';
        text += Clean(synset.words[i], ";:^\n{");
        if (i < flags.size() && flags[i])
            text += '^' + FlagLetters(flags[i]);
    }
    text += ':';
    std::string gloss = Clean(synset.gloss, "\n");
    if (!gloss.empty() && gloss[0] == '{')
        gloss.insert(0, " ");
    text += gloss;
    for (const std::string &example : synset.examples) {
        std::string line = Clean(example, "\n");
        if (synset.words.size() == 1) // "^" stands for the headword of a one-word sense
            line = MarkHeadword(line, synset.words.front());
        text += '\n' + line;
    }
    return text;
}

std::string TLexBuilder::Info(const std::string &word, std::uint32_t flags) const
{
    std::string codes;
    if (const std::vector<std::string> *prons = cmu_.Find(ToLowerAscii(word))) {
        std::set<std::string> seen;
        for (const std::string &p : *prons) {
            const std::string c = PronunciationCodes(p);
            if (c.empty() || !seen.insert(c).second || seen.size() > 3)
                continue;
            codes += (codes.empty() ? "" : ":") + c;
        }
    }
    const std::string letters = FlagLetters(flags);
    if (codes.empty() && letters.empty())
        return {};
    return codes + "\\" + letters;
}

void TLexBuilder::Prepare()
{
    const std::vector<TWnSynset> &synsets = wordnet_.Synsets();
    std::map<std::string, std::vector<std::pair<int, std::uint32_t>>> senseFlags;
    for (std::size_t i = 0; i < synsets.size(); ++i) {
        const TWnSynset &s = synsets[i];
        const std::vector<std::uint32_t> flags = WordFlags(s);
        TSense sense{s.pos, SenseText(s, flags), {}};
        for (const TWnPointer &p : s.pointers) {
            const int type = RelationOf(p.symbol);
            const int target = wordnet_.Find(p.targetPos, p.targetOffset);
            if (type < 0 || target < 0 || p.sourceWord > TSynset::MaxWordNumber ||
                p.targetWord > TSynset::MaxWordNumber)
                continue;
            sense.pointers.push_back({type, target, p.sourceWord, p.targetWord});
        }
        std::stable_sort(sense.pointers.begin(), sense.pointers.end(),
                         [](const auto &a, const auto &b) { return a.Type < b.Type; });
        senses_.push_back(std::move(sense));
        for (std::size_t w = 0; w < s.words.size(); ++w) {
            const std::string word = Clean(s.words[w], ";:^\n{");
            words_[word].senses.push_back(int(i));
            senseFlags[word].emplace_back(int(i), flags[w]);
        }
    }
    for (auto &[word, entry] : words_) {
        const std::string lemma = ToLowerAscii(word);
        auto rank = [&](int i) {
            const TWnSynset &s = synsets[i];
            return std::make_tuple(s.pos, wordnet_.Rank(lemma, s.pos, s.offset), s.offset);
        };
        std::stable_sort(entry.senses.begin(), entry.senses.end(),
                         [&](int a, int b) { return rank(a) < rank(b); });
        if (entry.senses.size() > 128)
            entry.senses.resize(128);
        std::uint32_t common = ~0u;
        for (const auto &[sense, flags] : senseFlags[word])
            common &= flags;
        entry.info = Info(word, common == ~0u ? 0 : common);
    }
}

std::string TLexBuilder::Build() const
{
    TLexWriter writer;
    writer.SetTokens(LexModels::TokenList());
    for (const TSense &s : senses_)
        writer.AddSense(s.pos, s.text);
    for (std::size_t i = 0; i < senses_.size(); ++i)
        writer.SetPointers(int(i), senses_[i].pointers);
    for (const auto &[word, entry] : words_)
        writer.AddWord(word, entry.info, entry.senses);
    writer.SetFormStrings(forms_);
    return writer.Build();
}

std::string TLexBuilder::ModelSource() const
{
    std::vector<std::vector<std::uint64_t>> types(13, std::vector<std::uint64_t>(13, 0));
    std::vector<std::vector<std::uint64_t>> numbers(1, std::vector<std::uint64_t>(28, 0));
    std::vector<std::vector<std::uint64_t>> counts(1, std::vector<std::uint64_t>(129, 0));
    std::vector<std::vector<std::uint64_t>> keys(44, std::vector<std::uint64_t>(44, 0));
    std::vector<std::string> texts;
    for (const TSense &s : senses_) {
        int context = LexModels::PointerTypeStop;
        for (const auto &p : s.pointers) {
            ++types[context][p.Type];
            context = p.Type;
            ++numbers[0][p.SourceWord];
            ++numbers[0][p.TargetWord];
        }
        ++types[context][LexModels::PointerTypeStop];
        texts.push_back(s.text);
    }
    std::set<std::string> searchKeys;
    for (const auto &[word, entry] : words_) {
        ++counts[0][entry.senses.size()];
        texts.push_back(word);
        const std::string key = SearchKey(word);
        searchKeys.insert(key);
        int context = 0;
        for (char c : key + "/") {
            ++keys[context][c - '/'];
            context = c - '/';
        }
    }
    counts[0][0] = searchKeys.size() / 3; // about one block per three keys
    std::ostringstream out;
    out << "// The models and the token table of cz.lex, derived once from WordNet 3.0 by\n"
           "// tolvane-lexbuild --print-models. They are part of the file format: changing them\n"
           "// makes every existing database unreadable. Included by LexModels.cpp only.\n\n";
    PrintRows(out, "PointerTypeRows", types);
    PrintRows(out, "WordNumberRows", numbers);
    PrintRows(out, "CountRows", counts);
    PrintRows(out, "KeyRows", keys);
    out << "const TToken TokenTable[] = {\n";
    for (const auto &[code, text] : TTokenChooser(texts).Choose()) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "0x%02X", code);
        out << "    {" << buf << ", " << CString(text) << "},\n";
    }
    out << "};\n";
    return out.str();
}
