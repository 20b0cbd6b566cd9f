#include "SyllableTable.h"

#include "DIAnsiStringHash.h"
#include "Syllables.h"

#include <algorithm>
#include <array>

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
        "the",  "a",  "an",  "and", "of", "to",  "in",  "on",  "at",   "by",  "for",
        "with", "is", "was", "are", "i",  "my",  "his", "her", "its",  "our", "their",
        "your", "it", "as",  "but", "or", "nor", "if",  "so",  "than", "that"};
    return std::find(std::begin(kWords), std::end(kWords), word) != std::end(kWords);
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

// The sound of one word: its stress digits from the table, or else its count by the rule.
struct TWordSound
{
    std::string_view key;
    std::string_view stress;
    int ruleCount = 0;

    int Count() const { return stress.empty() ? ruleCount : int(stress.size()); }
};

// Splits a line into words; an apostrophe between two word characters stays inside the word.
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
            if (end - p < 2 || *p != u'\'' || !IsWordChar(p[1]))
                break;
            ++p;
        }
        fn(start, p);
    }
}

} // namespace

std::string_view TSyllableTable::Stress(std::string_view word) const
{
    return words_ ? words_->Lookup(word) : std::string_view();
}

namespace {

// Finds the sound of a word, or of each part of a hyphenated word the table lacks.
template <typename Fn>
void SoundsOf(const TSyllableTable &table, const char16_t *begin, const char16_t *end, Fn fn)
{
    TKey key;
    TWordSound sound;
    sound.key = KeyOf(begin, end, key);
    if (!sound.key.empty()) {
        sound.stress = table.Stress(sound.key);
        // A possessive the table lacks sounds like its word.
        if (sound.stress.empty() && sound.key.size() > 2 && sound.key.ends_with("'s"))
            sound.stress = table.Stress(sound.key.substr(0, sound.key.size() - 2));
        if (!sound.stress.empty())
            return fn(sound);
    }
    if (const char16_t *hyphen = std::find(begin, end, u'-'); hyphen != end) {
        if (hyphen != begin)
            SoundsOf(table, begin, hyphen, fn);
        if (hyphen + 1 != end)
            SoundsOf(table, hyphen + 1, end, fn);
        return;
    }
    sound.ruleCount = CountLineSyllables(
        QString::fromRawData(reinterpret_cast<const QChar *>(begin), end - begin));
    fn(sound);
}

} // namespace

int TSyllableTable::CountLine(const QString &line) const
{
    int total = 0;
    ForEachWord(line, [&](const char16_t *begin, const char16_t *end) {
        SoundsOf(*this, begin, end, [&total](const TWordSound &sound) { total += sound.Count(); });
    });
    return total;
}

QString TSyllableTable::MeterOfLine(const QString &line) const
{
    QString meter;
    const auto add = [&meter](const TWordSound &sound) {
        const int count = sound.Count();
        if (count == 1 && IsFunctionWord(sound.key))
            meter += u'x';
        else if (sound.stress.empty())
            for (int i = 0; i < count; ++i)
                meter += i == 0 ? u'/' : u'x';
        else
            for (const char digit : sound.stress)
                meter += digit == '0' ? u'x' : u'/';
    };
    ForEachWord(line, [&](const char16_t *begin, const char16_t *end) {
        SoundsOf(*this, begin, end, add);
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
