#pragma once

#include <string>
#include <string_view>
#include <vector>

// Byte-level text helpers shared by the data builders. Only ASCII letters change case.

// Calls f for every line of text, without its line end (LF or CR LF).
template <typename F> void ForEachLine(std::string_view text, F &&f)
{
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find('\n', begin);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(begin, end - begin);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        f(line);
        begin = end + 1;
    }
}

std::string_view Trim(std::string_view text);
std::vector<std::string_view> SplitOn(std::string_view text, char separator);
std::string ToLowerAscii(std::string_view text);
bool HasUpperAscii(std::string_view text);
// Two or more letters, none of them lower case: "GED", "NASA".
bool IsAllCapitals(std::string_view text);
bool HasDigitOrDot(std::string_view text);
// Upper-cases the first ASCII letter of every hyphen-separated part: "jean-paul" -> "Jean-Paul".
std::string CapitaliseParts(std::string_view word);
std::string ReplaceAll(std::string text, char from, char to);
// Collapses runs of blanks into one space and trims the ends.
std::string CollapseSpaces(std::string_view text);

// Alphabetical order as a reader expects it: letters without regard to case first, then bytes.
bool AlphaLess(std::string_view a, std::string_view b);

// The whole file; throws std::runtime_error naming the file when it cannot be read.
std::string ReadWholeFile(const std::string &path);
