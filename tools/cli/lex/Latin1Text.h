#pragma once

#include <string>
#include <string_view>

// The database's text is Latin-1; the command line speaks UTF-8.
namespace Latin1Text {

std::string ToUtf8(std::string_view latin1);
// Characters beyond Latin-1, and each byte of a broken sequence, become "?" ("??" beyond the
// 16-bit range, as two UTF-16 units would); white space at either end is trimmed.
std::string FromUtf8Trimmed(std::string_view utf8);
// Code points; a byte of a broken sequence stands for U+FFFD.
std::u32string Decode(std::string_view utf8);

} // namespace Latin1Text
