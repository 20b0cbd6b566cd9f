#include "RhymeLineBuilder.h"

#include "AuthorNames.h"
#include "RhymeDictionaryBuilder.h"
#include "RhymeKey.h"
#include "TextUtils.h"

#include <algorithm>

namespace {

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsPlainAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The two fields of a source record are joined by "@" and lists are split at "#".
std::string WithoutSeparators(std::string text)
{
    std::erase_if(text, [](char c) { return c == '@' || c == '#'; });
    return text;
}

} // namespace

std::string LastWordOfLine(std::string_view line)
{
    const std::vector<std::string_view> words = SplitOn(line, ' ');
    for (auto it = words.rbegin(); it != words.rend(); ++it) {
        std::string_view word = *it;
        const auto keep = [](char c) { return IsLetter(c) || c == '\'' || c == '-'; };
        while (!word.empty() && !keep(word.back()))
            word.remove_suffix(1);
        while (!word.empty() && !keep(word.front()))
            word.remove_prefix(1);
        if (std::any_of(word.begin(), word.end(), IsLetter))
            return ToLowerAscii(word);
    }
    return {};
}

TRhymeLineBuilder::TRhymeLineBuilder(const TCmuDictionary &cmu) : cmu_(cmu) {}

void TRhymeLineBuilder::AddQuote(const TGcideQuote &quote)
{
    if (!IsVerseQuote(quote))
        return;
    const TLineSource source = ExpandAttribution(quote.attribution);
    if (source.excluded || source.author.empty())
        return;
    const std::string record =
        WithoutSeparators(source.author) + "@" + WithoutSeparators(source.title);
    for (const std::string &line : quote.lines)
        AddLine(line, record);
}

void TRhymeLineBuilder::AddLine(std::string_view raw, const std::string &source)
{
    // A handful of source lines carry stray 8-bit bytes of unknown encoding.
    if (!IsPlainAscii(raw))
        return;
    const std::string text = StripGcideMarkup(raw);
    if (text.empty() || text.find_first_of("#@") != std::string::npos || seen_.count(text))
        return;
    const auto *pronunciations = FindPronunciations(cmu_, LastWordOfLine(text));
    if (!pronunciations)
        return;
    const std::string group = GroupKey(FiledPronunciations(*pronunciations).front());
    if (group.empty())
        return;
    seen_.insert(text);
    sources_.push_back(source);
    byGroup_[group].push_back(std::to_string(sources_.size()) + "@" + text);
}

TRhymeLineBuilder::TEntries TRhymeLineBuilder::Entries() const
{
    TEntries entries;
    for (const auto &[group, lines] : byGroup_) {
        std::string joined;
        for (const std::string &line : lines) {
            if (!joined.empty())
                joined.push_back('#');
            joined += line;
        }
        entries[group] = joined;
    }
    for (std::size_t i = 0; i < sources_.size(); ++i)
        entries[std::to_string(i + 1) + "[P]"] = sources_[i];
    return entries;
}
