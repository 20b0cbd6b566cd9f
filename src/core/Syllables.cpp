#include "Syllables.h"

#include <array>

namespace {

enum TCharClass : unsigned char
{
    Delimiter,
    Consonant,
    Vowel
};

constexpr std::array<TCharClass, 256> MakeClassTable()
{
    std::array<TCharClass, 256> table{};
    for (int ch = 0; ch < 256; ++ch)
        table[ch] = Consonant;
    const auto delimit = [&table](int from, int to) {
        for (int ch = from; ch <= to; ++ch)
            table[ch] = Delimiter;
    };
    delimit(0, 0);
    delimit(9, 10);
    delimit(13, 13);
    delimit(32, 37);
    delimit(39, 44);
    delimit(46, 47);
    delimit(58, 64);
    delimit(91, 96);
    delimit(123, 126);
    for (const char ch : {'A', 'E', 'I', 'O', 'U', 'Y', 'a', 'e', 'i', 'o', 'u', 'y'})
        table[static_cast<unsigned char>(ch)] = Vowel;
    return table;
}

constexpr std::array<TCharClass, 256> kClass = MakeClassTable();

// Characters beyond the 8-bit range belong to words and are never vowels.
TCharClass ClassOf(char16_t ch)
{
    return ch < 256 ? kClass[ch] : Consonant;
}

// Counts the vowel groups of one word as it streams past, then applies the final-e and -ed
// corrections from its last two characters.
class TWordCounter
{
public:
    void Add(char16_t ch, TCharClass cls)
    {
        if (cls == Vowel && !prevVowel_)
            ++groups_;
        prevVowel_ = cls == Vowel;
        beforeLast_ = last_;
        last_ = ch;
    }

    int Finish()
    {
        int n = groups_;
        if (n > 1 && (last_ == u'e' || (last_ == u'd' && beforeLast_ == u'e')))
            --n;
        *this = TWordCounter();
        return n;
    }

private:
    int groups_ = 0;
    bool prevVowel_ = false;
    char16_t last_ = 0;
    char16_t beforeLast_ = 0;
};

template <typename Char, typename Classify>
int CountLine(const Char *p, const Char *end, Classify classify)
{
    int total = 0;
    TWordCounter word;
    bool inWord = false;
    for (; p != end; ++p) {
        const auto ch = static_cast<char16_t>(*p);
        const TCharClass cls = classify(ch);
        if (cls == Delimiter) {
            if (inWord)
                total += word.Finish();
            inWord = false;
            continue;
        }
        inWord = true;
        word.Add(ch, cls);
    }
    if (inWord)
        total += word.Finish();
    return total;
}

} // namespace

bool IsSyllableVowel(unsigned char ch)
{
    return kClass[ch] == Vowel;
}

bool IsWordDelimiter(unsigned char ch)
{
    return kClass[ch] == Delimiter;
}

int CountWordSyllables(std::string_view word)
{
    TWordCounter counter;
    for (const char c : word) {
        const auto ch = static_cast<unsigned char>(c);
        counter.Add(ch, kClass[ch] == Vowel ? Vowel : Consonant);
    }
    return counter.Finish();
}

int CountLineSyllables(std::string_view line)
{
    const auto *p = reinterpret_cast<const unsigned char *>(line.data());
    return CountLine(p, p + line.size(), [](char16_t ch) { return kClass[ch]; });
}

int CountLineSyllables(const QString &line)
{
    const auto *p = reinterpret_cast<const char16_t *>(line.constData());
    return CountLine(p, p + line.size(), ClassOf);
}
