#include "WordUtils.h"

#include <array>
#include <cstring>

namespace WordUtils {

const char PosLetters[] = "nvarpcoix";

namespace {

const char *const LongNames[] = {"Noun",        "Verb",    "Adjective",    "Adverb", "Preposition",
                                 "Conjunction", "Pronoun", "Interjection", "Other"};
const char *const ShortNames[] = {"Noun",  "Verb",  "Adj.", "Adv.", "Prep.",
                                  "Conj.", "Pron.", "Int.", "Other"};
const char FlagTable[] = "0BACEUINZSVO000000";

std::array<char, 256> MakeKeyTable()
{
    std::array<char, 256> t{};
    for (int c = '0'; c <= '9'; ++c)
        t[c] = char(c);
    for (int c = 'A'; c <= 'Z'; ++c)
        t[c] = t[c + 32] = char(c);
    auto range = [&](int from, int to, char key) {
        for (int c = from; c <= to; ++c)
            t[c] = key;
    };
    range(0xC0, 0xC5, 'A'), range(0xE0, 0xE5, 'A');
    range(0xC7, 0xC7, 'C'), range(0xE7, 0xE7, 'C');
    range(0xC8, 0xCB, 'E'), range(0xE8, 0xEB, 'E');
    range(0xCC, 0xCF, 'I'), range(0xEC, 0xEF, 'I');
    range(0xD1, 0xD1, 'N'), range(0xF1, 0xF1, 'N');
    range(0xD2, 0xD6, 'O'), range(0xD8, 0xD8, 'O'), range(0xF2, 0xF6, 'O'), range(0xF8, 0xF8, 'O');
    range(0xD9, 0xDC, 'U'), range(0xF9, 0xFC, 'U');
    range(0x8A, 0x8A, 'S'), range(0x9A, 0x9A, 'S');
    range(0x8E, 0x8E, 'Z'), range(0x9E, 0x9E, 'Z');
    range(0x9F, 0x9F, 'Y'), range(0xFF, 0xFF, 'Y');
    return t;
}

const std::array<char, 256> &KeyTable()
{
    static const std::array<char, 256> table = MakeKeyTable();
    return table;
}

unsigned char AnsiUpper(unsigned char c)
{
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return c - 32;
    if (c == 0x9A || c == 0x9C || c == 0x9E)
        return c - 16;
    if (c == 0xFF)
        return 0x9F;
    return c;
}

struct TCode
{
    unsigned char code;
    const char *shown;
    const char *key;
};

// Codes that stand for something else than themselves; keys shared by two codes are one entry.
const TCode Codes[] = {
    {'A', "ey", "/ey/ day"},
    {'C', "ch", nullptr},
    {'D', "dh", "/dh/ that"},
    {'E', "eu", "/eu/ coiffeur"},
    {'I', "I", "/I/ eye"},
    {'N', "ng", "/ng/ sing"},
    {'O', "ow", "/ow/ own"},
    {'R', "ur", "/u/ agree"},
    {'S', "sh", nullptr},
    {'T', "th", nullptr},
    {'W', "aw", "/aw/ now"},
    {'X', "xh", nullptr},
    {'Y', "oy", "/oy/ boy"},
    {'Z', "zh", "/zh/ measure"},
    {'a', "a", "/a/ fat"},
    {'e', "e", "/e/ egg"},
    {'i', "i", "/i/ sit"},
    {'o', "o", "/o/ law"},
    {'u', "u", "/u/ agree"},
    {0xE4, "aa", "/aa/ arm"},
    {0xE8, "eh", "/eh/ air"},
    {0xEB, "ee", "/ee/ sleep"},
    {0xF2, "\xF3w", "/\xF3w/ cold"},
    {0xF3, "\xF3", "/\xF3/ orange"},
    {0xF6, "oo", "/oo/ food"},
    {0xFA, "\xFA", "/\xFA/ up"},
    {0xFB, "\xFB", "/\xFB/ put"},
};

const TCode *FindCode(unsigned char c)
{
    for (const TCode &code : Codes)
        if (code.code == c)
            return &code;
    return nullptr;
}

std::string Shown(unsigned char c, int dialect)
{
    switch (c) {
    case 0xAE:
        return dialect == 2 ? "r" : "(r)";
    case 0xE3:
        return dialect == 2 || dialect == 3 ? "a" : "\xE3";
    case 0xFF:
        return dialect == 1 ? "yoo" : dialect == 2 ? "oo" : "(y)oo";
    case ':':
        return " or ";
    }
    if (const TCode *code = FindCode(c))
        return code->shown;
    return std::string(1, char(c));
}

const char *KeyEntry(unsigned char c, int dialect)
{
    if (c == 0xE3)
        return dialect == 2 || dialect == 3 ? nullptr : "/\xE3/ past";
    if (c == 0xFF)
        return "/oo/ food";
    const TCode *code = FindCode(c);
    return code ? code->key : nullptr;
}

std::string Trim(std::string_view s)
{
    std::size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ')
        ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ')
        --e;
    return std::string(s.substr(b, e - b));
}

} // namespace

const char *LongPosName(int pos)
{
    return pos >= 0 && pos < PartsOfSpeech ? LongNames[pos] : "";
}

const char *ShortPosName(int pos)
{
    return pos >= 0 && pos < PartsOfSpeech ? ShortNames[pos] : "";
}

bool IsKeyChar(unsigned char c)
{
    return KeyTable()[c] != 0;
}

std::string SearchKey(std::string_view text)
{
    std::string key;
    key.reserve(text.size());
    for (unsigned char c : text) {
        if (c == '[')
            break;
        if (const char k = KeyTable()[c])
            key += k;
    }
    return key;
}

std::string UpperKey(std::string_view text)
{
    std::string key;
    key.reserve(text.size());
    for (unsigned char c : text) {
        if (c >= 'a' && c <= 'z')
            key += char(c - 32);
        else if (KeyTable()[c] || c == '[' || c == ']')
            key += char(c);
    }
    return key;
}

std::uint32_t ParseFlags(std::string_view letters)
{
    std::uint32_t flags = 0;
    for (char c : letters)
        if (const char *at = std::strchr(FlagTable, c); at && c)
            flags |= 1u << (at - FlagTable);
    return flags;
}

std::string FlagLetters(std::uint32_t flags)
{
    std::string letters;
    for (int bit = 0; bit < 18; ++bit)
        if (flags & (1u << bit))
            letters += FlagTable[bit];
    return letters;
}

std::string FlagLabels(std::uint32_t flags)
{
    std::string text;
    auto has = [&](std::uint32_t bit) { return (flags & bit) != 0; };
    if (has(FlagBrit))
        text += "Brit, ";
    else if (has(FlagUK))
        text += "UK, ";
    if (has(FlagUS) && has(FlagCan))
        text += "N. Amer, ";
    else if (has(FlagUS))
        text += "US, ";
    else if (has(FlagCan))
        text += "Can, ";
    const std::pair<int, const char *> rest[] = {
        {5, "Austral, "}, {7, "NZ, "},      {6, "Ireland, "},   {8, "S.Africa, "},
        {9, "Asia, "},    {10, "vulgar, "}, {11, "offensive, "}};
    for (const auto &[bit, label] : rest)
        if (has(1u << bit))
            text += label;
    if (text.size() >= 2)
        text.resize(text.size() - 2);
    return text;
}

std::uint32_t RegionalPart(std::uint32_t flags)
{
    const std::uint32_t regional = flags & RegionalFlags;
    return regional ? regional : RegionalFlags;
}

namespace {

std::string_view FlagPart(std::string_view info)
{
    const std::size_t slash = info.find('\\');
    return slash == std::string_view::npos ? std::string_view() : info.substr(slash + 1);
}

} // namespace

std::uint32_t FlagsFor(std::string_view info, char posLetter)
{
    std::string_view part = FlagPart(info);
    if (part.size() >= 2 && part[1] == '|') {
        if (part[0] != posLetter)
            return 0;
        part.remove_prefix(2);
    }
    return ParseFlags(part.substr(0, part.find('=')));
}

std::string VariantOf(std::string_view info)
{
    const std::string_view part = FlagPart(info);
    const std::size_t eq = part.find('=');
    return eq == std::string_view::npos ? std::string() : std::string(part.substr(eq + 1));
}

std::string PronunciationFor(std::string_view info, char posLetter, int dialect)
{
    const std::string_view part = info.substr(0, info.find('\\'));
    std::string first;
    bool haveFirst = false;
    std::string result;
    bool found = false;
    for (const std::string &line : Split(part, '\n')) {
        if (line.size() >= 3 && line[0] == '[' && line[2] == ']') {
            if (line[1] == posLetter && !found) {
                result = line.substr(3);
                found = true;
            }
        } else if (!haveFirst) {
            first = line;
            haveFirst = true;
        }
    }
    if (!found)
        result = first;
    const std::size_t bar = result.find('|');
    if (bar != std::string::npos) {
        if (dialect == 1 || dialect == 6)
            return result.substr(bar + 1);
        if (dialect == 2 || dialect == 3)
            return result.substr(0, bar);
    }
    return result;
}

std::string ShowPronunciation(std::string_view codes, int dialect)
{
    std::string text;
    bool british = false;
    for (unsigned char c : codes) {
        if (c == '|') {
            text += " [N. Amer], ";
            british = true;
        } else {
            text += Shown(c, dialect);
        }
    }
    if (british)
        text += " [Brit]";
    return text;
}

std::string PronunciationKey(std::string_view codes, int dialect, bool keyOnly)
{
    std::string respelling, key, britSuffix;
    std::vector<const char *> used;
    std::size_t keyLineStart = 0;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(codes[i]);
        if (c == ':') {
            respelling += '\n';
            continue;
        }
        if (c == '|') {
            respelling += "[N. Amer]\n";
            britSuffix = " [Brit]";
            continue;
        }
        const std::string shown = Shown(c, dialect);
        respelling += shown;
        const char last = shown.empty() ? ' ' : shown.back();
        const bool beforeClose = i + 1 < codes.size() && codes[i + 1] == ')';
        if (!std::strchr(" '([]`", last) && !beforeClose)
            respelling += ' ';
        const char *entry = KeyEntry(c, dialect);
        if (!entry)
            continue;
        bool seen = false;
        for (const char *u : used)
            seen = seen || std::strcmp(u, entry) == 0;
        if (seen)
            continue;
        used.push_back(entry);
        if (key.size() - keyLineStart >= 40) {
            key += '\n';
            keyLineStart = key.size();
        }
        key += entry;
        key += ' ';
    }
    if (keyOnly)
        return "Key: " + Trim(key);
    std::string text = Trim(respelling);
    if (!used.empty())
        text += britSuffix + "\n\nKey: " + Trim(key);
    return text;
}

int ContainsWord(std::string_view form, std::string_view text)
{
    if (form.empty() || form.size() > text.size())
        return 0;
    for (std::size_t at = 0; at + form.size() <= text.size(); ++at) {
        bool same = true;
        for (std::size_t k = 0; k < form.size() && same; ++k)
            same = AnsiUpper(static_cast<unsigned char>(text[at + k])) ==
                   AnsiUpper(static_cast<unsigned char>(form[k]));
        if (!same)
            continue;
        const bool before = at > 0 && IsKeyChar(static_cast<unsigned char>(text[at - 1]));
        const std::size_t end = at + form.size();
        const bool after = end < text.size() && IsKeyChar(static_cast<unsigned char>(text[end]));
        if (!before && !after)
            return int(at) + 1;
    }
    return 0;
}

std::vector<std::string> Split(std::string_view text, char separator)
{
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t at = text.find(separator, start);
        if (at == std::string_view::npos) {
            pieces.emplace_back(text.substr(start));
            break;
        }
        pieces.emplace_back(text.substr(start, at - start));
        start = at + 1;
    }
    return pieces;
}

std::string Join(const std::vector<std::string> &list, std::string_view separator)
{
    std::string out;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (i)
            out += separator;
        out += list[i];
    }
    return out;
}

std::string QuotedExample(std::string_view example)
{
    std::string quoted = "\"" + std::string(example);
    if (example.find('"') == std::string_view::npos)
        quoted += '"';
    return quoted;
}

} // namespace WordUtils
