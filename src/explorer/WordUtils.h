#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Text conventions of the word explorer (text is Windows-1252 bytes): parts of speech, the
// index keys, usage flags and pronunciation codes.
namespace WordUtils {

constexpr int PartsOfSpeech = 9;
constexpr std::uint16_t AllPartsOfSpeech = 511;
extern const char PosLetters[]; // "nvarpcoix"
const char *LongPosName(int pos);
const char *ShortPosName(int pos);

enum TFormKind
{
    fkNone = 0,
    fkPlural,
    fkThirdPerson,
    fkPast,
    fkPastParticiple,
    fkPresentParticiple,
    fkComparative,
    fkSuperlative
};

constexpr std::uint32_t RegionalFlags = 0x3FF;
constexpr std::uint32_t RegisterFlags = 0xC00;
constexpr std::uint32_t FlagBrit = 1u << 1, FlagUS = 1u << 2, FlagCan = 1u << 3, FlagUK = 1u << 4;
constexpr std::uint32_t FlagVulgar = 1u << 10, FlagOffensive = 1u << 11;

// The index key: letters upper-cased and stripped of accents, digits kept, the rest dropped,
// nothing from the first "[" on.
std::string SearchKey(std::string_view text);
// Membership form of the LF lists: key characters and brackets kept, a-z upper-cased.
std::string UpperKey(std::string_view text);
// Whether the key table maps the byte to something.
bool IsKeyChar(unsigned char c);

std::uint32_t ParseFlags(std::string_view letters);
std::string FlagLetters(std::uint32_t flags);
std::string FlagLabels(std::uint32_t flags);
std::uint32_t RegionalPart(std::uint32_t flags);

// The word information string: pronunciation part "\" flag part.
std::uint32_t FlagsFor(std::string_view info, char posLetter);
std::string VariantOf(std::string_view info);
std::string PronunciationFor(std::string_view info, char posLetter, int dialect);
std::string ShowPronunciation(std::string_view codes, int dialect);
std::string PronunciationKey(std::string_view codes, int dialect, bool keyOnly);

// Case-insensitive position (1-based) of form as a whole word in text; 0 when absent.
int ContainsWord(std::string_view form, std::string_view text);

// An example in double quotation marks; one that keeps its quotation's author after its closing
// mark ("... to be" - Shakespeare) is not closed again.
std::string QuotedExample(std::string_view example);

std::vector<std::string> Split(std::string_view text, char separator);
std::string Join(const std::vector<std::string> &list, std::string_view separator);

} // namespace WordUtils
