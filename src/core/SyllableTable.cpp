#include "SyllableTable.h"

#include "DIAnsiStringHash.h"
#include "Syllables.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <utility>

namespace {

// Longer words are not in the table; they go by the rule.
constexpr std::size_t kMaxKey = 48;

using TKey = std::array<char, kMaxKey>;

bool IsWordChar(char16_t ch)
{
    return ch >= 256 || !IsWordDelimiter(static_cast<unsigned char>(ch));
}

// One-syllable words that carry no stress in a line of verse.
bool IsFunctionWord(std::string_view word)
{
    static constexpr std::string_view kWords[] = {
        "the",  "a",     "an",   "and",  "of",    "to",   "in",   "on",  "at",   "by",
        "for",  "with",  "is",   "was",  "are",   "i",    "my",   "his", "her",  "its",
        "our",  "their", "your", "it",   "as",    "but",  "or",   "nor", "if",   "so",
        "than", "that",  "he",   "she",  "we",    "you",  "me",   "him", "us",   "them",
        "thee", "thou",  "thy",  "be",   "shall", "will", "can",  "do",  "have", "hath",
        "had",  "may",   "must", "from", "not",   "o'er", "when", "who", "what"};
    return std::find(std::begin(kWords), std::end(kWords), word) != std::end(kWords);
}

// Elisions whose spelling the poet chose over the dictionary's count; "" is no syllable
// (th' joins the next word).
std::string_view FixedElision(std::string_view word)
{
    static constexpr std::pair<std::string_view, std::string_view> kElisions[] = {
        {"o'er", "1"},   {"e'er", "1"},   {"ne'er", "1"},
        {"heav'n", "1"}, {"ev'ry", "10"}, {"th'", ""}};
    for (const auto &[spelling, stress] : kElisions)
        if (spelling == word)
            return stress; // never null, also when empty
    return {};
}

// An accented letter as the table spells it ("é" as "e"), the typographic apostrophe as "'";
// 0 for anything else beyond ASCII.
char16_t AsciiOf(char16_t ch)
{
    if (ch < 128)
        return ch;
    if (ch == u'\u2019')
        return u'\'';
    const QString decomposed = QChar(ch).decomposition();
    return !decomposed.isEmpty() && decomposed.at(0).unicode() < 128 ? decomposed.at(0).unicode()
                                                                     : 0;
}

// The table's spelling of a word, lower-cased; empty when the word holds characters the table
// never does or is too long for it.
std::string_view KeyOf(const char16_t *begin, const char16_t *end, TKey &key)
{
    const auto length = std::size_t(end - begin);
    if (length > key.size())
        return {};
    for (std::size_t i = 0; i < length; ++i) {
        const char16_t ch = AsciiOf(begin[i]);
        if (ch == 0)
            return {};
        key[i] = (ch >= 'A' && ch <= 'Z') ? char(ch - 'A' + 'a') : char(ch);
    }
    return {key.data(), length};
}

// The sound of one word: its pronunciations from the table, or else its count by the rule.
struct TWordSound
{
    std::string_view key;   // the table's spelling; the function-word test reads it
    std::string_view value; // every pronunciation's stress digits, "#"-separated
    int ruleCount = 0;      // the count when value is empty
    bool syncope = false;   // may lose an unstressed vowel in verse (mem'ry, wand'ring)

    std::string_view Stress() const { return value.substr(0, value.find('#')); }
    int Count() const { return value.empty() ? ruleCount : int(Stress().size()); }

    template <typename Fn> void ForEachCount(Fn fn) const
    {
        if (syncope)
            fn(Count() - 1);
        if (value.empty())
            return fn(ruleCount);
        for (std::size_t from = 0; from <= value.size();) {
            const std::size_t to = std::min(value.find('#', from), value.size());
            if (to > from)
                fn(int(to - from));
            from = to + 1;
        }
    }
};

// Splits a line into words; an apostrophe between two word characters stays inside the word,
// and one right after a word ends it (th', lovers').
template <typename Fn> void ForEachWord(const QString &line, Fn fn)
{
    const auto *p = reinterpret_cast<const char16_t *>(line.constData());
    const char16_t *end = p + line.size();
    while (p != end) {
        while (p != end && !IsWordChar(*p))
            ++p;
        if (p == end)
            return;
        const char16_t *start = p;
        for (;;) {
            while (p != end && IsWordChar(*p))
                ++p;
            if (p == end || *p != u'\'')
                break;
            ++p;
            if (p == end || !IsWordChar(*p))
                break;
        }
        fn(start, p);
    }
}

QString RawText(const char16_t *begin, const char16_t *end)
{
    return QString::fromRawData(reinterpret_cast<const QChar *>(begin), end - begin);
}

// Counts a spelling whose apostrophes stand for dropped letters by the rule over the letters
// that are left: "heav'n" sounds as one vowel group.
int RuleCountJoined(std::string_view spelling)
{
    std::string joined(spelling);
    std::erase(joined, '\'');
    return CountLineSyllables(std::string_view(joined));
}

template <typename Fn>
void PartSound(const TSyllableTable &table, const char16_t *begin, const char16_t *end, Fn &fn);

// The sound of a whole spelling, not split at its hyphens; false when neither the table nor
// an elision knows it.
template <typename Fn>
bool WholeSound(const TSyllableTable &table, const char16_t *begin, const char16_t *end, Fn &fn)
{
    // A grave accent sounds the ending the word would swallow: wingèd, belovèd.
    if (end - begin > 2 && end[-1] == u'd' && end[-2] == u'\u00e8') {
        PartSound(table, begin, end - 2, fn);
        fn(TWordSound{"-ed", "0", 0});
        return true;
    }
    TKey buffer;
    const std::string_view key = KeyOf(begin, end, buffer);
    if (key.empty())
        return false;
    if (const std::string_view fixed = FixedElision(key); fixed.data()) {
        fn(TWordSound{key, fixed, 0});
        return true;
    }
    if (const std::string_view value = table.Pronunciations(key); !value.empty()) {
        fn(TWordSound{key, value, 0});
        return true;
    }
    if (key == "&") {
        fn(TWordSound{"and", table.Pronunciations("and"), 1});
        return true;
    }
    // A possessive the table lacks sounds like its word.
    if (key.size() > 2 && key.ends_with("'s"))
        if (const std::string_view value = table.Pronunciations(key.substr(0, key.size() - 2));
            !value.empty()) {
            fn(TWordSound{key, value, 0});
            return true;
        }
    if (key.find('-') != std::string_view::npos || key.find('\'') == std::string_view::npos)
        return false;
    // Elisions: th'expanse, lovers', dimm'd and grow'st sound as their letters before the mark.
    if (key.size() > 3 && key.starts_with("th'")) {
        fn(TWordSound{"th'", {}, 0});
        PartSound(table, begin + 3, end, fn);
    } else if (key.ends_with('\''))
        PartSound(table, begin, end - 1, fn);
    else if (key.size() > 2 && key.ends_with("'d"))
        PartSound(table, begin, end - 2, fn);
    else if (key.size() > 3 && key.ends_with("'st"))
        PartSound(table, begin, end - 3, fn);
    else
        fn(TWordSound{key, {}, RuleCountJoined(key)});
    return true;
}

// A part of a word: its whole sound, or else its count by the rule.
template <typename Fn>
void PartSound(const TSyllableTable &table, const char16_t *begin, const char16_t *end, Fn &fn)
{
    if (begin == end || WholeSound(table, begin, end, fn))
        return;
    TKey buffer;
    fn(TWordSound{KeyOf(begin, end, buffer), {}, CountLineSyllables(RawText(begin, end))});
}

// The sounds of a word, or of the parts of a hyphenated word the table lacks: each rest after
// a hyphen is tried whole first ("well-to-do"). A loop, as a line may hold any number of
// hyphens.
template <typename Fn>
void SoundsOf(const TSyllableTable &table, const char16_t *begin, const char16_t *end, Fn fn)
{
    if (WholeSound(table, begin, end, fn))
        return;
    for (const char16_t *p = begin;;) {
        const char16_t *hyphen = std::find(p, end, u'-');
        if (hyphen == end) {
            TKey buffer;
            fn(TWordSound{KeyOf(p, end, buffer), {}, CountLineSyllables(RawText(p, end))});
            return;
        }
        PartSound(table, p, hyphen, fn);
        p = hyphen + 1;
        if (p == end || WholeSound(table, p, end, fn))
            return;
    }
}

// Words whose unstressed vowel verse often drops: mem'ry, wand'ring, dang'rous (of three
// syllables or more), heav'n, driv'n, e'en.
bool MaySyncopate(const TWordSound &sound)
{
    static constexpr std::string_view kEndings[] = {"ory",   "ery",   "ary",   "ories",
                                                    "eries", "aries", "ering", "erous"};
    if (sound.Count() == 2 && sound.key.ends_with("ven"))
        return true;
    return sound.Count() >= 3 &&
           std::any_of(std::begin(kEndings), std::end(kEndings),
                       [&](std::string_view ending) { return sound.key.ends_with(ending); });
}

template <typename Fn> void ForEachSound(const TSyllableTable &table, const QString &line, Fn fn)
{
    if (IsSectionLabel(line))
        return;
    const auto marked = [&fn](TWordSound sound) {
        sound.syncope = MaySyncopate(sound);
        fn(sound);
    };
    ForEachWord(line, [&](const char16_t *begin, const char16_t *end) {
        SoundsOf(table, begin, end, marked);
    });
}

bool StartsWithVowel(std::string_view key)
{
    return !key.empty() && std::string_view("aeiou").find(key.front()) != std::string_view::npos;
}

} // namespace

bool IsSectionLabel(const QString &line)
{
    const QString trimmed = line.trimmed();
    return trimmed.size() >= 2 && trimmed.front() == u'[' && trimmed.back() == u']';
}

std::string_view TSyllableTable::Pronunciations(std::string_view word) const
{
    return words_ ? words_->Lookup(word) : std::string_view();
}

std::string_view TSyllableTable::Stress(std::string_view word) const
{
    const std::string_view value = Pronunciations(word);
    return value.substr(0, value.find('#'));
}

int TSyllableTable::CountLine(const QString &line) const
{
    int total = 0;
    ForEachSound(*this, line, [&total](const TWordSound &sound) { total += sound.Count(); });
    return total;
}

TLineCounts TSyllableTable::CountsOfLine(const QString &line) const
{
    TLineCounts counts;
    counts.sums.set(0);
    const auto add = [&counts](const TWordSound &sound, bool elided) {
        std::bitset<TLineCounts::kTracked> sums;
        int low = -1, high = 0;
        const auto reach = [&](int count) {
            if (count < TLineCounts::kTracked)
                sums |= counts.sums << std::size_t(count);
            low = low < 0 ? count : std::min(low, count);
            high = std::max(high, count);
        };
        sound.ForEachCount(reach);
        if (elided)
            reach(0);
        counts.sums = sums;
        counts.first += sound.Count();
        counts.min += std::max(low, 0);
        counts.max += high;
    };
    // "the" before a vowel may join the next word, as poets write th'.
    std::optional<TWordSound> article;
    ForEachSound(*this, line, [&](const TWordSound &sound) {
        if (article)
            add(*article, StartsWithVowel(sound.key));
        article.reset();
        if (sound.key == "the" && sound.Count() == 1) {
            article = sound;
            article->key = "the"; // the sound's own key does not outlive the call
        } else
            add(sound, false);
    });
    if (article)
        add(*article, false);
    return counts;
}

QString TSyllableTable::MeterOfLine(const QString &line) const
{
    QString meter;
    ForEachSound(*this, line, [&meter](const TWordSound &sound) {
        const int count = sound.Count();
        if (count == 1 && IsFunctionWord(sound.key))
            meter += u'x';
        else if (sound.value.empty())
            for (int i = 0; i < count; ++i)
                meter += i == 0 ? u'/' : u'x';
        else
            for (const char digit : sound.Stress())
                meter += digit == '0' ? u'x' : digit == '2' ? u'\\' : u'/';
    });
    return meter;
}

std::string TSyllableTable::StressDigits(std::string_view phonemes)
{
    std::string digits;
    for (const char ch : phonemes)
        if (ch >= '0' && ch <= '2')
            digits += ch;
    return digits;
}
