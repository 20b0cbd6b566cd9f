#include "WordNetSource.h"

#include "TextUtils.h"

#include <algorithm>
#include <stdexcept>

namespace {

int PosOfLetter(char c)
{
    switch (c) {
    case 'n':
        return 0;
    case 'v':
        return 1;
    case 'a':
    case 's':
        return 2;
    case 'r':
        return 3;
    }
    return -1;
}

std::string DisplayLemma(std::string_view lemma)
{
    const std::size_t paren = lemma.find('(');
    if (paren != std::string_view::npos && lemma.back() == ')')
        lemma = lemma.substr(0, paren); // adjective position markers (a), (p), (ip)
    return ReplaceAll(std::string(lemma), '_', ' ');
}

} // namespace

void SplitGloss(std::string_view gloss, std::string &definition, std::vector<std::string> &examples)
{
    gloss = Trim(gloss);
    std::size_t start = std::string_view::npos;
    if (!gloss.empty() && gloss[0] == '"')
        start = 0;
    else if (const std::size_t at = gloss.find("; \""); at != std::string_view::npos)
        start = at + 2;
    definition = std::string(Trim(gloss.substr(0, std::min(start, gloss.size()))));
    while (!definition.empty() && definition.back() == ';')
        definition.pop_back();
    examples.clear();
    if (start == std::string_view::npos)
        return;
    // Examples are separated by `; "`; what follows an example's closing mark (its author,
    // "- Shakespeare", or a reference) stays with it after that mark.
    std::string_view rest = gloss.substr(start);
    while (!rest.empty()) {
        std::size_t next = rest.find("; \"", 1);
        std::string_view piece = Trim(rest.substr(0, next));
        rest = next == std::string_view::npos ? std::string_view() : rest.substr(next + 2);
        if (!piece.empty() && piece.front() == '"')
            piece.remove_prefix(1);
        const std::size_t close = piece.rfind('"');
        std::string example(Trim(piece.substr(0, close)));
        if (close != std::string_view::npos) {
            const std::string_view after = Trim(piece.substr(close + 1));
            if (!after.empty() && !example.empty())
                example += "\" " + std::string(after);
        }
        if (!example.empty())
            examples.push_back(std::move(example));
    }
}

void TWordNetSource::Load(const std::string &dir)
{
    const char *const names[] = {"noun", "verb", "adj", "adv"};
    for (int pos = 0; pos < 4; ++pos) {
        ParseData(ReadWholeFile(dir + "/data." + names[pos]), pos);
        ParseIndex(ReadWholeFile(dir + "/index." + names[pos]), pos);
    }
}

void TWordNetSource::ParseData(std::string_view text, int pos)
{
    ForEachLine(text, [&](std::string_view line) {
        if (line.empty() || line[0] == ' ')
            return;
        const std::size_t bar = line.find(" | ");
        const std::vector<std::string_view> f = SplitOn(line.substr(0, bar), ' ');
        if (f.size() < 6)
            return;
        TWnSynset s;
        s.pos = pos;
        s.offset = std::uint32_t(std::stoul(std::string(f[0])));
        const std::size_t count = std::stoul(std::string(f[3]), nullptr, 16);
        std::size_t i = 4;
        for (std::size_t w = 0; w < count && i + 1 < f.size(); ++w, i += 2)
            s.words.push_back(DisplayLemma(f[i]));
        const std::size_t pointers = i < f.size() ? std::stoul(std::string(f[i])) : 0;
        ++i;
        for (std::size_t p = 0; p < pointers && i + 3 < f.size(); ++p, i += 4) {
            TWnPointer ptr;
            ptr.symbol = std::string(f[i]);
            ptr.targetOffset = std::uint32_t(std::stoul(std::string(f[i + 1])));
            ptr.targetPos = PosOfLetter(f[i + 2].empty() ? '?' : f[i + 2][0]);
            const unsigned st = unsigned(std::stoul(std::string(f[i + 3]), nullptr, 16));
            ptr.sourceWord = int(st >> 8);
            ptr.targetWord = int(st & 0xFF);
            s.pointers.push_back(std::move(ptr));
        }
        if (bar != std::string_view::npos)
            SplitGloss(line.substr(bar + 3), s.gloss, s.examples);
        byOffset_[{pos, s.offset}] = int(synsets_.size());
        synsets_.push_back(std::move(s));
    });
}

void TWordNetSource::ParseIndex(std::string_view text, int pos)
{
    ForEachLine(text, [&](std::string_view line) {
        if (line.empty() || line[0] == ' ')
            return;
        const std::vector<std::string_view> f = SplitOn(line, ' ');
        if (f.size() < 4)
            return;
        const std::size_t pointerKinds = std::stoul(std::string(f[3]));
        const std::size_t first = 4 + pointerKinds + 2;
        std::vector<std::uint32_t> &offsets =
            index_[{ReplaceAll(std::string(f[0]), '_', ' '), pos}];
        for (std::size_t i = first; i < f.size(); ++i)
            if (!f[i].empty())
                offsets.push_back(std::uint32_t(std::stoul(std::string(f[i]))));
    });
}

int TWordNetSource::Find(int pos, std::uint32_t offset) const
{
    const auto it = byOffset_.find({pos, offset});
    return it == byOffset_.end() ? -1 : it->second;
}

int TWordNetSource::Rank(const std::string &lemma, int pos, std::uint32_t offset) const
{
    const auto it = index_.find({lemma, pos});
    if (it == index_.end())
        return 1 << 20;
    const auto at = std::find(it->second.begin(), it->second.end(), offset);
    return at == it->second.end() ? 1 << 20 : int(at - it->second.begin());
}
