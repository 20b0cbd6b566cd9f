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

// "And quit." and "O, the night!" fold to "and quit" and "o the night".
std::string FoldedLine(std::string_view line)
{
    std::string out;
    for (const char c : line) {
        if (IsLetter(c) || (c >= '0' && c <= '9'))
            out.push_back(ToLowerAscii(std::string_view(&c, 1))[0]);
        else if (c == ' ' && !out.empty() && out.back() != ' ')
            out.push_back(' ');
    }
    if (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

bool EndsInFunctionWord(std::string_view line)
{
    static const std::set<std::string_view> words = {
        "a",    "an",   "and",  "as",    "at",    "but",   "by",    "for",    "from", "if",
        "in",   "into", "nor",  "of",    "on",    "or",    "than",  "that",   "the",  "to",
        "unto", "upon", "with", "which", "whose", "their", "your",  "our",    "its",  "his",
        "my",   "thy",  "her",  "whom",  "when",  "where", "while", "because"};
    return words.count(LastWordOfLine(line)) > 0;
}

// Quoted for verse in fewer than one quotation in 25: the verse-looking ones are prose cut at
// capitals (the Bible, Gibbon, Irving, Carlyle). Poets are often quoted by single lines, which
// do not count as verse quotations, so the share stays low for them too (Chaucer 14%).
constexpr double kMinVerseShare = 0.04;

} // namespace

bool IsWholeVerseLine(std::string_view line)
{
    const std::string folded = FoldedLine(line);
    const auto words = std::count(folded.begin(), folded.end(), ' ') + (folded.empty() ? 0 : 1);
    return words >= 4 && !EndsInFunctionWord(line);
}

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

TRhymeLineBuilder::TRhymeLineBuilder(const TCmuDictionary &cmu, const TOffensiveWords *offensive)
    : cmu_(cmu), offensive_(offensive)
{}

void TRhymeLineBuilder::AddQuotes(const std::vector<TGcideQuote> &quotes)
{
    std::map<std::string, std::pair<int, int>, std::less<>> counts; // writer -> verse, all
    for (const TGcideQuote &quote : quotes) {
        auto &[verse, all] = counts[ExpandAttribution(quote.attribution).author];
        verse += IsVerseQuote(quote);
        ++all;
    }
    for (const auto &[writer, count] : counts)
        if (count.first < kMinVerseShare * count.second)
            proseWriters_.insert(writer);
    for (const TGcideQuote &quote : quotes)
        AddQuote(quote);
}

void TRhymeLineBuilder::AddQuote(const TGcideQuote &quote)
{
    if (!IsVerseQuote(quote))
        return;
    const TLineSource source = ExpandAttribution(quote.attribution);
    if (source.excluded || source.author.empty() || proseWriters_.count(source.author))
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
    const std::string folded = FoldedLine(text);
    if (!IsWholeVerseLine(text) || text.find_first_of("#@") != std::string::npos ||
        seen_.count(folded))
        return;
    const auto *pronunciations = FindPronunciations(cmu_, LastWordOfLine(text));
    if (!pronunciations)
        return;
    const std::string group = GroupKey(FiledPronunciations(*pronunciations).front());
    if (group.empty())
        return;
    seen_.insert(folded);
    sources_.push_back(source);
    const bool offensive = offensive_ && offensive_->HasOffensiveWord(text);
    byGroup_[group].emplace_back(std::to_string(sources_.size()) + "@" + text, offensive);
}

TRhymeLineBuilder::TEntries TRhymeLineBuilder::Entries() const
{
    TEntries entries;
    for (const auto &[group, lines] : byGroup_) {
        std::string clean, all;
        bool offensive = false;
        for (const auto &[line, marked] : lines) {
            all += (all.empty() ? "" : "#") + line;
            if (!marked)
                clean += (clean.empty() ? "" : "#") + line;
            offensive = offensive || marked;
        }
        if (!clean.empty())
            entries[group] = clean;
        if (offensive)
            entries[group + "[O]"] = all;
    }
    for (std::size_t i = 0; i < sources_.size(); ++i)
        entries[std::to_string(i + 1) + "[P]"] = sources_[i];
    return entries;
}
