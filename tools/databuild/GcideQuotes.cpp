#include "GcideQuotes.h"

#include "TextUtils.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <memory>
#include <stdexcept>

std::string ReadDictzip(const std::string &path)
{
    const std::unique_ptr<gzFile_s, int (*)(gzFile)> file(gzopen(path.c_str(), "rb"), gzclose);
    if (!file)
        throw std::runtime_error("cannot open " + path);
    gzbuffer(file.get(), 1 << 20);
    std::string out;
    std::array<char, 1 << 16> chunk;
    for (;;) {
        const int n = gzread(file.get(), chunk.data(), chunk.size());
        if (n < 0)
            throw std::runtime_error("cannot decompress " + path);
        if (n == 0)
            return out;
        out.append(chunk.data(), n);
    }
}

namespace {

constexpr std::size_t kMinQuoteIndent = 8;   // definitions sit at 3 or 6 columns
constexpr std::size_t kMinCreditColumn = 30; // wrapped author names are right-aligned

std::size_t IndentOf(std::string_view line)
{
    const std::size_t first = line.find_first_not_of(' ');
    return first == std::string_view::npos ? line.size() : first;
}

bool EndsBlock(std::string_view line)
{
    const std::string_view t = Trim(line);
    return t.empty() || t.starts_with("[1913 Webster") || t.starts_with("[Webster 1913");
}

bool IsWebsterTag(std::string_view line)
{
    const std::string_view t = Trim(line);
    return t.starts_with("[1913 Webster") || t.starts_with("[Webster 1913");
}

// Position of the attribution "--X" (X a capital letter) after a blank or at the start.
std::size_t CreditStart(std::string_view line)
{
    for (std::size_t pos = line.find("--"); pos != std::string_view::npos;
         pos = line.find("--", pos + 2)) {
        const bool blankBefore = pos == 0 || line[pos - 1] == ' ';
        const bool capitalAfter =
            pos + 2 < line.size() && line[pos + 2] >= 'A' && line[pos + 2] <= 'Z';
        if (blankBefore && capitalAfter)
            return pos;
    }
    return std::string_view::npos;
}

// A paragraph of source lines; returns a quote when it is one.
bool ParseQuote(const std::vector<std::string_view> &block, TGcideQuote &quote)
{
    if (block.empty() || IndentOf(block.front()) < kMinQuoteIndent)
        return false;
    std::size_t creditLine = block.size();
    for (std::size_t i = block.size(); i-- > 0;)
        if (CreditStart(block[i]) != std::string_view::npos) {
            creditLine = i;
            break;
        }
    if (creditLine == block.size())
        return false;
    const std::string_view last = block[creditLine];
    const std::size_t credit = CreditStart(last);
    quote.lines.clear();
    quote.ends.clear();
    const auto addLine = [&quote](std::string_view source) {
        const std::string_view text = Trim(source);
        if (text.empty())
            return;
        quote.lines.emplace_back(text);
        quote.ends.push_back(source.find_last_not_of(' ') + 1);
    };
    for (std::size_t i = 0; i < creditLine; ++i)
        addLine(block[i]);
    addLine(last.substr(0, credit));
    quote.attribution = std::string(Trim(last.substr(credit + 2)));
    for (std::size_t i = creditLine + 1; i < block.size(); ++i) {
        if (IndentOf(block[i]) < kMinCreditColumn)
            break;
        quote.attribution += ' ';
        quote.attribution += Trim(block[i]);
    }
    quote.attribution = CollapseSpaces(quote.attribution);
    return !quote.lines.empty();
}

} // namespace

std::vector<TGcideQuote> ExtractGcideQuotes(std::string_view dictText)
{
    std::vector<TGcideQuote> quotes;
    std::vector<std::string_view> block;
    ForEachLine(dictText, [&](std::string_view line) {
        if (!EndsBlock(line)) {
            block.push_back(line);
            return;
        }
        TGcideQuote quote;
        if (IsWebsterTag(line) && ParseQuote(block, quote))
            quotes.push_back(std::move(quote));
        block.clear();
    });
    return quotes;
}

namespace {

constexpr std::size_t kProseRightMargin = 64;

bool StartsWithCapital(std::string_view line)
{
    const std::size_t first = line.find_first_not_of("\"'([{ ");
    return first != std::string_view::npos && line[first] >= 'A' && line[first] <= 'Z';
}

bool IsFunctionWord(std::string_view word)
{
    static constexpr std::array<std::string_view, 64> words = {
        "a",     "about", "an",    "and",    "are", "as",   "at",   "be",   "been",  "but",
        "by",    "can",   "could", "did",    "do",  "for",  "from", "had",  "has",   "hath",
        "have",  "he",    "her",   "his",    "i",   "if",   "in",   "into", "is",    "it",
        "its",   "may",   "might", "my",     "no",  "nor",  "not",  "of",   "on",    "or",
        "our",   "shall", "she",   "should", "so",  "than", "that", "the",  "their", "these",
        "they",  "this",  "those", "thy",    "to",  "unto", "upon", "was",  "we",    "were",
        "which", "with",  "would", "your"};
    const std::string lower = ToLowerAscii(word);
    return std::find(words.begin(), words.end(), lower) != words.end();
}

std::string_view LastWord(std::string_view line)
{
    const std::size_t space = line.rfind(' ');
    return space == std::string_view::npos ? line : line.substr(space + 1);
}

// A line broken where the next word no longer fit, in the middle of a phrase.
bool IsProseBreak(const TGcideQuote &quote, std::size_t i)
{
    const std::string_view next = quote.lines[i + 1];
    const std::size_t nextWord = std::min(next.find(' '), next.size());
    const std::string_view last = LastWord(quote.lines[i]);
    const bool filled = quote.ends[i] + 1 + nextWord > kProseRightMargin;
    return filled && (IsFunctionWord(last) || last.starts_with('('));
}

} // namespace

bool IsVerseQuote(const TGcideQuote &quote)
{
    if (quote.lines.size() < 2)
        return false;
    for (const std::string &line : quote.lines)
        if (!StartsWithCapital(line))
            return false;
    for (std::size_t i = 0; i + 1 < quote.lines.size(); ++i)
        if (IsProseBreak(quote, i))
            return false;
    return true;
}

namespace {

void AppendUtf8(std::string &out, char32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
        return;
    }
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
}

struct TAccent
{
    char mark;
    std::string_view letters;
    std::u32string_view codes; // Latin-1 lower-case forms; upper case is 0x20 below
};

constexpr std::array<TAccent, 6> kAccents = {{
    {'\'', "aeiouy", U"\u00e1\u00e9\u00ed\u00f3\u00fa\u00fd"},
    {'`', "aeiou", U"\u00e0\u00e8\u00ec\u00f2\u00f9"},
    {'"', "aeiou", U"\u00e4\u00eb\u00ef\u00f6\u00fc"},
    {'^', "aeiou", U"\u00e2\u00ea\u00ee\u00f4\u00fb"},
    {'~', "aon", U"\u00e3\u00f5\u00f1"},
    {',', "c", U"\u00e7"},
}};

// Appends the letter a GCIDE character code stands for; false when code is not one.
bool AppendCharacterCode(std::string &out, std::string_view code)
{
    static constexpr std::array<std::pair<std::string_view, char32_t>, 4> ligatures = {
        {{"ae", U'\u00e6'}, {"AE", U'\u00c6'}, {"oe", U'\u0153'}, {"OE", U'\u0152'}}};
    for (const auto &[name, cp] : ligatures)
        if (code == name) {
            AppendUtf8(out, cp);
            return true;
        }
    if (code.size() != 2)
        return false;
    const char lower = ToLowerAscii(code.substr(1, 1))[0];
    const bool upper = code[1] != lower;
    for (const TAccent &accent : kAccents) {
        const std::size_t i = accent.letters.find(lower);
        if (accent.mark == code[0] && i != std::string_view::npos) {
            AppendUtf8(out, accent.codes[i] - (upper ? 0x20 : 0));
            return true;
        }
    }
    // Pronunciation marks (macron, breve, dot): the plain letter.
    const bool markFirst = std::string_view("=.-").find(code[0]) != std::string_view::npos;
    const bool markLast = code[1] == '^' && std::isalpha(static_cast<unsigned char>(code[0]));
    if (markFirst && std::isalpha(static_cast<unsigned char>(code[1])))
        out.push_back(code[1]);
    else if (markLast)
        out.push_back(code[0]);
    return markFirst || markLast;
}

std::string RemoveSpaceBeforePunctuation(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool spaceBeforeMark =
            text[i] == ' ' && i + 1 < text.size() && i > 0 &&
            std::string_view("!?;:,").find(text[i + 1]) != std::string_view::npos;
        if (!spaceBeforeMark)
            out.push_back(text[i]);
    }
    return out;
}

} // namespace

std::string StripGcideMarkup(std::string_view line)
{
    std::string out;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '{' || c == '}' || c == '\\' || c == ']')
            continue;
        if (c == '[') {
            const std::size_t close = line.find(']', i);
            if (close != std::string_view::npos &&
                AppendCharacterCode(out, line.substr(i + 1, close - i - 1))) {
                i = close;
            }
            continue;
        }
        out.push_back(c);
    }
    return RemoveSpaceBeforePunctuation(CollapseSpaces(out));
}
