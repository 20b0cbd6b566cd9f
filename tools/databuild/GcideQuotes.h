#pragma once

#include <string>
#include <string_view>
#include <vector>

// Quotations of the GNU Collaborative International Dictionary of English (dictd format).
// A quotation is a paragraph indented deeper than the definitions, its last text line ending
// in "--Author." (the name may wrap onto right-aligned lines below), followed by a
// "[1913 Webster]" line.

struct TGcideQuote
{
    std::vector<std::string> lines; // the quoted text, one entry per source line, trimmed
    std::vector<std::size_t> ends;  // the column after each line's last character
    std::string attribution;        // the text after "--", continuation lines joined
};

// Decompresses a dictzip (gzip-compatible) file; throws std::runtime_error on failure.
std::string ReadDictzip(const std::string &path);

std::vector<TGcideQuote> ExtractGcideQuotes(std::string_view dictText);

// Verse, as opposed to prose: at least two lines, each starting with a capital letter (after
// opening quotes or brackets). Prose whose lines happen to start with capitals gives itself
// away by a line filled to the dictionary's right margin that ends in a word like "of" or "the",
// where a line of verse rarely breaks.
bool IsVerseQuote(const TGcideQuote &quote);

// Plain UTF-8 text of a GCIDE line: accent codes such as ['e] or [ae] become letters, other
// brackets and braces are dropped with their text kept, blanks are collapsed and the space the
// source leaves before "!", "?", ";" and ":" is removed.
std::string StripGcideMarkup(std::string_view line);
